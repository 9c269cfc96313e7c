#include <istream>
#include <numbers>
#include <ostream>

#include "helpers.h"
#include "physical_constants.h"
#include "sun.h"

void Sun::Reset() {
    zenith = 0;
    azimuth = 0;
    airMass = 0;
    extraterrestrialNormal = 0;
    day_ = nullptr;
    hour_ = nullptr;
    latitude_ = 0;
    clockTime_ = 1;
    siteLongitude_ = 0;
    standardMeridian_ = 0;
    cachedDay_ = 0;
    cachedDeclination_ = SineCosine();
    cachedExtraterrestrialNormal_ = 0;
    cachedEquationOfTime_ = 0;
    cachedLatitude_ = SineCosine();
}

int Sun::SetInputs(int* day, double* hour) {
    day_ = day;
    hour_ = hour;
    return Check();
}

int Sun::SetParameters(double latitude, int clockTime, double siteLongitude,
                       double standardMeridian) {
    latitude_ = latitude;
    clockTime_ = clockTime;
    siteLongitude_ = siteLongitude;
    standardMeridian_ = standardMeridian;
    cachedDay_ = 0;
    return Check();
}

void Sun::GetParameters(double& latitude, int& clockTime, double& siteLongitude,
                        double& standardMeridian) const {
    latitude = latitude_;
    clockTime = clockTime_;
    siteLongitude = siteLongitude_;
    standardMeridian = standardMeridian_;
}

int Sun::Check() {
    if (day_ == nullptr || hour_ == nullptr) return FatalError(0);
    if (latitude_ < -std::numbers::pi / 2 || latitude_ > std::numbers::pi / 2)
        return FatalError(1, {latitude_});
    if (siteLongitude_ < -std::numbers::pi || siteLongitude_ > std::numbers::pi)
        return FatalError(2, {siteLongitude_});
    if (standardMeridian_ < -std::numbers::pi || standardMeridian_ > std::numbers::pi)
        return FatalError(3, {standardMeridian_});
    return SolarBase::Check();
}

int Sun::Compute() {
    if (status_ != kReady) return status_;
    const int day = *day_;
    const double hour = *hour_;
    if (day < 1 || day > kDaysPerYear) return DomainError(0x101, {day});
    if (hour < 0 || hour > kHoursPerDay) return DomainError(0x102, {hour});

    if (day != cachedDay_) {
        cachedDay_ = day;
        cachedDeclination_ = SineCosine(Declination(day));
        cachedExtraterrestrialNormal_ = ExtraterrestrialNormal(day);
        cachedEquationOfTime_ = EquationOfTime(day, siteLongitude_, standardMeridian_);
        cachedLatitude_ = SineCosine(latitude_);
    }
    double solarHour = hour;
    if (clockTime_ != 0) solarHour += cachedEquationOfTime_ / kMinutesPerHour;

    SolarZenithAzimuth(zenith, azimuth, cachedDeclination_, HourAngle(solarHour), cachedLatitude_);
    extraterrestrialNormal = cachedExtraterrestrialNormal_;
    airMass = AirMass(zenith);
    return status_;
}

int Sun::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, latitude_ * kDegreesPerRadian, clockTime_,
                              siteLongitude_ * kDegreesPerRadian,
                              standardMeridian_ * kDegreesPerRadian);
}

int Sun::ReadParameters(std::istream& in, int) {
    double latitude = 0, siteLongitude = 0, standardMeridian = 0;
    in >> latitude >> clockTime_ >> siteLongitude >> standardMeridian;
    latitude_ = latitude * kRadiansPerDegree;
    siteLongitude_ = siteLongitude * kRadiansPerDegree;
    standardMeridian_ = standardMeridian * kRadiansPerDegree;
    cachedDay_ = 0;
    return EndParameterLine(in);
}
