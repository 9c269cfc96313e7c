// The simulation run: the reference pass of the unheated pool and the system pass, each over the
// days and hours of the period, with the monthly and annual lines of the result file.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <new>
#include <string>

#include "document.h"
#include "file_replace.h"
#include "helpers.h"
#include "physical_constants.h"
#include "result_columns.h"
#include "run_messages.h"
#include "simulator_strings.h"
#include "user_interface.h"
#include "weather_check.h"

namespace {

// The progress is shown every this many days.
constexpr int kProgressInterval = 10;
// Hours of a swimmable day the pool must be warm enough for the day to be usable.
constexpr int kUsableDayHours = 4;

// Closes the files of a pass however it ends.
class PassFiles {
  public:
    explicit PassFiles(std::initializer_list<FileIO*> files) {
        std::copy(files.begin(), files.end(), files_);
    }
    ~PassFiles() {
        for (FileIO* file : files_)
            if (file != nullptr) file->Close();
    }
    PassFiles(const PassFiles&) = delete;
    PassFiles& operator=(const PassFiles&) = delete;

  private:
    FileIO* files_[4] = {};
};

// Turns the month's (or year's) integrals into the values of its line: the month number and the
// pool temperature become averages, the swimmable and usable days whole days.
void NormaliseLine(Summary& summary) {
    summary.Normalise(kMonthlyMonth, 1);
    summary.Normalise(kMonthlyTPool, 1);
    summary.sums[kMonthlySwimDays] /= kSecondsPerDay;
    summary.sums[kMonthlyUsableDays] /= kSecondsPerDay;
}

// The result files of a run. They are written under temporary names and put in place only when
// the whole run succeeded, so that no reader ever takes a partial file, or one of an earlier run,
// for the results of this one.
constexpr const char* kResultExtensions[] = {
    kMonthlyResultExtension, kReferenceMonthlyResultExtension, kHourlyResultExtension,
    kReferenceHourlyResultExtension};

// The result file that a writer's temporary file stands for: the name the user knows.
std::string ResultFileOf(const char* writerFileName) {
    std::string name = writerFileName != nullptr ? writerFileName : "";
    if (name.ends_with(kTemporarySuffix)) name.resize(name.size() - kTemporarySuffix.size());
    return name;
}

// The message that names a file and the system's reason.
std::string FileProblem(const std::string& path, const std::string& reason) {
    return FormatResString(kStrFileProblem, path, reason);
}

}  // namespace

void CTidewarmDoc::RemoveResultFiles(const std::string& base) {
    std::error_code ignored;
    for (const char* extension : kResultExtensions) {
        std::filesystem::remove(base + extension, ignored);
        RemoveTemporaryFiles(base + extension);
    }
}

int CTidewarmDoc::CheckRunSettings() {
    if (NumDays < 1) {
        ShowRunMessage(kStrInvalidDayCount);
        return kDomain;
    }
    if (UseWeekends != 0 && WeekLength < 1) {
        ShowRunMessage(kStrInvalidWeekLength);
        return kDomain;
    }
    return 0;
}

int CTidewarmDoc::RunSimulation(const std::string& projectPath) {
    if (const int result = CheckRunSettings(); result != 0) return result;
    if (const int result = CheckWeatherFile(*this); result != 0) return result;
    const std::string base = ProjectBaseName(projectPath);
    int result = RunPasses(base);
    if (result == 0 && !PlaceResultFiles(base)) result = kOpenFailed;
    if (result != 0) {
        RemoveResultFiles(base);
        return result;
    }

    // The report reads the result files just written; what it meets does not change the run's
    // result.
    const std::string pathName = GetPathName();
    SetPathName(projectPath);
    reportResult_ = WriteReport();
    SetPathName(pathName);
    return 0;
}

int CTidewarmDoc::RunPasses(const std::string& base) {
    const int savedSolar = UseSolar;
    const int savedExchanger = UseExchanger;
    const int savedHeater = UseAuxHeater;
    int result = 0;
    // Slots for the air and sun of every hour, shared by the two passes of a run with the
    // reference pass; with one pass, or without the memory, each pass computes its own.
    if (ReferenceRun != 0) {
        try {
            const std::size_t hours =
                static_cast<std::size_t>(std::max(NumDays, 0)) * kHoursPerDay + 1;
            hourAir_.assign(hours, HourAir());
            hourSun_.assign(hours, HourSun());
        } catch (const std::bad_alloc&) {
            hourAir_.clear();
            hourSun_.clear();
        }
    }
    for (const bool reference : {true, false}) {
        if (reference && ReferenceRun == 0) continue;
        const std::string monthlyName = TemporaryName(
            base + (reference ? kReferenceMonthlyResultExtension : kMonthlyResultExtension));
        const std::string hourlyName = TemporaryName(
            base + (reference ? kReferenceHourlyResultExtension : kHourlyResultExtension));
        // The writers create their files new: what an earlier run that was stopped left goes.
        std::error_code ignored;
        std::filesystem::remove(monthlyName, ignored);
        std::filesystem::remove(hourlyName, ignored);
        monthlyWriter.SetFileName(monthlyName.c_str());
        hourlyWriter.SetFileName(hourlyName.c_str());
        // The reference pass is the pool without collectors, exchanger or heater.
        UseSolar = reference ? 0 : savedSolar;
        UseExchanger = reference ? 0 : savedExchanger;
        UseAuxHeater = reference ? 0 : savedHeater;
        result = RunPass();
        if (result != 0) break;
    }
    UseSolar = savedSolar;
    UseExchanger = savedExchanger;
    UseAuxHeater = savedHeater;
    hourAir_ = std::vector<HourAir>();
    hourSun_ = std::vector<HourSun>();
    return result;
}

