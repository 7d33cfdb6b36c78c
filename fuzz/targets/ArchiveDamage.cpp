#include "fuzz/targets/ArchiveDamage.h"

#include "inspect/ZipBytes.h"

using zip_bytes::Put32;

void DamageArchive(std::string* bytes, const std::string& entry, std::mt19937& random)
{
    std::string& b = *bytes;
    const zip_bytes::Entry icon = zip_bytes::Locate(b, entry);
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
            const uint32_t size = random();
            zip_bytes::DeclareSize(&b, icon, size, random() % 4 != 0);
        }
        break;
    }
}
