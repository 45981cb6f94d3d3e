// Parsing of option values as property windows and sheets send them. On refusal the message
// holds a French text for the user and the result is unchanged.
#pragma once

#include <cstdint>
#include <string>

// A whole number, optionally signed, blanks around it allowed.
bool ConvInt(const std::string& value, int& result, std::string& message);
// The same within [min, max].
bool ConvInt(const std::string& value, int& result, std::string& message, int min, int max);
// A colour 0xBBGGRR from min (0, or -1 for "no colour") to 0xFFFFFF, written as LitCouleur
// reads it (a name, #RRGGBB or a number), blanks around it allowed.
bool ConvCouleur(const std::string& value, int& result, std::string& message, int min = 0);
// A length in centimetres with a decimal comma (or point), returned in tenths of a millimetre
// (x 100, rounded); min and max are in tenths of a millimetre too.
bool ConvVirg(const std::string& value, int& result, std::string& message, int min, int max);
// Tenths of a millimetre as ConvVirg reads them back: centimetres with a decimal comma and no
// trailing zero, 250 giving "2,5" and -5 "-0,05".
std::string TexteCentimetres(int tenths);
// A decimal number with a comma or a point, nothing else in the text.
bool ParseDecimal(const std::string& value, double& result);
