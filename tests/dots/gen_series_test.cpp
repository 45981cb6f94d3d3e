#include "dots/GenSeries.h"

#include "platform/FrenchLocale.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

namespace {

std::optional<Rational> Evalue(const std::string& texte, std::string& message) {
    TableVariables table;
    FormuleCompilee f;
    std::size_t position = 0;
    Rational v;
    if (CompileFormule(texte, table, f, message, position) &&
        EvalueFormule(f.Prefixe, table, v, message))
        return v;
    return std::nullopt;
}

// Each formula's exact value, or its error; then its answer at 0, 1 and 2 decimals. Priorities
// and plain operators are compared with a reference on random formulas below; these rows pin
// the choices a reference could share (signs of ":" and "%", "^" from the left), exponents
// below 0, large and dotted numbers, and the errors.
TEST(Formule, OperatorsPrioritiesAndErrors) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cas{
        {"-7 : 2", "-3;-3,0;-3,00", ""},
        {"2 ^ 3 ^ 2", "64;64,0;64,00", ""},
        {"7 % 3 + 2,5", "4;3,5;3,50", ""},
        {"-7 % 3", "-1;-1,0;-1,00", ""},
        {"2 ^ -2", "0;0,3;0,25", ""},
        {"1000000000.3", "1000000000;1000000000,3;1000000000,30", ""},
        {"20,05 * 123456789", "2475308619;2475308619,5;2475308619,45", ""},
        {"0.1 + 0.2 = 0.3", "1;1,0;1,00", ""},
        {"5 / 0", "", "Division par zéro"},
        {"0 ^ -1", "", "Résultat hors limites"},
        {"2 ^ 9999", "", "Résultat hors limites"},
    };
    for (const auto& [texte, reponses, erreur] : cas) {
        std::string message;
        const std::optional<Rational> v = Evalue(texte, message);
        EXPECT_EQ(message, erreur) << texte;
        if (v) {
            EXPECT_EQ(EcritArrondi(*v, 0) + ";" + EcritArrondi(*v, 1) + ";" + EcritArrondi(*v, 2),
                      reponses)
                << texte;
        }
    }
}

// The message splits the text at the first character the compiler could not take.
TEST(Formule, SyntaxErrorsNameTheirPlace) {
    const std::vector<std::pair<std::string, std::size_t>> cas{
        {"(1 + 2", 6},
        {"1 + * 2", 4},
        {"a $ b", 2},
        {"", 0},
        {"\"abc", 0},
        {"1 2", 2},
        {"1 + " + std::string(40, '9'), 4}, // too many digits to be held exactly
        {std::string(201, '(') + "1" + std::string(201, ')'), 200},
        {std::string(300, '-'), 200}};
    for (const auto& [texte, place] : cas) {
        TableVariables table(1);
        FormuleCompilee f;
        std::string message;
        std::size_t position = 99;
        EXPECT_FALSE(CompileFormule(texte, table, f, message, position)) << texte;
        EXPECT_EQ(position, place) << texte;
        EXPECT_EQ(message, "Erreur de syntaxe dans la formule aux environs du signe [<>]:\n" +
                               texte.substr(0, place) + " [<>] " + texte.substr(place));
        EXPECT_EQ(table.size(), 1u); // nothing added
    }
    std::string message;
    EXPECT_EQ(Evalue(std::string(200, '(') + "1" + std::string(200, ')'), message), Rational(1));
    Evalue(std::string(1001, '1'), message);
    EXPECT_EQ(message, "Formule trop longue\u00A0: 1001 caractères (1000 au plus)");
}

// An evaluator written apart: precedence climbing straight on the text, on fractions of 128-bit
// integers reduced at each step; an overflow leaves the case out.
struct Reference {
    using Int = __int128;
    struct Q {
        Int n = 0;
        Int d = 1;
    };
    const std::string& s;
    std::size_t i = 0;
    bool divisionParZero = false;
    bool deborde = false;

    static int prio(const std::string& op) {
        static const std::map<std::string, int> p{
            {"|", 2}, {"&", 3}, {"<", 4}, {">", 4}, {"<=", 4}, {">=", 4}, {"<>", 4}, {"=", 4},
            {"+", 5}, {"-", 5}, {"*", 6}, {"/", 6}, {":", 6},  {"%", 6},  {"^", 7}};
        return p.count(op) ? p.at(op) : 0;
    }
    Int produit(Int a, Int b) {
        Int r = 0;
        deborde |= __builtin_mul_overflow(a, b, &r) || r > (Int(1) << 100) || r < -(Int(1) << 100);
        return deborde ? 1 : r;
    }
    Q reduit(Int n, Int d) {
        if (d < 0)
            n = -n, d = -d;
        Int a = n < 0 ? -n : n, b = d;
        while (b != 0)
            a = std::exchange(b, a % b);
        return a == 0 ? Q{0, 1} : Q{n / a, d / a};
    }
    Q somme(Q a, Q b) { return reduit(produit(a.n, b.d) + produit(b.n, a.d), produit(a.d, b.d)); }
    Q fois(Q a, Q b) { return reduit(produit(a.n, b.n), produit(a.d, b.d)); }
    Q tronque(Q a) { return {a.n / a.d, 1}; }
    bool inferieur(Q a, Q b) { return produit(a.n, b.d) < produit(b.n, a.d); }
    Q bool_(bool b) { return {b ? 1 : 0, 1}; }

