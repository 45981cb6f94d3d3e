#include "host/MiseEnPage.h"

#include "platform/Canvas.h"

#include <algorithm>

namespace {

// A word: runs with no blank between them.
struct Mot {
    std::vector<Morceau> morceaux;
    std::vector<int> largeurs; // each run's
    int largeur = 0;
};

// Measures the word's runs.
void mesure(TCanvas& canvas, const TFont& police, Mot& mot);

void ajoute(std::vector<Morceau>& morceaux, std::string_view texte, TFontStyles style) {
    if (texte.empty())
        return;
    if (!morceaux.empty() && morceaux.back().style == style)
        morceaux.back().texte += texte;
    else
        morceaux.push_back({std::string(texte), style});
}

int largeurDe(TCanvas& canvas, const TFont& police, const Morceau& m) {
    canvas.Font = police;
    canvas.Font.Style = TFontStyles(police.Style | m.style);
    return canvas.TextWidth(m.texte);
}

std::vector<Mot> motsDe(TCanvas& canvas, const TFont& police, const Paragraphe& paragraphe) {
    std::vector<Mot> mots;
    Mot courant;
    const auto finit = [&] {
        if (courant.morceaux.empty())
            return;
        mesure(canvas, police, courant);
        mots.push_back(std::move(courant));
        courant = {};
    };
    for (const Morceau& m : paragraphe) {
        std::size_t debut = 0;
        while (debut <= m.texte.size()) {
            const std::size_t blanc = m.texte.find(' ', debut);
            const std::size_t fin = blanc == std::string::npos ? m.texte.size() : blanc;
            ajoute(courant.morceaux, std::string_view(m.texte).substr(debut, fin - debut), m.style);
            if (blanc == std::string::npos)
                break;
            finit();
            debut = blanc + 1;
        }
    }
    finit();
    return mots;
}

void mesure(TCanvas& canvas, const TFont& police, Mot& mot) {
    mot.largeurs.clear();
    mot.largeur = 0;
    for (const Morceau& m : mot.morceaux) {
        mot.largeurs.push_back(largeurDe(canvas, police, m));
        mot.largeur += mot.largeurs.back();
    }
}

// The byte length of the UTF-8 character starting at `i`.
std::size_t longueurCaractere(const std::string& texte, std::size_t i) {
    std::size_t n = 1;
    while (i + n < texte.size() && (static_cast<unsigned char>(texte[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// Cuts a word wider than a line into pieces that each fit (at least one character a piece).
std::vector<Mot> coupeMot(TCanvas& canvas, const TFont& police, const Mot& mot, int largeur) {
    std::vector<Mot> pieces(1);
    for (const Morceau& m : mot.morceaux) {
        for (std::size_t i = 0; i < m.texte.size();) {
            const std::size_t n = longueurCaractere(m.texte, i);
            const Morceau caractere{m.texte.substr(i, n), m.style};
            const int w = largeurDe(canvas, police, caractere);
            if (pieces.back().largeur + w > largeur && !pieces.back().morceaux.empty())
                pieces.emplace_back();
            ajoute(pieces.back().morceaux, caractere.texte, caractere.style);
            pieces.back().largeur += w;
            i += n;
        }
    }
    for (Mot& piece : pieces)
        mesure(canvas, police, piece);
    return pieces;
}

LignePlacee place(const std::vector<Mot>& mots, int espace) {
    LignePlacee ligne;
    int x = 0;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        if (i > 0)
            x += espace;
        for (std::size_t k = 0; k < mots[i].morceaux.size(); ++k) {
            const Morceau& m = mots[i].morceaux[k];
            ligne.morceaux.push_back({m.texte, m.style, x, int(i)});
            x += mots[i].largeurs[k];
        }
    }
    ligne.largeur = x;
    return ligne;
}

} // namespace

Paragraphe LitStyles(std::string_view texte) {
    Paragraphe runs;
    TFontStyles style = 0;
    std::string courant;
    const auto coupe = [&] {
        ajoute(runs, courant, style);
        courant.clear();
    };
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\\' && i + 1 < texte.size() && texte[i + 1] == '*') {
            courant += '*';
            ++i;
        } else if (texte.substr(i, 2) == "**") {
            coupe();
            style ^= fsBold;
            ++i;
        } else if (texte[i] == '*') {
            coupe();
            style ^= fsItalic;
        } else {
            courant += texte[i];
        }
    }
    coupe();
    return runs;
}

std::vector<std::string> CoupeParagraphes(std::string_view texte) {
    std::vector<std::string> paragraphes(1);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\n' || (texte[i] == '\\' && i + 1 < texte.size() && texte[i + 1] == 'n')) {
            i += texte[i] == '\\' ? 1 : 0;
            paragraphes.emplace_back();
        } else if (texte[i] != '\r') {
            paragraphes.back() += texte[i];
        }
    }
    return paragraphes;
}

std::vector<LignePlacee> CoupeLignes(TCanvas& canvas, const TFont& police,
                                     const Paragraphe& paragraphe, int largeur) {
    const int niveau = canvas.SaveDC();
    canvas.Font = police;
    const int espace = canvas.TextWidth(" ");
    std::vector<LignePlacee> lignes;
    std::vector<Mot> ligne;
    int occupe = 0;
    const auto finit = [&] {
        lignes.push_back(place(ligne, espace));
        ligne.clear();
        occupe = 0;
    };
    for (const Mot& mot : motsDe(canvas, police, paragraphe)) {
        const std::vector<Mot> pieces =
            mot.largeur > largeur ? coupeMot(canvas, police, mot, largeur) : std::vector{mot};
        for (const Mot& piece : pieces) {
            const int besoin = ligne.empty() ? piece.largeur : occupe + espace + piece.largeur;
            if (!ligne.empty() && besoin > largeur)
                finit();
            occupe = ligne.empty() ? piece.largeur : occupe + espace + piece.largeur;
            ligne.push_back(piece);
        }
    }
    if (!ligne.empty() || lignes.empty())
        finit();
    lignes.back().finParagraphe = true;
    canvas.RestoreDC(niveau);
    return lignes;
}

void DessineLigne(TCanvas& canvas, const TFont& police, const LignePlacee& ligne, int gauche,
                  int haut, int largeur, Alignement alignement, std::string_view quoi) {
    if (ligne.morceaux.empty())
        return;
    const int reste = std::max(largeur - ligne.largeur, 0);
    const int mots = ligne.morceaux.back().mot;
    const bool etire = alignement == Alignement::Justifie && !ligne.finParagraphe && mots > 0;
    int depart = gauche;
    if (alignement == Alignement::Centre)
        depart += reste / 2;
    else if (alignement == Alignement::Droite)
        depart += reste;
    const int niveau = canvas.SaveDC();
    canvas.Font = police;
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_LEFT | TA_BASELINE);
    const TTextMetric metriques = canvas.GetTextMetrics();
    const int base = haut + metriques.tmAscent;
    for (const MorceauPlace& m : ligne.morceaux) {
        canvas.Font.Style = TFontStyles(police.Style | m.style);
        const int x = depart + m.x + (etire ? reste * m.mot / mots : 0);
        canvas.TextOut(x, base, m.texte);
        const vlSize taille = canvas.TextExtent(m.texte);
        canvas.TagReadable({x, haut, x + taille.cx, haut + metriques.tmHeight}, quoi);
    }
    canvas.RestoreDC(niveau);
}
