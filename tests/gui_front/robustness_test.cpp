// The windows driven as a user drives them, with real mouse clicks and key presses, where the
// database or the user's input would have ended the program: a name longer than its column, a
// database locked by another program, a missing table.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/process.h>
#include <wx/splash.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "database_maintenance.h"
#include "front_app.h"
#include "front_test_support.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "input_form.h"
#include "input_form_data.h"
#include "list_manager.h"
#include "maintenance_window.h"
#include "object_dialogs.h"
#include "object_rows.h"
#include "record_fields.h"
#include "recordset.h"
#include "runs_manager.h"
#include "welcome_window.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

using gui_test::FindTopLevel;
using gui_test::PumpUntil;

// The steps a user takes, each once the window it needs is on the screen, run by a timer
// inside whichever event loop or modal window runs. Steps not done within a minute fail the
// test and end the modal windows, innermost first, so that the test goes on.
class UserScript : public wxTimer {
  public:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit UserScript(std::vector<Step> steps)
        : steps_(std::move(steps)), deadline_(wxGetLocalTimeMillis() + kMilliseconds) {
        Start(100);
    }

    bool Done() const { return next_ == steps_.size(); }

    // Runs an event loop of its own until every step is done; whether they were.
    bool Run() {
        wxGUIEventLoop loop;
        loop_ = &loop;
        loop.Run();
        loop_ = nullptr;
        return Done();
    }

    void Notify() override {
        if (!Done() && !failed_ && wxGetLocalTimeMillis() > deadline_) {
            ADD_FAILURE() << "step " << next_ << " not done in time";
            failed_ = true;
        }
        if (failed_ && gui_test::EndInnermostModal()) return;
        if (Done() || failed_) {
            // The loop ends once the windows opened inside it have.
            if (loop_ != nullptr && wxEventLoopBase::GetActive() == loop_) loop_->Exit();
            return;
        }
        if (steps_[next_].ready()) steps_[next_++].act();
    }

  private:
    static constexpr int kMilliseconds = 60000;

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool failed_ = false;
    wxLongLong deadline_;
    wxEventLoopBase* loop_ = nullptr;
};

// Real input from outside the program, as a user gives it: xdotool's `arguments`, run without
// waiting, so that the events reach the windows through the event loop that runs. The flag is
// set once xdotool has given all its input.
std::shared_ptr<bool> Xdotool(const wxString& arguments) {
    class Process : public wxProcess {
      public:
        explicit Process(std::shared_ptr<bool> ended) : ended_(std::move(ended)) {}
        void OnTerminate(int, int) override {
            *ended_ = true;
            delete this;
        }

      private:
        std::shared_ptr<bool> ended_;
    };
    auto ended = std::make_shared<bool>(false);
    if (wxExecute("xdotool " + arguments, wxEXEC_ASYNC, new Process(ended)) <= 0) *ended = true;
    return ended;
}

// The program's message boxes, recorded and answered OK; every other modal window runs.
class MessageBoxes : public wxModalDialogHook {
  public:
    MessageBoxes() { Register(); }
    ~MessageBoxes() override { Unregister(); }

    std::vector<std::string> shown;

  protected:
    int Enter(wxDialog* dialog) override {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (box == nullptr) return wxID_NONE;
        shown.push_back(FromWx(box->GetMessage()));
        // A question is answered Yes.
        return (box->GetMessageDialogStyle() & wxYES_NO) != 0 ? wxID_YES : wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// A top-level window of type T on the screen.
template <class T>
T* Shown() {
    T* window = FindTopLevel<T>();
    return window != nullptr && window->IsShownOnScreen() ? window : nullptr;
}

// A click of the left button in the middle of `window`.
std::shared_ptr<bool> ClickOn(wxWindow& window) {
    const wxRect rect = window.GetScreenRect();
    return Xdotool(wxString::Format("mousemove --sync %d %d click 1", rect.x + rect.width / 2,
                                    rect.y + rect.height / 2));
}

void ClickOn(wxWindow& parent, int id) {
    wxWindow* button = parent.FindWindow(id);
    ASSERT_NE(button, nullptr) << id;
    ClickOn(*button);
}

// The keyboard given to `window`, as a window manager gives it to the window clicked (there is
// none under Xvfb).
std::shared_ptr<bool> GiveKeyboardTo(const wxTopLevelWindow& window) {
    return Xdotool("search --onlyvisible --name '^" + window.GetTitle() + "$' windowfocus");
}

// `text` typed on the keyboard; letters and spaces only.
std::shared_ptr<bool> Type(const std::string& text) {
    return Xdotool("type --delay 1 '" + text + "'");
}

WelcomeWindow& Welcome() {
    auto* welcome = FindTopLevel<WelcomeWindow>();
    EXPECT_NE(welcome, nullptr);
    return *welcome;
}

// Every value of a run's row, doubles to the last bit.
std::vector<std::string> RunRow(SQLite::Database& database, int runId) {
    SQLite::Statement query(database, "SELECT * FROM [Runs] WHERE [RunId] = ?");
    query.bind(1, runId);
    std::vector<std::string> values;
    if (!query.executeStep()) return values;
    for (int i = 0; i < query.getColumnCount(); ++i) {
        const SQLite::Column column = query.getColumn(i);
        if (column.isFloat()) {
            char text[40];
            std::snprintf(text, sizeof text, "%a", column.getDouble());
            values.emplace_back(text);
        } else {
            values.push_back(column.getString());
        }
    }
    return values;
}

// An active client and installer for the runs of these tests; removed again at the end, so
// that the lists are as the other tests expect them.
class RobustnessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The start's splash window would take the first click.
        ASSERT_TRUE(PumpUntil([] { return FindTopLevel<wxSplashScreen>() == nullptr; }));
        for (ObjectType type : {ObjectType::Client, ObjectType::Installer}) {
            auto set = OpenObjectSet(type);
            contacts_.emplace_back(type, AddObject(*set, ContactData{"Robust Client", ""}));
        }
    }
    void TearDown() override {
        for (const auto& [type, id] : contacts_) {
            auto set = OpenObjectSet(type);
            EXPECT_TRUE(RemoveObject(*set, id));
        }
        g_nCurrentRunId = -1;
        g_nRunCreationMode = RunCreationMode::Existing;
    }