    std::string op() {
        for (const int n : {2, 1})
            if (i + n <= s.size() && prio(s.substr(i, n)))
                return s.substr(i, n);
        return "";
    }
    Q atome() {
        if (s[i] == '-') {
            ++i;
            const Q a = atome();
            return {-a.n, a.d};
        }
        if (s[i] == '(') {
            ++i;
            const Q v = expr(2);
            ++i;
            return v;
        }
        Q v;
        bool virgule = false;
        for (; i < s.size() && (std::isdigit(s[i]) || s[i] == ','); ++i) {
            if (s[i] == ',') {
                virgule = true;
                continue;
            }
            v.n = v.n * 10 + (s[i] - '0');
            v.d *= virgule ? 10 : 1;
        }
        return reduit(v.n, v.d);
    }
    Q expr(int min) {
        Q a = atome();
        for (std::string o = op(); !o.empty() && prio(o) >= min; o = op()) {
            i += o.size();
            const Q b = expr(prio(o) + 1);
            if (b.n == 0 && (o == "/" || o == ":" || o == "%")) {
                divisionParZero = true;
                return {};
            }
            const bool egal = a.n == b.n && a.d == b.d;
            if (o == "|" || o == "&")
                a = bool_(o == "|" ? (a.n != 0 || b.n != 0) : (a.n != 0 && b.n != 0));
            else if (o == "<" || o == ">=")
                a = bool_(inferieur(a, b) == (o == "<"));
            else if (o == ">" || o == "<=")
                a = bool_(inferieur(b, a) == (o == ">"));
            else if (o == "=" || o == "<>")
                a = bool_(egal == (o == "="));
            else if (o == "+" || o == "-")
                a = somme(a, {o == "+" ? b.n : -b.n, b.d});
            else if (o == "*")
                a = fois(a, b);
            else if (o == "^") {
                Q p{1, 1};
                for (Int k = 0; k < (b.n < 0 ? -b.n : b.n) && !deborde; ++k)
                    p = fois(p, a);
                a = b.n >= 0 ? p : reduit(p.d, p.n);
                divisionParZero |= p.n == 0 && b.n < 0;
            } else {
                const Q q = fois(a, reduit(b.d, b.n));
                a = o == "/" ? q : o == ":" ? tronque(q) : somme(a, fois(tronque(q), {-b.n, b.d}));
            }
        }
        return a;
    }
    // Half up at `decimales`, written with a comma.
    std::string arrondi(Q v, int decimales) {
        Int p = 1;
        for (int k = 0; k < decimales; ++k)
            p *= 10;
        Int m = produit(v.n, p) * 2 + v.d, d = 2 * v.d;
        Int e = m / d - (m % d != 0 && m < 0 ? 1 : 0);
        std::string t;
        for (Int a = e < 0 ? -e : e; t.size() <= std::size_t(decimales) || a != 0; a /= 10)
            t.insert(t.begin(), char('0' + int(a % 10)));
        if (decimales > 0)
            t.insert(t.size() - std::size_t(decimales), ",");
        return (e < 0 ? "-" : "") + t;
    }
};

// Random formulas over small integers and decimals, with whole exponents from 0 to 3.
TEST(Formule, AgreesWithAnExactReferenceOnRandomFormulas) {
    const char* ops[] = {"|", "&", "<", ">", "<=", ">=", "<>", "=",
                         "+", "-", "*", "/", ":",  "%",  "^"};
    TRandom r(17);
    int comparees = 0;
    for (int n = 0; n < 5000; ++n) {
        std::function<std::string(int)> genere = [&](int p) -> std::string {
            if (p == 0 || r.Below(3) == 0) {
                std::string nombre = std::to_string(r.Below(30));
                if (r.Below(3) == 0)
                    nombre += "," + std::to_string(r.Below(100));
                return (r.Below(5) == 0 ? "-" : "") + nombre;
            }
            const int o = int(r.Below(15));
            const std::string e =
                genere(p - 1) + ops[o] + (o == 14 ? std::to_string(r.Below(4)) : genere(p - 1));
            return r.Below(3) == 0 ? "(" + e + ")" : e;
        };
        const std::string texte = genere(4);
        std::string message;
        const std::optional<Rational> v = Evalue(texte, message);
        Reference ref{texte};
        const Reference::Q attendu = ref.expr(2);
        if (ref.deborde)
            continue;
        if (ref.divisionParZero) {
            EXPECT_EQ(message, "Division par zéro") << texte;
            continue;
        }
        ASSERT_TRUE(v) << texte << "\u00A0: " << message;
        EXPECT_TRUE(v->Num() == attendu.n && v->Den() == attendu.d) << texte;
        for (const int d : {0, 2})
            EXPECT_EQ(EcritArrondi(*v, d), ref.arrondi(attendu, d)) << texte;
        ++comparees;
    }
    EXPECT_GT(comparees, 3000);
}

