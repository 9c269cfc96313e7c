// The built program started as the front end starts it: "TidewarmPro -batch" in a home folder
// of the test's own, reading "Tidewarm.tmp" from the data folder and leaving its result files
// there.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "batch_file.h"
#include "file_lock.h"
#include "test_support.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string errors;  // standard error
};

const std::string kBuiltProgram = std::string(TIDEWARM_BIN_DIR) + "/TidewarmPro";

// Starts `program` with `argument` (none when empty) and `moreEnvironment`, and waits for it.
Outcome StartTidewarmPro(const fs::path& home, const std::string& argument,
                         const std::string& lang = "C",
                         const std::vector<std::string>& moreEnvironment = {},
                         std::string program = kBuiltProgram) {
    std::vector<std::string> environment = {"HOME=" + home.string(), "LANG=" + lang,
                                            "PATH=/usr/bin:/bin"};
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            environment.push_back(std::string(name) + "=" + value);
    environment.insert(environment.end(), moreEnvironment.begin(), moreEnvironment.end());
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg = argument;
    std::vector<char*> argv = {program.data()};
    if (!arg.empty()) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const std::string errorFile = (home / "stderr.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Outcome outcome;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return outcome;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    outcome.errors = test::ReadFile(errorFile);
    return outcome;
}

using Row = std::map<std::string, double>;

std::vector<Row> ReadResults(const fs::path& path, std::vector<std::string>* header = nullptr) {
    std::ifstream in(path);
    std::string line;
    std::vector<std::string> names;
    std::getline(in, line);
    std::istringstream head(line);
    for (std::string name; std::getline(head, name, ',');) names.push_back(name);
    if (header) *header = names;
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Row row;
        std::string field;
        for (std::size_t i = 0; i < names.size() && std::getline(fields, field, ','); ++i)
            row[names[i]] = std::stod(field);
        rows.push_back(row);
    }
    return rows;
}

// Values are written with six significant digits.
void ExpectSixDigits(double expected, double actual, double scale, const std::string& what) {
    EXPECT_NEAR(expected, actual, 2e-5 * std::max({std::abs(expected), std::abs(actual), scale}))
        << what;
}

const char* const kEnergies[] = {"QInc",  "QColl",   "QPipes", "QPumps", "QAux",  "QPass",
                                 "QAct",  "QGain",   "QEvap",  "QConv",  "QCond", "QRad",
                                 "QSide", "QMakeup", "QLoss",  "QRes",   "QElec", "QPrimary"};

// A season from late June into July: lines for months 6 and 7, then the season's line (month 0),
// whose energies are the sums of the months and whose pool temperature is their mean by days.
void ExpectMonthlyFileCloses(const fs::path& path, int juneDays, int julyDays) {
    const std::vector<Row> rows = ReadResults(path);
    ASSERT_EQ(rows.size(), 3u) << path;
    EXPECT_EQ(rows[0].at("Month"), 6);
    EXPECT_EQ(rows[1].at("Month"), 7);
    EXPECT_EQ(rows[2].at("Month"), 0);
    for (const Row& r : rows) {
        const double scale = r.at("QLoss");
        ExpectSixDigits(r.at("QPass") + r.at("QAct"), r.at("QGain"), scale, "QGain");
        ExpectSixDigits(r.at("QEvap") + r.at("QConv") + r.at("QCond") + r.at("QRad") +
                            r.at("QSide") + r.at("QMakeup"),
                        r.at("QLoss"), scale, "QLoss");
    }
    for (const char* name : kEnergies)
        ExpectSixDigits(rows[0].at(name) + rows[1].at(name), rows[2].at(name), rows[2].at("QLoss"),
                        name);
    const double days = juneDays + julyDays;
    ExpectSixDigits((rows[0].at("TPool") * juneDays + rows[1].at("TPool") * julyDays) / days,
                    rows[2].at("TPool"), 0, "TPool");
    EXPECT_LE(rows[2].at("SwimDays"), days);
}

class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        data_ = dir_.path() / "Documents" / "Tidewarm";
        fs::create_directories(data_ / "Climate");
        weather_ = (data_ / "Climate" / "Test City.zfw").string();
        ASSERT_TRUE(synthetic::WriteZefirFile(weather_, synthetic::WeatherYear()));
        input_ = test::SampleBatchInput(weather_);
        input_.opensMonth = 6;
        input_.opensDay = 25;
        input_.closesMonth = 7;
        input_.closesDay = 5;
    }
    void Write(const std::string& text) { test::WriteFile(data_ / "Tidewarm.tmp", text); }

    test::ScopedTempDir dir_;
    fs::path data_;
    std::string weather_;
    BatchInput input_;
};

