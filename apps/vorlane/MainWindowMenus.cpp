// The main window's menus: the menu bar (file, edit, view, options, help) and the right-click
// menu of a component.

#include "MainWindow.h"

#include "PageView.h"

#include "host/Catalogue.h"
#include "host/PopupMenu.h"
#include "host/Services.h"
#include "host/forms/QtConversions.h"
#include "package/PackageEntry.h"
#include "platform/StringList.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

#include <array>
#include <utility>

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->addAction(QStringLiteral("&Nouveau"), QKeySequence::New, this, &MainWindow::newDocument);
    file->addAction(QStringLiteral("Nouveau d'après un &modèle…"), this, &MainWindow::newFromModel)
        ->setObjectName(QStringLiteral("nouveauModele"));
    file->addAction(QStringLiteral("&Ouvrir…"), QKeySequence::Open, this,
                    &MainWindow::openDocument);
    recentMenu_ = file->addMenu(QStringLiteral("Fichiers &récents"));
    file->addAction(QStringLiteral("&Enregistrer"), QKeySequence::Save, this, &MainWindow::save)
        ->setObjectName(QStringLiteral("enregistrer"));
    file->addAction(QStringLiteral("Enregistrer &sous…"), QKeySequence::SaveAs, this,
                    &MainWindow::saveAs)
        ->setObjectName(QStringLiteral("enregistrerSous"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xporter en PDF (épreuve et corrigé)…"), this,
                    &MainWindow::exportPdf)
        ->setObjectName(QStringLiteral("exporterPdf"));
    file->addAction(QStringLiteral("&Imprimer…"), QKeySequence::Print, this, &MainWindow::print);
    file->addSeparator();
    file->addAction(QStringLiteral("Importer une &feuille…"), this, &MainWindow::importSheet);
    file->addAction(QStringLiteral("Exporter en feuille &texte…"), this, &MainWindow::exportSheet)
        ->setObjectName(QStringLiteral("exporterFeuille"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Quitter"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("É&dition"));
    // "Annuler la création", "Rétablir le déplacement"...: the actions follow the history.
    QUndoStack& history = session_.History();
    undo_ = history.createUndoAction(this, QStringLiteral("&Annuler"));
    undo_->setObjectName(QStringLiteral("annuler"));
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = history.createRedoAction(this, QStringLiteral("&Rétablir"));
    redo_->setObjectName(QStringLiteral("retablir"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addAction(undo_);
    edit->addAction(redo_);
    connect(&history, &QUndoStack::cleanChanged, this, &MainWindow::refreshTitle);
    edit->addSeparator();
    cut_ = edit->addAction(QStringLiteral("Co&uper"), QKeySequence::Cut, this, &MainWindow::cut);
    copy_ = edit->addAction(QStringLiteral("&Copier"), QKeySequence::Copy, this, &MainWindow::copy);
    paste_ =
        edit->addAction(QStringLiteral("C&oller"), QKeySequence::Paste, this, &MainWindow::paste);
    delete_ = edit->addAction(QStringLiteral("&Supprimer"), QKeySequence::Delete, this,
                              &MainWindow::remove);
    cut_->setObjectName(QStringLiteral("couper"));
    copy_->setObjectName(QStringLiteral("copier"));
    paste_->setObjectName(QStringLiteral("coller"));
    delete_->setObjectName(QStringLiteral("supprimer"));

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&Affichage"));
    modes_ = new QActionGroup(this);
    auto* modeBar = addToolBar(QStringLiteral("Version"));
    modeBar->setObjectName(QStringLiteral("barreVersion"));
    const std::array<const char*, 3> captions{"Édition", "Épreuve", "Corrigé"};
    for (int mode = 0; mode < 3; ++mode) {
        QAction* action = viewMenu->addAction(QString::fromUtf8(captions[std::size_t(mode)]));
        action->setCheckable(true);
        action->setChecked(mode == 0);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + mode)));
        action->setObjectName(QStringLiteral("mode%1").arg(mode));
        modes_->addAction(action);
        modeBar->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { setMode(mode); });
    }
    viewMenu->addSeparator();
    viewMenu->addAction(QStringLiteral("Page &précédente"), QKeySequence(Qt::Key_PageUp), this,
                        [this] { showPage(session_.Page() - 1); });
    viewMenu->addAction(QStringLiteral("Page &suivante"), QKeySequence(Qt::Key_PageDown), this,
                        [this] { showPage(session_.Page() + 1); });
    edit->addSeparator();
    edit->addAction(QStringLiteral("Ajouter une &page"), this, &MainWindow::addPage)
        ->setObjectName(QStringLiteral("ajouterPage"));
    edit->addAction(QStringLiteral("Propriétés de la pa&ge…"), this, &MainWindow::editPage)
        ->setObjectName(QStringLiteral("proprietesPage"));
    viewMenu->addSeparator();
    viewMenu->addAction(QStringLiteral("Zoom &avant"), QKeySequence::ZoomIn, this,
                        [this] { view_->SetZoom(view_->Zoom() + 25); });
    viewMenu->addAction(QStringLiteral("Zoom a&rrière"), QKeySequence::ZoomOut, this,
                        [this] { view_->SetZoom(view_->Zoom() - 25); });
    viewMenu->addAction(QStringLiteral("Taille &réelle"), this, [this] { view_->SetZoom(100); });
    viewMenu->addSeparator();
    viewMenu->addAction(QStringLiteral("Rétablir la &disposition"), this, &MainWindow::ResetLayout)
        ->setObjectName(QStringLiteral("retablirDisposition"));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    TStringList items;
    AjouteItem(items);
    for (int i = 0; i < items.Count(); ++i) {
        const std::string name = items[i];
        auto command = reinterpret_cast<TDialogueOptions>(items.Objects(i));
        options->addAction(ToQString(name + "…"), this, [command, name] {
            if (command != nullptr)
                command(name);
        });
    }
    buildHelpMenu();
    refreshRecent();
}

