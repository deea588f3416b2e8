// Numbers as text, the Polish way: a decimal comma, no thousands separator.
// Every conversion between numbers and text in both programs goes through
// this module, so that the cells, the boxes, the tables and the report agree.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace common {

// A text that was expected to be a number and is not. The message is the
// one the user sees, e.g. "'2,5' is not a valid integer value".
class BladKonwersji : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// True when the text is a decimal number in the Polish form: optional
// blanks, an optional sign, digits with an optional decimal comma, an
// optional exponent ("1,5E3"), optional blanks. The value must be finite.
bool CzyLiczba(std::string_view tekst);

// The value of a text that passes CzyLiczba; otherwise throws
// "'<text>' is not a valid floating point value".
double NaLiczbe(std::string_view tekst);

// A whole number written in plain decimal (optional leading blanks and a
// sign, digits only, within the int range); otherwise throws
// "'<text>' is not a valid integer value". So "2,0" is refused here.
int NaCalkowita(std::string_view tekst);

// Rounds to the nearest whole number, halves to the even neighbour
// (2,5 -> 2, 3,5 -> 4), as the node count is rounded.
double ZaokraglijDoParzystej(double x);

// Shortest general form with at most 15 significant digits and a decimal
// comma: 0,5; 12; 0,001; 1E-5; 1,5E20.
std::string LiczbaNaTekst(double x);

// Plain decimal integer.
std::string CalkowitaNaTekst(long long x);

// Fixed-point pattern such as "0.0000" or " 0.000": the point stands for
// the decimal comma, a digit is written for every 0 after it, characters
// other than 0, # and the point are copied as they stand. The value is
// taken to 15 significant digits and rounded half away from zero, as by
// hand (4,5375 -> 4,538); a value that rounds to zero has no minus sign.
std::string WedlugWzorca(std::string_view wzorzec, double x);

// A printf-style form with a decimal comma, such as "%4.3f " or "%4d"
// (conversions d, f, e, E, g, s and %%; flags, width and precision as in C;
// %f without a precision writes 2 decimals, %f rounds as the patterns do).
// Arguments are taken in order; a form it cannot use (also a width or
// precision above 1000) throws std::invalid_argument.
using Argument = std::variant<long long, double, std::string>;
std::string Formatuj(std::string_view forma, std::initializer_list<Argument> argumenty);

}  // namespace common
