// Season runs of whole projects on generated weather: every plant's result files and energy
// balances, and the physical sense of the results.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "simulation_run_support.h"

using namespace simulation_test;

namespace {

// ------------------------------------------------------------------------------------------------
// Every plant on the same weather.

struct Plant {
    const char* name;
    std::function<void(CTidewarmDoc&)> setUp;
};

void PrintTo(const Plant& plant, std::ostream* out) {
    *out << plant.name;
}

const Plant kPlants[] = {
    {"NoSolarExchangerLeftOn",
     [](CTidewarmDoc& doc) {
         doc.UseSolar = 0;
         doc.UseExchanger = 1;  // no exchanger without the collector loop
     }},
    {"Glazed", Glazed},
    {"UnglazedOnInsulation", [](CTidewarmDoc& doc) { Unglazed(doc, 0); }},
    {"UnglazedInsulatedRoof", [](CTidewarmDoc& doc) { Unglazed(doc, 1); }},
    {"UnglazedBareRoofWithHeater",
     [](CTidewarmDoc& doc) {
         Unglazed(doc, 2);
         doc.UseAuxHeater = 1;
     }},
    {"Exchanger",
     [](CTidewarmDoc& doc) {
         Glazed(doc);
         doc.UseExchanger = 1;
         doc.CollectorFluidCp = 3600;
     }},
    {"FuelHeater", [](CTidewarmDoc& doc) { doc.gasHeater.SetParameters(26, 60000, 0.8); }},
    {"HeatPump",
     [](CTidewarmDoc& doc) {
         doc.HeaterType = HeaterKind::HeatPump;
         doc.heatPump.SetParameters(26, 40000, 5);
     }},
    {"BlanketProfiles", [](CTidewarmDoc& doc) { doc.BlanketAlways = 0; }},
    {"IndoorSwimmable",
     [](CTidewarmDoc& doc) {
         doc.IndoorPool = 1;
         doc.UseSolar = 0;
         doc.SwimmableCriterion = 1;
     }},
    {"TmyWeather",
     [](CTidewarmDoc& doc) {
         ASSERT_TRUE(synthetic::WriteKtmyFile("weather.tmy", synthetic::WeatherYear{}));
         doc.WeatherSource = kWeatherTMY;
         doc.tmyReader.SetFileName("weather.tmy");
     }},
    {"DelimitedWeather",
     [](CTidewarmDoc& doc) {
         // The table holds the period's hours from its first record on.
         synthetic::WeatherYear year;
         const int start = doc.StartDay;
         year.hourly = [start](int day, int hour) {
             return synthetic::SyntheticWeather(day + start - 1, hour);
         };
         ASSERT_TRUE(synthetic::WriteWeatherTable("weather.csv", year));
         doc.WeatherSource = kWeatherText;
         doc.textWeatherReader.SetFile("weather.csv");
     }},
};

class PlantRun : public SimulationRun, public ::testing::WithParamInterface<Plant> {};

TEST_P(PlantRun, WritesBalancedResultFiles) {
    CTidewarmDoc doc;
    Prepare(doc);
    GetParam().setUp(doc);
    const bool exchanger = doc.UseSolar != 0 && doc.UseExchanger != 0;
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_FALSE(fs::exists("pool.mlx"));

    const ResultTable monthly = ReadResults("pool.mly");
    EXPECT_EQ(monthly.header, Names(kMonthlyColumnNames));
    const auto months = PeriodMonths(doc.StartDay, doc.NumDays);
    ASSERT_EQ(monthly.rows.size(), months.size() + 1);
    const std::size_t annual = months.size();
    EXPECT_EQ(monthly.At(annual, "Month"), 0);

    const ResultTable hourly = ReadResults("pool.hly");
    std::vector<std::string> hourlyNames(kHourlyColumnNames.begin(),
                                         kHourlyColumnNames.begin() + kHourlyQPumps + 1);
    hourlyNames.push_back("TPool");
    EXPECT_EQ(hourly.header, hourlyNames);
    ASSERT_EQ(hourly.rows.size(), static_cast<std::size_t>(doc.NumDays * 24));

    // Each hour, each month and the year balance; the months add up to the year.
    for (std::size_t h = 0; h < hourly.rows.size(); ++h) ExpectBalances(hourly, h, exchanger);
    std::size_t firstHour = 0;
    double weightedTemperature = 0;
    for (std::size_t m = 0; m < months.size(); ++m) {
        EXPECT_EQ(monthly.At(m, "Month"), months[m].first);
        const int hours = months[m].second * 24;
        ExpectBalances(monthly, m, exchanger);
        for (const char* name : {"QPass", "QAct", "QGain", "QLoss", "QRes", "QColl"}) {
            double sum = 0, size = std::fabs(monthly.At(m, name));
            for (int h = 0; h < hours; ++h) {
                sum += hourly.At(firstHour + h, name);
                size += std::fabs(hourly.At(firstHour + h, name));
            }
            EXPECT_NEAR(monthly.At(m, name), sum, 1e-5 * size + 1e-6) << name;
        }
        firstHour += hours;
        weightedTemperature += monthly.At(m, "TPool") * hours;
        if (doc.IndoorPool == 1) {
            EXPECT_EQ(monthly.At(m, "SwimDays"), months[m].second);
        }
    }
    ExpectBalances(monthly, annual, exchanger);
    for (std::size_t c = 1; c < kMonthlyColumnCount; ++c) {
        if (c == kMonthlyTPool) continue;
        double sum = 0, size = std::fabs(monthly.rows[annual][c]);
        for (std::size_t m = 0; m < months.size(); ++m) {
            sum += monthly.rows[m][c];
            size += std::fabs(monthly.rows[m][c]);
        }
        EXPECT_NEAR(monthly.rows[annual][c], sum, 1e-5 * size + 1e-6) << monthly.header[c];
    }
    EXPECT_NEAR(monthly.At(annual, "TPool"), weightedTemperature / (doc.NumDays * 24), 2e-4);

    // Without collectors nothing runs in the loop; without a heater nothing is burnt.
    if (doc.UseSolar == 0) {
        for (const char* name : {"QInc", "QColl", "QPumps", "QPipes", "QAct", "CollOnTime"})
            EXPECT_EQ(monthly.At(annual, name), 0) << name;
    } else {
        EXPECT_GT(monthly.At(annual, "QColl"), 0);
    }
    if (doc.UseAuxHeater == 0) {
        for (const char* name : {"QAux", "QPrimary", "AuxHeatOnTime"})
            EXPECT_EQ(monthly.At(annual, name), 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Plants, PlantRun, ::testing::ValuesIn(kPlants),
                         [](const auto& plant) { return std::string(plant.param.name); });

// ------------------------------------------------------------------------------------------------
// Physical sense.

TEST_F(SimulationRun, HeatedPoolHoldsItsSetPoint) {
    CTidewarmDoc doc;
    Prepare(doc, 100, 15);  // spring: the pool loses heat every day
    doc.UseSolar = 0;
    doc.gasHeater.SetParameters(27, 1e6, 0.8);
    doc.InitialPoolTemp = 27;
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    const ResultTable hourly = ReadResults("pool.hly");
    for (std::size_t h = 0; h < hourly.rows.size(); ++h)
        ASSERT_GE(hourly.At(h, "TPool"), 27 - 1e-3) << "hour " << h;
    const ResultTable monthly = ReadResults("pool.mly");
    EXPECT_GT(monthly.At(1, "QAux"), 0);
    // The fuel burnt is the heat delivered over the efficiency.
    EXPECT_NEAR(monthly.At(1, "QPrimary"), monthly.At(1, "QAux") / 0.8,
                1e-5 * monthly.At(1, "QPrimary"));
}

TEST_F(SimulationRun, CollectorsWarmTheUnheatedPoolAndTheReferencePassStandsApart) {
    // A first run with the heater leaves its outputs behind; the reference pass of the next run
    // must not count them.
    CTidewarmDoc doc;
    Prepare(doc);
    doc.Collector = CollectorKind::Unglazed;
    doc.RoofType = 2;
    doc.UseExchanger = 1;
    doc.gasHeater.SetParameters(26, 60000, 0.8);
    ASSERT_EQ(doc.RunSimulation("first.tdw"), 0);
    doc.ReferenceRun = 1;
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.UseExchanger, 1);
    EXPECT_EQ(doc.UseAuxHeater, 1);
    EXPECT_TRUE(messages_.shown.empty());

    // The system pass is the same whatever ran before it.
    EXPECT_EQ(test::ReadFile("pool.mly"), test::ReadFile("first.mly"));
    EXPECT_EQ(test::ReadFile("pool.hly"), test::ReadFile("first.hly"));

    const ResultTable reference = ReadResults("pool.mlx");
    EXPECT_EQ(reference.header, Names(kMonthlyColumnNames));
    ASSERT_EQ(reference.rows.size(), 3u);
    for (const char* name : {"QInc", "QColl", "QPipes", "QPumps", "QAux", "QAct", "QElec",
                             "QPrimary", "CollOnTime", "AuxHeatOnTime"})
        EXPECT_EQ(reference.At(2, name), 0) << name;
    EXPECT_EQ(ReadResults("pool.hlx").rows.size(), 20u * 24);

    // Collectors alone, without heater, against the same pool without them.
    CTidewarmDoc solar;
    Prepare(solar);
    Glazed(solar);
    solar.ReferenceRun = 1;
    ASSERT_EQ(solar.RunSimulation("solar.tdw"), 0);
    // Ten square metres of collectors on a pool of a hundred: some tenths of a kelvin.
    const ResultTable without = ReadResults("solar.mlx");
    const ResultTable with = ReadResults("solar.mly");
    for (std::size_t line = 0; line < 3; ++line)
        EXPECT_GT(with.At(line, "TPool"), without.At(line, "TPool") + 0.2) << line;
}

TEST_F(SimulationRun, FallingModifierTableRunsTheSeasonWithEitherCollector) {
    // Ten points from 1 at normal incidence down to 0 at 90 degrees, as the test dialog edits
    // them; every night the sun is past 90 degrees from the plane.
    double angles[10], modifiers[10];
    for (int i = 0; i < 10; ++i) {
        angles[i] = 10.0 * i;
        modifiers[i] = 1.0 - i / 9.0;
    }
    angles[9] = 90;
    const double* table[] = {angles, modifiers};
    for (CollectorKind collector : {CollectorKind::Glazed, CollectorKind::Unglazed}) {
        double collected[2] = {};
        for (int withTable : {0, 1}) {
            CTidewarmDoc doc;
            Prepare(doc);
            Glazed(doc);
            doc.Collector = collector;
            CollectorTestParameters test = collector == CollectorKind::Glazed
                                               ? doc.glazedCollector.GetTestParameters()
                                               : doc.unglazedCollector.GetTestParameters();
            test.modifierMode = withTable;
            test.count1 = withTable ? 10 : 0;
            test.table1 = withTable ? table : nullptr;
            test.count2 = 0;
            test.table2 = nullptr;
            // (The collectors are connected when the run starts.)
            if (collector == CollectorKind::Glazed)
                doc.glazedCollector.SetTestParameters(test);
            else
                doc.unglazedCollector.SetTestParameters(test);
            ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0)
                << static_cast<int>(collector) << " " << withTable;
            EXPECT_TRUE(messages_.shown.empty());
            const ResultTable monthly = ReadResults("pool.mly");
            collected[withTable] = monthly.At(monthly.rows.size() - 1, "QColl");
        }
        EXPECT_GT(collected[1], 0) << static_cast<int>(collector);
        EXPECT_LE(collected[1], collected[0]) << static_cast<int>(collector);
    }
}

TEST_F(SimulationRun, SystemPassFindsWhatTheReferencePassLeftUncomputed) {
    // The reference pass of an indoor pool reads neither the split of the sun nor the wet bulb;
    // the system pass, whose collectors and heat pump read them, must compute its own.
    std::string monthly[2], hourly[2];
    for (int reference : {0, 1}) {
        CTidewarmDoc doc;
        Prepare(doc);
        Glazed(doc);
        doc.IndoorPool = 1;
        doc.UseAuxHeater = 1;
        doc.HeaterType = HeaterKind::HeatPump;
        doc.heatPump.SetParameters(28, 40000, 5);
        doc.ReferenceRun = reference;
        EnableHourly(doc, {kHourlyTSky, kHourlyTco, kHourlyAuxOn});
        const std::string name = "pass" + std::to_string(reference);
        ASSERT_EQ(doc.RunSimulation(name + ".tdw"), 0);
        monthly[reference] = test::ReadFile(name + ".mly");
        hourly[reference] = test::ReadFile(name + ".hly");
    }
    const ResultTable totals = ReadResults("pass0.mly");
    const std::size_t total = PeriodMonths(172, 20).size();
    ASSERT_GT(totals.At(total, "QColl"), 0);
    ASSERT_GT(totals.At(total, "QElec"), 0);
    EXPECT_EQ(monthly[1], monthly[0]);
    EXPECT_EQ(hourly[1], hourly[0]);
}

TEST_F(SimulationRun, BlanketLowersEvaporation) {
    double evaporation[2];
    for (int blanket : {0, 1}) {
        CTidewarmDoc doc;
        Prepare(doc);
        doc.UseSolar = 0;
        if (blanket == 0) {
            const double never[MonthlyProfile::kMonths] = {};
            doc.blanketSeasonalProfile.SetValues(never);
        }
        const std::string path = "blanket" + std::to_string(blanket) + ".tdw";
        ASSERT_EQ(doc.RunSimulation(path), 0);
        evaporation[blanket] = ReadResults("blanket" + std::to_string(blanket) + ".mly")
                                   .At(PeriodMonths(172, 20).size(), "QEvap");
    }
    EXPECT_GT(evaporation[0], 0);
    EXPECT_LT(evaporation[1], 0.8 * evaporation[0]);
}

TEST_F(SimulationRun, ControllerDeadBandHoldsTheLoopOn) {
    // Once on, a loop that only stops below -100 K stays on: every later hour has it on.
    CTidewarmDoc doc;
    Prepare(doc);
    Glazed(doc);
    doc.controller.SetParameters(5, -100, 90, DeltaTController::kLimitColdSide);
    EnableHourly(doc, {kHourlyCollOn});
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    const ResultTable hourly = ReadResults("pool.hly");
    std::size_t first = 0;
    while (first < hourly.rows.size() && hourly.At(first, "CollOn") == 0) ++first;
    ASSERT_LT(first, 48u);
    for (std::size_t h = first; h < hourly.rows.size(); ++h)
        ASSERT_EQ(hourly.At(h, "CollOn"), 1) << "hour " << h;
}

// A differential thermostat that has started its pump keeps it running while the difference
// stays above its off setting, within the hour as across hours: an array whose running rise lies
// between the off and on differences still collects, and more collectors at the same flow per
// collector never collect less.
TEST_F(SimulationRun, ArrayWhoseRunningRiseIsInsideTheDeadBandCollects) {
    double collected[2];
    for (int i = 0; i < 2; ++i) {
        const int collectors = i == 0 ? 8 : 12;
        CTidewarmDoc doc;
        Prepare(doc);
        Glazed(doc);
        doc.glazedCollector.SetParameters(1, collectors, 1, 2.5, 0.75, 0, 5, 0, 0, 0.05, 0, 0,
                                          nullptr, 0, nullptr);
        doc.collectorPump.SetFlowRate(0.15 * collectors);
        doc.controller.SetParameters(8, 1, 30, DeltaTController::kLimitColdSide);
        const std::string path = "array" + std::to_string(collectors) + ".tdw";
        ASSERT_EQ(doc.RunSimulation(path), 0);
        const ResultTable monthly = ReadResults("array" + std::to_string(collectors) + ".mly");
        collected[i] = monthly.At(PeriodMonths(172, 20).size(), "QColl");
    }
    EXPECT_GT(collected[0], 0);
    EXPECT_GE(collected[1], collected[0]);
}

// The pool's stored energy follows its gains, losses and auxiliary heat exactly (to the
// rounding of the files), in both passes, for every pool type with or without blanket and
// heater.
TEST_F(SimulationRun, EnergyClosesForEveryPoolBlanketAndHeater) {
    for (int indoor : {0, 1})
        for (int blanket : {0, 1})
            for (int heater :
                 {-1, static_cast<int>(HeaterKind::Fuel), static_cast<int>(HeaterKind::HeatPump)}) {
                CTidewarmDoc doc;
                Prepare(doc, 172, 10);
                doc.UseSolar = 0;
                doc.IndoorPool = indoor;
                doc.pool.SetVolume(570);
                doc.pool.SetSurfaceArea(300);
                doc.ReferenceRun = 1;
                if (blanket == 0) {
                    const double never[MonthlyProfile::kMonths] = {};
                    doc.blanketSeasonalProfile.SetValues(never);
                }
                doc.UseAuxHeater = heater < 0 ? 0 : 1;
                if (heater >= 0) doc.HeaterType = static_cast<HeaterKind>(heater);
                doc.gasHeater.SetParameters(27, 200000, 0.8);
                doc.heatPump.SetParameters(27, 200000, 5);
                const std::string name = "closure" + std::to_string(indoor) +
                                         std::to_string(blanket) + std::to_string(heater + 1);
                ASSERT_EQ(doc.RunSimulation(name + ".tdw"), 0) << name;
                for (const char* extension : {".mly", ".mlx"}) {
                    const ResultTable t = ReadResults(name + extension);
                    for (std::size_t row = 0; row < t.rows.size(); ++row) {
                        const auto v = [&](const char* column) { return t.At(row, column); };
                        EXPECT_NEAR(v("QRes"), v("QGain") - v("QLoss") + v("QAux"),
                                    Rounding({v("QRes"), v("QGain"), v("QLoss"), v("QAux")}))
                            << name << extension << " line " << row;
                    }
                }
            }
}

TEST_F(SimulationRun, SwimmableDaysNeedFourWarmHours) {
    // Air at 30 degC for four hours on the first day, for three on the second; 10 degC else.
    CTidewarmDoc doc;
    Prepare(doc, 172, 2);
    doc.SwimmableCriterion = 1;
    doc.MinPoolTemp = 0;  // the pool is always warm enough: a swimmable day is usable
    EnableHourly(doc, {kHourlyActivity});
    UseAlternate(doc);
    WriteAlternate("TAmb", 48, [](int record) {
        const int hour = (record - 1) % 24 + 1;
        const int warmHours = record <= 24 ? 4 : 3;
        return hour >= 10 && hour < 10 + warmHours ? "30" : "10";
    });
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    const ResultTable monthly = ReadResults("pool.mly");
    EXPECT_EQ(monthly.At(1, "SwimDays"), 1);
    EXPECT_EQ(monthly.At(1, "UsableDays"), 1);
    // Nobody swims on a day that is not swimmable.
    const ResultTable hourly = ReadResults("pool.hly");
    for (int h = 0; h < 48; ++h) {
        const int hour = h % 24 + 1;
        EXPECT_EQ(hourly.At(h, "Activity"), h < 24 && hour >= 7 && hour <= 18 ? 2 : 0) << h;
    }
}

TEST_F(SimulationRun, WeekendsEndEachCycleFromTheFirstDay) {
    CTidewarmDoc doc;
    Prepare(doc, 172, 7);
    doc.UseWeekends = 1;
    doc.WeekLength = 3;
    doc.WeekendLength = 1;
    const double weekday[HourlyProfile::kHours] = {};
    double weekend[HourlyProfile::kHours];
    for (double& value : weekend) value = 1;
    doc.activityProfile.SetValues(weekday, weekend);
    EnableHourly(doc, {kHourlyActivity});
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    const ResultTable hourly = ReadResults("pool.hly");
    for (int h = 0; h < 7 * 24; ++h) {
        const int day = h / 24 + 1;
        EXPECT_EQ(hourly.At(h, "Activity"), day % 3 == 0 ? 1 : 0) << h;
    }
}

}  // namespace
