#include "host/Grille.h"

#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Text.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace {

constexpr int minCellule = 20;  // 2 mm
constexpr int maxCellule = 500; // 5 cm
constexpr int maxEpaisseur = 50;
constexpr int maxCouleur = 0xFFFFFF;
// A new grid's text size, so that a digit fits a 5 mm cell.
constexpr int taillePoliceDefaut = 10;

// Every field of the options block within its range; the stream names the first one out.
bool verifieOptions(TStream& s, const TGrille::TOptions& o) {
    return VerifiePlage(s, o.Colonnes, 1, TGrille::MAX_CASES, "Colonnes") &&
           VerifiePlage(s, o.Lignes, 1, TGrille::MAX_CASES, "Lignes") &&
           VerifiePlage(s, o.Cellule, minCellule, maxCellule, "Cellule") &&
           VerifiePlage(s, o.CouleurLignes, 0, maxCouleur, "CouleurLignes") &&
           VerifiePlage(s, o.EpaisseurLignes, 0, maxEpaisseur, "EpaisseurLignes") &&
           VerifieFonte(s, o.Police, "Police");
}

// No cell text is written smaller than 7 points (the canvas' -Height is points x 254 / 72).
constexpr int hauteurMin = 7 * 254 / 72;

// A text as written in a cell: its font and its lines.
struct TexteCase {
    TFont police;
    std::vector<std::string> lignes;
};

bool voyelle(char c) {
    return std::string_view("aeiouyAEIOUY").find(c) != std::string_view::npos ||
           static_cast<unsigned char>(c) >= 0x80; // accented letters
}

// Whether French breaks `mot` before its character i: before a consonant between two vowels
// (Same-di), or between two consonants after a vowel that do not sound as one (Diman-che, but
// neither c-h nor d-r).
bool coupeFrancaise(const std::string& mot, std::size_t i) {
    if (i < 2 || i + 2 > mot.size() || voyelle(mot[i]))
        return false;
    const char avant = mot[i - 1];
    if (voyelle(avant))
        return voyelle(mot[i + 1]);
    const std::string paire{avant, mot[i]};
    return voyelle(mot[i - 2]) && paire != "ch" && paire != "ph" && paire != "th" &&
           paire != "gn" && mot[i] != 'l' && mot[i] != 'r';
}

// The widest start of `mot`, whole characters, that fits `largeur` with a hyphen after it,
// where French would break it if it can; at least one character.
std::size_t debutCoupe(TCanvas& canvas, const std::string& mot, int largeur) {
    std::size_t tient = 0;
    std::size_t francaise = 0;
    for (std::size_t i = 1; i < mot.size(); ++i) {
        if ((static_cast<unsigned char>(mot[i]) & 0xC0) == 0x80)
            continue; // inside a character
        if (tient > 0 && canvas.TextWidth(mot.substr(0, i) + "-") > largeur)
            break;
        tient = i;
        if (coupeFrancaise(mot, i))
            francaise = i;
    }
    return francaise > 0 ? francaise : tient;
}

// The text broken into lines at its blanks so that each fits `largeur`, at the canvas' font;
// with `coupeMots`, a word wider than that is broken with a hyphen.
std::vector<std::string> lignesCase(TCanvas& canvas, const std::string& texte, int largeur,
                                    bool coupeMots) {
    std::vector<std::string> lignes;
    std::string ligne;
    std::istringstream mots(texte);
    for (std::string mot; mots >> mot;) {
        std::string essai = ligne.empty() ? mot : ligne + " " + mot;
        if (!ligne.empty() && canvas.TextWidth(essai) > largeur) {
            lignes.push_back(ligne);
            essai = mot;
        }
        while (coupeMots && canvas.TextWidth(essai) > largeur && essai.size() > 1) {
            const std::size_t n = debutCoupe(canvas, essai, largeur);
            if (n == 0)
                break;
            lignes.push_back(essai.substr(0, n) + "-");
            essai.erase(0, n);
        }
        ligne = std::move(essai);
    }
    if (!ligne.empty())
        lignes.push_back(ligne);
    return lignes;
}

