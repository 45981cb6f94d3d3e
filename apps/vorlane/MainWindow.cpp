#include "MainWindow.h"

#include "PageView.h"
#include "ProprietesPage.h"

#include "host/Catalogue.h"
#include "host/Services.h"
#include "host/forms/ClesProp.h"
#include "host/forms/PropDock.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/QtConversions.h"
#include "host/forms/QtUserInterface.h"
#include "package/PackageEntry.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/StagedFiles.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPageWriter.h"
#include "sheet/ChoixModele.h"
#include "sheet/SheetExport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr const char* kFilter = "Feuilles Vorlane (*.vld);;Tous les fichiers (*)";
constexpr const char* kRecentSection = "Fichiers récents";
constexpr int kRecentCount = 6;
// Where the window and its bars were when the editor last closed.
constexpr const char* kLayoutSection = "Disposition";

QIcon iconOf(const TPicture& picture) {
    QPixmap pixmap;
    if (!picture.Empty())
        pixmap.loadFromData(picture.bytes().data(), uint(picture.bytes().size()));
    if (pixmap.isNull())
        return {};
    return QIcon(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::FastTransformation));
}

// Whether the factory makes the kind of that palette index.
bool builtKind(const TCatalogue& catalogue, int indexPalette) {
    const auto& types = catalogue.Types();
    return std::any_of(types.begin(), types.end(), [&](const TTypeComposant& type) {
        return type.indexPalette == indexPalette && type.cree;
    });
}

// A small glyph for the host's own kinds: squared paper and a list.
QIcon hostIcon(bool grid) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x50, 0x70, 0xB0));
    if (grid) {
        for (int i = 2; i < 32; i += 6) {
            painter.drawLine(i, 2, i, 29);
            painter.drawLine(2, i, 29, i);
        }
    } else {
        for (int y = 5; y < 30; y += 7) {
            painter.fillRect(3, y, 4, 4, QColor(0x50, 0x70, 0xB0));
            painter.drawLine(10, y + 2, 28, y + 2);
        }
    }
    return QIcon(pixmap);
}

} // namespace

MainWindow::MainWindow(const TCatalogue& catalogue, TQtUserInterface& ui)
    : catalogue_(catalogue), ui_(ui), session_(catalogue) {
    setWindowTitle(QStringLiteral("Vorlane"));
    resize(1200, 860);
    ui_.SetMainWindow(this);

    view_ = new PageView(session_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    setCentralWidget(scroll);

    propDock_ = new TPropDockWidget(this);
    auto* dock = new QDockWidget(QStringLiteral("Propriétés"), this);
    dock->setObjectName(QStringLiteral("dockProprietes"));
    dock->setWidget(propDock_);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock->setMinimumWidth(300);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    // Kinds without a window of their own get one edit per key.
    propDock_->SetFallback(
        [this](const std::string& nom, TComposant& composant, QWidget* parent) -> TPropFormWidget* {
            const TTypeComposant* type = catalogue_.TrouveNumero(composant.NumeroType);
            if (type == nullptr || type->cles.empty())
                return nullptr;
            return new TClesProp(composant, nom, type->cles, parent);
        });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("ligneEtat"));
    statusBar()->addWidget(status_, 1);
    // What the page's components had no room for, as long as it lasts: a short button beside
    // the page and selection, whose list shows every warning whole.
    cadres_ = new QToolButton(this);
    cadres_->setObjectName(QStringLiteral("avertissementsCadre"));
    cadres_->setPopupMode(QToolButton::InstantPopup);
    cadres_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cadres_->setMenu(new QMenu(cadres_));
    cadres_->hide();
    statusBar()->addPermanentWidget(cadres_);
    connect(view_, &PageView::avertissementsCadre, this, &MainWindow::showWarnings);
    connect(propDock_, &TPropDockWidget::message, status_, &QLabel::setText);

    buildPalette();
    buildMenus();
    defaultLayout_ = saveState();
    restoreLayout();

    connect(view_, &PageView::selectionChanged, this, &MainWindow::showSelection);
    connect(view_, &PageView::documentChanged, this, &MainWindow::documentChanged);
    connect(view_, &PageView::menuDemande, this,
            [this](TComposant* composant, QPoint at) { MenuComposant(*composant)->exec(at); });
    connect(view_, &PageView::toolUsed, this, [this] {
        if (QAbstractButton* checked = tools_->checkedButton()) {
            tools_->setExclusive(false);
            checked->setChecked(false);
            tools_->setExclusive(true);
        }
    });
    session_.onReplaced = [this] {
        propDock_->DetachAll();
        view_->update();
        refreshTitle();
        refreshActions();
    };
    refreshTitle();
    refreshActions();
}

