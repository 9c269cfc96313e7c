#include "messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>

#include "component.h"
#include "test_support.h"

namespace {

std::string Lookup(int number, int size = 256) {
    char text[256];
    std::memset(text, 'x', sizeof text);
    LookupErrorMessage(text, size, number);
    return text;
}

TEST(LookupErrorMessage, NumbersInDecimalHexAndOctal) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "# comment\n17 decimal\n0x120003 hex %d\n010 octal\n");
    char text[256];
    EXPECT_EQ(LookupErrorMessage(text, 256, 17), 1);
    EXPECT_STREQ(text, "decimal");
    EXPECT_EQ(LookupErrorMessage(text, 256, 0x120003), 1);
    EXPECT_STREQ(text, "hex %d");
    EXPECT_EQ(LookupErrorMessage(text, 256, 8), 1);
    EXPECT_STREQ(text, "octal");
}

TEST(LookupErrorMessage, OnlyOneSeparatorIsDropped) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "5  two blanks\n6\ttab\n7:colon\n");
    EXPECT_EQ(Lookup(5), " two blanks");
    EXPECT_EQ(Lookup(6), "tab");
    EXPECT_EQ(Lookup(7), "colon");
}

TEST(LookupErrorMessage, LastLineWithoutNewlineAndCrlf) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "1 first\r\n2 last");
    EXPECT_EQ(Lookup(1), "first");
    EXPECT_EQ(Lookup(2), "last");
}

TEST(LookupErrorMessage, TheFileIsReadOnceUntilForgottenAndNeverThroughAFifo) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "1 first version\n");
    EXPECT_EQ(Lookup(1), "first version");
    test::WriteFile("scl.err", "1 second version\n");
    EXPECT_EQ(Lookup(1), "first version");
    ForgetMessageFile();
    EXPECT_EQ(Lookup(1), "second version");

    std::filesystem::remove("scl.err");
    ForgetMessageFile();
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(
        "scl.err", [] { EXPECT_EQ(Lookup(1), "Error file not found (0x00000001)"); }));
}

TEST(LookupErrorMessage, MissingFileAndUnknownNumber) {
    test::ScopedTempDir dir;
    char text[256];
    EXPECT_EQ(LookupErrorMessage(text, 256, 0x110101), 0);
    EXPECT_STREQ(text, "Error file not found (0x00110101)");
    test::WriteFile("scl.err", "1 one\n");
    EXPECT_EQ(LookupErrorMessage(text, 256, 0x120003), 0);
    EXPECT_STREQ(text, "Unknown error (0x00120003)");
    // The number is appended only when it fits.
    EXPECT_EQ(LookupErrorMessage(text, 25, 0x120003), 0);
    EXPECT_STREQ(text, "Unknown error");
    EXPECT_EQ(LookupErrorMessage(nullptr, 256, 1), 0);
    EXPECT_EQ(LookupErrorMessage(text, -1, 1), 0);
}

TEST(LookupErrorMessage, AllocationFailureIs32Bit) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "0xFFFF0001 out of memory\n");
    EXPECT_EQ(Lookup(kAllocationFailure), "out of memory");
}

TEST(LookupErrorMessage, LongLinesAreCutNotSplit) {
    test::ScopedTempDir dir;
    // A long line is one message: its tail must not be read as a line of its own.
    test::WriteFile("scl.err", "1 " + std::string(300, 'a') + " 2 wrong\n2 right\n");
    EXPECT_EQ(Lookup(2), "right");
    EXPECT_EQ(Lookup(1, 10), std::string(9, 'a'));
}

TEST(FormatErrorMessage, FormatsWithTypedArguments) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "1 T=%.1f at %s hour %d (%x)\n2 %5.2e|%-4d|%lu|%c|%%\n");
    ReportError(1, 21.25, "pool", 7, 255);
    EXPECT_STREQ(ErrorMessageBuffer(), "T=21.2 at pool hour 7 (ff)");
    ReportError(2, 1234.5, -3, 9UL, 'z');
    EXPECT_STREQ(ErrorMessageBuffer(), "1.23e+03|-3  |9|z|%");
}

