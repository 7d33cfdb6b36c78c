// Our badging tool's own parts: the raw command line Windows hands it, and
// damaged packages, which must end in an error line, never in a crash or a
// read past the bytes (the sanitizer build runs this too). What it prints
// for sound packages is checked against aapt itself (badging_oracle_test.py).
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "platform/CommandLine.h"
#include "platform/Text.h"
#include "tools/badging/Badging.h"
#include "tools/badging/BadgingArguments.h"
#include "tools/badging/PackageFiles.h"

TEST(BadgingArguments, RawWindowsLinesGiveThePackage)
{
    const std::wstring tool = L"C:\\Program Files\\KorvelTarvo\\aapt.exe";
    struct Case {
        std::wstring line, package;
    };
    const Case cases[] = {
        // As the program writes it: our path unquoted, the package quoted.
        {L"C:\\Program Files\\KorvelTarvo\\aapt.exe d badging \"C:\\Users\\Li Lei\\下载\\my app.apk\"",
         L"C:\\Users\\Li Lei\\下载\\my app.apk"},
        {L"\"C:\\Program Files\\KorvelTarvo\\aapt.exe\" d badging \"D:\\a.apk\"\r\n", L"D:\\a.apk"},
        {L"c:\\PROGRAM FILES\\korveltarvo\\AAPT d\tbadging  D:\\unquoted path\\b.apk ", L"D:\\unquoted path\\b.apk"},
        {L"C:\\Tools\\aapt.exe dump badging \"E:\\临时\\c.apk\"", L"E:\\临时\\c.apk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.line));
        std::wstring package;
        EXPECT_TRUE(ParseBadgingArguments(ArgumentsAfterProgram(c.line, tool), &package));
        EXPECT_EQ(package, c.package);
    }
    for (const wchar_t* tail : {L"", L" d", L" d badging", L" d badging \"\"", L" d xmltree x.apk", L" badging x.apk",
                                L" d badging \"x.apk", L" d badging \"x.apk\" more", L" D badging x.apk"}) {
        std::wstring package;
        EXPECT_FALSE(ParseBadgingArguments(tail, &package)) << WideToUtf8(tail);
    }
}

TEST(Badging, DamagedFilesEndInAnErrorNotACrash)
{
    const PackageFiles sound = ReadPackageFiles(testing_support::CorpusFile(L"badging" + std::wstring(1, platform::kPathSeparator) + L"locales.apk"));
    ASSERT_TRUE(sound.manifestFound && sound.tableFound);
    const BadgingReport whole = DumpBadging(sound);
    ASSERT_EQ(whole.status, 0) << whole.err;
    ASSERT_NE(whole.out.find("application: label='Locales'"), std::string::npos) << whole.out;

    // Every cut of either file, and a flipped byte at every place of the
    // manifest: a report, and an error line whenever it is not a success.
    auto check = [](const PackageFiles& files) {
        const BadgingReport r = DumpBadging(files);
        EXPECT_TRUE(r.status == 0 || r.err.rfind("ERROR", 0) == 0) << r.err;
    };
    for (size_t cut = 0; cut < sound.manifest.size(); ++cut) {
        PackageFiles files = sound;
        files.manifest.resize(cut);
        check(files);
        files = sound;
        files.manifest[cut] = static_cast<char>(files.manifest[cut] ^ 0xFF);
        check(files);
    }
    for (size_t cut = 0; cut < sound.table.size(); cut += 7) {
        PackageFiles files = sound;
        files.table.resize(cut);
        const BadgingReport r = DumpBadging(files);
        EXPECT_EQ(r.err, "ERROR: dump failed because the resource table is invalid/corrupt.\n") << cut;
    }
    PackageFiles none;
    EXPECT_EQ(DumpBadging(none).err, "ERROR: dump failed because assets could not be loaded\n");
}
