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

// A part of a hidden value in plain text, the signs as drawn, an expression over or under a bar
// in parentheses.
std::string enClair(std::string_view texte, bool sousBarre) {
    std::string clair;
    bool operation = false;
    for (const char c : texte) {
        const std::string_view signe = DessinFraction::Signe(c);
        clair += signe.empty() ? std::string(1, c) : std::string(signe);
        operation = operation || !signe.empty();
    }
    return sousBarre && operation ? "(" + clair + ")" : clair;
}

} // namespace

DessinFraction::DessinFraction(TCanvas* canvas, const TFont& police, const TFont& policeCorrige,
                               CellulesFraction cellules, int modeCache)
    : canvas_(canvas), police_(police), policeCorrige_(policeCorrige), c_(cellules),
      modeCache_(modeCache) {
    em_ = police.Height < 0 ? -police.Height : police.Height;
    encre_ = em_ * 7 / 10;
    axe_ = em_ * 3 / 10;
}

int DessinFraction::EpaisseurBarre(int ch, int em) {
    return std::max(1, std::min((ch + 10) / 20, em / 10));
}

std::string_view DessinFraction::Signe(char c) {
    switch (c) {
    case '*':
        return "\u00D7";
    case '-':
        return "\u2212";
    case '+':
        return "+";
    case '=':
        return "=";
    default:
        return {};
    }
}

int DessinFraction::HauteurLigne(std::string_view texte) const {
    return (texte.find('F') != std::string_view::npos ? 4 : 2) * c_.ch;
}

std::vector<std::string> DessinFraction::ValeursCachees(std::string_view texte, int masque) {
    const TFont police;
    DessinFraction lecture(nullptr, police, police, {1, 1, 0}, AFF_CORRIGE);
    std::vector<std::string> caches;
    lecture.caches_ = &caches;
    lecture.DessineLigne({0, 0}, texte, masque);
    return caches;
}

void DessinFraction::retient(std::string_view num, std::string_view den, int mode) {
    if (caches_ == nullptr || mode == AFF_NORMAL)
        return;
    caches_->push_back(den.empty() ? enClair(num, false)
                                   : enClair(num, true) + "/" + enClair(den, true));
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

int DessinFraction::largeur(std::string_view texte) const {
    int l = 0;
    for (const char c : texte)
        l += c_.cw + (estOperateur(c) ? 2 * c_.fin : 0);
    return l;
}

int DessinFraction::place(int largeurTexte, int mode) const {
    return mode == AFF_NORMAL ? largeurTexte : std::max(largeurTexte, 2 * c_.cw);
}

void DessinFraction::barre(int x1, int x2, int y) {
    if (canvas_ == nullptr)
        return;
    canvas_->Pen.Style = psSolid;
    canvas_->Pen.Color = police_.Color;
    canvas_->Pen.Width = EpaisseurBarre(c_.ch, em_);
    canvas_->MoveTo(x1, y);
    canvas_->LineTo(x2, y);
}

void DessinFraction::boite(int x1, int x2, int ligneBase) {
    if (canvas_ == nullptr)
        return;
    // Light and a little inside its room, so that it reads as a place to write, not as ink.
    const int milieu = ligneBase - encre_ / 2;
    const int demi = c_.ch * 3 / 8;
    const int marge = std::min(c_.cw / 8, (x2 - x1) / 8);
    canvas_->Pen.Style = psSolid;
    canvas_->Pen.Color = 0xA0A0A0;
    canvas_->Pen.Width = 1;
    canvas_->Brush.Style = bsClear;
    canvas_->Rectangle(x1 + marge, milieu - demi, x2 - marge, milieu + demi);
    canvas_->TagReadable({x1 + marge, milieu - demi, x2 - marge, milieu + demi}, "case");
}

void DessinFraction::ecrit(int x, int ligneBase, std::string_view texte, int mode) {
    if (canvas_ == nullptr || mode == AFF_BLANC)
        return;
    choisitPolice(mode);
    for (const char c : texte) {
        const std::string_view signe = Signe(c);
        const int gauche = signe.empty() ? x : x + c_.fin;
        canvas_->TextOut(gauche + c_.cw / 2, ligneBase,
                         signe.empty() ? std::string(1, c) : std::string(signe));
        // A digit's or sign's ink: its cell's width, from the baseline up to a digit's height.
        canvas_->TagReadable({gauche, ligneBase - encre_, gauche + c_.cw, ligneBase},
                             signe.empty() ? "chiffre" : "signe");
        x += c_.cw + (signe.empty() ? 0 : 2 * c_.fin);
    }
}

int DessinFraction::AfficherChaine(int x, int ligneBase, std::string_view texte, int mode) {
    const int l = largeur(texte);
    const int w = place(l, mode);
    retient(texte, {}, mode);
    ecrit(x + (w - l) / 2, ligneBase, texte, mode);
    if (mode == AFF_BLANC)
        boite(x, x + w, ligneBase);
    return w;
}

vlSize DessinFraction::AfficherFraction(vlPoint p, std::string_view num, std::string_view den,
                                        int mode) {
    const int w = place(std::max(largeur(num), largeur(den)), mode);
    retient(num, den, mode);
    for (const auto& [texte, haut] : {std::pair{num, p.y}, std::pair{den, p.y + c_.ch}}) {
        const int base = baseRang(haut);
        ecrit(p.x + (w - largeur(texte)) / 2, base, texte, mode);
        if (mode == AFF_BLANC)
            boite(p.x, p.x + w, base);
    }
    // The bar passes the digits by a little on each side (a quarter of a sign's space).
    barre(p.x - c_.fin / 4, p.x + w + c_.fin / 4, p.y + c_.ch);
    return {w, 2 * c_.ch};
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
    const auto room = [&](const OperandeF& o, int mode) {
        return place(o.Longueur() * c_.cw, mode);
    };
    // Half a cell of bar beyond the wider operand on each side.
    largeur = std::max(room(premier, modePremier), room(second, modeSecond)) + c_.cw;
    const auto dessine = [&](const OperandeF& o, int haut, int mode) {
        const int x = p.x + (largeur - room(o, mode)) / 2;
        if (o.fraction)
            AfficherFraction({x, haut}, o.num, o.den, mode);
        else
            AfficherChaine(x, baseCentree(haut + c_.ch), o.num, mode);
    };
    dessine(premier, p.y, modePremier);
    dessine(second, p.y + 2 * c_.ch, modeSecond);
    barre(p.x, p.x + largeur, p.y + 2 * c_.ch);
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
    // The steps after the operands show what the operands are: hidden with either of them.
    const int modeEtapes = (masque & 3) != 0 ? modeCache_ : AFF_NORMAL;

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
            if (c == '}' && element >= 2 && mode == AFF_NORMAL)
                mode = modeEtapes;
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
            mode = modeEtapes;
        } else if (c != ']') {
            (barreVue ? den : num) += c;
        }
    }
    return {x - p.x, hauteur};
}
