// The project file: WriteProject and ReadProject on streams, and loading and saving files.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <locale>
#include <optional>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <system_error>

#include "document.h"
#include "file_kind.h"
#include "file_replace.h"
#include "helpers.h"
#include "result_columns.h"
#include "simulator_strings.h"
#include "text_encoding.h"
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

// Reads the rest of the line into `line` (without CR); a line longer than `limit`, or holding a
// NUL, which would end the text early wherever it goes, fails the stream.
void ReadLimitedLine(std::istream& in, std::string& line, std::size_t limit) {
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > limit || line.find('\0') != std::string::npos) in.setstate(std::ios::failbit);
}

// Passes the characters of another buffer through one at a time, counting the line ends taken,
// so that a reader knows which lines it has read; it reads nothing ahead of what is taken.
class LineCountingBuffer : public std::streambuf {
  public:
    explicit LineCountingBuffer(std::streambuf& source) : source_(source) {}
    // Lines whose end has been taken.
    int LinesTaken() const { return lines_; }

  protected:
    int_type underflow() override { return source_.sgetc(); }
    int_type uflow() override {
        const int_type c = source_.sbumpc();
        if (traits_type::eq_int_type(c, traits_type::to_int_type('\n'))) ++lines_;
        return c;
    }
    int_type pbackfail(int_type) override {
        const int_type c = source_.sungetc();
        if (traits_type::eq_int_type(c, traits_type::to_int_type('\n'))) --lines_;
        return c;
    }

  private:
    std::streambuf& source_;
    int lines_ = 0;
};

// Runs a file's check after each block of lines that ReadProject reads. The first refusal is
// shown with the file's name and the block's lines, and fails the stream, so that nothing after
// it is read.
class BlockCheck {
  public:
    BlockCheck(CTidewarmDoc& document, const ProjectFileCheck& check, std::istream& in,
               const LineCountingBuffer& lines)
        : document_(document), check_(check), in_(in), lines_(lines) {}

    bool Refused() const { return refused_; }

    // Ends the block read since the last call.
    void operator()() {
        const int first = firstLine_;
        const int last = std::max(first, lines_.LinesTaken());
        firstLine_ = lines_.LinesTaken() + 1;
        if (!check_.refusedValue || !in_) return;
        const std::optional<std::string> problem = check_.refusedValue(document_);
        if (!problem) return;
        ShowMessage(
            first == last
                ? FormatResString(kStrProjectLineRefused, check_.fileName, first, *problem)
                : FormatResString(kStrProjectLinesRefused, check_.fileName, first, last, *problem));
        refused_ = true;
        in_.setstate(std::ios::failbit);
    }

  private:
    CTidewarmDoc& document_;
    const ProjectFileCheck& check_;
    std::istream& in_;
    const LineCountingBuffer& lines_;
    int firstLine_ = 1;
    bool refused_ = false;
};

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

// Reads the blocks of a project file after its header, in the order the file holds them: the
// format version decides which lines an older file has; the component version goes unchanged to
// every component's record. Each block ends with the file's check.
class ProjectReader {
  public:
    ProjectReader(CTidewarmDoc& doc, std::istream& in, int version, int components,
                  BlockCheck& block)
        : doc_(doc), in_(in), version_(version), components_(components), block_(block) {}

    // True when a component's record could not be read.
    bool ComponentFailed() const { return failed_ != 0; }

    // The run's switches and period, and the weather source and location name; false, after a
    // message, for a period the run cannot count.
    bool ReadRunLines() {
        in_ >> doc_.UseSolar >> doc_.UseExchanger >> doc_.UseAuxHeater >> doc_.UseAlternateInput >>
            doc_.HourlyOutput;
        if (version_ >= kVersionEconomicsSwitch) in_ >> doc_.DoEconomics;
        in_ >> SkipLine;
        block_();
        if (!ReadPeriod()) return false;
        block_();
        int source = -1;
        in_ >> source >> SkipLine;
        if (in_ && source >= kWeatherTMY && source <= kWeatherBinary) doc_.WeatherSource = source;
        block_();
        std::string name;
        ReadLimitedLine(in_, name, CTidewarmDoc::kMaxWeatherNameLength);
        if (in_) doc_.SetWeatherName(TextAsUtf8(name));
        block_();
        return true;
    }

    // The weather readers, the sun and the collector plane, the collector pump and the pipes.
    void ReadWeatherAndPipes() {
        Read(doc_.tmyReader);
        Read(doc_.textWeatherReader);
        if (version_ >= kVersionBinaryReader) Read(doc_.binaryWeatherReader);
        Read(doc_.alternateReader);
        Read(doc_.sun);
        Read(doc_.tracker);
        if (version_ >= kVersionTilter) Read(doc_.tilter);
        Read(doc_.splitter);
        Read(doc_.collectorPump);
        Read(doc_.inletPipeInside);
        Read(doc_.inletPipeOutside);
        Read(doc_.outletPipeInside);
        Read(doc_.outletPipeOutside);
    }

