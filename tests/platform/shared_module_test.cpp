// A module is loaded only when it comes from the program's own build: one of another build, or
// one that says nothing of its build, is refused with the reason before its entry is called.
#include "shared_module.h"

#include <gtest/gtest.h>

#include <string>

#include "build_identity.h"

namespace {

std::string ModulePath(const char* name) {
    return std::string(TIDEWARM_TEST_MODULES_DIR) + "/" + name;
}

TEST(SharedModuleTest, OnlyAModuleOfThisBuildIsLoaded) {
    using Entry = int (*)();
    const auto own = LoadModuleEntry<Entry>(ModulePath("own_build_module.so"), "TestModuleEntry");
    ASSERT_TRUE(std::holds_alternative<Entry>(own)) << std::get<Problem>(own).message;
    EXPECT_EQ(std::get<Entry>(own)(), 42);

    const auto other =
        LoadModuleEntry<Entry>(ModulePath("other_build_module.so"), "TestModuleEntry");
    ASSERT_TRUE(std::holds_alternative<Problem>(other));
    const std::string& refusal = std::get<Problem>(other).message;
    EXPECT_NE(refusal.find("another build (2000-01-01T00:00:00Z 0)"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(BuildIdentity()), std::string::npos) << refusal;

    const auto unnamed =
        LoadModuleEntry<Entry>(ModulePath("unnamed_build_module.so"), "TestModuleEntry");
    ASSERT_TRUE(std::holds_alternative<Problem>(unnamed));
    EXPECT_NE(std::get<Problem>(unnamed).message.find("no build identity"), std::string::npos);
}

}  // namespace
