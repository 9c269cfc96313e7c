#include "record_sets.h"

void CClientsSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Text("Name", m_Name);
    fields.Text("Info", m_Info);
}

void CInstallersSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Text("Name", m_Name);
    fields.Text("Info", m_Info);
}

void CPoolUseSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Text("Name", m_Name);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Double("MinTAmbSunny", m_MinTAmbSunny);
    fields.Double("MinTAmbCloudy", m_MinTAmbCloudy);
    fields.Double("MinTPool", m_MinTPool);
    fields.Double("MaxTPool", m_MaxTPool);
    fields.Long("WeekdayOpen", m_WeekdayOpen);
    fields.Long("WeekdayClose", m_WeekdayClose);
    fields.Long("WeekendOpen", m_WeekendOpen);
    fields.Long("WeekendClose", m_WeekendClose);
    fields.Long("ActivityLevel", m_ActivityLevel);
}

void CCollectorsSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Text("Name", m_Name);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Byte("Type", m_Type);
    fields.Double("Area", m_Area);
    fields.Double("TestFlowRate", m_TestFlowRate);
    fields.Double("A", m_A);
    fields.Double("B", m_B);
    fields.Double("C", m_C);
    fields.Double("D", m_D);
    fields.Double("E", m_E);
}

void CHeatersSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Text("Name", m_Name);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Byte("Type", m_Type);
    fields.Double("Capacity", m_Capacity);
    fields.Double("EfficiencyCOP", m_EfficiencyCOP);
}

void CBlanketsSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(ObjectIdColumn(Type()), m_Id);
    fields.Text("Name", m_Name);
    fields.Byte("Editable", m_Editable);
    fields.Byte("Active", m_Active);
    fields.Double("SWAbsorptivity", m_SWAbsorptivity);
    fields.Double("SWTransmissivity", m_SWTransmissivity);
    fields.Double("LWEmissivity", m_LWEmissivity);
    fields.Double("LWTransmissivity", m_LWTransmissivity);
    fields.Double("Insulation", m_Insulation);
}

void CRunsSet::DoFieldExchange(RecordFields& fields) {
    fields.Key(kRunIdColumn, m_RunId);
    fields.Date("TStamp", m_TStamp);
    fields.Text("Comments", m_Comments);
    fields.Long("ClientId", m_ClientId);
    fields.Long("InstallerId", m_InstallerId);
    fields.Bool("DoubleRun", m_DoubleRun);
    fields.Bool("SI", m_SI);
    fields.Long("PoolType", m_PoolType);
    fields.Text("City", m_City);
    fields.Long("OpensMonth", m_OpensMonth);
    fields.Long("OpensDay", m_OpensDay);
    fields.Long("ClosesMonth", m_ClosesMonth);
    fields.Long("ClosesDay", m_ClosesDay);
    fields.Double("PoolArea", m_PoolArea);
    fields.Double("Shading", m_Shading);
    fields.Long("PoolUseId", m_PoolUseId);
    fields.Long("CollectorId", m_CollectorId);
    fields.Double("NumberOfColl", m_NumberOfColl);
    fields.Double("AreaPerColl", m_AreaPerColl);
    fields.Long("NumberOfBanks", m_NumberOfBanks);
    fields.Double("Slope", m_Slope);
    fields.Double("Orientation", m_Orientation);
    fields.Double("TotalFlow", m_TotalFlow);
    fields.Long("HeaterId", m_HeaterId);
    fields.Long("HeaterMonthlyUse", m_HeaterMonthlyUse);
    fields.Long("BlanketId", m_BlanketId);
    fields.Long("BlanketMonthlyUse", m_BlanketMonthlyUse);
}

