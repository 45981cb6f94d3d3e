// The page properties dialog: the header's title, name line and score box, the ruling, and how
// the instructions are numbered.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class TPlanche;

class TProprietesPage : public QDialog {
    Q_OBJECT
public:
    TProprietesPage(const TPlanche& page, int numero, QWidget* parent = nullptr);

    // Writes the dialog's choices into the page; false when nothing changed.
    bool Applique(TPlanche& page) const;

    QLineEdit* edTitre;
    QCheckBox* cbEntete;
    QSpinBox* edNote;
    QComboBox* cbReglure; // item index = TPlanche::TypeReglure
    QComboBox* cbNumeroter;
};
