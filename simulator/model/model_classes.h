// The program's own versions of some library components: parameter groups that match the input
// dialogs, the relative humidity of the binary weather file, the time-of-day reduction of the
// unglazed collector's gain and a fuel-fired heater that reports its fuel use. Each keeps the type
// id of the class it derives from.
#pragma once

#include <array>
#include <iosfwd>

#include "collectors.h"
#include "control.h"
#include "files.h"
#include "heaters.h"
#include "loop.h"
#include "pool.h"
#include "sun.h"
#include "weather.h"

class MySun : public Sun {};
class MyPump : public Pump {};
class MyDeltaTController : public DeltaTController {};

// Reads a text table exactly as the library's reader does. A run reads each day's records twice
// (ahead for the day, then hour by hour), so the reader remembers where the records of the last
// day start and goes back to one of them directly instead of reading the file again from its
// top.
class MyASCIIFileReader : public ASCIIFileReader {
  public:
    int Open() override;
    int Close() override;
    int Compute() override;
    // The library reader's, keeping the counter to look ahead at the record asked for.
    int SetRecordCounter(int* record);

  private:
    static constexpr int kDayRecords = 24;
    struct Place {
        int record = 0;  // 0: none
        long offset = 0;
    };
    void ForgetPlaces();

    const int* counter_ = nullptr;
    std::array<Place, kDayRecords> places_{};
};

// The binary weather reader with the relative humidity of each hour.
class MyZEFIRFileReader : public ZEFIRFileReader {
  public:
    void Reset() override;
    // The base step, then the relative humidity from the humidity ratio at 101325 Pa, clamped to
    // 0..1 (recomputed from the values held also when the base step failed).
    int Compute() override;

    double relativeHumidity = 0;  // fraction
};

// Resistivity (m K/W) and diffusivity (m2/s) of the soil under a pool that sits on soil.
inline constexpr double kSoilResistivity = 1.25;
inline constexpr double kSoilDiffusivity = 5e-7;

// The pool's parameters in the groups of the input dialogs.
class MySwimmingPool : public SwimmingPool {
  public:
    // Evaporation model 1 fixes the four surface coefficients to these values; model 0 zeroes
    // them; any other model leaves them as they are.
    static constexpr double kModel1Coefficients[4] = {5.678, 3.813, 0.0647, 0.0642};

    void GetDesignParameters(double& volume, double& surfaceArea, double& exposedWallFraction,
                             double& wallEmissivity, double& wallAbsorptance,
                             double& floorResistance, double& soilResistivity,
                             double& soilDiffusivity, int& evaporationModel,
                             double& windCorrectionFactor) const;
    int SetDesignParameters(double volume, double surfaceArea, double exposedWallFraction,
                            double wallEmissivity, double wallAbsorptance, double floorResistance,
                            double soilResistivity, double soilDiffusivity, int evaporationModel,
                            double windCorrectionFactor);
    // Spillage and other water losses, kg/s.
    double GetOtherWaterLoss() const { return otherWaterLoss_; }
    int SetOtherWaterLoss(double otherWaterLoss);
    void GetBlanketParameters(double& absorptivity, double& transmissivity, double& emissivity,
                              double& longWaveTransmissivity, double& insulation,
                              double& coveredFraction) const;
    int SetBlanketParameters(double absorptivity, double transmissivity, double emissivity,
                             double longWaveTransmissivity, double insulation,
                             double coveredFraction);
    // The four surface coefficients (convection constant and wind terms, evaporation constant
    // and wind terms).
    void GetSurfaceCoefficients(double coefficients[4]) const;
};

// The test parameters of a collector: everything but how the collectors are arranged.
struct CollectorTestParameters {
    double collectorArea = 0;
    double a = 0, b = 0, c = 0, d = 0, e = 0;
    double testFlowRate = 0;
    int modifierMode = 0;
    int count1 = 0;
    const double* const* table1 = nullptr;  // 2 rows: angles (degrees), modifiers
    int count2 = 0;
    const double* const* table2 = nullptr;
};

class MyGlazedCollector : public GlazedCollector {
  public:
    void GetUseParameters(int& seriesCount, double& groupsPerBank, int& bankCount) const;
    int SetUseParameters(int seriesCount, double groupsPerBank, int bankCount);
    // The tables returned are the collector's own.
    CollectorTestParameters GetTestParameters() const;
    // Keeps the present use parameters; the tables are copied.
    int SetTestParameters(const CollectorTestParameters& test);
};

// The unglazed collector sits on a roof and is read with the hour of the day: before 12.5 h its
// gain is reduced by 1/8 per hour, down to nothing at 4.5 h and before.
class MyUnglazedCollector : public UnglazedCollector {
  public:
    void Reset() override;
    int Check() override;
    int Compute() override;

    // The eleven inputs of the library collector, then the middle of the hour (h); then Check.
    int SetInputs(const double* irradiance, const double* incidenceAngle,
                  const double* inPlaneAngle, const double* inletTemperature,
                  const double* ambientTemperature, const double* skyTemperature,
                  const double* windSpeed, const double* flowRate, const double* specificHeat,
                  const double* slope, const double* additionalLoss, const double* hour);

    void GetUseParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                          double& windCorrectionFactor, double& minimumWindSpeed) const;
    int SetUseParameters(int seriesCount, double groupsPerBank, int bankCount,
                         double windCorrectionFactor, double minimumWindSpeed);
    CollectorTestParameters GetTestParameters() const;
    int SetTestParameters(const CollectorTestParameters& test);

    // Factor of the gain at hour h (middle of the hour): 1 from 12.5 h on, 1/8 less for each
    // hour before, never below 0.
    static double MorningGainFactor(double hour);

  protected:
    // A - B V below 0 counts as 0 (a wind that strong absorbs nothing rather than failing).
    void Coefficients(double t, double ambient, double& a, double& u) const override;
    // Any table 1 is used, whatever the modifier mode, up to grazing incidence; from there on
    // no beam reaches the plane and the modifier is 1.
    double IncidenceAngleModifier(double theta, double phi) const override;
    // A positive gain is reduced by the morning gain factor of the hour.
    double DeliveredStringGain(double stringGain) const override;

  private:
    const double* hour_ = nullptr;
};

// A fuel-fired heater rated by its fuel input: it delivers at most input capacity x efficiency
// and burns the heat delivered / efficiency.
class GasHeater : public AuxiliaryHeater {
  public:
    void Reset() override;
    // An efficiency that is not above 0 is refused (message 1); then the delivered capacity is
    // input capacity x efficiency and the base heater's tests follow.
    int Check() override;
    int Compute() override;
    // Set point, input capacity, efficiency.
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Set point (degC), input capacity (W of fuel), efficiency (fraction); then Check.
    int SetParameters(double setPoint, double inputCapacity, double efficiency);
    void GetParameters(double& setPoint, double& inputCapacity, double& efficiency) const;
    // The heat the heater can deliver, W.
    double GetCapacity() const { return capacity_; }

    double fuelUse = 0;  // W

  private:
    double inputCapacity_ = 0;
    double efficiency_ = 0;
};
