#include "message_boxes.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
// After the native box, whose declarations it builds on.
#include <wx/generic/msgdlgg.h>

#include "wx_text.h"

namespace {

long IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
        case MessageKind::Notice:
            return wxICON_INFORMATION;
        case MessageKind::Warning:
            return wxICON_WARNING;
        case MessageKind::Error:
            break;
    }
    return wxICON_ERROR;
}

}  // namespace

void MessageBoxSink::Show(std::string_view text, MessageKind kind) {
    if (kind == MessageKind::Notice) {
        // GTK's own message box wraps its text at a width of its own; this one keeps each
        // sentence on one line and grows to the longest.
        wxGenericMessageDialog notice(wxTheApp->GetTopWindow(), ToWx(OneSentencePerLine(text)),
                                      wxTheApp->GetAppDisplayName(), wxOK | IconOf(kind));
        notice.ShowModal();
        return;
    }
    wxMessageBox(ToWx(text), wxTheApp->GetAppDisplayName(), wxOK | IconOf(kind),
                 wxTheApp->GetTopWindow());
}

bool MessageBoxSink::AskYesNo(std::string_view question, bool) {
    return wxMessageBox(ToWx(question), wxTheApp->GetAppDisplayName(), wxYES_NO | wxICON_QUESTION,
                        wxTheApp->GetTopWindow()) == wxYES;
}
