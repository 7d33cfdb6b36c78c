// Every toolkit document goes through here, so all of them are read the same
// way: UTF-8, byte-order mark optional, unquoted attribute values accepted.
#pragma once

#include <tinyxml.h>

// Parses zero-terminated text; false on any parse error, and the
// document is then empty.
bool ParseXmlText(const char* text, TiXmlDocument* doc);
