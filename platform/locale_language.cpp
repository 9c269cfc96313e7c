#include "locale_language.h"

#include <cctype>
#include <cstdlib>
#include <string>

bool LocaleNamesFrench(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    std::string lower;
    for (char c : language) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "fr" || lower == "french";
}

Language UserLocaleLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return LocaleNamesFrench(value) ? Language::French : Language::English;
    }
    return Language::English;
}
