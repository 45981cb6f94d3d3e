#include "host/Conversions.h"

#include "host/Couleurs.h"

#include "platform/Numbers.h"
#include "platform/Text.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace {

// A whole number with an optional sign, blanks and line ends around it allowed.
std::optional<int> parseWhole(std::string_view s) {
    const auto v = ParseInteger(Trim(s, kBlanksAndLineEnds), std::numeric_limits<int>::min(),
                                std::numeric_limits<int>::max(), {.plus = true});
    if (!v)
        return std::nullopt;
    return int(*v);
}

// A length in centimetres as tenths of a millimetre: x 100, rounded half away from zero, in
// exact decimal arithmetic.
std::optional<int> parseCentimetres(std::string_view s) {
    const auto d = ReadExactDecimal(Trim(s, kBlanksAndLineEnds));
    const auto v = d ? ScaledDigits(*d, 2) : std::nullopt;
    if (!v || *v > std::numeric_limits<int>::max() || *v < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(*v);
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

bool ConvCouleur(const std::string& value, int& result, std::string& message, int min) {
    const auto v = LitCouleur(value, min);
    if (!v) {
        message = "La couleur doit être un nom (" + NomsCouleurs() + (min < 0 ? ", aucune" : "") +
                  "), #RRGGBB (#FF8000) ou un nombre de " + std::to_string(min) +
                  " à 16777215, en décimal ou en hexadécimal 0xBBGGRR (0xFFCC99)\u00A0; «\u00A0" +
                  value + "\u00A0» ne convient pas.";
        return false;
    }
    result = *v;
    return true;
}

bool ConvVirg(const std::string& value, int& result, std::string& message, int min, int max) {
    const auto v = parseCentimetres(value);
    if (!v) {
        message = quoted(value) + " n'est pas un nombre valide.";
        return false;
    }
    if (*v < min || *v > max) {
        message = "La valeur doit être comprise entre " + TexteCentimetres(min) + " et " +
                  TexteCentimetres(max) + " cm.";
        return false;
    }
    result = *v;
    return true;
}

bool ParseDecimal(const std::string& value, double& result) {
    const auto v = ReadNumber(value);
    if (!v)
        return false;
    result = *v;
    return true;
}

std::string TexteCentimetres(int tenths) {
    return WriteDecimal(tenths, 2);
}
