// Numbers written as the programs write them in boxes, files and reports, and read back: always
// with "." as the decimal point (the C numeric locale, which the programs never change), never
// padded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// `decimals` of a style that writes the shortest form instead ("%g").
inline constexpr int kShortest = -1;

// How a number is written: with `decimals` fixed decimals ("%.*f"), or, for kShortest, in the
// shortest form of at most `digits` significant digits ("%.*g"; six is "%g").
struct NumberStyle {
    int decimals = kShortest;
    int digits = 6;
};

std::string NumberText(double value, NumberStyle style = {});

// `text` without the blanks (spaces, tabs, line ends) around it.
std::string_view WithoutBlanks(std::string_view text);

// The number the whole of `text` spells in the C numeric format, blanks around it allowed (an
// optional sign, "+" included, digits, a point, an exponent), "inf" and "nan" included; nothing
// for an empty text, other characters or a value beyond the range of a double.
std::optional<double> NumberFromText(std::string_view text);
