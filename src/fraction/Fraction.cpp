#include "fraction/Fraction.h"

#include "fraction/DessinFraction.h"
#include "fraction/FractionCles.h"
#include "fraction/FractionEdit2Logique.h"
#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "operation/DessinOperation.h"
#include "platform/Text.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr TColor kRouge = 255;
// The room between two columns of lines, in cells.
constexpr int ECART_COLONNES = 3;
constexpr const char* kNomsOperations[] = {"Addition", "Soustraction", "Multiplication", "Division",
                                           "Simplification"};

// The widest of the lines a column holds when it starts with line `premiere` at `haut`: that one,
// then those below while they end above `bas`, one cell `interligne` apart.
int LargeurColonne(const std::vector<vlSize>& tailles, std::size_t premiere, int haut, int bas,
                   int interligne) {
    int largeur = 0;
    for (std::size_t i = premiere; i < tailles.size(); ++i) {
        if (i > premiere && haut + tailles[i].cy > bas)
            break;
        largeur = std::max(largeur, tailles[i].cx);
        haut += tailles[i].cy + interligne;
    }
    return largeur;
}

// A line's numbers as "a/b" ("a" for a whole number).
std::string operandeLisible(std::int16_t n, std::int16_t d) {
    return d == 1 ? std::to_string(n) : std::to_string(n) + "/" + std::to_string(d);
}

// Every field of the exercise data within what the editor could have written.
bool verifieDonnees(TStream& s, const FractionDonnees& f, bool division) {
    if (!VerifiePlage(s, f.DenMin, 1, DENOMINATEUR_MAX, "DenMin") ||
        !VerifiePlage(s, f.DenMax, 1, DENOMINATEUR_MAX, "DenMax") ||
        !VerifiePlage(s, f.NumMin, 0, NUMERATEUR_MAX, "NumMin") ||
        !VerifiePlage(s, f.NumMax, 0, NUMERATEUR_MAX, "NumMax"))
        return false;
    for (std::size_t i = 0; i < FractionDonnees::LIGNES; ++i) {
        const std::string ligne = " (ligne " + std::to_string(i + 1) + ")";
        if (!VerifiePlage(s, f.A[i], 0, NOMBRE_MAX, "A" + ligne) ||
            !VerifiePlage(s, f.B[i], 1, NOMBRE_MAX, "B" + ligne) ||
            !VerifiePlage(s, f.C[i], division ? 1 : 0, NOMBRE_MAX, "C" + ligne) ||
            !VerifiePlage(s, f.D[i], 1, NOMBRE_MAX, "D" + ligne) ||
            !VerifiePlage(s, f.Masque[i], 0, 7, "masque" + ligne))
            return false;
    }
    return true;
}

} // namespace

TvlFraction::TvlFraction(TCadre* cadre) : Kind(cadre, "Fraction", NUMERO, VERSION) {
    Installe();
}

TableCles TvlFraction::Cles() const {
    return kClesFraction;
}

void TvlFraction::RestaureStandardNonApplique() {
    bloc_ = FractionOptions{};
    bloc_.Fonte.Copie(GlobalFonte());
    bloc_.FonteCorrige = bloc_.Fonte;
    bloc_.FonteCorrige.Couleur = kRouge;
}

ReglagesLignes TvlFraction::Reglages() const {
    return {bloc_.FractionOperation, bloc_.ResultatsInterm1 != 0, bloc_.ResultatsInterm2 != 0,
            bloc_.SimplificationIntelligente != 0, bloc_.Simplification};
}

// ---- keys ----

std::optional<bool> TvlFraction::ChangeOptionPropre(int index, const std::string& valeur,
                                                    std::string& message) {
    if (index == CleFraction::Nombres)
        return changeNombres(valeur, message);
    if (index == CleFraction::Ligne)
        return changeLigne(valeur, message);
    // A division needs a non-zero numerator in the range to draw its divisors.
    if (index == CleFraction::FractionOperation) {
        const std::optional<long long> operation =
            ParseInteger(valeur, FR_ADDITION, FR_SIMPLIFICATION);
        if (operation && !DiviseursPossibles(donnees_.NumMax, int(*operation), message))
            return false;
        return std::nullopt;
    }
    if (index != CleFraction::GenererCalcul)
        return std::nullopt;
    if (!DiviseursPossibles(donnees_.NumMax, bloc_.FractionOperation, message))
        return false;
    GenererOperations();
    return false;
}

