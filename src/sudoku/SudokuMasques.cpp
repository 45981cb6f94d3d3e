#include "sudoku/SudokuMasques.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// Bit counts of the 9-bit sets (candidates, positions in a unit or a line): a table, as the
// build targets processors without a population count instruction.
constexpr std::array<std::uint8_t, 512> kBits = [] {
    std::array<std::uint8_t, 512> table{};
    for (unsigned i = 0; i < table.size(); ++i)
        table[i] = std::uint8_t(std::popcount(i));
    return table;
}();

// A set of values spread one value a 16-bit lane: values 0 to 3, 4 to 7, then 8.
constexpr std::array<std::array<std::uint64_t, 3>, 512> kEtale = [] {
    std::array<std::array<std::uint64_t, 3>, 512> table{};
    for (unsigned masque = 0; masque < table.size(); ++masque)
        for (unsigned v = 0; v < 9; ++v)
            if (masque >> v & 1u)
                table[masque][v / 4] |= std::uint64_t(1) << (16 * (v % 4));
    return table;
}();

int bits(unsigned masque) {
    return kBits[masque & 511u];
}

int plusBas(unsigned masque) {
    return std::countr_zero(masque);
}

constexpr GeometrieSudoku construit(int largeur, int hauteur) {
    GeometrieSudoku g;
    const int n = largeur * hauteur;
    g.n = n;
    g.largeur = largeur;
    g.hauteur = hauteur;
    g.nbCases = n * n;
    const int piles = n / largeur;
    for (int k = 0; k < n; ++k)
        for (int x = 0; x < n; ++x) {
            g.unite[x][k] = std::uint8_t(x * n + k);
            g.unite[n + x][k] = std::uint8_t(k * n + x);
            const int ligne = (x / piles) * hauteur + k / largeur;
            const int colonne = (x % piles) * largeur + k % largeur;
            g.unite[2 * n + x][k] = std::uint8_t(ligne * n + colonne);
            for (int u : {x, n + x, 2 * n + x}) {
                const int i = g.unite[u][k];
                g.unitesDe[i] |= 1u << u;
                g.uniteDeCase[i][u / n] = std::uint8_t(u);
                g.placeDansUnite[i][u / n] = std::uint8_t(k);
                g.uniteEnsemble[u][i >> 6] |= std::uint64_t(1) << (i & 63);
            }
        }
    for (int i = 0; i < g.nbCases; ++i) {
        const int l = i / n;
        const int c = i % n;
        int nombre = 0;
        for (int j = 0; j < g.nbCases; ++j) {
            const int lj = j / n;
            const int cj = j % n;
            const bool memeBoite = lj / hauteur == l / hauteur && cj / largeur == c / largeur;
            if (j != i && (lj == l || cj == c || memeBoite)) {
                g.voisins[i][nombre++] = std::uint8_t(j);
                g.voisinsEnsemble[i][j >> 6] |= std::uint64_t(1) << (j & 63);
            }
        }
        g.nbVoisins = nombre;
        g.parColonnes[c * n + l] = std::uint8_t(i);
        g.rangColonne[i] = std::uint8_t(c * n + l);
    }
    return g;
}

// The four shapes, built at compile time.
template <int L, int H> constexpr GeometrieSudoku kForme = construit(L, H);

} // namespace

const GeometrieSudoku& GeometrieSudoku::De(int largeur, int hauteur) {
    if (largeur == 3 && hauteur == 2)
        return kForme<3, 2>;
    if (largeur == 2 && hauteur == 3)
        return kForme<2, 3>;
    if (largeur == 2 && hauteur == 2)
        return kForme<2, 2>;
    return kForme<3, 3>;
}

int EnsembleCases::Suivant(int debut) const {
    for (int mot = debut >> 6; mot < 2; ++mot) {
        std::uint64_t reste = mots[mot];
        if (mot == debut >> 6)
            reste &= ~std::uint64_t(0) << (debut & 63);
        if (reste != 0)
            return mot * 64 + std::countr_zero(reste);
    }
    return -1;
}

