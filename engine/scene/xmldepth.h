#pragma once
// How deep TinyXML would nest the elements of a text, found without
// recursion: TinyXML's parser recurses once per level and ends the process
// on a deep enough file, so the depth is known before it runs.

// True when TinyXML, parsing text (as TiXmlDocument::Parse with the default
// encoding), would never hold more than limit elements open at once, and
// would never read past the text's end. Follows TinyXML 2.6's reading of
// tags, attributes, text, entities, comments, CDATA, declarations and its
// UTF-8 mode byte for byte, up to where TinyXML would stop with an error.
bool xmlNestingWithin(const char* text, int limit);
