#include <gtest/gtest.h>

#include <set>

#include "pool_dialogs.h"
#include "setup_dialogs.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"

namespace {

TEST(SimulatorStrings, EveryIdOnceWithText) {
    std::set<int> ids;
    for (const StringEntry& entry : SimulatorEnglishStrings()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << "id " << entry.id << " given twice";
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
    }
}

// The French file translates every English text, takes the same arguments in the same order,
// and keeps the blank or line break that joins a text to what the program puts after it.
TEST(SimulatorStrings, FrenchFileTranslatesEveryTextWithTheSameConversions) {
    std::vector<StringFileProblem> problems;
    const std::optional<StringTable> french = ReadStringTableFile(
        FrenchStringFile(TIDEWARM_RESOURCES_DIR, kSimulatorFrenchLibrary), &problems);
    ASSERT_TRUE(french);
    for (const StringFileProblem& p : problems)
        ADD_FAILURE() << "line " << p.line << ": " << p.reason;
    std::set<int> english;
    for (const StringEntry& entry : SimulatorEnglishStrings()) {
        english.insert(entry.id);
        const std::string* text = french->Find(entry.id);
        if (!text) {
            ADD_FAILURE() << "id " << entry.id << " has no French text";
            continue;
        }
        EXPECT_TRUE(SameConversions(entry.text, *text)) << "id " << entry.id << ": " << *text;
        EXPECT_EQ(entry.text.back() == ' ', text->back() == ' ') << "id " << entry.id;
        EXPECT_EQ(entry.text.back() == '\n', text->back() == '\n') << "id " << entry.id;
        // Lines of the report's tables keep their width, so the columns stay aligned.
        if (entry.text.front() == '|' || entry.text.front() == '+') {
            EXPECT_EQ(CharacterCount(entry.text), CharacterCount(*text)) << "id " << entry.id;
        }
    }
    for (const auto& [id, text] : french->Entries())
        EXPECT_TRUE(english.count(id)) << "French id " << id << " is not an English one";
}

// Labels of the dialogs in French use the words of the French input summaries: a day of the
// year (an astronomical Julian day is another thing), and the heater's power "en entrée" (its
// input, not its inlet).
TEST(SimulatorStrings, FrenchDialogLabelsUseTheTermsOfTheFrenchSummaries) {
    ASSERT_TRUE(
        LoadFrenchStrings(FrenchStringFile(TIDEWARM_RESOURCES_DIR, kSimulatorFrenchLibrary)));
    CSimulationDlg simulation;
    simulation.SetPeriod(305, 31, 92);
    const std::vector<ControlText> days = simulation.ControlTexts();
    CAuxHeaterDlg heater;
    heater.heaterType = static_cast<int>(HeaterKind::Fuel);
    const std::vector<ControlText> labels = heater.ControlTexts();
    DropFrenchStrings();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].text, "(jour de l'année 305)");
    EXPECT_EQ(days[1].text, "(jour de l'année 31)");
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels[0].controlId, CAuxHeaterDlg::kCapacityLabel);
    EXPECT_EQ(labels[0].text, "Puissance du chauffage (en entrée)");
}

}  // namespace
