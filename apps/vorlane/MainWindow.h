// The editor's main window: the palette, the page view, the docked property window, the
// display-mode switch and the file, edit, view, options and help commands.
#pragma once

#include "EditorSession.h"
#include "host/Palette.h"

#include <QByteArray>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class PageView;
class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class TCatalogue;
class TPropDockWidget;
class TQtUserInterface;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(const TCatalogue& catalogue, TQtUserInterface& ui);
    ~MainWindow() override;

    EditorSession& Session() { return session_; }
    PageView& View() { return *view_; }
    TPropDockWidget& PropDock() { return *propDock_; }
    const TPageControl& Palette() const { return palette_; }
    QTabWidget& PaletteTabs() { return *paletteTabs_; }

    enum class OpenResult { Failed, Partial, Complete };
    // Opens a document, reporting problems in message boxes: Partial when components could not
    // be read and were left out.
    OpenResult OpenDocument(const std::string& path);
    // Exports the test then the corrected version to a PDF.
    bool ExportPdf(const std::string& path, std::string& message);
    // Asks to save unsaved changes; false when the user cancels.
    bool ConfirmClose();
    // The palette, the version bar and the property window back where they start (Affichage ›
    // Rétablir la disposition). The layout left on closing is kept for the next run.
    void ResetLayout();
    // The right-click menu of a component, which becomes the selection: the host's entries
    // (Propriétés, Éditer…, Dupliquer, Supprimer, Premier plan, Arrière-plan) around the kind's
    // own, each action named after its entry ("miDupliquer").
    std::unique_ptr<QMenu> MenuComposant(TComposant& composant);

protected:
    void closeEvent(QCloseEvent* event) override;
    // F1 outside the forms (which open their own page): the page of the selected component's
    // kind, else the contents.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The menu bar; with MenuComposant, in MainWindowMenus.cpp.
    void buildMenus();
    void buildHelpMenu();
    void buildPalette();
    void buildPaletteTab(const TTabSheet& sheet, QTabWidget* tabs);
    void addHostTab(QTabWidget* tabs);
    void refreshTitle();
    void refreshActions();
    void showSelection(TComposant* composant);
    void showWarnings(const QStringList& avertissements);
    void documentChanged();
    void addPage();
    void editPage();
    void rememberRecent(const std::string& path);
    void refreshRecent();
    void saveLayout() const;
    void restoreLayout();

    void newDocument();
    void openDocument();
    bool save();
    bool saveAs();
    void exportPdf();
    void importSheet();
    void newFromModel();
    void exportSheet();
    void print();
    void cut();
    void copy();
    void paste();
    void remove();
    void showProperties();
    void editSelection();
    void duplicate();
    void changePlan(bool premier);
    void setMode(int mode);
    void showPage(int page);

    const TCatalogue& catalogue_;
    TQtUserInterface& ui_;
    EditorSession session_;
    TPageControl palette_;
    PageView* view_;
    TPropDockWidget* propDock_;
    QTabWidget* paletteTabs_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QActionGroup* modes_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* delete_ = nullptr;
    QLabel* status_ = nullptr;
    QToolButton* cadres_ = nullptr;
    QStringList warnings_;
    QByteArray defaultLayout_;
};
