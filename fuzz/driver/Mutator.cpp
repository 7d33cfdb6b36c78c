#include "fuzz/driver/Mutator.h"

#include <utility>

namespace {

// Edge values of headers and counters, written little-endian.
const uint32_t kInterestingNumbers[] = {
    0, 1, 2, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu,
};

// Edge values of decimal attributes and tool output.
const char* const kNumberTexts[] = {
    "0", "-1", "_1", "1", "-0", "2147483647", "2147483648", "-2147483648", "-2147483649",
    "4294967296", "99999999999", "00000000000000000001", "+7", " 8",
};

}  // namespace

Mutator::Mutator(uint64_t seed, std::vector<std::string> tokens, size_t maxLength)
    : rng_(seed), tokens_(std::move(tokens)), maxLength_(maxLength)
{
}

std::string Mutator::Mutate(const std::string& base, const std::string& other)
{
    std::string s = base;
    // Mostly one or two edits, now and then a pile of them.
    size_t edits = Below(4) == 0 ? 2 + Below(12) : 1 + Below(2);
    for (size_t i = 0; i < edits; ++i)
        EditOnce(&s, other);
    if (s.size() > maxLength_)
        s.resize(maxLength_);
    return s;
}

void Mutator::EditOnce(std::string* s, const std::string& other)
{
    switch (Below(12)) {
    case 0:  // flip one bit
        if (!s->empty())
            (*s)[Below(s->size())] ^= static_cast<char>(1u << Below(8));
        break;
    case 1:  // any byte
        if (!s->empty())
            (*s)[Below(s->size())] = AnyByte();
        break;
    case 2: {  // insert a few bytes, sometimes one byte repeated
        size_t at = Position(*s);
        size_t n = 1 + Below(Below(8) == 0 ? 128 : 4);
        std::string bytes(n, AnyByte());
        if (Below(2))
            for (char& c : bytes)
                c = AnyByte();
        s->insert(at, bytes);
        break;
    }
    case 3:  // delete a range
        if (!s->empty()) {
            size_t at = Below(s->size());
            s->erase(at, 1 + Below(Below(4) == 0 ? s->size() : 8));
        }
        break;
    case 4:  // insert a token
    case 5:  // put a token over what is there
        if (!tokens_.empty()) {
            const std::string& t = tokens_[Below(tokens_.size())];
            size_t at = Position(*s);
            if (Below(2) == 0 || at + t.size() > s->size())
                s->insert(at, t);
            else
                s->replace(at, t.size(), t);
        }
        break;
    case 6:  // splice: the front of this one, the back of the other
        if (!other.empty()) {
            size_t keep = Position(*s);
            size_t from = Below(other.size());
            *s = s->substr(0, keep) + other.substr(from);
        }
        break;
    case 7:  // copy a piece of the input somewhere else in it
        if (!s->empty()) {
            size_t from = Below(s->size());
            std::string piece = s->substr(from, 1 + Below(32));
            s->insert(Position(*s), piece);
        }
        break;
    case 8:  // cut short
        s->resize(Below(s->size() + 1));
        break;
    case 9: {  // an edge number in 1, 2 or 4 bytes
        uint32_t v = kInterestingNumbers[Below(sizeof kInterestingNumbers / sizeof kInterestingNumbers[0])];
        size_t width = size_t(1) << Below(3);
        if (s->size() >= width) {
            size_t at = Below(s->size() - width + 1);
            for (size_t i = 0; i < width; ++i)
                (*s)[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
        break;
    }
    case 10: {  // an edge number as text, over a run of digits when there is one
        std::string t = kNumberTexts[Below(sizeof kNumberTexts / sizeof kNumberTexts[0])];
        size_t digit = s->find_first_of("0123456789", Position(*s));
        if (digit == std::string::npos) {
            s->insert(Position(*s), t);
        } else {
            size_t end = s->find_first_not_of("0123456789", digit);
            s->replace(digit, (end == std::string::npos ? s->size() : end) - digit, t);
        }
        break;
    }
    default:  // small arithmetic on one byte
        if (!s->empty()) {
            char& c = (*s)[Below(s->size())];
            c = static_cast<char>(c + static_cast<int>(Below(33)) - 16);
        }
        break;
    }
}