MainWindow::~MainWindow() {
    session_.onReplaced = nullptr;
    ui_.SetMainWindow(nullptr);
}

// ---- palette ----

void MainWindow::buildPalette() {
    InstalleComposants(palette_);
    auto* bar = new QToolBar(QStringLiteral("Palette"), this);
    bar->setObjectName(QStringLiteral("barrePalette"));
    bar->setMovable(false);
    paletteTabs_ = new QTabWidget(bar);
    paletteTabs_->setDocumentMode(true);
    tools_ = new QButtonGroup(this);
    tools_->setExclusive(true);
    for (int i = 0; i < palette_.PageCount(); ++i)
        buildPaletteTab(palette_.Pages(i), paletteTabs_);
    addHostTab(paletteTabs_);
    bar->addWidget(paletteTabs_);
    addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::buildPaletteTab(const TTabSheet& sheet, QTabWidget* tabs) {
    auto* page = new QWidget(tabs);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    for (int i = 0; i < sheet.ControlCount(); ++i) {
        const auto* button = dynamic_cast<const TDllSpeedButton*>(&sheet.Controls(i));
        if (button == nullptr)
            continue;
        auto* tool = new QToolButton(page);
        tool->setIcon(iconOf(button->Glyph));
        tool->setIconSize(QSize(32, 32));
        tool->setToolTip(ToQString(button->Hint));
        tool->setAutoRaise(true);
        tool->setCheckable(true);
        tool->setObjectName(ToQString("palette_" + std::to_string(button->Tag)));
        row->addWidget(tool);
        tools_->addButton(tool);
        // The buttons of kinds not built yet stay on the palette, greyed.
        if (button->Fabrique != nullptr && !builtKind(catalogue_, button->Tag)) {
            tool->setEnabled(false);
            tool->setToolTip(QStringLiteral("Pas encore disponible"));
            tool->setAccessibleName(ToQString(button->Hint));
        }
        const TDllSpeedButton* source = button;
        connect(tool, &QToolButton::toggled, this, [this, source](bool on) {
            if (!on) {
                view_->SetTool(nullptr);
                return;
            }
            if (source->Fabrique == nullptr) {
                view_->SetTool(nullptr); // the arrow: selection
                return;
            }
            view_->SetTool([this, source](TCadre* cadre) {
                std::unique_ptr<TComposant> created = source->CreeComposant(cadre);
                if (!created)
                    status_->setText(
                        QStringLiteral("Impossible de créer «\u00A0%1\u00A0»\u00A0: ce type de "
                                       "composant n'est pas encore disponible.")
                            .arg(ToQString(source->Hint)));
                return created;
            });
            status_->setText(
                QStringLiteral("Tracez le cadre du composant «\u00A0%1\u00A0» sur la page.")
                    .arg(ToQString(source->Hint)));
        });
    }
    row->addStretch(1);
    tabs->addTab(page, ToQString(sheet.Caption));
}

void MainWindow::addHostTab(QTabWidget* tabs) {
    auto* page = new QWidget(tabs);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    for (const TTypeComposant& type : catalogue_.Types()) {
        if (type.indexPalette >= 0 || !type.cree)
            continue;
        auto* tool = new QToolButton(page);
        tool->setIcon(hostIcon(type.nom == "Grille"));
        tool->setIconSize(QSize(32, 32));
        tool->setToolTip(ToQString(type.nom));
        tool->setAutoRaise(true);
        tool->setCheckable(true);
        tool->setObjectName(ToQString("palette_" + type.nom));
        row->addWidget(tool);
        tools_->addButton(tool);
        const int numero = type.numero;
        connect(tool, &QToolButton::toggled, this, [this, numero](bool on) {
            if (!on) {
                view_->SetTool(nullptr);
                return;
            }
            view_->SetTool(
                [this, numero](TCadre* cadre) { return catalogue_.Cree(numero, cadre); });
        });
    }
    row->addStretch(1);
    tabs->addTab(page, QStringLiteral("Feuille"));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1 || event->modifiers() != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (TComposant* selection = session_.Selection())
        selection->Aide();
    else
        AideFiche("index");
}

// ---- state shown ----

void MainWindow::refreshTitle() {
    const QString name = session_.Path().empty() ? QStringLiteral("Sans titre")
                                                 : QFileInfo(ToQString(session_.Path())).fileName();
    setWindowTitle(QStringLiteral("%1%2 – Vorlane").arg(name, session_.Modified() ? "*" : ""));
}

void MainWindow::refreshActions() {
    const bool selected = session_.Selection() != nullptr;
    cut_->setEnabled(selected);
    copy_->setEnabled(selected);
    delete_->setEnabled(selected);
    paste_->setEnabled(session_.CanPaste());
}

void MainWindow::showSelection(TComposant* composant) {
    propDock_->Montre(composant);
    if (TPropFormWidget* window = propDock_->Courante()) {
        window->OnChange = [this] {
            session_.Committed(QStringLiteral("le changement de propriété"));
            documentChanged();
        };
    }
    const QString page =
        QStringLiteral("Page %1 / %2").arg(session_.Page() + 1).arg(session_.Document().NbPages());
    status_->setText(composant != nullptr ? page + QStringLiteral(" – ") +
                                                ToQString(composant->NomType + " «\u00A0" +
                                                          composant->Nom() + "\u00A0»")
                                          : page);
    refreshActions();
}

void MainWindow::showWarnings(const QStringList& avertissements) {
    if (avertissements == warnings_)
        return;
    warnings_ = avertissements;
    cadres_->setVisible(!avertissements.isEmpty());
    cadres_->setText(avertissements.size() == 1
                         ? QStringLiteral("⚠ 1 avertissement")
                         : QStringLiteral("⚠ %1 avertissements").arg(avertissements.size()));
    cadres_->setToolTip(avertissements.join('\n'));
    QMenu* list = cadres_->menu();
    list->clear();
    for (const QString& avertissement : avertissements)
        list->addAction(avertissement)->setToolTip(avertissement);
}

// A copy of the last page's setup, shown.
void MainWindow::addPage() {
    TDocument& document = session_.Document();
    document.AjoutePage(document.Page(document.NbPages() - 1));
    session_.Committed(QStringLiteral("l'ajout d'une page"));
    showPage(document.NbPages() - 1);
    documentChanged();
}

// The header of the page shown: components already placed stay where they are, and those it
// now covers are named among the frame warnings.
void MainWindow::editPage() {
    TDocument& document = session_.Document();
    TPlanche& page = document.Page(session_.Page());
    TProprietesPage dialog(page, session_.Page() + 1, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Applique(page))
        return;
    document.Cadre(session_.Page()).Rect = page.ZoneUtile();
    session_.Committed(QStringLiteral("les propriétés de la page"));
    documentChanged();
}

void MainWindow::documentChanged() {
    view_->update();
    refreshTitle();
    refreshActions();
}

// ---- files ----

void MainWindow::newDocument() {
    if (!ConfirmClose())
        return;
    session_.New();
}

MainWindow::OpenResult MainWindow::OpenDocument(const std::string& path) {
    std::string message;
    std::vector<std::string> skipped;
    if (!session_.Open(path, message, skipped)) {
        ui_.MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
        return OpenResult::Failed;
    }
    if (!skipped.empty()) {
        std::string text = "Certains composants de «\u00A0" + path +
                           "\u00A0» n'ont pas pu être lus et ont été ignorés\u00A0:\n";
        for (const std::string& s : skipped)
            text += "• " + s + "\n";
        ui_.MessageBox(text, "Ouverture", MB_OK | MB_ICONWARNING);
    }
    // What the reader noticed without losing anything (bytes after the end of the document).
    std::string remarques;
    for (const std::string& w : session_.Document().Avertissements())
        remarques += "• " + w + "\n";
    if (!remarques.empty())
        ui_.MessageBox("Le document a été lu en entier, avec ces remarques\u00A0:\n" + remarques,
                       "Ouverture", MB_OK | MB_ICONWARNING);
    rememberRecent(path);
    return skipped.empty() ? OpenResult::Complete : OpenResult::Partial;
}

void MainWindow::openDocument() {
    if (!ConfirmClose())
        return;
    std::string path = session_.Path();
    if (ui_.OpenFileName("Ouvrir une feuille", kFilter, path))
        OpenDocument(path);
}

bool MainWindow::save() {
    if (session_.Path().empty())
        return saveAs();
    std::string message;
    if (!session_.Save(message)) {
        ui_.MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
        return false;
    }
    rememberRecent(session_.Path());
    refreshTitle();
    return true;
}

bool MainWindow::saveAs() {
    std::string path = session_.Path().empty() ? "feuille.vld" : session_.Path();
    if (!ui_.SaveFileName("Enregistrer la feuille", kFilter, path))
        return false;
    if (QFileInfo(ToQString(path)).suffix().isEmpty())
        path += ".vld";
    std::string message;
    if (!session_.SaveAs(path, message)) {
        ui_.MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
        return false;
    }
    rememberRecent(path);
    refreshTitle();
    return true;
}

// The pages go through staged files that never replace the open document: all or nothing.
bool MainWindow::ExportPdf(const std::string& path, std::string& message) {
    const TDocument& document = session_.Document();
    StagedFiles outputs;
    if (!session_.Path().empty())
        outputs.ProtectInput(session_.Path());
    TQtPageWriter writer(path, document.Page(0).Taille, 150, &outputs);
    for (const int mode : {MODE_EPREUVE, MODE_CORRIGE}) {
        for (int page = 0; page < document.NbPages(); ++page) {
            TCanvas& canvas = writer.BeginPage(document.Page(page).Taille);
            document.DessinePage(canvas, page, mode, true);
            if (!writer.EndPage()) {
                writer.Finish(message); // says why: a target refused, a write error
                return false;
            }
        }
    }
    return writer.Finish(message) && outputs.Commit(message);
}

void MainWindow::exportPdf() {
    std::string path =
        session_.Path().empty()
            ? "feuille.pdf"
            : QFileInfo(ToQString(session_.Path()))
                  .dir()
                  .filePath(QFileInfo(ToQString(session_.Path())).completeBaseName() + ".pdf")
                  .toStdString();
    if (!ui_.SaveFileName("Exporter en PDF", "Documents PDF (*.pdf)", path))
        return;
    if (QFileInfo(ToQString(path)).suffix().isEmpty())
        path += ".pdf";
    std::string message;
    if (!ExportPdf(path, message))
        ui_.MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
}

namespace {
const char* const kSheetFilter = "Feuilles texte (*.txt);;Tous les fichiers (*)";
}

// A sheet text becomes a new document; a refused sheet leaves the open one as it was.
void MainWindow::importSheet() {
    if (!ConfirmClose())
        return;
    std::string path;
    if (!ui_.OpenFileName("Importer une feuille", kSheetFilter, path))
        return;
    std::string text;
    std::string message;
    if (!ReadInputFile(path, text, message) || !session_.Import(text, path, message)) {
        ui_.MessageBox("La feuille n'a pas été importée\u00A0:\n" + message, "ERREUR",
                       MB_OK | MB_ICONERROR);
        return;
    }
    documentChanged();
}

// A ready-made sheet, chosen in its dialog, becomes a new document as an imported sheet does.
void MainWindow::newFromModel() {
    ChoixModeleModele choix(ListModels(ModelsFolder()));
    if (choix.Lignes().empty()) {
        ui_.MessageBox("Aucune feuille toute faite dans " + ModelsFolder(), "ERREUR",
                       MB_OK | MB_ICONERROR);
        return;
    }
    if (ui_.ShowModal(ChoixModeleModele::Nom, choix) != mrOk || choix.Choisi() == nullptr ||
        !ConfirmClose())
        return;
    const SheetModel modele = *choix.Choisi();
    std::string text;
    std::string message;
    if (!ReadInputFile(modele.path, text, message) ||
        !session_.Import(text, "modele:" + modele.name, message)) {
        ui_.MessageBox("Le modèle n'a pas été ouvert\u00A0:\n" + message, "ERREUR",
                       MB_OK | MB_ICONERROR);
        return;
    }
    documentChanged();
}

void MainWindow::exportSheet() {
    const QFileInfo document(ToQString(session_.Path()));
    std::string path =
        session_.Path().empty()
            ? "feuille.txt"
            : document.dir().filePath(document.completeBaseName() + ".txt").toStdString();
    if (!ui_.SaveFileName("Exporter en feuille texte", kSheetFilter, path))
        return;
    std::string message;
    if (!WriteSheetFile(ExportSheet(session_.Document()), path, session_.Path(), message))
        ui_.MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
}

void MainWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true); // page coordinates from the paper's corner, as the document's
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The version shown, or the test version while editing.
    const int mode = session_.Mode() == MODE_EDITION ? MODE_EPREUVE : session_.Mode();
    QPainter painter;
    if (!painter.begin(&printer)) {
        ui_.MessageBox("L'impression n'a pas pu commencer.", "ERREUR", MB_OK | MB_ICONERROR);
        return;
    }
    const double scale = printer.resolution() / 254.0;
    const TDocument& document = session_.Document();
    for (int page = 0; page < document.NbPages(); ++page) {
        if (page > 0)
            printer.newPage();
        TQtCanvas canvas(painter, scale);
        document.DessinePage(canvas, page, mode, true);
    }
    painter.end();
}

