#include "operation/Retenues.h"

#include "operation/OperOptions.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kColonnes = 19; // the digits of any std::int64_t
using Chiffres = std::array<int, kColonnes>;

// Units first.
Chiffres chiffres(std::int64_t n) {
    Chiffres c{};
    for (int i = 0; n > 0 && i < kColonnes; ++i, n /= 10)
        c[std::size_t(i)] = int(n % 10);
    return c;
}

// Without a carry every column's plain sum stays below ten; the first column past it carries.
bool additionRetenue(std::span<const std::int64_t> operandes) {
    std::array<int, kColonnes> sommes{};
    for (const std::int64_t n : operandes) {
        const Chiffres c = chiffres(n);
        for (std::size_t i = 0; i < sommes.size(); ++i)
            sommes[i] += c[i];
    }
    return std::any_of(sommes.begin(), sommes.end(), [](int s) { return s >= 10; });
}

// The lowest column whose top digit is below the one under it borrows; without one, none does.
bool soustractionRetenue(std::int64_t a, std::int64_t b) {
    if (a < b)
        std::swap(a, b);
    const Chiffres haut = chiffres(a);
    const Chiffres bas = chiffres(b);
    for (std::size_t i = 0; i < haut.size(); ++i)
        if (haut[i] < bas[i])
            return true;
    return false;
}

// The digit products are the partial products' digits when none reaches ten; the columns of
// their sum are then the sums of products whose positions add up to the column.
bool multiplicationRetenue(std::int64_t a, std::int64_t b) {
    const Chiffres x = chiffres(a);
    const Chiffres y = chiffres(b);
    std::array<int, 2 * kColonnes> colonnes{};
    for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t j = 0; j < y.size(); ++j) {
            const int produit = x[i] * y[j];
            if (produit >= 10)
                return true;
            colonnes[i + j] += produit;
        }
    return std::any_of(colonnes.begin(), colonnes.end(), [](int s) { return s >= 10; });
}

// A whole number in [0, n), n below 2^30, from the seeded generator.
std::int64_t hasard(std::int64_t n) {
    const std::int64_t tirage = std::int64_t(Random()) * (RAND_MAX_VL + 1) + Random();
    return n > 0 ? tirage % n : 0;
}

std::int64_t puissanceDix(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

int nombreChiffres(std::int64_t n) {
    int c = 1;
    while (n >= 10) {
        n /= 10;
        ++c;
    }
    return c;
}

// Every number of the range is, digit by digit, at least one of these: lo, and lo with one
// digit raised by one and the digits below it zero.
std::vector<std::int64_t> minimaux(PlageEntiers p) {
    std::vector<std::int64_t> v{p.lo};
    for (std::int64_t rang = 1; rang <= p.hi; rang *= 10) {
        const std::int64_t chiffre = p.lo / rang % 10;
        const std::int64_t x = p.lo / rang / 10 * rang * 10 + (chiffre + 1) * rang;
        if (chiffre < 9 && x <= p.hi)
            v.push_back(x);
    }
    return v;
}

// Every number of the range is, digit by digit, at most one of these: hi, and hi with one
// digit lowered by one and the digits below it nines.
std::vector<std::int64_t> maximaux(PlageEntiers p) {
    std::vector<std::int64_t> v{p.hi};
    for (std::int64_t rang = 1; rang <= p.hi; rang *= 10) {
        const std::int64_t chiffre = p.hi / rang % 10;
        const std::int64_t x = p.hi / rang / 10 * rang * 10 + (chiffre - 1) * rang + rang - 1;
        if (chiffre > 0 && x >= p.lo)
            v.push_back(x);
    }
    return v;
}

// A carry only appears as digits grow: an addition or multiplication without carry exists in
// the range when one exists among the digit-wise smallest numbers, one with a carry when one
// exists among the largest. The operands commute, so rising index lists are enough.
bool cherche(int type, bool avecRetenue, const std::vector<std::int64_t>& candidats,
             std::vector<std::int64_t>& choix, std::size_t depuis, std::size_t nombre) {
    if (choix.size() == nombre)
        return ARetenue(type, choix) == avecRetenue;
    for (std::size_t i = depuis; i < candidats.size(); ++i) {
        choix.push_back(candidats[i]);
        if (cherche(type, avecRetenue, candidats, choix, i, nombre))
            return true;
        choix.pop_back();
    }
    return false;
}

std::optional<std::vector<std::int64_t>> temoin(int type, std::size_t nombre, PlageEntiers p,
                                                bool avecRetenue) {
    if (type == OP_SOUSTRACTION) {
        if (!avecRetenue) {
            const std::int64_t x = p.lo + hasard(p.hi - p.lo + 1);
            return std::vector<std::int64_t>{x, x};
        }
        // Some a > b within the range differ in a column the wrong way round only when a ten
        // lies in lo + 1..hi: then a ten minus 1 to 9 borrows.
        const std::int64_t premiere = (p.lo + 1 + 9) / 10;
        const std::int64_t derniere = p.hi / 10;
        if (premiere > derniere)
            return std::nullopt;
        const std::int64_t a = 10 * (premiere + hasard(derniere - premiere + 1));
        const std::int64_t b = a - 1 - hasard(std::min<std::int64_t>(9, a - p.lo));
        return std::vector<std::int64_t>{a, b};
    }
    std::vector<std::int64_t> choix;
    if (!cherche(type, avecRetenue, avecRetenue ? maximaux(p) : minimaux(p), choix, 0, nombre))
        return std::nullopt;
    return choix;
}

} // namespace

bool ARetenue(int type, std::span<const std::int64_t> operandes) {
    switch (type) {
    case OP_ADDITION:
        return additionRetenue(operandes);
    case OP_SOUSTRACTION:
        return operandes.size() >= 2 && soustractionRetenue(operandes[0], operandes[1]);
    case OP_MULTIPLICATION:
        return operandes.size() >= 2 && multiplicationRetenue(operandes[0], operandes[1]);
    default:
        return false;
    }
}

std::optional<std::vector<std::int64_t>>
TireExerciceRetenues(int type, int nombre, PlageEntiers plage, bool avecRetenue) {
    if (type != OP_ADDITION)
        nombre = 2;
    if (nombre < 1 || plage.lo < 0 || plage.hi < plage.lo || type < OP_ADDITION ||
        type > OP_MULTIPLICATION)
        return std::nullopt;
    std::optional<std::vector<std::int64_t>> trouve =
        temoin(type, std::size_t(nombre), plage, avecRetenue);
    if (!trouve)
        return std::nullopt;
    // From the exercise found, random digit changes that keep it within the range and keep
    // its carries as asked.
    std::vector<std::int64_t>& t = *trouve;
    const int largeur = nombreChiffres(plage.hi);
    constexpr int kPas = 200;
    for (int pas = 0; pas < kPas; ++pas) {
        std::vector<std::int64_t> essai = t;
        std::int64_t& n = essai[std::size_t(hasard(std::int64_t(essai.size())))];
        const std::int64_t rang = puissanceDix(int(hasard(largeur)));
        n += (hasard(10) - n / rang % 10) * rang;
        if (n < plage.lo || n > plage.hi || (type == OP_SOUSTRACTION && essai[0] < essai[1]) ||
            ARetenue(type, essai) != avecRetenue)
            continue;
        t = std::move(essai);
    }
    if (type != OP_SOUSTRACTION)
        for (std::size_t i = t.size(); i > 1; --i)
            std::swap(t[i - 1], t[std::size_t(hasard(std::int64_t(i)))]);
    return trouve;
}
