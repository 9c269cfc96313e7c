#include "number_text.h"

#include <cstdio>

std::string NumberText(double value, NumberStyle style) {
    char text[400];  // the longest "%.*f" of a double, 309 digits before the point, fits
    if (style.decimals == kShortest)
        std::snprintf(text, sizeof text, "%.*g", style.digits, value);
    else
        std::snprintf(text, sizeof text, "%.*f", style.decimals, value);
    return text;
}
