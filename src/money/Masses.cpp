#include "money/Masses.h"

#include "host/Services.h"
#include "money/MassesCles.h"
#include "platform/Random.h"

namespace {

constexpr const char* kNomsImages[4] = {"M_GG", "M_5G", "M_2G", "M_1G"};
constexpr const char* kLibelles[TvlMasses::kSansLibelle] = {"1 kg", "500 g", "200 g", "100 g",
                                                            "50 g", "20 g",  "10 g"};
constexpr const char* kMessageSomme = "La somme doit être comprise entre 0 et 18 880 g";

} // namespace

TvlMasses::TvlMasses(TCadre* cadre) : FamilleMonnaie(cadre, "Masses marquées", NUMERO, VERSION) {
    bloc_.NbMasses[Random() % 10] = 1;
    PrepareLegende(2);
    Installe();
}

TableCles TvlMasses::Cles() const {
    return kClesMasses;
}

void TvlMasses::RestaureStandardNonApplique() {
    FamilleMonnaie::RestaureStandardNonApplique();
    bloc_.Police.Copie(GlobalFonte());
}

void TvlMasses::AppliqueOptions() {
    FamilleMonnaie::AppliqueOptions();
    bloc_.Police.Restaure(police_);
}

void TvlMasses::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineCollection(canvas);
    DessineLegende(canvas, mode);
}

std::optional<bool> TvlMasses::ChangeOptionPropre(int index, const std::string& valeur,
                                                  std::string& message) {
    if (const std::optional<bool> fait = ChangeCollection(index, valeur, message))
        return fait;
    if (index == CleMasses::SommeMasses)
        return ChangeSommeEntiere(valeur, kMessageSomme, message);
    return std::nullopt;
}

vlSize TvlMasses::TailleArticle(int index) const {
    return {TailleMasse[index][0] * bloc_.ZoomMasses / 100,
            TailleMasse[index][1] * bloc_.ZoomMasses / 100};
}

std::string TvlMasses::NomImage(int slot) const {
    return kNomsImages[slot];
}

void TvlMasses::DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                                const std::vector<vlRect>& rects, bool cache) {
    // The labels' font at this canvas's resolution, centred on the point given, no background.
    police_.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Police.Restaure(police_);
    TFont libelles = police_;
    libelles.Height = -(bloc_.Police.Taille * 254 / 72);
    canvas.Font = libelles;
    canvas.SetTextAlign(TA_CENTER | TA_TOP);
    canvas.SetBkMode(TRANSPARENT);
    for (std::size_t k = 0; k < rects.size(); ++k) {
        const vlRect& r = rects[k];
        const int index = articles[k].index;
        if (cache) {
            canvas.Rectangle(r.left, r.top, r.right, r.bottom);
            continue;
        }
        if (const TPicture& image = Image(ImageDe(index)); !image.Empty()) {
            canvas.StretchDraw(r, image);
        } else {
            AffecteBrush(canvas, brosse_, bsClear, clWhite);
            AffectePen(canvas, stylo_, psSolid, clBlack, 1);
            canvas.Rectangle(r.left, r.top, r.right, r.bottom);
        }
        if (bloc_.MontrerTexte != 0 && index < kSansLibelle)
            canvas.TextOut((r.left + r.right) / 2, (7 * r.top + 5 * r.bottom) / 12,
                           kLibelles[index]);
    }
}

std::vector<std::string> TvlMasses::Description() const {
    std::vector<std::string> lignes = FamilleMonnaie::Description();
    AjouteReglages(lignes, {CleMasses::Fonte, CleMasses::Mode, CleMasses::ZoomMasses,
                            CleMasses::IntervalleMasses, CleMasses::MontrerTexte});
    return lignes;
}
