#include "sudoku/SudokuBase.h"

#include "platform/TempFolder.h"
#include "platform/UserInterface.h"

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

std::vector<EnregistrementBase> lit(const std::string& nom) {
    FichierBaseSudoku base;
    int type = -1;
    std::string message;
    std::vector<EnregistrementBase> enregistrements;
    if (OuvreBaseLecture(nom, type, base, message) != 0)
        return enregistrements;
    EnregistrementBase e;
    for (std::int64_t k = 0; k < base.NbEnregistrements(); ++k) {
        EXPECT_TRUE(base.LitEnregistrement(k, e));
        enregistrements.push_back(e);
    }
    return enregistrements;
}

bool ajoute(const StatRegles& s, const std::string& nom, int type, const std::string& p) {
    std::string message;
    const bool ok = AjouteEnBase(s, nom, type, p, message);
    EXPECT_EQ(ok, message.empty()) << message;
    return ok;
}

} // namespace

TEST(SudokuBaseTest, Sizes) {
    EXPECT_EQ(TailleGrilleBase(tg9x9), 41);
    EXPECT_EQ(TailleGrilleBase(tg6x6_3x2), 18);
    EXPECT_EQ(TailleGrilleBase(tg6x6_2x3), 18);
    EXPECT_EQ(TailleGrilleBase(tg4x4), 8);
    EXPECT_EQ(TailleEnrBase(tg9x9), 54);
    EXPECT_EQ(TailleEnrBase(tg4x4), 21);
}

