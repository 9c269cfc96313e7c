// The values a run's report prints in place of the template's placeholder words, from the run's
// rows, converted to the report's units and named in its language. Every text from the database
// is HTML-escaped.
#pragma once

#include <string_view>

#include "language.h"
#include "record_sets.h"
#include "report_template.h"
#include "report_units.h"

// The word whose whole line becomes the energy summary table.
inline constexpr std::string_view kEnergySummaryTableWord = "Results.EnergySummaryTable";

struct ReportStyle {
    UnitSystem units = UnitSystem::SI;
    Language language = Language::English;
};

// Each adds the words of its row.
void AddClientValues(const CClientsSet& client, PlaceholderValues& words);
void AddInstallerValues(const CInstallersSet& installer, PlaceholderValues& words);
void AddRunValues(const CRunsSet& run, const ReportStyle& style, PlaceholderValues& words);
void AddEconomicsValues(const CEconomicsSet& economics, const ReportStyle& style,
                        PlaceholderValues& words);
void AddPoolUseValues(const CPoolUseSet& poolUse, const ReportStyle& style,
                      PlaceholderValues& words);
void AddCollectorValues(const CCollectorsSet& collector, PlaceholderValues& words);
void AddHeaterValues(const CHeatersSet& heater, const ReportStyle& style, PlaceholderValues& words);
void AddBlanketValues(const CBlanketsSet& blanket, PlaceholderValues& words);
// The unit words ("Units.C" and the like).
void AddUnitValues(const ReportStyle& style, PlaceholderValues& words);
