// The chart data editor's five dialogs: random numbers, sequences, grid size, import links and
// series order. Each shows its model's settings and writes them back on OK.
#pragma once

#include "chart/forms/GrapheDialogues.h"
#include "host/forms/ModelDialog.h"
#include "host/forms/OwnedForm.h"

#include <QWidget>

#include <array>

class QListWidgetItem;
namespace Forms::Ui {
class TGrapheAleatoire;
class TGrapheSuites;
class TGrapheTaille;
class TGrapheImport;
class TGrapheLien;
class TGrapheOrdre;
} // namespace Forms::Ui

class TGrapheAleatoire
    : public TModelDialog<TGrapheAleatoire, ModeleAleatoire, Forms::Ui::TGrapheAleatoire> {
    Q_OBJECT
public:
    explicit TGrapheAleatoire(ModeleAleatoire& modele, QWidget* parent = nullptr);
public slots:
    void btOkClick();
};

class TGrapheSuites : public TModelDialog<TGrapheSuites, ModeleSuite, Forms::Ui::TGrapheSuites> {
    Q_OBJECT
public:
    explicit TGrapheSuites(ModeleSuite& modele, QWidget* parent = nullptr);
public slots:
    void btOkClick();
};

class TGrapheTaille : public TModelDialog<TGrapheTaille, ModeleTaille, Forms::Ui::TGrapheTaille> {
    Q_OBJECT
public:
    explicit TGrapheTaille(ModeleTaille& modele, QWidget* parent = nullptr);
public slots:
    void btOkClick();
};

// One link of the import dialog: the source grid, row or column, its number and range.
class TGrapheLien : public QWidget {
    Q_OBJECT
public:
    TGrapheLien(const ModeleImport& modele, int attribut, QWidget* parent = nullptr);
    void Ecrit(LienImport& lien) const;

private:
    const OwnedForm<Forms::Ui::TGrapheLien> ui;
    int attribut_;
};

class TGrapheImport : public TModelDialog<TGrapheImport, ModeleImport, Forms::Ui::TGrapheImport> {
    Q_OBJECT
public:
    explicit TGrapheImport(ModeleImport& modele, QWidget* parent = nullptr);
public slots:
    void btOkClick();

private:
    std::array<TGrapheLien*, 4> pages_{};
};

class TGrapheOrdre : public TModelDialog<TGrapheOrdre, ModeleOrdre, Forms::Ui::TGrapheOrdre> {
    Q_OBJECT
public:
    explicit TGrapheOrdre(ModeleOrdre& modele, QWidget* parent = nullptr);
public slots:
    // Moves the chosen series one place up (-1) or down (+1).
    void Deplace(int sens);
    void btOkClick();
};
