#include "files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "test_support.h"
#include "weather_files.h"

namespace {

class TextTable : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    // Reads `record` of `file` with a fresh reader set up the way the program sets one up.
    test::ScopedTempDir dir_;
};

std::string Message() {
    return ErrorMessageBuffer();
}

TEST_F(TextTable, WrittenTableReadsBackByColumnName) {
    double values[4] = {0, 0, 0, 0};  // values[0] stands in for the int column
    int month = 0;
    const char* names[] = {"Month", "TPool", "QAux", "Energy"};
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("table.csv", 4, names, nullptr, ','), kOk);
    writer.BindColumns(values);
    writer.BindColumn(0, VariableRef(&month));
    ASSERT_EQ(writer.Check(), kOk);
    const double rows[3][3] = {{26.5, -1250.25, 3.5e9}, {0.000125, 42, -7}, {1e-7, 123456, 0}};
    for (int r = 0; r < 3; ++r) {
        month = r + 1;
        for (int c = 0; c < 3; ++c) values[c + 1] = rows[r][c];
        ASSERT_EQ(writer.Compute(), kOk);
    }
    writer.Close();
    EXPECT_EQ(test::ReadFile("table.csv").substr(0, 25), "Month,TPool,QAux,Energy\n1");

    int record = 0;
    ASCIIFileReader reader(&record, "table.csv");
    ASSERT_EQ(reader.GetStatus(), kOk);
    EXPECT_EQ(reader.FindColumn("tpool"), 0);  // header not read yet
    for (int r = 0; r < 3; ++r) {
        record = r + 1;
        ASSERT_EQ(reader.Compute(), kOk) << Message();
        EXPECT_EQ(*reader.IntValue(reader.FindColumn("MONTH")), r + 1);
        EXPECT_DOUBLE_EQ(*reader.DoubleValue(reader.FindColumn("TPool")), rows[r][0]);
        EXPECT_DOUBLE_EQ(*reader.DoubleValue(reader.FindColumn("qaux")), rows[r][1]);
        EXPECT_DOUBLE_EQ(*reader.DoubleValue(reader.FindColumn("Energy")), rows[r][2]);
    }
    EXPECT_EQ(reader.GetColumnCount(), 4);
    EXPECT_EQ(reader.FindColumn("Missing"), 0);
}

TEST_F(TextTable, WriterPrintsSixSignificantDigitsAndEmptyUnboundFields) {
    double values[2] = {1.0 / 3.0, 1234567.0};
    const char* names[] = {"A", "B", "C"};
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("t.txt", 3, names, nullptr), kOk);  // blank separator
    writer.BindColumn(0, VariableRef(&values[0]));
    writer.BindColumn(2, VariableRef(&values[1]));
    ASSERT_EQ(writer.Compute(), kOk);
    writer.Close();
    EXPECT_EQ(test::ReadFile("t.txt"), "A B C\n0.333333  1.23457e+06\n");
}

// A repeated value is written from the text kept from the record that formatted it, wherever
// that record placed it.
TEST_F(TextTable, WriterRepeatsKeptFieldsWhereverTheyFall) {
    double values[3] = {0, 0, 0};
    const char* names[] = {"A", "B", "C"};
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("r.txt", 3, names, nullptr, ','), kOk);
    writer.BindColumns(values);
    const double rows[4][3] = {{1.5, 2, 3}, {123456.75, 2, 3}, {0.25, 2, 1e-7}, {0.25, 2, 1e-7}};
    for (const auto& row : rows) {
        for (int c = 0; c < 3; ++c) values[c] = row[c];
        ASSERT_EQ(writer.Compute(), kOk);
    }
    // A column bound to another variable between records writes that one, not the kept text.
    int hour = 7;
    writer.BindColumn(1, &hour);
    writer.BindColumn(2, VariableRef());
    ASSERT_EQ(writer.Compute(), kOk);
    writer.Close();
    EXPECT_EQ(test::ReadFile("r.txt"),
              "A,B,C\n1.5,2,3\n123457,2,3\n0.25,2,1e-07\n0.25,2,1e-07\n0.25,7,\n");
}