TEST_F(BatchRunTest, EveryPoolTypeRunsAndItsEnergiesClose) {
    for (const PoolType type : kPoolTypes) {
        SCOPED_TRACE(PoolTemplate(type));
        for (const char* name : {"Tidewarm.mly", "Tidewarm.mlx", "Tidewarm.hly"})
            fs::remove(data_ / name);
        BatchInput input = input_;
        input.poolType = type;
        input.referenceRun = PoolTypeNumber(type) % 2 == 0 ? 1 : 0;
        input.collectorSelector = type != PoolType::ResidentialAboveGround ? 4 : 0;
        if (type == PoolType::PublicIndoor) {  // glazed collectors
            input.collector.type = 0;
            input.collector.a = 0.75;
            input.collector.b = 0;
            input.collector.c = 4.5;
            input.collector.d = 0.01;
        }
        input.heater.type = type == PoolType::PublicOutdoor ? 1 : 0;
        input.heater.efficiency = type == PoolType::PublicOutdoor ? 4.5 : 0.8;
        input.blanketSelector = type != PoolType::PublicIndoor ? 3 : 0;
        Write(test::BatchInputText(input));

        const Outcome outcome = StartTidewarmPro(dir_.path(), "-batch");
        EXPECT_EQ(outcome.exitCode, 0) << outcome.errors;
        EXPECT_EQ(outcome.errors, "");
        ExpectMonthlyFileCloses(data_ / "Tidewarm.mly", 6, 5);
        EXPECT_EQ(fs::exists(data_ / "Tidewarm.mlx"), input.referenceRun == 1);
        if (input.referenceRun == 1) {
            ExpectMonthlyFileCloses(data_ / "Tidewarm.mlx", 6, 5);
            const Row season = ReadResults(data_ / "Tidewarm.mlx").back();
            EXPECT_EQ(season.at("QAct"), 0);  // the unheated pool
            EXPECT_EQ(season.at("QAux"), 0);
        }
        std::vector<std::string> header;
        const std::vector<Row> hours = ReadResults(data_ / "Tidewarm.hly", &header);
        EXPECT_EQ(hours.size(), 11u * 24);
        EXPECT_NE(std::find(header.begin(), header.end(), "TPool"), header.end());
        EXPECT_TRUE(fs::exists(data_ / "Tidewarm.tdw"));
    }
    // Batch mode leaves the language of the next interactive start alone.
    EXPECT_FALSE(fs::exists(data_ / "TidewarmPro.cfg"));
}

