// Deterministic mutations of seed inputs: the same seed number gives the
// same inputs on every machine (only the raw 64-bit generator is used, no
// library distributions, whose results differ between libraries).
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Mutator {
public:
    Mutator(uint64_t seed, std::vector<std::string> tokens, size_t maxLength);

    // One new input: a few stacked edits of base (bit flips, byte changes,
    // inserts, deletes, dictionary tokens, numbers, a splice with other).
    std::string Mutate(const std::string& base, const std::string& other);

    // A number below bound (bound > 0).
    size_t Below(size_t bound) { return static_cast<size_t>(rng_() % bound); }

private:
    void EditOnce(std::string* s, const std::string& other);
    char AnyByte() { return static_cast<char>(rng_() & 0xFF); }
    size_t Position(const std::string& s) { return Below(s.size() + 1); }

    std::mt19937_64 rng_;
    std::vector<std::string> tokens_;
    size_t maxLength_;
};
