// The text report: every section in English and in French, the input summaries it closes with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document.h"
#include "text_report_support.h"

namespace {

// A project with every section of the report.
void FullProject(CTidewarmDoc& doc, const std::string& path) {
    doc.SetPathName(path);
    doc.UseExchanger = 1;
    doc.UseAlternateInput = 1;
    doc.HourlyOutput = 1;
    doc.DoEconomics = 1;
    doc.PrintParameters = 1;
    doc.SwimmableCriterion = 1;
    doc.ReferenceRun = 1;
    doc.StartDay = 305;
    doc.EndDay = 31;
    doc.NumDays = 92;
    doc.tmyReader.SetFileName("weather.tmy");
    doc.alternateReader.SetFile("alt.csv");
    doc.pool.SetDesignParameters(100, 50, 0.1, 0.9, 0.6, 0.5, 1.25, 5e-7, 1, 1);
}

const std::vector<std::string> kEnglishReport = {
    "Tidewarm v. 3.0.0 - Swimming Pool Simulation",
    "Simulation File: pool.tdw",
    "Run on: (time)",
    "",
    "",
    "POOL CONFIGURATION:",
    "- Solar Collector",
    "- Heat Exchanger",
    "- Auxiliary Heater",
    "- Weather file: weather.tmy",
    "- Alternate Input File: alt.csv",
    "",
    "POOL CHARACTERISTICS:",
    "Pool Volume: 100 m3",
    "Pool Area  : 50 m2",
    "Evaporation Model: RSPEC",
    "Wind Correction Factor (Pool): 1",
    "",
    "SOLAR SYSTEM CHARACTERISTICS:",
    "Collector Type: Glazed",
    "Total Collector Area: 10 m2",
    "",
    "SIMULATION SUMMARY",
    "",
    "|   | Passive | Active  |Auxiliary|  Total  | Residual| Average |",
    "|Mon|  Gains  |  Gains  | Heating |  Losses |  Gains  |  T Pool |",
    "|   |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |    (C)  |",
    "+---+---------+---------+---------+---------+---------+---------+",
    "|Nov|    0.60 |    0.70 |    0.50 |    1.50 |    1.60 |   21.00 |",
    "|Dec|    1.20 |    1.40 |    1.00 |    3.00 |    3.20 |   22.00 |",
    "|Jan|    1.80 |    2.10 |    1.50 |    4.50 |    4.80 |   23.00 |",
    "+---+---------+---------+---------+---------+---------+---------+",
    "|Tot|    2.40 |    2.80 |    2.00 |    6.00 |    6.40 |   24.00 |",
    "+---+---------+---------+---------+---------+---------+---------+",
    "",
    "LOSSES SUMMARY",
    "",
    "|   | Evapor. | Convect.| Conduct.| Radiat. |   Side  |  Makeup |  Total  |",
    "|Mon|  Losses |  Losses |  Losses |  Losses |  Losses |  Losses |  Losses |",
    "|   |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |",
    "+---+---------+---------+---------+---------+---------+---------+---------+",
    "|Nov|    0.90 |    1.00 |    1.10 |    1.20 |    1.30 |    1.40 |    1.50 |",
    "|Dec|    1.80 |    2.00 |    2.20 |    2.40 |    2.60 |    2.80 |    3.00 |",
    "|Jan|    2.70 |    3.00 |    3.30 |    3.60 |    3.90 |    4.20 |    4.50 |",
    "+---+---------+---------+---------+---------+---------+---------+---------+",
    "|Tot|    3.60 |    4.00 |    4.40 |    4.80 |    5.20 |    5.60 |    6.00 |",
    "+---+---------+---------+---------+---------+---------+---------+---------+",
    "",
    "SOLAR SUMMARY",
    "",
    "|   |Available|Collected|  Piping |   Pump  |  Active |",
    "|Mon|  Energy |  Energy |  Losses |  Gains  |   Gains |",
    "|   |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |   (GJ)  |",
    "+---+---------+---------+---------+---------+---------+",
    "|Nov|    0.10 |    0.20 |    0.30 |    0.40 |    0.70 |",
    "|Dec|    0.20 |    0.40 |    0.60 |    0.80 |    1.40 |",
    "|Jan|    0.30 |    0.60 |    0.90 |    1.20 |    2.10 |",
    "+---+---------+---------+---------+---------+---------+",
    "|Tot|    0.40 |    0.80 |    1.20 |    1.60 |    2.80 |",
    "+---+---------+---------+---------+---------+---------+",
    "",
    "PRIMARY ENERGY CONSUMPTION SUMMARY",
    "",
    "|   |   Time  |Time Aux.|Electric.| Primary |",
    "|Mon| Pump On | Heat On |  Energy |  Energy |",
    "|   |    (h)  |    (h)  |  (kWh)  |   (GJ)  |",
    "+---+---------+---------+---------+---------+",
    "|Nov|   10.00 |    0.50 |  500.00 |    1.90 |",
    "|Dec|   20.00 |    1.00 | 1000.00 |    3.80 |",
    "|Jan|   30.00 |    1.50 | 1500.00 |    5.70 |",
    "+---+---------+---------+---------+---------+",
    "|Tot|   40.00 |    2.00 | 2000.00 |    7.60 |",
    "+---+---------+---------+---------+---------+",
    "",
    "SWIMMABLE / USABLE DAYS SUMMARY",
    "",
    "|   |Swimmable|  Usable |  Usable |",
    "|Mon|   Days  |   Days  |   Days  |",
    "|   |    (d)  | (w/heat)|(no heat)|",
    "+---+---------+---------+---------+",
    "|Nov|    5.00 |    6.00 |    2.00 |",
    "|Dec|   10.00 |   12.00 |    4.00 |",
    "|Jan|   15.00 |   18.00 |    6.00 |",
    "+---+---------+---------+---------+",
    "|Tot|   20.00 |   24.00 |    8.00 |",
    "+---+---------+---------+---------+",
    "",
    "ECONOMIC ANALYSIS",
    "",
    "System life: 10 years",
    // Two collectors of $200 and $1000 of installation.
    "Capital cost: $ 1400.00 ",
    "Downpayment : $ 0.00    ",
    "Interest rate: 10.00 %",
    // 1400 x 0.1 / (1 - 1.1^-10)
    "Loan: 10 yearly payments of $ 227.84  ",
    "Yearly maintenance cost: $ 100.00  ",
    "Yearly energy cost (in today's $)",
    // 7.6 GJ at $1, 2000 kWh at $0.10
    "  Primary energy: $ 7.60    ",
    "  Electricity   : $ 200.00  ",
    "Life-cycle unit cost of thermal energy delivered:",
    // (207.6 x 7.43981215 + 1400 x 0.16274539 x 6.14456711 + 100 x 7.43981215) / 10 / 4.8 GJ
    "     76.84 $/GJ",
    "",
    "",
    "SYSTEM PARAMETERS",
    "-----------------",
    "",
    "CONFIGURATION",
};

// The input summaries of the same project, as each dialog prints its section.
const std::vector<std::string> kEnglishSummaries = {
    "CONFIGURATION",
    "Pool Configuration",
    "  Solar Collector           : X",
    "  Heat Exchanger            : X",
    "  Auxiliary Heater          : X",
    "  Use Alternate Input File  : X",
    "  Require Hourly Printout   : X",
    "  Perform Economic Analysis : X",
    "Week/Weekend",
    "  Use different profiles for week and weekend: -",
    "",
    "Swimmable Days",
    "  Use Swimmable Days Concept: X",
    "  Perform Comparative Run: X",
    "WEATHER FILE",
    "Weather File Name: weather.tmy",
    "Format: Korvex TMY",
    "Latitude: 0 degrees N",
    "City Name: ",
    "Time Base: Local Apparent (Solar) Time",
    "",
    "ALTERNATE INPUT FILE",
    "Alternate File Name: alt.csv",
    "",
    "SIMULATION DATA",
    "Simulation Parameters:",
    "  Start Day of Simulation: November  1 (Julian day 305)",
    "  End Day of Simulation:   January 31 (Julian day  31)",
    "  Number of Days in Simulation: 92",
    "  Require Printout of Simulation Parameters: X",
    "Numerical Algorithms",
    "  Precision on Temperatures: 0.0001 C",
    "  Maximum number of iterations: 100",
    "",
    "COLLECTOR TEST DATA",
    "Collector Type: Glazed",
    "Collector Area: 5 m2",
    "Test Flow Rate: 0.02 kg/s",
    "Test Parameters:",
    "  A = 0.75",
    "  B = 0 1/C",
    "  C = 5 W/m2/C",
    "  D = 0 W/m2/C2",
    "  E = 0 W/m2",
    "Incidence Angle Modifiers: None",
    "  Incidence Angle [degree]",
    "    0         10        20        30        40      ",
    "    50        60        70        80        90      ",
    "  Incidence Angle Modifier []",
    "    1         1         1         1         1       ",
    "    1         1         1         1         1       ",
    "",
    "COLLECTOR USE DATA",
    "Number of Collectors in Series: 2",
    "Number of Series Groups in Parallel in a Bank: 1",
    "Number of Banks of Collectors: 1",
    "Collector Orientation",
    "  Slope: 45 degree",
    "  Azimuth: 0 degree",
    "Controller",
    "  Delta T On : 5 C",
    "  Delta T Off: 2 C",
    "  Tmax Pool  : 30 C",
    "Pump",
    "  Pump Flow Rate: 0.02 kg/s",
    "  Pump Power: 10 W",
    "  Fraction of Pump Power Transferred to Fluid: 0.5",
    "",
    "PIPES DATA",
    "Lengths",
    "  Inlet  Pipe Length - Inside : 5 m",
    "                     - Outside: 10 m",
    "  Outlet Pipe Length - Inside : 5 m",
    "                     - Outside: 10 m",
    "Insulation (per unit pipe length)",
    "  Heat Loss Coefficient Inside : 0.08 W/m/C",
    "  Heat Loss Coefficient Outside: 0.08 W/m/C",
    "Temperature",
    "  Average Indoor/Soil Temperature: 10 C",
    "",
    "HEAT EXCHANGER DATA",
    "Heat Exchanger Effectiveness: 0.8",
    "Collector Fluid Heat Capacitance: 4200 J/kg/C",
    "Pump on Pool Side",
    "  Pump Flow Rate: 0.02 kg/s",
    "  Pump Power: 10 W",
    "  Fraction of Pump Power Transferred to Fluid: 0.5",
    "",
    "POOL DESIGN DATA",
    "Pool Type: Outdoor",
    "Water Volume: 100 m3",
    "Surface: 50 m2",
    "Mains Water Temperature: 10 C",
    "Fraction of Pool Above Ground: 0.1",
    "Emissivity of Outside Walls Above Ground: 0.9",
    "Absorptivity of Outside Walls Above Ground: 0.6",
    "Insulation on Sides / Bottom: 0.5 m2.C/W",
    "Temperature Deep in Soil or in Mechanical Room: 10 C",
    "Fraction of Pool Shaded from Sun: 0.5",
    "Wind Speed Correction Factor: 1",
    "",
    "POOL USE DATA",
    "Seasonal Use",
    "  Start Day of Season: May 15",
    "  End Day of Season  : September 30",
    "  Temperature at Start of Simulation: 10 C",
    "Pool Activity",
    "  Daily Spillage/Leakage: 1 m3",
    "  Hourly Pool Activity (weekday): 0 = none, 1 = moderate, 2 = high",
    "     1: 0          7: 2         13: 2         19: 0       ",
    "     2: 0          8: 2         14: 2         20: 0       ",
    "     3: 0          9: 2         15: 2         21: 0       ",
    "     4: 0         10: 2         16: 2         22: 0       ",
    "     5: 0         11: 2         17: 2         23: 0       ",
    "     6: 0         12: 2         18: 2         24: 0       ",
    "Swimmable Days Definition",
    "  Minimum ambient temperature for swimming:",
    "    Sunny day: 23 C",
    "    Cloudy day: 26 C",
    "  Minimum pool temperature for swimming: 20 C",
    "",
    "POOL BLANKET DATA",
    "Physical Properties",
    "  Short-Wave Absorptivity: 0.2",
    "  Short-Wave Transmissivity: 0.7",
    "  Long-Wave Emissivity: 0.95",
    "  Long-Wave Transmissivity: 0",
    "  Insulation value: 0.01",
    "  Fraction of Pool Area Covered: 0.95",
    "Use",
    "  Blanket seasonal use (0=off, 1=on)",
    "    Jan: 1         Apr: 1         Jul: 1         Oct: 1       ",
    "    Feb: 1         May: 1         Aug: 1         Nov: 1       ",
    "    Mar: 1         Jun: 1         Sep: 1         Dec: 1       ",
    "  Daily Use = Always when pool not in use",
    "",
    "AUXILIARY HEATER DATA",
    "Auxiliary Heater Type: Gas or Oil",
    "Temperature Setpoint: 20 C",
    "Maximum Power (Input): 10000 W",
    "Heater Efficiency: 80 %",
    "  Auxiliary heater seasonal use (0=off, 1=on)",
    "    Jan: 1         Apr: 1         Jul: 1         Oct: 1       ",
    "    Feb: 1         May: 1         Aug: 1         Nov: 1       ",
    "    Mar: 1         Jun: 1         Sep: 1         Dec: 1       ",
    "Heater is off outside season of use of pool: -",
    "",
    "ECONOMIC DATA",
    "System Parameters",
    "  System Life: 10 years",
    "  Cost per Collector: 200 $/Collector",
    "  Installation Cost: 1000 $",
    "  Maintenance Cost: 100 $/year",
    "  Resale Value: 0 $",
    "Financial Parameters",
    "  Down Payment: 0 $",
    "  Interest Rate: 10 %/yr",
    "  Discount Rate: 10 %/yr",
    "  Inflation Rate: 5 %/yr",
    "  Fuel Inflation Rate: 5 %/yr",
    "Energy Costs",
    "  Primary Energy (gas or oil) Cost: 1 $/GJ",
    "  Electricity Cost: 0.1 $/kWh",
    "",
    "HOURLY PRINTOUTS: ENERGIES",
    "Passive Gain                          \"QPass\"     [J]   : -",
    "Active Gain                           \"QAct\"      [J]   : -",
    "Auxiliary Gain                        \"QAux\"      [J]   : -",
    "Total Gain                            \"QGain\"     [J]   : -",
    "Evaporative Losses                    \"QEvap\"     [J]   : -",
    "Convective Losses                     \"QConv\"     [J]   : -",
    "Conductive Losses                     \"QCond\"     [J]   : -",
    "Radiative Losses                      \"QRad\"      [J]   : -",
    "Side Losses                           \"QSide\"     [J]   : -",
    "Spill and Makeup Losses               \"QMakeup\"   [J]   : -",
    "Total Losses                          \"QLoss\"     [J]   : -",
    "Residual Energy Gain                  \"QRes\"      [J]   : -",
    "Available Solar Energy                \"QInc\"      [J]   : -",
    "Solar Energy Collected                \"QColl\"     [J]   : -",
    "Energy Lost through Piping            \"QPipes\"    [J]   : -",
    "Energy Gain from Pumps                \"QPumps\"    [J]   : -",
    "",
    "HOURLY PRINTOUTS: POOL",
    "Pool Temperature                      \"TPool\"     [C]   : -",
    "Mains Temperature                     \"TMains\"    [C]   : -",
    "Makeup Water                          \"MdotMakeup\"[kg/s]: -",
    "Soil Temperature around Pool          \"TSoilPool\" [C]   : -",
    "",
    "HOURLY PRINTOUTS: WEATHER",
    "",
    "Global Horizontal Irradiance          \"HGlo\"      [W/m2]: -",
    "Ambient Dry Bulb Temperature          \"TAmb\"      [C]   : -",
    "Ambient Relative Humidity             \"RelHum\"    [0-1] : -",
    "Ambient Wind Speed                    \"VWind\"     [m/s] : -",
    "Pool Direct Horizontal Irradiance     \"HDirPool\"  [W/m2]: -",
    "Pool Diffuse Horizontal Irradiance    \"HDifPool\"  [W/m2]: -",
    "Pool Dry Bulb Temperature             \"TAmbPool\"  [C]   : -",
    "Pool Relative Humidity                \"RelHumPool\"[0-1] : -",
    "Pool Wind Speed                       \"VWindPool\" [m/s] : -",
    "Sky Temperature                       \"TSky\"      [C]   : -",
    "",
    "HOURLY PRINTOUTS: COLLECTORS/PIPES/HEAT EXCHANGER",
    "Collector Inlet Temperature           \"Tci\"       [C]   : -",
    "Collector Outlet/Plate Temperature    \"Tco\"       [C]   : -",
    "Collector Flow Rate                   \"MdotColl\"  [kg/s]: -",
    "Inlet Pipe Input Temperature          \"TPipeIn\"   [C]   : -",
    "Outlet Pipe Output Temperature        \"TPipeOut\"  [C]   : -",
    "Temperature of Soil around Pipes      \"TSoilPipe\" [C]   : -",
    "Exch. Temperature Out, Cold Side      \"TXColdOut\" [C]   : -",
    "Exch. Temperature Out, Hot Side       \"TXHotOut\"  [C]   : -",
    "Exch. Flow Rate                       \"MdotExch\"  [kg/s]: -",
    "",
    "HOURLY PRINTOUTS: CONTROLS",
    "Activity Level in Pool                \"Activity\"  [0-2] : -",
    "Blanket On                            \"BlanketOn\" [0/1] : -",
    "Collector On                          \"CollOn\"    [0/1] : -",
    "Auxiliary Heater On                   \"AuxOn\"     [0/1] : -",
    "",
};

void ExpectReport(const std::vector<std::string>& expected, std::vector<std::string> actual) {
    ASSERT_GE(actual.size(), expected.size());
    ASSERT_EQ(actual[2].rfind("Run on: ", 0), 0u);
    actual[2] = "Run on: (time)";
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
}

// The titles of the input summaries, in the order they come.
std::vector<std::string> SummaryTitles(const std::vector<std::string>& lines,
                                       const std::vector<std::string>& candidates) {
    std::vector<std::string> titles;
    for (const std::string& line : lines)
        for (const std::string& title : candidates)
            if (line == title) titles.push_back(line);
    return titles;
}

TEST_F(TextReport, EverySectionInEnglish) {
    CTidewarmDoc doc;
    FullProject(doc, "pool.tdw");
    WriteResults("pool", true);
    EXPECT_EQ(doc.WriteReport(), 0);
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0];
    const std::vector<std::string> lines = ReportLines("pool.lis");
    ExpectReport(kEnglishReport, lines);
    const std::vector<std::string> titles = SummaryTitles(
        lines, {"CONFIGURATION", "WEATHER FILE", "ALTERNATE INPUT FILE", "SIMULATION DATA",
                "COLLECTOR TEST DATA", "COLLECTOR USE DATA", "PIPES DATA", "HEAT EXCHANGER DATA",
                "POOL DESIGN DATA", "POOL USE DATA", "POOL BLANKET DATA", "AUXILIARY HEATER DATA",
                "ECONOMIC DATA", "HOURLY PRINTOUTS: ENERGIES", "HOURLY PRINTOUTS: POOL",
                "HOURLY PRINTOUTS: WEATHER", "HOURLY PRINTOUTS: COLLECTORS/PIPES/HEAT EXCHANGER",
                "HOURLY PRINTOUTS: CONTROLS"});
    EXPECT_EQ(titles.size(), 18u);
    // The whole report, line by line.
    std::vector<std::string> whole = kEnglishReport;
    whole.pop_back();
    whole.insert(whole.end(), kEnglishSummaries.begin(), kEnglishSummaries.end());
    EXPECT_EQ(lines.size(), whole.size());
    ExpectReport(whole, lines);
    EXPECT_EQ(titles.back(), "HOURLY PRINTOUTS: CONTROLS");
    EXPECT_EQ(titles[4], "COLLECTOR TEST DATA");
}

