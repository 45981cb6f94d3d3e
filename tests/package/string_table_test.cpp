#include "package/Paquet.h"
#include "package/StringTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string chaine(int id) {
    std::string texte = "<absent>";
    ChargeChaine(id, texte);
    return texte;
}

} // namespace

// Seventeen palette records of four strings (page, caption, glyph, index), then the end mark;
// other identifiers leave the text alone.
TEST(StringTable, HoldsTheSeventeenPaletteRecordsThenTheEnd) {
    for (int base = 10; base <= 170; base += 10) {
        EXPECT_EQ(chaine(base), "Math") << base;
        EXPECT_EQ(chaine(base + 2).rfind("BM_", 0), 0u) << base;
        EXPECT_EQ(std::atoi(chaine(base + 3).c_str()), base / 10 - 1) << base;
    }
    EXPECT_EQ(chaine(11), "Sélection"); // the arrow tool first
    EXPECT_EQ(chaine(180), "*");        // the end mark
    for (const int id : {0, 9, 14, 181, 190, -10}) {
        std::string texte = "avant";
        EXPECT_FALSE(ChargeChaine(id, texte)) << id;
        EXPECT_EQ(texte, "avant") << id;
    }
}

// The command line knows the kinds by the catalogue: both must name them alike.
TEST(StringTable, AgreesWithThePackageCatalogue) {
    const TCatalogue catalogue = CataloguePaquet();
    int paletteKinds = 0;
    for (const TTypeComposant& type : catalogue.Types())
        if (type.indexPalette >= 0)
            ++paletteKinds;
    EXPECT_EQ(paletteKinds, 16);
    for (int base = 20; base <= 170; base += 10) {
        const int index = std::atoi(chaine(base + 3).c_str());
        const TTypeComposant* type = catalogue.TrouveNom(chaine(base + 1));
        ASSERT_NE(type, nullptr) << chaine(base + 1);
        EXPECT_EQ(type->indexPalette, index) << type->nom;
    }
    EXPECT_EQ(catalogue.TrouveNom("Sélection"), nullptr) << "the arrow tool is no kind";
}
