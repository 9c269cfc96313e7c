// The picture of the system on the input form: one of twelve, numbered 181 to 192, by what the
// run's lists hold (collectors or none, no heater, a fuel heater or a heat pump, a blanket or
// none).
#pragma once

#include <optional>

#include "heater_kind.h"

// What a system picture shows.
struct SystemPictureParts {
    bool collectors;
    std::optional<HeaterKind> heater;  // none without heater
    bool blanket;
};

inline constexpr int kFirstSystemPicture = 181;
inline constexpr int kLastSystemPicture = 192;

// The picture's number: kFirstSystemPicture + 4 k + (2 unless the collector index is 0) + (1
// unless the blanket index is 0), k 0 without heater, 1 for a fuel heater, 2 for a heat pump.
int SystemPictureNumber(int collectorIndex, std::optional<HeaterKind> heater, int blanketIndex);

// What the picture `number` (181 to 192) shows.
SystemPictureParts PartsOfSystemPicture(int number);

// The kind of the heater row `heaterId`; none when no such row exists.
std::optional<HeaterKind> HeaterKindOf(int heaterId);
