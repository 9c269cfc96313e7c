#include "sizing_table.h"

#include <cmath>

#include "frontend_globals.h"
#include "frontend_strings.h"
#include "number_text.h"
#include "physical_constants.h"
#include "sizing_texts.h"
#include "window_texts.h"

namespace {

constexpr Colour kNetPresentValueColour = 0x008000;
constexpr Colour kSwimDaysColour = 0x0000ff;

std::string AreaUnit(UnitSystem units) {
    return LoadResString(units == UnitSystem::IP ? kStrUnitSquareFeet : kStrUnitSquareMetres);
}

std::string EnergyUnit(UnitSystem units) {
    // Spelt as the economics dialog and the report spell it.
    return units == UnitSystem::IP ? "MBTU" : "GJ";
}

std::string TemperatureUnit(UnitSystem units) {
    return LoadResString(units == UnitSystem::IP ? kStrUnitFahrenheit : kStrUnitCelsius);
}

double ShownArea(double squareMetres, UnitSystem units) {
    return units == UnitSystem::IP ? squareMetres * kSquareMetresToSquareFeet : squareMetres;
}

double ShownEnergy(double gigajoules, UnitSystem units) {
    return units == UnitSystem::IP ? gigajoules * kGigajoulesToMBtu : gigajoules;
}

double ShownTemperature(double celsius, UnitSystem units) {
    return units == UnitSystem::IP ? CelsiusToFahrenheit(celsius) : celsius;
}

bool NeverPaysBack(const EconomicDialogData& economics) {
    return StoredSimplePayback(economics) == kNeverPaysBack;
}

// Whole dollars with the thousands grouped as the language writes them: "$1,240", "1 240 $".
std::string Money(double dollars) {
    const double rounded = std::round(dollars);
    std::string digits = NumberText(std::fabs(rounded), {0});
    const char separator = g_nLanguage == Language::French ? ' ' : ',';
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, separator);
    const std::string sign = rounded < 0 ? "-" : "";
    return g_nLanguage == Language::French ? sign + digits + " $" : sign + "$" + digits;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::vector<SizingColumn> SizingColumns(bool referenceRun) {
    std::vector<SizingColumn> columns = {
        SizingColumn::Collectors,       SizingColumn::CollectorArea,
        SizingColumn::SwimDays,         SizingColumn::UsableDays,
        SizingColumn::UsableDaysNoHeat, SizingColumn::Collected,
        SizingColumn::Auxiliary,        SizingColumn::Electricity,
        SizingColumn::PoolTemperature,  SizingColumn::InitialCosts,
        SizingColumn::YearlyCosts,      SizingColumn::LifeCycleCost,
        SizingColumn::NetPresentValue,  SizingColumn::Payback};
    if (!referenceRun) std::erase(columns, SizingColumn::UsableDaysNoHeat);
    return columns;
}

std::string SizingColumnTitle(SizingColumn column, UnitSystem units) {
    switch (column) {
        case SizingColumn::Collectors:
            return LoadResString(kStrColumnCollectors);
        case SizingColumn::CollectorArea:
            return FormatResString(kStrColumnCollectorArea, AreaUnit(units));
        case SizingColumn::SwimDays:
            return LoadResString(kStrColumnSwimDays);
        case SizingColumn::UsableDays:
            return LoadResString(kStrColumnUsableDays);
        case SizingColumn::UsableDaysNoHeat:
            return LoadResString(kStrColumnUsableDaysNoHeat);
        case SizingColumn::Collected:
            return FormatResString(kStrColumnCollected, EnergyUnit(units));
        case SizingColumn::Auxiliary:
            return FormatResString(kStrColumnAuxiliary, EnergyUnit(units));
        case SizingColumn::Electricity:
            return LoadResString(kStrColumnElectricity);
        case SizingColumn::PoolTemperature:
            return FormatResString(kStrColumnPoolTemperature, TemperatureUnit(units));
        case SizingColumn::InitialCosts:
            return LoadResString(kStrColumnInitialCosts);
        case SizingColumn::YearlyCosts:
            return LoadResString(kStrColumnYearlyCosts);
        case SizingColumn::LifeCycleCost:
            return LoadResString(kStrColumnLifeCycleCost);
        case SizingColumn::NetPresentValue:
            return LoadResString(kStrColumnNetPresentValue);
        case SizingColumn::Payback:
            return LoadResString(kStrColumnPayback);
    }
    return {};
}

std::string SizingCell(SizingColumn column, const SizeFigures& size, UnitSystem units,
                       const std::string& missing) {
    switch (column) {
        case SizingColumn::Collectors:
            return NumberText(size.Collectors());
        case SizingColumn::CollectorArea:
            return NumberText(ShownArea(size.collectorArea, units), {2});
        case SizingColumn::SwimDays:
            return NumberText(size.Season(&CResultsSet::m_SwimDays));
        case SizingColumn::UsableDays:
            return NumberText(size.Season(&CResultsSet::m_UsableDays));
        case SizingColumn::UsableDaysNoHeat:
            return NumberText(size.Season(&CResultsSet::m_UsableDaysNoHeat));
        case SizingColumn::Collected:
            return NumberText(ShownEnergy(size.Season(&CResultsSet::m_QColl), units), {2});
        case SizingColumn::Auxiliary:
            return NumberText(ShownEnergy(size.Season(&CResultsSet::m_QAux), units), {2});
        case SizingColumn::Electricity:
            return NumberText(size.Season(&CResultsSet::m_QElec) / kJoulesPerKilowattHour, {1});
        case SizingColumn::PoolTemperature:
            return NumberText(ShownTemperature(size.Season(&CResultsSet::m_TPool), units), {2});
        default:
            break;
    }
    if (!size.economics) return missing;
    const EconomicDialogData& e = *size.economics;
    switch (column) {
        case SizingColumn::InitialCosts:
            return NumberText(e.InitialCosts, {2});
        case SizingColumn::YearlyCosts:
            return NumberText(e.YearlyCosts, {2});
        case SizingColumn::LifeCycleCost:
            return NumberText(e.LifeCycleCost, {2});
        case SizingColumn::NetPresentValue:
            return NumberText(e.NetPresentValue, {2});
        case SizingColumn::Payback:
            return NeverPaysBack(e) ? LoadResString(kStrNotAvailable)
                                    : NumberText(e.SimplePayback, {1});
        default:
            return missing;
    }
}

std::string SizingCsv(const std::vector<SizeFigures>& sizes, bool referenceRun, UnitSystem units) {
    const std::vector<SizingColumn> columns = SizingColumns(referenceRun);
    std::string csv;
    for (SizingColumn column : columns) csv += CsvField(SizingColumnTitle(column, units)) + ",";
    csv += CsvField(LoadResString(kStrColumnThisRun)) + "\n";
    for (const SizeFigures& size : sizes) {
        for (SizingColumn column : columns)
            csv += CsvField(SizingCell(column, size, units, "")) + ",";
        csv += size.ownSize ? "*\n" : "\n";
    }
    return csv;
}

SizingAnswers AnswersOf(const std::vector<SizeFigures>& sizes) {
    SizingAnswers answers;
    bool found = false;
    for (std::size_t n = 0; n < sizes.size(); ++n) {
        if (!sizes[n].economics) continue;
        if (!found || sizes[n].economics->NetPresentValue >
                          sizes[answers.bestValue].economics->NetPresentValue)
            answers.bestValue = n;
        found = true;
    }
    const double enough = kEnoughSwimDaysShare * sizes.back().Season(&CResultsSet::m_SwimDays);
    answers.enoughDays = sizes.size() - 1;
    for (std::size_t n = 0; n < sizes.size(); ++n)
        if (sizes[n].Season(&CResultsSet::m_SwimDays) >= enough) {
            answers.enoughDays = n;
            break;
        }
    return answers;
}

std::string SizeSentence(const SizeFigures& size, UnitSystem units) {
    const std::string days = NumberText(size.Season(&CResultsSet::m_SwimDays));
    if (!size.economics) return FormatResString(kStrNoSolarSentence, days);
    const EconomicDialogData& e = *size.economics;
    const std::string payback =
        NeverPaysBack(e) ? LoadResString(kStrNoPayback)
                         : FormatResString(kStrPaybackYears, NumberText(e.SimplePayback, {1}));
    return FormatResString(kStrSizeSentence, NumberText(size.Collectors()),
                           NumberText(ShownArea(size.collectorArea, units), {kShortest, 3}),
                           AreaUnit(units), days, Money(e.NetPresentValue), payback);
}

std::string AnswersText(const std::vector<SizeFigures>& sizes, UnitSystem units) {
    const SizingAnswers answers = AnswersOf(sizes);
    return LoadResString(kStrBestValueLabel) + " " + SizeSentence(sizes[answers.bestValue], units) +
           "\n" + LoadResString(kStrEnoughDaysLabel) + " " +
           SizeSentence(sizes[answers.enoughDays], units) + "\n";
}

SizingChartLine NetPresentValueLine(const std::vector<SizeFigures>& sizes, UnitSystem units) {
    SizingChartLine line;
    line.areaTitle = FormatResString(kStrChartCollectorArea, AreaUnit(units));
    line.valueTitle = LoadResString(kStrChartNetPresentValue);
    line.colour = kNetPresentValueColour;
    for (const SizeFigures& size : sizes) {
        if (!size.economics) continue;
        line.areas.push_back(ShownArea(size.collectorArea, units));
        line.values.push_back(size.economics->NetPresentValue);
    }
    return line;
}

SizingChartLine SwimDaysLine(const std::vector<SizeFigures>& sizes, UnitSystem units) {
    SizingChartLine line;
    line.areaTitle = FormatResString(kStrChartCollectorArea, AreaUnit(units));
    line.valueTitle = LoadResString(kStrChartSwimDays);
    line.colour = kSwimDaysColour;
    for (const SizeFigures& size : sizes) {
        line.areas.push_back(ShownArea(size.collectorArea, units));
        line.values.push_back(size.Season(&CResultsSet::m_SwimDays));
    }
    return line;
}
