// A restless user on the real main window, drawn from a seeded generator: components of every
// kind drawn, clicked, dragged by their handles and double-clicked; random, out-of-range and
// empty text typed into the focused field; menus and a component's right-click menu, shortcuts,
// undo and redo, display modes; saves read back and reopened. Dialogs that open are poked a little,
// then answered or cancelled. VL_MONKEY_ACTIONS (default 300) and VL_MONKEY_SEED (default 1) set
// the run; each step is printed, so that the last lines of a failing run name the seed and the step
// to replay.
#include "../forms/forms_test_support.h"

#include "Forms.h"
#include "MainWindow.h"
#include "PageView.h"

#include "host/Document.h"
#include "host/Services.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "package/Paquet.h"
#include "platform/Paths.h"
#include "platform/TempFolder.h"

#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

int fromEnvironment(const char* name, int fallback) {
    return qEnvironmentVariableIsEmpty(name) ? fallback : qEnvironmentVariableIntValue(name);
}

template <class T> QList<T*> usable(const QWidget& parent) {
    QList<T*> found = parent.findChildren<T*>();
    found.removeIf([](const T* w) { return !w->isVisible() || !w->isEnabled(); });
    return found;
}

class Monkey {
public:
    Monkey(MainWindow& window, const TCatalogue& catalogue, unsigned seed)
        : window_(window), catalogue_(catalogue), random_(seed) {
        for (const TTypeComposant& type : catalogue.Types())
            if (type.cree)
                tools_ << "palette_" + (type.indexPalette >= 0 ? QString::number(type.indexPalette)
                                                               : QString::fromStdString(type.nom));
        for (QAction* action : window.menuBar()->findChildren<QAction*>())
            if (!action->isSeparator() && action->menu() == nullptr &&
                !action->text().contains(QStringLiteral("Quitter")))
                menus_.push_back(action);
        answerDialogs();
    }

    void Step(int step);

private:
    using Action = void (Monkey::*)();
    static const Action kActions[];

    void click() { QTest::mouseClick(&view(), Qt::LeftButton, {}, onComponent()); }
    void doubleClick() { QTest::mouseDClick(&view(), Qt::LeftButton, {}, onComponent()); }
    // From a corner or a side's middle of the selection, or from a point of a component.
    void dragHandle() {
        const TComposant* selected = window_.Session().Selection();
        if (selected == nullptr || pick(3) == 0)
            return dragFrom(onComponent());
        const vlRect r = selected->Rect;
        const int xs[] = {r.left, r.Centre().x, r.right};
        const int ys[] = {r.top, r.Centre().y, r.bottom};
        dragFrom(view().ToWidget({xs[pick(3)], ys[pick(3)]}));
    }
    void menu() { menus_[std::size_t(pick(int(menus_.size())))]->trigger(); }
    // The right-click menu of a component of the page, one of its entries chosen.
    void componentMenu() {
        const TDocument& document = window_.Session().Document();
        std::vector<TComposant*> onPage;
        for (int i = 0; i < document.NbComposants(); ++i)
            if (document.PageDe(i) == window_.Session().Page())
                onPage.push_back(&document.Composant(i));
        if (onPage.empty())
            return;
        const auto menu = window_.MenuComposant(*onPage[std::size_t(pick(int(onPage.size())))]);
        QList<QAction*> entries = menu->actions();
        entries.removeIf([](const QAction* a) { return a->isSeparator() || !a->isVisible(); });
        entries[pick(int(entries.size()))]->trigger();
    }
    void mode() { window_.findChild<QAction*>(QStringLiteral("mode%1").arg(pick(3)))->trigger(); }
    void undoRedo() {
        QTest::keyClick(&window_, pick(2) ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    PageView& view() { return window_.View(); }
    QPoint anywhere() { return view().ToWidget({pick(2300) - 100, pick(3200) - 100}); }

    // Inside a component of the page, or anywhere.
    QPoint onComponent() {
        const TDocument& document = window_.Session().Document();
        if (document.NbComposants() == 0 || pick(5) == 0)
            return anywhere();
        const vlRect r = document.Composant(pick(document.NbComposants())).Rect.Normalise();
        return view().ToWidget({r.left + pick(r.Width() + 1), r.top + pick(r.Height() + 1)});
    }
    void dragFrom(QPoint from) {
        const QPoint to =
            pick(4) == 0 ? anywhere() : from + QPoint(pick(301) - 150, pick(301) - 150);
        QTest::mousePress(&view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&view(), (from + to) / 2);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
    }
    // Every kind in turn first, then kinds at random; a full page loses one instead, as a
    // teacher's page holds a few dozen at most.
    void draw() {
        if (window_.Session().Document().NbComposants() >= 30) {
            QTest::mouseClick(&view(), Qt::LeftButton, {}, onComponent());
            QTest::keyClick(&window_, Qt::Key_Delete);
            return;
        }
        const int tool = drawn_ < tools_.size() ? drawn_++ : pick(int(tools_.size()));
        window_.findChild<QAbstractButton*>(tools_[tool])->click();
        dragFrom(anywhere());
    }

    QString text() {
        static const char* const samples[] = {
            "",       "0",    "-1",          "1",          "7",     "12,5", "3.25",
            "-0,001", "1e9",  "99999999999", "2147483648", "abc",   " 4 ",  "1;2;3",
            "é€ß",    "0x10", "1/2",         "*",          "100000"};
        if (pick(6) == 0)
            return QString(pick(300) + 1, QChar('0' + pick(10)));
        return QString::fromUtf8(samples[pick(int(std::size(samples)))]);
    }
    void enter(QWidget* field) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text()) { // keys that bring their text, beyond ASCII too
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
        QTest::keyClick(field, pick(3) == 0 ? Qt::Key_Tab : Qt::Key_Return);
    }
    void typeInWindow() {
        const auto fields = usable<QLineEdit>(window_.PropDock());
        if (fields.empty())
            return;
        QLineEdit* field = fields[std::size_t(pick(int(fields.size())))];
        field->setFocus();
        enter(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : field);
    }
    // A button, a box, a list or a page of the property window.
    void pokeWindow() {
        const auto controls = usable<QWidget>(window_.PropDock());
        if (controls.empty())
            return;
        QWidget* control = controls[std::size_t(pick(int(controls.size())))];
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->count() > 0)
            combo->setCurrentIndex(pick(combo->count()));
        else if (auto* tabs = qobject_cast<QTabWidget*>(control))
            tabs->setCurrentIndex(pick(tabs->count()));
        else
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
    }
    void keys() {
        static const Qt::Key keys[] = {Qt::Key_Delete, Qt::Key_Escape, Qt::Key_F1, Qt::Key_PageUp};
        QTest::keyClick(&view(), keys[pick(int(std::size(keys)))]);
    }
    // A save is read back whole, and sometimes reopened in the window.
    void saveAndReopen() {
        std::string message;
        ASSERT_TRUE(window_.Session().SaveAs(path_, message)) << message;
        TDocument read(catalogue_);
        std::vector<std::string> skipped;
        ASSERT_TRUE(read.Ouvre(path_, message, skipped)) << message;
        EXPECT_EQ(skipped, std::vector<std::string>{}) << "not read back";
        EXPECT_EQ(read.NbComposants(), window_.Session().Document().NbComposants());
        if (pick(2) == 0) {
            EXPECT_EQ(window_.OpenDocument(path_), MainWindow::OpenResult::Complete);
        }
    }

