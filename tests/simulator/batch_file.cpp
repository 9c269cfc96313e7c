#include "batch_file.h"

#include <cstdio>

namespace test {

BatchInput SampleBatchInput(const std::string& weatherFile) {
    BatchInput in;
    in.poolType = kResidentialInGround;
    in.referenceRun = 1;
    in.weatherFile = weatherFile;
    in.opensMonth = 5;
    in.opensDay = 1;
    in.closesMonth = 9;
    in.closesDay = 30;
    in.poolArea = 40;
    in.shading = 20;
    in.sunnyDayMinAirTemp = 21;
    in.cloudyDayMinAirTemp = 24;
    in.minPoolTemp = 24;
    in.maxPoolTemp = 29;
    in.weekdayOpen = 9;
    in.weekdayClose = 20;
    in.weekendOpen = 8;
    in.weekendClose = 21;
    in.activityLevel = 1;
    in.hasCollector = true;
    in.collector = {1, 2.5, 0.1, 0.82, 0.05, 14, 3.5, 0, 6, 3, 2, 4, 30, 1.2};
    in.hasHeater = true;
    in.heater = {0, 30000, 0.8, 4095};
    in.hasBlanket = true;
    in.blanket = {0.3, 0.6, 0.9, 0.05, 0.02, 64};
    return in;
}

namespace {

std::string Real(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%lg", value);
    return text;
}

}  // namespace

std::string BatchInputText(const BatchInput& in, const std::string& end) {
    std::string t;
    auto integer = [&](int v) { t += std::to_string(v) + end; };
    auto real = [&](double v) { t += Real(v) + end; };
    auto text = [&](const std::string& v) { t += v + end; };
    integer(17);
    text("9 Dec 2026 10:15");
    text("Test run");
    integer(in.poolType);
    integer(in.referenceRun);
    text(in.weatherFile);
    integer(in.opensMonth);
    integer(in.opensDay);
    integer(in.closesMonth);
    integer(in.closesDay);
    real(in.poolArea);
    real(in.shading);
    real(in.sunnyDayMinAirTemp);
    real(in.cloudyDayMinAirTemp);
    real(in.minPoolTemp);
    real(in.maxPoolTemp);
    for (int v :
         {in.weekdayOpen, in.weekdayClose, in.weekendOpen, in.weekendClose, in.activityLevel})
        integer(v);
    integer(in.hasCollector ? 4 : 0);
    if (in.hasCollector) {
        const BatchCollector& c = in.collector;
        integer(c.type);
        for (double v : {c.testArea, c.testFlowRate, c.a, c.b, c.c, c.d, c.e, c.collectorsPerBank,
                         c.areaPerCollector})
            real(v);
        integer(c.banks);
        for (double v : {c.orientation, c.slope, c.totalFlow}) real(v);
    }
    integer(in.hasHeater ? 2 : 0);
    if (in.hasHeater) {
        integer(in.heater.type);
        real(in.heater.capacity);
        real(in.heater.efficiency);
        integer(in.heater.monthMask);
    }
    integer(in.hasBlanket ? 3 : 0);
    if (in.hasBlanket) {
        const BatchBlanket& b = in.blanket;
        for (double v : {b.absorptivity, b.transmissivity, b.emissivity, b.longWaveTransmissivity,
                         b.insulation})
            real(v);
        integer(b.monthMask);
    }
    return t;
}

}  // namespace test
