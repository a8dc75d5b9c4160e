#pragma once
// Names in XML scene text: written as they are, unless the stream is marked
// for escaping (the scene-file writer marks its own, so that every name
// reads back as written).
#include <ostream>

void setXMLEscaping(std::ostream& os, bool escape);
// Writes name (null as empty) to os, escaped when os is marked.
std::ostream& writeXMLName(std::ostream& os, const char* name);
