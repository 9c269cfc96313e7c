#include <cstddef>
#include <new>

#include "profiles.h"

void Summary::Reset() {
    totalTime = 0;
    stepCount = 0;
    for (double& s : sums) s = 0;
    for (VariableRef& r : references_) r = VariableRef();
    IndexReferences();
    timeStep_ = nullptr;
}

void Summary::IndexReferences() {
    doubleTerms_.clear();
    intTerms_.clear();
    allBound_ = true;
    for (std::size_t i = 0; i < references_.size(); ++i) {
        const VariableRef& r = references_[i];
        if (!r.IsBound())
            allBound_ = false;
        else if (r.kind == VariableRef::kDouble)
            doubleTerms_.push_back({i, static_cast<const double*>(r.pointer)});
        else
            intTerms_.push_back({i, static_cast<const int*>(r.pointer)});
    }
}

int Summary::SetCount(int n) {
    if (n < 1) return FatalError(1, {n});
    if (n != count_) {
        sums.clear();
        references_.clear();
        IndexReferences();
        count_ = 0;
        try {
            references_.assign(static_cast<std::size_t>(n), VariableRef());
            sums.assign(static_cast<std::size_t>(n), 0.0);
            // Indexing never allocates afterwards.
            doubleTerms_.reserve(static_cast<std::size_t>(n));
            intTerms_.reserve(static_cast<std::size_t>(n));
        } catch (const std::bad_alloc&) {
            sums = std::vector<double>();
            references_ = std::vector<VariableRef>();
            ReportError(kAllocationFailure);
            return 1;
        }
        count_ = n;
        IndexReferences();
    }
    return Check();
}

int Summary::SetInputs(const VariableRef* references, const double* timeStep) {
    if (references != nullptr) {
        for (int i = 0; i < count_; ++i) references_[i] = references[i];
        IndexReferences();
    }
    timeStep_ = timeStep;
    return Check();
}

int Summary::Check() {
    if (references_.empty() || sums.empty() || timeStep_ == nullptr) return FatalError(0);
    if (count_ <= 0) return FatalError(1, {count_});
    SolarBase::Check();
    ResetSums();
    return kOk;
}

void Summary::ResetSums() {
    stepCount = 0;
    totalTime = 0;
    if (status_ == kReady) {
        for (double& s : sums) s = 0;
    }
}

int Summary::Compute() {
    if (status_ != kReady) return status_;
    const double step = *timeStep_;
    if (step < 0) return DomainError(0x101, {step});
    // A step is taken whole or not at all: an unbound variable is found before anything is added.
    if (!allBound_) return DomainError(0x103);
    ++stepCount;
    totalTime += step;
    for (const Term<double>& term : doubleTerms_) sums[term.sum] += step * *term.variable;
    for (const Term<int>& term : intTerms_) sums[term.sum] += step * *term.variable;
    return kOk;
}

int Summary::Normalise(int first, int n) {
    if (totalTime <= 0) return DomainError(0x101, {totalTime});
    const long long end = static_cast<long long>(first) + n;
    for (long long i = first < 0 ? 0 : first; i < end && i < count_; ++i) {
        sums[static_cast<std::size_t>(i)] /= totalTime;
    }
    return status_;
}
