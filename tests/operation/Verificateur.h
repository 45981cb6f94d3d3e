// An independent checker of holed multiplications and divisions, written from the rules of
// posed operations and not from the generator: it writes a posed operation out from its
// operands with digit-string arithmetic, and counts the completions of a holed exercise (every
// digit in every operand hole; the result lines then follow) whose written form is exactly the
// exercise: same lines, same lengths, same separators, every known digit in place.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace verificateur {

using Grand = unsigned __int128;

inline bool estTrou(char c) {
    return c > '9';
}

inline char lu(char c) {
    return estTrou(c) ? char(c - 10) : c;
}

inline std::string decimal(Grand v) {
    char chiffres[40];
    char* debut = chiffres + sizeof chiffres;
    do {
        *--debut = char('0' + int(v % 10));
        v /= 10;
    } while (v > 0);
    return std::string(debut, chiffres + sizeof chiffres);
}

inline Grand puissance(int n) {
    Grand p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// "5" with 2 decimals reads "0,05"; no separator without decimals.
inline std::string avecVirgule(const std::string& chiffres, int decimales, char virgule) {
    if (decimales <= 0)
        return chiffres;
    std::string s = chiffres;
    if (s.size() <= std::size_t(decimales))
        s.insert(0, std::size_t(decimales) + 1 - s.size(), '0');
    s.insert(s.size() - std::size_t(decimales), 1, virgule);
    return s;
}

// A number's digits and decimal count, read from its text.
struct Nombre {
    std::string chiffres;
    int decimales = 0;
};

inline Nombre nombre(const std::string& texte, char virgule) {
    Nombre n;
    const std::size_t v = texte.find(virgule);
    for (const char c : texte)
        if (c != virgule)
            n.chiffres += c;
    n.decimales = v == std::string::npos ? 0 : int(texte.size() - v - 1);
    return n;
}

inline Grand valeur(const std::string& chiffres) {
    Grand v = 0;
    for (const char c : chiffres)
        v = v * 10 + Grand(c - '0');
    return v;
}

// Digit by digit, with a carry, as at school.
inline std::string multiplieParChiffre(const std::string& a, int d) {
    std::string r;
    int retenue = 0;
    for (auto c = a.rbegin(); c != a.rend(); ++c) {
        const int v = (*c - '0') * d + retenue;
        r.insert(r.begin(), char('0' + v % 10));
        retenue = v / 10;
    }
    if (retenue > 0)
        r.insert(r.begin(), char('0' + retenue));
    return r;
}

// The posed multiplication of two written factors: the factors, one partial product per
// non-zero digit of the multiplier when there are at least two, and the product.
inline std::vector<std::string> ecritMultiplication(const std::string& x, const std::string& y,
                                                    char virgule) {
    const Nombre a = nombre(x, virgule);
    const Nombre b = nombre(y, virgule);
    std::vector<std::string> partiels;
    std::string decalage;
    for (auto c = b.chiffres.rbegin(); c != b.chiffres.rend(); ++c) {
        if (*c == '0') {
            decalage += '0';
            continue;
        }
        partiels.push_back(multiplieParChiffre(a.chiffres, *c - '0') + decalage);
        decalage.clear();
    }
    const std::string produit = decimal(valeur(a.chiffres) * valeur(b.chiffres));
    std::vector<std::string> lignes{x, y};
    if (produit != "0" && partiels.size() >= 2 && b.chiffres.size() > 1)
        lignes.insert(lignes.end(), partiels.begin(), partiels.end());
    lignes.push_back(produit == "0" ? "0"
                                    : avecVirgule(produit, a.decimales + b.decimales, virgule));
    return lignes;
}

// The posed division of two written operands with up to `precision` decimals of quotient,
// short (remainders with the digits brought down) or long (products and partial dividends).
// Empty for a divisor of 0.
inline std::vector<std::string> ecritDivision(const std::string& x, const std::string& y,
                                              bool longue, int precision, char virgule) {
    const Nombre dividende = nombre(x, virgule);
    const Nombre diviseur = nombre(y, virgule);
    std::string d = diviseur.chiffres; // without its leading zeros
    d.erase(0, std::min(d.find_first_not_of('0'), d.size() - 1));
    if (d == "0")
        return {};
    // Trailing zeros of the divisor come off (as many as the precision allows).
    int exposant = diviseur.decimales; // the divisor is d x 10^-exposant
    while (d.size() > 1 && d.back() == '0' && diviseur.decimales - exposant < precision) {
        d.pop_back();
        --exposant;
    }
    const Grand dv = valeur(d);
    // The dividend's decimals once the divisor is whole, less its useless trailing zeros.
    int depart = dividende.decimales - exposant;
    if (depart > 0) {
        const std::size_t fin = dividende.chiffres.find_last_not_of('0');
        const int zeros = int(dividende.chiffres.size() - (fin == std::string::npos ? 0 : fin + 1));
        depart -= std::min(depart, zeros);
    } else {
        depart = 0;
    }
    // x / y = numerateur / (dv x 10^(dividende.decimales - exposant)).
    const Grand numerateur = valeur(dividende.chiffres);
    const auto echelle = [&](int k, Grand& n) {
        // n = x / y x dv x 10^k, a whole number when the division stops at k decimals.
        const int e = k - (dividende.decimales - exposant);
        if (e >= 0) {
            n = numerateur * puissance(e);
            return true;
        }
        n = numerateur / puissance(-e);
        return numerateur % puissance(-e) == 0;
    };
    int k = depart;
    Grand n = 0;
    echelle(k, n);
    while (n % dv != 0 && k < precision)
        echelle(++k, n);
    const std::string s = decimal(n);
    const std::string q = decimal(n / dv);
    std::vector<std::string> lignes{x, y, avecVirgule(q, k, virgule)};
    // The long division of s, digit after digit.
    std::vector<int> chiffresQ;
    std::vector<Grand> restes;
    Grand r = 0;
    for (const char c : s) {
        r = r * 10 + Grand(c - '0');
        chiffresQ.push_back(int(r / dv));
        r %= dv;
        restes.push_back(r);
    }
    if (longue) {
        // As many steps as the quotient line has digits.
        const std::string ligneQ = lignes[2];
        std::size_t etapes = 0;
        for (const char c : ligneQ)
            etapes += c != virgule ? 1 : 0;
        std::string t = s;
        if (t.size() < etapes)
            t.insert(0, etapes - t.size(), '0');
        Grand reste = valeur(t.substr(0, t.size() - etapes));
        for (std::size_t i = t.size() - etapes; i < t.size(); ++i) {
            const Grand partiel = reste * 10 + Grand(t[i] - '0');
            if (i > t.size() - etapes)
                lignes.push_back((partiel < 10 ? "0" : "") + decimal(partiel));
            const Grand produit = dv * (partiel / dv);
            lignes.push_back(decimal(produit));
            reste = partiel - produit;
        }
        lignes.push_back(decimal(reste));
        return lignes;
    }
    // Short: after each non-zero quotient digit, its remainder (as wide as the divisor) and
    // the digits brought down up to the next non-zero one.
    std::vector<std::size_t> nonNuls;
    for (std::size_t i = 0; i < chiffresQ.size(); ++i)
        if (chiffresQ[i] != 0)
            nonNuls.push_back(i);
    for (std::size_t j = 0; j < nonNuls.size(); ++j) {
        const std::size_t i = nonNuls[j];
        const std::size_t jusque = j + 1 < nonNuls.size() ? nonNuls[j + 1] : s.size() - 1;
        std::string reste = decimal(restes[i]);
        if (reste.size() < d.size())
            reste.insert(0, d.size() - reste.size(), '0');
        lignes.push_back(reste + s.substr(i + 1, jusque - i));
    }
    return lignes;
}

// Same lines of the same lengths, each known digit in place and each hole on a digit.
inline bool identiques(const std::vector<std::string>& motif,
                       const std::vector<std::string>& lignes) {
    const auto chiffre = [](char m, char c) {
        return m == c || (estTrou(m) && c >= '0' && c <= '9');
    };
    return std::equal(motif.begin(), motif.end(), lignes.begin(), lignes.end(),
                      [&](const std::string& m, const std::string& l) {
                          return std::equal(m.begin(), m.end(), l.begin(), l.end(), chiffre);
                      });
}

// The completions of an addition (operands, then the sum) or a subtraction (minuend,
// subtrahend, difference) written in aligned columns padded with blanks: column by column from
// the right with the carry, a subtraction read as subtrahend + difference = minuend. A hole
// takes no leading 0 but in a difference.
inline long compteSomme(std::vector<std::string> l, bool soustraction, char virgule) {
    if (soustraction)
        l = {l[1], l[2], l[0]};
    const auto chiffre = [](char c) { return lu(c) >= '0' && lu(c) <= '9'; };
    long compte = 0;
    const auto colonne = [&](const auto& suite, std::size_t i, std::size_t k, int somme,
                             int retenue) -> void {
        if (i == 0) {
            compte += retenue == 0 ? 1 : 0;
            return;
        }
        const std::size_t c = i - 1;
        if (std::any_of(l.begin(), l.end(), [&](const std::string& n) { return n[c] == virgule; }))
            return suite(suite, c, 0, 0, retenue);
        const std::string& n = l[k];
        const bool tete = c == n.find_first_not_of(' ') && c + 1 < n.size() && chiffre(n[c + 1]) &&
                          !(soustraction && k == 1);
        for (int d = tete ? 1 : 0; d <= 9; ++d) {
            if (!estTrou(n[c]) && d != (chiffre(n[c]) ? n[c] - '0' : 0))
                continue;
            if (k + 1 < l.size())
                suite(suite, i, k + 1, somme + d, retenue);
            else if ((somme + retenue) % 10 == d)
                suite(suite, c, 0, 0, (somme + retenue) / 10);
        }
    };
    colonne(colonne, l.back().size(), 0, 0, 0);
    return compte;
}

// The completions of a holed exercise (lines as the record holds them) whose written form is
// the exercise. The first digit of an operand with several integer digits is never 0.
// Multiplications: both factors' holes from their last digit, each choice checked against the
// product's last digits.
class Compteur {
public:
    Compteur(std::vector<std::string> motif, char virgule, bool division, bool longue = false,
             int precision = 0)
        : motif_(std::move(motif)), virgule_(virgule), division_(division), longue_(longue),
          precision_(precision) {}

    long Compte() {
        std::vector<std::string> l = motif_;
        facteur(l, division_ ? 1 : 0, l[division_ ? 1 : 0].size());
        return compte_;
    }

private:
    static bool premierNonNul(const std::string& texte, std::size_t p, char virgule) {
        const std::size_t v = texte.find(virgule);
        return p == 0 && (v == std::string::npos ? texte.size() : v) > 1;
    }

    // Whether the product line's last digits can be those of the factors' last digits known so
    // far: the last m digits of a product are those of the product of the last m digits.
    bool finPossible(const std::vector<std::string>& l) const {
        std::size_t m = std::min<std::size_t>(produit_.size(), 18);
        std::array<Grand, 2> bas{};
        for (std::size_t j = 0; j < 2; ++j) {
            Grand rang = 1;
            std::size_t n = 0;
            for (auto c = l[j].rbegin(); c != l[j].rend() && n < m; ++c) {
                if (estTrou(*c)) {
                    m = n;
                } else if (*c != virgule_) {
                    bas[j] += Grand(*c - '0') * rang;
                    rang *= 10;
                    ++n;
                }
            }
        }
        Grand fin = bas[0] * bas[1];
        for (std::size_t k = 0; k < m; ++k, fin /= 10) {
            const char c = produit_[produit_.size() - 1 - k];
            if (!estTrou(c) && Grand(c - '0') != fin % 10)
                return false;
        }
        return true;
    }

    // Digits of an operand from the right: the multiplicand, then the multiplier, each checked
    // against the product's last digits, then the whole exercise; or the divisor, then on to
    // the dividend.
    void facteur(std::vector<std::string>& l, std::size_t ligne, std::size_t p) {
        if (p == 0 && ligne == 0)
            return facteur(l, 1, l[1].size());
        if (p == 0 && division_)
            return dividende(l, 0);
        if (p == 0) {
            compte_ += identiques(motif_, ecritMultiplication(l[0], l[1], virgule_)) ? 1 : 0;
            return;
        }
        const char c = l[ligne][p - 1];
        if (!estTrou(c))
            return facteur(l, ligne, p - 1);
        for (char d = premierNonNul(l[ligne], p - 1, virgule_) ? '1' : '0'; d <= '9'; ++d) {
            l[ligne][p - 1] = d;
            if (division_ || finPossible(l))
                facteur(l, ligne, p - 1);
        }
        l[ligne][p - 1] = c;
    }

    // Whether some number in [bas, haut] written with the quotient line's decimals could be
    // that line: its digits (without the separator) padded with zeros to the line's length.
    bool quotientPossible(Grand bas, Grand haut) const {
        const Nombre q = nombre(motif_[2], virgule_);
        const int n = int(q.chiffres.size());
        const Grand plusPetit = n == q.decimales + 1 ? 0 : puissance(n - 1);
        bas = std::max(bas, plusPetit);
        haut = std::min(haut, puissance(n) - 1);
        if (bas > haut)
            return false;
        std::string b = decimal(bas);
        std::string h = decimal(haut);
        b.insert(0, std::size_t(n) - b.size(), '0');
        h.insert(0, std::size_t(n) - h.size(), '0');
        for (std::size_t i = 0; i < b.size() && b[i] == h[i]; ++i)
            if (!estTrou(q.chiffres[i]) && q.chiffres[i] != b[i])
                return false;
        return true;
    }

    // Digits of the dividend from the left; the quotient line must stay possible.
    void dividende(std::vector<std::string>& l, std::size_t p) {
        const Nombre y = nombre(l[1], virgule_);
        const Grand vy = valeur(y.chiffres);
        if (vy == 0)
            return;
        // The dividend's digits fixed so far (holes count as 0 or 9 for the bounds).
        Grand bas = 0, haut = 0;
        int decimales = 0;
        bool apres = false;
        for (const char c : l[0]) {
            if (c == virgule_) {
                apres = true;
                continue;
            }
            bas = bas * 10 + Grand(estTrou(c) ? 0 : c - '0');
            haut = haut * 10 + Grand(estTrou(c) ? 9 : c - '0');
            decimales += apres ? 1 : 0;
        }
        // The quotient read with the line's decimals: x / y x 10^decimales.
        const int dq = nombre(motif_[2], virgule_).decimales;
        const Grand echelle = vy * puissance(decimales);
        if (!quotientPossible(bas * puissance(y.decimales + dq) / echelle,
                              haut * puissance(y.decimales + dq) / echelle))
            return;
        while (p < l[0].size() && !estTrou(l[0][p]))
            ++p;
        if (p == l[0].size()) {
            if (identiques(motif_, ecritDivision(l[0], l[1], longue_, precision_, virgule_)))
                ++compte_;
            return;
        }
        const char c = l[0][p];
        for (char d = premierNonNul(l[0], p, virgule_) ? '1' : '0'; d <= '9'; ++d) {
            l[0][p] = d;
            dividende(l, p + 1);
        }
        l[0][p] = c;
    }

    std::vector<std::string> motif_;
    char virgule_;
    std::string produit_ = nombre(motif_.back(), virgule_).chiffres;
    bool division_;
    bool longue_;
    int precision_;
    long compte_ = 0;
};

} // namespace verificateur
