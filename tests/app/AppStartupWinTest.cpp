// The Win32 start-up helpers: crash dumps, the instance marker and the
// hand-over, the settings file and the main-product link.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/CopyDataText.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "device/InstallCommand.h"

namespace {

// A window that records the hand-over records it receives.
struct Receiver {
    HWND hwnd = nullptr;
    std::wstring received;
    int count = 0;
    bool decoded = false;

    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_COPYDATA) {
            auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrW(w, GWLP_USERDATA));
            auto* cd = reinterpret_cast<COPYDATASTRUCT*>(lp);
            self->count++;
            self->decoded = DecodeCopyDataText(cd->lpData, cd->cbData, &self->received);
            return TRUE;
        }
        return DefWindowProcW(w, msg, wp, lp);
    }

    Receiver()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarvoTestReceiver";
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"receiver", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                               nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Receiver() { DestroyWindow(hwnd); }
};

// A drop-down list like the main window's location box.
struct Combo {
    HWND hwnd;
    Combo()
    {
        hwnd = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 80, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"手机内存"));
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"SD卡"));
    }
    ~Combo() { DestroyWindow(hwnd); }
    int Selection() const { return static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0)); }
};

std::wstring TempIni(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + name;
    DeleteFileW(path.c_str());
    return path;
}

std::wstring Stored(const std::wstring& ini)
{
    wchar_t value[16] = {};
    GetPrivateProfileStringW(L"Choose", L"Position", L"<none>", value, 16, ini.c_str());
    return value;
}

}  // namespace

// (The crash dump, the instance marker and a hand-over that finds no window
// are the end-to-end tests' to show, with the real program.)
TEST(SingleInstance, HandOverSendsTheUnchangedCommandLineAndAnEmptyOne)
{
    Receiver r;
    MarkInstanceWindow(r.hwnd);
    const std::wstring cmd = L"\"C:\\my apps\\游戏 1.apk\"";
    ASSERT_TRUE(HandOverCommandLine(cmd, 2000));
    EXPECT_TRUE(r.decoded);
    EXPECT_EQ(r.received, cmd);
    ASSERT_TRUE(HandOverCommandLine(L"", 2000));
    EXPECT_EQ(r.count, 2);
    EXPECT_TRUE(r.decoded && r.received.empty());
    UnmarkInstanceWindow(r.hwnd);
}

TEST(Settings, OnlyATwoIsTheSdCardAnythingElseIsRewrittenAndAChangeIsWrittenAtOnce)
{
    const std::wstring ini = TempIni(L"tarvo_settings.ini");
    for (const wchar_t* value : {L"2", L"02", L"3", L""}) {
        DeleteFileW(ini.c_str());
        if (*value)
            WritePrivateProfileStringW(L"Choose", L"Position", value, ini.c_str());
        Combo combo;
        std::wstring location;
        LoadSettings(ini, combo.hwnd, &location);
        const bool sd = std::wstring(value) == L"2";
        EXPECT_EQ(combo.Selection(), sd ? 1 : 0) << value;
        EXPECT_EQ(Stored(ini), sd ? L"2" : L"1") << value;
        EXPECT_EQ(GetInstallLocation(), location);
        SendMessageW(combo.hwnd, CB_SETCURSEL, 1, 0);
        SaveSettings(ini, combo.hwnd, &location);
        EXPECT_EQ(Stored(ini), L"2");
        SendMessageW(combo.hwnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);  // no selection keeps the last
        SaveSettings(ini, combo.hwnd, &location);
        EXPECT_EQ(GetInstallLocation(), L"2");
    }
    DeleteFileW(ini.c_str());
    const std::wstring path = SettingsFilePath(), tail = L"\\Korvel\\TarvoConfig.ini";
    EXPECT_EQ(path.substr(path.size() - std::min(path.size(), tail.size())), tail);
}
