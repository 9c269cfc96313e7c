#include "weather_import.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "epw_reader.h"
#include "helpers.h"
#include "psychrometrics.h"
#include "sun.h"
#include "tmy2_reader.h"
#include "tmy3_reader.h"

namespace fs = std::filesystem;

namespace {

constexpr int kHoursPerYear = kDaysPerYear * 24;
// The longest run of missing hours that is filled in.
constexpr int kLongestFilledGap = 6;
// The ground reflectance of a day without any albedo value.
constexpr double kDefaultGroundReflectance = 0.2;
constexpr double kKilojoulesPerWattHour = kSecondsPerHour / 1000.0;
// A file larger than this is no typical year of hourly records.
constexpr std::uintmax_t kLargestSource = 64 * 1024 * 1024;
constexpr std::string_view kCityExtension = ".zfw";
constexpr std::string_view kTemporarySuffix = ".part";

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Physical range of each quantity in its source unit; a value outside refuses the file.
struct QuantityRange {
    double minimum;
    double maximum;
    std::string_view unit;
};
constexpr QuantityRange kRanges[kQuantityCount] = {
    {-70, 70, "degC"},  {-90, 70, "degC"}, {0, 100, "%"}, {30000, 120000, "Pa"},
    {0, 1500, "Wh/m2"}, {0, 100, "m/s"},   {0, 1, ""},
};

struct StationRange {
    double SourceStation::*member;
    std::string_view name;
    double minimum;
    double maximum;
};
constexpr StationRange kStationRanges[] = {
    {&SourceStation::latitude, "latitude", -90, 90},
    {&SourceStation::longitude, "longitude", -180, 180},
    {&SourceStation::timeZone, "time zone", -12, 14},
    {&SourceStation::elevation, "elevation", -500, 9000},
};

std::string NumberText(double value, std::string_view unit) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    if (!unit.empty()) text << ' ' << unit;
    return text.str();
}

WeatherRefusal OutOfRange(const std::string& file, int line, std::string_view field, double value,
                          std::string_view unit, double minimum, double maximum) {
    WeatherRefusal refusal =
        RefuseAt(WeatherRefusalKind::kOutOfRange, file, line, field, NumberText(value, unit));
    refusal.minimum = minimum;
    refusal.maximum = maximum;
    return refusal;
}

// ---- The file read and its format found.

std::variant<std::string, WeatherRefusal> ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        const std::string reason =
            error ? error.message()
                  : (fs::exists(path, error) ? "not a regular file" : "no such file");
        return RefuseAt(WeatherRefusalKind::kCannotRead, path, 0, {}, reason);
    }
    if (fs::file_size(path, error) > kLargestSource)
        return RefuseAt(WeatherRefusalKind::kUnknownFormat, path, 0);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof())
        return RefuseAt(WeatherRefusalKind::kCannotRead, path, 0, {}, "read failure");
    return text.str();
}

// Reads the source's text in its format; its name goes to `format`.
SourceRead ReadSourceText(std::string_view text, const std::string& file, std::string& format) {
    // Files saved by some editors start with a UTF-8 byte order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (LooksLikeEpw(text)) {
        format = "EPW";
        return ReadEpwText(text, file);
    }
    if (LooksLikeTmy3(text)) {
        format = "TMY3";
        return ReadTmy3Text(text, file);
    }
    if (LooksLikeTmy2(text)) {
        format = "TMY2";
        return ReadTmy2Text(text, file);
    }
    return RefuseAt(WeatherRefusalKind::kUnknownFormat, file, 0);
}

// ---- One year of hours, in order, 29 February dropped.

WeatherRecordTime NextHour(WeatherRecordTime t, bool inLeapDay) {
    if (++t.hour <= 24) return t;
    t.hour = 1;
    const int days = inLeapDay ? 29 : DaysInMonth(t.month, 0);
    if (++t.day <= days) return t;
    t.day = 1;
    ++t.month;
    return t;
}

