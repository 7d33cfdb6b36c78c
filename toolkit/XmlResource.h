// Reading documents and images out of the executable's own resources.
#pragma once

#include <vector>

#ifdef _WIN32
#include <windows.h>

// Bytes of the resource of the given type (compared without case) and
// numeric id, followed by one zero byte. False when it is missing, empty or
// unreadable; the buffer is then empty.
bool LoadResourceBytes(HMODULE module, const wchar_t* type, unsigned id, std::vector<char>* buffer);

// The "xml" resource id of the running executable.
bool LoadXmlResource(unsigned id, std::vector<char>* buffer);
#endif
