// The install engine and its worker against the scripted fake bridge, with
// the reports going where the program sends them: on Windows to a real
// message-only window on the test's thread (SendMessageW from the worker),
// natively to a call-back on the worker's thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "device/WindowReporter.h"
#endif

#include "device/InstallCommand.h"
#include "device/InstallEngine.h"
#include "device/InstallWorker.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "TestSupport.h"

namespace {

std::wstring FakeBridge()
{
    return GetModuleDirectory() + platform::kPathSeparator + L"fakebridge" + platform::kPathSeparator +
           L"korvel_helper" + platform::kExeSuffix;
}

// One report as the owner saw it while the worker was blocked in the send.
struct Event {
    unsigned message = 0;
    std::intptr_t lParam = 0;
    std::wstring path;
    std::int32_t result = 0, index = 0, pending = -1;
    size_t bridgeCalls = 0;  // fake bridge runs so far
    std::thread::id thread;
    std::vector<Phone> phones;
    std::vector<PhoneOutcome> perPhone;
};

class InstallEngineRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The fake counts its calls by the log's lines; copies go to temp_.
        log_ = folder_.PathOf("bridge.log");
        script_ = folder_.PathOf("bridge.script");
        testing_support::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_LOG", log_);
        testing_support::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_SCRIPT", script_);
        SetInstallLocation(L"1");
        engine_.reset(new InstallEngine(FakeBridge(), temp_));
#ifdef _WIN32
        static ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = &InstallEngineRun::WindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TarvoInstallReportSink";
            return RegisterClassW(&wc);
        }();
        ASSERT_NE(atom, 0);
        window_ = CreateWindowExW(0, L"TarvoInstallReportSink", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
        ASSERT_NE(window_, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        reporter_.reset(new WindowReporter(window_));
#else
        reporter_.reset(new CallbackReporter(
            [this](unsigned message, std::uintptr_t, std::intptr_t lParam) { Handle(message, lParam); }));
#endif
    }

    void TearDown() override
    {
        if (hangs_)  // lets a fake told to hang end now; it removes the file
            testing_support::WriteFileBytes(log_ + L".release", "");
#ifdef _WIN32
        DestroyWindow(window_);
#endif
        SetInstallLocation(L"");
    }

    std::vector<std::wstring> Packages(int count)
    {
        std::vector<std::wstring> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back(folder_.PathOf("pkg" + std::to_string(packages_++)));
            EXPECT_TRUE(testing_support::WriteFileBytes(paths.back(), "PK " + std::to_string(i)));
        }
        return paths;
    }

    void Script(const std::string& lines)
    {
        hangs_ = hangs_ || lines.find("hang") != std::string::npos;
        ASSERT_TRUE(testing_support::WriteFileBytes(script_, lines));
    }

    void Start(std::vector<std::wstring> paths)
    {
        InstallRequest request;
        request.engine = engine_.get();
        request.reporter = reporter_.get();
        request.pendingPaths = [paths] { return paths; };
        ASSERT_TRUE(StartInstallWorker(request));
    }

    // Pumps (Windows) or waits (natively) until `batches` batches are done.
    // A hang here would leave a worker using this fixture, so it aborts.
    void WaitForBatches(size_t batches, const std::function<void()>& idle = nullptr)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(90);
        for (;;) {
#ifdef _WIN32
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
#endif
            size_t done = 0;
            for (const Event& e : Events())
                done += e.message == WM_INSTALL_DONE;
            if (done >= batches)
                return;
            if (idle)
                idle();
            if (std::chrono::steady_clock::now() > giveUp) {
                std::fprintf(stderr, "install batch never finished\n");
                std::abort();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::vector<Event> Events()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return events_;
    }

    std::vector<Event> Progress()
    {
        std::vector<Event> out;
        for (const Event& e : Events())
            if (e.message == WM_INSTALL_PROGRESS)
                out.push_back(e);
        return out;
    }

    std::vector<std::wstring> BridgeCalls() const
    {
        std::string bytes;
        std::vector<std::wstring> lines;
        if (platform::ReadFileBytes(log_, &bytes, 1 << 20))
            for (const std::string& line : testing_support::SplitLines(bytes))
                lines.push_back(Utf8ToWide(line));
        return lines;
    }

    testing_support::ScratchFolder folder_;
    const std::wstring temp_ = folder_.Path() + platform::kPathSeparator;
    std::wstring log_, script_;
    std::unique_ptr<InstallEngine> engine_;
    std::unique_ptr<InstallReporter> reporter_;
    bool hangs_ = false;
    int packages_ = 0;

private:
    void Handle(unsigned message, std::intptr_t lParam)
    {
        Event e;
        e.message = message;
        e.lParam = lParam;
        e.thread = std::this_thread::get_id();
        if (message == WM_INSTALL_PROGRESS && lParam == reinterpret_cast<std::intptr_t>(&TheInstallProgress())) {
            InstallProgress& record = *reinterpret_cast<InstallProgress*>(lParam);
            e.path = record.packagePath;
            e.result = record.result;
            e.index = record.index;
            e.pending = engine_->PendingCount();
            e.bridgeCalls = BridgeCalls().size();
            e.phones = record.phones;
            e.perPhone = record.perPhone;
            // The owner may scribble on the record; the engine refills it each time.
            record = InstallProgress{L"changed", InstallUnknownError, 100, L"changed", {}, {}};
        }
        std::lock_guard<std::mutex> hold(lock_);
        events_.push_back(e);
    }
#ifdef _WIN32
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<InstallEngineRun*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && (message == WM_INSTALL_START || message == WM_INSTALL_PROGRESS || message == WM_INSTALL_DONE)) {
            self->Handle(message, lParam);
            return 1;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
#endif
    std::mutex lock_;
    std::vector<Event> events_;
};

}  // namespace

