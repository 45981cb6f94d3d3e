#include "dots/Relier.h"

#include "common/LienListe.h"
#include "common/Setters.h"
#include "dots/RelierCles.h"
#include "dots/RelierEditLogique.h"
#include "host/Liste.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr char kChampTexte[] = "texte";

// The field name of a reference "<name,options>".
std::string nomChamp(const std::string& reference) {
    const std::size_t debut = reference.find('<');
    if (debut == std::string::npos)
        return {};
    const std::size_t fin = reference.find_first_of(",>", debut + 1);
    return reference.substr(debut + 1,
                            (fin == std::string::npos ? reference.size() : fin) - debut - 1);
}

// A coordinate of the drawing snapped down to a step; unchanged for no step.
double aligne(double v, int pas) {
    return pas > 0 ? std::floor(v / pas) * pas : v;
}

// A placed point where it is drawn, with the text it shows in the view being drawn.
struct PointTrace {
    vlPoint at;
    std::string texte;
};

bool DejaTrace(const std::vector<PointTrace>& traces, std::size_t i) {
    return std::any_of(traces.begin(), traces.begin() + std::ptrdiff_t(i),
                       [&](const PointTrace& t) { return t.at == traces[i].at; });
}

// Points drawn at one place share one marker and one text: the first one's text followed by
// those of the later ones, so that a closed figure's start shows both its first and its last
// number.
std::vector<std::string> TextesReunis(const std::vector<PointTrace>& traces) {
    std::vector<std::string> textes;
    for (std::size_t i = 0; i < traces.size(); ++i) {
        std::string texte = traces[i].texte;
        for (std::size_t j = i + 1; j < traces.size(); ++j)
            if (traces[j].at == traces[i].at && !traces[j].texte.empty())
                texte += (texte.empty() ? "" : "\u00A0; ") + traces[j].texte;
        textes.push_back(std::move(texte));
    }
    return textes;
}

// The shortest decimal text that reads back to the same number, with a decimal comma as
// sheets write it.
std::string nombre(double v) {
    return WriteShortest(v);
}

} // namespace

TvlRelier::TvlRelier(TCadre* cadre) : Kind(cadre, "Points à relier", NUMERO, VERSION) {
    Installe();
    PointsExemple();
}

// A copy starts unbound from the source's list.
TvlRelier::TvlRelier(const TvlRelier& other)
    : Kind(other), jeu_(other.jeu_), police_(other.police_), reference_(other.reference_) {}

TableCles TvlRelier::Cles() const {
    return kClesRelier;
}

void TvlRelier::RestaureStandardNonApplique() {
    bloc_ = RelierOptions{};
    bloc_.Fonte.Copie(GlobalFonte());
}

void TvlRelier::AppliqueOptions() {
    Pinceau.Style = TPenStyle(bloc_.StylePinceau);
    Pinceau.Color = bloc_.CouleurPinceau;
    Pinceau.Width = bloc_.TaillePinceau;
    Brosse.Style = bsClear;
    bloc_.Fonte.Restaure(police_);
}

void TvlRelier::PointsExemple() {
    // (column, row) of the cells of a 3 x 3 division, in joining order.
    constexpr std::array<std::array<int, 2>, 9> chemin{
        {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {1, 1}}};
    const vlSize taille = TailleCreation();
    const int w = taille.cx / 3;
    const int h = taille.cy / 3;
    int a = Random() % 5;
    int b = Random() % 5;
    jeu_.Points.clear();
    for (const auto& [colonne, rangee] : chemin) {
        PointRelier p;
        p.x = double(colonne * w + Random() % w) / taille.cx;
        p.y = double(rangee * h + Random() % h) / taille.cy;
        p.Etiquette = std::to_string(a) + "+" + std::to_string(b);
        p.Reponse = std::to_string(a + b);
        jeu_.Points.push_back(std::move(p));
        a += Random() % 2 + 1;
        b += Random() % 2 + 1;
    }
}

bool TvlRelier::DblClk(int, vlPoint) {
    EditerPoints(false);
    return true;
}

