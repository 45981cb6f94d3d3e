#include "fraction/LignesFraction.h"

#include "platform/Random.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

// A format with 64-bit values, as text.
template <class... T> std::string format(const char* modele, T... valeurs) {
    char texte[256];
    std::snprintf(texte, sizeof texte, modele, static_cast<long long>(valeurs)...);
    return texte;
}

// rand() mod the range's width plus its minimum; 0 when the range is empty.
int tire(int min, int max) {
    const int largeur = max - min + 1;
    return largeur > 0 ? Random() % largeur + min : 0;
}

// An operand whose numerator is a multiple of its denominator becomes that whole number.
void entier(std::int16_t& n, std::int16_t& d) {
    if (d != 1 && d != 0 && n % d == 0) {
        n = std::int16_t(n / d);
        d = 1;
    }
}

// "{n}" for a whole number (or 0), "{n/d}" otherwise.
std::string element(std::int64_t n, std::int64_t d) {
    return d == 1 || n == 0 ? format("{%lld}", n) : format("{%lld/%lld}", n, d);
}

// An operand of the first part: "{a}" or "{a/b}".
std::string operande(std::int64_t n, std::int64_t d) {
    return d == 1 ? format("{%lld}", n) : format("{%lld/%lld}", n, d);
}

// The raw result n/d, reduced and preceded by its unreduced form as the settings ask.
std::string resultat(std::int64_t n, std::int64_t d, const ReglagesLignes& r) {
    if (r.Simplification == 0)
        return element(n, d);
    const auto [rn, rd] = Simplifier(n, d);
    std::string texte;
    if (r.Simplification == 2 && rn != n)
        texte = format("%lld/%lld=", n, d);
    return texte + element(rn, rd);
}

} // namespace

std::pair<std::int64_t, std::int64_t> Simplifier(std::int64_t n, std::int64_t d) {
    if (d == 0)
        return {n, d};
    // Dividing by every common divisor in turn ends at the same pair as dividing once by the
    // greatest, which stays fast for the products of typed numbers (up to 2^30).
    const std::int64_t g = std::gcd(n, d);
    return {n / g, d / g};
}

void GenererNombres(FractionDonnees& donnees, int operation, bool memesDenominateurs) {
    FractionDonnees& f = donnees;
    for (int i = 0; i < FractionDonnees::LIGNES; ++i) {
        int a = tire(f.NumMin, f.NumMax);
        int c = tire(f.NumMin, f.NumMax);
        // A divisor of 0 is drawn again; a range holding only 0 gives 1.
        for (int essai = 0; operation == FR_DIVISION && c == 0; ++essai)
            c = f.NumMax < 1 || essai == 1000 ? 1 : tire(f.NumMin, f.NumMax);
        int b = std::max(tire(f.DenMin, f.DenMax), 1);
        int d = 0;
        if (memesDenominateurs) {
            if (b == 1)
                b = Random() % (std::max(f.DenMax, 2) - 1) + 2;
            d = b;
        } else {
            d = std::max(tire(f.DenMin, f.DenMax), 1);
        }
        f.A[i] = std::int16_t(a);
        f.B[i] = std::int16_t(b);
        f.C[i] = std::int16_t(c);
        f.D[i] = std::int16_t(d);
        entier(f.A[i], f.B[i]);
        entier(f.C[i], f.D[i]);
    }
    if (operation != FR_SIMPLIFICATION)
        return;
    for (int i = 0; i < FractionDonnees::LIGNES; ++i) {
        const int facteur = Random() % 23 + 2;
        f.A[i] = std::int16_t(f.A[i] * facteur);
        f.B[i] = std::int16_t(f.B[i] * facteur);
    }
}

void GenererCache(FractionDonnees& donnees, int operation, int cache) {
    for (std::int16_t& masque : donnees.Masque) {
        if (operation == FR_SIMPLIFICATION) {
            masque = CACHE_SECOND;
        } else if (cache == 1) {
            masque = CACHE_RESULTAT;
        } else if (cache == 2) {
            masque = std::int16_t(Random() % 2 + 1);
        } else if (cache == 3) {
            const int r = Random() % 3 + 1;
            masque = std::int16_t(r == 3 ? CACHE_RESULTAT : r);
        } else {
            masque = 0;
        }
    }
}