TEST_F(InstallEngineRun, EachPackageIsReportedInOrderWhileTheWorkerWaitsAndFailuresLetTheBatchGoOn)
{
    Script("certificates\nexists\ndexopt\ninvalid\nsuccess\n");
    const std::vector<std::wstring> paths = Packages(5);
    Start(paths);
    WaitForBatches(1);
    const std::vector<Event> events = Events();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events.front().message, WM_INSTALL_START);
    EXPECT_EQ(events.back().message, WM_INSTALL_DONE);
    const std::int32_t results[] = {12, 2, 6, -1, 0};
    for (int i = 0; i < 5; ++i) {
        const Event& e = events[1 + i];
        EXPECT_EQ(e.message, WM_INSTALL_PROGRESS);
        EXPECT_EQ(e.lParam, reinterpret_cast<std::intptr_t>(&TheInstallProgress()));
        EXPECT_EQ(e.result, results[i]);
        EXPECT_EQ(e.index, i);
        EXPECT_EQ(e.path, paths[i]) << "the queued path, not the copy";
        EXPECT_EQ(e.pending, 4 - i);
        EXPECT_EQ(e.bridgeCalls, static_cast<size_t>(i + 1)) << "blocked in the send: the next one has not started";
#ifdef _WIN32
        EXPECT_EQ(e.thread, std::this_thread::get_id()) << "handled on the window's thread";
#else
        EXPECT_NE(e.thread, std::this_thread::get_id()) << "called back on the worker";
#endif
    }
    for (const std::wstring& call : BridgeCalls())
        EXPECT_EQ(call.compare(0, FakeBridge().size() + 16, FakeBridge() + L" -nv install -r "), 0) << WideToUtf8(call);
}

TEST_F(InstallEngineRun, DeviceAndSpaceProblemsEndTheBatchAfterOneReport)
{
    struct { const char* answer; InstallResult result; } enders[] = {
        {"nodevice", InstallNoDevice}, {"silent", InstallNoDevice}, {"multiple", InstallMultipleDevices},
        {"storage", InstallInsufficientStorage}, {"nospace", InstallNoSpaceLeft},
    };
    size_t batches = 0;
    for (const auto& ender : enders) {
        Script(std::string(ender.answer) + "\n");
        Start(Packages(3));
        WaitForBatches(++batches);
        EXPECT_EQ(Progress().size(), batches) << ender.answer;
        EXPECT_EQ(Progress().back().result, ender.result) << ender.answer;
        EXPECT_EQ(engine_->PendingCount(), 0) << "queue emptied";
        EXPECT_EQ(BridgeCalls().size(), batches) << "the others were never tried";
    }
}

