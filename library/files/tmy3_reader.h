// Reader of NREL's TMY3 files (comma-separated), as described in S. Wilcox and W. Marion, "Users
// Manual for TMY3 Data Sets", NREL/TP-581-43156 (2008), section 2.
//
// Line 1: USAF station number, station name (in double quotes), state, time zone (hours from
// UTC, east +), latitude (degrees, north +), longitude (degrees, east +), elevation (m).
// Line 2: the names of the 68 (or 71) columns. Then 8760 records, one per hour, each month
// possibly from another year. The columns read here, found by their names:
//   "Date (MM/DD/YYYY)", "Time (HH:MM)" (local standard time, 01:00 to 24:00, the end of the
//   hour), "GHI (W/m^2)" (global horizontal irradiation received in the 60 minutes before the
//   time, Wh/m2), "Dry-bulb (C)", "Dew-point (C)", "RHum (%)", "Pressure (mbar)",
//   "Wspd (m/s)" and, when present, "Alb (unitless)" (ground albedo, fraction).
// A missing value is -9900. Lines may end with CRLF.
#pragma once

#include <string>
#include <string_view>

#include "weather_source.h"

// True when `text` has the TMY3 column names on its second line.
[[nodiscard]] bool LooksLikeTmy3(std::string_view text);

// Reads a TMY3 file's text; `file` names it in a refusal.
SourceRead ReadTmy3Text(std::string_view text, const std::string& file);
