#include "setup_dialogs.h"

#include <cstdio>

#include "files.h"
#include "helpers.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "sun.h"
#include "text_output.h"
#include "weather.h"

namespace {

// Readers are opened here only to see whether a file reads and what its header holds; the
// day, hour and record they would step through are never used.
bool TextTableOpens(const std::string& name) {
    int record = 1;
    ASCIIFileReader reader(&record, name.c_str(), 0, 1023, ", \t");
    return reader.GetFileName() != nullptr && reader.Open() == kOk;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Weather file

std::vector<DialogField> CWeatherDlg::Fields() {
    return {
        TextField(kCityName, &cityName, kMaxWeatherNameLength),
        TextField(kFileName, &fileName, kMaxFileNameLength),
        RadioField(kFormatTmy, &format),
        DoubleField(kLatitude, &latitude, -90, 90),
        RadioField(kSolarTime, &timeBase),
        DoubleField(kMeridianLongitude, &meridianLongitude, -180, 180),
        DoubleField(kStationLongitude, &stationLongitude, -180, 180),
    };
}

void CWeatherDlg::SelectFormat(int newFormat) {
    format = newFormat;
    if (format == kKorvexTmy) timeBase = kSolarTimeBase;
    if (format == kZefirBinary) timeBase = kStandardTimeBase;
}

std::vector<ControlState> CWeatherDlg::ControlStates() const {
    std::vector<ControlState> states;
    states.reserve(8);
    const auto set = [&states](int id, bool enabled, bool readOnly = false) {
        for (ControlState& s : states)
            if (s.controlId == id) {
                s.enabled = enabled;
                s.readOnly = readOnly;
                return;
            }
        states.push_back({id, enabled, readOnly});
    };
    switch (format) {
        case kKorvexTmy:
            set(kLatitude, true, true);
            set(kCityName, true, true);
            set(kSolarTime, true);
            set(kStandardTime, false);
            set(kUpdate, true);
            break;
        case kDelimitedAscii:
            set(kLatitude, true);
            set(kCityName, true);
            set(kStationLongitude, true);
            set(kSolarTime, true);
            set(kStandardTime, true);
            set(kUpdate, false);
            break;
        case kZefirBinary:
            set(kLatitude, true, true);
            set(kCityName, true, true);
            set(kStandardTime, true);
            set(kSolarTime, false);
            set(kUpdate, true);
            break;
        default:
            break;
    }
    // The time base rule, then what the binary format fixes.
    if (timeBase == kSolarTimeBase) {
        set(kStationLongitude, false);
        set(kMeridianLongitude, false);
    } else if (timeBase == kStandardTimeBase) {
        set(kStationLongitude, true);
        set(kMeridianLongitude, true);
    }
    if (format == kZefirBinary) set(kStationLongitude, true, true);
    return states;
}

bool CWeatherDlg::Update() {
    if (format == kKorvexTmy) {
        int day = 1, hour = 1;
        KTMYFileReader reader(&day, &hour, fileName.c_str());
        if (reader.Open() != kOk) {
            latitude = 0;
            cityName.clear();
            return false;
        }
        latitude = reader.GetLatitude();
        cityName = reader.GetStationName().substr(0, kMaxWeatherNameLength);
    } else if (format == kZefirBinary) {
        int day = 1, hour = 1;
        ZEFIRFileReader reader(&day, &hour, fileName.c_str());
        if (reader.Open() != kOk) {
            latitude = 0;
            stationLongitude = 0;
            meridianLongitude = 0;
            cityName.clear();
            return false;
        }
        latitude = reader.GetLatitude();
        stationLongitude = reader.GetLongitude();
        meridianLongitude = StandardMeridianOf(stationLongitude);
        cityName = reader.GetStationName().substr(0, kMaxWeatherNameLength);
    }
    return true;
}

bool CWeatherDlg::FileOpens() const {
    if (format == kKorvexTmy) {
        int day = 1, hour = 1;
        KTMYFileReader reader(&day, &hour, fileName.c_str());
        return reader.Open() == kOk;
    }
    if (format == kZefirBinary) {
        int day = 1, hour = 1;
        ZEFIRFileReader reader(&day, &hour, fileName.c_str());
        return reader.Open() == kOk;
    }
    return TextTableOpens(fileName);
}

CWeatherDlg::BrowseChoice CWeatherDlg::Browse() const {
    if (format == kKorvexTmy) return {"tmy", "*.tmy", kStrTmyFilter};
    if (format == kZefirBinary) return {"zfw", "*.zfw", kStrZefirFilter};
    return {"", "*.*", kStrAsciiFilter};
}

void CWeatherDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    static const char* const kFormats[2][3] = {
        {"Korvex TMY\n", "Comma or blank-delimited ASCII\n", "ZEFIR binary\n"},
        {"TMY Korvex\n", "ASCII délimité par virgules ou espaces\n", "binaire ZEFIR\n"}};
    Print(out, "%s", fr ? "FICHIER DE DONNÉES CLIMATIQUES\n" : "WEATHER FILE\n");
    Print(out, fr ? "Nom du fichier climatique: %s\n" : "Weather File Name: %s\n",
          fileName.c_str());
    Print(out, "Format: %s", format >= 0 && format <= 2 ? kFormats[fr][format] : "\n");
    Print(out, fr ? "Latitude: %g degrés N\n" : "Latitude: %g degrees N\n", latitude);
    Print(out, fr ? "Nom de la localité: %s\n" : "City Name: %s\n", cityName.c_str());
    Print(out, "%s", fr ? "Base temporelle: " : "Time Base: ");
    if (timeBase == kSolarTimeBase)
        Print(out, "%s", fr ? "Temps apparent (solaire) local\n" : "Local Apparent (Solar) Time\n");
    else
        Print(out, "%s", fr ? "Temps local standard\n" : "Local Standard Time\n");
    if (timeBase != kSolarTimeBase) {
        Print(out, "%s",
              fr ? "--- Calculs de temps standard:\n" : "--- Standard time calculations:\n");
        Print(out,
              fr ? "Longitude de la station %g degrés W\n" : "Station Longitude %g degrees W\n",
              stationLongitude);
        Print(out,
              fr ? "Longitude du méridien   %g degrés W\n" : "Meridian Longitude %g degrees W\n",
              meridianLongitude);
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Alternate input file

std::vector<DialogField> CAlternateDlg::Fields() {
    return {TextField(kFileName, &fileName, kMaxFileNameLength)};
}

bool CAlternateDlg::FileOpens() const {
    return TextTableOpens(fileName);
}

void CAlternateDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, "%s", fr ? "FICHIER DE DONNÉES ALTERNATIVES\n" : "ALTERNATE INPUT FILE\n");
    Print(out, fr ? "Nom du fichier de données alternatives: %s\n" : "Alternate File Name: %s\n",
          fileName.c_str());
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Simulation period

int ClampDayOfMonth(int month, int day) {
    if (day < 2) return 1;
    const int days = DaysInMonth(month, 0);
    return day > days ? days : day;
}

namespace {

int ClampMonth(int month) {
    return month < 1 ? 1 : month > 12 ? 12 : month;
}

// Day count from the first to the last day of year, over the new year when the last comes
// first.
int CountOfPeriod(int first, int last) {
    const int count = last - first + 1;
    return count <= 0 ? count + 365 : count;
}

}  // namespace

void CSimulationDlg::SetPeriod(int firstDay, int lastDay, int dayCount) {
    startDayOfYear = firstDay;
    endDayOfYear = lastDay;
    numDays = dayCount;
    periodCount_ = dayCount;
    startMonth = MonthOfDay(firstDay, 0);
    startDayOfMonth = DayOfMonth(firstDay, 0);
    endMonth = MonthOfDay(lastDay, 0);
    endDayOfMonth = DayOfMonth(lastDay, 0);
}

std::vector<DialogField> CSimulationDlg::Fields() {
    return {
        IntField(kStartDay, &startDayOfMonth),
        IntField(kEndDay, &endDayOfMonth),
        IntField(kNumDays, &numDays, 1, kMaxDays),
        DoubleField(kPrecision, &precision, 1e-6, 0.1),
        IntField(kMaxIterations, &maxIterations, 10, 10000),
        CheckField(kPrintParameters, &printParameters),
    };
}

std::vector<ControlText> CSimulationDlg::ControlTexts() const {
    const std::string format = LoadResString(kStrJulianDay);
    return {{kStartDayOfYear, FormatText(format, startDayOfYear).value_or(format)},
            {kEndDayOfYear, FormatText(format, endDayOfYear).value_or(format)}};
}

void CSimulationDlg::RecomputeCount() {
    numDays = CountOfPeriod(startDayOfYear, endDayOfYear);
    periodCount_ = numDays;
}

void CSimulationDlg::OnStartMonthChange(int selection) {
    if (selection + 1 == startMonth) return;
    startMonth = ClampMonth(selection + 1);
    OnStartDayChange();
}

void CSimulationDlg::OnEndMonthChange(int selection) {
    if (selection + 1 == endMonth) return;
    endMonth = ClampMonth(selection + 1);
    OnEndDayChange();
}

void CSimulationDlg::OnStartDayChange() {
    startDayOfMonth = ClampDayOfMonth(startMonth, startDayOfMonth);
    startDayOfYear = DayOfYear(startMonth, startDayOfMonth, 0);
    RecomputeCount();
}

void CSimulationDlg::OnEndDayChange() {
    endDayOfMonth = ClampDayOfMonth(endMonth, endDayOfMonth);
    endDayOfYear = DayOfYear(endMonth, endDayOfMonth, 0);
    RecomputeCount();
}

void CSimulationDlg::OnNumDaysChange() {
    if (numDays <= 0) numDays = 1;
    endDayOfYear = (startDayOfYear + numDays - 2) % 365 + 1;
    endMonth = MonthOfDay(endDayOfYear, 0);
    endDayOfMonth = DayOfMonth(endDayOfYear, 0);
    periodCount_ = numDays;
}

ExchangeStatus CSimulationDlg::OnOK() {
    startMonth = ClampMonth(startMonth);
    endMonth = ClampMonth(endMonth);
    startDayOfMonth = ClampDayOfMonth(startMonth, startDayOfMonth);
    endDayOfMonth = ClampDayOfMonth(endMonth, endDayOfMonth);
    const int first = DayOfYear(startMonth, startDayOfMonth, 0);
    const int last = DayOfYear(endMonth, endDayOfMonth, 0);
    if (numDays != periodCount_) {
        // A count typed in last decides the end, as leaving its edit would have.
        startDayOfYear = first;
        OnNumDaysChange();
    } else if (first != startDayOfYear || last != endDayOfYear) {
        startDayOfYear = first;
        endDayOfYear = last;
        RecomputeCount();
    }
    return {};
}

void CSimulationDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    const std::string start = MonthText(startMonth, language);
    const std::string end = MonthText(endMonth, language);
    Print(out, fr ? "PARAMÈTRES DE SIMULATION\n" : "SIMULATION DATA\n");
    Print(out, fr ? "Paramètres de simulation:\n" : "Simulation Parameters:\n");
    if (fr) {
        Print(out, "  Premier jour de simulation: %2d %s (jour de l'année %3d)\n", startDayOfMonth,
              start.c_str(), startDayOfYear);
        Print(out, "  Dernier jour de simulation: %2d %s (jour de l'année %3d)\n", endDayOfMonth,
              end.c_str(), endDayOfYear);
    } else {
        Print(out, "  Start Day of Simulation: %s %2d (Julian day %3d)\n", start.c_str(),
              startDayOfMonth, startDayOfYear);
        Print(out, "  End Day of Simulation:   %s %2d (Julian day %3d)\n", end.c_str(),
              endDayOfMonth, endDayOfYear);
    }
    Print(
        out,
        fr ? "  Nombre de jours dans la simulation: %d\n" : "  Number of Days in Simulation: %d\n",
        numDays);
    Print(out,
          fr ? "  Impression des paramètres de simulation: %c\n"
             : "  Require Printout of Simulation Parameters: %c\n",
          SwitchMark(printParameters));
    Print(out, fr ? "Algorithmes numériques\n" : "Numerical Algorithms\n");
    Print(out,
          fr ? "  Seuil de convergence des températures: %g C\n"
             : "  Precision on Temperatures: %g C\n",
          precision);
    Print(out, fr ? "  Nombre maximum d'itérations: %d\n" : "  Maximum number of iterations: %d\n",
          maxIterations);
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Configuration

std::vector<DialogField> CPoolConfigDlg::Fields() {
    return {
        CheckField(kSolar, &useSolar),
        CheckField(kAuxHeater, &useAuxHeater),
        CheckField(kExchanger, &useExchanger),
        CheckField(kWeekends, &useWeekends),
        CheckField(kAlternateInput, &useAlternateInput),
        CheckField(kHourlyOutput, &hourlyOutput),
        CheckField(kEconomics, &doEconomics),
        CheckField(kSwimmable, &swimmableCriterion),
        CheckField(kComparativeRun, &referenceRun),
        IntField(kWeekLength, &weekLength, 0, kMaxDays),
        IntField(kWeekendLength, &weekendLength, 0, kMaxDays),
    };
}

std::vector<ControlState> CPoolConfigDlg::ControlStates() const {
    return {
        {kExchanger, useSolar != 0},
        {kWeekLength, useWeekends != 0},
        {kWeekendLength, useWeekends != 0},
        {kComparativeRun, swimmableCriterion != 0},
    };
}

void CPoolConfigDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, "CONFIGURATION\n");
    Print(out, fr ? "Configuration de la piscine\n" : "Pool Configuration\n");
    Print(out,
          fr ? "  Capteurs solaires               : %c\n" : "  Solar Collector           : %c\n",
          SwitchMark(useSolar));
    Print(out,
          fr ? "  Échangeur de chaleur            : %c\n" : "  Heat Exchanger            : %c\n",
          SwitchMark(useExchanger));
    Print(out,
          fr ? "  Chauffage d'appoint             : %c\n" : "  Auxiliary Heater          : %c\n",
          SwitchMark(useAuxHeater));
    Print(out,
          fr ? "  Utiliser le fichier de données alternatives: %c\n"
             : "  Use Alternate Input File  : %c\n",
          SwitchMark(useAlternateInput));
    Print(out,
          fr ? "  Impression horaire des résultats: %c\n" : "  Require Hourly Printout   : %c\n",
          SwitchMark(hourlyOutput));
    Print(out,
          fr ? "  Faire une analyse économique   : %c\n" : "  Perform Economic Analysis : %c\n",
          SwitchMark(doEconomics));
    Print(out, fr ? "Semaine/Fin de semaine\n" : "Week/Weekend\n");
    Print(out,
          fr ? "  Utiliser des profils différents pour semaine et fin de semaine: %c\n"
             : "  Use different profiles for week and weekend: %c\n",
          SwitchMark(useWeekends));
    if (useWeekends) {
        Print(out,
              fr ? "  Nombre de jours dans une 'semaine'       : %d\n"
                 : "  Number of Days in Week   : %d\n",
              weekLength);
        Print(out,
              fr ? "  Nombre de jours dans une 'fin de semaine': %d\n"
                 : "  Number of Days in Weekend: %d\n",
              weekendLength);
    }
    Print(out, "\n");
    Print(out, fr ? "Jours nageables\n" : "Swimmable Days\n");
    Print(out,
          fr ? "  Utiliser le concept de 'jours nageables': %c\n"
             : "  Use Swimmable Days Concept: %c\n",
          SwitchMark(swimmableCriterion));
    Print(out, fr ? "  Faire une simulation comparative: %c\n" : "  Perform Comparative Run: %c\n",
          SwitchMark(referenceRun));
}
