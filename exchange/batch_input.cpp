// Reading the batch input file, and the rules that turn its values into project values.
#include "batch_input.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <system_error>

#include "files.h"
#include "helpers.h"
#include "input_ranges.h"

namespace {

// The limits of the file's values, in the file's units; the input dialogs check the same
// quantities against the same ranges.
constexpr double kNoUpperBound = 1e300;
constexpr BatchLimit kReferenceRunLimit{"reference-run flag", "indicateur de simulation comparative", "", 0, 1};
constexpr BatchLimit kPoolAreaLimit{"pool area", "surface de la piscine", "m2", kPoolSurfaceRange.min,
                                    kPoolSurfaceRange.max};
constexpr BatchLimit kShadingLimit{"shading", "ombrage", "%", 100 * kFractionRange.min,
                                   100 * kFractionRange.max};
constexpr BatchLimit kAirTemperatureLimit{"minimum air temperature", "température minimale de l'air", "C",
                                          -50, 50};
constexpr BatchLimit kMinPoolTemperatureLimit{"minimum pool temperature", "température minimale de la piscine",
                                              "C", kPoolTemperatureRange.min, kPoolTemperatureRange.max};
constexpr BatchLimit kMaxPoolTemperatureLimit{"maximum pool temperature", "température maximale de la piscine",
                                              "C", kPoolTemperatureRange.min, kPoolTemperatureRange.max};
constexpr BatchLimit kOpeningHourLimit{"opening hour", "heure d'ouverture", "h", 0, 24};
constexpr BatchLimit kClosingHourLimit{"closing hour", "heure de fermeture", "h", 0, 24};
constexpr BatchLimit kActivityLimit{"activity level", "niveau d'activité", "", 0, 2};
constexpr BatchLimit kMonthMaskLimit{"month mask", "masque des mois", "", 0, 4095};
constexpr BatchLimit kTestAreaLimit{"collector test area", "surface d'essai du capteur", "m2", 0,
                                    kPositiveQuantityRange.max, true};
constexpr BatchLimit kTestFlowLimit{"collector test flow rate", "débit d'essai du capteur", "kg/s", 0,
                                    kPositiveQuantityRange.max, true};
constexpr BatchLimit kInterceptLimit{"collector coefficient A", "coefficient A du capteur", "",
                                     kCollectorInterceptRange.min, kCollectorInterceptRange.max};
constexpr BatchLimit kLossCoefficientLimit{"collector coefficient", "coefficient du capteur", "",
                                           -kNoUpperBound, kNoUpperBound};
constexpr BatchLimit kCollectorCountLimit{"number of collectors", "nombre de capteurs", "",
                                          kCollectorCountRange.min, kCollectorCountRange.max};
constexpr BatchLimit kCollectorAreaLimit{"area per collector", "surface par capteur", "m2", 0,
                                         kPositiveQuantityRange.max, true};
constexpr BatchLimit kBankLimit{"number of banks", "nombre de rangées", "", kCollectorCountRange.min,
                                kCollectorCountRange.max};
constexpr BatchLimit kOrientationLimit{"orientation", "orientation", "", 0, 15};
constexpr BatchLimit kSlopeLimit{"slope", "pente", "degrees", kSlopeRange.min, kSlopeRange.max};
constexpr BatchLimit kTotalFlowLimit{"total flow", "débit total", "kg/s", 0, kPositiveQuantityRange.max, true};
constexpr BatchLimit kCapacityLimit{"heater capacity", "puissance du chauffage", "W", 0,
                                    kHeaterCapacityRange.max, true};
constexpr BatchLimit kEfficiencyLimit{"heater efficiency", "rendement du chauffage", "", 0,
                                      kHeaterEfficiencyRange.max / 100, true};
constexpr BatchLimit kCopLimit{"heat pump COP", "COP de la thermopompe", "", kHeaterEfficiencyRange.min,
                               kHeaterEfficiencyRange.max};
constexpr BatchLimit kBlanketPropertyLimit{"blanket property", "propriété de la couverture", "",
                                           kFractionRange.min, kFractionRange.max};
constexpr BatchLimit kBlanketInsulationLimit{"blanket insulation", "isolation de la couverture", "m2 K/W", 0,
                                             kNoUpperBound};

BatchInputResult Fault(BatchInputError error, int line, const std::string& text = {}) {
    BatchInputResult result;
    result.error = error;
    result.line = line;
    result.text = text;
    return result;
}

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

