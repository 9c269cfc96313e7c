// The four pool types of the front end's runs, numbered as the batch input file and the Runs
// table store them, with the simulation program's template of each.
#pragma once

#include <array>
#include <optional>
#include <string_view>

enum class PoolType : int {
    ResidentialInGround = 0,
    ResidentialAboveGround = 1,
    PublicOutdoor = 2,
    PublicIndoor = 3
};

// Templates of the four pool types, in the program folder, in the order of their numbers.
inline constexpr std::array<std::string_view, 4> kPoolTemplates = {"resingr.tpl", "resabgr.tpl",
                                                                   "pubout.tpl", "pubin.tpl"};

inline constexpr std::array<PoolType, 4> kPoolTypes = {
    PoolType::ResidentialInGround, PoolType::ResidentialAboveGround, PoolType::PublicOutdoor,
    PoolType::PublicIndoor};

// The number a file or a column stores, which is also the type's place in the tables above and
// in the input form's choice.
constexpr int PoolTypeNumber(PoolType type) {
    return static_cast<int>(type);
}

// The type a stored number stands for; nothing outside 0..3.
constexpr std::optional<PoolType> StoredPoolType(int number) {
    if (number < 0 || number >= static_cast<int>(kPoolTypes.size())) return std::nullopt;
    return static_cast<PoolType>(number);
}

constexpr std::string_view PoolTemplate(PoolType type) {
    return kPoolTemplates[static_cast<std::size_t>(PoolTypeNumber(type))];
}