    // Each turn of any event loop: a dialog is poked, then answered or cancelled; a menu or a
    // list that dropped down closes. The poke runs on its own turn, so that a question it asks
    // is answered in the same way. A step that lasts two minutes is a hang.
    void answerDialogs() {
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (std::chrono::steady_clock::now() - started_ > std::chrono::minutes(2)) {
                std::fputs("hang\n", stderr);
                std::abort();
            }
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || poking_)
                return;
            poking_ = true;
            QTimer::singleShot(0, &closer_, [this, dialog = QPointer<QDialog>(dialog)] {
                poking_ = false;
                if (dialog != nullptr && dialog == QApplication::activeModalWidget())
                    poke(dialog);
            });
        });
        closer_.start(0);
    }
    void poke(QDialog* dialog) {
        const bool file = qobject_cast<QFileDialog*>(dialog) != nullptr ||
                          qobject_cast<QPrintDialog*>(dialog) != nullptr;
        if (file || pick(4) == 0)
            return pick(2) == 0 && !file ? dialog->accept() : dialog->reject();
        if (const auto fields = usable<QLineEdit>(*dialog); !fields.empty() && pick(2) == 0)
            return enter(fields[std::size_t(pick(int(fields.size())))]);
        const auto buttons = usable<QAbstractButton>(*dialog);
        if (!buttons.empty())
            buttons[std::size_t(pick(int(buttons.size())))]->click();
    }

    MainWindow& window_;
    const TCatalogue& catalogue_;
    std::mt19937 random_;
    QStringList tools_;
    int drawn_ = 0;
    std::vector<QAction*> menus_;
    QTimer closer_;
    bool poking_ = false;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    TempFolder folder_;
    std::string path_ = folder_.file("singe.vld");
};

// Drawing, clicking and typing come twice as often as the rest.
const Monkey::Action Monkey::kActions[] = {
    &Monkey::draw,          &Monkey::draw,        &Monkey::click,        &Monkey::click,
    &Monkey::dragHandle,    &Monkey::doubleClick, &Monkey::typeInWindow, &Monkey::typeInWindow,
    &Monkey::pokeWindow,    &Monkey::menu,        &Monkey::keys,         &Monkey::mode,
    &Monkey::saveAndReopen, &Monkey::undoRedo,    &Monkey::componentMenu};

void Monkey::Step(int step) {
    started_ = std::chrono::steady_clock::now();
    if (!window_.isActiveWindow())
        window_.activateWindow(); // after the help window, for the shortcuts
    const int kind = pick(int(std::size(kActions)));
    std::fprintf(stderr, "step %d: %d\n", step, kind);
    (this->*kActions[kind])();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Monkey, TheEditorSurvivesSeededRandomUse) {
    const int actions = fromEnvironment("VL_MONKEY_ACTIONS", 300);
    const unsigned seed = unsigned(fromEnvironment("VL_MONKEY_SEED", 1));
    std::printf("monkey: VL_MONKEY_SEED=%u VL_MONKEY_ACTIONS=%d\n", seed, actions);
    FichIni() = std::string();
    SeedRandom(seed);
    TQtUserInterface ui;
    const TScopedUi scoped(ui);
    const TCatalogue catalogue = CataloguePaquet();
    MainWindow window(catalogue, ui);
    RegisterForms(ui, window.PropDock());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Monkey monkey(window, catalogue, seed);
    for (int step = 0; step < actions && !::testing::Test::HasFatalFailure(); ++step)
        monkey.Step(step);
}

} // namespace