SudokuMasques::SudokuMasques(const SudokuGrille& grille)
    : geo_(&GeometrieSudoku::De(grille.LargeurRegion, grille.HauteurRegion)) {
    const int n = geo_->n;
    for (int i = 0; i < geo_->nbCases; ++i) {
        const char* cellule = grille.Cases[i / n][i % n];
        unsigned masque = 0;
        for (int k = 0; k < n; ++k)
            if (cellule[k] != SudokuGrille::Vide)
                masque |= 1u << k;
        masques_[i] = std::uint16_t(masque);
    }
    recense();
}

void SudokuMasques::recense() {
    sales_ = ~0u;
    attente_ = {};
    videPossible_ = false;
    for (EnsembleCases& cases : candidats_)
        cases = {};
    // The cells holding every value (most of them, in a puzzle) are added to all at once.
    const unsigned tous = (1u << geo_->n) - 1;
    EnsembleCases pleines;
    for (int i = 0; i < geo_->nbCases; ++i) {
        const unsigned masque = masques_[i];
        const int nombre = bits(masque);
        videPossible_ |= nombre == 0;
        if (nombre == 1)
            attente_.Ajoute(geo_->rangColonne[i]);
        if (masque == tous) {
            pleines.Ajoute(i);
            continue;
        }
        for (unsigned reste = masque; reste != 0; reste &= reste - 1)
            candidats_[plusBas(reste)].Ajoute(i);
    }
    for (int v = 0; v < geo_->n; ++v) {
        candidats_[v].mots[0] |= pleines.mots[0];
        candidats_[v].mots[1] |= pleines.mots[1];
    }
}

int SudokuMasques::Valeur(int i) const {
    const unsigned masque = masques_[i];
    return bits(masque) == 1 ? plusBas(masque) + 1 : 0;
}

void SudokuMasques::ChargeProbleme(const std::string& probleme) {
    const int n = geo_->n;
    const unsigned tous = (1u << n) - 1;
    for (int i = 0; i < geo_->nbCases; ++i) {
        const char symbole = i < int(probleme.size()) ? probleme[size_t(i)] : '0';
        unsigned masque = 0;
        if (symbole == '0')
            masque = tous;
        else if (symbole >= '1' && symbole <= '0' + n)
            masque = 1u << (symbole - '1');
        masques_[i] = std::uint16_t(masque);
    }
    fixees_ = {};
    recense();
}

void SudokuMasques::FixeValeur(int i, int valeur) {
    if (masques_[i] == 0)
        videPossible_ = true; // the empty cell is gone, but another one may remain
    oteCandidats(i, masques_[i]);
    masques_[i] = std::uint16_t(1u << (valeur - 1));
    candidats_[valeur - 1].Ajoute(i);
    sales_ |= geo_->unitesDe[i];
    fixees_.Ajoute(i);
    attente_.Ajoute(geo_->rangColonne[i]);
}

void SudokuMasques::EcritDans(SudokuGrille& grille) const {
    const int n = geo_->n;
    for (int i = 0; i < geo_->nbCases; ++i) {
        char* cellule = grille.Cases[i / n][i % n];
        const unsigned masque = masques_[i];
        if (fixees_.Contient(i)) {
            std::memset(cellule, SudokuGrille::Vide, SudokuGrille::TailleMax);
            cellule[SudokuGrille::TailleMax] = '\0';
            if (masque != 0)
                cellule[plusBas(masque)] = char('1' + plusBas(masque));
            continue;
        }
        for (int k = 0; k < n; ++k)
            if (!(masque & (1u << k)))
                cellule[k] = SudokuGrille::Vide;
    }
}

int SudokuMasques::StatutCompletion() const {
    for (int rang = 0; rang < geo_->nbCases; ++rang) {
        const int nombre = bits(masques_[geo_->parColonnes[rang]]);
        if (nombre != 1)
            return nombre == 0 ? ssContradiction : ssBloque;
    }
    return ssResolu;
}

int SudokuMasques::Resoudre(int niveau) {
    if (geo_->largeur == 3 && geo_->hauteur == 2)
        return resoudre<3, 2>(niveau);
    if (geo_->largeur == 2 && geo_->hauteur == 3)
        return resoudre<2, 3>(niveau);
    if (geo_->largeur == 2 && geo_->hauteur == 2)
        return resoudre<2, 2>(niveau);
    return resoudre<3, 3>(niveau);
}

