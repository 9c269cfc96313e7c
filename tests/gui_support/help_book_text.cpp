#include "help_book_text.h"

#include <wx/filename.h>
#include <wx/html/helpdata.h>
#include <wx/html/htmlwin.h>
#include <wx/wx.h>

#include <fstream>
#include <sstream>

namespace gui_test {

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string PathOf(const wxString& location) {
    wxFileName name = wxFileSystem::URLToFileName(location);
    return name.IsOk() && name.FileExists() ? name.GetFullPath().ToStdString()
                                            : location.ToStdString();
}

// The entries' names of a contents file, as written, one a line.
std::string ContentsNames(const std::string& hhc) {
    std::string names;
    const std::string key = "name=\"Name\" value=\"";
    for (std::size_t at = hhc.find(key); at != std::string::npos; at = hhc.find(key, at)) {
        at += key.size();
        names += hhc.substr(at, hhc.find('"', at) - at) + "\n";
    }
    return names;
}

}  // namespace

std::vector<ShownText> ReadHelpBook(const std::string& hhp) {
    std::vector<ShownText> read;
    wxHtmlHelpData book;
    if (!book.AddBook(wxString::FromUTF8(hhp)) || book.GetBookRecArray().empty()) return read;
    const wxHtmlHelpDataItems& contents = book.GetContentsArray();
    // The contents file the book names.
    const std::string project = FileBytes(hhp);
    const std::string key = "Contents file=";
    const std::size_t at = project.find(key) + key.size();
    const std::string hhc = project.substr(at, project.find_first_of("\r\n", at) - at);
    ShownText names{PathOf(book.GetBookRecArray()[0].GetFullPath(hhc)), {}, {}};
    names.raw = ContentsNames(FileBytes(names.file));
    for (std::size_t i = 0; i < contents.size(); ++i)
        names.shown += contents[i].name.utf8_string() + "\n";
    read.push_back(names);

    wxFrame frame(nullptr, wxID_ANY, "help pages");
    auto* window = new wxHtmlWindow(&frame);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const wxString page = contents[i].GetFullPath();
        if (!window->LoadPage(page)) continue;
        const std::string file = PathOf(page);
        read.push_back({file, FileBytes(file), window->ToText().utf8_string()});
    }
    return read;
}

std::vector<std::string> AccentedWords(const std::string& html) {
    std::vector<std::string> words;
    std::string word;
    bool inTag = false;
    const auto endWord = [&] {
        for (char c : word)
            if (static_cast<unsigned char>(c) >= 0x80) {
                words.push_back(word);
                break;
            }
        word.clear();
    };
    for (char c : html) {
        if (c == '<') inTag = true;
        const bool separator =
            inTag || std::string_view(" \t\r\n>&;,.:()!?\"'").find(c) != std::string_view::npos;
        if (c == '>') inTag = false;
        if (separator) {
            endWord();
        } else {
            word += c;
        }
    }
    endWord();
    return words;
}

void ExpectHelpBookReadsWhole(const std::string& hhp, bool french) {
    const std::vector<ShownText> book = ReadHelpBook(hhp);
    ASSERT_GT(book.size(), 1U) << hhp;
    for (const ShownText& read : book) {
        const std::vector<std::string> words = AccentedWords(read.raw);
        if (french) {
            EXPECT_FALSE(words.empty()) << read.file;
        }
        std::string missing;
        for (const std::string& word : words)
            if (read.shown.find(word) == std::string::npos) missing += " " + word;
        EXPECT_EQ(missing, "") << read.file << " shows: " << read.shown.substr(0, 160);
    }
}

}  // namespace gui_test
