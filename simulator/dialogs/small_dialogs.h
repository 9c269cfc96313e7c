// The progress window of a run and the language choice, without their windows.
#pragma once

#include <string>

#include "dialog_fields.h"

// The progress of a run: its text goes to the progress display in force.
class CRunningDlg {
  public:
    static constexpr int kTemplate = 136;
    static constexpr int kText = 1198;

    // Shows "Simulating day <day>/<count>..." (string 34115).
    void SetProgress(int day, int dayCount);
    // The text last shown.
    const std::string& Text() const { return text_; }

  private:
    std::string text_ = "Running...";
};

class CLanguageDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 141;
    enum Control : int { kEnglishButton = 1273, kFrenchButton = 1274 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override { return {RadioField(kEnglishButton, &language)}; }
    // The choice is not printed in any summary.
    void PrintSummary(std::ostream&, Language) const override {}

    // The language of the radio index, and the index of a language.
    Language Chosen() const { return LanguageAtIndex(language); }
    void Choose(Language chosen) { language = LanguageIndex(chosen); }

    int language = 0;  // the radio index: 0 English, 1 French
};
