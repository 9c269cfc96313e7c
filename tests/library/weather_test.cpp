#include "weather.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "psychrometrics.h"
#include "test_support.h"
#include "weather_files.h"

namespace {

std::string Message() {
    return ErrorMessageBuffer();
}

// Splits a text into lines (line ends kept) and joins them again.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}
std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}
// Index of line `line` (1..4) of `day` in a TMY file (index 0 is the header).
std::size_t TmyLine(int day, int line) {
    return 4 * (day - 1) + line;
}

class Weather : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }
    test::ScopedTempDir dir_;
    int day_ = 1;
    int hour_ = 1;
};

// ---------------------------------------------------------------------------------------------
// TMY text file

TEST_F(Weather, TmyYearReadsBackEveryHour) {
    synthetic::WeatherYear year;
    year.groundReflectance = [](int day) { return day < 60 || day > 330 ? 0.7 : 0.2; };
    ASSERT_TRUE(synthetic::WriteKtmyFile("year.tmy", year));
    KTMYFileReader reader(&day_, &hour_, "year.tmy");
    ASSERT_EQ(reader.GetStatus(), kOk);
    for (day_ = 1; day_ <= 365; ++day_) {
        for (hour_ = 1; hour_ <= 24; ++hour_) {
            ASSERT_EQ(reader.Compute(), kOk) << Message();
            const synthetic::HourlyWeather w = year.hourly(day_, hour_);
            // The file holds whole degrees, W/m2, km/h and percent.
            ASSERT_NEAR(reader.airTemperature, w.airTemperature, 0.5);
            ASSERT_NEAR(reader.globalIrradiance, w.globalIrradiance, 0.5);
            ASSERT_NEAR(reader.windSpeed, w.windSpeed, 0.5 / 3.6 + 1e-12);
            ASSERT_NEAR(reader.relativeHumidity, w.relativeHumidity, 0.005 + 1e-12);
            ASSERT_DOUBLE_EQ(reader.groundReflectance, year.groundReflectance(day_));
        }
    }
    EXPECT_EQ(reader.GetStationName(), "TEST STATION    ");
    EXPECT_DOUBLE_EQ(reader.GetLatitude(), 45.5);
}

TEST_F(Weather, TmyUnitsAndHeader) {
    synthetic::WeatherYear year;
    year.days = 2;
    year.stationName = "SOUTH POINT 16ch";
    year.latitude = -33.95;
    year.hourly = [](int day, int hour) {
        return synthetic::HourlyWeather{double(hour - 5 * day), double(40 * hour), 0.55, 10.0};
    };
    ASSERT_TRUE(synthetic::WriteKtmyFile("units.tmy", year));
    KTMYFileReader reader(&day_, &hour_, "units.tmy");
    day_ = 2;
    hour_ = 3;
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    EXPECT_EQ(reader.airTemperature, -7);
    EXPECT_EQ(reader.globalIrradiance, 120);
    EXPECT_DOUBLE_EQ(reader.windSpeed, 10.0);  // 36 km/h
    EXPECT_DOUBLE_EQ(reader.relativeHumidity, 0.55);
    EXPECT_EQ(reader.GetStationName(), "SOUTH POINT 16ch");
    EXPECT_DOUBLE_EQ(reader.GetLatitude(), -33.95);

    // The header keeps 16 characters; longer names or leading blanks would not read back.
    year.stationName = "SEVENTEEN CHARS..";
    EXPECT_FALSE(synthetic::WriteKtmyFile("bad.tmy", year));
    year.stationName = " LEADING";
    EXPECT_FALSE(synthetic::WriteKtmyFile("bad.tmy", year));
}

