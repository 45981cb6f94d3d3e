#include "common/CommonComponent.h"

#include "host/Catalogue.h"
#include "host/Document.h"
#include "host/HostFixtures.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct JetonBloc {
    std::int8_t stylePinceau = 0;
    std::int32_t couleurPinceau = 0;
    std::int32_t taillePinceau = 1;
    std::uint8_t styleBrosse = 1;
    std::int32_t couleurBrosse = 0xFFFFFF;
    std::int16_t valeur = 3;
    bool montrer = true;
    bool operator==(const JetonBloc&) const = default; // field by field: the block has padding
};

using B = JetonBloc;
constexpr int kTirer = ClesCadre::Fin + 2;
// "Montrer" reads as 0 when the ini file lacks it, though its factory value is 1.
constexpr auto kClesJeton = TableDesCles(
    RangsCadre(Champ<&B::stylePinceau>, Champ<&B::couleurPinceau>, Champ<&B::taillePinceau>,
               Champ<&B::styleBrosse>, Champ<&B::couleurBrosse>),
    {
        CleEntier(ClesCadre::Fin, "Valeur", Champ<&B::valeur>, 1, 20, Ini::Usine, Refait::Exercice),
        CleDrapeau(ClesCadre::Fin + 1, "Montrer", Champ<&B::montrer>, Ini::Valeur),
        CleAction(kTirer, "Tirer"),
        CleLibre(ClesCadre::Fin + 3, "Detachable"),
        CleTexte(ClesCadre::Fin + 4, "Rediriger"),
        CleLibre(ClesCadre::Fin + 5, "Actif"),
    });
static_assert(TableConforme(kClesJeton));

// A small kind written for these tests: the frame keys, two own settings, an action that draws
// a new exercise, and an exercise of random numbers saved after the block.
class Jeton : public CommonComponent {
public:
    explicit Jeton(TCadre* cadre) : CommonComponent(cadre, "Jeton", 300, 2) { Installe(); }
    using CommonComponent::EntierLibre;

    JetonBloc bloc;
    std::vector<int> tirage;
    int generations = 0;

    TableCles Cles() const override { return kClesJeton; }
    void* Options(int& taille) override {
        taille = int(sizeof bloc);
        return &bloc;
    }
    std::unique_ptr<TComposant> Copie() const override { return std::make_unique<Jeton>(*this); }
    vlSize TailleCreation() const override { return {400, 300}; }

    void RestaureStandardNonApplique() override { bloc = JetonBloc{}; }

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string&, std::string&) override {
        if (index != kTirer)
            return std::nullopt;
        Genere();
        return false;
    }
    void Genere() override {
        ++generations;
        tirage.clear();
        for (int i = 0; i < bloc.valeur; ++i)
            tirage.push_back(Random() % 100);
    }
    bool SauveDonnees(TStream& s) override {
        bool ok = WriteShort(s, std::int16_t(tirage.size()));
        for (const int n : tirage)
            ok = ok && WriteLong(s, n);
        return ok;
    }
    bool ChargeDonnees(TStream& s) override {
        std::int16_t n = 0;
        if (!ReadShort(s, n) || n < 0)
            return false;
        for (int i = 0; i < n; ++i) {
            std::int32_t v = 0;
            if (!ReadLong(s, v))
                return false;
            tirage.push_back(v);
        }
        return true;
    }
    void LibereDonnees() override { tirage.clear(); }
};

class CommonComponentTest : public ::testing::Test {
protected:
    CommonComponentTest() {
        TTypeComposant type;
        type.nom = "Jeton";
        type.numero = 300;
        type.cree = [](TCadre* c) { return std::make_unique<Jeton>(c); };
        type.table = kClesJeton;
        catalogue_.Ajoute(type);
        catalogue_.Ajoute(*CatalogueHote().TrouveNom("Grille"));
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    }

    Jeton& nouveau() { return dynamic_cast<Jeton&>(*document_.Cree("Jeton", 0)); }

    ScopedIniFile ini_;
    TCatalogue catalogue_;
    TDocument document_{catalogue_};
};

