// The bridge tool's own folder in the temporary folder, for a bundle's
// extracted APKs: "korvel-bundle-<process id>", removed when the install
// ends whatever its outcome, and by the next run when a killed one left it.
#pragma once

#include <string>

class PrivateFolder {
public:
    // Removes the folders of runs that no longer run, then makes ours.
    explicit PrivateFolder(const std::wstring& tempFolder);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // With its trailing separator; empty when it could not be made.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// Removes every "korvel-bundle-<id>" folder in tempFolder whose process is gone.
void RemoveStaleFolders(const std::wstring& tempFolder);
