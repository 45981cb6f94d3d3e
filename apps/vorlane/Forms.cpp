#include "Forms.h"

#include "chart/GrapheEdit2Modele.h"
#include "chart/forms/GrapheDialogues.h"
#include "chart/forms/TGrapheDialogues.h"
#include "chart/forms/TGrapheEdit2.h"
#include "dots/GenSeries.h"
#include "dots/RelierEditLogique.h"
#include "dots/forms/TGenSeries.h"
#include "dots/forms/TRelierEdit.h"
#include "fraction/FractionEdit2Logique.h"
#include "fraction/forms/TFractionEdit2.h"
#include "host/Services.h"
#include "host/Texte.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "host/forms/TTexteProp.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/CogitoModele.h"
#include "operation/forms/TChoixOp2.h"
#include "operation/forms/TCogito.h"
#include "package/OperationConfig.h"
#include "package/forms/FenetresPaquet.h"
#include "package/forms/TOperationConfig.h"
#include "sheet/ChoixModele.h"
#include "sheet/forms/TChoixModele.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuDiaImages.h"
#include "sudoku/forms/TSudokuDiaGenere.h"
#include "sudoku/forms/TSudokuDiaImages.h"

// Each dialog adds its registration here; the kinds' property windows have their own table.
void RegisterForms(TQtUserInterface& ui, TPropDockWidget& dock) {
    EnregistreFenetresPaquet(dock);
    ui.RegisterForm("OperationConfig", &TOperationConfig::Cree,
                    [] { return std::make_unique<TOperationConfigModel>(); });
    ui.RegisterForm("Cogito", &TCogito::Cree, [] { return CogitoModele::Exemple(); });
    ui.RegisterForm(ChoixModeleModele::Nom, &TChoixModele::Cree,
                    [] { return std::make_unique<ChoixModeleModele>(ListModels(ModelsFolder())); });
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
    dock.RegisterPropForm("TexteProp", [](TComposant& c, QWidget* parent) {
        return new TTexteProp(dynamic_cast<TTexte&>(c), parent);
    });
    ui.RegisterForm("GrapheEdit2", &TGrapheEdit2::Cree, [] {
        // Temperatures of a week, a line of points with their days, and an empty second series.
        auto modele = std::make_unique<GrapheEdit2Modele>();
        SerieEdition semaine;
        semaine.titre = "Matin";
        semaine.type = 0;
        semaine.styleMarques = 0;
        const char* jours[] = {"lundi", "mardi", "mercredi", "jeudi", "vendredi"};
        const char* degres[] = {"12", "14,5", "11", "9", "13"};
        for (int i = 0; i < 5; ++i)
            semaine.points.push_back(
                {jours[i], std::to_string(i + 1), degres[i], EditionGraphe::CouleurColonne(i + 1)});
        modele->series.push_back(semaine);
        SerieEdition soir;
        soir.titre = "Soir";
        soir.points.resize(5);
        modele->series.push_back(soir);
        modele->titre = {"Températures de la semaine"};
        modele->titreY = "degrés";
        modele->titreX = "jour";
        return modele;
    });
    ui.RegisterForm(ModeleAleatoire::Nom, &TGrapheAleatoire::Cree,
                    [] { return std::make_unique<ModeleAleatoire>(); });
    ui.RegisterForm(ModeleSuite::Nom, &TGrapheSuites::Cree,
                    [] { return std::make_unique<ModeleSuite>(); });
    ui.RegisterForm(ModeleTaille::Nom, &TGrapheTaille::Cree, [] {
        auto modele = std::make_unique<ModeleTaille>();
        modele->colonnes = 5;
        return modele;
    });
    ui.RegisterForm(ModeleImport::Nom, &TGrapheImport::Cree, [] {
        auto modele = std::make_unique<ModeleImport>();
        modele->grilles = {{"Grille1", 101}, {"Notes", 102}};
        modele->lien.Source[2] = 102;
        modele->lien.Colonne[2] = 1;
        modele->lien.Numero[2] = 1;
        return modele;
    });
    ui.RegisterForm(ModeleOrdre::Nom, &TGrapheOrdre::Cree, [] {
        auto modele = std::make_unique<ModeleOrdre>();
        modele->noms = {"Matin", "Midi", "Soir"};
        modele->visibles = {true, false, true};
        return modele;
    });
    ui.RegisterForm(SudokuDiaGenereModele::NomFiche, &TSudokuDiaGenere::Cree, [] {
        const std::string base = PathDonnees() + "Sudoku17.dat";
        return std::make_unique<SudokuDiaGenereModele>(tg9x9, base, false, nullptr);
    });
    ui.RegisterForm(SudokuDiaImagesModele::NomFiche, &TSudokuDiaImages::Cree,
                    &TSudokuDiaImages::Exemple);
    ui.RegisterForm("FractionEdit2", &TFractionEdit2::Cree, [] {
        // Two additions, 1/4 + 1/6 and 2/4 + 1/4, then eight drawn lines.
        FractionDonnees donnees;
        donnees.A = {1, 2, 3, 5, 1, 7, 2, 9, 4, 1};
        donnees.B = {4, 4, 5, 6, 3, 8, 9, 10, 7, 2};
        donnees.C = {1, 1, 2, 1, 1, 3, 5, 1, 2, 1};
        donnees.D = {6, 4, 5, 6, 2, 8, 9, 10, 7, 3};
        return std::make_unique<FractionEdit2Modele>(donnees, FR_ADDITION, "Fraction1");
    });
    ui.RegisterForm("RelierEdit", &TRelierEdit::Cree, [] {
        // Four points of a square, their labels in the grid, one unplaced row.
        JeuPoints jeu;
        jeu.Points = {{0.2, 0.2, "1+1", "2"},
                      {0.8, 0.2, "2+1", "3"},
                      {0.8, 0.8, "2+2", "4"},
                      {0.2, 0.8, "4+1", "5"},
                      {-1, -1, "3+3", "6"}};
        jeu.PasX = jeu.PasY = 5;
        return std::make_unique<RelierEditLogique>(jeu, 96, 96);
    });
    ui.RegisterForm("GenSeries", &TGenSeries::Cree, [] {
        JeuPoints jeu;
        jeu.Formule = "a : b";
        jeu.Variables = {{"a", "b*r", "", 0, 0, COMPORTEMENT_PASSAGE, 0, 0},
                         {"b", "", "", 10, 1, COMPORTEMENT_ALEATOIRE, 0, 0},
                         {"r", "", "", 10, 2, COMPORTEMENT_ALEATOIRE, 0, 0}};
        return std::make_unique<GenSeries>(jeu, 10);
    });
}
