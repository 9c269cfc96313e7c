// The input windows worked by real input, as a user works them: the pointer clicks the buttons,
// the keyboard answers the message boxes.
#include <filesystem>
#include <string>

#include "input_windows_support.h"
#include "project_document.h"

namespace fs = std::filesystem;
using gui_test::ExpectMessage;

class RealInput : public InputWindows {
  protected:
    void SetUp() override {
        InputWindows::SetUp();
        // The start's splash would take the clicks meant for the windows under it.
        if (wxSplashScreen* splash = TheApp().Splash()) splash->Destroy();
        wxYield();
    }

    // Runs input command `id` while `script` works its window; true on OK.
    bool RunWorked(int id, gui_test::InputScript& script) {
        const InputCommand* command = FindInputCommand(id);
        EXPECT_NE(command, nullptr);
        bool ok = false;
        EXPECT_TRUE(script.RunWith([&] { ok = command->run(project_, &TheApp().MainFrame()); }))
            << id;
        return ok;
    }

    CInputWindow* Window() const { return watch_.Open<CInputWindow>(); }
    bool MessageOpen() const { return watch_.Open<FileNotFoundBox>() != nullptr; }
    void ClickButton(int id) const { gui_test::ClickOn(*Window()->FindWindow(id)); }
    // A key for the message box, which opens over the middle of the window it belongs to.
    void AnswerMessage(const char* key) const {
        const wxPoint middle = Window()->GetScreenRect().GetPosition() + Window()->GetSize() / 2;
        gui_test::RealInput("mousemove --sync " + std::to_string(middle.x) + " " +
                            std::to_string(middle.y) + " key " + key);
    }

    gui_test::ModalWatch watch_;
};

TEST_F(RealInput, WeatherFileThatDoesNotOpenIsAskedForOkAcceptsCancelKeeps) {
    using D = CWeatherDlg;
    const std::string missing = Path("moved.zfw");
    bool keptOpen = false;
    gui_test::InputScript script;
    script
        .Then([this] { return Window() != nullptr; },
              [&] { gui_test::TypeInto(*Window()->FindWindow(D::kFileName), missing); })
        .Then([] { return true; }, [this] { ClickButton(wxID_OK); })
        .Then([this] { return MessageOpen(); },
              [this] {
                  gui_test::Screenshot("weather-file-not-found");
                  AnswerMessage("Escape");
              })
        .Then([this] { return !MessageOpen() && Window() != nullptr; },
              [&] {
                  keptOpen = Window()->IsShown();
                  ClickButton(wxID_OK);
              })
        .Then([this] { return MessageOpen(); }, [this] { AnswerMessage("Return"); });
    EXPECT_TRUE(RunWorked(kCmdClimateData, script));
    EXPECT_TRUE(keptOpen) << "Cancel in the message closed the window";
    EXPECT_EQ(watch_.Opened<FileNotFoundBox>(), 2);
    EXPECT_STREQ(project_.binaryWeatherReader.GetFileName(), missing.c_str());
}

TEST_F(RealInput, WeekLengthZeroWithWeekendsOffIsAccepted) {
    project_.UseWeekends = 0;
    project_.WeekLength = 0;
    const std::string before = Saved();
    gui_test::InputScript script;
    script.Then([this] { return Window() != nullptr; },
                [this] {
                    EXPECT_FALSE(Window()->FindWindow(CPoolConfigDlg::kWeekLength)->IsEnabled());
                    ClickButton(wxID_OK);
                });
    EXPECT_TRUE(RunWorked(kCmdConfigure, script));
    EXPECT_EQ(watch_.Opened<wxMessageDialog>(), 0);
    EXPECT_EQ(Saved(), before);
}