std::vector<TCleValeur> TvlFraction::ExerciceFeuille() {
    const FractionDonnees& f = donnees_;
    std::string nombres = std::to_string(f.NumMin) + ";" + std::to_string(f.NumMax) + ";" +
                          std::to_string(f.DenMin) + ";" + std::to_string(f.DenMax);
    for (std::size_t i = 0; i < FractionDonnees::LIGNES; ++i)
        nombres += " | " + std::to_string(f.A[i]) + ";" + std::to_string(f.B[i]) + ";" +
                   std::to_string(f.C[i]) + ";" + std::to_string(f.D[i]) + ";" +
                   std::to_string(f.Masque[i]);
    std::vector<TCleValeur> exercice{{"Nombres", nombres}};
    const ReglagesLignes reglages = Reglages();
    for (int i = 0; i < LIGNES; ++i)
        if (lignes_[std::size_t(i)] != GenererLigne(donnees_, i, reglages))
            exercice.push_back({"Ligne", std::to_string(i + 1) + ";" + lignes_[std::size_t(i)]});
    return exercice;
}

bool TvlFraction::changeNombres(const std::string& valeur, std::string& message) {
    const std::vector<std::string_view> groupes = Split(valeur, '|');
    if (groupes.size() != FractionDonnees::LIGNES + 1) {
        message = "«\u00A0Nombres\u00A0» attend les plages puis " +
                  std::to_string(FractionDonnees::LIGNES) + " lignes, séparées par «\u00A0|\u00A0»";
        return false;
    }
    // Each group's numbers within the ranges the editor could have written.
    const auto lit = [&](std::size_t groupe, std::initializer_list<std::pair<int, int>> bornes,
                         std::vector<int>& nombres) {
        const std::vector<std::string_view> champs = Split(groupes[groupe], ';');
        if (champs.size() != bornes.size()) {
            message = "«\u00A0Nombres\u00A0», groupe " + std::to_string(groupe + 1) +
                      "\u00A0: " + std::to_string(bornes.size()) + " nombres attendus";
            return false;
        }
        nombres.clear();
        auto borne = bornes.begin();
        for (const std::string_view champ : champs) {
            int n = 0;
            if (!ConvInt(std::string(Trim(champ)), n, message, borne->first, borne->second))
                return false;
            nombres.push_back(n);
            ++borne;
        }
        return true;
    };
    FractionDonnees f;
    std::vector<int> n;
    if (!lit(0,
             {{0, NUMERATEUR_MAX},
              {0, NUMERATEUR_MAX},
              {1, DENOMINATEUR_MAX},
              {1, DENOMINATEUR_MAX}},
             n))
        return false;
    f.NumMin = n[0], f.NumMax = n[1], f.DenMin = n[2], f.DenMax = n[3];
    const int cMin = bloc_.FractionOperation == FR_DIVISION ? 1 : 0;
    for (std::size_t i = 0; i < FractionDonnees::LIGNES; ++i) {
        if (!lit(i + 1,
                 {{0, NOMBRE_MAX}, {1, NOMBRE_MAX}, {cMin, NOMBRE_MAX}, {1, NOMBRE_MAX}, {0, 7}},
                 n))
            return false;
        f.A[i] = std::int16_t(n[0]), f.B[i] = std::int16_t(n[1]), f.C[i] = std::int16_t(n[2]);
        f.D[i] = std::int16_t(n[3]), f.Masque[i] = std::int16_t(n[4]);
    }
    donnees_ = f;
    determineMasques();
    GenererLignes();
    return true;
}

