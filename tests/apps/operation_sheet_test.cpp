// The operation's sheet-only keys "Operandes" and "Tirage", end to end through mathsheet.
#include "Commands.h"

#include "platform/Paths.h"
#include "platform/qt/QtApplicationGuard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> app_;
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

class OperationSheet : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("operation_sheet_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& text) const {
        EXPECT_TRUE(WriteFileAtomically(path("f.txt"), text));
        return path("f.txt");
    }
    static Outcome run(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        Outcome r;
        r.code = RunMathsheet(args, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }
    // The exercise lines of every operation of a saved document.
    static std::vector<std::string> exercices(const std::string& document) {
        const Outcome r = run({"inspect", document});
        EXPECT_EQ(r.code, EXIT_OK) << r.err;
        std::vector<std::string> lignes;
        std::istringstream in(r.out);
        std::string ligne;
        bool dedans = false;
        while (std::getline(in, ligne)) {
            if (ligne.rfind("[", 0) == 0)
                dedans = false;
            else if (dedans)
                lignes.push_back(ligne.substr(ligne.find_first_not_of(' ')));
            if (ligne.find("Exercices = ") != std::string::npos)
                dedans = true;
        }
        return lignes;
    }
    // Builds the sheet; the error text when it fails.
    std::string refus(const std::string& sheet) const {
        const Outcome r = run({"build", sheet, "-o", path("x.pdf")});
        EXPECT_EQ(r.code, EXIT_BAD_INPUT);
        return r.err;
    }

    fs::path dir_;
};

TEST_F(OperationSheet, ExplicitOperandsBecomeTheExercises) {
    const std::string sheet = write("[Opération]\n"
                                    "PositionTrous = 1\n"
                                    "Operandes = 12;7,5 | 1,25;2\n"
                                    "[Opération]\n"
                                    "Operation = 1\n"
                                    "PositionTrous = 1\n"
                                    "Operandes = 3;5 | 1000;999\n");
    const Outcome r = run({"build", sheet, "-o", path("f.pdf"), "--save", path("f.vld")});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    // The subtraction given smaller number first is posed the other way round, as the
    // component does with such a row.
    EXPECT_EQ(exercices(path("f.vld")),
              (std::vector<std::string>{"[1][2] + 7,5 = 19,5", "[1],[2][5] + 2 = 3,25",
                                        "[5] - 3 = 2", "[1][0][0][0] - 999 = 0001"}));
}

TEST_F(OperationSheet, HolesMakeTheTestAndCorrectedVersionsDiffer) {
    const std::string sheet = write("[Opération]\nPositionTrous = 8\nOperandes = 12;7,5\n");
    ASSERT_EQ(run({"build", sheet, "-o", path("e.svg"), "--mode", "epreuve", "--seed", "3"}).code,
              EXIT_OK);
    ASSERT_EQ(run({"build", sheet, "-o", path("c.svg"), "--mode", "corrige", "--seed", "3"}).code,
              EXIT_OK);
    std::string epreuve;
    std::string corrige;
    ASSERT_TRUE(ReadWholeFile(path("e.svg"), epreuve));
    ASSERT_TRUE(ReadWholeFile(path("c.svg"), corrige));
    EXPECT_NE(epreuve, corrige);
}