// A cell's text at its font when it fits nine tenths of the cell's side; else broken at its
// blanks and written smaller, down to 7 points; at 7 points, then, on the cell's whole width,
// and last broken inside its words.
TexteCase miseEnCase(TCanvas& canvas, const TFont& police, const std::string& texte, int cote) {
    const int base = std::abs(police.Height);
    const int minimum = std::min(base, hauteurMin);
    TexteCase choix{police, {texte}};
    const auto essai = [&](int h, int place, bool coupeMots) {
        choix.police = police;
        choix.police.Height = police.Height < 0 ? -h : h;
        canvas.Font = choix.police;
        choix.lignes = lignesCase(canvas, texte, place, coupeMots);
        const int hauteur = int(choix.lignes.size()) * canvas.GetTextMetrics().tmHeight;
        return (hauteur <= place || choix.lignes.size() == 1) &&
               std::ranges::all_of(choix.lignes, [&](const std::string& l) {
                   return canvas.TextWidth(l) <= place;
               });
    };
    const int place = cote * 9 / 10;
    for (int h = base; h > 0; h = h == minimum ? 0 : std::max(minimum, h - 4))
        if (essai(h, place, false))
            return choix;
    if (!essai(minimum, cote, false))
        essai(minimum, cote, true);
    return choix;
}

} // namespace

TGrille::TGrille(TCadre* cadre) : TComposant(cadre) {
    NomType = "Grille";
    NumeroType = NUMERO;
    Version = VERSION;
    opts_.Police.Copie(GlobalFonte());
    opts_.Police.Taille = taillePoliceDefaut;
    cases_.resize(std::size_t(opts_.Colonnes * opts_.Lignes));
    const vlPoint origine = OrgMarges();
    Rect = {origine.x, origine.y, origine.x, origine.y};
    Rect.ChangeSize(TailleCreation());
    CalculerPoignees();
}

TGrille::TGrille(const TGrille& other)
    : TComposant(other), opts_(other.opts_), cases_(other.cases_) {}

const std::vector<std::string>& TGrille::Cles() {
    static const std::vector<std::string> cles{
        "Gauche",  "Haut",    "Largeur",       "Hauteur",         "Colonnes",
        "Lignes",  "Cellule", "CouleurLignes", "EpaisseurLignes", "Texte",
        "Couleur", "Effacer", "Fonte",
    };
    return cles;
}

std::unique_ptr<TComposant> TGrille::Copie() const {
    return std::make_unique<TGrille>(*this);
}

void* TGrille::Options(int& taille) {
    taille = int(sizeof(opts_));
    return &opts_;
}

vlSize TGrille::TailleCreation() const {
    return {opts_.Colonnes * opts_.Cellule, opts_.Lignes * opts_.Cellule};
}

int TGrille::NatureServices() const {
    return SERVICE_RECEPTEUR;
}

std::vector<TCleValeur> TGrille::ReglagesFeuille() {
    std::vector<TCleValeur> reglages{{"Cellule", TexteCentimetres(opts_.Cellule)},
                                     {"Colonnes", std::to_string(opts_.Colonnes)},
                                     {"Lignes", std::to_string(opts_.Lignes)}};
    for (TCleValeur& place : TComposant::ReglagesFeuille())
        if (place.cle == "Gauche" || place.cle == "Haut")
            reglages.push_back(std::move(place));
    reglages.push_back({"CouleurLignes", std::to_string(opts_.CouleurLignes)});
    reglages.push_back({"EpaisseurLignes", std::to_string(opts_.EpaisseurLignes)});
    reglages.push_back({"Fonte", opts_.Police.ToString()});
    return reglages;
}

std::vector<TCleValeur> TGrille::ExerciceFeuille() {
    std::vector<TCleValeur> cellules;
    for (int ligne = 0; ligne < opts_.Lignes; ++ligne) {
        for (int colonne = 0; colonne < opts_.Colonnes; ++colonne) {
            const Case& c = cases_[std::size_t(ligne * opts_.Colonnes + colonne)];
            const std::string place = std::to_string(colonne + 1) + ";" + std::to_string(ligne + 1);
            if (!c.texte.empty())
                cellules.push_back({"Texte", place + ";" + c.texte});
            if (c.couleur != SANS_COULEUR)
                cellules.push_back({"Couleur", place + ";" + std::to_string(c.couleur)});
        }
    }
    return cellules;
}

