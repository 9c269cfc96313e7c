// What the window tests of both programs share: event pumping, commands sent as menus send them,
// the expected message boxes, screenshots and wx asserts turned into test failures.
#pragma once

#include <gtest/gtest.h>
#include <wx/testing.h>
#include <wx/wx.h>

#include <functional>
#include <string>

namespace gui_test {

// Processes events until `done` holds or `milliseconds` passed; whether it holds.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 10000);

// Sends a menu command to `window` as its menu or toolbar would.
void SendCommand(wxWindow& window, int id);

// A message box expected with `text`, answered OK.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
  public:
    explicit ExpectMessage(wxString text) : text_(std::move(text)) {}

  protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), text_);
        return wxID_OK;
    }

  private:
    wxString text_;
};

// Saves a picture of the screen as <name>.png in the folder that TIDEWARM_SCREENSHOTS names;
// nothing when it is not set (a help while working on the windows).
void Screenshot(const std::string& name);

// Makes every wx assert fail the test running (an assert dialog would block).
void FailTestsOnAsserts();

}  // namespace gui_test