// The year's 8760 hours in order; a refusal when the records are not one whole year.
std::variant<std::vector<SourceHour>, WeatherRefusal> WholeYear(const SourceWeather& source) {
    std::vector<SourceHour> year;
    year.reserve(kHoursPerYear);
    WeatherRecordTime expected{1, 1, 1};
    bool inLeapDay = false;
    for (const SourceHour& hour : source.hours) {
        if (static_cast<int>(year.size()) == kHoursPerYear && !inLeapDay)
            return RefuseAt(WeatherRefusalKind::kTooManyRecords, source.file, hour.line);
        const WeatherRecordTime leapStart{2, 29, 1};
        if (expected == WeatherRecordTime{3, 1, 1} && hour.time == leapStart) {
            inLeapDay = true;
            expected = leapStart;
        }
        if (hour.time != expected) {
            WeatherRefusal refusal =
                RefuseAt(WeatherRefusalKind::kBadRecordTime, source.file, hour.line);
            refusal.time = hour.time;
            refusal.expected = expected;
            return refusal;
        }
        if (!inLeapDay) year.push_back(hour);
        expected = NextHour(expected, inLeapDay);
        if (inLeapDay && expected.month == 3) inLeapDay = false;
    }
    if (static_cast<int>(year.size()) < kHoursPerYear || inLeapDay) {
        WeatherRefusal refusal =
            RefuseAt(WeatherRefusalKind::kTooFewRecords, source.file, source.lastLine + 1);
        refusal.count = static_cast<int>(source.hours.size());
        return refusal;
    }
    return year;
}

// ---- Values checked, humidity ratio, gaps filled.

// Refuses a station number or a value outside its physical range; a negative irradiation (the
// night's offset of some pyranometers) reads as 0.
std::optional<WeatherRefusal> CheckValues(const SourceWeather& source,
                                          std::vector<SourceHour>& year) {
    for (const StationRange& range : kStationRanges) {
        const double value = source.station.*range.member;
        if (value < range.minimum || value > range.maximum)
            return OutOfRange(source.file, 1, range.name, value, {}, range.minimum, range.maximum);
    }
    for (SourceHour& hour : year) {
        double& irradiation = hour.values[kGlobalIrradiation];
        if (irradiation < 0) irradiation = 0;
        for (int q = 0; q < kQuantityCount; ++q) {
            const double value = hour.values[q];
            const QuantityRange& range = kRanges[q];
            if (!std::isnan(value) && (value < range.minimum || value > range.maximum))
                return OutOfRange(source.file, hour.line, source.fieldNames[q], value, range.unit,
                                  range.minimum, range.maximum);
        }
    }
    return std::nullopt;
}

// kg/kg from the dew point, else from the relative humidity and the temperature; the station
// pressure, else that of the standard atmosphere at the station's elevation. NaN when neither
// humidity is known.
double HumidityRatio(const SourceHour& hour, double standardPressure) {
    const auto& v = hour.values;
    const double pressure = std::isnan(v[kPressure]) ? standardPressure : v[kPressure];
    double vapourPressure = kNaN;
    if (!std::isnan(v[kDewPoint]))
        vapourPressure = SatVapourPressure(v[kDewPoint]);
    else if (!std::isnan(v[kRelativeHumidity]) && !std::isnan(v[kAirTemperature]))
        vapourPressure = SatVapourPressure(v[kAirTemperature]) * v[kRelativeHumidity] / 100;
    return HumidityRatioFromVapourPressure(vapourPressure, pressure);
}

// The series of one quantity over the year, by hour of the year from 0.
using Series = std::vector<double>;

