#include "report_names.h"

#include <array>

#include "calendar.h"
#include "html_text.h"
#include "month_masks.h"

namespace {

template <std::size_t N>
using Names = std::array<std::array<std::string_view, N>, 2>;

constexpr Names<4> kPoolTypes{{
    {"Res. Inground", "Res. Above Ground", "Public Outdoor", "Public Indoor"},
    {"Résid. enterrée", "Résid. hors du sol", "Publ. extérieure", "Publ. intérieure"},
}};

constexpr Names<16> kOrientations{{
    {"West", "West-South West", "South West", "South-South West", "South", "South-South East",
     "South East", "East-South East", "East", "East-North East", "North East", "North-North East",
     "North", "North-North West", "North West", "West-North West"},
    {"Ouest", "Ouest-Sud Ouest", "Sud Ouest", "Sud-Sud Ouest", "Sud", "Sud-Sud Est", "Sud Est",
     "Est-Sud Est", "Est", "Est-Nord Est", "Nord Est", "Nord-Nord Est", "Nord", "Nord-Nord Ouest",
     "Nord Ouest", "Ouest-Nord Ouest"},
}};

constexpr Names<2> kEfficiencyTypes{{
    {"Efficiency", "Nominal COP"},
    {"Efficacité", "COP Nominal"},
}};

constexpr Names<3> kActivityLevels{{
    {"Low", "Medium", "High"},
    {"Faible", "Moyen", "Élevé"},
}};

constexpr std::string_view kMonthLetters = "JFMAMJJASOND";

template <std::size_t N>
std::string_view NameIn(const Names<N>& names, int index, Language language) {
    const auto& table = names[LanguageIndex(language)];
    if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view PoolTypeName(int poolType, Language language) {
    return NameIn(kPoolTypes, poolType, language);
}

std::string_view OrientationName(double orientation, Language language) {
    // Compared as a double first, so that no value (NaN, huge) is converted out of range.
    if (!(orientation >= 0 && orientation < static_cast<double>(kOrientations[0].size())))
        return {};
    return NameIn(kOrientations, static_cast<int>(orientation), language);
}

std::string_view EfficiencyTypeName(HeaterKind kind, Language language) {
    return NameIn(kEfficiencyTypes, static_cast<int>(kind), language);
}

std::string_view ActivityLevelName(int level, Language language) {
    return NameIn(kActivityLevels, level, language);
}

std::string_view NotComputedText(Language language) {
    return language == Language::French ? "non calculé" : "not computed";
}

std::string_view NotAvailableText(Language language) {
    return language == Language::French ? "N/D" : "N/A";
}

std::string MonthLetters(int mask) {
    const std::array<int, 12> flags = UnpackMonthFlags(mask);
    std::string letters;
    for (std::size_t month = 0; month < flags.size(); ++month)
        letters += flags[month] == 1 ? kMonthLetters[month] : '-';
    return letters;
}

std::string SeasonDate(int month, int day, Language language) {
    const std::string name = DateMonthName(month, language);
    const std::string dayText = FormatInt(day, "%02d");
    return language == Language::French ? dayText + " " + name : name + " " + dayText;
}