    // The collector chosen, both arrays and the roof type.
    void ReadCollectors() {
        int collector = 0;
        in_ >> collector >> SkipLine;
        if (in_) doc_.Collector = StoredCollectorKind(collector);
        block_();
        Read(doc_.glazedCollector);
        Read(doc_.unglazedCollector);
        if (version_ >= kVersionRoofType) in_ >> doc_.RoofType >> SkipLine;
        block_();
    }

    // The heat exchanger with its pump, then the heater: its type, the fuel-fired heater (in
    // older files a line of the document's own), the heat pump, its months and its season.
    void ReadExchangerAndHeater() {
        Read(doc_.exchangerPump);
        Read(doc_.heatExchanger);
        if (version_ >= kVersionHeaterType) {
            int kind = 0;
            in_ >> kind >> SkipLine;
            doc_.HeaterType = static_cast<HeaterKind>(kind);
        }
        block_();
        if (version_ >= kVersionGasHeaterRecord) {
            Read(doc_.gasHeater);
        } else {
            ReadOldHeaterLine(in_, version_, doc_.gasHeater);
            block_();
        }
        if (version_ >= kVersionHeaterType) Read(doc_.heatPump);
        Read(doc_.heaterProfile);
        if (version_ >= kVersionHeaterSeason)
            in_ >> doc_.HeaterOffOutOfSeason >> SkipLine;
        else
            doc_.HeaterOffOutOfSeason = 0;
        block_();
    }

    // The pool and its season, its use and the swimming criteria, the blanket's schedules.
    void ReadPool() {
        Read(doc_.pool);
        doc_.pool.SetEvaporationModel(SwimmingPool::kEvaporationModelFixedCoefficients);
        in_ >> doc_.SeasonStart >> doc_.SeasonEnd >> SkipLine;
        block_();
        Read(doc_.activityProfile);
        if (version_ >= kVersionSwimmingDays)
            in_ >> doc_.CloudyDayMinAirTemp >> doc_.SunnyDayMinAirTemp >> doc_.MinPoolTemp >>
                SkipLine;
        block_();
        Read(doc_.blanketSeasonalProfile);
        Read(doc_.blanketDailyProfile);
        in_ >> doc_.BlanketAlways >> SkipLine;
        block_();
    }

    // The controller, the economic data, the convergence promoters and the integrators, then the
    // lines of the fluids, the surroundings and the indoor air.
    void ReadControlAndSurroundings() {
        Read(doc_.controller);
        if (version_ >= kVersionEconomicData) failed_ |= doc_.economicData.Read(in_);
        block_();
        Read(doc_.collectorPromoter);
        Read(doc_.poolPromoter);
        Read(doc_.poolTempIntegrator);
        if (version_ >= kVersionSoilIntegrator) Read(doc_.soilTempIntegrator);
        in_ >> doc_.CollectorFluidCp >> doc_.ShadedFraction >> doc_.MainsTemp >>
            doc_.PipeSurroundTemp >> doc_.IndoorPool >> doc_.InitialPoolTemp;
        if (version_ >= kVersionDeepSoil)
            in_ >> doc_.DeepSoilTemp;
        else
            doc_.DeepSoilTemp = CTidewarmDoc::kDefaultDeepSoilTemp;
        in_ >> SkipLine;
        block_();
        in_ >> doc_.IndoorAirTemp >> doc_.IndoorRelHum >> doc_.IndoorAirSpeed >> SkipLine;
        block_();
    }

    // The hourly file's column switches, one character a column; the columns an older file
    // lacks stay off, and the always-written ones are on whatever the file says.
    void ReadHourlyColumns() {
        int flags[kHourlyColumnCount] = {};
        for (int column = 0; column < kHourlyColumnCount; ++column) {
            if (column == kHourlyVWindPool && version_ < kVersionWindPoolColumn) continue;
            if (column == kHourlyQSide && version_ < kVersionSideWallColumn) continue;
            char c = '0';
            in_ >> c;
            flags[column] = c != '0' ? 1 : 0;
        }
        for (int column = 0; column < kHourlyAlwaysWritten; ++column) flags[column] = 1;
        if (in_) doc_.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
        in_ >> SkipLine;
    }

  private:
    void Read(SolarBase& component) {
        failed_ |= component.ReadParameters(in_, components_);
        block_();
    }

    // The period's line: the run counts its days from it, and a day outside the year would take
    // it off the calendar.
    bool ReadPeriod() {
        int startDay = doc_.StartDay, endDay = doc_.EndDay;
        in_ >> startDay >> endDay >> doc_.NumDays >> doc_.UseWeekends >> doc_.WeekLength >>
            doc_.WeekendLength >> doc_.Tolerance >> doc_.MaxIterations;
        if (version_ >= kVersionEconomicsSwitch) in_ >> doc_.PrintParameters;
        if (version_ >= kVersionSwimmingDays) in_ >> doc_.SwimmableCriterion >> doc_.ReferenceRun;
        in_ >> SkipLine;
        if (!in_) return true;
        if (!IsDayOfYear(startDay) || !IsDayOfYear(endDay)) {
            ShowMessage(FormatResString(kStrInvalidProjectDays, startDay, endDay));
            return false;
        }
        doc_.StartDay = startDay;
        doc_.EndDay = endDay;
        if (doc_.NumDays > CTidewarmDoc::kMaxDays) {
            ShowMessage(
                FormatResString(kStrInvalidProjectDayCount, doc_.NumDays, CTidewarmDoc::kMaxDays));
            return false;
        }
        return true;
    }

