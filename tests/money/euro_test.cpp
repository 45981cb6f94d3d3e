// The coins, the notes and the masses through their keys, as a sheet or a property window sends
// them, drawn on a recording canvas with pictures of known sizes in a scratch data folder.
#include "money/EuroBillets.h"
#include "money/EuroPieces.h"
#include "money/Masses.h"

#include "host/Stream.h"
#include "pictures/PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "platform/TestPng.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <numeric>

namespace {

using Op = TDrawCall::Op;
using Rects = std::vector<std::vector<int>>;

// Every picture name of the three kinds, in table order, each given its own width so that a test
// can tell them apart.
constexpr const char* kAspects[] = {"C_", "T_", "N_"};
constexpr const char* kPieces[] = {"1C", "2C", "5C", "10C", "20C", "50C", "1E", "2E"};
constexpr const char* kFaces[] = {"V_", "R_", "NV_", "NR_"}; // by black and white, then recto
constexpr const char* kBillets[] = {"500", "200", "100", "50", "20", "10", "5"};
constexpr const char* kMasses[] = {"M_GG", "M_5G", "M_2G", "M_1G"};

std::map<std::string, int> NomsImages() {
    std::map<std::string, int> noms;
    int largeur = 100;
    for (const char* aspect : kAspects)
        for (const char* piece : kPieces)
            noms[std::string(aspect) + piece] = largeur++;
    for (const char* face : kFaces)
        for (const char* billet : kBillets)
            noms[std::string(face) + billet] = largeur++;
    for (const char* masse : kMasses)
        noms[masse] = largeur++;
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
    static std::vector<int> Liste(const std::string& comptes) {
        std::vector<int> n;
        for (std::size_t debut = 0; debut <= comptes.size();) {
            const std::size_t fin = std::min(comptes.find(',', debut), comptes.size());
            n.push_back(std::stoi(comptes.substr(debut, fin - debut)));
            debut = fin + 1;
        }
        return n;
    }
    // A setting as the component lists it; the counts by default.
    static std::string Ligne(const TComposant& c, const std::string& cle = "Nb") {
        for (const std::string& ligne : c.Description())
            if (ligne.starts_with(cle))
                return ligne.substr(ligne.find("= ") + 2);
        return {};
    }

    ScopedDataFolder data_;
    std::map<std::string, int> noms_ = NomsImages();
};

TEST_F(MoneyTest, SumsCountsAndDrawsTakeOrRefuseWithTheirMessage) {
    struct Case {
        std::string type, depart, reglage;
        bool pris;
        std::string message, comptes, cle = "Nb";
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
        {"Euro billets", "NbBillets=1", "SommeBillets=douze", false,
         "«\u00A0douze\u00A0» n'est pas un nombre entier. La somme doit être comprise entre 0 et "
         "8850 €.",
         "1,1,1,1,1,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets=12,5", false,
         "«\u00A012,5\u00A0» n'est pas un nombre entier. La somme doit être comprise entre 0 et "
         "8850 €.",
         "1,1,1,1,1,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets=17", false,
         "17 € ne se forme pas avec les billets\u00A0: 15 € ou 20 € s'en approchent le plus",
         "1,1,1,1,1,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets=8849", false,
         "8 849 € ne se forme pas avec les billets\u00A0: 8 845 € ou 8 850 € s'en approchent le "
         "plus",
         "1,1,1,1,1,1,1"},
        {"Euro billets", "NbBillets=1", "SommeBillets= 20 ", true, "", "0,0,0,0,1,0,0"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=1,5", false,
         "«\u00A01,5\u00A0» n'est pas un nombre entier. La somme doit être comprise entre 0 et 18 "
         "880 g.",
         "0,0,0,0,0,0,0,0,0,0"},
        {"Euro billets", "NbBillets=1", "SommeBillets=7000", true, "", "10,10,0,0,0,0,0"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=1888", true, "", "1,1,1,1,1,1,1,1,1,1"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=18880", true, "",
         "10,10,10,10,10,10,10,10,10,10"},
        {"Masses marquées", "NbMasses=0", "SommeMasses=18881", false,
         "La somme doit être comprise entre 0 et 18 880 g", "0,0,0,0,0,0,0,0,0,0"},
        {"Masses marquées", "NbMasses=3", "NbMasses=2,-1", false,
         "Le nombre de masses marquées doit être compris entre 0 et 10", "3,3,3,3,3,3,3,3,3,3"},
        // Brought back into their range rather than refused.
        {"Euro pièces", "AspectPieces=1", "AspectPieces=7", true, "", "2", "AspectPieces"},
        {"Euro pièces", "AspectPieces=1", "AspectPieces=-3", true, "", "0", "AspectPieces"},
        {"Euro pièces", "TriPièces=1", "TriPièces=5", true, "", "0", "TriPièces"},
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
        EXPECT_EQ(Ligne(c, cas.cle), cas.comptes);
    }
}

// Random counts stay within their maximum, and a draw answers false without a message, as an
// action does. Over thousands of random collections the rearrangement keeps the sum, every count
// within 0..10, or leaves the counts as they were.
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
        std::vector<int> n = Liste(comptes);
        EXPECT_TRUE(n.size() == valeurs.size() &&
                    std::ranges::all_of(n, [](int k) { return k >= 0 && k <= 10; }))
            << comptes;
        n.resize(valeurs.size());
        return std::inner_product(n.begin(), n.end(), valeurs.begin(), 0);
    };
    for (const Famille& f : familles) {
        TComposant& c = Nouveau<TComposant>(f.type);
        int changees = 0;
        for (int essai = 0; essai < 3000; ++essai) {
            std::string message;
            ASSERT_FALSE(c.ChangeOption(std::to_string(1 + essai % 10), f.hasard, message));
            const std::string avant = Ligne(c);
            ASSERT_LE(std::ranges::max(Liste(avant)), 1 + essai % 10) << avant << message;
            EXPECT_FALSE(c.ChangeOption("", f.reorganise, message));
            const std::string apres = Ligne(c);
            ASSERT_EQ(somme(apres, f.valeurs), somme(avant, f.valeurs)) << avant << " -> " << apres;
            changees += apres != avant;
            ASSERT_EQ(message, "");
        }
        EXPECT_GT(changees, 1000) << f.type;
    }
    // Small sums: the 10-cent coin never comes, 3 cents is 1 + 1 + 1 or 1 + 2.
    TvlEuroPieces& p = Nouveau<TvlEuroPieces>("Euro pièces");
    std::set<std::string> vues;
    std::string message;
    for (int essai = 0; essai < 200; ++essai) {
        Regle(p, {"SommePieces=0,03"});
        p.ChangeOption("", "RéorganisePieces", message);
        vues.insert(Ligne(p));
        Regle(p, {"SommePieces=0,10"});
        p.ChangeOption("", "RéorganisePieces", message);
        EXPECT_EQ(Liste(Ligne(p)).at(3), 0) << Ligne(p);
        EXPECT_EQ(somme(Ligne(p), familles[0].valeurs), 10);
        EXPECT_EQ(p.ValeurSomme(), "0,10");
    }
    EXPECT_EQ(vues, (std::set<std::string>{"3,0,0,0,0,0,0,0", "1,1,0,0,0,0,0,0"}));
}

