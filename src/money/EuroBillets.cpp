#include "money/EuroBillets.h"

#include "money/EuroBilletsCles.h"
#include "platform/Random.h"

namespace {

constexpr const char* kNomsBillets[7] = {"500", "200", "100", "50", "20", "10", "5"};
constexpr const char* kMessageSomme = "La somme doit être comprise entre 0 et 8850 €";

} // namespace

TvlEuroBillets::TvlEuroBillets(TCadre* cadre)
    : FamilleMonnaie(cadre, "Euro billets", NUMERO, VERSION) {
    bloc_.NbBillets[Random() % 7] = 1;
    PrepareLegende(2);
    Installe();
}

TableCles TvlEuroBillets::Cles() const {
    return kClesEuroBillets;
}

vlSize TvlEuroBillets::TailleCreation() const {
    int premier = 0;
    while (premier < 6 && bloc_.NbBillets[premier] == 0)
        ++premier;
    const vlSize billet = TailleArticle(bloc_.NbBillets[premier] == 0 ? 0 : premier);
    return {billet.cx + kRetrait, billet.cy + kRetrait + HauteurLegende()};
}

void TvlEuroBillets::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineCollection(canvas);
    DessineLegende(canvas, mode);
}

std::optional<bool> TvlEuroBillets::ChangeOptionPropre(int index, const std::string& valeur,
                                                       std::string& message) {
    if (const std::optional<bool> fait = ChangeCollection(index, valeur, message))
        return fait;
    if (index == CleBillets::SommeBillets)
        return ChangeSommeEntiere(valeur, kMessageSomme, message);
    return std::nullopt;
}

vlSize TvlEuroBillets::TailleArticle(int index) const {
    return {TailleBillets[index][0] * bloc_.ZoomBillets * 7 / 100,
            TailleBillets[index][1] * bloc_.ZoomBillets * 7 / 100};
}

std::vector<int> TvlEuroBillets::OrdreArticles() const {
    return OrdreTable();
}

std::string TvlEuroBillets::NomImage(int slot) const {
    const std::string face = bloc_.RectoVerso != 0 ? "R_" : "V_";
    return (bloc_.NoirEtBlanc != 0 ? "N" : "") + face + kNomsBillets[slot];
}

void TvlEuroBillets::DessineArticles(TCanvas& canvas, const std::vector<Article>& articles,
                                     const std::vector<vlRect>& rects, bool cache) {
    AffecteBrush(canvas, brosse_, bsSolid, clWhite);
    AffectePen(canvas, stylo_, psSolid, clBlack, 1);
    for (std::size_t k = 0; k < rects.size(); ++k) {
        const vlRect& r = rects[k];
        if (cache) {
            canvas.Rectangle(r.left, r.top, r.right, r.bottom);
            continue;
        }
        if (const TPicture& image = Image(articles[k].index); !image.Empty())
            canvas.StretchDraw(r, image);
        canvas.MoveTo(r.left, r.top);
        canvas.LineTo(r.right - 1, r.top);
        canvas.LineTo(r.right - 1, r.bottom);
        canvas.LineTo(r.left, r.bottom);
        canvas.LineTo(r.left, r.top);
    }
}

std::vector<std::string> TvlEuroBillets::Description() const {
    std::vector<std::string> lignes = FamilleMonnaie::Description();
    AjouteReglages(lignes,
                   {CleBillets::Mode, CleBillets::IntervalleBillets, CleBillets::NoirEtBlanc,
                    CleBillets::RectoVerso, CleBillets::ZoomBillets, CleBillets::AligneDroite});
    return lignes;
}
