#include "operation/ExercicesTexte.h"

#include "operation/Nombres.h"
#include "operation/OperOptions.h"

#include "host/Stream.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <vector>

namespace {

constexpr std::string_view kPlus = " + ";
constexpr std::string_view kMinus = " - ";
constexpr std::string_view kTimes = " × ";
constexpr std::string_view kDivide = " : ";
constexpr std::string_view kEquals = " = ";

bool isSeparator(char c) {
    return c == ',' || c == '.';
}

// A stored number with its holes in brackets; nothing when it holds another character.
std::optional<std::string> writeNumber(const std::string& padded) {
    const std::string_view stored = Trim(padded, " ");
    if (stored.empty())
        return std::nullopt;
    const auto isHole = [&](std::size_t i) {
        return i < stored.size() && EstChiffreOuTrou(stored[i]) && !EstChiffre(stored[i]);
    };
    std::string out;
    bool inHole = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (!EstChiffreOuTrou(c) && !isSeparator(c))
            return std::nullopt;
        // A comma between two hidden digits stays inside their brackets: "[8,25]".
        const bool hole = isHole(i) || (isSeparator(c) && inHole && isHole(i + 1));
        if (hole != inHole)
            out += hole ? '[' : ']';
        inHole = hole;
        out += isHole(i) ? ChiffreCache(c) : c;
    }
    if (inHole)
        out += ']';
    return out;
}

// A number as written back into its stored form; nothing when it is not digits, separators and
// bracketed digits.
std::optional<std::string> readNumber(std::string_view text) {
    text = Trim(text);
    std::string stored;
    bool inHole = false;
    for (const char c : text) {
        if (c == '[' || c == ']') {
            if ((c == '[') == inHole)
                return std::nullopt;
            inHole = c == '[';
            continue;
        }
        if (EstChiffre(c))
            stored += inHole ? Trou(c) : c;
        else if (isSeparator(c))
            stored += c;
        else
            return std::nullopt;
    }
    if (inHole || stored.empty())
        return std::nullopt;
    return stored;
}

// Splits on any of the spellings of one sign, blanks around it.
std::vector<std::string_view> splitOn(std::string_view text,
                                      std::initializer_list<std::string_view> signs) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        bool found = false;
        for (const std::string_view sign : signs)
            if (text.substr(i, sign.size()) == sign) {
                parts.push_back(text.substr(start, i - start));
                i += sign.size();
                start = i;
                found = true;
                break;
            }
        if (!found)
            ++i;
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool readNumbers(const std::vector<std::string_view>& parts, std::vector<std::string>& out) {
    for (const std::string_view part : parts) {
        const auto number = readNumber(part);
        if (!number)
            return false;
        out.push_back(*number);
    }
    return true;
}

// The columns the drawing reserves: the widest integer and decimal parts of the numbers given.
void computeWidths(OperGen& operation, const std::vector<std::string>& numbers) {
    operation.LargeurEntiere = 0;
    operation.LargeurDecimale = 0;
    for (const std::string& number : numbers) {
        std::int16_t entiers = 0;
        std::int16_t decimales = 0;
        NbDigit(number, entiers, decimales);
        operation.LargeurEntiere = std::max(operation.LargeurEntiere, entiers);
        operation.LargeurDecimale = std::max(operation.LargeurDecimale, decimales);
    }
}

// Posed additions and subtractions keep their numbers padded with blanks to the common columns.
void alignColumns(OperGen& operation, std::vector<std::string>& numbers) {
    computeWidths(operation, numbers);
    for (std::string& number : numbers)
        number = Formate(number, operation.LargeurEntiere, operation.LargeurDecimale);
}

std::optional<std::string> joined(const std::vector<std::string>& numbers, std::string_view sign) {
    std::string out;
    for (const std::string& number : numbers) {
        const auto written = writeNumber(number);
        if (!written)
            return std::nullopt;
        out += (out.empty() ? "" : std::string(sign)) + *written;
    }
    return out;
}

