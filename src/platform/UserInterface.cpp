#include "platform/UserInterface.h"

#include <atomic>
#include <iostream>
#include <utility>

namespace {

std::atomic<TUserInterface*> installedUi{nullptr};
thread_local TUserInterface* threadUi = nullptr;

TUserInterface& defaultUi() {
    static THeadlessUi headless;
    return headless;
}

int buttons(int flags) {
    return flags & 0xF;
}

void print(std::ostream& err, const std::string& title, const std::string& text) {
    if (title.empty())
        err << text << std::endl;
    else
        err << title << "\u00A0: " << text << std::endl;
}

} // namespace

TUserInterface& Ui() {
    if (threadUi != nullptr)
        return *threadUi;
    TUserInterface* const ui = installedUi.load();
    return ui != nullptr ? *ui : defaultUi();
}

TUserInterface* SetThreadUi(TUserInterface* ui) {
    return std::exchange(threadUi, ui);
}

TUserInterface* ThreadUi() {
    return threadUi;
}

TUserInterface* SetUi(TUserInterface* ui) {
    TUserInterface* const previous = installedUi.exchange(ui);
    return previous != nullptr ? previous : &defaultUi();
}

// ---- TPostQueue

void TPostQueue::Post(std::function<void()> fn) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(fn));
}

// Work posted while running is run too. When a function throws, the ones not yet run go back
// to the front of the queue before the exception goes on.
void TPostQueue::Run() {
    for (;;) {
        std::deque<std::function<void()>> batch;
        {
            const std::lock_guard lock(mutex_);
            batch.swap(queue_);
        }
        if (batch.empty())
            return;
        while (!batch.empty()) {
            std::function<void()> fn = std::move(batch.front());
            batch.pop_front();
            try {
                fn();
            } catch (...) {
                const std::lock_guard lock(mutex_);
                queue_.insert(queue_.begin(), std::make_move_iterator(batch.begin()),
                              std::make_move_iterator(batch.end()));
                throw;
            }
        }
    }
}

// ---- THeadlessUi

THeadlessUi::THeadlessUi() : err_(&std::cerr) {}

// Nobody can answer: nothing destructive is confirmed, so only a plain OK box says OK.
int THeadlessUi::MessageBox(const std::string& text, const std::string& title, int flags) {
    print(*err_, title, text);
    switch (buttons(flags)) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

void THeadlessUi::ShowMessage(const std::string& text) {
    print(*err_, "", text);
}

void THeadlessUi::ShowInformation(const std::string& title, const std::string& text) {
    print(*err_, title, text);
}

void THeadlessUi::ShowHelp(const std::string& page, const std::string& note) {
    *err_ << "Aide\u00A0: " << page << (note.empty() ? "" : " (" + note + ")") << std::endl;
}

// ---- TTestUi

int TTestUi::MessageBox(const std::string& text, const std::string& title, int flags) {
    shown.push_back({"message", title, text});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    const int kind = buttons(flags);
    return kind == MB_YESNO || kind == MB_YESNOCANCEL ? IDYES : IDOK;
}

void TTestUi::ShowMessage(const std::string& text) {
    shown.push_back({"message", "", text});
}

void TTestUi::ShowInformation(const std::string& title, const std::string& text) {
    shown.push_back({"info", title, text});
}

// Recorded with the form's name as the title.
int TTestUi::ShowModal(const std::string& name, TFormModel& model) {
    shown.push_back({"form", name, ""});
    const auto form = forms.find(name);
    if (form == forms.end() || !form->second)
        return mrCancel;
    return form->second(model);
}

bool TTestUi::ChooseColor(TColor& color) {
    if (colorAnswers.empty())
        return false;
    color = colorAnswers.front();
    colorAnswers.pop_front();
    return true;
}

bool TTestUi::ChooseFont(TFontChoice& font) {
    if (fontAnswers.empty())
        return false;
    font.text = std::move(fontAnswers.front());
    fontAnswers.pop_front();
    return true;
}

bool TTestUi::OpenFileName(const std::string&, const std::string&, std::string& path) {
    if (fileAnswers.empty())
        return false;
    path = std::move(fileAnswers.front());
    fileAnswers.pop_front();
    return true;
}

bool TTestUi::SaveFileName(const std::string& title, const std::string& filter, std::string& path) {
    return OpenFileName(title, filter, path);
}

void TTestUi::BeginWaitCursor() {
    ++waitCursorDepth;
    ++waitCursorUses;
}

void TTestUi::EndWaitCursor() {
    if (waitCursorDepth > 0)
        --waitCursorDepth;
}

void TTestUi::ShowHelp(const std::string& page, const std::string& note) {
    shown.push_back({"help", note, page});
}

std::vector<std::string> TTestUi::Messages() const {
    std::vector<std::string> texts;
    for (const Shown& s : shown)
        if (s.kind == "message")
            texts.push_back(s.text);
    return texts;
}
