#include "program_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scoped_environment.h"
#include "string_table.h"
#include "test_support.h"
#include "user_interface.h"

namespace fs = std::filesystem;

namespace {

const StringEntry kEnglish[] = {{130, "Could not write configuration file"}};

// Keeps every message shown instead of writing it anywhere.
class RecordingSink : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind kind) override {
        texts.emplace_back(text);
        kinds.push_back(kind);
    }
    std::vector<std::string> texts;
    std::vector<MessageKind> kinds;
};

int EntriesIn(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
}

// A data folder as current directory, an English or French locale, and recorded messages.
class ConfigFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEnglishStrings(kEnglish);
        previous = SetMessageSink(&messages);
        UseLocale("en_US.UTF-8");
        // Two settings that disagree, so that a read that leaves either alone is seen.
        app::Language = Language::French;
        app::PendingLanguage = Language::English;
    }
    void TearDown() override {
        SetMessageSink(previous);
        SetEnglishStrings({});
        app::Language = app::PendingLanguage = Language::English;
    }
    void UseLocale(const std::string& lang) {
        env.Unset("LC_ALL");
        env.Unset("LC_MESSAGES");
        env.Set("LANG", lang);
    }
    void WriteConfigText(const std::string& text) {
        test::WriteFile(data / "TidewarmPro.cfg", text);
    }
    // Reads the configuration and gives the language; both settings must agree.
    Language Read() {
        ReadConfig(data.string());
        EXPECT_EQ(app::Language, app::PendingLanguage);
        return app::Language;
    }

    test::ScopedTempDir dir;
    test::ScopedEnvironment env;
    fs::path data = dir.path();
    RecordingSink messages;
    MessageSink* previous = nullptr;
};

TEST_F(ConfigFileTest, WritesTheTwoLinesAndReadsThemBack) {
    UseLocale("en_GB.UTF-8");
    app::Language = Language::English;
    app::PendingLanguage = Language::French;
    ASSERT_TRUE(WriteConfig(data.string()));
    EXPECT_EQ(test::ReadFile(data / "TidewarmPro.cfg"), "TIDEWARMPRO 3.0\nFra\n");
    EXPECT_EQ(Read(), Language::French);

    UseLocale("fr_FR.UTF-8");
    app::PendingLanguage = Language::English;
    ASSERT_TRUE(WriteConfig(data.string()));
    EXPECT_EQ(test::ReadFile(data / "TidewarmPro.cfg"), "TIDEWARMPRO 3.0\nEng\n");
    EXPECT_EQ(Read(), Language::English);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConfigFileTest, WritingReplacesALongerFileWhole) {
    WriteConfigText("TIDEWARMPRO 3.0 and a long comment\nEng and more\nthird line\n");
    app::PendingLanguage = Language::French;
    ASSERT_TRUE(WriteConfig(data.string()));
    EXPECT_EQ(test::ReadFile(data / "TidewarmPro.cfg"), "TIDEWARMPRO 3.0\nFra\n");
    // Nothing but the configuration file is left in the folder.
    EXPECT_EQ(EntriesIn(data), 1);
}

// The language a start gets from the user's locale and the configuration file.
TEST_F(ConfigFileTest, LanguageFromLocaleAndFile) {
    struct Case {
        const char* locale;
        const char* file;  // null: no configuration file
        Language language;
    };
    const Case cases[] = {
        {"fr_CA.UTF-8", nullptr, Language::French},
        {"de_DE.UTF-8", nullptr, Language::English},
        // "Eng", or any word but "Fra", overrides a French locale.
        {"fr_BE.UTF-8", "TIDEWARMPRO 3.0\nEng\n", Language::English},
        {"fr_BE.UTF-8", "TIDEWARMPRO 2.7 older version\nDeutsch\n", Language::English},
        {"en_US.UTF-8", "TIDEWARMPRO 3.0\nFra\n", Language::French},
        // A foreign first word: the file is ignored.
        {"en_US.UTF-8", "TIDEWARM 3.0\nFra\n", Language::English},
        {"fr_FR", "tidewarmpro 3.0\nEng\n", Language::French},
        {"fr_FR", "TIDEWARMPRO3.0\nEng\n", Language::French},
        // Line ends and blanks around the words do not matter.
        {"en_US.UTF-8", "  TIDEWARMPRO 3.0\r\n  Fra  \r\n", Language::French},
        // No language line: the locale holds.
        {"fr_FR.UTF-8", "TIDEWARMPRO 3.0\n", Language::French},
        {"fr_FR.UTF-8", "", Language::French},
    };
    for (const Case& c : cases) {
        UseLocale(c.locale);
        std::error_code ignored;
        fs::remove(data / "TidewarmPro.cfg", ignored);
        if (c.file) WriteConfigText(c.file);
        EXPECT_EQ(Read(), c.language) << c.locale << " / " << (c.file ? c.file : "(no file)");
    }
}

// A FIFO would hold the start in open() until some program wrote to it: it reads as no file.
TEST_F(ConfigFileTest, AConfigurationThatIsNoFileIsNotWaitedOn) {
    UseLocale("fr_FR.UTF-8");
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(data / "TidewarmPro.cfg", [&] { Read(); }));
    EXPECT_EQ(app::Language, Language::French);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConfigFileTest, WriteFailureShowsMessage130AndLeavesNothingBehind) {
    app::PendingLanguage = Language::French;
    EXPECT_FALSE(WriteConfig((data / "missing").string()));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Could not write configuration file");
    EXPECT_EQ(messages.kinds[0], MessageKind::Error);

    // A folder in the way of the file: the new file cannot replace it, nothing is left over.
    fs::create_directory(data / "TidewarmPro.cfg");
    EXPECT_FALSE(WriteConfig(data.string()));
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_TRUE(fs::is_directory(data / "TidewarmPro.cfg"));
    EXPECT_EQ(EntriesIn(data), 1);
}

}  // namespace
