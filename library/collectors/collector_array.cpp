// What the glazed and the unglazed collector arrays share: the modifier tables, the
// incidence-angle modifier, the flow-rate correction, the string of collectors in series and
// the array of strings and banks.
#include <cmath>
#include <istream>
#include <ostream>
#include <vector>

#include "collectors.h"
#include "helpers.h"
#include "numerics.h"

FlatPlateCollector::FlatPlateCollector() = default;

FlatPlateCollector::~FlatPlateCollector() {
    FreeMatrix(&table_[0]);
    FreeMatrix(&table_[1]);
}

void FlatPlateCollector::Reset() {
    outletTemperature = meanFluidTemperature = usefulGain = incidentEnergy = 0;
    absorbedIrradiance = 0;
    irradiance_ = incidenceAngle_ = inPlaneAngle_ = nullptr;
    inletTemperature_ = ambientTemperature_ = flowRate_ = specificHeat_ = nullptr;
    seriesCount_ = 0;
    groupsPerBank_ = 0;
    bankCount_ = 0;
    collectorArea_ = 0;
    a_ = b_ = c_ = d_ = e_ = 0;
    testFlowRate_ = 0;
    modifierMode_ = 0;
    for (int i = 0; i < 2; ++i) {
        FreeMatrix(&table_[i]);
        tableCount_[i] = 0;
    }
}

FlatPlateCollector::StepInputs FlatPlateCollector::BeginStep() {
    usefulGain = 0;
    StepInputs in;
    in.irradiance = *irradiance_;
    in.incidenceAngle = *incidenceAngle_;
    in.inPlaneAngle = inPlaneAngle_ ? *inPlaneAngle_ : 0.0;
    in.inlet = *inletTemperature_;
    in.ambient = *ambientTemperature_;
    in.flow = *flowRate_;
    in.cp = *specificHeat_;
    incidentEnergy = in.irradiance * collectorArea_ * seriesCount_ * groupsPerBank_ * bankCount_;
    return in;
}

int FlatPlateCollector::TestFlowAndHeat(const StepInputs& in) {
    if (!(in.flow >= 0)) return DomainError(0x101, {in.flow});
    if (!(in.cp > 0)) return DomainError(0x102, {in.cp});
    return kOk;
}

int FlatPlateCollector::StepModifier(const StepInputs& in, double& akt) {
    akt = IncidenceAngleModifier(in.incidenceAngle, in.inPlaneAngle);
    if (!(akt >= 0)) return DomainError(0x103, {akt});
    return kOk;
}

int FlatPlateCollector::RunArray(const StepInputs& in, double s, double additionalLoss) {
    double stringGain;
    const double stringFlow = in.flow / groupsPerBank_ / bankCount_;
    if (const int result =
            StringGain(s, in.inlet, in.ambient, stringFlow, in.cp, additionalLoss, stringGain);
        result != kOk)
        return result;
    DeliverArrayGain(DeliveredStringGain(stringGain), in.inlet, in.flow, in.cp);
    return status_;
}

void FlatPlateCollector::StoreInputs(const double* irradiance, const double* incidenceAngle,
                                     const double* inPlaneAngle, const double* inletTemperature,
                                     const double* ambientTemperature, const double* flowRate,
                                     const double* specificHeat) {
    irradiance_ = irradiance;
    incidenceAngle_ = incidenceAngle;
    inPlaneAngle_ = inPlaneAngle;
    inletTemperature_ = inletTemperature;
    ambientTemperature_ = ambientTemperature;
    flowRate_ = flowRate;
    specificHeat_ = specificHeat;
}

int FlatPlateCollector::StoreParameters(int seriesCount, double groupsPerBank, int bankCount,
                                        double collectorArea, double a, double b, double c,
                                        double d, double e, double testFlowRate, int modifierMode,
                                        int count1, const double* const* table1, int count2,
                                        const double* const* table2) {
    seriesCount_ = seriesCount;
    groupsPerBank_ = groupsPerBank;
    bankCount_ = bankCount;
    collectorArea_ = collectorArea;
    a_ = a;
    b_ = b;
    c_ = c;
    d_ = d;
    e_ = e;
    testFlowRate_ = testFlowRate;
    modifierMode_ = modifierMode;
    return SetTables(count1, table1, count2, table2);
}