template <int L, int H> void SudokuMasques::retire(int i, unsigned bits) {
    const unsigned avant = masques_[i];
    const unsigned reste = avant & ~bits;
    if (reste == avant)
        return;
    masques_[i] = std::uint16_t(reste);
    oteCandidats(i, avant & ~reste);
    sales_ |= kForme<L, H>.unitesDe[i];
    change_ = true;
    if (reste == 0) {
        contradiction_ = true;
        videPossible_ = true;
    } else if ((reste & (reste - 1)) == 0) {
        attente_.Ajoute(kForme<L, H>.rangColonne[i]);
    }
}

// As FixeValeur, on a cell that holds the value.
template <int L, int H> void SudokuMasques::fixe(int i, unsigned bit) {
    oteCandidats(i, masques_[i] & ~bit);
    masques_[i] = std::uint16_t(bit);
    sales_ |= kForme<L, H>.unitesDe[i];
    fixees_.Ajoute(i);
    attente_.Ajoute(kForme<L, H>.rangColonne[i]);
}

// Each solved cell, column by column and top to bottom, removes its value from its peers; the
// sweeps go on until nothing changes. A cell already swept changes nothing the next time, so
// only the solved cells not yet swept are visited, in the sweeps' order.
template <int L, int H> int SudokuMasques::singletonsNus() {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    if (videPossible_) {
        for (int i = 0; i < g.nbCases; ++i)
            if (masques_[i] == 0)
                return ssContradiction;
        videPossible_ = false;
    }
    int position = 0;
    while (!attente_.Vide()) {
        int rang = attente_.Suivant(position);
        if (rang < 0)
            rang = attente_.Suivant(0);
        attente_.Retire(rang);
        position = rang + 1;
        const int i = g.parColonnes[rang];
        const unsigned valeur = masques_[i];
        if (valeur == 0)
            continue;
        // retire() on the peers that hold the value, found in one step from its cells.
        EnsembleCases& cellules = candidats_[plusBas(valeur)];
        const std::uint64_t* voisins = g.voisinsEnsemble[i];
        std::uint64_t touchees[2] = {cellules.mots[0] & voisins[0], cellules.mots[1] & voisins[1]};
        cellules.mots[0] &= ~touchees[0];
        cellules.mots[1] &= ~touchees[1];
        if ((touchees[0] | touchees[1]) == 0)
            continue;
        change_ = true;
        bool vide = false;
        for (int mot = 0; mot < 2; ++mot)
            for (std::uint64_t reste = touchees[mot]; reste != 0; reste &= reste - 1) {
                const int voisin = mot * 64 + std::countr_zero(reste);
                const unsigned masque = masques_[voisin] & ~valeur;
                masques_[voisin] = std::uint16_t(masque);
                sales_ |= g.unitesDe[voisin];
                vide |= masque == 0;
                const bool seule = masque != 0 && (masque & (masque - 1)) == 0;
                const int rang = g.rangColonne[voisin];
                attente_.mots[rang >> 6] |= std::uint64_t(seule) << (rang & 63);
            }
        if (vide) {
            contradiction_ = true;
            videPossible_ = true;
            return ssContradiction;
        }
    }
    return ssBloque;
}

namespace {

// Four cells side by side, one 16-bit lane each (the array holds three more past its last cell,
// left empty).
std::uint64_t quatre(const std::uint16_t* cases) {
    std::uint64_t mot;
    std::memcpy(&mot, cases, sizeof mot);
    return mot;
}

// Per lane: the candidates of a cell holding two or more, else nothing.
std::uint64_t ouvertes(std::uint64_t masques) {
    constexpr std::uint64_t hauts = 0x8000800080008000u;
    constexpr std::uint64_t uns = 0x0001000100010001u;
    const std::uint64_t reduits = ((masques | hauts) - uns) & masques; // m & (m - 1) per lane
    const std::uint64_t nonNuls = ((reduits + 0x7FFF7FFF7FFF7FFFu) & hauts) >> 15;
    return masques & (nonNuls * 0xFFFFu);
}

// The values held at least once and at least twice, over cells added one or four at a time.
struct Comptes {
    std::uint64_t une = 0;
    std::uint64_t deux = 0;

