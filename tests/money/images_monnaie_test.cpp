// The pictures the coins, notes and masses load: every one found, in its item's proportions,
// with at least 12 pixels a millimetre where zoom 100 draws it.
#include "money/EuroBillets.h"
#include "money/EuroPieces.h"
#include "money/Masses.h"
#include "pictures/PictureTest.h"

namespace {

struct ImagesMonnaie : PictureTest {
    // A picture several denominations share is checked against the largest, the first of them.
    template <class Kind> void Verifie(const Kind& c) {
        for (int i = 0; i < int(Kind::NbValeurs); ++i) {
            const int slot = c.ImageDe(i);
            if (i > 0 && slot == c.ImageDe(i - 1))
                continue;
            SCOPED_TRACE(c.NomImage(slot));
            const TPicture& image = c.Image(slot);
            const vlSize t = c.TailleArticle(i); // tenths of a millimetre
            EXPECT_GE(std::min(image.Width() * 10 - 12 * t.cx, image.Height() * 10 - 12 * t.cy), 0);
            EXPECT_NEAR(double(image.Width()) * t.cy / (double(image.Height()) * t.cx), 1, 0.02);
        }
    }
};

TEST_F(ImagesMonnaie, EveryLookOfEveryKindLoadsFittingPictures) {
    for (const std::string aspect : {"0", "1", "2"})
        Verifie(Nouveau<TvlEuroPieces>("Euro pièces", {"NbPieces=1", "AspectPieces=" + aspect}));
    for (int k = 0; k < 4; ++k) // black and white or not, verso or recto
        Verifie(Nouveau<TvlEuroBillets>("Euro billets",
                                        {"NbBillets=1", "NoirEtBlanc=" + std::to_string(k / 2),
                                         "RectoVerso=" + std::to_string(k % 2)}));
    Verifie(Nouveau<TvlMasses>("Masses marquées", {"NbMasses=1"}));
}

} // namespace
