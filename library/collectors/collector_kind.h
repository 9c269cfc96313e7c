// The kinds of solar collector, numbered as the project file, the batch input file and the front
// end's Collectors table store them.
#pragma once

enum class CollectorKind : int { Glazed = 0, Unglazed = 1 };

// The kind a stored number stands for where any number is taken: 0 glazed, any other unglazed.
constexpr CollectorKind StoredCollectorKind(int number) {
    return number == 0 ? CollectorKind::Glazed : CollectorKind::Unglazed;
}
