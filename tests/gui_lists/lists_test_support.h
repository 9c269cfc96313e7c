// What the list windows' tests share: event pumping, messages recorded instead of shown, a
// database copied from the reference database, and screenshots on request.
#pragma once

#include <gtest/gtest.h>
#include <wx/testing.h>

#include <functional>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "lists_wx_headers.h"
#include "object_dialog.h"

namespace lists_test {

// Processes events until `done` holds or `milliseconds` passed; whether it holds.
using gui_test::PumpUntil;

// Sends a button click with `id` to `window`.
void Click(wxWindow& window, int id);

// The messages the code under test showed since the last call.
std::vector<std::string> TakeMessages();

// Starts every test on a fresh copy of the reference database, in English and SI.
class ListWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

// An edit dialog expected to open modally; `fill` acts on it and returns the button chosen.
class ExpectObjectDialog : public wxExpectModalBase<ObjectDialog, ExpectObjectDialog> {
  public:
    explicit ExpectObjectDialog(std::function<int(ObjectDialog&)> fill) : fill_(std::move(fill)) {}

  protected:
    int OnInvoked(ObjectDialog* dialog) const override { return fill_(*dialog); }

  private:
    std::function<int(ObjectDialog&)> fill_;
};

// Saves a picture of the screen as <name>.png in the folder TIDEWARM_SCREENSHOTS names; nothing
// when it is not set.
void Screenshot(const std::string& name);

}  // namespace lists_test
