// The chart's sheet-only keys, which do from a sheet what a teacher does in the data editor:
//   Serie = Histogrammes verticaux; Stock; 0   a new series: type caption, title, marks style
//                                              (the first one replaces the series and the
//                                              titles of creation);
//   Points = Vis;;12;0x0000FF | Clous;;7;      the last series' points: label; X; Y; colour
//                                              (empty colour: a palette of ours);
//   Titre, Pied = lines between "|"; TitreAxeX, TitreAxeY = text;
//   AxeX, AxeY = auto | min;max;
//   Lien = Ordonnée; T1; colonne; 2; 0; 0      the last series' link: attribute (Libellé,
//                                              Abscisse, Ordonnée, Couleur), grid name, ligne or
//                                              colonne, its number, first and last cell;
//   Colonnes = 7                               the last series' number of points, 1..100;
//   Suite = 2;1;1;0                            fills its labels (its colours for the rainbow)
//                                              as the editor's sequence tool: choice 1..8 in
//                                              the dialog's order, start, multiplier, case 0..2;
//   Nombres = 5;30;m;1;0                       fills its Y with drawn numbers as the editor's
//                                              tool: minimum; maximum excluded; m or d
//                                              (multiply, divide); factor; addend.
// Each key puts the data in the chart at once, then refreshes the links. A link to a grid the
// sheet makes further down waits for FinitFeuilleGraphe.
#pragma once

#include "host/Catalogue.h"
#include <string>
#include <vector>

class TComposant;

const std::vector<CleFeuille>& ClesFeuilleGraphe();

// Applies one of those keys: true when taken, false with the message of the refusal.
bool AppliqueCleFeuilleGraphe(TComposant& composant, const std::string& cle,
                              const std::string& valeur, std::string& message);

// Once every component of the sheet exists: makes the links that waited for their grid and
// refreshes the chart; false with the message when a link names no grid.
bool FinitFeuilleGraphe(TComposant& composant, std::string& message);
