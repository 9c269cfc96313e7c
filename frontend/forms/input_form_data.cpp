#include "input_form_data.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "calendar.h"
#include "database_maintenance.h"
#include "display_units.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "number_entry.h"
#include "number_text.h"
#include "record_sets.h"
#include "record_transfer.h"
#include "run_economics.h"
#include "user_interface.h"
#include "window_texts.h"

namespace {

constexpr int kAllMonths = 4095;
// A day from which a month change moves to the new month's last day.
constexpr int kLastDayRuleStart = 27;

// The Runs columns and the form's members that hold them: the one place that pairs them. The
// run number is the table's key, which the database gives: it is only read.
void TransferRun(CRunsSet& run, InputFormData& data, bool toSet) {
    if (!toSet) data.runNumber = run.m_RunId;
    Transfer(run.m_TStamp, data.time, toSet);
    Transfer(run.m_Comments, data.comments, toSet);
    Transfer(run.m_ClientId, data.clientId, toSet);
    Transfer(run.m_InstallerId, data.installerId, toSet);
    Transfer(run.m_PoolUseId, data.poolUseId, toSet);
    Transfer(run.m_CollectorId, data.collectorId, toSet);
    Transfer(run.m_HeaterId, data.heaterId, toSet);
    Transfer(run.m_BlanketId, data.blanketId, toSet);
    Transfer(run.m_DoubleRun, data.doubleRun, toSet);
    if (toSet)
        run.SetUnits(data.units);
    else
        data.units = run.Units();
    Transfer(run.m_PoolType, data.poolType, toSet);
    Transfer(run.m_City, data.city, toSet);
    Transfer(run.m_OpensMonth, data.opensMonth, toSet);
    Transfer(run.m_OpensDay, data.opensDay, toSet);
    Transfer(run.m_ClosesMonth, data.closesMonth, toSet);
    Transfer(run.m_ClosesDay, data.closesDay, toSet);
    Transfer(run.m_PoolArea, data.poolArea, toSet);
    Transfer(run.m_Shading, data.shading, toSet);
    Transfer(run.m_NumberOfColl, data.numberOfColl, toSet);
    Transfer(run.m_AreaPerColl, data.areaPerColl, toSet);
    Transfer(run.m_NumberOfBanks, data.numberOfBanks, toSet);
    Transfer(run.m_Slope, data.slope, toSet);
    Transfer(run.m_Orientation, data.orientation, toSet);
    Transfer(run.m_TotalFlow, data.totalFlow, toSet);
    Transfer(run.m_HeaterMonthlyUse, data.heaterMonths, toSet);
    Transfer(run.m_BlanketMonthlyUse, data.blanketMonths, toSet);
}

}  // namespace

InputFormData NewRunForm() {
    InputFormData data;
    data.units = g_nUnits;
    data.time = std::time(nullptr);
    data.heaterMonths = data.blanketMonths = kAllMonths;
    return data;
}

std::optional<InputFormData> StoredRunForm(int runId) {
    CRunsSet run;
    if (!SelectById(run, kRunIdColumn, runId)) {
        ShowMessage(FormatResString(kStrRunNotFound, runId));
        return std::nullopt;
    }
    InputFormData data;
    TransferRun(run, data, false);
    return data;
}

std::optional<InputFormData> LoadRunForm() {
    if (g_nCurrentRunId == -1) return NewRunForm();
    std::optional<InputFormData> data = StoredRunForm(g_nCurrentRunId);
    if (!data) return data;
    if (g_nRunCreationMode == RunCreationMode::Existing)
        RestoreMissingEconomics(g_nCurrentRunId);
    else
        data->runNumber = -1;
    return data;
}

void FillRunRow(const InputFormData& data, CRunsSet& run) {
    InputFormData values = data;
    TransferRun(run, values, true);
    run.m_RunId = data.runNumber;
}

