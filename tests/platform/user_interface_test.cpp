#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

// Captures what is written to std::cerr while it lives.
class CaptureStandardError {
public:
    CaptureStandardError() : previous_(std::cerr.rdbuf(captured_.rdbuf())) {}
    ~CaptureStandardError() { std::cerr.rdbuf(previous_); }
    CaptureStandardError(const CaptureStandardError&) = delete;
    CaptureStandardError& operator=(const CaptureStandardError&) = delete;
    std::string text() const { return captured_.str(); }

private:
    std::ostringstream captured_;
    std::streambuf* previous_;
};

} // namespace

TEST(UiService, DefaultsToHeadlessAndScopedInstallRestores) {
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
    TTestUi test;
    {
        const TScopedUi scoped(test);
        EXPECT_EQ(&Ui(), &test);
        TTestUi inner;
        {
            const TScopedUi nested(inner);
            EXPECT_EQ(&Ui(), &inner);
        }
        EXPECT_EQ(&Ui(), &test);
    }
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
    SetUi(&test);
    EXPECT_EQ(SetUi(nullptr), &test);
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
}

TEST(HeadlessUi, ConfirmsNothingAndWritesToStandardError) {
    THeadlessUi ui;
    const CaptureStandardError capture;
    EXPECT_EQ(ui.MessageBox("Valeur refusée", "Calcul", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
    ui.ShowMessage("Terminé");
    ui.ShowInformation("Astuce", "Cliquez deux fois");
    ui.ShowHelp("operation.html");
    EXPECT_EQ(capture.text(), "Calcul: Valeur refusée\n"
                              "T: t\nT: t\nT: t\n"
                              "Terminé\n"
                              "Astuce: Cliquez deux fois\n"
                              "Aide : operation.html\n");
}

TEST(WaitCursor, NestsAndEndsWithItsScope) {
    TTestUi ui;
    const TScopedUi scoped(ui);
    {
        const TWaitCursor outer;
        {
            const TWaitCursor inner;
            EXPECT_EQ(ui.waitCursorDepth, 2);
        }
        EXPECT_EQ(ui.waitCursorDepth, 1);
    }
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

// Work posted from another thread, and work posted while running, runs in order on the thread
// that runs the queue.
TEST(PostQueue, RunsPostedWorkInOrderOnTheCallingThread) {
    TPostQueue queue;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        queue.Post([&] {
            order.push_back(1);
            ranOn = std::this_thread::get_id();
            queue.Post([&] { order.push_back(3); });
        });
        queue.Post([&] { order.push_back(2); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(PostQueue, AThrowingFunctionKeepsTheRestForTheNextRun) {
    TPostQueue queue;
    std::vector<int> order;
    queue.Post([&] { order.push_back(1); });
    queue.Post([] { throw std::runtime_error("échec"); });
    queue.Post([&] { order.push_back(3); });
    EXPECT_THROW(queue.Run(), std::runtime_error);
    EXPECT_EQ(order, (std::vector<int>{1}));
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
}

TEST(PostQueue, ManyPostersWhileRunningLoseNothing) {
    TTestUi ui;
    constexpr int posters = 4;
    constexpr int perPoster = 2000;
    int ran = 0; // touched only by the running thread
    std::atomic<int> done{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < posters; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < perPoster; ++i)
                ui.Post([&] { ++ran; });
            ++done;
        });
    while (done < posters)
        ui.ProcessPosted();
    for (std::thread& t : threads)
        t.join();
    ui.ProcessPosted();
    EXPECT_EQ(ran, posters * perPoster);
}
