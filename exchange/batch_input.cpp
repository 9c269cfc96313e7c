// Reading the batch input file, and the rules that turn its values into project values.
#include "batch_input.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <sstream>
#include <system_error>

#include "data_folder_files.h"
#include "files.h"
#include "helpers.h"
#include "input_ranges.h"
#include "number_text.h"

namespace {

// The limits of the file's values, in the file's units; the input dialogs check the same
// quantities against the same ranges.
constexpr double kNoUpperBound = 1e300;
constexpr BatchLimit kReferenceRunLimit{"reference-run flag",
                                        "indicateur de simulation comparative", "", 0, 1};
constexpr BatchLimit kPoolAreaLimit{"pool area", "surface de la piscine", "m2",
                                    kPoolSurfaceRange.min, kPoolSurfaceRange.max};
constexpr BatchLimit kShadingLimit{"shading", "ombrage", "%", 100 * kFractionRange.min,
                                   100 * kFractionRange.max};
constexpr BatchLimit kAirTemperatureLimit{"minimum air temperature",
                                          "température minimale de l'air", "C", -50, 50};
constexpr BatchLimit kMinPoolTemperatureLimit{"minimum pool temperature",
                                              "température minimale de la piscine", "C",
                                              kPoolTemperatureRange.min, kPoolTemperatureRange.max};
constexpr BatchLimit kMaxPoolTemperatureLimit{"maximum pool temperature",
                                              "température maximale de la piscine", "C",
                                              kPoolTemperatureRange.min, kPoolTemperatureRange.max};
constexpr BatchLimit kOpeningHourLimit{"opening hour", "heure d'ouverture", "h",
                                       kSwimmingHourRange.min, kSwimmingHourRange.max};
constexpr BatchLimit kClosingHourLimit{"closing hour", "heure de fermeture", "h",
                                       kSwimmingHourRange.min, kSwimmingHourRange.max};
constexpr BatchLimit kActivityLimit{"activity level", "niveau d'activité", "", 0, 2};
constexpr BatchLimit kMonthMaskLimit{"month mask", "masque des mois", "", 0, 4095};
constexpr BatchLimit kTestAreaLimit{
    "collector test area", "surface de test du capteur", "m2", 0, kPositiveQuantityRange.max, true};
constexpr BatchLimit kTestFlowLimit{"collector test flow rate",
                                    "débit de test du capteur",
                                    "kg/s",
                                    0,
                                    kPositiveQuantityRange.max,
                                    true};
constexpr BatchLimit kInterceptLimit{"collector coefficient A", "coefficient A du capteur", "",
                                     kCollectorInterceptRange.min, kCollectorInterceptRange.max};
constexpr BatchLimit kLossCoefficientLimit{"collector coefficient", "coefficient du capteur", "",
                                           -kNoUpperBound, kNoUpperBound};
constexpr BatchLimit kGlazedBLimit{
    "glazed collector coefficient B", "coefficient B du capteur vitré", "1/C",
    kGlazedTemperatureSlopeRange.min, kGlazedTemperatureSlopeRange.max};
constexpr BatchLimit kGlazedCLimit{"glazed collector coefficient C",
                                   "coefficient C du capteur vitré", "W/m2/C",
                                   kGlazedHeatLossRange.min, kGlazedHeatLossRange.max};
constexpr BatchLimit kGlazedDLimit{"glazed collector coefficient D",
                                   "coefficient D du capteur vitré", "W/m2/C2",
                                   kGlazedHeatLossSlopeRange.min, kGlazedHeatLossSlopeRange.max};
constexpr BatchLimit kCollectorCountLimit{"number of collectors", "nombre de capteurs", "",
                                          kCollectorCountRange.min, kCollectorCountRange.max};
constexpr BatchLimit kCollectorAreaLimit{
    "area per collector", "surface d'un capteur", "m2", 0, kPositiveQuantityRange.max, true};
constexpr BatchLimit kBankLimit{"number of banks", "nombre de batteries", "",
                                kCollectorCountRange.min, kCollectorCountRange.max};
constexpr BatchLimit kOrientationLimit{"orientation", "orientation", "", 0, 15};
constexpr BatchLimit kSlopeLimit{"slope", "inclinaison", "degrees", kSlopeRange.min,
                                 kSlopeRange.max};
constexpr BatchLimit kTotalFlowLimit{
    "total flow", "débit total", "kg/s", 0, kPositiveQuantityRange.max, true};
constexpr BatchLimit kCapacityLimit{
    "heater capacity", "puissance du chauffage", "W", 0, kHeaterCapacityRange.max, true};
constexpr BatchLimit kEfficiencyLimit{
    "heater efficiency", "efficacité du chauffage", "", 0, kHeaterEfficiencyRange.max / 100, true};
constexpr BatchLimit kCopLimit{"heat pump COP", "COP de la pompe à chaleur", "",
                               kHeaterEfficiencyRange.min, kHeaterEfficiencyRange.max};
constexpr BatchLimit kBlanketPropertyLimit{"blanket property", "propriété de la couverture", "",
                                           kFractionRange.min, kFractionRange.max};
constexpr BatchLimit kBlanketInsulationLimit{"blanket insulation", "isolation de la couverture",
                                             "m2 K/W", 0, kNoUpperBound};

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