void FlatPlateCollector::LoadParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                        double& collectorArea, double& a, double& b, double& c,
                                        double& d, double& e, double& testFlowRate,
                                        int& modifierMode, int& count1,
                                        const double* const*& table1, int& count2,
                                        const double* const*& table2) const {
    seriesCount = seriesCount_;
    groupsPerBank = groupsPerBank_;
    bankCount = bankCount_;
    collectorArea = collectorArea_;
    a = a_;
    b = b_;
    c = c_;
    d = d_;
    e = e_;
    testFlowRate = testFlowRate_;
    modifierMode = modifierMode_;
    count1 = tableCount_[0];
    table1 = table_[0];
    count2 = tableCount_[1];
    table2 = table_[1];
}

void FlatPlateCollector::ReadTestValues(std::istream& in, int version) {
    constexpr int kVersionBanks = 10110;
    in >> seriesCount_ >> groupsPerBank_;
    if (version >= kVersionBanks)
        in >> bankCount_;
    else
        bankCount_ = 1;
    in >> collectorArea_ >> a_ >> b_ >> c_ >> d_ >> e_ >> testFlowRate_;
}

int FlatPlateCollector::CheckArray() {
    if (!(seriesCount_ >= 1)) return FatalError(1, {seriesCount_});
    if (!(groupsPerBank_ >= 1)) return FatalError(2, {groupsPerBank_});
    if (!(bankCount_ >= 1)) return FatalError(5, {bankCount_});
    // The test coefficients are per square metre of a collector that has an area, measured
    // at a flow; neither may be 0.
    if (!(collectorArea_ > 0)) return FatalError(3, {collectorArea_});
    if (!(testFlowRate_ > 0)) return FatalError(4, {testFlowRate_});
    return kOk;
}

// Interpolation needs increasing angles: equal ones would divide by zero.
int FlatPlateCollector::CheckTables(int tableCode) {
    for (int t = 0; t < 2; ++t)
        for (int i = 1; i < tableCount_[t]; ++i)
            if (!(table_[t][0][i] > table_[t][0][i - 1]))
                return FatalError(tableCode, {t + 1, i + 1});
    return kOk;
}

double FlatPlateCollector::IncidenceAngleModifier(double theta, double phi) const {
    auto lookUp = [this, theta](int t, double angle) {
        if (tableCount_[t] < 1 || theta >= kGrazingIncidence) return 1.0;
        return InterpolateTable(tableCount_[t], table_[t][0], table_[t][1],
                                angle * kDegreesPerRadian);
    };
    switch (modifierMode_) {
        case kModifierOneTable:
            return lookUp(0, theta);
        case kModifierTwoTables: {
            if (theta >= kGrazingIncidence) return 1.0;
            const double longitudinal = std::atan(std::cos(phi) * std::tan(theta));
            const double transversal = std::atan(std::sin(phi) * std::tan(theta));
            return lookUp(0, longitudinal) * lookUp(1, transversal);
        }
        default:
            return 1.0;
    }
}

// The test fixes F'UL through the loss coefficient at the test flow; the ratio of
// x (1 - exp(-1/x)) at the actual and at the test flow, x = m cp / (area F'UL), corrects the
// coefficients. With no loss (F'UL = 0) both terms tend to 1 and so does the correction.
int FlatPlateCollector::FlowRateCorrection(double stringFlow, double cp, double u,
                                           double& correction) {
    const LastResult<5>::Arguments inputs{stringFlow, cp, u, testFlowRate_, collectorArea_};
    if (flowCorrection_.Holds(inputs)) {
        correction = flowCorrection_.Result();
        return kOk;
    }
    const double testCapacity = testFlowRate_ * cp;  // W/K
    const double w = 1.0 - u * collectorArea_ / testCapacity;
    if (!(w > 0)) return FatalError(LogarithmCode(), {w});
    const double fPrimeUL = -(testCapacity / collectorArea_) * std::log(w);
    if (fPrimeUL == 0) {
        correction = 1.0;
    } else {
        auto term = [](double x) { return -x * std::expm1(-1.0 / x); };
        const double actual = stringFlow * cp / (collectorArea_ * fPrimeUL);
        const double test = testCapacity / (collectorArea_ * fPrimeUL);
        correction = term(actual) / term(test);
    }
    flowCorrection_.Keep(inputs, correction);
    return kOk;
}

