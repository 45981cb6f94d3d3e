#include "chart/engine/Chart.h"

#include "platform/Locale.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace chart {

namespace {

struct Nice {
    int mantisse;
    int exposant;
};

// Heckbert's nice number: 1, 2, 5 or 10 times a power of ten, near x (rounded) or at least x.
Nice NombreNet(double x, bool arrondi) {
    const int e = int(std::floor(std::log10(x)));
    const double f = x / std::pow(10.0, e);
    int m = 10;
    if (arrondi)
        m = f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10;
    else
        m = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
    return m == 10 ? Nice{1, e + 1} : Nice{m, e};
}

Nice Suivant(Nice n) {
    if (n.mantisse == 1)
        return {2, n.exposant};
    if (n.mantisse == 2)
        return {5, n.exposant};
    return {1, n.exposant + 1};
}

double Pas(Nice n) {
    return n.mantisse * std::pow(10.0, n.exposant);
}

} // namespace

double Graduation::Valeur(int i) const {
    return double(premierIndice + i) * pas;
}

std::string Graduation::Libelle(int i) const {
    const long long n = (premierIndice + i) * mantisse;
    const int e = exposant - 3 * milliers;
    const NumberStyle style{DecimalSeparator(), ThousandSeparator(), true};
    if (e < 0)
        return WriteDecimal(n, -e, style);
    // Whole labels: the step's digits then its zeros, grouped by three.
    std::string chiffres = std::to_string(std::llabs(n));
    if (n != 0)
        chiffres.append(std::size_t(e), '0');
    if (style.thousands != 0)
        for (int k = int(chiffres.size()) - 3; k > 0; k -= 3)
            chiffres.insert(std::size_t(k), 1, style.thousands);
    return n < 0 ? "-" + chiffres : chiffres;
}

Graduation GraduationsNettes(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    }
    constexpr double kLimite = 1e300;
    lo = std::clamp(lo, -kLimite, kLimite);
    hi = std::clamp(hi, -kLimite, kLimite);
    if (lo > hi)
        std::swap(lo, hi);
    // A span too thin for the values' precision is widened about its middle.
    const double minimum = std::max(std::max(std::fabs(lo), std::fabs(hi)) * 1e-9, 1e-280);
    if (hi - lo < minimum) {
        const double milieu = lo / 2 + hi / 2;
        lo = milieu - minimum;
        hi = milieu + minimum;
    }
    // Heckbert: a nice span, then a nice step for about five ticks over it.
    Nice n = NombreNet(Pas(NombreNet(hi - lo, false)) / 4, true);
    for (;;) {
        const double pas = Pas(n);
        long long premier = (long long)std::floor(lo / pas);
        long long dernier = (long long)std::ceil(hi / pas);
        if (double(premier + 1) * pas <= lo)
            ++premier;
        if (double(premier) * pas > lo)
            --premier;
        if (double(dernier - 1) * pas >= hi)
            --dernier;
        if (double(dernier) * pas < hi)
            ++dernier;
        const long long nombre = std::max(dernier - premier + 1, 2LL);
        if (nombre <= 10) {
            Graduation g;
            g.pas = pas;
            g.premierIndice = premier;
            g.premier = double(premier) * pas;
            g.nombre = int(nombre);
            g.mantisse = n.mantisse;
            g.exposant = n.exposant;
            return g;
        }
        n = Suivant(n);
    }
}

std::string FormateNombre(double v) {
    if (!std::isfinite(v))
        return "?";
    // Plain digits over the range a class meets, the exponent form only beyond it.
    if (const double a = std::fabs(v); a == 0 || (a >= 1e-6 && a < 1e15))
        return WriteShortest(v, {DecimalSeparator()});
    char tampon[64];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, v).ptr;
    std::string texte(tampon, fin);
    std::replace(texte.begin(), texte.end(), '.', DecimalSeparator());
    return texte;
}

std::string NombreAffiche(double v) {
    if (!std::isfinite(v))
        return "?";
    const NumberStyle style{DecimalSeparator(), ThousandSeparator()};
    std::string texte = WriteShortest(v, style);
    if (const auto virgule = texte.find(style.comma);
        virgule != std::string::npos && texte.size() - virgule > 7)
        texte = WriteNumber(v, 6, style);
    return texte;
}

std::string TexteMarque(const Serie& serie, int i) {
    const PointSerie& p = serie.points[std::size_t(i)];
    double total = 0;
    for (const PointSerie& q : serie.points)
        total += std::fabs(q.y);
    const std::string valeur = NombreAffiche(p.y);
    const std::string pourcent =
        (total > 0 ? std::to_string(std::lround(std::fabs(p.y) / total * 100)) : "0") + " %";
    const std::string sur = pourcent + " sur " + NombreAffiche(total);
    switch (serie.styleMarques) {
    case 1:
        return pourcent;
    case 2:
        return p.libelle;
    case 3:
        return p.libelle + " " + pourcent;
    case 4:
        return p.libelle + " " + valeur;
    case 5:
        return valeur + " " + p.libelle;
    case 6:
        return sur;
    case 7:
        return p.libelle + " " + sur;
    case 8:
        return NombreAffiche(p.x);
    default:
        return valeur;
    }
}

} // namespace chart
