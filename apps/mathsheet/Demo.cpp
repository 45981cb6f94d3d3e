#include "Demo.h"

namespace {

// "Texte = column;row;number" lines filling a 10 x 10 table with 1..100.
std::string numberTable() {
    std::string lines;
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column) {
            const int n = (row - 1) * 10 + column;
            lines += "Texte = " + std::to_string(column) + ";" + std::to_string(row) + ";" +
                     std::to_string(n) + "\n";
        }
    }
    return lines;
}

} // namespace

std::string DemoSheet() {
    return R"(# Feuille de démonstration : un exemple de chaque type disponible.
[Page]
Format = A4
Orientation = Portrait
Marges = 1,5
Carreau = 0,5

# Un tableau de nombres de 1 à 100 sur papier quadrillé.
[Grille]
Nom = Tableau
Gauche = 0
Haut = 0
Colonnes = 10
Lignes = 10
Cellule = 1
)" + numberTable() +
           R"(
# Une liste d'enregistrements que des composants peuvent parcourir.
[Liste]
Nom = Mots
Champs = texte
Ajoute = un
Ajoute = deux
Ajoute = trois
Gauche = 11
Haut = 0
Largeur = 7
Hauteur = 4

# (each kind adds its example above this line)
)";
}
