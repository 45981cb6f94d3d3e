#include "package/PackageEntry.h"

#include "host/Composant.h"
#include "host/Document.h"
#include "host/Palette.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "package/Fabrique.h"
#include "package/OperationConfig.h"
#include "package/Paquet.h"
#include "package/SavedSettings.h"
#include "platform/StringList.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

TSourceChaines tableOf(std::map<int, std::string> table) {
    return [table = std::move(table)](int id, std::string& texte) {
        const auto found = table.find(id);
        if (found == table.end())
            return false;
        texte = found->second;
        return true;
    };
}

TDllSpeedButton& button(const TTabSheet& page, int i) {
    auto* found = dynamic_cast<TDllSpeedButton*>(&page.Controls(i));
    EXPECT_NE(found, nullptr) << "control " << i << " is not a component button";
    return *found;
}

std::vector<const TControl*> controlsOf(const TTabSheet& page) {
    std::vector<const TControl*> controls;
    for (int i = 0; i < page.ControlCount(); ++i)
        controls.push_back(&page.Controls(i));
    return controls;
}

TControl& addControl(TTabSheet& page, int left, int width, int tag) {
    TControl& control = page.AddControl(std::make_unique<TControl>());
    control.Left = left;
    control.Width = width;
    control.Tag = tag;
    control.Hint = "autre paquet";
    return control;
}

class PackageEntryTest : public ::testing::Test {
protected:
    SavedSettings settings;
    TPageControl palette;
};

} // namespace

TEST_F(PackageEntryTest, NewMathPageGetsSeventeenButtonsSideBySide) {
    palette.AddPage().Caption = "Standard";
    InstalleComposants(palette);

    ASSERT_EQ(palette.PageCount(), 2);
    const TTabSheet& math = palette.Pages(1);
    EXPECT_EQ(math.Caption, "Math");
    ASSERT_EQ(math.ControlCount(), 17);
    for (int i = 0; i < 17; ++i) {
        const TDllSpeedButton& b = button(math, i);
        SCOPED_TRACE("button " + std::to_string(i) + " " + b.Hint);
        EXPECT_EQ(b.Tag, i);
        EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Width, b.Height}),
                  (std::vector<int>{23 * i, 0, 23, 22}));
        // Flat, one of a group where one stays down, no caption, a hint.
        EXPECT_EQ((std::vector<int>{b.Flat, b.AllowAllUp, b.GroupIndex, b.ShowHint}),
                  (std::vector<int>{true, false, 1, true}));
        EXPECT_EQ(b.Caption, "");
        EXPECT_EQ(b.Fabrique, &CreerComposant);
        std::string bitmap;
        ChargeChaine(10 * (i + 1) + 2, bitmap);
        TPicture glyph;
        ASSERT_TRUE(ChargeBitmap(glyph, "palette/" + bitmap + ".png")) << bitmap;
        EXPECT_EQ(b.Glyph, glyph);
    }
    EXPECT_EQ(button(math, 0).Hint, "Sélection");
    EXPECT_EQ(button(math, 0).NomComposant, "") << "the arrow tool names no kind";
    EXPECT_EQ(button(math, 1).Hint, "Opération");
    EXPECT_EQ(button(math, 1).NomComposant, "Opération");
    EXPECT_EQ(button(math, 13).NomComposant, "Masses marquées");
    EXPECT_EQ(button(math, 16).NomComposant, "Sudoku");
}

TEST_F(PackageEntryTest, SecondRunReusesPageAndButtonsAndRefreshesThem) {
    InstalleComposants(palette);
    ASSERT_EQ(palette.PageCount(), 1);
    TTabSheet& math = palette.Pages(0);
    const std::vector<const TControl*> first = controlsOf(math);
    TDllSpeedButton& moved = button(math, 5);
    moved.Left = 400;
    moved.Hint = "changé";
    moved.Fabrique = nullptr;
    moved.Glyph.Clear();

    InstalleComposants(palette);
    EXPECT_EQ(palette.PageCount(), 1);
    EXPECT_EQ(controlsOf(math), first);
    EXPECT_EQ(moved.Left, 400) << "a button found again keeps its place";
    EXPECT_EQ(moved.Hint, "Camembert");
    EXPECT_EQ(moved.Fabrique, &CreerComposant);
    EXPECT_EQ(moved.Glyph.Width(), 16);
}

TEST_F(PackageEntryTest, ExistingControlsOfTheMathPageShiftTheNewButtons) {
    addControl(palette.AddPage(), 0, 300, 50).Tag = 50; // another page: no effect
    palette.Pages(0).Caption = "Standard";
    TTabSheet& math = palette.AddPage();
    math.Caption = "Math";
    addControl(math, 10, 35, 99);                  // right edge 45
    TControl& foreign = addControl(math, 0, 5, 3); // same tag as "Forme", not a button
    palette.AddPage().Caption = "Math";            // a later page of the same name is ignored

    InstalleComposants(palette);

    EXPECT_EQ(palette.Pages(0).ControlCount(), 1);
    EXPECT_EQ(palette.Pages(2).ControlCount(), 0);
    ASSERT_EQ(math.ControlCount(), 2 + 17);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(button(math, 2 + i).Left, 45 + 23 * i) << "button " << i;
    EXPECT_EQ(button(math, 2 + 3).Hint, "Forme") << "the foreign control is not reused";
    EXPECT_EQ(foreign.Hint, "autre paquet");
}

