#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

constexpr std::size_t kMaxExactDigits = 18;
constexpr int kMaxExponentDigits = 4;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && isDigit(text[i + n]))
        ++n;
    return n;
}

// The parts of a number that NumberLength accepted whole.
struct Parts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    std::string_view exponent; // its sign included
};

Parts split(std::string_view text) {
    Parts p;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        p.negative = text[0] == '-';
        i = 1;
    }
    const std::size_t whole = digitsFrom(text, i);
    p.whole = text.substr(i, whole);
    i += whole;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        p.fraction = text.substr(i + 1, digitsFrom(text, i + 1));
        i += 1 + p.fraction.size();
    }
    if (i < text.size())
        p.exponent = text.substr(i + 1);
    return p;
}

// Digits with the separator and sign of `style`, in groups of three when it has a thousands
// separator: `digits` holds at least decimals + 1 characters.
std::string layOut(bool negative, std::string digits, int decimals, NumberStyle style) {
    const std::size_t point = digits.size() - std::size_t(decimals);
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point);
    while (!style.trailingZeros && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (style.thousands != 0)
        for (int i = int(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(std::size_t(i), 1, style.thousands);
    const bool zero = (whole + fraction).find_first_not_of("0" + std::string(1, style.thousands)) ==
                      std::string::npos;
    std::string text = negative && !zero ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text += style.comma + fraction;
    return text;
}

} // namespace

std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        ++i;
    std::size_t digits = digitsFrom(text, i);
    i += digits;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        const std::size_t decimals = digitsFrom(text, i + 1);
        if (digits + decimals > 0)
            i += 1 + decimals;
        digits += decimals;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (const std::size_t exponent = digitsFrom(text, j); exponent > 0)
            i = j + exponent;
    }
    return i;
}

std::optional<double> ReadNumber(std::string_view text) {
    if (text.empty() || NumberLength(text) != text.size())
        return std::nullopt;
    const Parts p = split(text);
    std::string plain = p.negative ? "-" : "";
    plain += p.whole.empty() ? std::string_view("0") : p.whole;
    plain += '.';
    plain += p.fraction.empty() ? std::string_view("0") : p.fraction;
    if (!p.exponent.empty()) {
        plain += 'e';
        plain += p.exponent;
    }
    double v = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<ExactDecimal> ReadExactDecimal(std::string_view text) {
    if (text.empty() || NumberLength(text) != text.size())
        return std::nullopt;
    const Parts p = split(text);
    std::string digits = std::string(p.whole) + std::string(p.fraction);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return ExactDecimal{};
    int exponent = 0;
    if (!p.exponent.empty()) {
        std::string_view e = p.exponent;
        const bool down = e[0] == '-';
        if (e[0] == '+' || e[0] == '-')
            e.remove_prefix(1);
        e.remove_prefix(std::min(e.find_first_not_of('0'), e.size()));
        if (e.size() > std::size_t(kMaxExponentDigits))
            return std::nullopt;
        std::from_chars(e.data(), e.data() + e.size(), exponent);
        exponent = down ? -exponent : exponent;
    }
    int decimals = int(p.fraction.size()) - exponent;
    while (digits.size() > kMaxExactDigits && decimals > 0 && digits.back() == '0') {
        digits.pop_back();
        --decimals;
    }
    for (; decimals < 0; ++decimals)
        digits += '0';
    if (digits.size() > kMaxExactDigits || decimals > int(kMaxExactDigits))
        return std::nullopt;
    ExactDecimal d;
    std::from_chars(digits.data(), digits.data() + digits.size(), d.digits);
    d.digits = p.negative ? -d.digits : d.digits;
    d.decimals = decimals;
    return d;
}

std::optional<std::int64_t> ScaledDigits(ExactDecimal d, int decimals) {
    constexpr std::int64_t kLimit = 999999999999999999;
    const bool negative = d.digits < 0;
    std::int64_t magnitude = negative ? -d.digits : d.digits;
    for (; d.decimals < decimals; ++d.decimals) {
        if (magnitude > kLimit / 10)
            return std::nullopt;
        magnitude *= 10;
    }
    for (; d.decimals > decimals; --d.decimals) {
        const bool up = d.decimals == decimals + 1 && magnitude % 10 >= 5;
        magnitude = magnitude / 10 + (up ? 1 : 0);
    }
    return negative ? -magnitude : magnitude;
}

std::string WriteDecimal(std::int64_t digits, int decimals, NumberStyle style) {
    decimals = std::max(decimals, 0);
    const std::uint64_t magnitude =
        digits < 0 ? std::uint64_t(0) - std::uint64_t(digits) : std::uint64_t(digits);
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    std::string text(buffer, end);
    if (text.size() <= std::size_t(decimals))
        text.insert(0, std::size_t(decimals) + 1 - text.size(), '0');
    return layOut(digits < 0, std::move(text), decimals, style);
}

std::string WriteDecimal(ExactDecimal d, NumberStyle style) {
    return WriteDecimal(d.digits, d.decimals, style);
}

std::string WriteNumber(double v, int decimals, NumberStyle style) {
    if (!std::isfinite(v))
        return "0";
    decimals = std::clamp(decimals, 0, 17);
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                   std::chars_format::fixed, decimals + 1)
                         .ptr;
    std::string digits;
    for (const char* c = buffer; c != end; ++c)
        if (isDigit(*c))
            digits += *c;
    const bool up = digits.back() >= '5';
    digits.pop_back();
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(0, 1, '1');
        else
            ++digits[i - 1];
    }
    return layOut(std::signbit(v), std::move(digits), decimals, style);
}

std::string WriteShortest(double v, NumberStyle style) {
    if (!std::isfinite(v))
        return "0";
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::fixed).ptr;
    const std::string_view text(buffer, std::size_t(end - buffer));
    const std::size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    int decimals = 0;
    if (point != std::string_view::npos) {
        digits += text.substr(point + 1);
        decimals = int(text.size() - point - 1);
    }
    return layOut(std::signbit(v), std::move(digits), decimals, style);
}
