#include "weather_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "frontend_test_support.h"
#include "test_support.h"
#include "weather_refusal_text.h"

namespace fs = std::filesystem;

namespace {

const std::string kWeather = TIDEWARM_RESOURCES_DIR "/weather/";

// A refusal's sentence names the file, the line and the reason in the language in force.
TEST(WeatherRefusalText, NamesTheFileTheLineAndTheReasonInEitherLanguage) {
    test::FrontEndMessages messages;
    WeatherRefusal gap;
    gap.kind = WeatherRefusalKind::kGap;
    gap.file = "Madrid.epw";
    gap.line = 1009;
    gap.field = "dry-bulb temperature (field 7)";
    gap.time = {2, 11, 17};
    gap.count = 7;
    EXPECT_EQ(WeatherRefusalText(gap),
              "File Madrid.epw, line 1009: dry-bulb temperature (field 7) is missing for 7 hours "
              "from 11 February, hour 17; gaps of up to 6 hours are filled in.");
    WeatherRefusal exists;
    exists.kind = WeatherRefusalKind::kDestinationExists;
    exists.file = "Climate/Madrid.zfw";
    ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
    EXPECT_EQ(WeatherRefusalText(gap),
              "Fichier Madrid.epw, ligne 1009 : dry-bulb temperature (field 7) manque pendant 7 "
              "heures à partir du 11 février, heure 17 ; les lacunes de 6 heures au plus sont "
              "comblées.");
    EXPECT_EQ(WeatherRefusalText(exists), "Le fichier Climate/Madrid.zfw existe déjà.");
    DropFrenchStrings();
}

// The command imports what it can, says why it refused the rest, and exits 0 only when all was
// done; it shows a city it wrote.
TEST(WeatherCommand, ImportsShowsAndExitsNonZeroOnAnyRefusal) {
    test::FrontEndMessages messages;
    test::ScopedTempDir folder;
    test::WriteFile("broken.epw", "LOCATION,Nowhere,,,,,,,0,0\n");
    std::ostringstream out, err;
    EXPECT_EQ(
        RunWeatherCommand({"import", kWeather + "12839.tm2", "broken.epw"}, "Climate", out, err),
        1);
    EXPECT_NE(out.str().find("\"MIAMI FL\" written to Climate/MIAMI FL.zfw"), std::string::npos);
    EXPECT_EQ(err.str(), "File broken.epw, line 1: the header gives no latitude and longitude.\n");

    out.str("");
    EXPECT_EQ(RunWeatherCommand({"show", "Climate/MIAMI FL.zfw"}, "Climate", out, err), 0);
    EXPECT_NE(out.str().find("Station: MIAMI FL\n"), std::string::npos);
    EXPECT_NE(out.str().find("meridian 75 degrees west"), std::string::npos);

    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{},
                                               {"import"},
                                               {"import", "--into"},
                                               {"convert", "x"},
                                               {"import", "a.epw", "b.epw", "--name", "Town"}})
        EXPECT_EQ(RunWeatherCommand(wrong, "Climate", out, err), 2);
    EXPECT_EQ(RunWeatherCommand({"--help"}, "Climate", out, err), 0);
}

}  // namespace
