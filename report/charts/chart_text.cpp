// Fonts and texts of the charts.
#include "chart_text.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace {

constexpr const char* kDefaultFamily = "DejaVu Sans";
constexpr const char* kDebianFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kResolution = 96;  // dots per inch of a chart, as on screen

// The file fontconfig gives for the default family, when it is really that family and not a
// substitute.
std::filesystem::path FontconfigFont() {
    std::filesystem::path found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kDefaultFamily));
    if (!pattern) return found;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* family = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            std::string(reinterpret_cast<const char*>(family)) == kDefaultFamily)
            found = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

std::filesystem::path FindDefaultFont() {
    // The Debian path first: it spares reading fontconfig's configuration, which allocates
    // for the life of the process.
    std::error_code error;
    if (std::filesystem::is_regular_file(kDebianFontPath, error)) return kDebianFontPath;
    std::filesystem::path font = FontconfigFont();
    if (!font.empty() && std::filesystem::is_regular_file(font, error)) return font;
    return {};
}

TextPainter::Box TextPainter::BoxAt(gdImagePtr image, int colour, int x, int y,
                                    const std::string& text, double size, double angle) {
    if (font_.empty()) {
        if (error_.empty()) error_ = "no font found for the chart texts";
        return {};
    }
    int corners[8] = {};
    gdFTStringExtra extra{};
    extra.flags = gdFTEX_RESOLUTION;
    extra.hdpi = kResolution;
    extra.vdpi = kResolution;
    const char* failure = gdImageStringFTEx(image, corners, colour, font_.c_str(), size, angle, x,
                                            y, text.c_str(), &extra);
    if (failure) {
        if (error_.empty()) error_ = failure;
        return {};
    }
    // Corners: lower left, lower right, upper right, upper left, each (x, y).
    Box box{corners[0], corners[1], corners[0], corners[1]};
    for (int corner = 0; corner < 4; ++corner) {
        box.left = std::min(box.left, corners[2 * corner]);
        box.right = std::max(box.right, corners[2 * corner]);
        box.top = std::min(box.top, corners[2 * corner + 1]);
        box.bottom = std::max(box.bottom, corners[2 * corner + 1]);
    }
    return box;
}

TextExtent TextPainter::Measure(const std::string& text, double size, double angle) {
    const Box box = BoxAt(nullptr, 0, 0, 0, text, size, angle);
    return {box.right - box.left, box.bottom - box.top};
}

double TextPainter::FittingSize(const std::string& text, double size, double angle, int room) {
    const TextExtent extent = Measure(text, size, angle);
    const int length = std::max(extent.width, extent.height);
    return length > room && length > 0 ? size * room / length : size;
}

void TextPainter::Draw(gdImagePtr image, const std::string& text, double size, int colour, int x,
                       int y, TextAnchor horizontal, TextAnchor vertical, double angle) {
    const Box box = BoxAt(nullptr, 0, 0, 0, text, size, angle);
    auto offset = [](TextAnchor anchor, int low, int high) {
        switch (anchor) {
            case TextAnchor::Start:
                return -low;
            case TextAnchor::Centre:
                return -(low + high) / 2;
            case TextAnchor::End:
                return -high;
        }
        return 0;
    };
    BoxAt(image, colour, x + offset(horizontal, box.left, box.right),
          y + offset(vertical, box.top, box.bottom), text, size, angle);
}
