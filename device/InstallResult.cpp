#include "device/InstallResult.h"

namespace {

bool Has(const std::wstring& text, const wchar_t* pattern)
{
    return text.find(pattern) != std::wstring::npos;
}

}  // namespace

InstallResult ClassifyInstallOutput(const std::wstring& output)
{
    // An empty output is what a missing tool, a failed copy or a silent
    // bridge gives: in every case nothing reached a device.
    if (output.empty())
        return InstallNoDevice;
    const bool several = Has(output, L"more than one device and emulator");
    if (Has(output, L"device not found") && !several)
        return InstallNoDevice;
    if (Has(output, L"Success"))
        return InstallSuccess;
    if (several)
        return InstallMultipleDevices;
    if (Has(output, L"INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES"))
        return InstallInconsistentCertificates;
    if (Has(output, L"INSTALL_FAILED_ALREADY_EXISTS"))
        return InstallAlreadyExists;
    if (Has(output, L"[INSTALL_FAILED_INSUFFICIENT_STORAGE]"))
        return InstallInsufficientStorage;
    if (Has(output, L"No space left on device"))
        return InstallNoSpaceLeft;
    if (Has(output, L"[INSTALL_FAILED_DEXOPT]"))
        return InstallDexoptFailed;
    return InstallUnknownError;
}

const wchar_t* InstallResultName(std::int32_t result)
{
    switch (result) {
    case InstallSuccess: return L"InstallSuccess";
    case InstallNoDevice: return L"InstallNoDevice";
    case InstallAlreadyExists: return L"InstallAlreadyExists";
    case InstallInsufficientStorage: return L"InstallInsufficientStorage";
    case InstallPackageNotFound: return L"InstallPackageNotFound";
    case InstallDexoptFailed: return L"InstallDexoptFailed";
    case InstallMultipleDevices: return L"InstallMultipleDevices";
    case InstallNoSpaceLeft: return L"InstallNoSpaceLeft";
    case InstallInconsistentCertificates: return L"InstallInconsistentCertificates";
    default: return L"InstallUnknownError";
    }
}

bool EndsBatch(std::int32_t result)
{
    return result == InstallNoDevice || result == InstallMultipleDevices ||
           result == InstallNoSpaceLeft || result == InstallInsufficientStorage;
}
