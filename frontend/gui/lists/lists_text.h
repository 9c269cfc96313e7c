// Texts between the front end (UTF-8 std::string, string ids) and wx.
#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

#include "string_table.h"

inline wxString ToWx(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}
inline std::string FromWx(const wxString& text) {
    return std::string(text.utf8_str());
}
// The text of a string id in the language in force.
inline wxString ResText(int id) {
    return ToWx(LoadResString(id));
}