bool CTidewarmDoc::PlaceResultFiles(const std::string& base) {
    const bool hourly = HourlyOutput != 0;
    const bool written[] = {true, ReferenceRun != 0, hourly, ReferenceRun != 0 && hourly};
    for (std::size_t i = 0; i < std::size(kResultExtensions); ++i) {
        const std::string path = base + kResultExtensions[i];
        std::error_code error;
        if (!written[i]) {
            // A file of an earlier run that this one did not write would pass for its result.
            std::filesystem::remove(path, error);
            std::filesystem::remove(TemporaryName(path), error);
            continue;
        }
        std::filesystem::rename(TemporaryName(path), path, error);
        if (error) {
            ShowMessage(FileProblem(path, error.message()), MessageKind::Error);
            return false;
        }
    }
    return true;
}

void CTidewarmDoc::ClearPlantOutputs() {
    for (FlatPlateCollector* collector : {static_cast<FlatPlateCollector*>(&glazedCollector),
                                          static_cast<FlatPlateCollector*>(&unglazedCollector)}) {
        collector->outletTemperature = collector->meanFluidTemperature = 0;
        collector->usefulGain = collector->incidentEnergy = collector->absorbedIrradiance = 0;
    }
    for (Pump* pump : {static_cast<Pump*>(&collectorPump), static_cast<Pump*>(&exchangerPump)})
        pump->flow = pump->outletTemperature = pump->heat = pump->electricPower = 0;
    for (Pipe* pipe : {&inletPipeInside, &inletPipeOutside, &outletPipeInside, &outletPipeOutside})
        pipe->outletTemperature = pipe->heatLoss = 0;
    heatExchanger.coldOutletTemperature = heatExchanger.hotOutletTemperature = 0;
    heatExchanger.heat = 0;
    gasHeater.outletTemperature = gasHeater.heat = gasHeater.partLoadRatio = 0;
    gasHeater.fuelUse = 0;
    heatPump.outletTemperature = heatPump.heat = heatPump.partLoadRatio = 0;
    heatPump.capacity = heatPump.cop = heatPump.outOfRange = 0;
    // The pool reads its own water loss back as its make-up flow.
    pool.poolTemperatureDerivative = pool.soilTemperatureDerivative = 0;
    pool.evaporationRate = pool.waterLoss = 0;
    pool.solarGain = pool.loopGain = pool.totalGains = 0;
    pool.evaporationLoss = pool.convectionLoss = pool.conductionLoss = 0;
    pool.radiationLoss = pool.makeUpLoss = pool.sideWallLoss = pool.totalLosses = 0;
    controller.on = controller.previousOn = 0;
    CollectorOn = HeaterOn = 0;
    HeaterFlow = 0;
    QRes = QElec = QPrimary = 0;
    UsableHours = SwimmableHours = 0;
}

int CTidewarmDoc::FinishMonth(bool reset) {
    NormaliseLine(monthlySummary);
    const int result = monthlyWriter.Compute();
    if (reset) monthlySummary.ResetSums();
    return result;
}

int CTidewarmDoc::WriteAnnualLine() {
    NormaliseLine(annualSummary);
    std::copy(annualSummary.sums.begin(), annualSummary.sums.end(), monthlySummary.sums.begin());
    monthlySummary.sums[kMonthlyMonth] = 0;
    return monthlyWriter.Compute();
}

int CTidewarmDoc::RunPass() {
    FileReader* weather = SelectedWeatherReader();
    PassFiles files{weather, &alternateReader, &monthlyWriter, &hourlyWriter};
    if (const int result = OpenPassFiles(weather); result != 0) return result;
    if (ConnectModel() != 0) return kOpenFailed;
    if (CheckComponents() != 0) return kDomain;
    SetInitialStates();
    if (UseSolar != 0 && Collector == CollectorKind::Unglazed) {
        if (const int result = roof.Compute(); result != 0) {
            ShowRunMessage(kStrRoofInitFailed);
            return result;
        }
    }
    if (const int result = SimulateDays(); result != 0) return result;
    return FinishPassFiles();
}