int FlatPlateCollector::StringGain(double s, double tin, double ambient, double stringFlow,
                                   double cp, double additionalLoss, double& gain) {
    double t = tin;
    gain = 0;
    for (int i = 0; i < seriesCount_; ++i) {
        double a, u;
        Coefficients(t, ambient, a, u);
        if (!(a >= 0 && a <= 1)) return DomainError(AbsorptionCode(), {a});
        double r = 0;
        const int result = FlowRateCorrection(stringFlow, cp, u, r);
        if (result != kOk) return result;
        const double q = (a * r * s - u * r * (t - ambient) - e_ - additionalLoss) * collectorArea_;
        t += q / stringFlow / cp;
        outletTemperature = t;
        gain += q;
    }
    return kOk;
}

double FlatPlateCollector::ArrayFactor(double groups) {
    return 0.55 / std::pow(groups, 0.00534 * groups) + 0.45;
}

void FlatPlateCollector::DeliverArrayGain(double stringGain, double tin, double flow, double cp) {
    const double arrayFactor =
        arrayFactor_({groupsPerBank_}, [](const auto& groups) { return ArrayFactor(groups[0]); });
    usefulGain = stringGain * groupsPerBank_ * arrayFactor * bankCount_;
    outletTemperature = usefulGain / flow / cp + tin;
    meanFluidTemperature = (tin + outletTemperature) / 2.0;
}

int FlatPlateCollector::SetTable(int which, int count, const double* angles,
                                 const double* modifiers) {
    if (count < 1 || angles == nullptr || modifiers == nullptr) count = 0;
    if (count != tableCount_[which]) {
        FreeMatrix(&table_[which]);
        tableCount_[which] = 0;
        if (count > 0) {
            table_[which] = AllocMatrix(2, count);
            if (table_[which] == nullptr) {
                ReportError(kAllocationFailure);
                return 1;
            }
        }
        tableCount_[which] = count;
    }
    for (int i = 0; i < count; ++i) {
        table_[which][0][i] = angles[i];
        table_[which][1][i] = modifiers[i];
    }
    return 0;
}

int FlatPlateCollector::SetTables(int count1, const double* const* table1, int count2,
                                  const double* const* table2) {
    auto row = [](const double* const* table, int r) { return table ? table[r] : nullptr; };
    if (SetTable(0, count1, row(table1, 0), row(table1, 1)) != 0) return 1;
    return SetTable(1, count2, row(table2, 0), row(table2, 1));
}

int FlatPlateCollector::WriteModifierLine(std::ostream& out) const {
    out << modifierMode_;
    for (int t = 0; t < 2; ++t) {
        out << ' ' << tableCount_[t];
        for (int i = 0; i < tableCount_[t]; ++i)
            out << ' ' << table_[t][0][i] << ' ' << table_[t][1][i];
    }
    out << '\n';
    return out.good() ? 0 : 1;
}

namespace {

// Files up to this version hold one modifier table, its count in place of the mode.
constexpr int kVersionOneTable = 20000;

// Reads a count and that many (angle, modifier) pairs; a negative count fails the stream.
void ReadTable(std::istream& in, int count, std::vector<double>& angles,
               std::vector<double>& modifiers) {
    if (count < 0) in.setstate(std::ios::failbit);
    for (int i = 0; i < count && in; ++i) {
        double angle = 0, modifier = 0;
        if (in >> angle >> modifier) {
            angles.push_back(angle);
            modifiers.push_back(modifier);
        }
    }
}

}  // namespace

int FlatPlateCollector::ReadModifierLine(std::istream& in, int version) {
    int mode = 0, count1 = 0, count2 = 0;
    std::vector<double> angles1, modifiers1, angles2, modifiers2;
    in >> mode;
    if (version > kVersionOneTable) {
        in >> count1;
    } else if (mode >= 1) {
        count1 = mode;
        mode = kModifierOneTable;
    }
    ReadTable(in, count1, angles1, modifiers1);
    const bool twoTables = version > kVersionOneTable;
    if (twoTables) {
        in >> count2;
        ReadTable(in, count2, angles2, modifiers2);
    }
    if (!in) return 0;  // the caller reports the failed stream; nothing is changed

    modifierMode_ = mode;
    if (SetTable(0, count1, angles1.data(), modifiers1.data()) != 0) return 1;
    if (twoTables && SetTable(1, count2, angles2.data(), modifiers2.data()) != 0) return 1;
    return 0;
}
