// One entry of an APK that lies inside a bundle, read without writing the
// APK anywhere: a stored APK is opened in place; a deflated one is
// inflated as a stream, its local headers walked in order until the entry
// comes, which is inflated in turn. Nothing is left on disk, whatever
// becomes of the process.
#pragma once

#include <cstddef>
#include <string>

#include "bundle/ZipArchive.h"

// False when the APK or the entry is missing or damaged, when the entry
// declares or holds more than `limit` bytes, or when the APK's local
// headers cannot be walked (a stored entry without its sizes).
bool ReadNestedEntry(const std::wstring& outerPath, const ZipArchive& outer, const ZipEntry& apk,
                     const std::string& name, std::size_t limit, std::string* bytes);
