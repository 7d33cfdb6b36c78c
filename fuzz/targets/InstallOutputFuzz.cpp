// The bridge tool's output as anything at all: the result is one of the
// known ones, follows the rule order of the patterns, and does not change
// when line ends that complete no pattern are added around the text.
#include "device/InstallResult.h"
#include "fuzz/FuzzCheck.h"

namespace {

struct Rule {
    const wchar_t* pattern;
    InstallResult result;
};

// In the order they are tried after the empty and no-device cases.
const Rule kRules[] = {
    {L"Success", InstallSuccess},
    {L"more than one device and emulator", InstallMultipleDevices},
    {L"INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES", InstallInconsistentCertificates},
    {L"INSTALL_FAILED_ALREADY_EXISTS", InstallAlreadyExists},
    {L"[INSTALL_FAILED_INSUFFICIENT_STORAGE]", InstallInsufficientStorage},
    {L"No space left on device", InstallNoSpaceLeft},
    {L"[INSTALL_FAILED_DEXOPT]", InstallDexoptFailed},
};

InstallResult Expected(const std::wstring& text)
{
    if (text.empty())
        return InstallNoDevice;
    if (fuzz::Contains(text, L"device not found") && !fuzz::Contains(text, L"more than one device and emulator"))
        return InstallNoDevice;
    for (const Rule& r : kRules) {
        if (fuzz::Contains(text, r.pattern))
            return r.result;
    }
    return InstallUnknownError;
}

bool IsKnown(InstallResult r)
{
    switch (r) {
    case InstallUnknownError: case InstallSuccess: case InstallNoDevice: case InstallAlreadyExists:
    case InstallInsufficientStorage: case InstallPackageNotFound: case InstallDexoptFailed:
    case InstallMultipleDevices: case InstallNoSpaceLeft: case InstallInconsistentCertificates:
        return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = fuzz::ConsoleText(data, size);
    const InstallResult result = ClassifyInstallOutput(text);
    FUZZ_CHECK(IsKnown(result));
    FUZZ_CHECK(result == Expected(text));
    // Only a missing package gives 4, and output never says that.
    FUZZ_CHECK(result != InstallPackageNotFound);
    FUZZ_CHECK((result == InstallUnknownError) == (std::wstring(InstallResultName(result)) == L"InstallUnknownError"));
    if (!text.empty()) {
        FUZZ_CHECK(ClassifyInstallOutput(L"\r\n" + text + L"\r\n") == result);
        FUZZ_CHECK(ClassifyInstallOutput(text + std::wstring(1, L'\0')) == result);
    }
    return 0;
}
