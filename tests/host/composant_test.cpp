#include "host/Composant.h"
#include "host/Palette.h"
#include "host/Planche.h"
#include "host/PropForm.h"
#include "host/Stream.h"
#include "platform/RecordingCanvas.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A kind with a small options block, as package kinds have.
class Pastille : public TComposant {
public:
    struct Bloc {
        std::int32_t couleur = 0x123456;
        std::int16_t rayon = 40;
        std::int16_t reserve = 0;
    };
    static_assert(sizeof(Bloc) == 8);

    explicit Pastille(TCadre* cadre) : TComposant(cadre) {
        NomType = "Pastille";
        Version = 2;
        Rect.ChangeSize(TailleCreation());
        CalculerPoignees();
    }
    Pastille(const Pastille&) = default;

    Bloc bloc;
    void* Options(int& taille) override {
        taille = int(sizeof bloc);
        return &bloc;
    }
    std::unique_ptr<TComposant> Copie() const override { return std::make_unique<Pastille>(*this); }
    std::string NomProp() const override { return "PastilleProp"; }
    vlSize TailleCreation() const override { return {300, 200}; }
};

struct Page {
    TPlanche planche{TPlanche::Format::A4, false};
    TCadre cadre{&planche, nullptr};
    Page() {
        planche.Marges = {100, 150, 100, 100};
        cadre.Rect = planche.ZoneUtile();
    }
};

TEST(Composant, NewComponentSitsAtTheMarginOriginAndHitsItsHandlesWhenSelected) {
    Page page;
    Pastille p(&page.cadre);
    EXPECT_EQ(p.Rect, (vlRect{100, 150, 400, 350}));
    EXPECT_EQ(p.OrgMarges(), (vlPoint{100, 150}));
    ASSERT_EQ(p.Poignees().size(), 8u);
    EXPECT_EQ(p.Poignees()[0], (vlRect{90, 140, 110, 160}));
    EXPECT_EQ(p.Poignees()[4], (vlRect{390, 340, 410, 360}));
    // The far corner is outside the body; handles count only once selected.
    const auto hits = [&] {
        return std::vector<int>{p.HitTest({400, 350}), p.HitTest({200, 200}), p.HitTest({100, 150}),
                                p.HitTest({405, 345}), p.HitTest({100, 250})};
    };
    EXPECT_EQ(hits(), (std::vector<int>{HIT_RIEN, HIT_CORPS, HIT_CORPS, HIT_RIEN, HIT_CORPS}));
    p.Selectionne = true;
    EXPECT_EQ(hits(), (std::vector<int>{5, HIT_CORPS, 1, 5, 8}));
    EXPECT_EQ(p.Curseur(5), CURSEUR_DIAG_NO_SE);
    EXPECT_EQ(p.Curseur(HIT_CORPS), CURSEUR_DEPLACE);
}

