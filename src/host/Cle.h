// A kind's option keys as one table. Each row names a key as sheets, the ini file and the
// property window spell it, says how its value is read and checked, which field of the options
// block it sets, whether the ini file keeps it, and what a change redoes. Parsing, the ini
// section, `mathsheet keys` and the property windows' bindings all read the same rows.
//
// A new key whose value the document keeps needs a field of the record, and older documents
// must keep reading as they were written:
// - The options block keeps its size: the new field takes spare bytes (a `Remplissage` or
//   `Dummy` run), and the kind's record version (`VERSION`) goes up in the same change. A spare
//   byte never gains a meaning without a new version: older records hold whatever was there,
//   and a range check on load would refuse them whole.
// - Loading branches on the record version: an older record is read in its own layout and the
//   new field given what the older program did, not merely the factory value, as
//   `TvlBoulier::ChargeOptions` converts version 1. Saving always writes the newest version; a
//   version the program does not know is refused rather than misread.
// - tests/data/ keeps a document of every document format version; they must keep loading
//   whole, and a row reading the older record goes beside the kind's record tests.
#pragma once

#include "host/Fonte.h"
#include "host/IntField.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// How a key's value is read.
enum class Lecture : std::uint8_t {
    Geometrie, // "Gauche", "Haut", "Largeur", "Hauteur": centimetres, checked against the frame
    Entier,    // an integer from min to max
    Drapeau,   // 0 or 1
    Libre,     // a flag read from integer text: not 0 is true, bad text reads as 0, never refused
    Couleur,   // a colour value, 0 to 0xFFFFFF
    Fonte,     // the text form of a font
    Texte,     // text the kind reads itself
    Action,    // the key runs when received; its value is ignored
};

// What a change does once the value is stored (the live pens, brushes and fonts always follow).
enum class Refait : std::uint8_t {
    Rien,     // nothing more: the next drawing shows it
    Exercice, // a new exercise, unless the kind holds automatic regeneration back
};

// Whether the ini file keeps the key as the kind's preferred option, and the value read when the
// file lacks it.
enum class Ini : std::uint8_t {
    Non,    // never kept
    Usine,  // kept; a missing entry leaves the factory value
    Valeur, // kept; a missing entry reads as the row's `defaut`
};

// A field of an options block, of whichever type the key sets.
struct ChampCle {
    IntField entier;
    Fonte* fonte = nullptr;
};

using AccesChamp = ChampCle (*)(void* bloc);

struct Cle {
    int index = 0; // the kind's enumerator, which must equal the row's position
    std::string_view nom;
    Lecture lecture = Lecture::Texte;
    int min = 0;
    int max = 0;
    AccesChamp champ = nullptr; // null: the key sets no block field of its own
    Refait refait = Refait::Rien;
    Ini ini = Ini::Non;
    int defaut = 0;
    // What the key takes, in words, for a key the kind reads itself (empty: said by `lecture`).
    std::string_view valeurs = {};
    // A key components send each other (a list telling its receivers it moved), not one a
    // teacher writes: `mathsheet keys` leaves it out.
    bool interne = false;
};

using TableCles = std::span<const Cle>;

namespace detail {
template <class T> struct MembreDe;
template <class B, class T> struct MembreDe<T B::*> { using Bloc = B; };
} // namespace detail

// The accessor of a block member, or of element `i` of a member array:
// `Champ<&DeOptions::Valeur1>`, `Champ<&MontreOptions::StylePinceau, MontreOptions::HEURE>`.
template <auto Membre, int I = -1> ChampCle Champ(void* bloc) {
    using Bloc = typename detail::MembreDe<decltype(Membre)>::Bloc;
    auto& membre = static_cast<Bloc*>(bloc)->*Membre;
    if constexpr (I >= 0) {
        return ChampCle{IntField(membre[I]), nullptr};
    } else if constexpr (std::is_same_v<std::remove_cvref_t<decltype(membre)>, Fonte>) {
        return ChampCle{IntField(), &membre};
    } else {
        return ChampCle{IntField(membre), nullptr};
    }
}

// Row makers, so that a table reads one key a line.
constexpr Cle CleGeometrie(int index, std::string_view nom) {
    return {index, nom, Lecture::Geometrie};
}
constexpr Cle CleEntier(int index, std::string_view nom, AccesChamp champ, int min, int max,
                        Ini ini = Ini::Usine, Refait refait = Refait::Rien, int defaut = 0) {
    return {index, nom, Lecture::Entier, min, max, champ, refait, ini, defaut};
}
constexpr Cle CleDrapeau(int index, std::string_view nom, AccesChamp champ, Ini ini = Ini::Usine,
                         Refait refait = Refait::Rien, int defaut = 0) {
    return {index, nom, Lecture::Drapeau, 0, 1, champ, refait, ini, defaut};
}
constexpr Cle CleCouleur(int index, std::string_view nom, AccesChamp champ, Ini ini = Ini::Usine,
                         int defaut = 0) {
    return {index, nom, Lecture::Couleur, 0, 0xFFFFFF, champ, Refait::Rien, ini, defaut};
}
constexpr Cle CleFonte(int index, std::string_view nom, AccesChamp champ, Ini ini = Ini::Usine) {
    return {index, nom, Lecture::Fonte, 0, 0, champ, Refait::Rien, ini};
}
constexpr Cle CleLibre(int index, std::string_view nom, AccesChamp champ = nullptr,
                       Ini ini = Ini::Non, int defaut = 0) {
    return {index, nom, Lecture::Libre, 0, 1, champ, Refait::Rien, ini, defaut};
}
constexpr Cle CleTexte(int index, std::string_view nom, std::string_view valeurs = {}) {
    return {index, nom, Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non, 0, valeurs};
}
// A key only components send each other.
constexpr Cle CleInterne(int index, std::string_view nom, Lecture lecture = Lecture::Texte) {
    return {index, nom, lecture, 0, 0, nullptr, Refait::Rien, Ini::Non, 0, {}, true};
}
// What "Rediriger" takes wherever a kind has it.
inline constexpr std::string_view kValeursRediriger =
    "nom d'une grille de la page, qui montre les exercices\u00A0; vide\u00A0: le composant "
    "lui-même";
