// The input form's run without windows: its values (always SI), the run loaded and saved, the
// choice lists, the rules that tie its fields together, and the reading and checking of its
// number boxes. The form's window shows these values and calls these operations.
#pragma once

#include <SQLiteCpp/Database.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch_input.h"
#include "display_units.h"
#include "object_type.h"
#include "problem.h"

class CRunsSet;

// The run as the form edits it. Months and days 1-based; month uses as masks (January in bit
// 11); object Ids 0 while nothing is chosen.
struct InputFormData {
    int runNumber = -1;  // -1 while the run is not saved
    std::int64_t time = 0;
    bool doubleRun = false;
    int clientId = 0, installerId = 0, poolUseId = 0, collectorId = 0, heaterId = 0, blanketId = 0;
    std::string comments;
    UnitSystem units = UnitSystem::SI;  // the units the form shows
    PoolType poolType = PoolType::ResidentialInGround;
    std::string city;
    int opensMonth = 6, opensDay = 1, closesMonth = 9, closesDay = 30;
    double poolArea = 20;  // m2
    double shading = 0;    // %
    double numberOfColl = 5;
    double areaPerColl = 2.5;  // m2
    int numberOfBanks = 1;
    int orientation = 4;     // 0 West, 4 South, 8 East, 12 North
    double slope = 45;       // degrees
    double totalFlow = 1.5;  // kg/s
    int heaterMonths = 4095, blanketMonths = 4095;

    bool operator==(const InputFormData&) const = default;
};

inline constexpr int kOrientationCount = 16;
// The number of collectors in a bank the form takes.
inline constexpr double kMostCollectorsPerBank = 100;

// A new run from scratch: a 20 m2 residential pool from 1 June to 30 September, 5 collectors of
// 2.5 m2 in one bank facing south at 45 degrees, 1.5 kg/s, heater and blanket every month; the
// default units of g_nUnits, the time now.
InputFormData NewRunForm();

// The form's run: a new one when g_nCurrentRunId is -1, else the stored run (its number -1 when
// g_nRunCreationMode copies it into a new run). An existing run stored without its economics is
// given them (RestoreMissingEconomics). Nothing after message 146.
[[nodiscard]] std::optional<InputFormData> LoadRunForm();

// The stored run `runId` as the form holds it. Nothing after message 146.
[[nodiscard]] std::optional<InputFormData> StoredRunForm(int runId);

// `run` given the values of `data` and its run number, as Done would store them (nothing is
// written).
void FillRunRow(const InputFormData& data, CRunsSet& run);

// Writes `data` into a new Runs row (`isNew`) or into the row of g_nCurrentRunId, with the time
// now, on `connection` when given (inside its caller's transaction); a new run of the wizard or
// the runs manager becomes the current run. The run number and time of `data` follow. False
// after message 146.
[[nodiscard]] bool SaveRunForm(InputFormData& data, bool isNew,
                               SQLite::Database* connection = nullptr);

// A form opened on a new run (g_nRunCreationMode New or Copy) stores it at once with its Economics
// row (copied from the model run in mode 2), both in one transaction; an existing run is left as
// it is. True when the run stands. A failure of the database is thrown with nothing stored and
// g_nCurrentRunId put back.
[[nodiscard]] bool StoreNewRunOfForm(InputFormData& data);

// Cancel: a run the form created is deleted with its rows.
void DiscardRunOfForm();

// The form chooses one object of each type, each from a list.
struct ChoiceList {
    std::vector<std::string> names;
    std::vector<int> ids;
};

// The active rows of the list's table in table order.
ChoiceList ReadChoiceList(ObjectType list);
// The position of `id` in `list`; -1 when it is not there.
int PositionOfId(const ChoiceList& list, int id);
// The message naming a stored object that its list lacks (147 to 152).
std::string MissingObjectMessage(ObjectType list, int id);
// The label of a list, as the form shows it.
std::string ObjectListLabel(ObjectType list);
// The Id member of `data` that a list chooses.
int& ChosenId(InputFormData& data, ObjectType list);

// A list without a choice (an empty list): a message naming it, so that no run is saved with an
// object that does not exist.
[[nodiscard]] std::optional<Problem> MissingChoiceProblem(const InputFormData& data);

// The shading the form shows: 100 % for an indoor pool, else the stored shading.
double ShownShading(const InputFormData& data);
// The shading put into the box when the user changes the pool type.
double ShadingForNewPoolType(PoolType poolType);

// The day kept when the user changes the month: the same day below 27 when the month has it, else
// the month's last day (365-day year).
int DayAfterMonthChange(int day, int month);
// The day shown when the form opens: the stored day, or the month's last day when the month is
// shorter (a stored season is shown as it is stored).
int DayAtOpen(int day, int month);

// The lists of the form as it opens, and the entry each shows.
struct FormChoices {
    std::array<ChoiceList, kObjectTypeCount> lists;
    std::array<int, kObjectTypeCount> positions{};  // -1 for an empty list
    std::vector<std::string> cities;                // sorted
    int cityPosition = 0;                           // in `cities`; 0 when it is empty
};

// Reads the choice lists and chooses each entry: the stored object of an opened or copied run
// (entry 0 after message 147 to 152 when its list lacks it), else the first entry, or the last
// client or installer when the wizard has just added it; the run's city (the first one, after
// message 153, when no weather file has it), the first city for a new run. The chosen Ids and
// city are written into `data`, so that a new run is stored whole when its form opens.
FormChoices OpenFormChoices(InputFormData& data);

// The number boxes in the order they are checked: the plain ones, then the ones with units.
enum class InputField {
    Shading,
    NumberOfColl,
    NumberOfBanks,
    Slope,
    AreaPerColl,
    TotalFlow,
    PoolArea
};
inline constexpr int kInputFieldCount = 7;
using InputFieldTexts = std::array<std::string, kInputFieldCount>;

struct FieldProblem {
    InputField field;
    std::string message;
};

// The text of a box from the SI value of `data`, in the units it shows.
std::string InputFieldText(InputField field, const InputFormData& data);
// The unit label of a box in the units shown; empty for a box without units.
std::string InputFieldUnit(InputField field, UnitSystem units);

// Which boxes the user has typed into since they were last shown or read.
using InputFieldFlags = std::array<bool, kInputFieldCount>;

// Leaving a box the user typed into: its text, when it is a number (a whole one for the number
// of banks), becomes the member, converted to SI, and its flag is cleared; otherwise nothing
// changes. A box that was only looked at is never read, so its member stays as stored.
void ReadEditedField(InputField field, const std::string& text, InputFieldFlags& changed,
                     InputFormData& data);

// Done and Run: every box in order, each typed-into one read as above; the first box that holds
// no number (170) or no whole number (171), or whose member lies outside its range (177), stops
// and is named. The range is checked in SI; the message gives its bounds rounded inwards to the
// decimals the box shows, in the units shown, so that a value within them is always taken.
[[nodiscard]] std::optional<FieldProblem> ReadAndCheckFields(const InputFieldTexts& texts,
                                                             InputFieldFlags& changed,
                                                             InputFormData& data);
