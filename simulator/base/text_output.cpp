#include "text_output.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "helpers.h"

void Print(std::ostream& out, const char* format, ...) {
    char small[512];
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<std::size_t>(length) < sizeof small) {
        out.write(small, length);
    } else {
        std::vector<char> large(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        out.write(large.data(), length);
    }
    va_end(again);
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string result(text);
    const std::size_t count = CharacterCount(text);
    if (count < width) result.append(width - count, ' ');
    return result;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    std::string result = count < width ? std::string(width - count, ' ') : std::string();
    result.append(text);
    return result;
}

std::string MonthText(int month, Language language) {
    char name[10];
    return MonthNameInDate(month, name, language);
}
