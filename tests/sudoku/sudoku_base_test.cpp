#include "sudoku/SudokuBase.h"

#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

StatRegles stat(std::initializer_list<int> valeurs) {
    StatRegles s{};
    int i = 0;
    for (int v : valeurs)
        s[i++] = std::uint16_t(v);
    return s;
}

CleBase cle(std::initializer_list<int> valeurs) {
    return CleDeStat(stat(valeurs));
}

// A 4 x 4 problem identifying an insertion.
std::string probleme4(int marque) {
    std::string p(16, '0');
    p[0] = char('1' + marque % 4);
    p[15] = char('1' + marque / 4 % 4);
    return p;
}

bool ajoute(const StatRegles& s, const std::string& nom, int type, const std::string& p) {
    std::string message;
    const bool ok = AjouteEnBase(s, nom, type, p, message);
    EXPECT_EQ(ok, message.empty()) << message;
    return ok;
}

} // namespace

TEST(SudokuBaseTest, KeysOrderPatternFirstThenSignedBytes) {
    struct Cas {
        CleBase a, b;
        int signe;
    };
    const Cas cas[] = {
        {cle({0, 90}), cle({1, 0}), -1}, // lacking counter 0 is smaller whatever follows
        {cle({5, 0, 0}), cle({5, 0, 1}), -1},
        {cle({4, 9}), cle({5, 1}), -1},   // same pattern: bytes in order
        {cle({4, 9}), cle({4, 9}), 0},    //
        {cle({200, 1}), cle({1, 1}), -1}, // 128 or more is negative: absent
        {cle({200}), cle({0}), -1},       // and below 0 among equal patterns
        {cle({256}), cle({0}), 0},        // only the low byte is kept
    };
    for (const Cas& c : cas) {
        const int r = CompareCles(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.signe) << int(c.a[0]) << " " << int(c.b[0]);
    }
}

// Two cells a byte, high nibble first; a new base is its header, then key and packed grid.
TEST(SudokuBaseTest, PackedGridsAndANewBase) {
    const std::string neuf = "91" + std::string(78, '0') + "7";
    const auto octets = CompacteProbleme(neuf, tg9x9);
    ASSERT_EQ(octets.size(), 41u);
    EXPECT_EQ(std::pair(octets[0], octets[40]), std::pair(std::uint8_t(0x91), std::uint8_t(0x70)));
    EXPECT_EQ(DecompacteProbleme(octets.data(), 41, tg9x9), neuf);
    const std::string six = "123456000000000000000000000000654321";
    EXPECT_EQ(DecompacteProbleme(CompacteProbleme(six, tg6x6_2x3).data(), 18, tg6x6_2x3), six);
    // Nibbles above 9 come out as non-digits, which the solver refuses.
    const std::uint8_t corrompu[8] = {0xF1, 0, 0, 0, 0, 0, 0, 0xA0};
    EXPECT_EQ(DecompacteProbleme(corrompu, 8, tg4x4).substr(0, 2), "?1");

    TempFolder dossier;
    const std::string nom = dossier.file("nouvelle.dat");
    ASSERT_TRUE(ajoute(stat({7, 2}), nom, tg4x4, "1234000000000000"));
    EXPECT_EQ(ReadBack(nom), std::string("SudokuGrille") + char(tg4x4) +
                                 std::string("\x07\x02", 2) + std::string(11, '\0') + "\x12\x34" +
                                 std::string(6, '\0'));
}

