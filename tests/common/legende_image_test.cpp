#include "common/CommonComponent.h"

#include "pictures/PictureTest.h"
#include "platform/Color.h"

#include <string>
#include <vector>

namespace {

using Op = TDrawCall::Op;

// What the drawing writes under the picture: the text tagged as the statement or the answer,
// "…" for a dotted line to write on, or nothing.
std::string LigneSous(TComposant& c, int mode) {
    TRecordingCanvas canvas;
    c.Dessine(canvas, mode, nullptr);
    for (const TInkTag& tag : canvas.tags) {
        if (tag.what != "énoncé" && tag.what != "réponse")
            continue;
        for (const TDrawCall& t : canvas.Of(Op::TextOut))
            if (t.args == std::vector<int>{tag.box.left, tag.box.top})
                return (tag.what == "réponse" && t.font.Color == clRed ? "rouge:" : "") + t.text;
    }
    const std::vector<TDrawCall> lignes = canvas.Of(Op::Line);
    return !lignes.empty() && lignes.back().pen.Style == psDot ? "…" : "";
}

class LegendeImageTest : public PictureTest {
protected:
    CommonComponent& Image(const std::string& type, std::vector<std::string> reglages) {
        CommonComponent& image = Nouveau<CommonComponent>(type);
        if (image.IndexCle("Enonce") >= 0)
            Regle(image, {"Enonce=1"});
        Regle(image, {"Reponse=1"});
        for (const std::string& r : reglages)
            Regle(image, {r});
        return image;
    }
};

// Each kind's statement when the test version hides its target (the same on the corrected
// version), and its answer when the pupil reads it: a line to write on in the test version,
// the answer in red on the corrected one.
TEST_F(LegendeImageTest, StatementsAndAnswersOfEachKind) {
    const struct {
        std::string type;
        std::vector<std::string> reglages;
        std::string epreuve;
        std::string corrige;
    } cas[] = {
        {"Montre", {"Temps=33300", "Mode=2"}, "Dessine les aiguilles\u00A0: 9 h 15", ""},
        {"Montre", {"Temps=41220", "MontrerSeconde=0"}, "…", "rouge:11 h 27"},
        {"Montre", {"Temps=41225"}, "…", "rouge:11 h 27 min 05 s"},
        {"Euro pièces", {"SommePieces=2,80", "Mode=2"}, "Fais 2,80 €", ""},
        {"Euro pièces", {"SommePieces=3,45"}, "…", "rouge:3,45 €"},
        {"Euro billets", {"SommeBillets=35", "Mode=2"}, "Fais 35 €", ""},
        {"Masses marquées", {"SommeMasses=1250"}, "…", "rouge:1 250 g"},
        {"Thermomètre", {"Temperature=18", "Mode=2"}, "Colorie jusqu'à 18 °C", ""},
        {"Thermomètre", {"Temperature=-4"}, "…", "rouge:-4 °C"},
        {"Eprouvette",
         {"Largeur=6", "VolumeLiquide=14,85", "Mode=2"},
         "Remplis jusqu'à 14,85 ml",
         ""},
        {"Eprouvette", {"Largeur=6", "VolumeLiquide=14,85"}, "…", "rouge:14,85 ml"},
        {"Boulier", {"ValeurBoulier=14", "Mode=2"}, "Représente 14", ""},
        {"Boulier", {"TypeBoulier=4", "NbTiges=4", "ValeurBoulier=1234"}, "…", "rouge:1 234"},
        {"Cube décimal", {"NombreCube=14", "Mode=2"}, "Représente 14", ""},
        {"Dé", {"Aspect=1", "Valeur1=2", "Valeur2=5"}, "…", "rouge:7"},
        {"Dé", {"Valeur1=4", "Mode=2"}, "", ""},
        {"Camembert", {"Numerateur=3", "Denominateur=8", "Mode=2"}, "Colorie les 3/8", ""},
        {"Camembert", {"Numerateur=3", "Denominateur=8"}, "…", "rouge:3/8"},
    };
    for (const auto& c : cas) {
        CommonComponent& image = Image(c.type, c.reglages);
        SCOPED_TRACE(c.type + " " + c.reglages.front());
        EXPECT_EQ(LigneSous(image, MODE_EPREUVE), c.epreuve);
        const bool cachee = c.corrige.empty();
        EXPECT_EQ(LigneSous(image, MODE_CORRIGE), cachee ? c.epreuve : c.corrige);
        // The answer a class set's summary lists: the value read, none for a picture to make.
        EXPECT_EQ(image.TexteReponse(), cachee ? "" : c.corrige.substr(6));
        Regle(image, {"Reponse=0"});
        if (image.IndexCle("Enonce") >= 0)
            Regle(image, {"Enonce=0"});
        EXPECT_EQ(LigneSous(image, MODE_EPREUVE) + LigneSous(image, MODE_CORRIGE), "");
    }
}

// The picture gives up the band at the bottom of its frame, in both versions alike.
TEST_F(LegendeImageTest, TheDialShrinksAboveTheLine) {
    CommonComponent& montre = Image("Montre", {"Temps=33300", "Mode=2"});
    const vlRect cadre = montre.Rect.Normalise();
    for (const int mode : {MODE_EPREUVE, MODE_CORRIGE}) {
        const TDrawCall cadran = Dessin(montre, mode).Of(Op::Ellipse).front();
        EXPECT_EQ(cadran.args[3], cadre.bottom - HauteurBande());
        EXPECT_EQ(cadran.args[2] - cadran.args[0], cadran.args[3] - cadran.args[1]);
    }
}

// A statement of the teacher's holds "%s" once, where the target goes; any other "%" is
// refused in French and the setting stays.
TEST_F(LegendeImageTest, OwnStatementsTakeTheTargetOnce) {
    CommonComponent& montre = Image("Montre", {"Temps=33300", "Mode=2"});
    Regle(montre, {"Enonce=Il est %s."});
    EXPECT_EQ(LigneSous(montre, MODE_EPREUVE), "Il est 9 h 15.");
    for (const char* refus :
         {"Dessine les aiguilles", "%s et %s", "%d h", "100 %\u00A0: %s", "%S", "2"}) {
        std::string message;
        EXPECT_FALSE(montre.ChangeOption(refus, "Enonce", message)) << refus;
        EXPECT_NE(message.find("%s"), std::string::npos) << message;
    }
    EXPECT_EQ(LigneSous(montre, MODE_EPREUVE), "Il est 9 h 15.");
}

// The settings go with the record; a record written before pictures had a line reads as
// having none, so an old sheet prints as it did.
TEST_F(LegendeImageTest, RecordsKeepTheLineAndOldOnesHaveNone) {
    CommonComponent& source = Image("Montre", {"Temps=33300", "Mode=2", "Enonce=Il est %s"});
    Regle(source, {"Reponse=0"});
    CommonComponent& lu = Relu("Montre", source);
    EXPECT_EQ(*lu.Legende(), *source.Legende());

    TMemoryStream flux;
    ASSERT_TRUE(source.Sauve(flux));
    std::vector<std::uint8_t> octets = flux.Bytes();
    octets[0] = 1;
    octets.resize(octets.size() - (2 + 4 + 9 + 1));
    TMemoryStream ancien(octets);
    CommonComponent& vieux = Nouveau<CommonComponent>("Montre");
    ASSERT_TRUE(vieux.Charge(ancien, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(*vieux.Legende(), LegendeImage::Aucune());
    EXPECT_EQ(LigneSous(vieux, MODE_EPREUVE), "");
}

} // namespace
