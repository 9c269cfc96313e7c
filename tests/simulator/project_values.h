// A project whose every stored value differs from the defaults, and a comparison of two
// documents' stored values.
#pragma once

#include "document.h"

namespace test {

void FillProject(CTidewarmDoc& doc);
// Every value the project file stores is the same in both (angles within 1e-12 rad).
void ExpectSameProject(const CTidewarmDoc& expected, const CTidewarmDoc& actual);

}  // namespace test
