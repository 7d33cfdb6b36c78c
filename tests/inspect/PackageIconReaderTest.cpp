// The icon entry read out of real packages built by the corpus script, and
// out of archives damaged on purpose.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>

#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/ScopedWin.h"
#else
#include <dirent.h>
#endif

#include "CorpusManifest.h"
#include "TestSupport.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"
#include "platform/Environment.h"

// One entry's size fields in a ZIP archive's bytes, so a test can make
// archives whose headers lie; nothing here reads or writes outside the
// bytes, whatever they say.
namespace zip_bytes {

inline std::uint32_t Get(const std::string& b, size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

inline void Put32(std::string* b, size_t at, std::uint32_t v)
{
    if (at > b->size() || b->size() - at < 4)
        return;
    for (int i = 0; i < 4; ++i)
        (*b)[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

struct Entry {
    bool found = false;
    size_t central = 0;  // central directory record
    size_t local = 0;    // local file header
};

inline Entry Locate(const std::string& b, const std::string& name)
{
    Entry e;
    size_t end = b.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > b.size())
        return e;
    size_t at = Get(b, end + 16, 4);
    for (std::uint32_t n = Get(b, end + 10, 2); n > 0 && at + 46 <= b.size(); --n) {
        size_t nameLength = Get(b, at + 28, 2);
        if (b.compare(at, 4, "PK\x01\x02", 4) != 0 || at + 46 + nameLength > b.size())
            break;
        if (b.compare(at + 46, nameLength, name) == 0) {
            e.found = true;
            e.central = at;
            e.local = Get(b, at + 42, 4);
            return e;
        }
        at += 46 + nameLength + Get(b, at + 30, 2) + Get(b, at + 32, 2);
    }
    return e;
}

// The entry's bytes as stored, inflated when deflated; empty when the
// headers point outside the archive or the data does not inflate.
inline std::string EntryBytes(const std::string& b, const Entry& e)
{
    const size_t data = e.local + 30 + Get(b, e.local + 26, 2) + Get(b, e.local + 28, 2);
    const std::uint32_t packed = Get(b, e.central + 20, 4), size = Get(b, e.central + 24, 4);
    if (data > b.size() || b.size() - data < packed)
        return std::string();
    if (Get(b, e.central + 10, 2) == 0)
        return b.substr(data, packed);
    std::string out(size, '\0');
    z_stream z = {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(b.data() + data));
    z.avail_in = packed;
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = size;
    const bool whole = inflateInit2(&z, -MAX_WBITS) == Z_OK && inflate(&z, Z_FINISH) == Z_STREAM_END;
    inflateEnd(&z);
    return whole ? out : std::string();
}

// Declared uncompressed size in the central record and, when `local`, in the
// local header too (minizip refuses an entry whose two headers disagree).
inline void DeclareSize(std::string* b, const Entry& e, std::uint32_t size, bool local)
{
    Put32(b, e.central + 24, size);
    if (local)
        Put32(b, e.local + 22, size);
}

}  // namespace zip_bytes

namespace {

const std::string kIconEntry = "res/drawable/icon.png";

class PackageIconReaderTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetDiagnosticSink(&DiagnosticDiscard); }
    void TearDown() override { SetDiagnosticSink(previous_); }

    // A record as the main window gets it: inspected by our own inspection tool.
    PackageInfo Inspected(const std::string& file)
    {
#ifdef _WIN32
        const std::wstring tool = testing_support::Beside(L"aapt");
#else
        const std::wstring tool = testing_support::Beside(L"tarvo-badging");
#endif
        return PackageInfo(tool, corpus::PathOf(file));
    }

    std::string Bytes(const std::string& file)
    {
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(corpus::PathOf(file), &bytes, 1 << 24)) << file;
        return bytes;
    }
    // What the reader holds, or "<none>" when it read nothing.
    static std::string Read(const PackageInfo& package)
    {
        PackageIconReader reader(package);
        if (!reader.ReadIcon()) {
            EXPECT_EQ(reader.GetIconData(), nullptr);
            return "<none>";
        }
        return std::string(reinterpret_cast<const char*>(reader.GetIconData()), reader.GetIconSize());
    }
    // The icon of plain.apk, inflated here by zlib itself.
    std::string PlainIcon()
    {
        const std::string archive = Bytes("plain.apk");
        return zip_bytes::EntryBytes(archive, zip_bytes::Locate(archive, kIconEntry));
    }

    DiagnosticSink previous_ = nullptr;
};

}  // namespace

TEST_F(PackageIconReaderTest, StoredAndDeflatedEntriesGiveTheirExactBytes)
{
    int stored = 0, deflated = 0;
    for (const corpus::Member& m : corpus::ReadManifest()) {
        if (m.iconStorage.empty())
            continue;
        SCOPED_TRACE(m.file);
        PackageInfo package = Inspected(m.file);
        ASSERT_EQ(WideToUtf8(package.GetIconPath()), m.iconPath);
        const std::string archive = Bytes(m.file);
        const std::string icon = zip_bytes::EntryBytes(archive, zip_bytes::Locate(archive, m.iconPath));
        EXPECT_EQ(Read(package), icon.empty() ? "<none>" : icon) << "an empty entry reads as no icon";
        (m.iconStorage == "deflated" ? deflated : stored)++;
    }
    EXPECT_GE(stored, 5);
    EXPECT_GE(deflated, 1);
}

