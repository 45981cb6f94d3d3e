#include "fraction/LignesFraction.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using I = std::int64_t;

// An exact rational, kept reduced; `brut` keeps the pair as written.
struct Q {
    I n = 0, d = 1, brutN = 0, brutD = 1;
    bool operator==(const Q& o) const { return n == o.n && d == o.d; }
};
Q q(I n, I d) {
    const I g = std::gcd(n, d);
    return g == 0 ? Q{n, d, n, d} : Q{n / g, d / g, n, d};
}
Q plus(Q a, Q b, char op) {
    if (op == '*')
        return q(a.n * b.n, a.d * b.d);
    return q(op == '+' ? a.n * b.d + b.n * a.d : a.n * b.d - b.n * a.d, a.d * b.d);
}

// Reads the line language on its own: a member is "x op y", a single value, or "Fx,y"; a value
// is "{p}", "p" or "p/p"; a part digits or "[digits op digits]".
struct Lecteur {
    std::string t;
    std::size_t i = 0;
    std::vector<I> denominateurs; // every denominator written
    char at() const { return i < t.size() ? t[i] : '\0'; }
    I nombre() {
        I v = 0;
        EXPECT_TRUE(std::isdigit(at())) << t << " at " << i;
        while (std::isdigit(at()))
            v = v * 10 + (t[i++] - '0');
        return v;
    }
    Q partie() {
        if (at() != '[')
            return q(nombre(), 1);
        ++i;
        const I a = nombre();
        const char op = t[i++];
        const Q r = plus(q(a, 1), q(nombre(), 1), op);
        EXPECT_EQ(t[i++], ']') << t;
        return r;
    }
    Q valeur() {
        const bool accolade = at() == '{';
        i += accolade;
        Q v = partie();
        if (at() == '/') {
            ++i;
            const Q den = partie();
            denominateurs.push_back(den.n);
            v = den.n == 0 ? Q{0, 0, 0, 0} : q(v.n * den.d, v.d * den.n);
            v.brutN = v.brutN, v.brutD = den.n;
        }
        if (accolade) {
            EXPECT_EQ(t[i++], '}') << t;
        }
        return v;
    }
    Q membre(std::vector<Q>& termes) {
        if (at() == 'F') {
            ++i;
            termes = {valeur()};
            EXPECT_EQ(t[i++], ',') << t;
            termes.push_back(valeur());
            return termes[1].n == 0 ? Q{0, 0} : plus(termes[0], q(termes[1].d, termes[1].n), '*');
        }
        termes = {valeur()};
        if (at() == '+' || at() == '-' || at() == '*') {
            const char op = t[i++];
            termes.push_back(valeur());
            return plus(termes[0], termes[1], op);
        }
        return termes[0];
    }
};

struct Cas {
    int operation, numMin, numMax, denMin, denMax;
    bool memes;
    ReglagesLignes r;
};