// Whether the sun stays below the horizon for the whole hour of the year `index` (hour-ending,
// in the standard time of `timeZone`).
bool IsNightHour(int index, const SourceStation& station) {
    const int day = index / 24 + 1;
    const int hour = index % 24 + 1;
    const double sunset = SunsetHourAngle(station.latitude * kRadiansPerDegree,
                                          Declination(day)) /
                          kRadiansPerDegree / 15;  // hours from solar noon
    const double correction = EquationOfTime(day, -station.longitude, -15 * station.timeZone) / 60;
    const double start = hour - 1 + correction;
    const double end = hour + correction;
    return end <= 12 - sunset || start >= 12 + sunset;
}

// Fills runs of NaN of at most kLongestFilledGap hours by linear interpolation between the
// valid hours on each side (the year wraps round); a longer run refuses the file.
std::optional<WeatherRefusal> FillGaps(Series& series, const std::vector<SourceHour>& year,
                                       const SourceWeather& source, std::string_view field,
                                       bool isIrradiation) {
    const int n = static_cast<int>(series.size());
    int firstValid = 0;
    while (firstValid < n && std::isnan(series[static_cast<std::size_t>(firstValid)])) ++firstValid;
    const auto at = [&](int i) -> double& {
        return series[static_cast<std::size_t>((i % n + n) % n)];
    };
    for (int i = firstValid; i < firstValid + n; ++i) {
        if (!std::isnan(at(i)) && firstValid < n) continue;
        int length = 0;
        while (length < n && std::isnan(at(i + length))) ++length;
        if (length > kLongestFilledGap || firstValid == n) {
            const SourceHour& first = year[static_cast<std::size_t>(i % n)];
            WeatherRefusal refusal =
                RefuseAt(WeatherRefusalKind::kGap, source.file, first.line, field);
            refusal.time = first.time;
            refusal.count = length;
            return refusal;
        }
        const double before = at(i - 1);
        const double after = at(i + length);
        for (int k = 0; k < length; ++k) {
            double& value = at(i + k);
            value = before + (after - before) * (k + 1) / (length + 1);
            if (isIrradiation && IsNightHour((i + k) % n, source.station)) value = 0;
        }
        i += length - 1;
    }
    return std::nullopt;
}

// ---- Standard time of the meridian rule.

// The value at hour `index` + `shift` of a series that wraps round the year; a fractional shift
// interpolates between the two hours around it (a half hour averages them). NaN values give way
// to the other hour.
double ShiftedValue(const Series& series, int index, double shift) {
    const int n = static_cast<int>(series.size());
    const double position = index + shift;
    const double lower = std::floor(position);
    const double fraction = position - lower;
    const auto at = [&](double i) {
        const int k = static_cast<int>(i);
        return series[static_cast<std::size_t>((k % n + n) % n)];
    };
    const double a = at(lower);
    if (fraction == 0) return a;
    const double b = at(lower + 1);
    if (std::isnan(a)) return b;
    if (std::isnan(b)) return a;
    return a + (b - a) * fraction;
}

// ---- The conversion.

