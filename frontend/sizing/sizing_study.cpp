#include "sizing_study.h"

#include <algorithm>
#include <cmath>

#include "frontend_strings.h"
#include "object_type.h"
#include "simulation_bridge.h"
#include "sizing_texts.h"
#include "user_interface.h"

namespace {

// The season's row is the monthly file's last.
const MonthlyResultRow& SeasonRow(const SimulationOutputs& outputs) {
    return outputs.monthly.back();
}

}  // namespace

double SizeFigures::Season(double CResultsSet::*column) const {
    for (std::size_t c = 0; c < kResultColumns.size(); ++c)
        if (kResultColumns[c].member == column) return season.values[c];
    return 0;
}

std::vector<double> StudiedCollectorsPerBank(const InputFormData& run) {
    const double bankArea = run.numberOfBanks * run.areaPerColl;
    const double reaching = std::ceil(kLargestArrayPerPoolArea * run.poolArea / bankArea);
    const double largest =
        std::min(std::max(reaching, double{kFewestCollectorSizes}), kMostCollectorsPerBank);
    std::vector<double> counts;
    for (double n = 0; n <= largest; ++n) counts.push_back(n);
    if (!std::binary_search(counts.begin(), counts.end(), run.numberOfColl))
        counts.insert(std::upper_bound(counts.begin(), counts.end(), run.numberOfColl),
                      run.numberOfColl);
    return counts;
}

SizingStudy::SizingStudy(const InputFormData& run, std::unique_ptr<CEconomicsSet> inputs)
    : run_(run), inputs_(std::move(inputs)), perBank_(StudiedCollectorsPerBank(run)) {}

std::optional<SizingStudy> SizingStudy::Plan(const InputFormData& run) {
    if (run.collectorId == kNoObjectId) {
        ShowMessage(LoadResString(kStrNoCollectorToSize), MessageKind::Warning);
        return std::nullopt;
    }
    auto inputs = std::make_unique<CEconomicsSet>();
    if (!SelectById(*inputs, kRunIdColumn, run.runNumber)) {
        ShowMessage(FormatResString(kStrNoEconomicData, run.runNumber));
        return std::nullopt;
    }
    return SizingStudy(run, std::move(inputs));
}

double SizingStudy::NextCollectors() const {
    return Finished() ? 0 : perBank_[sizes_.size()] * run_.numberOfBanks;
}

// The run with `perBank` collectors in each bank and the flow per collector kept; without
// collectors, the run without solar.
InputFormData SizingStudy::SizeRun(double perBank) const {
    InputFormData size = run_;
    if (perBank == 0) {
        size.collectorId = kNoObjectId;
        return size;
    }
    size.numberOfColl = perBank;
    // The run's own count keeps its own flow to the last bit.
    size.totalFlow = run_.totalFlow * (perBank / run_.numberOfColl);
    return size;
}

bool SizingStudy::SimulateNext() {
    if (failed_ || Finished()) return false;
    const double perBank = perBank_[sizes_.size()];
    const InputFormData size = SizeRun(perBank);
    CRunsSet row;
    FillRunRow(size, row);
    const std::optional<SimulationOutputs> outputs = SimulateWithoutStoring(row);
    SizeFigures figures;
    figures.collectorsPerBank = perBank;
    figures.banks = size.numberOfBanks;
    figures.collectorArea = perBank * size.numberOfBanks * size.areaPerColl;
    figures.totalFlow = perBank == 0 ? 0 : size.totalFlow;
    figures.ownSize = perBank == run_.numberOfColl;
    if (outputs) {
        figures.season = SeasonRow(*outputs);
        if (perBank > 0) {
            CResultsSet season;
            SetResultValues(figures.season, season);
            const std::optional<EconomicDialogData> data =
                RunEconomicData(row, *inputs_, &season, UnitSystem::SI);
            if (data) figures.economics = ComputedEconomics(*data);
        }
    }
    if (!outputs || (perBank > 0 && !figures.economics)) {
        failed_ = true;
        sizes_.clear();
        return false;
    }
    sizes_.push_back(std::move(figures));
    return true;
}

std::optional<std::vector<SizeFigures>> RunSizingStudy(const InputFormData& run) {
    std::optional<SizingStudy> study = SizingStudy::Plan(run);
    if (!study) return std::nullopt;
    while (!study->Finished())
        if (!study->SimulateNext()) return std::nullopt;
    return study->Sizes();
}
