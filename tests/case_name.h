// The names of the cases of a parametrised test. A case's name is the test's own name in gtest and in CTest
// (the tests are listed without their parameters' printed bytes), so it must be made of the case's values
// alone, the same from one build to the next.
#pragma once

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>

namespace casename {

// The ASCII letter of a two-byte UTF-8 Latin-1 letter (é, È, ç, ...), 0 for another character.
inline char PlainLetter(unsigned char second) {
    constexpr std::string_view kLetters = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUY__aaaaaaaceeeeiiiidnooooo_ouuuuy_y";
    if (second < 0x80 || second > 0xBF) return 0;
    const char letter = kLetters[second - 0x80];
    return letter == '_' ? 0 : letter;
}

}  // namespace casename

// A test name made of the letters and digits of a description, words joined by underscores: accented letters
// lose their accent, a minus sign before a number is written "minus".
inline std::string CaseName(std::string_view what) {
    std::string name;
    bool gap = false;
    const auto add = [&](char c) {
        if (gap && !name.empty()) name += '_';
        name += c;
        gap = false;
    };
    for (size_t i = 0; i < what.size(); ++i) {
        const auto c = static_cast<unsigned char>(what[i]);
        if (std::isalnum(c) != 0) {
            add(static_cast<char>(c));
        } else if (c == 0xC3 && i + 1 < what.size() &&
                   casename::PlainLetter(static_cast<unsigned char>(what[i + 1])) != 0) {
            add(casename::PlainLetter(static_cast<unsigned char>(what[++i])));
        } else if (c == '-' && i + 1 < what.size() && std::isdigit(static_cast<unsigned char>(what[i + 1])) != 0) {
            gap = true;
            for (const char m : std::string_view("minus")) add(m);
            gap = true;
        } else {
            gap = true;
        }
    }
    return name.empty() ? std::string("Empty") : name;
}

// A test name made of a case's values, each written as a stream writes it, e.g.
// CaseName("Preset", 2, "tool", 1) gives "Preset_2_tool_1".
template <typename First, typename... Rest>
std::string CaseName(const First& first, const Rest&... rest) {
    std::ostringstream text;
    text << first;
    ((text << ' ' << rest), ...);
    return CaseName(std::string_view(text.str()));
}
