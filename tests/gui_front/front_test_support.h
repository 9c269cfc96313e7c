// What Tidewarm's window tests share: a modal window expected and handled by a function, the
// windows found on the screen.
#pragma once

#include <functional>

#include "gui_test_support.h"
#include "wx_headers.h"

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

// The first top-level window of type T; null when none is open.
template <class T>
T* FindTopLevel() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found != nullptr && !found->IsBeingDeleted())
            return found;
    return nullptr;
}

}  // namespace gui_test
