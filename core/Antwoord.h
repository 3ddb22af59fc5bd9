#pragma once
// Reading and judging the pupil's answers, and the integer rule of the settings fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Removes every character with a code from 0 to 32 at both ends.
std::string Trim(std::string_view tekst);

// The clean-up of an answer field: the first "." becomes ",", then Trim.
std::string Schoon(std::string_view tekst);

// The number rule with the decimal comma, in extended precision. nullopt: not a number.
std::optional<long double> LeesGetal(std::string_view tekst);

// LeesGetal after turning the first "." into ",".
std::optional<long double> LeesAntwoord(std::string_view tekst);

// Whether the cleaned-up field text holds a number: an answer field that does not is emptied.
bool IsGetal(std::string_view tekst);

enum class TOordeel { Goed, Fout };

TOordeel ControleerRij(std::string_view antwoord, std::string_view vermenigvuldiger,
                       std::string_view tafel);

// The integer rule of the settings fields: trimmed, optional sign, digits, fits in 32 bits.
std::optional<std::int32_t> LeesGeheelGetal(std::string_view tekst);