TEST_F(Weather, TmySkipsForwardAndRewinds) {
    synthetic::WeatherYear year;
    ASSERT_TRUE(synthetic::WriteKtmyFile("y.tmy", year));
    KTMYFileReader reader(&day_, &hour_, "y.tmy");
    const auto expect = [&](int day, int hour) {
        day_ = day;
        hour_ = hour;
        ASSERT_EQ(reader.Compute(), kOk) << Message();
        EXPECT_NEAR(reader.airTemperature, year.hourly(day, hour).airTemperature, 0.5)
            << day << " " << hour;
    };
    expect(3, 12);
    expect(5, 1);  // day 4 skipped
    expect(5, 2);
    expect(200, 14);
    expect(2, 6);  // earlier: rewinds and reads the header again
    expect(365, 24);
    expect(1, 1);
    EXPECT_EQ(reader.GetStationName(), "TEST STATION    ");
}

TEST_F(Weather, TmyCrlfLongerLinesAndNoFinalLineEnd) {
    synthetic::WeatherYear year;
    year.days = 3;
    ASSERT_TRUE(synthetic::WriteKtmyFile("crlf.tmy", year, "\r\n"));
    std::string text = test::ReadFile("crlf.tmy");
    text.erase(text.size() - 2);  // the last line loses its line end
    test::WriteFile("crlf.tmy", text);
    ASSERT_TRUE(synthetic::WriteKtmyFile("lf.tmy", year));
    auto lines = Lines(test::ReadFile("lf.tmy"));
    lines[TmyLine(2, 2)].insert(96, "   extra");  // data beyond column 95 is ignored
    test::WriteFile("lf.tmy", Join(lines));

    KTMYFileReader a(&day_, &hour_, "crlf.tmy");
    KTMYFileReader b(&day_, &hour_, "lf.tmy");
    for (day_ = 1; day_ <= 3; ++day_) {
        for (hour_ = 1; hour_ <= 24; ++hour_) {
            ASSERT_EQ(a.Compute(), kOk) << Message();
            ASSERT_EQ(b.Compute(), kOk) << Message();
            ASSERT_EQ(a.airTemperature, b.airTemperature);
            ASSERT_EQ(a.globalIrradiance, b.globalIrradiance);
            ASSERT_EQ(a.relativeHumidity, b.relativeHumidity);  // last field of the file
            ASSERT_EQ(a.windSpeed, b.windSpeed);
        }
    }
    EXPECT_DOUBLE_EQ(a.GetLatitude(), 45.5);
}

TEST_F(Weather, TmyFieldWithLeadingZeroIsDecimal) {
    synthetic::WeatherYear year;
    year.days = 1;
    ASSERT_TRUE(synthetic::WriteKtmyFile("z.tmy", year));
    auto lines = Lines(test::ReadFile("z.tmy"));
    lines[TmyLine(1, 1)].replace(3 * 5 + 21, 3, " 08");  // hour 5
    lines[TmyLine(1, 4)].replace(4 * 7 - 4, 4, "0099");  // hour 7
    test::WriteFile("z.tmy", Join(lines));
    KTMYFileReader reader(&day_, &hour_, "z.tmy");
    hour_ = 5;
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    EXPECT_EQ(reader.airTemperature, 8);
    hour_ = 7;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_DOUBLE_EQ(reader.relativeHumidity, 0.99);
}

