// The text form of the numbers of an exercise, shared by the generators and the drawing.
//
// Numbers use the locale's decimal separator. A digit the pupil must write (a hole) is stored
// as the digit's code plus 10 (":" for 0 up to "C" for 9), so digit counting treats "0".."C"
// alike and a hole keeps its column. In a posed number "$" only reserves the room of a comma.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The digit or hole test of digit counting ("0" to "C").
constexpr bool EstChiffreOuTrou(char c) {
    return c >= '0' && c <= 'C';
}
constexpr bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}
// A hole holding the digit d ("0".."9").
constexpr char Trou(char d) {
    return char(d + 10);
}
// The digit a hole hides.
constexpr char ChiffreCache(char trou) {
    return char(trou - 10);
}

// x (>= 0) in plain decimal notation, 15 significant digits, no trailing zeros: 0 gives "0",
// 2.5 "2,5" (with a decimal comma), 100 "100", 0.05 "0,05"; "0" for infinities and NaN.
std::string DoubleToString(long double x);

// Whole numbers wide enough for a product of two 18-digit factors: a decimal number is held
// exactly as its digits and its decimal count.
using Grand = unsigned __int128;
// The digits (holes read as digits) and the decimal count of a number's text.
Grand ValeurDecimale(std::string_view texte, char separateur, int& decimales);
// The digits of v, "0" for 0.
std::string EnDecimal(Grand v);
Grand Puissance10(int n);

// The exact sum of decimal texts (digits and at most one separator, as DoubleToString writes
// them), written the same way: "5,1" + "4,9" gives "10", never a binary approximation.
std::string SommeExacte(const std::vector<std::string>& termes);
// The exact difference a - b of two such texts, a >= b: "5,1" - "4,9" gives "0,2".
std::string DifferenceExacte(const std::string& a, const std::string& b);

// Counts, after the leading blanks, the digits and holes before the first decimal separator
// (entiers) and after it (decimales).
void NbDigit(const std::string& s, std::int16_t& entiers, std::int16_t& decimales);

// s padded with blanks to largeurEntiere integer and largeurDecimale decimal columns; a number
// without decimals also gets a blank for its missing separator.
std::string Formate(const std::string& s, std::int16_t largeurEntiere,
                    std::int16_t largeurDecimale);

// Hides the digit at `position` (0 units, 1 tens..., -1 the first decimal...). False when s has
// no digit there; a number padded on the right never takes holes on single digits.
bool PlaceTrous(std::string& s, int position);

// Whether s holds a hole.
bool SiTrou(const std::string& s);

// s without its decimal separators.
std::string NombreSansVirgule(const std::string& s);

// Removes the decimal separators; returns how many characters followed the last one (0 when
// there was none).
int SupprimeVirgule(std::string& s);

// Inserts the decimal separator so that n digits follow it, adding zeros in front as needed:
// ("5", 2) gives "0,05", ("25", 2) "0,25", ("125", 2) "1,25". Nothing for n = 0.
void AjouteVirgule(std::string& s, int n);

// Inserts the locale's thousands separator between the groups of the n integer digits of s:
// "1234567" with n = 7 gives "1 234 567" with a blank as separator. The decimals are copied
// as they are.
void SepareMilliers(std::string& s, int n);

// Hides every digit of s.
void CacheNombre(std::string& s);

// The number as a pupil reads it: padding blanks removed, holes shown as the hidden digit in
// brackets ("1[2]3"), the comma placeholder "$" left out.
std::string NombreLisible(const std::string& s);