    // A run stored as a form of a new run stores it, made the current, existing run.
    int AddRun() {
        g_nCurrentRunId = -1;
        g_nRunCreationMode = RunCreationMode::New;
        InputFormData data = NewRunForm();
        data.clientId = contacts_[0].second;
        data.installerId = contacts_[1].second;
        data.poolUseId = data.collectorId = data.heaterId = data.blanketId = 1;
        data.city = gui_test::kCity;
        EXPECT_TRUE(StoreNewRunOfForm(data));
        g_nRunCreationMode = RunCreationMode::Existing;
        return g_nCurrentRunId;
    }

    std::vector<std::pair<ObjectType, int>> contacts_;
};

// Maintain, Clients, Add: 300 characters typed into the name are cut at 255 while typing, and
// OK stores the client (the column's limit would otherwise have refused it).
TEST_F(RobustnessTest, ANameTypedLongerThanItsColumnStopsAt255) {
    std::string typed;
    for (int i = 0; i < 300; ++i) typed += static_cast<char>('a' + i % 26);
    std::size_t lengthAtOk = 0;
    long clientsBefore = 0;
    long clientsAfter = 0;
    std::shared_ptr<bool> typing;
    UserScript script({
        {[] { return true; }, [] { ClickOn(Welcome(), WelcomeWindow::ID_MAINTAIN); }},
        {[] { return Shown<CMaintainDlg>() != nullptr; },
         [] { ClickOn(*Shown<CMaintainDlg>(), CMaintainDlg::ListButtonId(ObjectType::Client)); }},
        {[] { return Shown<CObjMngrDlg>() != nullptr; },
         [&] {
             clientsBefore = Shown<CObjMngrDlg>()->List().GetItemCount();
             ClickOn(*Shown<CObjMngrDlg>(), CObjMngrDlg::kIdAdd);
         }},
        {[] { return Shown<CContactDlg>() != nullptr; },
         [&] { typing = GiveKeyboardTo(*Shown<CContactDlg>()); }},
        {[&] { return *typing; }, [] { ClickOn(Shown<CContactDlg>()->NameEdit()); }},
        // The placeholder text selected, then typed over.
        {[] { return wxWindow::FindFocus() == &Shown<CContactDlg>()->NameEdit(); },
         [] { Xdotool("key ctrl+a"); }},
        {[] {
             const wxTextCtrl& name = Shown<CContactDlg>()->NameEdit();
             return !name.IsEmpty() && name.GetStringSelection() == name.GetValue();
         },
         [&] { typing = Type(typed); }},
        // Every key typed has reached the box once its text stays the same for half a second.
        {[&, last = std::size_t{0}, ticks = 0]() mutable {
             const std::size_t length = Shown<CContactDlg>()->NameEdit().GetValue().length();
             ticks = *typing && std::exchange(last, length) == length ? ticks + 1 : 0;
             return ticks == 5;
         },
         [&] {
             lengthAtOk = Shown<CContactDlg>()->NameEdit().GetValue().length();
             ClickOn(*Shown<CContactDlg>(), wxID_OK);
         }},
        {[] { return FindTopLevel<CContactDlg>() == nullptr && Shown<CObjMngrDlg>() != nullptr; },
         [&] {
             clientsAfter = Shown<CObjMngrDlg>()->List().GetItemCount();
             ClickOn(*Shown<CObjMngrDlg>(), wxID_CANCEL);
         }},
        {[] { return Shown<CObjMngrDlg>() == nullptr && Shown<CMaintainDlg>() != nullptr; },
         [] { ClickOn(*Shown<CMaintainDlg>(), wxID_CANCEL); }},
        {[] { return Shown<CMaintainDlg>() == nullptr; }, [] {}},
    });
    MessageBoxes messages;
    ASSERT_TRUE(script.Run());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lengthAtOk, kMaximumTextLength);
    EXPECT_EQ(clientsAfter, clientsBefore + 1);

    SQLite::Database database = ConnectDatabase();
    SQLite::Statement added(database,
                            "SELECT [ClientId], [Name] FROM [Clients] WHERE length([Name]) = 255");
    ASSERT_TRUE(added.executeStep());
    EXPECT_EQ(added.getColumn(1).getString(), typed.substr(0, kMaximumTextLength));
    contacts_.emplace_back(ObjectType::Client, added.getColumn(0).getInt());
}

