// Text from files and users as the programs keep it: UTF-8. Files written on other systems may
// hold Windows-1252 (the code page the weather files' station names were written in); such text
// is read as Windows-1252, so that an accent shows as the accent it was and never as bytes that
// no window can show.
#pragma once

#include <string>
#include <string_view>

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
[[nodiscard]] bool IsValidUtf8(std::string_view text);

// `text` itself when it is valid UTF-8, else `text` read as Windows-1252, in UTF-8.
std::string TextAsUtf8(std::string_view text);

// A name from a file as the programs keep it: `TextAsUtf8`, without the control bytes (below
// 0x20, tab excepted) that would move a terminal's cursor, ring or end up in a report or file.
std::string NameAsUtf8(std::string_view text);
