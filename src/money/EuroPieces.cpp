#include "money/EuroPieces.h"

#include "host/Conversions.h"
#include "host/Stream.h"
#include "money/EuroPiecesCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr const char* kNomsPieces[8] = {"1C", "2C", "5C", "10C", "20C", "50C", "1E", "2E"};
constexpr const char* kLibellesPieces[8] = {"1 c",  "2 c",  "5 c", "10 c",
                                            "20 c", "50 c", "1 €", "2 €"};
constexpr const char* kPrefixesAspect[3] = {"C_", "T_", "N_"};
constexpr int kSommeMax = 3880;
constexpr double kPi = 3.141592653589793;

// The decompositions of 0 to 5 cents into (1 c, 2 c, 5 c) coins.
constexpr std::array<std::int16_t, 3> kPetitesSommes[][4] = {
    {{0, 0, 0}},
    {{1, 0, 0}},
    {{2, 0, 0}, {0, 1, 0}},
    {{3, 0, 0}, {1, 1, 0}},
    {{4, 0, 0}, {2, 1, 0}, {0, 2, 0}},
    {{5, 0, 0}, {3, 1, 0}, {1, 2, 0}, {0, 0, 1}},
};
constexpr int kNbPetitesSommes[] = {1, 1, 2, 2, 3, 4};

} // namespace

TvlEuroPieces::TvlEuroPieces(TCadre* cadre)
    : FamilleMonnaie(cadre, "Euro pièces", NUMERO, VERSION) {
    for (std::int16_t& compte : bloc_.NbPieces)
        compte = std::int16_t(Random() % 3);
    graineBase_ = (Random() % 1000) / 1000.0;
    graine_ = graineBase_;
    PrepareLegende(3);
    Installe();
}

vlSize TvlEuroPieces::TailleCreation() const {
    constexpr vlSize minimum{1000, 600};
    std::vector<int> ordre = OrdreTable();
    if (bloc_.TriPieces != 1)
        std::reverse(ordre.begin(), ordre.end());
    return {minimum.cx, std::max(minimum.cy, HauteurRangees(minimum.cx, ordre))};
}

TableCles TvlEuroPieces::Cles() const {
    return kClesEuroPieces;
}

void TvlEuroPieces::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineCollection(canvas);
    DessineLegende(canvas, mode);
}

std::optional<bool> TvlEuroPieces::ChangeOptionPropre(int index, const std::string& valeur,
                                                      std::string& message) {
    if (const std::optional<bool> fait = ChangeCollection(index, valeur, message))
        return fait;
    switch (index) {
    case ClePieces::SommePieces: {
        int centimes = 0;
        if (!LitCentimes(valeur, kSommeMax, centimes)) {
            message = "La somme doit être comprise entre 0 et 38,80 €";
            return false;
        }
        Decompose(centimes);
        return true;
    }
    case ClePieces::AspectPieces:
        bloc_.AspectPieces = std::int16_t(std::clamp(EntierOuZero(valeur), 0, 2));
        RafraichitImages();
        return true;
    case ClePieces::GrainePieces:
        return changeGraines(valeur, message);
    case ClePieces::TriPieces: {
        const int tri = EntierOuZero(valeur);
        bloc_.TriPieces = std::int16_t(tri < 0 || tri > 2 ? 0 : tri);
        // The next shuffle starts where the last one ended.
        graineBase_ = graine_;
        return true;
    }
    default:
        return std::nullopt;
    }
}

namespace {

// A seed written so that it reads back to the same double.
std::string texteGraine(double graine) {
    char texte[32];
    const auto fin = std::to_chars(texte, texte + sizeof texte, graine).ptr;
    return std::string(texte, fin);
}

bool litGraine(const std::string& texte, double& graine) {
    return ParseDecimal(texte, graine) && graine >= 0 && graine < 1;
}

} // namespace

std::optional<std::string> TvlEuroPieces::TexteCle(const Cle& cle) {
    if (cle.index == ClePieces::GrainePieces)
        return texteGraine(graineBase_) + ";" + texteGraine(graine_);
    return FamilleMonnaie::TexteCle(cle);
}

bool TvlEuroPieces::changeGraines(const std::string& valeur, std::string& message) {
    const auto point = valeur.find(';');
    double base = 0;
    double courante = 0;
    if (point == std::string::npos || !litGraine(valeur.substr(0, point), base) ||
        !litGraine(valeur.substr(point + 1), courante)) {
        message = "«\u00A0GrainePieces\u00A0» attend deux nombres de 0 à 1 exclu, séparés par "
                  "«\u00A0;\u00A0»";
        return false;
    }
    graineBase_ = base;
    graine_ = courante;
    return true;
}

bool TvlEuroPieces::ReorganiseSomme() {
    const int total = Somme();
    if (total > 10)
        return FamilleMonnaie::ReorganiseSomme();
    std::fill(std::begin(bloc_.NbPieces), std::end(bloc_.NbPieces), std::int16_t(0));
    MiniSomme(total, bloc_.NbPieces);
    RafraichitImages();
    return true;
}

