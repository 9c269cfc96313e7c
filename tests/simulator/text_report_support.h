// What the text report's tests share: monthly result files written by hand, the report read
// back as lines, and a fixture that brings the program back to English.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "document.h"
#include "message_capture.h"
#include "program_language.h"
#include "test_support.h"

// Monthly result lines in the column order of the result files: for row k, energy column c
// holds c k 1e8 J, TPool 20 + k, the pump 10 k hours, the heater k / 2 hours, QElec 1.8 k GJ,
// QPrimary 1.9 k GJ, 5 k swimmable and 6 k usable days.
inline std::string MonthlyLine(int month, int k, int usableDays) {
    std::ostringstream line;
    line << month;
    for (int c = 1; c < 24; ++c) {
        line << ',';
        if (c == 17)
            line << 20 + k;
        else if (c == 20)
            line << 36000 * k;
        else if (c == 21)
            line << 1800 * k;
        else if (c == 22)
            line << 5 * k;
        else if (c == 23)
            line << usableDays;
        else
            line << c * k << "e8";
    }
    return line.str() + "\n";
}

inline const char* const kHeader =
    "Month,QInc,QColl,QPipes,QPumps,QAux,QPass,QAct,QGain,QEvap,QConv,QCond,QRad,QSide,QMakeup,"
    "QLoss,QRes,TPool,QElec,QPrimary,CollOnTime,AuxHeatOnTime,SwimDays,UsableDays\n";

// November, December, January and the annual line.
inline void WriteResults(const std::string& base, bool reference) {
    std::string monthly = kHeader, other = kHeader;
    const int months[] = {11, 12, 1, 0};
    for (int k = 1; k <= 4; ++k) {
        monthly += MonthlyLine(months[k - 1], k, 6 * k);
        other += MonthlyLine(months[k - 1], k, 2 * k);
    }
    test::WriteFile(base + ".mly", monthly);
    if (reference) test::WriteFile(base + ".mlx", other);
}

inline std::vector<std::string> ReportLines(const std::string& path) {
    return test::Lines(test::ReadFile(path));
}

class TextReport : public ::testing::Test {
  protected:
    void TearDown() override {
        app::Language = Language::English;
        DropFrenchStrings();
    }
    test::ScopedTempDir dir;
    test::MessageCapture messages;
};
