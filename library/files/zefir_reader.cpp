// ZEFIRFileReader: hourly weather of a binary ZEFIR file.
//
// A 126-byte header (station name, latitude, longitude) and 365 day records of 194 bytes: the
// day's ground reflectance, then per hour temperature, humidity ratio, wind and irradiation.
// Every number is a signed 16-bit little-endian integer.
#include <cctype>

#include "physical_constants.h"
#include "text_encoding.h"
#include "weather.h"

namespace {

// An hour's irradiation in kJ/m2 is its mean irradiance in W/m2 times 3.6.
constexpr double kWattsPerKilojoulePerHour = 1000.0 / kSecondsPerHour;

int Int16At(const unsigned char* bytes) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

// Degrees and minutes as two white-space separated integers; false unless both read.
bool ParseDegreesMinutes(const unsigned char* bytes, std::size_t size, double& value) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    int degrees = 0;
    int minutes = 0;
    std::size_t used = 0;
    if (!ParseDecimalInt(text, degrees, &used)) return false;
    if (!ParseDecimalInt(text.substr(used), minutes)) return false;
    value = degrees + minutes / 60.0;
    return true;
}

}  // namespace

ZEFIRFileReader::ZEFIRFileReader(int* day, int* hour, const char* fileName) {
    ZEFIRFileReader::Reset();
    SetInputs(day, hour);
    SetFileName(fileName);
}

void ZEFIRFileReader::Reset() {
    FileReader::Reset();
    airTemperature = globalIrradiance = humidityRatio = windSpeed = groundReflectance = 0;
    day_ = hour_ = nullptr;
    stationName_.clear();
    code_.clear();
    latitude_ = longitude_ = headerNumber_ = 0;
    currentDay_ = 0;
    record_ = DayRecord();
}

int ZEFIRFileReader::SetInputs(int* day, int* hour) {
    day_ = day;
    hour_ = hour;
    return Check();
}

int ZEFIRFileReader::Check() {
    currentDay_ = 0;
    if (day_ == nullptr || hour_ == nullptr) return FatalError(0);
    return FileIO::Check();
}

int ZEFIRFileReader::Open() {
    return OpenFile("rb");
}

int ZEFIRFileReader::ReadHeader() {
    if (file_ == nullptr) return kFatal;
    unsigned char header[kHeaderSize];
    if (std::fread(header, 1, sizeof header, file_) != sizeof header) return kDomain;

    double latitude = 0;
    double longitude = 0;
    if (!ParseDegreesMinutes(header + 106, 5, latitude)) return kDomain;
    if (!ParseDegreesMinutes(header + 114, 9, longitude)) return kDomain;
    if (std::toupper(header[104]) == 'S') latitude = -latitude;
    if (std::toupper(header[112]) == 'E') longitude = -longitude;

    const char* name = reinterpret_cast<const char*>(header + 2);
    std::size_t length = 0;
    while (length < kStationNameSize - 1 && name[length] != '\0') ++length;
    stationName_ = NameAsUtf8(std::string_view(name, length));
    code_.clear();
    for (int i = 102; i < 104 && header[i] != '\0'; ++i) code_ += static_cast<char>(header[i]);
    latitude_ = latitude;
    longitude_ = longitude;
    headerNumber_ = Int16At(header + 124);
    return kOk;
}

int ZEFIRFileReader::ReadDay() {
    currentDay_ = 0;  // the buffer no longer holds the day it held
    const int result = ReadRecord();
    if (result != kOk)
        position_ = -1;
    else if (position_ >= 0)
        ++position_;
    return result;
}

int ZEFIRFileReader::ReadRecord() {
    if (file_ == nullptr) return kFatal;
    unsigned char bytes[kRecordSize];
    if (std::fread(bytes, 1, sizeof bytes, file_) != sizeof bytes) return kDomain;
    DayRecord record;
    record.dayValue = Int16At(bytes);
    for (int h = 1; h <= 24; ++h) {
        const unsigned char* hour = bytes + 2 + 8 * (h - 1);
        record.temperature[h] = Int16At(hour);
        record.humidity[h] = Int16At(hour + 2);
        record.wind[h] = Int16At(hour + 4);
        const int irradiation = Int16At(hour + 6);
        record.irradiation[h] = irradiation < 1 ? 0 : irradiation;
    }
    record_ = record;
    return kOk;
}

int ZEFIRFileReader::Compute() {
    if (status_ != kReady) return status_;
    const int day = *day_;
    const int hour = *hour_;
    if (const int result = StartDayStep(day, hour); result != kOk) return result;

    if (day != currentDay_) {
        currentDay_ = 0;  // the day buffer is about to change
        const auto readDay = [this](int d) {
            // Each record goes through ReadDay; the walk to the day keeps the count itself.
            const int position = position_;
            const int result = ReadDay();
            position_ = position;
            return result == kOk ? static_cast<int>(kOk) : DomainError(0x104, {d});
        };
        if (const int result = MoveBeforeDay(day, readDay); result != kOk) return result;
        if (const int result = readDay(day); result != kOk) {
            position_ = -1;
            return result;
        }
        position_ = day;
        currentDay_ = day;
    }

    groundReflectance = record_.dayValue / 10.0;
    airTemperature = record_.temperature[hour] / 10.0;
    globalIrradiance = record_.irradiation[hour] * kWattsPerKilojoulePerHour;
    windSpeed = record_.wind[hour] / 10.0;
    humidityRatio = record_.humidity[hour] / 1000000.0;
    return status_;
}