bool TvlFraction::changeLigne(const std::string& valeur, std::string& message) {
    const std::size_t point = valeur.find(';');
    int numero = 0;
    if (point == std::string::npos ||
        !ConvInt(valeur.substr(0, point), numero, message, 1, LIGNES)) {
        if (message.empty())
            message = "«\u00A0Ligne\u00A0» attend numéro;texte";
        return false;
    }
    const std::string texte = valeur.substr(point + 1);
    if (!LigneLisible(texte)) {
        message = "texte de la ligne " + std::to_string(numero) +
                  "\u00A0: caractères hors du langage des fractions ou plus de " +
                  std::to_string(LIGNE_MAX) + " caractères";
        return false;
    }
    if (std::string raison; !VerifieLigne(texte, raison)) {
        message =
            "ligne " + std::to_string(numero) + " «\u00A0" + texte + "\u00A0»\u00A0: " + raison;
        return false;
    }
    lignes_[std::size_t(numero - 1)] = texte;
    return true;
}

void TvlFraction::ApresCle(int index) {
    if (!Construit())
        return;
    switch (index) {
    case CleFraction::SimplificationIntelligente:
    case CleFraction::ResultatsInterm1:
    case CleFraction::ResultatsInterm2:
    case CleFraction::Simplification:
        GenererLignes();
        break;
    case CleFraction::Cache:
        GenererCache();
        break;
    default:
        break;
    }
}

// ---- exercises ----

void TvlFraction::GenererOperations() {
    GenererNombres(donnees_, bloc_.FractionOperation, bloc_.MemesDenominateurs != 0);
    GenererLignes();
    GenererCache();
}

void TvlFraction::GenererLignes() {
    const ReglagesLignes reglages = Reglages();
    for (int i = 0; i < LIGNES; ++i)
        lignes_[std::size_t(i)] = GenererLigne(donnees_, i, reglages);
}

void TvlFraction::GenererCache() {
    ::GenererCache(donnees_, bloc_.FractionOperation, bloc_.Cache);
}

void TvlFraction::determineMasques() {
    for (int i = 0; i < LIGNES; ++i)
        donnees_.Masque[std::size_t(i)] = MasqueDetermine(donnees_, i, bloc_.FractionOperation);
}

void TvlFraction::RemplaceDonnees(const FractionDonnees& donnees) {
    const FractionDonnees avant = donnees_;
    donnees_ = donnees;
    donnees_.Masque = avant.Masque;
    // Typed operands are the teacher's own question: unless only operands are to be hidden, a
    // line whose numbers changed asks for its result.
    const bool resultat =
        (bloc_.Cache == 1 || bloc_.Cache == 3) && bloc_.FractionOperation != FR_SIMPLIFICATION;
    for (std::size_t i = 0; i < FractionDonnees::LIGNES && resultat; ++i)
        if (avant.A[i] != donnees.A[i] || avant.B[i] != donnees.B[i] ||
            avant.C[i] != donnees.C[i] || avant.D[i] != donnees.D[i])
            donnees_.Masque[i] = CACHE_RESULTAT;
    determineMasques();
    GenererLignes();
}

bool TvlFraction::EditerNombres() {
    FractionEdit2Modele modele(donnees_, bloc_.FractionOperation, Nom());
    if (Ui().ShowModal("FractionEdit2", modele) != mrOk)
        return false;
    RemplaceDonnees(modele.Donnees);
    return true;
}

bool TvlFraction::DblClk(int, vlPoint) {
    EditerNombres();
    return true;
}

// ---- record ----

bool TvlFraction::SauveDonnees(TStream& s) {
    if (!WriteBuffer(s, &donnees_, sizeof donnees_))
        return false;
    return std::all_of(lignes_.begin(), lignes_.end(),
                       [&s](const std::string& ligne) { return WriteString(s, ligne); });
}

bool TvlFraction::ChargeDonnees(TStream& s) {
    FractionDonnees lues;
    if (!ReadBuffer(s, &lues, sizeof lues) ||
        !verifieDonnees(s, lues, bloc_.FractionOperation == FR_DIVISION))
        return false;
    donnees_ = lues;
    determineMasques();
    // A text that cannot be read is written again from its numbers: nothing is lost.
    GenererLignes();
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
        std::string ligne;
        if (!ReadString(s, ligne))
            return false;
        if (!LigneLisible(ligne)) {
            s.Refuse("texte de la ligne " + std::to_string(i + 1) +
                     "\u00A0: caractères hors du langage des fractions ou plus de " +
                     std::to_string(LIGNE_MAX) + " caractères");
            return false;
        }
        lignes_[i] = std::move(ligne);
    }
    return true;
}

