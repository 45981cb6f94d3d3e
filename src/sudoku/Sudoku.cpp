#include "sudoku/Sudoku.h"

#include "common/LienListe.h"
#include "host/Conversions.h"
#include "host/Liste.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Random.h"
#include "platform/UserInterface.h"
#include "sudoku/SudokuCles.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTexte.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace {

constexpr char kChampImage[] = "image";

void erreur(const std::string& texte) {
    Ui().MessageBox(texte, "ERREUR", MB_OK | MB_ICONERROR);
}

// The field name of a reference "<name,options>" (the placement and size options are not used
// for drawing).
std::string nomChamp(const std::string& reference) {
    const size_t debut = reference.find('<');
    if (debut == std::string::npos)
        return {};
    const size_t fin = reference.find_first_of(",>", debut + 1);
    return reference.substr(debut + 1,
                            (fin == std::string::npos ? reference.size() : fin) - debut - 1);
}

int nbValeursType(int type) {
    SudokuGrille grille;
    grille.FixeType(type);
    return grille.NbValeurs;
}

} // namespace

TvlSudoku::TvlSudoku(TCadre* cadre) : Kind(cadre, "Sudoku", NUMERO, VERSION) {
    Installe();
}

TvlSudoku::TvlSudoku(const TvlSudoku& other)
    : Kind(other), reference_(other.reference_), images_(other.images_) {
    // A copy is not registered with the source's list: it starts unbound.
}

TableCles TvlSudoku::Cles() const {
    return kClesSudoku;
}

const std::array<const char*, StatRegles::Taille>& TvlSudoku::NomsRegles() {
    static const std::array<const char*, StatRegles::Taille> noms{"Cellules opaques",
                                                                  "Cand. unique caché",
                                                                  "Cand. région verrouillé",
                                                                  "Cand. Ligne/Col. verrouillé",
                                                                  "paire nue",
                                                                  "Triplet nu",
                                                                  "Quadruplet nu",
                                                                  "Paire cachée",
                                                                  "Triplet caché",
                                                                  "Quadruplet caché",
                                                                  "Quintuplet caché",
                                                                  "Formation en X",
                                                                  "SwordFish",
                                                                  "Autre"};
    return noms;
}

void TvlSudoku::RestaureStandardNonApplique() {
    bloc_ = SudokuOptions{};
    bloc_.NiveauStrict = 1;
    bloc_.Police.Copie(GlobalFonte());
    changeChemin(PathDonnees() + "Sudoku17.dat");
}

std::string TvlSudoku::chemin() const {
    return std::string(bloc_.PathBdd, strnlen(bloc_.PathBdd, sizeof bloc_.PathBdd));
}

void TvlSudoku::changeChemin(const std::string& chemin) {
    std::memset(bloc_.PathBdd, 0, sizeof bloc_.PathBdd);
    std::memcpy(bloc_.PathBdd, chemin.data(), std::min<size_t>(chemin.size(), TailleCheminMax));
}

int TvlSudoku::NbValeursGrille() const {
    return nbValeursType(bloc_.TypeGrille);
}

std::vector<IniEntry> TvlSudoku::EntreesIniPropres() {
    return {IniEntry::Text(
        "PathBdd", [this] { return chemin(); }, [this](const std::string& v) { changeChemin(v); })};
}

namespace {

// A cell's code as one character of the "Cases" key: 0 empty, 1..9 given, 10 no value,
// 11..19 a value to find.
constexpr std::string_view kCodesCases = "0123456789-abcdefghi";

} // namespace

std::optional<std::string> TvlSudoku::TexteCle(const Cle& cle) {
    if (cle.index == CleSudoku::Liste)
        return liste_ != nullptr ? std::optional(liste_->Nom()) : std::nullopt;
    if (cle.index != CleSudoku::Cases)
        return CommonComponent::TexteCle(cle);
    std::string cases;
    for (const std::int8_t code : bloc_.Cases)
        cases += kCodesCases[std::size_t(std::clamp<int>(code, 0, 19))];
    return cases;
}

