// Schedules and accumulators of the simulation: a value per month, a value per hour from one of
// two daily schedules, and time-weighted sums of a list of model variables.
#pragma once

#include <iosfwd>
#include <vector>

#include "component.h"

// One of twelve monthly values, January first.
class MonthlyProfile : public SolarBase {
  public:
    static constexpr int kMonths = 12;

    MonthlyProfile() { Reset(); }

    int GetTypeId() const override { return kTypeMonthlyProfile; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Month 1..12.
    int SetInputs(const int* month);
    // Copies twelve values in (January first; a null array gives zeros), then Check.
    int SetValues(const double* values);
    void GetValues(double* values) const;

    // Output: the value of the month.
    double value;

  private:
    const int* month_;
    double values_[kMonths];
};

// One of two 24-hour schedules, chosen by a day-type flag; hour 1 is the hour ending at 1:00.
class HourlyProfile : public SolarBase {
  public:
    static constexpr int kHours = 24;

    HourlyProfile() { Reset(); }

    int GetTypeId() const override { return kTypeHourlyProfile; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Hour 1..24; day-type flag (0 selects the first schedule, any other value the second).
    int SetInputs(const int* hour, const int* dayType);
    // Copies both schedules in, hour 1 first; a null schedule is all zeros. Then Check.
    int SetValues(const double* first, const double* second);
    void GetValues(double* first, double* second) const;

    // Output: the value of the hour.
    double value;

  private:
    const int* hour_;
    const int* dayType_;
    double first_[kHours];
    double second_[kHours];
};

// Time-weighted sums of model variables over an accumulation period (an hour, a month, a year):
// each step adds time step x value to each sum; Normalise turns chosen sums into averages.
class Summary : public SolarBase {
  public:
    Summary() { Reset(); }

    int GetTypeId() const override { return kTypeSummary; }
    // Forgets the variables and the time step; the sizes stay.
    void Reset() override;
    int Compute() override;
    // Needs sized arrays and a time step; then resets the sums.
    int Check() override;

    // Sizes the summary for n variables (all unbound, sums 0), then Check. Returns 1 when memory
    // is exhausted.
    int SetCount(int n);
    int GetCount() const { return count_; }
    // Copies the count references and binds the time step (s), then Check.
    int SetInputs(const VariableRef* references, const double* timeStep);
    // Starts a new period: no steps, no time, and (when ready) every sum 0.
    void ResetSums();
    // Divides sums first .. first + n - 1 (those that exist) by the total time.
    int Normalise(int first, int n);

    // Outputs.
    std::vector<double> sums;  // one per variable: integral of the variable over the period
    double totalTime;          // s
    int stepCount;

  private:
    // Sorts the references into the double and the int variables, so that a step adds each
    // without asking its kind; notes whether all are bound.
    void IndexReferences();

    template <class T>
    struct Term {
        std::size_t sum;
        const T* variable;
    };

    std::vector<VariableRef> references_;
    std::vector<Term<double>> doubleTerms_;  // storage for count_ terms each, kept
    std::vector<Term<int>> intTerms_;
    bool allBound_ = false;
    const double* timeStep_;
    int count_ = 0;
};
