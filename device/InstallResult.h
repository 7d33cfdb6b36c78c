// The outcome of one package's install, decided only by substrings of the
// bridge tool's output. The numbers travel to the window and are fixed.
#pragma once

#include <cstdint>
#include <string>

enum InstallResult : std::int32_t {
    InstallUnknownError = -1,
    InstallSuccess = 0,
    InstallNoDevice = 1,
    InstallAlreadyExists = 2,
    InstallInsufficientStorage = 3,
    InstallPackageNotFound = 4,
    InstallDexoptFailed = 6,
    InstallMultipleDevices = 7,
    InstallNoSpaceLeft = 11,
    InstallInconsistentCertificates = 12,
};

// Classifies the whole output; the first matching rule wins, so a "Success"
// with "device not found" still means no device.
InstallResult ClassifyInstallOutput(const std::wstring& output);

// "InstallSuccess", "InstallNoDevice", ...; "InstallUnknownError" for any
// number that is not a result (a receiver treats those as unknown).
const wchar_t* InstallResultName(std::int32_t result);

// No device, several devices, no space, insufficient storage: the rest of
// the batch cannot succeed either.
bool EndsBatch(std::int32_t result);
