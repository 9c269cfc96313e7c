#include "profiles.h"

#include <istream>
#include <ostream>

#include "helpers.h"

namespace {

// One schedule line: each value followed by a blank, then a line end.
void WriteValues(std::ostream& out, const double* values, int n) {
    for (int i = 0; i < n; ++i) out << values[i] << ' ';
    out << '\n';
}

void ReadValues(std::istream& in, double* values, int n) {
    for (int i = 0; i < n; ++i) in >> values[i];
}

}  // namespace

void MonthlyProfile::Reset() {
    value = 0;
    month_ = nullptr;
    for (double& v : values_) v = 0;
}

int MonthlyProfile::SetInputs(const int* month) {
    month_ = month;
    return Check();
}

int MonthlyProfile::SetValues(const double* values) {
    for (int i = 0; i < kMonths; ++i) values_[i] = values != nullptr ? values[i] : 0.0;
    return Check();
}

void MonthlyProfile::GetValues(double* values) const {
    for (int i = 0; i < kMonths; ++i) values[i] = values_[i];
}

int MonthlyProfile::Check() {
    if (month_ == nullptr) return FatalError(0);
    return SolarBase::Check();
}

int MonthlyProfile::Compute() {
    if (status_ != kReady) return status_;
    const int month = *month_;
    if (month < 1 || month > kMonths) return DomainError(0x101, {month});
    value = values_[month - 1];
    return kOk;
}

int MonthlyProfile::WriteParameters(std::ostream& out) const {
    WriteValues(out, values_, kMonths);
    return out.good() ? 0 : 1;
}

int MonthlyProfile::ReadParameters(std::istream& in, int) {
    ReadValues(in, values_, kMonths);
    return EndParameterLine(in);
}

void HourlyProfile::Reset() {
    value = 0;
    hour_ = nullptr;
    dayType_ = nullptr;
    for (int i = 0; i < kHours; ++i) first_[i] = second_[i] = 0;
}

int HourlyProfile::SetInputs(const int* hour, const int* dayType) {
    hour_ = hour;
    dayType_ = dayType;
    return Check();
}

int HourlyProfile::SetValues(const double* first, const double* second) {
    for (int i = 0; i < kHours; ++i) {
        first_[i] = first != nullptr ? first[i] : 0.0;
        second_[i] = second != nullptr ? second[i] : 0.0;
    }
    return Check();
}

void HourlyProfile::GetValues(double* first, double* second) const {
    for (int i = 0; i < kHours; ++i) {
        first[i] = first_[i];
        second[i] = second_[i];
    }
}

int HourlyProfile::Check() {
    if (hour_ == nullptr || dayType_ == nullptr) return FatalError(0);
    return SolarBase::Check();
}

int HourlyProfile::Compute() {
    if (status_ != kReady) return status_;
    const int hour = *hour_;
    if (hour < 1 || hour > kHours) return DomainError(0x101, {hour});
    value = (*dayType_ == 0 ? first_ : second_)[hour - 1];
    return kOk;
}

int HourlyProfile::WriteParameters(std::ostream& out) const {
    WriteValues(out, first_, kHours);
    WriteValues(out, second_, kHours);
    return out.good() ? 0 : 1;
}

int HourlyProfile::ReadParameters(std::istream& in, int) {
    ReadValues(in, first_, kHours);
    in >> SkipLine;
    ReadValues(in, second_, kHours);
    return EndParameterLine(in);
}