TEST(FormatErrorMessage, MismatchShowsRawTextNotTheFormatter) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "1 value %s\n2 %d and %d\n3 %n\n4 %*d\n5 value %d\n");
    ReportError(1, 2.5);  // a double for %s
    EXPECT_STREQ(ErrorMessageBuffer(), "value %s (0x00000001)");
    ReportError(2, 1);  // too few arguments
    EXPECT_STREQ(ErrorMessageBuffer(), "%d and %d (0x00000002)");
    ReportError(3, 1);  // %n is never accepted
    EXPECT_STREQ(ErrorMessageBuffer(), "%n (0x00000003)");
    ReportError(4, 5, 1);  // no '*' widths
    EXPECT_STREQ(ErrorMessageBuffer(), "%*d (0x00000004)");
    ReportError(5, 1, 2);  // too many arguments
    EXPECT_STREQ(ErrorMessageBuffer(), "value %d (0x00000005)");
}

TEST(FormatErrorMessage, WidthOrPrecisionBeyondTheBufferIsRefused) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err",
                    "1 %.999999999f\n2 %2147483647d\n3 %99999999999999999999d\n4 [%256d]\n");
    ReportError(1, 1.5);
    EXPECT_STREQ(ErrorMessageBuffer(), "%.999999999f (0x00000001)");
    ReportError(2, 7);
    EXPECT_STREQ(ErrorMessageBuffer(), "%2147483647d (0x00000002)");
    ReportError(3, 7);  // beyond the int range too
    EXPECT_STREQ(ErrorMessageBuffer(), "%99999999999999999999d (0x00000003)");
    ReportError(4, 7);  // the buffer's own size is still a width
    EXPECT_EQ(std::string(ErrorMessageBuffer()).size(), 255u);
    EXPECT_FALSE(FormatText("%.257f", 1.0).has_value());
    EXPECT_FALSE(FormatText("%257s", "x").has_value());
    EXPECT_EQ(FormatText("%.256f", 1.0)->size(), 258u);
}

TEST(FormatErrorMessage, NotFoundAndSwitchedOff) {
    test::ScopedTempDir dir;
    ReportError(0x110101);
    EXPECT_STREQ(ErrorMessageBuffer(), "Error file not found (0x00110101)");
    g_errorMessagesOn = 0;
    ReportError(0x110101);
    EXPECT_STREQ(ErrorMessageBuffer(), "Error message generation is turned off!");
    g_errorMessagesOn = 1;
}

TEST(FormatErrorMessage, LongResultStaysInTheBufferOnACharacterBoundary) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "1 %s\n");
    std::string accents;
    for (int i = 0; i < 200; ++i) accents += "é";  // two bytes each
    ReportError(1, accents);
    const std::string text = ErrorMessageBuffer();
    EXPECT_LE(text.size(), 255u);
    EXPECT_EQ(text.size() % 2, 0u);
    EXPECT_EQ(text.substr(0, 4), "éé");
}

TEST(FormatText, IntegerWidthsFollowTheLengthModifier) {
    EXPECT_EQ(*FormatText("%x", -1), "ffffffff");
    EXPECT_EQ(*FormatText("%lx", -1L), "ffffffffffffffff");
    EXPECT_EQ(*FormatText("%hd", 70000), "4464");
    EXPECT_EQ(*FormatText("%08lX", 0x120003UL), "00120003");
    EXPECT_FALSE(FormatText("%d %d", 1).has_value());
    EXPECT_FALSE(FormatText("%ls", "x").has_value());
    EXPECT_EQ(*FormatText("plain"), "plain");
}

// Every line of the delivered message file parses, and every conversion is one the formatter
// accepts.
TEST(MessageFile, EveryLineParsesWithAcceptedConversions) {
    std::ifstream file(std::string(TIDEWARM_RESOURCES_DIR) + "/scl.err");
    ASSERT_TRUE(file);
    std::string line;
    int messages = 0;
    std::set<unsigned long> numbers;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        char* end = nullptr;
        const unsigned long number = std::strtoul(line.c_str(), &end, 0);
        ASSERT_NE(end, line.c_str()) << line;
        EXPECT_TRUE(numbers.insert(number).second) << "duplicate number: " << line;
        EXPECT_EQ(*end, ' ') << line;
        EXPECT_TRUE(FormatConversions(end + 1).has_value()) << line;
        ++messages;
    }
    EXPECT_GT(messages, 0);
}

}  // namespace