bool MainWindow::ConfirmClose() {
    if (!session_.Modified())
        return true;
    const std::string name = session_.Path().empty()
                                 ? "Sans titre"
                                 : QFileInfo(ToQString(session_.Path())).fileName().toStdString();
    switch (ui_.MessageBox("Enregistrer les modifications de «\u00A0" + name + "\u00A0»\u00A0?",
                           "CONFIRMATION", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

// ---- layout ----

void MainWindow::ResetLayout() {
    auto* dock = findChild<QDockWidget*>(QStringLiteral("dockProprietes"));
    dock->setFloating(false);
    restoreState(defaultLayout_);
    dock->show();
}

void MainWindow::saveLayout() const {
    if (FichIni().empty())
        return;
    TIniFile ini(FichIni());
    ini.WriteString(kLayoutSection, "Fenetre", saveGeometry().toBase64().toStdString());
    ini.WriteString(kLayoutSection, "Barres", saveState().toBase64().toStdString());
    ini.UpdateFile();
}

void MainWindow::restoreLayout() {
    if (FichIni().empty())
        return;
    const TIniFile ini(FichIni());
    const auto read = [&ini](const char* key) {
        return QByteArray::fromBase64(
            QByteArray::fromStdString(ini.ReadString(kLayoutSection, key, "")));
    };
    if (const QByteArray geometry = read("Fenetre"); !geometry.isEmpty())
        restoreGeometry(geometry);
    if (const QByteArray bars = read("Barres"); !bars.isEmpty() && !restoreState(bars))
        restoreState(defaultLayout_);
}

void MainWindow::rememberRecent(const std::string& path) {
    if (FichIni().empty())
        return;
    TIniFile ini(FichIni());
    std::vector<std::string> recent{path};
    for (int i = 1; i <= kRecentCount; ++i) {
        const std::string entry = ini.ReadString(kRecentSection, std::to_string(i), "");
        if (!entry.empty() && entry != path && int(recent.size()) < kRecentCount)
            recent.push_back(entry);
    }
    for (int i = 0; i < kRecentCount; ++i)
        ini.WriteString(kRecentSection, std::to_string(i + 1),
                        i < int(recent.size()) ? recent[std::size_t(i)] : "");
    ini.UpdateFile();
    refreshRecent();
}

void MainWindow::refreshRecent() {
    recentMenu_->clear();
    if (FichIni().empty())
        return;
    const TIniFile ini(FichIni());
    for (int i = 1; i <= kRecentCount; ++i) {
        const std::string entry = ini.ReadString(kRecentSection, std::to_string(i), "");
        if (entry.empty())
            continue;
        recentMenu_->addAction(ToQString(entry), this, [this, entry] {
            if (ConfirmClose())
                OpenDocument(entry);
        });
    }
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

// ---- edit ----

void MainWindow::cut() {
    session_.Copy();
    remove();
}

void MainWindow::copy() {
    session_.Copy();
    refreshActions();
}

void MainWindow::paste() {
    if (TComposant* pasted = session_.Paste()) {
        showSelection(pasted);
        documentChanged();
    }
}

void MainWindow::remove() {
    propDock_->DetachAll();
    session_.DeleteSelection();
    documentChanged();
}

// The docked window of the selection, shown and brought forward.
void MainWindow::showProperties() {
    auto* dock = findChild<QDockWidget*>(QStringLiteral("dockProprietes"));
    dock->show();
    dock->raise();
    if (TPropFormWidget* window = propDock_->Courante())
        window->setFocus();
}

// What a double-click on the selection does: its kind's editor.
void MainWindow::editSelection() {
    TComposant* selection = session_.Selection();
    if (selection == nullptr)
        return;
    const vlRect r = selection->Rect.Normalise();
    if (selection->DblClk(0, {(r.left + r.right) / 2, (r.top + r.bottom) / 2})) {
        session_.Committed();
        showSelection(selection);
        documentChanged();
    }
}

void MainWindow::duplicate() {
    if (TComposant* copy = session_.Duplicate()) {
        showSelection(copy);
        documentChanged();
    }
}

void MainWindow::changePlan(bool premier) {
    session_.ChangePlan(premier);
    documentChanged();
}

void MainWindow::showPage(int page) {
    session_.SetPage(page);
    session_.Select(nullptr);
    showSelection(nullptr);
    view_->update();
}

void MainWindow::setMode(int mode) {
    session_.SetMode(mode);
    view_->update();
}
