// Reading the batch input file, and the rules that turn its values into project values.
#include "batch_input.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <system_error>

#include "files.h"
#include "helpers.h"

namespace {

// Reads the file line by line; each value must fill its line (blanks around it aside).
class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in) {}

    int line() const { return line_; }

    // The next line without its line end; false at the end of the file.
    bool Text(std::string& text) {
        ++line_;
        if (!std::getline(in_, text)) return false;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        return true;
    }

    template <class T>
    bool Value(T& value) {
        std::string text;
        if (!Text(text)) return false;
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) return false;
        const std::size_t last = text.find_last_not_of(" \t");
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        T parsed{};
        const auto [stop, error] = std::from_chars(begin, end, parsed);
        if (error != std::errc() || stop != end) return false;
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(parsed)) return false;
        }
        value = parsed;
        return true;
    }

  private:
    std::istream& in_;
    int line_ = 0;
};

bool ReadCollector(LineReader& r, BatchCollector& c) {
    return r.Value(c.type) && r.Value(c.testArea) && r.Value(c.testFlowRate) && r.Value(c.a) &&
           r.Value(c.b) && r.Value(c.c) && r.Value(c.d) && r.Value(c.e) &&
           r.Value(c.collectorsPerBank) && r.Value(c.areaPerCollector) && r.Value(c.banks) &&
           r.Value(c.orientation) && r.Value(c.slope) && r.Value(c.totalFlow);
}

bool ReadHeater(LineReader& r, BatchHeater& h) {
    return r.Value(h.type) && r.Value(h.capacity) && r.Value(h.efficiency) && r.Value(h.monthMask);
}

bool ReadBlanket(LineReader& r, BatchBlanket& b) {
    return r.Value(b.absorptivity) && r.Value(b.transmissivity) && r.Value(b.emissivity) &&
           r.Value(b.longWaveTransmissivity) && r.Value(b.insulation) && r.Value(b.monthMask);
}

// Reads a selector line and, when it is not 0, the block that follows it.
template <class Block, class ReadBlock>
bool ReadOptional(LineReader& r, bool& present, Block& block, ReadBlock read) {
    int selector = 0;
    if (!r.Value(selector)) return false;
    present = selector != 0;
    return !present || read(r, block);
}

bool ReadValues(LineReader& r, BatchInput& in) {
    std::string text;
    for (int i = 0; i < 3; ++i)
        if (!r.Text(text)) return false;  // run id, creation time, comments
    return r.Value(in.poolType);
}

bool ReadRest(LineReader& r, BatchInput& in) {
    if (!r.Value(in.referenceRun)) return false;
    if (!r.Text(in.weatherFile) || in.weatherFile.size() > kMaxFileNameLength) return false;
    return r.Value(in.opensMonth) && r.Value(in.opensDay) && r.Value(in.closesMonth) &&
           r.Value(in.closesDay) && r.Value(in.poolArea) && r.Value(in.shading) &&
           r.Value(in.sunnyDayMinAirTemp) && r.Value(in.cloudyDayMinAirTemp) &&
           r.Value(in.minPoolTemp) && r.Value(in.maxPoolTemp) && r.Value(in.weekdayOpen) &&
           r.Value(in.weekdayClose) && r.Value(in.weekendOpen) && r.Value(in.weekendClose) &&
           r.Value(in.activityLevel) &&
           ReadOptional(r, in.hasCollector, in.collector, ReadCollector) &&
           ReadOptional(r, in.hasHeater, in.heater, ReadHeater) &&
           ReadOptional(r, in.hasBlanket, in.blanket, ReadBlanket);
}

}  // namespace

BatchInputResult ReadBatchInput(std::istream& in, BatchInput& input) {
    input = BatchInput();
    LineReader reader(in);
    if (!ReadValues(reader, input)) return {BatchInputError::kUnreadableLine, reader.line()};
    if (input.poolType < kResidentialInGround || input.poolType > kPublicIndoor)
        return {BatchInputError::kPoolType, reader.line()};
    if (!ReadRest(reader, input)) return {BatchInputError::kUnreadableLine, reader.line()};
    if (DayOfYear(input.opensMonth, input.opensDay, 0) == 0 ||
        DayOfYear(input.closesMonth, input.closesDay, 0) == 0)
        return {BatchInputError::kSeasonDate, 0};
    if (input.hasCollector && !(input.collector.testArea > 0 && input.collector.testFlowRate > 0))
        return {BatchInputError::kCollectorTest, 0};
    if (!input.hasBlanket) input.blanket = BatchBlanket();
    return {};
}

void MonthMaskToFlags(double flags[12], int mask) {
    for (int month = 1; month <= 12; ++month)
        flags[month - 1] = (mask >> (12 - month)) & 1 ? 1.0 : 0.0;
}

double OrientationToAzimuth(double orientation) {
    double azimuth = (90.0 - 22.5 * orientation) * kRadiansPerDegree;
    if (azimuth < -std::numbers::pi) azimuth += 2 * std::numbers::pi;
    return azimuth;
}

double PoolVolume(int poolType, double area) {
    return area * (poolType == kPublicIndoor ? 1.9 : 1.5);
}

int SeasonDays(int startDay, int endDay) {
    int days = endDay - startDay + 1;
    while (days <= 0) days += 365;
    return days;
}