bool TGrille::ChangeOption(const std::string& valeur, const std::string& nom,
                           std::string& message) {
    if (const std::optional<bool> pris = ChangeGeometrie(valeur, nom, message))
        return *pris;
    int v = 0;
    if (nom == "Colonnes" || nom == "Lignes") {
        if (!ConvInt(valeur, v, message, 1, MAX_CASES))
            return false;
        const bool colonnes = nom == "Colonnes";
        if (!tientDansLaPage(colonnes ? v : opts_.Colonnes, colonnes ? opts_.Lignes : v,
                             opts_.Cellule, message))
            return false;
        if (colonnes)
            redimensionne(v, opts_.Lignes);
        else
            redimensionne(opts_.Colonnes, v);
        ajusteRect();
        return true;
    }
    if (nom == "Cellule") {
        if (!ConvVirg(valeur, v, message, minCellule, maxCellule) ||
            !tientDansLaPage(opts_.Colonnes, opts_.Lignes, v, message))
            return false;
        opts_.Cellule = v;
        ajusteRect();
        return true;
    }
    if (nom == "CouleurLignes") {
        if (!ConvCouleur(valeur, v, message))
            return false;
        opts_.CouleurLignes = v;
        return true;
    }
    if (nom == "EpaisseurLignes") {
        if (!ConvInt(valeur, v, message, 0, maxEpaisseur))
            return false;
        opts_.EpaisseurLignes = v;
        return true;
    }
    if (nom == "Texte")
        return changeTexte(valeur, message);
    if (nom == "Couleur")
        return changeCouleur(valeur, message);
    if (nom == "Effacer") {
        std::fill(cases_.begin(), cases_.end(), Case{});
        message.clear();
        return false;
    }
    if (nom == "Fonte")
        return opts_.Police.LitCle(valeur, message);
    message.clear();
    return false;
}

bool TGrille::lireCase(const std::string& valeur, const char* forme, int& colonne, int& ligne,
                       std::string& reste, std::string& message) const {
    const auto first = valeur.find(';');
    const auto second = first == std::string::npos ? first : valeur.find(';', first + 1);
    if (second == std::string::npos) {
        message = std::string("Valeur attendue\u00A0: «\u00A0") + forme +
                  "\u00A0», par exemple «\u00A02;3;" +
                  (std::string(forme).ends_with("couleur") ? "255" : "7") + "\u00A0».";
        return false;
    }
    int c = 0;
    int l = 0;
    if (!ConvInt(valeur.substr(0, first), c, message) ||
        !ConvInt(valeur.substr(first + 1, second - first - 1), l, message))
        return false;
    if (c < 1 || c > opts_.Colonnes || l < 1 || l > opts_.Lignes) {
        message = "La case (colonne " + std::to_string(c) + ", ligne " + std::to_string(l) +
                  ") est hors de la grille, qui a " + std::to_string(opts_.Colonnes) +
                  " colonnes et " + std::to_string(opts_.Lignes) + " lignes.";
        return false;
    }
    colonne = c - 1;
    ligne = l - 1;
    reste = valeur.substr(second + 1);
    return true;
}

bool TGrille::changeTexte(const std::string& valeur, std::string& message) {
    int c = 0;
    int l = 0;
    std::string texte;
    if (!lireCase(valeur, "colonne;ligne;texte", c, l, texte, message))
        return false;
    cases_[std::size_t(l * opts_.Colonnes + c)].texte = texte;
    return true;
}

bool TGrille::changeCouleur(const std::string& valeur, std::string& message) {
    int c = 0;
    int l = 0;
    std::string texte;
    if (!lireCase(valeur, "colonne;ligne;couleur", c, l, texte, message))
        return false;
    int couleur = 0;
    if (!ConvCouleur(texte, couleur, message, SANS_COULEUR))
        return false;
    cases_[std::size_t(l * opts_.Colonnes + c)].couleur = couleur;
    return true;
}

bool TGrille::tientDansLaPage(int colonnes, int lignes, int cellule, std::string& message) const {
    const TPlanche* planche = Planche();
    if (planche == nullptr)
        return true;
    const vlSize page = planche->Rectangle().LireSize();
    if (colonnes * cellule <= page.cx && lignes * cellule <= page.cy)
        return true;
    message = "La grille ne tiendrait pas dans la page\u00A0: réduisez le nombre de cases ou leur "
              "taille.";
    return false;
}