// Checks one line against its numbers and settings.
void Verifie(const std::string& ligne, const FractionDonnees& f, int k, const Cas& c) {
    SCOPED_TRACE(ligne);
    std::string raison;
    EXPECT_TRUE(VerifieLigne(ligne, raison)) << raison;
    Lecteur l{ligne, 0, {}};
    std::vector<std::vector<Q>> termes;
    std::vector<Q> valeurs;
    std::vector<std::size_t> debuts;
    while (l.i < ligne.size()) {
        debuts.push_back(l.i);
        termes.emplace_back();
        valeurs.push_back(l.membre(termes.back()));
        ASSERT_TRUE(l.at() == '=' || l.at() == '\0') << l.i;
        l.i += l.at() == '=';
    }
    ASSERT_GE(valeurs.size(), 2u);
    for (const I den : l.denominateurs)
        EXPECT_NE(den, 0);
    // The first member holds the line's operands (either order for a difference).
    const Q a = q(f.A[k], f.B[k]), b = q(f.C[k], f.D[k]);
    const std::vector<Q>& t0 = termes[0];
    EXPECT_TRUE(c.operation == FR_SIMPLIFICATION
                    ? t0[0] == a
                    : (t0[0] == a && t0[1] == b) ||
                          (c.operation == FR_SOUSTRACTION && t0[0] == b && t0[1] == a));
    for (const Q& v : valeurs) {
        EXPECT_EQ(v, valeurs[0]);
        EXPECT_GE(v.n, 0);
    }
    const Q fin = termes.back()[0];
    EXPECT_EQ(ligne.back(), '}');
    if (c.r.Simplification > 0 || c.operation == FR_SIMPLIFICATION) {
        EXPECT_EQ(std::gcd(fin.brutN, fin.brutD), 1);
        EXPECT_EQ(fin.brutD == 1 || fin.brutN == 0,
                  ligne.find('/', ligne.rfind('{')) == std::string::npos);
    }
    // An inserted unreduced result is never already reduced.
    const std::size_t n = valeurs.size();
    const std::string avant = ligne.substr(debuts[n - 2], debuts[n - 1] - debuts[n - 2]);
    if (c.r.Simplification == 2 && n > 2 && avant.find_first_of("[{+-*F") == std::string::npos) {
        EXPECT_GT(std::gcd(termes[n - 2][0].brutN, termes[n - 2][0].brutD), 1) << avant;
    }
    // Addition steps share one denominator.
    for (std::size_t m = 1; m + 1 < n && c.operation <= FR_SOUSTRACTION; ++m)
        if (termes[m].size() == 2) {
            EXPECT_EQ(termes[m][0].brutD, termes[m][1].brutD);
        }
}

// 100,800 lines: every operation, step, simplification and smart cancelling setting, same
// denominators or not, over wide, narrow and typed numbers, each run from its own seed.
TEST(LignesFraction, EveryGeneratedLineIsExactAndReducedAsAsked) {
    const int plages[3][4] = {{0, 1000, 1, 1000}, {1, 1, 1, 1}, {0, 30, 1, 12}};
    std::uint32_t graine = 0;
    for (int op = 0; op <= FR_SIMPLIFICATION; ++op)
        for (int etapes = 0; etapes < 4; ++etapes)
            for (int simp = 0; simp < 3; ++simp)
                for (int p = 0; p < 4; ++p)
                    for (int options = 0; options < 4; ++options)
                        for (int tirage = 0; tirage < 11; ++tirage) {
                            SeedRandom(++graine);
                            const int* g = plages[p % 3];
                            Cas c{op,
                                  g[0],
                                  g[1],
                                  g[2],
                                  g[3],
                                  (options & 1) != 0,
                                  {op, (etapes & 1) != 0, (etapes & 2) != 0, options >= 2, simp}};
                            FractionDonnees f;
                            f.NumMin = c.numMin, f.NumMax = c.numMax;
                            f.DenMin = c.denMin, f.DenMax = c.denMax;
                            GenererNombres(f, op, c.memes);
                            for (int k = 0; p == 3 && k < FractionDonnees::LIGNES; ++k) {
                                // Typed numbers, up to the largest an editor cell takes.
                                f.A[k] = std::int16_t(Random() % (NOMBRE_MAX + 1));
                                f.B[k] = std::int16_t(Random() % NOMBRE_MAX + 1);
                                f.C[k] = std::int16_t(Random() % NOMBRE_MAX + 1);
                                f.D[k] = std::int16_t(Random() % NOMBRE_MAX + 1);
                            }
                            for (int k = 0; k < FractionDonnees::LIGNES; ++k)
                                Verifie(GenererLigne(f, k, c.r), f, k, c);
                            if (HasFailure())
                                return;
                        }
}

TEST(LignesFraction, SimplifierReducesLikeTheGreatestCommonDivisor) {
    const auto verifie = [](I n, I d) {
        const I g = std::gcd(n, d);
        ASSERT_EQ(Simplifier(n, d), std::make_pair(n / g, d / g)) << n << "/" << d;
    };
    for (I n = 0; n <= 300; ++n)
        for (I d = 1; d <= 300; ++d)
            verifie(n, d);
    SeedRandom(5);
    for (int k = 0; k < 100000; ++k)
        verifie(I(Random()) * (Random() % 64 + 1), I(Random() % 32767 + 1) * (Random() % 64 + 1));
    EXPECT_EQ(Simplifier(0, 5), std::make_pair(I(0), I(1)));
    EXPECT_EQ(Simplifier(7, 0), std::make_pair(I(7), I(0)));
}