// Each add reads the base, inserts after every key that is not greater and replaces the file
// whole: the records stay sorted, equal keys keep their arrival order, no temporary is left.
TEST(SudokuBaseTest, AddsKeepRecordsSortedAndStable) {
    TempFolder dossier;
    const std::string nom = dossier.file("base.dat");
    TRandom alea(5);
    std::vector<std::pair<CleBase, std::string>> attendu;
    for (int i = 0; i < 60; ++i) {
        const StatRegles s = stat({alea.Below(3), alea.Below(2), 0, alea.Below(3)});
        ASSERT_TRUE(ajoute(s, nom, tg4x4, probleme4(i)));
        const CleBase k = CleDeStat(s);
        auto place = std::find_if(attendu.begin(), attendu.end(),
                                  [&](const auto& e) { return CompareCles(e.first, k) > 0; });
        attendu.insert(place, {k, probleme4(i)});
    }
    BaseEnMemoire base;
    std::string message;
    ASSERT_TRUE(LitBase(nom, base, message)) << message;
    EXPECT_EQ(base.Type, tg4x4);
    ASSERT_EQ(base.Enregistrements.size(), attendu.size());
    for (size_t i = 0; i < attendu.size(); ++i) {
        const EnregistrementBase& e = base.Enregistrements[i];
        EXPECT_EQ(e.Cle, attendu[i].first) << i;
        EXPECT_EQ(DecompacteProbleme(e.Grille.data(), 8, tg4x4), attendu[i].second) << i;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.path()), {}), 1);
    // Written back whole, it reads the same.
    const std::string copie = dossier.file("copie.dat");
    ASSERT_TRUE(EcritBase(copie, base, message)) << message;
    EXPECT_EQ(ReadBack(copie), ReadBack(nom));
}

TEST(SudokuBaseTest, ReadingRefusesWhatIsNotAWholeDatabase) {
    TempFolder dossier;
    const std::string entete = "Le fichier ne contient pas une base de Sudokus valide";
    const std::string ouverture = "Problème à l'ouverture du fichier\u00A0: ";
    const std::pair<std::string, std::string> cas[] = {
        {dossier.put("a.dat", ""), entete + "\u00A0: il est vide"},
        {dossier.put("b.dat", std::string("SudokuGrillf") + char(0)), entete},
        {dossier.put("c.dat", "SudokuGrille"), "Type de grille incorrect"},
        {dossier.put("d.dat", std::string("SudokuGrille") + char(-1)), "Type de grille incorrect"},
        {dossier.put("e.dat", std::string("SudokuGrille") + char(tg4x4) + std::string(41, '1')),
         entete + "\u00A0: son dernier enregistrement est incomplet, le fichier est endommagé"},
        {dossier.file("absent.dat"), ouverture + "il n'existe pas"},
        {dossier.path(), ouverture + "c'est un dossier"},
        {"/dev/null", ouverture + "ce n'est pas un fichier ordinaire"},
        {"", "Pas de fichier défini"},
    };
    FichierBaseSudoku base;
    std::string message;
    for (const auto& [nom, attendu] : cas) {
        EXPECT_FALSE(OuvreBaseLecture(nom, base, message)) << nom;
        EXPECT_FALSE(base.Ouvert());
        EXPECT_EQ(message, attendu);
    }
}

// Adding to a file refuses anything but a whole base of the same type and leaves it as it was.
TEST(SudokuBaseTest, AddingRefusesAnotherTypeATruncatedBaseOrNoFile) {
    TempFolder dossier;
    const std::string nom = dossier.file("base.dat");
    ASSERT_TRUE(ajoute(stat({3}), nom, tg6x6_3x2, std::string(36, '1')));
    const std::string tronque = ReadBack(nom) + std::string(10, '\x11');
    const std::string autre = dossier.put("autre.dat", "pas une base de grilles");
    struct Cas {
        std::string nom, contenu;
        int type;
        const char* message;
    };
    const Cas cas[] = {
        // Both 6 x 6, but not the same boxes.
        {nom, ReadBack(nom), tg6x6_2x3,
         "Incompatibilité de formats\u00A0: impossible d'enregistrer ces grilles dans cette base."},
        // Inserting would misplace every record after the torn one.
        {nom, tronque, tg6x6_3x2, "Le fichier ne contient pas une base de Sudokus valide"},
        {autre, ReadBack(autre), tg9x9, "Le fichier ne contient pas une base de Sudokus valide"},
    };
    for (const Cas& c : cas) {
        dossier.put(std::filesystem::path(c.nom).filename().string(), c.contenu);
        std::string message;
        EXPECT_FALSE(AjouteEnBase(stat({1}), c.nom, c.type, std::string(81, '0'), message));
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_EQ(ReadBack(c.nom), c.contenu);
    }
    std::string message;
    EXPECT_FALSE(AjouteEnBase(stat({1}), dossier.file("absent/x.dat"), tg9x9, std::string(81, '0'),
                              message));
    EXPECT_EQ(message, "Impossible de créer le fichier");
}