void TGrille::redimensionne(int colonnes, int lignes) {
    if (colonnes == opts_.Colonnes && lignes == opts_.Lignes)
        return;
    std::vector<Case> nouvelles(std::size_t(colonnes * lignes));
    const int c = std::min(colonnes, opts_.Colonnes);
    const int l = std::min(lignes, opts_.Lignes);
    for (int y = 0; y < l; ++y)
        for (int x = 0; x < c; ++x)
            nouvelles[std::size_t(y * colonnes + x)] =
                std::move(cases_[std::size_t(y * opts_.Colonnes + x)]);
    cases_ = std::move(nouvelles);
    opts_.Colonnes = colonnes;
    opts_.Lignes = lignes;
}

void TGrille::ajusteRect() {
    vlRect r = Rect.Normalise();
    r.ChangeSize(tailleCadre());
    ChangeCoords(r);
}

void TGrille::ChangeCoords(vlRect r) {
    r = r.Normalise();
    const int cellule = opts_.Cellule;
    const auto cases = [cellule](int longueur) {
        return std::clamp((longueur + cellule / 2) / cellule, 1, MAX_CASES);
    };
    const int colonnes = cases(r.Width());
    const int bande = HauteurConsigneEstimee(Consigne(), colonnes * cellule);
    redimensionne(colonnes, cases(r.Height() - bande));
    r.ChangeSize(tailleCadre());
    TComposant::ChangeCoords(r);
    // A page smaller than the cells narrows the rectangle: keep the whole cells that fit.
    if (Rect.LireSize() == tailleCadre())
        return;
    redimensionne(std::max(1, Rect.Width() / cellule),
                  std::max(1, (Rect.Height() - bande) / cellule));
    Rect.ChangeSize(tailleCadre());
    CalculerPoignees();
}

vlSize TGrille::tailleCadre() const {
    const vlSize cases = TailleCreation();
    return {cases.cx, cases.cy + HauteurConsigneEstimee(Consigne(), cases.cx)};
}

std::string TGrille::Texte(int colonne, int ligne) const {
    if (colonne < 0 || colonne >= opts_.Colonnes || ligne < 0 || ligne >= opts_.Lignes)
        return {};
    return cases_[std::size_t(ligne * opts_.Colonnes + colonne)].texte;
}

TColor TGrille::Couleur(int colonne, int ligne) const {
    if (colonne < 0 || colonne >= opts_.Colonnes || ligne < 0 || ligne >= opts_.Lignes)
        return SANS_COULEUR;
    return cases_[std::size_t(ligne * opts_.Colonnes + colonne)].couleur;
}

vlRect TGrille::RectCellule(int colonne, int ligne) const {
    const vlRect r = Rect.Normalise();
    const int x = r.left + colonne * opts_.Cellule;
    const int y = r.top + ligne * opts_.Cellule;
    return {x, y, x + opts_.Cellule, y + opts_.Cellule};
}

void TGrille::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    dessineGrille(canvas, mode);
}

void TGrille::Imprime(TCanvas& canvas, int mode, TPlanche*) {
    dessineGrille(canvas, mode);
}

