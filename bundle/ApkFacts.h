// What a bundle needs to know of each APK in it, from the APK's own
// manifest: which app it belongs to, and which split it is (none: the
// base). Names inside a bundle are never trusted for this.
#pragma once

#include <cstdint>
#include <string>

struct ApkFacts {
    std::string package;
    std::int64_t versionCode = -1;
    std::string split;           // empty: the base
    std::string configForSplit;  // the module a config split serves
    bool featureSplit = false;   // android:isFeatureSplit
};

// The <manifest> element of a compiled AndroidManifest.xml; false when the
// document is damaged or names no package.
bool ReadApkFacts(const std::string& manifest, ApkFacts* facts);

// What a split is for, from its split name: "config.arm64_v8a" (base
// module), "feature1.config.xxhdpi", "feature1" (a feature module).
enum class SplitKind { Base, Module, Abi, Density, Language, OtherConfig };

struct SplitRole {
    SplitKind kind = SplitKind::Base;
    std::string module;  // "" for the base module
    std::string value;   // "arm64_v8a", "xxhdpi", "fr", "astc"
};

SplitRole RoleOf(const ApkFacts& facts);

// Dots per inch of a density name ("xxhdpi" 480); 0 when it is none.
int DensityDpi(const std::string& name);

// Whether resources for density `a` suit a screen of `requested` dpi better
// than those for `b`, by Android's own rule: the nearest bucket, scaling
// down counted twice as good as scaling up.
bool DensityIsBetter(int a, int b, int requested);
