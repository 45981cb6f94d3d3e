#include "host/Fonte.h"

#include "host/Couleurs.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

struct StyleWord {
    const char* word;
    TFontStyle flag;
};

// Written in this order; read in any order.
constexpr std::array<StyleWord, 4> kStyleWords{{
    {"gras", fsBold},
    {"italique", fsItalic},
    {"souligne", fsUnderline},
    {"barre", fsStrikeOut},
}};
// The word for no style at all, so that the text form always says what the style is.
constexpr std::string_view kNoStyle = "normal";

// Lower-cases ASCII letters and folds "é"/"É" to "e", so "Souligné" reads as "souligne".
std::string foldWord(std::string_view word) {
    std::string folded;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c == 0xC3 && i + 1 < word.size() &&
            (static_cast<unsigned char>(word[i + 1]) == 0xA9 ||
             static_cast<unsigned char>(word[i + 1]) == 0x89)) {
            folded += 'e';
            ++i;
        } else if (c >= 'A' && c <= 'Z') {
            folded += char(c - 'A' + 'a');
        } else {
            folded += char(c);
        }
    }
    return folded;
}

std::optional<std::uint8_t> parseStyles(std::string_view text) {
    if (const auto flags = ParseInteger(text, 0, Fonte::kStyles))
        return std::uint8_t(*flags);
    std::uint8_t style = 0;
    for (const std::string_view part : Split(text, '+')) {
        const std::string word = foldWord(Trim(part));
        if (word == kNoStyle)
            continue;
        const auto found = std::find_if(kStyleWords.begin(), kStyleWords.end(),
                                        [&](const StyleWord& w) { return word == w.word; });
        if (found == kStyleWords.end())
            return std::nullopt;
        style |= found->flag;
    }
    return style;
}

} // namespace

std::string Fonte::NomPolice() const {
    return std::string(Nom, strnlen(Nom, sizeof(Nom)));
}

void Fonte::ChangeNom(const std::string& nom) {
    std::size_t length = std::min(nom.size(), sizeof(Nom) - 1);
    // Do not cut a UTF-8 sequence: step back over continuation bytes.
    if (length < nom.size())
        while (length > 0 && (static_cast<unsigned char>(nom[length]) & 0xC0) == 0x80)
            --length;
    std::fill(std::begin(Nom), std::end(Nom), '\0');
    std::memcpy(Nom, nom.data(), length);
}

std::string Fonte::ToString() const {
    std::string styles;
    for (const StyleWord& w : kStyleWords) {
        if ((Style & w.flag) == 0)
            continue;
        if (!styles.empty())
            styles += '+';
        styles += w.word;
    }
    if (styles.empty())
        styles = kNoStyle;
    return NomPolice() + ',' + std::to_string(Taille) + ',' + std::to_string(Couleur) + ',' +
           styles;
}

bool Fonte::LitCle(const std::string& valeur, std::string& message) {
    if (FromString(valeur))
        return true;
    message = "Police invalide\u00A0: «\u00A0" + valeur +
              "\u00A0» (attendu\u00A0: nom,taille,couleur,styles, par exemple Andika,14,0,gras)";
    return false;
}

bool Fonte::FromString(const std::string& text) {
    const std::vector<std::string_view> fields = Split(text, ',');
    if (fields.size() > 4)
        return false;
    Fonte read = *this;
    const auto field = [&](std::size_t i) {
        return i < fields.size() ? Trim(fields[i]) : std::string_view{};
    };
    if (!field(0).empty())
        read.ChangeNom(std::string(field(0)));
    if (!field(1).empty()) {
        const auto size = ParseInteger(field(1), 1, Fonte::kMaxSize);
        if (!size)
            return false;
        read.Taille = std::int32_t(*size);
    }
    if (!field(2).empty()) {
        const auto colour = LitCouleur(field(2));
        if (!colour)
            return false;
        read.Couleur = std::int32_t(*colour);
    }
    if (!field(3).empty()) {
        const auto style = parseStyles(field(3));
        if (!style)
            return false;
        read.Style = *style;
    }
    *this = read;
    return true;
}

void Fonte::Copie(const TFont& font) {
    ChangeNom(font.Name);
    Taille = font.Size();
    Couleur = font.Color;
    Style = font.Style;
}

void Fonte::Restaure(TFont& font) const {
    font.Name = NomPolice();
    font.Color = Couleur;
    font.Style = Style;
    font.Height = -(Taille * font.PixelsPerInch / 72);
}
