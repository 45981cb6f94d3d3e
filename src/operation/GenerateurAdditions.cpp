#include "operation/GenerateurAdditions.h"

#include "operation/DessinOperation.h"
#include "operation/Nombres.h"
#include "platform/Locale.h"
#include "platform/Random.h"

#include <algorithm>

namespace {

bool rowEnds(const TLigneOperandes& ligne) {
    return ligne[0] < 0 || ligne[1] < 0;
}

// Raises the exercise's widths to the number's digit counts.
void widen(OperGen& operation, const std::string& nombre) {
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(nombre, entiers, decimales);
    operation.LargeurEntiere = std::max(operation.LargeurEntiere, entiers);
    operation.LargeurDecimale = std::max(operation.LargeurDecimale, decimales);
}

// Gives a result the exercise's decimals: the separator when it has none, then zeros.
void padDecimals(std::string& resultat, std::int16_t largeurDecimale) {
    if (largeurDecimale <= 0)
        return;
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(resultat, entiers, decimales);
    if (decimales >= largeurDecimale)
        return;
    if (decimales == 0)
        resultat += DecimalSeparator();
    resultat.append(std::size_t(largeurDecimale - decimales), '0');
}

// A hole in the column `position` of s, unless it would fall on a leading zero, which is drawn
// blank.
bool trouHorsZerosTete(std::string& s, int position) {
    std::string sansZeros = DessinOperation::SansZerosTete(s);
    return PlaceTrous(sansZeros, position) && PlaceTrous(s, position);
}

} // namespace

void CreuseNombres(const std::vector<std::string*>& candidats, bool isoles,
                   std::int16_t largeurEntiere, std::int16_t largeurDecimale) {
    const int n = int(candidats.size());
    if (n == 0)
        return;
    if (!isoles) {
        CacheNombre(*candidats[std::size_t(Random() % n)]);
        return;
    }
    for (int position = -largeurDecimale; position < largeurEntiere; ++position) {
        const int depart = Random() % n;
        for (int essai = 0; essai < n; ++essai)
            if (trouHorsZerosTete(*candidats[std::size_t((depart + essai) % n)], position))
                break;
    }
}

ListeOperations GenereAdditions(const TTableOperandes& table, ReglesTrous trous) {
    ListeOperations liste;
    liste.reserve(table.size());
    for (const TLigneOperandes& ligne : table) {
        if (rowEnds(ligne))
            break;
        auto addition = std::make_unique<Addition>();
        std::vector<std::string> termes;
        int k = 0;
        for (; k < COLONNES_OPERANDES && ligne[std::size_t(k)] >= 0; ++k) {
            termes.push_back(DoubleToString(ligne[std::size_t(k)]));
            addition->Nombres[std::size_t(k)] = termes.back();
            widen(*addition, termes.back());
        }
        addition->NbOperandes = std::int16_t(k);
        // Summed exactly on the operands' digits, like the difference below.
        std::string& total = addition->Nombres[std::size_t(k)];
        total = SommeExacte(termes);
        widen(*addition, total);
        padDecimals(total, addition->LargeurDecimale);
        for (int j = 0; j <= k; ++j) {
            std::string& nombre = addition->Nombres[std::size_t(j)];
            nombre = Formate(nombre, addition->LargeurEntiere, addition->LargeurDecimale);
        }

        // Candidates in increasing order: first operand, middle ones, last operand, sum.
        std::vector<std::string*> candidats;
        for (int j = 0; j <= k; ++j) {
            const int bit = j == 0 ? 1 : j == k ? 8 : j == k - 1 ? 2 : 4;
            if ((trous.positions & bit) != 0)
                candidats.push_back(&addition->Nombres[std::size_t(j)]);
        }
        CreuseNombres(candidats, trous.isoles, addition->LargeurEntiere, addition->LargeurDecimale);
        liste.push_back(std::move(addition));
    }
    return liste;
}

ListeOperations GenereSoustractions(TTableOperandes& table, ReglesTrous trous) {
    ListeOperations liste;
    liste.reserve(table.size());
    for (TLigneOperandes& ligne : table) {
        if (rowEnds(ligne))
            break;
        if (ligne[0] - ligne[1] < 0)
            std::swap(ligne[0], ligne[1]);
        auto soustraction = std::make_unique<Soustraction>();
        auto& nombres = soustraction->Nombres;
        nombres[0] = DoubleToString(ligne[0]);
        nombres[1] = DoubleToString(ligne[1]);
        // On the digits: in binary arithmetic 5,1 - 4,9 is 0,199999999999999...
        nombres[2] = DifferenceExacte(nombres[0], nombres[1]);
        for (const std::string& nombre : nombres)
            widen(*soustraction, nombre);
        padDecimals(nombres[2], soustraction->LargeurDecimale);
        // The difference is written with all its columns: 1000 - 999 = 0001.
        std::int16_t entiers = 0;
        std::int16_t decimales = 0;
        NbDigit(nombres[2], entiers, decimales);
        if (entiers < soustraction->LargeurEntiere)
            nombres[2].insert(0, std::size_t(soustraction->LargeurEntiere - entiers), '0');
        for (std::string& nombre : nombres)
            nombre = Formate(nombre, soustraction->LargeurEntiere, soustraction->LargeurDecimale);

        std::vector<std::string*> candidats;
        for (int j = 0; j < 3; ++j)
            if ((trous.positions & (1 << j)) != 0)
                candidats.push_back(&nombres[std::size_t(j)]);
        CreuseNombres(candidats, trous.isoles, soustraction->LargeurEntiere,
                      soustraction->LargeurDecimale);
        liste.push_back(std::move(soustraction));
    }
    return liste;
}