TEST_F(Weather, TmyDamagedDaysFailEveryTime) {
    synthetic::WeatherYear year;
    year.days = 8;
    ASSERT_TRUE(synthetic::WriteKtmyFile("d.tmy", year));
    auto lines = Lines(test::ReadFile("d.tmy"));
    lines[TmyLine(2, 1)].replace(3 * 6 + 21, 3, "   ");                // blank temperature, hour 6
    lines[TmyLine(3, 2)].replace(4 * 9 - 4, 4, "  x ");                // bad irradiance, hour 9
    lines[TmyLine(4, 3)].replace(0, 4, "    ");                        // blank wind, hour 1
    lines[TmyLine(5, 4)].replace(4 * 24 - 4, 4, "    ");               // blank humidity, hour 24
    lines[TmyLine(6, 1)].replace(0, 3, "  9");                         // wrong day number
    lines[TmyLine(7, 3)] = lines[TmyLine(7, 3)].substr(0, 95) + "\n";  // short line
    test::WriteFile("d.tmy", Join(lines));

    KTMYFileReader reader(&day_, &hour_, "d.tmy");
    struct Case {
        int day;
        const char* message;
    };
    const Case cases[] = {
        {2, "Bad air temperature for hour 6 of day 2"},
        {3, "Bad irradiance for hour 9 of day 3"},
        {4, "Bad wind speed on day 4"},
        {5, "Bad relative humidity for hour 24 of day 5"},
        {6, "Weather file out of order: day 6 expected, day 9 found"},
        {7, "Cannot read the weather data of day 7"},
    };
    for (const Case& c : cases) {
        for (int attempt = 0; attempt < 2; ++attempt) {  // a failed day never reads as success
            day_ = c.day;
            EXPECT_EQ(reader.Compute(), kDomain) << c.day;
            EXPECT_EQ(Message(), c.message);
        }
        day_ = 1;  // a sound day still reads after the failure
        ASSERT_EQ(reader.Compute(), kOk) << Message();
        EXPECT_NEAR(reader.airTemperature, year.hourly(1, 1).airTemperature, 0.5);
    }
    EXPECT_EQ(reader.GetStatus(), kOk);

    // Skipping over a short line names the line and the day; past the end the data run out.
    day_ = 8;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Cannot read line 3 of day 7 of the weather file");
}

TEST_F(Weather, TmyEndOfDataAndRanges) {
    synthetic::WeatherYear year;
    year.days = 10;
    ASSERT_TRUE(synthetic::WriteKtmyFile("ten.tmy", year));
    KTMYFileReader reader(&day_, &hour_, "ten.tmy");
    day_ = 11;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Cannot read the weather data of day 11");
    day_ = 12;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Cannot read line 1 of day 11 of the weather file");
    day_ = 366;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Day 366: outside 1 to 365, or a short line in the weather file");
    day_ = 10;
    hour_ = 25;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Hour 25 is outside 1 to 24");
    hour_ = 24;
    EXPECT_EQ(reader.Compute(), kOk);
}