TEST_F(BatchRunTest, BrokenInputSimulatesNothingAndDeletesTheMonthlyFile) {
    std::vector<std::string> lines;
    std::istringstream in(test::BatchInputText(input_));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    auto join = [](const std::vector<std::string>& some) {
        std::string joined;
        for (const std::string& l : some) joined += l + "\n";
        return joined;
    };
    auto file = [&](int line, const std::string& text) {
        std::vector<std::string> changed = lines;
        changed[line - 1] = text;
        return join(changed);
    };
    struct Case {
        const char* what;
        std::string contents;  // empty: no batch input file
        const char* message;
    };
    const Case cases[] = {
        {"missing", "", "Cannot open file 'Tidewarm.tmp'."},
        {"short", join({lines.begin(), lines.begin() + 30}), "Line 31 is missing"},
        {"unreadable", file(11, "forty"), "Line 11 is missing"},
        {"pool type", file(4, "7"), "Invalid pool type."},
        {"date", file(8, "31") /* 31 June */, "Invalid opening or closing date"},
        {"test area", file(24, "0"), "Line 24 of Tidewarm.tmp: collector test area \"0\""},
        {"pool area", file(11, "0"), "Line 11 of Tidewarm.tmp: pool area \"0\""},
        {"weather", file(6, weather_ + ".old"), "Cannot open weather file"},
        // A glazed collector given an unglazed collector's wind coefficients would not find its
        // temperature without flow: refused before the run, naming the first such coefficient.
        {"wind terms", file(23, "0"),
         "Line 27 of Tidewarm.tmp: glazed collector coefficient B \"0.05\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(data_ / "Tidewarm.tmp");
        if (!c.contents.empty()) Write(c.contents);
        test::WriteFile(data_ / "Tidewarm.mly", "Month\n1\n");  // a previous run's results
        const Outcome outcome = StartTidewarmPro(dir_.path(), "-batch");
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_FALSE(fs::exists(data_ / "Tidewarm.mly"));
        EXPECT_NE(outcome.errors.find(c.message), std::string::npos) << outcome.errors;
    }
}

// A file the run cannot write fails it, with the file and the system's reason named, and leaves
// no result file, of this run or of the one before. (A folder standing where the file goes
// refuses it even to the superuser.)
TEST_F(BatchRunTest, AFileThatCannotBeWrittenFailsTheRunAndLeavesNoResult) {
    Write(test::BatchInputText(input_));
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    const std::pair<const char*, const char*> blocks[] = {{"Tidewarm.tdw", ": Is a directory"},
                                                          {"Tidewarm.hly.part", "File exists"},
                                                          {"Tidewarm.lis", ": Is a directory"}};
    for (const auto& [blocked, reason] : blocks) {
        SCOPED_TRACE(blocked);
        fs::remove(data_ / blocked);
        fs::create_directories(data_ / blocked / "inside");
        const Outcome outcome = StartTidewarmPro(dir_.path(), "-batch");
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_NE(outcome.errors.find(reason), std::string::npos) << outcome.errors;
        for (const char* result : {"Tidewarm.mly", "Tidewarm.mlx", "Tidewarm.hly", "Tidewarm.hlx",
                                   "Tidewarm.mly.part", "Tidewarm.mlx.part", "Tidewarm.hlx.part"})
            EXPECT_FALSE(fs::exists(data_ / result)) << result;
        fs::remove_all(data_ / blocked);
    }
}

// Links planted at the names of the result files' temporaries are replaced, never written
// through: the files they point to stay as they were and the results are files of their own.
TEST_F(BatchRunTest, LinksPlantedAtTheTemporariesAreNotWrittenThrough) {
    Write(test::BatchInputText(input_));
    const fs::path outside = dir_.path() / "outside.txt";
    test::WriteFile(outside, "not the program's\n");
    for (const char* part : {"Tidewarm.mly.part", "Tidewarm.mlx.part", "Tidewarm.hly.part"})
        fs::create_symlink(outside, data_ / part);
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    EXPECT_EQ(test::ReadFile(outside), "not the program's\n");
    for (const char* result : {"Tidewarm.mly", "Tidewarm.mlx"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(data_ / result))) << result;
        EXPECT_EQ(ReadResults(data_ / result).size(), 3u) << result;
    }
}

// A FIFO at the batch input's name is refused at once, not waited on with the folder locked.
TEST_F(BatchRunTest, AFifoAsTheBatchInputIsRefusedAtOnce) {
    Outcome outcome;
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(
        data_ / "Tidewarm.tmp", [&] { outcome = StartTidewarmPro(dir_.path(), "-batch"); }));
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.mly"));
}

// A run that fails leaves no result file at all; a run without the reference pass leaves no
// reference file of an earlier run beside its own results.
TEST_F(BatchRunTest, ResultFilesAreThoseOfThisRunOrNone) {
    Write(test::BatchInputText(input_));
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    ASSERT_TRUE(fs::exists(data_ / "Tidewarm.mlx"));

    BatchInput single = input_;
    single.referenceRun = 0;
    Write(test::BatchInputText(single));
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    EXPECT_TRUE(fs::exists(data_ / "Tidewarm.mly"));
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.mlx"));
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.hlx"));

    // A refused run (glazed collectors given an unglazed collector's wind coefficients) leaves
    // no result file of the run before.
    Write(test::BatchInputText(input_));
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    BatchInput failing = input_;
    failing.collector.type = 0;
    Write(test::BatchInputText(failing));
    EXPECT_NE(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    for (const fs::directory_entry& entry : fs::directory_iterator(data_)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.find(".ml") == std::string::npos && name.find(".hl") == std::string::npos)
            << name;
    }
}

// The dynamic loader's list of the files it loads (LD_DEBUG=files) goes to standard error.
constexpr char kListLoadedFiles[] = "LD_DEBUG=files";

bool Loaded(const Outcome& outcome, const std::string& library) {
    return outcome.errors.find("file=" + library) != std::string::npos;
}

// Without a display (none is given here) the windows cannot open; the data folder is ready
// before they are tried, by the windows module.
TEST_F(BatchRunTest, InteractiveStartWithoutADisplayFailsAfterPreparingTheDataFolder) {
    fs::remove_all(dir_.path() / "Documents");
    const Outcome outcome = StartTidewarmPro(dir_.path(), "", "fr_FR.UTF-8", {kListLoadedFiles});
    EXPECT_EQ(outcome.exitCode, 2);
    // Said in the user's language.
    EXPECT_NE(outcome.errors.find("Les fenêtres de TidewarmPro ont besoin d'un écran"),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(data_ / "Climate"));
    EXPECT_TRUE(fs::exists(data_ / "scl.err"));
    // A build without wx has no windows module.
    const std::string windows = std::string(TIDEWARM_BIN_DIR) + "/TidewarmProGui.so";
    if (fs::exists(windows)) {
        EXPECT_TRUE(Loaded(outcome, windows));
        EXPECT_TRUE(Loaded(outcome, "libwx_gtk3u_core"));
    }
}

