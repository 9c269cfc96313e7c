// The charts of a sizing study: a value of each size of the array (its net present value, its
// swimmable days) against the array's collector area, one line with a symbol at each size.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "chart_elements.h"

struct SizingChartLine {
    std::vector<double> areas;   // x, in the units shown
    std::vector<double> values;  // y, one per area
    std::string areaTitle;       // x-axis title with its unit
    std::string valueTitle;      // y-axis title with its unit
    Colour colour = 0x0000ff;
};

inline constexpr int kSizingChartWidth = 380;
inline constexpr int kSizingChartHeight = 250;

// Draws `line` and writes it as a GIF at `path`; why it failed, empty when it was written.
std::string MakeSizingChart(const SizingChartLine& line, const std::filesystem::path& path);
