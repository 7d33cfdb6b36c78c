// The built-in table of Android permissions the installer knows, and the
// per-package map built from it.
#pragma once

#include <cstddef>
#include <map>
#include <string>

struct PermissionInfo {
    std::wstring level;        // "normal", "dangerous", "signature", "signatureOrSystem"
    std::wstring title;        // short Chinese title shown to the user
    std::wstring description;  // Chinese sentence; stored, never shown
};

// Keyed by the exact permission name (case-sensitive, no trimming).
using PermissionCatalogue = std::map<std::wstring, PermissionInfo>;

// One row of the constant table.
struct PermissionRecord {
    const wchar_t* name;
    const wchar_t* level;
    const wchar_t* title;
    const wchar_t* description;
};

// The constant table in build order; *count receives the number of rows.
const PermissionRecord* PermissionTable(size_t* count);

// Fills the catalogue with a copy of every row of the table.
void BuildPermissionCatalogue(PermissionCatalogue& catalogue);

// The catalogue built once for the process (never destroyed, so usable
// from any thread until the end).
const PermissionCatalogue& SharedPermissionCatalogue();
