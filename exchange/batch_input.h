// The batch input file "Tidewarm.tmp" that the front end writes for one run, and the rules that
// turn its values into project values. One value per line, in this order: run id, creation time
// and comments (skipped), pool type 0..3, reference-run flag, weather file path, opening month
// and day, closing month and day, pool area (m2), shading (%), minimum air temperatures for
// swimming on sunny and cloudy days, minimum and maximum pool temperatures (degC), weekday
// opening and closing hours, weekend opening and closing hours, activity level; then the
// collector selector and, when not 0, type, test area, test flow rate, A to E, collectors per
// bank, area per collector, banks, orientation index, slope (degrees), total flow (kg/s); the
// heater selector and, when not 0, type, capacity (W), efficiency or COP, month mask; the blanket
// selector and, when not 0, the five blanket values (each band's absorptivity and transmissivity
// adding up to 1 at most) and the month mask.
#pragma once

#include <istream>
#include <string>

#include "collector_kind.h"
#include "heater_kind.h"
#include "language.h"
#include "pool_type.h"

struct BatchCollector {
    int type = 0;  // as written: 0 glazed, any other unglazed
    double testArea = 0;
    double testFlowRate = 0;
    double a = 0, b = 0, c = 0, d = 0, e = 0;
    double collectorsPerBank = 0;
    double areaPerCollector = 0;
    int banks = 0;
    double orientation = 0;  // index of the 16 compass points, 0 West, 4 South
    double slope = 0;        // degrees
    double totalFlow = 0;    // kg/s

    CollectorKind Kind() const { return StoredCollectorKind(type); }
};

struct BatchHeater {
    int type = 0;  // as written: 0 fuel-fired, any other a heat pump
    double capacity = 0;
    double efficiency = 0;  // fraction, or the heat pump's coefficient of performance
    int monthMask = 0;

    HeaterKind Kind() const { return StoredHeaterKind(type); }
};

struct BatchBlanket {
    double absorptivity = 1;
    double transmissivity = 0;
    double emissivity = 0.95;
    double longWaveTransmissivity = 0;
    double insulation = 0.2;
    int monthMask = 0;
};

struct BatchInput {
    // Lines 1 to 3, which the simulation program skips: the run's number, its creation time
    // and the comments.
    int runId = 0;
    std::string created;
    std::string comments;
    PoolType poolType = PoolType::ResidentialInGround;
    int referenceRun = 0;
    std::string weatherFile;
    int opensMonth = 0, opensDay = 0, closesMonth = 0, closesDay = 0;
    double poolArea = 0;  // m2
    double shading = 0;   // %
    double sunnyDayMinAirTemp = 0, cloudyDayMinAirTemp = 0;
    double minPoolTemp = 0, maxPoolTemp = 0;
    int weekdayOpen = 0, weekdayClose = 0, weekendOpen = 0, weekendClose = 0;
    int activityLevel = 0;
    // Each block is present when its selector is not 0 (the front end writes its object's id
    // less 1); without a blanket the blanket keeps the values of BatchBlanket.
    int collectorSelector = 0;
    BatchCollector collector;
    int heaterSelector = 0;
    BatchHeater heater;
    int blanketSelector = 0;
    BatchBlanket blanket;
};

// The range of one value of the batch input file, in the file's units, with its name for
// messages. A bound of `aboveMin` excludes the minimum itself.
struct BatchLimit {
    const char* name;    // English
    const char* french;  // French
    const char* unit;    // "" for none
    double min = 0;
    double max = 0;
    bool aboveMin = false;

    [[nodiscard]] bool Accepts(double value) const {
        return (aboveMin ? value > min : value >= min) && value <= max;
    }
    // "0 to 100 %", or "above 0, up to 1e+10 W", in `language`.
    std::string RangeText(Language language) const;
};

// Why a batch input was not taken.
enum class BatchInputError {
    kNone,
    kUnreadableLine,    // a line missing, or not holding a value of its kind
    kPoolType,          // pool type outside 0..3
    kSeasonDate,        // an opening or closing date that does not exist
    kValueOutOfRange,   // a value outside its limit (`limit`, `text`)
    kNoWeatherFile,     // an empty weather path
    kWeatherPathLength  // a weather path longer than a file name may be
};

struct BatchInputResult {
    BatchInputError error = BatchInputError::kNone;
    int line = 0;                        // the line at fault, from 1
    std::string text;                    // the value as written (kValueOutOfRange)
    BatchLimit limit{"", "", "", 0, 0};  // the limit it broke, with a minimum that may come from
                                         // another value (kValueOutOfRange)
};

// The message that names what is wrong with a refused batch input, in English or French, for
// the errors after the pool type: the line, the value as written and what is allowed.
std::string BatchInputProblem(const BatchInputResult& result, Language language);

// Reads a batch input file from `in` (numbers in the C locale; CR LF line ends and blanks around
// a value or the weather path are allowed; a selector counts as present when it is not 0) and
// checks every value against its limit, stopping at the first fault. The weather path may be as
// long as a file name the project file can hold (kMaxFileNameLength bytes, the platform's
// longest path).
BatchInputResult ReadBatchInput(std::istream& in, BatchInput& input);

// The text of the batch input file for `input`, as the front end writes it (integers "%d",
// reals "%lg", texts "%s", one a line; line ends inside a text become blanks). Returns what the
// reader would refuse in it, so a value the simulation cannot take is never handed over.
BatchInputResult WriteBatchInput(const BatchInput& input, std::string& text);

// Month flags of a 12-bit month mask: month m (1 = January) gets 1 when bit 12 - m is set,
// else 0; higher bits are ignored.
void MonthMaskToFlags(double flags[12], int mask);

// Azimuth (radians, south 0, west positive) of a compass-point index (0 West, 4 South, 8 East,
// 12 North): 90 - 22.5 x index degrees, brought into -180..180 degrees.
double OrientationToAzimuth(double orientation);

// Water volume of a pool of the given type and area: mean depth 1.9 m for a public indoor
// pool, 1.5 m for the others.
double PoolVolume(PoolType poolType, double area);

// Days of the season from the opening to the closing day of year, over the new year when the
// closing day comes first; a closing day just before the opening day is a whole year (365).
int SeasonDays(int startDay, int endDay);
