// The pictures the coins, notes and masses load from the data folder: every one found, in its
// item's proportions, with at least 12 pixels a millimetre where zoom 100 draws it.
#include "money/EuroBillets.h"
#include "money/EuroPieces.h"
#include "money/Masses.h"
#include "pictures/PictureTest.h"

#include <set>

namespace {

class ImagesMonnaie : public PictureTest {
protected:
    // Checks the picture of each denomination the component loaded; a picture several
    // denominations share is checked against the largest (the first of them).
    template <class Kind> void Verifie(const Kind& c) {
        for (int i = 0; i < int(Kind::NbValeurs); ++i) {
            if (i > 0 && c.ImageDe(i) == c.ImageDe(i - 1))
                continue;
            const std::string nom = c.NomImage(c.ImageDe(i));
            const TPicture& image = c.Image(c.ImageDe(i));
            const vlSize taille = c.TailleArticle(i); // tenths of a millimetre
            noms_.insert(nom);
            ASSERT_FALSE(image.Empty()) << nom;
            EXPECT_GE(image.Width() * 10, 12 * taille.cx) << nom;
            EXPECT_GE(image.Height() * 10, 12 * taille.cy) << nom;
            const double proportions =
                double(image.Width()) * taille.cy / (double(image.Height()) * taille.cx);
            EXPECT_NEAR(proportions, 1.0, 0.02) << nom;
        }
    }

    std::set<std::string> noms_;
};

TEST_F(ImagesMonnaie, EveryLookOfEveryKindLoadsFittingPictures) {
    for (const char* aspect : {"0", "1", "2"})
        Verifie(Nouveau<TvlEuroPieces>("Euro pièces",
                                       {"NbPieces=1", std::string("AspectPieces=") + aspect}));
    for (const char* noirEtBlanc : {"0", "1"})
        for (const char* recto : {"0", "1"})
            Verifie(Nouveau<TvlEuroBillets>(
                "Euro billets", {"NbBillets=1", std::string("NoirEtBlanc=") + noirEtBlanc,
                                 std::string("RectoVerso=") + recto}));
    Verifie(Nouveau<TvlMasses>("Masses marquées", {"NbMasses=1"}));
    EXPECT_EQ(noms_.size(), 56u);
}

} // namespace
