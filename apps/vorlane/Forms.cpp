#include "Forms.h"

#include "host/Services.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/CogitoModele.h"
#include "operation/Operation.h"
#include "operation/forms/TChoixOp2.h"
#include "operation/forms/TCogito.h"
#include "operation/forms/TOperProp.h"
#include "package/OperationConfig.h"
#include "package/forms/TOperationConfig.h"
#include "pictures/Camembert.h"
#include "pictures/De.h"
#include "pictures/Eprouvette.h"
#include "pictures/Montre.h"
#include "pictures/Thermometre.h"
#include "pictures/forms/TCamembertProp.h"
#include "pictures/forms/TDeProp.h"
#include "pictures/forms/TEprouvetteProp.h"
#include "pictures/forms/TMontreProp.h"
#include "pictures/forms/TThermometreProp.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuDiaImages.h"
#include "sudoku/forms/TSudokuDiaGenere.h"
#include "sudoku/forms/TSudokuDiaImages.h"
#include "sudoku/forms/TSudokuProp.h"

// Each form adds its registration here.
void RegisterForms(TQtUserInterface& ui, TPropDockWidget& dock) {
    ui.RegisterForm("OperationConfig", &TOperationConfig::Cree,
                    [] { return std::make_unique<TOperationConfigModel>(); });
    ui.RegisterForm("Cogito", &TCogito::Cree, [] { return CogitoModele::Exemple(); });
    ui.RegisterForm("ChoixOp2", &TChoixOp2::Cree, [] {
        // Three additions of two numbers, one of three.
        TTableOperandes table;
        for (TLigneOperandes& ligne : table)
            ligne.fill(-1.0);
        table[0] = {125, 48, -1, -1, -1};
        table[1] = {307, 259, -1, -1, -1};
        table[2] = {12.5, 7.25, 30, -1, -1};
        TDefinitionOperandes definition = DefinitionStandard();
        definition.ValeurMin = 100;
        definition.ValeurMax = 999;
        return std::make_unique<ChoixOp2Modele>(table, definition, "Additions");
    });
    dock.RegisterPropForm("OperProp", [](TComposant& c, QWidget* parent) {
        return new TOperProp(dynamic_cast<TvlOperation&>(c), parent);
    });
    dock.RegisterPropForm("DeProp", [](TComposant& c, QWidget* parent) {
        return new TDeProp(dynamic_cast<TvlDe&>(c), parent);
    });
    dock.RegisterPropForm("CamembertProp", [](TComposant& c, QWidget* parent) {
        return new TCamembertProp(dynamic_cast<TvlCamembert&>(c), parent);
    });
    dock.RegisterPropForm("MontreProp", [](TComposant& c, QWidget* parent) {
        return new TMontreProp(dynamic_cast<TvlMontre&>(c), parent);
    });
    dock.RegisterPropForm("ThermometreProp", [](TComposant& c, QWidget* parent) {
        return new TThermometreProp(dynamic_cast<TvlThermometre&>(c), parent);
    });
    dock.RegisterPropForm("EprouvetteProp", [](TComposant& c, QWidget* parent) {
        return new TEprouvetteProp(dynamic_cast<TvlEprouvette&>(c), parent);
    });
    ui.RegisterForm(SudokuDiaGenereModele::NomFiche, &TSudokuDiaGenere::Cree, [] {
        const std::string base = PathDonnees() + "Sudoku17.dat";
        return std::make_unique<SudokuDiaGenereModele>(tg9x9, base, false, nullptr);
    });
    ui.RegisterForm(SudokuDiaImagesModele::NomFiche, &TSudokuDiaImages::Cree,
                    &TSudokuDiaImages::Exemple);
    dock.RegisterPropForm("SudokuProp", [](TComposant& c, QWidget* parent) {
        return new TSudokuProp(dynamic_cast<TvlSudoku&>(c), parent);
    });
}
