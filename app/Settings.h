// The settings file: the install location chosen in the location combo
// box, kept in the user's documents folder.
#pragma once

#include <windows.h>

#include <string>

// Documents folder + "\Korvel\TarvoConfig.ini"; the folder is made here.
std::wstring SettingsFilePath();

// Selects the combo item for the stored location, then saves it back,
// so the file holds "1" or "2" after every start.
void LoadSettings(const std::wstring& configPath, HWND combo, std::wstring* installLocation);

// Takes the combo's selection into installLocation, hands it to the
// install engine and writes it to the file (failures ignored).
void SaveSettings(const std::wstring& configPath, HWND combo, std::wstring* installLocation);
