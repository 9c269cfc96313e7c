// KTMYFileReader: hourly weather of a fixed-column Korvex TMY text file.
//
// Header: 7 ignored characters, the 16-character station name and the latitude. Then four lines
// per day: day number, ground reflectance and 24 temperatures; 24 irradiances; 24 wind speeds;
// 24 relative humidities. Each field is read from its own columns only.
#include <cstring>

#include "physical_constants.h"
#include "text_encoding.h"
#include "weather.h"

namespace {

// Longest line read; the data lie in the first 96 columns, anything after them is ignored.
constexpr std::size_t kMaxLine = 4096;

// Columns of the field of `hour` (1..24) on line 1 and on lines 2 to 4.
std::string_view TemperatureField(const std::string& line, int hour) {
    return std::string_view(line).substr(3 * hour + 21, 3);
}
std::string_view HourField(const std::string& line, int hour) {
    return std::string_view(line).substr(4 * hour - 4, 4);
}

}  // namespace

KTMYFileReader::KTMYFileReader(int* day, int* hour, const char* fileName) {
    KTMYFileReader::Reset();
    SetInputs(day, hour);
    SetFileName(fileName);
}

void KTMYFileReader::Reset() {
    FileReader::Reset();
    airTemperature = globalIrradiance = relativeHumidity = windSpeed = groundReflectance = 0;
    day_ = hour_ = nullptr;
    stationName_.clear();
    latitude_ = 0;
    currentDay_ = 0;
    dayValue_ = 0;
    temperature_.fill(0);
    irradiance_.fill(0);
    humidity_.fill(0);
    wind_.fill(0);
}

int KTMYFileReader::SetInputs(int* day, int* hour) {
    day_ = day;
    hour_ = hour;
    return Check();
}

int KTMYFileReader::Check() {
    currentDay_ = 0;
    if (day_ == nullptr || hour_ == nullptr) return FatalError(0);
    return SolarBase::Check();
}

int KTMYFileReader::ReadHeader() {
    if (file_ == nullptr) return kFatal;
    std::string line;
    if (ReadTextLine(file_, line, kMaxLine) != LineRead::kOk) return kDomain;
    std::size_t i = 7;
    if (line.size() < i) return kDomain;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (line.size() < i + kStationNameLength) return kDomain;
    const std::string name = line.substr(i, kStationNameLength);
    double latitude = 0;
    if (!ParseCNumber(std::string_view(line).substr(i + kStationNameLength), latitude))
        return kDomain;
    stationName_ = NameAsUtf8(name);
    latitude_ = latitude;
    return kOk;
}

int KTMYFileReader::ReadLine(int day) {
    const LineRead result = ReadTextLine(file_, line_, kMaxLine);
    if (result == LineRead::kEnd) return kDomain;
    if (result == LineRead::kTooLong || line_.size() < static_cast<std::size_t>(kLineLength))
        return DomainError(0x101, {day});
    return kOk;
}

int KTMYFileReader::ReadDayLines(int day) {
    if (ReadLine(day) != kOk) return DomainError(0x100, {day});
    // Day number and reflectance lie before the first temperature column.
    const std::string head = line_.substr(0, 24);
    int dayRead = 0;
    double value = 0;
    std::size_t numberEnd = 0;
    if (!ParseDecimalInt(head, dayRead, &numberEnd) ||
        !ParseCNumber(std::string_view(head).substr(numberEnd), value))
        return DomainError(0x105, {day});
    if (dayRead != day) return DomainError(0x106, {day, dayRead});
    for (int h = 24; h >= 1; --h)
        if (!ParseDecimalInt(TemperatureField(line_, h), temperature_[h]))
            return DomainError(0x107, {h, day});

    struct Row {
        std::array<int, 25>* values;
        int code;
    };
    const Row rows[] = {{&irradiance_, 0x108}, {&wind_, 0x109}, {&humidity_, 0x10A}};
    for (const Row& row : rows) {
        if (ReadLine(day) != kOk) return DomainError(0x100, {day});
        for (int h = 24; h >= 1; --h) {
            if (ParseDecimalInt(HourField(line_, h), (*row.values)[h])) continue;
            if (row.code == 0x109) return DomainError(row.code, {day});
            return DomainError(row.code, {h, day});
        }
    }
    dayValue_ = value;
    return kOk;
}

int KTMYFileReader::Compute() {
    if (status_ != kReady) return status_;
    const int day = *day_;
    const int hour = *hour_;
    if (const int result = StartDayStep(day, hour); result != kOk) return result;

    if (day != currentDay_) {
        currentDay_ = 0;  // the day arrays are about to change
        const auto skipDay = [this](int skipped) {
            for (int i = 1; i <= 4; ++i)
                if (ReadLine(skipped) != kOk) return DomainError(0x104, {i, skipped});
            return static_cast<int>(kOk);
        };
        if (const int result = MoveBeforeDay(day, skipDay); result != kOk) return result;
        if (const int result = ReadDayLines(day); result != kOk) {
            position_ = -1;
            return result;
        }
        position_ = day;
        currentDay_ = day;
    }

    groundReflectance = dayValue_;
    airTemperature = temperature_[hour];
    globalIrradiance = irradiance_[hour];
    windSpeed = wind_[hour] / kKilometresPerHourPerMetrePerSecond;
    relativeHumidity = humidity_[hour] / 100.0;
    return status_;
}
