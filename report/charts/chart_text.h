// Text on a chart: the default font and a painter that measures and draws texts with it through
// FreeType, remembering the first failure (a missing or unreadable font) instead of crashing.
#pragma once

#include <gd.h>

#include <filesystem>
#include <numbers>
#include <string>

// The chart's default font, DejaVu Sans: at its Debian path, else as fontconfig finds it; empty
// when neither has it.
std::filesystem::path FindDefaultFont();

// The angle of an upright text, which reads from the bottom up.
inline constexpr double kUpright = std::numbers::pi / 2;

// Where a text's box sits against its anchor point, along one direction.
enum class TextAnchor { Start, Centre, End };

struct TextExtent {
    int width = 0;
    int height = 0;
};

class TextPainter {
  public:
    // Sizes are in points at the screen resolution the charts are drawn for (96 dpi).
    explicit TextPainter(std::filesystem::path font) : font_(std::move(font)) {}

    // The size of the box of `text`, turned by `angle` radians counter-clockwise.
    TextExtent Measure(const std::string& text, double size, double angle = 0);
    // `size`, or the smaller size at which `text` (turned by `angle`) is no longer than `room`
    // along its reading direction.
    double FittingSize(const std::string& text, double size, double angle, int room);
    // Draws `text` in the palette colour `colour` so that its box meets (x, y) as the anchors
    // say: horizontal Start puts the box's left edge at x, vertical Start its top edge at y.
    void Draw(gdImagePtr image, const std::string& text, double size, int colour, int x, int y,
              TextAnchor horizontal, TextAnchor vertical, double angle = 0);

    // The first failure of a measure or a draw; empty while all went well.
    const std::string& Error() const { return error_; }

  private:
    struct Box {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    // The box of `text` drawn from the origin; all zero after a failure.
    Box BoxAt(gdImagePtr image, int colour, int x, int y, const std::string& text, double size,
              double angle);

    std::filesystem::path font_;
    std::string error_;
};
