// Which APKs a phone gets from a bundle, and what it is told about the phone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bundle/SplitChoice.h"

namespace {

// Split names, "" the base; the chosen ones as names, or "!" + the refusal.
std::string Choose(const std::vector<std::string>& splits, const DeviceProfile& device,
                   const std::string& otherPackage = "-")
{
    std::vector<ApkFacts> apks;
    for (const std::string& split : splits) {
        ApkFacts facts;
        facts.package = split == otherPackage ? "other.app" : "my.app";
        facts.split = split;
        apks.push_back(facts);
    }
    const SplitChoice choice = ChooseSplits(apks, device);
    if (choice.refusal)
        return "!" + RefusalLine(choice.refusal).substr(23);
    std::string names;
    for (size_t i : choice.chosen)
        names += (names.empty() ? "" : " ") + (splits[i].empty() ? std::string("base") : splits[i]);
    return names;
}

DeviceProfile Phone(std::vector<std::string> abis, int density, const std::string& language)
{
    DeviceProfile d;
    d.abis = std::move(abis);
    d.density = density;
    d.language = language;
    return d;
}

}  // namespace

TEST(SplitChoice, OnePerKindByThePhonesOrderAndEverySplitWhereThePhoneIsUnknown)
{
    const std::vector<std::string> all = {"",           "config.x86",       "config.arm64_v8a", "config.armeabi_v7a",
                                          "config.hdpi_v4", "config.xxhdpi", "config.xxxhdpi", "config.fr",
                                          "config.de",  "config.en",        "config.astc",      "feature1",
                                          "feature1.config.arm64_v8a", "feature1.config.x86"};
    const struct {
        DeviceProfile phone;
        const char* chosen;
    } cases[] = {
        {Phone({"arm64_v8a", "armeabi_v7a"}, 440, "fr"),
         "base feature1 config.astc config.arm64_v8a config.xxhdpi config.fr config.en feature1.config.arm64_v8a"},
        // The phone's order wins over the bundle's, per module: feature1 has
        // no armeabi_v7a split and takes the phone's next choice. 360 dpi
        // ties hdpi and xxhdpi, 560 xxhdpi and xxxhdpi: the sharper one wins.
        {Phone({"armeabi_v7a", "arm64_v8a"}, 360, "zh"),
         "base feature1 config.astc config.armeabi_v7a config.xxhdpi config.en feature1.config.arm64_v8a"},
        {Phone({"x86"}, 560, ""), "base feature1 config.astc config.x86 config.xxxhdpi config.fr "
                                  "config.de config.en feature1.config.x86"},
        {Phone({}, 0, "de"), "base feature1 config.astc config.x86 config.arm64_v8a config.armeabi_v7a "
                             "config.hdpi_v4 config.xxhdpi config.xxxhdpi config.de config.en feature1.config.arm64_v8a "
                             "feature1.config.x86"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Choose(all, c.phone), c.chosen);
    EXPECT_EQ(Choose({"", "config.xxhdpi", "config.hdpi"}, Phone({}, 250, "")), "base config.hdpi");
    // Android's rule, not the nearest bucket: scaling down counts twice as
    // good, so from 364 dpi up a phone takes xxhdpi over xhdpi (320).
    const std::vector<std::string> two = {"", "config.xhdpi", "config.xxhdpi"};
    EXPECT_EQ(Choose(two, Phone({}, 363, "")), "base config.xhdpi");
    EXPECT_EQ(Choose(two, Phone({}, 364, "")), "base config.xxhdpi");
    EXPECT_EQ(Choose(two, Phone({}, 300, "")), "base config.xhdpi");
    EXPECT_EQ(Choose(two, Phone({}, 640, "")), "base config.xxhdpi");
}

TEST(SplitChoice, BundlesThatCannotBeInstalledSayWhy)
{
    const DeviceProfile arm = Phone({"arm64_v8a"}, 440, "en");
    auto code = [](const std::string& chosen) { return chosen.substr(0, chosen.find(':')); };
    EXPECT_EQ(code(Choose({"config.fr", "config.arm64_v8a"}, arm)), "!no-base -");
    EXPECT_EQ(code(Choose({"", "", "config.fr"}, arm)), "!several-bases -");
    EXPECT_EQ(code(Choose({"", "config.x86", "config.mips"}, arm)), "!no-abi arm64_v8a");
    EXPECT_EQ(code(Choose({"", "f", "f.config.x86", "config.arm64_v8a"}, arm)), "!no-abi arm64_v8a");
    EXPECT_EQ(code(Choose({"", "config.en", "config.en"}, arm)), "!duplicate-split config.en");
    EXPECT_EQ(code(Choose({"", "config.en"}, arm, "config.en")), "!foreign-split other.app");
}

TEST(DeviceProfile, GetpropListingsOfNewAndOldPhones)
{
    const DeviceProfile now = ParseGetprop(
        "[ro.build.version.sdk]: [34]\r\n[ro.product.cpu.abilist]: [arm64-v8a,armeabi-v7a,armeabi]\r\n"
        "[ro.sf.lcd_density]: [420]\r\n[qemu.sf.lcd_density]: [480]\r\n[persist.sys.locale]: [zh-Hans-CN]\r\n"
        "[ro.product.locale]: [en-US]\r\n[weird]: [a]: [b]\r\nnot a property\n[unclosed: [x\n");
    EXPECT_EQ(now.abis, (std::vector<std::string>{"arm64_v8a", "armeabi_v7a", "armeabi"}));
    EXPECT_EQ(now.density, 480) << "an emulator's density overrides the configured one";
    EXPECT_EQ(now.language, "zh");
    EXPECT_EQ(now.sdk, 34);
    const DeviceProfile old = ParseGetprop("[ro.product.cpu.abi]: [armeabi-v7a]\n[ro.product.cpu.abi2]: [armeabi]\n"
                                           "[ro.sf.lcd_density]: [99999999]\n[ro.product.locale.language]: [DE]\n");
    EXPECT_EQ(old.abis, (std::vector<std::string>{"armeabi_v7a", "armeabi"}));
    EXPECT_EQ(old.density, 0) << "a number no screen has is no density";
    EXPECT_EQ(old.language, "de");
    EXPECT_EQ(old.sdk, 0);
    const DeviceProfile none = ParseGetprop("error: no devices/emulators found\n");
    EXPECT_TRUE(none.abis.empty() && none.language.empty() && none.density == 0);
}
