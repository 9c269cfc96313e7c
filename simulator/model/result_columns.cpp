#include "result_columns.h"

const std::array<const char*, kMonthlyColumnCount> kMonthlyColumnNames = {
    "Month", "QInc",  "QColl", "QPipes",   "QPumps",     "QAux",          "QPass",    "QAct",
    "QGain", "QEvap", "QConv", "QCond",    "QRad",       "QSide",         "QMakeup",  "QLoss",
    "QRes",  "TPool", "QElec", "QPrimary", "CollOnTime", "AuxHeatOnTime", "SwimDays", "UsableDays",
};

const std::array<const char*, kHourlyColumnCount> kHourlyColumnNames = {
    "Month",    "Day",      "Hour",       "QPass",     "QAct",      "QAux",       "QGain",
    "QEvap",    "QConv",    "QCond",      "QRad",      "QSide",     "QMakeup",    "QLoss",
    "QRes",     "QInc",     "QColl",      "QPipes",    "QPumps",    "HGlo",       "TAmb",
    "RelHum",   "VWind",    "HDirPool",   "HDifPool",  "TAmbPool",  "RelHumPool", "VWindPool",
    "TSky",     "Activity", "BlanketOn",  "CollOn",    "AuxOn",     "Tci",        "Tco",
    "MdotColl", "TPipeIn",  "TPipeOut",   "TSoilPipe", "TXColdOut", "TXHotOut",   "MdotExch",
    "TPool",    "TMains",   "MdotMakeup", "TSoilPool",
};

const std::array<int, kHourlyColumnCount> kHourlyDefaultFlags = [] {
    std::array<int, kHourlyColumnCount> flags{};
    for (int i = 0; i < kHourlyAlwaysWritten; ++i) flags[i] = 1;
    return flags;
}();
