#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dialog_test_support.h"
#include "profile_editors.h"
#include "text_output.h"

using test::DialogTest;
using test::Lines;
using test::OkUnchanged;
using test::Summary;
using test::Texts;

namespace {

class TwoFields : public InputDialog {
  public:
    int TemplateId() const override { return 1; }
    std::vector<DialogField> Fields() override {
        return {IntField(10, &count, 1, 50), DoubleField(11, &rate, 0, 1), TextField(12, &name, 5)};
    }
    void PrintSummary(std::ostream&, Language) const override {}
    int count = 7;
    double rate = 0.5;
    std::string name = "abc";
};

}  // namespace

class FieldExchange : public DialogTest {};

TEST_F(FieldExchange, ValuesAreShownAsTheControlsShowThem) {
    TwoFields dialog;
    dialog.rate = 0.125;
    const std::vector<DialogField> fields = dialog.Fields();
    EXPECT_EQ(FieldText(fields[0]), "7");
    EXPECT_EQ(FieldText(fields[1]), "0.125");
    EXPECT_EQ(FieldText(fields[2]), "abc");
}

TEST_F(FieldExchange, NumbersShowAsWrittenAndKeepTheirDigitsUnlessChanged) {
    TwoFields dialog;
    dialog.rate = 0.219770537634409;
    EXPECT_EQ(FieldText(dialog.Fields()[1]), "0.219771");
    // The text shown, handed back: checked, not stored; every digit kept.
    ASSERT_TRUE(SaveDialog(dialog, Texts({{11, "0.219771"}})));
    EXPECT_EQ(dialog.rate, 0.219770537634409);
    ASSERT_TRUE(StoreFieldText(dialog.Fields()[1], "0.219771"));
    EXPECT_EQ(dialog.rate, 0.219770537634409);
    // A shown text still has to be acceptable.
    dialog.rate = 1.5;
    EXPECT_EQ(SaveDialog(dialog, Texts({{11, "1.5"}})).controlId, 11);
    // Any other text, even of the same number, is what the user typed.
    dialog.rate = 0.219770537634409;
    ASSERT_TRUE(SaveDialog(dialog, Texts({{11, "0.219770"}})));
    EXPECT_EQ(dialog.rate, 0.21977);
}

TEST_F(FieldExchange, NumbersInRangeAreTakenWithBlanksAroundThem) {
    TwoFields dialog;
    ASSERT_TRUE(SaveDialog(dialog, Texts({{10, " 50 "}, {11, "+1"}, {12, "hello"}})));
    EXPECT_EQ(dialog.count, 50);
    EXPECT_EQ(dialog.rate, 1.0);
    EXPECT_EQ(dialog.name, "hello");
}

TEST_F(FieldExchange, ARefusalNamesTheControlAndStoresNothing) {
    TwoFields dialog;
    ExchangeStatus status = SaveDialog(dialog, Texts({{10, "20"}, {11, "1.5"}, {12, "x"}}));
    EXPECT_FALSE(status);
    EXPECT_EQ(status.controlId, 11);
    EXPECT_EQ(status.message, "Please enter a number between 0 and 1.");
    EXPECT_EQ(dialog.count, 7) << "a good field before the bad one is not stored either";
    EXPECT_EQ(dialog.name, "abc");
}

TEST_F(FieldExchange, IntegerRangeMessageAndMalformedNumbers) {
    TwoFields dialog;
    ExchangeStatus status = SaveDialog(dialog, Texts({{10, "0"}}));
    EXPECT_EQ(status.controlId, 10);
    EXPECT_EQ(status.message, "Please enter an integer between 1 and 50.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{10, "2.5"}})).message, "Please enter an integer.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{10, ""}})).message, "Please enter an integer.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{10, "99999999999"}})).message, "Please enter an integer.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{11, "0.5x"}})).message, "Please enter a number.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{11, "nan"}})).message, "Please enter a number.");
    EXPECT_EQ(SaveDialog(dialog, Texts({{11, "inf"}})).message, "Please enter a number.");
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.rate, 0.5);
}

TEST_F(FieldExchange, TextsLongerThanTheirLimitAreRefused) {
    TwoFields dialog;
    EXPECT_TRUE(SaveDialog(dialog, Texts({{12, "12345"}})));
    ExchangeStatus status = SaveDialog(dialog, Texts({{12, "123456"}}));
    EXPECT_EQ(status.controlId, 12);
    EXPECT_EQ(status.message, "Please enter no more than 5 characters.");
    EXPECT_EQ(dialog.name, "12345");
}

TEST_F(FieldExchange, AnUnchangedOkChecksTheHeldValues) {
    TwoFields dialog;
    EXPECT_TRUE(OkUnchanged(dialog));
    dialog.rate = std::nan("");
    EXPECT_EQ(OkUnchanged(dialog).controlId, 11);
    dialog.rate = 1;
    dialog.count = 51;
    EXPECT_EQ(OkUnchanged(dialog).controlId, 10);
}

class ProfileEditors : public DialogTest {};

