#include "operation/RechercheTrous.h"

#include "operation/Nombres.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace {

// A pattern character as a digit, -1 for a hole.
int chiffreMotif(char c) {
    return EstChiffre(c) ? c - '0' : -1;
}

bool accepte(int motif, int chiffre) {
    return motif < 0 || motif == chiffre;
}

// Sets of digits, bit d for digit d.
using Chiffres = unsigned;
constexpr Chiffres kTous = 0x3FF;

constexpr Chiffres intervalle(int premier, int dernier) {
    return (Chiffres(2) << dernier) - (Chiffres(1) << premier);
}

// The digits d whose product x.d ends with r: kFinit[x][r].
constexpr auto kFinit = [] {
    std::array<std::array<Chiffres, 10>, 10> t{};
    for (int x = 0; x < 10; ++x)
        for (int d = 0; d < 10; ++d)
            t[std::size_t(x)][std::size_t(x * d % 10)] |= Chiffres(1) << d;
    return t;
}();

// The digits d for which the two-digit number xy (x tens, y units) times d has t as its tens'
// digit: kDizaines[y][x][t].
constexpr auto kDizaines = [] {
    std::array<std::array<std::array<Chiffres, 10>, 10>, 10> t{};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            for (int d = 0; d < 10; ++d)
                t[std::size_t(y)][std::size_t(x)][std::size_t((10 * x + y) * d / 10 % 10)] |=
                    Chiffres(1) << d;
    return t;
}();

// The digits d for which x.d + retenue ends as a pattern digit allows (any for a hole).
constexpr Chiffres finissentPar(int x, int retenue, int motif) {
    return motif < 0 ? kTous
                     : kFinit[std::size_t(x)][std::size_t((motif - retenue % 10 + 10) % 10)];
}

// Only a blank or a known 0 may stand where the other number has no digit.
bool zeroOuTrou(char c) {
    return !EstChiffre(c) || c == '0';
}

// One part of NombresConcordent: `aDroite` aligns the parts on their right ends.
bool partiesConcordent(std::string_view motif, std::string_view valeur, bool aDroite) {
    const std::size_t n = std::max(motif.size(), valeur.size());
    for (std::size_t k = 0; k < n; ++k) {
        const bool dansMotif = k < motif.size();
        const bool dansValeur = k < valeur.size();
        const char m = dansMotif ? motif[aDroite ? motif.size() - 1 - k : k] : '0';
        const char v = dansValeur ? valeur[aDroite ? valeur.size() - 1 - k : k] : '0';
        if (dansMotif && dansValeur) {
            if (EstChiffre(m) && m != v)
                return false;
        } else if (dansMotif ? !zeroOuTrou(m) : v != '0') {
            return false;
        }
    }
    return true;
}

void decoupe(std::string_view s, char separateur, std::string_view& entiere,
             std::string_view& decimale) {
    const std::size_t virgule = s.find(separateur);
    entiere = s.substr(0, virgule);
    decimale = virgule == std::string_view::npos ? std::string_view() : s.substr(virgule + 1);
}

// What checking a completed division costs, in steps of the search.
constexpr std::uint64_t kEtapesDivision = 32;

constexpr std::uint64_t kElagageMax = 100000000000000000ull; // 10^17
// Bounds are computed on 128 bits while their numbers stay within 36 digits.
constexpr int kChiffresBornes = 36;

// 10^n for n up to the bounds' digits.
Entier128 puissance10(int n) {
    static const auto table = [] {
        std::array<Entier128, kChiffresBornes + 2> t{};
        t[0] = 1;
        for (std::size_t i = 1; i < t.size(); ++i)
            t[i] = t[i - 1] * 10;
        return t;
    }();
    return table[std::size_t(n)];
}

} // namespace

bool NombresConcordent(std::string_view motif, std::string_view valeur) {
    const char separateur = DecimalSeparator();
    std::string_view me, md, ve, vd;
    decoupe(motif, separateur, me, md);
    decoupe(valeur, separateur, ve, vd);
    return partiesConcordent(me, ve, true) && partiesConcordent(md, vd, false);
}

