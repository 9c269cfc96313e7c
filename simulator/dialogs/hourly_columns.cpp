#include "hourly_columns.h"

#include "helpers.h"
#include "result_columns.h"
#include "text_output.h"

namespace {

constexpr HourlyColumnText kColumns[] = {
    {3, "[J]", "Passive Gain", "Gains passifs"},
    {4, "[J]", "Active Gain", "Gains actifs"},
    {5, "[J]", "Auxiliary Gain", "Gains d'appoint"},
    {6, "[J]", "Total Gain", "Total gains"},
    {7, "[J]", "Evaporative Losses", "Pertes par évaporation"},
    {8, "[J]", "Convective Losses", "Pertes par convection"},
    {9, "[J]", "Conductive Losses", "Pertes par conduction"},
    {10, "[J]", "Radiative Losses", "Pertes radiatives"},
    {11, "[J]", "Side Losses", "Pertes par les côtés"},
    {12, "[J]", "Spill and Makeup Losses", "Pertes dues aux fuites"},
    {13, "[J]", "Total Losses", "Total pertes"},
    {14, "[J]", "Residual Energy Gain", "Gain d'énergie résiduel"},
    {15, "[J]", "Available Solar Energy", "Énergie solaire disponible"},
    {16, "[J]", "Solar Energy Collected", "Énergie solaire captée"},
    {17, "[J]", "Energy Lost through Piping", "Pertes d'énergie dans les canalisations"},
    {18, "[J]", "Energy Gain from Pumps", "Gains d'énergie dus aux pompes"},
    {19, "[W/m2]", "Global Horizontal Irradiance", "Irradiation globale horizontale"},
    {20, "[C]", "Ambient Dry Bulb Temperature", "Température ambiante au thermomètre sec"},
    {21, "[0-1]", "Ambient Relative Humidity", "Humidité relative ambiante"},
    {22, "[m/s]", "Ambient Wind Speed", "Vitesse du vent ambiante"},
    {23, "[W/m2]", "Pool Direct Horizontal Irradiance",
     "Irradiation directe horizontale sur la piscine"},
    {24, "[W/m2]", "Pool Diffuse Horizontal Irradiance",
     "Irradiation diffuse horizontale sur la piscine"},
    {25, "[C]", "Pool Dry Bulb Temperature", "Tempér. au therm. sec à l'intérieur de la piscine"},
    {26, "[0-1]", "Pool Relative Humidity", "Humidité relative à l'intérieur de la piscine"},
    {27, "[m/s]", "Pool Wind Speed", "Vitesse du vent à l'intérieur de la piscine"},
    {28, "[C]", "Sky Temperature", "Température du ciel"},
    {29, "[0-2]", "Activity Level in Pool", "Niveau d'activité dans la piscine"},
    {30, "[0/1]", "Blanket On", "Couverture en place"},
    {31, "[0/1]", "Collector On", "Capteurs en marche"},
    {32, "[0/1]", "Auxiliary Heater On", "Chauffage d'appoint en marche"},
    {33, "[C]", "Collector Inlet Temperature", "Température d'entrée des capteurs"},
    {34, "[C]", "Collector Outlet/Plate Temperature",
     "Température de sortie ou de plaque des capteurs"},
    {35, "[kg/s]", "Collector Flow Rate", "Débit des capteurs"},
    {36, "[C]", "Inlet Pipe Input Temperature",
     "Température d'entrée de la canalisation d'admission"},
    {37, "[C]", "Outlet Pipe Output Temperature",
     "Température de sortie de la canalisation de sortie"},
    {38, "[C]", "Temperature of Soil around Pipes", "Température du sol autour des canalisations"},
    {39, "[C]", "Exch. Temperature Out, Cold Side",
     "Température de sortie de l'échangeur, côté froid"},
    {40, "[C]", "Exch. Temperature Out, Hot Side",
     "Température de sortie de l'échangeur, côté chaud"},
    {41, "[kg/s]", "Exch. Flow Rate", "Débit dans l'échangeur"},
    {42, "[C]", "Pool Temperature", "Température de la piscine"},
    {43, "[C]", "Mains Temperature", "Température de l'eau d'approvisionnement"},
    {44, "[kg/s]", "Makeup Water", "Eau de remplacement"},
    {45, "[C]", "Soil Temperature around Pool", "Température du sol autour de la piscine"},
};

constexpr int kFirstChoosable = kHourlyAlwaysWritten;

// Widths of the fields of a column line, in characters.
constexpr std::size_t kEnglishDescriptionWidth = 38;
constexpr std::size_t kFrenchDescriptionWidth = 53;
constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kUnitWidth = 6;

}  // namespace

