// The check of the selected weather file before a run writes anything: the file must hold every
// hour of the simulated period, with values that can occur in nature, so that a damaged file is
// named with its day and hour instead of surfacing later as a component's domain error.
#pragma once

class CTidewarmDoc;

// 0 when the selected weather file can serve the whole period. Otherwise shows why, naming the
// file (and the day and hour of a bad record), and returns the reader's code: 1 when the file
// cannot be opened or its header read, 4 for missing data or a value out of its range. A
// ZEFIR file must hold its header and all 365 day records and a location on the globe; a TMY
// file its latitude and every day of the period. Text-table weather is left to the run.
int CheckWeatherFile(const CTidewarmDoc& doc);
