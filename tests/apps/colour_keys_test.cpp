// Every colour key of every kind takes the hexadecimal form that `mathsheet keys` shows.
#include "AppTestSupport.h"

#include "host/Composant.h"
#include "package/Paquet.h"

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
                TDocument document(catalogue);
                ASSERT_EQ(BuildSheet("[" + type.nom + "]\n" + type.cles[i] + " = " + texte + "\n",
                                     document),
                          "");
                int taille = 0;
                EXPECT_EQ(cle.champ(document.Composant(0).Options(taille)).entier.Get(), valeur);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}