// The coins' own sequence: (s + pi) to the fifth, its fractional part, times n; the base seed in
// thousandths.
TEST_F(MoneyTest, AleaFollowsItsFormula) {
    for (std::uint32_t graine = 1; graine <= 50; ++graine) {
        SeedRandom(graine);
        TvlEuroPieces& p = Nouveau<TvlEuroPieces>("Euro pièces");
        EXPECT_EQ(p.GraineBase() * 1000, std::round(p.GraineBase() * 1000));
        for (int n = 1; n < 60; ++n) {
            const double puissance = std::pow(p.Graine() + 3.141592653589793, 5);
            const double fraction = puissance - std::floor(puissance);
            ASSERT_EQ(p.Alea(n), int(n * fraction));
            ASSERT_NEAR(p.Graine(), fraction, 1e-9);
        }
    }
}

// Rows: an item opens one when x + width reaches the width; rows squeezed into the frame; the
// row's height raised back to its first item; exact rectangles at zooms 10, 100 and 200.
TEST_F(MoneyTest, ItemsAreLaidOutInRows) {
    // Rows that do not fit lose their gaps, never cover each other: what is still below the
    // frame is left out and the frame it needs said.
    struct Case {
        std::string type;
        std::vector<std::string> reglages;
        Rects attendus;
        std::string avertissement = {};
    };
    const std::string deuxEuros =
        "\u00A0: 1 pièce ne tient pas dans le cadre, il faut un cadre de ";
    const Case cases[] = {
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=5,25", "Hauteur=3"},
         {{100, 100, 357, 357}, {367, 100, 624, 357}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=5,24", "Hauteur=3"},
         {{100, 100, 357, 357}},
         deuxEuros + "5,2 cm de haut"},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=3", "Hauteur=5,14"},
         {{100, 100, 357, 357}, {100, 357, 357, 614}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,2", "Largeur=3", "Hauteur=5,2"},
         {{100, 100, 357, 357}, {100, 363, 357, 620}}},
        {"Euro pièces",
         {"NbPieces=0,0,0,0,0,0,0,1", "Largeur=2"},
         {},
         deuxEuros + "2,6 cm de large et 2,6 cm de haut"},
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
        auto& c = Nouveau<CommonComponent>(cas.type, cas.reglages);
        EXPECT_EQ(Rectangles(Vue(c, MODE_EDITION), Op::StretchDraw), cas.attendus);
        EXPECT_EQ(c.AvertissementCadre(),
                  cas.avertissement.empty() ? "" : c.Nom() + cas.avertissement);
    }
    // A new component's frame holds its items and the line under them, whatever was drawn.
    for (const char* type : {"Euro billets", "Euro pièces"})
        for (const int graine : {3, 8, 11}) {
            SeedRandom(graine);
            TComposant& c = Nouveau<TComposant>(type);
            Vue(c, MODE_CORRIGE);
            EXPECT_EQ(c.AvertissementCadre(), "") << graine;
        }
    // Too narrow, a frame asks for the width of the note it holds, not of the widest one.
    TComposant& billet = Nouveau<TComposant>("Euro billets");
    Regle(billet, {"NbBillets=0,0,0,0,0,0,1", "Largeur=8"});
    Vue(billet, MODE_CORRIGE);
    EXPECT_NE(billet.AvertissementCadre().find("il faut un cadre de 8,5 cm de large"),
              std::string::npos)
        << billet.AvertissementCadre();
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

// Each slot holds the picture of its name for the current look; a change of look reloads, the
// same face does not; a missing picture leaves the outline and is reported.
TEST_F(MoneyTest, PicturesFollowTheLook) {
    std::map<int, std::string> nomDe;
    for (const auto& [nom, largeur] : noms_)
        nomDe[largeur] = nom;
    std::set<std::string> vus;
    const auto verifie = [&](const auto& c, const std::string& prefixe, const auto& noms) {
        for (std::size_t i = 0; i < std::size(noms); ++i) {
            EXPECT_EQ(nomDe[c.Image(int(i)).Width()], prefixe + noms[i]);
            vus.insert(nomDe[c.Image(int(i)).Width()]);
        }
    };
    TvlEuroPieces& p = Nouveau<TvlEuroPieces>("Euro pièces", {"NbPieces=1"});
    for (int aspect = 0; aspect < 3; ++aspect) {
        Regle(p, {"AspectPieces=" + std::to_string(aspect)});
        verifie(p, kAspects[aspect], kPieces);
    }
    TvlEuroBillets& b = Nouveau<TvlEuroBillets>("Euro billets", {"NbBillets=1"});
    for (int face = 0; face < 4; ++face) {
        Regle(b, {"NoirEtBlanc=" + std::to_string(face / 2),
                  "RectoVerso=" + std::to_string(face % 2)});
        verifie(b, kFaces[face], kBillets);
    }
    verifie(Nouveau<TvlMasses>("Masses marquées", {"NbMasses=1"}), "", kMasses);
    EXPECT_EQ(vus.size(), 56u);

    Regle(b, {"NoirEtBlanc=0"});
    Ecrit("R_5", 999);
    Regle(b, {"RectoVerso=1"});
    EXPECT_EQ(b.Image(6).Width(), noms_["R_5"]);
    Regle(b, {"RectoVerso=0", "RectoVerso=1"});
    EXPECT_EQ(b.Image(6).Width(), 999);

    std::filesystem::remove(data_.folder().file("money/C_2E.png"));
    TvlEuroPieces& seule =
        Nouveau<TvlEuroPieces>("Euro pièces", {"NbPieces=0,0,0,0,0,0,0,1", "Largeur=3"});
    const TRecordingCanvas canvas = Vue(seule, MODE_EDITION);
    EXPECT_TRUE(canvas.Of(Op::StretchDraw).empty());
    EXPECT_EQ(Rectangles(canvas, Op::Ellipse), (Rects{{100, 100, 357, 357}}));
    EXPECT_EQ(Ligne(seule, "Images introuvables"), "C_2E");
}

// The shuffle restarts from the saved seed: the same after a repaint, a copy and a reload; a
// new "TriPièces" moves it on.
TEST_F(MoneyTest, ShuffleStaysUntilTheOrderIsAskedAgain) {
    TvlEuroPieces& p = Nouveau<TvlEuroPieces>(
        "Euro pièces", {"NbPieces=2", "TriPièces=2", "Largeur=18", "Hauteur=25"});
    const Rects ordre = Rectangles(Vue(p, MODE_EDITION), Op::StretchDraw);
    ASSERT_EQ(ordre.size(), 16u);
    EXPECT_EQ(Rectangles(Vue(p, MODE_EDITION), Op::StretchDraw), ordre);
    EXPECT_EQ(Rectangles(Vue(*p.Copie(), MODE_EDITION), Op::StretchDraw), ordre);
    EXPECT_EQ(Rectangles(Vue(Relu("Euro pièces", p), MODE_EDITION), Op::StretchDraw), ordre);
    Regle(p, {"TriPièces=0"});
    EXPECT_NE(Rectangles(Vue(p, MODE_EDITION), Op::StretchDraw), ordre);
    Regle(p, {"TriPièces=2"});
    EXPECT_NE(Rectangles(Vue(p, MODE_EDITION), Op::StretchDraw), ordre);
}

// A version-1 coin record (its aspect byte meant black and white), a record of an unknown
// version, fields out of range, and the preferred options of each kind (counts never kept).
TEST_F(MoneyTest, RecordsAndPreferences) {
    TvlEuroPieces& source = Nouveau<TvlEuroPieces>("Euro pièces");
    TMemoryStream flux;
    ASSERT_TRUE(source.Sauve(flux));
    const std::vector<std::uint8_t> octets = flux.Bytes();
    // The record ends with the block, two seeds and the line under the picture (a mode, an
    // empty text and the answer flag), which version 1 had not.
    const long legende = 2 + 4 + 1;
    const std::size_t bloc = octets.size() - legende - 16 - 92;
    std::vector<std::uint8_t> v1(octets.begin(), octets.begin() + long(bloc));
    v1[0] = 1;
    v1.insert(v1.end(), {3, 0, 0,   0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         1, 0, 150, 0, 1,  0, 1, 0, 2, 0, 3, 0, 1, 0});
    v1.insert(v1.end(), octets.end() - legende - 16, octets.end() - legende);
    const auto relu = [&](std::vector<std::uint8_t> record, bool lisible) -> TvlEuroPieces& {
        TvlEuroPieces& lu = Nouveau<TvlEuroPieces>("Euro pièces");
        TMemoryStream in(std::move(record));
        EXPECT_EQ(lu.Charge(in, nullptr, &document_.Cadre(0)), lisible);
        return lu;
    };
    const TvlEuroPieces& ancien = relu(v1, true);
    EXPECT_EQ(Ligne(ancien), "3,0,10,0,0,0,0,1");
    std::string reglages;
    for (const char* cle :
         {"ZoomPieces", "Mode", "AspectPieces", "TriPièces", "IntervallePieces", "Entourer"})
        reglages += Ligne(ancien, cle) + " ";
    EXPECT_EQ(reglages, "150 1 2 2 3 1 ");
    std::vector<std::uint8_t> v2 = octets;
    v2[bloc + 16] = 0xE7; // zoom 999
    v2[bloc + 17] = 3;
    EXPECT_EQ(Ligne(relu(v2, true), "ZoomPieces"), "200");
    v2[0] = TvlEuroPieces::VERSION + 1;
    EXPECT_EQ(Ligne(relu(v2, false), "ZoomPieces"), "100");

    const std::pair<std::string, std::vector<std::string>> preferes[] = {
        {"Euro pièces",
         {"Mode=2", "ZoomPieces=150", "AspectPieces=1", "TriPièces=2", "IntervallePieces=5",
          "Entourer=1"}},
        {"Euro billets",
         {"Mode=1", "IntervalleBillets=4", "NoirEtBlanc=1", "RectoVerso=0", "ZoomBillets=60",
          "AligneDroite=1"}},
        {"Masses marquées",
         {"Fonte=Arial,20,255,gras", "Mode=2", "ZoomMasses=250", "IntervalleMasses=7",
          "MontrerTexte=0"}},
    };
    for (const auto& [type, reglages] : preferes) {
        TComposant& c = Nouveau<TComposant>(type, reglages);
        c.EnregistreOptions();
        const TComposant& nouveau = Nouveau<TComposant>(type);
        for (const std::string& r : reglages) {
            const std::string cle = r.substr(0, r.find('='));
            EXPECT_EQ(Ligne(nouveau, cle), Ligne(c, cle)) << type << " " << cle;
        }
        const std::vector<std::string> lignes = c.Description();
        const auto comptes = std::find_if(lignes.begin(), lignes.end(),
                                          [](const std::string& l) { return l.starts_with("Nb"); });
        ASSERT_NE(comptes, lignes.end());
        const std::string nb = comptes->substr(0, comptes->find(' '));
        EXPECT_EQ(TIniFile(FichIni()).ReadString(type, nb, "absent"), "absent") << nb;
    }
}

// Labels on the masses of 10 g and more, centred at 7/12 of the height, in the labels' font.
TEST_F(MoneyTest, MassLabels) {
    TvlMasses& m =
        Nouveau<TvlMasses>("Masses marquées", {"NbMasses=1,0,0,0,0,0,0,1,0", "Largeur=8",
                                               "Hauteur=8", "Fonte=Andika,12,255,normal"});
    const std::vector<TDrawCall> textes = Vue(m, MODE_EDITION).Of(Op::TextOut);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].text, "1 kg");
    EXPECT_EQ(textes[0].args, (std::vector<int>{315, 370}));
    EXPECT_EQ(std::tuple(textes[0].font.Height, textes[0].font.Color, textes[0].textAlign,
                         textes[0].bkMode),
              std::tuple(-42, 255, unsigned(TA_CENTER | TA_TOP), int(TRANSPARENT)));
    Regle(m, {"MontrerTexte=0"});
    EXPECT_TRUE(Vue(m, MODE_EDITION).Of(Op::TextOut).empty());
}

} // namespace