void TvlRelier::EditerPoints(bool valeurs) {
    RelierEditLogique modele(jeu_, 96, 96);
    modele.PageValeurs = valeurs;
    if (Ui().ShowModal("RelierEdit", modele) == mrOk)
        modele.Transfere(jeu_);
}

// ---- keys ----

std::optional<std::string> TvlRelier::TexteCle(const Cle& cle) {
    if (cle.index == CleRelier::Liste)
        return liste_ != nullptr ? std::optional(liste_->Nom()) : std::nullopt;
    return CommonComponent::TexteCle(cle);
}

std::optional<bool> TvlRelier::ChangeOptionPropre(int index, const std::string& valeur,
                                                  std::string& message) {
    switch (index) {
    case CleRelier::Dummy:
        return true;
    case CleRelier::Liste:
        return lieListe(valeur, message);
    case CleRelier::EnrCde:
    case CleRelier::EnrPos:
        // The list has moved (it tells its receivers with these keys): decode again.
        DecodeChampTexte(reference_);
        return true;
    case CleRelier::DecoderFiltre:
        DecodeChampTexte(valeur);
        return true;
    default:
        return std::nullopt;
    }
}

// ---- list binding ----

bool TvlRelier::lieListe(const std::string& nom, std::string& message) {
    if (!LieListe(*this, liste_, nom, kChampTexte, false,
                  "Cette liste ne possède pas de champs de texte", message))
        return false;
    if (liste_ != nullptr) {
        reference_ = std::string("<") + kChampTexte + ">";
        DecodeChampTexte(reference_);
    }
    return true;
}

void TvlRelier::SignaleDisparition(TComposant* autre) {
    if (autre == liste_)
        liste_ = nullptr;
    CommonComponent::SignaleDisparition(autre);
}

void TvlRelier::DecodeChampTexte(const std::string& reference) {
    if (liste_ == nullptr)
        return;
    const std::string champ = nomChamp(reference);
    const int premier = std::max(liste_->Courant(), 0);
    for (std::size_t i = 0; i < jeu_.Points.size(); ++i) {
        const int enregistrement = premier + int(i);
        if (enregistrement >= liste_->NbEnregistrements())
            break;
        jeu_.Points[i].Etiquette = liste_->Texte(champ, enregistrement);
    }
}

int TvlRelier::EditeurChamps() {
    const int reponse = Ui().MessageBox("Éditeur texte\u00A0?", "Editeur de champs",
                                        MB_YESNOCANCEL | MB_ICONQUESTION);
    if (reponse == IDYES)
        EditerPoints(true);
    else if (reponse == IDNO && liste_ != nullptr)
        DecodeChampTexte(reference_);
    else if (reponse == IDNO)
        Ui().ShowMessage(
            "Aucune liste n'est liée à ces points\u00A0: leurs étiquettes viennent de la "
            "grille des valeurs (clé «\u00A0Liste\u00A0» pour en lier une).");
    return reponse;
}

// ---- record ----

bool TvlRelier::SauveDonnees(TStream& s) {
    return SauveJeuPoints(s, jeu_);
}

bool TvlRelier::ChargeDonnees(TStream& s) {
    return ChargeJeuPoints(s, jeu_);
}

// ---- drawing ----

void TvlRelier::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    AppliqueOptions();
    canvas.Brush = Brosse;
    canvas.Pen = Pinceau;
    if (canvas.Pen.Width == 0 || canvas.Pen.Style != psSolid)
        canvas.Pen.Width = 1;
    const vlRect cadre = Rect.Normalise();
    const bool contenu = RectangleAff(canvas, bloc_.TaillePinceau, bloc_.StylePinceau, cadre);
    if (Recepteurs.empty()) {
        Emet(canvas, cadre, {0, 0}, {0, 0}, mode, this);
        return;
    }
    if (contenu)
        AfficheTexteSysteme(canvas, cadre,
                            Nom() + "\ns'affiche sur\n" + Recepteurs.front()->Nom() +
                                "\nCe cadre\nne sera pas\nimprimé.");
}

void TvlRelier::Imprime(TCanvas& canvas, int mode, TPlanche* planche) {
    if (Recepteurs.empty())
        Dessine(canvas, mode, planche);
}