    // The next line without its line end and the blanks around it.
    bool TrimmedText(std::string& text) {
        if (!Text(text)) return false;
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) {
            text.clear();
            return true;
        }
        text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
        return true;
    }

    template <class T>
    bool Value(T& value) {
        if (!TrimmedText(text_) || text_.empty()) return false;
        const char* end = text_.data() + text_.size();
        T parsed{};
        const auto [stop, error] = std::from_chars(text_.data(), end, parsed);
        if (error != std::errc() || stop != end) return false;
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(parsed)) return false;
        }
        value = parsed;
        return true;
    }

    // A value that must also lie within `limit`; a value outside it is remembered as refused.
    template <class T>
    bool Value(T& value, const BatchLimit& limit) {
        if (!Value(value)) return false;
        if (limit.Accepts(static_cast<double>(value))) return true;
        refused_ = Fault(BatchInputError::kValueOutOfRange, line_, text_);
        refused_.limit = limit;
        return false;
    }

    // The first refusal, or kNone.
    const BatchInputResult& refused() const { return refused_; }
    void Refuse(BatchInputError error) { refused_ = Fault(error, line_, text_); }

  private:
    std::istream& in_;
    int line_ = 0;
    std::string text_;
    BatchInputResult refused_;
};

// A limit whose minimum is another value read before (a closing hour after its opening hour).
BatchLimit AtLeast(BatchLimit limit, double min) {
    limit.min = min;
    return limit;
}

bool ReadCollector(LineReader& r, BatchCollector& c) {
    return r.Value(c.type) && r.Value(c.testArea, kTestAreaLimit) &&
           r.Value(c.testFlowRate, kTestFlowLimit) && r.Value(c.a, kInterceptLimit) &&
           r.Value(c.b, kLossCoefficientLimit) && r.Value(c.c, kLossCoefficientLimit) &&
           r.Value(c.d, kLossCoefficientLimit) && r.Value(c.e, kLossCoefficientLimit) &&
           r.Value(c.collectorsPerBank, kCollectorCountLimit) &&
           r.Value(c.areaPerCollector, kCollectorAreaLimit) && r.Value(c.banks, kBankLimit) &&
           r.Value(c.orientation, kOrientationLimit) && r.Value(c.slope, kSlopeLimit) &&
           r.Value(c.totalFlow, kTotalFlowLimit);
}

bool ReadHeater(LineReader& r, BatchHeater& h) {
    return r.Value(h.type) &&
           r.Value(h.capacity, kCapacityLimit) &&
           r.Value(h.efficiency, h.type == 0 ? kEfficiencyLimit : kCopLimit) &&
           r.Value(h.monthMask, kMonthMaskLimit);
}

