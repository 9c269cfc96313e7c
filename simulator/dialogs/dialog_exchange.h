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

[[nodiscard]] bool Fill(CTidewarmDoc& doc, CPoolConfigDlg& dialog);
[[nodiscard]] bool CopyBack(const CPoolConfigDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CWeatherDlg& dialog);
[[nodiscard]] bool CopyBack(const CWeatherDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CAlternateDlg& dialog);
[[nodiscard]] bool CopyBack(const CAlternateDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CSimulationDlg& dialog);
[[nodiscard]] bool CopyBack(const CSimulationDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CCollectorTestDlg& dialog);
[[nodiscard]] bool CopyBack(const CCollectorTestDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CCollectorUseDlg& dialog);
[[nodiscard]] bool CopyBack(const CCollectorUseDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CPipesDlg& dialog);
[[nodiscard]] bool CopyBack(const CPipesDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CHeatExchangerDlg& dialog);
[[nodiscard]] bool CopyBack(const CHeatExchangerDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CPoolDesignDlg& dialog);
[[nodiscard]] bool CopyBack(const CPoolDesignDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CPoolUseDlg& dialog);
[[nodiscard]] bool CopyBack(const CPoolUseDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CBlanketDlg& dialog);
[[nodiscard]] bool CopyBack(const CBlanketDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CAuxHeaterDlg& dialog);
[[nodiscard]] bool CopyBack(const CAuxHeaterDlg& dialog, CTidewarmDoc& doc);
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CEconomicsDlg& dialog);
[[nodiscard]] bool CopyBack(const CEconomicsDlg& dialog, CTidewarmDoc& doc);
// Any of the five hourly-output dialogs: the writer's flags of the dialog's columns.
[[nodiscard]] bool Fill(CTidewarmDoc& doc, CHlyPrintDlg& dialog);
[[nodiscard]] bool CopyBack(const CHlyPrintDlg& dialog, CTidewarmDoc& doc);

// m3 a day per kg/s of water.
inline constexpr double kCubicMetresPerDayPerKgPerS = kSecondsPerDay / kWaterDensity;
