#pragma once
// Numbers as the program writes them: integers in plain decimal, reals in general format with
// 15 significant digits and the decimal comma.

#include <cstdint>
#include <string>
#include <string_view>

// The drill compares answers in 80-bit extended precision.
static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "long double must be the x87 extended format with a 64-bit mantissa");

std::string SchrijfGeheel(std::int64_t waarde);

// General format: at most 15 significant digits, no trailing zeros, decimal comma; scientific
// ("1,5E20", "1E-6") only for magnitudes of 10^15 and above or below 0,00001.
std::string SchrijfReeel(long double waarde);

// Appends "00000" and cuts the text n digits after the comma, when it has a comma. A text in
// scientific notation is left whole: cutting inside its mantissa would drop the exponent.
std::string AfgekaptReeel(std::string_view tekst, int decimalen);
