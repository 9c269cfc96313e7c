#include "weather_import.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "helpers.h"
#include "psychrometrics.h"
#include "test_support.h"
#include "weather.h"

namespace fs = std::filesystem;

namespace {

const fs::path kWeather = fs::path(TIDEWARM_RESOURCES_DIR) / "weather";
const char kMiami[] = "USA_FL_Miami.Intl.AP.722020_TMY3.epw";

// ---- The sources read here on their own, to judge the conversion by.

struct ReferenceHour {
    double temperature, humidityRatio, wind, irradiation;  // degC, kg/kg, m/s, Wh/m2
};
struct ReferenceYear {
    double latitude, longitude, timeZone;  // degrees north and east, hours east
    std::vector<ReferenceHour> hours;
};

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    return fields;
}

std::vector<std::string> Lines(const fs::path& path) {
    std::vector<std::string> lines;
    std::stringstream in(test::ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

ReferenceHour Hour(double t, double dewPoint, double pressure, double wind, double ghi) {
    const double w = HumidityRatioFromVapourPressure(SatVapourPressure(dewPoint), pressure);
    return {t, w, wind, std::max(ghi, 0.0)};
}

ReferenceYear ReadReference(const fs::path& path) {
    const std::vector<std::string> lines = Lines(path);
    ReferenceYear year{};
    const std::string extension = path.extension().string();
    if (extension == ".epw") {
        const auto header = Split(lines[0], ',');
        year = {std::stod(header[6]), std::stod(header[7]), std::stod(header[8]), {}};
        for (std::size_t i = 8; i < lines.size(); ++i) {
            const auto f = Split(lines[i], ',');
            year.hours.push_back(Hour(std::stod(f[6]), std::stod(f[7]), std::stod(f[9]),
                                      std::stod(f[21]), std::stod(f[13])));
        }
    } else if (extension == ".tm2") {
        // " 12839 MIAMI FL -5 N 25 48 W 80 16 2"
        std::stringstream header(lines[0]);
        std::string wban, city, state, ns, we;
        double tz, latD, latM, lonD, lonM;
        header >> wban >> city >> state >> tz >> ns >> latD >> latM >> we >> lonD >> lonM;
        year = {latD + latM / 60, -(lonD + lonM / 60), tz, {}};
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            const auto at = [&](int first, int last) {
                return std::stod(l.substr(first - 1, last - first + 1));
            };
            year.hours.push_back(Hour(at(68, 71) / 10, at(74, 77) / 10, at(85, 88) * 100,
                                      at(96, 98) / 10, at(18, 21)));
        }
    } else {
        const auto header = Split(lines[0], ',');
        year = {std::stod(header[4]), std::stod(header[5]), std::stod(header[3]), {}};
        const auto names = Split(lines[1], ',');
        const auto column = [&](const std::string& name) {
            return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) -
                                            names.begin());
        };
        const std::size_t t = column("Dry-bulb (C)"), td = column("Dew-point (C)"),
                          p = column("Pressure (mbar)"), w = column("Wspd (m/s)"),
                          g = column("GHI (W/m^2)");
        for (std::size_t i = 2; i < lines.size(); ++i) {
            const auto f = Split(lines[i], ',');
            year.hours.push_back(Hour(std::stod(f[t]), std::stod(f[td]), std::stod(f[p]) * 100,
                                      std::stod(f[w]), std::stod(f[g])));
        }
    }
    return year;
}

// ---- The city file read back through the simulation's reader.

struct CityYear {
    std::vector<ReferenceHour> hours;
    double latitude = 0;   // degrees north
    double longitude = 0;  // degrees west
};

// The year of the city an import wrote.
CityYear ReadCity(const std::variant<ImportedCity, WeatherRefusal>& imported) {
    const std::string path = std::get<ImportedCity>(imported).path;
    int day = 1;
    int hour = 1;
    ZEFIRFileReader reader(&day, &hour, path.c_str());
    std::vector<ReferenceHour> hours;
    for (day = 1; day <= kDaysPerYear; ++day)
        for (hour = 1; hour <= 24; ++hour) {
            EXPECT_EQ(reader.Compute(), 0);
            hours.push_back({reader.airTemperature, reader.humidityRatio, reader.windSpeed,
                             reader.globalIrradiance});  // W/m2 over the hour = Wh/m2
        }
    return {hours, reader.GetLatitude(), reader.GetLongitude()};
}

