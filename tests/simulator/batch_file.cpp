#include "batch_file.h"

#include <cstdio>

namespace test {

BatchInput SampleBatchInput(const std::string& weatherFile) {
    BatchInput in;
    in.runId = 17;
    in.created = "9 Dec 2026 10:15";
    in.comments = "Test run";
    in.poolType = PoolType::ResidentialInGround;
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
    in.collectorSelector = 4;
    in.collector = {1, 2.5, 0.1, 0.82, 0.05, 14, 3.5, 0, 6, 3, 2, 4, 30, 1.2};
    in.heaterSelector = 2;
    in.heater = {0, 30000, 0.8, 4095};
    in.blanketSelector = 3;
    in.blanket = {0.3, 0.6, 0.9, 0.05, 0.02, 64};
    return in;
}

std::string BatchInputText(const BatchInput& in, const std::string& end) {
    std::string written;
    WriteBatchInput(in, written);
    std::string text;
    for (char c : written) c == '\n' ? text += end : text += c;
    return text;
}

}  // namespace test
