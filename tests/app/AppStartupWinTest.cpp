// The Win32 start-up helpers: crash dumps, the instance marker and the
// hand-over, the settings file and the main-product link.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/CopyDataText.h"
#include "app/CrashDump.h"
#include "app/MainProduct.h"
#include "app/OsName.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/StripQuotes.h"
#include "device/InstallCommand.h"

namespace {

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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

TEST(CrashDump, DumpLandsInTheKorvelTempFolderBesideDownload)
{
    std::wstring dump = GetCrashFolder(L"VodAdado.dmp");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    EXPECT_EQ(dump, std::wstring(temp) + L"Korvel\\VodAdado.dmp");
    DeleteFileW(dump.c_str());

    // A real exception record, as the filter receives it.
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
    CONTEXT context = {};
    RtlCaptureContext(&context);
    EXCEPTION_POINTERS pointers = {&record, &context};
    EXPECT_EQ(WriteCrashDump(&pointers), EXCEPTION_CONTINUE_SEARCH);
    EXPECT_TRUE(Exists(dump));
    EXPECT_TRUE(Exists(std::wstring(temp) + L"Korvel\\Download"));
    EXPECT_EQ(GetCrashFolder(L"x"), std::wstring(temp) + L"Korvel\\x");
}

TEST(OsName, TheRunningSystemHasAName)
{
    // Wine reports a version the table knows or "unknow"; never empty for
    // the versions Wine imitates by default.
    std::string name = GetOsName();
    EXPECT_FALSE(name.empty());
}

TEST(SingleInstance, SecondMarkerSeesTheFirst)
{
    ASSERT_TRUE(CreateInstanceMarker());
    // Another handle to the same name, as a second start would make.
    HANDLE second = CreateSemaphoreW(nullptr, 1, 1, kInstanceName);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(second);
    CloseInstanceMarker();
    ASSERT_TRUE(CreateInstanceMarker());
    CloseInstanceMarker();
}

TEST(SingleInstance, HandOverSendsTheUnchangedCommandLine)
{
    Receiver r;
    MarkInstanceWindow(r.hwnd);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropW(r.hwnd, kInstanceName)), kInstancePropertyValue);
    const std::wstring cmd = L"\"C:\\my apps\\游戏 1.apk\"";
    ASSERT_TRUE(HandOverCommandLine(cmd, 2000));
    EXPECT_EQ(r.count, 1);
    EXPECT_TRUE(r.decoded);
    EXPECT_EQ(r.received, cmd);
    EXPECT_EQ(StripQuotes(r.received), L"C:\\my apps\\游戏 1.apk");

    ASSERT_TRUE(HandOverCommandLine(L"", 2000));
    EXPECT_EQ(r.count, 2);
    EXPECT_TRUE(r.decoded);
    EXPECT_TRUE(r.received.empty());
    UnmarkInstanceWindow(r.hwnd);
}

TEST(SingleInstance, HandOverGivesUpWithoutAWindow)
{
    EXPECT_EQ(FindInstanceWindow(200), nullptr);
    EXPECT_FALSE(HandOverCommandLine(L"x.apk", 200));
}

TEST(Settings, StoredTwoSelectsTheSdCard)
{
    std::wstring ini = TempIni(L"tarvo_settings_two.ini");
    WritePrivateProfileStringW(L"Choose", L"Position", L"2", ini.c_str());
    Combo combo;
    std::wstring location;
    LoadSettings(ini, combo.hwnd, &location);
    EXPECT_EQ(combo.Selection(), 1);
    EXPECT_EQ(location, L"2");
    EXPECT_EQ(GetInstallLocation(), L"2");
    EXPECT_EQ(Stored(ini), L"2");
    DeleteFileW(ini.c_str());
}

TEST(Settings, AnythingElseBecomesPhoneMemoryAndIsRewritten)
{
    for (const wchar_t* value : {L"02", L"3", L""}) {
        std::wstring ini = TempIni(L"tarvo_settings_other.ini");
        if (*value)
            WritePrivateProfileStringW(L"Choose", L"Position", value, ini.c_str());
        Combo combo;
        std::wstring location;
        LoadSettings(ini, combo.hwnd, &location);
        EXPECT_EQ(combo.Selection(), 0) << value;
        EXPECT_EQ(location, L"1");
        EXPECT_EQ(Stored(ini), L"1") << value;
        DeleteFileW(ini.c_str());
    }
}

TEST(Settings, ChangingTheSelectionWritesAtOnce)
{
    std::wstring ini = TempIni(L"tarvo_settings_change.ini");
    Combo combo;
    std::wstring location;
    LoadSettings(ini, combo.hwnd, &location);
    SendMessageW(combo.hwnd, CB_SETCURSEL, 1, 0);
    SaveSettings(ini, combo.hwnd, &location);
    EXPECT_EQ(Stored(ini), L"2");
    EXPECT_EQ(GetInstallLocation(), L"2");
    // No selection keeps what was chosen last.
    SendMessageW(combo.hwnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SaveSettings(ini, combo.hwnd, &location);
    EXPECT_EQ(location, L"2");
    DeleteFileW(ini.c_str());
}

TEST(Settings, FileLivesInTheDocumentsKorvelFolder)
{
    std::wstring path = SettingsFilePath();
    const std::wstring tail = L"\\Korvel\\TarvoConfig.ini";
    ASSERT_GT(path.size(), tail.size());
    EXPECT_EQ(path.substr(path.size() - tail.size()), tail);
    EXPECT_TRUE(Exists(path.substr(0, path.size() - std::wstring(L"TarvoConfig.ini").size())));
}

TEST(MainProduct, MissingProductIsReported)
{
    std::wstring path = MainProductPath(L"NoSuchKorvel.exe");
    EXPECT_NE(path.find(L"\\NoSuchKorvel.exe"), std::wstring::npos);
    EXPECT_FALSE(OpenMainProduct(L"NoSuchKorvel.exe"));
    EXPECT_STREQ(kMainProductMissing, L"没有找到Korvel!");
}
