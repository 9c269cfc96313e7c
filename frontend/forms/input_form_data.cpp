#include "input_form_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "calendar.h"
#include "database_maintenance.h"
#include "economic_data.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "number_entry.h"
#include "record_sets.h"
#include "user_interface.h"
#include "window_texts.h"

namespace {

constexpr int kAllMonths = 4095;
// A day from which a month change moves to the new month's last day.
constexpr int kLastDayRuleStart = 27;

void SelectRun(CRunsSet& run, int runId) {
    run.m_strFilter = "[RunId] = ?";
    run.m_filterValues = {std::int64_t{runId}};
    run.Open();
}

void CopyRow(const CRunsSet& run, InputFormData& data) {
    data.runNumber = run.m_RunId;
    data.time = run.m_TStamp;
    data.doubleRun = run.m_DoubleRun;
    data.clientId = run.m_ClientId;
    data.installerId = run.m_InstallerId;
    data.poolUseId = run.m_PoolUseId;
    data.collectorId = run.m_CollectorId;
    data.heaterId = run.m_HeaterId;
    data.blanketId = run.m_BlanketId;
    data.comments = run.m_Comments;
    data.unitsIP = !run.m_SI;
    data.poolType = run.m_PoolType;
    data.city = run.m_City;
    data.opensMonth = run.m_OpensMonth;
    data.opensDay = run.m_OpensDay;
    data.closesMonth = run.m_ClosesMonth;
    data.closesDay = run.m_ClosesDay;
    data.poolArea = run.m_PoolArea;
    data.shading = run.m_Shading;
    data.numberOfColl = run.m_NumberOfColl;
    data.areaPerColl = run.m_AreaPerColl;
    data.numberOfBanks = run.m_NumberOfBanks;
    data.orientation = static_cast<int>(run.m_Orientation);
    data.slope = run.m_Slope;
    data.totalFlow = run.m_TotalFlow;
    data.heaterMonths = run.m_HeaterMonthlyUse;
    data.blanketMonths = run.m_BlanketMonthlyUse;
}

void CopyData(const InputFormData& data, CRunsSet& run) {
    run.m_TStamp = data.time;
    run.m_Comments = data.comments;
    run.m_ClientId = data.clientId;
    run.m_InstallerId = data.installerId;
    run.m_PoolUseId = data.poolUseId;
    run.m_CollectorId = data.collectorId;
    run.m_HeaterId = data.heaterId;
    run.m_BlanketId = data.blanketId;
    run.m_DoubleRun = data.doubleRun;
    run.m_SI = !data.unitsIP;
    run.m_PoolType = data.poolType;
    run.m_City = data.city;
    run.m_OpensMonth = data.opensMonth;
    run.m_OpensDay = data.opensDay;
    run.m_ClosesMonth = data.closesMonth;
    run.m_ClosesDay = data.closesDay;
    run.m_PoolArea = data.poolArea;
    run.m_Shading = data.shading;
    run.m_NumberOfColl = data.numberOfColl;
    run.m_AreaPerColl = data.areaPerColl;
    run.m_NumberOfBanks = data.numberOfBanks;
    run.m_Slope = data.slope;
    run.m_Orientation = data.orientation;
    run.m_TotalFlow = data.totalFlow;
    run.m_HeaterMonthlyUse = data.heaterMonths;
    run.m_BlanketMonthlyUse = data.blanketMonths;
}

}  // namespace

InputFormData NewRunForm() {
    InputFormData data;
    data.unitsIP = g_nUnits == 1;
    data.time = std::time(nullptr);
    data.heaterMonths = data.blanketMonths = kAllMonths;
    return data;
}

std::optional<InputFormData> LoadRunForm() {
    if (g_nCurrentRunId == -1) return NewRunForm();
    CRunsSet run;
    SelectRun(run, g_nCurrentRunId);
    if (run.IsEOF()) {
        ShowMessage(FormatResString(kStrRunNotFound, g_nCurrentRunId));
        return std::nullopt;
    }
    InputFormData data;
    CopyRow(run, data);
    if (g_nRunCreationMode != 0) data.runNumber = -1;
    return data;
}

