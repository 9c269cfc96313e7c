#include "weather_check.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "document.h"
#include "messages.h"
#include "run_messages.h"
#include "simulator_strings.h"
#include "sun.h"
#include "user_interface.h"
#include "weather.h"

namespace {

constexpr int kDaysPerYear = 365;
constexpr int kHoursPerDay = 24;
constexpr double kMaxLatitude = 90;    // degrees
constexpr double kMaxLongitude = 180;  // degrees

// The day of year of the period's day `dayCount` (from 0), as the run counts it.
int PeriodDay(int startDay, int dayCount) {
    return ((startDay + dayCount - 1) % kDaysPerYear + kDaysPerYear) % kDaysPerYear + 1;
}

// The values of one hour that the check bounds; a humidity that a format does not hold is
// nothing.
struct HourValues {
    double irradiance = 0;                   // W/m2, horizontal
    double windSpeed = 0;                    // m/s
    std::optional<double> relativeHumidity;  // fraction
    std::optional<double> humidityRatio;     // kg/kg
};

// The message on the first value of the hour that cannot occur; nothing when all can. No
// hour's irradiance exceeds the solar constant corrected for the day's sun-earth distance.
std::optional<std::string> ImpossibleValue(const std::string& file, int day, int hour,
                                           const HourValues& v) {
    if (v.windSpeed < 0)
        return FormatResString(kStrWeatherNegativeWind, file, day, hour, v.windSpeed);
    const double maxIrradiance = ExtraterrestrialNormal(day);
    if (v.irradiance < 0 || v.irradiance > maxIrradiance)
        return FormatResString(kStrWeatherIrradianceOutOfRange, file, day, hour, v.irradiance,
                               maxIrradiance);
    if (v.relativeHumidity && (*v.relativeHumidity < 0 || *v.relativeHumidity > 1))
        return FormatResString(kStrWeatherHumidityOutOfRange, file, day, hour,
                               *v.relativeHumidity * 100);
    if (v.humidityRatio && *v.humidityRatio < 0)
        return FormatResString(kStrWeatherNegativeHumidityRatio, file, day, hour, *v.humidityRatio);
    return std::nullopt;
}

// Opens the reader (which reads the header); shows the run's usual message on failure.
int OpenReader(FileReader& reader) {
    const int result = reader.Open();
    if (result != 0) ShowWeatherOpenFailure(&reader);
    return result;
}

// Shows a latitude or longitude outside +-`limit` degrees; true when in range.
bool LocationInRange(const std::string& file, int messageId, double degrees, double limit) {
    if (degrees >= -limit && degrees <= limit) return true;
    ShowMessage(FormatResString(messageId, file, degrees));
    return false;
}

// Reads every hour of the period through `reader` (whose day and hour inputs are `day` and
// `hour`) and bounds its values; 0, or 4 after the message.
template <class Reader, class Values>
int CheckPeriod(const CTidewarmDoc& doc, const std::string& file, Reader& reader, int& day,
                int& hour, Values values) {
    const int days = std::min(doc.NumDays, kDaysPerYear);
    for (int count = 0; count < days; ++count) {
        day = PeriodDay(doc.StartDay, count);
        for (hour = 1; hour <= kHoursPerDay; ++hour) {
            if (reader.Compute() != 0) {
                ShowMessage(FormatResString(kStrWeatherDayUnreadable, file, day, hour,
                                            std::string(ErrorMessageBuffer())));
                return kDomain;
            }
            if (const auto message = ImpossibleValue(file, day, hour, values(reader))) {
                ShowMessage(*message);
                return kDomain;
            }
        }
    }
    return 0;
}

int CheckTmyFile(const CTidewarmDoc& doc) {
    const char* name = doc.tmyReader.GetFileName();
    int day = 1, hour = 1;
    KTMYFileReader reader(&day, &hour, name);
    if (const int result = OpenReader(reader); result != 0) return result;
    const std::string file = name;
    if (!LocationInRange(file, kStrWeatherLatitudeOutOfRange, reader.GetLatitude(), kMaxLatitude))
        return kDomain;
    return CheckPeriod(doc, file, reader, day, hour, [](const KTMYFileReader& r) {
        return HourValues{r.globalIrradiance, r.windSpeed, r.relativeHumidity, std::nullopt};
    });
}

int CheckZefirFile(const CTidewarmDoc& doc) {
    const char* name = doc.binaryWeatherReader.GetFileName();
    int day = 1, hour = 1;
    ZEFIRFileReader reader(&day, &hour, name);
    if (const int result = OpenReader(reader); result != 0) return result;
    const std::string file = name;

    constexpr std::uintmax_t kYearSize =
        ZEFIRFileReader::kHeaderSize + std::uintmax_t{kDaysPerYear} * ZEFIRFileReader::kRecordSize;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < kYearSize) {
        ShowMessage(FormatResString(kStrWeatherFileTooShort, file,
                                    static_cast<long long>(error ? 0 : size),
                                    static_cast<long long>(kYearSize)));
        return kDomain;
    }
    if (!LocationInRange(file, kStrWeatherLatitudeOutOfRange, reader.GetLatitude(), kMaxLatitude) ||
        !LocationInRange(file, kStrWeatherLongitudeOutOfRange, reader.GetLongitude(),
                         kMaxLongitude))
        return kDomain;
    return CheckPeriod(doc, file, reader, day, hour, [](const ZEFIRFileReader& r) {
        return HourValues{r.globalIrradiance, r.windSpeed, std::nullopt, r.humidityRatio};
    });
}

}  // namespace

int CheckWeatherFile(const CTidewarmDoc& doc) {
    switch (doc.WeatherSource) {
        case kWeatherTMY:
            return CheckTmyFile(doc);
        case kWeatherBinary:
            return CheckZefirFile(doc);
        default:
            return 0;
    }
}
