// Numbers as the user reads and types them, the same whatever the C or Qt locale: "," or "."
// before the decimals, an optional exponent, and exact decimal texts with a comma. Nothing
// here consults a locale: digits are read with std::from_chars or integer arithmetic and
// written with std::to_chars.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An exact decimal: digits / 10^decimals (decimals >= 0).
struct ExactDecimal {
    std::int64_t digits = 0;
    int decimals = 0;
    friend bool operator==(const ExactDecimal&, const ExactDecimal&) = default;
};

// How a number is written: the decimal separator, the separator between groups of three
// integer digits (none when 0), and whether the decimals' trailing zeros are kept.
struct NumberStyle {
    char comma = ',';
    char thousands = 0;
    bool trailingZeros = false;
};

// The length of the number at the start of `text`: an optional sign, digits with at most one
// "," or "." (a digit at least), then optionally "e" or "E", a sign and digits. 0 when the
// text does not start with a number; an "e" without digits is left out of the number.
std::size_t NumberLength(std::string_view text);

// The whole text as a number (no blanks: trim first); empty when it holds anything else or
// lies beyond a double.
std::optional<double> ReadNumber(std::string_view text);

// The whole text as an exact decimal, exponent applied ("2,5e-3" is 25 / 10^4, "1.5e3" is
// 1500 / 10^0); empty when it holds anything else or needs more than 18 digits.
std::optional<ExactDecimal> ReadExactDecimal(std::string_view text);

// The decimal at `decimals` decimals, rounded half away from zero, as a whole number of
// 10^-decimals: (2,345 ; 2) gives 235, (-2,5 ; 0) gives -3. Empty past 18 digits.
std::optional<std::int64_t> ScaledDigits(ExactDecimal d, int decimals);

// digits / 10^decimals written in full, the decimals' trailing zeros and then a bare comma
// dropped unless the style keeps them: (215, 2) gives "2,15", (250, 2) "2,5" (or "2,50"),
// (-5, 2) "-0,05", (1234567, 0) with a blank for thousands "1 234 567".
std::string WriteDecimal(std::int64_t digits, int decimals, NumberStyle style = {});
std::string WriteDecimal(ExactDecimal d, NumberStyle style = {});

// v at `decimals` decimals (0 to 17): its exact decimal expansion is taken at one decimal
// more, then rounded half away from zero, so that 2.675 (held as 2.67499999...) gives "2,68"
// at 2 decimals. Trailing zeros dropped, no "-0"; "0" for an infinity or a NaN.
std::string WriteNumber(double v, int decimals, NumberStyle style = {});

// The shortest decimal text that reads back as v, without an exponent; "0" for an infinity
// or a NaN.
std::string WriteShortest(double v, NumberStyle style = {});