void CResultsSet::DoFieldExchange(RecordFields& fields) {
    fields.Long(kRunIdColumn, m_RunId);
    fields.Byte("SortId", m_SortId);
    fields.Byte("Month", m_Month);
    fields.Double("QInc", m_QInc);
    fields.Double("QColl", m_QColl);
    fields.Double("QPipes", m_QPipes);
    fields.Double("QPumps", m_QPumps);
    fields.Double("QAux", m_QAux);
    fields.Double("QPass", m_QPass);
    fields.Double("QAct", m_QAct);
    fields.Double("QGain", m_QGain);
    fields.Double("QEvap", m_QEvap);
    fields.Double("QCond", m_QCond);
    fields.Double("QConv", m_QConv);
    fields.Double("QRad", m_QRad);
    fields.Double("QSide", m_QSide);
    fields.Double("QMakeup", m_QMakeup);
    fields.Double("QLoss", m_QLoss);
    fields.Double("QRes", m_QRes);
    fields.Double("TPool", m_TPool);
    fields.Double("QElec", m_QElec);
    fields.Double("QPrimary", m_QPrimary);
    fields.Double("CollOnTime", m_CollOnTime);
    fields.Double("AuxHeatOnTime", m_AuxHeatOnTime);
    fields.Double("SwimDays", m_SwimDays);
    fields.Double("UsableDays", m_UsableDays);
    fields.Double("UsableDaysNoHeat", m_UsableDaysNoHeat);
}

void CDailySet::DoFieldExchange(RecordFields& fields) {
    fields.Long(kRunIdColumn, m_RunId);
    fields.Long("SortId", m_SortId);
    fields.Long("DayOfYear", m_DayOfYear);
    fields.Byte("Month", m_Month);
    fields.Byte("Day", m_Day);
    fields.Double("FracMonth", m_FracMonth);
    fields.Double("TPool", m_TPool);
}

void CEconomicsSet::DoFieldExchange(RecordFields& fields) {
    fields.Long(kRunIdColumn, m_RunId);
    fields.Double("CollUnitCost", m_CollUnitCost);
    fields.Double("CollTotalCost", m_CollTotalCost);
    fields.Double("HardwareCost", m_HardwareCost);
    fields.Double("InstallationCost", m_InstallationCost);
    fields.Double("InitialCosts", m_InitialCosts);
    fields.Double("MaintenanceCost", m_MaintenanceCost);
    fields.Double("EnergyUnitCost", m_EnergyUnitCost);
    fields.Double("EnergyAnnualCost", m_EnergyAnnualCost);
    fields.Double("ElectricityUnitCost", m_ElectricityUnitCost);
    fields.Double("ElectricityAnnualCost", m_ElectricityAnnualCost);
    fields.Double("YearlyCosts", m_YearlyCosts);
    fields.Double("ValueOfEnergy", m_ValueOfEnergy);
    fields.Double("DownPayment", m_DownPayment);
    fields.Double("LoanAmount", m_LoanAmount);
    fields.Long("LoanDuration", m_LoanDuration);
    fields.Double("LoanPayment", m_LoanPayment);
    fields.Double("InterestRate", m_InterestRate);
    fields.Long("SystemLife", m_SystemLife);
    fields.Double("ResaleValue", m_ResaleValue);
    fields.Double("DiscountRate", m_DiscountRate);
    fields.Double("InflationRate", m_InflationRate);
    fields.Double("FuelInflationRate", m_FuelInflationRate);
    fields.Double("LifeCycleCost", m_LifeCycleCost);
    fields.Double("NetPresentValue", m_NetPresentValue);
    fields.Double("SimplePayback", m_SimplePayback);
}

// One left join of the runs with their clients (a run without its client row is still listed).
std::string CRunsManagerSet::GetDefaultSQL() const {
    return "SELECT R.RunId, R.TStamp, R.Comments, C.Name FROM Runs AS R "
           "LEFT JOIN Clients AS C ON R.ClientId = C.ClientId ORDER BY R.RunId DESC";
}

void CRunsManagerSet::DoFieldExchange(RecordFields& fields) {
    fields.Long(kRunIdColumn, m_RunId);
    fields.Date("TStamp", m_TStamp);
    fields.Text("Comments", m_Comments);
    fields.Text("Name", m_Name);
}
