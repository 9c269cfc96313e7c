// The runs manager without windows: the list of runs, its modes and the selection kept after a
// removal.
#pragma once

#include <string>
#include <vector>

// What the runs manager is opened for.
enum class RunsManagerMode {
    Open = 0,   // choose a run to open (or to duplicate)
    Model = 1,  // choose a run to copy into a new run
    Manage = 2  // remove runs
};

struct RunListRow {
    int runId = 0;
    std::string time;  // "%d %b %Y %H:%M"
    std::string comments;
    std::string client;  // empty when the client row is missing
};

// Every run, newest first.
std::vector<RunListRow> ReadRunsList();

// The position selected after the row at `removed` left a list that now has `remaining` rows:
// the same position, or the last row; -1 when the list is empty.
int SelectionAfterRemoval(int removed, int remaining);

// Remove: the run deleted with its Economics, Results and Daily rows; false, after the
// deletion's message, when nothing was deleted.
[[nodiscard]] bool RemoveRun(int runId);

// Select (`duplicate` false) or Duplicate: the chosen run becomes the current run; Duplicate
// makes the input form copy it into a new run.
void ChooseRun(int runId, bool duplicate);
