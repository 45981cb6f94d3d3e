// The component kinds a document can hold: how to make each from its name or kind number, and
// its key table. The package adds its kinds; the host its grid and list.
#pragma once

#include "host/Cle.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCadre;
class TComposant;
class TFormModel;

// A key only sheets have, with what it takes in words.
struct CleFeuille {
    std::string nom;
    std::string valeurs;
    bool operator==(const std::string& autre) const { return nom == autre; }
};

struct TTypeComposant {
    std::string nom;       // kind name (palette caption), also the sheet section name
    int numero = 0;        // kind number stored in documents
    int indexPalette = -1; // palette index, -1 for the host's own kinds
    std::string pageAide;  // help page (without ".md"), opened for the kind number; "": none
    std::function<std::unique_ptr<TComposant>(TCadre*)> cree; // empty: not available yet
    std::vector<std::string> cles;                            // key names in index order
    TableCles table; // the package's kinds: their key table, with the values each key takes
    // Keys that only sheets have (a dialog's work done from a sheet, e.g. the operand rows),
    // and what applies one: true when taken, false with a message when refused.
    std::vector<CleFeuille> clesFeuille;
    std::function<bool(TComposant&, const std::string& cle, const std::string& valeur,
                       std::string& message)>
        appliqueCleFeuille;
    // Run once the component is made for its section, before its keys. Empty: nothing.
    std::function<void(TComposant&)> debuteFeuille;
    // Run as soon as the component's own section ends: the last check of what its lines built
    // together; false with a message when it cannot be printed as asked. Empty: no check.
    std::function<bool(TComposant&, std::string& message)> termineFeuille;
    // Run once every section of the sheet is built: what the keys left waiting for components
    // made further down; false with a message when refused. Empty: nothing waits.
    std::function<bool(TComposant&, std::string& message)> finitFeuille;
    // A modal window the kind opens while a sheet builds it (the operations' progress window),
    // by its name, and how it plays without a screen: the model's work run to its end, its
    // progress (done, total) told, what it posts run through the last argument; the modal
    // result. Empty name: none.
    std::string fenetreFeuille;
    std::function<int(TFormModel&, const std::function<void(int fait, int total)>& progression,
                      const std::function<void()>& traitePostes)>
        joueFenetreFeuille;
};

class TCatalogue {
public:
    void Ajoute(TTypeComposant type);
    const TTypeComposant* TrouveNom(const std::string& nom) const;
    const TTypeComposant* TrouveNumero(int numero) const;
    const std::vector<TTypeComposant>& Types() const { return types_; }
    // A new component of the kind, or null when the kind is unknown or not available.
    std::unique_ptr<TComposant> Cree(int numero, TCadre* cadre) const;

private:
    std::vector<TTypeComposant> types_;
};

// The catalogue with the host's own kinds ("Grille", "Liste", "Texte").
TCatalogue CatalogueHote();
