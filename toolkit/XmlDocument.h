// Every toolkit document goes through here, so all of them are read the same
// way: UTF-8, byte-order mark optional, unquoted attribute values accepted,
// element text kept exactly as written (runs of blanks included).
#pragma once

#include <tinyxml.h>

// Parses zero-terminated text; false on any parse error, and the
// document is then empty. A document can parse and still have no root
// element (only a declaration or a comment): callers check the root.
bool ParseXmlText(const char* text, TiXmlDocument* doc);
