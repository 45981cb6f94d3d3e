// The coins, the notes and the masses through their keys, as a sheet or a property window sends
// them, drawn on a recording canvas with pictures of known sizes in a scratch data folder.
#include "money/EuroBillets.h"
#include "money/EuroPieces.h"
#include "money/Masses.h"

#include "pictures/PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "platform/TestPng.h"

#include <cmath>
#include <filesystem>
#include <map>

namespace {

using Op = TDrawCall::Op;
using Rects = std::vector<std::vector<int>>;

// Every picture name of the three kinds, each given its own width so a test can tell them apart.
std::map<std::string, int> NomsImages() {
    std::map<std::string, int> noms;
    for (const char* aspect : {"C_", "T_", "N_"})
        for (const char* piece : {"1C", "2C", "5C", "10C", "20C", "50C", "1E", "2E"})
            noms[std::string(aspect) + piece] = 0;
    for (const char* face : {"R_", "NR_", "V_", "NV_"})
        for (const char* billet : {"500", "200", "100", "50", "20", "10", "5"})
            noms[std::string(face) + billet] = 0;
    for (const char* masse : {"M_GG", "M_5G", "M_2G", "M_1G"})
        noms[masse] = 0;
    int largeur = 100;
    for (auto& [nom, l] : noms)
        l = largeur++;
    return noms;
}

class MoneyTest : public PictureTest {
protected:
    MoneyTest() {
        std::filesystem::create_directories(data_.folder().file("money"));
        for (const auto& [nom, largeur] : noms_)
            Ecrit(nom, largeur);
        SeedRandom(19);
    }
    void Ecrit(const std::string& nom, int largeur) const {
        const Bytes png = PngHeader(std::uint32_t(largeur), 1);
        data_.folder().put("money/" + nom + ".png", std::string(png.begin(), png.end()));
    }
    // The drawing of a version, the host's current mode set to it as the sheet builder does.
    static TRecordingCanvas Vue(TComposant& c, int vue) {
        ModeVisu() = vue;
        TRecordingCanvas canvas = Dessin(c, vue);
        ModeVisu() = MODE_EDITION;
        return canvas;
    }
    static Rects Rectangles(const TRecordingCanvas& canvas, Op op) {
        Rects r;
        for (const TDrawCall& call : canvas.Of(op))
            r.push_back(call.args);
        return r;
    }
    // The counts as the component lists them.
    static std::string Comptes(const TComposant& c) {
        for (const std::string& ligne : c.Description())
            if (ligne.starts_with("Nb"))
                return ligne.substr(ligne.find("= ") + 2);
        return {};
    }
    static std::vector<int> Liste(const std::string& comptes) {
        std::vector<int> n;
        for (std::size_t debut = 0; debut <= comptes.size();) {
            const std::size_t fin = std::min(comptes.find(',', debut), comptes.size());
            n.push_back(std::stoi(comptes.substr(debut, fin - debut)));
            debut = fin + 1;
        }
        return n;
    }
    static std::string Ligne(const TComposant& c, const std::string& cle) {
        for (const std::string& ligne : c.Description())
            if (ligne.starts_with(cle + " = "))
                return ligne.substr(cle.size() + 3);
        return {};
    }

