// The chart's legend: its entries, their layout in rows or columns, and their swatches.

#include "chart/engine/Legende.h"

#include "chart/engine/Drawing.h"

#include <algorithm>

namespace chart::detail {

std::vector<EntreeLegende> EntreesLegende(const Modele& m, const Serie* seule) {
    std::vector<EntreeLegende> e;
    std::vector<const Serie*> visibles;
    for (const Serie& s : m.series)
        if (s.visible)
            visibles.push_back(&s);
    if (seule == nullptr && visibles.size() == 1)
        seule = visibles.front();
    // Bars and sectors each have their colour, named by their label; a line is one thing.
    const bool libelles = seule != nullptr &&
                          (EstBarre(seule->type) || seule->type == TypeSerie::Secteurs) &&
                          std::any_of(seule->points.begin(), seule->points.end(),
                                      [](const PointSerie& p) { return !p.libelle.empty(); });
    if (libelles) {
        for (const PointSerie& p : seule->points)
            e.push_back({p.libelle, p.couleur, p.hachure});
    } else if (seule != nullptr) {
        if (!seule->titre.empty())
            e.push_back({seule->titre, CouleurSerie(*seule), seule->points.front().hachure});
    } else {
        for (const Serie* s : visibles)
            e.push_back({s->titre, CouleurSerie(*s),
                         s->points.empty() ? int(bsSolid) : s->points.front().hachure});
    }
    return e;
}

int DessineLegende(TCanvas& canvas, const Modele& m, vlRect& r, const Serie* seule) {
    const std::vector<EntreeLegende> entrees = EntreesLegende(m, seule);
    const int n = int(entrees.size());
    if (n == 0)
        return 0;
    canvas.Font = m.fonteLegende;
    const int h = canvas.TextHeight("Mg");
    int largeur = 0;
    for (const EntreeLegende& e : entrees)
        largeur = std::max(largeur, canvas.TextWidth(e.texte));
    const int colonne = h + largeur + 3 * kEcart;
    const bool enLigne = m.aligneLegende == 2 || m.aligneLegende == 3;
    const int lignesMax = h > 0 ? ((enLigne ? r.Height() / 2 : r.Height()) - 2 * kEcart) / h : 0;
    const int colonnesMax = ((enLigne ? r.Width() : r.Width() / 2) - kEcart) / colonne;
    if (lignesMax <= 0 || colonnesMax <= 0)
        return n;
    const int colonnes =
        enLigne ? std::min(colonnesMax, n) : std::min(colonnesMax, (n + lignesMax - 1) / lignesMax);
    const int lignes = std::min(lignesMax, (n + colonnes - 1) / colonnes);
    const int montrees = std::min(n, colonnes * lignes);
    const int boite = colonnes * colonne + kEcart;
    const int hauteur = lignes * h + 2 * kEcart;
    int gauche = m.aligneLegende == 0 ? r.left : r.right - boite;
    int haut = r.top + (r.Height() - hauteur) / 2;
    if (enLigne) {
        gauche = r.left + (r.Width() - boite) / 2;
        haut = m.aligneLegende == 2 ? r.top : r.bottom - hauteur;
    }
    Plein(canvas, m.couleurLegende);
    Trait(canvas, clBlack);
    canvas.Rectangle(gauche, haut, gauche + boite, haut + hauteur);
    for (int i = 0; i < montrees; ++i) {
        const int rang = enLigne ? i % colonnes : i / lignes;
        const int ligne = enLigne ? i / colonnes : i % lignes;
        const int x = gauche + rang * colonne;
        const int y = haut + kEcart + ligne * h;
        const EntreeLegende& e = entrees[std::size_t(i)];
        const auto pastille = [&] {
            canvas.Rectangle(x + kEcart, y + h / 5, x + kEcart + h * 3 / 5, y + h * 4 / 5);
        };
        Plein(canvas, e.couleur);
        pastille();
        Hachure(canvas, e.hachure, pastille);
        TexteLisible(canvas, x + 2 * kEcart + h, y, e.texte, "légende");
    }
    switch (m.aligneLegende) {
    case 0:
        r.left += boite + kEcart;
        break;
    case 2:
        r.top += hauteur + kEcart;
        break;
    case 3:
        r.bottom -= hauteur + kEcart;
        break;
    default:
        r.right -= boite + kEcart;
    }
    return n - montrees;
}

} // namespace chart::detail
