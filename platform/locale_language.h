// The user's language as the locale settings name it, for both programs' first start.
#pragma once

#include <string_view>

#include "language.h"

// True when a locale name names French ("fr", "fr_CA.UTF-8", "french", ...).
[[nodiscard]] bool LocaleNamesFrench(std::string_view locale);

// The user's language from the locale settings: the first non-empty of LC_ALL, LC_MESSAGES and
// LANG; French when it names French, else English.
[[nodiscard]] Language UserLocaleLanguage();
