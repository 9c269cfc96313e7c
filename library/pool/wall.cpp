// Wall: implicit conduction through a chain of layer nodes.
#include "wall.h"

#include <istream>
#include <new>
#include <ostream>

#include "helpers.h"
#include "numerics.h"

void Wall::Reset() {
    SetNodeCount(0);
    time_ = boundary1_ = boundary2_ = nullptr;
    face1Resistance_ = face2Resistance_ = 0;
    heatFlowIn = heatFlowOut = 0;
    previousTime_ = currentTime_ = kNoTime;
}

int Wall::SetInputs(double* time, double* boundary1, double* boundary2) {
    time_ = time;
    boundary1_ = boundary1;
    boundary2_ = boundary2;
    return Check();
}

int Wall::SetNodeCount(int n) {
    ForgetFactoring();
    if (n == count_) return 0;
    std::vector<double>* arrays[] = {
        &nodeTemperature, &nodeHeatBalance, &previousTemperature_, &lower_, &diagonal_, &upper_,
        &capacity_,       &conductance_,    &resistance_,          &a_,     &b_};
    for (auto* array : arrays) std::vector<double>().swap(*array);
    count_ = 0;
    if (n <= 0) return 0;
    try {
        for (auto* array : arrays) array->assign(n, 0.0);
    } catch (const std::bad_alloc&) {
        for (auto* array : arrays) std::vector<double>().swap(*array);
        ReportError(kAllocationFailure);
        return 1;
    }
    count_ = n;
    return 0;
}

int Wall::SetParameters(int n, const double* resistance, const double* a, const double* b,
                        double face1Resistance, double face2Resistance) {
    if (SetNodeCount(n) != 0) return 1;
    for (int i = 0; i < count_; ++i) {
        resistance_[i] = resistance[i];
        a_[i] = a[i];
        b_[i] = b[i];
    }
    face1Resistance_ = face1Resistance;
    face2Resistance_ = face2Resistance;
    return Check();
}

int Wall::SetInputsAndParameters(double* time, double* boundary1, double* boundary2, int n,
                                 const double* resistance, const double* a, const double* b,
                                 double face1Resistance, double face2Resistance) {
    SetInputs(time, boundary1, boundary2);
    SetParameters(n, resistance, a, b, face1Resistance, face2Resistance);
    return status_;
}

int Wall::Check() {
    if (time_ == nullptr) return FatalError(0);
    if (count_ < 1) return FatalError(1, {count_});
    for (int i = 0; i < count_; ++i) {
        if (resistance_[i] <= 0) return FatalError(2, {i + 1, resistance_[i]});
        if (a_[i] <= 0) return FatalError(3, {i + 1, a_[i]});
        if (b_[i] <= 0) return FatalError(4, {i + 1, b_[i]});
    }
    if (face1Resistance_ < 0) return FatalError(5, {face1Resistance_});
    if (face2Resistance_ < 0) return FatalError(6, {face2Resistance_});
    previousTime_ = currentTime_ = kNoTime;
    ForgetFactoring();
    return SolarBase::Check();
}

void Wall::CommitState() {
    previousTemperature_ = nodeTemperature;
    previousTime_ = currentTime_;
}

void Wall::LatchTime(double t) {
    if (previousTime_ == kNoTime) {
        currentTime_ = t;
        CommitState();
        return;
    }
    if (t > currentTime_) CommitState();
    currentTime_ = t;
}

void Wall::FactorStep(double dt) {
    const int n = count_;
    const double k1 = boundary1_ ? 1.0 : 0.0;
    const double k2 = boundary2_ ? 1.0 : 0.0;
    for (int i = 0; i + 1 < n; ++i) conductance_[i] = 2.0 / (resistance_[i] + resistance_[i + 1]);
    faceConductance1_ = k1 / (resistance_[0] / 2 + face1Resistance_);
    faceConductance2_ = k2 / (resistance_[n - 1] / 2 + face2Resistance_);
    for (int i = 0; i < n; ++i) {
        capacity_[i] = a_[i] * b_[i] / dt;
        const double left = i > 0 ? conductance_[i - 1] : 0.0;
        const double right = i < n - 1 ? conductance_[i] : 0.0;
        lower_[i] = -left;
        upper_[i] = -right;
        diagonal_[i] = left + right + capacity_[i];
    }
    diagonal_[0] += faceConductance1_;
    diagonal_[n - 1] += faceConductance2_;
    factorFailure_ = FactorTridiagonal(n, lower_.data(), diagonal_.data(), upper_.data());
    factoredStep_ = dt;
}

int Wall::Compute() {
    if (status_ != kReady) return status_;
    const double t1 = boundary1_ ? *boundary1_ : 0.0;
    const double t2 = boundary2_ ? *boundary2_ : 0.0;
    const double t = *time_;
    // The time computed last may be computed again (an iteration within the step); any other
    // time must come after the committed state.
    if (t != currentTime_ && previousTime_ >= t) return FatalError(0x101, {t, previousTime_});
    if (t != currentTime_) LatchTime(t);
    const double dt = currentTime_ - previousTime_;
    if (dt == 0) return kOk;

    const int n = count_;
    if (dt != factoredStep_) FactorStep(dt);
    if (factorFailure_ != 0) {
        nodeTemperature = previousTemperature_;
        return FatalError(0x102, {factorFailure_ - 1});
    }
    const double u1 = faceConductance1_;
    const double u2 = faceConductance2_;
    for (int i = 0; i < n; ++i) nodeTemperature[i] = capacity_[i] * previousTemperature_[i];
    nodeTemperature[0] += u1 * t1;
    nodeTemperature[n - 1] += u2 * t2;
    SolveFactoredTridiagonal(n, lower_.data(), diagonal_.data(), upper_.data(),
                             nodeTemperature.data());

    const std::vector<double>& temp = nodeTemperature;
    const std::vector<double>& g = conductance_;
    heatFlowIn = u1 * (t1 - temp[0]);
    heatFlowOut = u2 * (temp[n - 1] - t2);
    if (n == 1) {
        nodeHeatBalance[0] = heatFlowIn - heatFlowOut;
    } else {
        nodeHeatBalance[0] = heatFlowIn - g[0] * (temp[0] - temp[1]);
        for (int i = 1; i < n - 1; ++i)
            nodeHeatBalance[i] =
                g[i - 1] * (temp[i - 1] - temp[i]) - g[i] * (temp[i] - temp[i + 1]);
        nodeHeatBalance[n - 1] = g[n - 2] * (temp[n - 2] - temp[n - 1]) - heatFlowOut;
    }
    return status_;
}

int Wall::WriteParameters(std::ostream& out) const {
    out << face1Resistance_ << ' ' << face2Resistance_ << ' ' << count_ << '\n';
    for (const std::vector<double>* row : {&resistance_, &a_, &b_}) {
        for (double value : *row) out << value << ' ';
        out << '\n';
    }
    return out.good() ? 0 : 1;
}

int Wall::ReadParameters(std::istream& in, int) {
    double face1 = 0;
    double face2 = 0;
    int n = 0;
    in >> face1 >> face2 >> n >> SkipLine;
    if (!in) return 1;
    if (SetNodeCount(n) != 0) return 1;
    face1Resistance_ = face1;
    face2Resistance_ = face2;
    for (std::vector<double>* row : {&resistance_, &a_}) {
        for (double& value : *row) in >> value;
        in >> SkipLine;
    }
    for (double& value : b_) in >> value;
    return EndParameterLine(in);
}