// The front end starts a batch run for every simulation: it loads none of the windowing
// libraries, neither as the program file's own nor later.
TEST_F(BatchRunTest, BatchRunLoadsNoWindowingLibrary) {
    Write(test::BatchInputText(input_));
    const Outcome outcome = StartTidewarmPro(dir_.path(), "-batch", "C", {kListLoadedFiles});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(fs::exists(data_ / "Tidewarm.mly"));
    ASSERT_TRUE(Loaded(outcome, "libc.so.6")) << "no list of loaded files";
    for (const char* library : {"TidewarmProGui", "libwx", "libgtk", "libgdk", "libglib",
                                "libpango", "libcairo", "libX11", "libwayland"})
        EXPECT_FALSE(Loaded(outcome, library)) << library;
}

// A start without a display says why in one line and ends, before GTK could try one.
TEST_F(BatchRunTest, InteractiveStartWithoutADisplaySaysSoInOneLine) {
    const Outcome outcome = StartTidewarmPro(dir_.path(), "");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.errors,
              "Error: TidewarmPro's windows need a display, and none is set (DISPLAY): start it "
              "on the desktop, or with -batch to simulate without windows.\n");
}

// A program file without its windows module beside it (a build without wx, or a module that
// was not delivered) says how it can still be used and ends.
TEST_F(BatchRunTest, InteractiveStartWithoutTheWindowsModuleSaysSoAndEnds) {
    const fs::path alone = dir_.path() / "alone";
    fs::create_directories(alone);
    fs::copy_file(kBuiltProgram, alone / "TidewarmPro");
    fs::copy_file(fs::path(TIDEWARM_BIN_DIR) / "scl.err", alone / "scl.err");
    const Outcome outcome =
        StartTidewarmPro(dir_.path(), "", "C", {}, (alone / "TidewarmPro").string());
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.errors.find("start it with -batch"), std::string::npos) << outcome.errors;
    EXPECT_NE(outcome.errors.find((alone / "TidewarmProGui.so").string()), std::string::npos)
        << outcome.errors;
    EXPECT_TRUE(fs::exists(data_ / "scl.err"));
}

}  // namespace

namespace {

// A batch run started while another simulation holds the data folder waits a short while, then
// is refused, and touches none of the files of the run that holds it.
TEST_F(BatchRunTest, ARunStartedWhileAnotherHoldsTheFolderIsRefusedAndTouchesNothing) {
    Write(test::BatchInputText(input_));
    test::WriteFile(data_ / "Tidewarm.mly", "the other run's results\n");
    test::WriteFile(data_ / "Tidewarm.mly.part", "the other run, half-way\n");
    FileLock other;
    ASSERT_EQ(other.Acquire(SimulationLockPath(data_.string()), std::chrono::milliseconds(0)),
              FileLock::Outcome::kHeld);
    const Outcome refused = StartTidewarmPro(dir_.path(), "-batch");
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.errors.find("Another simulation is running in " + data_.string()),
              std::string::npos)
        << refused.errors;
    EXPECT_EQ(test::ReadFile(data_ / "Tidewarm.mly"), "the other run's results\n");
    EXPECT_EQ(test::ReadFile(data_ / "Tidewarm.mly.part"), "the other run, half-way\n");
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.tdw"));

    other.Release();
    fs::remove(data_ / "Tidewarm.mly.part");
    EXPECT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
}

// A failed run leaves neither the text report of the run before it nor any temporary.
TEST_F(BatchRunTest, AFailedRunLeavesNoEarlierReportNorTemporary) {
    Write(test::BatchInputText(input_));
    ASSERT_EQ(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    ASSERT_TRUE(fs::exists(data_ / "Tidewarm.lis"));
    // What a run stopped half-way before this one left.
    for (const char* left : {"Tidewarm.lis.77-0.part", "Tidewarm.tdw.part", "Tidewarm.hlx.part"})
        test::WriteFile(data_ / left, "half");
    input_.weatherFile = (data_ / "Climate" / "missing.zfw").string();
    Write(test::BatchInputText(input_));
    EXPECT_NE(StartTidewarmPro(dir_.path(), "-batch").exitCode, 0);
    for (const auto& entry : fs::directory_iterator(data_)) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(name.ends_with(".part")) << name;
        EXPECT_NE(name, "Tidewarm.lis");
    }
}

}  // namespace
