// Whether a holed multiplication or division still has a single solution: the completions of
// the holes of its two operands are counted, and the count stops at 2 since only uniqueness
// matters. Holes in the other lines match any digit; a completion counts when every line
// agrees with what the operands give.
//
// The counts are those of a plain search that tries every digit in every operand hole and
// checks each completed exercise; these searches only skip the branches that the known digits
// already rule out, so that the answer stays the same while the work shrinks by orders of
// magnitude.
#pragma once

#include "operation/BlocLignes.h"
#include "operation/EcritureMultDiv.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Wide enough for the bounds of a division search.
using Entier128 = unsigned __int128;

// Stops a search from outside (a cancelled worker); polled now and then while it runs.
using ArretRecherche = std::function<bool()>;

// Whether a number agrees with a holed pattern: integer parts right-aligned, decimal parts
// left-aligned; where both have a character a known digit of the pattern must be the value's;
// a digit the other lacks must be 0. Holes match anything.
bool NombresConcordent(std::string_view motif, std::string_view valeur);

// Whether the completed operands make the division of the pattern: the quotient and the
// intermediate lines must agree (NombresConcordent); the short layout is compared from line 3
// down, the long one from the last line up, and having more lines than the pattern fails.
bool DivisionConforme(const BlocLignes& motif, std::string_view dividende,
                      std::string_view diviseur, bool longue, int precision,
                      CalculDivision& calcul);

// The steps of a search: its limit, its polling of a stop request, and where it stopped. A
// search that stops unwinds at once without another step, so a step is only ever taken while
// it runs on.
class EtapesRecherche {
public:
    // A search that would visit more than this many steps answers 2 (0: no limit), so that a
    // hole whose check would take long is not kept.
    void LimiteEtapes(std::uint64_t etapes) { etapesMax_ = etapes; }
    // The steps the last search took.
    std::uint64_t Etapes() const { return noeuds_; }

protected:
    void demarre(const ArretRecherche& arret);
    // One step: false once the search stops (the limit passed, or asked from outside). The
    // limit and the polling happen only at `seuil_`, the next step that needs either.
    bool continuer() { return ++noeuds_ < seuil_ || continuerLent(); }
    // `pas` steps at once, for digits passed over without a look.
    bool avance(int pas) {
        if (noeuds_ + std::uint64_t(pas) >= seuil_)
            return avanceLent(pas);
        noeuds_ += std::uint64_t(pas);
        return true;
    }

    bool arrete_ = false;
    std::uint64_t noeuds_ = 0;

private:
    bool continuerLent();
    bool avanceLent(int pas);

    std::uint64_t seuil_ = 0;
    std::uint64_t etapesMax_ = 0;
    const ArretRecherche* arret_ = nullptr;
};

// Multiplication lines without separators: factors, partial products, product. A completion
// counts when the product (padded with zeros to at least da + db + 1 digits) agrees digit by
// digit and length for length, and, with partial products, when each non-zero digit of the
// multiplier from the right gives the next partial product (the multiplicand times the digit,
// padded to the multiplicand's length, followed by the zeros of the zero digits skipped) and
// there are no partial products left over. A zero factor is only right with three lines and a
// one-character product. The first digit of a factor whose integer part has several digits
// is never 0.
class RechercheMult : public EtapesRecherche {
public:
    int Compte(const BlocLignes& lignes, int da, int db, const ArretRecherche& arret = {});

private:
    // Columns are walked from the right: the multiplicand's and the multiplier's digits of a
    // column are chosen together, then the product digit and the partial products' digits
    // that they settle are checked at once. Every digit tried is a step, whether or not it
    // passes; the steps decide which searches stop early, so they are counted in this order.
    bool colonne(int k);
    bool choixB(int k);
    bool ligneB(int k, int b, int r, int z);
    bool zerosAvant(int r, int z) const;
    bool lignesA(int k, int a);
    bool chiffreProduit(int k);
    bool feuille();
    // Digit i of partial product r (from the right), -1 for a hole.
    const int* ligneR(int r) const { return motifR_.data() + debutR_[std::size_t(r)]; }
    // The carry of partial product j after the multiplicand's digit i.
    int& retenueR(int i, int j) { return retenueR_[std::size_t(i * lb_ + j)]; }

