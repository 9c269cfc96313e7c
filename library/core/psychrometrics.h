// Moist-air properties after the ASHRAE Handbook - Fundamentals, chapter "Psychrometrics"
// (chapter 6 of the 2005 edition, chapter 1 of the 2009 edition; equation numbers below are
// those of both): the saturation pressure of R. W. Hyland and A. Wexler, "Formulations for the
// thermodynamic properties of the saturated phases of H2O from 173.15 K to 473.15 K", ASHRAE
// Transactions 89(2A), 500-519 (1983), over ice and water (eqs. 5 and 6); the humidity ratio
// with the molar-mass ratio 0.62198 (eq. 22; the 2017 edition uses 0.621945); the relative
// humidity (eq. 24); the dew-point correlation (eqs. 39 and 40) and the wet-bulb relation above
// freezing (eq. 35).
// Temperatures in degC, pressures in Pa, relative humidity as a fraction, humidity ratio in kg
// of water per kg of dry air.
#pragma once

// Pressure of the standard atmosphere at an elevation in metres, Pa (eq. 3 of the 2009 and later
// editions: 101.325 (1 - 2.25577e-5 Z)^5.2559 kPa).
double StandardAtmosphericPressure(double elevation);

// Saturation pressure (eq. 5 to 0 degC, eq. 6 above); the largest double outside -100..200 degC.
double SatVapourPressure(double t);
double VapourPressureFromHumidityRatio(double w, double p);
double HumidityRatioFromVapourPressure(double pw, double p);
double SatHumidityRatio(double t, double p);
// Eq. 39 (0..93 degC) or eq. 40 (below 0), the branch chosen by the dry-bulb temperature t (the
// Handbook chooses it by the dew point); the result is at most t.
double DewPointFromVapourPressure(double t, double pw);
double RelHumFromVapourPressure(double t, double pw);
double VapourPressureFromRelHum(double t, double rh);
double DewPointFromRelHum(double t, double rh);
double DewPointFromHumidityRatio(double t, double w, double p);
double RelHumFromHumidityRatio(double t, double w, double p);
double HumidityRatioFromRelHum(double t, double rh, double p);
// Eq. 35, the wet bulb at or above 0 degC.
double HumidityRatioFromWetBulb(double t, double twb, double p);
// Bisection between the dew point and the dry bulb, to 0.01 K.
double WetBulbFromHumidityRatio(double t, double w, double p);
double WetBulbFromRelHum(double t, double rh, double p);
double WetBulbFromDewPoint(double t, double td, double p);
