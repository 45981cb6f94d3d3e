#include "pictures/Eprouvette.h"

#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Services.h"
#include "pictures/EprouvetteCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

// Depth of the meniscus: its rim stands this far above its lowest point, twice that is the
// ellipse it is cut from.
constexpr int kMenisque = 25;

// The graduation step in millilitres of each unit: ml, cl, dl, l.
constexpr int kPas[] = {1, 10, 100, 1000};

// The room kept between a number and its tick or the tube's walls: half a millimetre.
constexpr int kEcart = 5;

} // namespace

TvlEprouvette::TvlEprouvette(TCadre* cadre) : Kind(cadre, "Eprouvette", NUMERO, VERSION) {
    PrepareLegende(2);
    Installe();
    EffectuerCalculs();
    bloc_.VolumeLiquide = bloc_.Volume > 0 ? Random() % bloc_.Volume : 0;
    CalculerPoints();
    enCreation_ = true;
}

TvlEprouvette::TvlEprouvette(const TvlEprouvette& autre)
    : Kind(autre), points_(autre.points_), police_(autre.police_) {}

TableCles TvlEprouvette::Cles() const {
    return kClesEprouvette;
}

bool TvlEprouvette::DblClk(int, vlPoint) {
    return true;
}

void TvlEprouvette::RestaureStandardNonApplique() {
    EprouvetteOptions standard;
    standard.VolumeLiquide = bloc_.VolumeLiquide;
    standard.Police.Copie(GlobalFonte());
    bloc_ = standard;
}

void TvlEprouvette::AppliqueOptions() {
    CommonComponent::AppliqueOptions();
    bloc_.Police.Restaure(police_);
}

void* TvlEprouvette::Options(int& taille) {
    bloc_.LargeurInterieure = int(ZoneImage().Width() * 2.5 / 3.5);
    bloc_.HauteurGraduee = int(ZoneImage().Height() * 19 / 20.5);
    return Kind::Options(taille);
}

void TvlEprouvette::ChangeCoords(vlRect r) {
    Kind::ChangeCoords(r);
    EffectuerCalculs();
    CalculerPoints();
}

void TvlEprouvette::ChangeTaille(vlSize s) {
    Kind::ChangeTaille(s);
    EffectuerCalculs();
    CalculerPoints();
}

void TvlEprouvette::TermineConstruction() {
    Kind::TermineConstruction();
    enCreation_ = false;
}

void TvlEprouvette::StopModifCreation(TCanvas& canvas, bool efface) {
    Kind::StopModifCreation(canvas, efface);
    enCreation_ = false;
    EffectuerCalculs();
    CalculerPoints();
}

bool TvlEprouvette::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    const bool ok = Kind::Charge(s, resolver, parent);
    enCreation_ = false;
    CalculerPoints();
    return ok;
}

std::optional<bool> TvlEprouvette::ChangeOptionPropre(int index, const std::string& valeur,
                                                      std::string& message) {
    if (index != CleEprouvette::Volume && index != CleEprouvette::VolumeLiquide)
        return std::nullopt;
    // Millilitres with a decimal comma, kept in hundredths exactly as typed.
    int centiemes = 0;
    std::string refus;
    if (!ConvVirg(valeur, centiemes, refus, 0, VOLUME_MAX)) {
        message =
            "«\u00A0" + std::string(Cles()[std::size_t(index)].nom) +
            "\u00A0»\u00A0: le volume doit être un nombre de millilitres compris entre 0 et " +
            Millilitres(VOLUME_MAX) + ".";
        return false;
    }
    (index == CleEprouvette::Volume ? bloc_.Volume : bloc_.VolumeLiquide) = centiemes;
    EffectuerCalculs();
    return true;
}

void TvlEprouvette::ApresCle(int index) {
    if (index == CleEprouvette::CalculsEprouvette || index == CleEprouvette::Libelles)
        EffectuerCalculs();
    if (index == CleEprouvette::CalculsEprouvette)
        CalculerPoints();
}

