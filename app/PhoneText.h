// The words the window uses for phones: the entries of the menu offered
// when several are attached, the chosen phone's line, and the line that
// names each phone's outcome after an install on every phone. Models and
// serials are outside text: they are made readable (no control or
// direction marks, bounded) before they are shown.
#pragma once

#include <string>
#include <vector>

#include "device/InstallTarget.h"

// The last entry of the menu: install on every ready phone.
constexpr wchar_t kEveryPhone[] = L"全部设备";

struct PhoneEntry {
    std::wstring text;
    bool enabled = false;
};

// Outside text as one readable line of at most `chars` characters.
std::wstring Readable(const std::string& utf8, size_t chars);

// "Pixel 7  Android 14  SERIAL" for a ready phone; one that is not ready
// shows its state in words instead of its release, and cannot be chosen.
PhoneEntry EntryFor(const Phone& phone);
// One entry a phone, then kEveryPhone (enabled when a phone is ready).
std::vector<PhoneEntry> MenuEntries(const std::vector<Phone>& phones);

// "安装到：Pixel 7" or "安装到：全部设备"; empty when adb chooses.
std::wstring TargetLine(const InstallTarget& target);
// The tip of that line: the phone's model, release and serial in full.
std::wstring TargetTip(const InstallTarget& target);

// "Pixel 7：成功；Mi 10：签名冲突", each phone by model (serial when it has none).
std::wstring OutcomeLine(const std::vector<PhoneOutcome>& outcomes);