bool DivisionConforme(const BlocLignes& motif, std::string_view dividende,
                      std::string_view diviseur, bool longue, int precision,
                      CalculDivision& calcul) {
    if (motif.Nombre() < 3 || !calcul.CalculeQuotient(dividende, diviseur, precision))
        return false;
    if (!NombresConcordent(motif.Vue(2), calcul.Quotient()))
        return false;
    if (longue) {
        // The last line is the remainder: a cheap check before writing the lines.
        char texte[24];
        const auto fin = std::to_chars(texte, texte + sizeof texte, calcul.Reste()).ptr;
        if (!NombresConcordent(motif.Vue(motif.Nombre() - 1),
                               std::string_view(texte, std::size_t(fin - texte))))
            return false;
    }
    calcul.CalculeLignes(longue);
    const int n = motif.Nombre();
    const int m = calcul.NombreLignes();
    if (m > n - 3)
        return false;
    for (int i = 0; i < m; ++i) {
        const bool ok = longue ? NombresConcordent(motif.Vue(n - 1 - i), calcul.Ligne(m - 1 - i))
                               : NombresConcordent(motif.Vue(3 + i), calcul.Ligne(i));
        if (!ok)
            return false;
    }
    return true;
}

// ---- multiplication ----

int RechercheMult::Compte(const BlocLignes& lignes, int da, int db, const ArretRecherche& arret) {
    const int n = lignes.Nombre();
    if (n < 3 || lignes.Taille(0) == 0 || lignes.Taille(1) == 0 || lignes.Taille(n - 1) == 0)
        return 0;
    demarre(arret);
    compte_ = 0;
    da_ = da;
    db_ = db;
    la_ = lignes.Taille(0);
    lb_ = lignes.Taille(1);
    lp_ = lignes.Taille(n - 1);
    k_ = std::max(la_, lb_);
    nr_ = n > 3 ? n - 3 : 0;

    const auto depuisDroite = [&lignes](int ligne, int* motif) {
        const int taille = lignes.Taille(ligne);
        const char* texte = lignes.Ligne(ligne);
        for (int i = 0; i < taille; ++i)
            motif[i] = chiffreMotif(texte[taille - 1 - i]);
    };
    motifA_.resize(std::size_t(la_));
    motifB_.resize(std::size_t(lb_));
    motifP_.resize(std::size_t(lp_));
    depuisDroite(0, motifA_.data());
    depuisDroite(1, motifB_.data());
    depuisDroite(n - 1, motifP_.data());
    debutR_.resize(std::size_t(nr_));
    tailleR_.resize(std::size_t(nr_));
    int total = 0;
    for (int r = 0; r < nr_; ++r) {
        debutR_[std::size_t(r)] = total;
        tailleR_[std::size_t(r)] = lignes.Taille(2 + r);
        total += lignes.Taille(2 + r);
    }
    motifR_.resize(std::size_t(total));
    for (int r = 0; r < nr_; ++r)
        depuisDroite(2 + r, motifR_.data() + debutR_[std::size_t(r)]);
    loA_ = la_ - da > 1 ? 1 : 0;
    loB_ = lb_ - db > 1 ? 1 : 0;
    regleZero_ = n == 3 && lp_ == 1 && motifP_[0] <= 0;

    const std::size_t colonnes = std::size_t(la_ + lb_ + 2);
    valA_.assign(std::size_t(la_), 0);
    valB_.assign(std::size_t(lb_), 0);
    rang_.assign(std::size_t(lb_), -1);
    zeros_.assign(std::size_t(lb_), 0);
    nonNuls_.assign(colonnes, 0);
    dernier_.assign(colonnes, -1);
    chiffreP_.assign(colonnes, 0);
    longueurP_.assign(colonnes, 0);
    nonNulA_.assign(colonnes, false);
    retenueP_.assign(colonnes, 0);
    retenueR_.assign(std::size_t(la_ * lb_), 0);

    colonne(0);
    return arrete_ ? 2 : std::min(compte_, 2);
}

