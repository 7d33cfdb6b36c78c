// Reads the two files the badging needs out of a package archive, or out of
// the base APK of a bundle.
#pragma once

#include <string>

#include "tools/badging/Badging.h"

// Entries larger than this are refused unread: no real manifest or
// resource table comes near it, and a damaged header must not make us
// allocate gigabytes.
constexpr unsigned long long kMaxBadgingEntryBytes = 64ull * 1024 * 1024;

PackageFiles ReadPackageFiles(const std::wstring& path);
