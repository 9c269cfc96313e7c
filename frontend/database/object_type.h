// The six kinds of object a run chooses from, in the order of their lists, and where each is
// stored: its table and the table's Id column.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

enum class ObjectType { Client, Installer, PoolUse, Collector, Heater, Blanket };

inline constexpr std::array kObjectTypes = {ObjectType::Client,  ObjectType::Installer,
                                            ObjectType::PoolUse, ObjectType::Collector,
                                            ObjectType::Heater,  ObjectType::Blanket};
inline constexpr std::size_t kObjectTypeCount = kObjectTypes.size();

// Id of the built-in row that stands for "no object" in Collectors, Heaters and Blankets.
inline constexpr int kNoObjectId = 1;

// The position of `type` in kObjectTypes, for tables indexed by type.
constexpr std::size_t Index(ObjectType type) {
    return static_cast<std::size_t>(type);
}

namespace object_type_detail {
struct Storage {
    std::string_view table, idColumn;
};
// The Id column is the object's word with "Id"; the table its plural, except "PoolUse".
inline constexpr std::array<Storage, kObjectTypeCount> kStorage = {{
    {"Clients", "ClientId"},
    {"Installers", "InstallerId"},
    {"PoolUse", "PoolUseId"},
    {"Collectors", "CollectorId"},
    {"Heaters", "HeaterId"},
    {"Blankets", "BlanketId"},
}};
}  // namespace object_type_detail

constexpr std::string_view ObjectTable(ObjectType type) {
    return object_type_detail::kStorage[Index(type)].table;
}
constexpr std::string_view ObjectIdColumn(ObjectType type) {
    return object_type_detail::kStorage[Index(type)].idColumn;
}

// A table or column name as the record sets' SQL writes it: "[Heaters]". Built by appending:
// GCC 12's Release build warns (-Wrestrict, falsely) on "[" + std::string(name).
inline std::string Bracketed(std::string_view name) {
    std::string text;
    text.reserve(name.size() + 2);
    text += '[';
    text += name;
    text += ']';
    return text;
}
