#include <gtest/gtest.h>

#include <string>

#include "model_classes.h"
#include "test_support.h"

namespace {

// A table whose record r holds r / 2 and 10 r (with a prefix of its own per file).
void WriteTable(const std::string& name, int records, int prefix) {
    std::string text = "Half,Ten\n";
    for (int r = 1; r <= records; ++r)
        text += std::to_string(prefix + r / 2.0) + "," + std::to_string(prefix + 10 * r) + "\n";
    test::WriteFile(name, text);
}

TEST(DayRecordsReader, ReadsAnyRecordAsFromTheTop) {
    test::ScopedTempDir dir;
    WriteTable("a.txt", 60, 0);
    WriteTable("b.txt", 60, 1000);
    int record = 0;
    MyASCIIFileReader reader;
    reader.SetRecordCounter(&record);
    reader.SetFile("a.txt");
    const auto expect = [&](int r, int prefix) {
        record = r;
        ASSERT_EQ(reader.Compute(), 0) << r;
        EXPECT_DOUBLE_EQ(*reader.DoubleValue(reader.FindColumn("Half")), prefix + r / 2.0) << r;
        EXPECT_EQ(*reader.IntValue(reader.FindColumn("Ten")), prefix + 10 * r) << r;
    };
    // Each day read ahead, then again hour by hour; then records of the day before last, a
    // jump forward, the end of the file.
    for (int day = 0; day < 2; ++day)
        for (int pass = 0; pass < 2; ++pass)
            for (int r = 24 * day + 1; r <= 24 * day + 24; ++r) expect(r, 0);
    for (int r : {25, 26, 3, 3, 60, 59, 12}) expect(r, 0);
    record = 61;
    EXPECT_EQ(reader.Compute(), 4);
    expect(60, 0);

    // Another file: nothing of the first one's places is used.
    for (int r = 1; r <= 24; ++r) expect(r, 0);
    reader.SetFile("b.txt");
    for (int r : {30, 5, 6, 5}) expect(r, 1000);
}

}  // namespace
