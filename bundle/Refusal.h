// Why a package cannot be installed, or why its install failed: found
// once, where it is found, and carried unchanged from the bundle reader or
// adb's answer through the bridge tool's output and the inspection tool's
// to the window and the CLI. The words for people live in one table beside
// the codes and the adb wordings each answers; text from outside (an entry
// name, a process name) is a fact in `subject`, never the words.
#pragma once

#include <string>

enum class RefusalCode {
    None,
    NotArchive,          // not a ZIP at all (an .apkm from before 2021 is encrypted)
    AppBundle,           // an .aab, which stores turn into APKs
    DamagedDirectory,    // the archive's directory is damaged or too large
    TooManyApks,
    NoBase,
    SeveralBases,
    ForeignSplit,        // subject: the other app's package name
    DuplicateSplit,      // subject: the split name
    MissingFile,         // subject: the entry the bundle lists but lacks
    DamagedFile,         // subject: the entry that cannot be read
    TooLarge,            // more to inflate than any real bundle needs
    NoAbi,               // subject: the phone's processors
    PhoneTooOld,         // subject: the lowest SDK level any variant takes
    ExpansionOutside,    // subject: the install path that leaves its folder
    TooManyExpansions,
    NoFolder,            // no private folder in the temporary folder
    NotExtracted,        // subject: the entry that could not be written out
    ExpansionNotCopied,  // subject: the phone path the copy failed for
    // Failures adb or the phone reported, with the way out.
    ServerPortHeld,      // subject: port, program, process id (kFactSeparator between)
    ServerPortUnknown,   // subject: the port; no listener could be found
    Unauthorized,
    Offline,
    NoPhone,
    UserRestricted,      // MIUI's and ColorOS's "install via USB" switched off
    OtherSigner,         // the installed app is signed by someone else
    NotNewer,            // subject: the phone's version code, the package's
    NotNewerUncounted,   // the same when adb's text gives no version codes
};

// Between the facts of one subject.
constexpr char kFactSeparator = '\x1F';

struct Refusal {
    RefusalCode code = RefusalCode::None;
    std::string subject;

    Refusal() = default;
    Refusal(RefusalCode c, std::string s = std::string()) : code(c), subject(std::move(s)) {}
    explicit operator bool() const { return code != RefusalCode::None; }
    bool operator==(const Refusal& o) const { return code == o.code && subject == o.subject; }
};

// The one line a tool prints for a refusal (no line end):
// "korvel_helper: refused missing-file splits/base-xxhdpi.apk: <English>".
// The subject's bytes outside [a-z0-9._/+-] are escaped as %XX, so that no
// classifier pattern (which all hold an upper-case letter or a blank) can
// appear in the line.
std::string RefusalLine(const Refusal& refusal);

// The refusal a tool's output carries on a line of its own; None when none.
Refusal FindRefusal(const std::string& output);

// The reason in the window's Chinese, its subject made printable and short.
std::wstring RefusalText(const Refusal& refusal);

// The failure that adb's (or the phone's) words name, by the wordings in
// the table; None when they name none. Trouble with adb's server gives
// ServerPortUnknown with the port: only the bridge tool can find who holds it.
Refusal FailureFromAdb(const std::string& adbOutput, const std::string& serverPort);