bool TvlSudoku::changeCases(const std::string& valeur, std::string& message) {
    std::array<std::int8_t, 81> cases{};
    bool lu = valeur.size() == cases.size();
    for (std::size_t i = 0; lu && i < cases.size(); ++i) {
        const std::size_t code = kCodesCases.find(valeur[i]);
        lu = code != std::string_view::npos;
        cases[i] = std::int8_t(code);
    }
    if (!lu) {
        message = "«\u00A0Cases\u00A0» attend 81 caractères\u00A0: 1 à 9 pour un chiffre donné, a "
                  "à i pour un "
                  "chiffre à trouver, 0 pour une case vide, - pour une case sans valeur";
        return false;
    }
    std::memcpy(bloc_.Cases, cases.data(), cases.size());
    avertissement_.clear();
    return true;
}

std::optional<bool> TvlSudoku::ChangeOptionPropre(int index, const std::string& valeur,
                                                  std::string& message) {
    switch (index) {
    case CleSudoku::Cases:
        return changeCases(valeur, message);
    case CleSudoku::Liste:
        return lieListe(valeur, message);
    case CleSudoku::EnrCde:
    case CleSudoku::EnrPos:
        // The list has moved (it tells its receivers with these keys): decode again.
        decodeImages(reference_);
        return true;
    case CleSudoku::DecoderFiltre:
        decodeImages(valeur);
        return true;
    case CleSudoku::EffacerImages:
        for (TPicture& image : images_)
            image.Clear();
        return false;
    case CleSudoku::CalculerGrille:
        GenereGrille();
        return false;
    case CleSudoku::Recherche:
        RechercheBdd(valeur);
        return false;
    case CleSudoku::Enr: {
        const Cle& cle = kClesSudoku[CleSudoku::Enr];
        int sens = 0;
        if (!ConvInt(valeur, sens, message, cle.min, cle.max))
            return false;
        DeplaceDansBase(sens);
        return false;
    }
    case CleSudoku::Transforme:
        TransformeGrille();
        return false;
    case CleSudoku::Copier:
        Copier();
        return false;
    case CleSudoku::Coller:
        Coller();
        return false;
    case CleSudoku::Thread:
        OuvreRecherche(EntierLibre(valeur) != 0);
        return false;
    case CleSudoku::PathBdd: {
        if (valeur.size() > size_t(TailleCheminMax)) {
            message = "Le chemin de la base de données dépasse 259 caractères.";
            return false;
        }
        // A base that cannot be read is refused here, naming it, rather than after the path
        // has replaced a good one.
        FichierBaseSudoku base;
        if (!valeur.empty() && !OuvreBaseLecture(valeur, base, message)) {
            message = "«\u00A0" + valeur + "\u00A0»\u00A0: " + message;
            return false;
        }
        base.Ferme();
        changeChemin(valeur);
        bloc_.PremierTrouve = 0;
        bloc_.EnrCourant = 0;
        RechercheBdd(std::string(TailleCle, '0'));
        return true;
    }
    default:
        return std::nullopt;
    }
}

void TvlSudoku::ApresCle(int index) {
    if (index == CleSudoku::EnrCourant)
        ValideEnrCourant();
}

// ---- Generation, mixing, clipboard

bool TvlSudoku::GenereGrille() {
    const GrilleGeneree grille =
        bloc_.NiveauStrict != 0
            ? GenereGrilleStricte(bloc_.TypeGrille, bloc_.Niveau, bloc_.NbValeurs, GlobalRandom(),
                                  chemin())
            : ::GenereGrille(bloc_.TypeGrille, bloc_.Niveau, bloc_.NbValeurs, GlobalRandom());
    if (!grille.Reussi) {
        erreur(grille.Message);
        return false;
    }
    std::memcpy(bloc_.Cases, grille.Cases.data(), sizeof bloc_.Cases);
    bloc_.Stat = grille.Stat;
    avertissement_ = grille.Avertissement;
    return true;
}

