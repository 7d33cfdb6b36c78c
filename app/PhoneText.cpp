#include "app/PhoneText.h"

#include "platform/Text.h"

namespace {

constexpr size_t kModelChars = 24, kSerialChars = 32;

// Characters that would break a line or turn the text around.
bool Unreadable(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::wstring StateWords(const std::string& state)
{
    if (state == "unauthorized")
        return L"未授权：请在手机上允许 USB 调试";
    if (state == "offline")
        return L"离线";
    return L"无法使用（" + Readable(state, 16) + L"）";
}

// adb lists a model with '_' for each blank.
std::wstring ModelOf(const Phone& phone)
{
    std::wstring model = Readable(phone.model, kModelChars);
    for (wchar_t& c : model)
        if (c == L'_')
            c = L' ';
    return model;
}

std::wstring NameOf(const Phone& phone)
{
    std::wstring model = ModelOf(phone);
    return model.empty() ? Readable(phone.serial, kSerialChars) : model;
}

const wchar_t* ResultWords(InstallResult result)
{
    switch (result) {
    case InstallSuccess: return L"成功";
    case InstallNoDevice: return L"未连接";
    case InstallAlreadyExists: return L"应用已存在";
    case InstallInsufficientStorage: return L"SD卡不存在或空间不够";
    case InstallPackageNotFound: return L"找不到文件";
    case InstallDexoptFailed: return L"文件损坏";
    case InstallMultipleDevices: return L"多台设备";
    case InstallNoSpaceLeft: return L"空间不够";
    case InstallInconsistentCertificates: return L"签名冲突";
    case InstallUnknownError: return L"安装错误";
    default: return L"未知错误";
    }
}

}  // namespace

std::wstring Readable(const std::string& utf8, size_t chars)
{
    std::wstring text;
    for (wchar_t c : Utf8ToWide(utf8)) {
        if (text.size() >= chars) {
            text.back() = L'…';
            break;
        }
        text += Unreadable(c) ? L'\uFFFD' : c;
    }
    return text;
}

PhoneEntry EntryFor(const Phone& phone)
{
    PhoneEntry entry;
    entry.enabled = IsReady(phone);
    const std::wstring model = ModelOf(phone);
    const std::wstring serial = Readable(phone.serial, kSerialChars);
    const std::wstring release = phone.android.empty() ? L"" : L"Android " + Readable(phone.android, 8);
    for (const std::wstring& part : {model, entry.enabled ? release : StateWords(phone.state), serial})
        if (!part.empty())
            entry.text += (entry.text.empty() ? L"" : L"  ") + part;
    return entry;
}

std::vector<PhoneEntry> MenuEntries(const std::vector<Phone>& phones)
{
    std::vector<PhoneEntry> entries;
    bool anyReady = false;
    for (const Phone& phone : phones) {
        entries.push_back(EntryFor(phone));
        anyReady = anyReady || entries.back().enabled;
    }
    entries.push_back(PhoneEntry{kEveryPhone, anyReady});
    return entries;
}

std::wstring TargetLine(const InstallTarget& target)
{
    switch (target.kind) {
    case InstallTarget::Kind::OnePhone: return L"安装到：" + NameOf(target.phone);
    case InstallTarget::Kind::EveryPhone: return std::wstring(L"安装到：") + kEveryPhone;
    default: return std::wstring();
    }
}

std::wstring TargetTip(const InstallTarget& target)
{
    return target.kind == InstallTarget::Kind::OnePhone ? EntryFor(target.phone).text : TargetLine(target);
}

std::wstring OutcomeLine(const std::vector<PhoneOutcome>& outcomes)
{
    std::wstring line;
    for (const PhoneOutcome& o : outcomes)
        line += (line.empty() ? L"" : L"；") + NameOf(o.phone) + L"：" + ResultWords(o.result);
    return line;
}