double TvlEprouvette::LargeurCm() const {
    return 0.01 * ZoneImage().Width() * 2.5 / 3.5;
}

double TvlEprouvette::HauteurCm() const {
    return 0.01 * ZoneImage().Height() * 19 / 20.5;
}

std::optional<std::string> TvlEprouvette::TexteCle(const Cle& cle) {
    if (cle.index == CleEprouvette::Volume || cle.index == CleEprouvette::VolumeLiquide)
        return Millilitres(cle.index == CleEprouvette::Volume ? bloc_.Volume : bloc_.VolumeLiquide);
    return CommonComponent::TexteCle(cle);
}

double TvlEprouvette::VolumePlein() const {
    if (bloc_.CalculsEprouvette == 1)
        return std::numbers::pi * LargeurCm() * LargeurCm() * HauteurCm() / 4;
    return 0.01 * bloc_.Volume;
}

void TvlEprouvette::EffectuerCalculs() {
    // Typed volumes stay as they are: going through ml in doubles would turn 29 into 28.
    if (bloc_.CalculsEprouvette == 1)
        bloc_.Volume = int(std::min(VolumePlein() * 100, double(VOLUME_MAX)));
}

void TvlEprouvette::CalculerPoints() {
    const vlRect r = ZoneImage();
    const double W = r.Width();
    const double H = r.Height();
    const int x0 = int(0.5 * W / 3.5);
    const int x4 = int(3 * W / 3.5);
    const int y1 = int(20 * H / 20.5);
    const int w = int(W);
    const int h = int(H);
    points_ = {vlPoint{x0, 0}, vlPoint{x0, y1}, vlPoint{0, h},
               vlPoint{w, h},  vlPoint{x4, y1}, vlPoint{x4, int(H / 20.5)},
               vlPoint{w, 0}};
}

std::optional<CibleImage> TvlEprouvette::Cible() const {
    return CibleImage{Millilitres(bloc_.VolumeLiquide) + " ml", "Remplis jusqu'à %s",
                      bloc_.Mode == MODE_CORRIGE};
}

void TvlEprouvette::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    if (enCreation_)
        return;
    // The line under the tube takes its room from the drawing: the scale follows.
    EffectuerCalculs();
    CalculerPoints();
    const vlPoint origine = ZoneImage().LireOrg();
    std::array<vlPoint, 7> contour = points_;
    for (vlPoint& p : contour)
        p = {p.x + origine.x, p.y + origine.y};
    AffecteBrush(canvas, Brosse, bsSolid, clWhite);
    AffectePen(canvas, Pinceau, psSolid, clBlack, 1);
    canvas.Polygon(contour);
    if (ContenuVisible(bloc_.Mode, mode))
        DessineLiquide(canvas, origine);
    DessineGraduations(canvas, origine);
    // The drawing borrowed the component's brush: give it back the block's.
    AppliqueOptions();
    DessineLegende(canvas, mode);
}