// The short path of the six-digit format must write what the library writes, at the edges of
// its range, at rounding ties and decade boundaries, and for values spread over its range.
TEST(SixDigitFormat, WritesWhatTheLibraryWrites) {
    auto library = [](double value) {
        char text[32];
        return std::string(
            text,
            std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr);
    };
    auto ours = [](double value) {
        char text[32];
        return std::string(text, FormatSixDigits(text, text + sizeof text, value));
    };
    std::vector<double> values = {0.0,       -0.0,      1e-4,      9.99999e-5, 0.000099999951,
                                  999999.4,  999999.5,  999999.6,  9.999995,   9.9999949999,
                                  0.5,       2.5,       1.0000005, 123456.5,   1234565.0,
                                  100000.25, 0.1,       0.3,       1e5,        std::nan(""),
                                  HUGE_VAL,  -HUGE_VAL, 1e300,     -1e-300,    4.94e-324};
    for (int decade = -20; decade <= 30; ++decade)
        for (double offset : {-1e-12, 0.0, 1e-12}) {
            const double power = std::pow(10.0, decade);
            values.push_back(power * (1 + offset));
            values.push_back(-power * (1 - 5e-7 + offset));
        }
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> decade(-20, 30);
    std::uniform_real_distribution<double> mantissa(1, 10);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, decade(random));
        const double digits = mantissa(random) * 1e5;
        values.push_back((i % 2 ? 1e-5 : -1e-5) * digits * scale);
        // Six-digit ties and their neighbours in the last bits.
        const double tie = (std::floor(digits) + 0.5) * 1e-5 * scale;
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(std::nextafter(tie, HUGE_VAL));
    }
    int differences = 0;
    for (double value : values)
        if (ours(value) != library(value) && ++differences <= 5)
            ADD_FAILURE() << library(value) << " written as " << ours(value);
    EXPECT_EQ(differences, 0);
}

TEST_F(TextTable, WriterFlagsSelectColumns) {
    double values[3] = {1, 2, 3};
    const char* names[] = {"A", "B", "C"};
    int flags[3] = {1, 0, 1};
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("f.txt", 3, names, flags, ';'), kOk);
    writer.BindColumns(values);
    ASSERT_EQ(writer.Compute(), kOk);
    int read[3] = {-1, -1, -1};
    EXPECT_EQ(writer.GetColumnFlags(read, 0, 2), kOk);
    EXPECT_EQ(read[1], 0);
    const int none[3] = {0, 0, 0};
    EXPECT_EQ(writer.SetColumnFlags(none, 0, 2), kOk);
    ASSERT_EQ(writer.Compute(), kOk);
    writer.Close();
    EXPECT_EQ(test::ReadFile("f.txt"), "A;C\n1;3\n\n");

    // Without names there is no header line; without flags every column is written.
    ASCIIFileWriter plain;
    ASSERT_EQ(plain.DefineColumns("p.txt", 3, nullptr, nullptr, ','), kOk);
    plain.BindColumns(values);
    ASSERT_EQ(plain.Compute(), kOk);
    int all[3] = {0, 0, 0};
    EXPECT_EQ(plain.GetColumnFlags(all, 0, 2), kOk);
    EXPECT_EQ(all[0] + all[1] + all[2], 3);
    EXPECT_EQ(plain.SetColumnFlags(none, 0, 0), kFatal);  // no flags to set
    EXPECT_EQ(Message(), "Columns 0 to 0: beyond the 3 columns, or no column flags to set");
    plain.Close();
    EXPECT_EQ(test::ReadFile("p.txt"), "1,2,3\n");
}

TEST_F(TextTable, WriterFailures) {
    ASCIIFileWriter writer;
    EXPECT_EQ(writer.Check(), kFatal);
    EXPECT_EQ(writer.SetFileName("x.txt"), kFatal);  // a name but no columns
    EXPECT_EQ(Message(), "No columns defined");
    EXPECT_EQ(writer.DefineColumns("x.txt", 0, nullptr, nullptr), kFatal);
    EXPECT_EQ(Message(), "Column count 0 is not above 0");
    ASSERT_EQ(writer.DefineColumns("x.txt", 2, nullptr, nullptr), kOk);
    int flags[3];
    EXPECT_EQ(writer.GetColumnFlags(flags, 0, 2), kFatal);
    EXPECT_EQ(Message(), "Columns 0 to 2: beyond the 2 columns, or no column flags to set");

    ASSERT_EQ(writer.DefineColumns("no-such-folder/x.txt", 2, nullptr, nullptr), kOk);
    EXPECT_EQ(writer.Compute(), kOpenFailed);
    EXPECT_EQ(Message(),
              "No file name, or the file \"no-such-folder/x.txt\" cannot be opened for writing");
    EXPECT_EQ(writer.GetStatus(), kNotReady);
}

