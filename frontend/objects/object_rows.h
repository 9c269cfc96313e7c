// The rows of the six object tables as the list managers use them: the two views, one row
// chosen by its Id, its state changes, and its values read and written as ObjectData.
//
// Rules: built-in rows (Editable 0) are never listed and never changed here; a deactivated row
// (Active 0) can be activated again; a removed row (Active 2) is renamed "Unknown" and stays in
// its table, so that the runs that use it still find it, but it is listed in neither view and
// cannot be brought back. Database failures are thrown as SQLite::Exception.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "object_data.h"
#include "record_sets.h"

enum class ObjectView { Active, Inactive };

// A record set of the table of `type`, opened on the whole table.
std::unique_ptr<CTidewarmSet> OpenObjectSet(ObjectType type);

// "Editable = 1 AND Active = 1" or "... AND Active = 0".
std::string ObjectViewFilter(ObjectView view);

struct ListedObject {
    int id = 0;
    std::string name;
};
// The rows of `view`, in table order; the set keeps the view's filter.
std::vector<ListedObject> ListObjects(CTidewarmSet& set, ObjectView view);

// Makes `set` hold exactly the user's row `id`; false (and the set holds nothing) when there is
// no such row or it is built in.
[[nodiscard]] bool SelectObject(CTidewarmSet& set, int id);

// State changes of the user's row `id`; false when it cannot take them (missing, built in, or
// removed).
[[nodiscard]] bool ActivateObject(CTidewarmSet& set, int id);
[[nodiscard]] bool DeactivateObject(CTidewarmSet& set, int id);
[[nodiscard]] bool RemoveObject(CTidewarmSet& set, int id);

// The values of the set's current row.
ObjectData ReadObject(CTidewarmSet& set);
// Writes `data` over the user's row `id`; false when it is not there or built in.
[[nodiscard]] bool SaveObject(CTidewarmSet& set, int id, const ObjectData& data);
// Adds an active user row holding `data`; its new Id.
[[nodiscard]] int AddObject(CTidewarmSet& set, const ObjectData& data);
