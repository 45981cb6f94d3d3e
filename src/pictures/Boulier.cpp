#include "pictures/Boulier.h"

#include "common/Setters.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "pictures/BoulierCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstring>

TvlBoulier::TvlBoulier(TCadre* cadre) : Kind(cadre, "Boulier", NUMERO, VERSION) {
    PrepareLegende(3);
    Installe();
    const long long places = static_cast<long long>(bloc_.Base) * bloc_.NbTiges;
    bloc_.ValeurBoulier = places > 0 ? std::int32_t(Random() % places + 1) : 1;
    bloc_.ValeurV1 = 0;
    std::fill(std::begin(bloc_.Reserve5), std::end(bloc_.Reserve5), 0);
}

TableCles TvlBoulier::Cles() const {
    return kClesBoulier;
}

bool TvlBoulier::DblClk(int, vlPoint) {
    return true;
}

void TvlBoulier::RestaureStandardNonApplique() {
    BoulierOptions standard;
    standard.ValeurBoulier = bloc_.ValeurBoulier;
    bloc_ = standard;
}

std::optional<bool> TvlBoulier::ChangeOptionPropre(int index, const std::string& valeur,
                                                   std::string&) {
    if (index != CleBoulier::TypeBoulier)
        return std::nullopt;
    bloc_.TypeBoulier =
        std::int16_t(std::clamp(EntierLibre(valeur), int(DROITE_GAUCHE), int(ABAQUE)));
    return true;
}

void TvlBoulier::ChargeOptions(TStream& s, bool& ok) {
    if (Version == 1) {
        Version = 2;
        std::uint8_t v1[TAILLE_V1];
        ok = ok && ReadBuffer(s, v1, sizeof v1);
        if (ok) {
            std::memcpy(static_cast<void*>(&bloc_), v1, sizeof v1);
            const BoulierOptions standard;
            bloc_.Fonctionnement = 0;
            bloc_.ColorerRangeesColonnes = 0;
            bloc_.CouleurCol1 = standard.CouleurCol1;
            bloc_.CouleurCol2 = clBlue; // not the standard yellow: version 1's own choice
            bloc_.CouleurBoulesDepl = standard.CouleurBoulesDepl;
            bloc_.ValeurBoulier = bloc_.ValeurV1;
        }
    } else if (Version == 2 || Version == VERSION) {
        if (ok)
            TComposant::ChargeOptions(s, ok);
    } else {
        ok = false;
    }
    if (!ok) {
        RestaureStandard();
        return;
    }
    bloc_.TypeBoulier = std::clamp<std::int16_t>(bloc_.TypeBoulier, DROITE_GAUCHE, ABAQUE);
    bloc_.ColorerRangeesColonnes = bloc_.ColorerRangeesColonnes != 0;
    AppliqueOptions();
}

// ---- counting ----

std::vector<int> TvlBoulier::BoulesParTige(long long valeur, int base, int nbTiges) {
    std::vector<int> k(std::size_t(std::max(nbTiges, 0)), 0);
    for (int& compte : k) {
        compte = int(std::clamp<long long>(valeur, 0, std::max(base, 0)));
        valeur -= compte;
    }
    return k;
}

std::vector<int> TvlBoulier::ChiffresParTige(long long valeur, int base, int nbTiges) {
    std::vector<int> chiffres(std::size_t(std::max(nbTiges, 0)), -1);
    if (base < 2)
        return chiffres;
    for (auto it = chiffres.rbegin(); it != chiffres.rend() && valeur > 0; ++it) {
        *it = int(valeur % base);
        valeur /= base;
    }
    return chiffres;
}

// ---- drawing ----

void TvlBoulier::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineImage(canvas, mode);
    DessineLegende(canvas, mode);
}

std::optional<CibleImage> TvlBoulier::Cible() const {
    return CibleImage{TexteNombre(ValeurMontree()), "Représente %s", bloc_.Mode == MODE_CORRIGE};
}

