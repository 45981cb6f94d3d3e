#include "operation/Nombres.h"

#include "platform/Locale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace {

constexpr int kSignificantDigits = 15;

// The terms held exactly, all at the most decimals any has (`decimales`).
std::vector<Grand> alignes(const std::vector<std::string>& termes, int& decimales) {
    std::vector<std::pair<Grand, int>> lus;
    decimales = 0;
    for (const std::string& terme : termes) {
        int d = 0;
        lus.emplace_back(ValeurDecimale(terme, DecimalSeparator(), d), d);
        decimales = std::max(decimales, d);
    }
    std::vector<Grand> valeurs;
    for (const auto& [valeur, d] : lus)
        valeurs.push_back(valeur * Puissance10(decimales - d));
    return valeurs;
}

// Digits with `decimales` decimals written as DoubleToString writes a number: no leading
// zeros but the units, no trailing decimal zeros.
std::string ecrit(std::string chiffres, int decimales) {
    if (chiffres.size() <= std::size_t(decimales))
        chiffres.insert(0, std::size_t(decimales) + 1 - chiffres.size(), '0');
    while (decimales > 0 && chiffres.back() == '0') {
        chiffres.pop_back();
        --decimales;
    }
    const std::size_t garde = std::size_t(decimales) + 1;
    chiffres.erase(0, std::min(chiffres.find_first_not_of('0'), chiffres.size() - garde));
    AjouteVirgule(chiffres, decimales);
    return chiffres;
}

} // namespace

std::string DoubleToString(long double x) {
    if (!std::isfinite(x))
        return "0";
    // Exponent form first ("d.dddddddddddddde+XX"), then rewritten without the exponent.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc())
        return "0";
    const std::string form(buffer, end);
    const std::size_t e = form.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < e; ++i)
        if (EstChiffre(form[i]))
            mantissa += form[i];
    int exponent = 0;
    const char* start = form.c_str() + e + 1;
    if (*start == '+')
        ++start;
    std::from_chars(start, form.c_str() + form.size(), exponent);

    const char separator = DecimalSeparator();
    std::string text;
    if (exponent >= 0) {
        text += mantissa[0];
        for (int i = 1; i <= exponent; ++i)
            text += i < int(mantissa.size()) ? mantissa[std::size_t(i)] : '0';
        text += separator;
        if (exponent + 1 < int(mantissa.size()))
            text += mantissa.substr(std::size_t(exponent) + 1);
    } else {
        text = "0";
        text += separator;
        text.append(std::size_t(-exponent - 1), '0');
        text += mantissa;
    }
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == separator)
        text.pop_back();
    return text;
}

Grand ValeurDecimale(std::string_view texte, char separateur, int& decimales) {
    Grand v = 0;
    decimales = 0;
    bool apres = false;
    for (char c : texte) {
        if (c == separateur) {
            apres = true;
            continue;
        }
        if (!EstChiffreOuTrou(c))
            continue;
        if (!EstChiffre(c))
            c = ChiffreCache(c);
        v = v * 10 + Grand(c - '0');
        if (apres)
            ++decimales;
    }
    return v;
}

std::string EnDecimal(Grand v) {
    char buffer[40];
    std::size_t i = sizeof buffer;
    do {
        buffer[--i] = char('0' + int(v % 10));
        v /= 10;
    } while (v > 0);
    return std::string(buffer + i, buffer + sizeof buffer);
}

Grand Puissance10(int n) {
    Grand p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

std::string SommeExacte(const std::vector<std::string>& termes) {
    int decimales = 0;
    Grand total = 0;
    for (const Grand valeur : alignes(termes, decimales))
        total += valeur;
    return ecrit(EnDecimal(total), decimales);
}

std::string DifferenceExacte(const std::string& a, const std::string& b) {
    int decimales = 0;
    const std::vector<Grand> valeurs = alignes({a, b}, decimales);
    return ecrit(EnDecimal(valeurs[0] - valeurs[1]), decimales);
}

void NbDigit(const std::string& s, std::int16_t& entiers, std::int16_t& decimales) {
    entiers = 0;
    decimales = 0;
    const char separator = DecimalSeparator();
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool afterSeparator = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (!afterSeparator && c == separator) {
            afterSeparator = true;
            continue;
        }
        if (!EstChiffreOuTrou(c))
            continue;
        ++(afterSeparator ? decimales : entiers);
    }
}

