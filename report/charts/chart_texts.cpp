// The chart texts in both languages.
#include "chart_texts.h"

#include <array>

namespace {

struct Translation {
    ChartText text;
    std::string_view english;
    std::string_view french;
};

// In the order of ChartText.
constexpr std::array kTexts{
    Translation{ChartText::MonthNumber, "Month number", "Numéro du mois"},
    Translation{ChartText::DailyTemperatureTitle, "Average daily pool temperature (%s)",
                "Température quotidienne moyenne (%s)"},
    Translation{ChartText::MonthlyTemperatureTitle, "Average monthly pool temperature (%s)",
                "Température mensuelle moyenne (%s)"},
    Translation{ChartText::NumberOfDays, "Number of days", "Nombre de jours"},
    Translation{ChartText::EnergyTitle, "Energy (%s)", "Énergie (%s)"},
    Translation{ChartText::DailyTemperaturesNotFound, "Daily temperatures not found for run %d.",
                "Températures quotidiennes introuvables pour la simulation %d."},
    Translation{ChartText::ResultsNotFound, "Error opening or accessing results dataset.",
                "Erreur à l'ouverture ou à la lecture des résultats."},
    Translation{ChartText::TooManyPoints, "Too many points for graph.",
                "Trop de points pour le graphique."},
    Translation{ChartText::CannotWriteChart, "Cannot write the chart %s: %s.",
                "Impossible d'écrire le graphique %s : %s."},
};

constexpr bool InEnumOrder() {
    for (std::size_t index = 0; index < kTexts.size(); ++index) {
        if (kTexts[index].text != static_cast<ChartText>(index)) return false;
    }
    return true;
}
static_assert(InEnumOrder(), "the chart texts are looked up by their ChartText value");

}  // namespace

std::string_view ChartTextIn(ChartText text, Language language) {
    const Translation& entry = kTexts[static_cast<std::size_t>(text)];
    return language == Language::French ? entry.french : entry.english;
}

std::string FillText(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    auto value = values.begin();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool field =
            text[at] == '%' && at + 1 < text.size() && (text[at + 1] == 's' || text[at + 1] == 'd');
        if (field && value != values.end()) {
            filled += *value++;
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}