    void Ajoute(std::uint64_t ouverts) {
        deux |= une & ouverts;
        une |= ouverts;
    }
    // The four lanes brought into the first one.
    void Plie() {
        deux |= (deux >> 32) | (une & (une >> 32));
        une |= une >> 32;
        deux |= (deux >> 16) | (une & (une >> 16));
        une |= une >> 16;
        une &= 0x1FFu;
        deux &= 0x1FFu;
    }
    unsigned Seules() const { return unsigned(une & ~deux); }
};

} // namespace

// The values one unsolved cell of unit u alone holds: rows and boxes of a 9 x 9 grid four
// cells at a time, the other units a cell at a time.
template <int L, int H> unsigned SudokuMasques::seulesDe(int u) const {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    if constexpr (n == 9) {
        constexpr std::uint64_t troisPremieres =
            std::endian::native == std::endian::little ? 0x0000FFFFFFFFFFFFu : 0xFFFFFFFFFFFF0000u;
        if (u < 9) {
            Comptes comptes;
            comptes.Ajoute(ouvertes(quatre(masques_ + 9 * u)));
            comptes.Ajoute(ouvertes(quatre(masques_ + 9 * u + 4)));
            comptes.Plie();
            const unsigned masque = masques_[9 * u + 8];
            comptes.Ajoute(masque & (0u - unsigned((masque & (masque - 1)) != 0)));
            return comptes.Seules();
        }
        if (u >= 18) {
            const int coin = g.unite[u][0];
            Comptes comptes;
            for (int ligne = 0; ligne < 3; ++ligne)
                comptes.Ajoute(ouvertes(quatre(masques_ + coin + 9 * ligne)) & troisPremieres);
            comptes.Plie();
            return comptes.Seules();
        }
    }
    unsigned une = 0;
    unsigned deux = 0;
    for (int k = 0; k < n; ++k) {
        const unsigned masque = masques_[g.unite[u][k]];
        // Solved (one bit) and empty cells are left out, without a branch.
        const unsigned ouvert = masque & (0u - unsigned((masque & (masque - 1)) != 0));
        deux |= une & ouvert;
        une |= ouvert;
    }
    return une & ~deux;
}

// Places the first value, in unit order then value order, that one unsolved cell of a unit
// alone can hold.
template <int L, int H> bool SudokuMasques::singletonCache() {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    constexpr unsigned toutes = (1u << (3 * n)) - 1;
    // The first unit known to hold one bounds the units to scan again: only those before it.
    const unsigned connues = avecSeules_ & ~sales_ & toutes;
    const unsigned avant = connues != 0 ? (connues & (0u - connues)) - 1 : toutes;
    int u = -1;
    for (unsigned aRevoir = sales_ & avant; aRevoir != 0; aRevoir &= aRevoir - 1) {
        const int w = std::countr_zero(aRevoir);
        const unsigned seules = seulesDe<L, H>(w);
        seulesUnite_[w] = std::uint16_t(seules);
        sales_ &= ~(1u << w);
        avecSeules_ = (avecSeules_ & ~(1u << w)) | (unsigned(seules != 0) << w);
        if (seules != 0) {
            u = w;
            break;
        }
    }
    if (u < 0) {
        if (connues == 0)
            return false;
        u = std::countr_zero(connues);
    }
    const unsigned v = unsigned(plusBas(seulesUnite_[u]));
    // The one cell of the unit holding v: every solved cell has been swept, so a cell solved
    // with v would have left none.
    const EnsembleCases& cellules = candidats_[v];
    const std::uint64_t bas = cellules.mots[0] & g.uniteEnsemble[u][0];
    const std::uint64_t haut = cellules.mots[1] & g.uniteEnsemble[u][1];
    fixe<L, H>(bas != 0 ? std::countr_zero(bas) : 64 + std::countr_zero(haut), 1u << v);
    return true;
}

