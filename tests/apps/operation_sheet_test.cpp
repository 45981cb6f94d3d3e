// The operation's sheet-only keys "Operandes" and "Tirage", end to end through mathsheet.
#include "AppTestSupport.h"

#include <fstream>
#include <map>
#include <set>

namespace {

class OperationSheet : public ScratchTest {
protected:
    std::string write(const std::string& text) const { return ScratchTest::write("f.txt", text); }
    // The exercise lines of each operation of a saved document, by component name.
    static std::map<std::string, std::vector<std::string>> exercisesByName(const std::string& doc) {
        const Outcome r = RunInProcess({"inspect", doc});
        EXPECT_EQ(r.code, EXIT_OK) << r.err;
        std::map<std::string, std::vector<std::string>> found;
        std::istringstream in(r.out);
        std::string name;
        bool inside = false;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("[", 0) == 0) {
                name = line.substr(line.find("] ") + 2, line.find(" (page") - line.find("] ") - 2);
                inside = false;
            } else if (inside) {
                found[name].push_back(line.substr(line.find_first_not_of(' ')));
            }
            inside |= line.find("Exercices = ") != std::string::npos;
        }
        return found;
    }
};

// The corrected result of a sum as the exercise shows it: each digit a hole.
std::string holes(int value) {
    std::string text;
    for (const char digit : std::to_string(value))
        text += std::string("[") + digit + "]";
    return text;
}