std::variant<WeatherYearRead, WeatherRefusal> ConvertSource(SourceWeather source,
                                                            std::string format) {
    auto whole = WholeYear(source);
    if (auto* refusal = std::get_if<WeatherRefusal>(&whole)) return *refusal;
    std::vector<SourceHour>& year = std::get<std::vector<SourceHour>>(whole);
    if (auto refusal = CheckValues(source, year)) return *refusal;

    const double standardPressure = StandardAtmosphericPressure(source.station.elevation);
    Series temperature(kHoursPerYear), humidity(kHoursPerYear), wind(kHoursPerYear),
        irradiation(kHoursPerYear), albedo(kHoursPerYear);
    for (std::size_t i = 0; i < year.size(); ++i) {
        const auto& v = year[i].values;
        temperature[i] = v[kAirTemperature];
        humidity[i] = HumidityRatio(year[i], standardPressure);
        wind[i] = v[kWindSpeed];
        irradiation[i] = v[kGlobalIrradiation];
        albedo[i] = v[kAlbedo];
    }
    const auto& names = source.fieldNames;
    if (auto r = FillGaps(temperature, year, source, names[kAirTemperature], false)) return *r;
    if (auto r = FillGaps(humidity, year, source, names[kDewPoint], false)) return *r;
    if (auto r = FillGaps(wind, year, source, names[kWindSpeed], false)) return *r;
    if (auto r = FillGaps(irradiation, year, source, names[kGlobalIrradiation], true)) return *r;
    for (std::size_t i = 0; i < year.size(); ++i)
        if (humidity[i] > kZefirMaximumHumidityRatio || humidity[i] < 0)
            return OutOfRange(source.file, year[i].line, "humidity ratio", humidity[i], "kg/kg", 0,
                              kZefirMaximumHumidityRatio);

    WeatherYearRead result;
    result.format = std::move(format);
    result.timeZone = source.station.timeZone;
    const double longitudeWest = -source.station.longitude;
    result.meridian = StandardMeridianOf(longitudeWest);
    // Hours ahead of the meridian's time the source's clock stands.
    const double shift = source.station.timeZone + result.meridian / 15;
    ZefirContents& contents = result.contents;
    contents.stationName = source.station.name;
    contents.latitude = source.station.latitude;
    contents.longitude = longitudeWest;
    contents.days.resize(kDaysPerYear);
    for (int d = 0; d < kDaysPerYear; ++d) {
        ZefirDay& day = contents.days[static_cast<std::size_t>(d)];
        double albedoSum = 0;
        int albedoCount = 0;
        for (int h = 0; h < 24; ++h) {
            const int i = 24 * d + h;
            day.hours[static_cast<std::size_t>(h)] = {
                ShiftedValue(temperature, i, shift), ShiftedValue(humidity, i, shift),
                ShiftedValue(wind, i, shift),
                ShiftedValue(irradiation, i, shift) * kKilojoulesPerWattHour};
            const double a = ShiftedValue(albedo, i, shift);
            if (!std::isnan(a)) {
                albedoSum += a;
                ++albedoCount;
            }
        }
        day.groundReflectance =
            albedoCount > 0 ? albedoSum / albedoCount : kDefaultGroundReflectance;
    }
    return result;
}

// ---- The city file's name and its writing.

// `name` cut to the longest text of whole UTF-8 characters that the city list shows whole.
std::string CutName(std::string name) {
    constexpr std::size_t kLongest = kZefirStationNameLength - 1;
    if (name.size() <= kLongest) return name;
    std::size_t end = kLongest;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
    return name;
}