// A value the kind reads itself (a range bounded by another setting, a clamped code, a decimal
// quantity), kept in a field that a file must hold within [min, max].
constexpr Cle CleLue(int index, std::string_view nom, AccesChamp champ, int min, int max,
                     std::string_view valeurs, Ini ini = Ini::Usine) {
    return {index, nom, Lecture::Texte, min, max, champ, Refait::Rien, ini, 0, valeurs};
}
constexpr Cle CleAction(int index, std::string_view nom) {
    return {index, nom, Lecture::Action};
}

// The frame pen and background brush keys every picture kind has, with the ranges of the pen and
// brush style lists.
constexpr int kStylePinceauMax = 6; // psSolid .. psInsideFrame
constexpr int kStyleBrosseMax = 7;  // bsSolid .. bsDiagCross
constexpr int kTaillePinceauMax = 1000;

// The keys most kinds open their table with: the geometry, then the frame pen and the
// background brush. A kind's own keys follow from ClesCadre::Fin.
namespace ClesCadre {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    StylePinceauCadre,
    CouleurPinceauCadre,
    TaillePinceauCadre,
    StyleBrosseFond,
    CouleurBrosseFond,
    Fin,
};
} // namespace ClesCadre

// Those rows, over the block fields that hold the frame pen's style, colour and width and the
// background brush's style and colour.
constexpr std::array<Cle, ClesCadre::Fin>
RangsCadre(AccesChamp stylePinceau, AccesChamp couleurPinceau, AccesChamp taillePinceau,
           AccesChamp styleBrosse, AccesChamp couleurBrosse) {
    return {
        CleGeometrie(ClesCadre::Gauche, "Gauche"),
        CleGeometrie(ClesCadre::Haut, "Haut"),
        CleGeometrie(ClesCadre::Largeur, "Largeur"),
        CleGeometrie(ClesCadre::Hauteur, "Hauteur"),
        CleEntier(ClesCadre::StylePinceauCadre, "StylePinceauCadre", stylePinceau, 0,
                  kStylePinceauMax),
        CleCouleur(ClesCadre::CouleurPinceauCadre, "CouleurPinceauCadre", couleurPinceau),
        CleEntier(ClesCadre::TaillePinceauCadre, "TaillePinceauCadre", taillePinceau, 0,
                  kTaillePinceauMax),
        CleEntier(ClesCadre::StyleBrosseFond, "StyleBrosseFond", styleBrosse, 0, kStyleBrosseMax),
        CleCouleur(ClesCadre::CouleurBrosseFond, "CouleurBrosseFond", couleurBrosse)};
}

// A kind's key table, in the one form every table takes: `TableDesCles({rows...})`, one key a
// line, or `TableDesCles(RangsCadre(...), {rows...})` for a kind whose own keys follow the frame's.
// Each table is checked under it by `static_assert(TableConforme(...))`.
template <std::size_t N> constexpr std::array<Cle, N> TableDesCles(const Cle (&rangs)[N]) {
    return std::to_array(rangs);
}
template <std::size_t N>
constexpr std::array<Cle, ClesCadre::Fin + N>
TableDesCles(const std::array<Cle, ClesCadre::Fin>& cadre, const Cle (&propres)[N]) {
    std::array<Cle, ClesCadre::Fin + N> table{};
    for (std::size_t i = 0; i < cadre.size(); ++i)
        table[i] = cadre[i];
    for (std::size_t i = 0; i < N; ++i)
        table[ClesCadre::Fin + i] = propres[i];
    return table;
}

// True when every row's index is its position and the first four are the geometry keys: checked
// by a static_assert under each table.
template <std::size_t N> constexpr bool TableConforme(const std::array<Cle, N>& table) {
    constexpr std::string_view geometrie[] = {"Gauche", "Haut", "Largeur", "Hauteur"};
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].index != int(i) || table[i].nom.empty())
            return false;
        if (i < 4 && (table[i].nom != geometrie[i] || table[i].lecture != Lecture::Geometrie))
            return false;
        if (table[i].min > table[i].max)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (table[j].nom == table[i].nom)
                return false;
    }
    return N >= 4;
}

// The key's accepted values in words, for `mathsheet keys` and refusals.
std::string DecritCle(const Cle& cle);
// The row named `nom` (exact comparison), or null.
const Cle* TrouveCle(TableCles table, std::string_view nom);