// ---- drawing ----

bool TvlFraction::dessineCadre(TCanvas& canvas) {
    AppliqueOptions();
    canvas.Brush = Brosse;
    canvas.Pen = Pinceau;
    if (canvas.Pen.Width == 0 || canvas.Pen.Style != psSolid)
        canvas.Pen.Width = 1;
    return RectangleAff(canvas, bloc_.TaillePinceauCadre, bloc_.StylePinceauCadre,
                        Rect.Normalise());
}

void TvlFraction::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    const bool contenu = dessineCadre(canvas);
    if (Recepteurs.empty()) {
        Emet(canvas, Rect.Normalise(), {0, 0}, {0, 0}, mode, this);
        return;
    }
    if (contenu)
        AfficheNoteRedirection(canvas);
}

void TvlFraction::Imprime(TCanvas& canvas, int mode, TPlanche* planche) {
    if (Recepteurs.empty())
        Dessine(canvas, mode, planche);
}

vlPoint TvlFraction::Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                          TComposant* recepteur) {
    const vlRect cadre = rect.Normalise();
    // Without grid alignment the offered width is ignored.
    const vlSize offerte{bloc_.AlignerSurCarreau != 0 ? cell.cx : 0, cell.cy};
    rect = DessinOperation::Interieur(cadre, recepteur != nullptr ? recepteur->Pinceau.Width : 0,
                                      offerte);
    const int lignes = std::clamp<int>(bloc_.NombreOperations, 1, LIGNES);
    horsCadre_ = 0;
    if (pos.x >= rect.Width() || pos.y >= rect.Height()) {
        horsCadre_ = lignes;
        return pos;
    }

    const int hauteur = -(bloc_.Fonte.Taille * 254 / 72);
    TFont police;
    TFont policeCorrige;
    police.PixelsPerInch = canvas.Font.PixelsPerInch;
    policeCorrige.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Fonte.Restaure(police);
    bloc_.FonteCorrige.Restaure(policeCorrige);
    police.Height = hauteur;
    policeCorrige.Height = hauteur;

    const int niveau = canvas.SaveDC();
    canvas.Font = police;
    const int chiffre = canvas.TextWidth("0");
    const TTextMetric m = canvas.GetTextMetrics();
    // The space each side of a sign is half a digit; on grid squares a sign has its square.
    const CellulesFraction cellules{offerte.cx != 0 ? offerte.cx : chiffre,
                                    offerte.cy != 0 ? offerte.cy : m.tmHeight + m.tmExternalLeading,
                                    offerte.cx != 0 ? 0 : chiffre / 2};
    canvas.IntersectClipRect(cadre.left, cadre.top, cadre.right, cadre.bottom);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_BASELINE | TA_CENTER);

    // Hidden parts: blank in the test version, in the correction font in the corrected one.
    const int modeCache = bloc_.Cache == 0       ? AFF_NORMAL
                          : mode == MODE_EPREUVE ? AFF_BLANC
                          : mode == MODE_CORRIGE ? AFF_CORRIGE
                                                 : AFF_NORMAL;
    DessinFraction mesure(nullptr, police, policeCorrige, cellules, modeCache);
    DessinFraction dessin(&canvas, police, policeCorrige, cellules, modeCache);
    std::vector<vlSize> tailles;
    for (int i = 0; i < lignes; ++i)
        tailles.push_back(
            mesure.DessineLigne({0, 0}, lignes_[std::size_t(i)], donnees_.Masque[std::size_t(i)]));
    vlPoint p = pos;
    int largeurColonne = 0;
    for (std::size_t i = 0; i < tailles.size(); ++i) {
        const vlSize taille = tailles[i];
        // A new column when the line would pass the bottom, set apart by three cells so that
        // the columns do not read as one line; less, down to a cell, when that lets all its
        // lines fit.
        if (p.y > pos.y && p.y + taille.cy > rect.Height()) {
            const int fin = p.x + largeurColonne;
            const int place =
                rect.Width() - fin - LargeurColonne(tailles, i, pos.y, rect.Height(), cellules.ch);
            p = {fin + std::clamp(place, cellules.cw, ECART_COLONNES * cellules.cw), pos.y};
            largeurColonne = 0;
        }
        // Drawn whole or not at all, and in order: a line that does not fit ends the drawing,
        // so that no line is missing between two printed ones.
        if (p.x + taille.cx > rect.Width() || p.y + taille.cy > rect.Height()) {
            horsCadre_ = lignes - int(i);
            break;
        }
        dessin.DessineLigne({rect.left + p.x, rect.top + p.y}, lignes_[i], donnees_.Masque[i]);
        largeurColonne = std::max(largeurColonne, taille.cx);
        p.y += taille.cy + cellules.ch;
    }
    canvas.RestoreDC(niveau);
    return p;
}

