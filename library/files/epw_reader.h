// Reader of EnergyPlus weather files (EPW), as published with EnergyPlus ("Auxiliary Programs",
// chapter "Weather Converter Program", section "EnergyPlus Weather File (EPW) Data Dictionary").
//
// Eight header lines, comma-separated, each starting with its keyword:
//   LOCATION, city, state/province/region, country, data source, WMO number, latitude (degrees,
//     north +), longitude (degrees, east +), time zone (hours from GMT, east +), elevation (m);
//   DESIGN CONDITIONS; TYPICAL/EXTREME PERIODS; GROUND TEMPERATURES;
//   HOLIDAYS/DAYLIGHT SAVINGS (its first field, "Yes" or "No", says whether a 29 February is in
//     the file); COMMENTS 1; COMMENTS 2; DATA PERIODS.
// Comment fields may hold commas inside double quotes.
// Then one record per hour, 35 comma-separated fields (those read here, numbered from 1):
//   1 year, 2 month, 3 day, 4 hour (1 to 24; hour 1 is 00:01 to 01:00, local standard time),
//   5 minute (0 or 60), 6 data source and uncertainty flags,
//   7 dry-bulb temperature (degC; missing 99.9), 8 dew-point temperature (degC; missing 99.9),
//   9 relative humidity (%; missing 999), 10 atmospheric station pressure (Pa; missing 999999),
//   14 global horizontal radiation, energy of the hour before the time given (Wh/m2; missing
//   9999), 22 wind speed (m/s; missing 999), 33 albedo (fraction; missing 999).
// A value at or above its missing code is missing. Lines may end with CRLF; the last may have no
// line end.
#pragma once

#include <string>
#include <string_view>

#include "weather_source.h"

// True when `text` starts like an EPW file (its first line's keyword).
[[nodiscard]] bool LooksLikeEpw(std::string_view text);

// Reads an EPW file's text; `file` names it in a refusal.
SourceRead ReadEpwText(std::string_view text, const std::string& file);
