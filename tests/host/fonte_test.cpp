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

TEST(Fonte, TextFormNamesEveryStyleAndRoundTrips) {
    const std::pair<Fonte, const char*> cases[] = {
        {make("Times New Roman", 12, 255, fsStrikeOut | fsUnderline | fsItalic | fsBold),
         "Times New Roman,12,255,gras+italique+souligne+barre"},
        {make("Écolier", 9, 0x808080, 0), "Écolier,9,8421504,normal"}};
    for (const auto& [font, text] : cases) {
        EXPECT_EQ(font.ToString(), text);
        Fonte other = make("Autre", 30, 0x123456, fsBold | fsStrikeOut);
        ASSERT_TRUE(other.FromString(text)) << text;
        EXPECT_EQ(other, font) << text;
    }
}

// Read in turn into one font: empty or missing fields keep the current values; style words in
// any case, with or without accents, or as a number.
TEST(Fonte, ReadingKeepsMissingFieldsAndTakesStyleWordsInAnyCase) {
    const std::pair<const char*, Fonte> steps[] = {
        {",16", make("Andika", 16, 255, fsBold)},
        {" Arial , , 0 , ", make("Arial", 16, 0, fsBold)},
        {"", make("Arial", 16, 0, fsBold)},
        {",,,GRAS + Souligné+barré", make("Arial", 16, 0, fsBold | fsUnderline | fsStrikeOut)},
        {",,,SOULIGNÉ+Italique", make("Arial", 16, 0, fsUnderline | fsItalic)},
        {",,,5", make("Arial", 16, 0, fsBold | fsUnderline)},
        {",,,normal", make("Arial", 16, 0, 0)}};
    Fonte f = make("Andika", 14, 255, fsBold);
    for (const auto& [text, expected] : steps) {
        ASSERT_TRUE(f.FromString(text)) << text;
        EXPECT_EQ(f, expected) << text;
    }
}

TEST(Fonte, MalformedFieldsChangeNothing) {
    const Fonte start = make("Andika", 14, 0, fsItalic);
    for (const char* text :
         {"Arial,douze", "Arial,0", "Arial,1000", "Arial,12,-1", "Arial,12,16777216",
          "Arial,12,rouge", "Arial,12,0,gras+ombre", "Arial,12,0,16", "Arial,12,0,gras,x",
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
    EXPECT_EQ(f.NomPolice(), "Arial");
    EXPECT_EQ(f.Nom[6], '\0'); // no remains of the longer name
}

TEST(Fonte, CopiesAndRestoresCanvasFonts) {
    TFont font;
    font.Name = "Andika";
    font.Height = -49; // 14 pt at 254 pixels per inch
    font.Color = clRed;
    font.Style = fsBold | fsItalic;
    Fonte f;
    f.Copie(font);
    EXPECT_EQ(f, make("Andika", 14, clRed, fsBold | fsItalic));

    TFont screen;
    screen.PixelsPerInch = 96;
    f.Restaure(screen);
    // 14 x 96 / 72 = 18.67, whole division
    EXPECT_EQ(
        std::tuple(screen.Name, screen.Height, screen.Color, screen.Style, screen.PixelsPerInch),
        std::tuple("Andika", -18, clRed, fsBold | fsItalic, 96));
    TFont paper;
    f.Taille = 10;
    f.Restaure(paper);
    EXPECT_EQ(paper.Height, -35); // 10 x 254 / 72 = 35.3
}

} // namespace
