// Every colour key of every kind takes the hexadecimal form that `mathsheet keys` shows.
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"

#include "host/Composant.h"
#include "host/Document.h"
#include "package/Paquet.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(ColourKeys, EveryKindReadsHexadecimalAndDecimalColours) {
    const TCatalogue catalogue = CataloguePaquet();
    int checked = 0;
    for (const TTypeComposant& type : catalogue.Types()) {
        for (std::size_t i = 0; i < type.table.size(); ++i) {
            const Cle& cle = type.table[i];
            if (cle.lecture != Lecture::Couleur)
                continue;
            for (const auto& [texte, valeur] :
                 {std::pair{"0xFFCC99", 0xFFCC99}, std::pair{"255", 255}}) {
                SCOPED_TRACE(type.nom + " " + type.cles[i] + " = " + texte);
                const std::string sheetText =
                    "[" + type.nom + "]\n" + type.cles[i] + " = " + texte + "\n";
                Sheet sheet;
                std::string error;
                ASSERT_TRUE(ParseSheet(sheetText, "f.txt", sheet, error)) << error;
                TDocument document(catalogue);
                SeedRandom(1);
                ASSERT_TRUE(BuildDocument(sheet, document, error)) << error;
                int taille = 0;
                TComposant& composant = document.Composant(0);
                EXPECT_EQ(cle.champ(composant.Options(taille)).entier.Get(), valeur);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}
