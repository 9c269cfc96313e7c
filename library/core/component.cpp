#include "component.h"

#include <istream>

#include "helpers.h"

int SolarBase::Check() {
    status_ = kReady;
    return kOk;
}

int SolarBase::WriteParameters(std::ostream&) const {
    return 0;
}

int SolarBase::ReadParameters(std::istream&, int) {
    return 0;
}

int SolarBase::FatalError(int code, MessageArgs args) {
    FormatErrorMessage(MessageNumber(GetTypeId(), code), args);
    status_ = kNotReady;
    return kFatal;
}

int SolarBase::DomainError(int code, MessageArgs args) {
    FormatErrorMessage(MessageNumber(GetTypeId(), code), args);
    return kDomain;
}

int SolarBase::EndParameterLine(std::istream& in) {
    in >> SkipLine;
    Check();
    return in.good() ? 0 : 1;
}