void TvlEuroPieces::MiniSomme(int somme, std::int16_t* comptes) {
    if (somme < 0 || somme > 10)
        return;
    if (somme > 5) {
        MiniSomme(5, comptes);
        MiniSomme(somme - 5, comptes);
        return;
    }
    const int n = kNbPetitesSommes[somme];
    const std::array<std::int16_t, 3>& choix = kPetitesSommes[somme][n > 1 ? Random() % n : 0];
    for (std::size_t i = 0; i < choix.size(); ++i)
        comptes[i] = std::int16_t(comptes[i] + choix[i]);
}

std::string TvlEuroPieces::ValeurSomme() const {
    const int centimes = Somme();
    return std::to_string(centimes / 100) + (centimes % 100 < 10 ? ",0" : ",") +
           std::to_string(centimes % 100);
}

int TvlEuroPieces::Alea(int n) {
    // Five multiplications rather than pow, so that every machine draws the same sequence.
    const double s = graine_ + kPi;
    const double puissance = s * s * s * s * s;
    graine_ = puissance - std::floor(puissance);
    return int(n * graine_);
}

vlSize TvlEuroPieces::TailleArticle(int index) const {
    const int d = TaillesPieces[index] * bloc_.ZoomPieces / 1000;
    return {d, d};
}

std::vector<int> TvlEuroPieces::OrdreArticles() {
    std::vector<int> ordre;
    for (int k = 0; k < 8; ++k) {
        const int index = bloc_.TriPieces == 0 ? 7 - k : k;
        ordre.insert(ordre.end(), std::size_t(std::max<int>(bloc_.NbPieces[index], 0)), index);
    }
    if (bloc_.TriPieces == 2) {
        graine_ = graineBase_;
        const int n = int(ordre.size());
        for (int k = 0; k < n; ++k)
            std::swap(ordre[std::size_t(k)], ordre[std::size_t(Alea(n))]);
    }
    return ordre;
}

std::string TvlEuroPieces::NomImage(int slot) const {
    return std::string(kPrefixesAspect[std::clamp<int>(bloc_.AspectPieces, 0, 2)]) +
           kNomsPieces[slot];
}

void TvlEuroPieces::DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                                    const std::vector<vlRect>& rects, bool cache) {
    const bool entourer = bloc_.Entourer != 0;
    AffecteBrush(canvas, brosse_, entourer && !cache ? bsClear : bsSolid, clWhite);
    AffectePen(canvas, stylo_, psSolid, clBlack, 1);
    for (std::size_t k = 0; k < rects.size(); ++k) {
        const vlRect& r = rects[k];
        const TPicture& image = Image(articles[k].index);
        if (!cache && !image.Empty())
            canvas.StretchDraw(r, image);
        // Hidden, circled, or its picture missing: the coin's outline.
        if (cache || entourer || image.Empty())
            canvas.Ellipse(r.left, r.top, r.right, r.bottom);
    }
}

void TvlEuroPieces::ChargeOptions(TStream& s, bool& ok) {
    if (Version == 1) {
        Version = 2;
        std::uint8_t ancien[28] = {};
        if (ok && !ReadBuffer(s, ancien, sizeof ancien))
            ok = false;
        if (ok) {
            // The same offsets but for the aspect, one byte that meant black and white.
            PiecesOptions lu;
            auto* octets = reinterpret_cast<std::uint8_t*>(&lu);
            std::memcpy(octets, ancien, offsetof(PiecesOptions, AspectPieces));
            lu.AspectPieces = ancien[20] != 0 ? 2 : 0;
            std::memcpy(octets + offsetof(PiecesOptions, TriPieces), ancien + 22, 5);
            bloc_ = lu;
        }
    } else if (Version == 2 || Version == VERSION) {
        TComposant::ChargeOptions(s, ok);
    } else {
        ok = false;
    }
    if (ok)
        Borne();
    else
        RestaureStandard();
}

bool TvlEuroPieces::SauveDonnees(TStream& s) {
    return WriteDouble(s, graineBase_) && WriteDouble(s, graine_);
}

bool TvlEuroPieces::ChargeDonnees(TStream& s) {
    double base = 0;
    double courante = 0;
    if (!ReadDouble(s, base) || !ReadDouble(s, courante))
        return false;
    // A seed out of its range restarts the shuffle from 0.
    graineBase_ = std::isfinite(base) && base >= 0 && base < 1 ? base : 0;
    graine_ = std::isfinite(courante) ? courante - std::floor(courante) : graineBase_;
    return true;
}

std::vector<std::string> TvlEuroPieces::Description() const {
    std::vector<std::string> lignes = FamilleMonnaie::Description();
    AjouteReglages(lignes,
                   {ClePieces::Mode, ClePieces::ZoomPieces, ClePieces::AspectPieces,
                    ClePieces::TriPieces, ClePieces::IntervallePieces, ClePieces::Entourer});
    if (bloc_.TriPieces == 2) {
        TvlEuroPieces copie(*this);
        std::string ordre;
        for (const int index : copie.OrdreArticles())
            ordre += (ordre.empty() ? "" : ", ") + std::string(kLibellesPieces[index]);
        lignes.push_back("Ordre = " + ordre);
    }
    return lignes;
}