TEST_F(TextTable, LostWritesAreReportedWhenClosing) {
    double value = 1;
    const char* names[] = {"Value"};
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("full.txt", 1, names, nullptr), kOk);
    writer.BindColumns(&value);
    const test::ScopedFileSizeLimit diskFull(4);
    const int result = writer.Compute();  // buffered: the disk may refuse only at the end
    EXPECT_TRUE(result == kOk || result == kDomain);
    EXPECT_EQ(writer.Close(), 1);
}

// A writer creates its file new: a link planted at its name is never written through.
TEST_F(TextTable, WriterNeverWritesThroughALinkAtItsName) {
    test::WriteFile("outside.txt", "kept\n");
    std::filesystem::create_symlink("outside.txt", "planted.txt");
    double value = 1;
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("planted.txt", 1, nullptr, nullptr), kOk);
    writer.BindColumns(&value);
    EXPECT_EQ(writer.Compute(), kOpenFailed);
    EXPECT_EQ(writer.SystemError(), EEXIST);
    EXPECT_EQ(test::ReadFile("outside.txt"), "kept\n");
}

TEST_F(TextTable, EmptyFieldsAndSeparatorRuns) {
    test::WriteFile("a.txt", "A,B,C\n1,,3\n");
    int record = 1;
    ASCIIFileReader reader(&record, "a.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(1), 1);
    EXPECT_EQ(*reader.DoubleValue(2), 0);
    EXPECT_EQ(*reader.DoubleValue(3), 3);
    EXPECT_STREQ(reader.TextValue(2), "");
    EXPECT_STREQ(reader.TextValue(3), "3");

    // Comma then blank: two separators, so an empty name between A and B.
    test::WriteFile("b.txt", "A, B\n7, 8\n");
    ASCIIFileReader spaced(&record, "b.txt");
    ASSERT_EQ(spaced.Compute(), kOk);
    ASSERT_EQ(spaced.GetColumnCount(), 3);
    EXPECT_STREQ(spaced.GetColumnName(1), "A");
    EXPECT_STREQ(spaced.GetColumnName(2), "");
    EXPECT_EQ(spaced.FindColumn("B"), 3);
    EXPECT_EQ(*spaced.DoubleValue(3), 8);
}

TEST_F(TextTable, LeadingZerosReadAsDecimal) {
    test::WriteFile("z.txt", "A\tB\tC\n010\t 08\t-0x1\n");
    int record = 1;
    ASCIIFileReader reader(&record, "z.txt", 0, 1023, "\t");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(1), 10);
    EXPECT_EQ(*reader.IntValue(1), 10);  // never octal
    EXPECT_EQ(*reader.IntValue(2), 8);
    EXPECT_EQ(*reader.DoubleValue(2), 8);
    EXPECT_EQ(*reader.IntValue(3), 0);  // decimal digits only: "-0" then stop
}

TEST_F(TextTable, NumbersBeyondTheDoubleRangeReadAsTheCReaderGivesThem) {
    test::WriteFile("r.txt", "A,B,C,D,E\n1e400,-1e400,1e-400,-1e-400,1e99999\n");
    int record = 1;
    ASCIIFileReader reader(&record, "r.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(1), HUGE_VAL);
    EXPECT_EQ(*reader.DoubleValue(2), -HUGE_VAL);
    EXPECT_EQ(*reader.DoubleValue(3), 0);
    EXPECT_FALSE(std::signbit(*reader.DoubleValue(3)));
    EXPECT_EQ(*reader.DoubleValue(4), 0);
    EXPECT_TRUE(std::signbit(*reader.DoubleValue(4)));
    EXPECT_EQ(*reader.DoubleValue(5), HUGE_VAL);
}

TEST_F(TextTable, HexadecimalRealsReadAsTheCReaderGivesThem) {
    test::WriteFile("h.txt", "A,B,C,D,E,F\n0x10,-0x1p-1,0x,0X1.8P1,0x-f9,-0x+1\n");
    int record = 1;
    ASCIIFileReader reader(&record, "h.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(1), 16);
    EXPECT_EQ(*reader.DoubleValue(2), -0.5);
    EXPECT_EQ(*reader.DoubleValue(3), 0);  // no digit after the prefix: the leading 0
    EXPECT_EQ(*reader.DoubleValue(4), 3);
    // No sign after the prefix: again only the leading 0 reads.
    EXPECT_EQ(*reader.DoubleValue(5), 0);
    EXPECT_EQ(*reader.DoubleValue(6), 0);
}

TEST_F(TextTable, ShortRecordsFailEveryTimeAndExtraFieldsAreIgnored) {
    test::WriteFile("s.txt", "A,B,C\n1,2,3,4\n5,6\n7,8,9\n");
    int record = 1;
    ASCIIFileReader reader(&record, "s.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(3), 3);
    record = 2;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Too few fields in record 2 (4 - 1 expected, 2 found)");
    // Asking again must not pass the damaged record off as read.
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(*reader.DoubleValue(1), 5);
    record = 3;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(2), 8);
    EXPECT_EQ(reader.GetStatus(), kOk);
}

TEST_F(TextTable, ForwardSkipAndRewind) {
    std::string text = "N,Square\n";
    for (int i = 1; i <= 9; ++i) {
        text += std::to_string(i);
        text += ',';
        text += std::to_string(i * i);
        text += '\n';
    }
    test::WriteFile("r.txt", text);
    int record = 7;
    ASCIIFileReader reader(&record, "r.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.IntValue(2), 49);
    EXPECT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.IntValue(2), 49);
    record = 5;  // earlier: rewinds
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.IntValue(1), 5);
    EXPECT_EQ(*reader.IntValue(2), 25);
    record = 9;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.IntValue(2), 81);
    record = 10;  // past the end
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "End of file, or a line too long, at or before record 10");
    EXPECT_EQ(reader.Compute(), kDomain);
    record = 0;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Record number 0 is below 1");
    record = 2;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.IntValue(2), 4);
}

