// What the project file's tests share: a fixture that keeps the messages shown, and the file
// written to and read from strings.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "component_fixture.h"
#include "document.h"
#include "message_capture.h"
#include "result_columns.h"

class ProjectFileTest : public test::ComponentTest {
  protected:
    test::MessageCapture messages;
};

inline std::string Written(CTidewarmDoc& doc) {
    std::ostringstream out;
    EXPECT_EQ(doc.WriteProject(out), 0);
    return out.str();
}

inline int ReadText(CTidewarmDoc& doc, const std::string& text) {
    std::istringstream in(text);
    return doc.ReadProject(in);
}

// The hourly file's column switches, one character a column.
inline std::string FlagsOf(CTidewarmDoc& doc) {
    int flags[kHourlyColumnCount];
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    std::string text;
    for (int flag : flags) text += flag ? '1' : '0';
    return text;
}