std::span<const HourlyColumnText> ChoosableHourlyColumns() {
    return kColumns;
}

const char* HourlyColumnName(int column) {
    return column >= 0 && column < kHourlyColumnCount ? kHourlyColumnNames[column] : "";
}

const HourlyColumnText* FindHourlyColumnText(int column) {
    const int i = column - kFirstChoosable;
    if (i < 0 || i >= static_cast<int>(std::size(kColumns))) return nullptr;
    return &kColumns[i];
}

CHlyPrintDlg::CHlyPrintDlg(int templateId, int firstColumn, int count, const char* englishTitle,
                           const char* frenchTitle, bool blankAfterTitle)
    : flags(count, 0),
      templateId_(templateId),
      firstColumn_(firstColumn),
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

void CHlyPrintDlg::PrintSummary(std::ostream& out, int language) const {
    const bool fr = language == kFrench;
    Print(out, "%s", fr ? frenchTitle_ : englishTitle_);
    if (blankAfterTitle_) Print(out, "\n");
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const HourlyColumnText* column = FindHourlyColumnText(firstColumn_ + static_cast<int>(i));
        if (!column) continue;
        const std::string name = std::string("\"") + HourlyColumnName(column->column) + "\"";
        const std::string description =
            PadRight(fr ? column->french : column->english,
                     fr ? kFrenchDescriptionWidth : kEnglishDescriptionWidth);
        Print(out, "%s%s%s: %c\n", description.c_str(), PadRight(name, kNameWidth).c_str(),
              PadRight(column->unit, kUnitWidth).c_str(), SwitchMark(flags[i]));
    }
    Print(out, "\n");
}

CHlyPrintEnergiesDlg::CHlyPrintEnergiesDlg()
    : CHlyPrintDlg(135, 3, 16, "HOURLY PRINTOUTS: ENERGIES\n", "IMPRESSIONS HORAIRES: ÉNERGIES\n",
                   false) {}

CHlyPrintWeatherDlg::CHlyPrintWeatherDlg()
    : CHlyPrintDlg(131, 19, 10, "HOURLY PRINTOUTS: WEATHER\n", "IMPRESSIONS HORAIRES: CLIMAT\n",
                   true) {}

CHlyPrintControlsDlg::CHlyPrintControlsDlg()
    : CHlyPrintDlg(132, 29, 4, "HOURLY PRINTOUTS: CONTROLS\n", "IMPRESSIONS HORAIRES: CONTROLES\n",
                   false) {}

CHlyPrintCollectorDlg::CHlyPrintCollectorDlg()
    : CHlyPrintDlg(134, 33, 9, "HOURLY PRINTOUTS: COLLECTORS/PIPES/HEAT EXCHANGER\n",
                   "IMPRESSIONS HORAIRES: CAPTEURS/CANALISATIONS/ÉCHANGEUR DE CHALEUR\n", false) {}

CHlyPrintPoolDlg::CHlyPrintPoolDlg()
    : CHlyPrintDlg(133, 42, 4, "HOURLY PRINTOUTS: POOL\n", "IMPRESSIONS HORAIRES: PISCINE\n",
                   false) {}