template <int L, int H> int SudokuMasques::resoudre(int niveau) {
    Stat = {};
    bool premierPassage = true;
    for (;;) {
        if (singletonsNus<L, H>() == ssContradiction)
            return ssContradiction;
        if (premierPassage) {
            int resolues = 0;
            for (int i = 0; i < kForme<L, H>.nbCases; ++i)
                resolues += bits(masques_[i]) == 1;
            Stat[rgCellulesOpaques] = std::uint16_t(kForme<L, H>.nbCases - resolues);
            premierPassage = false;
        }
        if (niveau <= 0)
            return StatutCompletion();
        if (singletonCache<L, H>()) {
            ++Stat[rgUniqueCache];
            continue;
        }
        if (niveau == 1)
            return StatutCompletion();

        contradiction_ = false;
        Effet effet = pointage<L, H>();
        if (effet == efRien)
            effet = reductionBoiteLigne<L, H>();
        if (effet == efRien)
            effet = sousEnsemblesNus<L, H>();
        if (effet == efRien)
            effet = sousEnsemblesCaches<L, H>();
        if (effet == efRien) {
            // A fish that finds nothing changes nothing: both sizes read the same positions.
            PositionsPoisson positions;
            positionsPoisson<L, H>(positions);
            for (int taille = 2; taille <= 3 && effet == efRien; ++taille)
                effet = poisson<L, H>(taille, positions);
        }
        if (effet == efContradiction)
            return ssContradiction;
        if (effet == efRien)
            return StatutCompletion();
    }
}

// A value of a box whose candidates all lie in one column (row) of the box, an unsolved cell
// holding it, leaves that column (row) outside the box. The boxes are taken in order, each
// seeing what the earlier ones removed.
template <int L, int H> SudokuMasques::Effet SudokuMasques::pointage() {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    change_ = false;
    for (int b = 0; b < n; ++b) {
        const std::uint8_t* cases = g.unite[2 * n + b];
        unsigned libres = 0;
        unsigned colonnes[3] = {};
        unsigned lignes[3] = {};
        for (int k = 0; k < n; ++k) {
            const unsigned masque = masques_[cases[k]];
            if ((masque & (masque - 1)) != 0)
                libres |= masque;
            colonnes[k % g.largeur] |= masque;
            lignes[k / g.largeur] |= masque;
        }
        if (libres == 0)
            continue;
        const int ligne0 = cases[0] / n;
        const int colonne0 = cases[0] % n;
        for (int x = 0; x < g.largeur; ++x) {
            unsigned ailleurs = 0;
            for (int y = 0; y < g.largeur; ++y)
                if (y != x)
                    ailleurs |= colonnes[y];
            const unsigned seules = libres & colonnes[x] & ~ailleurs;
            if (seules == 0)
                continue;
            for (int l = 0; l < n; ++l)
                if (l < ligne0 || l >= ligne0 + g.hauteur)
                    retire<L, H>(l * n + colonne0 + x, seules);
        }
        for (int x = 0; x < g.hauteur; ++x) {
            unsigned ailleurs = 0;
            for (int y = 0; y < g.hauteur; ++y)
                if (y != x)
                    ailleurs |= lignes[y];
            const unsigned seules = libres & lignes[x] & ~ailleurs;
            if (seules == 0)
                continue;
            for (int c = 0; c < n; ++c)
                if (c < colonne0 || c >= colonne0 + g.largeur)
                    retire<L, H>((ligne0 + x) * n + c, seules);
        }
    }
    if (contradiction_)
        return efContradiction;
    if (!change_)
        return efRien;
    ++Stat[rgVerrouRegion];
    return efChange;
}