TEST_F(OperationSheet, ExplicitOperandsBecomeTheExercises) {
    const std::string sheet =
        write("[Opération]\nPositionTrous = 1\nOperandes = 12;7,5 | 1,25;2\n"
              "[Opération]\nOperation = 1\nPositionTrous = 1\nOperandes = 3;5 | 1000;999\n"
              "[Opération]\nOperation = 1\nPositionTrous = 0\nOperationPosee = 0\n"
              "Operandes = 5,1;4,9 | 22,45;21,49\n");
    const Outcome r =
        RunInProcess({"build", sheet, "-o", path("f.pdf"), "--save", path("f.vld"), "--seed", "2"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    // The subtraction given smaller number first is posed the other way round, as the
    // component does with such a row.
    EXPECT_EQ(exercisesByName(path("f.vld")),
              (std::map<std::string, std::vector<std::string>>{
                  {"Opération1", {"[1][2] + 7,5 = 19,5", "[1],[2][5] + 2 = 3,25"}},
                  {"Opération2", {"[5] - 3 = 2", "[1][0][0][0] - 999 = 0001"}},
                  {"Opération3", {"5,1 - 4,9 = 0,2", "22,45 - 21,49 = 0,96"}}}));
}

// Exercises written out in a sheet, holes in brackets, are the document's exercises, and the
// export writes them back in the same words.
TEST_F(OperationSheet, WrittenExercisesAreReadAndExportedAsText) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"0", "12 + 4[5]6 + 7 = [475]"},
        {"1", "468 - 4[5]6 = 12 | 9,5 - 1,25 = [8,25]"},
        {"2", "[12]3 × [45] = 6[15] + [4]9[2] = 553[5]"},
        {"3", "1234 : 56 = [22,03] ; [114] ; [0200] ; [32] (2 0 0 0)"}};
    std::string text;
    for (const auto& [operation, exercises] : rows)
        text += "[Opération]\nOperation = " + operation + "\nExercices = " + exercises + "\n";
    const std::string sheet = write(text);
    ASSERT_EQ(RunInProcess({"build", sheet, "-o", path("t.pdf"), "--save", path("t.vld")}).code,
              EXIT_OK);
    ASSERT_EQ(RunInProcess({"export", path("t.vld"), "-o", path("t.txt")}).code, EXIT_OK);
    std::ifstream exported(path("t.txt"));
    std::vector<std::string> written;
    for (std::string line; std::getline(exported, line);)
        if (line.rfind("Exercices = ", 0) == 0)
            written.push_back(line.substr(12));
    ASSERT_EQ(written.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(written[i], rows[i].second);
    const std::map<std::string, std::string> refused{
        {"12 + 4[5 = 3", "l'exercice 1 («\u00A012 + 4[5 = 3\u00A0»)"},
        {"1 + 1 = 2 | 3 + = 3", "l'exercice 2"},
        {"1 + 1 = 2 | 3 × 2 = 6", "l'exercice 2"}};
    for (const auto& [exercises, message] : refused) {
        const Outcome r = RunInProcess(
            {"build", write("[Opération]\nExercices = " + exercises + "\n"), "-o", path("x.pdf")});
        EXPECT_EQ(r.code, EXIT_BAD_INPUT) << exercises;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

// A frame too small for its exercises still gives a sheet, and says so once, even when only the
// test version shows it (a chart printed in the test version only).
TEST_F(OperationSheet, AFrameTooSmallIsBuiltWithAWarning) {
    const std::string sheet = write("[Opération]\nHauteur = 1\nOperandes = 1;2 | 3;4\n"
                                    "[Graphe]\nMode = 1\nHaut = 5\nLargeur = 1,2\nHauteur = 1,2\n");
    const Outcome r =
        RunInProcess({"build", sheet, "-o", path("f.pdf"), "--seed", "1", "--copies", "2"});
    EXPECT_EQ(r.code, EXIT_OK);
    EXPECT_EQ(
        r.err,
        "mathsheet\u00A0: avertissement\u00A0: Opération1\u00A0: 2 exercices ne tiennent pas dans "
        "le cadre\nmathsheet\u00A0: avertissement\u00A0: Graphe «\u00A0Graphe1\u00A0»\u00A0: pas "
        "de place "
        "pour le tracé, agrandir le cadre ou réduire les polices\n");
}

TEST_F(OperationSheet, RefusalsStopTheBuildAtTheirLine) {
    struct Cas {
        std::string lignes;
        std::string message;
    };
    const std::vector<Cas> cas{
        {"Operation = 3\nOperandes = 8;2 | 7;0\n",
         ":3: Opération1\u00A0: Division par zéro. Erreur en opération 2"},
        {"Operandes = 1,1234567;1\n", "Trop de décimales en opération 1 ligne 1"},
        {"Operation = 2\nPositionTrous = 8\n", ":3: Opération1\u00A0: La valeur doit être comprise "
                                               "entre 0 et 7 pour une multiplication."},
        {"Operandes = 1 000;2\n", "«\u00A01 000\u00A0» n'est pas un nombre (opération 1)"},
        {"Operation = 1\nOperandes = 3;2;1\n", "Trop d'opérandes en opération 1 (2 au plus)"},
        {"Tirage = 1;100\n",
         "«\u00A0Tirage\u00A0» attend min;max;multiple;ou de;décimales;pas de zéros"},
        {"Operation = 3\nTirage = 0;1;0;0;0;0\n",
         "Tirage\u00A0: avec ces réglages, le diviseur tiré vaut toujours 0"},
        {"Tirage = de 1 à 100, 7 décimales\n", "Tirage\u00A0: les décimales"},
        {"Tirage = de 1 à cent\n", "Tirage\u00A0: la valeur maximale «\u00A0cent\u00A0»"},
        {"Tirage = multiples de 5\n", "Tirage\u00A0: il manque les bornes"},
        {"Tirage = de 1 à 9, en rouge\n",
         "Tirage\u00A0: «\u00A0en rouge\u00A0» ne se comprend pas"},
        {"Operation = 1\nTirage = de 1 à 9, 3 opérandes\n", "Tirage\u00A0: le nombre d'opérandes"},
    };
    for (const Cas& c : cas) {
        const std::string sheet = write("[Opération]\n" + c.lignes);
        const Outcome r = RunInProcess({"build", sheet, "-o", path("x.pdf"), "--seed", "1"});
        EXPECT_EQ(r.code, EXIT_BAD_INPUT);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.lignes << r.err;
        EXPECT_EQ(r.err.rfind(sheet + ":", 0), 0u) << r.err;
    }
}

// Drawn operands, each copy its own, follow the draw's settings; each line's sum in holes. A
// component whose automatic exercises are off keeps its own.
TEST_F(OperationSheet, DrawnOperandsFollowTheSettingsOnEveryCopy) {
    struct Cas {
        std::string tirage, graine;
        int max, multiple, operandes;
    };
    const Cas cas[] = {{"100;999;0;0;0;1", "4", 998, 1, 5},
                       {"De 10 A 50; multiple de 5, 2 Operandes", "11", 50, 5, 2}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.tirage + " seed " + c.graine);
        const std::string sheet =
            write("[Opération]\nNombreOperations = 4\nTirage = " + c.tirage + "\n");
        ASSERT_EQ(RunInProcess({"build", sheet, "-o", path("c.pdf"), "--copies", "3", "--save",
                                path("c.vld"), "--seed", c.graine})
                      .code,
                  EXIT_OK);
        std::set<std::vector<std::string>> copies;
        for (const char* copie : {"c-1.vld", "c-2.vld", "c-3.vld"}) {
            const std::vector<std::string> lignes = exercisesByName(path(copie)).at("Opération1");
            ASSERT_EQ(lignes.size(), 4u);
            for (const std::string& ligne : lignes) {
                std::istringstream champs(ligne.substr(0, ligne.find(" =")));
                std::string nombre, pose;
                int n = 0;
                int somme = 0;
                for (; champs >> nombre; champs >> nombre) {
                    ++n;
                    somme += std::stoi(nombre);
                    pose += (pose.empty() ? "" : " + ") + nombre;
                    EXPECT_TRUE(c.operandes == 2 || nombre.find('0') == std::string::npos);
                    EXPECT_GE(std::stoi(nombre), 10);
                    EXPECT_LE(std::stoi(nombre), c.max);
                    EXPECT_EQ(std::stoi(nombre) % c.multiple, 0);
                }
                EXPECT_EQ(n, c.operandes) << ligne;
                EXPECT_EQ(ligne, pose + " = " + holes(somme));
            }
            copies.insert(lignes);
        }
        EXPECT_EQ(copies.size(), 3u);
    }
    const std::string b = "[Opération]\nNom = B\nInhibeCalculsAuto = 1\n";
    const auto exercicesDeB = [&](const std::string& text) {
        const std::string sheet = write(text);
        EXPECT_EQ(RunInProcess(
                      {"build", sheet, "-o", path("f.pdf"), "--save", path("f.vld"), "--seed", "1"})
                      .code,
                  EXIT_OK);
        return exercisesByName(path("f.vld")).at("B");
    };
    EXPECT_EQ(exercicesDeB(b + "Operandes = 1;2\n"), exercicesDeB(b));
}

} // namespace
