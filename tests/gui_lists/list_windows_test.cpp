// The list managers, the object dialogs, the maintenance window and the help pages through
// their windows.
#include <wx/uiaction.h>

#include <fstream>
#include <set>
#include <string_view>

#include "city_manager.h"
#include "frontend_globals.h"
#include "help_book_text.h"
#include "help_pages.h"
#include "list_manager.h"
#include "lists_test_support.h"
#include "maintenance_window.h"
#include "object_dialogs.h"
#include "object_rows.h"
#include "test_support.h"
#include "wx_text.h"

namespace {

using lists_test::Click;
using lists_test::ExpectObjectDialog;
using lists_test::TakeMessages;

// What each type's test types in IP: the edit, the text, and the stored SI value it must give.
struct TypedValue {
    int field;  // -1: a contact, which has no number edit
    const char* text;
    double stored;
    double (*read)(const ObjectData&);
};

const TypedValue kTyped[kObjectTypeCount] = {
    {-1, "", 0, nullptr},
    {-1, "", 0, nullptr},
    {0, "77", 25, [](const ObjectData& d) { return std::get<PoolUseData>(d).minTAmbSunny; }},
    {0, "31.5", 31.5 * 0.09290304,
     [](const ObjectData& d) { return std::get<CollectorData>(d).area; }},
    {0, "150000", 150000 / 3.4144259496372174,
     [](const ObjectData& d) { return std::get<HeaterData>(d).capacity; }},
    {4, "2.5", 2.5 / 5.678,
     [](const ObjectData& d) { return std::get<BlanketData>(d).insulation; }},
};

std::vector<std::string> Names(wxListCtrl& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.GetItemCount(); ++i) names.push_back(FromWx(list.GetItemText(i)));
    return names;
}

