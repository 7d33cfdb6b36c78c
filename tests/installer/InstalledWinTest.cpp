// Checks of one installer round trip, run by roundtrip.sh inside a private
// Wine prefix, one phase at a time (--gtest_filter=Before.*, Installed.*,
// Association.*, Later.*, Removed.*). TARVO_INSTALL_VARIANT says how the
// round trip runs:
//   plain     no .apk key before, install without /DEFAULT
//   default   another program's .apk default before, install with /DEFAULT
//   takeover  no .apk key before, install with /DEFAULT, then another
//             program takes .apk over (phase Later) before the uninstall
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/ScopedWin.h"
#include "platform/Text.h"

namespace {

const std::wstring kClasses = L"Software\\Classes\\";
const std::wstring kProgId = L"KorvelTarvo.apk";
const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KorvelTarvo";
const std::wstring kOtherHandler = L"Other.apk";
const std::wstring kLaterHandler = L"Later.apk";
constexpr size_t kMaxFileBytes = 64u * 1024u * 1024u;

std::wstring Variant()
{
    return platform::EnvironmentValue(L"TARVO_INSTALL_VARIANT");
}

// Installed with /DEFAULT.
bool AskedForDefault()
{
    return Variant() == L"default" || Variant() == L"takeover";
}

// Another program owned .apk before the install.
bool SeededVariant()
{
    return Variant() == L"default";
}

class ScopedKey {
public:
    ~ScopedKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

void SetApkDefault(const std::wstring& progId)
{
    ScopedKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kClasses + L".apk").c_str(), 0, nullptr, 0,
                              KEY_WRITE | KEY_WOW64_64KEY, nullptr, key.Out(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(progId.c_str()),
                             static_cast<DWORD>((progId.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

bool KeyExists(const std::wstring& key)
{
    ScopedKey handle;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, handle.Out()) ==
           ERROR_SUCCESS;
}

struct RegValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    std::wstring Text() const
    {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return text;
    }
    DWORD Number() const
    {
        DWORD n = 0;
        if (data.size() >= sizeof(n))
            memcpy(&n, data.data(), sizeof(n));
        return n;
    }
};

// `name` empty reads the key's default value.
RegValue ReadValue(const std::wstring& key, const std::wstring& name)
{
    RegValue value;
    ScopedKey handle;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, handle.Out()) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExW(handle.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return value;
    value.data.assign(size, 0);
    if (RegQueryValueExW(handle.Get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return value;
    value.data.resize(size);
    value.present = true;
    return value;
}

std::wstring ReadText(const std::wstring& key, const std::wstring& name)
{
    RegValue value = ReadValue(key, name);
    EXPECT_TRUE(value.present) << WideToUtf8(key) << " : " << WideToUtf8(name);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << WideToUtf8(key) << " : " << WideToUtf8(name);
    return value.Text();
}

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return path;
}

std::wstring InstallDir()
{
    return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\KorvelTarvo";
}

std::wstring Installed(const std::wstring& name)
{
    return InstallDir() + L"\\" + name;
}

std::wstring StartMenuLink()
{
    return KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\KorvelTarvo.lnk";
}

std::wstring OpenCommand()
{
    return L"\"" + Installed(L"KorvelTarvo.exe") + L"\" \"%1\"";
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ---- before the install ----

TEST(Before, ApkKeyIsTheOneThisVariantStartsFrom)
{
    ASSERT_TRUE(Variant() == L"plain" || AskedForDefault()) << WideToUtf8(Variant());
    ASSERT_FALSE(IsFolder(InstallDir()));
    ASSERT_FALSE(KeyExists(kClasses + kProgId));
    ASSERT_FALSE(KeyExists(kClasses + L".apk"));
    // Another program owns .apk; /DEFAULT takes it over and uninstall gives it back.
    if (SeededVariant())
        SetApkDefault(kOtherHandler);
}

// ---- after the silent install ----

TEST(Installed, ProgramsAreTheBuiltOnes)
{
    for (const wchar_t* name : {L"KorvelTarvo", L"korvel_helper", L"aapt", L"tarvo-cli"}) {
        std::string installed, built;
        ASSERT_TRUE(platform::ReadFileBytes(Installed(std::wstring(name) + L".exe"), &installed, kMaxFileBytes))
            << WideToUtf8(name);
        ASSERT_TRUE(platform::ReadFileBytes(testing_support::Beside(name), &built, kMaxFileBytes));
        EXPECT_TRUE(installed == built) << WideToUtf8(name);
    }
    EXPECT_TRUE(platform::FileExists(Installed(L"uninstall.exe")));
}

TEST(Installed, TheShellOpensPackagesWithTheProgramAndTheDefaultIsOursOnlyWhenAsked)
{
    const std::wstring progId = kClasses + kProgId, app = kClasses + L"Applications\\KorvelTarvo.exe";
    EXPECT_EQ(ReadText(progId + L"\\DefaultIcon", L""), Installed(L"KorvelTarvo.exe") + L",0");
    EXPECT_EQ(ReadText(progId + L"\\shell\\open\\command", L""), OpenCommand());
    EXPECT_TRUE(ReadValue(kClasses + L".apk\\OpenWithProgids", kProgId).present);
    EXPECT_EQ(ReadText(app + L"\\shell\\open\\command", L""), OpenCommand()) << "in the open-with list";
    EXPECT_TRUE(ReadValue(app + L"\\SupportedTypes", L".apk").present);
    // Bundles: nothing else opens them in the test prefix, so we do.
    for (const wchar_t* ext : {L".apks", L".xapk", L".apkm"}) {
        EXPECT_EQ(ReadValue(kClasses + ext, L"").Text(), kProgId) << WideToUtf8(ext);
        EXPECT_TRUE(ReadValue(kClasses + ext + L"\\OpenWithProgids", kProgId).present) << WideToUtf8(ext);
        EXPECT_TRUE(ReadValue(app + L"\\SupportedTypes", ext).present) << WideToUtf8(ext);
    }
    const RegValue current = ReadValue(kClasses + L".apk", L""), previous = ReadValue(progId, L"PreviousApkHandler");
    EXPECT_EQ(current.Text(), AskedForDefault() ? kProgId : L"");
    // Only a handler that was there is remembered.
    EXPECT_EQ(previous.Text(), SeededVariant() ? kOtherHandler : L"");
}

TEST(Installed, AddRemoveProgramsEntryDescribesTheInstall)
{
    const std::wstring uninstaller = Installed(L"uninstall.exe");
    EXPECT_EQ(ReadText(kUninstallKey, L"DisplayVersion"), Utf8ToWide(TARVO_EXPECTED_VERSION));
    EXPECT_EQ(ReadText(kUninstallKey, L"UninstallString"), L"\"" + uninstaller + L"\"");
    EXPECT_EQ(ReadText(kUninstallKey, L"QuietUninstallString"), L"\"" + uninstaller + L"\" /S");
    EXPECT_EQ(ReadText(kUninstallKey, L"InstallLocation"), InstallDir());
    const RegValue size = ReadValue(kUninstallKey, L"EstimatedSize");
    long long exe = 0;
    ASSERT_TRUE(size.present && size.type == REG_DWORD && platform::FileByteCount(Installed(L"KorvelTarvo.exe"), &exe));
    // Kilobytes of the whole folder: at least the program, not absurdly more.
    EXPECT_GE(size.Number(), static_cast<DWORD>(exe / 1024));
    EXPECT_LE(size.Number(), static_cast<DWORD>(exe / 1024 * 4));
}

TEST(Installed, StartMenuLinkIsThere)
{
    EXPECT_TRUE(platform::FileExists(StartMenuLink())) << WideToUtf8(StartMenuLink());
}

// ---- the shell starts the installed program on a package ----

class Association : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = std::wstring(temp) + L"安卓 安装测试";
        CreateDirectoryW(folder_.c_str(), nullptr);
        package_ = folder_ + L"\\示例 应用 (1).apk";
        ASSERT_TRUE(platform::WriteFileBytes(package_, "not really a package"));
        // The probe takes the inspection tool's place and records its command line.
        ASSERT_TRUE(platform::CopyFileOver(testing_support::Beside(L"installer_aapt_probe"), Installed(L"aapt.exe")));
        platform::RemoveFile(Record());
    }

    void TearDown() override
    {
        // The uninstaller must find only its own files.
        platform::RemoveFile(Record());
        // Our own inspection tool back in its place for the uninstaller.
        platform::CopyFileOver(testing_support::Beside(L"aapt"), Installed(L"aapt.exe"));
        platform::RemoveFile(package_);
        RemoveDirectoryW(folder_.c_str());
    }

    static std::wstring Record() { return Installed(L"aapt-probe.txt"); }

    // Starts what the shell starts for `info` and returns the first command
    // line the program gave the inspection tool, or a failure text.
    std::wstring StartAndRecord(SHELLEXECUTEINFOW info)
    {
        info.cbSize = sizeof(info);
        info.fMask |= SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpFile = package_.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info))
            return L"ShellExecuteEx failed: " + std::to_wstring(GetLastError());
        ScopedHandle process(info.hProcess);
        std::string bytes;
        // Bounded wait: the program inspects its start package right after
        // start-up; a program that ended without doing so ends the wait.
        for (int i = 0; i < 300; ++i) {
            if (platform::ReadFileBytes(Record(), &bytes, kMaxFileBytes) && bytes.find('\n') != std::string::npos)
                break;
            bytes.clear();
            if (!process.Valid()) {
                Sleep(100);
            } else if (WaitForSingleObject(process.Get(), 100) == WAIT_OBJECT_0) {
                platform::ReadFileBytes(Record(), &bytes, kMaxFileBytes);
                break;
            }
        }
        if (process.Valid()) {
            TerminateProcess(process.Get(), 0);
            WaitForSingleObject(process.Get(), 10000);
        }
        platform::RemoveFile(Record());
        size_t end = bytes.find('\n');
        if (end == std::string::npos)
            return L"the program never ran the inspection tool";
        return Utf8ToWide(bytes.substr(0, end));
    }

