// Reader of NREL's TMY2 files (fixed columns), as described in W. Marion and K. Urban, "User's
// Manual for TMY2s", NREL (1995), section "Typical Meteorological Year File Format".
//
// Header line: WBAN number, city, state, time zone (hours from UTC, east +), latitude ("N" or
// "S", degrees, minutes), longitude ("W" or "E", degrees, minutes), elevation (m), separated by
// blanks. Then 8760 records, one per hour of local standard time; the columns read here
// (numbered from 1):
//   2-3 year, 4-5 month, 6-7 day, 8-9 hour (1 to 24, the end of the hour),
//   18-21 global horizontal radiation received in the hour before (Wh/m2),
//   68-71 dry-bulb temperature (0.1 degC), 74-77 dew-point temperature (0.1 degC),
//   80-82 relative humidity (%), 85-88 atmospheric pressure at the station (mbar),
//   96-98 wind speed (0.1 m/s).
// Each value is followed by its source flag and uncertainty digit. A field of nines (9999, 999)
// is missing. TMY2 has no albedo. Lines may end with CRLF.
#pragma once

#include <string>
#include <string_view>

#include "weather_source.h"

// True when `text` starts like a TMY2 file (a header of the right shape, then a record of the
// right length).
[[nodiscard]] bool LooksLikeTmy2(std::string_view text);

// Reads a TMY2 file's text; `file` names it in a refusal.
SourceRead ReadTmy2Text(std::string_view text, const std::string& file);
