// The line under a picture. A picture the pupil draws or makes (the clock's hands, the coins of
// a sum) hides its target on the test version: the line states it ("Dessine les aiguilles :
// 9 h 15"). A picture the pupil reads shows it: the line is the answer, in the correction font
// on the corrected version and a dotted line to write on in the test version. The picture gives
// up a band at the bottom of its frame for the line, in every version alike, so that the test
// and corrected pages match.
#pragma once

#include "host/Cle.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

class TStream;

// What a picture shows, in words, and how its exercise asks for it.
struct CibleImage {
    std::string valeur;  // "9 h 15", "2,80 €"; empty: the picture shows no value
    std::string enonce;  // the statement the kind proposes, "%s" for the value; empty: none
    bool cachee = false; // the test version hides the value: a picture to draw or make
};

// The two keys, in a kind's table.
constexpr Cle CleEnonce(int index) {
    return {index,
            "Enonce",
            Lecture::Texte,
            0,
            0,
            nullptr,
            Refait::Rien,
            Ini::Non,
            0,
            "0 aucun, 1 l'énoncé du type, ou un texte où %s tient la place de la cible"};
}
constexpr Cle CleReponse(int index) {
    return {index, "Reponse", Lecture::Drapeau, 0, 1, nullptr, Refait::Rien, Ini::Non, 1};
}

class LegendeImage {
public:
    enum : std::int16_t { AUCUN = 0, DEFAUT = 1, PROPRE = 2 };
    // Longest statement text a component keeps, in bytes.
    static constexpr std::size_t kLongueurMax = 200;

    // What a picture line is made of in one version of the sheet.
    struct Ligne {
        enum class Genre { Rien, Enonce, Reponse, Pointilles };
        Genre genre = Genre::Rien;
        std::string texte;
    };

    // The settings of a record written before pictures had a line: none.
    static LegendeImage Aucune();

    // "0", "1", or a text holding "%s" once and no other "%"; false with a French message
    // otherwise, nothing changed.
    bool LitEnonce(const std::string& valeur, std::string& message);
    // The statement setting as its key reads it back.
    std::string TexteEnonce() const;
    bool Reponse() const { return reponse_ != 0; }
    void ChangeReponse(bool oui) { reponse_ = oui ? 1 : 0; }
    std::uint8_t& ChampReponse() { return reponse_; }

    // Whether some version of the sheet writes a line under this picture.
    bool Bande(const CibleImage& cible) const;
    // The line of the version `mode` draws (MODE_EDITION shows the answer, as the corrected
    // version does).
    Ligne LigneDe(const CibleImage& cible, int mode) const;

    bool Sauve(TStream& s) const;
    // Checks what it reads: a mode out of 0..2, a text too long or badly formed refuse the record.
    bool Charge(TStream& s);

    bool operator==(const LegendeImage&) const = default;

private:
    std::int16_t enonce_ = DEFAUT;
    std::string texte_;
    std::uint8_t reponse_ = 1;
};

// A whole number as the page writes it, thousands apart: "1 234".
std::string TexteNombre(long long n);

// The text with "%s" replaced by the value.
std::string RemplaceCible(const std::string& modele, const std::string& valeur);

// How tall the band under a picture is, from the size of the host's global font.
int HauteurBande();
// What is left of `cadre` for the picture when a band is kept at its bottom. `proportions`
// keeps the frame's shape, narrowing the picture about its centre (dials, discs).
vlRect ZoneImage(const vlRect& cadre, bool bande, bool proportions = false);
// Where the text of a line goes in the band at the bottom of `cadre`, the canvas's font set to
// the size it is written in; nothing when it cannot fit.
std::optional<vlRect> PlaceTexte(TCanvas& canvas, const vlRect& cadre,
                                 const LegendeImage::Ligne& ligne);
// Writes the line centred in the band at the bottom of `cadre`, in the host's global font (the
// answer bold and red), made smaller when it is too wide, down to two thirds of its size; the
// dotted line spans two thirds of the band. False, drawing nothing, when the text cannot fit.
bool DessineLigne(TCanvas& canvas, const vlRect& cadre, const LegendeImage::Ligne& ligne);