std::string TvlSudoku::AvertissementCadre() const {
    return avertissement_.empty() ? std::string() : Nom() + "\u00A0: " + avertissement_;
}

void TvlSudoku::TransformeGrille() {
    SudokuGrille grille;
    grille.FixeType(bloc_.TypeGrille);
    const int nombre = grille.NbCases();
    std::string codes(size_t(nombre), '0');
    for (int i = 0; i < nombre; ++i)
        codes[size_t(i)] = char(bloc_.Cases[i] + '0');
    grille.EcritCaracteres(codes);
    grille.Transforme();
    grille.LitCaracteres(codes);
    for (int i = 0; i < nombre; ++i)
        bloc_.Cases[i] = std::int8_t(codes[size_t(i)] - '0');
}

void TvlSudoku::Copier() {
    std::array<std::int8_t, 81> cases{};
    std::memcpy(cases.data(), bloc_.Cases, cases.size());
    Ui().SetClipboardText(TexteGrille(bloc_.TypeGrille, cases));
}

bool TvlSudoku::Coller() {
    int type = 0;
    std::string probleme;
    const std::string refus = LitTexteGrille(Ui().ClipboardText(), type, probleme);
    if (!refus.empty()) {
        erreur(refus);
        return false;
    }
    SudokuGrille grille;
    grille.FixeType(type);
    grille.ChargeProbleme(probleme);
    StatRegles stat{};
    std::string solution;
    if (grille.Resoudre(NiveauComplet) == ssResolu) {
        stat = grille.Stat;
        solution = grille.LitSolution();
    } else {
        // Extra clues from a random completion, within a time limit each.
        bool complete = false;
        for (int essai = 0; essai < 5 && !complete; ++essai) {
            std::string copie = probleme;
            std::string pleine;
            if (grille.GenereAleatoire(copie, pleine, NiveauComplet, 1000) != ssResolu)
                continue;
            grille.ChargeProbleme(copie);
            grille.Resoudre(NiveauComplet);
            stat = grille.Stat;
            stat[rgAutre] = 1;
            solution = grille.LitSolution();
            complete = true;
        }
        if (!complete) {
            erreur("Cette grille ne peut être résolue par le solveur\u00A0: elle n'est pas "
                   "transférée dans le composant");
            return false;
        }
    }
    bloc_.TypeGrille = std::int16_t(type);
    prendCases(stat, probleme, solution);
    return true;
}

void TvlSudoku::prendCases(const StatRegles& stat, const std::string& probleme,
                           const std::string& solution) {
    const auto cases = CodesCases(probleme, solution, int(probleme.size()));
    std::memcpy(bloc_.Cases, cases.data(), sizeof bloc_.Cases);
    bloc_.Stat = stat;
    avertissement_.clear();
}

void TvlSudoku::RecoitProbleme(const StatRegles& stat, const std::array<std::int8_t, 81>& cases) {
    std::memcpy(bloc_.Cases, cases.data(), sizeof bloc_.Cases);
    bloc_.Stat = stat;
    avertissement_.clear();
}

void TvlSudoku::OuvreRecherche(bool enregistre) {
    SudokuDiaGenereModele modele(
        bloc_.TypeGrille, chemin(), enregistre,
        [this](const StatRegles& stat, const std::array<std::int8_t, 81>& cases) {
            RecoitProbleme(stat, cases);
        });
    Ui().ShowModal(SudokuDiaGenereModele::NomFiche, modele);
    modele.Fermeture();
    const std::string nouveau = modele.NouveauChemin();
    if (!nouveau.empty())
        changeChemin(nouveau);
}

// ---- Database

bool TvlSudoku::ouvreBase(FichierBaseSudoku& base) {
    const std::string nom = chemin();
    if (nom.empty()) {
        erreur("Pas de fichier défini");
        return false;
    }
    std::string message;
    if (!OuvreBaseLecture(nom, base, message)) {
        erreur(message);
        return false;
    }
    if (base.Type() != bloc_.TypeGrille) {
        bloc_.TypeGrille = std::int16_t(base.Type());
        std::memset(bloc_.Cases, 0, sizeof bloc_.Cases);
    }
    return true;
}