std::string TvlFraction::AvertissementCadre() const {
    if (horsCadre_ == 0)
        return {};
    return Nom() + "\u00A0: " + std::to_string(horsCadre_) +
           (horsCadre_ == 1 ? " ligne ne tient pas" : " lignes ne tiennent pas") + " dans le cadre";
}

std::vector<std::string> TvlFraction::Reponses() const {
    if (bloc_.Cache == 0)
        return {};
    std::vector<std::string> reponses;
    const int lignes = std::clamp<int>(bloc_.NombreOperations, 1, LIGNES);
    for (std::size_t i = 0; i < std::size_t(lignes); ++i) {
        std::string reponse;
        for (const std::string& valeur :
             DessinFraction::ValeursCachees(lignes_[i], donnees_.Masque[i]))
            reponse += (reponse.empty() ? "" : "\u00A0; ") + valeur;
        reponses.push_back(std::move(reponse));
    }
    return reponses;
}

// ---- description ----

std::vector<std::string> TvlFraction::Description() const {
    std::vector<std::string> d = CommonComponent::Description();
    const FractionOptions& o = bloc_;
    const int op = o.FractionOperation;
    d.push_back("FractionOperation = " + std::to_string(op) +
                (op >= 0 && op <= FR_SIMPLIFICATION ? std::string(" (") + kNomsOperations[op] + ")"
                                                    : std::string()));
    d.push_back("NombreOperations = " + std::to_string(o.NombreOperations));
    d.push_back("MemesDenominateurs = " + std::to_string(o.MemesDenominateurs));
    d.push_back("ResultatsInterm1 = " + std::to_string(o.ResultatsInterm1));
    d.push_back("ResultatsInterm2 = " + std::to_string(o.ResultatsInterm2));
    d.push_back("Simplification = " + std::to_string(o.Simplification));
    d.push_back("SimplificationIntelligente = " + std::to_string(o.SimplificationIntelligente));
    d.push_back("Cache = " + std::to_string(o.Cache));
    d.push_back("AlignerSurCarreau = " + std::to_string(o.AlignerSurCarreau));
    d.push_back("Fonte = " + o.Fonte.ToString());
    d.push_back("FonteCorrigé = " + o.FonteCorrige.ToString());
    d.push_back("Numerateurs = " + std::to_string(donnees_.NumMin) + ";" +
                std::to_string(donnees_.NumMax));
    d.push_back("Denominateurs = " + std::to_string(donnees_.DenMin) + ";" +
                std::to_string(donnees_.DenMax));
    for (const TComposant* recepteur : Recepteurs)
        d.push_back("Rediriger = " + recepteur->Nom());
    for (std::size_t i = 0; i < lignes_.size(); ++i)
        d.push_back(std::to_string(i + 1) +
                    "\u00A0: " + operandeLisible(donnees_.A[i], donnees_.B[i]) + "\u00A0; " +
                    operandeLisible(donnees_.C[i], donnees_.D[i]) + "\u00A0; masque " +
                    std::to_string(donnees_.Masque[i]) + "\u00A0; " + lignes_[i]);
    return d;
}
