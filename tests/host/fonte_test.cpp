#include "host/Fonte.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

Fonte make(const std::string& nom, int taille, TColor couleur, std::uint8_t style) {
    Fonte f;
    f.ChangeNom(nom);
    f.Taille = taille;
    f.Couleur = couleur;
    f.Style = style;
    return f;
}

// Read in turn into one font: every field; then empty or missing fields keep the current
// values, and style words come in any case, with or without accents, or as a number.
TEST(Fonte, TextFormRoundTripsAndReadingKeepsMissingFields) {
    const std::string every = "Écolier,12,255,gras+italique+souligne+barre";
    const std::pair<std::string, Fonte> steps[] = {
        {every, make("Écolier", 12, 255, fsBold | fsItalic | fsUnderline | fsStrikeOut)},
        {",16", make("Écolier", 16, 255, fsBold | fsItalic | fsUnderline | fsStrikeOut)},
        {" Arial , , 8421504 , normal", make("Arial", 16, 0x808080, 0)},
        {"", make("Arial", 16, 0x808080, 0)},
        {",,,GRAS + Souligné+barré",
         make("Arial", 16, 0x808080, fsBold | fsUnderline | fsStrikeOut)},
        {",,,SOULIGNÉ+Italique", make("Arial", 16, 0x808080, fsUnderline | fsItalic)},
        {",,,5", make("Arial", 16, 0x808080, fsBold | fsUnderline)}};
    Fonte f = make("Andika", 14, 0, 0);
    for (const auto& [text, expected] : steps) {
        ASSERT_TRUE(f.FromString(text)) << text;
        EXPECT_EQ(f, expected) << text;
    }
    EXPECT_EQ(steps[0].second.ToString(), every);
    EXPECT_EQ(steps[2].second.ToString(), "Arial,16,8421504,normal");
}

TEST(Fonte, ColourByNameOrWebForm) {
    Fonte f = make("Andika", 14, 0, fsItalic);
    ASSERT_TRUE(f.FromString("Arial,12,bleu ciel"));
    EXPECT_EQ(f.Couleur, 0xEBCE87);
    ASSERT_TRUE(f.FromString(",,#00FF00"));
    EXPECT_EQ(f.Couleur, 0x00FF00);
}

TEST(Fonte, MalformedFieldsChangeNothing) {
    const Fonte start = make("Andika", 14, 0, fsItalic);
    for (const char* text :
         {"Arial,douze", "Arial,0", "Arial,1000", "Arial,12,-1", "Arial,12,16777216",
          "Arial,12,pourpre", "Arial,12,0,gras+ombre", "Arial,12,0,16", "Arial,12,0,gras,x",
          "Arial,12,0,gras+", "Arial,1 2"}) {
        Fonte f = start;
        EXPECT_FALSE(f.FromString(text)) << text;
        EXPECT_EQ(f, start) << text;
    }
}

TEST(Fonte, NamesAreCutAtACharacterBoundary) {
    Fonte f;
    f.ChangeNom(std::string(40, 'a'));
    EXPECT_EQ(f.NomPolice(), std::string(31, 'a'));
    // 30 bytes then a 2-byte letter: keeping 31 bytes would cut the letter in half.
    f.ChangeNom(std::string(30, 'b') + "é");
    EXPECT_EQ(f.NomPolice(), std::string(30, 'b'));
    f.ChangeNom("Arial");
    EXPECT_EQ(f.Nom[6], '\0'); // no remains of the longer name
}

// The clock's tests check fonts on paper (254 pixels per inch); on screen, 14 pt at 96 per inch
// is 18 pixels (whole division) and back.
TEST(Fonte, CopiesAndRestoresScreenFonts) {
    TFont screen;
    screen.PixelsPerInch = 96;
    make("Andika", 14, clRed, fsBold | fsItalic).Restaure(screen);
    EXPECT_EQ(std::tuple(screen.Name, screen.Height, screen.Color, screen.Style),
              std::tuple("Andika", -18, clRed, fsBold | fsItalic));
    Fonte f;
    screen.Height = -19;
    f.Copie(screen);
    EXPECT_EQ(f, make("Andika", 14, clRed, fsBold | fsItalic));
}

} // namespace