// ---- steps ----

void EtapesRecherche::demarre(const ArretRecherche& arret) {
    arret_ = arret ? &arret : nullptr;
    arrete_ = false;
    noeuds_ = 0;
    continuerLent(); // the first threshold
}

bool EtapesRecherche::continuerLent() {
    if ((etapesMax_ != 0 && noeuds_ > etapesMax_) ||
        (arret_ != nullptr && noeuds_ != 0 && (noeuds_ & 255u) == 0 && (*arret_)()))
        arrete_ = true;
    constexpr std::uint64_t jamais = ~std::uint64_t(0);
    const std::uint64_t limite = etapesMax_ != 0 ? etapesMax_ + 1 : jamais;
    const std::uint64_t sondage = arret_ != nullptr ? (noeuds_ | 255u) + 1 : jamais;
    seuil_ = std::max(noeuds_ + 1, std::min(limite, sondage));
    return !arrete_;
}

bool EtapesRecherche::avanceLent(int pas) {
    for (; pas > 0; --pas)
        if (!continuer())
            return false;
    return true;
}

// The multiplicand's digit of column k: the partial products already begun settle which digits
// can give their digit k; each of the others is a step passed over.
bool RechercheMult::colonne(int k) {
    if (!continuer())
        return false;
    if (k == k_)
        return feuille();
    if (k >= la_)
        return choixB(k);
    const int connu = motifA_[std::size_t(k)];
    const int premier = connu >= 0 ? connu : (k == la_ - 1 ? loA_ : 0);
    const int dernier = connu >= 0 ? connu : 9;
    Chiffres possibles = intervalle(premier, dernier);
    const int fin = std::min(k, lb_);
    for (int j = 0; j < fin; ++j) {
        const int r = rang_[std::size_t(j)];
        if (r >= 0)
            possibles &= finissentPar(valB_[std::size_t(j)], retenueR(k - 1, j),
                                      ligneR(r)[zeros_[std::size_t(j)] + k]);
    }
    int suivant = premier;
    for (; possibles != 0; possibles &= possibles - 1) {
        const int d = std::countr_zero(possibles);
        if (!avance(d - suivant + 1))
            return false;
        suivant = d + 1;
        valA_[std::size_t(k)] = d;
        nonNulA_[std::size_t(k + 1)] = nonNulA_[std::size_t(k)] || d != 0;
        if (lignesA(k, d) && !choixB(k))
            return false;
    }
    return avance(dernier - suivant + 1);
}

