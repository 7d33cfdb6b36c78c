// Entries of an APK that lies inside a bundle, read without writing the APK
// anywhere: a stored APK is opened in place; a deflated one is inflated as
// a stream, its local headers walked in order until every wanted entry has
// come (a manifest and a resource table usually come first), each
// inflated in turn. Nothing is left on disk, whatever becomes of the
// process, and a large APK is read only as far as needed.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "bundle/ZipArchive.h"

// The named entries found whole, each within `limit` bytes, into *found
// (an entry that is damaged or too large is left out, and so is what lies
// beyond a local header that cannot be walked, such as a stored entry
// without its sizes). False when nothing of the APK could be read.
bool ReadNestedEntries(const std::wstring& outerPath, const ZipArchive& outer, const ZipEntry& apk,
                       const std::vector<std::string>& names, std::size_t limit,
                       std::map<std::string, std::string>* found);

// One entry; false when it is not there whole.
bool ReadNestedEntry(const std::wstring& outerPath, const ZipArchive& outer, const ZipEntry& apk,
                     const std::string& name, std::size_t limit, std::string* bytes);