// A value of an unsolved cell that its column (row) holds only inside the box leaves the other
// columns (rows) of the box. The cells of a box are taken in walk order, each seeing what the
// earlier ones removed.
template <int L, int H> SudokuMasques::Effet SudokuMasques::reductionBoiteLigne() {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    change_ = false;
    for (int b = 0; b < n; ++b) {
        const std::uint8_t* cases = g.unite[2 * n + b];
        const int ligne0 = cases[0] / n;
        const int colonne0 = cases[0] % n;
        // The candidates of each column (row) of the box outside the box.
        unsigned horsColonne[3] = {};
        unsigned horsLigne[3] = {};
        for (int x = 0; x < g.largeur; ++x)
            for (int l = 0; l < n; ++l)
                if (l < ligne0 || l >= ligne0 + g.hauteur)
                    horsColonne[x] |= masques_[l * n + colonne0 + x];
        for (int x = 0; x < g.hauteur; ++x)
            for (int c = 0; c < n; ++c)
                if (c < colonne0 || c >= colonne0 + g.largeur)
                    horsLigne[x] |= masques_[(ligne0 + x) * n + c];

        for (int k = 0; k < n; ++k) {
            const unsigned masque = masques_[cases[k]];
            if ((masque & (masque - 1)) == 0)
                continue;
            const int kc = k % g.largeur;
            const int kl = k / g.largeur;
            const unsigned parColonne = masque & ~horsColonne[kc];
            const unsigned parLigne = masque & ~horsLigne[kl];
            if ((parColonne | parLigne) == 0)
                continue;
            for (int j = 0; j < n; ++j) {
                unsigned enleve = 0;
                if (j % g.largeur != kc)
                    enleve |= parColonne;
                if (j / g.largeur != kl)
                    enleve |= parLigne;
                if (enleve != 0)
                    retire<L, H>(cases[j], enleve);
            }
        }
    }
    if (contradiction_)
        return efContradiction;
    if (!change_)
        return efRien;
    ++Stat[rgVerrouLigne];
    return efChange;
}

template <int L, int H> SudokuMasques::Effet SudokuMasques::sousEnsemblesNus() {
    bool change = false;
    for (int u = 0; u < 3 * kForme<L, H>.n; ++u) {
        const Effet effet = sousEnsemblesNusUnite<L, H>(u);
        if (effet == efContradiction)
            return efContradiction;
        change |= effet == efChange;
    }
    return change ? efChange : efRien;
}

// k cells of a unit holding the same k candidates leave those candidates to the other cells.
// The cells with 2 to N - 1 candidates are sorted by count, largest first (stable), and walked
// from the smallest; a cell counts the earlier ones whose candidates are a subset of its own.
template <int L, int H> SudokuMasques::Effet SudokuMasques::sousEnsemblesNusUnite(int unite) {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    struct Entree {
        int position;
        int nombre;
        unsigned masque;
    };
    Entree entrees[9];
    int total = 0;
    for (int k = 0; k < n; ++k) {
        const unsigned masque = masques_[g.unite[unite][k]];
        const int nombre = bits(masque);
        if (nombre < 2 || nombre >= n)
            continue;
        // Stable insertion, largest count first.
        int place = total;
        while (place > 0 && entrees[place - 1].nombre < nombre) {
            entrees[place] = entrees[place - 1];
            --place;
        }
        entrees[place] = {k, nombre, masque};
        ++total;
    }

    contradiction_ = false;
    for (int i = total - 1; i >= 1; --i) {
        const Entree& entree = entrees[i];
        if (entree.nombre > i + 1)
            continue;
        unsigned membres = 1u << entree.position;
        for (int j = 0; j < i; ++j)
            if ((entrees[j].masque & ~entree.masque) == 0)
                membres |= 1u << entrees[j].position;
        const int taille = bits(membres);
        if (taille != entree.nombre || taille < 2 || taille > 4)
            continue;
        change_ = false;
        for (int k = 0; k < n; ++k)
            if (!(membres & (1u << k)))
                retire<L, H>(g.unite[unite][k], entree.masque);
        if (contradiction_)
            return efContradiction;
        if (change_) {
            ++Stat[rgPaireNue + taille - 2];
            return efChange;
        }
    }
    return efRien;
}

