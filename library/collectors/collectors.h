// Flat-plate solar collector arrays: glazed and unglazed.
//
// Both use a model fitted to a collector test at a given test flow:
//   glazed:   Qc = Area ((A - B dT) Akt H - (C + D dT) dT - E)
//   unglazed: Qc = Area ((A - B V) Akt H - (C + D V) dT - E)
// with dT the inlet minus the ambient temperature, V the wind speed, Akt the incidence-angle
// modifier and H the irradiance on the collector plane (for the unglazed collector the net
// irradiance, including its long-wave exchange with the sky); temperatures degC, V m/s, H W/m2,
// Qc W. The coefficients are corrected from the test flow to the actual flow as J. A. Duffie
// and W. A. Beckman correct collector test results for flow rate (Solar Engineering of Thermal
// Processes, 4th ed., Wiley 2013, chapter 6). Collectors are chained in series inside a string,
// strings run in parallel inside a bank ("groups per bank"), and banks in parallel; an array
// factor reduces the output of large parallel groups.
#pragma once

#include <iosfwd>
#include <numbers>

#include "component.h"
#include "numerics.h"

class FlatPlateCollector : public SolarBase {
  public:
    ~FlatPlateCollector() override;

    int GetTypeId() const override { return kTypeFlatPlateCollector; }
    void Reset() override;
    int Compute() override = 0;
    int Check() override = 0;

    int GetSeriesCount() const { return seriesCount_; }
    double GetGroupsPerBank() const { return groupsPerBank_; }
    int GetBankCount() const { return bankCount_; }
    double GetCollectorArea() const { return collectorArea_; }

    // Incidence-angle-modifier modes; other values use no modifier.
    static constexpr int kModifierOneTable = 1;   // table 1 of the incidence angle
    static constexpr int kModifierTwoTables = 2;  // longitudinal (table 1) x transversal (table 2)
    // From this incidence angle (rad) on no beam reaches the plane: no table is looked up.
    static constexpr double kGrazingIncidence = std::numbers::pi / 2;

    // Outputs.
    double outletTemperature = 0;     // degC
    double meanFluidTemperature = 0;  // degC; the stagnation temperature at zero flow
    double usefulGain = 0;            // useful energy rate of the array, W
    double incidentEnergy = 0;        // irradiance on the whole array's area, W
    double absorbedIrradiance = 0;    // S, W/m2

  protected:
    FlatPlateCollector();

    // Message codes of Compute that differ between the two kinds.
    virtual int AbsorptionCode() const = 0;  // a outside 0..1
    virtual int LogarithmCode() const = 0;   // log argument <= 0 (fatal)
    // Absorption coefficient a and loss coefficient u (W/m2 K) of a collector whose inlet is at
    // t, with the ambient at ambient.
    virtual void Coefficients(double t, double ambient, double& a, double& u) const = 0;

    // The values of one step, read from the inputs (the in-plane angle 0 when not connected).
    struct StepInputs {
        double irradiance, incidenceAngle, inPlaneAngle, inlet, ambient, flow, cp;
    };
    // Reads the inputs, clears the useful gain and sets the incident energy.
    StepInputs BeginStep();
    // Domain tests of the flow (0x101) and the specific heat (0x102).
    int TestFlowAndHeat(const StepInputs& in);
    // The incidence-angle modifier of the step; a negative one is a domain error (0x103).
    int StepModifier(const StepInputs& in, double& akt);
    // Positive flow through the whole array.
    int RunArray(const StepInputs& in, double s, double additionalLoss);
    // The gain of one string as the array delivers it; the library's collectors deliver it
    // unchanged, a specialisation may reduce it.
    virtual double DeliveredStringGain(double stringGain) const { return stringGain; }

