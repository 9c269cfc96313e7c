// The project document: one pool system with every simulation component as a plain member, the
// project's switches and scalars, the economic data and the working variables of a run. It holds
// no window; the graphical layer binds its view to the results-out-of-date hook.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "collector_kind.h"
#include "collector_plane.h"
#include "control.h"
#include "economic_data.h"
#include "files.h"
#include "heater_kind.h"
#include "heaters.h"
#include "loop.h"
#include "model_classes.h"
#include "physical_constants.h"
#include "profiles.h"
#include "sky.h"
#include "wall.h"
#include "weather.h"

// Weather readers a project can select, as the project file stores them.
enum WeatherSourceIndex : int { kWeatherTMY = 0, kWeatherText = 1, kWeatherBinary = 2 };

// Where the model reads each of its shared quantities; the run points every link at a
// component output, a run variable, a project value or a column of the alternate input file.
struct InputLinks {
    double* HGlo = nullptr;
    double* TAmb = nullptr;
    double* RelHum = nullptr;
    double* VWind = nullptr;
    double* Albedo = nullptr;
    double* RadiantTemperature = nullptr;
    double* TGlo = nullptr;
    double* TAmbPool = nullptr;
    double* RelHumPool = nullptr;
    double* VWindPool = nullptr;
    double* HDirPool = nullptr;
    double* HDifPool = nullptr;
    double* FractionShaded = nullptr;
    double* MdotMakeup = nullptr;
    double* TMains = nullptr;
    double* TDeepGround = nullptr;
    int* Activity = nullptr;
    double* TPool = nullptr;
    int* BlanketOn = nullptr;
    double* TSoilPipe = nullptr;
    double* QColl = nullptr;
    double* Tci = nullptr;
    double* Tco = nullptr;
    double* MdotColl = nullptr;
    double* LoopSpecificHeat = nullptr;
    double* MdotExch = nullptr;
    double* TReturn = nullptr;
    int* CollOn = nullptr;
    int* AuxOn = nullptr;
};

struct BatchCollector;
struct BatchHeater;
struct BatchInput;

class CTidewarmDoc;

// The first value a document holds that its checker refuses, as a text for a message; nothing
// when every value is acceptable.
using ProjectValueCheck = std::function<std::optional<std::string>(CTidewarmDoc& document)>;

// What ReadProject checks the values of a file against, and the file's name for its message.
struct ProjectFileCheck {
    std::string fileName;
    ProjectValueCheck refusedValue;
};

class CTidewarmDoc {
  public:
    // The project file this program writes: format version and component version.
    static constexpr unsigned kFormatVersion = 30000;
    static constexpr unsigned kComponentVersion = 20002;
    // Temperature of the deep soil under the pool, degC, of a new project and of a project file
    // older than the setting.
    static constexpr double kDefaultDeepSoilTemp = 10;
    // The longest period and week the run takes, days.
    static constexpr int kMaxDays = 32167;
    // Longest location name a project file holds, in bytes.
    static constexpr std::size_t kMaxWeatherNameLength = 117;

    // Builds every component and gives the project its defaults.
    CTidewarmDoc();
    // The batch constructor: the same, then, in batch mode, the front end's run (RunBatch),
    // whose result BatchResult() holds. The argument is not used.
    explicit CTidewarmDoc(int);
    virtual ~CTidewarmDoc() = default;
    // Components point into each other and into the document: it never moves.
    CTidewarmDoc(const CTidewarmDoc&) = delete;
    CTidewarmDoc& operator=(const CTidewarmDoc&) = delete;

    // The set-up of a new project.
    void SetDefaults();

    // Marks the project changed or saved; marking it changed also puts the results out of date.
    // Clearing the mark leaves the results' state alone.
    virtual void SetModifiedFlag(int modified = 1);
    int IsModified() const { return modified_; }
    // Records whether the report shown belongs to other inputs and tells the view through
    // `onResultsOutOfDate` (1 or 0).
    virtual void SetResultsOutOfDate(int outOfDate);
    int ResultsOutOfDate() const { return resultsOutOfDate_; }
    std::function<void(int)> onResultsOutOfDate;