    void ExpectInspected(const std::wstring& line)
    {
        EXPECT_NE(line.find(Installed(L"aapt.exe")), std::wstring::npos) << WideToUtf8(line);
        const std::wstring tail = L" d badging \"" + package_ + L"\"";
        ASSERT_GE(line.size(), tail.size()) << WideToUtf8(line);
        EXPECT_EQ(line.substr(line.size() - tail.size()), tail) << WideToUtf8(line);
    }

    std::wstring folder_;
    std::wstring package_;
};

TEST_F(Association, OpeningAPackageStartsTheProgramOnItsPath)
{
    SHELLEXECUTEINFOW info{};
    if (AskedForDefault()) {
        // A double click: the .apk default leads to our ProgId.
        ExpectInspected(StartAndRecord(info));
        return;
    }
    // "Open with": the shell runs the chosen ProgId's or program's command.
    info.fMask = SEE_MASK_CLASSNAME;
    info.lpClass = kProgId.c_str();
    ExpectInspected(StartAndRecord(info));
    info.lpClass = L"Applications\\KorvelTarvo.exe";
    ExpectInspected(StartAndRecord(info));
}

// ---- takeover: another program becomes the .apk default after ours ----

TEST(Later, AnotherProgramTakesTheApkDefault)
{
    ASSERT_EQ(Variant(), L"takeover");
    SetApkDefault(kLaterHandler);
}

// ---- after the silent uninstall ----

TEST(Removed, NoFileFolderLinkOrKeyOfOursIsLeft)
{
    EXPECT_FALSE(IsFolder(InstallDir()));
    EXPECT_FALSE(platform::FileExists(StartMenuLink()));
    for (const std::wstring& key : {kClasses + kProgId, kClasses + L"Applications\\KorvelTarvo.exe", kUninstallKey,
                                    kClasses + L".apk\\OpenWithProgids", kClasses + L".apks", kClasses + L".xapk",
                                    kClasses + L".apkm"})
        EXPECT_FALSE(KeyExists(key)) << WideToUtf8(key);
}

TEST(Removed, ApkKeyIsAsBeforeTheInstall)
{
    if (SeededVariant())
        EXPECT_EQ(ReadValue(kClasses + L".apk", L"").Text(), kOtherHandler);
    else if (Variant() == L"takeover")
        EXPECT_EQ(ReadValue(kClasses + L".apk", L"").Text(), kLaterHandler);
    else
        EXPECT_FALSE(KeyExists(kClasses + L".apk"));
}

}  // namespace
