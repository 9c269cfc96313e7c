#include "html_text.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "text_encoding.h"

namespace {

template <class Value>
std::string Formatted(const char* format, Value value) {
    // The report's formats are literals of this library, never texts read from a file.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int length = std::snprintf(nullptr, 0, format, value);
    if (length <= 0) return "";
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format, value);
#pragma GCC diagnostic pop
    return std::string(text.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : TextAsUtf8(text.substr(0, text.find('\0')))) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string FormatDouble(const char* format, double value) {
    std::string text = Formatted(format, value);
    // A small negative value rounded to zero prints as "-0.0"; the report shows 0 unsigned.
    if (std::signbit(value) && text.find_first_of("123456789") == std::string::npos)
        text = Formatted(format, 0.0);
    return text;
}

std::string FormatInt(int value, const char* format) {
    return Formatted(format, value);
}