void TvlEprouvette::DessineLiquide(TCanvas& canvas, vlPoint o) {
    const double plein = VolumePlein();
    // No full volume, no level: the tube stays empty.
    if (bloc_.VolumeLiquide <= 0 || plein <= 0)
        return;
    const vlPoint p0{o.x + points_[0].x, o.y + points_[0].y};
    const vlPoint p1{o.x + points_[1].x, o.y + points_[1].y};
    const vlPoint p4{o.x + points_[4].x, o.y + points_[4].y};
    const vlPoint p5{o.x + points_[5].x, o.y + points_[5].y};
    const vlPoint p6{o.x + points_[6].x, o.y + points_[6].y};
    const double hauteur = 0.01 * bloc_.VolumeLiquide * HauteurCm() / plein;
    // Above the full volume the liquid stops at the lip; clamped before the conversion, so
    // that a tiny typed volume under a large liquid stays a number of the drawing.
    const double niveau = std::clamp(points_[1].y - hauteur * 100, double(points_[5].y),
                                     double(std::max(points_[1].y, points_[5].y)));
    const int y = o.y + int(niveau);
    const TBrushStyle style = TBrushStyle(bloc_.StyleBrosseFond);
    const TColor couleur = bloc_.CouleurBrosseFond;

    AffecteBrush(canvas, Brosse, style, couleur);
    AffectePen(canvas, Pinceau, psClear, couleur, 0);
    if (bloc_.Lenticulaire != 0 && y - kMenisque >= p5.y) {
        canvas.Rectangle(p0.x, y - kMenisque, p4.x, p4.y);
        AffecteBrush(canvas, Brosse, bsSolid, clWhite);
        canvas.Ellipse(p0.x, y - 2 * kMenisque, p4.x, y);
        AffectePen(canvas, Pinceau, psSolid, couleur, 1);
        canvas.Arc(p0.x, y - 2 * kMenisque, p4.x, y, p0.x, y - kMenisque, p4.x, y - kMenisque);
    } else {
        canvas.Rectangle(p0.x, y, p4.x, p4.y);
        AffectePen(canvas, Pinceau, psSolid, couleur, 1);
        canvas.MoveTo(p0.x, y);
        canvas.LineTo(p4.x, y);
    }
    AffectePen(canvas, Pinceau, psSolid, clBlack, 1);
    canvas.MoveTo(p0.x, p0.y);
    canvas.LineTo(p1.x, p1.y);
    canvas.MoveTo(p5.x, p5.y);
    canvas.LineTo(p4.x, p4.y);
    canvas.MoveTo(p1.x, p1.y);
    canvas.LineTo(p4.x, p4.y);
    canvas.MoveTo(p0.x, p0.y);
    canvas.LineTo(p6.x, p6.y);
}

void TvlEprouvette::DessineGraduations(TCanvas& canvas, vlPoint o) {
    textesHorsCadre_ = 0;
    const double plein = VolumePlein();
    const double hauteurCm = HauteurCm();
    if (plein <= 0 || hauteurCm <= 0)
        return;
    const TFont precedente = canvas.Font;
    police_.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Police.Restaure(police_);
    police_.Height = -(bloc_.Police.Taille * 254 / 72);
    canvas.Font = police_;
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.SetBkMode(TRANSPARENT);
    AffectePen(canvas, Pinceau, psSolid, clBlack, 1);

    const vlRect r = ZoneImage();
    const double W = r.Width();
    const int pas = kPas[std::clamp(bloc_.Libelles, 0, 3)];
    // Numbers an em apart at least.
    const NumerosLisibles lisibles =
        ChoisitNumeros(double(pas) * hauteurCm * 100 / plein, HauteurChiffres(canvas));
    int precedent = INT_MAX;
    std::vector<vlRect> numeros; // the numbers drawn, from the bottom up
    for (int k = 0;; ++k) {
        const int y = int(points_[1].y - double(k) * pas * hauteurCm * 100 / plein) + o.y;
        if (y < points_[5].y + o.y)
            break;
        // Ticks finer than the drawing's unit fall on one another: one a line is drawn, so a
        // huge volume costs no more than the tube's height.
        if (y == precedent)
            continue;
        precedent = y;
        const bool grande = k % 10 == 0;
        const bool moyenne = !grande && k % 5 == 0;
        const double longueur = grande ? 1.5 / 3.5 * W : moyenne ? W / 3.5 : 0.5 / 3.5 * W;
        const bool montre = grande    ? bloc_.AffichageGrandes != 0
                            : moyenne ? bloc_.AffichageMoyennes != 0
                                      : bloc_.AffichagePetites != 0;
        const int x = o.x + int((W - longueur) / 2);
        const bool numero =
            k > 0 && ((grande && bloc_.LibelleGrandes != 0 && k % lisibles.pasDizaines == 0) ||
                      (moyenne && bloc_.LibelleMoyennes != 0 && lisibles.cinq));
        // A number shortens its tick from the left when it needs the room.
        const int debut = numero ? DessineNumero(canvas, std::to_string(k),
                                                 {x, y, int(x + longueur), y}, o, numeros)
                                 : x;
        if (montre) {
            canvas.MoveTo(debut, y);
            canvas.LineTo(int(x + longueur), y);
        }
    }
    DessineUnite(canvas, numeros, o.x + int(W * 1.5 / 3.5) - kEcart);
    canvas.Font = precedente;
}

