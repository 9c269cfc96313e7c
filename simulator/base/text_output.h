// Writing formatted text to a stream, and padding UTF-8 text to a number of characters (not
// bytes), so that fixed-width columns stay aligned with accented letters.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "language.h"

// printf-style output to a stream; the format is a literal of the program.
void Print(std::ostream& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Number of characters of UTF-8 text (continuation bytes are not counted).
std::size_t CharacterCount(std::string_view text);
// `text` followed (PadRight) or preceded (PadLeft) by blanks up to `width` characters; longer
// text is left whole.
std::string PadRight(std::string_view text, std::size_t width);
std::string PadLeft(std::string_view text, std::size_t width);

// The full name of a month in `language` as a date writes it ("1 juin" in French); empty outside
// 1..12.
std::string MonthText(int month, Language language);

// 'X' for a set switch, '-' for a clear one.
inline char SwitchMark(int value) {
    return value ? 'X' : '-';
}
