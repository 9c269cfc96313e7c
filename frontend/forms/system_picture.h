// The picture of the system on the input form: one of twelve, numbered 181 to 192, by what the
// run's lists hold (collectors or none, no heater, a fuel heater or a heat pump, a blanket or
// none).
#pragma once

// The heater of a system picture.
enum class PictureHeater { None, Fuel, HeatPump };

// What a system picture shows.
struct SystemPictureParts {
    bool collectors;
    PictureHeater heater;
    bool blanket;
};

inline constexpr int kFirstSystemPicture = 181;
inline constexpr int kLastSystemPicture = 192;

// The picture's number: 184 + 4 k - (1 when the blanket index is 0) - (2 when the collector
// index is 0), k 0 without heater (heater index 0), 1 for a heater of Type 0, 2 for any other.
int SystemPictureNumber(int collectorIndex, int heaterIndex, int heaterType, int blanketIndex);

// What the picture `number` (181 to 192) shows.
SystemPictureParts PartsOfSystemPicture(int number);

// The stored Type of heater `heaterId` (0 gas or oil, 1 heat pump); 0 when no such row exists.
int HeaterTypeOf(int heaterId);