bool SaveRunForm(InputFormData& data, bool isNew, SQLite::Database* connection) {
    CRunsSet run;
    if (isNew) {
        run.m_strFilter = "0";
        run.Open(connection);
        run.AddNew();
    } else {
        if (!SelectById(run, kRunIdColumn, g_nCurrentRunId, connection)) {
            ShowMessage(FormatResString(kStrRunNotFound, g_nCurrentRunId));
            return false;
        }
        run.Edit();
    }
    data.time = std::time(nullptr);
    TransferRun(run, data, true);
    run.Update();
    if (isNew && g_nRunCreationMode != RunCreationMode::Existing)
        g_nCurrentRunId = static_cast<int>(run.GetLastAddedId());
    data.runNumber = g_nCurrentRunId;
    return true;
}

bool StoreNewRunOfForm(InputFormData& data) {
    if (g_nRunCreationMode == RunCreationMode::Existing) return true;
    const int modelRun = g_nRunCreationMode == RunCreationMode::Copy ? g_nCurrentRunId : -1;
    try {
        // The run and its economics in one transaction: a kill or a failure between them leaves
        // neither.
        SQLite::Database connection = ConnectDatabase();
        SQLite::Transaction transaction(connection);
        if (!SaveRunForm(data, true, &connection)) return false;
        CreateEconomics(modelRun, connection);
        transaction.commit();
    } catch (...) {
        g_nCurrentRunId = modelRun;
        data.runNumber = -1;
        throw;
    }
    return true;
}

void DiscardRunOfForm() {
    if (g_nRunCreationMode == RunCreationMode::Existing || g_nCurrentRunId == -1) return;
    // A deletion that fails has shown its message and left the run whole, with its economics:
    // a stored run like any other, which the runs manager can remove.
    static_cast<void>(DeleteRun(g_nCurrentRunId));
}

namespace {

struct ObjectListInfo {
    int missingMessage;
    int label;
    int InputFormData::*chosen;
};

const ObjectListInfo& Info(ObjectType list) {
    static const std::array<ObjectListInfo, kObjectTypeCount> kInfo = {{
        {kStrClientNotFound, kStrLabelCustomer, &InputFormData::clientId},
        {kStrInstallerNotFound, kStrLabelInstaller, &InputFormData::installerId},
        {kStrPoolUseNotFound, kStrLabelUseConditions, &InputFormData::poolUseId},
        {kStrCollectorNotFound, kStrLabelCollectors, &InputFormData::collectorId},
        {kStrHeaterNotFound, kStrLabelHeater, &InputFormData::heaterId},
        {kStrBlanketNotFound, kStrLabelBlanket, &InputFormData::blanketId},
    }};
    return kInfo[Index(list)];
}

// Any object table through the columns every object table has.
class ActiveObjectsSet : public CTidewarmSet {
  public:
    explicit ActiveObjectsSet(ObjectType type) : CTidewarmSet(type) {}
    std::string GetDefaultSQL() const override {
        const std::string id = Bracketed(ObjectIdColumn(Type()));
        return "SELECT " + id + ", [Name], [Editable], [Active] FROM " +
               Bracketed(ObjectTable(Type())) + " WHERE [Active] = 1 ORDER BY " + id;
    }

  protected:
    void DoFieldExchange(RecordFields& fields) override {
        fields.Long(ObjectIdColumn(Type()), m_Id);
        fields.Text("Name", m_Name);
        fields.Byte("Editable", m_Editable);
        fields.Byte("Active", m_Active);
    }
};

}  // namespace

ChoiceList ReadChoiceList(ObjectType list) {
    ChoiceList choices;
    ActiveObjectsSet objects(list);
    for (objects.Open(); !objects.IsEOF(); objects.MoveNext()) {
        choices.names.push_back(objects.m_Name);
        choices.ids.push_back(objects.m_Id);
    }
    return choices;
}

int PositionOfId(const ChoiceList& list, int id) {
    const auto found = std::find(list.ids.begin(), list.ids.end(), id);
    return found == list.ids.end() ? -1 : static_cast<int>(found - list.ids.begin());
}

std::string MissingObjectMessage(ObjectType list, int id) {
    return FormatResString(Info(list).missingMessage, id);
}

std::string ObjectListLabel(ObjectType list) {
    return LoadResString(Info(list).label);
}

int& ChosenId(InputFormData& data, ObjectType list) {
    return data.*Info(list).chosen;
}