// k values of a unit confined to k cells leave those cells no other candidate, for k from 2 to
// 5, each size over every unit before the next. The first combination of values found in a
// unit, in lexicographic order, is the only one tried there.
template <int L, int H> SudokuMasques::Effet SudokuMasques::sousEnsemblesCaches() {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    // Positions of each value among the unsolved cells of each unit, the first of the walk on
    // the highest bit. Nothing changes them until a size removes something and returns.
    // Each unsolved cell's candidates are spread one value a 16-bit lane, then shifted to the
    // cell's place in each of its units.
    std::uint64_t voies[27][3] = {};
    for (int i = 0; i < g.nbCases; ++i) {
        const unsigned masque = masques_[i];
        const unsigned ouvert = masque & (0u - unsigned((masque & (masque - 1)) != 0));
        const std::array<std::uint64_t, 3>& etale = kEtale[ouvert];
        for (int d = 0; d < 3; ++d) {
            std::uint64_t* voie = voies[g.uniteDeCase[i][d]];
            const int decalage = n - 1 - g.placeDansUnite[i][d];
            voie[0] |= etale[0] << decalage;
            voie[1] |= etale[1] << decalage;
            voie[2] |= etale[2] << decalage;
        }
    }
    // A combination starts with a value in at most k cells, and k values are needed besides
    // those it holds: the smallest count and the number of values of each unit tell which
    // sizes can remove anything there (k values out of k only find the cells' own values).
    unsigned positionsUnites[27][10] = {};
    std::uint32_t utiles[6] = {};
    int plusPetit = 99;
    for (int u = 0; u < 3 * n; ++u) {
        unsigned moinsUn = ~0u; // the smallest count less one, over the values present
        int valeurs = 0;
        for (int v = 0; v < n; ++v) {
            const unsigned positions = unsigned(voies[u][v >> 2] >> (16 * (v & 3))) & 0x1FFu;
            positionsUnites[u][v + 1] = positions;
            const int nombre = bits(positions);
            valeurs += nombre != 0;
            moinsUn = std::min(moinsUn, unsigned(nombre - 1));
        }
        const int plusPetitUnite = moinsUn == ~0u ? 99 : int(moinsUn) + 1;
        plusPetit = std::min(plusPetit, plusPetitUnite);
        for (int taille = std::max(2, plusPetitUnite); taille <= 5 && taille < valeurs; ++taille)
            utiles[taille] |= 1u << u;
    }
    for (int taille = std::max(2, plusPetit); taille <= 5; ++taille) {
        const Effet effet =
            sousEnsemblesCachesTaille<L, H>(taille, utiles[taille], positionsUnites);
        if (effet != efRien)
            return effet;
    }
    return efRien;
}

template <int L, int H>
SudokuMasques::Effet
SudokuMasques::sousEnsemblesCachesTaille(int taille, std::uint32_t unites,
                                         const unsigned (*positionsUnites)[10]) {
    constexpr const GeometrieSudoku& g = kForme<L, H>;
    constexpr int n = L * H;
    for (; unites != 0; unites &= unites - 1) {
        const int u = std::countr_zero(unites);
        const unsigned* positions = positionsUnites[u];
        // The values in 1 to k cells, in order: no other can be a member, nor fit in k cells.
        int liste[9];
        int m = 0;
        for (int v = 1; v <= n; ++v) {
            const int nombre = bits(positions[v]);
            liste[m] = v;
            m += nombre >= 1 && nombre <= taille;
        }
        int choix[5] = {-1, -1, -1, -1, -1}; // the members' places in the list
        unsigned unions[6] = {};
        int profondeur = 0;
        bool trouve = false;
        while (profondeur >= 0 && !trouve) {
            int& c = choix[profondeur];
            ++c;
            if (c > m - (taille - profondeur)) { // too few values left to complete
                --profondeur;
                continue;
            }
            const unsigned reunion = unions[profondeur] | positions[liste[c]];
            if (bits(reunion) > taille)
                continue;
            if (profondeur + 1 < taille) {
                unions[profondeur + 1] = reunion;
                choix[profondeur + 1] = c;
                ++profondeur;
                continue;
            }
            if (bits(reunion) != taille)
                continue;
            bool autreValeur = false;
            for (int d = c + 1; d < m && !autreValeur; ++d)
                autreValeur = (positions[liste[d]] & ~reunion) == 0;
            if (autreValeur)
                continue;
            unions[taille] = reunion;
            trouve = true;
        }
        if (!trouve)
            continue;

        unsigned valeurs = 0;
        for (int membre = 0; membre < taille; ++membre)
            valeurs |= 1u << (liste[choix[membre]] - 1);
        change_ = false;
        contradiction_ = false;
        for (int k = 0; k < n; ++k)
            if (unions[taille] & (1u << (n - 1 - k)))
                retire<L, H>(g.unite[u][k], ~valeurs);
        if (contradiction_)
            return efContradiction;
        if (change_) {
            ++Stat[rgPaireCachee + taille - 2];
            return efChange;
        }
    }
    return efRien;
}