struct Texte {
    int op, a, b, c, d;
    ReglagesLignes r;
    const char* attendu;
};

TEST(LignesFraction, TextsAreWrittenAsTheTeacherReadsThem) {
    const ReglagesLignes tout{0, true, true, true, 2};
    const Texte cas[] = {
        {FR_ADDITION, 2, 4, 1, 4, tout, "{2/4}+{1/4}={3/4}"},
        {FR_ADDITION, 1, 4, 1, 4, tout, "{1/4}+{1/4}=2/4={1/2}"},
        {FR_ADDITION, 1, 4, 1, 6, tout, "{1/4}+{1/6}=6/24+4/24=[6+4]/24=10/24={5/12}"},
        {FR_ADDITION, 1, 4, 1, 8, {0, false, true, true, 1}, "{1/4}+{1/8}=[2+1]/8={3/8}"},
        {FR_SOUSTRACTION, 1, 4, 3, 4, tout, "{3/4}-{1/4}=2/4={1/2}"},
        {FR_SOUSTRACTION, 1, 4, 1, 4, {1, true, true, true, 0}, "{1/4}-{1/4}={0}"},
        {FR_MULTIPLICATION, 2, 3, 3, 2, tout, "{2/3}*{3/2}=[2*3]/[3*2]={1}"},
        {FR_MULTIPLICATION,
         2,
         3,
         3,
         2,
         {2, true, true, false, 2},
         "{2/3}*{3/2}=[2*3]/[3*2]=6/6={1}"},
        {FR_MULTIPLICATION, 2, 1, 3, 1, tout, "{2}*{3}={6}"},
        {FR_DIVISION, 2, 3, 5, 7, tout, "F2/3,5/7=[2*7]/[3*5]={14/15}"},
        {FR_DIVISION, 2, 9, 4, 9, tout, "F2/9,4/9=[2*9]/[9*4]=2/4={1/2}"},
        {FR_SIMPLIFICATION, 12, 18, 0, 1, tout, "{12/18}={2/3}"},
        {FR_SIMPLIFICATION, 12, 4, 0, 1, tout, "{12/4}={3}"},
    };
    for (const Texte& t : cas) {
        FractionDonnees f;
        f.A[0] = std::int16_t(t.a), f.B[0] = std::int16_t(t.b);
        f.C[0] = std::int16_t(t.c), f.D[0] = std::int16_t(t.d);
        ReglagesLignes r = t.r;
        r.Operation = t.op;
        EXPECT_EQ(GenererLigne(f, 0, r), t.attendu);
    }
}

// Drawn operands: a multiple becomes its whole number; a denominator range of 1..1 with same
// denominators gives 2.
TEST(LignesFraction, DrawnOperandsFollowTheRanges) {
    FractionDonnees f;
    f.NumMin = f.NumMax = 6, f.DenMin = f.DenMax = 3;
    SeedRandom(1);
    GenererNombres(f, FR_ADDITION, false);
    EXPECT_EQ(GenererLigne(f, 0, {}), "{2}+{2}={4}");
    f.NumMin = f.NumMax = f.DenMin = f.DenMax = 1;
    GenererNombres(f, FR_ADDITION, true);
    EXPECT_EQ(GenererLigne(f, 9, {}), "{1/2}+{1/2}=2/2={1}");
}

