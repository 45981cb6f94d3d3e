// Marked masses of a pair of scales, 1 kg to 1 g, drawn at real size in rows, the larger ones
// with their label.
#pragma once

#include "host/Fonte.h"
#include "money/FamilleMonnaie.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The masses' saved settings.
struct MassesOptions {
    Fonte Police; // the labels
    std::int16_t Mode = 0;
    std::int16_t NbMasses[10] = {}; // mass-table order, 1 kg first
    std::int16_t IntervalleMasses = 1;
    std::uint8_t MontrerTexte = 1;
    std::uint8_t Reserve = 0;
    std::int16_t ZoomMasses = 100;
};
static_assert(sizeof(MassesOptions) == 76);
static_assert(offsetof(MassesOptions, Police) == 0);
static_assert(offsetof(MassesOptions, Mode) == 48);
static_assert(offsetof(MassesOptions, NbMasses) == 50);
static_assert(offsetof(MassesOptions, IntervalleMasses) == 70);
static_assert(offsetof(MassesOptions, MontrerTexte) == 72);
static_assert(offsetof(MassesOptions, Reserve) == 73);
static_assert(offsetof(MassesOptions, ZoomMasses) == 74);

class TvlMasses : public FamilleMonnaie<TvlMasses, MassesOptions, 10> {
public:
    static constexpr int NUMERO = 98;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;

    // Width and height of each mass in tenths of a millimetre at zoom 100, mass-table order.
    static constexpr int TailleMasse[10][2] = {{430, 650}, {310, 510}, {250, 390}, {210, 330},
                                               {160, 240}, {120, 160}, {90, 120},  {60, 90},
                                               {60, 60},   {60, 45}};
    static constexpr std::array<int, 10> kValeurs = {1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
    // Masses from this index on are too small for a label.
    static constexpr int kSansLibelle = 7;

    explicit TvlMasses(TCadre* cadre);
    TvlMasses(const TvlMasses&) = default;

    TableCles Cles() const override;
    vlSize TailleCreation() const override { return {800, 700}; }
    std::string NomProp() const override { return "MassesProp"; }
    std::vector<std::string> Description() const override;
    // The factory settings, labels in the host's global font.
    void RestaureStandardNonApplique() override;
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    const TFont& PoliceLibelles() const { return police_; }

    void GenereMasses() { RafraichitImages(); }
    void GenereMasses(int grammes) { Decompose(grammes); }
    void ChoixHasardMasses(int n) { ChoixHasard(n); }

    // The family's parts.
    static constexpr int kRetrait = 10;
    static constexpr int kMinimum = 11;
    static constexpr int kCleComptes = 7;
    static constexpr int kCleHasard = 10;
    static constexpr int kCleReorganise = 12;
    static constexpr int kEssais = 5;
    static constexpr int kNbImages = 4;
    static constexpr int kAspectInitial = 0;
    static constexpr const char* kArticle = "masse marquée";
    static constexpr const char* kArticles = "masses marquées";
    std::span<std::int16_t, 10> ComptesBloc() { return bloc_.NbMasses; }
    std::span<const std::int16_t, 10> ComptesBloc() const { return bloc_.NbMasses; }
    int ModeBloc() const { return bloc_.Mode; }
    int IntervalleBloc() const { return bloc_.IntervalleMasses; }
    bool AligneADroite() const { return false; }
    vlSize TailleArticle(int index) const;
    std::vector<int> OrdreArticles() const { return OrdreTable(); }
    // The four pictures: one for 1 kg to 10 g, then 5 g, 2 g and 1 g.
    int ImageDe(int index) const { return index <= 6 ? 0 : index - 6; }
    std::string NomImage(int slot) const;
    int Aspect() const { return 0; }
    std::string TexteSomme(int somme) const { return Milliers(somme) + " g"; }
    void DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                         const std::vector<vlRect>& rects, bool cache);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void AppliqueOptions() override;

private:
    TFont police_;
};
