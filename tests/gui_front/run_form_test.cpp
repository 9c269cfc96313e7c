// The input form and the economics dialog driven with the mouse and the keyboard, as a user
// drives them: a run opened and saved without an edit keeps every stored value, and so do its
// economics opened from the form and closed with OK; the economics dialog refuses a wrong value as
// its box is left and stores a down payment no larger than the initial costs.
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <cstring>

#include "database_maintenance.h"
#include "economics_dialog.h"
#include "front_test_support.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "input_form.h"
#include "new_run_wizard.h"
#include "record_sets.h"
#include "runs_list.h"
#include "welcome_window.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

using gui_test::PumpUntil;

// Shows `dialog` modally while `drive` gives it real input from inside its modal loop; a dialog
// that `drive` leaves open is ended after a while, so that a missed click fails and never hangs.
int RunModal(wxDialog& dialog, const std::function<void()>& drive) {
    wxTimer safety;
    safety.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ADD_FAILURE() << "the dialog was left open";
        dialog.EndModal(wxID_ABORT);
    });
    dialog.CallAfter([&] {
        safety.StartOnce(20000);
        PumpUntil([&] { return dialog.IsShownOnScreen(); });
        // Without a window manager the dialog has the keyboard only once it is raised.
        dialog.Raise();
        PumpUntil([] { return wxWindow::FindFocus() != nullptr; });
        drive();
    });
    return dialog.ShowModal();
}

void ClickOn(wxWindow& window) {
    wxUIActionSimulator input;
    const wxRect where = window.GetScreenRect();
    input.MouseMove(where.GetPosition() + wxSize(where.width / 2, where.height / 2));
    input.MouseClick();
    PumpUntil([] { return false; }, 200);
}

// Clicks into `box`, replaces its text with `text` as typed and leaves it with Tab.
void TypeInto(wxTextCtrl& box, const char* text) {
    ClickOn(box);
    wxUIActionSimulator keys;
    keys.Char('a', wxMOD_CONTROL);
    keys.Text(text);
    PumpUntil([&] { return box.GetValue() == text; }, 2000);
    keys.Char(WXK_TAB);
    PumpUntil([] { return false; }, 300);
}

// The name of a picture in the language of the program.
std::string Picture(const std::string& name) {
    return name + (g_nLanguage == Language::French ? "-fr" : "-en");
}

WelcomeWindow& Welcome() {
    auto* welcome = gui_test::FindTopLevel<WelcomeWindow>();
    EXPECT_NE(welcome, nullptr);
    return *welcome;
}

// The first entry of a list, after "none" for the equipment lists; a client and an installer
// are added when there are none.
int Choose(ObjectType list, std::size_t entry = 0) {
    ChoiceList choices = ReadChoiceList(list);
    if (choices.ids.empty() && (list == ObjectType::Client || list == ObjectType::Installer)) {
        StartNewRunWizard();
        g_bNewClient = g_bNewInstaller = 1;
        g_strNewClientName = "Grace Hopper";
        g_strNewInstallerName = "Harbour Heat";
        StoreWizardContacts();
        choices = ReadChoiceList(list);
    }
    EXPECT_GT(choices.ids.size(), entry);
    return choices.ids.size() > entry ? choices.ids[entry] : 0;
}

// A stored run of a 40 m2 pool from 1 June to 30 September in SI units with 4 collectors of the
// first kind in one bank, no heater and no blanket, changed by `change`, with an Economics row of
// zeros; its RunId.
int AddRun(const std::function<void(CRunsSet&)>& change) {
    CRunsSet run;
    run.m_strFilter = "0";
    run.Open();
    run.AddNew();
    run.m_ClientId = Choose(ObjectType::Client);
    run.m_InstallerId = Choose(ObjectType::Installer);
    run.m_PoolUseId = Choose(ObjectType::PoolUse);
    run.m_CollectorId = Choose(ObjectType::Collector, 1);
    run.m_HeaterId = run.m_BlanketId = 1;
    run.SetUnits(UnitSystem::SI);
    run.m_City = gui_test::kCity;
    run.m_OpensMonth = 6;
    run.m_OpensDay = 1;
    run.m_ClosesMonth = 9;
    run.m_ClosesDay = 30;
    run.m_PoolArea = 40;
    run.m_NumberOfColl = 4;
    run.m_NumberOfBanks = 1;
    run.m_AreaPerColl = 3;
    run.m_TotalFlow = 1;
    change(run);
    run.Update();
    const int runId = static_cast<int>(run.GetLastAddedId());
    ConnectDatabase().exec("INSERT INTO [Economics] ([RunId]) VALUES (" + std::to_string(runId) +
                           ")");
    return runId;
}

