#pragma once
// Table and block names compare without regard to ASCII letter case.

#include <string>
#include <string_view>

namespace cad {

inline char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

inline std::string upperName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}

inline bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

} // namespace cad