void TvlBoulier::DessineImage(TCanvas& canvas, int mode) {
    AffecteCadre(canvas, *this);
    const BoulierOptions& o = bloc_;
    const bool cache = !ContenuVisible(o.Mode, mode);
    const bool abaque = o.TypeBoulier == ABAQUE;
    if (o.Fonctionnement == 0) {
        const TColor rangees[3] = {o.CouleurRangee1, o.CouleurRangee2, o.CouleurRangee3};
        const int base = cache ? 0 : o.Base;
        if (abaque)
            DessineAbaque(canvas, o.NbTiges, o.ValeurBoulier, rangees, base);
        else
            DessineBoulier(canvas, o.NbTiges, horizontal(), o.ValeurBoulier, rangees,
                           compteesAuDebut(), base);
    } else if (o.Fonctionnement == 1) {
        // The moving frame follows the version on show; the moving abacus shows its beads
        // in every version.
        if (abaque)
            DessineAbaqueV2Deplace(canvas);
        else
            DessineBoulierV2Deplace(canvas, !ContenuVisible(o.Mode, ModeVisu()));
    } else if (abaque) {
        DessineAbaqueV2Colorie(canvas, cache);
    } else {
        DessineBoulierV2Colorie(canvas, cache);
    }
    // The beads borrowed the component's brush: give it back the block's settings.
    AppliqueOptions();
}

vlRect TvlBoulier::DessineBordure(TCanvas& canvas, vlRect r, int b) {
    if (b < 1)
        return r;
    canvas.FillRect({r.left, r.top, r.left + b, r.bottom});
    canvas.FillRect({r.left, r.top, r.right, r.top + b});
    canvas.FillRect({r.right - b, r.top, r.right, r.bottom});
    canvas.FillRect({r.left, r.bottom - b, r.right, r.bottom});
    const vlRect interieur{r.left + b, r.top + b, r.right - b, r.bottom - b};
    const TBrush brosse = canvas.Brush;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.Rectangle(interieur.left, interieur.top, interieur.right, interieur.bottom);
    canvas.Brush = brosse;
    return interieur;
}

void TvlBoulier::DessineBoule(TCanvas& canvas, int x, int y, int d) {
    canvas.Ellipse(x - d / 2, y - d / 2, x + d / 2, y + d / 2);
}

void TvlBoulier::dessineBoule(TCanvas& canvas, vlPoint centre, int d, TColor couleur) {
    AffecteBrush(canvas, Brosse, bsSolid, couleur);
    DessineBoule(canvas, centre.x, centre.y, d);
    canvas.TagReadable({centre.x - d / 2, centre.y - d / 2, centre.x + d / 2, centre.y + d / 2},
                       "boule");
}

vlPoint TvlBoulier::Cadre::Centre(int i, bool debut, int j) const {
    const int tige = horizontal ? r.top + (i + 1) * r.Height() / (nbTiges + 1)
                                : r.left + (i + 1) * r.Width() / (nbTiges + 1);
    const int debutLong = horizontal ? r.left : r.top;
    const int finLong = horizontal ? r.right : r.bottom;
    const int long_ = debut ? debutLong + j * d + d / 2 : finLong - j * d - d / 2;
    return horizontal ? vlPoint{long_, tige} : vlPoint{tige, long_};
}

TvlBoulier::Cadre TvlBoulier::dessineCadreEtTiges(TCanvas& canvas, int nbTiges, bool horiz,
                                                  int base) {
    const vlRect r = ZoneImage();
    const int b = std::min(std::min(r.Width(), r.Height()) / 20, 30);
    Cadre cadre{DessineBordure(canvas, r, b), nbTiges, horiz};
    const vlRect& in = cadre.r;
    for (int i = 0; i < nbTiges; ++i) {
        if (horiz) {
            const int y = in.top + (i + 1) * in.Height() / (nbTiges + 1);
            canvas.MoveTo(in.left, y);
            canvas.LineTo(in.right, y);
        } else {
            const int x = in.left + (i + 1) * in.Width() / (nbTiges + 1);
            canvas.MoveTo(x, in.top);
            canvas.LineTo(x, in.bottom);
        }
    }
    if (base <= 1)
        return cadre;
    int d = (horiz ? in.Width() : in.Height()) / (base + 3);
    if (d > 1)
        d = std::min(d, (horiz ? in.Height() : in.Width()) * 9 / ((nbTiges + 1) * 10));
    cadre.d = d > 1 ? d : 0;
    return cadre;
}

void TvlBoulier::dessineGroupes(TCanvas& canvas, const Cadre& cadre, const std::vector<int>& k,
                                int base, bool versDebut, const Couleur& couleur) {
    for (int i = 0; i < cadre.nbTiges; ++i) {
        const int comptees = k[std::size_t(i)];
        for (int j = 0; j < comptees; ++j)
            dessineBoule(canvas, cadre.Centre(i, versDebut, j), cadre.d, couleur(i, versDebut, j));
        for (int j = 0; j < base - comptees; ++j)
            dessineBoule(canvas, cadre.Centre(i, !versDebut, j), cadre.d,
                         couleur(i, !versDebut, j));
    }
}

