// The host's list: records of named fields, each field a text or a picture, and a current
// record. Bound components read the current record and are told when it moves.
#pragma once

#include "host/Composant.h"
#include "host/Fonte.h"
#include "platform/Picture.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TListe : public TComposant {
public:
    static constexpr std::int32_t NUMERO = 201;
    static constexpr std::int16_t VERSION = 1;

    // Saved settings, written as their memory image.
    struct TOptions {
        Fonte Police;
    };

    struct TChamp {
        std::string nom;
        bool image = false;
        bool operator==(const TChamp&) const = default;
    };

    explicit TListe(TCadre* cadre);
    TListe(const TListe& other);

    // The keys in index order.
    static const std::vector<std::string>& Cles();

    std::unique_ptr<TComposant> Copie() const override;
    std::string NomProp() const override { return "ListeProp"; }
    void* Options(int& taille) override;
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override;
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Its receivers read its records; it always prints itself.
    bool AfficheAilleurs() const override { return false; }
    bool Sauve(TStream& s) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    vlSize TailleCreation() const override;

    // What bound components read.
    bool PossedeChamp(const std::string& nom, bool image) const;
    int NbEnregistrements() const { return int(enregistrements_.size()); }
    // The current record, 0-based; -1 when the list is empty.
    int Courant() const { return courant_; }
    // "" when the field is not a text field or the record does not exist.
    std::string Texte(const std::string& champ, int enregistrement) const;
    // Null when the field is not a picture field, the record does not exist or holds none.
    const TPicture* Image(const std::string& champ, int enregistrement) const;

    const std::vector<TChamp>& Champs() const { return champs_; }
    // The font; then the fields, the records' texts and the current record. Pictures have no
    // text form: a picture field's values are left empty.
    std::vector<TCleValeur> ReglagesFeuille() override;
    std::vector<TCleValeur> ExerciceFeuille() override;
    const TOptions& Reglages() const { return opts_; }

private:
    // One value per field: the text of a text field, the picture of a picture field.
    struct Valeur {
        std::string texte;
        TPicture image;
    };
    using Enregistrement = std::vector<Valeur>;

    bool changeChamps(const std::string& valeur, std::string& message);
    bool ajoute(const std::string& valeur, std::string& message);
    bool commande(const std::string& valeur, std::string& message);
    bool position(const std::string& valeur, std::string& message);
    // Tells every receiver the record moved, with the key and value that moved it.
    void notifie(const std::string& valeur, const std::string& nom);
    int indexChamp(const std::string& nom) const;
    void dessineListe(TCanvas& canvas);

    TOptions opts_;
    std::vector<TChamp> champs_;
    std::vector<Enregistrement> enregistrements_;
    int courant_ = -1;
};

static_assert(sizeof(TListe::TOptions) == 48);
static_assert(offsetof(TListe::TOptions, Police) == 0);
