// The user-interface service on Qt Widgets, used by the editor: forms by name, message boxes
// with French buttons, standard dialogs, clipboard, wait cursor, and work posted to the
// user-interface thread.
#pragma once

#include "platform/UserInterface.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class HelpWindow;
class QDialog;
class QWidget;

class TQtUserInterface : public QObject, public TUserInterface {
    Q_OBJECT
public:
    // Makes a modal form over `parent` working on the model; ShowModal runs it. The form ends
    // with done(mrOk), done(mrCancel)... (a rejected dialog counts as mrCancel).
    using FormFactory = std::function<std::unique_ptr<QDialog>(TFormModel& model, QWidget* parent)>;
    // A model to show the form with when there is no real one (screenshots).
    using SampleModel = std::function<std::unique_ptr<TFormModel>()>;

    explicit TQtUserInterface(QWidget* mainWindow = nullptr);
    ~TQtUserInterface() override;

    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // With nobody at the screen (pictures taken from the command line), message boxes, modal
    // forms and dialogs go to `unattended` (a headless service, not owned) rather than wait for
    // a click that cannot come; null shows them again.
    void SetUnattended(TUserInterface* unattended) { unattended_ = unattended; }
    void RegisterForm(const std::string& name, FormFactory form, SampleModel sample);
    // Makes the form on a sample model, without running it; null when there is no such form.
    std::unique_ptr<QDialog> MakeSampleForm(const std::string& name,
                                            std::unique_ptr<TFormModel>& model) const;
    std::vector<std::string> FormNames() const;

    int MessageBox(const std::string& text, const std::string& title, int flags) override;
    void ShowMessage(const std::string& text) override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    bool HasForm(const std::string& name) const override;
    int ShowModal(const std::string& name, TFormModel& model) override;
    bool ChooseColor(TColor& color) override;
    bool ChooseFont(TFontChoice& font) override;
    bool OpenFileName(const std::string& title, const std::string& filter,
                      std::string& path) override;
    bool SaveFileName(const std::string& title, const std::string& filter,
                      std::string& path) override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void Post(std::function<void()> fn) override;
    void ProcessPosted() override;
    // Opens the page in the help window, made on first use and raised afterwards.
    void ShowHelp(const std::string& page, const std::string& note) override;
    // The help window, null until first used.
    HelpWindow* Help() const { return help_.get(); }

private:
    // The form registered under `name` on `model`, F1 opening its help page; null for none.
    std::unique_ptr<QDialog> makeForm(const std::string& name, TFormModel& model) const;

    QWidget* mainWindow_;
    TUserInterface* unattended_ = nullptr;
    struct Form {
        FormFactory factory;
        SampleModel sample;
    };
    std::map<std::string, Form> forms_;
    std::unique_ptr<HelpWindow> help_;
};
