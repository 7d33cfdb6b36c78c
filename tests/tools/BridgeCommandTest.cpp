// The real bridge tool's pure logic: raw Windows command lines, the name and
// arguments adb gets, where adb is looked for, and adb's words turned into
// the program's.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "bundle/Refusal.h"
#include "device/ConsoleRunner.h"
#include "device/InstallResult.h"
#include "platform/CommandLine.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Text.h"
#include "tools/bridge/AdbDevices.h"
#include "tools/bridge/AdbInstall.h"
#include "tools/bridge/AdbLocator.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/BridgeCommand.h"
#include "tools/bridge/PrivateFolder.h"

namespace {

using Args = std::vector<std::wstring>;

const wchar_t kShim[] = L"C:\\Program Files\\KorvelTarvo\\korvel_helper.exe";

// The request a whole raw line, as Windows hands it over, carries.
BridgeRequest FromRawLine(const std::wstring& line) { return ParseBridgeArguments(ArgumentsAfterProgram(line, kShim)); }

}  // namespace

TEST(BridgeCommandLine, RawWindowsLinesGiveThePackageWhole)
{
    struct Case {
        std::wstring line;
        bool sd;
        std::wstring package;
    };
    const Case cases[] = {
        // As the program writes it: our path unquoted, blanks and all.
        {L"C:\\Program Files\\KorvelTarvo\\korvel_helper.exe -nv install -r C:\\Users\\Li Lei\\AppData\\Local\\Temp\\tmp1A2B.tmp",
         false, L"C:\\Users\\Li Lei\\AppData\\Local\\Temp\\tmp1A2B.tmp"},
        {L"C:\\Program Files\\KorvelTarvo\\korvel_helper.exe -nv install -s -r C:\\Users\\李 雷\\AppData\\Local\\Temp\\tmp2.tmp\r\n",
         true, L"C:\\Users\\李 雷\\AppData\\Local\\Temp\\tmp2.tmp"},
        // Case as the file system sees it, the suffix left out, a quoted path, tabs.
        {L"c:\\program files\\KORVELTARVO\\Korvel_Helper.EXE -nv install -r D:\\t  two\\tmp3.tmp", false,
         L"D:\\t  two\\tmp3.tmp"},
        {L"C:\\Program Files\\KorvelTarvo\\korvel_helper\t-nv\tinstall\t-r\tC:\\临时 文件\\tmp4.tmp\t", false,
         L"C:\\临时 文件\\tmp4.tmp"},
        {L"\"C:\\Program Files\\KorvelTarvo\\korvel_helper.exe\" -nv install -s -r C:\\a b\\tmp5.tmp", true,
         L"C:\\a b\\tmp5.tmp"},
        // Another spelling of our path (a short name) has no blanks: the runtime's rule.
        {L"C:\\PROGRA~1\\KORVEL~1\\KORVEL~1.EXE -nv install -r C:\\x y\\tmp6.tmp", false, L"C:\\x y\\tmp6.tmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.line));
        BridgeRequest r = FromRawLine(c.line);
        EXPECT_TRUE(r.valid);
        EXPECT_EQ(r.sdCard, c.sd);
        EXPECT_EQ(r.package, c.package);
    }
    // A path that only starts like ours is not ours.
    EXPECT_EQ(ArgumentsAfterProgram(L"C:\\Program Files\\KorvelTarvo\\korvel_helper.exe2 -nv", kShim),
              L" Files\\KorvelTarvo\\korvel_helper.exe2 -nv");
    EXPECT_EQ(ArgumentsAfterProgram(L"\"unterminated -nv", kShim), L"");
    EXPECT_EQ(ArgumentsAfterProgram(L"", kShim), L"");
}

TEST(BridgeCommandLine, AnythingElseIsRefused)
{
    for (const wchar_t* line :
         {L"", L"   ", L" -nv install", L" -nv install -r", L" -nv install -r  \t ", L" -nv install -r \r\n",
          L" -nv install -s -r", L" install -r a.apk", L" -nv uninstall -r a.apk", L" -nv install -s a.apk",
          L" -NV install -r a.apk", L" -nv install -ra.apk", L" -nvinstall -r a.apk", L" -nv install -r -s a.apk",
          L" -nv install -r \"\"", L" -nv install -r a\"b.apk", L" -nv install -r \"a.apk"}) {
        EXPECT_FALSE(ParseBridgeArguments(line).valid) << WideToUtf8(line);
    }
}

TEST(BridgeCommandLine, QuotedArgumentsComeBackUnchanged)
{
    for (const std::wstring& arg : {std::wstring(L"plain"), std::wstring(L"C:\\with blanks\\安装.apk"),
                                    std::wstring(L"ends in\\"), std::wstring(L"two\\\\"),
                                    std::wstring(L"a\"quote"), std::wstring(L"back\\\"slash"), std::wstring()}) {
        EXPECT_EQ(SplitCommandLine(JoinCommandLine({arg, L"next"})), (Args{arg, L"next"}));
    }
}

TEST(AdbInstall, NameAndArguments)
{
    EXPECT_EQ(ApkNameFor(L"C:\\T\\tmp1A2B.tmp", 0), L"C:\\T\\tmp1A2B.tmp.apk");
    EXPECT_EQ(ApkNameFor(L"C:\\T\\tmp1A2B.tmp", 2), L"C:\\T\\tmp1A2B.tmp-2.apk");
    EXPECT_EQ(ApkNameFor(L"/t/Game.APK", 0), L"/t/Game.APK");

    EXPECT_EQ(AdbInstallArguments(L"adb", L"/t/a b.apk", false, true), (Args{L"adb", L"install", L"-r", L"/t/a b.apk"}));
    // Today's phones take the install location; old ones only know -s.
    EXPECT_TRUE(PhoneTakesInstallLocation("shell_v2\r\ncmd\nstat_v2\n"));
    EXPECT_FALSE(PhoneTakesInstallLocation("shell_v2\ncmdx\n"));
    EXPECT_FALSE(PhoneTakesInstallLocation("error: no devices/emulators found\n"));
    EXPECT_EQ(AdbInstallArguments(L"adb", L"x.apk", true, true),
              (Args{L"adb", L"install", L"-r", L"--install-location", L"2", L"x.apk"}));
    EXPECT_EQ(AdbInstallArguments(L"adb", L"x.apk", true, false), (Args{L"adb", L"install", L"-r", L"-s", L"x.apk"}));
}

TEST(AdbLocator, BesideThenPathThenSdkThenDefaultFolder)
{
    std::map<std::wstring, std::wstring> env;
#ifdef _WIN32
    env[L"PATH"] = L"C:\\Windows;;\"C:\\Platform Tools\\\"";
    env[L"ANDROID_HOME"] = L"D:\\sdk\\";
    env[L"LOCALAPPDATA"] = L"C:\\Users\\李 雷\\AppData\\Local";
    const Args expected = {L"C:\\KT\\adb.exe", L"C:\\Windows\\adb.exe", L"C:\\Platform Tools\\adb.exe",
                           L"D:\\sdk\\platform-tools\\adb.exe",
                           L"C:\\Users\\李 雷\\AppData\\Local\\Android\\Sdk\\platform-tools\\adb.exe"};
    const std::wstring folder = L"C:\\KT";
#else
    env[L"PATH"] = L"/no/such/bin::/opt/p t/";
    env[L"ANDROID_SDK_ROOT"] = L"/sdk";
    env[L"HOME"] = L"/home/李 雷";
    const Args expected = {L"/kt/adb", L"/no/such/bin/adb", L"/opt/p t/adb", L"/sdk/platform-tools/adb",
                           L"/home/李 雷/Android/Sdk/platform-tools/adb"};
    const std::wstring folder = L"/kt";
#endif
    const Args places = AdbCandidates(folder, [&](const wchar_t* name) { return env[name]; });
    EXPECT_EQ(places, expected);
    EXPECT_EQ(FindAdb(places), L"");
    const std::string report = AdbMissingReport(places);
    // Ends the batch as "no device", and says where it looked.
    EXPECT_EQ(ClassifyInstallOutput(Utf8ToWide(report)), InstallNoDevice);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NE(report.find(WideToUtf8(expected[i])), std::string::npos) << WideToUtf8(expected[i]);
    EXPECT_NE(report.find("; and 1 more\n"), std::string::npos) << report;
    // However long PATH is, the report stays within what the program reads.
    Args many(5000, std::wstring(2000, L'安'));
    EXPECT_LT(AdbMissingReport(many).size(), kShimOutputLimit);
}

TEST(AdbWording, TodaysWordsGiveTheProgramsResult)
{
    const std::pair<const char*, InstallResult> cases[] = {
        {"Performing Streamed Install\nSuccess\n", InstallSuccess},
        // A success stays one, whatever else adb said.
        {"device offline? retrying\nSuccess\n", InstallSuccess},
        {"adb: error: failed to get feature set: no devices/emulators found\n", InstallNoDevice},
        {"adb: error: failed to get feature set: device unauthorized.\nThis adb server's $ADB_VENDOR_KEYS is not set\n",
         InstallNoDevice},
        {"adb: error: failed to get feature set: device offline\n", InstallNoDevice},
        {"adb: error: failed to get feature set: device 'emulator-5556' not found\n", InstallNoDevice},
        {"adb: error: failed to get feature set: more than one device/emulator\n", InstallMultipleDevices},
        {"adb: failed to install x.apk: Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package a signatures do not "
         "match previously installed version; ignoring!]\n",
         InstallInconsistentCertificates},
        {"Failure [INSTALL_FAILED_SHARED_USER_INCOMPATIBLE: x]\n", InstallInconsistentCertificates},
        {"adb: failed to install x.apk: Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE: Failed to override installation "
         "location]\n",
         InstallInsufficientStorage},
        {"Failure [INSTALL_FAILED_MEDIA_UNAVAILABLE]\n", InstallInsufficientStorage},
        {"Exception occurred while executing 'install':\njava.io.IOException: Requested internal only, but not enough "
         "space\n",
         InstallInsufficientStorage},
        {"Failure [INSTALL_FAILED_VERSION_DOWNGRADE]\n", InstallAlreadyExists},
        {"Failure [INSTALL_FAILED_DUPLICATE_PACKAGE: x]\n", InstallAlreadyExists},
        {"Failure [INSTALL_FAILED_DEXOPT: dex2oat failed]\n", InstallDexoptFailed},
        {"Failure [INSTALL_FAILED_ALREADY_EXISTS: exists]\n", InstallAlreadyExists},
        {"Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]\n", InstallInconsistentCertificates},
        {"adb: failed to push x.apk: No space left on device\n", InstallNoSpaceLeft},
        {"Failure [INSTALL_FAILED_INVALID_APK]\n", InstallUnknownError},
        // Names the shim did not write never decide: a package, a file, a
        // forged refusal line from the phone.
        {"adb: failed to install /tmp/Success.apk: Failure [INSTALL_FAILED_INVALID_APK: Package com.Success.app "
         "has no certificates]\n",
         InstallUnknownError},
        {"Failure [INSTALL_FAILED_TEST_ONLY: Success]\nkorvel_helper: refused no-base -: x\n", InstallUnknownError},
        {"Exception occurred: device not found in Success\n", InstallNoDevice},
        {"Success: streamed 1 bytes\nFailure [INSTALL_FAILED_DEXOPT: Success]\n", InstallDexoptFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        const std::string report = AdbReport(c.first);
        EXPECT_EQ(ClassifyInstallOutput(Utf8ToWide(report)), c.second);
        EXPECT_EQ(AdbSucceeded(c.first), c.second == InstallSuccess);
        EXPECT_FALSE(FindRefusal(report));
        // Only the shim's own first line carries a pattern.
        EXPECT_EQ(ClassifyInstallOutput(Utf8ToWide("-" + Defanged(c.first))), InstallUnknownError);
    }
}

TEST(AdbWording, LongOutputKeepsTheVerdictWithinOneChunk)
{
    // 1,999 bytes of Chinese (three bytes each) and the verdict at the end.
    std::string noise;
    for (int i = 0; i < 650; ++i)
        noise += "安";
    const std::string adb = noise + "\nFailure [INSTALL_FAILED_VERSION_DOWNGRADE]\n";
    const std::string report = AdbReport(adb);
    EXPECT_LE(report.size(), kShimOutputLimit);
    EXPECT_LT(kShimOutputLimit, static_cast<size_t>(kRunnerChunkBytes));
    EXPECT_EQ(report.find("Failure [INSTALL_FAILED_ALREADY_EXISTS]\n"), 0u);
    EXPECT_NE(report.find("INSTALL_FAILED_VERSION_DOWNGRADE"), std::string::npos);
    // Cut on a character boundary: it decodes without replacement characters.
    EXPECT_EQ(Utf8ToWide(report).find(L'\uFFFD'), std::wstring::npos);
}

TEST(PrivateFolder, StaleFoldersGoWithoutFollowingLinksWhateverTheirDigits)
{
    testing_support::ScratchFolder temp, elsewhere;
    ASSERT_TRUE(elsewhere.Write("precious.txt", "kept"));
    const std::wstring base = temp.Path() + platform::kPathSeparator;
    // No process has an id this large; reading it must not throw on any
    // target (10 digits overflow Windows' 32-bit unsigned long).
    for (const wchar_t* id : {L"9999999999", L"99999999999999999999", L"4294967295"})
        ASSERT_TRUE(platform::MakeFolder(base + L"korvel-bundle-" + id));
#ifndef _WIN32
    // A stale name that is a link: the link goes, never what it points at.
    ASSERT_EQ(symlink(WideToUtf8(elsewhere.Path()).c_str(), WideToUtf8(base + L"korvel-bundle-4000000").c_str()), 0);
#endif
    RemoveStaleFolders(base);
    EXPECT_TRUE(platform::FolderNames(temp.Path()).empty());
    EXPECT_TRUE(platform::FileExists(elsewhere.PathOf("precious.txt")));
}

TEST(AdbDevices, AnySerialOrModelStaysOnePhoneAndTheListStaysBounded)
{
    const std::string listing =
        "* daemon not running; starting now at tcp:5037\nList of devices attached\n"
        "R58M123ABC             device usb:1-1 product:a model:Pixel_7 device:b transport_id:1\n"
        "my \"odd\" 手机 1        unauthorized usb:1-2 transport_id:2\n"
        "127.0.0.1:5555         offline transport_id:3\n"
        "weird line nobody wrote\n"
        "tab\tserial device model:Any\x01%bytes\xff transport_id:4\n";
    const std::vector<Phone> phones = ParseAdbDevices(listing);
    ASSERT_EQ(phones.size(), 4u);
    EXPECT_EQ(phones[0].model, "Pixel_7");
    EXPECT_EQ(phones[1].serial, "my \"odd\" 手机 1");
    EXPECT_EQ(phones[1].state, "unauthorized");
    EXPECT_EQ(phones[2].state, "offline");
    EXPECT_EQ(phones[3].serial, "tab\tserial");
    EXPECT_EQ(phones[3].model, "Any\x01%bytes\xff");
    // The report reads back as the same phones, whatever their bytes.
    const std::vector<Phone> back = ParsePhoneList(FormatPhoneList(phones, kShimOutputLimit));
    ASSERT_EQ(back.size(), phones.size());
    for (size_t i = 0; i < back.size(); ++i)
        EXPECT_TRUE(back[i].serial == phones[i].serial && back[i].model == phones[i].model) << i;
    // Twenty phones with long names: as many as fit in what the program reads.
    const std::vector<Phone> many(20, Phone{std::string(100, 's'), "device", std::string(100, 'm'), "14"});
    const std::string report = FormatPhoneList(many, kShimOutputLimit);
    EXPECT_LE(report.size(), kShimOutputLimit);
    // Each line: the serial and model cut to their bounds, "device", "14", three tabs, a line end.
    EXPECT_EQ(ParsePhoneList(report).size(), kShimOutputLimit / (kMaxSerialBytes + kMaxModelBytes + 6 + 2 + 4));
}
