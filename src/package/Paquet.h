// The package's kinds: the table made from the list of kinds (package/Genres.def), from which
// the factory, the palette, the catalogue (and so `mathsheet kinds`, the sheet reader and the
// help) are all driven.
#pragma once

#include "host/Catalogue.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TCadre;
class TComposant;
class TFormModel;

// What a sheet does that the kind's dialogs do in the editor: keys only sheets have, how one
// applies, and the checks run when the section ends and when the whole sheet is built (see
// TTypeComposant). Null members: the kind has none.
struct CrochetsFeuille {
    const std::vector<CleFeuille>& (*cles)() = nullptr;
    bool (*applique)(TComposant&, const std::string& cle, const std::string& valeur,
                     std::string& message) = nullptr;
    void (*debute)(TComposant&) = nullptr;
    bool (*termine)(TComposant&, std::string& message) = nullptr;
    bool (*finit)(TComposant&, std::string& message) = nullptr;
    const char* fenetre = nullptr; // with how it plays without a screen
    int (*joue)(TFormModel&, const std::function<void(int fait, int total)>& progression,
                const std::function<void()>& traitePostes) = nullptr;
};

// One kind of the palette. Its palette index is its position in the table plus one. The
// property window is not here: the package's logic holds no Qt, so the forms make their table
// of windows from the same list (package/forms/FenetresPaquet.h).
struct TypePaquet {
    const char* nom;    // palette caption and sheet section name, as the component names itself
    int numero;         // kind number in documents, also the kind's help topic
    const char* glyphe; // palette glyph: data/palette/<glyphe>.png
    const char* aide;   // help page: data/help/<aide>.md
    std::unique_ptr<TComposant> (*cree)(TCadre*);
    TableCles cles;
    CrochetsFeuille feuille = {};
};

// The kinds, in palette order.
std::span<const TypePaquet> TypesPaquet();

// The host's kinds followed by the package's, in palette order.
TCatalogue CataloguePaquet();
