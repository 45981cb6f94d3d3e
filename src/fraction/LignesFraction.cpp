#include "fraction/LignesFraction.h"

#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

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
        // A division's divisor among the non-zero numerators of the range (the keys refuse a
        // division whose range holds only 0, see DiviseursPossibles).
        int c = tire(operation == FR_DIVISION ? std::max(f.NumMin, 1) : f.NumMin, f.NumMax);
        if (operation == FR_DIVISION)
            c = std::max(c, 1);
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
    for (int i = 0; i < FractionDonnees::LIGNES; ++i) {
        std::int16_t& masque = donnees.Masque[std::size_t(i)];
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
        masque = MasqueDetermine(donnees, i, operation);
    }
}

std::int16_t MasqueDetermine(const FractionDonnees& f, int i, int operation) {
    const std::size_t k = std::size_t(i);
    const int masque = f.Masque[k];
    if (masque == 0 || masque == CACHE_RESULTAT)
        return std::int16_t(masque);
    if (operation == FR_SIMPLIFICATION)
        return std::int16_t((masque & CACHE_PREMIER) != 0 ? CACHE_SECOND : masque);
    // The other operand shown must fix the hidden one: x * 0 = 0 and 0 : x = 0 hold for any x.
    const bool premierSeul = masque == CACHE_PREMIER;
    const bool secondSeul = masque == CACHE_SECOND;
    const bool indetermine =
        (!premierSeul && !secondSeul) ||
        (operation == FR_MULTIPLICATION && (premierSeul ? f.C[k] : f.A[k]) == 0) ||
        (operation == FR_DIVISION && secondSeul && f.A[k] == 0);
    return std::int16_t(indetermine ? CACHE_RESULTAT : masque);
}