bool TvlSudoku::correspond(const CleBase& cle) const {
    for (int i = 0; i < TailleCle; ++i)
        if (bloc_.Filtre[i] != 0 && cle[size_t(i)] == 0)
            return false;
    return true;
}

bool TvlSudoku::RechercheBdd(const std::string& filtre) {
    bloc_.PremierTrouve = -1;
    bloc_.EnrCourant = 0;
    for (int i = 0; i < TailleCle; ++i)
        bloc_.Filtre[i] = i < int(filtre.size()) && filtre[size_t(i)] != '0';
    FichierBaseSudoku base;
    if (!ouvreBase(base))
        return false;
    EnregistrementBase enregistrement;
    for (std::int64_t k = 0; k < base.NbEnregistrements(); ++k) {
        if (!base.LitEnregistrement(k, enregistrement))
            break;
        if (!correspond(enregistrement.Cle))
            continue;
        bloc_.PremierTrouve = std::int32_t(k);
        bloc_.EnrCourant = std::int32_t(k);
        base.Ferme();
        CreeProbleme(enregistrement.Grille);
        return true;
    }
    Ui().ShowMessage("Aucun enregistrement ne correspond");
    return false;
}

void TvlSudoku::chercheEntre(std::int64_t debut, std::int64_t fin) {
    FichierBaseSudoku base;
    if (!ouvreBase(base))
        return;
    fin = std::min(fin, base.NbEnregistrements() - 1);
    debut = std::min(debut, base.NbEnregistrements() - 1);
    const std::int64_t pas = debut <= fin ? 1 : -1;
    EnregistrementBase enregistrement;
    for (std::int64_t k = debut; k >= 0 && (pas > 0 ? k <= fin : k >= fin); k += pas) {
        if (!base.LitEnregistrement(k, enregistrement))
            return;
        if (!correspond(enregistrement.Cle))
            continue;
        bloc_.EnrCourant = std::int32_t(k);
        base.Ferme();
        CreeProbleme(enregistrement.Grille);
        return;
    }
}

void TvlSudoku::DeplaceDansBase(int sens) {
    if (bloc_.PremierTrouve < 0)
        return;
    switch (sens) {
    case 0:
        bloc_.EnrCourant = bloc_.PremierTrouve;
        lireProbleme();
        break;
    case 1:
        if (bloc_.EnrCourant > 0)
            chercheEntre(bloc_.EnrCourant - 1, 0);
        break;
    case 2:
        chercheEntre(std::int64_t(bloc_.EnrCourant) + 1, INT32_MAX);
        break;
    default:
        chercheEntre(INT32_MAX, bloc_.PremierTrouve);
        break;
    }
}

bool TvlSudoku::lireProbleme() {
    FichierBaseSudoku base;
    std::string message;
    if (chemin().empty() || !OuvreBaseLecture(chemin(), base, message)) {
        erreur("La base de données semble utilisée. Impossible de l'ouvrir en lecture.");
        return false;
    }
    bloc_.TypeGrille = std::int16_t(base.Type());
    EnregistrementBase enregistrement;
    if (!base.LitEnregistrement(bloc_.EnrCourant, enregistrement)) {
        erreur("Problème de lecture du fichier");
        return false;
    }
    base.Ferme();
    return CreeProbleme(enregistrement.Grille);
}

bool TvlSudoku::ValideEnrCourant() {
    FichierBaseSudoku base;
    std::string message;
    if (chemin().empty() || !OuvreBaseLecture(chemin(), base, message))
        return false;
    EnregistrementBase enregistrement;
    if (!base.LitEnregistrement(bloc_.EnrCourant, enregistrement))
        return false;
    bloc_.TypeGrille = std::int16_t(base.Type());
    base.Ferme();
    return CreeProbleme(enregistrement.Grille);
}