struct MonthSums {
    std::array<ReferenceHour, 12> sums{};
};
MonthSums SumByMonth(const std::vector<ReferenceHour>& hours) {
    MonthSums m;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        ReferenceHour& s =
            m.sums[static_cast<std::size_t>(MonthOfDay(static_cast<int>(i / 24) + 1, 0) - 1)];
        s.temperature += hours[i].temperature;
        s.humidityRatio += hours[i].humidityRatio;
        s.wind += hours[i].wind;
        s.irradiation += hours[i].irradiation;
    }
    return m;
}

std::variant<ImportedCity, WeatherRefusal> Import(const fs::path& source, const fs::path& folder,
                                                  bool replace = false) {
    return ImportWeatherFile(source.string(), folder.string(), "", replace);
}

// Each delivered file, made into a city and read back, holds its source's year: the months'
// means and sums within the resolution of the city file's fields, after the move of the hours
// into the standard time of the meridian 15 x RoundHalfUp(longitude / 15).
TEST(WeatherImport, EachDeliveredFileReadsBackAsItsSourceYear) {
    test::ScopedTempDir folder;
    for (const char* name : {kMiami, "USA_AZ_Phoenix-Sky.Harbor.Intl.AP.722780_TMY3.epw",
                             "USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw",
                             "USA_CA_San.Francisco.Intl.AP.724940_TMY3.epw", "723170TYA.CSV",
                             "703165TY.csv", "12839.tm2"}) {
        SCOPED_TRACE(name);
        const ReferenceYear source = ReadReference(kWeather / name);
        ASSERT_EQ(source.hours.size(), 8760u);
        const auto imported = Import(kWeather / name, folder.path());
        ASSERT_TRUE(std::holds_alternative<ImportedCity>(imported));
        const CityYear cityYear = ReadCity(imported);
        const std::vector<ReferenceHour>& city = cityYear.hours;
        EXPECT_NEAR(cityYear.latitude, source.latitude, 1 / 60.0);
        EXPECT_NEAR(cityYear.longitude, -source.longitude, 1 / 60.0);

        // The source's clock stands `shift` hours ahead of the city's.
        const double meridian = 15 * RoundHalfUp(-source.longitude / 15);
        const int shift = static_cast<int>(source.timeZone + meridian / 15);
        std::vector<ReferenceHour> shifted(8760);
        for (int i = 0; i < 8760; ++i)
            shifted[static_cast<std::size_t>(i)] =
                source.hours[static_cast<std::size_t>((i + shift + 8760) % 8760)];

        for (std::size_t i = 0; i < 8760; i += 101)
            EXPECT_NEAR(city[i].temperature, shifted[i].temperature, 0.051);
        const MonthSums expected = SumByMonth(shifted);
        const MonthSums actual = SumByMonth(city);
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(m + 1);
            const ReferenceHour& e = expected.sums[static_cast<std::size_t>(m)];
            const ReferenceHour& a = actual.sums[static_cast<std::size_t>(m)];
            const double hours = 24.0 * DaysInMonth(m + 1, 0);
            EXPECT_NEAR(a.temperature / hours, e.temperature / hours, 0.05);
            EXPECT_NEAR(a.wind / hours, e.wind / hours, 0.05);
            EXPECT_NEAR(a.irradiation, e.irradiation, 0.001 * e.irradiation);
            EXPECT_NEAR(a.humidityRatio, e.humidityRatio, 0.01 * e.humidityRatio);
        }
    }
}

// ---- Files broken as real files are.

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// `lines` with field `field` (from 1) of each line from `first` to `last` (from 1) set to
// `value`.
std::vector<std::string> WithField(std::vector<std::string> lines, int first, int last, int field,
                                   const std::string& value) {
    for (int n = first; n <= last; ++n) {
        auto fields = Split(lines[static_cast<std::size_t>(n - 1)], ',');
        fields[static_cast<std::size_t>(field - 1)] = value;
        std::string line;
        for (const std::string& f : fields) line += (line.empty() ? "" : ",") + f;
        lines[static_cast<std::size_t>(n - 1)] = line;
    }
    return lines;
}