// The guides, then one page per kind of the palette.
void MainWindow::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("Aid&e"));
    const std::array<std::pair<const char*, const char*>, 3> guides{{
        {"&Sommaire", "index"},
        {"&Premiers pas", "PremiersPas"},
        {"&Écrire une feuille", "EcrireUneFeuille"},
    }};
    for (const auto& [caption, page] : guides) {
        QAction* action = help->addAction(QString::fromUtf8(caption), this,
                                          [page = std::string(page)] { AideFiche(page); });
        action->setObjectName(QStringLiteral("aide_%1").arg(page));
    }
    QMenu* kinds = help->addMenu(QStringLiteral("&Composants"));
    for (const TTypeComposant& type : catalogue_.Types()) {
        if (type.indexPalette < 0)
            continue;
        const int numero = type.numero;
        kinds->addAction(ToQString(type.nom), this, [numero] { Aide(numero, 0); });
    }
}

std::unique_ptr<QMenu> MainWindow::MenuComposant(TComposant& composant) {
    if (session_.Selection() != &composant) {
        session_.Select(&composant);
        showSelection(&composant);
        view_->update();
    }
    TPopupMenu entries;
    entries.Add("miProprietes", "Propriétés", [this] { showProperties(); });
    entries.Add("miEditer", "Éditer…", [this] { editSelection(); });
    composant.PopupMenu(entries);
    entries.AddSeparator();
    entries.Add("miDupliquer", "Dupliquer", [this] { duplicate(); });
    entries.Add("miSupprimer", "Supprimer", [this] { remove(); });
    entries.AddSeparator();
    entries.Add("miPremierPlan", "Premier plan", [this] { changePlan(true); });
    entries.Add("miArrierePlan", "Arrière-plan", [this] { changePlan(false); });
    auto menu = std::make_unique<QMenu>(this);
    for (const TMenuItem& entry : entries.Items()) {
        if (!entry.OnClick) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(ToQString(entry.Caption), this, entry.OnClick);
        action->setObjectName(ToQString(entry.Name));
        action->setVisible(entry.Visible);
        action->setEnabled(entry.Enabled);
    }
    return menu;
}
