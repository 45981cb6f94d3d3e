#include "host/Consigne.h"

#include "host/Planche.h"
#include "platform/Canvas.h"
#include "platform/Text.h"

#include <algorithm>

namespace {

constexpr int kTaillePolice = 12; // points
constexpr int kTailleMin = 9;
constexpr int kEcart = 30; // between the band and the exercises, tenths of a millimetre

std::vector<LignePlacee> coupe(TCanvas& canvas, const TFont& police, const std::string& texte,
                               int largeur) {
    std::vector<LignePlacee> lignes;
    for (const std::string& paragraphe : CoupeParagraphes(texte))
        for (LignePlacee& ligne : CoupeLignes(canvas, police, LitStyles(paragraphe), largeur))
            lignes.push_back(std::move(ligne));
    return lignes;
}

// Ends the line with "…", dropping its last characters until the mark fits.
void termineParPoints(TCanvas& canvas, const TFont& police, LignePlacee& ligne, int largeur) {
    const std::string points = "…";
    canvas.Font = police;
    const int largeurPoints = canvas.TextWidth(points);
    std::vector<MorceauPlace>& morceaux = ligne.morceaux;
    const auto fin = [&](const MorceauPlace& m) {
        canvas.Font.Style = TFontStyles(police.Style | m.style);
        return m.x + canvas.TextWidth(m.texte);
    };
    while (!morceaux.empty() && fin(morceaux.back()) + largeurPoints > largeur) {
        std::string& texte = morceaux.back().texte;
        std::size_t debut = texte.empty() ? 0 : texte.size() - 1;
        while (debut > 0 && (static_cast<unsigned char>(texte[debut]) & 0xC0) == 0x80)
            --debut;
        texte.erase(debut);
        if (texte.empty())
            morceaux.pop_back();
    }
    const int x = morceaux.empty() ? 0 : fin(morceaux.back());
    morceaux.push_back({points, 0, x, morceaux.empty() ? 0 : morceaux.back().mot});
    ligne.largeur = x + largeurPoints;
    ligne.finParagraphe = true;
}

} // namespace

const std::vector<CleCommune>& ClesCommunes() {
    static const std::vector<CleCommune> cles{
        {"Consigne",
         "texte d'une ou deux lignes («\u00A0\\n\u00A0» entre les deux), 200 caractères au "
         "plus, écrit en haut du cadre\u00A0; vide\u00A0: sans consigne"},
    };
    return cles;
}

bool LitConsigne(const std::string& valeur, std::string& consigne, std::string& message) {
    std::vector<std::string> lignes;
    for (const std::string& ligne : CoupeParagraphes(valeur))
        lignes.emplace_back(Trim(ligne));
    while (!lignes.empty() && lignes.back().empty())
        lignes.pop_back();
    if (int(lignes.size()) > kConsigneLignesMax) {
        message = "«\u00A0Consigne\u00A0» a " + std::to_string(lignes.size()) +
                  " lignes\u00A0: " + std::to_string(kConsigneLignesMax) + " au plus";
        return false;
    }
    std::string texte;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        texte += (i > 0 ? "\n" : "") + lignes[i];
    if (NbCaracteres(texte) > kConsigneCaracteresMax) {
        message = "«\u00A0Consigne\u00A0» a " + std::to_string(NbCaracteres(texte)) +
                  " caractères\u00A0: " + std::to_string(kConsigneCaracteresMax) + " au plus";
        return false;
    }
    consigne = std::move(texte);
    return true;
}

std::string TexteConsigne(const std::string& consigne) {
    return ReplaceChar(consigne, '\n', "\\n");
}

std::string EtiquetteNumero(int numerotation, int rang) {
    switch (numerotation) {
    case NUMEROTE_CHIFFRE:
        return std::to_string(rang) + ".";
    case NUMEROTE_EXERCICE:
        return "Exercice " + std::to_string(rang) + "\u00A0:";
    default:
        return {};
    }
}

BandeConsigne MiseEnPageConsigne(TCanvas& canvas, const std::string& etiquette,
                                 const std::string& consigne, vlSize cadre) {
    const int largeur = cadre.cx;
    BandeConsigne bande;
    if (consigne.empty())
        return bande;
    // A star of the label is plain text; the label itself is bold.
    const std::string etoilee = ReplaceChar(etiquette, '*', "\\*");
    const std::string texte = etiquette.empty() ? consigne : "**" + etoilee + "** " + consigne;
    const int niveau = canvas.SaveDC();
    bande.police.SetSize(kTaillePolice);
    bande.lignes = coupe(canvas, bande.police, texte, std::max(largeur, 1));
    while (int(bande.lignes.size()) > kConsigneLignesMax && bande.police.Size() > kTailleMin) {
        bande.police.SetSize(bande.police.Size() - 1);
        bande.lignes = coupe(canvas, bande.police, texte, std::max(largeur, 1));
    }
    if (int(bande.lignes.size()) > kConsigneLignesMax) {
        bande.lignes.resize(kConsigneLignesMax);
        termineParPoints(canvas, bande.police, bande.lignes.back(), largeur);
        bande.coupee = true;
    }
    // A frame narrower than a character or the "…" shows no instruction at all.
    if (std::any_of(bande.lignes.begin(), bande.lignes.end(),
                    [&](const LignePlacee& ligne) { return ligne.largeur > largeur; })) {
        bande.lignes.clear();
        bande.coupee = true;
    }
    canvas.Font = bande.police;
    const TTextMetric metriques = canvas.GetTextMetrics();
    bande.interligne = metriques.tmHeight + metriques.tmExternalLeading;
    // Only the lines the frame's height holds.
    const int tiennent = cadre.cy < metriques.tmHeight
                             ? 0
                             : (cadre.cy - metriques.tmHeight) / std::max(bande.interligne, 1) + 1;
    if (int(bande.lignes.size()) > tiennent) {
        bande.lignes.resize(std::size_t(tiennent));
        bande.coupee = true;
    }
    bande.hauteur = bande.lignes.empty()
                        ? 0
                        : std::min(int(bande.lignes.size()) * bande.interligne + kEcart, cadre.cy);
    canvas.RestoreDC(niveau);
    return bande;
}

int HauteurConsigneEstimee(const std::string& consigne, int largeur) {
    if (consigne.empty())
        return 0;
    // Text of the band's fonts averages about half an em a character, and a numbered one
    // starts with up to 13 more ("Exercice 12 : "); a line is less than 2 em high
    // in the fonts the host offers.
    const int em = kTaillePolice * 254 / 72;
    const bool deuxLignes = consigne.find('\n') != std::string::npos ||
                            (NbCaracteres(consigne) + 13) * em * 11 / 20 > largeur;
    return (deuxLignes ? 2 : 1) * em * 2 + kEcart;
}

void DessineBandeConsigne(TCanvas& canvas, const BandeConsigne& bande, const vlRect& cadre) {
    if (bande.lignes.empty())
        return;
    const int niveau = canvas.SaveDC();
    canvas.IntersectClipRect(cadre.left, cadre.top, cadre.right, cadre.bottom);
    int haut = cadre.top;
    for (const LignePlacee& ligne : bande.lignes) {
        DessineLigne(canvas, bande.police, ligne, cadre.left, haut, cadre.Width(),
                     Alignement::Gauche, "consigne");
        haut += bande.interligne;
    }
    canvas.RestoreDC(niveau);
}
