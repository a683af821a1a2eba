// Readable names for the cases of a parameterised test, as ctest lists them.
#pragma once

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

namespace marvola::testing {

// A case name from free text: letters and digits stay, a blank or comma becomes "_", and each
// other character a word of its own ("$1F" -> "Dollar1F"), so the texts of one table keep
// different names. The empty text is "Empty".
inline std::string paramName(std::string_view text)
{
    if (text.empty())
        return "Empty";
    std::string name;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalnum(u)) {
            name += c;
            continue;
        }
        switch (c) {
        case ' ': name += "_"; break;
        case '-': name += "Minus"; break;
        case '+': name += "Plus"; break;
        case '$': name += "Dollar"; break;
        case '.': name += "Dot"; break;
        case ',': name += "_"; break;
        default: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "x%02X", u);
            name += hex;
        }
        }
    }
    return name;
}

// A generator for tables whose cases carry their own description in the given field.
template<auto Field> struct NamedBy
{
    template<typename Info> std::string operator()(const Info &info) const
    {
        return paramName(info.param.*Field);
    }
};

} // namespace marvola::testing
