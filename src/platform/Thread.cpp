#include "platform/Thread.h"

#include "platform/UserInterface.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
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
    startingUi_ = ThreadUi();
    // The thread's own stop request is not used: Terminate may come before Start.
    thread_ = std::jthread([this] { run(); });
}

void TThread::run() {
    if (startingUi_ != nullptr)
        SetThreadUi(startingUi_);
    {
        const std::lock_guard lock(systemMutex_);
        systemId_ = int(gettid());
        errno = 0;
        const int nice = getpriority(PRIO_PROCESS, id_t(systemId_));
        baseNice_ = errno == 0 ? nice : 0;
        applySystemPriority();
    }
    try {
        Execute();
    } catch (...) {
        erreur_ = std::current_exception();
    }
    {
        const std::lock_guard lock(systemMutex_);
        systemId_ = 0;
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

void TThread::SetPriority(TThreadPriority p) {
    priority_ = p;
    const std::lock_guard lock(systemMutex_);
    applySystemPriority();
}

void TThread::applySystemPriority() const {
    if (systemId_ == 0)
        return;
    int nice = baseNice_;
    switch (priority_.load()) {
    case TThreadPriority::tpHigher:
        nice -= 5;
        break;
    case TThreadPriority::tpHighest:
        nice -= 10;
        break;
    default:
        break; // lower priorities give way in Yield(), which they can undo
    }
    // Refused (the user may not go below the process's value): the worker keeps the base.
    if (setpriority(PRIO_PROCESS, id_t(systemId_), nice) != 0 && nice != baseNice_)
        setpriority(PRIO_PROCESS, id_t(systemId_), baseNice_);
}

void TThread::Yield() const {
    using namespace std::chrono_literals;
    // At normal priority or above the worker keeps its turn: the callers check Terminated()
    // themselves, and giving the processor away on a busy machine starves the work.
    switch (priority_.load()) {
    case TThreadPriority::tpIdle:
    case TThreadPriority::tpLowest:
        std::this_thread::sleep_for(2ms);
        break;
    case TThreadPriority::tpLower:
        std::this_thread::sleep_for(1ms);
        break;
    default:
        break;
    }
}