TEST_F(RealInput, UnchangedOkOfEveryDialogKeepsTheSavedProjectWhileShowingShortNumbers) {
    // Values as a computation leaves them, fifteen digits and more.
    project_.pool.SetDesignParameters(73.9115555718762, 100, 0, 0.9, 0.5, 5, 1.25, 5e-7, 1, 0.15);
    project_.collectorPump.SetParameters(0.219770537634409, 10, 0.5);
    project_.sun.SetParameters(0.7941269643848718, 1, 1.2915436464758039, 1.3089969389957472);
    project_.IndoorRelHum = 0.5743;
    const std::string before = Saved();
    std::map<int, wxString> shown;
    for (int id : AllInputCommands()) {
        gui_test::InputScript script;
        script.Then(
            [this] { return Window() != nullptr; },
            [&] {
                for (int control : std::initializer_list<int>{
                         CPoolDesignDlg::kVolume, CCollectorUseDlg::kPumpFlow,
                         CWeatherDlg::kLatitude, CPoolDesignDlg::kIndoorRelHum})
                    if (auto* edit = dynamic_cast<wxTextCtrl*>(Window()->FindWindow(control)))
                        shown[Window()->GetId() * 10000 + control] = edit->GetValue();
                ClickButton(wxID_OK);
            });
        EXPECT_TRUE(RunWorked(id, script)) << id;
        EXPECT_EQ(Saved(), before) << "OK changed the project in command " << id;
    }
    EXPECT_EQ(watch_.Opened<wxMessageDialog>(), 0);
    EXPECT_EQ(shown[CPoolDesignDlg::kTemplate * 10000 + CPoolDesignDlg::kVolume], "73.9116");
    EXPECT_EQ(shown[CCollectorUseDlg::kTemplate * 10000 + CCollectorUseDlg::kPumpFlow], "0.219771");
    EXPECT_EQ(shown[CWeatherDlg::kTemplate * 10000 + CWeatherDlg::kLatitude], "45.5001");
    EXPECT_EQ(shown[CPoolDesignDlg::kTemplate * 10000 + CPoolDesignDlg::kIndoorRelHum], "57.43");
}

// A ZEFIR file is read in standard time: the window shows the format's rule from its opening,
// and OK stores the time base it shows.
TEST_F(RealInput, AZefirTemplateOpensInStandardTimeAndOkStoresIt) {
    using D = CWeatherDlg;
    const fs::path copy = folder_.path() / "pool.tpl";
    fs::copy_file(fs::path(g_strProgramFolder) / "resingr.tpl", copy);
    auto* document = wxDynamicCast(
        TheApp().DocManager().CreateDocument(copy.string(), wxDOC_SILENT), CProjectDocument);
    ASSERT_NE(document, nullptr);
    CTidewarmDoc& project = document->Project();
    ASSERT_EQ(project.WeatherSource, kWeatherBinary);
    double latitude = 0, longitude = 0, meridian = 0;
    int clockTime = -1;
    project.sun.GetParameters(latitude, clockTime, longitude, meridian);
    ASSERT_EQ(clockTime, 0) << "the template holds solar time";

    const auto checked = [this](int id) {
        return static_cast<wxRadioButton*>(Window()->FindWindow(id))->GetValue();
    };
    bool standardShown = false, solarShown = true, meridianEnabled = false;
    gui_test::InputScript script;
    script
        .Then([this] { return Window() != nullptr; },
              [&] {
                  standardShown = checked(D::kStandardTime) && Enabled(*Window(), D::kStandardTime);
                  solarShown = checked(D::kSolarTime) || Enabled(*Window(), D::kSolarTime);
                  meridianEnabled = Enabled(*Window(), D::kMeridianLongitude);
                  gui_test::Screenshot("weather-zefir");
                  ClickButton(wxID_OK);
              })
        // The template's weather file is not beside the copy: accepted all the same.
        .Then([this] { return MessageOpen() || Window() == nullptr; },
              [this] {
                  if (MessageOpen()) AnswerMessage("Return");
              });
    EXPECT_TRUE(script.RunWith([&] {
        gui_test::SendCommand(*wxStaticCast(document->GetFirstView()->GetFrame(), wxFrame),
                              kCmdClimateData);
    }));
    EXPECT_TRUE(standardShown);
    EXPECT_FALSE(solarShown);
    EXPECT_TRUE(meridianEnabled);
    project.sun.GetParameters(latitude, clockTime, longitude, meridian);
    EXPECT_EQ(clockTime, 1);
    EXPECT_TRUE(document->IsModified());
    document->Modify(false);
    TheApp().DocManager().CloseDocument(document, true);
    wxYield();
}
