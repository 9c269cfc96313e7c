// The sizing study of a run: the same run simulated without solar and then with 1, 2, ...
// collectors per bank, each size through TidewarmPro in batch mode as Run simulates (one at a
// time, under the data folder's lock), with its economics computed from the run's stored
// economic inputs. Nothing is stored. Without windows: the sizing window and the command
// tidewarm-sizing run the study one size at a time and show what it found.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "input_form_data.h"
#include "record_sets.h"
#include "result_files.h"
#include "run_economics.h"

// An array of at least 1.5 times the pool's area is studied, in at least this many sizes with
// collectors.
inline constexpr double kLargestArrayPerPoolArea = 1.5;
inline constexpr int kFewestCollectorSizes = 8;

// One size of the array and what its season gave.
struct SizeFigures {
    double collectorsPerBank = 0;  // 0: the run without solar
    int banks = 1;
    double collectorArea = 0;  // m2, the whole array
    double totalFlow = 0;      // kg/s
    bool ownSize = false;      // the run's own number of collectors
    MonthlyResultRow season;   // the season's row of the monthly results, as Run stores it
    // The economics of the array (none without solar), as Run stores a run's.
    std::optional<EconomicDialogData> economics;

    double Collectors() const { return collectorsPerBank * banks; }
    // A value of the season's row, by the Results column that keeps it (energies in GJ, the
    // electricity in J, the pool temperature in degC).
    double Season(double CResultsSet::*column) const;
};

// The collectors per bank the study simulates for `run`: 0, then 1, 2, ... up to the count whose
// array reaches kLargestArrayPerPoolArea times the pool area (at least kFewestCollectorSizes,
// at most the form's 100), and the run's own count among them.
std::vector<double> StudiedCollectorsPerBank(const InputFormData& run);

class SizingStudy {
  public:
    // The study of `run` (the form's values, saved or not) with the economic inputs stored for
    // its run number. Nothing after the message: a run without collector (1230), no Economics
    // row (161).
    [[nodiscard]] static std::optional<SizingStudy> Plan(const InputFormData& run);

    std::size_t SizeCount() const { return perBank_.size(); }
    std::size_t SimulatedCount() const { return sizes_.size(); }
    bool Finished() const { return sizes_.size() == perBank_.size(); }
    // Collectors of the array the next SimulateNext simulates.
    double NextCollectors() const;
    // Simulates the next size and computes its figures. False after the failure's message (the
    // run's own, as Run shows it); the study then holds no figures and is over.
    [[nodiscard]] bool SimulateNext();
    // Every size in order, once Finished.
    const std::vector<SizeFigures>& Sizes() const { return sizes_; }
    const InputFormData& Run() const { return run_; }

  private:
    SizingStudy(const InputFormData& run, std::unique_ptr<CEconomicsSet> inputs);
    InputFormData SizeRun(double perBank) const;

    InputFormData run_;
    std::unique_ptr<CEconomicsSet> inputs_;
    std::vector<double> perBank_;
    std::vector<SizeFigures> sizes_;
    bool failed_ = false;
};

// Every size of the study of `run` simulated in turn; nothing after the failure's message.
[[nodiscard]] std::optional<std::vector<SizeFigures>> RunSizingStudy(const InputFormData& run);
