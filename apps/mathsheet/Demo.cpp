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
    return R"(# Feuille de démonstration : un exemple de chaque type disponible, chaque page sous son
# en-tête (titre, ligne « Nom, Prénom, Date », note sur la première).
[Page]
Titre = Nombres et opérations
Entete = 1
Note = 20
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
Largeur = 7
Hauteur = 4
Haut = 0

# Huit additions posées de deux nombres de 100 à 998 sans zéro, tirés à chaque feuille :
# les élèves retrouvent des chiffres isolés de chaque somme.
[Opération]
Nom = Additions
Gauche = 0
Largeur = 18
Hauteur = 7
Haut = 11
TrousIsoles = 1
PositionTrous = 8
NombreOperations = 8
Tirage = de 100 à 999, sans zéros, 2 opérandes

# Douze soustractions en ligne, la différence à écrire.
[Opération]
Nom = Soustractions
Gauche = 0
Largeur = 18
Hauteur = 5
Haut = 19
Operation = 1
OperationPosee = 0
PositionTrous = 4
NombreOperations = 12

[Page]
Titre = Compter, lire l'heure
Entete = 1
Format = A4
Marges = 1,5
Carreau = 0,5

# Un domino 2 | 5 à compter.
[Dé]
Aspect = 1
Largeur = 6
Hauteur = 3
Gauche = 0
Haut = 0
Valeur1 = 2
Valeur2 = 5

# Un dé qui montre 4.
[Dé]
Largeur = 3
Hauteur = 3
Gauche = 7
Haut = 0
Valeur1 = 4

# Trois quarts d'un disque, à partir de midi dans le sens des aiguilles.
[Camembert]
Largeur = 5
Hauteur = 5
Gauche = 11
Haut = 0
Numerateur = 3
Denominateur = 4

# Une montre à 10 h 10 : les élèves dessinent les aiguilles, le corrigé les montre.
[Montre]
Largeur = 7
Hauteur = 7
Gauche = 0
Haut = 5,5
Heure = 10
Minute = 10
Seconde = 0
MontrerSeconde = 0
Mode = 2

# Un boulier qui montre 37 : le corrigé pousse les boules comptées à gauche.
[Boulier]
Largeur = 10
Hauteur = 5,5
Gauche = 0
Haut = 13
TypeBoulier = 0
ValeurBoulier = 37
Mode = 2

# Un abaque de quatre tiges : les boules de 305 se colorient dans le corrigé.
[Boulier]
Largeur = 6
Hauteur = 5,5
Gauche = 11
Haut = 13
TypeBoulier = 4
NbTiges = 4
Fonctionnement = 2
ValeurBoulier = 305
Mode = 2

# 1234 en cubes, plaques, barres et unités, dans le corrigé seulement.
[Cube décimal]
NombreCube = 1234
TailleCube = 6
AjusterTaille = 1
Gauche = 0
Haut = 19
Mode = 2

[Page]
Titre = Sudoku
Entete = 1
Format = A4
Marges = 1,5
Carreau = 0,5

# Un sudoku 9 x 9 : les chiffres cachés apparaissent en rouge dans le corrigé.
[Sudoku]
Largeur = 12
Hauteur = 12
Gauche = 0
Haut = 0
TypeGrille = 0
Niveau = 3

# À côté, un sudoku 4 x 4 pour les plus jeunes.
[Sudoku]
Largeur = 5
Hauteur = 5
Gauche = 13
Haut = 0
TypeGrille = 3
Niveau = 2

[Page]
Titre = Multiplications, divisions et fractions
Entete = 1
Format = A4
Marges = 1,5;1;1,5;1
Carreau = 0,5

# Six multiplications posées : des chiffres isolés à retrouver, une seule solution chacune.
[Opération]
Nom = Multiplications
Gauche = 0
Largeur = 18
Hauteur = 8
Haut = 0
InhibeCalculsAuto = 1
Operation = 2
TrousIsoles = 1
PositionTrous = 7
DifficulteMult = 1
NombreOperations = 6
Operandes = 123;45 | 407;26 | 2,5;34 | 86;305 | 1204;7 | 58;19
GenererCalcul = 1