// Done while another program holds the database: the failure is said, the form stays open
// with what the user typed, and the stored run is unchanged; Cancel then asks whether to drop
// what was typed, and closes it.
TEST_F(RobustnessTest, SaveWithTheDatabaseLockedKeepsTheFormAndTheRun) {
    const int runId = AddRun();
    SQLite::Database other(g_strDatabasePath, SQLite::OPEN_READWRITE);
    const std::vector<std::string> stored = RunRow(other, runId);
    ASSERT_FALSE(stored.empty());
    MessageBoxes messages;
    std::vector<std::string> whileLocked;
    wxString commentsAfterSave;
    std::shared_ptr<bool> typing;
    InputFormDialog form(&Welcome());
    ASSERT_TRUE(form.Loaded());
    UserScript script({
        {[&] { return form.IsShownOnScreen(); }, [&] { typing = GiveKeyboardTo(form); }},
        {[&] { return *typing; }, [&] { ClickOn(form.Comments()); }},
        {[&] { return wxWindow::FindFocus() == &form.Comments(); },
         [&] { typing = Type("locked out"); }},
        {[&] { return *typing; },
         [&] {
             other.exec("BEGIN EXCLUSIVE");
             ClickOn(form, wxID_OK);
         }},
        {[&] { return !messages.shown.empty(); },
         [&] {
             whileLocked = RunRow(other, runId);
             other.exec("ROLLBACK");
             commentsAfterSave = form.Comments().GetValue();
             ClickOn(form, wxID_CANCEL);
         }},
    });
    EXPECT_EQ(form.ShowModal(), wxID_CANCEL);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{FormatResString(kStrCommandFailed, "database is locked"),
                                        LoadResString(kStrDiscardRunChanges)}));
    EXPECT_EQ(commentsAfterSave, "locked out");
    EXPECT_EQ(whileLocked, stored);
    EXPECT_EQ(RunRow(other, runId), stored);
    EXPECT_TRUE(DeleteRun(runId));
}

// A command that throws ends with its message, and the program goes on: Open with the Runs
// table gone; the input form with the Heaters table gone is not opened, and a new run is not
// left half stored.
TEST_F(RobustnessTest, AMissingTableEndsTheCommandWithItsMessage) {
    MessageBoxes messages;
    SQLite::Database database = ConnectDatabase();
    database.exec("ALTER TABLE [Runs] RENAME TO [RunsAway]");
    UserScript open({
        {[] { return true; }, [] { ClickOn(Welcome(), WelcomeWindow::ID_OPEN); }},
        {[&] { return !messages.shown.empty(); }, [] {}},
    });
    EXPECT_TRUE(open.Run());
    database.exec("ALTER TABLE [RunsAway] RENAME TO [Runs]");
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{FormatResString(kStrCommandFailed, "no such table: Runs")});
    EXPECT_EQ(FindTopLevel<RunsManagerDialog>(), nullptr);

    messages.shown.clear();
    const int runs = database.execAndGet("SELECT count(*) FROM [Runs]").getInt();
    database.exec("ALTER TABLE [Heaters] RENAME TO [HeatersAway]");
    g_nCurrentRunId = -1;
    g_nRunCreationMode = RunCreationMode::New;
    {
        InputFormDialog form(&Welcome());
        EXPECT_FALSE(form.Loaded());
    }
    database.exec("ALTER TABLE [HeatersAway] RENAME TO [Heaters]");
    EXPECT_EQ(messages.shown, std::vector<std::string>{
                                  FormatResString(kStrCommandFailed, "no such table: Heaters")});
    EXPECT_EQ(database.execAndGet("SELECT count(*) FROM [Runs]").getInt(), runs);

    // The last resort, for an exception outside any command.
    messages.shown.clear();
    try {
        throw std::runtime_error("disk full");
    } catch (...) {
        static_cast<CFrontApp*>(wxTheApp)->OnUnhandledException();
    }
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{FormatResString(kStrProgramMustStop, "disk full")});
}

}  // namespace