TEST(SudokuBaseTest, KeyIsTheLowByteOfCounters0To12) {
    StatRegles s = stat({300, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    s[rgAutre] = 1;
    const CleBase k = CleDeStat(s);
    EXPECT_EQ(k[0], 300 & 0xFF);
    EXPECT_EQ(k[12], 12);
    EXPECT_EQ(k.size(), 13u);
}

TEST(SudokuBaseTest, KeyOrderPatternFirstThenSignedBytes) {
    // Present bytes decide first: lacking counter 0 is smaller whatever follows.
    EXPECT_LT(CompareCles(cle({0, 90}), cle({1, 0})), 0);
    EXPECT_GT(CompareCles(cle({1, 0}), cle({0, 90})), 0);
    EXPECT_LT(CompareCles(cle({5, 0, 0}), cle({5, 0, 1})), 0);
    // Same pattern: bytes compared in order.
    EXPECT_LT(CompareCles(cle({4, 9}), cle({5, 1})), 0);
    EXPECT_EQ(CompareCles(cle({4, 9}), cle({4, 9})), 0);
    // A byte of 128 or more is negative: absent, and below 0 among equal patterns.
    EXPECT_LT(CompareCles(cle({200, 1}), cle({1, 1})), 0);
    EXPECT_LT(CompareCles(cle({200}), cle({0})), 0);
    // 256 keeps only its low byte: 0.
    EXPECT_EQ(CompareCles(cle({256}), cle({0})), 0);
}

TEST(SudokuBaseTest, PackingTwoCellsAByte) {
    std::string p(81, '0');
    p[0] = '9';
    p[1] = '1';
    p[80] = '7';
    const auto octets = CompacteProbleme(p, tg9x9);
    ASSERT_EQ(octets.size(), 41u);
    EXPECT_EQ(octets[0], 0x91);
    EXPECT_EQ(octets[40], 0x70); // odd count: the last low nibble is 0
    EXPECT_EQ(DecompacteProbleme(octets.data(), int(octets.size()), tg9x9), p);

    const std::string six = "123456000000000000000000000000654321";
    const auto six8 = CompacteProbleme(six, tg6x6_2x3);
    EXPECT_EQ(six8.size(), 18u);
    EXPECT_EQ(DecompacteProbleme(six8.data(), 18, tg6x6_2x3), six);
    // Nibbles above 9 come out as non-digits, which the solver refuses.
    const std::uint8_t corrompu[8] = {0xF1, 0, 0, 0, 0, 0, 0, 0xA0};
    EXPECT_EQ(DecompacteProbleme(corrompu, 8, tg4x4).substr(0, 2), "?1");
}

TEST(SudokuBaseTest, InsertIntoANewBase) {
    TempFolder dossier;
    const std::string nom = dossier.file("nouvelle.dat");
    ASSERT_TRUE(ajoute(stat({7, 2}), nom, tg4x4, "1234000000000000"));
    const std::string contenu = ReadBack(nom);
    ASSERT_EQ(contenu.size(), size_t(13 + 21));
    EXPECT_EQ(contenu.substr(0, 12), "SudokuGrille");
    EXPECT_EQ(contenu[12], char(tg4x4));
    EXPECT_EQ(contenu[13], 7);
    EXPECT_EQ(contenu[14], 2);
    EXPECT_EQ(std::uint8_t(contenu[26]), 0x12);
    EXPECT_EQ(std::uint8_t(contenu[27]), 0x34);
}

TEST(SudokuBaseTest, RecordsStaySortedAndEqualKeysKeepTheirOrder) {
    TempFolder dossier;
    const std::string nom = dossier.file("base.dat");
    TRandom alea(5);
    std::vector<std::pair<CleBase, std::string>> attendu;
    for (int i = 0; i < 60; ++i) {
        const StatRegles s = stat({alea.Below(3), alea.Below(2), 0, alea.Below(3)});
        ASSERT_TRUE(ajoute(s, nom, tg4x4, probleme4(i)));
        const CleBase k = CleDeStat(s);
        // Stable insertion: after every key that is not greater.
        auto place = std::find_if(attendu.begin(), attendu.end(),
                                  [&](const auto& e) { return CompareCles(e.first, k) > 0; });
        attendu.insert(place, {k, probleme4(i)});
    }
    const auto enregistrements = lit(nom);
    ASSERT_EQ(enregistrements.size(), attendu.size());
    for (size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_EQ(enregistrements[i].Cle, attendu[i].first) << i;
        EXPECT_EQ(DecompacteProbleme(enregistrements[i].Grille.data(), 8, tg4x4), attendu[i].second)
            << i;
        if (i > 0) {
            EXPECT_LE(CompareCles(enregistrements[i - 1].Cle, enregistrements[i].Cle), 0);
        }
    }
}

TEST(SudokuBaseTest, InsertionMovesGreaterRecordsTowardsTheEnd) {
    TempFolder dossier;
    const std::string nom = dossier.file("base.dat");
    ASSERT_TRUE(ajoute(stat({5}), nom, tg4x4, probleme4(1)));
    ASSERT_TRUE(ajoute(stat({6}), nom, tg4x4, probleme4(2)));
    ASSERT_TRUE(ajoute(stat({7}), nom, tg4x4, probleme4(3)));
    ASSERT_TRUE(ajoute(stat({6}), nom, tg4x4, probleme4(4)));
    ASSERT_TRUE(ajoute(stat({1}), nom, tg4x4, probleme4(5)));
    const auto e = lit(nom);
    ASSERT_EQ(e.size(), 5u);
    const int ordre[] = {5, 1, 2, 4, 3};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(DecompacteProbleme(e[size_t(i)].Grille.data(), 8, tg4x4), probleme4(ordre[i]));
}

TEST(SudokuBaseTest, ReadingRefusesWhatIsNotADatabase) {
    TempFolder dossier;
    TTestUi ui;
    TScopedUi portee(ui);
    FichierBaseSudoku base;
    int type = -1;
    struct Cas {
        std::string contenu;
        int code;
        const char* message;
    };
    const Cas cas[] = {
        {"", cbEnteteInvalide, "Le fichier ne contient pas une base de Sudokus valide"},
        {"Sudoku", cbEnteteInvalide, "Le fichier ne contient pas une base de Sudokus valide"},
        {std::string("SudokuGrillf") + char(0), cbEnteteInvalide,
         "Le fichier ne contient pas une base de Sudokus valide"},
        {"SudokuGrille", cbType, "Type de grille incorrect"},
        {std::string("SudokuGrille") + char(4), cbType, "Type de grille incorrect"},
        {std::string("SudokuGrille") + char(-1), cbType, "Type de grille incorrect"},
    };
    for (const Cas& c : cas) {
        const std::string nom = dossier.put("f.dat", c.contenu);
        ui.shown.clear();
        EXPECT_EQ(OuvreBaseLecture(nom, type, false, base), c.code) << c.contenu;
        EXPECT_FALSE(base.Ouvert());
        ASSERT_EQ(ui.Messages().size(), 1u);
        EXPECT_EQ(ui.Messages()[0], c.message);
        // Silent: the same code, nothing shown.
        EXPECT_EQ(OuvreBaseLecture(nom, type, true, base), c.code);
        EXPECT_EQ(ui.Messages().size(), 1u);
    }
    EXPECT_EQ(OuvreBaseLecture(dossier.file("absent.dat"), type, true, base), cbOuverture);
    EXPECT_EQ(OuvreBaseLecture(dossier.path(), type, true, base), cbOuverture);
}

TEST(SudokuBaseTest, ReadingIgnoresATruncatedLastRecord) {
    TempFolder dossier;
    const std::string nom = dossier.file("base.dat");
    ASSERT_TRUE(ajoute(stat({3}), nom, tg6x6_3x2, std::string(36, '1')));
    std::string contenu = ReadBack(nom) + std::string(10, '\x11');
    dossier.put("base.dat", contenu);
    FichierBaseSudoku base;
    int type = -1;
    ASSERT_EQ(OuvreBaseLecture(nom, type, true, base), 0);
    EXPECT_EQ(type, tg6x6_3x2);
    EXPECT_EQ(base.NbEnregistrements(), 1);
    EnregistrementBase e;
    EXPECT_TRUE(base.LitEnregistrement(0, e));
    EXPECT_FALSE(base.LitEnregistrement(1, e));
    EXPECT_FALSE(base.LitEnregistrement(-1, e));
    // Writing would misplace every record after it: refused.
    std::string message;
    EXPECT_FALSE(AjouteEnBase(stat({1}), nom, tg6x6_3x2, std::string(36, '0'), message));
    EXPECT_EQ(message, "Le fichier ne contient pas une base de Sudokus valide");
    EXPECT_EQ(ReadBack(nom), contenu);
}

TEST(SudokuBaseTest, WritingChecksTheTypeAndTheHeader) {
    TempFolder dossier;
    const std::string nom = dossier.file("six.dat");
    ASSERT_TRUE(ajoute(stat({1}), nom, tg6x6_3x2, std::string(36, '0')));
    const std::string avant = ReadBack(nom);
    // Both 6 x 6, but not the same boxes.
    FichierBaseSudoku base;
    std::string message;
    EXPECT_EQ(OuvreBaseEcriture(nom, tg6x6_2x3, base, message), cbType);
    EXPECT_EQ(message,
              "Incompatibilité de formats: impossible d'enregistrer ces grilles dans cette base.");
    EXPECT_FALSE(base.Ouvert());
    EXPECT_FALSE(AjouteEnBase(stat({1}), nom, tg6x6_2x3, std::string(36, '0'), message));
    EXPECT_EQ(ReadBack(nom), avant);

    const std::string autre = dossier.put("autre.dat", "pas une base de grilles");
    EXPECT_EQ(OuvreBaseEcriture(autre, tg9x9, base, message), cbEnteteInvalide);
    EXPECT_EQ(ReadBack(autre), "pas une base de grilles");

    EXPECT_EQ(OuvreBaseEcriture(dossier.file("absent/x.dat"), tg9x9, base, message), cbCreation);
    EXPECT_EQ(message, "Impossible de créer le fichier");
    EXPECT_EQ(OuvreBaseEcriture(dossier.path(), tg9x9, base, message), cbOuverture);
    EXPECT_EQ(message, "Probleme à l'ouverture du fichier");
}