std::optional<Problem> MissingChoiceProblem(const InputFormData& data) {
    for (ObjectType list : kObjectTypes) {
        if (data.*Info(list).chosen <= 0)
            return Problem{FormatResString(kStrChooseFromList, ObjectListLabel(list))};
    }
    return std::nullopt;
}

double ShownShading(const InputFormData& data) {
    return data.poolType == PoolType::PublicIndoor ? 100 : data.shading;
}

double ShadingForNewPoolType(PoolType poolType) {
    return poolType == PoolType::PublicIndoor ? 100 : 0;
}

int DayAfterMonthChange(int day, int month) {
    const int last = DaysInMonthNoLeap(month);
    return day < kLastDayRuleStart && day <= last ? day : last;
}

int DayAtOpen(int day, int month) {
    return std::clamp(day, 1, DaysInMonthNoLeap(month));
}

namespace {

int InitialPosition(ObjectType list, const ChoiceList& choices, const InputFormData& data) {
    if (choices.ids.empty()) return -1;
    if (g_nCurrentRunId != -1) {
        const int id = data.*Info(list).chosen;
        const int position = PositionOfId(choices, id);
        if (position >= 0) return position;
        ShowMessage(MissingObjectMessage(list, id));
        return 0;
    }
    // A contact the wizard has just added is the last of its list.
    const bool justAdded = (list == ObjectType::Client && g_bNewClient == 1) ||
                           (list == ObjectType::Installer && g_bNewInstaller == 1);
    return justAdded ? static_cast<int>(choices.ids.size()) - 1 : 0;
}

}  // namespace

FormChoices OpenFormChoices(InputFormData& data) {
    FormChoices choices;
    for (ObjectType list : kObjectTypes) {
        const std::size_t index = Index(list);
        choices.lists[index] = ReadChoiceList(list);
        const int position = InitialPosition(list, choices.lists[index], data);
        choices.positions[index] = position;
        data.*Info(list).chosen =
            position < 0 ? 0 : choices.lists[index].ids[static_cast<std::size_t>(position)];
    }
    choices.cities = g_CityNames;
    std::sort(choices.cities.begin(), choices.cities.end());
    const auto found = std::find(choices.cities.begin(), choices.cities.end(), data.city);
    if (g_nRunCreationMode != RunCreationMode::New && found != choices.cities.end()) {
        choices.cityPosition = static_cast<int>(found - choices.cities.begin());
    } else {
        if (g_nRunCreationMode != RunCreationMode::New)
            ShowMessage(FormatResString(kStrNoWeatherForCity, data.city));
        data.city = choices.cities.empty() ? "" : choices.cities.front();
    }
    return choices;
}