    // The project file on streams (numbers in the C locale); 0 on success, else 1. Reading
    // reads over the values held, so what an older file lacks keeps its present value. With a
    // check, the values are checked after each block of lines (a line of the document's own, or
    // a component's record): the first block that brings a refused value stops the reading,
    // after a message that names the file, the block's lines and the check's problem.
    [[nodiscard]] virtual int WriteProject(std::ostream& out);
    [[nodiscard]] virtual int ReadProject(std::istream& in, const ProjectFileCheck& check = {});
    // The line at which the last ReadProject that failed stopped (from 1).
    int UnreadLine() const { return unreadLine_; }

    // Batch mode. RunBatch loads the batch input and runs it; when either fails, nothing of the
    // run is kept: the monthly result file is deleted. Returns 0 on success, 1 on failure.
    [[nodiscard]] int RunBatch();
    int BatchResult() const { return batchResult_; }
    // Reads the batch input file of the data folder, loads the template of its pool type from
    // the program folder, applies the input and saves the project as "Tidewarm.tdw" in the data
    // folder. Returns 1 when the input was applied, 0 after a failure (shown first).
    [[nodiscard]] int LoadBatchInput();
    // Applies a batch input to the project held (a template). Returns false, with its message
    // shown, when the weather file cannot be opened.
    [[nodiscard]] bool ApplyBatchInput(const BatchInput& input);
    // The project file's path; empty for a project never saved.
    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(std::string path) { pathName_ = std::move(path); }

    // Writes the text report of the run just made (".lis" next to the project file) from its
    // monthly result files, in the program's language. When `onReportWritten` is set (a view
    // shows the report), the results are marked up to date and it is called with the report's
    // path. Returns 0; or 1 when the report could not be written (message 34020 with the file
    // and the system's reason shown, any earlier report left as it was).
    [[nodiscard]] int WriteReport();
    std::function<void(const std::string& reportPath)> onReportWritten;

    // The location name; set through SetWeatherName, which keeps it to one line of at most
    // kMaxWeatherNameLength bytes (cut at a character boundary), so that it always reads back.
    const std::string& GetWeatherName() const { return weatherName_; }
    void SetWeatherName(std::string_view name);

    // The selected weather reader and collector array; null for an index out of range.
    FileReader* SelectedWeatherReader();
    const FileReader* SelectedWeatherReader() const;
    FlatPlateCollector* SelectedCollector();

    // The simulation run. Runs the reference pass of the unheated pool (when ReferenceRun is on)
    // and then the system pass over the period, writing the monthly file (".mlx", ".mly") and,
    // with HourlyOutput on, the hourly file (".hlx", ".hly") named after `projectPath`. The
    // switches UseSolar, UseExchanger and UseAuxHeater hold their values afterwards whatever
    // happened. Returns 0 on success; 1 when the model could not be connected; 4 when a run
    // setting is out of range or a component failed its check; otherwise the code of the
    // failing component or file (8: an iteration did not converge). Every failure is shown.
    // The result files are written under temporary names and put in place when both passes
    // succeeded; a failed run leaves no result file, of this run or of the one before.
    [[nodiscard]] int RunSimulation(const std::string& projectPath);
    // What writing the report of the last successful run gave (0: written); it does not change
    // the run's result, but batch mode fails a run whose report it cannot write.
    int ReportResult() const { return reportResult_; }
    // Removes the result files named after `base` (a project path without its extension),
    // finished or not.
    static void RemoveResultFiles(const std::string& base);

    // Points every component input at its source through the input links; 0, or 1 when the
    // alternate input, the weather columns, the roof, the collector or the heater type cannot
    // be set up (a message has been shown). Needs the selected readers open.
    int ConnectModel();
    // Opens the alternate input file and points the links named after its columns at them; 0,
    // the reader's result when it cannot be opened, 2 when both "Tco" and "QColl" are given.
    int BindAlternateInput();
    // Sets up the roof under the unglazed collector from RoofType; 0, or 1 for a bad type.
    int InitRoof();
    // Checks every component in use; the bitwise OR of their results (0: all valid).
    int CheckComponents();
    // Checks one component and shows why it is invalid; its Check result.
    int CheckComponent(SolarBase& component);
    // Reads the day's weather ahead: swimmable day and daily clearness. 0 or the failing code.
    int PrepareDay();
    // Steps the model through the hour. 0, a component's code, 4 for an input data error, 8
    // when an iteration did not converge, or the hourly writer's result.
    int SimulateHour();
    // True when `day` (day of year) lies in the pool season SeasonStart..SeasonEnd, which may
    // run over the new year; a season that starts on the day it ends takes the whole year.
    [[nodiscard]] bool InSeason(int day) const;

