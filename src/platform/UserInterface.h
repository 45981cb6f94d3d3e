// What the package asks of the user interface: message boxes, dialogs and forms by name,
// clipboard, wait cursor and running work on the user-interface thread. The editor installs the
// Qt implementation; the command line the headless one; tests the scripted one.
#pragma once

#include "platform/Color.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Message box buttons and answers, with the class library's values.
enum : int {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
// Modal results of forms.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What a modal form works on: each dialog has a model class (plain code, beside its component)
// deriving from this; the form registered under the dialog's name takes it and edits it.
class TFormModel {
public:
    virtual ~TFormModel() = default;
};

// A font as dialogs exchange it: the text form the host's Fonte reads and writes.
struct TFontChoice {
    std::string text;
};

class TUserInterface {
public:
    virtual ~TUserInterface() = default;

    // Shows a message box; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const std::string& text, const std::string& title, int flags) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // An information window (long explanations the user may hide).
    virtual void ShowInformation(const std::string& title, const std::string& text) = 0;

    // Whether a form is registered under that name.
    virtual bool HasForm(const std::string& name) const = 0;
    // Shows the form registered under `name` modally on `model`; mrCancel when none is.
    virtual int ShowModal(const std::string& name, TFormModel& model) = 0;

    // Standard dialogs; false when the user cancels (the value is then unchanged).
    virtual bool ChooseColor(TColor& color) = 0;
    virtual bool ChooseFont(TFontChoice& font) = 0;
    virtual bool OpenFileName(const std::string& title, const std::string& filter,
                              std::string& path) = 0;
    virtual bool SaveFileName(const std::string& title, const std::string& filter,
                              std::string& path) = 0;

    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Runs fn on the user-interface thread later. Safe from any thread.
    virtual void Post(std::function<void()> fn) = 0;
    // Runs what was posted so far (on the calling thread, which must be the user-interface
    // thread). The Qt implementation processes its events.
    virtual void ProcessPosted() = 0;

    // Opens a help page (a file). `note`, when not empty, says why this page is shown rather
    // than the one asked for (a topic without a page) and is shown beside it, never in a box.
    virtual void ShowHelp(const std::string& page, const std::string& note) = 0;
};

// The service of the calling thread (see TScopedThreadUi), else the installed one; a headless one
// until another is installed.
TUserInterface& Ui();
// Installs a service (not owned) and returns the previous one; nullptr restores the default.
TUserInterface* SetUi(TUserInterface* ui);
// The calling thread's own service (not owned), null for none; returns the previous one.
TUserInterface* SetThreadUi(TUserInterface* ui);
// The calling thread's own service, null when it has none.
TUserInterface* ThreadUi();

// Holds the wait cursor for its lifetime.
class TWaitCursor {
public:
    TWaitCursor() { Ui().BeginWaitCursor(); }
    ~TWaitCursor() { Ui().EndWaitCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// A queue of posted work, shared by the headless and test services.
class TPostQueue {
public:
    void Post(std::function<void()> fn);
    void Run();

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

// No display, or nobody at it: messages go to standard error (or the stream given), modal
// forms answer Cancel, dialogs are cancelled, the clipboard is a string of its own.
class THeadlessUi : public TUserInterface {
public:
    THeadlessUi();
    explicit THeadlessUi(std::ostream& err) : err_(&err) {}

    int MessageBox(const std::string& text, const std::string& title, int flags) override;
    void ShowMessage(const std::string& text) override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    bool HasForm(const std::string&) const override { return false; }
    int ShowModal(const std::string&, TFormModel&) override { return mrCancel; }
    bool ChooseColor(TColor&) override { return false; }
    bool ChooseFont(TFontChoice&) override { return false; }
    bool OpenFileName(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool SaveFileName(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void Post(std::function<void()> fn) override { queue_.Post(std::move(fn)); }
    void ProcessPosted() override { queue_.Run(); }
    void ShowHelp(const std::string& page, const std::string& note) override;

private:
    std::ostream* err_;
    std::string clipboard_;
    TPostQueue queue_;
};

// Scripted answers for tests, and a record of everything shown.
class TTestUi : public TUserInterface {
public:
    struct Shown {
        std::string kind;  // "message", "info", "form", "help"
        std::string title; // the note of a help page
        std::string text;
    };

    // Answers for the next message boxes, in order; IDOK (or IDYES) when the list runs out.
    std::deque<int> messageAnswers;
    // Form handlers by name: they edit the model as a user would and return the modal result.
    std::map<std::string, std::function<int(TFormModel&)>> forms;
    std::deque<TColor> colorAnswers;
    std::deque<std::string> fontAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<Shown> shown;
    std::string clipboard;
    int waitCursorDepth = 0;
    int waitCursorUses = 0;

    int MessageBox(const std::string& text, const std::string& title, int flags) override;
    void ShowMessage(const std::string& text) override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    bool HasForm(const std::string& name) const override { return forms.count(name) != 0; }
    int ShowModal(const std::string& name, TFormModel& model) override;
    bool ChooseColor(TColor& color) override;
    bool ChooseFont(TFontChoice& font) override;
    bool OpenFileName(const std::string& title, const std::string& filter,
                      std::string& path) override;
    bool SaveFileName(const std::string& title, const std::string& filter,
                      std::string& path) override;
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void Post(std::function<void()> fn) override { queue_.Post(std::move(fn)); }
    void ProcessPosted() override { queue_.Run(); }
    void ShowHelp(const std::string& page, const std::string& note) override;

    // Texts of the messages shown so far, in order.
    std::vector<std::string> Messages() const;

private:
    TPostQueue queue_;
};

// Puts a service in one of the two places Ui() looks (SetUi or SetThreadUi) for the lifetime of
// the object, and gives the previous one back at its end.
template <TUserInterface* (*Install)(TUserInterface*)> class TScopedService {
public:
    explicit TScopedService(TUserInterface& ui) : previous_(Install(&ui)) {}
    ~TScopedService() { Install(previous_); }
    TScopedService(const TScopedService&) = delete;
    TScopedService& operator=(const TScopedService&) = delete;

private:
    TUserInterface* previous_;
};

// Gives the calling thread a service of its own: Ui() answers it on this thread, and the workers
// this thread starts talk to it too. Builds running side by side each play their windows this
// way, without meeting the others' posted work.
using TScopedThreadUi = TScopedService<SetThreadUi>;

// Installs a service for the whole process (tests).
using TScopedUi = TScopedService<SetUi>;