bool ReadBlanket(LineReader& r, BatchBlanket& b) {
    return r.Value(b.absorptivity, kBlanketPropertyLimit) &&
           r.Value(b.transmissivity, kBlanketPropertyLimit) &&
           r.Value(b.emissivity, kBlanketPropertyLimit) &&
           r.Value(b.longWaveTransmissivity, kBlanketPropertyLimit) &&
           r.Value(b.insulation, kBlanketInsulationLimit) && r.Value(b.monthMask, kMonthMaskLimit);
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

// The weather path, trimmed: it must be given, and fit in a file name.
bool ReadWeatherPath(LineReader& r, std::string& path) {
    if (!r.TrimmedText(path)) return false;
    if (path.empty()) r.Refuse(BatchInputError::kNoWeatherFile);
    if (path.size() > kMaxFileNameLength) r.Refuse(BatchInputError::kWeatherPathLength);
    return r.refused().error == BatchInputError::kNone;
}

bool ReadRest(LineReader& r, BatchInput& in) {
    return r.Value(in.referenceRun, kReferenceRunLimit) && ReadWeatherPath(r, in.weatherFile) &&
           r.Value(in.opensMonth) && r.Value(in.opensDay) && r.Value(in.closesMonth) &&
           r.Value(in.closesDay) && r.Value(in.poolArea, kPoolAreaLimit) &&
           r.Value(in.shading, kShadingLimit) &&
           r.Value(in.sunnyDayMinAirTemp, kAirTemperatureLimit) &&
           r.Value(in.cloudyDayMinAirTemp, kAirTemperatureLimit) &&
           r.Value(in.minPoolTemp, kMinPoolTemperatureLimit) &&
           r.Value(in.maxPoolTemp, AtLeast(kMaxPoolTemperatureLimit, in.minPoolTemp)) &&
           r.Value(in.weekdayOpen, kOpeningHourLimit) &&
           r.Value(in.weekdayClose, AtLeast(kClosingHourLimit, in.weekdayOpen)) &&
           r.Value(in.weekendOpen, kOpeningHourLimit) &&
           r.Value(in.weekendClose, AtLeast(kClosingHourLimit, in.weekendOpen)) &&
           r.Value(in.activityLevel, kActivityLimit) &&
           ReadOptional(r, in.hasCollector, in.collector, ReadCollector) &&
           ReadOptional(r, in.hasHeater, in.heater, ReadHeater) &&
           ReadOptional(r, in.hasBlanket, in.blanket, ReadBlanket);
}

}  // namespace

BatchInputResult ReadBatchInput(std::istream& in, BatchInput& input) {
    input = BatchInput();
    LineReader reader(in);
    if (!ReadValues(reader, input)) return Fault(BatchInputError::kUnreadableLine, reader.line());
    if (input.poolType < kResidentialInGround || input.poolType > kPublicIndoor)
        return Fault(BatchInputError::kPoolType, reader.line());
    if (!ReadRest(reader, input)) {
        if (reader.refused().error != BatchInputError::kNone) return reader.refused();
        return Fault(BatchInputError::kUnreadableLine, reader.line());
    }
    if (DayOfYear(input.opensMonth, input.opensDay, 0) == 0 ||
        DayOfYear(input.closesMonth, input.closesDay, 0) == 0)
        return Fault(BatchInputError::kSeasonDate, 0);
    if (!input.hasBlanket) input.blanket = BatchBlanket();
    return {};
}

std::string BatchLimit::RangeText(int language) const {
    const bool inFrench = language == 1;
    const std::string suffix = *unit != '\0' ? std::string(" ") + unit : "";
    char text[160];
    if (max >= kNoUpperBound)
        std::snprintf(text, sizeof text, "%s %g%s",
                      aboveMin ? (inFrench ? "supérieure à" : "above") : (inFrench ? "au moins" : "at least"),
                      min, suffix.c_str());
    else if (aboveMin)
        std::snprintf(text, sizeof text, inFrench ? "supérieure à %g, jusqu'à %g%s" : "above %g, up to %g%s",
                      min, max, suffix.c_str());
    else
        std::snprintf(text, sizeof text, inFrench ? "%g à %g%s" : "%g to %g%s", min, max, suffix.c_str());
    return text;
}

std::string BatchInputProblem(const BatchInputResult& result, int language) {
    const bool inFrench = language == 1;
    const std::string line =
        (inFrench ? "Ligne " : "Line ") + std::to_string(result.line) + (inFrench ? " de " : " of ") +
        std::string(kBatchInputFileName) + ": ";
    switch (result.error) {
        case BatchInputError::kValueOutOfRange:
            return line + (inFrench ? result.limit.french : result.limit.name) + " \"" + result.text +
                   "\"" + (inFrench ? " hors des limites permises (" : " is outside the allowed range (") +
                   result.limit.RangeText(language) + ").";
        case BatchInputError::kNoWeatherFile:
            return line + (inFrench ? "aucun fichier météo n'est donné." : "no weather file is given.");
        case BatchInputError::kWeatherPathLength:
            return line + (inFrench ? "le chemin du fichier météo dépasse " : "the weather file path is longer than ") +
                   std::to_string(kMaxFileNameLength) + (inFrench ? " octets." : " bytes.");
        default:
            return {};
    }
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
