#include "month_masks.h"

int PackMonthFlags(const std::array<int, 12>& flags) {
    int mask = 0;
    for (int flag : flags) mask = mask * 2 + (flag == 1 ? 1 : 0);
    return mask;
}

std::array<int, 12> UnpackMonthFlags(int mask) {
    std::array<int, 12> flags{};
    for (int month = 11; month >= 0; --month) {
        flags[static_cast<std::size_t>(month)] = mask % 2 != 0 ? 1 : 0;
        mask /= 2;
    }
    return flags;
}
