// The host's text block: paragraphs in one font, aligned left, centred, right or justified, with
// bold and italic runs ("**gras**", "*italique*"), wrapped in the frame. Lines that do not fit
// are left out and counted in the frame warning, never drawn outside.
#pragma once

#include "host/Cle.h"
#include "host/Composant.h"
#include "host/Fonte.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The text block's keys after the frame keys, in index order.
namespace ClesTexte {
enum : int {
    Fonte = ClesCadre::Fin,
    Alignement,
    Texte,
    Paragraphes,
    Effacer,
};
} // namespace ClesTexte

class TTexte : public TComposant {
public:
    static constexpr std::int32_t NUMERO = 202;
    static constexpr std::int16_t VERSION = 1;
    static constexpr std::int32_t MAX_PARAGRAPHES = 1000;
    static constexpr int MAX_CARACTERES = 10000; // a paragraph's

    // Saved settings, written as their memory image.
    struct TOptions {
        std::int32_t StylePinceau = psClear;
        std::int32_t CouleurPinceau = clBlack;
        std::int32_t TaillePinceau = 1;
        std::int32_t StyleBrosse = bsClear;
        std::int32_t CouleurBrosse = clWhite;
        std::int32_t Alignement = 0; // 0 left, 1 centred, 2 right, 3 justified
        Fonte Police;
    };

    // The key table, in index order (ClesTexte).
    static TableCles Table();
    static const std::vector<std::string>& Cles();

    explicit TTexte(TCadre* cadre);
    TTexte(const TTexte& other) = default;

    std::unique_ptr<TComposant> Copie() const override;
    std::string NomProp() const override { return "TexteProp"; }
    void* Options(int& taille) override;
    // "Texte" adds paragraphs, "Paragraphes" replaces them all, "Effacer" removes them.
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override;
    std::vector<TCleValeur> ReglagesFeuille() override;
    // One "Texte" line a paragraph.
    std::vector<TCleValeur> ExerciceFeuille() override;
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    bool Sauve(TStream& s) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    vlSize TailleCreation() const override { return {1200, 300}; }
    std::string AvertissementCadre() const override;
    // The frame, font and alignment are the block's preferred options.
    void EnregistreOptions() override;
    void RestaureDefaut() override;
    void RestaureStandard() override;

    const TOptions& Reglages() const { return opts_; }
    const std::vector<std::string>& ListeParagraphes() const { return paragraphes_; }

private:
    static TOptions Usine();
    bool ajoute(const std::string& valeur, std::string& message);
    bool changeChamp(const Cle& cle, const std::string& valeur, std::string& message);
    void appliqueCadre();

    TOptions opts_;
    std::vector<std::string> paragraphes_;
    int lignesPerdues_ = 0;
};

static_assert(sizeof(TTexte::TOptions) == 72);
static_assert(offsetof(TTexte::TOptions, Alignement) == 20);
static_assert(offsetof(TTexte::TOptions, Police) == 24);
