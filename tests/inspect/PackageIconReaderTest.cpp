// The icon entry read out of real packages built by the corpus script, and
// out of archives damaged on purpose.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/ScopedWin.h"
#else
#include <dirent.h>
#endif

#include "CorpusManifest.h"
#include "FakeAaptSupport.h"
#include "ScratchFile.h"
#include "Sha256.h"
#include "ZipBytes.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"

namespace {

const std::string kIconEntry = "res/drawable/icon.png";

class PackageIconReaderTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetDiagnosticSink(&DiagnosticDiscard); }
    void TearDown() override { SetDiagnosticSink(previous_); }

    // A record as the main window gets it: inspected by the (replaying) tool.
    PackageInfo Inspected(const std::string& file) { return PackageInfo(fake_aapt::Tool(), corpus::PathOf(file)); }

    std::string Bytes(const std::string& file)
    {
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(corpus::PathOf(file), &bytes, 1 << 24)) << file;
        return bytes;
    }

    fake_aapt::Scope aapt_;
    DiagnosticSink previous_ = nullptr;
};

std::string ShaOf(const PackageIconReader& reader)
{
    return test_sha256::Hex(reader.GetIconData(), reader.GetIconSize());
}

void ExpectNothingRead(const PackageIconReader& reader)
{
    EXPECT_EQ(reader.GetIconSize(), 0u);
    EXPECT_EQ(reader.GetIconData(), nullptr);
}

}  // namespace

