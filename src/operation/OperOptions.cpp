#include "operation/OperOptions.h"

#include "platform/Random.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace {

std::string fixedFour(double v) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 4);
    return error == std::errc() ? std::string(buffer, end) : std::string("0.0000");
}

// Leading blanks and a '+' are skipped, as the C conversions do; what follows the number is
// ignored and no number at all reads as 0.
std::string_view numberStart(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    return s;
}

double readDouble(std::string_view s) {
    s = numberStart(s);
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

long readLong(std::string_view s) {
    s = numberStart(s);
    long v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

std::vector<std::string_view> fields(std::string_view s) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t comma = s.find(',');
        parts.push_back(s.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        s.remove_prefix(comma + 1);
    }
}

} // namespace

TDefinitionOperandes DefinitionStandard() {
    TDefinitionOperandes d{};
    d.Operation = OP_ADDITION;
    d.ValeurMin = 1.0;
    d.ValeurMax = 100.0;
    return d;
}

std::string DefinitionVersTexte(const TDefinitionOperandes& d) {
    return fixedFour(d.ValeurMin) + ',' + fixedFour(d.ValeurMax) + ',' + fixedFour(d.Multiple1) +
           ',' + fixedFour(d.Multiple2) + ',' + std::to_string(d.Decimales) + ',' +
           std::to_string(d.Operation) + ',' + (d.PasDeZeros ? '1' : '0');
}

void TexteVersDefinition(const std::string& texte, TDefinitionOperandes& d) {
    const std::vector<std::string_view> parts = fields(texte);
    const auto part = [&](std::size_t i) {
        return i < parts.size() ? parts[i] : std::string_view{};
    };
    d.ValeurMin = readDouble(part(0));
    d.ValeurMax = readDouble(part(1));
    d.Multiple1 = readDouble(part(2));
    d.Multiple2 = readDouble(part(3));
    d.Decimales = std::int32_t(readLong(part(4)));
    d.Operation = std::int32_t(readLong(part(5)));
    d.PasDeZeros = !part(6).empty() && readLong(part(6)) != 0;
}

void RemplitAuHasard(TTableOperandes& table) {
    for (TLigneOperandes& ligne : table)
        for (double& cellule : ligne)
            cellule = double(Random() % 100 + 1);
}