TEST_F(Weather, TmyOpenFailures) {
    KTMYFileReader unwired;
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_EQ(Message(), "No day or hour input");

    KTMYFileReader missing(&day_, &hour_, "missing.tmy");
    EXPECT_EQ(missing.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot open the weather file \"missing.tmy\"");

    KTMYFileReader noName(&day_, &hour_, nullptr);
    EXPECT_EQ(noName.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "No file name given");

    synthetic::WeatherYear year;
    year.days = 1;
    ASSERT_TRUE(synthetic::WriteKtmyFile("lat.tmy", year));
    auto lines = Lines(test::ReadFile("lat.tmy"));
    lines[0] = "KTMY   TEST STATION     north\n";
    test::WriteFile("lat.tmy", Join(lines));
    KTMYFileReader badLatitude(&day_, &hour_, "lat.tmy");
    EXPECT_EQ(badLatitude.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot read the header of the weather file");
    EXPECT_FALSE(badLatitude.IsOpen());
    test::WriteFile("short.tmy", "KTMY   SHORT\n");
    KTMYFileReader shortHeader(&day_, &hour_, "short.tmy");
    EXPECT_EQ(shortHeader.Compute(), kOpenFailed);
    EXPECT_FALSE(shortHeader.IsOpen());
}

// ---------------------------------------------------------------------------------------------
// ZEFIR binary file

constexpr std::size_t kHeader = 126;
constexpr std::size_t kRecord = 194;
std::size_t HourOffset(int day, int hour, int field) {  // field 0 T, 1 W, 2 wind, 3 irradiation
    return kHeader + kRecord * (day - 1) + 2 + 8 * (hour - 1) + 2 * field;
}

TEST_F(Weather, ZefirLayout) {
    synthetic::WeatherYear year;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    const std::string bytes = test::ReadFile("y.zfw");
    ASSERT_EQ(bytes.size(), kHeader + 365 * kRecord);
    EXPECT_EQ(bytes.substr(2, 12), "TEST STATION");
    EXPECT_EQ(bytes.substr(104, 8), "N 45 30 ");
    EXPECT_EQ(bytes.substr(112, 12), "W     73 30 ");
    // Little-endian 16-bit values at the places of day 200, hour 13.
    const synthetic::HourlyWeather w = year.hourly(200, 13);
    EXPECT_EQ(synthetic::ReadInt16(bytes, HourOffset(200, 13, 0)),
              std::lround(w.airTemperature * 10));
    EXPECT_EQ(synthetic::ReadInt16(bytes, HourOffset(200, 13, 2)), std::lround(w.windSpeed * 10));
    EXPECT_EQ(synthetic::ReadInt16(bytes, HourOffset(200, 13, 3)),
              std::lround(w.globalIrradiance * 3.6));
    EXPECT_EQ(synthetic::ReadInt16(bytes, kHeader + kRecord * 199), 2);  // reflectance in tenths
}

TEST_F(Weather, ZefirYearReadsBackEveryHour) {
    synthetic::WeatherYear year;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    ZEFIRFileReader reader(&day_, &hour_, "y.zfw");
    ASSERT_EQ(reader.GetStatus(), kOk);
    for (day_ = 1; day_ <= 365; ++day_) {
        for (hour_ = 1; hour_ <= 24; ++hour_) {
            ASSERT_EQ(reader.Compute(), kOk) << Message();
            const synthetic::HourlyWeather w = year.hourly(day_, hour_);
            ASSERT_NEAR(reader.airTemperature, w.airTemperature, 0.05 + 1e-9);
            ASSERT_NEAR(reader.globalIrradiance, w.globalIrradiance, 0.5 / 3.6 + 1e-9);
            ASSERT_NEAR(reader.windSpeed, w.windSpeed, 0.05 + 1e-9);
            ASSERT_DOUBLE_EQ(reader.groundReflectance, 0.2);
            // The humidity ratio, turned back into relative humidity at standard pressure.
            const double ratio =
                HumidityRatioFromRelHum(w.airTemperature, w.relativeHumidity, 101325.0);
            ASSERT_NEAR(reader.humidityRatio, ratio, 0.5e-6 + 1e-12);
            ASSERT_NEAR(
                RelHumFromHumidityRatio(reader.airTemperature, reader.humidityRatio, 101325.0),
                w.relativeHumidity, 0.01);
        }
    }
    EXPECT_EQ(reader.GetStationName(), "TEST STATION");
    EXPECT_NEAR(reader.GetLatitude(), 45.5, 1e-12);
    EXPECT_NEAR(reader.GetLongitude(), 73.5, 1e-12);
}

TEST_F(Weather, ZefirHemispheresAndIrradiationFloor) {
    synthetic::WeatherYear year;
    year.days = 2;
    year.latitude = 33 + 55 / 60.0;
    year.longitude = 73 + 34 / 60.0;
    ASSERT_TRUE(synthetic::WriteZefirFile("h.zfw", year));
    std::string bytes = test::ReadFile("h.zfw");
    bytes[104] = 's';
    synthetic::WriteInt16(bytes, HourOffset(2, 11, 3), -5);
    synthetic::WriteInt16(bytes, HourOffset(2, 12, 3), 3600);
    test::WriteFile("s.zfw", bytes);
    bytes[104] = 'N';
    bytes[112] = 'e';
    test::WriteFile("e.zfw", bytes);

    ZEFIRFileReader south(&day_, &hour_, "s.zfw");
    day_ = 2;
    hour_ = 11;
    ASSERT_EQ(south.Compute(), kOk) << Message();
    EXPECT_EQ(south.globalIrradiance, 0);
    hour_ = 12;
    ASSERT_EQ(south.Compute(), kOk);
    EXPECT_NEAR(south.globalIrradiance, 1000, 1e-9);
    EXPECT_NEAR(south.GetLatitude(), -33.916667, 1e-6);
    EXPECT_NEAR(south.GetLongitude(), 73.566667, 1e-6);

    ZEFIRFileReader east(&day_, &hour_, "e.zfw");
    ASSERT_EQ(east.Compute(), kOk);
    EXPECT_NEAR(east.GetLatitude(), 33.916667, 1e-6);
    EXPECT_NEAR(east.GetLongitude(), -73.566667, 1e-6);
}

TEST_F(Weather, ZefirStationNameLimit) {
    synthetic::WeatherYear year;
    year.days = 1;
    year.stationName = std::string(99, 'M');
    ASSERT_TRUE(synthetic::WriteZefirFile("n.zfw", year));
    ZEFIRFileReader reader(&day_, &hour_, "n.zfw");
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.GetStationName(), year.stationName);

    year.stationName = std::string(100, 'M');  // would not read back
    EXPECT_FALSE(synthetic::WriteZefirFile("long.zfw", year));
    std::string bytes = test::ReadFile("n.zfw");
    bytes[101] = 'X';  // a full 100-byte field: the reader keeps 99 characters
    test::WriteFile("full.zfw", bytes);
    ZEFIRFileReader full(&day_, &hour_, "full.zfw");
    ASSERT_EQ(full.Compute(), kOk);
    EXPECT_EQ(full.GetStationName(), std::string(99, 'M'));
}

