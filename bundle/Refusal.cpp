#include "bundle/Refusal.h"

#include <algorithm>

#include "platform/Text.h"

namespace {

// A refusal: the shim would not try. A failure: adb or the phone said no.
const char kLead[] = "korvel_helper: refused ";
const char kFailedLead[] = "korvel_helper: failed ";

// A subject shown to people is cut here: an entry name can be any length.
constexpr std::size_t kShownSubject = 60;

struct Words {
    RefusalCode code;
    const char* token;    // the line's name for it; lower case, no blank
    const char* english;  // for support; no upper-case letter, so no pattern
    const wchar_t* chinese;  // each "%s" stands for the subject's next fact
    // The texts of today's adb and phones that it answers (any one).
    const char* adbWords[7];
};

// Every text here is checked in the tests to hold no classifier pattern.
const Words kWords[] = {
    {RefusalCode::NotArchive, "not-archive", "not a zip archive (an apkm from before 2021 is encrypted)",
     L"这个文件不是安卓安装包（2021 年以前的 .apkm 是加密的，无法安装）", {}},
    {RefusalCode::AppBundle, "app-bundle", "an android app bundle (aab), which phones cannot install",
     L"这是 .aab 应用包，应用商店把它转成 APK 后手机才能安装", {}},
    {RefusalCode::DamagedDirectory, "damaged-directory", "the archive's directory is damaged or too large",
     L"安装包的目录已损坏", {}},
    {RefusalCode::TooManyApks, "too-many-apks", "more apks than any real bundle holds",
     L"安装包里的 APK 多得不正常，可能已损坏", {}},
    {RefusalCode::NoBase, "no-base", "no base apk: every apk in it is a split",
     L"安装包里没有基础 APK，无法安装", {}},
    {RefusalCode::SeveralBases, "several-bases", "more than one base apk; the phone takes one",
     L"安装包里有多个基础 APK，无法安装", {}},
    {RefusalCode::ForeignSplit, "foreign-split", "a split belongs to another app",
     L"安装包里混有其他应用（%s）的拆分 APK", {}},
    {RefusalCode::DuplicateSplit, "duplicate-split", "the same split twice", L"安装包里的拆分 APK %s 重复", {}},
    {RefusalCode::MissingFile, "missing-file", "a file the bundle lists for this phone is not in it",
     L"安装包缺少文件 %s，无法安装", {}},
    {RefusalCode::DamagedFile, "damaged-file", "a file this phone needs is damaged",
     L"安装包里的文件 %s 已损坏，无法安装", {}},
    {RefusalCode::TooLarge, "too-large", "more to inflate than the bound allows",
     L"安装包需要解压的内容过大，无法读取", {}},
    {RefusalCode::NoAbi, "no-abi", "no split for this phone's processors",
     L"安装包不支持这台手机的处理器（%s）", {}},
    {RefusalCode::PhoneTooOld, "phone-too-old", "the phone is older than every variant",
     L"手机的安卓版本过低：这个应用至少需要 API 级别 %s", {}},
    {RefusalCode::ExpansionOutside, "expansion-outside", "an expansion file would leave its folder",
     L"扩展文件的存放路径不安全（%s）", {}},
    {RefusalCode::TooManyExpansions, "too-many-expansions", "more expansion files or bytes than the bound",
     L"安装包里的扩展文件过多或过大", {}},
    {RefusalCode::NoFolder, "no-folder", "no private folder could be made in the temporary folder",
     L"无法在临时文件夹里建立工作目录", {}},
    {RefusalCode::NotExtracted, "not-extracted", "a file could not be written out (damaged, or no room)",
     L"无法解出安装包里的 %s（文件损坏或磁盘空间不足）", {}},
    {RefusalCode::ExpansionNotCopied, "expansion-not-copied", "the app is installed; its expansion file is not",
     L"应用已安装，但扩展文件未能复制到手机（%s）", {}},
    // adb's client: a server of another version, or something else, on its port.
    {RefusalCode::ServerPortHeld, "server-port-held", "another program listens on adb's server port",
     L"端口 %s 被 %s（进程 %s）占用，请关闭它后重试", {}},
    {RefusalCode::ServerPortUnknown, "server-port-unknown", "adb's server port is unusable; no listener found",
     L"端口 %s 无法使用，也找不到占用它的程序：请关闭手机助手、模拟器后重试",
     {"doesn't match this client", "protocol fault", "cannot bind", "*smartsocket* listener",
      "failed to start daemon", "cannot connect to daemon", "didn't ACK"}},
    {RefusalCode::Unauthorized, "unauthorized", "the phone has not allowed this computer to debug it",
     L"请在手机上点“允许 USB 调试”，然后重试", {"device unauthorized"}},
    {RefusalCode::Offline, "offline", "the phone is offline",
     L"手机离线：请重新插拔数据线后重试", {"device offline"}},
    {RefusalCode::NoPhone, "no-phone", "no phone found",
     L"检查数据线，打开USB调试，安装厂商USB驱动",
     {"no devices/emulators found", "device not found", "' not found"}},
    {RefusalCode::UserRestricted, "user-restricted", "the phone does not allow installs over usb",
     L"在开发者选项中打开“USB安装”，并在手机上确认",
     {"INSTALL_FAILED_USER_RESTRICTED"}},
    {RefusalCode::OtherSigner, "other-signer", "an app of the same name signed by someone else is installed",
     L"旧版签名不同，需先卸载",
     {"INSTALL_FAILED_UPDATE_INCOMPATIBLE", "INSTALL_FAILED_SHARED_USER_INCOMPATIBLE",
      "INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES"}},
    {RefusalCode::NotNewer, "not-newer", "the phone has a newer version",
     L"手机上的版本 %s 比安装包的 %s 新，请先卸载", {}},
    {RefusalCode::NotNewerUncounted, "not-newer-uncounted", "the phone has a newer version",
     L"手机上的版本比安装包新，请先卸载", {"INSTALL_FAILED_VERSION_DOWNGRADE"}},
};

const Words* WordsFor(RefusalCode code)
{
    for (const Words& w : kWords)
        if (w.code == code)
            return &w;
    return nullptr;
}

// A fact as shown: printable and short.
std::wstring Shown(const std::string& fact)
{
    std::wstring shown;
    for (wchar_t c : Utf8ToWide(fact)) {
        if (shown.size() >= kShownSubject) {
            shown += L"…";
            break;
        }
        shown += c < 0x20 || c == 0x7F ? L'?' : c;
    }
    return shown;
}

// Failures adb or the phone reported lead with "failed", the rest with "refused".
const char* LeadFor(RefusalCode code)
{
    return code >= RefusalCode::ServerPortHeld ? kFailedLead : kLead;
}

bool Safe(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '/' || c == '+' ||
           c == '-';
}

}  // namespace

