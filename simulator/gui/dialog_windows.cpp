#include "dialog_windows.h"

#include <memory>
#include <optional>

#include "collector_dialogs.h"
#include "dialog_layouts.h"
#include "dialog_rows.h"
#include "input_commands.h"
#include "pool_dialogs.h"
#include "setup_dialogs.h"
#include "simulator_strings.h"
#include "user_interface.h"
#include "wx_text.h"
#include "wx_translations.h"

namespace {

template <class Dialog>
Dialog& DialogOf(CInputWindow& window) {
    return dynamic_cast<Dialog&>(window.Dialog());
}

// A whole number typed in an edit, whatever its range; nothing when the text is none.
std::optional<int> WholeNumberIn(CInputWindow& window, int id) {
    int value = 0;
    const std::optional<std::string> text = window.TextIn(id);
    if (!text || !StoreFieldText(IntField(id, &value), *text)) return std::nullopt;
    return value;
}

int SelectionOf(CInputWindow& window, int id) {
    return static_cast<wxChoice*>(window.FindWindow(id))->GetSelection();
}

void SelectEntry(CInputWindow& window, int id, int index) {
    static_cast<wxChoice*>(window.FindWindow(id))->SetSelection(index);
}

// Runs the editor of a profile over its owner's window; true on OK.
template <class Editor>
bool RunEditor(CInputWindow& owner, Editor& editor) {
    std::unique_ptr<CInputWindow> window = MakeInputWindow(&owner, editor);
    return RunInputWindow(*window);
}

// Asks for a file to open, from the folder of the file named now; the path chosen, or nothing.
std::optional<std::string> ChooseFile(wxWindow* parent, int filterId,
                                      const std::string& initialName,
                                      const std::string& currentFile) {
    wxFileDialog chooser(parent, ChooseFileTitle(), ToWx(BrowseFolderOf(currentFile)),
                         ToWx(initialName), WildcardOf(LoadResString(filterId)),
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return std::nullopt;
    return FromWx(chooser.GetPath());
}

// ---------------------------------------------------------------------------------------------
// Weather and alternate input files

// Reads the location from the file named; the values it gives (or their clearing) are shown.
void UpdateWeather(CInputWindow& window) {
    auto& weather = DialogOf<CWeatherDlg>(window);
    window.TakeField(CWeatherDlg::kFileName);
    if (!weather.Update()) FileNotFoundBox(window, wxOK).ShowModal();
    for (int id : {CWeatherDlg::kCityName, CWeatherDlg::kLatitude, CWeatherDlg::kStationLongitude,
                   CWeatherDlg::kMeridianLongitude})
        window.ShowField(id);
}

// At open, the rule of the format shown, as a click on its button applies it: a TMY file is read
// in solar time, a ZEFIR file in standard time. The time base's rule follows with the others.
void ApplyWeatherFormatRule(CInputWindow& window) {
    auto& weather = DialogOf<CWeatherDlg>(window);
    weather.SelectFormat(weather.format);
    window.ShowField(CWeatherDlg::kSolarTime);
}

bool WeatherChanged(CInputWindow& window, int id) {
    using D = CWeatherDlg;
    auto& weather = DialogOf<D>(window);
    switch (id) {
        case D::kFormatTmy:
        case D::kFormatAscii:
        case D::kFormatZefir:
            weather.SelectFormat(id - D::kFormatTmy);
            window.ShowField(D::kSolarTime);
            return true;
        case D::kSolarTime:
        case D::kStandardTime:
            weather.SelectTimeBase(id - D::kSolarTime);
            return true;
        case D::kBrowse: {
            const D::BrowseChoice choice = weather.Browse();
            const std::optional<std::string> path =
                ChooseFile(&window, choice.filterId, choice.initialName, weather.fileName);
            if (!path) return true;
            weather.fileName = *path;
            window.ShowField(D::kFileName);
            if (weather.format != D::kDelimitedAscii) UpdateWeather(window);
            return true;
        }
        case D::kUpdate:
            UpdateWeather(window);
            return true;
        default:
            return false;
    }
}

// A weather or alternate file that does not open never blocks OK: the message asks, OK accepts
// the file all the same (it may be put in place later), Cancel goes back to its name.
bool AcceptedUnopened(CInputWindow& window, bool opens, int fileNameId) {
    if (opens) return true;
    if (FileNotFoundBox(window, wxOK | wxCANCEL).ShowModal() == wxID_OK) return true;
    window.SelectControl(fileNameId);
    return false;
}

bool WeatherAccepted(CInputWindow& window) {
    return AcceptedUnopened(window, DialogOf<CWeatherDlg>(window).FileOpens(),
                            CWeatherDlg::kFileName);
}

bool AlternateChanged(CInputWindow& window, int id) {
    if (id != CAlternateDlg::kBrowse) return false;
    auto& alternate = DialogOf<CAlternateDlg>(window);
    if (const std::optional<std::string> path =
            ChooseFile(&window, kStrAlternateFilter, "*.*", alternate.fileName)) {
        alternate.fileName = *path;
        window.ShowField(CAlternateDlg::kFileName);
    }
    return true;
}

bool AlternateAccepted(CInputWindow& window) {
    return AcceptedUnopened(window, DialogOf<CAlternateDlg>(window).FileOpens(),
                            CAlternateDlg::kFileName);
}

// ---------------------------------------------------------------------------------------------
// Dates

void ShowSimulationPeriod(CInputWindow& window) {
    using D = CSimulationDlg;
    const auto& period = DialogOf<D>(window);
    SelectEntry(window, D::kStartMonth, period.startMonth - 1);
    SelectEntry(window, D::kEndMonth, period.endMonth - 1);
    for (int id : {D::kStartDay, D::kEndDay, D::kNumDays}) window.ShowField(id);
}

bool SimulationChanged(CInputWindow& window, int id) {
    using D = CSimulationDlg;
    auto& period = DialogOf<D>(window);
    const std::optional<int> number = WholeNumberIn(window, id);
    switch (id) {
        case D::kStartMonth:
            period.startDayOfMonth = WholeNumberIn(window, D::kStartDay).value_or(1);
            period.OnStartMonthChange(SelectionOf(window, id));
            break;
        case D::kEndMonth:
            period.endDayOfMonth = WholeNumberIn(window, D::kEndDay).value_or(1);
            period.OnEndMonthChange(SelectionOf(window, id));
            break;
        case D::kStartDay:
            period.startDayOfMonth = number.value_or(1);
            period.OnStartDayChange();
            break;
        case D::kEndDay:
            period.endDayOfMonth = number.value_or(1);
            period.OnEndDayChange();
            break;
        case D::kNumDays:
            // What cannot be read counts as no day, and becomes one.
            period.numDays = number.value_or(0);
            period.OnNumDaysChange();
            break;
        default:
            return false;
    }
    ShowSimulationPeriod(window);
    return true;
}

bool PoolUseChanged(CInputWindow& window, int id) {
    using D = CPoolUseDlg;
    auto& use = DialogOf<D>(window);
    switch (id) {
        case D::kStartMonth:
            use.startDay = WholeNumberIn(window, D::kStartDay).value_or(1);
            use.OnStartMonthChange(SelectionOf(window, id));
            window.ShowField(D::kStartDay);
            return true;
        case D::kEndMonth:
            use.endDay = WholeNumberIn(window, D::kEndDay).value_or(1);
            use.OnEndMonthChange(SelectionOf(window, id));
            window.ShowField(D::kEndDay);
            return true;
        case D::kWeekdayProfile: {
            CProfile24Edit editor = use.WeekdayEditor();
            if (RunEditor(window, editor)) use.AcceptWeekday(editor);
            return true;
        }
        case D::kWeekendProfile: {
            CProfile24Edit editor = use.WeekendEditor();
            if (RunEditor(window, editor)) use.AcceptWeekend(editor);
            return true;
        }
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Profiles and types

bool BlanketChanged(CInputWindow& window, int id) {
    using D = CBlanketDlg;
    auto& blanket = DialogOf<D>(window);
    if (id == D::kSeasonalProfile) {
        CProfile12Edit editor = blanket.SeasonalEditor();
        if (RunEditor(window, editor)) blanket.AcceptSeasonal(editor);
    } else if (id == D::kWeekdayProfile) {
        CProfile24Edit editor = blanket.WeekdayEditor();
        if (RunEditor(window, editor)) blanket.AcceptWeekday(editor);
    } else if (id == D::kWeekendProfile) {
        CProfile24Edit editor = blanket.WeekendEditor();
        if (RunEditor(window, editor)) blanket.AcceptWeekend(editor);
    } else {
        return false;
    }
    return true;
}

bool AuxHeaterChanged(CInputWindow& window, int id) {
    using D = CAuxHeaterDlg;
    auto& heater = DialogOf<D>(window);
    if (id == D::kSeasonalProfile) {
        CProfile12Edit editor = heater.SeasonalEditor();
        if (RunEditor(window, editor)) heater.AcceptSeasonal(editor);
        return true;
    }
    if (id != D::kHeaterType) return false;
    // What was typed for the present type is kept for it, then the new type's values shown.
    constexpr int kHeaterValues[] = {D::kSetPoint, D::kCapacity, D::kEfficiency};
    for (const int field : kHeaterValues) window.TakeField(field);
    if (heater.OnTypeChange(SelectionOf(window, id)))
        for (const int field : kHeaterValues) window.ShowField(field);
    return true;
}

// The equation and the units of both types shown once before the window takes its size, so that
// a change of type moves no box and cuts no unit.
void ReserveCollectorTypeTexts(CInputWindow& window) {
    CCollectorTestDlg shown = DialogOf<CCollectorTestDlg>(window);
    for (const int type : {kStrGlazed, kStrUnglazed}) {
        shown.collectorType = LoadResString(type);
        for (const ControlText& text : shown.ControlTexts())
            window.SetControlText(text.controlId, text.text);
    }
}

bool CollectorTestChanged(CInputWindow& window, int id) {
    auto& test = DialogOf<CCollectorTestDlg>(window);
    if (id != CCollectorTestDlg::kModifierTable) return false;
    CProfileDoubleEdit editor = test.ModifierEditor();
    if (RunEditor(window, editor)) test.AcceptModifiers(editor);
    return true;
}

WindowBehaviour BehaviourOf(int templateId) {
    switch (templateId) {
        case CWeatherDlg::kTemplate:
            return {ApplyWeatherFormatRule, WeatherChanged, WeatherAccepted};
        case CAlternateDlg::kTemplate:
            return {{}, AlternateChanged, AlternateAccepted};
        case CSimulationDlg::kTemplate:
            return {ShowSimulationPeriod, SimulationChanged, {}};
        case CPoolUseDlg::kTemplate:
            return {[](CInputWindow& window) {
                        const auto& use = DialogOf<CPoolUseDlg>(window);
                        SelectEntry(window, CPoolUseDlg::kStartMonth, use.startMonth - 1);
                        SelectEntry(window, CPoolUseDlg::kEndMonth, use.endMonth - 1);
                    },
                    PoolUseChanged,
                    {}};
        case CBlanketDlg::kTemplate:
            return {{}, BlanketChanged, {}};
        case CAuxHeaterDlg::kTemplate:
            return {{}, AuxHeaterChanged, {}};
        case CCollectorTestDlg::kTemplate:
            return {ReserveCollectorTypeTexts, CollectorTestChanged, {}};
        default:
            return {};
    }
}

DialogLayout LayoutOf(InputDialog& dialog) {
    if (std::optional<DialogLayout> layout = InputDialogLayout(dialog.TemplateId())) return *layout;
    if (auto* hourly = dynamic_cast<CHlyPrintDlg*>(&dialog)) return HourlyOutputLayout(*hourly);
    if (dynamic_cast<CProfileDoubleEdit*>(&dialog) != nullptr) return ProfileDoubleLayout();
    if (dynamic_cast<CProfile12Edit*>(&dialog) != nullptr) return ProfileLayout(12);
    return ProfileLayout(24);
}

bool RunWindowOf(wxWindow* parent, InputDialog& dialog) {
    std::unique_ptr<CInputWindow> window = MakeInputWindow(parent, dialog);
    return RunInputWindow(*window);
}

}  // namespace

FileNotFoundBox::FileNotFoundBox(wxWindow& parent, long buttons)
    : wxDialog(&parent, wxID_ANY, wxTheApp->GetAppDisplayName()) {
    auto* message = new wxBoxSizer(wxHORIZONTAL);
    message->Add(
        new wxStaticBitmap(this, wxID_ANY,
                           wxArtProvider::GetBitmapBundle(wxART_WARNING, wxART_MESSAGE_BOX)),
        wxSizerFlags().CentreVertical().Border(wxRIGHT, FromDIP(12)));
    message->Add(new wxStaticText(this, wxID_ANY, ResText(kStrFileNotFound)),
                 wxSizerFlags().CentreVertical());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(message, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(12)));
    sizer->Add(CreateStdDialogButtonSizer(buttons),
               wxSizerFlags().Expand().Border(wxALL, FromDIP(8)));
    SetSizerAndFit(sizer);
    MakeRoomForTitle(*this);
    CentreOnParent();
}

std::unique_ptr<CInputWindow> MakeInputWindow(wxWindow* parent, InputDialog& dialog) {
    return std::make_unique<CInputWindow>(parent, dialog, LayoutOf(dialog),
                                          BehaviourOf(dialog.TemplateId()));
}

void RegisterInputWindows() {
    for (int templateId :
         {CPoolConfigDlg::kTemplate, CWeatherDlg::kTemplate, CAlternateDlg::kTemplate,
          CSimulationDlg::kTemplate, CCollectorTestDlg::kTemplate, CCollectorUseDlg::kTemplate,
          CPipesDlg::kTemplate, CHeatExchangerDlg::kTemplate, CPoolDesignDlg::kTemplate,
          CPoolUseDlg::kTemplate, CBlanketDlg::kTemplate, CAuxHeaterDlg::kTemplate,
          CEconomicsDlg::kTemplate, CHlyPrintEnergiesDlg().TemplateId(),
          CHlyPrintWeatherDlg().TemplateId(), CHlyPrintControlsDlg().TemplateId(),
          CHlyPrintCollectorDlg().TemplateId(), CHlyPrintPoolDlg().TemplateId()})
        SetInputWindow(templateId, RunWindowOf);
}

wxString WildcardOf(const std::string& filter) {
    // "Name | pattern | Name | pattern ||": blanks around the bars are not part of either.
    wxArrayString parts = wxSplit(ToWx(filter), '|', '\0');
    wxString wildcard;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const wxString name = parts[i].Strip(wxString::both);
        wxString pattern = parts[i + 1].Strip(wxString::both);
        if (name.empty() || pattern.empty()) break;
        if (pattern == "*.*") {
            pattern = "*";
        } else {
            // GTK matches patterns letter case and all: each letter becomes [xX].
            wxString anyCase;
            for (wxUniChar c : pattern) {
                const wxString lower = wxString(c).Lower(), upper = wxString(c).Upper();
                anyCase += lower == upper ? lower : "[" + lower + upper + "]";
            }
            pattern = anyCase;
        }
        if (!wildcard.empty()) wildcard += "|";
        wildcard += name + "|" + pattern;
    }
    return wildcard;
}
