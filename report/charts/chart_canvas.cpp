// The drawing surface of a chart.
#include "chart_canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour kWhite = 0xffffff;
constexpr Colour kBlack = 0x000000;
// Values far outside a scale are drawn as if at this many axis lengths away: off the picture,
// and still in the range of pixel numbers.
constexpr double kFarthest = 10;

int Along(double fraction, int length) {
    return static_cast<int>(
        std::lround(std::clamp(fraction, -kFarthest, kFarthest) * (length - 1)));
}

}  // namespace

std::optional<Colour> SolidColour(Colour colour) {
    if (colour == kBackgroundColour) return kWhite;
    if (colour == kTextColour) return kBlack;
    if (colour > 0xffffff) return std::nullopt;
    return colour;
}

int ChartCanvas::Ink(Colour colour) const {
    const std::optional<Colour> solid = SolidColour(colour);
    if (!solid) return -1;
    return gdImageColorResolve(image, static_cast<int>(*solid >> 16),
                               static_cast<int>((*solid >> 8) & 0xff),
                               static_cast<int>(*solid & 0xff));
}

int ChartCanvas::PixelX(double value) const {
    return plot.x + Along(x.Fraction(value), plot.width);
}

int ChartCanvas::PixelY(double value) const {
    return plot.y + plot.height - 1 - Along(y.Fraction(value), plot.height);
}

void ChartCanvas::DrawText(const std::string& label, double size, Colour colour, int atX, int atY,
                           TextAnchor horizontal, TextAnchor vertical, double angle) const {
    const int ink = Ink(colour);
    // The palette entry negated draws the strokes in that exact colour, without blended edges.
    // The background holds entry 0, so a text never comes here with it.
    if (ink > 0) text.Draw(image, label, size, -ink, atX, atY, horizontal, vertical, angle);
}
