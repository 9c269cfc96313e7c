// Texts as the report's page holds them: database texts made safe for HTML, numbers formatted
// with C formats in the C numeric locale.
#pragma once

#include <string>
#include <string_view>

// `text` with the characters that HTML gives a meaning (& < > " ') written as references, so
// that a name or comment shows as typed and never becomes markup; in UTF-8, as the page says
// (a text that is not is read as Windows-1252), and ended where a NUL would end it.
std::string EscapeHtml(std::string_view text);

// One number formatted with a C format that takes exactly one double ("%-8.2lf") or one int
// ("%2d"); the whole result, however long. A value that rounds to zero has no minus sign.
std::string FormatDouble(const char* format, double value);
std::string FormatInt(int value, const char* format);
