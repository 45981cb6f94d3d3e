#include "platform/Thread.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

namespace {

using namespace std::chrono_literals;

// Waits up to ten seconds or more for the condition.
bool waitUntil(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 10000 && !condition(); ++tries)
        std::this_thread::sleep_for(1ms);
    return condition();
}

// Runs a given body; keeps no state of its own, so destroying it while Execute runs is safe.
class FunctionThread : public TThread {
public:
    explicit FunctionThread(std::function<void(FunctionThread&)> body) : body_(std::move(body)) {}
    ~FunctionThread() override {
        Terminate();
        WaitFor();
    }
    using TThread::StopToken;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(FunctionThread&)> body_;
};

// Loops until terminated, relying on the base destructor alone to stop it; that destructor
// does not run OnTerminate.
class LoopingThread : public TThread {
public:
    std::atomic<bool> running{false};

protected:
    void Execute() override {
        running = true;
        while (!Terminated())
            Yield();
    }
};

class ThreadTest : public ::testing::Test {
protected:
    TTestUi ui;
    TScopedUi scoped{ui};
    std::atomic<int> terminations{0};
};

} // namespace

// The stop request reaches Execute through the stop token and Terminated(), also when asked
// before the start.
TEST_F(ThreadTest, TerminateReachesTheStopTokenEvenBeforeTheStart) {
    std::atomic<bool> running{false};
    FunctionThread looping([&](FunctionThread& self) {
        running = true;
        while (!self.StopToken().stop_requested())
            std::this_thread::sleep_for(1ms);
    });
    looping.Start();
    ASSERT_TRUE(waitUntil([&] { return running.load(); }));
    EXPECT_FALSE(looping.Finished());
    looping.Terminate();
    looping.WaitFor();
    EXPECT_TRUE(looping.Finished());
    LoopingThread early;
    early.Terminate();
    early.Start();
    EXPECT_TRUE(waitUntil([&] { return early.Finished(); }));
}

// OnTerminate is posted to the user-interface thread, runs there once, and may delete the
// thread object.
TEST_F(ThreadTest, OnTerminateRunsOnceOnTheUserInterfaceThreadAndMayDeleteTheThread) {
    std::thread::id ranOn;
    auto thread = std::make_unique<FunctionThread>([](FunctionThread&) {});
    thread->OnTerminate = [&] {
        ++terminations;
        ranOn = std::this_thread::get_id();
        thread.reset();
    };
    thread->Start();
    ASSERT_TRUE(waitUntil([&] { return thread->Finished(); }));
    std::this_thread::sleep_for(5ms); // let the worker post
    EXPECT_EQ(terminations, 0);       // not run on the worker
    ASSERT_TRUE(waitUntil([&] { return ui.ProcessPosted(), terminations > 0; }));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(thread, nullptr);
    ui.ProcessPosted();
    EXPECT_EQ(terminations, 1);
}

// WaitFor runs a termination nothing processed yet, also after an exception ended Execute,
// and never twice; the exception is kept for OnTerminate and the caller of WaitFor.
TEST_F(ThreadTest, WaitForRunsOnTerminateOnceAndKeepsTheException) {
    FunctionThread quiet([](FunctionThread&) { std::this_thread::sleep_for(2ms); });
    FunctionThread failing([](FunctionThread&) { throw std::runtime_error("échec du calcul"); });
    FunctionThread odd([](FunctionThread&) { throw 42; });
    for (auto [thread, message] : {std::pair{&quiet, ""}, std::pair{&failing, "échec du calcul"},
                                   std::pair{&odd, "erreur inconnue"}}) {
        terminations = 0;
        std::string seenByOnTerminate = "not run";
        thread->OnTerminate = [&, t = thread] {
            ++terminations;
            seenByOnTerminate = t->MessageErreur();
        };
        EXPECT_FALSE(thread->Erreur());
        thread->Start();
        thread->WaitFor();
        EXPECT_TRUE(thread->Finished());
        EXPECT_EQ(terminations, 1);
        EXPECT_NE(seenByOnTerminate.find(message), std::string::npos) << seenByOnTerminate;
        EXPECT_EQ(thread->MessageErreur(), seenByOnTerminate);
        EXPECT_EQ(static_cast<bool>(thread->Erreur()), *message != 0);
        ui.ProcessPosted();
        thread->WaitFor();
        EXPECT_EQ(terminations, 1);
        EXPECT_THROW(thread->Start(), std::logic_error); // starts only once
    }
}

// A worker started from a thread with a service of its own talks to that one, its end included;
// other threads keep the installed service.
TEST_F(ThreadTest, AWorkerTalksToTheServiceOfTheThreadThatStartedIt) {
    TTestUi own;
    FunctionThread worker([&](FunctionThread&) { EXPECT_EQ(&Ui(), &own); });
    worker.OnTerminate = [this] { ++terminations; };
    {
        const TScopedThreadUi scoped(own);
        worker.Start();
        std::thread([this] { EXPECT_EQ(&Ui(), &ui); }).join();
    }
    EXPECT_EQ(&Ui(), &ui);
    EXPECT_TRUE(waitUntil([&] { return own.ProcessPosted(), terminations == 1; }));
}