TEST_F(TextReport, FrenchMonthsAndTextsKeepTheColumnsAligned) {
    test::WriteFile("fr.str",
                    "34023\tTidewarm v. %d.%d.%d - Simulation de piscine\\n\n"
                    "34026\tCONFIGURATION DE LA PISCINE:\\n\n"
                    "34048\tSOMMAIRE DE LA SIMULATION\\n\\n\n"
                    "34050\t|Moi|  Gains  |  Gains  |Chauffage|  Pertes |  Gains  |  T Pisc.|\\n\n"
                    "34053\tTot\n");
    ASSERT_TRUE(LoadFrenchStrings("fr.str"));
    app::Language = Language::French;
    CTidewarmDoc doc;
    FullProject(doc, "pool.tdw");
    WriteResults("pool", true);
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::vector<std::string> lines = ReportLines("pool.lis");
    std::vector<std::string> expected = kEnglishReport;
    expected[0] = "Tidewarm v. 3.0.0 - Simulation de piscine";
    expected[5] = "CONFIGURATION DE LA PISCINE:";
    expected[22] = "SOMMAIRE DE LA SIMULATION";
    expected[25] = "|Moi|  Gains  |  Gains  |Chauffage|  Pertes |  Gains  |  T Pisc.|";
    expected[29] = "|Déc|    1.20 |    1.40 |    1.00 |    3.00 |    3.20 |   22.00 |";
    expected[42] = "|Déc|    1.80 |    2.00 |    2.20 |    2.40 |    2.60 |    2.80 |    3.00 |";
    expected[55] = "|Déc|    0.20 |    0.40 |    0.60 |    0.80 |    1.40 |";
    expected[68] = "|Déc|   20.00 |    1.00 | 1000.00 |    3.80 |";
    expected[81] = "|Déc|   10.00 |   12.00 |    4.00 |";
    expected.back() = "CONFIGURATION";
    ExpectReport(expected, lines);
    const std::string text = test::ReadFile("pool.lis");
    EXPECT_NE(text.find("PARAMÈTRES DE SIMULATION\n"), std::string::npos);
    EXPECT_NE(text.find("  Premier jour de simulation:  1 novembre (jour de l'année 305)\n"),
              std::string::npos);
    EXPECT_NE(text.find("IMPRESSIONS HORAIRES: ÉNERGIES\n"), std::string::npos);
}

