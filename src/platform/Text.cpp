#include "platform/Text.h"

#include <limits>

namespace {

// The value of a digit in `base` (10 or 16), or none.
std::optional<unsigned> digitValue(char c, unsigned base) {
    if (c >= '0' && c <= '9')
        return unsigned(c - '0');
    if (base == 16 && c >= 'a' && c <= 'f')
        return unsigned(c - 'a' + 10);
    if (base == 16 && c >= 'A' && c <= 'F')
        return unsigned(c - 'A' + 10);
    return std::nullopt;
}

} // namespace

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

namespace {

bool escapable(char c) {
    return c == ';' || c == '|' || c == '\\';
}

} // namespace

std::vector<std::string_view> SplitEscaped(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && escapable(text[i + 1]))
            ++i;
        else if (text[i] == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string UnescapeField(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && escapable(field[i + 1]))
            ++i;
        text += field[i];
    }
    return text;
}

std::string EscapeField(std::string_view text) {
    std::string field;
    field.reserve(text.size());
    for (const char c : text) {
        if (escapable(c))
            field += '\\';
        field += c;
    }
    return field;
}

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max,
                                      IntegerSyntax syntax) {
    bool negative = false;
    if (!text.empty() &&
        ((text.front() == '-' && syntax.minus) || (text.front() == '+' && syntax.plus))) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (syntax.hex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    // The magnitude of the smallest long long; anything larger is out of every range.
    constexpr unsigned long long limit =
        static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + 1;
    unsigned long long magnitude = 0;
    for (const char c : text) {
        const std::optional<unsigned> digit = digitValue(c, base);
        if (!digit || magnitude > (limit - *digit) / base)
            return std::nullopt;
        magnitude = magnitude * base + *digit;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    const long long value = !negative            ? static_cast<long long>(magnitude)
                            : magnitude == limit ? std::numeric_limits<long long>::min()
                                                 : -static_cast<long long>(magnitude);
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::string ReplaceChar(std::string_view text, char c, std::string_view by) {
    std::string result;
    result.reserve(text.size());
    for (const char ch : text) {
        if (ch == c)
            result += by;
        else
            result += ch;
    }
    return result;
}

std::string FoldAccentsAndCase(std::string_view text) {
    // The plain small letter of U+00C0 to U+00FF; '\0' keeps the character (the signs × and ÷).
    static constexpr char kPlain[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"
                                     "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0xBF && kPlain[next - 0x80] != '\0') {
                folded += kPlain[next - 0x80];
                ++i;
                continue;
            }
        }
        folded += byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : text[i];
    }
    return folded;
}
