// What the parts of a chart draw on: the picture, the plot area with its two scales, and the
// text painter. Positions are pixels, (0, 0) the top left corner.
#pragma once

#include <gd.h>

#include <optional>

#include "chart_axis.h"
#include "chart_elements.h"
#include "chart_text.h"

// The 0xRRGGBB colour that `colour` paints; none for a transparent or default value.
std::optional<Colour> SolidColour(Colour colour);

struct ChartCanvas {
    gdImagePtr image;
    TextPainter& text;
    PlotArea plot;
    AxisScale x;
    AxisScale y;

    // The palette entry of a solid colour; -1 for a colour that paints nothing.
    int Ink(Colour colour) const;
    // Draws `label` as TextPainter::Draw does, in `colour` (nothing for a colour that paints
    // nothing).
    void DrawText(const std::string& label, double size, Colour colour, int atX, int atY,
                  TextAnchor horizontal, TextAnchor vertical, double angle = 0) const;
    int PixelX(double value) const;
    int PixelY(double value) const;
};