    // Components, in the order of construction.
    MyASCIIFileReader alternateReader;  // named-column hourly input
    KTMYFileReader tmyReader;
    MyASCIIFileReader textWeatherReader;
    MyZEFIRFileReader binaryWeatherReader;
    MySun sun;
    Tracker tracker;
    Tilter tilter;
    Splitter splitter;
    MyPump collectorPump;
    Pipe inletPipeInside;
    Pipe inletPipeOutside;
    Pipe outletPipeInside;
    Pipe outletPipeOutside;
    MyGlazedCollector glazedCollector;
    MyUnglazedCollector unglazedCollector;
    Wall roof;  // set up from RoofType before each run; not stored
    MyPump exchangerPump;
    HeatExchanger heatExchanger;
    GasHeater gasHeater;
    AirToWaterHeatPump heatPump;
    MonthlyProfile heaterProfile;
    MySwimmingPool pool;
    HourlyProfile activityProfile;
    MonthlyProfile blanketSeasonalProfile;
    HourlyProfile blanketDailyProfile;
    MyDeltaTController controller;
    ConvergencePromoter collectorPromoter;
    ConvergencePromoter poolPromoter;
    ConvergencePromoter roofPromoter;  // not stored
    EulerIntegrator poolTempIntegrator;
    EulerIntegrator soilTempIntegrator;
    Summary monthlySummary;
    Summary annualSummary;
    Summary hourlySummary;
    ASCIIFileWriter hourlyWriter;
    ASCIIFileWriter monthlyWriter;

    // The project's settings, all given by SetDefaults (which the constructors call), so their
    // defaults have one home.
    // Selections (WeatherSourceIndex, CollectorKind).
    int WeatherSource;
    CollectorKind Collector;

    // Switches and scalars; temperatures in degC.
    int UseSolar;
    int UseExchanger;
    int UseAuxHeater;
    int UseAlternateInput;
    int HourlyOutput;
    int DoEconomics;
    int StartDay;
    int EndDay;
    int NumDays;
    int UseWeekends;
    int WeekLength;
    int WeekendLength;
    double Tolerance;
    int MaxIterations;
    int PrintParameters;
    int SwimmableCriterion;
    int ReferenceRun;
    int IndoorPool;
    double InitialPoolTemp;
    double PoolWaterCp;              // J/kg K; not stored
    double CollectorFluidCp;         // J/kg K
    double IndoorBeamIrradiance;     // not stored
    double IndoorDiffuseIrradiance;  // not stored
    double IndoorAirTemp;
    double IndoorRelHum;    // fraction
    double IndoorAirSpeed;  // m/s
    double ShadedFraction;
    int RoofType;
    double MainsTemp;
    double PipeSurroundTemp;
    HeaterKind HeaterType;
    int HeaterOffOutOfSeason;
    int SeasonStart;
    int SeasonEnd;
    double CloudyDayMinAirTemp;
    double SunnyDayMinAirTemp;
    double MinPoolTemp;
    double DeepSoilTemp;
    int BlanketAlways;
    double GroundAlbedo;  // not stored

    EconomicData economicData;

    // Working variables of a run; not stored.
    int DayCount = 0;
    int CurrentDay = 1;
    int Month = 1;
    int CurrentDayOfMonth = 1;
    int Hour = 1;
    double SolarHour = 0.5;
    double TimeStep = kSecondsPerHour;  // s
    double Time = 0;                    // s
    int IsWeekend = 0;
    int HourIndex = 1;
    double TUnderRoof = 15;
    double DailyClearness = 0;
    int Swimmable = 0;
    int UsableHours = 0;
    int SwimmableHours = 0;
    int Activity = 0;
    int BlanketOn = 0;
    int CollectorOn = 0;
    int CollectorWasOn = 0;
    int HeaterOn = 0;
    double HeaterFlow = 0;  // kg/s
    double TSky = 0;
    double TWetBulb = 0;
    double PoolTempStart = 10;
    double TSoilPrev = 10;
    // Energy terms of the hour, W.
    double QPumps = 0;
    double QPipes = 0;
    double QRes = 0;
    double QElec = 0;
    double QPrimary = 0;