// The multiplier's digit of column k: the product's digit k is the digits' sum so far plus
// a0 x b, checked first since it costs nothing; then the partial product the digit opens.
bool RechercheMult::choixB(int k) {
    const std::size_t kk = std::size_t(k);
    if (k >= lb_) {
        nonNuls_[kk + 1] = nonNuls_[kk];
        dernier_[kk + 1] = dernier_[kk];
        return !chiffreProduit(k) || colonne(k + 1);
    }
    const int* a = valA_.data();
    const int* b = valB_.data();
    int base = retenueP_[kk];
    for (int i = 1; i <= std::min(k, la_ - 1); ++i)
        base += a[i] * b[k - i];
    const int a0 = a[0];
    const int attendu = k < lp_ ? motifP_[kk] : 0;
    const int connu = motifB_[kk];
    const int premier = connu >= 0 ? connu : (k == lb_ - 1 ? loB_ : 0);
    const int dernier = connu >= 0 ? connu : 9;
    const int avant = nonNuls_[kk];
    const int precedent = dernier_[kk];
    const int z = k - precedent - 1;
    Chiffres possibles = intervalle(premier, dernier) & finissentPar(a0, base, attendu);
    if (possibles > 1 && nr_ > 0) {
        // A digit other than 0 opens the next partial product, which must have room for it
        // after the zeros of the digits skipped, and whose last two digits are those of
        // a1a0 x d. The other digits pass only as 0.
        const int chiffres = avant < nr_ ? tailleR_[std::size_t(avant)] - z : 0;
        const bool ouvrable = (chiffres == la_ || chiffres == la_ + 1) && zerosAvant(avant, z);
        Chiffres ouvrent = 0;
        if (ouvrable) {
            const int* motif = ligneR(avant) + z;
            ouvrent = finissentPar(a0, 0, motif[0]);
            if (k >= 1 && la_ >= 2 && motif[1] >= 0)
                ouvrent &= kDizaines[std::size_t(a0)][std::size_t(a[1])][std::size_t(motif[1])];
        }
        possibles &= ouvrent | 1u;
    }
    int suivant = premier;
    for (; possibles != 0; possibles &= possibles - 1) {
        const int d = std::countr_zero(possibles);
        if (!avance(d - suivant + 1))
            return false;
        suivant = d + 1;
        valB_[kk] = d;
        rang_[kk] = -1;
        nonNuls_[kk + 1] = d != 0 ? avant + 1 : avant;
        dernier_[kk + 1] = d != 0 ? k : precedent;
        if (d != 0 && nr_ > 0 && !ligneB(k, d, avant, z))
            continue;
        const int somme = base + a0 * d;
        retenueP_[kk + 1] = somme / 10;
        chiffreP_[kk] = somme % 10;
        longueurP_[kk + 1] = chiffreP_[kk] != 0 ? k + 1 : longueurP_[kk];
        if (!colonne(k + 1))
            return false;
    }
    return avance(dernier - suivant + 1);
}

// The partial products already started get their digit of column k.
bool RechercheMult::lignesA(int k, int a) {
    const int fin = std::min(k, lb_);
    const int* rangs = rang_.data();
    const int* b = valB_.data();
    const int* zeros = zeros_.data();
    const int* avant = retenueR_.data() + (k - 1) * lb_;
    int* apres = retenueR_.data() + k * lb_;
    for (int j = 0; j < fin; ++j) {
        const int r = rangs[j];
        if (r < 0)
            continue;
        const int v = a * b[j] + avant[j];
        apres[j] = v / 10;
        if (!accepte(ligneR(r)[zeros[j] + k], v % 10))
            return false;
    }
    return true;
}

// Whether the zeros that the multiplier's zero digits put at the end of partial product r
// agree with its pattern.
bool RechercheMult::zerosAvant(int r, int z) const {
    const int* motif = ligneR(r);
    for (int i = 0; i < z; ++i)
        if (!accepte(motif[i], 0))
            return false;
    return true;
}

// The multiplier digit b of column k, not 0, opens partial product r after z zeros; its digits
// known so far are checked. choixB only tries the digits for which the partial product has room,
// its zeros agree, and the last two digits of a1a0 x b agree: those are not checked again.
bool RechercheMult::ligneB(int k, int b, int r, int z) {
    const std::size_t kk = std::size_t(k);
    rang_[kk] = r;
    zeros_[kk] = z;
    const int* motif = ligneR(r) + z;
    const int la = la_;
    const int* a = valA_.data();
    const int lb = lb_;
    int* retenues = retenueR_.data() + k;
    const int fin = std::min(k, la - 1);
    const int v0 = a[0] * b;
    retenues[0] = v0 / 10;
    if (fin == 0)
        return true;
    int retenue = (v0 + 10 * a[1] * b) / 100;
    retenues[lb] = retenue;
    for (int i = 2; i <= fin; ++i) {
        const int v = a[i] * b + retenue;
        retenue = v / 10;
        retenues[i * lb] = retenue;
        if (!accepte(motif[i], v - 10 * retenue))
            return false;
    }
    return true;
}

// Digit k of the product, from the digits of both factors up to column k.
bool RechercheMult::chiffreProduit(int k) {
    int somme = retenueP_[std::size_t(k)];
    for (int i = std::max(0, k - lb_ + 1); i <= std::min(k, la_ - 1); ++i)
        somme += valA_[std::size_t(i)] * valB_[std::size_t(k - i)];
    const int chiffre = somme % 10;
    retenueP_[std::size_t(k + 1)] = somme / 10;
    chiffreP_[std::size_t(k)] = chiffre;
    longueurP_[std::size_t(k + 1)] = chiffre != 0 ? k + 1 : longueurP_[std::size_t(k)];
    return k < lp_ ? accepte(motifP_[std::size_t(k)], chiffre) : chiffre == 0;
}