# Trois divisions posées au centième : le quotient et les restes à écrire.
[Opération]
Nom = Divisions
Gauche = 0
Largeur = 18
Hauteur = 5
Haut = 8,5
InhibeCalculsAuto = 1
Operation = 3
PositionTrous = 4
PrecisionDiv = 2
NombreOperations = 3
Operandes = 1234;56 | 3,6;1,2 | 47;8
GenererCalcul = 1

# Deux additions de fractions avec leurs étapes : le dénominateur commun, puis la fraction
# simplifiée après le résultat non simplifié.
[Fraction]
Nom = Additions de fractions
Gauche = 0
Largeur = 18
Hauteur = 4,4
Haut = 14
NombreOperations = 2
Simplification = 2
Operandes = 1/4;1/6 | 2/3;1/4

# Deux divisions de fractions, chacune écrite comme une grande fraction.
[Fraction]
Nom = Divisions de fractions
Gauche = 0
Largeur = 9
Hauteur = 7
Haut = 18,6
FractionOperation = 3
NombreOperations = 2
Fonte = Andika,12
FonteCorrigé = Andika,12

# Quatre fractions à simplifier.
[Fraction]
Nom = Simplifications
Gauche = 9,5
Largeur = 8,5
Hauteur = 7
Haut = 18,6
FractionOperation = 4
NombreOperations = 4

[Page]
Titre = Monnaie et masses
Entete = 1
Format = A4
Marges = 1,5
Carreau = 0,5

# 3,45 € en pièces mélangées et entourées, à compter.
[Euro pièces]
Largeur = 13
Hauteur = 3,5
Gauche = 0
Haut = 0
SommePieces = 3,45
TriPièces = 2
Entourer = 1

# Des pièces que seul le corrigé montre : l'épreuve n'en garde que les contours.
[Euro pièces]
Largeur = 4
Hauteur = 4
Gauche = 14
Haut = 0
ZoomPieces = 50
SommePieces = 0,88
Mode = 2

# 85 € en billets, les rangées contre le bord droit.
[Euro billets]
Largeur = 18
Hauteur = 8
Gauche = 0
Haut = 4,5
ZoomBillets = 70
SommeBillets = 85
AligneDroite = 1

# 1888 g en masses marquées, avec leurs étiquettes.
[Masses marquées]
Largeur = 18
Hauteur = 6,5
Gauche = 0
Haut = 13
ZoomMasses = 85
IntervalleMasses = 2
Fonte = Andika,9,0,normal
SommeMasses = 1888

[Page]
Titre = Températures et volumes
Entete = 1
Format = A4
Marges = 1,5
Carreau = 0,5

# Un thermomètre de -20 à 60 °C, en °F à droite, à 23 °C : le liquide n'est que dans le corrigé.
[Thermomètre]
Largeur = 5
Hauteur = 10
Gauche = 0
Haut = 0
TemperatureMaximum = 60
TemperatureMinimum = -20
LibelleTemperatureGauche = 0
LibelleTemperatureDroite = 1
Temperature = 23
LibelleMoyennes = 0
Mode = 2

# Une éprouvette graduée de 10 ml qui contient 6,5 ml, le liquide dans le corrigé ; l'énoncé
# dit le volume à verser.
[Eprouvette]
Largeur = 3
Hauteur = 10
Gauche = 7
Haut = 0
Volume = 10
VolumeLiquide = 6,5
Mode = 2
Enonce = Verse %s

[Page]
Titre = Formes
Entete = 1
Format = A4
Marges = 1,5
Carreau = 0,5

# Une tache arrondie, ses huit points à la main, remplie en jaune pâle.
[Forme]
StyleBrosseFond = 0
CouleurBrosseFond = 10547455
TaillePinceauCadre = 5
Distance = 10
Points = 2;2 | 4;1,5 | 6;2 | 7;4 | 6;6 | 4;6,5 | 2;6 | 1;4