TEST_F(PackageIconReaderTest, MissingEntriesAndUnreadableArchivesGiveNothing)
{
    EXPECT_EQ(WideToUtf8(Inspected("missingicon.apk").GetIconPath()), kIconEntry) << "named, but not in the archive";
    for (const char* file : {"missingicon.apk", "emptyicon.apk", "noicon.apk"})
        EXPECT_EQ(Read(Inspected(file)), "<none>") << file;
    PackageInfo package = Inspected("plain.apk");
    for (std::wstring path : {corpus::PathOf("notzip.apk"), corpus::PathOf("truncated.apk"),
                              corpus::PathOf("no such package.apk"), std::wstring(),
                              // Cut at the zero, this would name a good package.
                              corpus::PathOf("plain.apk") + std::wstring(1, L'\0') + L".gone"}) {
        package.SetApkPath(path);
        EXPECT_EQ(Read(package), "<none>") << WideToUtf8(path);
    }
}

TEST_F(PackageIconReaderTest, DeclaredSizesAreBoundedAndNeverReadBeyondTheData)
{
    const std::string original = Bytes("plain.apk"), icon = PlainIcon();
    const zip_bytes::Entry entry = zip_bytes::Locate(original, kIconEntry);
    ASSERT_FALSE(icon.empty());
    PackageInfo package = Inspected("plain.apk");
    testing_support::ScratchFolder folder;
    package.SetApkPath(folder.PathOf("lying.apk"));
    auto readDeclaring = [&](std::uint32_t size, bool local) {
        std::string lying = original;
        zip_bytes::DeclareSize(&lying, entry, size, local);
        EXPECT_TRUE(folder.Write("lying.apk", lying));
        return Read(package);
    };
    // Above the bound: refused before anything is allocated.
    for (std::uint32_t declared : {kMaxIconBytes + 1, 0x7fffffffu, 0xffffffffu})
        EXPECT_EQ(readDeclaring(declared, true), "<none>") << declared;
    // Within it, an entry whose bytes are not what it declares is damaged.
    const std::uint32_t real = static_cast<std::uint32_t>(icon.size());
    EXPECT_EQ(readDeclaring(real + 100, false), "<none>") << "central directory and local header disagree";
    EXPECT_EQ(readDeclaring(real + 100, true), "<none>") << "more than the data";
    EXPECT_EQ(readDeclaring(10, true), "<none>") << "less than the data";
    EXPECT_EQ(readDeclaring(real, true), icon);
}

TEST_F(PackageIconReaderTest, BundlesGiveTheIconTheToolNames)
{
    // The PNG's width tells whose icon it is: the base's mipmap (24), the
    // densest split's drawable (48), the bundle's own icon.png (32).
    const struct {
        const char* bundle;
        unsigned width;
    } kCases[] = {{"bundles/split.xapk", 24}, {"bundles/split.apkm", 24}, {"bundles/split.apks", 48},
                  {"bundles/many.apks", 32}};
    // A split's entry is read where it lies, even deflated: no temporary
    // folder is needed, nor written to.
    const wchar_t* temp = platform::kPathSeparator == L'/' ? L"TMPDIR" : L"TMP";
    const std::wstring saved = platform::EnvironmentValue(temp);
    for (const auto& c : kCases) {
        const PackageInfo package = Inspected(c.bundle);
        testing_support::SetEnvironmentValue(temp, corpus::PathOf("no such folder"));
        const std::string icon = Read(package);
        testing_support::SetEnvironmentValue(temp, saved);
        ASSERT_GE(icon.size(), 24u) << c.bundle;
        const unsigned width = static_cast<unsigned char>(icon[18]) << 8 | static_cast<unsigned char>(icon[19]);
        EXPECT_EQ(icon.compare(1, 3, "PNG"), 0) << c.bundle;
        EXPECT_EQ(width, c.width) << c.bundle;
    }
}

TEST_F(PackageIconReaderTest, OddPathsAreReadInPlace)
{
    const std::string odd = "空格 目录/my app 安装.apk";
    PackageInfo inPlace = Inspected(odd);
    ASSERT_EQ(inPlace.GetApkPath(), corpus::PathOf(odd)) << "the tool read it: no copy";
    EXPECT_EQ(Read(inPlace), PlainIcon());
}

namespace {
#ifdef _WIN32
// Nobody else may hold the file open: the archive's own handle, left open,
// shares reading only and makes this fail.
bool ClosedAfter(const PackageInfo& package)
{
    PackageIconReader(package).ReadIcon();
    return ScopedHandle(CreateFileW(package.GetApkPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
        .Valid();
}
#else
size_t OpenDescriptors()
{
    size_t n = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++n;
        closedir(dir);
    }
    return n;
}
bool ClosedAfter(const PackageInfo& package)
{
    const size_t before = OpenDescriptors();
    PackageIconReader(package).ReadIcon();
    return OpenDescriptors() == before;
}
#endif
}  // namespace

TEST_F(PackageIconReaderTest, ArchiveIsClosedOnEveryOutcome)
{
    for (const char* file : {"plain.apk", "missingicon.apk", "emptyicon.apk", "noicon.apk"})
        EXPECT_TRUE(ClosedAfter(Inspected(file))) << file;
}
