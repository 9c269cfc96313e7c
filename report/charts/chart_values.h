// The values the chart layer takes: colours with their special values, the no-value marker of a
// data point, and the number formats of labels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A colour is 0xRRGGBB; a non-zero top byte marks one of the special values below.
using Colour = std::uint32_t;

// The chart's background colour (white).
inline constexpr Colour kBackgroundColour = 0xffff0000;
// The default colour of texts and axes (black).
inline constexpr Colour kTextColour = 0xffff0002;
// Nothing is drawn. Every special value other than the two above reads as transparent.
inline constexpr Colour kTransparent = 0xff000000;
// (-1) The element's default: for a plot area's fill, edge or alternate background "none", for
// a data symbol the colour of its data set.
inline constexpr Colour kDefaultColour = 0xffffffff;
// The plot area of the project's charts: white, with light grey grid lines.
inline constexpr Colour kPlotBackground = 0xffffff;
inline constexpr Colour kGridColour = 0xcccccc;

// The size of the texts that no call sizes, in points.
inline constexpr double kDefaultFontSize = 8;

// A point with this value is not drawn and breaks a line.
inline constexpr double kNoValue = 1.7e308;

// True for the marker and for anything that is not a finite number, so that no stray value from
// the data stretches a scale.
bool IsNoValue(double value);

// A label text: `format` with each "{value}" (six significant digits, no trailing zeros) or
// "{value|N}" (N decimals) replaced by `value`; the rest is copied as it stands.
std::string FormatLabel(std::string_view format, double value);
