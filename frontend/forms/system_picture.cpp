#include "system_picture.h"

#include "record_sets.h"

namespace {

// The pictures come in groups of four per heater: none, a fuel heater, a heat pump.
int HeaterGroup(std::optional<HeaterKind> heater) {
    return heater ? 1 + static_cast<int>(*heater) : 0;
}

}  // namespace

int SystemPictureNumber(int collectorIndex, std::optional<HeaterKind> heater, int blanketIndex) {
    // The four pictures of one heater group, as PartsOfSystemPicture reads them.
    return kFirstSystemPicture + 4 * HeaterGroup(heater) + (collectorIndex == 0 ? 0 : 2) +
           (blanketIndex == 0 ? 0 : 1);
}

SystemPictureParts PartsOfSystemPicture(int number) {
    // The four pictures of one heater group: without collectors and blanket first.
    const int offset = number - kFirstSystemPicture;
    const int group = offset / 4;
    const std::optional<HeaterKind> heater =
        group == 0 ? std::nullopt : std::optional(static_cast<HeaterKind>(group - 1));
    return {offset % 4 >= 2, heater, offset % 2 == 1};
}

std::optional<HeaterKind> HeaterKindOf(int heaterId) {
    CHeatersSet heater;
    if (!SelectById(heater, ObjectIdColumn(heater.Type()), heaterId)) return std::nullopt;
    return heater.Kind();
}