bool DiviseursPossibles(int numMax, int operation, std::string& message) {
    if (operation != FR_DIVISION || numMax >= 1)
        return true;
    message = "Numérateurs de 0 à " + std::to_string(numMax) +
              "\u00A0: une division tire ses diviseurs parmi les numérateurs, il en faut un qui ne "
              "soit pas 0";
    return false;
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

namespace {

// An exact fraction of the line reader, with a positive denominator, not reduced; products
// that would overflow stop the reading.
struct Valeur {
    __int128 n = 0;
    __int128 d = 1;
};

class LecteurLigne {
public:
    explicit LecteurLigne(std::string_view texte) : t_(texte) {}

    // The value of every part between "=", or none with the reason in `Erreur`.
    std::optional<std::vector<Valeur>> Parties() {
        std::vector<Valeur> parties;
        while (pos_ < t_.size()) {
            const std::optional<Valeur> v = partie();
            if (!v)
                return std::nullopt;
            parties.push_back(*v);
            if (pos_ < t_.size() && (!prend('=') || pos_ == t_.size()))
                return faute();
        }
        if (parties.empty())
            return faute();
        return parties;
    }
    std::string Erreur;

private:
    bool prend(char c) {
        if (pos_ >= t_.size() || t_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    std::nullopt_t faute() {
        if (Erreur.empty())
            Erreur = "elle ne se lit pas dans le langage des fractions (caractère " +
                     std::to_string(pos_ + 1) + ")";
        return std::nullopt;
    }
    std::optional<__int128> fois(__int128 a, __int128 b) {
        __int128 r = 0;
        if (__builtin_mul_overflow(a, b, &r) || r > kMax || r < -kMax) {
            Erreur = "ses nombres sont trop grands";
            return std::nullopt;
        }
        return r;
    }
    std::optional<Valeur> produit(Valeur a, Valeur b) {
        const std::optional<__int128> n = fois(a.n, b.n);
        const std::optional<__int128> d = fois(a.d, b.d);
        if (!n || !d)
            return std::nullopt;
        return Valeur{*n, *d};
    }
    std::optional<Valeur> quotient(Valeur a, Valeur b) {
        if (b.n == 0) {
            Erreur = "elle divise par 0";
            return std::nullopt;
        }
        return produit(a, b.n < 0 ? Valeur{-b.d, -b.n} : Valeur{b.d, b.n});
    }
    std::optional<Valeur> somme(Valeur a, Valeur b, bool moins) {
        const std::optional<__int128> x = fois(a.n, b.d);
        const std::optional<__int128> y = fois(b.n, a.d);
        const std::optional<__int128> d = fois(a.d, b.d);
        if (!x || !y || !d)
            return std::nullopt;
        return Valeur{moins ? *x - *y : *x + *y, *d};
    }

    // "Fp,p" or a sum.
    std::optional<Valeur> partie() {
        if (!prend('F'))
            return sommeDe();
        const std::optional<Valeur> a = fraction();
        if (!a || !prend(','))
            return faute();
        const std::optional<Valeur> b = fraction();
        return b ? quotient(*a, *b) : std::nullopt;
    }
    std::optional<Valeur> sommeDe() {
        std::optional<Valeur> v = terme();
        while (v && pos_ < t_.size() && (t_[pos_] == '+' || t_[pos_] == '-')) {
            const bool moins = t_[pos_++] == '-';
            const std::optional<Valeur> b = terme();
            v = b ? somme(*v, *b, moins) : std::nullopt;
        }
        return v;
    }
    std::optional<Valeur> terme() {
        std::optional<Valeur> v = fraction();
        while (v && prend('*')) {
            const std::optional<Valeur> b = fraction();
            v = b ? produit(*v, *b) : std::nullopt;
        }
        return v;
    }
    std::optional<Valeur> fraction() {
        const std::optional<Valeur> a = primaire();
        if (!a || !prend('/'))
            return a;
        const std::optional<Valeur> b = primaire();
        return b ? quotient(*a, *b) : std::nullopt;
    }
    std::optional<Valeur> primaire() {
        const char ouvrant = pos_ < t_.size() ? t_[pos_] : '\0';
        if (ouvrant == '[' || ouvrant == '{') {
            ++pos_;
            const std::optional<Valeur> v = ouvrant == '[' ? sommeDe() : fraction();
            if (!v || !prend(ouvrant == '[' ? ']' : '}'))
                return v ? faute() : std::nullopt;
            return v;
        }
        const std::int64_t n = LireDigit(t_, pos_);
        if (n < 0)
            return faute();
        return Valeur{n, 1};
    }

    static constexpr __int128 kMax = __int128(1) << 100;
    std::string_view t_;
    std::size_t pos_ = 0;
};

Valeur reduite(Valeur v) {
    __int128 a = v.n < 0 ? -v.n : v.n;
    for (__int128 b = v.d; b != 0;)
        a = std::exchange(b, a % b);
    return a == 0 ? v : Valeur{v.n / a, v.d / a};
}

// "n" or "n/d", reduced.
std::string ecrit(Valeur v) {
    v = reduite(v);
    const auto n = static_cast<std::int64_t>(v.n);
    const auto d = static_cast<std::int64_t>(v.d);
    if (v.n != n || v.d != d)
        return "?";
    return d == 1 ? std::to_string(n) : std::to_string(n) + "/" + std::to_string(d);
}

} // namespace

bool VerifieLigne(std::string_view texte, std::string& message) {
    if (texte.empty())
        return true;
    // A question without its result ends with "=".
    const std::string_view corps = texte.back() == '=' ? texte.substr(0, texte.size() - 1) : texte;
    LecteurLigne lecteur(corps);
    const std::optional<std::vector<Valeur>> parties = lecteur.Parties();
    if (!parties) {
        message = lecteur.Erreur;
        return false;
    }
    const std::vector<std::string_view> textes = Split(corps, '=');
    for (std::size_t i = 1; i < parties->size(); ++i) {
        const Valeur a = reduite(parties->front());
        const Valeur b = reduite((*parties)[i]);
        if (a.n == b.n && a.d == b.d)
            continue;
        message = "elle est fausse\u00A0: «\u00A0" + std::string(textes[i]) + "\u00A0» vaut " +
                  ecrit(b) + " et «\u00A0" + std::string(textes[0]) + "\u00A0» vaut " + ecrit(a);
        return false;
    }
    return true;
}

bool LigneLisible(std::string_view texte) {
    constexpr std::string_view permis = "0123456789{}[]/+-*=F,";
    return texte.size() <= LIGNE_MAX && texte.find_first_not_of(permis) == std::string_view::npos;
}
