#include "dots/GenSeries.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace {

double Evalue(const std::string& texte, std::string& message) {
    TableVariables table;
    FormuleCompilee f;
    std::size_t position = 0;
    double v = NAN;
    if (CompileFormule(texte, table, f, message, position))
        EvalueFormule(f.Prefixe, table, v, message);
    return v;
}

TEST(Formule, OperatorsPrioritiesAndErrors) {
    const std::vector<std::tuple<std::string, double, std::string>> cas{
        {"7 : 2", 3, ""},
        {"-7 : 2", -3, ""},
        {"-6 : 3", -2, ""},
        {"2 ^ 0", 1, ""},
        {"1 + 2 * 3", 7, ""},
        {"(1 + 2) * 3", 9, ""},
        {"3 < 4 & 2 = 2", 1, ""},
        {"8 - 3 - 2", 3, ""},
        {"2 ^ 3 ^ 2", 64, ""},
        {"7 % 3 + 2,5", 3.5, ""},
        {"1 <= 1 | 0", 1, ""},
        {"3 <> 3", 0, ""},
        {"5 / 0", NAN, "Division par zéro"},
        {"1 % 0", NAN, "Division par zéro"},
        {"2 ^ 9999", NAN, "Résultat hors limites"},
    };
    for (const auto& [texte, attendu, erreur] : cas) {
        std::string message;
        const double v = Evalue(texte, message);
        EXPECT_EQ(message, erreur) << texte;
        EXPECT_TRUE(!erreur.empty() || v == attendu) << texte << " = " << v;
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
    EXPECT_EQ(Evalue(std::string(200, '(') + "1" + std::string(200, ')'), message), 1);
    Evalue(std::string(1001, '1'), message);
    EXPECT_EQ(message, "Formule trop longue : 1001 caractères (1000 au plus)");
}

// An evaluator written apart: precedence climbing straight on the text.
struct Reference {
    const std::string& s;
    std::size_t i = 0;
    bool divisionParZero = false;
    static int prio(const std::string& op) {
        static const std::map<std::string, int> p{
            {"|", 2}, {"&", 3}, {"<", 4}, {">", 4}, {"<=", 4}, {">=", 4}, {"<>", 4}, {"=", 4},
            {"+", 5}, {"-", 5}, {"*", 6}, {"/", 6}, {":", 6},  {"%", 6},  {"^", 7}};
        return p.count(op) ? p.at(op) : 0;
    }
    std::string op() {
        for (const int n : {2, 1})
            if (i + n <= s.size() && prio(s.substr(i, n)))
                return s.substr(i, n);
        return "";
    }
    double atome() {
        if (s[i] == '-') {
            ++i;
            return -atome();
        }
        if (s[i] == '(') {
            ++i;
            const double v = expr(2);
            ++i;
            return v;
        }
        double v = 0;
        while (i < s.size() && std::isdigit(s[i]))
            v = v * 10 + (s[i++] - '0');
        return v;
    }
    double expr(int min) {
        double a = atome();
        for (std::string o = op(); !o.empty() && prio(o) >= min; o = op()) {
            i += o.size();
            const double b = expr(prio(o) + 1);
            divisionParZero |= b == 0 && (o == "/" || o == ":" || o == "%");
            const std::map<std::string, std::function<double()>> f{
                {"|", [&] { return double(a != 0 || b != 0); }},
                {"&", [&] { return double(a != 0 && b != 0); }},
                {"<", [&] { return double(a < b); }},
                {">", [&] { return double(a > b); }},
                {"<=", [&] { return double(a <= b); }},
                {">=", [&] { return double(a >= b); }},
                {"<>", [&] { return double(a != b); }},
                {"=", [&] { return double(a == b); }},
                {"+", [&] { return a + b; }},
                {"-", [&] { return a - b; }},
                {"*", [&] { return a * b; }},
                {"/", [&] { return a / b; }},
                {":", [&] { return std::trunc(a / b); }},
                {"%", [&] { return std::fmod(a, b); }},
                {"^", [&] { return b == 0 ? 1 : std::pow(a, b); }}};
            a = f.at(o)();
        }
        return a;
    }
};

TEST(Formule, AgreesWithAReferenceOnRandomFormulas) {
    const char* ops[] = {"|", "&", "<", ">", "<=", ">=", "<>", "=",
                         "+", "-", "*", "/", ":",  "%",  "^"};
    TRandom r(17);
    int comparees = 0;
    for (int n = 0; n < 5000; ++n) {
        std::function<std::string(int)> genere = [&](int p) -> std::string {
            if (p == 0 || r.Below(3) == 0)
                return (r.Below(5) == 0 ? "-" : "") + std::to_string(r.Below(9));
            const std::string e = genere(p - 1) + ops[r.Below(15)] + genere(p - 1);
            return r.Below(3) == 0 ? "(" + e + ")" : e;
        };
        const std::string texte = genere(4);
        std::string message;
        const double v = Evalue(texte, message);
        Reference ref{texte};
        const double attendu = ref.expr(2);
        if (ref.divisionParZero || !std::isfinite(attendu)) {
            EXPECT_FALSE(message.empty()) << texte;
            continue;
        }
        ASSERT_TRUE(message.empty()) << texte << " : " << message;
        EXPECT_DOUBLE_EQ(v, attendu) << texte;
        ++comparees;
    }
    EXPECT_GT(comparees, 3000);
}

TEST(Formule, LabelsAndRounding) {
    TableVariables table;
    FormuleCompilee f;
    std::string message;
    std::size_t position = 0;
    ASSERT_TRUE(CompileFormule("a+b+c+d+e+f+g+h+i+j+k * \"x\"", table, f, message, position));
    for (std::size_t i = 0; i < 11; ++i)
        table[i].Valeur = double(i + 1) + 0.75;
    table[10].Decimales = 1;
    EXPECT_EQ(EtiquetteModele(f.Modele, table), "1+2+3+4+5+6+7+8+9+10+11,7 * x");
    const std::vector<std::tuple<double, int, std::string>> arrondis{
        {2.25, 1, "2,3"}, {1.15, 1, "1,2"}, {-2.5, 0, "-2"}, {0.05, 2, "0,05"}, {3, 2, "3,00"}};
    for (const auto& [v, d, texte] : arrondis)
        EXPECT_EQ(EcritArrondi(v, d), texte) << v;
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
    EXPECT_NE(message.find("Il n'y a pas de points dans le graphique!"), std::string::npos);
    // Closing keeps the variables the formula lists, with their settings.
    JeuPoints jeu;
    g.Fermer(jeu);
    EXPECT_EQ(jeu.Formule, "a - b");
    ASSERT_EQ(jeu.Variables.size(), 2u);
    EXPECT_EQ(jeu.Variables[1].Maximum, 10);
}

} // namespace