TEST_F(TextTable, CrlfAndMissingLastLineEnd) {
    test::WriteFile("crlf.txt", "A,B\r\n1,2\r\n3,4");
    int record = 2;
    ASCIIFileReader reader(&record, "crlf.txt");
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    EXPECT_STREQ(reader.GetColumnName(2), "B");
    EXPECT_EQ(*reader.DoubleValue(2), 4);
    EXPECT_STREQ(reader.TextValue(2), "4");
    record = 1;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_STREQ(reader.TextValue(2), "2");  // no CR left in the last field
    EXPECT_EQ(*reader.IntValue(2), 2);
}

TEST_F(TextTable, LineLengthLimit) {
    // At maximum line length 20 a line holds at most 17 characters before its line end.
    const std::string ok17 = "A,B," + std::string(13, 'C');
    test::WriteFile("l.txt", ok17 + "\n1,2,3\n1,2," + std::string(15, '3') + "\n7,8,9\n");
    int record = 1;
    ASCIIFileReader reader(&record, "l.txt", 0, 20);
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    record = 2;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "End of file, or a line too long, at or before record 2");
    record = 3;  // records after an over-long line cannot be reached
    EXPECT_EQ(reader.Compute(), kDomain);
    record = 1;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(*reader.DoubleValue(3), 3);

    test::WriteFile("h.txt", ok17 + "D\n1,2,3,4\n");
    ASCIIFileReader longHeader(&record, "h.txt", 0, 20);
    EXPECT_EQ(longHeader.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "The header line is missing or too long");
    EXPECT_EQ(longHeader.GetStatus(), kNotReady);
    EXPECT_FALSE(longHeader.IsOpen());  // a failed header read closes the file
}

TEST_F(TextTable, CaseSensitiveNames) {
    test::WriteFile("c.txt", "Tamb TAMB\n1 2\n");
    int record = 1;
    ASCIIFileReader reader(&record, "c.txt", 1, 1023, " ");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.FindColumn("TAMB"), 2);
    EXPECT_EQ(reader.FindColumn("tamb"), 0);
    reader.SetFile("c.txt", 0, 1023, " ");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.FindColumn("TAMB"), 1);
}

TEST_F(TextTable, ReaderFailures) {
    ASCIIFileReader reader;
    EXPECT_EQ(reader.Check(), kFatal);
    EXPECT_EQ(Message(), "No record number input");
    int record = 1;
    EXPECT_EQ(reader.SetRecordCounter(&record), kFatal);
    EXPECT_EQ(Message(), "No file name given");
    ASSERT_EQ(reader.SetFile("missing.txt"), kOk);
    EXPECT_EQ(reader.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot open the file \"missing.txt\" for reading");
    EXPECT_EQ(reader.Compute(), kFatal);  // refuses to step until checked again

    test::WriteFile("empty.txt", "");
    ASSERT_EQ(reader.SetFile("empty.txt"), kOk);
    EXPECT_EQ(reader.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "The header line is missing or too long");
}

TEST_F(TextTable, HeaderThatDisappearsAfterARewindIsADomainError) {
    std::string text = "A\n";
    for (int i = 1; i <= 5000; ++i) text += std::to_string(i) + "\n";  // beyond any read buffer
    test::WriteFile("g.txt", text);
    int record = 5000;
    ASCIIFileReader reader(&record, "g.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    test::WriteFile("g.txt", "");  // truncated under the open reader
    record = 1;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "The header line is missing or too long");
    EXPECT_EQ(reader.GetStatus(), kOk);
    EXPECT_FALSE(reader.IsOpen());
}

