#include "hourly_columns.h"

#include "helpers.h"
#include "text_output.h"

namespace {

// Widths of the fields of a column line, in characters.
constexpr std::size_t kEnglishDescriptionWidth = 38;
constexpr std::size_t kFrenchDescriptionWidth = 53;
constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kUnitWidth = 6;

}  // namespace

CHlyPrintDlg::CHlyPrintDlg(int templateId, HourlySelection selection, const char* englishTitle,
                           const char* frenchTitle, bool blankAfterTitle)
    : flags(static_cast<std::size_t>(HourlySelectionRange(selection).count), 0),
      templateId_(templateId),
      firstColumn_(HourlySelectionRange(selection).first),
      englishTitle_(englishTitle),
      frenchTitle_(frenchTitle),
      blankAfterTitle_(blankAfterTitle) {}

std::vector<DialogField> CHlyPrintDlg::Fields() {
    std::vector<DialogField> fields;
    for (std::size_t i = 0; i < flags.size(); ++i)
        fields.push_back(CheckField(kFirstCheckBox + static_cast<int>(i), &flags[i]));
    return fields;
}

void CHlyPrintDlg::TakeFlags(const int* columnFlags) {
    for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = columnFlags[firstColumn_ + i];
}

void CHlyPrintDlg::GiveFlags(int* columnFlags) const {
    for (std::size_t i = 0; i < flags.size(); ++i) columnFlags[firstColumn_ + i] = flags[i];
}

void CHlyPrintDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, "%s", fr ? frenchTitle_ : englishTitle_);
    if (blankAfterTitle_) Print(out, "\n");
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const HourlyColumnInfo& column = kHourlyColumns[firstColumn_ + i];
        const std::string name = std::string("\"") + column.name + "\"";
        const std::string description =
            PadRight(fr ? column.french : column.english,
                     fr ? kFrenchDescriptionWidth : kEnglishDescriptionWidth);
        Print(out, "%s%s%s: %c\n", description.c_str(), PadRight(name, kNameWidth).c_str(),
              PadRight(column.unit, kUnitWidth).c_str(), SwitchMark(flags[i]));
    }
    Print(out, "\n");
}

CHlyPrintEnergiesDlg::CHlyPrintEnergiesDlg()
    : CHlyPrintDlg(135, HourlySelection::kEnergies, "HOURLY PRINTOUTS: ENERGIES\n",
                   "IMPRESSIONS HORAIRES: ÉNERGIES\n", false) {}

CHlyPrintWeatherDlg::CHlyPrintWeatherDlg()
    : CHlyPrintDlg(131, HourlySelection::kWeather, "HOURLY PRINTOUTS: WEATHER\n",
                   "IMPRESSIONS HORAIRES: CLIMAT\n", true) {}

CHlyPrintControlsDlg::CHlyPrintControlsDlg()
    : CHlyPrintDlg(132, HourlySelection::kControls, "HOURLY PRINTOUTS: CONTROLS\n",
                   "IMPRESSIONS HORAIRES: CONTROLES\n", false) {}

CHlyPrintCollectorDlg::CHlyPrintCollectorDlg()
    : CHlyPrintDlg(134, HourlySelection::kCollectors,
                   "HOURLY PRINTOUTS: COLLECTORS/PIPES/HEAT EXCHANGER\n",
                   "IMPRESSIONS HORAIRES: CAPTEURS/CANALISATIONS/ÉCHANGEUR DE CHALEUR\n", false) {}

CHlyPrintPoolDlg::CHlyPrintPoolDlg()
    : CHlyPrintDlg(133, HourlySelection::kPool, "HOURLY PRINTOUTS: POOL\n",
                   "IMPRESSIONS HORAIRES: PISCINE\n", false) {}
