// The language of the user interface of both programs: their texts, windows, month names and
// reports.
#pragma once

#include <string_view>

enum class Language { English, French };

// The word both programs' configuration files hold for a language.
constexpr std::string_view LanguageWord(Language language) {
    return language == Language::French ? "Fra" : "Eng";
}
// The language a configuration file's word stands for: "Fra" French, any other English.
constexpr Language LanguageOfWord(std::string_view word) {
    return word == "Fra" ? Language::French : Language::English;
}

// The place of a language in the tables and radio groups that list English first, then French.
constexpr int LanguageIndex(Language language) {
    return language == Language::French ? 1 : 0;
}
// The language at a place of such a radio group: 1 French, any other English.
constexpr Language LanguageAtIndex(int index) {
    return index == 1 ? Language::French : Language::English;
}