bool RechercheMult::feuille() {
    const int* a = valA_.data();
    const int* b = valB_.data();
    if (!nonNulA_[std::size_t(la_)] || nonNuls_[std::size_t(k_)] == 0) {
        if (regleZero_)
            ++compte_;
        return compte_ < 2;
    }
    // The product's remaining digits.
    int longueur = longueurP_[std::size_t(k_)];
    int retenue = retenueP_[std::size_t(k_)];
    for (int k = k_; k < la_ + lb_ - 1 || retenue > 0; ++k) {
        int somme = retenue;
        for (int i = std::max(0, k - lb_ + 1); i <= std::min(k, la_ - 1); ++i)
            somme += a[i] * b[k - i];
        const int chiffre = somme % 10;
        retenue = somme / 10;
        if (k < lp_ ? !accepte(motifP_[std::size_t(k)], chiffre) : chiffre != 0)
            return true;
        if (chiffre != 0)
            longueur = k + 1;
    }
    if (lp_ != std::max(longueur, da_ + db_ + 1))
        return true;
    if (nr_ > 0) {
        if (nonNuls_[std::size_t(k_)] != nr_)
            return true;
        for (int j = 0; j < lb_; ++j) {
            const int r = rang_[std::size_t(j)];
            if (r < 0)
                continue;
            const int retenueFinale = retenueR(la_ - 1, j);
            const int z = zeros_[std::size_t(j)];
            if (tailleR_[std::size_t(r)] != la_ + (retenueFinale > 0 ? 1 : 0) + z)
                return true;
            if (retenueFinale > 0 && !accepte(ligneR(r)[z + la_], retenueFinale))
                return true;
        }
    }
    ++compte_;
    return compte_ < 2;
}

// ---- division ----

int RechercheDiv::Compte(const BlocLignes& lignes, bool longue, int precision,
                         const ArretRecherche& arret) {
    if (lignes.Nombre() < 3)
        return 0;
    lignes_ = &lignes;
    longue_ = longue;
    precision_ = precision;
    demarre(arret);
    compte_ = 0;
    separateur_ = DecimalSeparator();

    dividende_.assign(lignes.Vue(0));
    diviseur_.assign(lignes.Vue(1));
    positionsX_.clear();
    entiersX_ = 0;
    bool apres = false;
    for (std::size_t i = 0; i < dividende_.size(); ++i) {
        if (dividende_[i] == separateur_) {
            apres = true;
            continue;
        }
        positionsX_.push_back(i);
        if (!apres)
            ++entiersX_;
    }
    trousY_.clear();
    int entiersY = 0;
    apres = false;
    for (std::size_t i = 0; i < diviseur_.size(); ++i) {
        if (diviseur_[i] == separateur_) {
            apres = true;
            continue;
        }
        if (!apres)
            ++entiersY;
        if (!EstChiffre(diviseur_[i]))
            trousY_.push_back(i);
    }
    loX_ = entiersX_ > 1 ? 1 : 0;
    loY_ = entiersY > 1 ? 1 : 0;

    std::string_view entiere, decimale;
    decoupe(lignes.Vue(2), separateur_, entiere, decimale);
    quotientEntier_.resize(entiere.size());
    for (std::size_t p = 0; p < entiere.size(); ++p)
        quotientEntier_[p] = chiffreMotif(entiere[entiere.size() - 1 - p]);
    quotientDecimal_.resize(decimale.size());
    for (std::size_t j = 0; j < decimale.size(); ++j)
        quotientDecimal_[j] = chiffreMotif(decimale[j]);

    limiteBornes_ = -1;
    limitePlaces_ = -1;
    preparesDiviseur(lignes.Vue(2));
    diviseur(0);
    return arrete_ ? 2 : std::min(compte_, 2);
}

