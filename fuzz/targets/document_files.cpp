// Fuzz entries of the files a project is made of: the project file, the batch input and the
// monthly result files that the text report reads.
#include <sstream>
#include <string>

#include "batch_input.h"
#include "document.h"
#include "fuzz_support.h"
#include "helpers.h"

namespace fuzz {

namespace {

std::string AsText(Bytes bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

void ProjectFile(Bytes bytes) {
    QuietMessages quiet;
    CTidewarmDoc doc;
    std::istringstream in(AsText(bytes));
    if (doc.ReadProject(in) != 0) return;
    // What a project read writes back must read again, to the same file.
    std::ostringstream out;
    Require(doc.WriteProject(out) == 0);
    CTidewarmDoc copy;
    std::istringstream back(out.str());
    Require(copy.ReadProject(back) == 0);
    std::ostringstream again;
    Require(copy.WriteProject(again) == 0 && again.str() == out.str());
}

void BatchInput(Bytes bytes) {
    std::istringstream in(AsText(bytes));
    ::BatchInput input;
    const BatchInputResult result = ReadBatchInput(in, input);
    if (result.error != BatchInputError::kNone) return;
    // The values the batch mode derives from what was read.
    Require(StoredPoolType(PoolTypeNumber(input.poolType)) == input.poolType);
    double flags[12];
    MonthMaskToFlags(flags, input.heater.monthMask);
    MonthMaskToFlags(flags, input.blanket.monthMask);
    OrientationToAzimuth(input.collector.orientation);
    PoolVolume(input.poolType, input.poolArea);
    const int start = DayOfYear(input.opensMonth, input.opensDay, 0);
    const int end = DayOfYear(input.closesMonth, input.closesDay, 0);
    const int days = SeasonDays(start, end);
    Require(days >= 1 && days <= 365);
}

void MonthlyResults(Bytes bytes) {
    QuietMessages quiet;
    WriteInput("fuzz.mly", bytes);
    WriteInput("fuzz.mlx", bytes);
    CTidewarmDoc doc;
    doc.ReferenceRun = 1;
    doc.SetPathName("fuzz.tdw");
    static_cast<void>(doc.WriteReport());  // refusing what it cannot read is an answer too
}

}  // namespace fuzz
