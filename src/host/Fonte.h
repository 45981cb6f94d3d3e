// The host's plain font description, saved as its 48 raw bytes inside options blocks and as
// text in ini files and sheets.
#pragma once

#include "platform/Color.h"
#include "platform/Graphics.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct Fonte {
    char Nom[32] = {};        // face name, UTF-8, NUL-terminated
    std::int32_t Taille = 0;  // size in points
    std::int32_t Couleur = 0; // TColor
    std::uint8_t Style = 0;   // TFontStyle flags
    std::uint8_t Reserve[7] = {};

    // Largest size in points, and every style flag together.
    static constexpr int kMaxSize = 999;
    static constexpr int kStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;

    std::string NomPolice() const;
    // Truncated to 31 bytes at a character boundary.
    void ChangeNom(const std::string& nom);

    // Text form "face,size,colour,styles", styles being words joined by "+" among "gras",
    // "italique", "souligne", "barre" (or empty), for example "Andika,14,0,gras". The colour is
    // the decimal TColor. ToString writes "normal" for no style, so that reading the text back
    // over any font restores exactly this one. A face name holding a ',' cannot be written in
    // this form.
    std::string ToString() const;
    // Reads the text form. Empty or missing fields keep the current values; false (and no
    // change) when a field is malformed or there are more than four. Size 1..999 points,
    // colour 0..0xFFFFFF; style words are read in any case, "souligné" and "barré" with their
    // accents too, "normal" adds nothing, and a plain number 0..15 gives the TFontStyle flags.
    bool FromString(const std::string& text);
    // FromString for a key's value: false with the message that shows the expected form.
    bool LitCle(const std::string& valeur, std::string& message);
    // Takes the font's face, size, colour and style.
    void Copie(const TFont& font);
    // Gives the font this face, size, colour and style; the height follows the font's
    // PixelsPerInch.
    void Restaure(TFont& font) const;
    bool operator==(const Fonte&) const = default;
};

static_assert(sizeof(Fonte) == 48);
static_assert(offsetof(Fonte, Nom) == 0);
static_assert(offsetof(Fonte, Taille) == 32);
static_assert(offsetof(Fonte, Couleur) == 36);
static_assert(offsetof(Fonte, Style) == 40);
