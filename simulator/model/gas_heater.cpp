// The fuel-fired heater.
#include <istream>
#include <ostream>

#include "helpers.h"
#include "model_classes.h"

void GasHeater::Reset() {
    AuxiliaryHeater::Reset();
    fuelUse = 0;
    inputCapacity_ = 0;
    efficiency_ = 0;
}

int GasHeater::Check() {
    // The fuel use divides by the efficiency.
    if (!(efficiency_ > 0)) return FatalError(1, {efficiency_});
    capacity_ = inputCapacity_ * efficiency_;
    return AuxiliaryHeater::Check();
}

int GasHeater::Compute() {
    const int result = AuxiliaryHeater::Compute();
    if (result == kOk && efficiency_ > 0) fuelUse = heat / efficiency_;
    return result;
}

int GasHeater::SetParameters(double setPoint, double inputCapacity, double efficiency) {
    setPoint_ = setPoint;
    inputCapacity_ = inputCapacity;
    efficiency_ = efficiency;
    return Check();
}

void GasHeater::GetParameters(double& setPoint, double& inputCapacity, double& efficiency) const {
    setPoint = setPoint_;
    inputCapacity = inputCapacity_;
    efficiency = efficiency_;
}

int GasHeater::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, setPoint_, inputCapacity_, efficiency_);
}

int GasHeater::ReadParameters(std::istream& in, int) {
    in >> setPoint_ >> inputCapacity_ >> efficiency_;
    return EndParameterLine(in);
}
