// The project file: WriteProject and ReadProject on streams, and loading and saving files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <locale>
#include <ostream>
#include <system_error>

#include "document.h"
#include "file_replace.h"
#include "helpers.h"
#include "result_columns.h"
#include "simulator_strings.h"
#include "user_interface.h"

namespace {

constexpr char kHeaderWord[] = "Tidewarm";
constexpr int kHeaderWordLength = 8;
constexpr int kProjectPrecision = 15;

// Format versions that added what the file holds.
constexpr int kVersionTilter = 10002;
constexpr int kVersionEconomicsSwitch = 10101;  // also the print switch and heater efficiency
constexpr int kVersionEconomicData = 10102;
constexpr int kVersionSoilIntegrator = 10103;
constexpr int kVersionHeaterType = 10104;  // and the heat pump
constexpr int kVersionRoofType = 10109;
constexpr int kVersionWindPoolColumn = 10110;  // hourly column VWindPool
constexpr int kVersionHeaterSeason = 20003;
constexpr int kVersionSideWallColumn = 20004;  // hourly column QSide
constexpr int kVersionBinaryReader = 20100;
constexpr int kVersionSwimmingDays = 20102;  // criterion, reference run and thresholds
constexpr int kVersionGasHeaterRecord = 20103;
constexpr int kVersionDeepSoil = 20105;

constexpr double kOldHeaterEfficiency = 0.8;

constexpr int kDaysPerYear = 365;

bool IsDayOfYear(int day) {
    return day >= 1 && day <= kDaysPerYear;
}

// Reads the rest of the line into `line` (without CR); a line longer than `limit` fails the
// stream.
void ReadLimitedLine(std::istream& in, std::string& line, std::size_t limit) {
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > limit) in.setstate(std::ios::failbit);
}

// Reads the heater line of files before the heater had a record of its own: set point and the
// heat it delivers, then (from 10101) the efficiency. The heater is rated by its fuel input, so
// the capacity read is divided by the efficiency; an efficiency that is not above 0 is not
// divided by and the heater's own check refuses it when the run checks the model.
void ReadOldHeaterLine(std::istream& in, int version, GasHeater& heater) {
    double setPoint = 0, capacity = 0, efficiency = kOldHeaterEfficiency;
    in >> setPoint >> capacity >> SkipLine;
    if (version >= kVersionEconomicsSwitch) in >> efficiency >> SkipLine;
    if (in.fail()) return;
    const double inputCapacity = efficiency > 0 ? capacity / efficiency : capacity;
    heater.SetParameters(setPoint, inputCapacity, efficiency);
}

}  // namespace

int CTidewarmDoc::WriteProject(std::ostream& out) {
    out.imbue(std::locale::classic());
    int failed = 0;
    out << kHeaderWord << ' ' << kFormatVersion << ' ' << kComponentVersion << '\n';
    out.precision(kProjectPrecision);
    WriteParameterLine(out, UseSolar, UseExchanger, UseAuxHeater, UseAlternateInput, HourlyOutput,
                       DoEconomics);
    WriteParameterLine(out, StartDay, EndDay, NumDays, UseWeekends, WeekLength, WeekendLength,
                       Tolerance, MaxIterations, PrintParameters, SwimmableCriterion, ReferenceRun);
    WriteParameterLine(out, WeatherSource);
    out << weatherName_ << '\n';
    const SolarBase* const head[] = {&tmyReader,
                                     &textWeatherReader,
                                     &binaryWeatherReader,
                                     &alternateReader,
                                     &sun,
                                     &tracker,
                                     &tilter,
                                     &splitter,
                                     &collectorPump,
                                     &inletPipeInside,
                                     &inletPipeOutside,
                                     &outletPipeInside,
                                     &outletPipeOutside};
    for (const SolarBase* component : head) failed |= component->WriteParameters(out);
    WriteParameterLine(out, Collector);
    failed |= glazedCollector.WriteParameters(out);
    failed |= unglazedCollector.WriteParameters(out);
    WriteParameterLine(out, RoofType);
    failed |= exchangerPump.WriteParameters(out);
    failed |= heatExchanger.WriteParameters(out);
    WriteParameterLine(out, HeaterType);
    failed |= gasHeater.WriteParameters(out);
    failed |= heatPump.WriteParameters(out);
    failed |= heaterProfile.WriteParameters(out);
    WriteParameterLine(out, HeaterOffOutOfSeason);
    failed |= pool.WriteParameters(out);
    WriteParameterLine(out, SeasonStart, SeasonEnd);
    failed |= activityProfile.WriteParameters(out);
    WriteParameterLine(out, CloudyDayMinAirTemp, SunnyDayMinAirTemp, MinPoolTemp);
    failed |= blanketSeasonalProfile.WriteParameters(out);
    failed |= blanketDailyProfile.WriteParameters(out);
    WriteParameterLine(out, BlanketAlways);
    failed |= controller.WriteParameters(out);
    failed |= economicData.Write(out);
    failed |= collectorPromoter.WriteParameters(out);
    failed |= poolPromoter.WriteParameters(out);
    failed |= poolTempIntegrator.WriteParameters(out);
    failed |= soilTempIntegrator.WriteParameters(out);
    WriteParameterLine(out, CollectorFluidCp, ShadedFraction, MainsTemp, PipeSurroundTemp,
                       IndoorPool, InitialPoolTemp, DeepSoilTemp);
    WriteParameterLine(out, IndoorAirTemp, IndoorRelHum, IndoorAirSpeed);
    int flags[kHourlyColumnCount];
    hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    for (int flag : flags) out << (flag != 0 ? '1' : '0');
    out << '\n';
    return failed != 0 || !out.good() ? 1 : 0;
}

