#include <gtest/gtest.h>

#include <set>

#include "simulator_strings.h"
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
    for (const auto& [id, text] : french->entries())
        EXPECT_TRUE(english.count(id)) << "French id " << id << " is not an English one";
}

}  // namespace