bool SaveRunForm(InputFormData& data, bool isNew) {
    CRunsSet run;
    if (isNew) {
        run.m_strFilter = "0";
        run.Open();
        run.AddNew();
    } else {
        SelectRun(run, g_nCurrentRunId);
        if (run.IsEOF()) {
            ShowMessage(FormatResString(kStrRunNotFound, g_nCurrentRunId));
            return false;
        }
        run.Edit();
    }
    data.time = std::time(nullptr);
    CopyData(data, run);
    run.Update();
    if (isNew && g_nRunCreationMode != 0) g_nCurrentRunId = static_cast<int>(run.GetLastAddedId());
    data.runNumber = g_nCurrentRunId;
    return true;
}

void StoreNewRunOfForm(InputFormData& data) {
    if (g_nRunCreationMode == 0) return;
    const int modelRun = g_nRunCreationMode == 2 ? g_nCurrentRunId : -1;
    SaveRunForm(data, true);
    CreateEconomics(modelRun);
}

void DiscardRunOfForm() {
    if (g_nRunCreationMode != 0 && g_nCurrentRunId != -1) DeleteRun(g_nCurrentRunId);
}

namespace {

struct ObjectListInfo {
    int typeIndex;  // in g_ObjectTypeNames
    int missingMessage;
    int label;
    int InputFormData::*chosen;
};

const ObjectListInfo& Info(ObjectList list) {
    static const std::array<ObjectListInfo, kObjectListCount> kInfo = {{
        {0, kStrClientNotFound, kStrLabelCustomer, &InputFormData::clientId},
        {1, kStrInstallerNotFound, kStrLabelInstaller, &InputFormData::installerId},
        {2, kStrPoolUseNotFound, kStrLabelUseConditions, &InputFormData::poolUseId},
        {3, kStrCollectorNotFound, kStrLabelCollectors, &InputFormData::collectorId},
        {4, kStrHeaterNotFound, kStrLabelHeater, &InputFormData::heaterId},
        {5, kStrBlanketNotFound, kStrLabelBlanket, &InputFormData::blanketId},
    }};
    return kInfo[static_cast<std::size_t>(list)];
}

// Any object table through the columns every object table has.
class ActiveObjectsSet : public CTidewarmSet {
  public:
    explicit ActiveObjectsSet(std::string_view type) : type_(type) {}
    std::string GetDefaultSQL() const override {
        return "SELECT [" + type_ + "Id], [Name], [Editable], [Active] FROM [" + type_ +
               (type_ == "PoolUse" ? "" : "s") + "] WHERE [Active] = 1 ORDER BY [" + type_ + "Id]";
    }

  protected:
    void DoFieldExchange(RecordFields& fields) override {
        fields.Long(idColumn_, m_Id);
        fields.Text("Name", m_Name);
        fields.Byte("Editable", m_Editable);
        fields.Byte("Active", m_Active);
    }

  private:
    std::string type_;
    std::string idColumn_ = type_ + "Id";
};

}  // namespace