# Une maison en polygone : sans arrondi, les points sont reliés par des segments.
[Forme]
Distance = 0
CouleurBrosseFond = 16768180
TaillePinceauCadre = 5
Points = 10;4 | 13;1 | 16;4 | 16;6 | 16;8 | 13;8 | 10;8 | 10;6

# Une forme de seize points que seul le corrigé montre.
[Forme]
NbPoints = 16
Distance = 6
Mode = 2
CouleurBrosseFond = 12513470
Points = 3;10 | 5;9 | 7;10 | 9;9 | 11;10 | 11,5;11,5 | 11;13 | 11,5;14,5 | 11;16 | 9;17 | 7;16 | 5;17 | 3;16 | 2,5;14,5 | 3;13 | 2,5;11,5
# Des graphes : histogrammes en relief avec leurs murs, secteurs, courbe, et un histogramme
# qui suit les cellules d'une grille, que seul le corrigé montre.
[Page]
Titre = Graphiques
Entete = 1

[Graphe]
Nom = Stock
Largeur = 9
Hauteur = 6
Gauche = 0
Haut = 0
MursVisibles = 1
Serie = Histogrammes verticaux; Stock; 0
Points = Vis;;12;0x0000FF | Boulons;;18;0xFF0000 | Clous;;7;0x008000 | Ecrous;;15;0x00FFFF
Titre = Stock de la quincaillerie
TitreAxeY = Boîtes

[Graphe]
Nom = Fruits
Largeur = 8,5
Hauteur = 6
Gauche = 9,5
Haut = 0
Serie = Secteurs; Fruits; 1
Points = Pommes;;12; | Poires;;6; | Prunes;;4; | Kiwis;;2;
Titre = Fruits préférés de la classe

[Graphe]
Nom = Températures
Largeur = 18
Hauteur = 6
Gauche = 0
Haut = 6,5
Vue3D = 0
AnnotationsVisibles = 0
Serie = Lignes; Température; 0
Points = lun;;8; | mar;;11; | mer;;9,5; | jeu;;13; | ven;;12; | sam;;15; | dim;;14;
Titre = Température à midi (°C)
AxeY = 0;20

[Grille]
Nom = Relevés
Gauche = 0
Haut = 13
Colonnes = 4
Lignes = 2
Cellule = 1,5
Texte = 1;1;Lundi
Texte = 2;1;Mardi
Texte = 3;1;Jeudi
Texte = 4;1;Vendredi
Texte = 1;2;21
Texte = 2;2;24
Texte = 3;2;18
Texte = 4;2;26

[Graphe]
Nom = Présences
Largeur = 11,5
Hauteur = 6
Gauche = 6,5
Haut = 13
Mode = 2
Vue3D = 0
Serie = Histogrammes verticaux; Présents; 0
Points = ;;0; | ;;0; | ;;0; | ;;0;
Lien = Libellé; Relevés; ligne; 0; 0; 0
Lien = Ordonnée; Relevés; ligne; 1; 0; 0
Titre = Élèves présents

# Les jours de la semaine et des valeurs tirées de 5 à 29, autres à chaque exemplaire.
[Graphe]
Nom = Cantine
Largeur = 18
Hauteur = 6
Gauche = 0
Haut = 19,5
Vue3D = 0
AnnotationsVisibles = 0
Serie = Lignes; Repas; 0
Colonnes = 7
Suite = 3;1;1;2
Nombres = 5;30;m;1;0
Titre = Repas servis à la cantine
AxeY = 0;30
[Page]
Titre = Points à relier
Entete = 1

# Une étoile de dix points à relier dans l'ordre des sommes ; le premier point revient en
# dernier pour la fermer, et le corrigé les relie.
[Points à relier]
Largeur = 12
Hauteur = 12
Gauche = 3
Haut = 2
StylePoints = 3
Points = 0,500;0,050;; | 0,612;0,346;; | 0,928;0,361;; | 0,681;0,559;; | 0,765;0,864;; | 0,500;0,690;; | 0,235;0,864;; | 0,319;0,559;; | 0,072;0,361;; | 0,388;0,346;; | 0,500;0,050;;
Serie = additions nombres entre 1 et 10

# (each kind adds its example above this line)
)";
}