// A run in IP units whose values the boxes show rounded: 40 m2 is "430.6" ft2, 3.72 m2 "40.0",
// 1.2 kg/s "19.0" usgpm; its season 28 May to 27 August.
int AddIPRun() {
    return AddRun([](CRunsSet& run) {
        run.m_TStamp = 1'800'000'000;
        run.m_Comments = "Opened, looked at, done";
        run.m_HeaterId = Choose(ObjectType::Heater, 1);
        run.m_BlanketId = Choose(ObjectType::Blanket, 1);
        run.SetUnits(UnitSystem::IP);
        run.m_OpensMonth = 5;
        run.m_OpensDay = 28;
        run.m_ClosesMonth = 8;
        run.m_ClosesDay = 27;
        run.m_Shading = 12.345678;
        run.m_AreaPerColl = 3.72;
        run.m_NumberOfBanks = 2;
        run.m_Orientation = 5;
        run.m_Slope = 100.0 / 3;
        run.m_TotalFlow = 1.2;
        run.m_HeaterMonthlyUse = 0b000011111100;
        run.m_BlanketMonthlyUse = 0b110000000011;
    });
}

struct StoredValue {
    std::string name;
    int type;
    double real;
    std::string text;
};

// Every column of the run's row in `table` but its time stamp, which Done sets to the time saved.
std::vector<StoredValue> StoredRow(const std::string& table, int runId) {
    SQLite::Database database(g_strDatabasePath);
    SQLite::Statement query(database, "SELECT * FROM " + table + " WHERE RunId = ?");
    query.bind(1, runId);
    EXPECT_TRUE(query.executeStep());
    std::vector<StoredValue> values;
    for (int i = 0; i < query.getColumnCount(); ++i) {
        const SQLite::Column column = query.getColumn(i);
        if (std::string(column.getName()) == "TStamp") continue;
        values.push_back({column.getName(), column.getType(),
                          column.isFloat() ? column.getDouble() : 0, column.getString()});
    }
    return values;
}

// The same columns with the same values, bit for bit.
void ExpectSameRow(const std::vector<StoredValue>& after, const std::vector<StoredValue>& before) {
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].type, before[i].type) << before[i].name;
        EXPECT_EQ(std::memcmp(&after[i].real, &before[i].real, sizeof(double)), 0)
            << before[i].name << " " << before[i].real << " became " << after[i].real;
        EXPECT_EQ(after[i].text, before[i].text) << before[i].name;
    }
}

TEST(RunForm, AnIPRunOpenedAndSavedWithoutAnEditKeepsEveryValue) {
    const int runId = AddIPRun();
    const std::vector<StoredValue> before = StoredRow("Runs", runId);
    ChooseRun(runId, false);
    g_nRunCreationMode = RunCreationMode::Existing;
    InputFormDialog form(&Welcome());
    ASSERT_TRUE(form.Loaded());
    const int result = RunModal(form, [&] {
        EXPECT_EQ(form.Field(InputField::PoolArea).GetValue(), "430.6");
        gui_test::Screenshot(Picture("input-ip"));
        // SI and back to IP: the boxes show the same texts, nothing is converted.
        ClickOn(form.UnitsSI());
        EXPECT_EQ(form.Field(InputField::PoolArea).GetValue(), "40.00");
        gui_test::Screenshot(Picture("input-si"));
        ClickOn(form.UnitsIP());
        EXPECT_EQ(form.Field(InputField::PoolArea).GetValue(), "430.6");
        ClickOn(*form.FindWindow(wxID_OK));
    });
    EXPECT_EQ(result, wxID_OK);
    // Bit for bit: 40 m2 is not read back as 40.004049 from "430.6".
    ExpectSameRow(StoredRow("Runs", runId), before);
    EXPECT_TRUE(DeleteRun(runId));
}

// The run `runId` given season results and economics: 4 collectors of $100, $500 of hardware
// and $1000 of installation make initial costs of $1900.
int GiveResults(int runId) {
    g_nCurrentRunId = runId;
    g_nRunCreationMode = RunCreationMode::New;
    SQLite::Database database(g_strDatabasePath, SQLite::OPEN_READWRITE);
    CreateEconomics(-1, database);
    g_nRunCreationMode = RunCreationMode::Existing;
    database.exec("UPDATE Economics SET InstallationCost = 1000 WHERE RunId = " +
                  std::to_string(runId));
    database.exec("INSERT INTO Results (RunId, SortId, Month, QAct, QPrimary, QElec) VALUES (" +
                  std::to_string(runId) + ", 0, 0, 30, 10, 1e9)");
    return runId;
}

