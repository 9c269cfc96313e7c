#include "zefir_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "helpers.h"
#include "physical_constants.h"
#include "weather.h"

namespace {

// The header's fixed bytes: a leading number, two code characters, a closing number.
constexpr int kLeadingNumber = 1;
constexpr char kCode[] = "QC";
constexpr int kClosingNumber = -5;

bool FitsInt16(long v) {
    return v >= INT16_MIN && v <= INT16_MAX;
}

void PutInt16(std::string& bytes, std::size_t offset, int value) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    bytes[offset] = static_cast<char>(v & 0xFF);
    bytes[offset + 1] = static_cast<char>(v >> 8);
}

// `value` rounded to `unit`, as a 16-bit field at `offset`; false when it does not fit.
bool PutScaled(std::string& bytes, std::size_t offset, double value, double unitsPerValue) {
    const double scaled = std::round(value * unitsPerValue);
    if (!std::isfinite(scaled) || !FitsInt16(static_cast<long>(scaled))) return false;
    PutInt16(bytes, offset, static_cast<int>(scaled));
    return true;
}

// "<letter> <degrees> <minutes> " of |value| in whole minutes, `width` bytes in all.
bool PutDegreesMinutes(std::string& bytes, std::size_t offset, std::size_t width, double value,
                       char positive, char negative) {
    if (!std::isfinite(value)) return false;
    const long minutes = std::lround(std::fabs(value) * 60.0);
    char text[32];
    const int numbersWidth = static_cast<int>(width) - 3;
    const int n =
        std::snprintf(text, sizeof text, "%c %*ld %02ld ", value < 0 ? negative : positive,
                      numbersWidth - 3, minutes / 60, minutes % 60);
    if (n != static_cast<int>(width)) return false;
    bytes.replace(offset, width, text);
    return true;
}

}  // namespace

std::optional<std::string> ZefirFileBytes(const ZefirContents& contents) {
    const std::string& name = contents.stationName;
    if (name.size() > kZefirStationNameLength || name.find('\0') != std::string::npos)
        return std::nullopt;
    std::string bytes(ZEFIRFileReader::kHeaderSize, '\0');
    PutInt16(bytes, 0, kLeadingNumber);
    bytes.replace(2, name.size(), name);
    bytes.replace(102, 2, kCode);
    if (!PutDegreesMinutes(bytes, 104, 8, contents.latitude, 'N', 'S') ||
        !PutDegreesMinutes(bytes, 112, 12, contents.longitude, 'W', 'E'))
        return std::nullopt;
    PutInt16(bytes, 124, kClosingNumber);

    std::string record(ZEFIRFileReader::kRecordSize, '\0');
    for (const ZefirDay& day : contents.days) {
        if (!PutScaled(record, 0, day.groundReflectance, 10)) return std::nullopt;
        for (std::size_t h = 0; h < day.hours.size(); ++h) {
            const ZefirHour& hour = day.hours[h];
            const std::size_t at = 2 + 8 * h;
            if (!PutScaled(record, at, hour.airTemperature, 10) ||
                !PutScaled(record, at + 2, hour.humidityRatio, 1e6) ||
                !PutScaled(record, at + 4, hour.windSpeed, 10) ||
                !PutScaled(record, at + 6, hour.irradiation, 1))
                return std::nullopt;
        }
        bytes += record;
    }
    return bytes;
}

std::optional<ZefirStation> ReadWholeZefirStation(const std::string& path) {
    constexpr std::uintmax_t kWholeSize =
        ZEFIRFileReader::kHeaderSize + kDaysPerYear * ZEFIRFileReader::kRecordSize;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) != kWholeSize || error)
        return std::nullopt;
    int day = 1;
    int hour = 1;
    ZEFIRFileReader reader(&day, &hour, path.c_str());
    if (reader.Open() != kOk) return std::nullopt;
    return ZefirStation{reader.GetStationName(), reader.GetLatitude(), reader.GetLongitude()};
}

std::optional<ZefirContents> ReadWholeZefirFile(const std::string& path) {
    const std::optional<ZefirStation> station = ReadWholeZefirStation(path);
    if (!station) return std::nullopt;
    int day = 1;
    int hour = 1;
    ZEFIRFileReader reader(&day, &hour, path.c_str());
    ZefirContents contents{station->name, station->latitude, station->longitude,
                           std::vector<ZefirDay>(kDaysPerYear)};
    for (day = 1; day <= kDaysPerYear; ++day) {
        ZefirDay& values = contents.days[static_cast<std::size_t>(day - 1)];
        for (hour = 1; hour <= 24; ++hour) {
            if (reader.Compute() != kOk) return std::nullopt;
            values.groundReflectance = reader.groundReflectance;
            values.hours[static_cast<std::size_t>(hour - 1)] = {
                reader.airTemperature, reader.humidityRatio, reader.windSpeed,
                reader.globalIrradiance * kSecondsPerHour / 1000};
        }
    }
    return contents;
}
