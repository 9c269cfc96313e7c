// Month masks of the heater's and the blanket's use: the low 12 bits of an int, January in bit
// 11 (2048) down to December in bit 0 (1); 4095 is every month.
#pragma once

#include <array>

// The mask of twelve month flags, January first; only a flag equal to 1 sets its month.
int PackMonthFlags(const std::array<int, 12>& flags);

// The twelve month flags (1 set, 0 not), January first, of a mask; bits above 11 are ignored.
std::array<int, 12> UnpackMonthFlags(int mask);