TEST_F(PackageEntryTest, ColonCaptionMakesAButtonWithoutFactory) {
    InstalleComposants(palette, tableOf({{10, "Outils"},
                                         {11, ":Réglages"},
                                         {12, "BM_FLECHE"},
                                         {13, "30"},
                                         {20, "Outils"},
                                         {21, ":"},
                                         {22, ""},
                                         {23, "31"},
                                         {30, "*"}}));
    ASSERT_EQ(palette.PageCount(), 1);
    const TTabSheet& page = palette.Pages(0);
    EXPECT_EQ(page.Caption, "Outils");
    ASSERT_EQ(page.ControlCount(), 2);

    const TDllSpeedButton& reglages = button(page, 0);
    EXPECT_EQ(reglages.Hint, "Réglages");
    EXPECT_TRUE(reglages.ShowHint);
    EXPECT_EQ(reglages.NomComposant, "Réglages");
    EXPECT_EQ(reglages.Fabrique, nullptr);
    EXPECT_EQ(reglages.CreeComposant(nullptr), nullptr);
    EXPECT_EQ(reglages.Glyph.Width(), 16);

    const TDllSpeedButton& bare = button(page, 1);
    EXPECT_EQ(bare.Hint, "");
    EXPECT_FALSE(bare.ShowHint);
    EXPECT_EQ(bare.Fabrique, nullptr);
    EXPECT_TRUE(bare.Glyph.Empty());
    EXPECT_EQ(bare.Left, 23);
}

TEST_F(PackageEntryTest, MissingOrOddStringsAreReadAsTheBufferWould) {
    const std::string longCaption = std::string(98, 'a') + "é"; // 100 bytes
    InstalleComposants(palette, tableOf({{10, "Math"},
                                         {12, "BM_INCONNU"},
                                         {13, " 7 boutons"},
                                         {20, "Math"},
                                         {21, longCaption},
                                         // record 30 is missing: the list ends there
                                         {40, "Math"},
                                         {41, "Jamais lu"},
                                         {43, "9"}}));
    ASSERT_EQ(palette.PageCount(), 1);
    const TTabSheet& math = palette.Pages(0);
    ASSERT_EQ(math.ControlCount(), 2);

    const TDllSpeedButton& first = button(math, 0);
    EXPECT_EQ(first.Tag, 7);
    EXPECT_EQ(first.Hint, "");
    EXPECT_FALSE(first.ShowHint);
    EXPECT_TRUE(first.Glyph.Empty()) << "unknown glyph";

    const TDllSpeedButton& second = button(math, 1);
    EXPECT_EQ(second.Tag, 0) << "no index text";
    EXPECT_EQ(second.Hint, std::string(98, 'a')) << "cut to 99 bytes without half a character";
}

// Each kind built so far names itself as its button does (the ini section and the hint agree).
TEST_F(PackageEntryTest, ButtonsCreateComponentsOfTheirKindAndNothingElse) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    TCadre& cadre = document.Cadre(document.AjoutePage(TPlanche(TPlanche::Format::A4, false)));
    InstalleComposants(palette);
    for (int i = 1; i <= 16; ++i) {
        const TDllSpeedButton& b = button(palette.Pages(0), i);
        const TTypeComposant* type = catalogue.TrouveNom(b.NomComposant);
        ASSERT_NE(type, nullptr) << b.NomComposant;
        const std::unique_ptr<TComposant> made = b.CreeComposant(&cadre);
        EXPECT_EQ(made != nullptr, bool(type->cree)) << b.NomComposant;
        if (made == nullptr)
            continue;
        EXPECT_EQ(made->NomType, b.NomComposant);
        EXPECT_EQ(made->NumeroType, type->numero) << b.NomComposant;
    }
    for (const int outside : {0, 17, -1})
        EXPECT_EQ(CreerComposant(&cadre, outside), nullptr) << outside;
    EXPECT_EQ(button(palette.Pages(0), 0).CreeComposant(&cadre), nullptr) << "arrow tool";
}

TEST_F(PackageEntryTest, ReadsTheRegistryValueOnlyWhenThereIsAGoodOne) {
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6) << "no key";
    EXPECT_NE(TvlOperation::InfoMult, 0);
    EXPECT_EQ(TvlOperation::InfoMult, EnregistreInfo("InfoMult", "", 0));
    EXPECT_FALSE(TexteInfo(TvlOperation::InfoMult).empty());

    PutRegistryKey();
    TvlOperation::MultChiffresMax = 8;
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 8) << "no value";
    PutRegistryValue("beaucoup");
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 8) << "not a number";
    PutRegistryValue("9");
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 9);
    PutRegistryValue("3");
    RegPath() = "";
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 9) << "the host has no key";
}

TEST_F(PackageEntryTest, OptionsCommandOpensTheOperationDialogOnly) {
    TTestUi ui;
    TScopedUi scoped(ui);
    TvlOperation::MultChiffresMax = 8;
    std::uint32_t shownValue = 0;
    ui.forms["OperationConfig"] = [&](TFormModel& model) {
        auto& config = dynamic_cast<TOperationConfigModel&>(model);
        shownValue = config.Valeur;
        config.Valeur = 5;
        return config.btOkClick();
    };

    DialogueOptions("Graphe");
    DialogueOptions("operation");
    DialogueOptions("");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(TvlOperation::MultChiffresMax, 8);

    DialogueOptions("Opération");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "form");
    EXPECT_EQ(ui.shown[0].title, "OperationConfig");
    EXPECT_EQ(shownValue, 8u);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 5);

    // The command added to the host's menu calls the same dialog.
    TStringList items;
    items.Add("Autre");
    AjouteItem(items);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items[1], "Opération");
    ASSERT_NE(items.Objects(1), nullptr);

    reinterpret_cast<TDialogueOptions>(items.Objects(1))(items[1]);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, "OperationConfig");
}