int CTidewarmDoc::OpenPassFiles(FileReader* weather) {
    if (weather == nullptr) {
        ShowWeatherOpenFailure(nullptr);
        return kOpenFailed;
    }
    if (const int result = weather->Open(); result != 0) {
        ShowWeatherOpenFailure(weather);
        return result;
    }
    if (UseAlternateInput != 0) {
        if (const int result = alternateReader.Open(); result != 0) {
            ShowRunMessage(kStrCannotOpenAlternateFile);
            return result;
        }
    }
    if (const int result = monthlyWriter.Open(); result != 0) {
        ShowRunMessage(kStrCannotOpenMonthlyOutput,
                       FileProblem(ResultFileOf(monthlyWriter.GetFileName()),
                                   std::strerror(monthlyWriter.SystemError())));
        return result;
    }
    if (HourlyOutput != 0) {
        if (const int result = hourlyWriter.Open(); result != 0) {
            ShowRunMessage(kStrCannotOpenHourlyOutput,
                           FileProblem(ResultFileOf(hourlyWriter.GetFileName()),
                                       std::strerror(hourlyWriter.SystemError())));
            return result;
        }
    }
    return 0;
}

void CTidewarmDoc::SetInitialStates() {
    ClearPlantOutputs();
    if (ExchangerOn()) heatExchanger.hotOutletTemperature = InitialPoolTemp;
    if (UseAuxHeater != 0) {
        gasHeater.outletTemperature = InitialPoolTemp;
        heatPump.outletTemperature = InitialPoolTemp;
    } else {
        poolTempIntegrator.newState = InitialPoolTemp;
    }
    soilTempIntegrator.newState = InitialPoolTemp;
    PoolTempStart = InitialPoolTemp;
    TSoilPrev = InitialPoolTemp;
    TUnderRoof = 15;
    TimeStep = kSecondsPerHour;
    CollectorWasOn = 0;
    QPumps = 0;
    QPipes = 0;
    DailyClearness = 0;
    Swimmable = 0;
    Time = 0;
    monthlySummary.ResetSums();
    annualSummary.ResetSums();
}

int CTidewarmDoc::SimulateDays() {
    int previousMonth = 0;
    for (DayCount = 0; DayCount < NumDays; ++DayCount) {
        if (DayCount % kProgressInterval == 0)
            CurrentProgress().SetText(FormatResString(kStrSimulatingDay, DayCount, NumDays));
        CurrentProgress().Step();
        SetCalendarDay();
        SwimmableHours = 0;
        if (Month != previousMonth && previousMonth != 0) {
            if (const int result = FinishMonth(true); result != 0) {
                ShowRunMessage(kStrCannotWriteMonthly);
                return result;
            }
        }
        previousMonth = Month;

        if (const int result = PrepareDay(); result != 0) return result;
        if (const int result = SimulateDayHours(); result != 0) return result;
    }
    return 0;
}

void CTidewarmDoc::SetCalendarDay() {
    CurrentDay = ((StartDay + DayCount - 1) % kDaysPerYear + kDaysPerYear) % kDaysPerYear + 1;
    Month = MonthOfDay(CurrentDay, 0);
    CurrentDayOfMonth = DayOfMonth(CurrentDay, 0);
    IsWeekend = 0;
    if (UseWeekends != 0)
        IsWeekend = DayCount % WeekLength + 1 > WeekLength - WeekendLength ? 1 : 0;
}

int CTidewarmDoc::SimulateDayHours() {
    for (Hour = 1; Hour <= kHoursPerDay; ++Hour) {
        SolarHour = Hour - 0.5;
        Time += kSecondsPerHour;
        HourIndex = DayCount * kHoursPerDay + Hour;
        if (const int result = SimulateHour(); result != 0) return result;
        UsableHours = Swimmable == 1 && Hour == kHoursPerDay && SwimmableHours >= kUsableDayHours
                          ? kHoursPerDay
                          : 0;
        for (Summary* summary : {&monthlySummary, &annualSummary})
            if (const int result = summary->Compute(); result != 0) {
                ShowMessage(ErrorMessageBuffer());
                return result;
            }
    }
    return 0;
}

int CTidewarmDoc::FinishPassFiles() {
    // The last month, then the year; a failure of either is shown once.
    const int lastMonth = FinishMonth(false);
    const int annual = WriteAnnualLine();
    if (lastMonth != 0 || annual != 0) {
        ShowRunMessage(kStrCannotWriteMonthly);
        return lastMonth != 0 ? lastMonth : annual;
    }

    // A writer that cannot close has not written everything.
    if (monthlyWriter.Close() != 0) {
        ShowRunMessage(kStrCannotWriteMonthly);
        return kOpenFailed;
    }
    if (hourlyWriter.Close() != 0) {
        ShowRunMessage(kStrCannotWriteHourly);
        return kOpenFailed;
    }
    return 0;
}