vlPoint TvlRelier::Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                        TComposant*) {
    const vlRect cadre = rect.Normalise();
    const int largeur = cadre.Width();
    const int hauteur = cadre.Height() - pos.y;
    horsCadre_ = 0;
    if (largeur < 1 || hauteur < 1)
        return pos;
    const int niveau = canvas.SaveDC();
    // Markers of points on the edge stay inside the frame.
    canvas.IntersectClipRect(cadre.left, cadre.top, cadre.right, cadre.bottom);
    ::AffectePen(canvas, Pinceau, TPenStyle(bloc_.StylePinceau), bloc_.CouleurPinceau,
                 bloc_.TaillePinceau);
    const bool relie = mode == MODE_CORRIGE || bloc_.AfficherLignes != 0;
    const int pasX = cell.cx > 0 ? cell.cx : jeu_.PasX * 10;
    const int pasY = cell.cy > 0 ? cell.cy : jeu_.PasY * 10;
    std::vector<PointTrace> traces;
    for (const PointRelier& p : jeu_.Points) {
        if (!p.Place())
            continue;
        const vlPoint at{cadre.left + int(aligne(p.x * largeur, pasX)),
                         cadre.top + pos.y + int(aligne(p.y * hauteur, pasY))};
        traces.push_back({at, relie ? p.Reponse : p.Etiquette});
    }
    const std::vector<std::string> textes = TextesReunis(traces);
    for (std::size_t i = 0; i < traces.size(); ++i) {
        const auto [x, y] = traces[i].at;
        if (relie && i > 0)
            canvas.LineTo(x, y);
        // A point repeated on an earlier one (the end of a closed figure) is only joined.
        if (!DejaTrace(traces, i)) {
            const int demi = TraceCroix(canvas, x, y);
            if (!Afficher(canvas, x, y, textes[i], relie ? DISTANCE_REPONSE : demi, cadre))
                ++horsCadre_;
        }
        // The path goes on from the last point drawn.
        canvas.MoveTo(x, y);
    }
    canvas.RestoreDC(niveau);
    return {pos.x, cadre.Height()};
}

int TvlRelier::TraceCroix(TCanvas& canvas, int x, int y) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = bloc_.CouleurPinceau;
    switch (bloc_.StylePoints) {
    case 1:
        canvas.MoveTo(x, y - 10);
        canvas.LineTo(x, y + 10);
        canvas.MoveTo(x - 10, y);
        canvas.LineTo(x + 10, y);
        return 10;
    case 2:
    case 3:
    case 4:
    case 5: {
        const int r = bloc_.StylePoints % 2 == 0 ? 5 : 10;
        if (bloc_.StylePoints >= 4)
            canvas.Brush.Style = bsClear;
        canvas.Ellipse(x - r, y - r, x + r, y + r);
        return r;
    }
    default:
        canvas.MoveTo(x - 10, y - 10);
        canvas.LineTo(x + 10, y + 10);
        canvas.MoveTo(x + 10, y - 10);
        canvas.LineTo(x - 10, y + 10);
        return 10;
    }
}

bool TvlRelier::Afficher(TCanvas& canvas, int x, int y, const std::string& texte, int d,
                         const vlRect& cadre) {
    if (texte.empty())
        return true;
    TFont police = police_;
    police.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Fonte.Restaure(police);
    police.Height = -(bloc_.Fonte.Taille * 254 / 72);
    canvas.Font = police;
    const vlSize t = canvas.TextExtent(texte);
    const int dx = x - cadre.left;
    const int dy = y - cadre.top;
    const int wf = cadre.Width();
    const int hf = cadre.Height();
    // Away from the middle: left of points in the left third, centred in the middle one...
    const bool centre = 3 * dx >= wf && 3 * dx < 2 * wf;
    const int gauche = 3 * dx < wf ? x - t.cx - d : centre ? x - t.cx / 2 - d / 2 : x + d;
    const int haut = 3 * dy < hf        ? y - t.cy - d
                     : 3 * dy >= 2 * hf ? y + d
                     : centre           ? y + d
                                        : y - t.cy / 2 - d / 2;
    // Near an edge, the other side of the point rather than out of the frame.
    const int gaucheVue = gauche < cadre.left           ? x + d
                          : gauche + t.cx > cadre.right ? x - t.cx - d
                                                        : gauche;
    const int hautVue = haut < cadre.top ? y + d : haut + t.cy > cadre.bottom ? y - t.cy - d : haut;
    if (gaucheVue < cadre.left || hautVue < cadre.top || gaucheVue + t.cx > cadre.right ||
        hautVue + t.cy > cadre.bottom)
        return false;
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.TextOut(gaucheVue, hautVue, texte);
    return true;
}

