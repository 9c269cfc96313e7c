// A command that throws is said in the program's message box and the program goes on; an
// exception outside any command is said before the program ends.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <stdexcept>

#include "main_frame.h"
#include "tidewarm_app.h"
#include "window_test_support.h"

namespace {

TEST(ExceptionBoundary, AThrowingCommandIsSaidAndTheProgramGoesOn) {
    auto* window = new wxFrame(nullptr, wxID_ANY, "Throwing command", wxPoint(100, 100));
    auto* button = new wxButton(window, wxID_ANY, "Throw");
    bool clicked = false;
    button->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) {
        clicked = true;
        throw std::runtime_error("disk full");
    });
    window->Show();
    ASSERT_TRUE(gui_test::PumpUntil([&] { return button->IsShownOnScreen(); }));
    gui_test::PumpUntil([] { return false; }, 300);  // placed and painted
    wxTEST_DIALOG(
        {
            wxUIActionSimulator mouse;
            mouse.MouseMove(button->GetScreenRect().GetPosition() + wxPoint(10, 10));
            mouse.MouseClick();
            gui_test::PumpUntil([&] { return clicked; });
        },
        gui_test::ExpectMessage("The command could not be completed:\ndisk full"));
    EXPECT_TRUE(clicked);
    // The program goes on: its main frame still takes commands.
    EXPECT_TRUE(TheApp().MainFrame().IsShown());
    window->Destroy();

    wxTEST_DIALOG(
        {
            try {
                throw std::bad_alloc();
            } catch (...) {
                TheApp().OnUnhandledException();
            }
        },
        gui_test::ExpectMessage("TidewarmPro must stop after an unexpected failure:\n"
                                "std::bad_alloc"));
}

}  // namespace
