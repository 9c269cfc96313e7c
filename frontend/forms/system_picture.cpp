#include "system_picture.h"

#include "record_sets.h"

int SystemPictureNumber(int collectorIndex, int heaterIndex, int heaterType, int blanketIndex) {
    const int k = heaterIndex == 0 ? 0 : (heaterType == 0 ? 1 : 2);
    // The four pictures of one heater kind, as PartsOfSystemPicture reads them.
    return kFirstSystemPicture + 4 * k + (collectorIndex == 0 ? 0 : 2) +
           (blanketIndex == 0 ? 0 : 1);
}

SystemPictureParts PartsOfSystemPicture(int number) {
    // The four pictures of one heater kind: without collectors and blanket first.
    const int offset = number - kFirstSystemPicture;
    return {offset % 4 >= 2, static_cast<PictureHeater>(offset / 4), offset % 2 == 1};
}

int HeaterTypeOf(int heaterId) {
    CHeatersSet heater;
    heater.m_strFilter = "[HeaterId] = ?";
    heater.m_filterValues = {std::int64_t{heaterId}};
    heater.Open();
    return heater.IsEOF() ? 0 : heater.m_Type;
}
