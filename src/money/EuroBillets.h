// Euro banknotes, 500 euros to 5 euros, drawn in rows at seven tenths of their real size and zoom,
// recto or verso, in colour or black and white, rows on the left or on the right edge.
#pragma once

#include "money/FamilleMonnaie.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The notes' saved settings.
struct BilletsOptions {
    std::int16_t Mode = 0;
    std::int16_t NbBillets[7] = {}; // note-table order, 500 euros first
    std::uint8_t RectoVerso = 1;    // 1 the recto face
    std::uint8_t NoirEtBlanc = 0;
    std::int16_t IntervalleBillets = 1;
    std::int16_t ZoomBillets = 100;
    std::uint8_t AligneDroite = 0;
    std::uint8_t Reserve = 0;
};
static_assert(sizeof(BilletsOptions) == 24);
static_assert(offsetof(BilletsOptions, Mode) == 0);
static_assert(offsetof(BilletsOptions, NbBillets) == 2);
static_assert(offsetof(BilletsOptions, RectoVerso) == 16);
static_assert(offsetof(BilletsOptions, NoirEtBlanc) == 17);
static_assert(offsetof(BilletsOptions, IntervalleBillets) == 18);
static_assert(offsetof(BilletsOptions, ZoomBillets) == 20);
static_assert(offsetof(BilletsOptions, AligneDroite) == 22);
static_assert(offsetof(BilletsOptions, Reserve) == 23);

class TvlEuroBillets : public FamilleMonnaie<TvlEuroBillets, BilletsOptions, 7> {
public:
    static constexpr int NUMERO = 97;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;

    // Width and height of each note in millimetres, note-table order.
    static constexpr int TailleBillets[7][2] = {{160, 82}, {153, 82}, {147, 82}, {140, 77},
                                                {133, 72}, {127, 67}, {120, 62}};
    static constexpr std::array<int, 7> kValeurs = {500, 200, 100, 50, 20, 10, 5};

    explicit TvlEuroBillets(TCadre* cadre);
    TvlEuroBillets(const TvlEuroBillets&) = default;

    TableCles Cles() const override;
    // The first note with a count, as it is drawn, with the layout's margin and the line under
    // it.
    vlSize TailleCreation() const override;
    std::string NomProp() const override { return "EuroBilletsProp"; }
    std::vector<std::string> Description() const override;
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;

    void GenereBillets() { RafraichitImages(); }
    void GenereBillets(int euros) { Decompose(euros); }
    void ChoixHasardBillets(int n) { ChoixHasard(n); }

    // The family's parts.
    static constexpr int kRetrait = 10;
    static constexpr int kMinimum = 11;
    static constexpr int kCleComptes = 7;
    static constexpr int kCleHasard = 14;
    static constexpr int kCleReorganise = 13;
    static constexpr int kEssais = 1;
    static constexpr int kNbImages = 7;
    static constexpr int kAspectInitial = 1; // colour, recto
    static constexpr const char* kArticle = "billet";
    static constexpr const char* kArticles = "billets";
    std::span<std::int16_t, 7> ComptesBloc() { return bloc_.NbBillets; }
    std::span<const std::int16_t, 7> ComptesBloc() const { return bloc_.NbBillets; }
    int ModeBloc() const { return bloc_.Mode; }
    int IntervalleBloc() const { return bloc_.IntervalleBillets; }
    bool AligneADroite() const { return bloc_.AligneDroite != 0; }
    vlSize TailleArticle(int index) const;
    std::vector<int> OrdreArticles() const;
    int ImageDe(int index) const { return index; }
    std::string NomImage(int slot) const;
    int Aspect() const {
        return (bloc_.NoirEtBlanc != 0 ? 2 : 0) + (bloc_.RectoVerso != 0 ? 1 : 0);
    }
    std::string TexteSomme(int somme) const { return Milliers(somme) + " €"; }
    void DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                         const std::vector<vlRect>& rects, bool cache);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
};
