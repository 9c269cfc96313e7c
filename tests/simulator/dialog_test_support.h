// Shared set-up of the dialog tests: the program's English texts in force, and the summary of
// a dialog as text.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_fields.h"
#include "simulator_strings.h"
#include "string_table.h"

namespace test {

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override { SetEnglishStrings(SimulatorEnglishStrings()); }
    void TearDown() override { SetEnglishStrings({}); }
};

inline std::string Summary(const InputDialog& dialog, Language language = Language::English) {
    std::ostringstream out;
    dialog.PrintSummary(out, language);
    return out.str();
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Control texts of a window: the ones given, nothing for the others.
inline ControlTextSource Texts(std::map<int, std::string> texts) {
    return [texts](int id) -> std::optional<std::string> {
        const auto found = texts.find(id);
        if (found == texts.end()) return std::nullopt;
        return found->second;
    };
}

// The texts a window shows for every field of a dialog, as it would hand them back on an
// unchanged OK.
inline ControlTextSource ShownTexts(InputDialog& dialog) {
    std::map<int, std::string> texts;
    for (const DialogField& field : dialog.Fields()) texts[field.controlId] = FieldText(field);
    return Texts(texts);
}

// OK pressed on the dialog's window left as it was opened: the values it holds checked as the
// window shows them, then the dialog's own checks.
inline ExchangeStatus OkUnchanged(InputDialog& dialog) {
    return SaveDialog(dialog, ShownTexts(dialog));
}

}  // namespace test