std::string RefusalLine(const Refusal& refusal)
{
    const Words* w = WordsFor(refusal.code);
    if (!w)
        return std::string();
    // "-" stands for no subject; a subject that is "-" itself is escaped.
    const std::string subject = refusal.subject.empty()  ? "-"
                                : refusal.subject == "-" ? "%2D"
                                                         : PercentEscaped(refusal.subject, Safe);
    return LeadFor(refusal.code) + std::string(w->token) + " " + subject + ": " + w->english;
}

namespace {

// The digits after `mark` in the text; empty when none.
std::string NumberAfter(const std::string& text, const char* mark)
{
    const std::size_t at = text.find(mark);
    if (at == std::string::npos)
        return std::string();
    std::size_t from = at + std::string(mark).size(), to = from;
    while (to < text.size() && to - from < 20 && text[to] >= '0' && text[to] <= '9')
        ++to;
    return text.substr(from, to - from);
}

}  // namespace

Refusal FailureFromAdb(const std::string& adbOutput, const std::string& serverPort)
{
    for (const Words& w : kWords) {
        for (const char* words : w.adbWords) {
            if (!words || adbOutput.find(words) == std::string::npos)
                continue;
            if (w.code == RefusalCode::ServerPortUnknown)
                return Refusal(w.code, serverPort);
            if (w.code == RefusalCode::NotNewerUncounted) {
                // "Downgrade detected: Update version code 1 is older than current 2"
                const std::string ours = NumberAfter(adbOutput, "Update version code ");
                const std::string theirs = NumberAfter(adbOutput, " is older than current ");
                if (!ours.empty() && !theirs.empty())
                    return Refusal(RefusalCode::NotNewer, theirs + kFactSeparator + ours);
            }
            return Refusal(w.code);
        }
    }
    return Refusal();
}

namespace {

Refusal FindLine(const std::string& output, const char* lead)
{
    const std::size_t leadSize = std::string(lead).size();
    for (std::size_t at = output.find(lead); at != std::string::npos; at = output.find(lead, at + 1)) {
        if (at != 0 && output[at - 1] != '\n')
            continue;
        const std::size_t tokenAt = at + leadSize;
        const std::size_t blank = output.find(' ', tokenAt);
        const std::size_t end = output.find_first_of(":\n", tokenAt);
        if (blank == std::string::npos || (end != std::string::npos && end < blank))
            continue;
        const std::string token = output.substr(tokenAt, blank - tokenAt);
        for (const Words& w : kWords) {
            if (token != w.token)
                continue;
            const std::string subject = output.substr(blank + 1, (end == std::string::npos ? output.size() : end) -
                                                                     blank - 1);
            if (LeadFor(w.code) != lead)
                continue;
            return Refusal(w.code, subject == "-" ? std::string() : PercentUnescaped(subject));
        }
    }
    return Refusal();
}

}  // namespace

Refusal FindRefusal(const std::string& output)
{
    if (Refusal r = FindLine(output, kLead))
        return r;
    return FindLine(output, kFailedLead);
}

std::wstring RefusalText(const Refusal& refusal)
{
    const Words* w = WordsFor(refusal.code);
    if (!w)
        return std::wstring();
    std::wstring text = w->chinese;
    std::size_t from = 0, at = 0;
    while ((at = text.find(L"%s", at)) != std::wstring::npos) {
        const std::size_t end = std::min(refusal.subject.find(kFactSeparator, from), refusal.subject.size());
        const std::wstring fact = Shown(from <= end ? refusal.subject.substr(from, end - from) : std::string());
        text.replace(at, 2, fact);
        at += fact.size();
        from = end + 1;
    }
    return text;
}