void RechercheDiv::preparesDiviseur(std::string_view quotient) {
    borneY_ = false;
    if (trousY_.empty())
        return;
    // A number's digits, its holes read as `trou`; how many digits; how many decimals.
    const auto valeur = [this](std::string_view texte, int trou) {
        Entier128 v = 0;
        for (const char c : texte)
            if (c != separateur_)
                v = v * 10 + unsigned(EstChiffre(c) ? c - '0' : trou);
        return v;
    };
    const auto chiffres = [this](std::string_view texte) {
        return int(texte.size()) - (texte.find(separateur_) != std::string_view::npos ? 1 : 0);
    };
    const auto decimales = [this](std::string_view texte) {
        const std::size_t virgule = texte.find(separateur_);
        return virgule == std::string_view::npos ? 0 : int(texte.size() - virgule - 1);
    };
    const int dx = decimales(dividende_), dy = decimales(diviseur_), dq = decimales(quotient);
    const int e = std::min(dq, precision_);
    // x / y >= qMin is X.10^(dy + dq) >= QMin.10^dx.Y, and likewise for the upper bound.
    if (chiffres(dividende_) + dy + dq > kChiffresBornes ||
        chiffres(quotient) + 1 + dx + chiffres(diviseur_) > kChiffresBornes)
        return;
    xBas_ = valeur(dividende_, 0) * puissance10(dy + dq);
    xHaut_ = valeur(dividende_, 9) * puissance10(dy + dq);
    qBas_ = valeur(quotient, 0) * puissance10(dx);
    qHaut_ = (valeur(quotient, 9) + puissance10(dq - e)) * puissance10(dx);
    borneY_ = true;
}

bool RechercheDiv::diviseurPossible() const {
    Entier128 bas = 0, haut = 0;
    for (const char c : diviseur_)
        if (c != separateur_) {
            bas = bas * 10 + unsigned(EstChiffre(c) ? c - '0' : 0);
            haut = haut * 10 + unsigned(EstChiffre(c) ? c - '0' : 9);
        }
    return xHaut_ >= qBas_ * bas && xBas_ < qHaut_ * haut;
}

bool RechercheDiv::diviseur(std::size_t trou) {
    if (!continuer())
        return false;
    if (borneY_ && trou > 0 && !diviseurPossible())
        return true;
    if (trou < trousY_.size()) {
        const std::size_t position = trousY_[trou];
        const char cache = diviseur_[position];
        for (int d = position == 0 ? loY_ : 0; d <= 9; ++d) {
            diviseur_[position] = char('0' + d);
            if (!continuer() || !diviseur(trou + 1)) {
                diviseur_[position] = cache;
                return false;
            }
        }
        diviseur_[position] = cache;
        return true;
    }
    // The divisor is complete: its value settles the quotient's digits as the dividend's
    // digits come from the left.
    y_ = 0;
    decimalesY_ = 0;
    bool apres = false;
    bool tropLong = false;
    for (const char c : diviseur_) {
        if (c == separateur_) {
            apres = true;
            continue;
        }
        if (y_ >= kElagageMax)
            tropLong = true;
        else
            y_ = y_ * 10 + std::uint64_t(c - '0');
        if (apres)
            ++decimalesY_;
    }
    if (y_ == 0 && !tropLong)
        return true; // a division by zero is never right
    elague_ = !tropLong;
    preparesCourte();
    preparesBornes();
    preparesPlaces();
    return dividende(0, 0, 0, Courte{});
}

