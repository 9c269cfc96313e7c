// Moist-air properties after the ASHRAE Handbook - Fundamentals: Hyland-Wexler saturation
// pressure over ice and water, the humidity ratio with the molar-mass ratio 0.62198, the
// dew-point correlation and the wet-bulb relation above freezing.
// Temperatures in degC, pressures in Pa, relative humidity as a fraction, humidity ratio in kg
// of water per kg of dry air.
#pragma once

// Saturation pressure; the largest double outside -100..200 degC.
double SatVapourPressure(double t);
double VapourPressureFromHumidityRatio(double w, double p);
double HumidityRatioFromVapourPressure(double pw, double p);
double SatHumidityRatio(double t, double p);
// The correlation's branch is chosen by the dry-bulb temperature t; the result is at most t.
double DewPointFromVapourPressure(double t, double pw);
double RelHumFromVapourPressure(double t, double pw);
double VapourPressureFromRelHum(double t, double rh);
double DewPointFromRelHum(double t, double rh);
double DewPointFromHumidityRatio(double t, double w, double p);
double RelHumFromHumidityRatio(double t, double w, double p);
double HumidityRatioFromRelHum(double t, double rh, double p);
double HumidityRatioFromWetBulb(double t, double twb, double p);
// Bisection between the dew point and the dry bulb, to 0.01 K.
double WetBulbFromHumidityRatio(double t, double w, double p);
double WetBulbFromRelHum(double t, double rh, double p);
double WetBulbFromDewPoint(double t, double td, double p);