template <int L, int H> void SudokuMasques::positionsPoisson(PositionsPoisson& p) const {
    constexpr int n = L * H;
    std::memset(&p, 0, sizeof p);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            unsigned masque = masques_[r * n + c];
            if (masque != 0 && (masque & (masque - 1)) == 0) {
                p.resolues[0][plusBas(masque)] |= 1u << r;
                p.resolues[1][plusBas(masque)] |= 1u << c;
            }
            for (; masque != 0; masque &= masque - 1) {
                p.positions[0][plusBas(masque)][r] |= 1u << c;
                p.positions[1][plusBas(masque)][c] |= 1u << r;
            }
        }
}

// Fish of size k: the rows from the top, then the columns from the left, are base lines; a
// value in 2 to k positions of a base line, with k - 1 later lines (without the value solved)
// keeping the union within k positions and no line after the last one also fitting, leaves
// those positions in every other line. The first fish of a base line ends the technique, as
// does the first fish found at all when it removes something.
template <int L, int H>
SudokuMasques::Effet SudokuMasques::poisson(int taille, const PositionsPoisson& p) {
    constexpr int n = L * H;
    for (int sens = 0; sens < 2; ++sens) {
        const bool lignes = sens == 0;
        const auto& positions = p.positions[sens];
        const unsigned* resolues = p.resolues[sens];
        auto cellule = [&](int ligne, int place) {
            return lignes ? ligne * n + place : place * n + ligne;
        };

        for (int base = 0; base < n; ++base) {
            for (int v = 0; v < n; ++v) {
                const unsigned* pos = positions[v];
                const unsigned depart = pos[base];
                const int nombre = bits(depart);
                if (nombre < 2 || nombre > taille)
                    continue;
                int choisies[3] = {base, base, 0};
                unsigned unions[4] = {depart, 0, 0, 0};
                int profondeur = 1;
                bool trouve = false;
                while (profondeur >= 1 && !trouve) {
                    int& ligne = choisies[profondeur];
                    ++ligne;
                    if (ligne >= n) {
                        --profondeur;
                        continue;
                    }
                    if ((resolues[v] >> ligne & 1u) || pos[ligne] == 0)
                        continue;
                    const unsigned reunion = unions[profondeur - 1] | pos[ligne];
                    if (bits(reunion) > taille)
                        continue;
                    if (profondeur + 1 < taille) {
                        unions[profondeur] = reunion;
                        choisies[profondeur + 1] = ligne;
                        ++profondeur;
                        continue;
                    }
                    bool autreLigne = false;
                    for (int suivante = ligne + 1; suivante < n && !autreLigne; ++suivante)
                        autreLigne =
                            !(resolues[v] >> suivante & 1u) && (pos[suivante] & ~reunion) == 0;
                    if (autreLigne)
                        continue;
                    unions[taille - 1] = reunion;
                    trouve = true;
                }
                if (!trouve)
                    continue;

                const unsigned reunion = unions[taille - 1];
                change_ = false;
                contradiction_ = false;
                for (int ligne = 0; ligne < n; ++ligne) {
                    bool choisie = false;
                    for (int m = 0; m < taille; ++m)
                        choisie |= choisies[m] == ligne;
                    if (choisie)
                        continue;
                    for (unsigned reste = reunion; reste != 0; reste &= reste - 1)
                        retire<L, H>(cellule(ligne, plusBas(reste)), 1u << v);
                }
                if (contradiction_)
                    return efContradiction;
                if (!change_)
                    break; // this base line is done
                ++Stat[rgXWing + taille - 2];
                return efChange;
            }
        }
    }
    return efRien;
}
