// Numbered messages: components report failures as numbers; the texts live in the message
// file "scl.err" (current folder) and are printf formats filled with the failure's values.
//
// The format texts come from a file, so they are never handed to the C formatter unchecked:
// every conversion is checked against the kind of the argument actually passed, and each one is
// formatted on its own with an argument of exactly the type its conversion names.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One argument of a message, with the kind it was passed as.
struct MessageArg {
    enum class Kind { Signed, Unsigned, Real, Text, Pointer };

    template <std::signed_integral T>
    MessageArg(T v) : kind(Kind::Signed), integer(static_cast<std::uint64_t>(v)) {}
    template <std::unsigned_integral T>
    MessageArg(T v) : kind(Kind::Unsigned), integer(v) {}
    template <std::floating_point T>
    MessageArg(T v) : kind(Kind::Real), real(static_cast<double>(v)) {}
    MessageArg(const char* s) : kind(Kind::Text), text(s ? s : "(null)") {}
    MessageArg(const std::string& s) : kind(Kind::Text), text(s.c_str()) {}
    MessageArg(const void* p) : kind(Kind::Pointer), pointer(p) {}

    Kind kind;
    std::uint64_t integer = 0;  // two's complement bits of a signed value
    double real = 0;
    const char* text = nullptr;  // valid for the duration of the call it is passed to
    const void* pointer = nullptr;
};

using MessageArgs = std::initializer_list<MessageArg>;

// The kinds of argument that the conversions of a printf format take, in order; nothing when
// the format holds a conversion the formatter refuses (%n, '*' widths, unknown letters).
[[nodiscard]] std::optional<std::vector<MessageArg::Kind>> FormatConversions(
    std::string_view format);

// Formats `format` with `args`; nothing when a conversion is refused, or when the kinds or the
// number of the arguments do not match the conversions.
[[nodiscard]] std::optional<std::string> FormatChecked(std::string_view format,
                                                       std::span<const MessageArg> args);

template <class... Args>
[[nodiscard]] std::optional<std::string> FormatText(std::string_view format, const Args&... args) {
    const MessageArg list[] = {MessageArg(args)..., MessageArg(0)};
    return FormatChecked(format, std::span<const MessageArg>(list, sizeof...(Args)));
}

// Size of the global message buffer, terminator included.
constexpr int kMessageBufferSize = 256;

// The last formatted message.
const char* ErrorMessageBuffer();

// While 0, every report leaves "Error message generation is turned off!" in the buffer.
extern int g_errorMessagesOn;

// Message number of an allocation failure inside a component (0xFFFF0001 as 32 bits).
constexpr int kAllocationFailure = -0xFFFF;

// The message file, read from the current folder.
inline constexpr char kMessageFileName[] = "scl.err";

// Copies the format text of `number` from "scl.err" (read at the first call, then kept) into `text`
// (at most size - 1 characters and the terminator) and returns 1; otherwise copies "Error file not
// found" or "Unknown error" followed by the number in hexadecimal, and returns 0.
int LookupErrorMessage(char* text, int size, int number);
// Forgets the texts read from the message file: the next message looked up reads it again.
void ForgetMessageFile();

// Fills the message buffer with the text of `number` formatted with `args`. When the text's
// conversions do not match the arguments, the raw text and the number are shown instead.
void FormatErrorMessage(int number, std::span<const MessageArg> args);
inline void FormatErrorMessage(int number, MessageArgs args = {}) {
    FormatErrorMessage(number, std::span<const MessageArg>(args.begin(), args.size()));
}

template <class... Args>
void ReportError(int number, const Args&... args) {
    FormatErrorMessage(number, {MessageArg(args)...});
}
