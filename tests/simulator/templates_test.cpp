#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_input.h"
#include "document.h"
#include "project_checks.h"
#include "result_columns.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// The committed templates are what the template tool writes now, and read back whole.
TEST(Templates, CommittedFilesAreWhatTheToolWritesAndReadBack) {
    test::ScopedTempDir dir;
    const std::string tool = std::string(TIDEWARM_BIN_DIR) + "/../tools/make_templates";
    ASSERT_EQ(std::system((tool + " " + dir.path().string()).c_str()), 0);
    for (const PoolType type : kPoolTypes) {
        const std::string name(PoolTemplate(type));
        const std::string committed = test::ReadFile(fs::path(TIDEWARM_RESOURCES_DIR) / name);
        EXPECT_EQ(test::ReadFile(dir.path() / name), committed) << name;

        CTidewarmDoc doc;
        std::istringstream in(committed);
        ASSERT_EQ(doc.ReadProject(in, {name, RefusedProjectValue}), 0) << name;
        std::ostringstream again;
        EXPECT_EQ(doc.WriteProject(again), 0);
        EXPECT_EQ(again.str(), committed) << name;

        // What the front end needs of every batch run.
        EXPECT_EQ(doc.HourlyOutput, 1) << name;
        int flags[kHourlyColumnCount];
        doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
        EXPECT_EQ(flags[kHourlyTPool], 1) << name;
        EXPECT_EQ(doc.SwimmableCriterion, 1) << name;
        EXPECT_EQ(doc.IndoorPool, type == PoolType::PublicIndoor ? 1 : 0) << name;
        // The blanket goes on only when nobody swims, so it never meets activity.
        EXPECT_EQ(doc.BlanketAlways, 1) << name;
        EXPECT_EQ(doc.UseWeekends, 1) << name;
    }
}

}  // namespace