TColor TvlBoulier::couleurColonne(bool debut, int j) const {
    const int b = bloc_.Base;
    const bool premiere = debut ? j < b / 2 : b - j > b / 2;
    return premiere ? bloc_.CouleurCol1 : bloc_.CouleurCol2;
}

void TvlBoulier::DessineBoulier(TCanvas& canvas, int nbTiges, bool horiz, long long valeur,
                                const TColor (&rangees)[3], bool versDebut, int base) {
    const Cadre cadre = dessineCadreEtTiges(canvas, nbTiges, horiz, base);
    if (cadre.d == 0)
        return;
    dessineGroupes(canvas, cadre, BoulesParTige(valeur, base, nbTiges), base, versDebut,
                   [&](int i, bool, int) { return rangees[i % 3]; });
}

void TvlBoulier::DessineBoulierV2Deplace(TCanvas& canvas, bool cache) {
    const BoulierOptions& o = bloc_;
    const Cadre cadre = dessineCadreEtTiges(canvas, o.NbTiges, horizontal(), o.Base);
    if (cadre.d == 0)
        return;
    const std::vector<int> k = cache ? std::vector<int>(std::size_t(o.NbTiges), 0)
                                     : BoulesParTige(o.ValeurBoulier, o.Base, o.NbTiges);
    const TColor rangees[3] = {o.CouleurRangee1, o.CouleurRangee2, o.CouleurRangee3};
    dessineGroupes(canvas, cadre, k, o.Base, compteesAuDebut(), [&](int i, bool debut, int j) {
        return o.ColorerRangeesColonnes != 0 ? couleurColonne(debut, j) : rangees[i % 3];
    });
}

void TvlBoulier::DessineBoulierV2Colorie(TCanvas& canvas, bool cache) {
    const BoulierOptions& o = bloc_;
    const Cadre cadre = dessineCadreEtTiges(canvas, o.NbTiges, horizontal(), o.Base);
    if (cadre.d == 0)
        return;
    // Every bead of a rod packed at one end; the counted ones are the farthest from it.
    const std::vector<int> k = BoulesParTige(o.ValeurBoulier, o.Base, o.NbTiges);
    dessineGroupes(canvas, cadre, std::vector<int>(std::size_t(o.NbTiges), o.Base), o.Base,
                   o.TypeBoulier == DROITE_GAUCHE || o.TypeBoulier == HAUT_BAS,
                   [&](int i, bool, int j) {
                       const bool comptee = !cache && j >= o.Base - k[std::size_t(i)];
                       return comptee ? o.CouleurBoulesDepl : clWhite;
                   });
}

// ---- spike abacus ----

TvlBoulier::Abaque TvlBoulier::dessineBarreEtTiges(TCanvas& canvas, int nbTiges, int base,
                                                   bool plein) {
    const vlRect r = ZoneImage();
    Abaque abaque{r, nbTiges, std::min(r.Height() / 20, 30)};
    canvas.Rectangle(r.left, r.bottom - abaque.b, r.right, r.bottom);
    for (int i = 0; i < nbTiges; ++i) {
        const int x = abaque.Tige(i);
        canvas.MoveTo(x, r.top);
        canvas.LineTo(x, r.bottom);
    }
    if (base <= 1)
        return abaque;
    // A full rod of beads stands on the bar: it shares the height with it, so that no bead
    // leaves the frame.
    int d = (plein ? r.Height() - abaque.b : r.Height()) / base;
    d = std::min(d, r.Width() * 9 / ((nbTiges + 1) * 10));
    abaque.d = d > 1 ? d : 0;
    return abaque;
}

int TvlBoulier::Abaque::Tige(int i) const {
    return r.left + (i + 1) * r.Width() / (nbTiges + 1);
}

vlPoint TvlBoulier::Abaque::Centre(int i, int j) const {
    return {Tige(i), r.bottom - b - j * d - d / 2};
}

