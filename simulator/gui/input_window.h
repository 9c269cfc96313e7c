// One window for every input dialog: built from a short description of its rows (labels,
// controls with the dialog's control ids, units, groups and columns) and bound to the dialog's
// field table. Values go in and out as the texts of the field engine; the dialog's rules give
// the controls their enabled state and texts after every change of a choice.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dialog_fields.h"
#include "wx_headers.h"

// A text in both languages, or a string of the program's string table.
struct Words {
    std::string english;
    std::string french;
    int stringId = 0;
};
// The text of `words` in the language in force.
wxString Say(const Words& words);

enum class RowKind {
    kGroup,   // a framed group of the rows after it, up to the next group or column (`id`: of
              // its frame, when the rules title it)
    kColumn,  // a new column to the right
    kEdit,    // label, edit `id`, unit
    kCheck,   // check box `id` with the label as its text
    kRadios,  // radio buttons `choices` (their ids) under the label
    kChoice,  // label, drop-down list `id` of `choices`, unit
    kButton,  // button `id` with the label as its text, right of the label `unit`
    kStatic,  // static text `id` (its text from the dialog's rules, or the label)
};

struct Choice {
    int id = 0;  // radio buttons only
    Words text;
};

struct LayoutRow {
    RowKind kind;
    int id = 0;
    Words label;
    Words unit;
    std::vector<Choice> choices = {};
    int labelId = 0;    // id of the label, when the dialog's rules set its text
    int unitId = 0;     // id of the unit, likewise
    bool wide = false;  // an edit for a long text (names of files and places)
};

struct DialogLayout {
    Words title;
    std::string helpPage;  // page of the help book
    int legendId = 0;      // a text above the rows, set by the dialog's rules
    std::vector<LayoutRow> rows;
};

class CInputWindow;

// What a dialog does beyond taking and showing its fields. Each hook may be empty.
struct WindowBehaviour {
    // After the values are shown: selections that are not fields (months).
    std::function<void(CInputWindow&)> init;
    // A button pressed, a choice made or an edit left (`id` is the control). True when the
    // hook took the change itself; otherwise a choice is stored into its field.
    std::function<bool(CInputWindow&, int id)> changed;
    // After every field was taken on OK: false keeps the window open (the hook told why).
    std::function<bool(CInputWindow&)> accept;
};

class CInputWindow : public wxDialog {
  public:
    CInputWindow(wxWindow* parent, InputDialog& dialog, const DialogLayout& layout,
                 WindowBehaviour behaviour = {});

    InputDialog& Dialog() { return dialog_; }

    // What OK does: takes every field and runs the dialog's checks. On a refusal its message
    // is shown and the control is selected; false.
    bool Accept();

    // The text of control `id` as the field engine reads it; nothing when the window has no
    // such control, or when a radio group that showed no choice was left alone.
    std::optional<std::string> TextIn(int id) const;
    // Shows the member of field `id` in its control again.
    void ShowField(int id);
    // Stores the text of control `id` into its field when it is acceptable; whether it was.
    bool TakeField(int id);
    // Applies the dialog's enable rules and texts to every control.
    void ApplyRules();
    // Gives the focus to control `id`, its text selected.
    void SelectControl(int id);
    // Runs a change of control `id` as the user's would.
    void ControlChanged(int id);

    const std::string& HelpPage() const { return helpPage_; }

  private:
    struct RadioGroup {
        int firstId;
        std::vector<int> ids;
    };

    wxSizer* BuildRows(const std::vector<LayoutRow>& rows);
    void AddRow(wxWindow* parent, wxFlexGridSizer* grid, const LayoutRow& row);
    const RadioGroup* GroupOf(int id) const;
    std::optional<DialogField> FieldOf(int id) const;
    void SetControlText(int id, const std::string& text);
    void OnButton(wxCommandEvent& event);
    void OnChoice(wxCommandEvent& event);
    void OnRadio(wxCommandEvent& event);

    InputDialog& dialog_;
    WindowBehaviour behaviour_;
    std::string helpPage_;
    std::vector<int> controls_;  // every control id, for the rules
    std::vector<RadioGroup> radioGroups_;
    std::set<int> clickedGroups_;
};

// The pages of the windows that are no input dialog: the main frame's and a project's report.
inline constexpr char kMainFramePage[] = "getting_started";
inline constexpr char kReportPage[] = "report";

// A page's file in the help book of the language in force: "help/<page>.html" in English,
// "help/<page>Fra.html" in French.
std::string HelpPageFile(const std::string& page);
// Opens the help book at `page`.
void ShowHelpPage(const std::string& page);

// Runs `window` modally; true on OK.
bool RunInputWindow(CInputWindow& window);