std::string GenererLigne(const FractionDonnees& f, int i, const ReglagesLignes& r) {
    if (i < 0 || i >= FractionDonnees::LIGNES)
        return {};
    const std::size_t k = std::size_t(i);
    switch (r.Operation) {
    case FR_ADDITION:
    case FR_SOUSTRACTION:
        return GenererLigneAddition(f.A[k], f.B[k], f.C[k], f.D[k], r.Operation == FR_SOUSTRACTION,
                                    r);
    case FR_MULTIPLICATION:
        return GenererLigneMultiplication(f.A[k], f.B[k], f.C[k], f.D[k], r);
    case FR_DIVISION:
        return GenererLigneDivision(f.A[k], f.B[k], f.C[k], f.D[k], r);
    case FR_SIMPLIFICATION:
        return GenererLigneSimplification(f.A[k], f.B[k]);
    default:
        return {};
    }
}

std::string GenererLigneAddition(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                 bool soustraction, const ReglagesLignes& r) {
    b = b == 0 ? 1 : b;
    d = d == 0 ? 1 : d;
    // Never a negative difference: the larger fraction first (exact cross products).
    if (soustraction && a * d < c * b) {
        std::swap(a, c);
        std::swap(b, d);
    }
    const char signe = soustraction ? '-' : '+';
    std::string texte = operande(a, b) + signe + operande(c, d) + "=";
    if (b == d)
        return texte + resultat(soustraction ? a - c : a + c, b, r);
    // The larger denominator when one divides the other, else their product.
    const std::int64_t m = b % d == 0 ? b : d % b == 0 ? d : b * d;
    const std::int64_t na = a * (m / b);
    const std::int64_t nc = c * (m / d);
    if (r.ResultatsInterm1)
        texte += format("%lld/%lld", na, m) + signe + format("%lld/%lld=", nc, m);
    if (r.ResultatsInterm2)
        texte += format("[%lld", na) + signe + format("%lld]/%lld=", nc, m);
    return texte + resultat(soustraction ? na - nc : na + nc, m, r);
}

std::string GenererLigneMultiplication(std::int64_t a, std::int64_t b, std::int64_t c,
                                       std::int64_t d, const ReglagesLignes& r) {
    b = b == 0 ? 1 : b;
    d = d == 0 ? 1 : d;
    std::string texte = operande(a, b) + "*" + operande(c, d) + "=";
    if (r.ResultatsInterm1 && (b != 1 || d != 1))
        texte += format("[%lld*%lld]/[%lld*%lld]=", a, c, b, d);
    std::int64_t n = a * c;
    std::int64_t m = b * d;
    if (r.SimplificationIntelligente) {
        if (b == c && d == a) {
            n = 1;
            m = 1;
        } else if (b == c) {
            n = a;
            m = d;
        } else if (d == a) {
            n = c;
            m = b;
        }
    }
    return texte + resultat(n, m, r);
}

std::string GenererLigneDivision(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                 const ReglagesLignes& r) {
    b = b == 0 ? 1 : b;
    d = d == 0 ? 1 : d;
    const auto operandeF = [](std::int64_t n, std::int64_t den) {
        return den == 1 ? format("%lld", n) : format("%lld/%lld", n, den);
    };
    std::string texte = "F" + operandeF(a, b) + "," + operandeF(c, d) + "=";
    // Dividing by 0 has no result: the line stays a question.
    if (c == 0)
        return texte;
    if (r.ResultatsInterm1 && (b != 1 || d != 1))
        texte += format("[%lld*%lld]/[%lld*%lld]=", a, d, b, c);
    if (r.SimplificationIntelligente && b == d)
        return texte + resultat(a, c, r);
    return texte + resultat(a * d, b * c, r);
}

std::string GenererLigneSimplification(std::int64_t a, std::int64_t b) {
    b = b == 0 ? 1 : b;
    const auto [n, d] = Simplifier(a, b);
    return format("{%lld/%lld}=", a, b) + element(n, d);
}

std::int64_t LireDigit(std::string_view texte, std::size_t& pos) {
    std::int64_t valeur = -1;
    for (int chiffres = 0; pos < texte.size() && texte[pos] >= '0' && texte[pos] <= '9'; ++pos)
        if (++chiffres <= 18)
            valeur = std::max<std::int64_t>(valeur, 0) * 10 + (texte[pos] - '0');
    return valeur;
}

bool LigneLisible(std::string_view texte) {
    constexpr std::string_view permis = "0123456789{}[]/+-*=F,";
    return texte.size() <= LIGNE_MAX && texte.find_first_not_of(permis) == std::string_view::npos;
}
