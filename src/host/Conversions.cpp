#include "host/Conversions.h"

#include "platform/Text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Takes a leading '+' or '-' off s; true when it was '-'.
bool takeSign(std::string_view& s) {
    if (s.empty() || (s.front() != '+' && s.front() != '-'))
        return false;
    const bool negative = s.front() == '-';
    s.remove_prefix(1);
    return negative;
}

// A whole number with an optional sign, blanks and line ends around it allowed.
std::optional<int> parseWhole(std::string_view s) {
    const auto v = ParseInteger(Trim(s, kBlanksAndLineEnds), std::numeric_limits<int>::min(),
                                std::numeric_limits<int>::max(), {.plus = true});
    if (!v)
        return std::nullopt;
    return int(*v);
}

struct Decimal {
    bool negative = false;
    std::string_view whole;    // digits before the separator
    std::string_view fraction; // digits after it
};

// Digits with at most one ',' or '.', at least one digit in all; an optional sign first.
std::optional<Decimal> splitDecimal(std::string_view s) {
    Decimal d;
    d.negative = takeSign(s);
    const std::size_t separator = s.find_first_of(",.");
    d.whole = s.substr(0, separator);
    if (separator != std::string_view::npos)
        d.fraction = s.substr(separator + 1);
    if (d.whole.empty() && d.fraction.empty())
        return std::nullopt;
    for (const std::string_view part : {d.whole, d.fraction})
        for (const char c : part)
            if (!isDigit(c))
                return std::nullopt;
    return d;
}

// A length in centimetres as tenths of a millimetre: x 100, rounded half away from zero, in
// exact decimal arithmetic.
std::optional<int> parseCentimetres(std::string_view s) {
    const auto d = splitDecimal(Trim(s, kBlanksAndLineEnds));
    if (!d)
        return std::nullopt;
    std::int64_t v = 0;
    for (const char c : d->whole) {
        v = v * 10 + (c - '0');
        if (v > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    for (std::size_t i = 0; i < 2; ++i)
        v = v * 10 + (i < d->fraction.size() ? d->fraction[i] - '0' : 0);
    if (d->fraction.size() > 2 && d->fraction[2] >= '5')
        ++v;
    if (d->negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(v);
}

// Tenths of a millimetre in centimetres with a decimal comma and at most two decimals:
// 1850 -> "18,5", -5 -> "-0,05".
std::string centimetres(int tenths) {
    const std::int64_t v = tenths;
    const std::int64_t magnitude = v < 0 ? -v : v;
    std::string text = (v < 0 ? "-" : "") + std::to_string(magnitude / 100);
    const int cents = int(magnitude % 100);
    if (cents != 0) {
        text += ',';
        text += char('0' + cents / 10);
        if (cents % 10 != 0)
            text += char('0' + cents % 10);
    }
    return text;
}

std::string quoted(const std::string& value) {
    return "\"" + value + "\"";
}

} // namespace

bool ConvInt(const std::string& value, int& result, std::string& message) {
    const auto v = parseWhole(value);
    if (!v) {
        message = quoted(value) + " n'est pas un nombre entier valide.";
        return false;
    }
    result = *v;
    return true;
}

bool ConvInt(const std::string& value, int& result, std::string& message, int min, int max) {
    int v = 0;
    if (!ConvInt(value, v, message))
        return false;
    if (v < min || v > max) {
        message = "La valeur doit être comprise entre " + std::to_string(min) + " et " +
                  std::to_string(max) + ".";
        return false;
    }
    result = v;
    return true;
}

bool ConvVirg(const std::string& value, int& result, std::string& message, int min, int max) {
    const auto v = parseCentimetres(value);
    if (!v) {
        message = quoted(value) + " n'est pas un nombre valide.";
        return false;
    }
    if (*v < min || *v > max) {
        message = "La valeur doit être comprise entre " + centimetres(min) + " et " +
                  centimetres(max) + " cm.";
        return false;
    }
    result = *v;
    return true;
}

bool ParseDecimal(const std::string& value, double& result) {
    const auto d = splitDecimal(value);
    if (!d)
        return false;
    std::string plain = d->negative ? "-" : "";
    plain += d->whole.empty() ? "0" : std::string(d->whole);
    if (!d->fraction.empty()) {
        plain += '.';
        plain += d->fraction;
    }
    double v = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (error != std::errc() || end != plain.data() + plain.size())
        return false;
    result = v;
    return true;
}

std::string TexteCentimetres(int tenths) {
    const int magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    const int rest = magnitude % 100;
    if (rest != 0) {
        text += ',';
        text += char('0' + rest / 10);
        if (rest % 10 != 0)
            text += char('0' + rest % 10);
    }
    return text;
}
