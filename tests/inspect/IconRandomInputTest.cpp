// Damaged archives by the hundred, from a fixed seed: reading the icon must
// end with a plain yes or no (run under ASan/UBSan in CI).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "CorpusManifest.h"
#include "FakeAaptSupport.h"
#include "ScratchFile.h"
#include "ZipBytes.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"

namespace {

void Quiet(const std::wstring&) {}

// Where the damage goes: headers matter most, so most of it lands there.
std::string Mutate(const std::string& original, const zip_bytes::Entry& icon, std::mt19937& random)
{
    std::string b = original;
    auto pick = [&](size_t from, size_t to) {
        to = to < b.size() ? to : b.size();
        from = from < to ? from : 0;
        return std::uniform_int_distribution<size_t>(from, to - 1)(random);
    };
    auto byte = [&] { return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)); };
    auto put32 = [&](size_t at) {
        if (at + 4 <= b.size())
            zip_bytes::Put32(&b, at, static_cast<std::uint32_t>(random()));
    };
    switch (random() % 9) {
    case 0:  // anywhere
        for (int i = 1 + random() % 8; i > 0; --i)
            b[pick(0, b.size())] = byte();
        break;
    case 1:  // the icon's local header and the start of its data
        for (int i = 1 + random() % 4; i > 0; --i)
            b[pick(icon.local, icon.local + 64)] = byte();
        break;
    case 2:  // the icon's central directory record
        for (int i = 1 + random() % 4; i > 0; --i)
            b[pick(icon.central, icon.central + 46)] = byte();
        break;
    case 3:  // end of central directory
        for (int i = 1 + random() % 4; i > 0; --i)
            b[pick(b.size() - 22, b.size())] = byte();
        break;
    case 4:  // cut short
        b.resize(pick(0, b.size()));
        break;
    case 5:  // compressed size or local header offset pointing anywhere
        put32(icon.central + (random() % 2 ? 20 : 42));
        break;
    case 6:  // central directory size or offset pointing anywhere
        put32(b.size() - 22 + (random() % 2 ? 12 : 16));
        break;
    case 7: {  // not a zip at all: noise, sometimes ending like one
        b.assign(std::uniform_int_distribution<size_t>(0, 4096)(random), '\0');
        for (char& c : b)
            c = byte();
        if (b.size() >= 22 && random() % 2)
            b.replace(b.size() - 22, 4, "PK\x05\x06", 4);
        break;
    }
    default:  // any declared size, in both headers so the entry opens
        zip_bytes::DeclareSize(&b, icon, static_cast<std::uint32_t>(random()), random() % 4 != 0);
        break;
    }
    return b;
}

}  // namespace

TEST(IconRandomInput, DamagedArchivesGiveAClearAnswer)
{
    DiagnosticSink previous = SetDiagnosticSink(&Quiet);
    fake_aapt::Scope aapt;
    std::mt19937 random(20261206u);
    scratch::ScratchFile file;
    ASSERT_FALSE(file.Path().empty());
    int yes = 0, no = 0;

    for (const char* member : {"plain.apk", "deflated.apk"}) {
        SCOPED_TRACE(member);
        PackageInfo package(fake_aapt::Tool(), corpus::PathOf(member));
        ASSERT_FALSE(package.GetIconPath().empty());
        std::string original;
        ASSERT_TRUE(platform::ReadFileBytes(package.GetApkPath(), &original, 1 << 24));
        zip_bytes::Entry icon = zip_bytes::Locate(original, WideToUtf8(package.GetIconPath()));
        ASSERT_TRUE(icon.found);
        package.SetApkPath(file.Path());

        for (int round = 0; round < 400; ++round) {
            ASSERT_TRUE(file.Write(Mutate(original, icon, random)));
            PackageIconReader reader(package);
            if (reader.ReadIcon()) {
                ++yes;
                ASSERT_NE(reader.GetIconData(), nullptr) << round;
                ASSERT_GT(reader.GetIconSize(), 0u) << round;
                ASSERT_LE(reader.GetIconSize(), kMaxIconBytes) << round;
            } else {
                ++no;
            }
        }
    }
    // Both answers occur, so the damage neither always nor never matters.
    EXPECT_GT(yes, 0);
    EXPECT_GT(no, 0);
    SetDiagnosticSink(previous);
}
