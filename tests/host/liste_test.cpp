#include "host/Liste.h"

#include "host/HostFixtures.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/RecordingCanvas.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Records the record moves a list announces, with the list's current record at that moment.
class RecepteurTest : public TComposant {
public:
    struct Appel {
        std::string valeur;
        std::string nom;
        int courant;
    };
    explicit RecepteurTest(const TListe& liste) : TComposant(nullptr), liste_(liste) {}
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override {
        appels.push_back({valeur, nom, liste_.Courant()});
        message.clear();
        return true;
    }
    std::vector<Appel> appels;

private:
    const TListe& liste_;
};

// A list on an A4 page, and in the data folder two pictures (1 x 1 and 2 x 1) and a file that
// is no picture.
class ListeTest : public ::testing::Test {
protected:
    ListeTest() {
        for (const auto& [nom, png] :
             {std::pair{"point.png", PngHeader(1, 1)}, std::pair{"large.png", PngHeader(2, 1)}})
            data.folder().put(nom, std::string(png.begin(), png.end()));
        data.folder().put("texte.png", "non");
    }
    bool change(const std::string& nom, const std::string& valeur) {
        message.clear();
        return liste.ChangeOption(valeur, nom, message);
    }
    // Three records: cities with a picture in the second and third.
    void remplit() {
        Regle(liste, {"Champs=ville;photo:image", "Ajoute=Paris", "Ajoute=Lyon;point",
                      "Ajoute=Nice;" + data.folder().file("large.png")});
    }

    ScopedDataFolder data;
    TPlanche planche{TPlanche::Format::A4, false};
    TCadre cadre{&planche, nullptr};
    TListe liste{&cadre};
    std::string message;
};

TEST_F(ListeTest, FieldsAreTextOrPictureAndComeFirst) {
    EXPECT_EQ(liste.Courant(), -1);
    EXPECT_EQ(liste.Rect.LireOrg(), planche.OrgMarges());
    EXPECT_FALSE(change("Ajoute", "x")); // no fields yet
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(liste.NbEnregistrements(), 0);

    ASSERT_TRUE(change("Champs", " nom ; photo:image"));
    const std::vector<TListe::TChamp> attendus{{"nom", false}, {"photo", true}};
    EXPECT_EQ(liste.Champs(), attendus);
    EXPECT_TRUE(liste.PossedeChamp("nom", false));
    EXPECT_FALSE(liste.PossedeChamp("nom", true));
    EXPECT_TRUE(liste.PossedeChamp("photo", true));
    EXPECT_FALSE(liste.PossedeChamp("autre", false));
}