std::string Formate(const std::string& s, std::int16_t largeurEntiere,
                    std::int16_t largeurDecimale) {
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(s, entiers, decimales);
    std::string text = s;
    if (entiers < largeurEntiere)
        text.insert(0, std::size_t(largeurEntiere - entiers), ' ');
    if (decimales < largeurDecimale)
        text.append(std::size_t(largeurDecimale - decimales + (decimales == 0 ? 1 : 0)), ' ');
    return text;
}

bool PlaceTrous(std::string& s, int position) {
    // A number padded on the right has fewer decimals than its exercise: counting from its
    // end would point at the wrong column, so it takes no single hole at all.
    if (s.empty() || s.back() == ' ')
        return false;
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(s, entiers, decimales);
    long index = 0; // 1-based
    if (position >= 0) {
        if (entiers <= position)
            return false;
        // The leading blanks count as columns.
        const long blanks = s.empty() ? 0 : long(std::count(s.begin(), s.end() - 1, ' '));
        index = entiers + blanks - position;
    } else {
        if (decimales < -position)
            return false;
        index = long(s.size()) - decimales - position;
    }
    if (index < 1 || index > long(s.size()))
        return false;
    char& target = s[std::size_t(index - 1)];
    if (!EstChiffre(target))
        return false;
    target = Trou(target);
    return true;
}

bool SiTrou(const std::string& s) {
    const char separator = DecimalSeparator();
    for (const char c : s) {
        if (c == separator || c == '$')
            continue;
        const unsigned char code = static_cast<unsigned char>(c);
        if (code >= 58 && code <= 127)
            return true;
    }
    return false;
}

std::string NombreSansVirgule(const std::string& s) {
    std::string text = s;
    SupprimeVirgule(text);
    return text;
}

int SupprimeVirgule(std::string& s) {
    const char separator = DecimalSeparator();
    const std::size_t last = s.rfind(separator);
    const int following = last == std::string::npos ? 0 : int(s.size() - last - 1);
    std::erase(s, separator);
    return following;
}

void AjouteVirgule(std::string& s, int n) {
    if (n <= 0)
        return;
    const char separator = DecimalSeparator();
    if (int(s.size()) > n) {
        s.insert(s.size() - std::size_t(n), 1, separator);
        return;
    }
    std::string prefix = "0";
    prefix += separator;
    prefix.append(std::size_t(n) - s.size(), '0');
    s.insert(0, prefix);
}

void SepareMilliers(std::string& s, int n) {
    if (s.empty())
        return;
    const char decimal = DecimalSeparator();
    const char thousands = ThousandSeparator();
    int group = n % 3 == 0 ? 3 : n % 3;
    int inGroup = 0;
    bool grouping = true;
    std::string text;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        const char c = s[i];
        if (grouping && c == decimal)
            grouping = false;
        if (grouping) {
            if (inGroup == group) {
                text += thousands;
                group = 3;
                inGroup = 0;
            }
            ++inGroup;
        }
        text += c;
    }
    text += s.back();
    s = text;
}

void CacheNombre(std::string& s) {
    for (char& c : s)
        if (EstChiffre(c))
            c = Trou(c);
}

std::string NombreLisible(const std::string& s) {
    const char separator = DecimalSeparator();
    std::string text;
    for (const char c : s) {
        if (c == ' ' || c == '$')
            continue;
        if (c != separator && EstChiffreOuTrou(c) && !EstChiffre(c)) {
            text += '[';
            text += ChiffreCache(c);
            text += ']';
        } else {
            text += c;
        }
    }
    return text;
}