// A line is read, and each part between "=" must be worth the first.
TEST(LignesFraction, TypedLinesAreReadAndTheirResultChecked) {
    const std::vector<std::pair<std::string, std::string>> cas{
        {"", ""},
        {"{1/2}+{1/3}=3/6+2/6=[3+2]/6={5/6}", ""},
        {"F3/4,5/7=[3*7]/[4*5]={21/20}", ""},
        {"{3/4}-{1/4}=2/4={1/2}", ""},
        {"{1/4}*{2}=", ""},
        {"{1/2}+{1/2}={5}",
         "elle est fausse\u00A0: «\u00A0{5}\u00A0» vaut 5 et «\u00A0{1/2}+{1/2}\u00A0» vaut 1"},
        {"{1/4}-{3/4}={1/2}", "elle est fausse\u00A0: «\u00A0{1/2}\u00A0» vaut 1/2 et "
                              "«\u00A0{1/4}-{3/4}\u00A0» vaut -1/2"},
        {"F1/2,0={1}", "elle divise par 0"},
        {"{1/0}={1}", "elle divise par 0"},
        {"{1/2}+{1/2", "elle ne se lit pas dans le langage des fractions (caractère 11)"},
        {"{1/2}=={1/2}", "elle ne se lit pas dans le langage des fractions (caractère 7)"},
        {"=", "elle ne se lit pas dans le langage des fractions (caractère 1)"},
        {"F1/2={1}", "elle ne se lit pas dans le langage des fractions (caractère 5)"},
        {"[1+2={3}", "elle ne se lit pas dans le langage des fractions (caractère 5)"},
        {"999999999999999999*999999999999999999*999999999999999999=1",
         "ses nombres sont trop grands"},
    };
    for (const auto& [ligne, raison] : cas) {
        std::string message;
        EXPECT_EQ(VerifieLigne(ligne, message), raison.empty()) << ligne;
        EXPECT_EQ(message, raison) << ligne;
    }
}

// A hidden part stays only where what is shown fixes it; otherwise the result is hidden.
TEST(LignesFraction, HiddenPartsAreDeterminedByWhatIsShown) {
    struct Masque {
        int op, a, c, masque, attendu;
    };
    const Masque cas[] = {
        {FR_MULTIPLICATION, 0, 3, CACHE_SECOND, CACHE_RESULTAT},
        {FR_MULTIPLICATION, 0, 3, CACHE_PREMIER, CACHE_PREMIER},
        {FR_MULTIPLICATION, 2, 0, CACHE_PREMIER, CACHE_RESULTAT},
        {FR_MULTIPLICATION, 2, 0, CACHE_SECOND, CACHE_SECOND},
        {FR_DIVISION, 0, 3, CACHE_SECOND, CACHE_RESULTAT},
        {FR_DIVISION, 0, 3, CACHE_PREMIER, CACHE_PREMIER},
        {FR_ADDITION, 0, 0, CACHE_SECOND, CACHE_SECOND},
        {FR_ADDITION, 1, 2, CACHE_PREMIER | CACHE_SECOND, CACHE_RESULTAT},
        {FR_SOUSTRACTION, 1, 2, CACHE_PREMIER | CACHE_RESULTAT, CACHE_RESULTAT},
        {FR_SIMPLIFICATION, 4, 0, CACHE_PREMIER, CACHE_SECOND},
        {FR_SIMPLIFICATION, 4, 0, 0, 0},
    };
    for (const Masque& m : cas) {
        FractionDonnees f;
        f.A[0] = std::int16_t(m.a), f.C[0] = std::int16_t(m.c);
        f.Masque[0] = std::int16_t(m.masque);
        EXPECT_EQ(MasqueDetermine(f, 0, m.op), m.attendu) << m.op << " " << m.a << " " << m.c;
    }
    // Drawn masks follow the same rule: a product's zero factor never hides the other one.
    FractionDonnees f;
    f.NumMin = 0, f.NumMax = 1;
    SeedRandom(3);
    GenererNombres(f, FR_DIVISION, false);
    for (int k = 0; k < FractionDonnees::LIGNES; ++k) {
        EXPECT_GE(f.C[std::size_t(k)], 1);
        GenererCache(f, FR_DIVISION, 2);
        EXPECT_EQ(f.Masque[std::size_t(k)], MasqueDetermine(f, k, FR_DIVISION));
    }
    std::string message;
    EXPECT_FALSE(DiviseursPossibles(0, FR_DIVISION, message));
    EXPECT_EQ(message.substr(0, 25), "Numérateurs de 0 à 0\u00A0:");
    EXPECT_TRUE(DiviseursPossibles(0, FR_MULTIPLICATION, message));
}

} // namespace
