#include "package/StringTable.h"

#include <algorithm>
#include <array>

namespace {

struct Chaine {
    int id;
    const char* texte;
};

// Records of four strings from 10, stepping by 10: palette page, caption (the kind name),
// glyph name, palette index. A "*" page ends the list.
// clang-format off
constexpr std::array<Chaine, 69> table{{
    {10, "Math"},  {11, "Sélection"},        {12, "BM_FLECHE"},       {13, "0"},
    {20, "Math"},  {21, "Opération"},        {22, "BM_OPERATION"},    {23, "1"},
    {30, "Math"},  {31, "Graphe"},           {32, "BM_GRAPHE"},       {33, "2"},
    {40, "Math"},  {41, "Forme"},            {42, "BM_FORME"},        {43, "3"},
    {50, "Math"},  {51, "Fraction"},         {52, "BM_FRACTION"},     {53, "4"},
    {60, "Math"},  {61, "Camembert"},        {62, "BM_CAMEMBERT"},    {63, "5"},
    {70, "Math"},  {71, "Montre"},           {72, "BM_MONTRE"},       {73, "6"},
    {80, "Math"},  {81, "Dé"},               {82, "BM_DE"},           {83, "7"},
    {90, "Math"},  {91, "Eprouvette"},       {92, "BM_EPROUVETTE"},   {93, "8"},
    {100, "Math"}, {101, "Cube décimal"},    {102, "BM_CUBE"},        {103, "9"},
    {110, "Math"}, {111, "Boulier"},         {112, "BM_BOULIER"},     {113, "10"},
    {120, "Math"}, {121, "Euro pièces"},     {122, "BM_EUROPIECES"},  {123, "11"},
    {130, "Math"}, {131, "Euro billets"},    {132, "BM_EUROBILLETS"}, {133, "12"},
    {140, "Math"}, {141, "Masses marquées"}, {142, "BM_MASSE"},       {143, "13"},
    {150, "Math"}, {151, "Points à relier"}, {152, "BM_RELIER"},      {153, "14"},
    {160, "Math"}, {161, "Thermomètre"},     {162, "BM_THERMOMETRE"}, {163, "15"},
    {170, "Math"}, {171, "Sudoku"},          {172, "BM_SUDOKU"},      {173, "16"},
    {180, "*"},
}};
// clang-format on

static_assert(std::is_sorted(table.begin(), table.end(),
                             [](const Chaine& a, const Chaine& b) { return a.id < b.id; }),
              "the table is searched by identifier");

} // namespace

bool ChargeChaine(int id, std::string& texte) {
    const auto found = std::lower_bound(table.begin(), table.end(), id,
                                        [](const Chaine& c, int wanted) { return c.id < wanted; });
    if (found == table.end() || found->id != id)
        return false;
    texte = found->texte;
    return true;
}
