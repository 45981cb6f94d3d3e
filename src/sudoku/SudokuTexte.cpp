#include "sudoku/SudokuTexte.h"

#include "platform/Text.h"
#include "sudoku/SudokuGrille.h"

#include <vector>

namespace {

// Every blank the C library knows, line ends included.
constexpr std::string_view kEspaces = " \t\n\v\f\r";

std::vector<std::string> modele(int type) {
    switch (type) {
    case tg6x6_3x2:
        return {"*-------*", "|...|...|", "|...|...|", "|---+---|", "|...|...|",
                "|...|...|", "|---+---|", "|...|...|", "|...|...|", "*-------*"};
    case tg6x6_2x3:
        return {"*--------*", "|..|..|..|", "|..|..|..|", "|..|..|..|", "|--+--+--|",
                "|..|..|..|", "|..|..|..|", "|..|..|..|", "*--------*"};
    case tg4x4:
        return {"*-----*", "|..|..|", "|..|..|", "|--+--|", "|..|..|", "|..|..|", "*-----*"};
    default: {
        std::vector<std::string> lignes{"*-----------*"};
        for (int bande = 0; bande < 3; ++bande) {
            if (bande > 0)
                lignes.push_back("|---+---+---|");
            for (int l = 0; l < 3; ++l)
                lignes.push_back("|...|...|...|");
        }
        lignes.push_back("*-----------*");
        return lignes;
    }
    }
}

bool blanc(char c) {
    return c == ' ' || c == '\t';
}

// Reads the pasted text one symbol at a time: 'N' a line break, '0' for '.', a digit, or 'D'
// for anything else; blanks after a symbol are swallowed.
class Lecteur {
public:
    explicit Lecteur(const std::string& texte) : texte_(texte) {}

    bool Fin() const { return position_ >= texte_.size(); }

    char Suivant() {
        const char c = texte_[position_++];
        if (c == '\r' || c == '\n') {
            while (!Fin() && (texte_[position_] == '\r' || texte_[position_] == '\n' ||
                              blanc(texte_[position_])))
                ++position_;
            return 'N';
        }
        while (!Fin() && blanc(texte_[position_]))
            ++position_;
        if (c == '.')
            return '0';
        if (c >= '0' && c <= '9')
            return c;
        return 'D';
    }

private:
    const std::string& texte_;
    size_t position_ = 0;
};

} // namespace

std::string TexteGrille(int type, const std::array<std::int8_t, 81>& cases) {
    std::string texte;
    size_t index = 0;
    for (std::string ligne : modele(type)) {
        for (char& c : ligne) {
            if (c != '.')
                continue;
            const int code = index < cases.size() ? cases[index] : 0;
            ++index;
            if (code >= 1 && code <= 9)
                c = char('0' + code);
        }
        texte += ligne + "\r\n";
    }
    return texte;
}

std::string LitTexteGrille(const std::string& brut, int& type, std::string& probleme) {
    const std::string texte = std::string(Trim(brut, kEspaces));
    Lecteur lecteur(texte);
    char symbole = 'D';
    while (!lecteur.Fin()) {
        symbole = lecteur.Suivant();
        if (symbole >= '0' && symbole <= '9')
            break;
    }

    char cases[9][9];
    for (auto& ligne : cases)
        for (char& c : ligne)
            c = '0';
    int colonne = 0;
    int rang = 0;
    int largeur = 9;
    int largeurRegion = 0;
    bool largeurFixee = false;
    bool enCours = symbole >= '0' && symbole <= '9';
    while (enCours) {
        if (symbole == 'D') {
            if (largeurRegion == 0)
                largeurRegion = colonne;
        } else if (symbole == 'N') {
            if (!largeurFixee) {
                largeur = colonne;
                largeurFixee = true;
            }
        } else {
            if (colonne < 9 && rang < 9)
                cases[rang][colonne] = symbole;
            ++colonne;
        }
        if (colonne >= largeur) {
            colonne = 0;
            ++rang;
            largeurFixee = true;
        }
        if (rang >= largeur || lecteur.Fin())
            break;
        symbole = lecteur.Suivant();
    }

    if (largeur != 4 && largeur != 6 && largeur != 9)
        return "Format de grille incorrect";
    if (largeurRegion == 0)
        largeurRegion = largeur == 4 ? 2 : 3;
    const bool permise = (largeur == 9 && largeurRegion == 3) ||
                         (largeur == 6 && (largeurRegion == 2 || largeurRegion == 3)) ||
                         (largeur == 4 && largeurRegion == 2);
    if (!permise)
        return "Grille non valide";
    type = largeur == 4   ? tg4x4
           : largeur == 6 ? (largeurRegion == 3 ? tg6x6_3x2 : tg6x6_2x3)
                          : tg9x9;
    probleme.clear();
    for (int l = 0; l < largeur; ++l)
        for (int c = 0; c < largeur; ++c)
            probleme += cases[l][c];
    return {};
}
