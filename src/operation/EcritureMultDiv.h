// Writes multiplications and divisions out line by line, as a pupil poses them: the factors,
// the partial products and the product; the dividend, the divisor, the quotient and the
// intermediate lines of the short or long layout. No holes here: the worker (ThreadMult) hides
// digits afterwards.
#pragma once

#include "operation/OperGen.h"
#include "operation/OperOptions.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Clears and fills `lignes`: multiplicand, multiplier, the partial products (one per non-zero
// digit of the multiplier from the right, each followed by the zeros of the multiplier's zero
// digits met since the previous one; none when there would be only one) and the product with
// the decimals of both factors ("3,0" for 1,5 x 2; "0" for a product of zero).
void EcrireMultiplication(double multiplicande, double multiplicateur,
                          std::vector<std::string>& lignes);

// Clears and fills `lignes`: dividend, divisor (1 for a divisor of 0), quotient with up to
// `precision` decimals (fewer when the division ends), then the intermediate lines of the
// short layout (remainders with the digits brought down) or of the long one (each product
// followed by the next partial dividend, and the final remainder). `zerosSupprimes` receives
// the trailing zeros of the dividend that the comma move made useless.
void EcrireDivision(double dividende, double diviseur, std::vector<std::string>& lignes,
                    bool longue, int precision, std::int16_t& zerosSupprimes);

// The written division of two operand texts (digits with at most one decimal separator),
// computed on 64-bit integers. One object is reused across many calls: once its strings have
// grown, a call allocates nothing.
class CalculDivision {
public:
    // False when the divisor is 0 (or beyond 18 significant digits); nothing is then computed.
    bool Calcule(std::string_view dividende, std::string_view diviseur, bool longue, int precision);
    // The same in two steps: the quotient, then (if wanted) the intermediate lines.
    bool CalculeQuotient(std::string_view dividende, std::string_view diviseur, int precision);
    void CalculeLignes(bool longue);

    const std::string& Quotient() const { return quotient_; }
    // The final remainder (on the scaled dividend), the long layout's last line.
    std::uint64_t Reste() const { return reste_; }
    int NombreLignes() const { return nombreLignes_; }
    const std::string& Ligne(int i) const { return lignes_[std::size_t(i)]; }
    int ZerosSupprimes() const { return zerosSupprimes_; }

private:
    std::string& nouvelleLigne();
    void formeCourte();
    void formeLongue();

    std::string diviseur_; // normalised divisor digits
    std::string chiffres_; // the scaled dividend's digits, as a number
    std::string quotient_;
    std::vector<std::string> lignes_;
    int nombreLignes_ = 0;
    std::uint64_t d_ = 0;
    std::uint64_t reste_ = 0;
    int zerosSupprimes_ = 0;
};

// The remainder of a written division, dividend - quotient x divisor, from the three texts
// (holes read as the digits they hide): "0,01" for 1 : 3 = 0,33. Empty when it is 0 (or when
// the texts do not make a division).
std::string ResteDivision(std::string_view dividende, std::string_view diviseur,
                          std::string_view quotient);

// One record per table row, up to the first row whose first or second cell is negative.
// The widths are those of the factors and the product (or of the dividend, divisor and
// quotient), and a division's four layout values are set from its written lines.
ListeOperations GenereMultiplications(const TTableOperandes& table);
ListeOperations GenereDivisions(const TTableOperandes& table, bool longue, int precision);
