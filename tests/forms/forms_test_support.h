// A QApplication on the offscreen platform for the form tests (no display needed), the controls
// of a window found by their names, as a window keeps its generated form private, and what the
// picture kinds' window tests share.
#pragma once

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/PictureTest.h"
#include "platform/Random.h"
#include "platform/UserInterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

class QtWidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "forms_test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr)
            app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

inline const ::testing::Environment* const kQtWidgetsEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtWidgetsEnvironment);

// The control of `fenetre` named `nom`; the test stops when the window has none of that type.
template <class T> T* Ctl(const QObject& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(QString::fromLatin1(nom));
    if (controle == nullptr)
        throw std::runtime_error(std::string("pas de contrôle ") + nom);
    return controle;
}

// Brings forward the pages holding a control.
inline void MontrePage(QWidget* controle) {
    for (QWidget* w = controle; w->parentWidget() != nullptr; w = w->parentWidget())
        if (auto* pages = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
            pages->setCurrentWidget(w);
}

// The pictures' scratch document and ini file, a test user-interface service, and a seed for
// the components that draw at creation.
class PicturePropTest : public PictureTest {
protected:
    PicturePropTest() : scoped_(ui_) { SeedRandom(11); }
    TTestUi ui_;
    TScopedUi scoped_;
};

// A component made by the factory and its property window, shown.
template <class Kind, class Window> class PropWindowTest : public PicturePropTest {
protected:
    explicit PropWindowTest(const char* type) : composant_(Nouveau<Kind>(type)) {
        window_.FormCreate();
        window_.show();
    }
    template <class T> T* C(const char* nom) const { return Ctl<T>(window_, nom); }

    // Clicks a button on whichever page it is, near its left edge: a wide check box only takes
    // clicks on its box and caption.
    void Clique(const char* nom) {
        auto* bouton = C<QAbstractButton>(nom);
        MontrePage(bouton);
        QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(10, bouton->width() / 2), bouton->height() / 2));
    }
    // Replaces an edit's text by typing, on whichever page it is, then presses Enter.
    void Tape(const char* nom, const QString& texte) {
        auto* edit = C<QLineEdit>(nom);
        MontrePage(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, texte);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    Kind& composant_;
    Window window_{composant_};
};
