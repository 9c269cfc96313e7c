// One record class per table of the front end's database, bound to its columns in order. Every
// quantity is stored in SI units (the dialogs convert for display); months and days are 1-based.
// Conventions: Id 1 of Collectors, Heaters and Blankets is the built-in "none" row; Editable 0
// marks a built-in row; Active 1 listed, 0 deleted by the user (restorable), 2 purged (named
// "Unknown", kept for old runs); Results Month 0 is the annual row; an Economics output not yet
// computed holds -9999.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "display_units.h"
#include "heater_kind.h"
#include "object_type.h"
#include "recordset.h"

// The four columns every object table has, whatever their names and places: the list managers
// work on any object table through them. The set knows the type of object its table holds.
class CTidewarmSet : public CRecordset {
  public:
    std::int32_t m_Id = 0;
    std::string m_Name;
    std::uint8_t m_Editable = 0;
    std::uint8_t m_Active = 0;

    explicit CTidewarmSet(ObjectType type) : type_(type) {}
    ObjectType Type() const { return type_; }
    std::string GetDefaultSQL() const override { return Bracketed(ObjectTable(type_)); }

  private:
    ObjectType type_;
};

class CClientsSet : public CTidewarmSet {
  public:
    CClientsSet() : CTidewarmSet(ObjectType::Client) {}
    std::string m_Info;  // address, telephone and the like

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CInstallersSet : public CTidewarmSet {
  public:
    CInstallersSet() : CTidewarmSet(ObjectType::Installer) {}
    std::string m_Info;

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CPoolUseSet : public CTidewarmSet {
  public:
    CPoolUseSet() : CTidewarmSet(ObjectType::PoolUse) {}
    double m_MinTAmbSunny = 0;   // outdoor temperature needed to swim on a sunny day, °C
    double m_MinTAmbCloudy = 0;  // the same on a cloudy day, °C
    double m_MinTPool = 0;       // water temperature, °C
    double m_MaxTPool = 0;
    std::int32_t m_WeekdayOpen = 0;  // swimming hours, hour of the day
    std::int32_t m_WeekdayClose = 0;
    std::int32_t m_WeekendOpen = 0;
    std::int32_t m_WeekendClose = 0;
    std::int32_t m_ActivityLevel = 0;  // during those hours: 0 low, 1 medium, 2 high

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CCollectorsSet : public CTidewarmSet {
  public:
    CCollectorsSet() : CTidewarmSet(ObjectType::Collector) {}
    std::uint8_t m_Type = 0;                             // 0 glazed, 1 unglazed
    double m_Area = 0;                                   // test area, m2
    double m_TestFlowRate = 0;                           // kg/s
    double m_A = 0, m_B = 0, m_C = 0, m_D = 0, m_E = 0;  // coefficients of the test equation

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CHeatersSet : public CTidewarmSet {
  public:
    CHeatersSet() : CTidewarmSet(ObjectType::Heater) {}
    std::uint8_t m_Type = 0;     // 0 gas or oil, 1 heat pump
    double m_Capacity = 0;       // W
    double m_EfficiencyCOP = 0;  // efficiency in percent (type 0) or COP (type 1)

    HeaterKind Kind() const { return StoredHeaterKind(m_Type); }

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CBlanketsSet : public CTidewarmSet {
  public:
    CBlanketsSet() : CTidewarmSet(ObjectType::Blanket) {}
    double m_SWAbsorptivity = 0;  // short-wave and long-wave properties, 0..1
    double m_SWTransmissivity = 0;
    double m_LWEmissivity = 0;
    double m_LWTransmissivity = 0;
    double m_Insulation = 0;  // thermal resistance, m2·°C/W

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

// The runs' key, and the column that ties the rows of the other run tables to their run.
inline constexpr std::string_view kRunIdColumn = "RunId";

class CRunsSet : public CRecordset {
  public:
    std::int32_t m_RunId = 0;
    std::int64_t m_TStamp = 0;  // last saved, seconds since 1970
    std::string m_Comments;
    std::int32_t m_ClientId = 0;
    std::int32_t m_InstallerId = 0;
    bool m_DoubleRun = false;  // also simulate the unheated reference case
    bool m_SI = false;         // shown in SI units (false: IP); see Units()
    std::int32_t m_PoolType =
        0;  // 0 residential inground, 1 above ground, 2 public outdoor, 3 indoor
    std::string m_City;
    std::int32_t m_OpensMonth = 0, m_OpensDay = 0, m_ClosesMonth = 0, m_ClosesDay = 0;
    double m_PoolArea = 0;  // m2
    double m_Shading = 0;   // percent
    std::int32_t m_PoolUseId = 0;
    std::int32_t m_CollectorId = 0;  // 1: no collector
    double m_NumberOfColl = 0;       // collectors per bank
    double m_AreaPerColl = 0;        // m2
    std::int32_t m_NumberOfBanks = 0;
    double m_Slope = 0;           // degrees from horizontal
    double m_Orientation = 0;     // compass point 0..15: 0 West, 4 South, 8 East, 12 North
    double m_TotalFlow = 0;       // kg/s
    std::int32_t m_HeaterId = 0;  // 1: no heater
    std::int32_t m_HeaterMonthlyUse = 0;
    std::int32_t m_BlanketId = 0;  // 1: no blanket
    std::int32_t m_BlanketMonthlyUse = 0;
    std::string GetDefaultSQL() const override { return "[Runs]"; }

    // The run's unit system, as its "SI" column stores it.
    UnitSystem Units() const { return m_SI ? UnitSystem::SI : UnitSystem::IP; }
    void SetUnits(UnitSystem units) { m_SI = units == UnitSystem::SI; }

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

// One row per data line of the monthly results file; energies in GJ except QElec in J.
class CResultsSet : public CRecordset {
  public:
    std::int32_t m_RunId = 0;
    std::uint8_t m_SortId = 0;  // line of the results file, from 0
    std::uint8_t m_Month = 0;   // 1..12; 0 the annual row
    double m_QInc = 0, m_QColl = 0, m_QPipes = 0, m_QPumps = 0, m_QAux = 0, m_QPass = 0, m_QAct = 0,
           m_QGain = 0, m_QEvap = 0, m_QCond = 0, m_QConv = 0, m_QRad = 0, m_QSide = 0,
           m_QMakeup = 0, m_QLoss = 0, m_QRes = 0;
    double m_TPool = 0;  // °C
    double m_QElec = 0;  // J
    double m_QPrimary = 0;
    double m_CollOnTime = 0, m_AuxHeatOnTime = 0;
    double m_SwimDays = 0, m_UsableDays = 0, m_UsableDaysNoHeat = 0;
    std::string GetDefaultSQL() const override { return "[Results]"; }

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

class CDailySet : public CRecordset {
  public:
    std::int32_t m_RunId = 0;
    std::int32_t m_SortId = 0;  // day of the season, from 0
    std::int32_t m_DayOfYear = 0;
    std::uint8_t m_Month = 0;
    std::uint8_t m_Day = 0;
    double m_FracMonth = 0;  // Month + (Day - 1) / days in the month
    double m_TPool = 0;      // °C
    std::string GetDefaultSQL() const override { return "[Daily]"; }

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

// What an economic result holds until the economics of its run are computed.
inline constexpr double kEconomicsNotComputed = -9999.0;

// Money in the user's currency; rates in percent; durations in years.
class CEconomicsSet : public CRecordset {
  public:
    std::int32_t m_RunId = 0;
    double m_CollUnitCost = 0, m_CollTotalCost = 0, m_HardwareCost = 0, m_InstallationCost = 0,
           m_InitialCosts = 0, m_MaintenanceCost = 0, m_EnergyUnitCost = 0, m_EnergyAnnualCost = 0,
           m_ElectricityUnitCost = 0, m_ElectricityAnnualCost = 0, m_YearlyCosts = 0,
           m_ValueOfEnergy = 0, m_DownPayment = 0, m_LoanAmount = 0;
    std::int32_t m_LoanDuration = 0;
    double m_LoanPayment = 0, m_InterestRate = 0;
    std::int32_t m_SystemLife = 0;
    double m_ResaleValue = 0, m_DiscountRate = 0, m_InflationRate = 0, m_FuelInflationRate = 0,
           m_LifeCycleCost = 0, m_NetPresentValue = 0, m_SimplePayback = 0;
    std::string GetDefaultSQL() const override { return "[Economics]"; }

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};

// The runs list, newest first, with the client's name (empty when the client row is missing).
class CRunsManagerSet : public CRecordset {
  public:
    std::int32_t m_RunId = 0;
    std::int64_t m_TStamp = 0;
    std::string m_Comments;
    std::string m_Name;
    std::string GetDefaultSQL() const override;

  protected:
    void DoFieldExchange(RecordFields& fields) override;
};
