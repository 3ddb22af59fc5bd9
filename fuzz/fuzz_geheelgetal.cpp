// The integer rule of the settings fields: the texts it accepts are exactly those of the
// reference check, and what it reads is written back and read again unchanged.
//
// Input: the whole input is the field text; its first eight bytes are also taken as a 64-bit
// integer that is written and read back.
#include "Antwoord.h"
#include "Fuzzhulp.h"
#include "Getaltekst.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    const std::string tekst(reinterpret_cast<const char*>(data), grootte);
    const auto gelezen = LeesGeheelGetal(tekst);
    const auto ref = GeheelRef(tekst);
    Eis(gelezen.has_value() == ref.has_value(), "LeesGeheelGetal accepts what the reference does",
        tekst, gelezen ? SchrijfGeheel(*gelezen) : "not an integer");

    if (gelezen) {
        Eis(*gelezen == *ref, "LeesGeheelGetal reads the reference value", tekst,
            SchrijfGeheel(*gelezen));
        const auto geschreven = SchrijfGeheel(*gelezen);
        const auto terug = LeesGeheelGetal(geschreven);
        Eis(terug && *terug == *gelezen, "a value read is written and read back unchanged", tekst,
            geschreven);
        // The written form is the plain one: no plus sign, no leading zero, no "-0".
        const auto cijfers = std::string_view(geschreven).substr(*gelezen < 0 ? 1 : 0);
        Eis(geschreven[0] != '+' && (cijfers == "0" || cijfers[0] != '0') && geschreven != "-0",
            "SchrijfGeheel writes plain decimal", tekst, geschreven);
        // In classic order the table text goes unchanged into the number rule of the answers.
        const auto alsGetal = LeesGetal(Trim(tekst));
        Eis(alsGetal && *alsGetal == static_cast<long double>(*gelezen),
            "a valid integer text reads as the same number by the answers' rule", tekst);
    }

    TFuzzInvoer invoer(data, grootte);
    const auto waarde = invoer.Neem<std::int64_t>();
    const auto geschreven = SchrijfGeheel(waarde);
    const auto terug = LeesGeheelGetal(geschreven);
    const bool past = waarde >= INT32_MIN && waarde <= INT32_MAX;
    Eis(terug.has_value() == past && (!terug || *terug == waarde),
        "a written 64-bit value reads back exactly when it fits in 32 bits", geschreven);
    return 0;
}
