// What the bundle reader makes of the JSON manifests and the APK set table
// bundles carry, from lying and hostile manifests and real fixtures.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "bundle/Bundle.h"
#include "bundle/BundleManifest.h"
#include "bundle/SplitChoice.h"
#include "bundle/TocReader.h"
#include "bundle/ZipArchive.h"
#include "platform/Files.h"
#include "platform/Text.h"

TEST(BundleManifest, NumbersEitherWayMissingFieldsAndTooMuchText)
{
    XapkManifest m;
    ASSERT_TRUE(ParseXapkManifest(R"({"package_name":"a.b","version_code":"42","split_apks":[{"file":"a.apk"},
        {"id":"x"},7,{"file":3}],"expansions":[{"file":"main.obb","install_path":"Android/obb/a.b/main.obb"}]})", &m));
    EXPECT_EQ(m.versionCode, 42);
    ASSERT_EQ(m.splits.size(), 1u);
    EXPECT_EQ(m.splits[0].file, "a.apk");
    ASSERT_EQ(m.expansions.size(), 1u);
    ASSERT_TRUE(ParseXapkManifest(R"({"version_code":42.5,"split_apks":"all"})", &m));
    EXPECT_EQ(m.versionCode, -1);
    EXPECT_TRUE(m.packageName.empty() && m.splits.empty());
    for (const std::string& bad : {std::string("[1]"), std::string("{\"a\":"), std::string("\xff"),
                                   "{\"a\":\"" + std::string(kMaxBundleJsonBytes, 'x') + "\"}"})
        EXPECT_FALSE(ParseXapkManifest(bad, &m)) << bad.substr(0, 20);

    ApkmInfo info;
    EXPECT_TRUE(ParseApkmInfo(R"({"apkm_version":5,"pname":"a.b","versioncode":"17"})", &info));
    EXPECT_EQ(info.versionCode, 17);
    EXPECT_FALSE(ParseApkmInfo(R"({"pname":"a.b"})", &info)) << "another tool's info.json";
}

TEST(BundleManifest, ExpansionFilesStayInTheirFolder)
{
    const struct {
        const char* file;
        const char* installPath;
        const char* device;
    } cases[] = {
        {"x/main.1.a.b.obb", "Android/obb/a.b/main.1.a.b.obb", "/sdcard/Android/obb/a.b/main.1.a.b.obb"},
        {"x/main.1.a.b.obb", "", "/sdcard/Android/obb/a.b/main.1.a.b.obb"},
        {"x", "Android/obb/a.b/../../../data/x", ""},
        {"x", "Android/obb/a.b/./x", ""},
        {"x", "/Android/obb/a.b/x", ""},
        {"x", "Android/obb/a.bc/x", ""},
        {"x", "Android/obb/a.b/", ""},
        {"x", "Android/obb/a.b//x", ""},
        {"x", "Android/obb/a.b/x;reboot", ""},
        {"x", "Android/obb/a.b/main obb", ""},
        {"../..", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpansionDevicePath("a.b", {c.file, c.installPath}), c.device) << c.installPath;
    EXPECT_EQ(ExpansionDevicePath("..", {"x", ""}), "");
}

TEST(TocReader, TheVariantForThePhonesLevelFromARealApkSet)
{
    std::string bytes;
    const ZipArchive set = ZipArchive::Open(
        testing_support::CorpusFile(L"bundles" + std::wstring(1, platform::kPathSeparator) + L"split.apks"));
    ASSERT_TRUE(set.Read("toc.pb", kMaxTocBytes, &bytes));
    Toc toc;
    ASSERT_TRUE(ReadToc(bytes, &toc));
    EXPECT_EQ(toc.packageName, "com.korvel.split");
    ASSERT_EQ(toc.variants.size(), 2u);
    auto chosen = [&](int sdk) {
        DeviceProfile phone;
        phone.sdk = sdk;
        Refusal refusal;
        const TocVariant* v = ChooseVariant(toc, phone, &refusal);
        return v ? std::to_string(v->minSdk) : RefusalLine(refusal).substr(23, 17);
    };
    EXPECT_EQ(chosen(29), "24");
    EXPECT_EQ(chosen(0), "24") << "unknown: the newest";
    EXPECT_EQ(chosen(23), "21");
    EXPECT_EQ(chosen(19), "phone-too-old 21:");
    const TocVariant& current = toc.variants[1];
    ASSERT_EQ(current.modules.size(), 3u);
    EXPECT_EQ(current.modules[0].apks.size(), 7u);
    EXPECT_EQ(current.modules[2].delivery, TocDelivery::OnDemand);
    // The base's 7, feature1's 3 and the install-time asset pack's slice.
    EXPECT_EQ(InstallTimeApks(toc, current).size(), 11u) << "the on-demand module and pack stay out";
}

TEST(Bundle, WhatEachLayoutGivesAPhone)
{
    auto open = [](const char* name) {
        return OpenPackage(testing_support::CorpusFile(L"bundles" + std::wstring(1, platform::kPathSeparator) +
                                                        Utf8ToWide(name)));
    };
    auto chosen = [&](const char* name, int sdk, int density) {
        DeviceProfile phone;
        phone.sdk = sdk;
        phone.density = density;
        phone.abis = {"arm64_v8a"};
        phone.language = "fr";
        Bundle bundle = open(name);
        ReadBundleApks(&bundle, phone);
        const SplitChoice choice = ChooseSplits(bundle, phone);
        if (choice.refusal)
            return RefusalLine(choice.refusal).substr(23);
        std::string names;
        for (size_t i : choice.chosen)
            names += (names.empty() ? "" : " ") + bundle.apks[i].entry.name;
        return names;
    };
    EXPECT_EQ(chosen("universal.apks", 29, 440), "universal.apk");
    EXPECT_EQ(chosen("standalone.apks", 19, 440), "standalones/standalone-xxhdpi.apk");
    EXPECT_EQ(chosen("standalone.apks", 29, 440), "splits/base-master.apk splits/base-xxhdpi.apk splits/base-fr.apk");
    EXPECT_EQ(chosen("standalone.apks", 14, 440).substr(0, 17), "phone-too-old 15:");
    // The install-time asset pack comes, the on-demand one does not.
    const std::string split = chosen("split.apks", 29, 440);
    EXPECT_NE(split.find("asset-slices/assetpack-master.apk"), std::string::npos) << split;
    EXPECT_EQ(split.find("extras"), std::string::npos) << split;
    // A listed split that is not there refuses the bundle only for the phone that needs it.
    EXPECT_EQ(chosen("lost.apks", 29, 440).substr(0, 36), "missing-file splits/base-xxhdpi.apk:");
    EXPECT_NE(chosen("lost.apks", 29, 160).find("splits/base-hdpi.apk"), std::string::npos);
    EXPECT_EQ(chosen("success.apks", 29, 440).substr(0, 27), "damaged-file %53uccess.apk:");
    EXPECT_EQ(chosen("manyobb.xapk", 29, 440).substr(0, 19), "too-many-expansions");
}
