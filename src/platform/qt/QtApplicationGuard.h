// Makes sure a QGuiApplication exists, which fonts, images and painters need. Command-line
// programs and tests create one guard for their lifetime, before starting threads of their own;
// when no display is available the guard chooses the offscreen platform so that nothing needs a
// screen.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>

class QGuiApplication;

class QtApplicationGuard {
public:
    // Now: creates a QGuiApplication unless one already exists; OnDemand: only at Ensure.
    enum class Start { Now, OnDemand };
    explicit QtApplicationGuard(Start start = Start::Now);
    ~QtApplicationGuard();
    QtApplicationGuard(const QtApplicationGuard&) = delete;
    QtApplicationGuard& operator=(const QtApplicationGuard&) = delete;

    // Creates the QGuiApplication unless one already exists. On the main thread.
    void Ensure();
    // Waits, on any thread, until Ensure has run: true then, so that fonts, images and painters
    // may be used; false when `stop` is requested first.
    bool WaitStarted(const std::stop_token& stop) const;
    // Whether this guard made the application (and destroys it when it goes).
    bool OwnsApplication() const { return app_ != nullptr; }

private:
    // QGuiApplication keeps references to argc and argv: they live as long as it does.
    int argc_ = 1;
    char programName_[10] = "mathsheet";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
    mutable std::mutex mutex_;
    mutable std::condition_variable_any startedChanged_;
    bool started_ = false;
};

// Routes Qt's own messages through the program: the chatter of Qt and its libraries (an image
// library's warnings, a platform's notices) says nothing a user can act on and is dropped; a
// critical or fatal message is said in French on standard error, after the program's name.
void RouteQtMessages();
