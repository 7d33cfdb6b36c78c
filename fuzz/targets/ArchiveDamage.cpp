#include "fuzz/targets/ArchiveDamage.h"

namespace {

// Bounds-checked: the bytes may be damaged already.
bool Get(const std::string& b, size_t at, int width, uint32_t* value)
{
    if (at > b.size() || b.size() - at < static_cast<size_t>(width))
        return false;
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    *value = v;
    return true;
}

void Put32(std::string* b, size_t at, uint32_t v)
{
    if (at > b->size() || b->size() - at < 4)
        return;
    for (int i = 0; i < 4; ++i)
        (*b)[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct Entry {
    bool found = false;
    size_t central = 0;  // central directory record
    size_t local = 0;    // local file header
};

Entry Locate(const std::string& b, const std::string& name)
{
    Entry e;
    size_t end = b.rfind(std::string("PK\x05\x06", 4));
    uint32_t at = 0, count = 0;
    if (end == std::string::npos || !Get(b, end + 16, 4, &at) || !Get(b, end + 10, 2, &count))
        return e;
    for (; count > 0; --count) {
        uint32_t nameLength = 0, extra = 0, comment = 0, local = 0;
        if (!Get(b, at + 28, 2, &nameLength) || !Get(b, at + 30, 2, &extra) || !Get(b, at + 32, 2, &comment) ||
            !Get(b, at + 42, 4, &local) || b.compare(at, 4, "PK\x01\x02", 4) != 0 ||
            size_t(at) + 46 + nameLength > b.size())
            return e;
        if (b.compare(at + 46, nameLength, name) == 0) {
            e.found = true;
            e.central = at;
            e.local = local;
            return e;
        }
        at += 46 + nameLength + extra + comment;
    }
    return e;
}

}  // namespace

void DamageArchive(std::string* bytes, const std::string& entry, std::mt19937& random)
{
    std::string& b = *bytes;
    const Entry icon = Locate(b, entry);
    auto pick = [&](size_t from, size_t to) {
        to = to < b.size() ? to : b.size();
        from = from < to ? from : 0;
        return to == 0 ? 0 : from + random() % (to - from);
    };
    auto byte = [&] { return static_cast<char>(random() & 0xFF); };
    auto scribble = [&](size_t from, size_t to, int times) {
        for (int i = 0; i < times && !b.empty(); ++i)
            b[pick(from, to)] = byte();
    };
    const size_t end = b.size() >= 22 ? b.size() - 22 : 0;
    switch (random() % 9) {
    case 0:  // anywhere
        scribble(0, b.size(), 1 + random() % 8);
        break;
    case 1:  // the entry's local header and the start of its data
        scribble(icon.local, icon.local + 64, 1 + random() % 4);
        break;
    case 2:  // the entry's central directory record
        scribble(icon.central, icon.central + 46, 1 + random() % 4);
        break;
    case 3:  // end of central directory
        scribble(end, b.size(), 1 + random() % 4);
        break;
    case 4:  // cut short
        b.resize(pick(0, b.size()));
        break;
    case 5:  // compressed size or local header offset pointing anywhere
        if (icon.found)
            Put32(&b, icon.central + (random() % 2 ? 20 : 42), random());
        break;
    case 6:  // central directory size or offset pointing anywhere
        if (b.size() >= 22)
            Put32(&b, end + (random() % 2 ? 12 : 16), random());
        break;
    case 7:  // not a zip at all: noise, sometimes ending like one
        b.assign(random() % 4097, '\0');
        for (char& c : b)
            c = byte();
        if (b.size() >= 22 && random() % 2)
            b.replace(b.size() - 22, 4, "PK\x05\x06", 4);
        break;
    default:  // any declared size, in both headers so the entry still opens
        if (icon.found) {
            uint32_t size = random();
            Put32(&b, icon.central + 24, size);
            if (random() % 4 != 0)
                Put32(&b, icon.local + 22, size);
        }
        break;
    }
}