    // The inputs both kinds share.
    void StoreInputs(const double* irradiance, const double* incidenceAngle,
                     const double* inPlaneAngle, const double* inletTemperature,
                     const double* ambientTemperature, const double* flowRate,
                     const double* specificHeat);
    // The parameters both kinds share, in the order of their setters, with the tables.
    int StoreParameters(int seriesCount, double groupsPerBank, int bankCount, double collectorArea,
                        double a, double b, double c, double d, double e, double testFlowRate,
                        int modifierMode, int count1, const double* const* table1, int count2,
                        const double* const* table2);
    void LoadParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                        double& collectorArea, double& a, double& b, double& c, double& d,
                        double& e, double& testFlowRate, int& modifierMode, int& count1,
                        const double* const*& table1, int& count2,
                        const double* const*& table2) const;
    // The shared head of the first parameter line: series, groups per bank, banks (from
    // version 10110; one bank before), area, A to E, test flow.
    void ReadTestValues(std::istream& in, int version);

    // Checks shared by both kinds, after the input pointers: series 1, groups per bank 2, banks 5,
    // collector area 3, test flow 4; `tableCode` for modifier angles that do not increase.
    int CheckArray();
    int CheckTables(int tableCode);

    // The incidence-angle modifier for incidence angle theta and in-plane angle phi (rad); with
    // two tables the product of the longitudinal and transversal modifiers, after W. R. McIntire,
    // "Factored approximations for biaxial incident angle modifiers", Solar Energy 29(4),
    // 315-322 (1982).
    virtual double IncidenceAngleModifier(double theta, double phi) const;
    // Correction of the test coefficients from the test flow to the string flow: the ratio of the
    // heat-removal factors FR = (m cp / A F'UL)(1 - exp(-A F'UL / m cp)) at the two flows, F'UL
    // taken from the test's loss coefficient (Hottel-Whillier-Bliss collector equation). Returns
    // 0 with `correction` set, or the fatal error of a loss coefficient that the test flow cannot
    // carry.
    int FlowRateCorrection(double stringFlow, double cp, double u, double& correction);
    // Useful gain (W) of one string of collectors in series at positive string flow, inlet
    // temperature tin, absorbed irradiance s; leaves the string's outlet in outletTemperature.
    int StringGain(double s, double tin, double ambient, double stringFlow, double cp,
                   double additionalLoss, double& gain);
    // Turns one string's gain into the array's: groups per bank, array factor, banks; sets the
    // useful gain, outlet and mean fluid temperature.
    void DeliverArrayGain(double stringGain, double tin, double flow, double cp);
    // Empirical reduction of the output of g strings in parallel: 0.55 / g^(0.00534 g) + 0.45.
    static double ArrayFactor(double groups);

    // The last flow correction and array factor, kept while their inputs repeat.
    LastResult<5> flowCorrection_;
    LastResult<1> arrayFactor_;

    // Copies a modifier table given as two rows (angles in degrees, modifiers); a null table is
    // empty. Returns 0, or 1 after reporting an allocation failure.
    int SetTable(int which, int count, const double* angles, const double* modifiers);
    int SetTables(int count1, const double* const* table1, int count2, const double* const* table2);
    // The second parameter line: mode, table 1 (count, pairs), table 2 (count, pairs).
    int WriteModifierLine(std::ostream& out) const;
    // Reads the second line; files before version 20001 hold one table whose count stands in
    // place of the mode. Returns 1 when a table cannot be allocated.
    int ReadModifierLine(std::istream& in, int version);

    // Inputs shared by both kinds.
    const double* irradiance_ = nullptr;          // H on the collector plane, W/m2
    const double* incidenceAngle_ = nullptr;      // rad
    const double* inPlaneAngle_ = nullptr;        // rad; optional, read as 0 when not connected
    const double* inletTemperature_ = nullptr;    // degC
    const double* ambientTemperature_ = nullptr;  // degC
    const double* flowRate_ = nullptr;            // whole array, kg/s
    const double* specificHeat_ = nullptr;        // J/kg K

    // Parameters.
    int seriesCount_ = 0;                           // collectors in series per string
    double groupsPerBank_ = 0;                      // strings in parallel per bank
    int bankCount_ = 0;                             // banks in parallel
    double collectorArea_ = 0;                      // one collector, m2
    double a_ = 0, b_ = 0, c_ = 0, d_ = 0, e_ = 0;  // test coefficients A to E
    double testFlowRate_ = 0;                       // one collector, kg/s
    int modifierMode_ = 0;
    int tableCount_[2] = {0, 0};
    double** table_[2] = {nullptr, nullptr};  // 2 rows: angle (degrees), modifier
};

class GlazedCollector : public FlatPlateCollector {
  public:
    GlazedCollector();