TEST_F(ListeTest, RefusedValuesExplainAndChangeNothing) {
    remplit();
    for (const std::string refus :
         {"Champs=a;;b", "Champs=a;a", "Champs=:image", "Ajoute=Rome;point;en trop",
          "Ajoute=Rome;absente", "Ajoute=Rome;texte.png", "EnrCde=Autre", "EnrPos=0", "EnrPos=4",
          "EnrPos=deux", "Fonte=Arial,grand"}) {
        const std::size_t egal = refus.find('=');
        const std::string nom = refus.substr(0, egal), valeur = refus.substr(egal + 1);
        EXPECT_FALSE(change(nom, valeur)) << nom << "=" << valeur;
        EXPECT_FALSE(message.empty()) << nom << "=" << valeur;
        EXPECT_EQ(liste.Champs().size(), 2u) << nom << "=" << valeur;
        EXPECT_EQ(liste.NbEnregistrements(), 3) << nom << "=" << valeur;
        EXPECT_EQ(liste.Courant(), 0) << nom << "=" << valeur;
    }
    EXPECT_FALSE(change("Ajoute", "Rome;absente.png"));
    EXPECT_EQ(message, "Image illisible : \"absente.png\"");

    message = "ancien";
    EXPECT_FALSE(liste.ChangeOption("1", "Bidule", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(liste.NbEnregistrements(), 3);
}

TEST_F(ListeTest, RecordsHoldTextsAndPictures) {
    remplit();
    EXPECT_EQ(liste.NbEnregistrements(), 3);
    EXPECT_EQ(liste.Courant(), 0);
    EXPECT_EQ(liste.Texte("ville", 1), "Lyon");
    EXPECT_EQ(liste.Image("photo", 0), nullptr);
    ASSERT_NE(liste.Image("photo", 1), nullptr);
    EXPECT_EQ(liste.Image("photo", 1)->bytes(), PngHeader(1, 1));
    ASSERT_NE(liste.Image("photo", 2), nullptr);
    EXPECT_EQ(liste.Image("photo", 2)->Width(), 2);
    // Wrong kind of field, unknown field, no such record.
    EXPECT_EQ(liste.Texte("photo", 1), "");
    EXPECT_EQ(liste.Image("ville", 1), nullptr);
    EXPECT_EQ(liste.Texte("pays", 1), "");
    EXPECT_EQ(liste.Texte("ville", 3), "");
    EXPECT_EQ(liste.Texte("ville", -1), "");
    EXPECT_EQ(liste.Image("photo", 3), nullptr);
}

TEST_F(ListeTest, NewFieldsAndViderRemoveTheRecords) {
    remplit();
    message = "ancien";
    EXPECT_FALSE(liste.ChangeOption("", "Vider", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(liste.NbEnregistrements(), 0);
    EXPECT_EQ(liste.Courant(), -1);
    EXPECT_FALSE(change("EnrCde", "Premier"));
    EXPECT_FALSE(message.empty());

    remplit();
    ASSERT_TRUE(change("Champs", "mot"));
    EXPECT_EQ(liste.NbEnregistrements(), 0);
    EXPECT_EQ(liste.Courant(), -1);
}

TEST_F(ListeTest, NavigationMovesAndStopsAtTheEnds) {
    remplit();
    const std::vector<std::pair<std::string, int>> pas{
        {"Suivant", 1}, {"Suivant", 2},   {"Suivant", 2}, {"Precedent", 1},
        {"Premier", 0}, {"Precedent", 0}, {"Dernier", 2},
    };
    for (const auto& [cde, courant] : pas) {
        ASSERT_TRUE(change("EnrCde", cde)) << message;
        EXPECT_EQ(liste.Courant(), courant) << cde;
    }
    ASSERT_TRUE(change("EnrPos", "2"));
    EXPECT_EQ(liste.Courant(), 1);
}

TEST_F(ListeTest, MovesAreAnnouncedToEveryReceiver) {
    remplit();
    RecepteurTest a(liste);
    RecepteurTest b(liste);
    liste.EnregistreRecepteur(&a);
    liste.EnregistreRecepteur(&b);
    ASSERT_TRUE(change("EnrCde", "Suivant"));
    ASSERT_TRUE(change("EnrPos", "3"));
    EXPECT_FALSE(change("EnrPos", "9"));
    EXPECT_FALSE(change("EnrCde", "Ailleurs"));
    ASSERT_TRUE(change("Ajoute", "Rome"));
    for (const RecepteurTest* r : {&a, &b}) {
        ASSERT_EQ(r->appels.size(), 2u);
        EXPECT_EQ(r->appels[0].nom, "EnrCde");
        EXPECT_EQ(r->appels[0].valeur, "Suivant");
        EXPECT_EQ(r->appels[0].courant, 1);
        EXPECT_EQ(r->appels[1].nom, "EnrPos");
        EXPECT_EQ(r->appels[1].valeur, "3");
        EXPECT_EQ(r->appels[1].courant, 2);
    }
}

TEST_F(ListeTest, DrawsTheCurrentRecordAndTheNextOnesInsideTheFrame) {
    remplit();
    ASSERT_TRUE(change("EnrPos", "2"));
    TRecordingCanvas canvas;
    liste.Imprime(canvas, MODE_EPREUVE, &planche);
    const vlRect r = liste.Rect;

    const auto frames = canvas.Of(TDrawCall::Op::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].args, (std::vector<int>{r.left, r.top, r.right, r.bottom}));

    const auto texts = canvas.Texts();
    const auto drawn = [&](const std::string& t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_FALSE(drawn("ville : Paris"));
    EXPECT_TRUE(drawn("ville : Lyon"));
    EXPECT_TRUE(drawn("ville : Nice"));
    EXPECT_TRUE(drawn("2 / 3"));

    const auto pictures = canvas.Of(TDrawCall::Op::StretchDraw);
    ASSERT_EQ(pictures.size(), 2u);
    for (const TDrawCall& p : pictures) {
        EXPECT_GT(p.args[0], r.left);
        EXPECT_GT(p.args[1], r.top);
        EXPECT_GT(p.args[3], p.args[1]);
    }
    // The 2 x 1 picture keeps its proportions.
    const auto& large = pictures[1].args;
    EXPECT_EQ(large[2] - large[0], 2 * (large[3] - large[1]));

    for (const TDrawCall& c : canvas.calls) {
        if (c.op == TDrawCall::Op::Rectangle)
            continue;
        EXPECT_TRUE(c.hasClip);
        EXPECT_EQ(c.clip, r);
    }
}

// The same fields, records (texts and pictures), current record and font.
void expectSameList(const TListe& a, const TListe& b) {
    EXPECT_EQ(a.Champs(), b.Champs());
    ASSERT_EQ(a.NbEnregistrements(), b.NbEnregistrements());
    EXPECT_EQ(a.Courant(), b.Courant());
    EXPECT_EQ(a.Reglages().Police, b.Reglages().Police);
    for (int i = 0; i < a.NbEnregistrements(); ++i) {
        EXPECT_EQ(a.Texte("ville", i), b.Texte("ville", i)) << i;
        const TPicture* pa = a.Image("photo", i);
        const TPicture* pb = b.Image("photo", i);
        EXPECT_EQ(pa == nullptr, pb == nullptr) << i;
        if (pa != nullptr && pb != nullptr) {
            EXPECT_EQ(*pa, *pb) << i;
        }
    }
}

TEST_F(ListeTest, SaveLoadAndCopyKeepFieldsRecordsAndPosition) {
    remplit();
    Regle(liste, {"EnrCde=Dernier", "Fonte=Arial,11,0,gras"});
    TMemoryStream s;
    ASSERT_TRUE(liste.Sauve(s));
    TListe lue(&cadre);
    ASSERT_TRUE(lue.Charge(s, nullptr, &cadre));
    EXPECT_EQ(s.Position(), s.Bytes().size());
    EXPECT_EQ(lue.Rect, liste.Rect);
    EXPECT_EQ(lue.Texte("ville", 0), "Paris");
    ASSERT_NE(lue.Image("photo", 2), nullptr);
    EXPECT_EQ(lue.Image("photo", 2)->bytes(), PngHeader(2, 1));
    expectSameList(lue, liste);

    Regle(liste, {"EnrPos=2"});
    expectSameList(dynamic_cast<const TListe&>(*liste.Copie()), liste);

    // A cut record is refused and leaves the list empty.
    const std::vector<std::uint8_t> bytes = s.Bytes();
    for (std::size_t n = 0; n < bytes.size(); n += 7) {
        TMemoryStream tronque({bytes.begin(), bytes.begin() + std::ptrdiff_t(n)});
        TListe coupee(&cadre);
        EXPECT_FALSE(coupee.Charge(tronque, nullptr, &cadre)) << n << " bytes";
        EXPECT_EQ(coupee.NbEnregistrements(), 0);
        EXPECT_EQ(coupee.Courant(), -1);
    }
}

} // namespace
