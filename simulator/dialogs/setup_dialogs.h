// The weather file, alternate input file, simulation period and configuration dialogs: their
// members, field tables, rules and summary printers.
#pragma once

#include <string>

#include "dialog_fields.h"
#include "document.h"

// Longest weather location name a project file reads back, in bytes.
inline constexpr int kMaxWeatherNameLength = static_cast<int>(CTidewarmDoc::kMaxWeatherNameLength);

class CWeatherDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 112;
    enum Control : int {
        kCityName = 1051,
        kFileName = 1046,
        kBrowse = 1047,
        kUpdate = 1054,
        kLatitude = 1050,
        kFormatTmy = 1264,
        kFormatAscii = 1265,
        kFormatZefir = 1266,
        kSolarTime = 1152,
        kStandardTime = 1153,
        kStationLongitude = 1160,
        kMeridianLongitude = 1161,
    };
    enum Format : int { kKorvexTmy = 0, kDelimitedAscii = 1, kZefirBinary = 2 };
    enum TimeBase : int { kSolarTimeBase = 0, kStandardTimeBase = 1 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlState> ControlStates() const override;
    void PrintSummary(std::ostream& out, Language language) const override;

    // A format radio clicked: the TMY format fixes solar time, the ZEFIR format standard time.
    void SelectFormat(int newFormat);
    void SelectTimeBase(int newTimeBase) { timeBase = newTimeBase; }

    // Reads the location from the header of the file named (TMY: latitude and station name;
    // ZEFIR: latitude, station longitude and name, and the meridian of the station's time
    // zone). When the file cannot be read, the values it would give are cleared and false is
    // returned (the window shows string 34000). The delimited format has nothing to read.
    [[nodiscard]] bool Update();
    // True when the file named can be opened as the selected format (OK asks the user to
    // confirm a file that cannot).
    [[nodiscard]] bool FileOpens() const;

    // What the file-open dialog of Browse offers for the selected format.
    struct BrowseChoice {
        std::string defaultExtension;
        std::string initialName;
        int filterId;
    };
    BrowseChoice Browse() const;

    std::string cityName;
    std::string fileName;
    int format = -1;
    double latitude = 0;           // degrees N
    int timeBase = -1;             // 0 local apparent (solar) time, 1 local standard time
    double meridianLongitude = 0;  // degrees W
    double stationLongitude = 0;   // degrees W
};

class CAlternateDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 130;
    enum Control : int { kFileName = 1046, kBrowse = 1047 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    void PrintSummary(std::ostream& out, Language language) const override;
    // True when the file named opens as a text table (OK asks to confirm one that does not).
    [[nodiscard]] bool FileOpens() const;

    std::string fileName;
};

// Dates of a 365-day year.
// The day of month kept within the month: below 2 gives 1, past the month's end its last day.
int ClampDayOfMonth(int month, int day);

class CSimulationDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 126;
    static constexpr int kMaxDays = CTidewarmDoc::kMaxDays;
    enum Control : int {
        kStartMonth = 1086,
        kStartDay = 1083,
        kEndMonth = 1001,
        kEndDay = 1084,
        kNumDays = 1085,
        kPrecision = 1199,
        kMaxIterations = 1200,
        kPrintParameters = 1222,
        kStartDayOfYear = 1087,
        kEndDayOfYear = 1088,
    };

    // Stores the period and derives the months and days of month.
    void SetPeriod(int firstDay, int lastDay, int dayCount);

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlText> ControlTexts() const override;
    // Derives the period from the fields, whatever handlers ran before.
    ExchangeStatus OnOK() override;
    void PrintSummary(std::ostream& out, Language language) const override;

    // Handlers. A month chosen (index 0..11 of the combo), a day of month left, the day count
    // left; each clamps and recomputes as the dialog does on screen. The month combos are not
    // in the field table: their choice reaches the members through these handlers.
    void OnStartMonthChange(int selection);
    void OnEndMonthChange(int selection);
    void OnStartDayChange();
    void OnEndDayChange();
    void OnNumDaysChange();

    int startMonth = 0;  // 1..12
    int startDayOfMonth = 0;
    int endMonth = 0;
    int endDayOfMonth = 0;
    int numDays = 0;
    double precision = 0;  // C
    int maxIterations = 0;
    int printParameters = 0;
    int startDayOfYear = 0;
    int endDayOfYear = 0;

  private:
    void RecomputeCount();
    // The day count that goes with the stored days of year; a different count in the field
    // was typed in and not yet applied.
    int periodCount_ = 0;
};

class CPoolConfigDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 114;
    static constexpr int kMaxDays = CTidewarmDoc::kMaxDays;
    enum Control : int {
        kSolar = 1072,
        kExchanger = 1073,
        kAuxHeater = 1074,
        kWeekends = 1075,
        kWeekLength = 1078,
        kWeekendLength = 1079,
        kHourlyOutput = 1082,
        kAlternateInput = 1151,
        kEconomics = 1221,
        kSwimmable = 1267,
        kComparativeRun = 1268,
    };

    int TemplateId() const override { return kTemplate; }
    // The week lengths apply only with weekends on (the run refuses a week of no day then).
    std::vector<DialogField> Fields() override;
    std::vector<ControlState> ControlStates() const override;
    void PrintSummary(std::ostream& out, Language language) const override;

    int useSolar = 0;
    int useExchanger = 0;
    int useAuxHeater = 0;
    int useWeekends = 0;
    int useAlternateInput = 0;
    int hourlyOutput = 0;
    int doEconomics = 0;
    int swimmableCriterion = 0;
    int referenceRun = 0;
    int weekLength = 0;
    int weekendLength = 0;
};