void TGrille::dessineGrille(TCanvas& canvas, int mode) {
    const int cellule = opts_.Cellule;
    const vlRect cases = RectCellule(0, 0);
    const int droite = cases.left + opts_.Colonnes * cellule;
    const int bas = cases.top + opts_.Lignes * cellule;

    canvas.SaveDC();
    for (int l = 0; l < opts_.Lignes; ++l)
        for (int c = 0; c < opts_.Colonnes; ++c) {
            const TColor couleur = Couleur(c, l);
            if (couleur == SANS_COULEUR)
                continue;
            canvas.Brush = TBrush{couleur, bsSolid};
            canvas.FillRect(RectCellule(c, l));
        }

    canvas.Pen = TPen{opts_.CouleurLignes, opts_.EpaisseurLignes, psSolid, pmCopy};
    for (int c = 0; c <= opts_.Colonnes; ++c) {
        const int x = cases.left + c * cellule;
        canvas.MoveTo(x, cases.top);
        canvas.LineTo(x, bas);
    }
    for (int l = 0; l <= opts_.Lignes; ++l) {
        const int y = cases.top + l * cellule;
        canvas.MoveTo(cases.left, y);
        canvas.LineTo(droite, y);
    }

    opts_.Police.Restaure(canvas.Font);
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    canvas.SetBkMode(TRANSPARENT);
    const TFont police = canvas.Font;
    for (int l = 0; l < opts_.Lignes; ++l)
        for (int c = 0; c < opts_.Colonnes; ++c) {
            const std::string& texte = cases_[std::size_t(l * opts_.Colonnes + c)].texte;
            if (texte.empty())
                continue;
            // A text wider than its cell goes on several lines or is written smaller, within
            // a readable size; the lines are centred in the cell.
            const TexteCase ecrit = miseEnCase(canvas, police, texte, cellule);
            canvas.Font = ecrit.police;
            const TTextMetric tm = canvas.GetTextMetrics();
            const vlRect r = RectCellule(c, l);
            const int n = int(ecrit.lignes.size());
            const int haut = r.top + (cellule - n * tm.tmHeight) / 2 + tm.tmAscent;
            for (int i = 0; i < n; ++i) {
                const std::string& ligne = ecrit.lignes[std::size_t(i)];
                const int x = r.left + cellule / 2;
                const int y = haut + i * tm.tmHeight;
                canvas.TextOut(x, y, ligne);
                // What even the smallest size cannot fit in the cell, the page check reports.
                const int demi = canvas.TextWidth(ligne) / 2;
                canvas.TagReadable({x - demi, y - tm.tmAscent, x + demi, y + tm.tmDescent},
                                   "texte");
            }
        }
    canvas.RestoreDC(-1);

    // Emitters lay their exercises out in the cells, each starting where the previous ended.
    const std::vector<TComposant*> emetteurs = Emetteurs;
    vlPoint pos{0, 0};
    for (TComposant* emetteur : emetteurs)
        pos = emetteur->Emet(canvas, Rect, pos, {cellule, cellule}, mode, this);
}

bool TGrille::Info(int code, TInfoReponse& reponse) const {
    switch (code) {
    case 1:
        reponse.entier = opts_.Colonnes;
        return true;
    case 2:
        reponse.entier = opts_.Lignes;
        return true;
    case 3: {
        TInfoCellule& cellule = reponse.cellule;
        cellule.trouve = cellule.index >= 0 && cellule.index < int(cases_.size());
        if (!cellule.trouve)
            return false;
        const Case& c = cases_[std::size_t(cellule.index)];
        cellule.texte = c.texte;
        cellule.couleur = c.couleur;
        double nombre = 0;
        cellule.nombre = ParseDecimal(std::string(Trim(c.texte)), nombre) ? nombre : 0;
        return true;
    }
    default:
        return false;
    }
}

bool TGrille::Sauve(TStream& s) {
    if (!TComposant::Sauve(s))
        return false;
    const auto remplies =
        std::count_if(cases_.begin(), cases_.end(), [](const Case& c) { return !c.Vide(); });
    if (!WriteLong(s, std::int32_t(remplies)))
        return false;
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        const Case& c = cases_[i];
        if (c.Vide())
            continue;
        if (!WriteLong(s, std::int32_t(i)) || !WriteString(s, c.texte) || !WriteLong(s, c.couleur))
            return false;
    }
    return true;
}

bool TGrille::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    const TOptions avant = opts_;
    if (!TComposant::Charge(s, resolver, parent))
        return false;
    opts_.Police.Nom[sizeof(opts_.Police.Nom) - 1] = '\0';
    if (!VerifiePlage(s, Version, VERSION, VERSION, "Version") || !verifieOptions(s, opts_)) {
        opts_ = avant;
        Version = VERSION;
        return false;
    }
    // The cells always match the options, even when what follows cannot be read.
    cases_.assign(std::size_t(opts_.Colonnes * opts_.Lignes), Case{});
    const auto nbCases = std::int32_t(cases_.size());
    std::int32_t remplies = 0;
    if (!ReadLongIn(s, remplies, 0, nbCases, "nombre de cases remplies"))
        return false;
    for (std::int32_t n = 0; n < remplies; ++n) {
        std::int32_t index = 0;
        Case c;
        if (!ReadLongIn(s, index, 0, nbCases - 1, "index de case") || !ReadString(s, c.texte) ||
            !ReadLongIn(s, c.couleur, SANS_COULEUR, maxCouleur, "couleur de case"))
            return false;
        cases_[std::size_t(index)] = std::move(c);
    }
    return true;
}
