#include "locale_language.h"

#include <gtest/gtest.h>

#include "scoped_environment.h"

namespace {

TEST(LocaleNamesFrench, LanguagePartMustBeFrench) {
    for (const char* name : {"fr", "fr_FR", "fr_CA.UTF-8", "fr_CH@euro", "FR_fr", "french"})
        EXPECT_TRUE(LocaleNamesFrench(name)) << name;
    for (const char* name :
         {"", "C", "POSIX", "C.UTF-8", "en_US.UTF-8", "fur_IT", "fy_NL", "frr_DE", "de_FR.UTF-8"})
        EXPECT_FALSE(LocaleNamesFrench(name)) << name;
}

TEST(UserLocaleLanguage, FirstNonEmptyOfLcAllLcMessagesAndLang) {
    test::ScopedEnvironment env;
    env.Unset("LC_ALL");
    env.Unset("LC_MESSAGES");
    env.Unset("LANG");
    EXPECT_EQ(UserLocaleLanguage(), Language::English);
    env.Set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(UserLocaleLanguage(), Language::French);
    env.Set("LC_MESSAGES", "en_US.UTF-8");
    EXPECT_EQ(UserLocaleLanguage(), Language::English);
    env.Set("LC_ALL", "fr_CA.UTF-8");
    EXPECT_EQ(UserLocaleLanguage(), Language::French);
    env.Set("LC_ALL", "");
    EXPECT_EQ(UserLocaleLanguage(), Language::English);
    env.Set("LC_MESSAGES", "");
    EXPECT_EQ(UserLocaleLanguage(), Language::French);
    env.Set("LC_ALL", "C");
    EXPECT_EQ(UserLocaleLanguage(), Language::English);
}

}  // namespace