TEST_F(Weather, StationNamesLoseTheirControlBytesButKeepTabs) {
    // Terminal escapes, bell and backspace never reach a report or a project file.
    synthetic::WeatherYear year;
    year.days = 1;
    ASSERT_TRUE(synthetic::WriteZefirFile("plain.zfw", year));
    std::string zefir = test::ReadFile("plain.zfw");
    std::string name = "A\x1b[1mB\x07\x08\tC\x7f";
    name.resize(99, '\0');
    zefir.replace(2, name.size(), name);
    test::WriteFile("c.zfw", zefir);
    day_ = hour_ = 1;
    ZEFIRFileReader zefirReader(&day_, &hour_, "c.zfw");
    ASSERT_EQ(zefirReader.Compute(), kOk) << Message();
    EXPECT_EQ(zefirReader.GetStationName(), "A[1mB\tC\x7f");

    ASSERT_TRUE(synthetic::WriteKtmyFile("plain.tmy", year));
    std::string tmy = test::ReadFile("plain.tmy");
    tmy.replace(tmy.find("TEST STATION    "), 16, "TEST\x1bSTATION\a\t\b ");
    test::WriteFile("c.tmy", tmy);
    KTMYFileReader tmyReader(&day_, &hour_, "c.tmy");
    ASSERT_EQ(tmyReader.Compute(), kOk) << Message();
    EXPECT_EQ(tmyReader.GetStationName(), "TESTSTATION\t ");
}

TEST_F(Weather, ZefirSameDayRewindAndTruncation) {
    synthetic::WeatherYear year;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    std::string bytes = test::ReadFile("y.zfw");
    bytes.resize(kHeader + kRecord * 199 + 100);  // ends inside day 200
    test::WriteFile("cut.zfw", bytes);
    ZEFIRFileReader reader(&day_, &hour_, "cut.zfw");
    const auto expect = [&](int day, int hour) {
        day_ = day;
        hour_ = hour;
        ASSERT_EQ(reader.Compute(), kOk) << Message();
        EXPECT_NEAR(reader.airTemperature, year.hourly(day, hour).airTemperature, 0.05 + 1e-9);
    };
    expect(1, 24);
    expect(1, 1);
    expect(10, 5);
    expect(1, 3);  // rewinds
    expect(199, 24);
    for (int attempt = 0; attempt < 2; ++attempt) {
        day_ = 200;
        EXPECT_EQ(reader.Compute(), kDomain);
        EXPECT_EQ(Message(), "Cannot read the weather record of day 200");
    }
    day_ = 201;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Cannot read the weather record of day 200");
    expect(199, 2);
    EXPECT_EQ(reader.GetStatus(), kOk);
}

// A reader that counts the records its steps read.
class CountingZefirReader : public ZEFIRFileReader {
  public:
    using ZEFIRFileReader::ZEFIRFileReader;
    int ReadDay() override {
        ++reads;
        return failFrom > 0 && reads >= failFrom ? kDomain : ZEFIRFileReader::ReadDay();
    }
    int reads = 0;
    int failFrom = 0;  // the read that fails first; 0 = none fails
};