    InputLinks links;

  private:
    int unreadLine_ = 0;

    void NameComponents();
    // Steps of SetDefaults, each a part of the plant with its components.
    void SetRunDefaults();
    void SetWeatherDefaults();
    void SetCollectorLoopDefaults();
    void SetHeaterDefaults();
    void SetPoolDefaults();
    void SetSolverDefaults();
    // Steps of ApplyBatchInput, one a group of the batch input's lines.
    void ApplyBatchSwitches(const BatchInput& input);
    [[nodiscard]] bool ApplyBatchWeather(const std::string& weatherFile);
    void ApplyBatchSeason(const BatchInput& input);
    void ApplyBatchPool(const BatchInput& input);
    void ApplyBatchPoolUse(const BatchInput& input);
    void ApplyBatchHeater(const BatchHeater& heater);
    void ApplyBatchCollectors(const BatchCollector& collector);
    // The heat exchanger is in use only within a solar collector loop.
    [[nodiscard]] bool ExchangerOn() const { return UseSolar != 0 && UseExchanger != 0; }
    // Refuses settings the run would divide by or loop over in vain; 0, or 4 after a message.
    int CheckRunSettings();
    // The passes into the temporary result files of `base`; then those files put in place
    // (false, with the file and the reason shown, when one cannot be).
    int RunPasses(const std::string& base);
    [[nodiscard]] bool PlaceResultFiles(const std::string& base);
    int RunPass();
    // Steps of a pass: its files opened (0 or the failing code, shown), the initial states, the
    // days of the period, the last lines written and the writers closed.
    int OpenPassFiles(FileReader* weather);
    void SetInitialStates();
    int SimulateDays();
    // The day of year, month, day of month and weekend flag of day DayCount of the period.
    void SetCalendarDay();
    // The hours of the day, each followed by the monthly and annual sums.
    int SimulateDayHours();
    int FinishPassFiles();
    // Steps of ConnectModel: the weather links of the selected reader (1 when a column of a
    // delimited weather file is missing), the air and sun over the pool, the links to the model's
    // own variables, the collector loop (1 for a bad roof type), the pool with its schedules and
    // controller, and the heater with the pool loop's promoter (1 for a bad heater type).
    int LinkWeather();
    void LinkPoolSurroundings();
    void LinkModelVariables(FlatPlateCollector& collector);
    int ConnectCollectorLoop(bool exchanger);
    void ConnectPool(bool exchanger);
    int ConnectHeater();
    // Zeroes the outputs of the plant components, of the pool and the controller's state, so
    // that those a pass does not step add nothing to its sums and no pass starts from what an
    // earlier one left.
    void ClearPlantOutputs();
    // Ends the month: averages, days, the monthly line; then clears the sums when `reset`.
    // 0, or the writer's result (not shown).
    int FinishMonth(bool reset);
    // The annual line through the monthly writer; 0, or the writer's result (not shown).
    int WriteAnnualLine();
    // Binds the summaries to the model's variables and the writers to the summaries' sums.
    void BindResultColumns();
    // Steps of SimulateHour, each 0 or the failing code: the schedules (activity, blanket,
    // heater), the weather and sun with the air's derived temperatures, the pool loop with the
    // collector loop inside it until the controller's state holds, the energy terms of the hour
    // and the hourly line.
    int StepSchedules();
    int StepWeather();
    // The sky temperature of the hour from the air and its humidity, and its wet-bulb
    // temperature when the plant reads it.
    void StepHourAir(double air, double relativeHumidity);
    // Only the heat pump reads the air's wet-bulb temperature.
    [[nodiscard]] bool WetBulbWanted() const {
        return UseAuxHeater != 0 && HeaterType == HeaterKind::HeatPump;
    }
    // The sun's position and the beam and diffuse parts of the global irradiance are read by
    // the collectors' plane and by a pool in the open (indoors no beam reaches the pool).
    [[nodiscard]] bool SunWanted() const { return UseSolar != 0 || IndoorPool != 1; }
    int SolvePoolLoop(bool exchanger);
    // What the hour's thermostat has seen of the collector loop over the passes so far.
    struct ThermostatPasses {
        bool startsAtRest = false;  // a pass at rest had the controller start the loop
        bool gainsNothing = false;  // a running pass raised the water by nothing
    };
    int CollectorStateAfterPass(bool ran, ThermostatPasses& seen) const;
    void SetHourEnergies(double poolTemperature, bool exchanger);
    int WriteHourlyLine();
    // The air of each hour of a run, with the inputs it came from: the passes read the same
    // weather, so a later pass finds the sky's emission and the wet-bulb bisection done. Sized
    // before the passes of a run with two (empty: every pass computes them). A pass that does
    // not read the wet bulb leaves it for the first pass that does.
    struct HourAir {
        std::array<std::uint64_t, 4> inputs{};  // bits of air, humidity, clearness, solar hour
        double dewPoint = 0, sky = 0, wetBulb = 0;
        bool held = false, wetBulbHeld = false;
    };
    std::vector<HourAir> hourAir_;
    // The sun's position and the split of the global irradiance of each hour, kept the same way:
    // with the sun's parameters fixed for the run they follow from the day, the solar hour, the
    // global irradiance and the ground's reflectance.
    int StepSunAndSplit();
    struct HourSun {
        std::array<std::uint64_t, 4> inputs{};  // bits of day, solar hour, global, reflectance
        double zenith = 0, azimuth = 0, airMass = 0, extraterrestrialNormal = 0;
        double global = 0, diffuse = 0, beamNormal = 0, beamHorizontal = 0;
        bool held = false;
    };
    std::vector<HourSun> hourSun_;

