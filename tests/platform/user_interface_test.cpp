#include "user_interface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CountingSink : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind) override { last = text, ++count; }
    std::string last;
    int count = 0;
};

TEST(MessageSink, StandardErrorByDefaultOneLinePerMessage) {
    ::testing::internal::CaptureStderr();
    ShowMessage("Cannot open file 'tidewarm.tmp'.");
    ShowMessage("Two\nlines", MessageKind::Warning);
    ShowMessage("Done", MessageKind::Information);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error: Cannot open file 'tidewarm.tmp'.\nWarning: Two\nlines\nDone\n");
}

TEST(MessageSink, SetterReplacesAndRestores) {
    CountingSink sink;
    MessageSink* standard = SetMessageSink(&sink);
    ShowMessage("to the sink");
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(sink.last, "to the sink");
    EXPECT_EQ(&CurrentMessageSink(), &sink);
    EXPECT_EQ(SetMessageSink(nullptr), &sink);
    EXPECT_EQ(&CurrentMessageSink(), standard);
    ::testing::internal::CaptureStderr();
    ShowMessage("back on standard error");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: back on standard error\n");
    EXPECT_EQ(sink.count, 1);
}

TEST(MessageSink, UnattendedQuestionShowsTheAnswerTakenAndReturnsIt) {
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(AskYesNo("File x not found. Create?", true));
    EXPECT_FALSE(AskYesNo("Overwrite?", false));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "File x not found. Create? Yes\nOverwrite? No\n");
    CountingSink sink;
    SetMessageSink(&sink);
    EXPECT_FALSE(AskYesNo("Delete?", false));
    EXPECT_EQ(sink.last, "Delete? No");
    SetMessageSink(nullptr);
}

TEST(Progress, NoDisplayByDefaultAndSetterReplacesIt) {
    class Recording : public Progress {
      public:
        void SetText(std::string_view shown) override { text = shown; }
        void Step() override { ++steps; }
        std::string text;
        int steps = 0;
    } display;
    Progress* none = SetProgress(&display);
    EXPECT_NE(dynamic_cast<NullProgress*>(none), nullptr);
    CurrentProgress().SetText("Simulating day 10/153...");
    CurrentProgress().Step();
    EXPECT_EQ(display.text, "Simulating day 10/153...");
    EXPECT_EQ(display.steps, 1);
    EXPECT_EQ(SetProgress(nullptr), &display);
    EXPECT_EQ(&CurrentProgress(), none);
}

}  // namespace

// The notices' layout: the breaks inside a sentence go, each sentence gets its own line, the
// paragraphs stay.
TEST(MessageSink, NoticeLaidOutOneSentencePerLine) {
    EXPECT_EQ(OneSentencePerLine("Restart to apply.\n\nDatabases are not translated. Use the "
                                 "'Options'\ndialog after restarting if you wish to create\na "
                                 "new database."),
              "Restart to apply.\n\nDatabases are not translated.\nUse the 'Options' dialog "
              "after restarting if you wish to create a new database.");
    EXPECT_EQ(OneSentencePerLine("One sentence only."), "One sentence only.");
    EXPECT_EQ(OneSentencePerLine("Vraiment ?  Oui !\nBien."), "Vraiment ?\nOui !\nBien.");
}