// The short layout divides the dividend's significant digits by the divisor without its
// trailing zeros (as many as the precision allows), each zero off the divisor being a decimal
// more for the dividend. The dividend's last digits may be zeros the comma move makes useless:
// only the digits before them are surely divided as they stand.
void RechercheDiv::preparesCourte() {
    sursCourte_ = 0;
    limite_ = precision_;
    if (!elague_)
        return;
    std::uint64_t d = 0;
    int chiffres = 0;
    int decimales = 0;
    bool apres = false;
    for (const char c : diviseur_) {
        if (c == separateur_) {
            apres = true;
            continue;
        }
        if (apres)
            ++decimales;
        if (chiffres == 0 && c == '0')
            continue;
        d = d * 10 + std::uint64_t(c - '0');
        ++chiffres;
    }
    if (d == 0)
        return;
    int decalage = 0;
    for (int pas = 0; pas < precision_ && d % 10 == 0; ++pas) {
        d /= 10;
        --chiffres;
        if (decimales > 0)
            --decimales;
        else
            ++decalage;
    }
    d_ = d;
    longueurD_ = chiffres;
    // The dividend's decimals once the divisor is whole, and the trailing digits that may be
    // zeros, which the quotient does not need.
    const std::size_t n = positionsX_.size();
    const int decimalesX = int(n) - entiersX_ + decalage - decimales;
    int zeros = 0;
    for (std::size_t i = n; i > 0 && zeros < decimalesX; --i) {
        const char c = dividende_[positionsX_[i - 1]];
        if (EstChiffre(c) && c != '0')
            break;
        ++zeros;
    }
    // The quotient has at least these decimals, whatever the dividend's holes hold.
    limite_ = std::max(precision_, decimalesX - zeros);
    if (!longue_)
        sursCourte_ = n - std::min(n, std::size_t(std::max(0, decimalesX)));
}

// The quotient, read to limite_ decimals with its holes as 0 then as 9, is at least Qmin and at
// most Qmax: x / y x 10^limite_ lies in [Qmin, Qmax + 1), that is the dividend's digits X
// (dx decimals) followed by dy + limite_ zeros lie in [Qmin.Y.10^dx, (Qmax + 1).Y.10^dx).
void RechercheDiv::preparesBornes() {
    borne_ = false;
    if (!elague_)
        return;
    const int dx = int(positionsX_.size()) - entiersX_;
    const int ip = int(quotientEntier_.size());
    int chiffresY = 1;
    for (std::uint64_t y = y_; y >= 10; y /= 10)
        ++chiffresY;
    zerosBornes_ = decimalesY_ + limite_;
    if (int(positionsX_.size()) + zerosBornes_ > kChiffresBornes ||
        ip + limite_ + 1 + chiffresY + dx > kChiffresBornes)
        return;
    if (limite_ != limiteBornes_) {
        limiteBornes_ = limite_;
        qMin_ = 0;
        qMax_ = 0;
        for (int p = ip - 1; p >= 0; --p) {
            const int c = quotientEntier_[std::size_t(p)];
            qMin_ = qMin_ * 10 + unsigned(c < 0 ? 0 : c);
            qMax_ = qMax_ * 10 + unsigned(c < 0 ? 9 : c);
        }
        for (int j = 1; j <= limite_; ++j) {
            const int c = std::size_t(j) <= quotientDecimal_.size()
                              ? quotientDecimal_[std::size_t(j - 1)]
                              : 0;
            qMin_ = qMin_ * 10 + unsigned(c < 0 ? 0 : c);
            qMax_ = qMax_ * 10 + unsigned(c < 0 ? 9 : c);
        }
    }
    const Entier128 echelle = Entier128(y_) * puissance10(dx);
    basX_ = qMin_ * echelle;
    hautX_ = (qMax_ + 1) * echelle;
    borne_ = true;
}

// Beyond the precision (or the decimals the dividend itself gives), the written quotient may stop
// anywhere: nothing is known there. Above, a place the quotient line lacks holds a 0.
void RechercheDiv::preparesPlaces() {
    if (limite_ == limitePlaces_)
        return;
    limitePlaces_ = limite_;
    const int haut = std::max(int(quotientEntier_.size()), entiersX_ + decimalesY_) + 1;
    places_.assign(std::size_t(haut + limite_), 0);
    for (int place = -limite_; place < haut; ++place) {
        int& motif = places_[std::size_t(place + limite_)];
        if (place >= 0 && std::size_t(place) < quotientEntier_.size())
            motif = quotientEntier_[std::size_t(place)];
        else if (place < 0 && std::size_t(-place) <= quotientDecimal_.size())
            motif = quotientDecimal_[std::size_t(-place - 1)];
    }
}

