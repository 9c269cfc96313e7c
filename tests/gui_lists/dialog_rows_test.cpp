// The rows both programs' dialogs share: label, box and unit on one line of a grid, and the OK,
// Cancel and Help buttons after a dialog's own.
#include "dialog_rows.h"

#include <gtest/gtest.h>

#include "lists_wx_headers.h"

namespace {

int MiddleOf(const wxWindow* window) {
    const wxRect rect = window->GetRect();
    return rect.y + rect.height / 2;
}

TEST(DialogRows, LabelBoxUnitOnOneLineAndTheButtonsInOrder) {
    wxDialog dialog(nullptr, wxID_ANY, "rows");
    auto* grid = new wxFlexGridSizer(3, 4, 8);
    auto* narrow = new wxTextCtrl(&dialog, wxID_ANY, wxString(), wxDefaultPosition, wxSize(60, -1));
    auto* wide = new wxTextCtrl(&dialog, wxID_ANY, wxString(), wxDefaultPosition, wxSize(200, -1));
    const LabelledRow first = AddLabelledRow(*grid, &dialog, "Area", narrow, "m2", 7001, 7002);
    const LabelledRow second = AddLabelledRow(*grid, &dialog, "Test flow rate", wide, wxString());
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* own = new wxButton(&dialog, wxID_ANY, "Recalculate");
    buttons->Add(own);
    AddOkCancelHelp(*buttons, &dialog, {"OK", "Annuler", "Aide"}, 7);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid);
    top->Add(buttons);
    dialog.SetSizerAndFit(top);
    dialog.Layout();

    EXPECT_EQ(first.label->GetId(), 7001);
    EXPECT_EQ(first.unit->GetId(), 7002);
    EXPECT_EQ(first.unit->GetLabel(), "m2");
    EXPECT_EQ(second.label->GetLabel(), "Test flow rate");
    for (const auto& [row, box] : {std::pair{first, narrow}, std::pair{second, wide}}) {
        EXPECT_LT(row.label->GetRect().GetRight(), box->GetRect().GetLeft());
        EXPECT_LT(box->GetRect().GetRight(), row.unit->GetRect().GetLeft());
        EXPECT_NEAR(MiddleOf(row.label), MiddleOf(box), 1);
        EXPECT_NEAR(MiddleOf(row.unit), MiddleOf(box), 1);
    }
    // The boxes fill their column: the narrow one as wide as the wide one.
    EXPECT_EQ(narrow->GetRect().GetLeft(), wide->GetRect().GetLeft());
    EXPECT_EQ(narrow->GetSize().x, wide->GetSize().x);

    const wxWindow* previous = own;
    for (const auto& [id, text] : {std::pair{wxID_OK, "OK"}, std::pair{wxID_CANCEL, "Annuler"},
                                   std::pair{wxID_HELP, "Aide"}}) {
        const wxWindow* button = dialog.FindWindow(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->GetLabel(), text);
        EXPECT_EQ(button->GetRect().GetLeft() - previous->GetRect().GetRight() - 1, 7) << text;
        EXPECT_EQ(button->GetRect().y, own->GetRect().y);
        previous = button;
    }
}

}  // namespace