bool TvlSudoku::CreeProbleme(const std::vector<std::uint8_t>& grille) {
    const std::string probleme =
        DecompacteProbleme(grille.data(), int(grille.size()), bloc_.TypeGrille);
    SudokuGrille solveur;
    solveur.FixeType(bloc_.TypeGrille);
    solveur.ChargeProbleme(probleme);
    if (solveur.Resoudre(NiveauComplet) != ssResolu) {
        erreur("Le solveur n'a pas pu résoudre cette grille");
        bloc_.Stat = {};
        std::memset(bloc_.Cases, 0, sizeof bloc_.Cases);
        return false;
    }
    prendCases(solveur.Stat, probleme, solveur.LitSolution());
    return true;
}

// ---- List binding

bool TvlSudoku::lieListe(const std::string& nom, std::string& message) {
    if (!LieListe(*this, liste_, nom, kChampImage, true,
                  "Cette liste ne possède pas de champs d'images", message))
        return false;
    if (liste_ != nullptr) {
        reference_ = std::string("<") + kChampImage + ">";
        decodeImages(reference_);
    }
    return true;
}

void TvlSudoku::SignaleDisparition(TComposant* autre) {
    if (autre == liste_)
        liste_ = nullptr;
    CommonComponent::SignaleDisparition(autre);
}

void TvlSudoku::decodeImages(const std::string& reference) {
    if (liste_ == nullptr)
        return;
    const std::string champ = nomChamp(reference);
    const int courant = std::max(liste_->Courant(), 0);
    for (int i = 0; i < 9; ++i) {
        const TPicture* image = liste_->Image(champ, courant + i);
        if (image != nullptr)
            images_[size_t(i)] = *image;
        else
            images_[size_t(i)].Clear();
    }
}

// ---- Record

bool TvlSudoku::SauveDonnees(TStream& s) {
    if (!WriteString(s, reference_))
        return false;
    for (const TPicture& image : images_)
        if (!WritePicture(s, image))
            return false;
    return true;
}

bool TvlSudoku::ChargeDonnees(TStream& s) {
    // Cell codes: 0 empty, 1..9 given, 10 no value, 11..19 hidden value.
    for (const std::int8_t code : bloc_.Cases)
        if (!VerifiePlage(s, code, 0, 19, "Cases"))
            return false;
    if (!ReadString(s, reference_))
        return false;
    for (TPicture& image : images_)
        if (!ReadPicture(s, image))
            return false;
    return true;
}

void TvlSudoku::LibereDonnees() {
    reference_.clear();
    for (TPicture& image : images_)
        image.Clear();
}

// ---- Drawing

namespace {

struct Disposition {
    int cote;               // cell size c
    std::array<int, 9> x{}; // cell origins
    std::array<int, 9> y{};
};

// Origin of cell j along an axis of `groupes` boxes of `largeur` cells.
int origine(int debut, int j, int largeur, int groupes, int s, int p, int t) {
    return debut + p + ((j / largeur) * s) / groupes +
           ((j % largeur) * ((s - groupes * p) / groupes)) / largeur + t;
}

Disposition disposition(int type, const vlRect& r, int s, int p, int t) {
    SudokuGrille grille;
    grille.FixeType(type);
    const int n = grille.NbValeurs;
    const int largeur = grille.LargeurRegion;
    const int hauteur = grille.HauteurRegion;
    Disposition d;
    switch (grille.NbValeurs) {
    case 9:
        d.cote = (s - 4 * p - 6 * t) / 9;
        break;
    case 6:
        d.cote = (s - 3 * p - 4 * t) / 6;
        break;
    default:
        d.cote = (s - 3 * p - 2 * t) / 4;
        break;
    }
    for (int j = 0; j < n; ++j) {
        d.x[size_t(j)] = origine(r.left, j, largeur, n / largeur, s, p, t);
        d.y[size_t(j)] = origine(r.top, j, hauteur, n / hauteur, s, p, t);
    }
    return d;
}

} // namespace