namespace {

struct InputFieldRule {
    double InputFormData::*member;  // null: the number of banks
    double minimum, maximum;        // SI
    int siDecimals;
    int ipDecimals;  // kShortest also for a box without units
    double toIP, fromIP;
    int siUnit, ipUnit;  // 0 for a box without units
};

const std::array<InputFieldRule, kInputFieldCount> kRules = {{
    {&InputFormData::shading, 0, 100, kShortest, kShortest, 1, 1, 0, 0},
    {&InputFormData::numberOfColl, 1, kMostCollectorsPerBank, kShortest, kShortest, 1, 1, 0, 0},
    {nullptr, 1, 100, kShortest, kShortest, 1, 1, 0, 0},
    {&InputFormData::slope, 0, 90, kShortest, kShortest, 1, 1, 0, 0},
    {&InputFormData::areaPerColl, 0.1, 100, 2, 1, kSquareMetresToSquareFeet,
     kSquareFeetToSquareMetres, kStrUnitSquareMetres, kStrUnitSquareFeet},
    {&InputFormData::totalFlow, 0.001, 10000, 2, 1, kKilogramsPerSecondToUsGpm,
     kUsGpmToKilogramsPerSecond, kStrUnitKilogramsPerSecond, kStrUnitUsGpm},
    {&InputFormData::poolArea, 5, 10000, 2, 1, kSquareMetresToSquareFeet, kSquareFeetToSquareMetres,
     kStrUnitSquareMetres, kStrUnitSquareFeet},
}};

const InputFieldRule& Rule(InputField field) {
    return kRules[static_cast<std::size_t>(field)];
}

bool ShownInIP(const InputFieldRule& rule, const InputFormData& data) {
    return rule.siUnit != 0 && data.units == UnitSystem::IP;
}

int Decimals(const InputFieldRule& rule, const InputFormData& data) {
    return ShownInIP(rule, data) ? rule.ipDecimals : rule.siDecimals;
}

double Value(const InputFieldRule& rule, const InputFormData& data) {
    return rule.member == nullptr ? data.numberOfBanks : data.*rule.member;
}

void SetValue(const InputFieldRule& rule, double value, InputFormData& data) {
    if (rule.member == nullptr)
        data.numberOfBanks = static_cast<int>(value);
    else
        data.*rule.member = value;
}

// A bound in the units shown, rounded to the box's decimals towards the inside of the range.
double ShownBound(const InputFieldRule& rule, const InputFormData& data, double bound, bool lower) {
    const double shown = ShownInIP(rule, data) ? bound * rule.toIP : bound;
    const int decimals = Decimals(rule, data);
    if (decimals == kShortest) return shown;
    const double scale = std::pow(10.0, decimals);
    // The margin keeps a bound that is already round (5 m2 as 500 hundredths) where it is.
    constexpr double kRoundOff = 1e-9;
    return (lower ? std::ceil(shown * scale - kRoundOff) : std::floor(shown * scale + kRoundOff)) /
           scale;
}

// The number a box's text spells, as the member takes it; nothing when it spells none.
std::optional<double> TypedValue(const InputFieldRule& rule, const std::string& text,
                                 const InputFormData& data, std::optional<std::string>* problem) {
    const std::optional<double> shown = ParseNumber(text);
    if (!shown) {
        if (problem) *problem = LoadResString(kStrEnterNumber);
        return std::nullopt;
    }
    if (rule.member == nullptr) {
        if (*shown != std::floor(*shown)) {
            if (problem) *problem = LoadResString(kStrEnterInteger);
            return std::nullopt;
        }
        // A number of banks far out of range stays out of range without overflowing an int.
        return std::clamp(*shown, rule.minimum - 1, rule.maximum + 1);
    }
    return ShownInIP(rule, data) ? *shown * rule.fromIP : *shown;
}

}  // namespace

std::string InputFieldText(InputField field, const InputFormData& data) {
    const InputFieldRule& rule = Rule(field);
    const double value = field == InputField::Shading ? ShownShading(data) : Value(rule, data);
    const double shown = ShownInIP(rule, data) ? value * rule.toIP : value;
    return NumberText(shown, {Decimals(rule, data)});
}

std::string InputFieldUnit(InputField field, UnitSystem units) {
    const InputFieldRule& rule = Rule(field);
    if (rule.siUnit == 0) return "";
    return LoadResString(units == UnitSystem::IP ? rule.ipUnit : rule.siUnit);
}

void ReadEditedField(InputField field, const std::string& text, InputFieldFlags& changed,
                     InputFormData& data) {
    const auto index = static_cast<std::size_t>(field);
    if (!changed[index]) return;
    const InputFieldRule& rule = Rule(field);
    if (const std::optional<double> value = TypedValue(rule, text, data, nullptr)) {
        SetValue(rule, *value, data);
        changed[index] = false;
    }
}

std::optional<FieldProblem> ReadAndCheckFields(const InputFieldTexts& texts,
                                               InputFieldFlags& changed, InputFormData& data) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        const auto index = static_cast<std::size_t>(i);
        const InputFieldRule& rule = Rule(field);
        if (changed[index]) {
            std::optional<std::string> problem;
            const std::optional<double> value = TypedValue(rule, texts[index], data, &problem);
            if (!value) return FieldProblem{field, *problem};
            SetValue(rule, *value, data);
            changed[index] = false;
        }
        const double value = Value(rule, data);
        if (!(value >= rule.minimum && value <= rule.maximum))
            return FieldProblem{
                field, FormatResString(kStrValueBetween, ShownBound(rule, data, rule.minimum, true),
                                       ShownBound(rule, data, rule.maximum, false))};
    }
    return std::nullopt;
}
