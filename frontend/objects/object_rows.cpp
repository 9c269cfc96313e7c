#include "object_rows.h"

#include <array>
#include <stdexcept>

#include "record_transfer.h"

namespace {

constexpr std::uint8_t kInactive = 0;
constexpr std::uint8_t kActive = 1;
constexpr std::uint8_t kRemoved = 2;
constexpr const char* kRemovedName = "Unknown";

// The columns of each table and the fields that hold them: the one place that pairs them.
void Copy(CClientsSet& set, ContactData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_Info, data.info, toSet);
}

void Copy(CInstallersSet& set, ContactData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_Info, data.info, toSet);
}

void Copy(CPoolUseSet& set, PoolUseData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_MinTAmbSunny, data.minTAmbSunny, toSet);
    Transfer(set.m_MinTAmbCloudy, data.minTAmbCloudy, toSet);
    Transfer(set.m_MinTPool, data.minTPool, toSet);
    Transfer(set.m_MaxTPool, data.maxTPool, toSet);
    Transfer(set.m_WeekdayOpen, data.weekdayOpen, toSet);
    Transfer(set.m_WeekdayClose, data.weekdayClose, toSet);
    Transfer(set.m_WeekendOpen, data.weekendOpen, toSet);
    Transfer(set.m_WeekendClose, data.weekendClose, toSet);
    Transfer(set.m_ActivityLevel, data.activityLevel, toSet);
}

void Copy(CCollectorsSet& set, CollectorData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_Type, data.type, toSet);
    Transfer(set.m_Area, data.area, toSet);
    Transfer(set.m_TestFlowRate, data.testFlowRate, toSet);
    Transfer(set.m_A, data.a, toSet);
    Transfer(set.m_B, data.b, toSet);
    Transfer(set.m_C, data.c, toSet);
    Transfer(set.m_D, data.d, toSet);
    Transfer(set.m_E, data.e, toSet);
}

void Copy(CHeatersSet& set, HeaterData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_Type, data.type, toSet);
    Transfer(set.m_Capacity, data.capacity, toSet);
    Transfer(set.m_EfficiencyCOP, data.efficiencyCOP, toSet);
}

void Copy(CBlanketsSet& set, BlanketData& data, bool toSet) {
    Transfer(set.m_Name, data.name, toSet);
    Transfer(set.m_SWAbsorptivity, data.swAbsorptivity, toSet);
    Transfer(set.m_SWTransmissivity, data.swTransmissivity, toSet);
    Transfer(set.m_LWEmissivity, data.lwEmissivity, toSet);
    Transfer(set.m_LWTransmissivity, data.lwTransmissivity, toSet);
    Transfer(set.m_Insulation, data.insulation, toSet);
}

// Calls `action(typedSet, typedData)` with the set's own class and the data of its type.
template <class Action>
void WithTyped(CTidewarmSet& set, ObjectData& data, Action action) {
    if (auto* clients = dynamic_cast<CClientsSet*>(&set))
        return action(*clients, std::get<ContactData>(data));
    if (auto* installers = dynamic_cast<CInstallersSet*>(&set))
        return action(*installers, std::get<ContactData>(data));
    if (auto* poolUse = dynamic_cast<CPoolUseSet*>(&set))
        return action(*poolUse, std::get<PoolUseData>(data));
    if (auto* collectors = dynamic_cast<CCollectorsSet*>(&set))
        return action(*collectors, std::get<CollectorData>(data));
    if (auto* heaters = dynamic_cast<CHeatersSet*>(&set))
        return action(*heaters, std::get<HeaterData>(data));
    if (auto* blankets = dynamic_cast<CBlanketsSet*>(&set))
        return action(*blankets, std::get<BlanketData>(data));
    throw std::logic_error("not an object table");
}

// Puts the row's new state (and, on removal, its new name) in the table.
bool ChangeState(CTidewarmSet& set, int id, std::uint8_t from, std::uint8_t to) {
    if (!SelectObject(set, id) || set.m_Active != from) return false;
    set.Edit();
    set.m_Active = to;
    if (to == kRemoved) set.m_Name = kRemovedName;
    set.Update();
    return true;
}

}  // namespace

std::unique_ptr<CTidewarmSet> OpenObjectSet(ObjectType type) {
    std::unique_ptr<CTidewarmSet> set;
    switch (type) {
        case ObjectType::Client:
            set = std::make_unique<CClientsSet>();
            break;
        case ObjectType::Installer:
            set = std::make_unique<CInstallersSet>();
            break;
        case ObjectType::PoolUse:
            set = std::make_unique<CPoolUseSet>();
            break;
        case ObjectType::Collector:
            set = std::make_unique<CCollectorsSet>();
            break;
        case ObjectType::Heater:
            set = std::make_unique<CHeatersSet>();
            break;
        case ObjectType::Blanket:
            set = std::make_unique<CBlanketsSet>();
            break;
    }
    set->Open();
    return set;
}

std::string ObjectViewFilter(ObjectView view) {
    return view == ObjectView::Inactive ? "Editable = 1 AND Active = 0"
                                        : "Editable = 1 AND Active = 1";
}

std::vector<ListedObject> ListObjects(CTidewarmSet& set, ObjectView view) {
    set.m_strFilter = ObjectViewFilter(view);
    set.m_filterValues.clear();
    set.Requery();
    std::vector<ListedObject> rows;
    for (; !set.IsEOF(); set.MoveNext()) rows.push_back({set.m_Id, set.m_Name});
    return rows;
}

bool SelectObject(CTidewarmSet& set, int id) {
    set.m_strFilter = Bracketed(ObjectIdColumn(set.Type())) + " = ? AND Editable = 1";
    set.m_filterValues = {std::int64_t{id}};
    set.Requery();
    return !set.IsEOF();
}

bool ActivateObject(CTidewarmSet& set, int id) {
    return ChangeState(set, id, kInactive, kActive);
}

bool DeactivateObject(CTidewarmSet& set, int id) {
    return ChangeState(set, id, kActive, kInactive);
}

bool RemoveObject(CTidewarmSet& set, int id) {
    return ChangeState(set, id, kActive, kRemoved) || ChangeState(set, id, kInactive, kRemoved);
}

ObjectData ReadObject(CTidewarmSet& set) {
    ObjectData data = NewObjectData(set.Type());
    WithTyped(set, data, [](auto& typed, auto& values) { Copy(typed, values, false); });
    return data;
}

bool SaveObject(CTidewarmSet& set, int id, const ObjectData& data) {
    if (!SelectObject(set, id) || set.m_Active == kRemoved) return false;
    set.Edit();
    ObjectData values = data;
    WithTyped(set, values, [](auto& typed, auto& v) { Copy(typed, v, true); });
    set.Update();
    return true;
}

int AddObject(CTidewarmSet& set, const ObjectData& data) {
    set.AddNew();
    set.m_Active = kActive;
    set.m_Editable = 1;
    ObjectData values = data;
    WithTyped(set, values, [](auto& typed, auto& v) { Copy(typed, v, true); });
    set.Update();
    return static_cast<int>(set.GetLastAddedId());
}