std::string TvlRelier::AvertissementCadre() const {
    if (horsCadre_ == 0)
        return {};
    return Nom() + "\u00A0: " + std::to_string(horsCadre_) +
           (horsCadre_ == 1 ? " texte ne tient pas" : " textes ne tiennent pas") + " dans le cadre";
}

// ---- description ----

std::vector<TCleValeur> TvlRelier::ExerciceFeuille() {
    std::vector<TCleValeur> e{{"Pas", std::to_string(jeu_.PasX) + ";" + std::to_string(jeu_.PasY)}};
    if (!jeu_.Formule.empty()) {
        e.push_back({"Formule", jeu_.Formule});
        for (const VariableSerie& v : jeu_.Variables)
            e.push_back({"Variable", v.Nom + ";" + std::to_string(v.Comportement) + ";" +
                                         nombre(v.Initiale) + ";" + nombre(v.Minimum) + ";" +
                                         nombre(v.Maximum) + ";" + std::to_string(v.Decimales) +
                                         ";" + EscapeField(v.Passage)});
        e.push_back({"Tri", std::to_string(jeu_.Tri)});
    }
    std::string points;
    for (const PointRelier& p : jeu_.Points)
        points += (points.empty() ? "" : " | ") +
                  (p.Place() ? nombre(p.x) + ";" + nombre(p.y) : std::string("-1;0")) + ";" +
                  EscapeField(p.Etiquette) + ";" + EscapeField(p.Reponse);
    if (!points.empty())
        e.push_back({"Points", points});
    return e;
}

std::vector<std::string> TvlRelier::Description() const {
    std::vector<std::string> d = CommonComponent::Description();
    const RelierOptions& o = bloc_;
    d.push_back("StylePoints = " + std::to_string(o.StylePoints));
    d.push_back("AfficherLignes = " + std::to_string(o.AfficherLignes));
    d.push_back("Mode = " + std::to_string(o.Mode));
    d.push_back("Fonte = " + o.Fonte.ToString());
    for (const TComposant* recepteur : Recepteurs)
        d.push_back("Rediriger = " + recepteur->Nom());
    if (liste_ != nullptr)
        d.push_back("Liste = " + liste_->Nom());
    d.push_back("Formule = " + jeu_.Formule);
    d.push_back("Décimales du résultat = " + std::to_string(jeu_.DecimalesResultat));
    for (const VariableSerie& v : jeu_.Variables)
        d.push_back("Variable = " + v.Nom + ";" + std::to_string(v.Comportement) + ";" +
                    nombre(v.Initiale) + ";" + nombre(v.Minimum) + ";" + nombre(v.Maximum) + ";" +
                    std::to_string(v.Decimales) + ";" + v.Passage);
    d.push_back("Tri = " + std::to_string(jeu_.Tri));
    d.push_back("Pas = " + std::to_string(jeu_.PasX) + ";" + std::to_string(jeu_.PasY));
    d.push_back("Image = " + jeu_.Image);
    for (std::size_t i = 0; i < jeu_.Points.size(); ++i) {
        const PointRelier& p = jeu_.Points[i];
        d.push_back(
            std::to_string(i + 1) + "\u00A0: " +
            (p.Place() ? nombre(p.x) + "\u00A0; " + nombre(p.y) : std::string("non placé")) +
            "\u00A0; " + p.Etiquette + "\u00A0; " + p.Reponse);
    }
    return d;
}
