#include "common/LegendeImage.h"

#include "host/Composant.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Color.h"
#include "platform/Locale.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace {

constexpr std::string_view kCible = "%s";

// Whether the text holds "%s" once and no other "%".
bool ModeleValide(const std::string& texte) {
    const std::size_t place = texte.find(kCible);
    if (place == std::string::npos)
        return false;
    return std::count(texte.begin(), texte.end(), '%') == 1;
}

// The line's font: the host's global font, the answer in bold red.
TFont PoliceLigne(const TCanvas& canvas, bool reponse) {
    TFont police = GlobalFonte();
    police.PixelsPerInch = canvas.Font.PixelsPerInch;
    police.Height = -(GlobalFonte().Size() * police.PixelsPerInch / 72);
    if (reponse) {
        police.Style |= fsBold;
        police.Color = clRed;
    }
    return police;
}

void DessinePointilles(TCanvas& canvas, const vlRect& bande) {
    const int longueur = bande.Width() * 2 / 3;
    const int x = bande.left + (bande.Width() - longueur) / 2;
    const int y = bande.bottom - bande.Height() / 4;
    canvas.Pen.Style = psDot;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clBlack;
    canvas.MoveTo(x, y);
    canvas.LineTo(x + longueur, y);
}

} // namespace

LegendeImage LegendeImage::Aucune() {
    LegendeImage aucune;
    aucune.enonce_ = AUCUN;
    aucune.reponse_ = 0;
    return aucune;
}

bool LegendeImage::LitEnonce(const std::string& valeur, std::string& message) {
    if (valeur == "0" || valeur == "1") {
        enonce_ = valeur == "0" ? AUCUN : DEFAUT;
        texte_.clear();
        return true;
    }
    if (valeur.size() > kLongueurMax) {
        message = "L'énoncé ne doit pas dépasser " + std::to_string(kLongueurMax) + " caractères";
        return false;
    }
    if (!ModeleValide(valeur)) {
        message = "L'énoncé vaut 0, 1 ou un texte qui contient une fois %s, la place de la "
                  "cible, et aucun autre %";
        return false;
    }
    enonce_ = PROPRE;
    texte_ = valeur;
    return true;
}

std::string LegendeImage::TexteEnonce() const {
    if (enonce_ == PROPRE)
        return texte_;
    return std::to_string(enonce_);
}

bool LegendeImage::Bande(const CibleImage& cible) const {
    if (cible.valeur.empty())
        return false;
    if (cible.cachee)
        return enonce_ != AUCUN && !cible.enonce.empty();
    return Reponse();
}

LegendeImage::Ligne LegendeImage::LigneDe(const CibleImage& cible, int mode) const {
    if (!Bande(cible))
        return {};
    if (cible.cachee)
        return {Ligne::Genre::Enonce,
                RemplaceCible(enonce_ == PROPRE ? texte_ : cible.enonce, cible.valeur)};
    if (mode == MODE_EPREUVE)
        return {Ligne::Genre::Pointilles, {}};
    return {Ligne::Genre::Reponse, cible.valeur};
}

bool LegendeImage::Sauve(TStream& s) const {
    return WriteShort(s, enonce_) && WriteString(s, texte_) && WriteBool(s, reponse_ != 0);
}

bool LegendeImage::Charge(TStream& s) {
    LegendeImage lue;
    bool reponse = false;
    if (!ReadShortIn(s, lue.enonce_, AUCUN, PROPRE, "Enonce") || !ReadString(s, lue.texte_) ||
        !ReadBool(s, reponse))
        return false;
    std::string message;
    if (lue.enonce_ == PROPRE && !LegendeImage().LitEnonce(lue.texte_, message)) {
        s.Refuse("«\u00A0Enonce\u00A0»\u00A0: " + message);
        return false;
    }
    if (lue.enonce_ != PROPRE)
        lue.texte_.clear();
    lue.reponse_ = reponse ? 1 : 0;
    *this = lue;
    return true;
}

std::string TexteNombre(long long n) {
    return WriteDecimal(n, 0, NumberStyle{DecimalSeparator(), ThousandSeparator()});
}

std::string RemplaceCible(const std::string& modele, const std::string& valeur) {
    std::string texte = modele;
    if (const std::size_t place = texte.find(kCible); place != std::string::npos)
        texte.replace(place, kCible.size(), valeur);
    return texte;
}

int HauteurBande() {
    // A line of text is about 1.4 em high in the fonts the host offers; a little more keeps it
    // clear of the picture.
    const int em = GlobalFonte().Size() * 254 / 72;
    return em * 8 / 5;
}

vlRect ZoneImage(const vlRect& cadre, bool bande, bool proportions) {
    const vlRect r = cadre.Normalise();
    if (!bande)
        return r;
    const int hauteur = r.Height() - HauteurBande();
    vlRect zone{r.left, r.top, r.right, r.top + hauteur};
    if (proportions && r.Height() > 0) {
        const int largeur = int(static_cast<long long>(r.Width()) * hauteur / r.Height());
        zone.left = r.left + (r.Width() - largeur) / 2;
        zone.right = zone.left + largeur;
    }
    return zone;
}

std::optional<vlRect> PlaceTexte(TCanvas& canvas, const vlRect& cadre,
                                 const LegendeImage::Ligne& ligne) {
    const vlRect r = cadre.Normalise();
    const vlRect bande{r.left, r.bottom - HauteurBande(), r.right, r.bottom};
    canvas.Font = PoliceLigne(canvas, ligne.genre == LegendeImage::Ligne::Genre::Reponse);
    const int plein = canvas.Font.Height;
    vlSize etendue = canvas.TextExtent(ligne.texte);
    const auto deborde = [&] { return etendue.cx > bande.Width() || etendue.cy > bande.Height(); };
    while (deborde() && std::abs(canvas.Font.Height) * 3 > std::abs(plein) * 2) {
        canvas.Font.Height = canvas.Font.Height * 9 / 10;
        etendue = canvas.TextExtent(ligne.texte);
    }
    if (deborde())
        return std::nullopt;
    const int x = bande.left + (bande.Width() - etendue.cx) / 2;
    const int y = bande.top + (bande.Height() - etendue.cy) / 2;
    return vlRect{x, y, x + etendue.cx, y + etendue.cy};
}

bool DessineLigne(TCanvas& canvas, const vlRect& cadre, const LegendeImage::Ligne& ligne) {
    using Genre = LegendeImage::Ligne::Genre;
    if (ligne.genre == Genre::Rien)
        return true;
    if (ligne.genre == Genre::Pointilles) {
        const vlRect r = cadre.Normalise();
        DessinePointilles(canvas, {r.left, r.bottom - HauteurBande(), r.right, r.bottom});
        return true;
    }
    const std::optional<vlRect> place = PlaceTexte(canvas, cadre, ligne);
    if (!place)
        return false;
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(place->left, place->top, ligne.texte);
    canvas.TagReadable(*place, ligne.genre == Genre::Reponse ? "réponse" : "énoncé");
    return true;
}