struct BrokenFile {
    const char* what;
    const char* name;  // the file's name, which tells its format
    std::string text;
    WeatherRefusalKind kind;
    int line;
};

// Each refusal names the file, the line and the reason, and writes nothing.
TEST(WeatherImport, BrokenFilesAreRefusedWithTheirLineAndNothingIsWritten) {
    test::ScopedTempDir folder;
    const std::vector<std::string> miami = Lines(kWeather / kMiami);
    const std::vector<std::string> greensboro = Lines(kWeather / "723170TYA.CSV");
    std::vector<std::string> tmy2 = Lines(kWeather / "12839.tm2");
    tmy2[99].resize(50);
    std::vector<std::string> swapped = miami;
    std::swap(swapped[2000], swapped[2001]);
    // Cut after 30 June's last hour (line 4352), or in the middle of the next record.
    const std::vector<std::string> cut(miami.begin(), miami.begin() + 4352);
    const std::string half = Joined(cut) + miami[4352].substr(0, 40);
    const BrokenFile broken[] = {
        // Record 1000 (11 February, hour 17) starts a 7-hour gap.
        {"gap", "gap.epw", Joined(WithField(miami, 1009, 1015, 7, "99.9")),
         WeatherRefusalKind::kGap, 1009},
        {"cut after a record", "cut.epw", Joined(cut), WeatherRefusalKind::kTooFewRecords, 4353},
        {"cut in a record", "half.epw", half, WeatherRefusalKind::kFieldCount, 4353},
        {"out of range", "hot.epw", Joined(WithField(miami, 3000, 3000, 7, "75.3")),
         WeatherRefusalKind::kOutOfRange, 3000},
        {"no position", "nowhere.epw", Joined(WithField(miami, 1, 1, 7, "")),
         WeatherRefusalKind::kNoPosition, 1},
        {"out of order", "swapped.epw", Joined(swapped), WeatherRefusalKind::kBadRecordTime, 2001},
        {"TMY3 gap", "gap.csv", Joined(WithField(greensboro, 500, 507, 5, "-9900")),
         WeatherRefusalKind::kGap, 500},
        {"TMY2 short record", "short.tm2", Joined(tmy2), WeatherRefusalKind::kFieldCount, 100},
    };
    fs::create_directory("sources");
    for (const BrokenFile& file : broken) {
        SCOPED_TRACE(file.what);
        const fs::path source = folder.path() / "sources" / file.name;
        test::WriteFile(source, file.text);
        const auto result = Import(source, folder.path() / "cities");
        ASSERT_TRUE(std::holds_alternative<WeatherRefusal>(result));
        const WeatherRefusal& refusal = std::get<WeatherRefusal>(result);
        EXPECT_EQ(refusal.kind, file.kind);
        EXPECT_EQ(refusal.file, source.string());
        EXPECT_EQ(refusal.line, file.line);
        EXPECT_FALSE(fs::exists(folder.path() / "cities"));
    }

    // The gap's field, first missing hour and length.
    test::WriteFile("gap.epw", broken[0].text);
    const auto gap = std::get<WeatherRefusal>(Import("gap.epw", "cities"));
    EXPECT_EQ(gap.field, "dry-bulb temperature (field 7)");
    EXPECT_EQ(gap.time, (WeatherRecordTime{2, 11, 17}));
    EXPECT_EQ(gap.count, 7);
}

