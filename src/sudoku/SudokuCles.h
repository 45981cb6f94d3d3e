// The sudoku's keys, in index order.
#pragma once

#include "host/Cle.h"
#include "sudoku/Sudoku.h"

namespace CleSudoku {
using namespace ClesCadre;
enum : int {
    Fonte = ClesCadre::Fin,
    Detachable,
    Rediriger,
    Actif,
    Liste,
    EnrCde,
    EnrPos,
    DecoderFiltre,
    TypeGrille,
    Niveau,
    NbValeurs,
    CouleurCorrige,
    Affichage,
    Transparent,
    RespecterProportions,
    EffacerImages,
    CalculerGrille,
    Recherche,
    Enr,
    Transforme,
    Copier,
    Coller,
    EnrCourant,
    Thread,
    PathBdd,
    NiveauStrict,
    Cases,
};
} // namespace CleSudoku

namespace sudoku_cles {
using S = SudokuOptions;
inline constexpr auto kClesSudoku = TableDesCles(
    RangsCadre(Champ<&S::StylePinceau>, Champ<&S::CouleurPinceau>, Champ<&S::TaillePinceau>,
               Champ<&S::StyleBrosse>, Champ<&S::CouleurBrosse>),
    {
        // In hundredths of a centimetre.
        CleFonte(CleSudoku::Fonte, "Fonte", Champ<&S::Police>),
        CleLibre(CleSudoku::Detachable, "Detachable"),
        CleTexte(CleSudoku::Rediriger, "Rediriger", kValeursRediriger),
        CleLibre(CleSudoku::Actif, "Actif"),
        // The list component whose records give the pictures, and the list's own notices.
        CleTexte(CleSudoku::Liste, "Liste", "nom du composant Liste dont il montre les lignes"),
        CleInterne(CleSudoku::EnrCde, "EnrCde"),
        CleInterne(CleSudoku::EnrPos, "EnrPos"),
        CleInterne(CleSudoku::DecoderFiltre, "DecoderFiltre"),
        CleEntier(CleSudoku::TypeGrille, "TypeGrille", Champ<&S::TypeGrille>, tg9x9, tg4x4,
                  Ini::Usine, Refait::Exercice),
        CleEntier(CleSudoku::Niveau, "Niveau", Champ<&S::Niveau>, 1, 3, Ini::Usine,
                  Refait::Exercice),
        CleEntier(CleSudoku::NbValeurs, "NbValeurs", Champ<&S::NbValeurs>, 0, 81, Ini::Usine,
                  Refait::Exercice),
        CleCouleur(CleSudoku::CouleurCorrige, "CouleurCorrigé", Champ<&S::CouleurCorrige>),
        CleEntier(CleSudoku::Affichage, "SudokuAffichage", Champ<&S::Affichage>, 0, 32767),
        CleDrapeau(CleSudoku::Transparent, "Transparent", Champ<&S::Transparent>),
        CleDrapeau(CleSudoku::RespecterProportions, "RespecterProportions",
                   Champ<&S::RespecterProportions>),
        CleAction(CleSudoku::EffacerImages, "EffacerImages"),
        CleAction(CleSudoku::CalculerGrille, "CalculerGrille"),
        // The filter of the record to look for, 13 digits.
        CleTexte(CleSudoku::Recherche, "Sudoku_Recherche",
                 "filtre de recherche dans la base de grilles"),
        // 0 first, 1 previous, 2 next, 3 last matching record.
        CleEntier(CleSudoku::Enr, "Sudoku_Enr", nullptr, 0, 3, Ini::Non),
        CleAction(CleSudoku::Transforme, "Sudoku_Transforme"),
        CleAction(CleSudoku::Copier, "Copier"),
        CleAction(CleSudoku::Coller, "Coller"),
        // Any record of a base, however large: a saved index must read back.
        CleEntier(CleSudoku::EnrCourant, "SudokuEnrCourant", Champ<&S::EnrCourant>, 0, INT32_MAX,
                  Ini::Non),
        // Opens the puzzle search; not 0 ticks its save box.
        CleLibre(CleSudoku::Thread, "SudokuThread"),
        CleTexte(CleSudoku::PathBdd, "PathBdd",
                 "chemin de la base de grilles, 259 caractères au plus"),
        // 1: draws again until the rating shows the level; on for new components.
        CleDrapeau(CleSudoku::NiveauStrict, "NiveauStrict", Champ<&S::NiveauStrict>, Ini::Usine,
                   Refait::Exercice),
        // The puzzle itself, so that a sheet gives back a grid as it was drawn.
        Cle{CleSudoku::Cases, "Cases", Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non, 0,
            "81 cases ligne par ligne\u00A0: 1 à 9 donné, a à i à trouver, 0 vide, - sans valeur"},
    });
} // namespace sudoku_cles
using sudoku_cles::kClesSudoku;
static_assert(TableConforme(kClesSudoku));