TEST_F(OperationSheet, RefusalsStopTheBuildAtTheirLine) {
    struct Cas {
        std::string lignes;
        std::string message;
    };
    const std::vector<Cas> cas{
        {"NombreOperations = 30\n", ":2: Opération1 : La valeur doit être comprise entre 1 et 24."},
        {"Operandes = 12;7 | 5\n", ":2: Opération1 : Opérande absent dans l'opération 2"},
        {"Operation = 3\nOperandes = 8;2 | 7;0\n",
         ":3: Opération1 : Division par zéro. Erreur en opération 2"},
        {"Operandes = 123456789;1\n", "Trop de chiffres en opération 1 ligne 1"},
        {"Operandes = 1,1234567;1\n", "Trop de décimales en opération 1 ligne 1"},
        {"Operandes = |\n", "Il faut au moins définir une opération!"},
        {"Operandes = 1 000;2\n", "« 1 000 » n'est pas un nombre (opération 1)"},
        {"Operation = 1\nOperandes = 3;2;1\n", "Trop d'opérandes en opération 1 (2 au plus)"},
        {"Tirage = 1;100\n", "« Tirage » attend min;max;multiple;ou de;décimales;pas de zéros"},
        {"Tirage = 1;100;0;0;7;0\n", "Tirage : les décimales"},
        {"Tirage = -1;100;0;0;0;0\n", "la valeur minimale « -1 »"},
        {"Operation = 1\nTirage = 1;100;0;0;0;0;3\n", "Tirage : le nombre d'opérandes"},
        {"Operation = 3\nTirage = 0;1;0;0;0;0\n", "Division par zéro"},
    };
    for (const Cas& c : cas) {
        const std::string sheet = write("[Opération]\n" + c.lignes);
        const std::string erreur = refus(sheet);
        EXPECT_NE(erreur.find(c.message), std::string::npos) << c.lignes << erreur;
        EXPECT_EQ(erreur.rfind(sheet + ":", 0), 0u) << erreur;
    }
}

TEST_F(OperationSheet, EveryCopyDrawsItsOwnOperands) {
    const std::string sheet =
        write("[Opération]\nNombreOperations = 6\nTirage = 100;999;0;0;0;1\n");
    const Outcome r =
        run({"build", sheet, "-o", path("c.pdf"), "--copies", "3", "--save", path("c.vld")});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    std::set<std::vector<std::string>> feuilles;
    for (int copie = 1; copie <= 3; ++copie) {
        const std::vector<std::string> lignes =
            exercices(path("c-" + std::to_string(copie) + ".vld"));
        ASSERT_EQ(lignes.size(), 6u);
        for (const std::string& ligne : lignes) {
            std::istringstream operandes(ligne.substr(0, ligne.find(" =")));
            std::string nombre;
            int n = 0;
            while (operandes >> nombre) {
                if (nombre == "+")
                    continue;
                ++n;
                EXPECT_EQ(nombre.find('0'), std::string::npos) << ligne;
                EXPECT_GE(std::stoi(nombre), 100) << ligne;
                EXPECT_LE(std::stoi(nombre), 998) << ligne;
            }
            EXPECT_EQ(n, 5) << ligne;
        }
        feuilles.insert(lignes);
    }
    EXPECT_EQ(feuilles.size(), 3u);
}

TEST_F(OperationSheet, TheDrawCanKeepTwoOperandsAndRespectsTheInhibition) {
    const std::string sheet = write("[Opération]\nNom = A\nNombreOperations = 4\n"
                                    "Tirage = 10;50;5;0;0;0;2\n"
                                    "[Opération]\nNom = B\nInhibeCalculsAuto = 1\n"
                                    "Operandes = 1;2\n");
    ASSERT_EQ(run({"build", sheet, "-o", path("f.pdf"), "--save", path("f.vld")}).code, EXIT_OK);
    const std::vector<std::string> lignes = exercices(path("f.vld"));
    ASSERT_GE(lignes.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        int a = 0;
        int b = 0;
        ASSERT_EQ(std::sscanf(lignes[i].c_str(), "%d + %d =", &a, &b), 2) << lignes[i];
        EXPECT_EQ(a % 5, 0);
        EXPECT_EQ(b % 5, 0);
        EXPECT_EQ(lignes[i].find(" + ", lignes[i].find(" + ") + 1), std::string::npos);
    }
    // B keeps the exercises it had before: automatic regeneration is off.
    EXPECT_GT(lignes.size(), 5u);
    EXPECT_EQ(lignes[4].find("1 + 2"), std::string::npos);
}

} // namespace
