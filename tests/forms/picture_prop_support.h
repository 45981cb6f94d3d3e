// What the picture kinds' property-window tests share: the pictures' scratch document and ini
// file, a test user-interface service, and typing into the real controls.
#pragma once

#include "forms_test_support.h"
#include "pictures/PictureTest.h"
#include "platform/UserInterface.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <cstring>

class PicturePropTest : public PictureTest {
protected:
    PicturePropTest() : scoped_(ui_) {}

    // Brings the page holding a control to the front, then replaces the edit's text by typing
    // and, unless told otherwise, presses Enter.
    static void Tape(QTabWidget* pages, QLineEdit* edit, const QString& texte, bool entree = true) {
        Page(pages, edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, texte);
        if (entree)
            QTest::keyClick(edit, Qt::Key_Return);
    }

    static void Page(QTabWidget* pages, QWidget* controle) {
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(controle))
                pages->setCurrentIndex(i);
    }

    // Whether two options blocks hold the same bytes.
    template <class Bloc> static bool Memes(const Bloc& a, const Bloc& b) {
        return std::memcmp(&a, &b, sizeof(Bloc)) == 0;
    }

    TTestUi ui_;
    TScopedUi scoped_;
};
