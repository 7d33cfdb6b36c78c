// The bridge tool's output as anything at all: the result is a known one,
// never the missing-package one (output cannot say that), and line ends
// around the text change nothing.
#include "device/InstallResult.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = fuzz::ConsoleText(data, size);
    const InstallResult result = ClassifyInstallOutput(text);
    switch (result) {
    case InstallUnknownError: case InstallSuccess: case InstallNoDevice: case InstallAlreadyExists:
    case InstallInsufficientStorage: case InstallDexoptFailed: case InstallMultipleDevices:
    case InstallNoSpaceLeft: case InstallInconsistentCertificates:
        break;
    default:
        FUZZ_CHECK(!"a known result");
    }
    if (text.empty())
        FUZZ_CHECK(result == InstallNoDevice);
    else
        FUZZ_CHECK(ClassifyInstallOutput(L"\r\n" + text + L"\r\n") == result);
    return 0;
}
