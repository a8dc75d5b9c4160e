#include "engine/manager/xmlnom.h"

#include <cstdio>

namespace {

int escapingSlot()
{
    static const int slot = std::ios_base::xalloc();
    return slot;
}

} // namespace

void setXMLEscaping(std::ostream& os, bool escape) { os.iword(escapingSlot()) = escape ? 1 : 0; }

std::ostream& writeXMLName(std::ostream& os, const char* name)
{
    if (!name)
        return os;
    if (!os.iword(escapingSlot()))
        return os << name;
    for (const char* p = name; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        switch (c) {
        case '&': os << "&amp;"; break;
        case '<': os << "&lt;"; break;
        case '>': os << "&gt;"; break;
        case '"': os << "&quot;"; break;
        case '\'': os << "&apos;"; break;
        default:
            if (c < 32) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "&#x%02X;", c);
                os << buf;
            } else {
                os << static_cast<char>(c);
            }
        }
    }
    return os;
}
