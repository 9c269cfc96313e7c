// What the document's input commands do around each dialog: fill its members from the project
// (in the units the dialog shows) and, on OK, copy them back into the project (in the model's
// units): angles in degrees on screen and radians in the model, rates and the room humidity in
// percent on screen and fractions in the model, spillage in m3 a day on screen and kg/s in the
// model, the fuel-fired heater's efficiency in percent on screen.
//
// Fill returns false when the dialog could not be filled (a message was shown); CopyBack
// returns false when nothing was copied (a message was shown). The caller marks the project
// modified after an OK whatever CopyBack returns.
#pragma once

#include "collector_dialogs.h"
#include "document.h"
#include "hourly_columns.h"
#include "physical_constants.h"
#include "pool_dialogs.h"
#include "setup_dialogs.h"

bool Fill(CTidewarmDoc& doc, CPoolConfigDlg& dialog);
bool CopyBack(const CPoolConfigDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CWeatherDlg& dialog);
bool CopyBack(const CWeatherDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CAlternateDlg& dialog);
bool CopyBack(const CAlternateDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CSimulationDlg& dialog);
bool CopyBack(const CSimulationDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CCollectorTestDlg& dialog);
bool CopyBack(const CCollectorTestDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CCollectorUseDlg& dialog);
bool CopyBack(const CCollectorUseDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CPipesDlg& dialog);
bool CopyBack(const CPipesDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CHeatExchangerDlg& dialog);
bool CopyBack(const CHeatExchangerDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CPoolDesignDlg& dialog);
bool CopyBack(const CPoolDesignDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CPoolUseDlg& dialog);
bool CopyBack(const CPoolUseDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CBlanketDlg& dialog);
bool CopyBack(const CBlanketDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CAuxHeaterDlg& dialog);
bool CopyBack(const CAuxHeaterDlg& dialog, CTidewarmDoc& doc);
bool Fill(CTidewarmDoc& doc, CEconomicsDlg& dialog);
bool CopyBack(const CEconomicsDlg& dialog, CTidewarmDoc& doc);
// Any of the five hourly-output dialogs: the writer's flags of the dialog's columns.
bool Fill(CTidewarmDoc& doc, CHlyPrintDlg& dialog);
bool CopyBack(const CHlyPrintDlg& dialog, CTidewarmDoc& doc);

// m3 a day per kg/s of water.
inline constexpr double kCubicMetresPerDayPerKgPerS = kSecondsPerDay / kWaterDensity;
