// A worker thread in the manner of the class library: a subclass writes Execute, which polls
// Terminated() (or passes StopToken() down to long work) to stop cooperatively; OnTerminate
// runs on the user-interface thread (through the user-interface service) once Execute has
// returned.
//
// OnTerminate runs exactly once: from the posted work when the user-interface thread processes
// it, or from WaitFor if that comes first. It never runs once the thread object is destroyed:
// the destructor stops and joins the thread and cancels a posted OnTerminate still pending.
// The base destructor runs after the subclass's members are gone, so a subclass whose Execute
// uses its own members calls Terminate() and WaitFor() in its destructor (or its owner does
// before deleting it). OnTerminate may delete the thread object.
//
// An exception escaping Execute ends the thread and is kept: Erreur() and MessageErreur() give
// it to OnTerminate and to whoever called WaitFor.
//
// A thread started from a thread with a service of its own (TScopedThreadUi) runs with that
// service too, which must outlive it: its posted work and its OnTerminate go there.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

class TUserInterface;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest };

class TThread {
public:
    TThread() = default;
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts Execute on a new thread. Once only: a second call throws std::logic_error.
    void Start();
    // Asks Execute to stop: Terminated() becomes true and StopToken() reports the request.
    void Terminate() { stop_.request_stop(); }
    bool Terminated() const { return stop_.stop_requested(); }
    // Waits for Execute to return, then runs the posted OnTerminate if it has not run yet (on
    // the calling thread). Does nothing when called from Execute itself.
    void WaitFor();
    bool Finished() const { return finished_; }

    // The exception that ended Execute, null when it returned normally or has not ended. Read
    // it once Finished() (in OnTerminate or after WaitFor).
    std::exception_ptr Erreur() const { return Finished() ? erreur_ : nullptr; }
    // That exception as a message to show ("" when none).
    std::string MessageErreur() const;

    // Lower priorities make Yield() give the processor away; normal keeps it; higher ones also
    // ask the system to run the worker before other work (a lower nice value, when the user
    // may have one; otherwise it stays at the process's).
    void SetPriority(TThreadPriority p);
    TThreadPriority Priority() const { return priority_; }

    std::function<void()> OnTerminate;

protected:
    virtual void Execute() = 0;
    // Gives way to other work when the priority was lowered (a short sleep); at normal priority
    // and above it returns at once. Execute calls it in long loops, between stop checks.
    void Yield() const;
    // The stop request of Terminate, for work below Execute that checks it.
    std::stop_token StopToken() const { return stop_.get_token(); }

private:
    // What the posted OnTerminate shares with the thread object, so that it can run after the
    // worker has gone and be cancelled when the object is destroyed.
    struct Completion;

    void run();
    void runOnTerminate();
    // Gives the running worker the nice value of its priority; the caller holds systemMutex_.
    void applySystemPriority() const;

    std::stop_source stop_;
    std::jthread thread_;
    bool started_ = false;
    std::exception_ptr erreur_; // written by the worker before finished_
    std::atomic<bool> finished_{false};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
    std::shared_ptr<Completion> completion_;
    TUserInterface* startingUi_ = nullptr; // the starting thread's own service, if it had one
    // The worker's system thread while Execute runs (0 otherwise) and the nice value it started
    // with, guarded so that a priority change never reaches a thread that has ended.
    mutable std::mutex systemMutex_;
    int systemId_ = 0;
    int baseNice_ = 0;
};