// Labels show each value truncated to its decimals, literals as written, in any C locale.
void expectLabelsAndRounding() {
    TableVariables table;
    FormuleCompilee f;
    std::string message;
    std::size_t position = 0;
    ASSERT_TRUE(CompileFormule("a+b+c+d+e+f+g+h+i+j+k * \"x\" * 2,5", table, f, message, position));
    for (std::size_t i = 0; i < 11; ++i)
        table[i].Valeur = *Rational::FromDecimal(std::to_string(i + 1) + ",75");
    table[10].Decimales = 1;
    EXPECT_EQ(EtiquetteModele(f.Modele, table), "1+2+3+4+5+6+7+8+9+10+11,7 * x * 2,5");
    const std::vector<std::tuple<std::string, int, std::string>> arrondis{
        {"2.25", 1, "2,3"},  {"1,15", 1, "1,2"}, {"-2.5", 0, "-2"},
        {"0.05", 2, "0,05"}, {"3", 2, "3,00"},   {"1e-3", 3, "0,001"}};
    for (const auto& [v, d, texte] : arrondis)
        EXPECT_EQ(EcritArrondi(*Rational::FromDecimal(v), d), texte) << v;
    EXPECT_EQ(EcritArrondi(*Evalue("1 * 2,5", message), 0), "3");
}
TEST(Formule, LabelsAndRounding) {
    expectLabelsAndRounding();
}
TEST_F(FrenchLocale, FormulaLabelsAndRoundingIgnoreTheCLocale) {
    expectLabelsAndRounding();
}

std::vector<PaireSerie> Serie(GenSeries& g, std::uint32_t graine) {
    SeedRandom(graine);
    std::vector<PaireSerie> paires;
    std::string message, titre;
    EXPECT_TRUE(g.Calculer(paires, message, titre)) << message;
    return paires;
}

TEST(GenSeries, PredefinedSeries) {
    for (std::uint32_t graine = 1; graine <= 30; ++graine) {
        GenSeries g(JeuPoints{}, 0);
        g.Reglages.SupprimerIdentiques = false;
        ASSERT_TRUE(g.ChoisitPredefinie("divisions entières n de 1 à 10"));
        const auto paires = Serie(g, graine);
        ASSERT_EQ(paires.size(), 300u);
        for (const PaireSerie& p : paires) {
            const std::size_t deux = p.Etiquette.find(" : ");
            const int a = std::stoi(p.Etiquette), b = std::stoi(p.Etiquette.substr(deux + 3));
            EXPECT_EQ(a % b, 0) << p.Etiquette;
            EXPECT_EQ(std::to_string(a / b), p.Reponse) << p.Etiquette;
            EXPECT_TRUE(b >= 1 && b < 10 && a / b < 10) << p.Etiquette;
        }
    }
    GenSeries suite(JeuPoints{}, 0);
    suite.ChoisitPredefinie("1,2,3,...");
    const auto paires = Serie(suite, 1);
    ASSERT_EQ(paires.size(), 300u);
    EXPECT_EQ(paires[299].Etiquette + "=" + paires[299].Reponse, "300=300");
}

TEST(GenSeries, FiltersSortAndLimit) {
    GenSeries g(JeuPoints{}, 4);
    g.ChoisitPredefinie("soustractions nombres entre 1 et 10");
    auto paires = Serie(g, 5);
    EXPECT_EQ(paires.front().Reponse, "0"); // below 0 removed, then sorted and unique
    EXPECT_EQ(paires.size(), 9u);
    g.Reglages.SupprimerSuperieurs = true;
    g.Reglages.BorneSuperieure = 4;
    g.Reglages.Tri = TRI_DECROISSANT;
    paires = Serie(g, 5);
    EXPECT_EQ(paires.front().Reponse + paires.back().Reponse, "40");
    g.Reglages.SeLimiter = true;
    EXPECT_EQ(Serie(g, 5).size(), 4u);
    GenSeries vide(g.Reglages, 0);
    std::string message, titre;
    EXPECT_FALSE(vide.Calculer(paires, message, titre));
    EXPECT_EQ(titre, "PROBLEME");
    EXPECT_NE(message.find("Il n'y a pas de points dans le graphique\u00A0!"), std::string::npos);
    // Closing keeps the variables the formula lists, with their settings.
    JeuPoints jeu;
    g.Fermer(jeu);
    EXPECT_EQ(jeu.Formule, "a - b");
    ASSERT_EQ(jeu.Variables.size(), 2u);
    EXPECT_EQ(jeu.Variables[1].Maximum, 10);
}

} // namespace
