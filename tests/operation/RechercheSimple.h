// The plain uniqueness searches, kept as the reference for the fast ones of the worker: every
// digit in every hole of the two operands, in text order, and each completed exercise checked
// as a whole. They count up to 2 and a little beyond, as the plain search does (compare
// min(count, 2)).
#pragma once

#include "Verificateur.h"
#include "operation/BlocLignes.h"
#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"
#include "operation/RechercheTrous.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace simple {

using verificateur::estTrou;
using verificateur::Grand;
using verificateur::valeur;

inline std::string completeAGauche(std::string s, std::size_t taille) {
    if (s.size() < taille)
        s.insert(0, taille - s.size(), '0');
    return s;
}

// Both factors complete: is the multiplication right?
inline int multiplicationJuste(const std::vector<std::string>& l, int da, int db) {
    const std::size_t n = l.size();
    const Grand a = valeur(l[0]);
    const Grand b = valeur(l[1]);
    if (a == 0 || b == 0)
        return n == 3 && l[2].size() == 1 && (l[2][0] == '0' || estTrou(l[2][0])) ? 1 : 0;
    const std::string produit =
        completeAGauche(verificateur::decimal(a * b), std::size_t(da + db + 1));
    if (!verificateur::identiques({l[n - 1]}, {produit}))
        return 0;
    if (n == 3)
        return 1;
    std::size_t ligne = 2;
    std::string zeros;
    for (auto c = l[1].rbegin(); c != l[1].rend(); ++c) {
        if (*c == '0') {
            zeros += '0';
            continue;
        }
        const std::string partiel =
            completeAGauche(verificateur::decimal(a * Grand(*c - '0')), l[0].size()) + zeros;
        zeros.clear();
        if (ligne + 1 >= n || !verificateur::identiques({l[ligne]}, {partiel}))
            return 0;
        ++ligne;
    }
    return ligne == n - 1 ? 1 : 0;
}

// Every digit in every hole of the two operands, in text order, until two completions are
// found; `juste` tells whether the completed lines are right. The first digit of an operand
// with several integer digits (`entiers`, one count per operand) is never 0.
template <typename Juste>
int compte(std::vector<std::string>& l, const std::array<int, 2>& entiers, const Juste& juste,
           std::size_t depuisLigne = 0, std::size_t depuisPosition = 0) {
    for (std::size_t ligne = depuisLigne; ligne < 2; ++ligne) {
        for (std::size_t p = ligne == depuisLigne ? depuisPosition : 0; p < l[ligne].size(); ++p) {
            if (!estTrou(l[ligne][p]))
                continue;
            const char cache = l[ligne][p];
            int somme = 0;
            for (int d = p == 0 && entiers[ligne] > 1 ? 1 : 0; d <= 9 && somme <= 1; ++d) {
                l[ligne][p] = char('0' + d);
                somme += compte(l, entiers, juste, ligne, p + 1);
            }
            l[ligne][p] = cache;
            return somme;
        }
    }
    return juste() ? 1 : 0;
}

// Lines without separators; the factors have da and db decimals.
inline int compteMult(std::vector<std::string> l, int da, int db) {
    return compte(l, {int(l[0].size()) - da, int(l[1].size()) - db},
                  [&] { return multiplicationJuste(l, da, db) == 1; });
}

// Lines with their separators.
inline int compteDiv(std::vector<std::string> l, bool longue, int precision,
                     CalculDivision& calcul) {
    const auto entiers = [&l](std::size_t i) {
        return int(std::min(l[i].size(), l[i].find(DecimalSeparator())));
    };
    return compte(l, {entiers(0), entiers(1)}, [&] {
        return DivisionConforme(BlocLignes(l), l[0], l[1], longue, precision, calcul);
    });
}

} // namespace simple
