#include "messages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <unordered_map>

#include "file_kind.h"

int g_errorMessagesOn = 1;

namespace {

char g_messageBuffer[kMessageBufferSize] = "";

// The texts of the message file by number, read at the first message looked up: a run looks up
// thousands, and reading the file for each would cost more than the simulation.
using MessageTexts = std::unordered_map<std::uint32_t, std::string>;
std::optional<MessageTexts> g_messageTexts;

// Reads the message file's lines "<number><one separator><text>" (the number in C notation);
// the first line of a number holds its text. Nothing when the file cannot be read, or is not a
// regular file (a FIFO would hold the program).
std::optional<MessageTexts> ReadMessageFile() {
    std::ifstream file = OpenRegularFile(kMessageFileName);
    if (!file) return std::nullopt;
    MessageTexts texts;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        char* end = nullptr;
        const unsigned long value = std::strtoul(line.c_str(), &end, 0);
        if (end == line.c_str() || value > std::numeric_limits<std::uint32_t>::max()) continue;
        // The single separator after the number is dropped, whatever it is.
        std::size_t start = static_cast<std::size_t>(end - line.c_str());
        if (start < line.size()) ++start;
        texts.emplace(static_cast<std::uint32_t>(value), line.substr(start));
    }
    return texts;
}

// The message file's texts, read once; null while it cannot be read.
const MessageTexts* LoadedMessageTexts() {
    if (!g_messageTexts) g_messageTexts = ReadMessageFile();
    return g_messageTexts ? &*g_messageTexts : nullptr;
}

using Kind = MessageArg::Kind;

// One conversion of a format: its text (flags, width, precision, length and letter) and where
// it ends in the format.
struct Conversion {
    std::string spec;
    std::string length;
    char letter = 0;
    std::size_t end = 0;
};

// Parses the conversion that starts at format[pos] == '%'. Nothing when it is one we refuse,
// which includes a width or precision larger than the message buffer: a message never needs
// one, and the C formatter would take seconds or gigabytes to honour it.
std::optional<Conversion> ParseConversion(std::string_view format, std::size_t pos) {
    Conversion c;
    std::size_t i = pos + 1;
    // Reads a width or precision; false when it exceeds the message buffer.
    auto digitsFit = [&] {
        int value = 0;
        for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i) {
            value = value * 10 + (format[i] - '0');
            if (value > kMessageBufferSize) return false;
        }
        return true;
    };
    while (i < format.size() && std::strchr("-+ #0", format[i])) ++i;
    if (!digitsFit()) return std::nullopt;
    if (i < format.size() && format[i] == '.') {
        ++i;
        if (!digitsFit()) return std::nullopt;
    }
    const std::size_t lengthStart = i;
    while (i < format.size() && std::strchr("hljztL", format[i])) ++i;
    c.length = std::string(format.substr(lengthStart, i - lengthStart));
    if (i >= format.size()) return std::nullopt;
    c.letter = format[i];
    c.spec = std::string(format.substr(pos, lengthStart - pos));
    c.end = i + 1;

    const std::string& l = c.length;
    const bool integerLength = l.empty() || l == "hh" || l == "h" || l == "l" || l == "ll" ||
                               l == "j" || l == "z" || l == "t";
    switch (c.letter) {
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            if (!integerLength) return std::nullopt;
            break;
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (!(l.empty() || l == "l" || l == "L")) return std::nullopt;
            break;
        case 'c':
        case 's':
        case 'p':
            if (!l.empty()) return std::nullopt;
            break;
        default:
            return std::nullopt;  // %n, '*' widths and unknown letters
    }
    return c;
}

Kind KindOf(char letter) {
    switch (letter) {
        case 'd':
        case 'i':
            return Kind::Signed;
        case 'u':
        case 'o':
        case 'x':
        case 'X':
        case 'c':
            return Kind::Unsigned;
        case 's':
            return Kind::Text;
        case 'p':
            return Kind::Pointer;
        default:
            return Kind::Real;
    }
}

bool Accepts(Kind wanted, Kind given) {
    const auto integer = [](Kind k) { return k == Kind::Signed || k == Kind::Unsigned; };
    return wanted == given || (integer(wanted) && integer(given));
}

