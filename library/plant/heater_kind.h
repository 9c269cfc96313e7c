// The kinds of auxiliary heater, numbered as the project file, the batch input file and the
// front end's Heaters table store them.
#pragma once

enum class HeaterKind : int { Fuel = 0, HeatPump = 1 };

// The kind a stored number stands for where any number is taken: 0 fuel-fired, any other a heat
// pump.
constexpr HeaterKind StoredHeaterKind(int number) {
    return number == 0 ? HeaterKind::Fuel : HeaterKind::HeatPump;
}
