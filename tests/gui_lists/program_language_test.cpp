// The program's language as the C library's own texts take it.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "wx_translations.h"

namespace {

// A reason the system gives (a file that cannot be opened, a module that cannot be loaded) reads
// in French with its accents, and in English again once the language is set back.
TEST(ProgramLanguage, SystemReasonsKeepTheirAccentsInFrench) {
    UseProgramLanguage(Language::French);
    const std::string french = std::strerror(EACCES);
    UseProgramLanguage(Language::English);
    const std::string english = std::strerror(EACCES);
    EXPECT_EQ(english, "Permission denied");
    EXPECT_NE(french, english);
    EXPECT_NE(french.find("\xC3\xA9"), std::string::npos) << french;  // an é, in UTF-8
}

}  // namespace
