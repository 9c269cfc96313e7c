// What Tidewarm's window tests share: a modal window expected and handled by a function, the
// windows found on the screen, a web view's page loaded.
#pragma once

#include <wx/webview.h>

#include <functional>
#include <string>

#include "front_wx_headers.h"
#include "frontend_globals.h"
#include "gui_test_support.h"
#include "object_type.h"
#include "record_sets.h"
#include "recordset.h"
#include "runs_list.h"
#include "welcome_window.h"

namespace gui_test {

inline constexpr char kCity[] = "SAMPLE CITY";

// A modal window of type T expected next; `act` handles it and gives the result of ShowModal.
template <class T>
class Expect : public wxExpectModalBase<T, Expect<T>> {
  public:
    explicit Expect(std::function<int(T*)> act) : act_(std::move(act)) {}

  protected:
    int OnInvoked(T* window) const override { return act_(window); }

  private:
    std::function<int(T*)> act_;
};

// Runs `code` with the modal windows `expected` handled in this order; any left unmet fails.
template <class... Expectations>
void WithModals(const std::function<void()>& code, const Expectations&... expected) {
    wxTestingModalHook hook;
    (hook.AddExpectation(expected), ...);
    code();
    hook.CheckUnmetExpectations();
}

// Runs `act` once `ready` holds, checked every 100 ms from a timer of its own, so that it also
// runs while a modal window or an inner event loop of the code under test waits. After
// `milliseconds` without `ready` the test fails and `act` runs all the same (it checks what it
// finds), so that no modal window stays open.
inline void RunWhen(std::function<bool()> ready, std::function<void()> act,
                    int milliseconds = 20000, std::string what = "a window") {
    auto* timer = new wxTimer;
    const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
    timer->Bind(wxEVT_TIMER, [=](wxTimerEvent&) {
        const bool timedOut = wxGetLocalTimeMillis() > end;
        if (!timedOut && !ready()) return;
        if (timedOut) {
            ADD_FAILURE() << "waited in vain for " << what;
            Screenshot("timeout");
        }
        timer->Stop();
        // The timer (and this handler with it) may go while `act` still runs an inner loop.
        const std::function<void()> run = act;
        wxTheApp->CallAfter([timer] { delete timer; });
        run();
    });
    timer->Start(100);
}

// Runs `act` after `milliseconds`, as RunWhen does.
inline void After(int milliseconds, std::function<void()> act) {
    const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
    RunWhen([end] { return wxGetLocalTimeMillis() > end; }, std::move(act), milliseconds + 5000);
}

// True once `view` shows a page of a file, loaded with all it shows. Until the file's page is
// committed the view holds its first page, "about:blank", which reads as loaded and not busy.
inline bool FilePageLoaded(wxWebView& view) {
    wxString loaded;
    return !view.IsBusy() &&
           view.RunScript("location.protocol == 'file:' && document.readyState == 'complete'",
                          &loaded) &&
           loaded == "true";
}

// The first top-level window of type T; null when none is open.
template <class T>
T* FindTopLevel() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found != nullptr && !found->IsBeingDeleted())
            return found;
    return nullptr;
}

// The list's last run chosen to be opened as it is stored, as a click in the runs list does;
// the welcome window the input form opens over. Null, with a failure, when either is missing.
inline WelcomeWindow* ChooseLastRun() {
    const std::vector<RunListRow> runs = ReadRunsList();
    if (runs.empty()) {
        ADD_FAILURE() << "no run in the list";
        return nullptr;
    }
    ChooseRun(runs.back().runId, false);
    g_nRunCreationMode = RunCreationMode::Existing;
    auto* welcome = FindTopLevel<WelcomeWindow>();
    if (welcome == nullptr) ADD_FAILURE() << "no welcome window";
    return welcome;
}

// The name of the built-in object `id` in the database in use: in the language it was created in.
inline wxString BuiltInName(ObjectType type, int id) {
    SQLite::Database database = ConnectDatabase();
    SQLite::Statement name(database, "SELECT [Name] FROM " + Bracketed(ObjectTable(type)) +
                                         " WHERE " + Bracketed(ObjectIdColumn(type)) + " = ?");
    name.bind(1, id);
    if (!name.executeStep()) ADD_FAILURE() << "no built-in row " << id;
    return wxString::FromUTF8(name.getColumn(0).getString());
}

}  // namespace gui_test
