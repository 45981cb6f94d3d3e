#include "platform/Thread.h"

#include "platform/UserInterface.h"

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <utility>

struct TThread::Completion {
    std::mutex mutex;
    bool alive = true;    // the thread object still exists
    bool handled = false; // OnTerminate has run or been cancelled
    std::function<void()> handler;

    // Runs the handler once, unless it already ran or the object is gone. The handler runs
    // outside the lock, so it may delete the thread object.
    void Run() {
        std::function<void()> toRun;
        {
            const std::lock_guard lock(mutex);
            if (!alive || handled)
                return;
            handled = true;
            toRun = std::move(handler);
        }
        if (toRun)
            toRun();
    }

    void Cancel() {
        const std::lock_guard lock(mutex);
        alive = false;
        handled = true;
        handler = nullptr;
    }
};

TThread::~TThread() {
    Terminate();
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id())
            thread_.detach(); // a misuse (deleted from its own Execute): at least no abort
        else
            thread_.join();
    }
    if (completion_)
        completion_->Cancel();
}

void TThread::Start() {
    if (started_)
        throw std::logic_error("TThread::Start appelé deux fois");
    started_ = true;
    completion_ = std::make_shared<Completion>();
    // The thread's own stop request is not used: Terminate may come before Start.
    thread_ = std::jthread([this] { run(); });
}

void TThread::run() {
    try {
        Execute();
    } catch (...) {
        erreur_ = std::current_exception();
    }
    std::function<void()> handler = OnTerminate;
    const bool hasHandler = static_cast<bool>(handler);
    {
        const std::lock_guard lock(completion_->mutex);
        completion_->handler = std::move(handler);
    }
    finished_ = true;
    if (hasHandler)
        Ui().Post([completion = completion_] { completion->Run(); });
}

std::string TThread::MessageErreur() const {
    const std::exception_ptr erreur = Erreur();
    if (!erreur)
        return {};
    try {
        std::rethrow_exception(erreur);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Le traitement s'est arrêté sur une erreur inconnue.";
    }
}

void TThread::WaitFor() {
    if (!thread_.joinable() || thread_.get_id() == std::this_thread::get_id())
        return;
    thread_.join();
    runOnTerminate();
}

void TThread::runOnTerminate() {
    // A local owner: the handler may delete this object, and completion_ with it.
    const std::shared_ptr<Completion> completion = completion_;
    if (completion)
        completion->Run();
}

void TThread::Yield() const {
    using namespace std::chrono_literals;
    switch (priority_.load()) {
    case TThreadPriority::tpIdle:
    case TThreadPriority::tpLowest:
        std::this_thread::sleep_for(2ms);
        break;
    case TThreadPriority::tpLower:
        std::this_thread::sleep_for(1ms);
        break;
    default:
        std::this_thread::yield();
        break;
    }
}