void TvlBoulier::dessinePiles(TCanvas& canvas, const Abaque& abaque,
                              const std::vector<int>& chiffres, bool plein,
                              const CouleurPile& couleur) {
    if (abaque.d == 0)
        return;
    for (int i = 0; i < abaque.nbTiges; ++i) {
        const int chiffre = chiffres[std::size_t(i)];
        if (chiffre < 0)
            continue; // left of the number's highest digit
        const int nombre = plein ? bloc_.Base : chiffre;
        for (int j = 0; j < nombre; ++j)
            dessineBoule(canvas, abaque.Centre(i, j), abaque.d, couleur(i, chiffre, j));
    }
}

void TvlBoulier::DessineAbaque(TCanvas& canvas, int nbTiges, long long valeur,
                               const TColor (&rangees)[3], int base) {
    const Abaque abaque = dessineBarreEtTiges(canvas, nbTiges, base, false);
    dessinePiles(canvas, abaque, ChiffresParTige(valeur, base, nbTiges), false,
                 [&](int i, int, int) { return rangees[i % 3]; });
}

void TvlBoulier::DessineAbaqueV2Deplace(TCanvas& canvas) {
    const BoulierOptions& o = bloc_;
    const Abaque abaque = dessineBarreEtTiges(canvas, o.NbTiges, o.Base, false);
    const TColor rangees[3] = {o.CouleurRangee1, o.CouleurRangee2, o.CouleurRangee3};
    dessinePiles(canvas, abaque, ChiffresParTige(o.ValeurBoulier, o.Base, o.NbTiges), false,
                 [&](int i, int, int j) {
                     return o.ColorerRangeesColonnes != 0 ? couleurColonne(true, j)
                                                          : rangees[i % 3];
                 });
}

void TvlBoulier::DessineAbaqueV2Colorie(TCanvas& canvas, bool cache) {
    const BoulierOptions& o = bloc_;
    const Abaque abaque = dessineBarreEtTiges(canvas, o.NbTiges, o.Base, true);
    dessinePiles(canvas, abaque, ChiffresParTige(o.ValeurBoulier, o.Base, o.NbTiges), true,
                 [&](int, int chiffre, int j) {
                     return !cache && j < chiffre ? o.CouleurBoulesDepl : clWhite;
                 });
}

// ---- description ----

std::vector<std::string> TvlBoulier::Description() const {
    const BoulierOptions& o = bloc_;
    std::vector<std::string> lignes = CommonComponent::Description();
    for (const auto& [nom, valeur] : {std::pair("TypeBoulier", int(o.TypeBoulier)),
                                      {"Base", o.Base},
                                      {"NbTiges", o.NbTiges},
                                      {"Fonctionnement", o.Fonctionnement},
                                      {"Mode", o.Mode},
                                      {"ValeurBoulier", o.ValeurBoulier}})
        lignes.push_back(std::string(nom) + " = " + std::to_string(valeur));
    const bool abaque = o.TypeBoulier == ABAQUE;
    std::string tiges = abaque ? "Chiffres par tige\u00A0:" : "Boules comptées par tige\u00A0:";
    const std::vector<int> parTige = abaque ? ChiffresParTige(o.ValeurBoulier, o.Base, o.NbTiges)
                                            : BoulesParTige(o.ValeurBoulier, o.Base, o.NbTiges);
    for (const int n : parTige)
        tiges += n < 0 ? std::string(" -") : " " + std::to_string(n);
    lignes.push_back(tiges);
    // A number beyond the beads or the rods is shown in part: the teacher must know it.
    if (ValeurMontree() != o.ValeurBoulier)
        lignes.push_back("Le boulier ne montre que " + std::to_string(ValeurMontree()) + " sur " +
                         std::to_string(o.ValeurBoulier));
    return lignes;
}

long long TvlBoulier::ValeurMontree() const {
    const BoulierOptions& o = bloc_;
    const bool abaque = o.TypeBoulier == ABAQUE;
    long long montre = 0;
    for (const int n : abaque ? ChiffresParTige(o.ValeurBoulier, o.Base, o.NbTiges)
                              : BoulesParTige(o.ValeurBoulier, o.Base, o.NbTiges))
        montre = abaque ? montre * o.Base + std::max(n, 0) : montre + n;
    return montre;
}

std::string TvlBoulier::AvertissementCadre() const {
    const long long montre = ValeurMontree();
    if (montre == bloc_.ValeurBoulier)
        return {};
    return Nom() + "\u00A0: " + std::to_string(bloc_.ValeurBoulier) + " ne tient pas sur " +
           std::to_string(bloc_.NbTiges) + (bloc_.NbTiges > 1 ? " tiges" : " tige") +
           "\u00A0: le dessin montre " + std::to_string(montre);
}