void SelectFirst(wxListCtrl& list) {
    list.SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

class ListManagerTest : public lists_test::ListWindowTest {};

// The list manager of `type`, expected to open modally; closed at once.
class ExpectListManager : public wxExpectModalBase<CObjMngrDlg, ExpectListManager> {
  public:
    explicit ExpectListManager(ObjectType type) : type_(type) {}

  protected:
    int OnInvoked(CObjMngrDlg* manager) const override {
        EXPECT_EQ(manager->Type(), type_);
        return wxID_CANCEL;
    }

  private:
    ObjectType type_;
};

// The city list manager, expected to open modally; its Help opens its page, then it is closed.
class ExpectCityManager : public wxExpectModalBase<CCityMngrDlg, ExpectCityManager> {
  protected:
    int OnInvoked(CCityMngrDlg* manager) const override {
        Click(*manager, wxID_HELP);
        EXPECT_EQ(OpenedHelpPage(), "Tidewarm_cities.html");
        return wxID_CANCEL;
    }
};

// Every type through its list manager in IP units: built-in rows are not listed; a row added
// with a value typed in IP is stored in SI and shows as typed when edited again (1e-9); it is
// deactivated, activated and removed, and the removed row stays in its table.
TEST_F(ListManagerTest, EveryTypeAddEditDeactivateActivateRemove) {
    g_nUnits = UnitSystem::IP;
    for (ObjectType type : kObjectTypes) {
        SCOPED_TRACE(ObjectTable(type));
        const TypedValue& typed = kTyped[Index(type)];
        CObjMngrDlg manager(nullptr, type);
        manager.Show();
        EXPECT_EQ(manager.List().GetItemCount(), 0);

        wxTEST_DIALOG(Click(manager, CObjMngrDlg::kIdAdd), ExpectObjectDialog([&](ObjectDialog& d) {
                          if (typed.field >= 0) {
                              EXPECT_EQ(d.Units(), UnitSystem::IP);
                          }
                          d.NameEdit().SetValue("New one");
                          if (typed.field >= 0) d.NumberEdit(typed.field).SetValue(typed.text);
                          return d.AcceptValues() ? wxID_OK : wxID_CANCEL;
                      }));
        ASSERT_EQ(Names(manager.List()), std::vector<std::string>{"New one"});
        long id = 0;
        ASSERT_TRUE(manager.List().GetItemText(0, 1).ToLong(&id));

        SelectFirst(manager.List());
        wxTEST_DIALOG(Click(manager, CObjMngrDlg::kIdEdit),
                      ExpectObjectDialog([&](ObjectDialog& d) {
                          if (typed.field >= 0) {
                              double shown = 0;
                              EXPECT_TRUE(d.NumberEdit(typed.field).GetValue().ToCDouble(&shown));
                              EXPECT_NEAR(shown, std::stod(typed.text), 1e-9 * shown);
                          }
                          d.NameEdit().SetValue("Edited");
                          return d.AcceptValues() ? wxID_OK : wxID_CANCEL;
                      }));
        EXPECT_EQ(Names(manager.List()), std::vector<std::string>{"Edited"});
        auto set = OpenObjectSet(type);
        ASSERT_TRUE(SelectObject(*set, static_cast<int>(id)));
        if (typed.read != nullptr) {
            EXPECT_NEAR(typed.read(ReadObject(*set)), typed.stored, 1e-9 * typed.stored);
        }

        SelectFirst(manager.List());
        Click(manager, CObjMngrDlg::kIdDeactivate);
        EXPECT_EQ(manager.List().GetItemCount(), 0);
        manager.ShowInactive(true);
        EXPECT_FALSE(manager.FindWindow(CObjMngrDlg::kIdAdd)->IsEnabled());
        ASSERT_EQ(Names(manager.List()), std::vector<std::string>{"Edited"});
        SelectFirst(manager.List());
        Click(manager, CObjMngrDlg::kIdActivate);
        EXPECT_EQ(manager.List().GetItemCount(), 0);
        manager.ShowInactive(false);
        ASSERT_EQ(manager.List().GetItemCount(), 1);

        SelectFirst(manager.List());
        Click(manager, CObjMngrDlg::kIdRemove);
        EXPECT_EQ(manager.List().GetItemCount(), 0);
        manager.ShowInactive(true);
        EXPECT_EQ(manager.List().GetItemCount(), 0);
        ASSERT_TRUE(SelectObject(*set, static_cast<int>(id)));
        EXPECT_EQ(set->m_Name, "Unknown");
        EXPECT_EQ(set->m_Active, 2);
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// The collector dialog: the equation and C's unit follow the type; a glazed collector with an
// unglazed one's wind term is refused, naming the coefficient, and Cancel adds nothing; SI to IP
// and back shows the first text again and keeps the dialog's size.
TEST_F(ListManagerTest, CollectorDialogTypeUnitsAndRefusals) {
    CObjMngrDlg manager(nullptr, ObjectType::Collector);
    wxTEST_DIALOG(Click(manager, CObjMngrDlg::kIdAdd), ExpectObjectDialog([](ObjectDialog& d) {
                      auto& collector = dynamic_cast<CCollectorDlg&>(d);
                      EXPECT_EQ(collector.Equation(),
                                wxString::FromUTF8("Energy=Area·[(A-B·dT)·Akt·H-(C+D·dT)·dT-E]"));
                      d.NumberEdit(3).SetValue("0.026");
                      EXPECT_FALSE(d.AcceptValues());
                      EXPECT_EQ(TakeMessages(),
                                std::vector<std::string>{"For a glazed collector, coefficient B "
                                                         "should be between 0 and 0.0005 1/°C."});
                      collector.SelectType(1);
                      EXPECT_TRUE(collector.Equation().StartsWith("Energy=Area·[(A-B·V)"));
                      EXPECT_TRUE(d.AcceptValues());
                      const wxSize size = d.GetSize();
                      d.SelectUnits(UnitSystem::IP);
                      EXPECT_EQ(d.NumberEdit(0).GetValue(), "31.8612");
                      EXPECT_EQ(d.GetSize(), size);
                      d.SelectUnits(UnitSystem::SI);
                      EXPECT_EQ(d.NumberEdit(0).GetValue(), "2.96");
                      EXPECT_EQ(d.GetSize(), size);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(manager.List().GetItemCount(), 0);

    // A heater of 49 W is refused, the heat pump's labels follow its type.
    CObjMngrDlg heaters(nullptr, ObjectType::Heater);
    wxTEST_DIALOG(Click(heaters, CObjMngrDlg::kIdAdd), ExpectObjectDialog([](ObjectDialog& d) {
                      d.NumberEdit(0).SetValue("49");
                      EXPECT_FALSE(d.AcceptValues());
                      EXPECT_EQ(TakeMessages(),
                                std::vector<std::string>{"Value should be between 50 and 1e+09."});
                      auto& heater = dynamic_cast<CHeaterDlg&>(d);
                      heater.SelectType(1);
                      EXPECT_EQ(heater.EfficiencyLabel(), "Nominal COP");
                      return wxID_CANCEL;
                  }));
}

// A new contact's address placeholder is selected as Tab brings the focus to it, so that what
// is typed replaces it; an address already entered is not selected.
TEST_F(ListManagerTest, ContactPlaceholderReplacedByWhatIsTyped) {
    const ContactData placeholder = std::get<ContactData>(NewObjectData(ObjectType::Client));
    for (const std::string& info : {placeholder.info, std::string("1 Harbour Road")}) {
        CContactDlg dialog(nullptr, ContactData{"Grace", info}, 0);
        dialog.Show();
        dialog.Raise();
        lists_test::PumpUntil([&] { return dialog.IsShownOnScreen(); });
        dialog.NameEdit().SetFocus();
        lists_test::PumpUntil([&] { return wxWindow::FindFocus() == &dialog.NameEdit(); });
        wxUIActionSimulator keys;
        keys.Char(WXK_TAB);
        lists_test::PumpUntil([&] { return wxWindow::FindFocus() == &dialog.InfoEdit(); });
        lists_test::PumpUntil([] { return false; }, 200);
        keys.Text("x");
        lists_test::PumpUntil([&] { return dialog.InfoEdit().GetValue() != ToWx(info); }, 2000);
        if (info == placeholder.info)
            EXPECT_EQ(dialog.InfoEdit().GetValue(), "x");
        else
            EXPECT_NE(dialog.InfoEdit().GetValue(), "x");
    }
}

// The pool-use dialog refuses what the simulation would: the water's maximum below its minimum
// (bounds in the units shown) and a closing hour before the opening hour, each with its control
// focused.
TEST_F(ListManagerTest, PoolUseDialogRefusesWhatTheSimulationRefuses) {
    CPoolUseDlg dialog(nullptr, std::get<PoolUseData>(NewObjectData(ObjectType::PoolUse)),
                       UnitSystem::IP);
    dialog.Show();
    EXPECT_EQ(dialog.NumberEdit(2).GetValue(), "69.8");  // 21 °C
    dialog.NumberEdit(3).SetValue("60");
    EXPECT_FALSE(dialog.AcceptValues());
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Value should be between 69.8 and 122."});
    EXPECT_EQ(wxWindow::FindFocus(), &dialog.NumberEdit(3));
    lists_test::Screenshot(g_nLanguage == Language::French ? "pooluse-fr" : "pooluse-en");
    dialog.NumberEdit(3).SetValue("86");
    dialog.Choice(1).SetSelection(8);  // weekdays from 9 to 8
    EXPECT_FALSE(dialog.AcceptValues());
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Value should be between 9 and 24."});
    EXPECT_EQ(wxWindow::FindFocus(), &dialog.Choice(1));
    dialog.Choice(1).SetSelection(9);  // an hour's swim is taken
    EXPECT_TRUE(dialog.AcceptValues());
    EXPECT_DOUBLE_EQ(std::get<PoolUseData>(dialog.Values()).maxTPool, 30);
}

// Both books list the same pages, one per window and every one of them a file.
TEST(HelpBooks, BothBooksListEveryPage) {
    for (Language language : {Language::English, Language::French}) {
        const std::string book = language == Language::French ? "TidewarmFra" : "Tidewarm";
        const std::string contents =
            test::ReadFile(std::string(TIDEWARM_BIN_DIR) + "/" + book + ".hhc");
        std::set<std::string> listed;
        constexpr std::string_view kLocal = "name=\"Local\" value=\"";
        for (std::size_t at = contents.find(kLocal); at != std::string::npos;
             at = contents.find(kLocal, at)) {
            at += kLocal.size();
            listed.insert(contents.substr(at, contents.find('"', at) - at));
        }
        std::set<std::string> expected;
        for (std::string_view page : kHelpPages) expected.insert(HelpPageFile(page, language));
        EXPECT_EQ(listed, expected) << book;
        for (const std::string& file : expected)
            EXPECT_TRUE(std::filesystem::exists(std::string(TIDEWARM_BIN_DIR) + "/" + file));
    }
}

// Both books' contents and pages keep their accents in the help window.
TEST(HelpBooks, AccentsReadAsWritten) {
    gui_test::ExpectHelpBookReadsWhole(std::string(TIDEWARM_BIN_DIR) + "/Tidewarm.hhp", false);
    gui_test::ExpectHelpBookReadsWhole(std::string(TIDEWARM_BIN_DIR) + "/TidewarmFra.hhp", true);
}

// The maintenance window: each list button opens its manager, Cities the city list manager, Runs
// calls the runs manager's opener once it is set, Help and F1 open its page, and every page
// opens.
TEST_F(ListManagerTest, MaintenanceWindowAndHelpPages) {
    CMaintainDlg window(nullptr);
    window.Show();
    for (ObjectType type : kObjectTypes) {
        wxTEST_DIALOG(Click(window, CMaintainDlg::ListButtonId(type)), ExpectListManager(type));
    }
    wxTEST_DIALOG(Click(window, CMaintainDlg::kIdCities), ExpectCityManager());
    Click(window, CMaintainDlg::kIdRuns);  // nothing set: nothing opens
    int opened = 0;
    g_OpenRunsManager = [&](wxWindow* parent) {
        EXPECT_EQ(parent, &window);
        ++opened;
    };
    Click(window, CMaintainDlg::kIdRuns);
    g_OpenRunsManager = nullptr;
    EXPECT_EQ(opened, 1);

    Click(window, wxID_HELP);
    EXPECT_EQ(OpenedHelpPage(), "Tidewarm_maintenance.html");
    for (std::string_view page : kHelpPages) {
        ASSERT_TRUE(ShowHelpPage(std::string(page)));
        EXPECT_EQ(OpenedHelpPage(), HelpPageFile(page, Language::English));
    }
    wxCommandEvent f1(wxEVT_MENU, wxID_HELP);  // what the F1 accelerator sends
    window.ProcessWindowEvent(f1);
    EXPECT_EQ(OpenedHelpPage(), "Tidewarm_maintenance.html");
    EXPECT_TRUE(TakeMessages().empty());
}

}  // namespace