std::optional<std::string> writeOne(const OperGen& operation, int type) {
    if (const auto* a = dynamic_cast<const Addition*>(&operation); a && type == OP_ADDITION) {
        const std::vector<std::string> operands(a->Nombres.begin(),
                                                a->Nombres.begin() + a->NbOperandes);
        const auto left = joined(operands, kPlus);
        const auto sum = writeNumber(a->Nombres[std::size_t(a->NbOperandes)]);
        if (!left || !sum)
            return std::nullopt;
        return *left + std::string(kEquals) + *sum;
    }
    if (const auto* s = dynamic_cast<const Soustraction*>(&operation);
        s && type == OP_SOUSTRACTION) {
        const auto left = joined({s->Nombres[0], s->Nombres[1]}, kMinus);
        const auto difference = writeNumber(s->Nombres[2]);
        if (!left || !difference)
            return std::nullopt;
        return *left + std::string(kEquals) + *difference;
    }
    if (const auto* m = dynamic_cast<const Multiplication*>(&operation);
        m && type == OP_MULTIPLICATION) {
        const auto& lines = m->Lignes;
        if (lines.size() < 3 || m->IndiceResultat != std::int16_t(lines.size() - 1))
            return std::nullopt;
        const auto factors = joined({lines[0], lines[1]}, kTimes);
        const auto partials = joined({lines.begin() + 2, lines.end() - 1}, kPlus);
        const auto product = writeNumber(lines.back());
        if (!factors || !partials || !product)
            return std::nullopt;
        return *factors + std::string(kEquals) +
               (partials->empty() ? "" : *partials + std::string(kEquals)) + *product;
    }
    if (const auto* d = dynamic_cast<const Division*>(&operation); d && type == OP_DIVISION) {
        const auto& lines = d->Lignes;
        if (lines.size() < 3)
            return std::nullopt;
        const auto operands = joined({lines[0], lines[1]}, kDivide);
        const auto rest = joined({lines.begin() + 2, lines.end()}, " ; ");
        if (!operands || !rest)
            return std::nullopt;
        return *operands + std::string(kEquals) + *rest + " (" + std::to_string(d->ZerosAjoutes) +
               " " + std::to_string(d->ZerosTete) + " " + std::to_string(d->DecalageVirgule) + " " +
               std::to_string(d->ZerosSupprimes) + ")";
    }
    return std::nullopt;
}

std::unique_ptr<OperGen> readAddition(std::string_view text) {
    const auto sides = splitOn(text, {kEquals});
    std::vector<std::string> numbers;
    if (sides.size() != 2 || !readNumbers(splitOn(sides[0], {kPlus, "+"}), numbers) ||
        numbers.size() < 2 || numbers.size() + 1 > Addition::MAX_NOMBRES ||
        !readNumbers({sides[1]}, numbers))
        return nullptr;
    auto addition = std::make_unique<Addition>();
    addition->NbOperandes = std::int16_t(numbers.size() - 1);
    alignColumns(*addition, numbers);
    std::copy(numbers.begin(), numbers.end(), addition->Nombres.begin());
    return addition;
}

std::unique_ptr<OperGen> readSubtraction(std::string_view text) {
    const auto sides = splitOn(text, {kEquals});
    std::vector<std::string> numbers;
    if (sides.size() != 2 || !readNumbers(splitOn(sides[0], {kMinus, " - ", "−", "-"}), numbers) ||
        numbers.size() != 2 || !readNumbers({sides[1]}, numbers))
        return nullptr;
    auto subtraction = std::make_unique<Soustraction>();
    alignColumns(*subtraction, numbers);
    std::copy(numbers.begin(), numbers.end(), subtraction->Nombres.begin());
    return subtraction;
}

std::unique_ptr<OperGen> readMultiplication(std::string_view text) {
    const auto sides = splitOn(text, {kEquals});
    std::vector<std::string> lines;
    if (sides.size() < 2 || sides.size() > 3 ||
        !readNumbers(splitOn(sides[0], {kTimes, "×", " x ", "*"}), lines) || lines.size() != 2)
        return nullptr;
    if (sides.size() == 3 && !readNumbers(splitOn(sides[1], {kPlus, "+"}), lines))
        return nullptr;
    if (!readNumbers({sides.back()}, lines))
        return nullptr;
    auto multiplication = std::make_unique<Multiplication>();
    multiplication->Lignes = lines;
    multiplication->IndiceResultat = std::int16_t(lines.size() - 1);
    computeWidths(*multiplication, {lines[0], lines[1], lines.back()});
    return multiplication;
}