TEST(Composant, GeometryKeysInCentimetresWithinTheFrame) {
    Page page;
    Pastille p(&page.cadre);
    std::string message;
    // Frame width 1900: the left edge can go from 0 to 1900 - 300 = 1600.
    EXPECT_TRUE(p.ChangeOption("16", "Gauche", message)) << message;
    EXPECT_EQ(p.Rect.left, 1700);
    EXPECT_FALSE(p.ChangeOption("16,01", "Gauche", message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(p.Rect.left, 1700);
    EXPECT_TRUE(p.ChangeOption("2,5", "Haut", message));
    EXPECT_EQ(p.Rect.top, 400);
    EXPECT_TRUE(p.ChangeOption("0", "Largeur", message));
    EXPECT_EQ(p.Rect.Width(), 0);
    EXPECT_FALSE(p.ChangeOption("19,5", "Largeur", message));
    message.clear();
    EXPECT_FALSE(p.ChangeOption("3", "gauche", message)); // keys are case-sensitive
    EXPECT_TRUE(message.empty());
}

TEST(Composant, ChangeCoordsKeepsTheComponentOnThePage) {
    Page page;
    Pastille p(&page.cadre);
    p.ChangeCoords({2000, 2900, 2300, 3100});
    EXPECT_EQ(p.Rect, (vlRect{1800, 2770, 2100, 2970}));
    p.ChangeCoords({-50, 10, 2500, 20});
    EXPECT_EQ(p.Rect, (vlRect{0, 10, 2100, 20}));
}

TEST(Composant, MouseMovesSnapToTheGridResizeAndCreate) {
    Page page;
    page.planche.Pas = {50, 50};
    page.planche.OrgGrille = {0, 0};
    Pastille p(&page.cadre);
    TRecordingCanvas canvas;
    p.InitModif(canvas, {200, 200}, HIT_CORPS);
    p.BougeMotif(canvas, {262, 231}, true);
    p.StopModif(canvas, true);
    // Moved by (62, 31) from (100, 150): the origin snaps to the nearest grid line.
    EXPECT_EQ(p.Rect, (vlRect{150, 200, 450, 400}));
    const auto bands = canvas.Of(TDrawCall::Op::Rectangle);
    ASSERT_EQ(bands.size(), 4u); // drawn, erased, drawn, erased
    for (const TDrawCall& band : bands)
        EXPECT_EQ(band.pen.Mode, pmNotXor);
    EXPECT_EQ(bands[0].args, bands[1].args);
    EXPECT_EQ(bands[2].args, bands[3].args);

    // Dragging the handle at the middle of the right side moves that side only, to the grid.
    p.Selectionne = true;
    p.InitModif(canvas, {450, 300}, 4);
    p.BougeMotif(canvas, {530, 999}, true);
    p.StopModif(canvas, true);
    EXPECT_EQ(p.Rect, (vlRect{150, 200, 550, 400}));

    // A creation click without a drag gives the creation size at the snapped point.
    Pastille created(&page.cadre);
    created.InitModifCreation(canvas, {523, 677});
    created.StopModifCreation(canvas, true);
    EXPECT_EQ(created.Rect, (vlRect{500, 650, 800, 850}));
}

TEST(Composant, SaveAndLoadTheHeaderAndBlock) {
    Page page;
    Pastille source(&page.cadre);
    source.ChangeNom("P1");
    source.ChangeIdentifiant(77);
    source.Detachable = true;
    source.ModifActivable(false);
    source.bloc.rayon = 99;
    source.ChangeCoords({300, 300, 500, 600});
    TMemoryStream stream;
    ASSERT_TRUE(source.Sauve(stream));

    Pastille copy(&page.cadre);
    copy.Version = 0;
    stream.Rewind();
    ASSERT_TRUE(copy.Charge(stream, nullptr, &page.cadre));
    EXPECT_EQ(stream.Position(), stream.Bytes().size());
    EXPECT_EQ(std::tuple(copy.Nom(), copy.Identifiant(), copy.Version, copy.Detachable,
                         copy.Activable(), copy.bloc.rayon, copy.Rect),
              std::tuple("P1", 77u, 2, true, false, 99, vlRect{300, 300, 500, 600}));

    // Every shorter prefix fails cleanly.
    for (std::size_t n = 0; n < stream.Bytes().size(); ++n) {
        TMemoryStream truncated(
            std::vector<std::uint8_t>(stream.Bytes().begin(), stream.Bytes().begin() + long(n)));
        Pastille target(&page.cadre);
        EXPECT_FALSE(target.Charge(truncated, nullptr, &page.cadre)) << n;
    }
}

TEST(Composant, CopiesKeepSettingsButNotIdentityOrLinksAndLinksEndWithAPartner) {
    Page page;
    Pastille source(&page.cadre);
    Pastille other(&page.cadre);
    source.ChangeNom("P1");
    source.ChangeIdentifiant(5);
    source.bloc.couleur = 0xFF;
    source.EnregistreRecepteur(&other);
    const std::unique_ptr<TComposant> copy = source.Copie();
    const auto& pastille = dynamic_cast<const Pastille&>(*copy);
    EXPECT_EQ(std::tuple(pastille.bloc.couleur, copy->Rect, copy->Nom(), copy->Identifiant()),
              std::tuple(0xFF, source.Rect, "", 0u));
    EXPECT_TRUE(copy->Recepteurs.empty());

    // A link is kept once, and forgotten when the partner disappears.
    source.EnregistreRecepteur(&other);
    other.EnregistreEmetteur(&source);
    EXPECT_EQ(source.Recepteurs.size(), 1u);
    other.SignaleDisparition(&source);
    source.SignaleDisparition(&other);
    EXPECT_TRUE(source.Recepteurs.empty());
    EXPECT_TRUE(other.Emetteurs.empty());
}

// A property window with one edit, tied to "Gauche".
class FenetrePastille : public TPropForm {
public:
    explicit FenetrePastille(TComposant* c)
        : TPropForm(c, "PastilleProp", {"Gauche", "Haut", "Largeur", "Hauteur"}) {}
    std::string edGauche;
    int refreshes = 0;

protected:
    void RemplirControles() override {
        ++refreshes;
        edGauche = std::to_string((Composant()->Rect.left - Composant()->OrgMarges().x) / 100);
        // A refresh sets controls; their change events must send nothing meanwhile.
        EXPECT_FALSE(EcrireOptions(0, "3"));
    }
};

class Dock : public TPropDock {
public:
    std::vector<std::unique_ptr<FenetrePastille>> windows;
    TPropForm* Trouve(const std::string& nom) override {
        for (auto& w : windows)
            if (w->Nom() == nom)
                return w.get();
        return nullptr;
    }
    TPropForm* Cree(const std::string&, TComposant& c) override {
        windows.push_back(std::make_unique<FenetrePastille>(&c));
        windows.back()->FormCreate();
        return windows.back().get();
    }
};

TEST(PropForm, RefusalShowsTheMessageAndRefreshesTheControl) {
    TTestUi ui;
    TScopedUi scoped(ui);
    Page page;
    Pastille p(&page.cadre);
    FenetrePastille window(&p);
    int changes = 0;
    window.OnChange = [&] { ++changes; };
    window.edGauche = "99";
    EXPECT_FALSE(window.EcrireOptions(0, "99"));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "ERREUR");
    EXPECT_EQ(window.edGauche, "0");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(window.EcrireOptions(0, "2"));
    EXPECT_EQ(p.Rect.left, 300);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(window.EcrireOptions(7, "1")); // no such key index
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(PropForm, OneDockedWindowPerKindIsReused) {
    Page page;
    Pastille a(&page.cadre);
    Pastille b(&page.cadre);
    b.ChangeCoords({600, 150, 700, 250});
    Dock dock;
    TPropForm* first = a.CreerFenetreProp(&dock);
    TPropForm* second = b.CreerFenetreProp(&dock);
    EXPECT_EQ(first, second);
    EXPECT_EQ(dock.windows.size(), 1u);
    EXPECT_EQ(second->Composant(), &b);
    EXPECT_EQ(dock.windows[0]->edGauche, "5");
    EXPECT_EQ(a.CreerFenetreProp(nullptr), nullptr);
}

// A palette button makes its component through the package's factory, with its tag.
TCadre* factoryFrame = nullptr;
int factoryIndex = -1;
std::unique_ptr<TComposant> recordingFactory(TCadre* cadre, int index) {
    factoryFrame = cadre;
    factoryIndex = index;
    return std::make_unique<Pastille>(cadre);
}

TEST(Palette, ButtonCallsItsFactoryWithItsTag) {
    Page page;
    TDllSpeedButton button;
    EXPECT_EQ(button.CreeComposant(&page.cadre), nullptr); // no factory
    button.Fabrique = &recordingFactory;
    button.Tag = 12;
    EXPECT_NE(button.CreeComposant(&page.cadre), nullptr);
    EXPECT_EQ(factoryFrame, &page.cadre);
    EXPECT_EQ(factoryIndex, 12);
}

} // namespace
