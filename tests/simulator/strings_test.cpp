#include <gtest/gtest.h>

#include <set>

#include "simulator_strings.h"

TEST(SimulatorStrings, EveryIdOnceWithText) {
    std::set<int> ids;
    for (const StringEntry& entry : SimulatorEnglishStrings()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << "id " << entry.id << " given twice";
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
    }
}
