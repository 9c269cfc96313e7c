// What the input windows' tests share: the input window expected next and its fields worked,
// and a fixture with a filled project on a weather file and an alternate file of its folder.
#pragma once

#include <wx/testing.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <sstream>

#include "collector_dialogs.h"
#include "command_ids.h"
#include "dialog_layouts.h"
#include "dialog_windows.h"
#include "help_book_text.h"
#include "input_commands.h"
#include "main_frame.h"
#include "pool_dialogs.h"
#include "program_folders.h"
#include "program_language.h"
#include "setup_dialogs.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "test_support.h"
#include "tidewarm_app.h"
#include "weather_files.h"
#include "window_test_support.h"
#include "wx_translations.h"

// The input window expected next: `act` works it and says how it ends (wxID_OK, wxID_CANCEL).
class ExpectInputWindow : public wxExpectModalBase<CInputWindow, ExpectInputWindow> {
  public:
    explicit ExpectInputWindow(std::function<int(CInputWindow&)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(CInputWindow* window) const override { return act_(*window); }

  private:
    std::function<int(CInputWindow&)> act_;
};

// OK as its button does it: accepted, or the test fails.
inline int PressOK(CInputWindow& window) {
    EXPECT_TRUE(window.Accept()) << window.GetTitle();
    return wxID_OK;
}

inline void SetText(CInputWindow& window, int id, const std::string& text) {
    auto* edit = dynamic_cast<wxTextCtrl*>(window.FindWindow(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->ChangeValue(wxString::FromUTF8(text));
}

inline wxString TextOf(CInputWindow& window, int id) {
    wxWindow* control = window.FindWindow(id);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) return edit->GetValue();
    return control != nullptr ? control->GetLabel() : wxString("(none)");
}

inline void Choose(CInputWindow& window, int id, int index) {
    wxWindow* control = window.FindWindow(id);
    if (auto* list = dynamic_cast<wxChoice*>(control)) list->SetSelection(index);
    if (auto* check = dynamic_cast<wxCheckBox*>(control)) check->SetValue(index != 0);
    if (auto* radio = dynamic_cast<wxRadioButton*>(control)) radio->SetValue(true);
    window.ControlChanged(id);
}

inline bool Enabled(CInputWindow& window, int id) {
    return window.FindWindow(id)->IsEnabled();
}

inline bool Editable(CInputWindow& window, int id) {
    return dynamic_cast<wxTextCtrl*>(window.FindWindow(id))->IsEditable();
}

// A project with every switch on, on a weather file and an alternate file of the folder.
class InputWindows : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(synthetic::WriteZefirFile(Path("weather.zfw"), synthetic::WeatherYear{}));
        std::ofstream(Path("alternate.txt")) << "Month Day Hour TAmb\n1 1 1 10\n";
        project_.WeatherSource = kWeatherBinary;
        project_.binaryWeatherReader.SetFileName(Path("weather.zfw").c_str());
        project_.sun.SetParameters(45.5 * std::numbers::pi / 180, 1, 1.29, 1.31);
        project_.alternateReader.SetFile(Path("alternate.txt").c_str(), 0, 1023, ", \t");
        project_.UseSolar = project_.UseExchanger = project_.UseAuxHeater = 1;
        project_.UseAlternateInput = project_.HourlyOutput = project_.DoEconomics = 1;
        project_.UseWeekends = project_.SwimmableCriterion = 1;
        project_.StartDay = 172;
        project_.EndDay = 201;
        project_.NumDays = 30;
    }

    std::string Path(const char* name) const { return (folder_.path() / name).string(); }

    // The project's file, byte for byte.
    std::string Saved() {
        const std::string path = Path("saved.tdw");
        EXPECT_EQ(SaveProjectFile(project_, path), 0);
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Runs input command `id` with its window worked by `act`; true on OK.
    bool Run(int id, std::function<int(CInputWindow&)> act) {
        const InputCommand* command = FindInputCommand(id);
        EXPECT_NE(command, nullptr);
        bool ok = false;
        wxTEST_DIALOG(ok = command->run(project_, &TheApp().MainFrame()),
                      ExpectInputWindow(std::move(act)));
        return ok;
    }

    test::ScopedTempDir folder_;
    CTidewarmDoc project_;
};

inline std::vector<int> AllInputCommands() {
    std::vector<int> ids;
    for (auto commands : {SystemCommands(), HourlyOutputCommands()})
        for (const InputCommand& command : commands) ids.push_back(command.id);
    return ids;
}
