#include "host/forms/QtUserInterface.h"

#include "host/Services.h"
#include "host/forms/HelpWindow.h"
#include "host/forms/QtConversions.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr const char* kApplicationTitle = "Vorlane";

QMessageBox::Icon iconOf(int flags) {
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

using FileDialog = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*,
                               QFileDialog::Options);

// Opens the file dialog on `path`; false, `path` unchanged, when it is cancelled.
bool chooseFile(FileDialog dialog, QWidget* parent, const std::string& title,
                const std::string& filter, std::string& path) {
    const QString chosen =
        dialog(parent, ToQString(title), ToQString(path), ToQString(filter), nullptr, {});
    if (chosen.isEmpty())
        return false;
    path = chosen.toStdString();
    return true;
}

} // namespace

TQtUserInterface::TQtUserInterface(QWidget* mainWindow) : mainWindow_(mainWindow) {}

TQtUserInterface::~TQtUserInterface() = default;

void TQtUserInterface::RegisterForm(const std::string& name, FormFactory form, SampleModel sample) {
    forms_[name] = {std::move(form), std::move(sample)};
}

std::unique_ptr<QDialog>
TQtUserInterface::MakeSampleForm(const std::string& name,
                                 std::unique_ptr<TFormModel>& model) const {
    const auto found = forms_.find(name);
    if (found == forms_.end() || !found->second.sample)
        return nullptr;
    model = found->second.sample();
    return model ? makeForm(name, *model) : nullptr;
}

std::unique_ptr<QDialog> TQtUserInterface::makeForm(const std::string& name,
                                                    TFormModel& model) const {
    const auto found = forms_.find(name);
    if (found == forms_.end())
        return nullptr;
    std::unique_ptr<QDialog> dialog = found->second.factory(model, mainWindow_);
    if (!dialog)
        return nullptr;
    // Modal to the editor alone, so that the help window stays usable beside the form.
    if (dialog->parentWidget() != nullptr)
        dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), dialog.get()), &QShortcut::activated,
                     [name] { AideFiche(name); });
    return dialog;
}

std::vector<std::string> TQtUserInterface::FormNames() const {
    std::vector<std::string> names;
    for (const auto& entry : forms_)
        names.push_back(entry.first);
    return names;
}

int TQtUserInterface::MessageBox(const std::string& text, const std::string& title, int flags) {
    if (unattended_ != nullptr)
        return unattended_->MessageBox(text, title, flags);
    QMessageBox box(iconOf(flags), ToQString(title.empty() ? kApplicationTitle : title),
                    ToQString(text), QMessageBox::NoButton, mainWindow_);
    // Buttons in French whatever the system language, with the answers the callers expect.
    std::vector<std::pair<QPushButton*, int>> answers;
    auto add = [&](const char* caption, QMessageBox::ButtonRole role, int answer) {
        answers.emplace_back(box.addButton(QString::fromUtf8(caption), role), answer);
    };
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        add("OK", QMessageBox::AcceptRole, IDOK);
        add("Annuler", QMessageBox::RejectRole, IDCANCEL);
        break;
    case MB_YESNOCANCEL:
        add("Oui", QMessageBox::YesRole, IDYES);
        add("Non", QMessageBox::NoRole, IDNO);
        add("Annuler", QMessageBox::RejectRole, IDCANCEL);
        break;
    case MB_YESNO:
        add("Oui", QMessageBox::YesRole, IDYES);
        add("Non", QMessageBox::NoRole, IDNO);
        break;
    default:
        add("OK", QMessageBox::AcceptRole, IDOK);
        break;
    }
    box.setDefaultButton(answers.front().first);
    box.exec();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button)
            return answer;
    // Closed by Escape or the window's close button: the safe answer.
    return (flags & 0x0F) == MB_OK ? IDOK : ((flags & 0x0F) == MB_YESNO ? IDNO : IDCANCEL);
}

void TQtUserInterface::ShowMessage(const std::string& text) {
    MessageBox(text, kApplicationTitle, MB_OK);
}

void TQtUserInterface::ShowInformation(const std::string& title, const std::string& text) {
    MessageBox(text, title, MB_OK | MB_ICONINFORMATION);
}

bool TQtUserInterface::HasForm(const std::string& name) const {
    return forms_.count(name) != 0;
}

int TQtUserInterface::ShowModal(const std::string& name, TFormModel& model) {
    if (unattended_ != nullptr)
        return unattended_->ShowModal(name, model);
    const std::unique_ptr<QDialog> dialog = makeForm(name, model);
    if (!dialog)
        return mrCancel;
    const int result = dialog->exec();
    return result == QDialog::Rejected ? mrCancel : result;
}

bool TQtUserInterface::ChooseColor(TColor& color) {
    if (unattended_ != nullptr)
        return unattended_->ChooseColor(color);
    const QColor chosen =
        QColorDialog::getColor(ToQColor(color), mainWindow_, QStringLiteral("Couleur"));
    if (!chosen.isValid())
        return false;
    color = ToTColor(chosen);
    return true;
}

bool TQtUserInterface::ChooseFont(TFontChoice& font) {
    if (unattended_ != nullptr)
        return unattended_->ChooseFont(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FonteTextToQFont(font.text), mainWindow_,
                                              QStringLiteral("Police"));
    if (!ok)
        return false;
    font.text = QFontToFonteText(chosen, font.text);
    return true;
}

bool TQtUserInterface::OpenFileName(const std::string& title, const std::string& filter,
                                    std::string& path) {
    if (unattended_ != nullptr)
        return unattended_->OpenFileName(title, filter, path);
    return chooseFile(&QFileDialog::getOpenFileName, mainWindow_, title, filter, path);
}

bool TQtUserInterface::SaveFileName(const std::string& title, const std::string& filter,
                                    std::string& path) {
    if (unattended_ != nullptr)
        return unattended_->SaveFileName(title, filter, path);
    return chooseFile(&QFileDialog::getSaveFileName, mainWindow_, title, filter, path);
}

std::string TQtUserInterface::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void TQtUserInterface::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

void TQtUserInterface::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TQtUserInterface::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void TQtUserInterface::Post(std::function<void()> fn) {
    // Queued to this object's thread (the user-interface thread), from any thread.
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void TQtUserInterface::ProcessPosted() {
    QCoreApplication::processEvents();
}

void TQtUserInterface::ShowHelp(const std::string& page, const std::string& note) {
    if (unattended_ != nullptr) {
        unattended_->ShowHelp(page, note);
        return;
    }
    if (!help_)
        help_ = std::make_unique<HelpWindow>(DossierAide() + "index.md");
    help_->Open(page, note);
}