// The delivered French texts name each thing as the French input summaries of the same report
// do: the alternate input file, the swimmable days, the incidence angle modifiers; and the make-up
// water losses are not labelled with the auxiliary heater's word.
TEST_F(TextReport, DeliveredFrenchTextsUseTheTermsOfTheFrenchSummaries) {
    ASSERT_TRUE(
        LoadFrenchStrings(FrenchStringFile(TIDEWARM_RESOURCES_DIR, kSimulatorFrenchLibrary)));
    app::Language = Language::French;
    CTidewarmDoc doc;
    FullProject(doc, "pool.tdw");
    WriteResults("pool", true);
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::string text = test::ReadFile("pool.lis");
    EXPECT_NE(text.find("FICHIER DE DONNÉES ALTERNATIVES\n"), std::string::npos);
    EXPECT_NE(text.find("- Fichier de données alternatives : alt.csv\n"), std::string::npos);
    EXPECT_NE(text.find("  Utiliser le concept de 'jours nageables': X\n"), std::string::npos);
    EXPECT_NE(text.find("RÉSUMÉ DES JOURS NAGEABLES / UTILISABLES\n"), std::string::npos);
    EXPECT_NE(text.find("|M. |nageables|utilisab.|utilisab.|\n"), std::string::npos);
    EXPECT_EQ(text.find("aignable"), std::string::npos);
    EXPECT_EQ(text.find("AIGNABLE"), std::string::npos);
    EXPECT_NE(text.find("Coefficients correcteurs de l'angle d'incidence: Aucun\n"),
              std::string::npos);
    EXPECT_NE(text.find("  Coefficient correcteur de l'angle d'incidence []\n"), std::string::npos);
    EXPECT_NE(
        text.find("|   | Évapor. | Convect.| Conduct.| Rayonn. |  Parois |  Fuites |  Total  |\n"),
        std::string::npos);
}

}  // namespace
