// Numbers written as the programs write them in boxes, files and reports: always with "." as the
// decimal point (the C numeric locale, which the programs never change), never padded.
#pragma once

#include <string>

// `decimals` of a style that writes the shortest form instead ("%g").
inline constexpr int kShortest = -1;

// How a number is written: with `decimals` fixed decimals ("%.*f"), or, for kShortest, in the
// shortest form of at most `digits` significant digits ("%.*g"; six is "%g").
struct NumberStyle {
    int decimals = kShortest;
    int digits = 6;
};

std::string NumberText(double value, NumberStyle style = {});