TEST_F(ThreadTest, DestroyingARunningThreadStopsItAndDropsItsPostedTermination) {
    auto thread = std::make_unique<LoopingThread>();
    thread->OnTerminate = [this] { ++terminations; };
    thread->Start();
    ASSERT_TRUE(waitUntil([&] { return thread->running.load(); }));
    thread.reset(); // stops and joins, so the termination has been posted by now
    ui.ProcessPosted();
    EXPECT_EQ(terminations, 0);
}

// Without anyone to ask, nothing is confirmed, and every message goes to the standard error.
TEST(HeadlessUi, ConfirmsNothingAndWritesToStandardError) {
    THeadlessUi ui;
    std::ostringstream captured;
    std::streambuf* const previous = std::cerr.rdbuf(captured.rdbuf());
    for (const auto& [flags, answer] : {std::pair{MB_OK | MB_ICONERROR, IDOK},
                                        {MB_OKCANCEL, IDCANCEL},
                                        {MB_YESNO | MB_ICONQUESTION, IDNO},
                                        {MB_YESNOCANCEL | MB_ICONWARNING, IDCANCEL}})
        EXPECT_EQ(ui.MessageBox("Valeur refusée", "Calcul", flags), answer) << flags;
    ui.ShowMessage("Terminé");
    ui.ShowInformation("Astuce", "Cliquez deux fois");
    ui.ShowHelp("operation.html", "");
    std::cerr.rdbuf(previous);
    const std::string refused = "Calcul\u00A0: Valeur refusée\n";
    EXPECT_EQ(captured.str(),
              refused + refused + refused + refused +
                  "Terminé\nAstuce\u00A0: Cliquez deux fois\nAide\u00A0: operation.html\n");
}

// Work posted from another thread, and work posted while running, runs in order on the thread
// that runs the queue; a throwing function leaves the rest for the next run.
TEST(PostQueue, RunsPostedWorkInOrderOnTheCallingThread) {
    TPostQueue queue;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        queue.Post([&] {
            order.push_back(1);
            ranOn = std::this_thread::get_id();
            queue.Post([&] { order.push_back(4); });
        });
        queue.Post([] { throw std::runtime_error("échec"); });
        queue.Post([&] { order.push_back(3); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    EXPECT_THROW(queue.Run(), std::runtime_error);
    EXPECT_EQ(order, (std::vector<int>{1}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 3, 4}));
}

namespace {

bool pinToFirstProcessor() {
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    return sched_setaffinity(0, sizeof one, &one) == 0;
}

// Once let go, calls Yield() 40 times on the first processor, counting its context switches.
class YieldingThread : public TThread {
public:
    std::atomic<bool> go{false};
    long switches = -1;
    int nice = 99;

protected:
    void Execute() override {
        while (!go || !pinToFirstProcessor())
            std::this_thread::sleep_for(1ms);
        nice = getpriority(PRIO_PROCESS, 0);
        rusage before{};
        rusage after{};
        getrusage(RUSAGE_THREAD, &before);
        for (int i = 0; i < 40; ++i)
            Yield();
        getrusage(RUSAGE_THREAD, &after);
        switches = (after.ru_nvcsw + after.ru_nivcsw) - (before.ru_nvcsw + before.ru_nivcsw);
    }
};

} // namespace

// Sharing one processor with a busy loop, the worker keeps its turn through Yield() at normal
// priority and above (almost no switches), gives it away when lowered (a switch per call); a
// raised priority lowers the worker's nice value where the user may, and normal restores it.
TEST_F(ThreadTest, YieldGivesTheTurnAwayOnlyWhenLoweredAndRaisingLowersTheNiceValue) {
    const int baseNice = getpriority(PRIO_PROCESS, 0);
    bool mayRaise = false;
    std::thread([&] { mayRaise = setpriority(PRIO_PROCESS, 0, baseNice - 5) == 0; }).join();
    std::atomic<bool> busy{true};
    std::jthread competitor([&] {
        if (pinToFirstProcessor())
            while (busy)
                ;
    });
    for (const auto& [priority, givesWay, nice] :
         {std::tuple{TThreadPriority::tpLowest, true, baseNice},
          {TThreadPriority::tpLower, true, baseNice},
          {TThreadPriority::tpNormal, false, baseNice},
          {TThreadPriority::tpHigher, false, mayRaise ? baseNice - 5 : baseNice}}) {
        SCOPED_TRACE(int(priority));
        YieldingThread worker;
        worker.Start();
        worker.SetPriority(priority);
        worker.go = true;
        worker.WaitFor();
        EXPECT_EQ(worker.nice, nice);
        EXPECT_TRUE(givesWay ? worker.switches >= 40 : worker.switches < 10) << worker.switches;
    }
    busy = false;
}