TEST(Sha256, KnownDigests)
{
    EXPECT_EQ(test_sha256::Hex(reinterpret_cast<const unsigned char*>("abc"), 3),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(test_sha256::Hex(nullptr, 0), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    // Two blocks of padding.
    std::string long56 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(test_sha256::Hex(reinterpret_cast<const unsigned char*>(long56.data()), long56.size()),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST_F(PackageIconReaderTest, StoredAndDeflatedEntriesGiveTheirExactBytes)
{
    int stored = 0, deflated = 0;
    for (const corpus::Member& m : corpus::ReadManifest()) {
        if (m.iconStorage.empty())
            continue;
        SCOPED_TRACE(m.file);
        PackageInfo package = Inspected(m.file);
        ASSERT_EQ(WideToUtf8(package.GetIconPath()), m.iconPath);
        PackageIconReader reader(package);
        if (m.iconSha256 == test_sha256::Hex(nullptr, 0)) {
            EXPECT_FALSE(reader.ReadIcon()) << "an empty entry reads as no icon";
            continue;
        }
        ASSERT_TRUE(reader.ReadIcon());
        EXPECT_EQ(ShaOf(reader), m.iconSha256);
        // A second read replaces the buffer with the same bytes.
        ASSERT_TRUE(reader.ReadIcon());
        EXPECT_EQ(ShaOf(reader), m.iconSha256);
        (m.iconStorage == "deflated" ? deflated : stored)++;
    }
    EXPECT_GE(stored, 5);
    EXPECT_GE(deflated, 1);
}

TEST_F(PackageIconReaderTest, EntriesThatGiveNoBytes)
{
    PackageInfo missing = Inspected("missingicon.apk");
    ASSERT_EQ(WideToUtf8(missing.GetIconPath()), kIconEntry) << "the tool names an entry the archive lacks";
    PackageIconReader missingReader(missing);
    EXPECT_FALSE(missingReader.ReadIcon());
    ExpectNothingRead(missingReader);

    PackageIconReader emptyReader(Inspected("emptyicon.apk"));
    EXPECT_FALSE(emptyReader.ReadIcon());
    EXPECT_EQ(emptyReader.GetIconSize(), 0u);

    PackageInfo noIcon = Inspected("noicon.apk");
    ASSERT_EQ(noIcon.GetIconPath(), L"");
    PackageIconReader noIconReader(noIcon);
    EXPECT_FALSE(noIconReader.ReadIcon());
    ExpectNothingRead(noIconReader);
}

TEST_F(PackageIconReaderTest, UnreadableArchivesGiveNothing)
{
    PackageInfo package = Inspected("plain.apk");
    ASSERT_EQ(WideToUtf8(package.GetIconPath()), kIconEntry);
    for (std::wstring path : {corpus::PathOf("notzip.apk"), corpus::PathOf("truncated.apk"),
                              corpus::PathOf("no such package.apk"), std::wstring(),
                              // Cut at the zero, this would name a good package.
                              corpus::PathOf("plain.apk") + std::wstring(1, L'\0') + L".gone"}) {
        SCOPED_TRACE(WideToUtf8(path));
        package.SetApkPath(path);
        PackageIconReader reader(package);
        EXPECT_FALSE(reader.ReadIcon());
        ExpectNothingRead(reader);
    }
}

TEST_F(PackageIconReaderTest, DeclaredSizeAboveTheBoundIsRefusedUnallocated)
{
    const std::string original = Bytes("plain.apk");
    zip_bytes::Entry entry = zip_bytes::Locate(original, kIconEntry);
    ASSERT_TRUE(entry.found);
    PackageInfo package = Inspected("plain.apk");
    scratch::ScratchFile file;
    package.SetApkPath(file.Path());

    for (std::uint32_t declared : {kMaxIconBytes + 1, 0x7fffffffu, 0xffffffffu}) {
        SCOPED_TRACE(declared);
        std::string lying = original;
        zip_bytes::DeclareSize(&lying, entry, declared, true);
        ASSERT_TRUE(file.Write(lying));
        PackageIconReader reader(package);
        EXPECT_FALSE(reader.ReadIcon());
        // Size is set only once the buffer is to be allocated.
        ExpectNothingRead(reader);
    }

    // The bound itself is allowed; a stored entry then yields its real bytes
    // and zeros behind them.
    std::string atBound = original;
    zip_bytes::DeclareSize(&atBound, entry, kMaxIconBytes, true);
    ASSERT_TRUE(file.Write(atBound));
    PackageIconReader reader(package);
    ASSERT_TRUE(reader.ReadIcon());
    EXPECT_EQ(reader.GetIconSize(), kMaxIconBytes);
}

TEST_F(PackageIconReaderTest, HeadersThatLieAboutTheSize)
{
    const std::string original = Bytes("plain.apk");
    zip_bytes::Entry entry = zip_bytes::Locate(original, kIconEntry);
    ASSERT_TRUE(entry.found);
    const std::uint32_t real = zip_bytes::UncompressedSize(original, entry);
    PackageInfo package = Inspected("plain.apk");
    PackageIconReader truth(package);
    ASSERT_TRUE(truth.ReadIcon());
    ASSERT_EQ(truth.GetIconSize(), real);
    const std::string icon(reinterpret_cast<const char*>(truth.GetIconData()), real);

    scratch::ScratchFile file;
    package.SetApkPath(file.Path());

    // Central directory and local header disagree: the entry does not open.
    std::string inconsistent = original;
    zip_bytes::DeclareSize(&inconsistent, entry, real + 100, false);
    ASSERT_TRUE(file.Write(inconsistent));
    {
        PackageIconReader reader(package);
        EXPECT_FALSE(reader.ReadIcon());
    }

    // Both claim more than the archive holds: the real bytes, then zeros.
    std::string longer = original;
    zip_bytes::DeclareSize(&longer, entry, real + 100, true);
    ASSERT_TRUE(file.Write(longer));
    {
        PackageIconReader reader(package);
        ASSERT_TRUE(reader.ReadIcon());
        ASSERT_EQ(reader.GetIconSize(), real + 100);
        std::string got(reinterpret_cast<const char*>(reader.GetIconData()), reader.GetIconSize());
        EXPECT_EQ(got.substr(0, real), icon);
        EXPECT_EQ(got.substr(real), std::string(100, '\0'));
    }

    // Both claim less: exactly that many bytes, never more.
    std::string shorter = original;
    zip_bytes::DeclareSize(&shorter, entry, 10, true);
    ASSERT_TRUE(file.Write(shorter));
    {
        PackageIconReader reader(package);
        ASSERT_TRUE(reader.ReadIcon());
        ASSERT_EQ(reader.GetIconSize(), 10u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.GetIconData()), 10), icon.substr(0, 10));
    }
}

TEST_F(PackageIconReaderTest, IconOfARetriedPackageComesFromTheTemporaryCopy)
{
    // The tool fails on the odd original path; the record then names the copy.
    aapt_.FailPath(L"安装");
    const corpus::Member plain = corpus::Find("plain.apk");
    PackageInfo package(fake_aapt::Tool(), corpus::PathOf("空格 目录/my app 安装.apk"));
    ASSERT_EQ(package.GetApkPath().find(L"安装"), std::wstring::npos) << WideToUtf8(package.GetApkPath());
    PackageIconReader reader(package);
    ASSERT_TRUE(reader.ReadIcon());
    EXPECT_EQ(ShaOf(reader), plain.iconSha256);
    platform::RemoveFile(package.GetApkPath());
}

TEST_F(PackageIconReaderTest, PathWithBlanksAndChineseOpens)
{
    // Read in place: the tool had no trouble with the path, so no copy.
    const std::string odd = "空格 目录/my app 安装.apk";
    PackageInfo package = Inspected(odd);
    ASSERT_EQ(package.GetApkPath(), corpus::PathOf(odd));
    PackageIconReader reader(package);
    ASSERT_TRUE(reader.ReadIcon());
    EXPECT_EQ(ShaOf(reader), corpus::Find("plain.apk").iconSha256);
}

TEST_F(PackageIconReaderTest, ChineseEntryNameIsLookedUpAsTheArchiveStoresIt)
{
    // Same byte length as the real name, so only the name bytes change.
    const std::string chineseEntry = "res/dra/图标图.png";
    ASSERT_EQ(chineseEntry.size(), kIconEntry.size());
    std::string bytes = Bytes("plain.apk");
    zip_bytes::Entry entry = zip_bytes::Locate(bytes, kIconEntry);
    ASSERT_TRUE(entry.found);
    bytes.replace(entry.central + 46, kIconEntry.size(), chineseEntry);
    bytes.replace(entry.local + 30, kIconEntry.size(), chineseEntry);
    ASSERT_TRUE(zip_bytes::Locate(bytes, chineseEntry).found);

    // The icon path comes from the tool's output: a replay folder of this
    // test's own gives the renamed package plain.apk's output, renamed too.
    std::string badging = Bytes("plain.badging.txt");
    for (size_t at; (at = badging.find("'" + kIconEntry + "'")) != std::string::npos;)
        badging.replace(at + 1, kIconEntry.size(), chineseEntry);
    scratch::ScratchFolder replay;
    ASSERT_TRUE(replay.Write("manifest.tsv", "#file\tbadging\nrenamed.apk\trenamed.badging.txt\n"));
    ASSERT_TRUE(replay.Write("renamed.apk", bytes));
    ASSERT_TRUE(replay.Write("renamed.badging.txt", badging));
    fake_aapt::SetEnv(L"TARVO_FAKE_AAPT_REPLAY", replay.Path());

    PackageInfo package(fake_aapt::Tool(), replay.PathOf("renamed.apk"));
    ASSERT_EQ(package.GetIconPath(), Utf8ToWide(chineseEntry));
    PackageIconReader reader(package);
    ASSERT_TRUE(reader.ReadIcon());
    EXPECT_EQ(ShaOf(reader), corpus::Find("plain.apk").iconSha256);
}

#ifdef _WIN32
namespace {

// Nobody else may hold the file open: the archive's own handle, left open,
// shares reading only and makes this fail.
bool OpensExclusively(const std::wstring& path)
{
    ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.Valid();
}

}  // namespace

TEST_F(PackageIconReaderTest, ArchiveIsClosedOnEveryOutcome)
{
    {
        // The check itself sees an open handle.
        ScopedHandle open(CreateFileW(corpus::PathOf("plain.apk").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(open.Valid());
        ASSERT_FALSE(OpensExclusively(corpus::PathOf("plain.apk")));
    }
    for (const char* file : {"plain.apk", "missingicon.apk", "emptyicon.apk", "noicon.apk"}) {
        PackageInfo package = Inspected(file);
        PackageIconReader reader(package);
        reader.ReadIcon();
        EXPECT_TRUE(OpensExclusively(package.GetApkPath())) << file;
    }
}
#else
namespace {

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

}  // namespace

TEST_F(PackageIconReaderTest, ArchiveIsClosedOnEveryOutcome)
{
    PackageInfo found = Inspected("plain.apk");
    PackageInfo missing = Inspected("missingicon.apk");
    PackageInfo empty = Inspected("emptyicon.apk");
    PackageInfo noName = Inspected("noicon.apk");
    const size_t before = OpenDescriptors();
    for (const PackageInfo* p : {&found, &missing, &empty, &noName}) {
        PackageIconReader reader(*p);
        reader.ReadIcon();
        EXPECT_EQ(OpenDescriptors(), before) << WideToUtf8(p->GetApkPath());
    }
}
#endif
