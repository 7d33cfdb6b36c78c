// Damage that knows the ZIP layout: most of it lands on the headers of the
// icon entry and the end of the central directory, where a reader decides
// what to allocate and where to seek. Plain byte mutations rarely hit the
// right four bytes; this does on purpose.
#pragma once

#include <cstdint>
#include <random>
#include <string>

// One kind of damage to the archive bytes; the entry named `entry` is
// aimed at when the archive still lists it.
void DamageArchive(std::string* bytes, const std::string& entry, std::mt19937& random);
