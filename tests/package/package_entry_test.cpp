#include "package/PackageEntry.h"

#include "host/Document.h"
#include "host/Palette.h"
#include "package/Fabrique.h"
#include "package/OperationConfig.h"
#include "package/Paquet.h"
#include "package/SavedSettings.h"
#include "package/StringTable.h"
#include "platform/StringList.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

TDllSpeedButton& button(const TTabSheet& page, int i) {
    auto* found = dynamic_cast<TDllSpeedButton*>(&page.Controls(i));
    EXPECT_NE(found, nullptr) << "control " << i << " is not a component button";
    return *found;
}

class PackageEntryTest : public ::testing::Test {
protected:
    SavedSettings settings;
    TPageControl palette;
};

} // namespace

// The arrow tool, then a button a kind; each button makes the catalogue's kind of its name.
TEST_F(PackageEntryTest, NewMathPageGetsAButtonPerKindSideBySide) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    TCadre& cadre = document.Cadre(document.AjoutePage(TPlanche(TPlanche::Format::A4, false)));
    palette.AddPage().Caption = "Standard";
    InstalleComposants(palette);

    ASSERT_EQ(palette.PageCount(), 2);
    TTabSheet& math = palette.Pages(1);
    const int buttons = int(TypesPaquet().size()) + 1;
    ASSERT_EQ(math.ControlCount(), buttons);
    for (int i = 0; i < buttons; ++i) {
        const TDllSpeedButton& b = button(math, i);
        SCOPED_TRACE("button " + std::to_string(i) + " " + b.Hint);
        EXPECT_EQ(b.Tag, i);
        EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Width, b.Height}),
                  (std::vector<int>{23 * i, 0, 23, 22}));
        // Flat, one of a group where one stays down, a hint.
        EXPECT_EQ((std::vector<int>{b.Flat, b.AllowAllUp, b.GroupIndex, b.ShowHint}),
                  (std::vector<int>{true, false, 1, true}));
        std::string bitmap;
        ChargeChaine(10 * (i + 1) + 2, bitmap);
        TPicture glyph;
        ASSERT_TRUE(ChargeBitmap(glyph, "palette/" + bitmap + ".png")) << bitmap;
        EXPECT_EQ(b.Glyph, glyph);
        if (i == 0)
            continue; // the arrow tool
        const TTypeComposant* type = catalogue.TrouveNom(b.NomComposant);
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(type->indexPalette, i);
        const std::unique_ptr<TComposant> made = b.CreeComposant(&cadre);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(std::tuple(made->NumeroType, made->NomType), std::tuple(type->numero, type->nom));
    }
    EXPECT_EQ(button(math, 0).NomComposant, "") << "the arrow tool names no kind";
    for (const int outside : {0, buttons, -1})
        EXPECT_EQ(CreerComposant(&cadre, outside), nullptr) << outside;
}

// A caption starting with ":" makes a button that creates nothing; strings are read as a
// 100-byte buffer holds them; the list ends at the first missing record.
TEST_F(PackageEntryTest, OddStringTables) {
    const std::string longCaption = std::string(98, 'a') + "é"; // 100 bytes
    const std::map<int, std::string> chaines{
        {10, "Outils"}, {11, ":Réglages"}, {12, "BM_FLECHE"},  {13, "30"},
        {20, "Outils"}, {21, ":"},         {22, ""},           {23, " 7 boutons"},
        {30, "Outils"}, {31, longCaption}, {32, "BM_INCONNU"}, // no index
        {50, "Outils"}, {51, "Jamais lu"}};                    // after the missing record 40
    InstalleComposants(palette, [&](int id, std::string& texte) {
        const auto found = chaines.find(id);
        if (found != chaines.end())
            texte = found->second;
        return found != chaines.end();
    });
    ASSERT_EQ(palette.PageCount(), 1);
    const TTabSheet& page = palette.Pages(0);
    ASSERT_EQ(page.ControlCount(), 3);
    const std::tuple<std::string, bool, int> attendus[] = {
        {"Réglages", false, 30}, {"", false, 7}, {std::string(98, 'a'), true, 0}};
    for (int i = 0; i < 3; ++i) {
        const TDllSpeedButton& b = button(page, i);
        EXPECT_EQ(std::tuple(b.Hint, b.Fabrique != nullptr, b.Tag), attendus[i]) << i;
        EXPECT_EQ(b.ShowHint, !b.Hint.empty()) << i;
    }
    EXPECT_EQ(button(page, 0).Glyph.Width(), 16);
    EXPECT_TRUE(button(page, 2).Glyph.Empty()) << "unknown glyph";
}

TEST_F(PackageEntryTest, ReadsTheRegistryValueOnlyWhenThereIsAGoodOne) {
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6) << "no key";
    EXPECT_FALSE(TexteInfo(TvlOperation::InfoMult).empty());

    PutRegistryKey();
    TvlOperation::MultChiffresMax = 8;
    const std::pair<const char*, int> valeurs[] = {{"", 8}, {"beaucoup", 8}, {"9", 9}};
    for (const auto& [valeur, attendu] : valeurs) {
        if (*valeur != '\0')
            PutRegistryValue(valeur);
        InstalleComposants(palette);
        EXPECT_EQ(TvlOperation::MultChiffresMax, attendu) << valeur;
    }
    PutRegistryValue("3");
    RegPath() = "";
    InstalleComposants(palette);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 9) << "the host has no key";
}

// The command added to the host's menu opens the operation settings dialog, and only for
// that kind.
TEST_F(PackageEntryTest, OptionsCommandOpensTheOperationDialogOnly) {
    TTestUi ui;
    TScopedUi scoped(ui);
    TvlOperation::MultChiffresMax = 8;
    ui.forms["OperationConfig"] = [&](TFormModel& model) {
        auto& config = dynamic_cast<TOperationConfigModel&>(model);
        EXPECT_EQ(config.Valeur, 8u);
        config.Valeur = 5;
        return config.btOkClick();
    };
    for (const char* autre : {"Graphe", "operation", ""})
        DialogueOptions(autre);
    EXPECT_TRUE(ui.shown.empty());
    TStringList items;
    AjouteItem(items);
    ASSERT_EQ(items.Count(), 1);
    EXPECT_EQ(items[0], "Opération");
    ASSERT_NE(items.Objects(0), nullptr);
    reinterpret_cast<TDialogueOptions>(items.Objects(0))(items[0]);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 5);
}