int TvlEprouvette::DessineNumero(TCanvas& canvas, const std::string& texte, const vlRect& trait,
                                 vlPoint o, std::vector<vlRect>& numeros) {
    const vlRect r = ZoneImage();
    const vlSize taille = canvas.TextExtent(texte);
    // Left of its tick, half a millimetre off the wall; the tick starts as far after it,
    // keeping a third of its length at least, or the number is left out.
    const int gauche = o.x + points_[0].x + kEcart;
    const int xTexte = std::max(trait.left - kEcart - taille.cx, gauche);
    const int debut = std::max(trait.left, xTexte + taille.cx + kEcart);
    // The top number is nudged down to stay in the frame.
    const int yTexte = std::max(trait.top - taille.cy / 2, r.top);
    if (trait.right - debut < trait.Width() / 3 || yTexte + taille.cy > r.bottom) {
        ++textesHorsCadre_;
        return trait.left;
    }
    canvas.TextOut(xTexte, yTexte, texte);
    numeros.push_back({xTexte, yTexte, xTexte + taille.cx, yTexte + taille.cy});
    canvas.TagReadable(numeros.back(), "nombre");
    return debut;
}

void TvlEprouvette::DessineUnite(TCanvas& canvas, const std::vector<vlRect>& numeros, int droite) {
    uniteHorsCadre_ = false;
    if (numeros.empty())
        return;
    // Two thirds of the numbers' size, over the highest number in its column, within the
    // frame; else under it, over the next number down; else left out.
    static constexpr const char* unites[] = {"ml", "cl", "dl", "l"};
    const std::string unite = unites[std::clamp(bloc_.Libelles, 0, 3)];
    const TFont police = canvas.Font;
    canvas.Font.Height = police.Height * 2 / 3;
    const vlSize taille = canvas.TextExtent(unite);
    const vlRect& haut = numeros.back();
    const int x = haut.left;
    int y = haut.top - taille.cy;
    const vlRect cadre = ZoneImage();
    if (y < cadre.top) {
        y = haut.bottom;
        const int bas = numeros.size() > 1 ? numeros[numeros.size() - 2].top : cadre.bottom;
        if (y + taille.cy > std::min(bas, cadre.bottom))
            y = INT_MIN;
    }
    if (y == INT_MIN || x + taille.cx > droite) {
        uniteHorsCadre_ = true;
    } else {
        canvas.TextOut(x, y, unite);
        canvas.TagReadable({x, y, x + taille.cx, y + taille.cy}, "unité");
    }
    canvas.Font = police;
}

std::string TvlEprouvette::AvertissementCadre() const {
    std::string texte = AvertissementTextes(Nom(), textesHorsCadre_);
    if (uniteHorsCadre_)
        texte += (texte.empty() ? Nom() + "\u00A0: " : std::string(", ")) +
                 "l'unité ne tient pas dans le cadre";
    return texte;
}

// Hundredths written as lengths are: "12,5", "0,05".
std::string TvlEprouvette::Millilitres(int centiemes) {
    return TexteCentimetres(centiemes);
}

std::vector<std::string> TvlEprouvette::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    static constexpr const char* unites[] = {"ml", "cl", "dl", "l"};
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back("CalculsEprouvette = " + std::to_string(bloc_.CalculsEprouvette));
    lignes.push_back(std::string("Graduations en ") + unites[std::clamp(bloc_.Libelles, 0, 3)]);
    lignes.push_back("Volume = " + Millilitres(bloc_.Volume) + " ml");
    lignes.push_back("VolumeLiquide = " + Millilitres(bloc_.VolumeLiquide) + " ml");
    return lignes;
}
