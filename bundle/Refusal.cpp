#include "bundle/Refusal.h"

#include "platform/Text.h"

namespace {

const char kLead[] = "korvel_helper: refused ";

// A subject shown to people is cut here: an entry name can be any length.
constexpr std::size_t kShownSubject = 60;

struct Words {
    RefusalCode code;
    const char* token;    // the line's name for it; lower case, no blank
    const char* english;  // for support; no upper-case letter, so no pattern
    const wchar_t* chinese;  // "%s" stands for the subject
};

// Every text here is checked in the tests to hold no classifier pattern.
const Words kWords[] = {
    {RefusalCode::NotArchive, "not-archive", "not a zip archive (an apkm from before 2021 is encrypted)",
     L"这个文件不是安卓安装包（2021 年以前的 .apkm 是加密的，无法安装）"},
    {RefusalCode::AppBundle, "app-bundle", "an android app bundle (aab), which phones cannot install",
     L"这是 .aab 应用包，应用商店把它转成 APK 后手机才能安装"},
    {RefusalCode::DamagedDirectory, "damaged-directory", "the archive's directory is damaged or too large",
     L"安装包的目录已损坏"},
    {RefusalCode::TooManyApks, "too-many-apks", "more apks than any real bundle holds",
     L"安装包里的 APK 多得不正常，可能已损坏"},
    {RefusalCode::NoBase, "no-base", "no base apk: every apk in it is a split",
     L"安装包里没有基础 APK，无法安装"},
    {RefusalCode::SeveralBases, "several-bases", "more than one base apk; the phone takes one",
     L"安装包里有多个基础 APK，无法安装"},
    {RefusalCode::ForeignSplit, "foreign-split", "a split belongs to another app",
     L"安装包里混有其他应用（%s）的拆分 APK"},
    {RefusalCode::DuplicateSplit, "duplicate-split", "the same split twice", L"安装包里的拆分 APK %s 重复"},
    {RefusalCode::MissingFile, "missing-file", "a file the bundle lists for this phone is not in it",
     L"安装包缺少文件 %s，无法安装"},
    {RefusalCode::DamagedFile, "damaged-file", "a file this phone needs is damaged",
     L"安装包里的文件 %s 已损坏，无法安装"},
    {RefusalCode::TooLarge, "too-large", "more to inflate than the bound allows",
     L"安装包需要解压的内容过大，无法读取"},
    {RefusalCode::NoAbi, "no-abi", "no split for this phone's processors",
     L"安装包不支持这台手机的处理器（%s）"},
    {RefusalCode::PhoneTooOld, "phone-too-old", "the phone is older than every variant",
     L"手机的安卓版本过低：这个应用至少需要 API 级别 %s"},
    {RefusalCode::ExpansionOutside, "expansion-outside", "an expansion file would leave its folder",
     L"扩展文件的存放路径不安全（%s）"},
    {RefusalCode::TooManyExpansions, "too-many-expansions", "more expansion files or bytes than the bound",
     L"安装包里的扩展文件过多或过大"},
    {RefusalCode::NoFolder, "no-folder", "no private folder could be made in the temporary folder",
     L"无法在临时文件夹里建立工作目录"},
    {RefusalCode::NotExtracted, "not-extracted", "a file could not be written out (damaged, or no room)",
     L"无法解出安装包里的 %s（文件损坏或磁盘空间不足）"},
    {RefusalCode::ExpansionNotCopied, "expansion-not-copied", "the app is installed; its expansion file is not",
     L"应用已安装，但扩展文件未能复制到手机（%s）"},
};

const Words* WordsFor(RefusalCode code)
{
    for (const Words& w : kWords)
        if (w.code == code)
            return &w;
    return nullptr;
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
    return kLead + std::string(w->token) + " " + subject + ": " + w->english;
}

Refusal FindRefusal(const std::string& output)
{
    for (std::size_t at = output.find(kLead); at != std::string::npos; at = output.find(kLead, at + 1)) {
        if (at != 0 && output[at - 1] != '\n')
            continue;
        const std::size_t tokenAt = at + sizeof kLead - 1;
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
            return Refusal(w.code, subject == "-" ? std::string() : PercentUnescaped(subject));
        }
    }
    return Refusal();
}

std::wstring RefusalText(const Refusal& refusal)
{
    const Words* w = WordsFor(refusal.code);
    if (!w)
        return std::wstring();
    std::wstring subject;
    for (wchar_t c : Utf8ToWide(refusal.subject)) {
        if (subject.size() >= kShownSubject) {
            subject += L"…";
            break;
        }
        subject += c < 0x20 || c == 0x7F ? L'?' : c;
    }
    std::wstring text = w->chinese;
    const std::size_t at = text.find(L"%s");
    if (at != std::wstring::npos)
        text.replace(at, 2, subject);
    return text;
}