// Range refusals of every kind's keys are checked with the key tables; the geometry's range
// depends on the page. Detachable and Actif are read as plain integers: bad text reads as 0.
TEST_F(CommonComponentTest, GeometryFollowsThePageAndUnknownKeysSayNothing) {
    Jeton& j = nouveau();
    // Printable width 1900 (1 cm margins), own width 400: "Gauche" goes up to 15 cm.
    Regle(j, {"Gauche=15", "Detachable=1", "Actif=0"});
    EXPECT_TRUE(j.Detachable);
    EXPECT_FALSE(j.Activable());
    Refuse(j, {"Gauche=15,5"});
    Regle(j, {"Largeur=0", "Detachable=oui"});
    EXPECT_EQ(j.Rect, (vlRect{1600, 100, 1600, 400}));
    EXPECT_FALSE(j.Detachable);
    const std::vector<std::uint8_t> before = OptionBytes(j);
    std::string message;
    EXPECT_FALSE(j.ChangeOption("5", "valeur", message)); // case matters
    EXPECT_FALSE(j.ChangeOption("5", "Inconnue", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(OptionBytes(j), before);
}

// Redirecting to another grid tells the former receiver; the component's own name or none
// redirects to none; a name no component has, or a component that cannot show another's
// exercises, is refused and keeps the receiver.
TEST_F(CommonComponentTest, RedirectionToAGridOnly) {
    Jeton& emetteur = nouveau();
    TComposant& premier = *document_.Cree("Grille", 0);
    TComposant& second = *document_.Cree("Grille", 0);
    Regle(emetteur, {"Rediriger=" + premier.Nom(), "Rediriger=" + second.Nom()});
    EXPECT_TRUE(premier.Emetteurs.empty());
    EXPECT_EQ(second.Emetteurs, std::vector<TComposant*>{&emetteur});
    for (const std::string& nom : {nouveau().Nom(), std::string("Personne")}) {
        std::string message;
        EXPECT_FALSE(emetteur.ChangeOption(nom, "Rediriger", message)) << nom;
        EXPECT_NE(message.find("«\u00A0" + nom + "\u00A0»"), std::string::npos) << message;
        EXPECT_EQ(emetteur.Recepteurs, std::vector<TComposant*>{&second}) << nom;
    }
    for (const std::string& personne : {emetteur.Nom(), std::string()}) {
        Regle(emetteur, {"Rediriger=" + second.Nom(), "Rediriger=" + personne});
        EXPECT_TRUE(emetteur.Recepteurs.empty()) << personne;
        EXPECT_TRUE(second.Emetteurs.empty()) << personne;
    }
}

// A key missing from the ini file leaves the factory value, or reads as its row's default; saved
// preferences, apart from the geometry and the detachable flag, come back on a new component.
TEST_F(CommonComponentTest, IniDefaultsAndSavedPreferences) {
    TIniFile ini(FichIni());
    ini.WriteInteger("Jeton", "Valeur", 9);
    ASSERT_TRUE(ini.UpdateFile());
    Jeton& j = nouveau();
    EXPECT_EQ(j.bloc.valeur, 9);
    EXPECT_FALSE(j.bloc.montrer);
    EXPECT_EQ(j.bloc.taillePinceau, 1);

    Regle(j, {"TaillePinceauCadre=12", "StyleBrosseFond=4", "Valeur=7", "Montrer=1", "Detachable=1",
              "Gauche=3"});
    j.EnregistreOptions();
    Jeton& copie = nouveau();
    EXPECT_TRUE(j.bloc == copie.bloc);
    EXPECT_FALSE(copie.Detachable);
    EXPECT_EQ(copie.Rect.left, copie.OrgMarges().x);
}

TEST_F(CommonComponentTest, ExercisesAreDrawnOnlyOnceConstructed) {
    Jeton& j = nouveau(); // the document finishes the construction: one exercise
    EXPECT_EQ(j.generations, 1);
    EXPECT_EQ(j.tirage.size(), 3u);
    Jeton brut(&document_.Cadre(0));
    brut.RestaureStandard();
    Regle(brut, {"Valeur=5"});
    EXPECT_EQ(brut.generations, 0);
    brut.TermineConstruction();
    EXPECT_EQ(brut.tirage.size(), 5u);
    std::string message;
    EXPECT_FALSE(brut.ChangeOption("", "Tirer", message)); // an action: false, no message
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(brut.generations, 2);
}

// The exercise is saved after the block; a cut record fails and keeps what it read so far.
TEST_F(CommonComponentTest, SaveLoadAndCopyKeepTheExercise) {
    SeedRandom(42);
    Jeton& source = nouveau();
    Regle(source, {"Valeur=6"});
    TMemoryStream stream;
    ASSERT_TRUE(source.Sauve(stream));
    Jeton& lu = nouveau();
    lu.Version = 0;
    ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(lu.tirage, source.tirage);
    EXPECT_EQ(lu.Version, 2);
    EXPECT_EQ(dynamic_cast<const Jeton&>(*source.Copie()).tirage, source.tirage);
    std::vector<std::uint8_t> cut = stream.Bytes();
    cut.resize(cut.size() - 4);
    TMemoryStream shorter(cut);
    Jeton& partiel = nouveau();
    EXPECT_FALSE(partiel.Charge(shorter, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(partiel.tirage.size(), 5u);
}

} // namespace

TEST(EntierLibre, TheWholeNumberAtTheStartOrZero) {
    // clang-format off
    const std::pair<const char*, int> rows[] = {{"12 cm", 12}, {" -3", -3}, {"+4", 4}, {"1,5", 1},
        {"x", 0}, {"", 0}, {"+-1", 0}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}};
    // clang-format on
    for (const auto& [texte, valeur] : rows)
        EXPECT_EQ(Jeton::EntierLibre(texte), valeur) << texte;
}
