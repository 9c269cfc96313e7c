// Help books read as the help window reads them: the book file, its contents, every page
// through wxHTML's own parser.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gui_test {

struct ShownText {
    std::string file;   // what was read: the contents file or a page
    std::string raw;    // the file's bytes, UTF-8 (of a contents file: its entries' names)
    std::string shown;  // its text as the help window shows it, UTF-8
};

// The contents (the names of its entries) and every page of the help book `hhp`.
std::vector<ShownText> ReadHelpBook(const std::string& hhp);

// The words of an HTML text, outside its tags, that hold a character beyond ASCII ("données",
// "°C"), as written.
std::vector<std::string> AccentedWords(const std::string& html);

// Every accented word of the book's contents and pages is shown as written; in a French book
// each page has at least one, so that no page passes for want of accents.
void ExpectHelpBookReadsWhole(const std::string& hhp, bool french);

}  // namespace gui_test
