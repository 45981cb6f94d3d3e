#include "fraction/DessinFraction.h"

#include <algorithm>
#include <string>

namespace {

bool estOperateur(char c) {
    return c == '+' || c == '-' || c == '*' || c == '=';
}

// The mode of element k (counted from 1) under the mask.
int modeElement(int k, int masque, int modeCache) {
    const bool cache = (k == 1 && (masque & 1) != 0) || (k == 2 && (masque & 2) != 0) ||
                       (k >= 3 && (masque & 4) != 0);
    return cache ? modeCache : AFF_NORMAL;
}

// A division operand: digits, or digits "/" digits.
struct OperandeF {
    std::string_view num;
    std::string_view den;
    bool fraction = false;
    int Longueur() const { return int(std::max(num.size(), den.size())); }
};

std::string_view chiffres(std::string_view texte, std::size_t& pos) {
    const std::size_t debut = pos;
    while (pos < texte.size() && texte[pos] >= '0' && texte[pos] <= '9')
        ++pos;
    return texte.substr(debut, pos - debut);
}

OperandeF litOperande(std::string_view texte, std::size_t& pos) {
    OperandeF o;
    o.num = chiffres(texte, pos);
    if (pos < texte.size() && texte[pos] == '/') {
        ++pos;
        o.den = chiffres(texte, pos);
        o.fraction = true;
    }
    return o;
}

} // namespace

DessinFraction::DessinFraction(TCanvas* canvas, const TFont& police, const TFont& policeCorrige,
                               CellulesFraction cellules, int modeCache)
    : canvas_(canvas), police_(police), policeCorrige_(policeCorrige), c_(cellules),
      modeCache_(modeCache) {
    const int em = police.Height < 0 ? -police.Height : police.Height;
    encre_ = em * 7 / 10;
    axe_ = em * 3 / 10;
}

int DessinFraction::EpaisseurBarre(int ch) {
    return ch >= 80 ? 20 : ch >= 40 ? 10 : 1;
}

int DessinFraction::HauteurLigne(std::string_view texte) const {
    return (texte.find('F') != std::string_view::npos ? 4 : 2) * c_.ch;
}

int DessinFraction::baseRang(int haut) const {
    return haut + (c_.ch + encre_) / 2;
}

int DessinFraction::baseCentree(int y) const {
    return y + encre_ / 2;
}

void DessinFraction::choisitPolice(int mode) {
    canvas_->Font = mode == AFF_CORRIGE ? policeCorrige_ : police_;
}

void DessinFraction::barre(int x1, int x2, int y, int epaisseur) {
    if (canvas_ == nullptr)
        return;
    // The pen's round ends stay inside the cells and short of each end (an eighth of a cell,
    // less for narrow cells), so that a bar never runs into the sign beside it.
    const int retrait = std::min(epaisseur / 2 + c_.cw / 8, c_.cw / 4);
    if (x2 - x1 > 2 * retrait) {
        x1 += retrait;
        x2 -= retrait;
    }
    canvas_->Pen.Style = psSolid;
    canvas_->Pen.Color = police_.Color;
    canvas_->Pen.Width = epaisseur;
    canvas_->MoveTo(x1, y);
    canvas_->LineTo(x2, y);
}

int DessinFraction::AfficherChaine(int x, int ligneBase, std::string_view texte, int mode) {
    if (canvas_ != nullptr && mode != AFF_BLANC) {
        choisitPolice(mode);
        for (std::size_t i = 0; i < texte.size(); ++i)
            canvas_->TextOut(x + int(i) * c_.cw + c_.cw / 2, ligneBase, std::string(1, texte[i]));
    }
    return int(texte.size()) * c_.cw;
}

vlSize DessinFraction::AfficherFraction(vlPoint p, std::string_view num, std::string_view den,
                                        int mode) {
    const int l = int(std::max(num.size(), den.size()));
    if (mode != AFF_BLANC) {
        AfficherChaine(p.x + (l - int(num.size())) * c_.cw / 2, baseRang(p.y), num, mode);
        AfficherChaine(p.x + (l - int(den.size())) * c_.cw / 2, baseRang(p.y + c_.ch), den, mode);
    }
    barre(p.x, p.x + l * c_.cw, p.y + c_.ch, EpaisseurBarre(c_.ch));
    return {l * c_.cw, 2 * c_.ch};
}

std::size_t DessinFraction::AfficherGrandeFraction(vlPoint p, std::string_view texte,
                                                   std::size_t pos, int modePremier, int modeSecond,
                                                   int& largeur) {
    const OperandeF premier = litOperande(texte, pos);
    OperandeF second;
    if (pos < texte.size() && texte[pos] == ',') {
        ++pos;
        second = litOperande(texte, pos);
    }
    // Half a cell of bar beyond the longer operand on each side.
    largeur = (std::max(premier.Longueur(), second.Longueur()) + 1) * c_.cw;
    const auto place = [&](const OperandeF& o, int haut, int mode) {
        const int x = p.x + (largeur - o.Longueur() * c_.cw) / 2;
        if (o.fraction)
            AfficherFraction({x, haut}, o.num, o.den, mode);
        else
            AfficherChaine(x, baseCentree(haut + c_.ch), o.num, mode);
    };
    place(premier, p.y, modePremier);
    place(second, p.y + 2 * c_.ch, modeSecond);
    barre(p.x, p.x + largeur, p.y + 2 * c_.ch, EpaisseurBarre(c_.ch) * 3 / 2);
    return pos;
}

vlSize DessinFraction::DessineLigne(vlPoint p, std::string_view texte, int masque) {
    const int hauteur = HauteurLigne(texte);
    // Everything but a division's operands sits on the middle two rows.
    const int haut = p.y + (hauteur - 2 * c_.ch) / 2;
    int x = p.x;
    int element = 0;
    int mode = AFF_NORMAL;
    bool crochet = false;
    bool barreVue = false;
    std::string num;
    std::string den;

    const auto vide = [&] {
        if (barreVue && !num.empty() && !den.empty())
            x += AfficherFraction({x, haut}, num, den, mode).cx;
        else if (!num.empty() || barreVue)
            x += AfficherChaine(x, baseCentree(haut + c_.ch), barreVue ? num + "/" + den : num,
                                mode);
        num.clear();
        den.clear();
        barreVue = false;
    };

    // One more turn than characters: the end of the text flushes what is pending.
    for (std::size_t i = 0; i <= texte.size(); ++i) {
        const bool fin = i == texte.size();
        const char c = fin ? '\0' : texte[i];
        if (crochet && !fin) {
            if (c == ']')
                crochet = false;
            else
                (barreVue ? den : num) += c;
            continue;
        }
        if (fin || c == '}' || estOperateur(c)) {
            vide();
            // Operators always show: only numbers are answers.
            if (!fin && c != '}')
                x += AfficherChaine(x, haut + c_.ch + axe_, std::string_view(&texte[i], 1),
                                    AFF_NORMAL);
        } else if (c == '[') {
            crochet = true;
        } else if (c == '{') {
            vide();
            mode = modeElement(++element, masque, modeCache_);
        } else if (c == '/') {
            barreVue = true;
        } else if (c == 'F') {
            vide();
            int largeur = 0;
            i = AfficherGrandeFraction({x, p.y}, texte, i + 1, modeElement(1, masque, modeCache_),
                                       modeElement(2, masque, modeCache_), largeur) -
                1;
            x += largeur;
            element = 2;
            mode = modeElement(element, masque, modeCache_);
        } else if (c != ']') {
            (barreVue ? den : num) += c;
        }
    }
    return {x - p.x, hauteur};
}
