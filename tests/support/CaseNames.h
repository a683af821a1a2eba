// Readable names for the cases of a parameterised table, so ctest says which case failed.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace marvola::test {

// Letters and digits stay; every other run of characters becomes one underscore, since a case
// name may hold nothing else. An empty text reads "empty".
inline std::string caseName(std::string_view text)
{
    std::string name;
    bool gap = false;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (gap && !name.empty())
                name += '_';
            name += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name.empty() ? std::string("empty") : name;
}

// A generator for tables whose cases carry their own description in the given field.
template<auto Field> struct NamedBy
{
    template<typename Info> std::string operator()(const Info &info) const
    {
        return caseName(info.param.*Field);
    }
};

} // namespace marvola::test