ChoiceList ReadChoiceList(ObjectList list) {
    const ObjectListInfo& info = Info(list);
    ChoiceList choices;
    ActiveObjectsSet objects(g_ObjectTypeNames[static_cast<std::size_t>(info.typeIndex)]);
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

std::string MissingObjectMessage(ObjectList list, int id) {
    return FormatResString(Info(list).missingMessage, id);
}

std::string ObjectListLabel(ObjectList list) {
    return LoadResString(Info(list).label);
}

int& ChosenId(InputFormData& data, ObjectList list) {
    return data.*Info(list).chosen;
}

std::optional<std::string> MissingChoiceProblem(const InputFormData& data) {
    for (int i = 0; i < kObjectListCount; ++i) {
        const auto list = static_cast<ObjectList>(i);
        if (data.*Info(list).chosen <= 0)
            return FormatResString(kStrChooseFromList, ObjectListLabel(list));
    }
    return std::nullopt;
}

int HeaterType(int heaterId) {
    if (heaterId <= 1) return -1;
    CHeatersSet heater;
    heater.m_strFilter = "[HeaterId] = ?";
    heater.m_filterValues = {std::int64_t{heaterId}};
    heater.Open();
    return heater.IsEOF() ? -1 : heater.m_Type;
}

double ShownShading(const InputFormData& data) {
    return data.poolType == kIndoorPool ? 100 : data.shading;
}

double ShadingForNewPoolType(int poolType) {
    return poolType == kIndoorPool ? 100 : 0;
}

int DayAfterMonthChange(int day, int month) {
    const int last = DaysInMonthNoLeap(month);
    return day < kLastDayRuleStart && day <= last ? day : last;
}

int CityPosition(const std::vector<std::string>& sortedCities, const InputFormData& data,
                 int creationMode, bool& missing) {
    missing = false;
    if (creationMode == 1) return 0;
    const auto found = std::find(sortedCities.begin(), sortedCities.end(), data.city);
    if (found != sortedCities.end()) return static_cast<int>(found - sortedCities.begin());
    missing = true;
    return 0;
}

namespace {

constexpr double kSquareMetresToFeet = 10.763910416709722;
constexpr double kSquareFeetToMetres = 0.09290304;
constexpr double kKgPerSecondToUsgpm = 15.85032223705108;
constexpr double kUsgpmToKgPerSecond = 0.0630902;

struct InputFieldRule {
    double InputFormData::*member;  // null: the number of banks
    double minimum, maximum;        // SI
    const char* siFormat;
    const char* ipFormat;  // null: the box has no units
    double toIP, fromIP;
    int siUnit, ipUnit;
};

const std::array<InputFieldRule, kInputFieldCount> kRules = {{
    {&InputFormData::shading, 0, 100, "%g", nullptr, 1, 1, 0, 0},
    {&InputFormData::numberOfColl, 1, 100, "%g", nullptr, 1, 1, 0, 0},
    {nullptr, 1, 100, "%g", nullptr, 1, 1, 0, 0},
    {&InputFormData::slope, 0, 90, "%g", nullptr, 1, 1, 0, 0},
    {&InputFormData::areaPerColl, 0.1, 100, "%-5.2f", "%-5.1f", kSquareMetresToFeet,
     kSquareFeetToMetres, kStrUnitSquareMetres, kStrUnitSquareFeet},
    {&InputFormData::totalFlow, 0.001, 10000, "%-5.2f", "%-5.1f", kKgPerSecondToUsgpm,
     kUsgpmToKgPerSecond, kStrUnitKilogramsPerSecond, kStrUnitUsGpm},
    {&InputFormData::poolArea, 5, 10000, "%-7.2f", "%-7.1f", kSquareMetresToFeet,
     kSquareFeetToMetres, kStrUnitSquareMetres, kStrUnitSquareFeet},
}};

const InputFieldRule& Rule(InputField field) {
    return kRules[static_cast<std::size_t>(field)];
}

bool ShownInIP(const InputFieldRule& rule, const InputFormData& data) {
    return rule.ipFormat != nullptr && data.unitsIP;
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

}  // namespace

std::string InputFieldText(InputField field, const InputFormData& data) {
    const InputFieldRule& rule = Rule(field);
    const bool ip = ShownInIP(rule, data);
    const double value = field == InputField::Shading ? ShownShading(data) : Value(rule, data);
    char text[64];
    std::snprintf(text, sizeof text, ip ? rule.ipFormat : rule.siFormat,
                  ip ? value * rule.toIP : value);
    return TrimRight(text);
}

std::string InputFieldUnit(InputField field, bool unitsIP) {
    const InputFieldRule& rule = Rule(field);
    if (rule.ipFormat == nullptr) return "";
    return LoadResString(unitsIP ? rule.ipUnit : rule.siUnit);
}

std::optional<FieldProblem> ReadInputFields(const InputFieldTexts& texts, InputFormData& data) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        const InputFieldRule& rule = Rule(field);
        const std::string& text = texts[static_cast<std::size_t>(i)];
        const std::optional<double> shown = ParseNumber(text);
        if (!shown) return FieldProblem{field, LoadResString(kStrEnterNumber)};
        if (rule.member == nullptr && *shown != std::floor(*shown))
            return FieldProblem{field, LoadResString(kStrEnterInteger)};
        const bool ip = ShownInIP(rule, data);
        const double value = ip ? *shown * rule.fromIP : *shown;
        const double scale = ip ? rule.toIP : 1;
        if (!(value >= rule.minimum && value <= rule.maximum))
            return FieldProblem{field, FormatResString(kStrValueBetween, rule.minimum * scale,
                                                       rule.maximum * scale)};
        SetValue(rule, value, data);
    }
    return std::nullopt;
}

void ReadUnitFields(const InputFieldTexts& texts, InputFormData& data) {
    for (InputField field :
         {InputField::AreaPerColl, InputField::TotalFlow, InputField::PoolArea}) {
        const InputFieldRule& rule = Rule(field);
        if (const std::optional<double> shown = ParseNumber(texts[static_cast<std::size_t>(field)]))
            SetValue(rule, ShownInIP(rule, data) ? *shown * rule.fromIP : *shown, data);
    }
}
