// Small text helpers shared by the readers of option values, sheets and settings files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The blanks most readers skip around a value: spaces and tabs.
inline constexpr std::string_view kBlanks = " \t";
// The same and line ends, for values that may arrive with one.
inline constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";

// `text` without the characters of `blanks` at either end.
std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks);

// The parts between the separators, empty ones included: "a;;b" gives three parts and ""
// gives one empty part.
std::vector<std::string_view> Split(std::string_view text, char separator);

// Fields of a value that may hold a separator of its own: a backslash before ';', '|' or '\\'
// makes that character plain text. SplitEscaped cuts at the other separators and keeps the
// escapes, so that a part can be split again; UnescapeField then reads them. Any other
// backslash is plain text, so hand-written values need no escapes.
std::vector<std::string_view> SplitEscaped(std::string_view text, char separator);
std::string UnescapeField(std::string_view field);
// The text as one field that SplitEscaped and UnescapeField give back as it is.
std::string EscapeField(std::string_view text);

// What a whole number may hold besides its decimal digits.
struct IntegerSyntax {
    bool minus = true; // a leading '-'
    bool plus = false; // a leading '+'
    bool hex = false;  // "0x" or "0X" after the sign, then hexadecimal digits
};

// The whole number written in `text` (no blanks: trim first) when it lies within [min, max];
// empty when the text holds anything else or the number is out of range, however long.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max,
                                      IntegerSyntax syntax = {});

// `text` with ASCII capitals and the accented letters of Latin-1 (U+00C0 to U+00FF, UTF-8)
// brought to their plain small letter: "TriPièces" and "tripieces" give the same. Other bytes
// are kept.
std::string FoldAccentsAndCase(std::string_view text);

// `text` with every `c` written as `by` ("\\n" for a line break, a no-break space for a blank).
std::string ReplaceChar(std::string_view text, char c, std::string_view by);