// Each phone's outcome lines are the CLI's test (cli_install_test.py).
TEST_F(InstallEngineRun, EveryReadyPhoneIsNamedInTheEnvironmentWithTheLineAsBuiltAndOneCopy)
{
    // Two ready phones (a serial with blanks, one in Chinese), one that cannot take an install.
    ASSERT_TRUE(testing_support::WriteFileBytes(log_ + L".phones", "A 1\tdevice\tPixel_7\t14\n"
                                                                   "手机\tdevice\tMi_10\t12\nC\tunauthorized\t\t\n"));
    // Several phones and nothing chosen: result 7, with the phones to choose from.
    Script("multiple\nsuccess\n");
    Start(Packages(1));
    WaitForBatches(1);
    ASSERT_EQ(Progress().back().result, InstallMultipleDevices);
    ASSERT_EQ(Progress().back().phones.size(), 3u);
    EXPECT_EQ(Progress().back().phones[1].serial, "手机");

    engine_->SetTarget({InstallTarget::Kind::EveryPhone, {}});
    Start(Packages(2));
    WaitForBatches(2);
    const std::vector<std::wstring> calls = BridgeCalls();
    ASSERT_EQ(calls.size(), 5u);
    const wchar_t* serials[] = {L"", L"\tANDROID_SERIAL=A 1", L"\tANDROID_SERIAL=手机"};
    for (size_t i = 0; i < calls.size(); ++i) {
        const size_t tab = std::min(calls[i].find(L'\t'), calls[i].size());
        EXPECT_EQ(calls[i].substr(tab), serials[i == 0 ? 0 : 2 - i % 2]);
        EXPECT_EQ(calls[i].compare(0, FakeBridge().size() + 16, FakeBridge() + L" -nv install -r "), 0);
        if (i % 2 == 0 && i > 0) {
            EXPECT_EQ(calls[i].substr(0, tab), calls[i - 1].substr(0, calls[i - 1].find(L'\t'))) << "one copy";
        }
    }
}

TEST_F(InstallEngineRun, AVanishedPackageIsWaitedForFiveSecondsThenReportedAndTheBatchGoesOn)
{
    Script("success\n");
    const std::vector<std::wstring> paths = Packages(3);
    platform::RemoveFile(paths[1]);
    const auto started = std::chrono::steady_clock::now();
    Start(paths);
    WaitForBatches(1);
    // Five seconds, written out: the pause is a fixed sleep, so this lower
    // bound cannot be flaky, and a shorter pause fails it.
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    const std::vector<Event> progress = Progress();
    ASSERT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress[1].result, InstallPackageNotFound);
    EXPECT_EQ(progress[1].path, paths[1]);
    EXPECT_EQ(progress[1].bridgeCalls, 1u) << "no tool run for a missing package";
    EXPECT_EQ(progress[2].result, InstallSuccess);
}

TEST_F(InstallEngineRun, AStopRequestEndsTheWaitForANeverEndingRunAndTheNextRunClearsIt)
{
    Script("say:transferring... mark hang\nsuccess\n");
    const std::wstring mark = log_ + L".mark";
    bool stopped = false;
    std::chrono::steady_clock::time_point marked{};
    Start(Packages(2));
    // Asked only once the tool runs (starting a run clears the flag) and has
    // printed; the pause gives the polling runner time to read that text, or
    // the empty partial output would read as no device and end the batch.
    WaitForBatches(1, [&] {
        if (stopped || !platform::FileExists(mark))
            return;
        if (marked == std::chrono::steady_clock::time_point{})
            marked = std::chrono::steady_clock::now();
        if (std::chrono::steady_clock::now() - marked > std::chrono::milliseconds(500)) {
            engine_->RequestStop();
            stopped = true;
        }
    });
    platform::RemoveFile(mark);
    ASSERT_TRUE(stopped);
    const std::vector<Event> progress = Progress();
    ASSERT_EQ(progress.size(), 2u);
    EXPECT_EQ(progress[0].result, InstallUnknownError) << "the partial output, classified";
    EXPECT_EQ(progress[1].result, InstallSuccess);
}

TEST_F(InstallEngineRun, TwoRequestsInQuickSuccessionNeverInterleave)
{
    Script("sleep:150 success\n");
    const std::vector<std::wstring> first = Packages(2), second = Packages(2);
    Start(first);
    Start(second);
    WaitForBatches(2);
    const std::vector<Event> events = Events();
    ASSERT_EQ(events.size(), 8u);
    for (size_t block = 0; block < 2; ++block) {
        const Event* e = &events[block * 4];
        EXPECT_EQ((std::vector<unsigned>{e[0].message, e[1].message, e[2].message, e[3].message}),
                  (std::vector<unsigned>{WM_INSTALL_START, WM_INSTALL_PROGRESS, WM_INSTALL_PROGRESS, WM_INSTALL_DONE}));
        const std::vector<std::wstring>& batch = e[1].path == first[0] ? first : second;
        EXPECT_EQ(e[2].path, batch[1]);
    }
    EXPECT_NE(events[1].path, events[5].path) << "each batch ran once";
}