    int la_ = 0, lb_ = 0, k_ = 0, lp_ = 0, nr_ = 0, da_ = 0, db_ = 0;
    int loA_ = 0, loB_ = 0;
    bool regleZero_ = false;
    int compte_ = 0;
    // Digits from the right, -1 for a hole; the partial products one after the other.
    std::vector<int> motifA_, motifB_, motifP_, valA_, valB_, motifR_;
    std::vector<int> debutR_, tailleR_;
    // By multiplier digit: its partial product's index (-1 for none) and trailing zeros.
    std::vector<int> rang_, zeros_;
    // By column: non-zero multiplier digits so far, the last one's position, product digits
    // and carries; carries of each partial product by column (retenueR).
    std::vector<int> nonNuls_, dernier_, chiffreP_, retenueP_, retenueR_;
    // By column: the product's length so far, and whether the multiplicand's digits so far
    // have one that is not 0.
    std::vector<int> longueurP_;
    std::vector<char> nonNulA_;
};

// Division lines as written (with separators): dividend, divisor, quotient, then the short or
// long layout's lines. The divisor's holes are completed first; then the dividend's, from the
// left, each new digit settling one digit of the quotient, which must agree with the quotient
// line at once; in the short layout, each line is checked as soon as the digits it brings down
// are known.
class RechercheDiv : public EtapesRecherche {
public:
    // Checking a completed division counts as many steps as kEtapesDivision.
    int Compte(const BlocLignes& lignes, bool longue, int precision,
               const ArretRecherche& arret = {});

private:
    // The short layout so far: the remainder by the whole divisor, whether the dividend's
    // significant digits have begun, the lines completed, and the line begun (its remainder
    // and the dividend digit after which it brings digits down; -1 before the first).
    struct Courte {
        std::uint64_t reste = 0;
        bool commence = false;
        int lignes = 0;
        std::uint64_t resteLigne = 0;
        int depuis = -1;
    };

    bool diviseur(std::size_t trou);
    // The quotient line bounds the divisor: x / y lies in [qMin, qMax + 10^-e), e the
    // decimals the quotient surely has (holes read as 0 for qMin, as 9 for qMax).
    void preparesDiviseur(std::string_view quotient);
    // Whether some divisor with the digits chosen so far, and some dividend, keep x / y there.
    bool diviseurPossible() const;
    bool dividende(std::size_t i, std::uint64_t reste, Entier128 tete, Courte courte);
    void preparesBornes();
    bool ligneCourte(std::size_t i, int chiffre, Courte& courte);
    void preparesCourte();
    // Whether the quotient's digit at a place (0 units, -1 the first decimal...) may be
    // `chiffre`, from the table preparesPlaces fills for the divisor.
    bool placeQuotient(int place, int chiffre) const {
        return place < -limite_ || accepte(places_[std::size_t(place + limite_)], chiffre);
    }
    void preparesPlaces();
    static bool accepte(int motif, int chiffre) { return motif < 0 || motif == chiffre; }
    bool feuille();

    const BlocLignes* lignes_ = nullptr;
    bool longue_ = false;
    int precision_ = 0;
    int compte_ = 0;
    char separateur_ = ',';

    std::string dividende_, diviseur_;
    // Positions of the dividend's digits in its text; the divisor's holes.
    std::vector<std::size_t> positionsX_, trousY_;
    int entiersX_ = 0;
    int loX_ = 0, loY_ = 0;
    // The divisor's bounds, all scaled alike: the dividend's lowest and highest values, and
    // the quotient's (its upper bound exclusive); off when they would not fit in 128 bits.
    bool borneY_ = false;
    Entier128 xBas_ = 0, xHaut_ = 0, qBas_ = 0, qHaut_ = 0;
    // After the divisor is complete: its digits' value and decimals.
    std::uint64_t y_ = 0;
    int decimalesY_ = 0;
    bool elague_ = false;
    // The whole divisor of the short layout (trailing zeros off), its length, and how many of
    // the dividend's first digits surely are the digits it divides.
    std::uint64_t d_ = 0;
    int longueurD_ = 0;
    std::size_t sursCourte_ = 0;
    // The quotient's decimals known to be written (at least the precision).
    int limite_ = 0;
    // The quotient's known digits bound the dividend: its digits, followed by as many zeros as
    // `zerosBornes_`, lie in [basX_, hautX_) (no bound when `borne_` is off).
    bool borne_ = false;
    int zerosBornes_ = 0;
    Entier128 basX_ = 0, hautX_ = 0;
    std::string ligne_;
    // The quotient line: integer digits from the right, decimals from the left, -1 for holes.
    std::vector<int> quotientEntier_, quotientDecimal_;
    // By place from -limite_ up: the digit the quotient must have there, -1 for any.
    std::vector<int> places_;
    // The quotient line read to limite_ decimals, holes as 0 and as 9. These and places_
    // depend on the divisor only through limite_: they are kept for the limit they were made
    // for (-1: none yet).
    Entier128 qMin_ = 0, qMax_ = 0;
    int limiteBornes_ = -1, limitePlaces_ = -1;
    CalculDivision calcul_;
};
