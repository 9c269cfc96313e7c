#include "message_boxes.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "wx_text.h"

namespace {

long IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
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
    wxMessageBox(ToWx(text), wxTheApp->GetAppDisplayName(), wxOK | IconOf(kind),
                 wxTheApp->GetTopWindow());
}

bool MessageBoxSink::AskYesNo(std::string_view question, bool) {
    return wxMessageBox(ToWx(question), wxTheApp->GetAppDisplayName(), wxYES_NO | wxICON_QUESTION,
                        wxTheApp->GetTopWindow()) == wxYES;
}