TEST_F(Weather, ZefirStepsReadThroughTheDayOperation) {
    synthetic::WeatherYear year;
    year.days = 10;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    CountingZefirReader reader(&day_, &hour_, "y.zfw");
    day_ = 3;
    hour_ = 7;
    ASSERT_EQ(reader.Compute(), kOk) << Message();
    EXPECT_EQ(reader.reads, 3);  // days 1 and 2 passed over, day 3 read
    EXPECT_NEAR(reader.airTemperature, year.hourly(3, 7).airTemperature, 0.05 + 1e-9);
    hour_ = 8;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.reads, 3);
    day_ = 5;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.reads, 5);
    EXPECT_NEAR(reader.airTemperature, year.hourly(5, 8).airTemperature, 0.05 + 1e-9);
    day_ = 2;  // rewinds: days 1 and 2 again
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.reads, 7);
    EXPECT_NEAR(reader.airTemperature, year.hourly(2, 8).airTemperature, 0.05 + 1e-9);

    // A failing day read is the step's failure.
    reader.failFrom = reader.reads + 2;
    day_ = 6;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Cannot read the weather record of day 4");
}

TEST_F(Weather, ZefirFailures) {
    ZEFIRFileReader unwired;
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_EQ(Message(), "No day or hour input");
    ZEFIRFileReader noName(&day_, &hour_, nullptr);
    EXPECT_EQ(noName.GetStatus(), kNotReady);
    EXPECT_EQ(Message(), "No file name given");

    ZEFIRFileReader missing(&day_, &hour_, "missing.zfw");
    EXPECT_EQ(missing.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot open the weather file \"missing.zfw\"");

    synthetic::WeatherYear year;
    year.days = 3;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    std::string bytes = test::ReadFile("y.zfw");
    test::WriteFile("header.zfw", bytes.substr(0, 100));
    ZEFIRFileReader shortHeader(&day_, &hour_, "header.zfw");
    EXPECT_EQ(shortHeader.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot read the header of the weather file");
    EXPECT_FALSE(shortHeader.IsOpen());

    bytes.replace(106, 5, "4x 30");  // only one number in the latitude
    test::WriteFile("lat.zfw", bytes);
    ZEFIRFileReader badLatitude(&day_, &hour_, "lat.zfw");
    EXPECT_EQ(badLatitude.Compute(), kOpenFailed);
    EXPECT_EQ(Message(), "Cannot read the header of the weather file");
    EXPECT_FALSE(badLatitude.IsOpen());

    ZEFIRFileReader reader(&day_, &hour_, "y.zfw");
    day_ = 0;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Day 0 is outside 1 to 365");
    day_ = 1;
    hour_ = 0;
    EXPECT_EQ(reader.Compute(), kDomain);
    EXPECT_EQ(Message(), "Hour 0 is outside 1 to 24");
    EXPECT_EQ(reader.ReadDay(), kFatal);  // no file open yet

    // Reading a record directly moves on; the next step still finds its own day.
    day_ = 2;
    hour_ = 5;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_EQ(reader.ReadDay(), kOk);  // day 3 into the buffer
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_NEAR(reader.airTemperature, year.hourly(2, 5).airTemperature, 0.05 + 1e-9);
    day_ = 3;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_NEAR(reader.airTemperature, year.hourly(3, 5).airTemperature, 0.05 + 1e-9);
}

TEST_F(Weather, ReadersHeldThroughTheBase) {
    synthetic::WeatherYear year;
    year.days = 1;
    ASSERT_TRUE(synthetic::WriteZefirFile("y.zfw", year));
    FileReader* reader = new ZEFIRFileReader(&day_, &hour_, "y.zfw");
    EXPECT_EQ(reader->GetTypeId(), kTypeZEFIRFileReader);
    EXPECT_EQ(reader->Open(), kOk);
    EXPECT_TRUE(reader->IsOpen());
    FileReader::Delete(reader);
}

}  // namespace