void TvlSudoku::Dessine(TCanvas& canvas, int, TPlanche*) {
    // The grid is square: the largest square of the frame, centred across it, so that a frame
    // made taller or wider than the grid (an instruction above it) keeps the border on the grid.
    const vlRect cadre = Rect.Normalise();
    const int s = std::min(cadre.Width(), cadre.Height());
    const int gauche = cadre.left + (cadre.Width() - s) / 2;
    const vlRect r{gauche, cadre.top, gauche + s, cadre.top + s};
    const int p = bloc_.TaillePinceau;
    canvas.Brush = {TColor(bloc_.CouleurBrosse), TBrushStyle(bloc_.StyleBrosse & 0xFF)};
    canvas.Pen = {TColor(bloc_.CouleurPinceau), p, psSolid, pmCopy};
    SignaleErreurDessin({});
    if (!RectangleAff(canvas, p, psSolid, r))
        return;
    if (s < 2)
        return;
    dessineGrille(canvas, r, s);
}

void TvlSudoku::dessineGrille(TCanvas& canvas, const vlRect& r, int s) {
    SudokuGrille grille;
    grille.FixeType(bloc_.TypeGrille);
    const int n = grille.NbValeurs;
    const int largeur = grille.LargeurRegion;
    const int hauteur = grille.HauteurRegion;
    const int p = bloc_.TaillePinceau;
    const bool plein = (bloc_.StylePinceau & 0xFF) == psSolid;
    const int t = plein ? std::clamp(p - 20, 1, 10) : 1;
    const Disposition d = disposition(bloc_.TypeGrille, r, s, p, t);

    // Cell separators with the thin pen, centred in the gaps between cells.
    canvas.Pen = {TColor(bloc_.CouleurPinceau), t, psSolid, pmCopy};
    for (int j = 1; j < n; ++j) {
        if (j % largeur != 0) {
            const int x = (d.x[size_t(j - 1)] + d.cote + d.x[size_t(j)]) / 2;
            canvas.MoveTo(x, r.top);
            canvas.LineTo(x, r.top + s);
        }
        if (j % hauteur != 0) {
            const int y = (d.y[size_t(j - 1)] + d.cote + d.y[size_t(j)]) / 2;
            canvas.MoveTo(r.left, y);
            canvas.LineTo(r.left + s, y);
        }
    }
    // Box boundaries with the frame pen.
    canvas.Pen = {TColor(bloc_.CouleurPinceau), p, TPenStyle(bloc_.StylePinceau & 0xFF), pmCopy};
    const int piles = n / largeur;
    const int bandes = n / hauteur;
    for (int k = 1; k < piles; ++k) {
        const int x = r.left + p / 2 + (k * s) / piles;
        canvas.MoveTo(x, r.top);
        canvas.LineTo(x, r.top + s);
    }
    for (int k = 1; k < bandes; ++k) {
        const int y = r.top + p / 2 + (k * s) / bandes;
        canvas.MoveTo(r.left, y);
        canvas.LineTo(r.left + s, y);
    }

    // Pens as thick as the grid leave its squares no room: nothing is written, and said.
    if (d.cote < 1) {
        SignaleErreurDessin("Pas de place pour le dessin");
        return;
    }
    for (int i = 0; i < n * n; ++i) {
        const int x = d.x[size_t(i % n)];
        const int y = d.y[size_t(i / n)];
        DessineCase(canvas, {x, y, x + d.cote, y + d.cote}, i);
    }
}