int CTidewarmDoc::ReadProject(std::istream& in) {
    in.imbue(std::locale::classic());
    char word[kHeaderWordLength + 1] = {};
    for (int i = 0; i < kHeaderWordLength && in.peek() != '\n' && in.good(); ++i)
        word[i] = static_cast<char>(in.get());
    if (std::string_view(word) != kHeaderWord) return 1;
    unsigned formatVersion = 0, componentVersion = 0;
    in >> formatVersion >> componentVersion >> SkipLine;
    if (in.fail()) return 1;
    if (formatVersion > kFormatVersion) {
        ShowMessage(LoadResString(kStrNewerFileVersion));
        return 1;
    }
    // One version governs every line of the file, the components' records included: the format
    // version V. The component version C is read and otherwise ignored. The components' own
    // gates (pool 10100, 10105 and 10109; collectors 10103, 10110 and 20000; controller 20000)
    // are format versions: they fall into the same history as the document's own gates (10103
    // adds the soil integrator beside the pool's soil model, 10109 the roof type, 10110 the
    // collector banks with the VWindPool column), and C stopped at 20002, below the format
    // versions 20003 to 30000 that follow. V is also the number this reader checks and refuses
    // when too new, so a file whose C is missing from its history or wrong still lines up.
    const int version = static_cast<int>(formatVersion);
    int failed = 0;
    auto read = [&](SolarBase& component) { failed |= component.ReadParameters(in, version); };

    in >> UseSolar >> UseExchanger >> UseAuxHeater >> UseAlternateInput >> HourlyOutput;
    if (version >= kVersionEconomicsSwitch) in >> DoEconomics;
    in >> SkipLine;
    int startDay = StartDay, endDay = EndDay;
    in >> startDay >> endDay >> NumDays >> UseWeekends >> WeekLength >> WeekendLength >>
        Tolerance >> MaxIterations;
    if (version >= kVersionEconomicsSwitch) in >> PrintParameters;
    if (version >= kVersionSwimmingDays) in >> SwimmableCriterion >> ReferenceRun;
    in >> SkipLine;
    // The run counts its days from these: a day outside the year would take it off the calendar.
    if (in) {
        if (!IsDayOfYear(startDay) || !IsDayOfYear(endDay)) {
            ShowMessage(FormatResString(kStrInvalidProjectDays, startDay, endDay));
            return 1;
        }
        StartDay = startDay;
        EndDay = endDay;
        if (NumDays > kMaxDays) {
            ShowMessage(FormatResString(kStrInvalidProjectDayCount, NumDays, kMaxDays));
            return 1;
        }
    }
    int source = -1;
    in >> source >> SkipLine;
    if (in && source >= kWeatherTMY && source <= kWeatherBinary) WeatherSource = source;
    std::string name;
    ReadLimitedLine(in, name, kMaxWeatherNameLength);
    if (in) weatherName_ = name;

    read(tmyReader);
    read(textWeatherReader);
    if (version >= kVersionBinaryReader) read(binaryWeatherReader);
    read(alternateReader);
    read(sun);
    read(tracker);
    if (version >= kVersionTilter) read(tilter);
    read(splitter);
    read(collectorPump);
    read(inletPipeInside);
    read(inletPipeOutside);
    read(outletPipeInside);
    read(outletPipeOutside);

    int collector = 0;
    in >> collector >> SkipLine;
    if (in) Collector = collector == 0 ? kCollectorGlazed : kCollectorUnglazed;
    read(glazedCollector);
    read(unglazedCollector);
    if (version >= kVersionRoofType) in >> RoofType >> SkipLine;
    read(exchangerPump);
    read(heatExchanger);
    if (version >= kVersionHeaterType) in >> HeaterType >> SkipLine;
    if (version >= kVersionGasHeaterRecord)
        read(gasHeater);
    else
        ReadOldHeaterLine(in, version, gasHeater);
    if (version >= kVersionHeaterType) read(heatPump);
    read(heaterProfile);
    if (version >= kVersionHeaterSeason)
        in >> HeaterOffOutOfSeason >> SkipLine;
    else
        HeaterOffOutOfSeason = 0;
    read(pool);
    pool.SetEvaporationModel(SwimmingPool::kEvaporationModelFixedCoefficients);
    in >> SeasonStart >> SeasonEnd >> SkipLine;
    read(activityProfile);
    if (version >= kVersionSwimmingDays)
        in >> CloudyDayMinAirTemp >> SunnyDayMinAirTemp >> MinPoolTemp >> SkipLine;
    read(blanketSeasonalProfile);
    read(blanketDailyProfile);
    in >> BlanketAlways >> SkipLine;
    read(controller);
    if (version >= kVersionEconomicData) failed |= economicData.Read(in);
    read(collectorPromoter);
    read(poolPromoter);
    read(poolTempIntegrator);
    if (version >= kVersionSoilIntegrator) read(soilTempIntegrator);
    in >> CollectorFluidCp >> ShadedFraction >> MainsTemp >> PipeSurroundTemp >> IndoorPool >>
        InitialPoolTemp;
    if (version >= kVersionDeepSoil)
        in >> DeepSoilTemp;
    else
        DeepSoilTemp = kDefaultDeepSoilTemp;
    in >> SkipLine;
    in >> IndoorAirTemp >> IndoorRelHum >> IndoorAirSpeed >> SkipLine;

    int flags[kHourlyColumnCount] = {};
    for (int column = 0; column < kHourlyColumnCount; ++column) {
        if (column == kHourlyVWindPool && version < kVersionWindPoolColumn) continue;
        if (column == kHourlyQSide && version < kVersionSideWallColumn) continue;
        char c = '0';
        in >> c;
        flags[column] = c != '0' ? 1 : 0;
    }
    for (int column = 0; column < kHourlyAlwaysWritten; ++column) flags[column] = 1;
    if (in) hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    in >> SkipLine;
    return in.fail() || failed != 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Files

std::string ProjectBaseName(const std::string& projectPath) {
    const std::size_t slash = projectPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = projectPath.rfind('.');
    return dot == std::string::npos || dot < nameStart ? projectPath : projectPath.substr(0, dot);
}

std::string ReportFileName(const std::string& projectPath) {
    return ProjectBaseName(projectPath) + ".lis";
}

namespace {

// Out of date unless the report exists and is not older than the project.
int ReportOutOfDate(const std::string& projectPath) {
    std::error_code error;
    const auto project = std::filesystem::last_write_time(projectPath, error);
    if (error) return 1;
    const auto report = std::filesystem::last_write_time(ReportFileName(projectPath), error);
    if (error) return 1;
    return report < project ? 1 : 0;
}

}  // namespace

std::unique_ptr<CTidewarmDoc> LoadProjectFile(const std::string& path) {
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenProject));
        return nullptr;
    }
    auto document = std::make_unique<CTidewarmDoc>();
    if (document->ReadProject(file) != 0) {
        ShowMessage(LoadResString(kStrCannotReadProject));
        return nullptr;
    }
    document->SetResultsOutOfDate(ReportOutOfDate(path));
    document->SetModifiedFlag(0);
    return document;
}

int SaveProjectFile(CTidewarmDoc& document, const std::string& path) {
    const std::string temporary = TemporaryName(path);
    std::ofstream file(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file.is_open()) {
        ShowMessage(LoadResString(kStrCannotCreateProject) + "\n" +
                    FormatResString(kStrFileProblem, path, std::strerror(errno)));
        return 1;
    }
    int result = document.WriteProject(file);
    file.close();
    std::error_code error;
    if (result == 0 && !file.fail()) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            document.SetModifiedFlag(0);
            return 0;
        }
    }
    // A rename that failed says why; a write that failed is an input/output error.
    const std::string reason = error ? error.message() : std::string(std::strerror(EIO));
    std::filesystem::remove(temporary, error);
    ShowMessage(LoadResString(kStrProjectNotSaved) + "\n" +
                FormatResString(kStrFileProblem, path, reason));
    return 1;
}