TEST_F(ProfileEditors, IntegerModeStoresWholeNumbersAndRefusesOutOfRange) {
    double values[24] = {};
    CProfile24Edit editor;
    editor.SetUp("legend", values, 1, 0, 2, 1);
    EXPECT_TRUE(SaveDialog(editor, Texts({{1201, "2"}})));
    EXPECT_EQ(editor.values[0], 2.0);
    ExchangeStatus status = SaveDialog(editor, Texts({{1201, "3"}}));
    EXPECT_EQ(status.controlId, 1201);
    EXPECT_EQ(status.message, "Please enter a number between 0 and 2.");
    EXPECT_FALSE(SaveDialog(editor, Texts({{1224, "1.5"}})));
    EXPECT_EQ(editor.values[0], 2.0);
    // Whole numbers are shown without decimals, a fraction held is cut.
    editor.values[1] = 1.75;
    EXPECT_EQ(FieldText(editor.Fields()[1]), "1");
}

TEST_F(ProfileEditors, WithoutRangeCheckAnyNumberIsTaken) {
    double values[12] = {};
    CProfile12Edit editor;
    editor.SetUp("legend", values, 0, 0, 1, 0);
    EXPECT_TRUE(SaveDialog(editor, Texts({{1201, "-1e6"}, {1212, "2.5"}})));
    EXPECT_EQ(editor.values[0], -1e6);
    EXPECT_EQ(editor.values[11], 2.5);
}

TEST_F(ProfileEditors, HourlyPrinterPutsHourSevenBesideHourOne) {
    double values[24];
    for (int h = 1; h <= 24; ++h) values[h - 1] = h;
    CProfile24Edit editor;
    editor.SetUp("Hours", values, 0, 0, 0, 0);
    const std::vector<std::string> lines = Lines(Summary(editor));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "  Hours");
    EXPECT_EQ(lines[1], "     1: 1          7: 7         13: 13        19: 19      ");
    EXPECT_EQ(lines[6], "     6: 6         12: 12        18: 18        24: 24      ");
}

TEST_F(ProfileEditors, MonthlyPrinterPutsAprilBesideJanuaryInTheLanguage) {
    double values[12];
    for (int m = 1; m <= 12; ++m) values[m - 1] = m / 10.0;
    CProfile12Edit editor;
    editor.SetUp("Months", values, 0, 0, 0, 0);
    std::vector<std::string> lines = Lines(Summary(editor));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "    Jan: 0.1       Apr: 0.4       Jul: 0.7       Oct: 1       ");
    lines = Lines(Summary(editor, Language::French));
    EXPECT_EQ(lines[2], "    Fév: 0.2       Mai: 0.5       Aou: 0.8       Nov: 1.1     ");
    EXPECT_EQ(lines[3], "    Mar: 0.3       Jun: 0.6       Sep: 0.9       Déc: 1.2     ");
}

TEST_F(ProfileEditors, CurvePrinterWritesFiveValuesPerRow) {
    double x[10], y[10];
    for (int i = 0; i < 10; ++i) {
        x[i] = 10 * i;
        y[i] = 1 - i / 100.0;
    }
    CProfileDoubleEdit editor;
    editor.SetUp("Angle", "Modifier", x, y, 1, 0, 0, 90, 0, 0);
    const std::vector<std::string> lines = Lines(Summary(editor));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "  Angle");
    EXPECT_EQ(lines[1], "    0         10        20        30        40      ");
    EXPECT_EQ(lines[2], "    50        60        70        80        90      ");
    EXPECT_EQ(lines[3], "  Modifier");
    EXPECT_EQ(lines[4], "    1         0.99      0.98      0.97      0.96    ");
}

TEST_F(ProfileEditors, CurveAbscissaeMustIncreaseWhenRequired) {
    double x[10], y[10] = {};
    for (int i = 0; i < 10; ++i) x[i] = 10 * i;
    CProfileDoubleEdit editor;
    editor.SetUp("X", "Y", x, y, 1, 0, 0, 90, 0, 0);
    editor.requireIncreasingX = 1;
    EXPECT_TRUE(SaveDialog(editor, Texts({})));
    ExchangeStatus status = SaveDialog(editor, Texts({{1048, "30"}}));  // point 5 = point 4
    EXPECT_FALSE(status);
    EXPECT_EQ(status.controlId, 1048);
    EXPECT_EQ(status.message, LoadResString(kStrAnglesNotIncreasing));
    // Out of the X range is refused before the order is looked at.
    EXPECT_EQ(SaveDialog(editor, Texts({{1053, "91"}})).message,
              "Please enter a number between 0 and 90.");
    editor.requireIncreasingX = 0;
    EXPECT_TRUE(SaveDialog(editor, Texts({{1048, "30"}})));
}

TEST(TextPadding, CountsCharactersNotBytes) {
    EXPECT_EQ(CharacterCount("Déc"), 3u);
    EXPECT_EQ(PadRight("Énergie", 9), "Énergie  ");
    EXPECT_EQ(PadLeft("Déc", 4), " Déc");
    EXPECT_EQ(PadRight("toolong", 3), "toolong");
}