    CTidewarmDoc& doc_;
    std::istream& in_;
    const int version_;
    const int components_;
    BlockCheck& block_;
    int failed_ = 0;
};

// Reads a project file from its header on, each block ended by `block`; 0 when all read.
int ReadProjectBlocks(CTidewarmDoc& document, std::istream& in, BlockCheck& block) {
    char word[kHeaderWordLength + 1] = {};
    for (int i = 0; i < kHeaderWordLength && in.peek() != '\n' && in.good(); ++i)
        word[i] = static_cast<char>(in.get());
    if (std::string_view(word) != kHeaderWord) return 1;
    unsigned formatVersion = 0, componentVersion = 0;
    in >> formatVersion >> componentVersion >> SkipLine;
    if (in.fail()) return 1;
    if (formatVersion > CTidewarmDoc::kFormatVersion) {
        ShowMessage(LoadResString(kStrNewerFileVersion));
        return 1;
    }
    block();
    ProjectReader reader(document, in, static_cast<int>(formatVersion),
                         static_cast<int>(componentVersion), block);
    if (!reader.ReadRunLines()) return 1;
    reader.ReadWeatherAndPipes();
    reader.ReadCollectors();
    reader.ReadExchangerAndHeater();
    reader.ReadPool();
    reader.ReadControlAndSurroundings();
    reader.ReadHourlyColumns();
    return in.fail() || reader.ComponentFailed() ? 1 : 0;
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
    WriteParameterLine(out, static_cast<int>(Collector));
    failed |= glazedCollector.WriteParameters(out);
    failed |= unglazedCollector.WriteParameters(out);
    WriteParameterLine(out, RoofType);
    failed |= exchangerPump.WriteParameters(out);
    failed |= heatExchanger.WriteParameters(out);
    WriteParameterLine(out, static_cast<int>(HeaterType));
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

int CTidewarmDoc::ReadProject(std::istream& file, const ProjectFileCheck& check) {
    LineCountingBuffer lines(*file.rdbuf());
    std::istream in(&lines);
    in.imbue(std::locale::classic());
    BlockCheck block(*this, check, in, lines);
    const int result = ReadProjectBlocks(*this, in, block);
    if (in.fail()) file.setstate(std::ios::failbit);
    // A refused block was read whole: its last line is named; any other fault stops within the
    // line after the lines taken.
    unreadLine_ = block.Refused() ? lines.LinesTaken() : lines.LinesTaken() + 1;
    return result;
}

std::string ProjectReadFailure(int textId, const std::string& fileName,
                               const CTidewarmDoc& document) {
    return LoadResString(textId) + "\n" +
           FormatResString(kStrUnreadProjectLine, fileName, document.UnreadLine());
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
    return ProjectBaseName(projectPath) + kReportExtension;
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

std::unique_ptr<CTidewarmDoc> LoadProjectFile(const std::string& path,
                                              const ProjectValueCheck& refusedValue) {
    std::ifstream file = OpenRegularFile(path);
    if (!file.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenProject));
        return nullptr;
    }
    auto document = std::make_unique<CTidewarmDoc>();
    if (document->ReadProject(file, {path, refusedValue}) != 0) {
        ShowMessage(ProjectReadFailure(kStrCannotReadProject, path, *document));
        return nullptr;
    }
    document->SetResultsOutOfDate(ReportOutOfDate(path));
    document->SetModifiedFlag(0);
    return document;
}

bool IsProjectFile(const std::string& path) {
    std::ifstream file = OpenRegularFile(path);
    char word[kHeaderWordLength] = {};
    file.read(word, kHeaderWordLength);
    return file && std::string_view(word, kHeaderWordLength) == kHeaderWord;
}

int SaveProjectFile(CTidewarmDoc& document, const std::string& path) {
    std::ostringstream text(std::ios::out | std::ios::binary);
    if (document.WriteProject(text) != 0 || !text) {
        ShowMessage(LoadResString(kStrProjectNotSaved) + "\n" +
                    FormatResString(kStrFileProblem, path, std::strerror(EIO)));
        return 1;
    }
    // Written whole under a temporary name, then renamed over the earlier file.
    StagedFile staged(path);
    if (const std::optional<Problem> problem = staged.Write(text.view())) {
        ShowMessage(LoadResString(kStrCannotCreateProject) + "\n" + problem->message);
        return 1;
    }
    if (const std::optional<Problem> problem = staged.Commit(ExistingFile::kReplace)) {
        ShowMessage(LoadResString(kStrProjectNotSaved) + "\n" + problem->message);
        return 1;
    }
    document.SetModifiedFlag(0);
    return 0;
}