    int Line() const { return line_; }

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
    const BatchInputResult& Refused() const { return refused_; }
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

// A limit whose maximum comes from another value read before (what a blanket lets through of a
// band after what it absorbs of it).
BatchLimit AtMost(BatchLimit limit, double max) {
    limit.max = std::min(limit.max, max);
    return limit;
}

// The file's lines after the pool type, in their order, each with its limit: the one
// description of the format that both the reader and the writer go through. `lines` handles one
// line a call (Int, Real, Path, Selector) and returns false to stop.
template <class Lines>
bool CollectorLines(Lines& lines, BatchCollector& c) {
    if (!lines.Int(c.type)) return false;
    const bool glazed = c.Kind() == CollectorKind::Glazed;
    return lines.Real(c.testArea, kTestAreaLimit) && lines.Real(c.testFlowRate, kTestFlowLimit) &&
           lines.Real(c.a, kInterceptLimit) &&
           lines.Real(c.b, glazed ? kGlazedBLimit : kLossCoefficientLimit) &&
           lines.Real(c.c, glazed ? kGlazedCLimit : kLossCoefficientLimit) &&
           lines.Real(c.d, glazed ? kGlazedDLimit : kLossCoefficientLimit) &&
           lines.Real(c.e, kLossCoefficientLimit) &&
           lines.Real(c.collectorsPerBank, kCollectorCountLimit) &&
           lines.Real(c.areaPerCollector, kCollectorAreaLimit) && lines.Int(c.banks, kBankLimit) &&
           lines.Real(c.orientation, kOrientationLimit) && lines.Real(c.slope, kSlopeLimit) &&
           lines.Real(c.totalFlow, kTotalFlowLimit);
}

template <class Lines>
bool HeaterLines(Lines& lines, BatchHeater& h) {
    return lines.Int(h.type) && lines.Real(h.capacity, kCapacityLimit) &&
           lines.Real(h.efficiency, h.Kind() == HeaterKind::Fuel ? kEfficiencyLimit : kCopLimit) &&
           lines.Int(h.monthMask, kMonthMaskLimit);
}

template <class Lines>
bool BlanketLines(Lines& lines, BatchBlanket& b) {
    return lines.Real(b.absorptivity, kBlanketPropertyLimit) &&
           lines.Real(b.transmissivity,
                      AtMost(kBlanketPropertyLimit, MostPassed(b.absorptivity))) &&
           lines.Real(b.emissivity, kBlanketPropertyLimit) &&
           lines.Real(b.longWaveTransmissivity,
                      AtMost(kBlanketPropertyLimit, MostPassed(b.emissivity))) &&
           lines.Real(b.insulation, kBlanketInsulationLimit) &&
           lines.Int(b.monthMask, kMonthMaskLimit);
}

// A selector line and, when it is not 0, the block that follows it.
template <class Lines, class Block, class BlockLines>
bool OptionalLines(Lines& lines, int& selector, Block& block, BlockLines blockLines) {
    return lines.Int(selector) && (selector == 0 || blockLines(lines, block));
}

template <class Lines>
bool RunLines(Lines& lines, BatchInput& in) {
    return lines.Int(in.referenceRun, kReferenceRunLimit) && lines.Path(in.weatherFile) &&
           lines.Int(in.opensMonth) && lines.Int(in.opensDay) && lines.Int(in.closesMonth) &&
           lines.Int(in.closesDay) && lines.Real(in.poolArea, kPoolAreaLimit) &&
           lines.Real(in.shading, kShadingLimit) &&
           lines.Real(in.sunnyDayMinAirTemp, kAirTemperatureLimit) &&
           lines.Real(in.cloudyDayMinAirTemp, kAirTemperatureLimit) &&
           lines.Real(in.minPoolTemp, kMinPoolTemperatureLimit) &&
           lines.Real(in.maxPoolTemp, AtLeast(kMaxPoolTemperatureLimit, in.minPoolTemp)) &&
           lines.Int(in.weekdayOpen, kOpeningHourLimit) &&
           lines.Int(in.weekdayClose, AtLeast(kClosingHourLimit, in.weekdayOpen)) &&
           lines.Int(in.weekendOpen, kOpeningHourLimit) &&
           lines.Int(in.weekendClose, AtLeast(kClosingHourLimit, in.weekendOpen)) &&
           lines.Int(in.activityLevel, kActivityLimit) &&
           OptionalLines(lines, in.collectorSelector, in.collector, CollectorLines<Lines>) &&
           OptionalLines(lines, in.heaterSelector, in.heater, HeaterLines<Lines>) &&
           OptionalLines(lines, in.blanketSelector, in.blanket, BlanketLines<Lines>);
}

// Reads the lines into a batch input.
class LineParser {
  public:
    explicit LineParser(LineReader& reader) : r_(reader) {}
    bool Int(int& value) { return r_.Value(value); }
    bool Int(int& value, const BatchLimit& limit) { return r_.Value(value, limit); }
    bool Real(double& value, const BatchLimit& limit) { return r_.Value(value, limit); }
    // The weather path, trimmed: it must be given, and fit in a file name.
    bool Path(std::string& path) {
        if (!r_.TrimmedText(path)) return false;
        if (path.empty()) r_.Refuse(BatchInputError::kNoWeatherFile);
        if (path.size() > kMaxFileNameLength) r_.Refuse(BatchInputError::kWeatherPathLength);
        return r_.Refused().error == BatchInputError::kNone;
    }