    // The collector loop, with the roof loop of the unglazed collector; 0 or the failing code.
    int CollectorLoop(FlatPlateCollector& collector);
    int RoofLoop(FlatPlateCollector& collector);
    // The heater of the hour; 0 or the failing code.
    int StepHeater();

    std::string pathName_;
    std::string weatherName_;
    int modified_ = 0;
    int resultsOutOfDate_ = 1;  // a new project has no results
    int batchResult_ = 0;
    int reportResult_ = 0;
};

// A project's path without the extension of its file name: up to the last '.' of the name (a
// '.' in a folder name does not count), or the whole path when the name has none.
std::string ProjectBaseName(const std::string& projectPath);
// Report file of a project: its base name, then ".lis".
std::string ReportFileName(const std::string& projectPath);

// The extensions of a run's files after the project's base name: the monthly and hourly results
// of the system and of the reference pool, and the text report.
inline constexpr char kMonthlyResultExtension[] = ".mly";
inline constexpr char kReferenceMonthlyResultExtension[] = ".mlx";
inline constexpr char kHourlyResultExtension[] = ".hly";
inline constexpr char kReferenceHourlyResultExtension[] = ".hlx";
inline constexpr char kReportExtension[] = ".lis";

// Reads the project file at `path` into a freshly built document and hands it over only when
// the whole file read and passed `refusedValue`; otherwise shows message 34008 (cannot open) or
// 34009 (cannot read) and returns null, so nothing half-read is ever used. The document handed
// over is unmodified and its results are out of date unless the project's report is at least as
// new as the project.
std::unique_ptr<CTidewarmDoc> LoadProjectFile(const std::string& path,
                                              const ProjectValueCheck& refusedValue = {});
// The message of a project file (or template) `fileName` that `document` could not read: the
// text `textId` ("I/O Error. Cannot read from file.") and the file and line where reading stopped.
std::string ProjectReadFailure(int textId, const std::string& fileName,
                               const CTidewarmDoc& document);
// Whether the file starts as a project does ("Tidewarm"), whatever its name: the batch
// templates are projects too.
[[nodiscard]] bool IsProjectFile(const std::string& path);

// Writes the project to a temporary file next to `path` and puts it in place only once it is
// complete, so a failed save leaves the previous file as it was. Shows 34010 (cannot create) or
// 34011 (write failed) and returns 1 on failure; on success clears the modified mark, returns 0.
[[nodiscard]] int SaveProjectFile(CTidewarmDoc& document, const std::string& path);
