// The monthly energy balance of a run as the report shows it: one floating column per results
// row (the months, then the annual row as "Tot."), each with the month and ten energies. The
// template's style sheet gives "Container" and "LastColumns2" their look and supplies the row
// captions.
#pragma once

#include <string>
#include <vector>

#include "report_units.h"

// One results row's energies, GJ; month 0 is the annual row.
struct EnergyRow {
    int month = 0;
    double qPass = 0, qAct = 0, qAux = 0, qRes = 0, qEvap = 0, qConv = 0, qCond = 0, qRad = 0,
           qSide = 0, qMakeup = 0;
};

// The table's HTML, one element a line, for the rows in their order; energies in MBtu in IP.
std::string EnergySummaryTable(const std::vector<EnergyRow>& rows, UnitSystem units);
