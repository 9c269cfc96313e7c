#include "energy_summary_table.h"

#include "html_text.h"

namespace {

constexpr const char* kMonthColumn =
    "<div id=\"Container\" style=\"border-bottom:thin; border-bottom-color:#000000; "
    "border-bottom-style:solid; float:left;\">\n";
constexpr const char* kAnnualColumn = "<div id=\"Container\" style=\"float:left; padding:1px;\">\n";

std::string Cell(const std::string& text) {
    return "<div id=\"LastColumns2\">" + text + "</div>\n";
}

}  // namespace

std::string EnergySummaryTable(const std::vector<EnergyRow>& rows, UnitSystem units) {
    std::string table;
    for (const EnergyRow& row : rows) {
        if (row.month == 0) {
            table += kAnnualColumn;
            table += Cell("Tot.");
        } else {
            table += kMonthColumn;
            table += Cell(FormatInt(row.month, "%d"));
        }
        for (const double energy : {row.qPass, row.qAct, row.qAux, row.qRes, row.qEvap, row.qConv,
                                    row.qCond, row.qRad, row.qSide, row.qMakeup})
            table += Cell(FormatDouble("%8.1lf", ReportEnergy(energy, units)));
        table += "</div>\n";
    }
    return table;
}
