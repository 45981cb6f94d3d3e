#include "Screenshots.h"

#include "MainWindow.h"

#include "host/Catalogue.h"
#include "host/forms/PropDock.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/QtConversions.h"
#include "host/forms/QtUserInterface.h"
#include "platform/StagedFiles.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QPixmap>

namespace {

// The picture goes through a staged file as the sheet builder's outputs do: never over the
// document read, a pipe or a device, and all or nothing.
bool savePixmap(const QPixmap& pixmap, const std::string& file, const std::string& input,
                std::string& message) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !pixmap.save(&buffer, "PNG")) {
        message = "Impossible d'écrire l'image «\u00A0" + file + "\u00A0»";
        return false;
    }
    return WriteStagedFile(file, bytes.toStdString(), input,
                           "Impossible d'écrire l'image «\u00A0" + file + "\u00A0»", message);
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

bool ScreenshotWindow(MainWindow& window, const std::string& file, const std::string& input,
                      std::string& message) {
    window.show();
    settle();
    return savePixmap(window.grab(), file, input, message);
}

bool ScreenshotForm(MainWindow& window, TQtUserInterface& ui, const std::string& name,
                    const std::string& file, const std::string& input, std::string& message) {
    std::unique_ptr<TFormModel> model;
    if (std::unique_ptr<QDialog> dialog = ui.MakeSampleForm(name, model)) {
        dialog->show();
        settle();
        return savePixmap(dialog->grab(), file, input, message);
    }
    TPropDockWidget& dock = window.PropDock();
    if (!dock.HasPropForm(name)) {
        message = "Aucune fenêtre nommée «\u00A0" + name + "\u00A0».";
        return false;
    }
    // A fresh component of the kind whose property window this is.
    EditorSession& session = window.Session();
    for (const TTypeComposant& type : session.Document().Catalogue().Types()) {
        TComposant* composant = type.cree ? session.Document().Cree(type.nom, 0) : nullptr;
        if (composant == nullptr)
            continue;
        if (composant->NomProp() != name) {
            session.Document().Supprime(composant);
            continue;
        }
        dock.Montre(composant);
        if (dock.Courante() == nullptr)
            break;
        // Shown in its window: widgets of a window never shown are not laid out (scroll
        // areas keep stray scroll bars).
        window.show();
        dock.resize(360, 640);
        dock.show();
        settle();
        return savePixmap(dock.grab(), file, input, message);
    }
    message = "Aucun composant n'a la fenêtre «\u00A0" + name + "\u00A0».";
    return false;
}