// Cuts an integer's bits to the width its length modifier names, as the C formatter would see it.
std::uint64_t Narrow(std::uint64_t v, const std::string& length, bool isSigned) {
    int bits = 32;
    if (length == "hh")
        bits = 8;
    else if (length == "h")
        bits = 16;
    else if (!length.empty())
        bits = 64;
    if (bits == 64) return v;
    const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
    v &= mask;
    if (isSigned && (v >> (bits - 1)) != 0) v |= ~mask;  // sign-extend
    return v;
}

// `spec` is one conversion of a message text, already checked against the kind of `value`.
template <class T>
void Append(std::string& out, const std::string& spec, T value) {
    char piece[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::snprintf(piece, sizeof piece, spec.c_str(), value);
#pragma GCC diagnostic pop
    if (n > 0) out.append(piece, std::min<std::size_t>(n, sizeof piece - 1));
}

void AppendConversion(std::string& out, const Conversion& c, const MessageArg& arg) {
    const std::string base = c.spec;
    switch (c.letter) {
        case 'd':
        case 'i':
            Append(out, base + "ll" + c.letter,
                   static_cast<long long>(Narrow(arg.integer, c.length, true)));
            break;
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            Append(out, base + "ll" + c.letter,
                   static_cast<unsigned long long>(Narrow(arg.integer, c.length, false)));
            break;
        case 'c':
            Append(out, base + 'c', static_cast<int>(static_cast<unsigned char>(arg.integer)));
            break;
        case 's':
            Append(out, base + 's', arg.text);
            break;
        case 'p':
            Append(out, base + 'p', arg.pointer);
            break;
        default:
            Append(out, base + c.letter, arg.real);
    }
}

void CopyToBuffer(std::string_view text) {
    std::size_t n = std::min<std::size_t>(text.size(), kMessageBufferSize - 1);
    // Never cut a UTF-8 sequence in two.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(g_messageBuffer, text.data(), n);
    g_messageBuffer[n] = '\0';
}

std::string NumberSuffix(int number) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, " (0x%08lX)",
                  static_cast<unsigned long>(static_cast<std::uint32_t>(number)));
    return suffix;
}

}  // namespace

std::optional<std::vector<Kind>> FormatConversions(std::string_view format) {
    std::vector<Kind> kinds;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        const auto c = ParseConversion(format, i);
        if (!c) return std::nullopt;
        kinds.push_back(KindOf(c->letter));
        i = c->end - 1;
    }
    return kinds;
}

std::optional<std::string> FormatChecked(std::string_view format,
                                         std::span<const MessageArg> args) {
    const auto kinds = FormatConversions(format);
    if (!kinds || kinds->size() != args.size()) return std::nullopt;
    for (std::size_t k = 0; k < args.size(); ++k)
        if (!Accepts((*kinds)[k], args[k].kind)) return std::nullopt;

    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const auto c = ParseConversion(format, i);
        AppendConversion(out, *c, args[next++]);
        i = c->end - 1;
    }
    return out;
}

const char* ErrorMessageBuffer() {
    return g_messageBuffer;
}

void ForgetMessageFile() {
    g_messageTexts.reset();
}

int LookupErrorMessage(char* text, int size, int number) {
    if (text == nullptr || size <= 0) return 0;
    std::string replacement = "Error file not found";
    if (const MessageTexts* texts = LoadedMessageTexts()) {
        replacement = "Unknown error";
        if (const auto found = texts->find(static_cast<std::uint32_t>(number));
            found != texts->end()) {
            const std::string cut = found->second.substr(0, static_cast<std::size_t>(size) - 1);
            std::memcpy(text, cut.c_str(), cut.size() + 1);
            return 1;
        }
    }
    if (replacement.size() + 12 < static_cast<std::size_t>(size))
        replacement += NumberSuffix(number);
    const std::size_t n = std::min<std::size_t>(replacement.size(), size - 1);
    std::memcpy(text, replacement.data(), n);
    text[n] = '\0';
    return 0;
}

void FormatErrorMessage(int number, std::span<const MessageArg> args) {
    if (g_errorMessagesOn == 0) {
        CopyToBuffer("Error message generation is turned off!");
        return;
    }
    char format[kMessageBufferSize];
    if (LookupErrorMessage(format, sizeof format, number) == 0) {
        CopyToBuffer(format);
        return;
    }
    if (const auto text = FormatChecked(format, args))
        CopyToBuffer(*text);
    else
        CopyToBuffer(std::string(format) + NumberSuffix(number));
}