    int GetTypeId() const override { return kTypeGlazedCollector; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // The in-plane angle is used by modifier mode 2 only and may be null. Then Check.
    int SetInputs(const double* irradiance, const double* incidenceAngle,
                  const double* inPlaneAngle, const double* inletTemperature,
                  const double* ambientTemperature, const double* flowRate,
                  const double* specificHeat);
    // Tables are two rows (angles in degrees, modifiers) of `count` values; copied. Then Check.
    int SetParameters(int seriesCount, double groupsPerBank, int bankCount, double collectorArea,
                      double a, double b, double c, double d, double e, double testFlowRate,
                      int modifierMode, int count1, const double* const* table1, int count2,
                      const double* const* table2);
    // The tables returned are the collector's own.
    void GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                       double& collectorArea, double& a, double& b, double& c, double& d, double& e,
                       double& testFlowRate, int& modifierMode, int& count1,
                       const double* const*& table1, int& count2,
                       const double* const*& table2) const;

    static constexpr int kStagnationIterations = 30;
    static constexpr double kStagnationTolerance = 0.1;  // K

  protected:
    int AbsorptionCode() const override { return 0x105; }
    int LogarithmCode() const override { return 0x106; }
    void Coefficients(double t, double ambient, double& a, double& u) const override;
    // Stagnation temperature at zero flow, by fixed-point iteration.
    int Stagnate(double s, double tin, double ambient);
};

class UnglazedCollector : public FlatPlateCollector {
  public:
    UnglazedCollector();

    int GetTypeId() const override { return kTypeUnglazedCollector; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // The in-plane angle (modifier mode 2 only) may be null (read as 0); every other input is
    // required. Then Check.
    int SetInputs(const double* irradiance, const double* incidenceAngle,
                  const double* inPlaneAngle, const double* inletTemperature,
                  const double* ambientTemperature, const double* skyTemperature,
                  const double* windSpeed, const double* flowRate, const double* specificHeat,
                  const double* slope, const double* additionalLoss);
    int SetParameters(int seriesCount, double groupsPerBank, int bankCount, double collectorArea,
                      double a, double b, double c, double d, double e, double windCorrectionFactor,
                      double minimumWindSpeed, double testFlowRate, int modifierMode, int count1,
                      const double* const* table1, int count2, const double* const* table2);
    void GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                       double& collectorArea, double& a, double& b, double& c, double& d, double& e,
                       double& windCorrectionFactor, double& minimumWindSpeed, double& testFlowRate,
                       int& modifierMode, int& count1, const double* const*& table1, int& count2,
                       const double* const*& table2) const;

    double GetWindCorrectionFactor() const { return windCorrectionFactor_; }

  protected:
    int AbsorptionCode() const override { return 0x106; }
    int LogarithmCode() const override { return 0x107; }
    // Uses the effective wind of the present step.
    void Coefficients(double t, double ambient, double& a, double& u) const override;
    // max(wind x wind correction factor, minimum wind speed), m/s.
    double EffectiveWind(double wind) const;
    // Net absorbed irradiance (W/m2): akt h plus the long-wave exchange sigma (Tsky^4 - Tair^4)
    // with the part (1 + cos slope) / 2 of the sky the collector sees (temperatures in degC).
    double NetIrradiance(double akt, double h, double sky, double ambient, double slope);

    // The steps of Compute, in their order after BeginStep:
    // domain tests of the flow (0x101), the specific heat (0x102) and the wind (0x104);
    int TestStepInputs(const StepInputs& in);
    // then, with the step's modifier akt, the absorbed irradiance and the effective wind;
    void Absorb(const StepInputs& in, double akt);
    // the temperature (degC) the collector settles at without flow, in closed form since the
    // test model's coefficients do not depend on it; 0x105 when no loss balances the sun.
    int StagnationTemperature(double ambient, double& temperature);

    // The long-wave term of NetIrradiance, kept while sky, air and slope repeat.
    LastResult<3> longWave_;

    const double* skyTemperature_ = nullptr;  // degC
    const double* windSpeed_ = nullptr;       // m/s
    const double* slope_ = nullptr;           // rad
    const double* additionalLoss_ = nullptr;  // W/m2, subtracted like E

    double windCorrectionFactor_ = 0;
    double minimumWindSpeed_ = 0;  // m/s
    double effectiveWind_ = 0;     // V of the present step, m/s
};
