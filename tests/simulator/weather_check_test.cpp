// The weather file checked before a run: missing data, a location off the globe and values that
// cannot occur are named with the file, the day and the hour, and no result file is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "document.h"
#include "message_capture.h"
#include "test_support.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

class WeatherCheck : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    // Runs a short summer period on `file` of the given source; the run's result.
    int Run(int source, const std::string& file, int startDay = 172, int numDays = 3) {
        CTidewarmDoc doc;
        doc.WeatherSource = source;
        if (source == kWeatherTMY)
            doc.tmyReader.SetFileName(file.c_str());
        else
            doc.binaryWeatherReader.SetFileName(file.c_str());
        doc.StartDay = startDay;
        doc.NumDays = numDays;
        doc.InitialPoolTemp = 20;
        messages_.shown.clear();
        return doc.RunSimulation("pool.tdw");
    }

    // Expects the run on `file` refused with exactly `message` and no result file.
    void ExpectRefused(int source, const std::string& file, const std::string& message) {
        EXPECT_EQ(Run(source, file), kDomain) << file;
        EXPECT_EQ(messages_.shown, std::vector<std::string>{message}) << file;
        EXPECT_FALSE(fs::exists("pool.mly")) << file;
    }

    // A year of synthetic weather with one hour changed by `change`.
    static synthetic::WeatherYear YearWith(int day, int hour,
                                           std::function<void(synthetic::HourlyWeather&)> change) {
        synthetic::WeatherYear year;
        year.hourly = [=](int d, int h) {
            synthetic::HourlyWeather w = synthetic::SyntheticWeather(d, h);
            if (d == day && h == hour) change(w);
            return w;
        };
        return year;
    }

    test::ScopedTempDir dir_;
    test::MessageCapture messages_;
};

TEST_F(WeatherCheck, ZefirFileMustHoldEveryDayAndALocationOnTheGlobe) {
    synthetic::WeatherYear shortYear;
    shortYear.days = 364;
    ASSERT_TRUE(synthetic::WriteZefirFile("short.zfw", shortYear));
    ExpectRefused(kWeatherBinary, "short.zfw",
                  "Weather file short.zfw is too short: it holds 70742 bytes, a whole year needs "
                  "70936.");

    synthetic::WeatherYear north;
    north.latitude = 95;
    ASSERT_TRUE(synthetic::WriteZefirFile("north.zfw", north));
    ExpectRefused(kWeatherBinary, "north.zfw",
                  "Weather file north.zfw gives a latitude of 95 degrees, outside -90 to 90.");

    synthetic::WeatherYear east;
    east.longitude = -181;  // east of the date line
    ASSERT_TRUE(synthetic::WriteZefirFile("east.zfw", east));
    ExpectRefused(kWeatherBinary, "east.zfw",
                  "Weather file east.zfw gives a longitude of -181 degrees, outside -180 to 180.");
}

TEST_F(WeatherCheck, ImpossibleZefirValuesNamedWithDayAndHour) {
    ASSERT_TRUE(synthetic::WriteZefirFile(
        "wind.zfw", YearWith(173, 13, [](synthetic::HourlyWeather& w) { w.windSpeed = -1.5; })));
    ExpectRefused(kWeatherBinary, "wind.zfw",
                  "Weather file wind.zfw, day 173, hour 13: the wind speed -1.5 m/s is negative.");

    ASSERT_TRUE(synthetic::WriteZefirFile(
        "sun.zfw",
        YearWith(174, 12, [](synthetic::HourlyWeather& w) { w.globalIrradiance = 1500; })));
    ExpectRefused(kWeatherBinary, "sun.zfw",
                  "Weather file sun.zfw, day 174, hour 12: the irradiance 1500 W/m2 lies outside 0 "
                  "to 1322.18 W/m2 (the solar constant on that day).");

    // The humidity ratio of day 172, hour 1, as stored.
    std::string bytes;
    ASSERT_TRUE(synthetic::WriteZefirFile("dry.zfw", synthetic::WeatherYear{}));
    bytes = test::ReadFile("dry.zfw");
    synthetic::WriteInt16(bytes, 126 + 194 * 171 + 2 + 2, -20);
    test::WriteFile("dry.zfw", bytes);
    ExpectRefused(kWeatherBinary, "dry.zfw",
                  "Weather file dry.zfw, day 172, hour 1: the humidity ratio -2e-05 kg/kg is "
                  "negative.");
}

TEST_F(WeatherCheck, TmyFileMustHoldEveryHourOfThePeriod) {
    synthetic::WeatherYear shortYear;
    shortYear.days = 173;
    ASSERT_TRUE(synthetic::WriteKtmyFile("short.tmy", shortYear));
    EXPECT_EQ(Run(kWeatherTMY, "short.tmy"), kDomain);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(
        messages_.shown[0].rfind("Weather file short.tmy cannot be read at day 174, hour 1:\n", 0),
        0u)
        << messages_.shown[0];
    EXPECT_FALSE(fs::exists("pool.mly"));

    ASSERT_TRUE(synthetic::WriteKtmyFile(
        "humid.tmy",
        YearWith(172, 5, [](synthetic::HourlyWeather& w) { w.relativeHumidity = 1.2; })));
    ExpectRefused(kWeatherTMY, "humid.tmy",
                  "Weather file humid.tmy, day 172, hour 5: the relative humidity 120 % lies "
                  "outside 0 to 100 %.");

    ASSERT_TRUE(synthetic::WriteKtmyFile(
        "dark.tmy",
        YearWith(173, 10, [](synthetic::HourlyWeather& w) { w.globalIrradiance = -3; })));
    ExpectRefused(kWeatherTMY, "dark.tmy",
                  "Weather file dark.tmy, day 173, hour 10: the irradiance -3 W/m2 lies outside 0 "
                  "to 1322.33 W/m2 (the solar constant on that day).");
}

TEST_F(WeatherCheck, OnlyThePeriodsDaysCount) {
    // A bad hour outside the period, which runs over the new year, does not stop the run.
    ASSERT_TRUE(synthetic::WriteKtmyFile(
        "wind.tmy", YearWith(100, 3, [](synthetic::HourlyWeather& w) { w.windSpeed = -2; })));
    EXPECT_EQ(Run(kWeatherTMY, "wind.tmy", 364, 4), 0);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(fs::exists("pool.mly"));
    EXPECT_EQ(Run(kWeatherTMY, "wind.tmy", 99, 2), kDomain);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>{
                  "Weather file wind.tmy, day 100, hour 3: the wind speed -1.94444 m/s is "
                  "negative."});
}

}  // namespace