// Six missing hours are filled in along the line between the hours around them; a 29 February
// is dropped; CRLF line ends and a last line without line end read alike.
TEST(WeatherImport, ShortGapsAreFilledLeapDaysDroppedAndLineEndsTakenAsTheyCome) {
    test::ScopedTempDir folder;
    std::vector<std::string> miami = Lines(kWeather / kMiami);
    test::WriteFile("whole.epw", Joined(miami));
    const auto whole = Import("whole.epw", "whole");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(whole));

    // 29 February after 28 February's last hour (record 1415, line 1424).
    const std::vector<std::string> february29 = WithField(miami, 1401, 1424, 3, "29");
    std::vector<std::string> leap = WithField(miami, 5, 5, 2, "Yes");
    leap.insert(leap.begin() + 1424, february29.begin() + 1400, february29.begin() + 1424);
    test::WriteFile("leap.epw", Joined(leap));
    const auto leapCity = Import("leap.epw", "leap");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(leapCity));
    EXPECT_EQ(test::ReadFile(std::get<ImportedCity>(leapCity).path),
              test::ReadFile(std::get<ImportedCity>(whole).path));

    std::string crlf;
    for (const std::string& line : miami) crlf += (crlf.empty() ? "" : "\r\n") + line;
    test::WriteFile("crlf.epw", crlf);
    const auto crlfCity = Import("crlf.epw", "crlf");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(crlfCity));
    EXPECT_EQ(test::ReadFile(std::get<ImportedCity>(crlfCity).path),
              test::ReadFile(std::get<ImportedCity>(whole).path));

    // Records 1000 to 1005 (11 February, hours 17 to 22) missing: between 19.4 and 22.8 degC.
    test::WriteFile("gap.epw", Joined(WithField(miami, 1009, 1014, 7, "99.9")));
    const auto filled = Import("gap.epw", "gap");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(filled));
    const auto hours = ReadCity(filled).hours;
    const double before = std::stod(Split(miami[1007], ',')[6]);
    const double after = std::stod(Split(miami[1014], ',')[6]);
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(hours[static_cast<std::size_t>(1000 + k)].temperature,
                    before + (after - before) * (k + 1) / 7, 0.05);
}

// A source half an hour off its meridian's time gives each hour the mean of the two hours
// around it.
TEST(WeatherImport, AHalfHourZoneAveragesTheHoursAround) {
    test::ScopedTempDir folder;
    const std::vector<std::string> miami = Lines(kWeather / kMiami);
    test::WriteFile("half.epw", Joined(WithField(miami, 1, 1, 9, "-4.5")));
    const auto city = Import("half.epw", ".");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(city));
    const auto hours = ReadCity(city).hours;
    const ReferenceYear source = ReadReference(kWeather / kMiami);
    for (std::size_t i = 0; i < 8760; i += 97)
        EXPECT_NEAR(hours[i].temperature,
                    (source.hours[i].temperature + source.hours[(i + 1) % 8760].temperature) / 2,
                    0.051);
}

// A city file is never written over unless asked; its name comes from the station or the
// user, with the characters a file name cannot hold replaced.
TEST(WeatherImport, AnExistingCityIsKeptUnlessReplaced) {
    test::ScopedTempDir folder;
    const fs::path miami = kWeather / kMiami;
    const auto first = Import(miami, "cities");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(first));
    const ImportedCity& city = std::get<ImportedCity>(first);
    EXPECT_EQ(city.path, "cities/Miami Intl Ap FL USA.zfw");
    EXPECT_EQ(city.stationName, "Miami Intl Ap FL USA");

    test::WriteFile(city.path, "the user's own");
    const auto again = Import(miami, "cities");
    ASSERT_TRUE(std::holds_alternative<WeatherRefusal>(again));
    EXPECT_EQ(std::get<WeatherRefusal>(again).kind, WeatherRefusalKind::kDestinationExists);
    EXPECT_EQ(std::get<WeatherRefusal>(again).file, city.path);
    EXPECT_EQ(test::ReadFile(city.path), "the user's own");
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(Import(miami, "cities", true)));
    EXPECT_NE(test::ReadFile(city.path), "the user's own");

    const auto named =
        ImportWeatherFile(miami.string(), "cities", " Miami: \"Beach\"/North ", false);
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(named));
    EXPECT_EQ(std::get<ImportedCity>(named).path, "cities/Miami_ _Beach__North.zfw");
    EXPECT_EQ(ReadWholeZefirStation(std::get<ImportedCity>(named).path)->name,
              "Miami: \"Beach\"/North");
    EXPECT_EQ(std::distance(fs::directory_iterator("cities"), fs::directory_iterator()), 2);

    // A folder that cannot be made (a file has its name) is named with the system's reason.
    const auto blocked = Import(miami, city.path);
    ASSERT_TRUE(std::holds_alternative<WeatherRefusal>(blocked));
    EXPECT_EQ(std::get<WeatherRefusal>(blocked).kind, WeatherRefusalKind::kCannotWrite);
    EXPECT_FALSE(std::get<WeatherRefusal>(blocked).value.empty());
}

}  // namespace