    ScopedDataFolder data_;
    std::map<std::string, int> noms_ = NomsImages();
};

TEST_F(MoneyTest, SumsCountsAndDrawsTakeOrRefuseWithTheirMessage) {
    struct Case {
        std::string type, depart, reglage;
        bool pris;
        std::string message, comptes;
    };
    const std::string sommePieces = "La somme doit être comprise entre 0 et 38,80 €";
    const std::string hasard = "Le nombre maximal de pièces de chaque sorte doit être compris "
                               "entre 1 et 10";
    const Case cases[] = {
        {"Euro pièces", "NbPieces=1", "SommePieces=0", true, "", "0,0,0,0,0,0,0,0"},
        {"Euro pièces", "NbPieces=1", "SommePieces=38,80", true, "", "10,10,10,10,10,10,10,10"},
        {"Euro pièces", "NbPieces=1", "SommePieces=38,79", true, "", "9,10,10,10,10,10,10,10"},
        {"Euro pièces", "NbPieces=1", "SommePieces=38,81", false, sommePieces, "1,1,1,1,1,1,1,1"},
        {"Euro pièces", "NbPieces=1", "SommePieces=38,8001", false, sommePieces, "1,1,1,1,1,1,1,1"},
        {"Euro pièces", "NbPieces=1", "SommePieces=-1", false, sommePieces, "1,1,1,1,1,1,1,1"},
        {"Euro pièces", "NbPieces=1", "SommePieces=trois", false, sommePieces, "1,1,1,1,1,1,1,1"},
        {"Euro pièces", "NbPieces=1", "SommePieces=0,57", true, "", "0,1,1,0,0,1,0,0"},
        {"Euro pièces", "NbPieces=1", "SommePieces=3,455", true, "", "1,0,1,0,2,0,1,1"},
        {"Euro pièces", "NbPieces=1", "SommePieces=0,0049", true, "", "0,0,0,0,0,0,0,0"},
        {"Euro pièces", "NbPieces=0", "NbPieces=1,2,3", true, "", "1,2,3,3,3,3,3,3"},
        {"Euro pièces", "NbPieces=0", "NbPieces=1,11", false,
         "Le nombre de pièces doit être compris entre 0 et 10", "0,0,0,0,0,0,0,0"},
        {"Euro pièces", "NbPieces=2", "ChoixHasardPieces=0", false, hasard, "2,2,2,2,2,2,2,2"},
        {"Euro pièces", "NbPieces=2", "ChoixHasardPieces=11", false, hasard, "2,2,2,2,2,2,2,2"},
        {"Euro billets", "NbBillets=1", "SommeBillets=8851", false,
         "La somme doit être comprise entre 0 et 8850 €", "1,1,1,1,1,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets=15", true, "", "0,0,0,0,0,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets=douze", true, "", "0,0,0,0,0,0,0"},
        {"Euro billets", "NbBillets=1", "SommeBillets=7000", true, "", "10,10,0,0,0,0,0"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=1888", true, "", "1,1,1,1,1,1,1,1,1,1"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=18880", true, "",
         "10,10,10,10,10,10,10,10,10,10"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=18881", false,
         "La somme doit être comprise entre 0 et 18 880 g", "0,0,0,0,0,0,0,0,0,0"},
        {"Masses marquées", "NbMasses=3", "NbMasses=2,-1", false,
         "Le nombre de masses marquées doit être compris entre 0 et 10", "3,3,3,3,3,3,3,3,3,3"},
    };
    for (const Case& cas : cases) {
        SCOPED_TRACE(cas.type + " " + cas.reglage);
        TComposant& c = Nouveau<TComposant>(cas.type, {cas.depart});
        const std::size_t egal = cas.reglage.find('=');
        std::string message;
        EXPECT_EQ(
            c.ChangeOption(cas.reglage.substr(egal + 1), cas.reglage.substr(0, egal), message),
            cas.pris);
        EXPECT_EQ(message, cas.message);
        EXPECT_EQ(Comptes(c), cas.comptes);
    }
}

// A draw answers false without a message, as an action does; the aspect and the order are
// brought back into their range rather than refused.
TEST_F(MoneyTest, DrawsAspectsAndOrdersOutOfRange) {
    TvlEuroPieces& p = Nouveau<TvlEuroPieces>("Euro pièces", {"NbPieces=9"});
    std::string message;
    EXPECT_FALSE(p.ChangeOption("3", "ChoixHasardPieces", message));
    EXPECT_EQ(message, "");
    EXPECT_NE(Comptes(p), "9,9,9,9,9,9,9,9");
    EXPECT_TRUE(std::ranges::all_of(p.Comptes(), [](int n) { return n <= 3; }));
    const std::pair<std::string, std::string> bornes[] = {
        {"AspectPieces=7", "2"}, {"AspectPieces=-3", "0"}, {"TriPièces=5", "0"}};
    for (const auto& [reglage, attendu] : bornes) {
        Regle(p, {"AspectPieces=1", "TriPièces=1", reglage});
        EXPECT_EQ(Ligne(p, reglage.substr(0, reglage.find('='))), attendu) << reglage;
    }
}

// Over thousands of random collections the rearrangement keeps the sum, every count within
// 0..10, or leaves the counts as they were.
TEST_F(MoneyTest, RearrangementKeepsTheSumOrChangesNothing) {
    struct Famille {
        std::string type, hasard, reorganise;
        std::vector<int> valeurs;
    };
    const Famille familles[] = {
        {"Euro pièces", "ChoixHasardPieces", "RéorganisePieces", {1, 2, 5, 10, 20, 50, 100, 200}},
        {"Euro billets", "ChoixHasardBillets", "ReorganiseBillets", {500, 200, 100, 50, 20, 10, 5}},
        {"Masses marquées",
         "ChoixHasardMasses",
         "ReorganiseMasses",
         {1000, 500, 200, 100, 50, 20, 10, 5, 2, 1}},
    };
    const auto somme = [](const std::string& comptes, const std::vector<int>& valeurs) {
        const std::vector<int> n = Liste(comptes);
        EXPECT_EQ(n.size(), valeurs.size());
        int s = 0;
        for (std::size_t i = 0; i < n.size() && i < valeurs.size(); ++i) {
            EXPECT_TRUE(n[i] >= 0 && n[i] <= 10) << comptes;
            s += n[i] * valeurs[i];
        }
        return s;
    };
    for (const Famille& f : familles) {
        TComposant& c = Nouveau<TComposant>(f.type);
        int changees = 0;
        for (int essai = 0; essai < 3000; ++essai) {
            std::string message;
            c.ChangeOption(std::to_string(1 + essai % 10), f.hasard, message);
            const std::string avant = Comptes(c);
            EXPECT_FALSE(c.ChangeOption("", f.reorganise, message));
            const std::string apres = Comptes(c);
            ASSERT_EQ(somme(apres, f.valeurs), somme(avant, f.valeurs)) << avant << " -> " << apres;
            changees += apres != avant;
        }
        EXPECT_GT(changees, 1000) << f.type;
    }
    // Small sums: the 10-cent coin never comes, 3 cents is 1 + 1 + 1 or 1 + 2.
    TComposant& p = Nouveau<TComposant>("Euro pièces");
    std::set<std::string> vues;
    std::string message;
    for (int essai = 0; essai < 200; ++essai) {
        Regle(p, {"SommePieces=0,03"});
        p.ChangeOption("", "RéorganisePieces", message);
        vues.insert(Comptes(p));
        Regle(p, {"SommePieces=0,10"});
        p.ChangeOption("", "RéorganisePieces", message);
        EXPECT_EQ(Liste(Comptes(p)).at(3), 0) << Comptes(p);
        EXPECT_EQ(somme(Comptes(p), familles[0].valeurs), 10);
    }
    EXPECT_EQ(vues, (std::set<std::string>{"3,0,0,0,0,0,0,0", "1,1,0,0,0,0,0,0"}));
}

// The coins' own sequence: (s + pi) to the fifth, its fractional part, times n; the base seed in
// thousandths.
TEST_F(MoneyTest, AleaFollowsItsFormula) {
    std::set<double> bases;
    for (std::uint32_t graine = 1; graine <= 50; ++graine) {
        SeedRandom(graine);
        TvlEuroPieces& p = Nouveau<TvlEuroPieces>("Euro pièces");
        const double milliemes = p.GraineBase() * 1000;
        EXPECT_EQ(milliemes, std::round(milliemes));
        bases.insert(p.GraineBase());
        for (int n = 1; n < 60; ++n) {
            const double puissance = std::pow(p.Graine() + 3.141592653589793, 5);
            const double fraction = puissance - std::floor(puissance);
            ASSERT_EQ(p.Alea(n), int(n * fraction));
            ASSERT_NEAR(p.Graine(), fraction, 1e-9);
        }
    }
    EXPECT_GT(bases.size(), 40u);
}

// Rows: an item opens one when x + width reaches the width; rows squeezed into the frame; the
// row's height raised back to its first item; exact rectangles at zooms 10, 100 and 200.
TEST_F(MoneyTest, ItemsAreLaidOutInRows) {
    struct Case {
        std::string type;
        std::vector<std::string> reglages;
        Rects attendus;
    };
    const Case cases[] = {
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=5,25", "Hauteur=3"},
         {{100, 100, 357, 357}, {367, 100, 624, 357}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=5,24", "Hauteur=3"},
         {{100, 100, 357, 357}, {100, 141, 357, 398}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=3", "Hauteur=3"},
         {{100, 100, 357, 357}, {100, 141, 357, 398}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "ZoomPieces=10"},
         {{100, 100, 125, 125}, {135, 100, 160, 125}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "ZoomPieces=200", "Largeur=12", "Hauteur=6"},
         {{100, 100, 615, 615}, {625, 100, 1140, 615}}},
        {"Euro pièces",
         {"NbPieces=1,1,0,0,0,0,0,0", "TriPièces=1", "Largeur=5", "Hauteur=3"},
         {{100, 125, 262, 287}, {272, 100, 459, 287}}},
        {"Euro pièces", {"NbPieces=1", "Hauteur=0,09"}, {}},
        // Right-aligned rows end on the right edge of the width less 1 mm.
        {"Euro billets",
         {"NbBillets=0,0,0,1,1,1,1", "ZoomBillets=50", "AligneDroite=1", "Largeur=18", "Hauteur=8"},
         {{471, 100, 961, 369},
          {971, 117, 1436, 369},
          {1446, 135, 1890, 369},
          {1470, 379, 1890, 596}}},
        {"Masses marquées",
         {"NbMasses=1,0,0,0,0,0,0,1,0", "Largeur=8", "Hauteur=8"},
         {{100, 100, 530, 750}, {540, 660, 600, 750}}},
    };
    for (const Case& cas : cases) {
        SCOPED_TRACE(::testing::PrintToString(cas.reglages));
        TComposant& c = Nouveau<TComposant>(cas.type);
        for (const std::string& r : cas.reglages)
            Regle(c, {r});
        EXPECT_EQ(Rectangles(Vue(c, MODE_EDITION), Op::StretchDraw), cas.attendus);
    }
}

// Mode 1 keeps the pictures out of the corrected version, 2 out of the test version, as the
// host's current mode says; hidden items keep their outline: a white disc, a white rectangle, a
// rectangle with the pen in force.
TEST_F(MoneyTest, HiddenItemsKeepTheirOutline) {
    constexpr bool kVisible[3][3] = {{true, true, true}, {true, true, false}, {true, false, true}};
    const std::pair<std::string, Op> kinds[] = {{"Euro pièces", Op::Ellipse},
                                                {"Euro billets", Op::Rectangle},
                                                {"Masses marquées", Op::Rectangle}};
    for (const auto& [type, contour] : kinds) {
        TComposant& c = Nouveau<TComposant>(type, {"Largeur=18", "Hauteur=25"});
        const std::size_t n = Vue(c, MODE_EDITION).Of(Op::StretchDraw).size();
        ASSERT_GT(n, 0u) << type;
        for (int mode = 0; mode < 3; ++mode) {
            Regle(c, {"Mode=" + std::to_string(mode)});
            for (const int vue : {MODE_EDITION, MODE_EPREUVE, MODE_CORRIGE}) {
                SCOPED_TRACE(type + " Mode=" + std::to_string(mode) + " vue " +
                             std::to_string(vue));
                const TRecordingCanvas canvas = Vue(c, vue);
                EXPECT_EQ(canvas.Of(Op::StretchDraw).size(), kVisible[mode][vue] ? n : 0);
                if (!kVisible[mode][vue]) {
                    ASSERT_EQ(canvas.Of(contour).size(), n);
                    if (type != "Masses marquées") {
                        EXPECT_EQ(canvas.Of(contour).front().brush, (TBrush{clWhite, bsSolid}));
                    }
                }
            }
        }
    }
}

} // namespace
