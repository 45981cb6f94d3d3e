// Exact rational numbers for the series generator: a reduced numerator over a positive
// denominator, both in 128-bit integers kept below 2^120. An operation whose result would leave
// that range fails instead of rounding, so that an answer is the exact value rounded once, at its
// decimals, and reads the same in every locale.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

class Rational {
public:
    using Int = __int128;

    Rational() = default;
    explicit Rational(long long n) : num_(n) {}
    // num / den reduced; none for a zero denominator or a value out of range.
    static std::optional<Rational> Make(Int num, Int den);
    // Digits with "." or "," for the decimal mark and an optional exponent ("1.5e-3"), an
    // optional sign first; none for any other text or a value out of range.
    static std::optional<Rational> FromDecimal(std::string_view text);
    // The decimal a double was written from: its shortest form that reads back the same.
    static std::optional<Rational> FromDouble(double value);

    Int Num() const { return num_; }
    Int Den() const { return den_; }
    bool IsZero() const { return num_ == 0; }
    bool IsInteger() const { return den_ == 1; }
    double ToDouble() const;

    std::optional<Rational> Add(const Rational& b) const;
    std::optional<Rational> Sub(const Rational& b) const;
    std::optional<Rational> Mul(const Rational& b) const;
    // None for a zero divisor too.
    std::optional<Rational> Div(const Rational& b) const;
    // An integer exponent is exact; any other goes through the nearest double.
    std::optional<Rational> Pow(const Rational& exponent) const;
    Rational Negate() const;
    Rational Trunc() const; // toward zero
    Rational Floor() const;

    // At `decimals` decimals: toward zero, down, or half up (floor of value + 1/2).
    std::optional<Rational> Truncated(int decimals) const;
    std::optional<Rational> Floored(int decimals) const;
    std::optional<Rational> Rounded(int decimals) const;
    // The value, which must have at most `decimals` decimals, written with `mark` for the
    // decimal mark and exactly `decimals` decimals.
    std::string Write(int decimals, char mark) const;

    friend bool operator==(const Rational&, const Rational&) = default;
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);

private:
    Int num_ = 0;
    Int den_ = 1;
};
