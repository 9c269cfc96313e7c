// Fuzz entries of the text files the programs read their words from: the message file, the
// string tables and the configuration file.
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "language.h"
#include "messages.h"
#include "program_config.h"
#include "string_table.h"

namespace fuzz {

namespace {

// Arguments of the kinds a format's conversions take, so that the format is really filled.
std::vector<MessageArg> ArgumentsFor(const std::vector<MessageArg::Kind>& kinds) {
    static const int pointee = 0;
    std::vector<MessageArg> args;
    for (const MessageArg::Kind kind : kinds) {
        switch (kind) {
            case MessageArg::Kind::Signed:
                args.emplace_back(-2147483647 - 1);
                break;
            case MessageArg::Kind::Unsigned:
                args.emplace_back(4294967295u);
                break;
            case MessageArg::Kind::Real:
                args.emplace_back(-1.7976931348623157e308);
                break;
            case MessageArg::Kind::Text:
                args.emplace_back("text");
                break;
            case MessageArg::Kind::Pointer:
                args.emplace_back(static_cast<const void*>(&pointee));
                break;
        }
    }
    return args;
}

// Formats `format` as a message and as a program text would be; a result, when there is one,
// fits the message buffer once cut.
void FillFormat(const std::string& format) {
    const auto kinds = FormatConversions(format);
    if (!kinds) return;
    const std::vector<MessageArg> args = ArgumentsFor(*kinds);
    Require(FormatChecked(format, args).has_value());
}

}  // namespace

void MessageFile(Bytes bytes) {
    WriteInput("scl.err", bytes);
    ForgetMessageFile();  // the texts kept from the input before
    // Every number the file gives, looked up and formatted with arguments of the right kinds,
    // with none and with one of each kind.
    std::istringstream lines(
        std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::string line;
    for (int count = 0; count < 32 && std::getline(lines, line); ++count) {
        const int number = static_cast<int>(std::strtoul(line.c_str(), nullptr, 0));
        char format[kMessageBufferSize];
        if (LookupErrorMessage(format, sizeof format, number) == 0) continue;
        const auto kinds = FormatConversions(format);
        if (kinds) FormatErrorMessage(number, ArgumentsFor(*kinds));
        FormatErrorMessage(number);
        FormatErrorMessage(number, {1, 2u, 3.0, "four"});
        Require(std::string(ErrorMessageBuffer()).size() < kMessageBufferSize);
    }
}

void StringTableFile(Bytes bytes) {
    QuietMessages quiet;
    WriteInput("fuzz.str", bytes);
    const std::optional<StringTable> table = ReadStringTableFile("fuzz.str");
    Require(table.has_value());
    for (const auto& [id, text] : table->Entries()) {
        FillFormat(text);
        Require(SameConversions(text, text));
    }
    if (LoadFrenchStrings("fuzz.str"))
        for (const auto& [id, text] : FrenchStrings().Entries()) Require(LoadResString(id) == text);
    DropFrenchStrings();
}

void ConfigFile(Bytes bytes) {
    WriteInput(std::string(kConfigFileName), bytes);
    ReadConfig(".");
    // Either language, which its word stands for again.
    Require(LanguageOfWord(LanguageWord(app::Language)) == app::Language);
    Require(app::PendingLanguage == app::Language);
}

}  // namespace fuzz
