// What the window tests share: event pumping, the expected message boxes, a project on
// generated weather, commands sent as the menus send them.
#pragma once

#include <gtest/gtest.h>
#include <wx/testing.h>

#include <filesystem>
#include <functional>
#include <string>

#include "document.h"
#include "wx_headers.h"

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

// Writes a project that simulates `days` summer days on a generated weather file of the
// current folder, as `path`.
void WriteProject(const std::filesystem::path& path, int days = 10);

// Saves a picture of the screen as <name>.png in the folder that TIDEWARM_SCREENSHOTS names;
// nothing when it is not set (a help while working on the windows).
void Screenshot(const std::string& name);

}  // namespace gui_test