std::unique_ptr<OperGen> readDivision(std::string_view text) {
    const std::size_t open = text.rfind('(');
    if (open == std::string_view::npos || Trim(text.substr(open)).back() != ')')
        return nullptr;
    const std::string_view layout = Trim(text.substr(open + 1), " )");
    const auto sides = splitOn(text.substr(0, open), {kEquals});
    std::vector<std::string> lines;
    if (sides.size() != 2 || !readNumbers(splitOn(sides[0], {kDivide, ":"}), lines) ||
        lines.size() != 2 || !readNumbers(splitOn(sides[1], {";"}), lines))
        return nullptr;
    const auto fields = Split(layout, ' ');
    if (fields.size() != 4)
        return nullptr;
    std::int16_t values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto limit = OperGen::MAX_COLONNES;
        const auto v = ParseInteger(fields[i], i == 2 ? -limit : 0, limit, {.minus = i == 2});
        if (!v)
            return nullptr;
        values[i] = std::int16_t(*v);
    }
    auto division = std::make_unique<Division>();
    division->Lignes = lines;
    division->ZerosAjoutes = values[0];
    division->ZerosTete = values[1];
    division->DecalageVirgule = values[2];
    division->ZerosSupprimes = values[3];
    computeWidths(*division, {lines[0], lines[1], lines[2]});
    return division;
}

std::unique_ptr<OperGen> readOne(std::string_view text, int type) {
    switch (type) {
    case OP_ADDITION:
        return readAddition(text);
    case OP_SOUSTRACTION:
        return readSubtraction(text);
    case OP_MULTIPLICATION:
        return readMultiplication(text);
    case OP_DIVISION:
        return readDivision(text);
    default:
        return nullptr;
    }
}

std::vector<std::uint8_t> bytesOf(const OperGen& operation) {
    TMemoryStream stream;
    operation.Sauve(stream);
    return stream.Bytes();
}

} // namespace

std::optional<std::string> EcritExercices(const ListeOperations& operations, int type) {
    if (operations.empty())
        return std::nullopt;
    std::string text;
    for (const std::unique_ptr<OperGen>& operation : operations) {
        const auto one = writeOne(*operation, type);
        // The text must give the same record back, widths included; else the records stay binary.
        const auto back = one ? readOne(*one, type) : nullptr;
        if (!back || bytesOf(*back) != bytesOf(*operation))
            return std::nullopt;
        text += (text.empty() ? "" : " | ") + *one;
    }
    return text;
}

bool LitExercices(std::string_view texte, int type, std::size_t maximum,
                  ListeOperations& operations, std::string& message) {
    ListeOperations read;
    int number = 0;
    for (const std::string_view one : Split(texte, '|')) {
        ++number;
        auto operation = readOne(Trim(one), type);
        if (!operation) {
            message =
                "«\u00A0Exercices\u00A0»\u00A0: l'exercice " + std::to_string(number) +
                " («\u00A0" + std::string(Trim(one)) +
                "\u00A0») ne se lit pas\u00A0; les chiffres à trouver s'écrivent entre crochets, "
                "par exemple 12 + 4[5]6 = [468]";
            return false;
        }
        read.push_back(std::move(operation));
    }
    if (read.size() > maximum) {
        message = "«\u00A0Exercices\u00A0»\u00A0: " + std::to_string(read.size()) + " exercices, " +
                  std::to_string(maximum) + " au plus";
        return false;
    }
    operations = std::move(read);
    return true;
}

std::string NombresCaches(const OperGen& operation) {
    std::vector<std::string> numbers;
    if (const auto* a = dynamic_cast<const Addition*>(&operation))
        numbers.assign(a->Nombres.begin(), a->Nombres.begin() + a->NbOperandes + 1);
    else if (const auto* s = dynamic_cast<const Soustraction*>(&operation))
        numbers.assign(s->Nombres.begin(), s->Nombres.end());
    else if (const auto* m = dynamic_cast<const Multiplication*>(&operation))
        numbers = m->Lignes;
    else if (const auto* d = dynamic_cast<const Division*>(&operation))
        numbers = d->Lignes;
    std::string hidden;
    for (const std::string& number : numbers) {
        if (!SiTrou(number))
            continue;
        std::string whole;
        for (const char c : Trim(number, " "))
            whole += EstChiffreOuTrou(c) && !EstChiffre(c) ? ChiffreCache(c) : c;
        hidden += (hidden.empty() ? "" : "\u00A0; ") + whole;
    }
    return hidden;
}
