// Small text helpers shared by the readers of option values, sheets and settings files.
#pragma once

#include <optional>
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
