#include "host/Composant.h"
#include "host/Planche.h"
#include "host/Stream.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A kind with a small options block, as package kinds have.
class Pastille : public TComposant {
public:
    struct Bloc {
        std::int32_t couleur = 0x123456;
        std::int32_t rayon = 40;
    };

    explicit Pastille(TCadre* cadre) : TComposant(cadre) {
        Version = 2;
        Rect.ChangeSize(TailleCreation());
        CalculerPoignees();
    }

    Bloc bloc;
    void* Options(int& taille) override {
        taille = int(sizeof bloc);
        return &bloc;
    }
    std::unique_ptr<TComposant> Copie() const override { return std::make_unique<Pastille>(*this); }
    vlSize TailleCreation() const override { return {300, 200}; }
};

// A component on an A4 page whose frame is the printable area, 1900 wide.
class ComposantTest : public ::testing::Test {
protected:
    ComposantTest() { cadre.Rect = planche.ZoneUtile(); }
    TPlanche planche = [] {
        TPlanche a4(TPlanche::Format::A4, false);
        a4.Marges = {100, 150, 100, 100};
        return a4;
    }();
    TCadre cadre{&planche, nullptr};
    Pastille p{&cadre};
    TRecordingCanvas canvas;
    std::string message;
};

TEST_F(ComposantTest, NewComponentSitsAtTheMarginOriginAndHitsItsHandlesWhenSelected) {
    EXPECT_EQ(p.Rect, (vlRect{100, 150, 400, 350}));
    // The far corner is outside the body; handles count only once selected.
    const auto hits = [&] {
        return std::vector<int>{p.HitTest({400, 350}), p.HitTest({200, 200}), p.HitTest({100, 150}),
                                p.HitTest({405, 345}), p.HitTest({100, 250})};
    };
    EXPECT_EQ(hits(), (std::vector<int>{HIT_RIEN, HIT_CORPS, HIT_CORPS, HIT_RIEN, HIT_CORPS}));
    p.Selectionne = true;
    EXPECT_EQ(hits(), (std::vector<int>{5, HIT_CORPS, 1, 5, 8}));
}

TEST_F(ComposantTest, GeometryKeysInCentimetresAndCoordinatesWithinTheFrame) {
    // The left edge can go from 0 to 1900 - 300; refusals explain and change nothing.
    EXPECT_TRUE(p.ChangeOption("16", "Gauche", message)) << message;
    EXPECT_FALSE(p.ChangeOption("16,01", "Gauche", message) || message.empty());
    EXPECT_TRUE(p.ChangeOption("2,5", "Haut", message));
    EXPECT_TRUE(p.ChangeOption("0", "Largeur", message));
    EXPECT_FALSE(p.ChangeOption("19,5", "Largeur", message));
    EXPECT_EQ(p.Rect, (vlRect{1700, 400, 1700, 600}));
    // Growing past the frame moves it back inside, where "Gauche" reads it again.
    EXPECT_TRUE(p.ChangeOption("18", "Largeur", message));
    EXPECT_EQ(p.Rect, (vlRect{200, 400, 2000, 600}));
    EXPECT_TRUE(p.ChangeOption("1", "Gauche", message)) << message;
    EXPECT_TRUE(p.ChangeOption("0", "Largeur", message));
    message.clear();
    EXPECT_FALSE(p.ChangeOption("3", "gauche", message)); // keys are case-sensitive
    EXPECT_TRUE(message.empty());
    p.ChangeCoords({2000, 2900, 2300, 3100});
    EXPECT_EQ(p.Rect, (vlRect{1700, 2670, 2000, 2870})); // bottom margin 100
    p.ChangeCoords({-50, 10, 2500, 20});
    EXPECT_EQ(p.Rect, (vlRect{100, 150, 2000, 160}));
}

TEST_F(ComposantTest, MouseMovesAndCreationsSnapToTheGrid) {
    planche.Pas = {50, 50};
    p.InitModif(canvas, {200, 200}, HIT_CORPS);
    p.BougeMotif(canvas, {262, 231}, true);
    p.StopModif(canvas, true);
    // Moved by (62, 31) from (100, 150): the origin snaps to the nearest grid line.
    EXPECT_EQ(p.Rect, (vlRect{150, 200, 450, 400}));
    // The band is drawn and erased in turn, inverting the screen.
    const auto bands = canvas.Of(TDrawCall::Op::Rectangle);
    ASSERT_EQ(bands.size(), 4u);
    for (std::size_t i = 0; i < bands.size(); ++i)
        EXPECT_EQ(std::pair(bands[i].pen.Mode, bands[i].args),
                  std::pair(pmNotXor, bands[i ^ 1].args));
    // A creation click without a drag gives the creation size at the snapped point.
    Pastille created(&cadre);
    created.InitModifCreation(canvas, {523, 677});
    created.StopModifCreation(canvas, true);
    EXPECT_EQ(created.Rect, (vlRect{500, 650, 800, 850}));
}

TEST_F(ComposantTest, SaveAndLoadTheHeaderAndBlockAndEveryShorterPrefixFails) {
    p.ChangeNom("P1");
    p.ChangeIdentifiant(77);
    p.Detachable = true;
    p.ModifActivable(false);
    p.bloc.rayon = 99;
    p.ChangeCoords({300, 300, 500, 600});
    TMemoryStream stream;
    ASSERT_TRUE(p.Sauve(stream));
    Pastille copy(&cadre);
    copy.Version = 0;
    ASSERT_TRUE(copy.Charge(stream, nullptr, &cadre));
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(std::tuple(copy.Nom(), copy.Identifiant(), copy.Version, copy.Detachable,
                         copy.Activable(), copy.bloc.rayon, copy.Rect),
              std::tuple("P1", 77u, 2, true, false, 99, vlRect{300, 300, 500, 600}));
    const Bytes& bytes = stream.Bytes();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        TMemoryStream truncated(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(n)));
        EXPECT_FALSE(Pastille(&cadre).Charge(truncated, nullptr, &cadre)) << n;
    }
}

// The document's tests check that links end with a partner.
TEST_F(ComposantTest, CopiesKeepSettingsButNotIdentityOrLinks) {
    Pastille other(&cadre);
    p.ChangeNom("P1");
    p.ChangeIdentifiant(5);
    p.bloc.couleur = 0xFF;
    p.EnregistreRecepteur(&other);
    p.EnregistreRecepteur(&other); // kept once
    EXPECT_EQ(p.Recepteurs.size(), 1u);
    const std::unique_ptr<TComposant> copy = p.Copie();
    EXPECT_EQ(std::tuple(dynamic_cast<const Pastille&>(*copy).bloc.couleur, copy->Rect, copy->Nom(),
                         copy->Identifiant(), copy->Recepteurs.size()),
              std::tuple(0xFF, p.Rect, "", 0u, 0u));
}

} // namespace