TEST_F(TextTable, RewindingKeepsTheColumnsReadWhenOpened) {
    std::string table = "A,B\n";
    for (int i = 1; i <= 5000; ++i) table += "1," + std::to_string(i) + "\n";  // beyond any buffer
    test::WriteFile("w.txt", table);
    int record = 5000;
    ASCIIFileReader reader(&record, "w.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    const double* b = reader.DoubleValue(2);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(*b, 5000);

    // The file gains columns under the open reader: going back reads the header line again but
    // keeps the columns, so the values other components hold stay where they are.
    std::string text = "A,B";
    for (int i = 0; i < 100; ++i) text += ",X" + std::to_string(i);
    text += "\n5,6";
    for (int i = 0; i < 100; ++i) text += ",7";
    test::WriteFile("w.txt", text + "\n");
    record = 1;
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    EXPECT_EQ(reader.GetColumnCount(), 2);
    EXPECT_EQ(reader.DoubleValue(2), b);
    EXPECT_EQ(*b, 6);
    EXPECT_STREQ(reader.GetColumnName(2), "B");
}

TEST_F(TextTable, WeatherTableRoundTrip) {
    synthetic::WeatherYear year;
    ASSERT_TRUE(synthetic::WriteWeatherTable("w.txt", year, '\t'));
    int record = 1;
    ASCIIFileReader reader(&record, "w.txt");
    ASSERT_EQ(reader.Compute(), kOk);
    const int tamb = reader.FindColumn("TAmb");
    const int hglo = reader.FindColumn("HGlo");
    const int rh = reader.FindColumn("RelHum");
    const int wind = reader.FindColumn("VWind");
    const int day = reader.FindColumn("Day");
    for (record = 1; record <= 8760; ++record) {
        ASSERT_EQ(reader.Compute(), kOk);
        const int d = (record - 1) / 24 + 1;
        const int h = (record - 1) % 24 + 1;
        const synthetic::HourlyWeather w = year.hourly(d, h);
        ASSERT_EQ(*reader.IntValue(day), d);
        ASSERT_NEAR(*reader.DoubleValue(tamb), w.airTemperature, 1e-8);
        ASSERT_NEAR(*reader.DoubleValue(hglo), w.globalIrradiance, 1e-7);
        ASSERT_NEAR(*reader.DoubleValue(rh), w.relativeHumidity, 1e-9);
        ASSERT_NEAR(*reader.DoubleValue(wind), w.windSpeed, 1e-9);
    }
}

TEST(FileName, ParameterLineRoundTripAndLimits) {
    test::ScopedTempDir dir;
    test::InstallMessageFile();
    ASCIIFileWriter writer;
    ASSERT_EQ(writer.DefineColumns("results/file name.mly", 1, nullptr, nullptr), kOk);
    std::stringstream stream;
    ASSERT_EQ(writer.WriteParameters(stream), 0);
    EXPECT_EQ(stream.str(), "results/file name.mly\n");
    ASCIIFileWriter other;
    other.DefineColumns("old", 1, nullptr, nullptr);
    EXPECT_EQ(other.ReadParameters(stream, 0), 0);
    EXPECT_STREQ(other.GetFileName(), "results/file name.mly");

    std::stringstream crlf("weather.zfw\r\n");
    EXPECT_EQ(other.ReadParameters(crlf, 0), 0);
    EXPECT_STREQ(other.GetFileName(), "weather.zfw");

    std::stringstream tooLong(std::string(4096, 'x') + "\n");
    EXPECT_EQ(other.ReadParameters(tooLong, 0), 1);

    // A name that would not read back is refused where it is set.
    EXPECT_EQ(other.SetFileName(std::string(4096, 'y').c_str()), kFatal);
    EXPECT_EQ(Message(),
              "The file name is too long (4096 characters, at most 4095) or holds a "
              "line end");
    EXPECT_EQ(other.GetFileName(), nullptr);
    EXPECT_EQ(other.SetFileName("two\nlines"), kFatal);
    const std::string longest(4095, 'z');
    EXPECT_EQ(other.SetFileName(longest.c_str()), kOk);
    std::stringstream saved;
    other.WriteParameters(saved);
    ASCIIFileWriter back;
    back.DefineColumns("", 1, nullptr, nullptr);
    EXPECT_EQ(back.ReadParameters(saved, 0), 0);
    EXPECT_EQ(std::string(back.GetFileName()), longest);
}

}  // namespace