// The dividend's digit i is `chiffre`: one more digit of the short layout. False when a line
// it completes disagrees with its line in the exercise, or comes beyond the exercise's lines.
bool RechercheDiv::ligneCourte(std::size_t i, int chiffre, Courte& courte) {
    if (!courte.commence && chiffre == 0)
        return true;
    courte.commence = true;
    const std::uint64_t partiel = courte.reste * 10 + std::uint64_t(chiffre);
    courte.reste = partiel % d_;
    if (partiel / d_ == 0)
        return true;
    if (courte.depuis >= 0) {
        const int n = lignes_->Nombre();
        if (3 + courte.lignes >= n)
            return false;
        // The line begun: its remainder as wide as the divisor, then the digits brought down.
        ligne_ = std::to_string(courte.resteLigne);
        if (int(ligne_.size()) < longueurD_)
            ligne_.insert(0, std::size_t(longueurD_) - ligne_.size(), '0');
        for (std::size_t j = std::size_t(courte.depuis) + 1; j <= i; ++j)
            ligne_ += dividende_[positionsX_[j]];
        if (!NombresConcordent(lignes_->Vue(3 + courte.lignes), ligne_))
            return false;
        ++courte.lignes;
    }
    courte.resteLigne = courte.reste;
    courte.depuis = int(i);
    return true;
}

bool RechercheDiv::dividende(std::size_t i, std::uint64_t reste, Entier128 tete, Courte courte) {
    if (!continuer())
        return false;
    if (i == positionsX_.size()) {
        // The quotient's next digits, with zeros brought down, up to the precision.
        if (elague_)
            for (int place = entiersX_ - 1 - int(i) + decimalesY_; place >= -limite_; --place) {
                const std::uint64_t partiel = reste * 10;
                if (!placeQuotient(place, int(partiel / y_)))
                    return true;
                reste = partiel % y_;
            }
        return feuille();
    }
    const std::size_t position = positionsX_[i];
    const char cache = dividende_[position];
    const bool trou = !EstChiffre(cache);
    const int premier = trou ? (position == 0 ? loX_ : 0) : cache - '0';
    const int dernier = trou ? 9 : cache - '0';
    // The digit of the quotient that this digit of the dividend settles.
    const int place = entiersX_ - 1 - int(i) + decimalesY_;
    bool suite = true;
    const int restants = int(positionsX_.size() - i - 1) + zerosBornes_;
    // Every dividend that begins with these digits lies in [debut, debut + unite).
    const Entier128 dizaines = tete * 10;
    const Entier128 unite = borne_ ? puissance10(restants) : 0;
    Entier128 debut = borne_ ? (dizaines + unsigned(premier)) * unite : 0;
    for (int d = premier; d <= dernier && suite; ++d, debut += unite) {
        if (!continuer()) {
            suite = false;
            break;
        }
        dividende_[position] = char('0' + d);
        if (borne_ && (debut >= hautX_ || debut + unite <= basX_))
            continue;
        std::uint64_t prochain = 0;
        if (elague_) {
            const std::uint64_t partiel = reste * 10 + std::uint64_t(d);
            if (!placeQuotient(place, int(partiel / y_)))
                continue;
            prochain = partiel % y_;
        }
        Courte suivante = courte;
        if (i < sursCourte_ && !ligneCourte(i, d, suivante))
            continue;
        suite = dividende(i + 1, prochain, dizaines + unsigned(d), suivante);
    }
    dividende_[position] = cache;
    return suite;
}

bool RechercheDiv::feuille() {
    noeuds_ += kEtapesDivision;
    if (DivisionConforme(*lignes_, dividende_, diviseur_, longue_, precision_, calcul_))
        ++compte_;
    return compte_ < 2;
}