  private:
    LineReader& r_;
};

// Writes the lines as the front end writes them: integers, reals in their shortest form ("%g"),
// texts.
class LineWriter {
  public:
    explicit LineWriter(std::string& text) : text_(text) {}
    bool Int(int value, const BatchLimit& = {}) {
        text_ += std::to_string(value) + "\n";
        return true;
    }
    bool Real(double value, const BatchLimit&) {
        text_ += NumberText(value) + "\n";
        return true;
    }
    bool Path(const std::string& path) { return Text(path); }
    // A text on one line: line ends in it would break the file's lines, so they become blanks.
    bool Text(std::string value) {
        for (char& c : value)
            if (c == '\n' || c == '\r') c = ' ';
        text_ += value + "\n";
        return true;
    }

  private:
    std::string& text_;
};

}  // namespace

BatchInputResult ReadBatchInput(std::istream& in, BatchInput& input) {
    input = BatchInput();
    LineReader reader(in);
    std::string skipped;
    for (int line = 1; line <= 3; ++line)  // run number, creation time, comments
        if (!reader.Text(skipped)) return Fault(BatchInputError::kUnreadableLine, reader.Line());
    int poolType = 0;
    if (!reader.Value(poolType)) return Fault(BatchInputError::kUnreadableLine, reader.Line());
    const std::optional<PoolType> type = StoredPoolType(poolType);
    if (!type) return Fault(BatchInputError::kPoolType, reader.Line());
    input.poolType = *type;
    LineParser parser(reader);
    if (!RunLines(parser, input)) {
        if (reader.Refused().error != BatchInputError::kNone) return reader.Refused();
        return Fault(BatchInputError::kUnreadableLine, reader.Line());
    }
    if (DayOfYear(input.opensMonth, input.opensDay, 0) == 0 ||
        DayOfYear(input.closesMonth, input.closesDay, 0) == 0)
        return Fault(BatchInputError::kSeasonDate, 0);
    if (input.blanketSelector == 0) input.blanket = BatchBlanket();
    return {};
}

BatchInputResult WriteBatchInput(const BatchInput& input, std::string& text) {
    text.clear();
    LineWriter writer(text);
    BatchInput copy = input;
    writer.Int(input.runId);
    writer.Text(input.created);
    writer.Text(input.comments);
    writer.Int(PoolTypeNumber(input.poolType));
    RunLines(writer, copy);
    // What the simulation program will make of the text is what counts: the values as written
    // (six significant digits) must pass its reader.
    std::istringstream written(text);
    BatchInput read;
    return ReadBatchInput(written, read);
}

std::string BatchLimit::RangeText(Language language) const {
    const bool inFrench = language == Language::French;
    const std::string suffix = *unit != '\0' ? std::string(" ") + unit : "";
    const std::string from = NumberText(min), to = NumberText(max);
    if (max >= kNoUpperBound)
        return (aboveMin ? (inFrench ? "supérieure à " : "above ")
                         : (inFrench ? "au moins " : "at least ")) +
               from + suffix;
    if (aboveMin)
        return (inFrench ? "supérieure à " : "above ") + from +
               (inFrench ? ", jusqu'à " : ", up to ") + to + suffix;
    return from + (inFrench ? " à " : " to ") + to + suffix;
}

std::string BatchInputProblem(const BatchInputResult& result, Language language) {
    const bool inFrench = language == Language::French;
    const std::string line = (inFrench ? "Ligne " : "Line ") + std::to_string(result.line) +
                             (inFrench ? " de " : " of ") + std::string(kBatchInputFileName) + ": ";
    switch (result.error) {
        case BatchInputError::kValueOutOfRange:
            return line + (inFrench ? result.limit.french : result.limit.name) + " \"" +
                   result.text + "\"" +
                   (inFrench ? " hors des limites permises (" : " is outside the allowed range (") +
                   result.limit.RangeText(language) + ").";
        case BatchInputError::kNoWeatherFile:
            return line +
                   (inFrench ? "aucun fichier météo n'est donné." : "no weather file is given.");
        case BatchInputError::kWeatherPathLength:
            return line +
                   (inFrench ? "le chemin du fichier météo dépasse "
                             : "the weather file path is longer than ") +
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

double PoolVolume(PoolType poolType, double area) {
    return area * (poolType == PoolType::PublicIndoor ? 1.9 : 1.5);
}

int SeasonDays(int startDay, int endDay) {
    int days = endDay - startDay + 1;
    while (days <= 0) days += 365;
    return days;
}