void TvlSudoku::DessineCase(TCanvas& canvas, const vlRect& carre, int index) {
    const int code = bloc_.Cases[index];
    const bool cachee = code >= 10;
    const int v = code >= 11 ? code - 10 : code;
    if (v < 1 || v > 9)
        return;
    if (cachee && ModeVisu() != MODE_CORRIGE)
        return;

    const TPicture& image = images_[size_t(v - 1)];
    if (!image.Empty()) {
        TPicture dessin = image;
        dessin.Transparent = bloc_.Transparent != 0;
        vlRect cible = carre;
        if (bloc_.RespecterProportions != 0 && image.Width() > 0 && image.Height() > 0) {
            const double echelle = std::min(double(carre.Width()) / image.Width(),
                                            double(carre.Height()) / image.Height());
            const int w = int(image.Width() * echelle);
            const int h = int(image.Height() * echelle);
            const int x = carre.left + (carre.Width() - w) / 2;
            const int y = carre.top + (carre.Height() - h) / 2;
            cible = {x, y, x + w, y + h};
        }
        canvas.StretchDraw(cible, dessin);
        return;
    }

    const int niveau = canvas.SaveDC();
    bloc_.Police.Restaure(canvas.Font);
    if (cachee)
        canvas.Font.Color = TColor(bloc_.CouleurCorrige);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    const std::string texte(1, char('0' + v));
    vlSize taille = canvas.TextExtent(texte);
    // A digit taller or wider than its square is written smaller, so that none covers another.
    if (taille.cx > carre.Width() || taille.cy > carre.Height()) {
        const double k = std::min(double(carre.Width()) / std::max(taille.cx, 1),
                                  double(carre.Height()) / std::max(taille.cy, 1));
        const int hauteur = int(canvas.Font.Height * k);
        canvas.Font.Height = hauteur != 0 ? hauteur : (canvas.Font.Height < 0 ? -1 : 1);
        taille = canvas.TextExtent(texte);
    }
    const vlPoint coin{carre.left + (carre.Width() - taille.cx) / 2,
                       carre.top + (carre.Height() - taille.cy) / 2};
    canvas.TextOut(coin.x, coin.y, texte);
    canvas.TagReadable({coin.x, coin.y, coin.x + taille.cx, coin.y + taille.cy}, "chiffre");
    canvas.RestoreDC(niveau);
}

// ---- Text views

std::vector<std::string> TvlSudoku::Informations() const {
    const int n = NbValeursGrille();
    int cachees = 0;
    int donnees = 0;
    for (int i = 0; i < n * n; ++i) {
        cachees += bloc_.Cases[i] >= 11;
        donnees += bloc_.Cases[i] >= 1 && bloc_.Cases[i] <= 9;
    }
    std::vector<std::string> lignes{
        "cellules opaques (" + std::to_string(cachees) + ")",
        "cellules révélées (" + std::to_string(donnees) + ")",
        "candidats uniques (" + std::to_string(cachees - bloc_.Stat[rgCellulesOpaques]) + ")"};
    for (int i = 1; i < StatRegles::Taille; ++i)
        if (bloc_.Stat[i] != 0)
            lignes.push_back(std::string(NomsRegles()[size_t(i)]) + " (" +
                             std::to_string(bloc_.Stat[i]) + ")");
    if (cachees > 0)
        lignes.push_back(PhraseNiveau(bloc_.Stat));
    return lignes;
}

std::vector<std::string> TvlSudoku::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("TypeGrille = " + std::to_string(bloc_.TypeGrille));
    lignes.push_back("Niveau = " + std::to_string(bloc_.Niveau));
    lignes.push_back("NbValeurs = " + std::to_string(bloc_.NbValeurs));
    lignes.push_back("NiveauStrict = " + std::to_string(bloc_.NiveauStrict));
    lignes.push_back("PathBdd = " + chemin());
    const int n = NbValeursGrille();
    for (int l = 0; l < n; ++l) {
        std::string ligne;
        for (int c = 0; c < n; ++c) {
            const int code = bloc_.Cases[l * n + c];
            if (!ligne.empty())
                ligne += ' ';
            if (code >= 1 && code <= 9)
                ligne += char('0' + code);
            else if (code >= 11 && code <= 19)
                ligne += std::string("[") + char('0' + code - 10) + "]";
            else
                ligne += '.';
        }
        lignes.push_back(ligne);
    }
    for (const std::string& info : Informations())
        lignes.push_back(info);
    return lignes;
}
