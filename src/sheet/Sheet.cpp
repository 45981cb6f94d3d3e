#include "sheet/Sheet.h"

#include "platform/Text.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::size_t kMaxQuoted = 80;

// The length of the well-formed UTF-8 character starting `text` (shortest form, no surrogate,
// at most U+10FFFF); 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

bool validUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8Length(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string escapedByte(unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
}

// At most `limit` characters of the text, then "…"; control bytes and bytes that are not
// UTF-8 escaped.
std::string escaped(std::string_view text, std::size_t limit) {
    std::string result;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == limit)
            return result + "…";
        const unsigned char byte = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8Length(text);
        if (length == 0 || byte < 0x20 || byte == 0x7F)
            result += escapedByte(byte);
        else
            result += text.substr(0, length);
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return result;
}

// The message with every quoted text (a value or a line from the sheet, between « » or double
// quotes) bounded, and the whole message too.
std::string boundQuotes(std::string_view message) {
    struct Marks {
        std::string_view open, close;
    };
    constexpr Marks kMarks[] = {{"«\u00A0", "\u00A0»"}, {"\"", "\""}};
    constexpr std::size_t kMaxMessage = 1000;
    std::string bounded;
    for (;;) {
        std::size_t open = std::string_view::npos;
        const Marks* marks = nullptr;
        for (const Marks& m : kMarks) {
            const std::size_t at = message.find(m.open);
            if (at < open) {
                open = at;
                marks = &m;
            }
        }
        const std::size_t inside = marks == nullptr ? 0 : open + marks->open.size();
        const std::size_t close =
            marks == nullptr ? std::string_view::npos : message.find(marks->close, inside);
        if (close == std::string_view::npos)
            break;
        bounded += message.substr(0, inside);
        bounded += Citation(message.substr(inside, close - inside));
        bounded += marks->close;
        message.remove_prefix(close + marks->close.size());
    }
    bounded += message;
    if (bounded.size() <= kMaxMessage)
        return bounded;
    std::size_t cut = kMaxMessage;
    while (cut > 0 && (static_cast<unsigned char>(bounded[cut]) & 0xC0) == 0x80)
        --cut;
    return bounded.substr(0, cut) + "…";
}

// Removes a comment: "#" at the start or after a blank.
std::string_view stripComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

// Reads the quoted value that starts `text` (after its opening quote is checked by the caller);
// false with a message when it is not closed, holds an unknown escape or is followed by more
// than a comment.
bool unquote(std::string_view text, std::string& value, std::string& message) {
    value.clear();
    std::size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '\\') {
            value += text[i];
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next != '"' && next != '\\' && next != 'n') {
            message = "échappement inconnu dans la valeur entre guillemets (\\\", \\\\ ou \\n)";
            return false;
        }
        value += next == 'n' ? '\n' : next;
        ++i;
    }
    if (i == text.size()) {
        message = "guillemet fermant manquant";
        return false;
    }
    const std::string_view rest = Trim(text.substr(i + 1));
    if (!rest.empty() && rest.front() != '#') {
        message =
            "texte après la valeur entre guillemets\u00A0: «\u00A0" + std::string(rest) + "\u00A0»";
        return false;
    }
    return true;
}

} // namespace

std::string SheetValue(std::string_view value) {
    const bool plain = value == Trim(value) && !value.starts_with('#') &&
                       value.find_first_of("\n\r\"") == std::string_view::npos &&
                       value.find(" #") == std::string_view::npos &&
                       value.find("\t#") == std::string_view::npos;
    if (plain)
        return std::string(value);
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return quoted + '"';
}

std::string SheetError(const std::string& fileName, int line, const std::string& message) {
    return fileName + ":" + std::to_string(line) + ": " + boundQuotes(message);
}

std::string Citation(std::string_view text) {
    return escaped(text, kMaxQuoted);
}

bool ParseSheet(const std::string& text, const std::string& fileName, Sheet& sheet,
                std::string& error) {
    sheet = Sheet{};
    sheet.fileName = fileName;
    std::string_view rest(text);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    int number = 0;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view raw = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        if (!validUtf8(raw)) {
            error = SheetError(fileName, number,
                               "la ligne n'est pas du texte UTF-8\u00A0: «\u00A0" +
                                   std::string(raw) + "\u00A0»");
            return false;
        }
        const std::string_view line = Trim(stripComment(raw));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) {
                error = SheetError(fileName, number,
                                   "en-tête de section mal formé «\u00A0" + std::string(line) +
                                       "\u00A0»");
                return false;
            }
            if (sheet.sections.size() == Sheet::kMaxSections) {
                error =
                    SheetError(fileName, number,
                               "trop de sections\u00A0: " + std::to_string(Sheet::kMaxSections) +
                                   " au plus par feuille");
                return false;
            }
            sheet.sections.push_back(
                {number, std::string(Trim(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        const auto equal = line.find('=');
        if (equal == std::string_view::npos) {
            error = SheetError(fileName, number,
                               "ligne sans «\u00A0=\u00A0»\u00A0: «\u00A0" + std::string(line) +
                                   "\u00A0»");
            return false;
        }
        if (sheet.sections.empty()) {
            error = SheetError(fileName, number, "clé hors de toute section");
            return false;
        }
        const std::string key(Trim(line.substr(0, equal)));
        if (key.empty()) {
            error = SheetError(fileName, number, "clé vide");
            return false;
        }
        std::string value(Trim(line.substr(equal + 1)));
        const std::string_view written = Trim(raw.substr(raw.find('=') + 1));
        if (written.starts_with('"')) {
            std::string message;
            if (!unquote(written, value, message)) {
                error = SheetError(fileName, number, message);
                return false;
            }
        }
        sheet.sections.back().entries.push_back({number, key, std::move(value)});
    }
    return true;
}