TEST(RunForm, EconomicsRefuseAWrongValueAsItsBoxIsLeftAndLowerTheDownPayment) {
    const int runId = GiveResults(AddRun([](CRunsSet&) {}));
    std::optional<EconomicDialogData> data = LoadEconomicData(runId, UnitSystem::SI);
    ASSERT_TRUE(data);
    EconomicsDialog dialog(&Welcome(), *data);
    const int result = RunModal(dialog, [&] {
        wxTextCtrl& hardware = dialog.Box(EconomicField::HardwareCost);
        {
            // The message comes while the dialog is open; the focus goes back to the box.
            bool told = false;
            wxTestingModalHook hook;
            gui_test::ExpectMessage refused(ToWx(FormatResString(kStrValueBetween, 0.0, 1e6)));
            hook.AddExpectation(refused);
            TypeInto(hardware, "-5");
            told = PumpUntil([&] { return wxWindow::FindFocus() == &hardware; }, 3000);
            hook.CheckUnmetExpectations();
            EXPECT_TRUE(told) << "the focus stays in the refused box";
            EXPECT_EQ(hardware.GetValue(), "-5");
        }
        TypeInto(hardware, "500");
        TypeInto(dialog.Box(EconomicField::DownPayment), "5000");
        EXPECT_EQ(dialog.Data().InitialCosts, 1900);
        EXPECT_EQ(dialog.Data().DownPayment, 1900);
        EXPECT_EQ(dialog.Data().LoanAmount, 0);
        EXPECT_EQ(dialog.Box(EconomicField::DownPayment).GetValue(), "1900");
        gui_test::Screenshot(Picture("economics-lowered"));
        ClickOn(*dialog.FindWindow(wxID_OK));
    });
    EXPECT_EQ(result, wxID_OK);
    {
        SQLite::Database database(g_strDatabasePath);
        SQLite::Statement stored(database,
                                 "SELECT DownPayment, LoanAmount, InitialCosts FROM Economics "
                                 "WHERE RunId = ?");
        stored.bind(1, runId);
        ASSERT_TRUE(stored.executeStep());
        EXPECT_EQ(stored.getColumn(0).getDouble(), 1900);
        EXPECT_EQ(stored.getColumn(1).getDouble(), 0);
        EXPECT_EQ(stored.getColumn(2).getDouble(), 1900);
    }
    EXPECT_TRUE(DeleteRun(runId));
}

// Opened from the form of an IP run, with stored values of more digits than the boxes show and
// a down payment above the initial costs, and closed with OK: nothing typed, nothing changed.
TEST(RunForm, EconomicsOpenedAndClosedWithoutAnEditKeepTheirRow) {
    const int runId = GiveResults(AddIPRun());
    {
        SQLite::Database database(g_strDatabasePath, SQLite::OPEN_READWRITE);
        database.exec(
            "UPDATE Economics SET HardwareCost = 1234.567, InstallationCost = 987.6543, "
            "EnergyUnitCost = 6, InterestRate = 100.0 / 3, DownPayment = 99999 WHERE RunId = " +
            std::to_string(runId));
    }
    ASSERT_TRUE(ComputeRunEconomics(runId));
    const std::vector<StoredValue> before = StoredRow("Economics", runId);
    ChooseRun(runId, false);
    g_nRunCreationMode = RunCreationMode::Existing;
    InputFormDialog form(&Welcome());
    ASSERT_TRUE(form.Loaded());
    bool shown = false;
    wxTimer watch;
    watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        auto* economics = gui_test::FindTopLevel<EconomicsDialog>();
        if (economics == nullptr || !economics->IsShownOnScreen()) return;
        watch.Stop();
        shown = true;
        economics->Raise();
        PumpUntil([&] {
            wxWindow* focus = wxWindow::FindFocus();
            return focus != nullptr && wxGetTopLevelParent(focus) == economics;
        });
        EXPECT_EQ(economics->Box(EconomicField::HardwareCost).GetValue(), "1234.57");
        EXPECT_EQ(economics->Box(EconomicField::EnergyUnitCost).GetValue(), "6.33034");
        // Every box visited with the keyboard, none typed into.
        wxUIActionSimulator keys;
        for (int i = 0; i < kEconomicFieldCount; ++i) {
            keys.Char(WXK_TAB);
            PumpUntil([] { return false; }, 50);
        }
        ClickOn(*economics->FindWindow(wxID_OK));
    });
    const int result = RunModal(form, [&] {
        watch.Start(100);
        ClickOn(*form.FindWindow(InputFormDialog::ID_ECONOMICS));
        EXPECT_TRUE(shown);
        ClickOn(*form.FindWindow(wxID_OK));
    });
    EXPECT_EQ(result, wxID_OK);
    ExpectSameRow(StoredRow("Economics", runId), before);
    EXPECT_TRUE(DeleteRun(runId));
}

}  // namespace
