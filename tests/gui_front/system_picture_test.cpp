// The input form's system picture follows its collector, heater and blanket lists as the user
// changes them; with TIDEWARM_SCREENSHOTS set, the form is photographed with four of them, in SI
// and in IP. Runs after the installer's path, whose run it opens.
#include <gtest/gtest.h>

#include <cstdlib>

#include "front_test_support.h"
#include "frontend_globals.h"
#include "input_form.h"
#include "welcome_window.h"

namespace {

// Chooses entry `position` of `list` as a user does: the list's selection event follows.
void Choose(InputFormDialog& form, ObjectType list, int position) {
    wxChoice& choice = form.List(list);
    choice.SetSelection(position);
    wxCommandEvent changed(wxEVT_CHOICE, choice.GetId());
    changed.SetEventObject(&choice);
    changed.SetInt(position);
    choice.ProcessWindowEvent(changed);
}

int PositionOf(InputFormDialog& form, ObjectType list, const wxString& name) {
    return form.List(list).FindString(name);
}

TEST(SystemPictureWindowTest, PictureFollowsTheLists) {
    WelcomeWindow* welcome = gui_test::ChooseLastRun();
    ASSERT_NE(welcome, nullptr);
    auto* form = new InputFormDialog(welcome);
    ASSERT_TRUE(form->Loaded());
    const int heatPump =
        PositionOf(*form, ObjectType::Heater, gui_test::BuiltInName(ObjectType::Heater, 5));
    const int gas =
        PositionOf(*form, ObjectType::Heater, gui_test::BuiltInName(ObjectType::Heater, 2));
    ASSERT_GT(heatPump, 0);
    ASSERT_GT(gas, 0);
    struct Case {
        int collector, heater, blanket;
        int picture;
        const char* name;
    };
    const Case cases[] = {{1, heatPump, 1, 192, "input-heatpump"},
                          {0, 0, 0, 181, "input-pool"},
                          {1, gas, 0, 187, "input-gas"},
                          {0, heatPump, 1, 190, "input-heatpump-nocollector"}};
    const char* screenshots = std::getenv("TIDEWARM_SCREENSHOTS");
    const std::string language = g_nLanguage == Language::French ? "-fr" : "-en";
    bool ip = false;
    if (screenshots != nullptr) {
        form->Show();
        form->Raise();
    }
    for (const Case& each : cases) {
        Choose(*form, ObjectType::Collector, each.collector);
        Choose(*form, ObjectType::Heater, each.heater);
        Choose(*form, ObjectType::Blanket, each.blanket);
        EXPECT_EQ(form->SystemPicture(), each.picture) << each.name;
        if (screenshots == nullptr) continue;
        // Two pictures in SI, two in IP.
        form->SelectUnits(ip ? UnitSystem::IP : UnitSystem::SI);
        gui_test::Screenshot(each.name + language + (ip ? "-ip" : "-si"));
        ip = !ip;
    }
    form->Destroy();
    wxYield();
}

}  // namespace