// The name with control characters turned into blanks and the blanks around it cut.
std::string CleanName(std::string name) {
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return CutName(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

// The file name of a city: its name with the characters that a file name cannot hold on any
// common system replaced.
std::string CityFileName(const std::string& name) {
    std::string file = name;
    for (char& c : file)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    return file + std::string(kCityExtension);
}

WeatherRefusal CannotWrite(const std::string& path, const std::string& reason) {
    return RefuseAt(WeatherRefusalKind::kCannotWrite, path, 0, {}, reason);
}

// Writes `bytes` beside `path` under a temporary name of its own, then gives it the name:
// over an existing file only when `replace`.
std::optional<WeatherRefusal> WriteWhole(const std::string& path, const std::string& bytes,
                                         bool replace) {
    std::random_device random;
    const std::string temporary =
        path + "." + std::to_string(random()) + std::string(kTemporarySuffix);
    std::FILE* out = std::fopen(temporary.c_str(), "wbx");
    if (out == nullptr)
        return CannotWrite(path, std::error_code(errno, std::generic_category()).message());
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    std::error_code error;
    if (!written || !closed) {
        fs::remove(temporary, error);
        return CannotWrite(
            path, std::error_code(written ? errno : writeError, std::generic_category()).message());
    }
    if (replace) {
        fs::rename(temporary, path, error);
    } else {
        // A link fails when the name is taken, so a file made meanwhile is never replaced.
        fs::create_hard_link(temporary, path, error);
        std::error_code ignored;
        if (error == std::errc::file_exists) {
            fs::remove(temporary, ignored);
            return RefuseAt(WeatherRefusalKind::kDestinationExists, path, 0);
        }
        if (!error) fs::remove(temporary, ignored);  // the file has its name: the link goes
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return CannotWrite(path, error.message());
    }
    return std::nullopt;
}

}  // namespace

std::variant<WeatherYearRead, WeatherRefusal> ReadWeatherYear(const std::string& path) {
    auto text = ReadWholeFile(path);
    if (auto* refusal = std::get_if<WeatherRefusal>(&text)) return *refusal;
    if (auto zefir = ReadWholeZefirFile(path)) {
        WeatherYearRead result;
        result.format = "ZEFIR";
        result.meridian = StandardMeridianOf(zefir->longitude);
        result.timeZone = -result.meridian / 15;
        result.contents = std::move(*zefir);
        return result;
    }
    std::string format;
    SourceRead source = ReadSourceText(std::get<std::string>(text), path, format);
    if (auto* refusal = std::get_if<WeatherRefusal>(&source)) return *refusal;
    return ConvertSource(std::move(std::get<SourceWeather>(source)), std::move(format));
}

std::variant<ImportedCity, WeatherRefusal> ImportWeatherFile(const std::string& source,
                                                             const std::string& destinationFolder,
                                                             const std::string& name,
                                                             bool replace) {
    auto converted = ReadWeatherYear(source);
    if (auto* refusal = std::get_if<WeatherRefusal>(&converted)) return *refusal;
    ZefirContents& contents = std::get<WeatherYearRead>(converted).contents;

    contents.stationName = CleanName(name.empty() ? contents.stationName : name);
    if (contents.stationName.empty() || contents.stationName == "." || contents.stationName == "..")
        return RefuseAt(WeatherRefusalKind::kBadName, source, 0, {},
                        name.empty() ? contents.stationName : name);
    const std::string path =
        (fs::path(destinationFolder) / CityFileName(contents.stationName)).string();
    std::error_code error;
    if (!replace && fs::exists(path, error))
        return RefuseAt(WeatherRefusalKind::kDestinationExists, path, 0);

    const std::optional<std::string> bytes = ZefirFileBytes(contents);
    if (!bytes) return CannotWrite(path, "a value does not fit the file's fields");
    fs::create_directories(destinationFolder, error);
    if (error) return CannotWrite(path, error.message());
    if (auto refusal = WriteWhole(path, *bytes, replace)) return *refusal;
    return ImportedCity{path, contents.stationName};
}

std::array<MonthWeather, 12> MonthlyWeather(const ZefirContents& contents) {
    std::array<MonthWeather, 12> months{};
    std::array<int, 12> hours{};
    for (std::size_t d = 0; d < contents.days.size(); ++d) {
        const int month = MonthOfDay(static_cast<int>(d) + 1, 0);
        if (month < 1 || month > 12) continue;
        MonthWeather& m = months[static_cast<std::size_t>(month - 1)];
        for (const ZefirHour& hour : contents.days[d].hours) {
            m.meanAirTemperature += hour.airTemperature;
            m.meanHumidityRatio += hour.humidityRatio;
            m.meanWindSpeed += hour.windSpeed;
            m.irradiation += hour.irradiation / kSecondsPerHour;  // kJ to kWh
            ++hours[static_cast<std::size_t>(month - 1)];
        }
    }
    for (std::size_t m = 0; m < 12; ++m) {
        if (hours[m] == 0) continue;
        months[m].meanAirTemperature /= hours[m];
        months[m].meanHumidityRatio /= hours[m];
        months[m].meanWindSpeed /= hours[m];
    }
    return months;
}
