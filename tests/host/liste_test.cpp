#include "host/Liste.h"

#include "host/HostFixtures.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/RecordingCanvas.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

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

TEST_F(ListeTest, FieldsComeFirstAndRecordsHoldTextsAndPictures) {
    EXPECT_FALSE(change("Ajoute", "x")); // no fields yet
    EXPECT_FALSE(message.empty());
    ASSERT_TRUE(change("Champs", " ville ; photo:image"));
    EXPECT_EQ(liste.Champs(), (std::vector<TListe::TChamp>{{"ville", false}, {"photo", true}}));
    EXPECT_FALSE(liste.PossedeChamp("ville", true));
    remplit();
    EXPECT_EQ(std::tuple(liste.NbEnregistrements(), liste.Courant()), std::tuple(3, 0));
    EXPECT_EQ(liste.Texte("ville", 1), "Lyon");
    EXPECT_EQ(liste.Image("photo", 0), nullptr);
    ASSERT_NE(liste.Image("photo", 1), nullptr);
    EXPECT_EQ(liste.Image("photo", 1)->bytes(), PngHeader(1, 1)); // found in the data folder
    // Wrong kind of field, unknown field, no such record.
    EXPECT_EQ(liste.Texte("photo", 1) + liste.Texte("pays", 1) + liste.Texte("ville", 3) +
                  liste.Texte("ville", -1),
              "");
    EXPECT_TRUE(liste.Image("ville", 1) == nullptr && liste.Image("photo", 3) == nullptr);
    // Vider is an action; new fields remove the records too.
    message = "ancien";
    EXPECT_FALSE(liste.ChangeOption("", "Vider", message));
    EXPECT_EQ(std::tuple(message, liste.NbEnregistrements(), liste.Courant()),
              std::tuple("", 0, -1));
    EXPECT_FALSE(change("EnrCde", "Premier"));
    EXPECT_EQ(message, "La liste est vide.");
    remplit();
    ASSERT_TRUE(change("Champs", "mot"));
    EXPECT_EQ(std::tuple(liste.NbEnregistrements(), liste.Courant()), std::tuple(0, -1));
}

TEST_F(ListeTest, RefusedValuesChangeNothingAndMovesStopAtTheEnds) {
    remplit();
    for (const std::string refus :
         {"Champs=a;;b", "Champs=a;a", "Champs=:image", "Ajoute=Rome;point;en trop",
          "Ajoute=Rome;absente", "Ajoute=Rome;texte.png", "EnrCde=Autre", "EnrPos=0", "EnrPos=4",
          "EnrPos=deux", "Fonte=Arial,grand"}) {
        SCOPED_TRACE(refus);
        const std::size_t egal = refus.find('=');
        EXPECT_FALSE(change(refus.substr(0, egal), refus.substr(egal + 1)));
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(std::tuple(liste.Champs().size(), liste.NbEnregistrements(), liste.Courant()),
                  std::tuple(2u, 3, 0));
    }
    EXPECT_FALSE(change("Ajoute", "Rome;absente.png"));
    EXPECT_EQ(message, "Image illisible\u00A0: «\u00A0absente.png\u00A0»");
    message = "ancien";
    EXPECT_FALSE(liste.ChangeOption("1", "Bidule", message));
    EXPECT_TRUE(message.empty());
    // Moves stop at the ends; sudoku's tests check that bound components follow them.
    const std::pair<std::string, int> pas[] = {{"EnrCde=Suivant", 1}, {"EnrCde=Suivant", 2},
                                               {"EnrCde=Suivant", 2}, {"EnrCde=Precedent", 1},
                                               {"EnrCde=Premier", 0}, {"EnrCde=Precedent", 0},
                                               {"EnrCde=Dernier", 2}, {"EnrPos=2", 1}};
    for (const auto& [reglage, courant] : pas) {
        Regle(liste, {reglage});
        EXPECT_EQ(liste.Courant(), courant) << reglage;
    }
}

TEST_F(ListeTest, DrawsTheCurrentRecordAndTheNextOnesInsideTheFrame) {
    remplit();
    Regle(liste, {"EnrPos=2"});
    TRecordingCanvas canvas;
    liste.Imprime(canvas, MODE_EPREUVE, &planche);
    const vlRect r = liste.Rect;
    EXPECT_EQ(canvas.Texts(),
              (std::vector<std::string>{"2 / 3", "ville\u00A0: Lyon", "photo\u00A0: ", "3 / 3",
                                        "ville\u00A0: Nice", "photo\u00A0: "}));
    const auto pictures = canvas.Of(TDrawCall::Op::StretchDraw);
    ASSERT_EQ(pictures.size(), 2u);
    // The 2 x 1 picture keeps its proportions.
    const auto& large = pictures[1].args;
    EXPECT_EQ(large[2] - large[0], 2 * (large[3] - large[1]));
    // Everything inside the frame drawn around the list.
    for (const TDrawCall& c : canvas.calls)
        EXPECT_TRUE(c.op == TDrawCall::Op::Rectangle || (c.hasClip && c.clip == r));
}

TEST_F(ListeTest, SaveLoadAndCopyKeepFieldsRecordsAndPositionAndCutRecordsAreRefused) {
    remplit();
    Regle(liste, {"EnrCde=Dernier", "Fonte=Arial,11,0,gras"});
    TMemoryStream s;
    ASSERT_TRUE(liste.Sauve(s));
    TListe lue(&cadre);
    ASSERT_TRUE(lue.Charge(s, nullptr, &cadre));
    EXPECT_EQ(s.Remaining(), 0u);
    const auto copie = liste.Copie();
    for (const TListe* l :
         {static_cast<const TListe*>(&lue), dynamic_cast<const TListe*>(copie.get())}) {
        EXPECT_EQ(std::tuple(l->Rect, l->Champs(), l->NbEnregistrements(), l->Courant()),
                  std::tuple(liste.Rect, liste.Champs(), 3, 2));
        EXPECT_EQ(std::pair(l->Reglages().Police, l->Texte("ville", 0)),
                  std::pair(liste.Reglages().Police, std::string("Paris")));
        ASSERT_NE(l->Image("photo", 2), nullptr);
        EXPECT_EQ(*l->Image("photo", 2), *liste.Image("photo", 2));
    }
    const std::vector<std::uint8_t> bytes = s.Bytes();
    for (std::size_t n = 0; n < bytes.size(); n += 7) {
        TMemoryStream tronque({bytes.begin(), bytes.begin() + std::ptrdiff_t(n)});
        TListe coupee(&cadre);
        EXPECT_FALSE(coupee.Charge(tronque, nullptr, &cadre)) << n << " bytes";
        EXPECT_EQ(std::tuple(coupee.NbEnregistrements(), coupee.Courant()), std::tuple(0, -1));
    }
}

} // namespace
