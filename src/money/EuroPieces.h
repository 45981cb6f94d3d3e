// Euro coins, 1 cent to 2 euros, drawn at real size in rows: decreasing, increasing or shuffled.
// The shuffle follows the component's own sequence from a saved seed, so it stays the same on
// every repaint, print and reload.
#pragma once

#include "money/FamilleMonnaie.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The coins' saved settings.
struct PiecesOptions {
    std::int16_t NbPieces[8] = {}; // coin-table order, 1 cent first
    std::int16_t ZoomPieces = 100;
    std::int16_t Mode = 0;
    std::int16_t AspectPieces = 0; // 0 colour, 1 colour with outlines, 2 black and white
    std::int16_t TriPieces = 0;    // 0 decreasing, 1 increasing, 2 shuffled
    std::int16_t IntervallePieces = 1;
    std::uint8_t Entourer = 0;
    std::uint8_t Reserve[65] = {};
};
static_assert(sizeof(PiecesOptions) == 92);
static_assert(offsetof(PiecesOptions, NbPieces) == 0);
static_assert(offsetof(PiecesOptions, ZoomPieces) == 16);
static_assert(offsetof(PiecesOptions, Mode) == 18);
static_assert(offsetof(PiecesOptions, AspectPieces) == 20);
static_assert(offsetof(PiecesOptions, TriPieces) == 22);
static_assert(offsetof(PiecesOptions, IntervallePieces) == 24);
static_assert(offsetof(PiecesOptions, Entourer) == 26);
static_assert(offsetof(PiecesOptions, Reserve) == 27);

class TvlEuroPieces : public FamilleMonnaie<TvlEuroPieces, PiecesOptions, 8> {
public:
    static constexpr int NUMERO = 96;
    // Version 3 adds the line under the picture.
    static constexpr std::int16_t VERSION = 3;

    // Diameters in hundredths of a millimetre, coin-table order.
    static constexpr int TaillesPieces[8] = {1625, 1878, 2125, 1975, 2225, 2425, 2325, 2575};
    static constexpr std::array<int, 8> kValeurs = {1, 2, 5, 10, 20, 50, 100, 200};

    explicit TvlEuroPieces(TCadre* cadre);
    TvlEuroPieces(const TvlEuroPieces&) = default;

    TableCles Cles() const override;
    // Ten centimetres wide, as tall as the rows of its coins and the line under them need.
    vlSize TailleCreation() const override;
    std::string NomProp() const override { return "EuroPiecesProp"; }
    std::vector<std::string> Description() const override;
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Reads the block of a version-1 or version-2 record; the factory settings otherwise.
    void ChargeOptions(TStream& s, bool& ok) override;

    void GenereTableauPieces() { RafraichitImages(); }
    void GenereTableauPieces(int centimes) { Decompose(centimes); }
    void ChoixHasardPieces(int n) { ChoixHasard(n); }
    // The same sum with other coins; sums up to 10 cents in 1, 2 and 5 cents.
    bool ReorganiseSomme();
    // One of the decompositions of a sum of at most 10 cents into the 1, 2 and 5 cent coins,
    // drawn through the platform's generator; all zero above 10.
    static void MiniSomme(int somme, std::int16_t* comptes);
    // The component's own number in 0..n-1: the running seed plus pi, to the fifth power, its
    // fractional part, times n.
    int Alea(int n);
    // The sum as "SommePieces" reads it back: "3,45".
    std::string ValeurSomme() const;
    double GraineBase() const { return graineBase_; }
    double Graine() const { return graine_; }

    // The family's parts.
    static constexpr int kRetrait = 0;
    static constexpr int kMinimum = 10;
    static constexpr int kCleComptes = 6;
    static constexpr int kCleHasard = 11;
    static constexpr int kCleReorganise = 12;
    static constexpr int kEssais = 1;
    static constexpr int kNbImages = 8;
    static constexpr int kAspectInitial = 0;
    static constexpr const char* kArticle = "pièce";
    static constexpr const char* kArticles = "pièces";
    std::span<std::int16_t, 8> ComptesBloc() { return bloc_.NbPieces; }
    std::span<const std::int16_t, 8> ComptesBloc() const { return bloc_.NbPieces; }
    int ModeBloc() const { return bloc_.Mode; }
    int IntervalleBloc() const { return bloc_.IntervallePieces; }
    bool AligneADroite() const { return false; }
    vlSize TailleArticle(int index) const;
    // One entry per coin in the drawing order (moves the running seed when shuffled).
    std::vector<int> OrdreArticles();
    int ImageDe(int index) const { return index; }
    std::string NomImage(int slot) const;
    int Aspect() const { return bloc_.AspectPieces; }
    std::string TexteSomme(int somme) const { return Centimes(somme); }
    void DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                         const std::vector<vlRect>& rects, bool cache);

protected:
    std::optional<std::string> TexteCle(const Cle& cle) override;
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;

private:
    bool changeGraines(const std::string& valeur, std::string& message);
    double graine_ = 0;     // running seed
    double graineBase_ = 0; // where each shuffle starts
};
