#include "dialog_fields.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "messages.h"
#include "number_text.h"
#include "simulator_strings.h"
#include "string_table.h"

namespace {

DialogField Make(int controlId, FieldKind kind, FieldValue value) {
    DialogField field;
    field.controlId = controlId;
    field.kind = kind;
    field.value = value;
    return field;
}

DialogField Ranged(DialogField field, double min, double max, int messageId) {
    field.ranged = true;
    field.min = min;
    field.max = max;
    field.messageId = messageId;
    return field;
}

// A string-table text filled with checked arguments; the raw text when they do not fit it.
template <class... Args>
std::string Message(int id, const Args&... args) {
    const std::string format = LoadResString(id);
    return FormatText(format, args...).value_or(format);
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The whole text must be the number (blanks around it allowed).
bool ParseWholeInt(std::string_view text, long long& value) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ParseWholeDouble(std::string_view text, double& value) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
           std::isfinite(value);
}

// Ints, and the doubles shown as ints, are read as whole numbers.
bool ReadsWholeNumber(const DialogField& field) {
    return std::holds_alternative<int*>(field.value) || field.kind == FieldKind::kIntAsDouble;
}

ExchangeStatus CheckNumber(const DialogField& field, double number) {
    if (!field.ranged || (number >= field.min && number <= field.max)) return {};
    if (field.messageId == kStrIntegerRange)
        return ExchangeStatus::Refused(
            field.controlId,
            Message(field.messageId, static_cast<int>(field.min), static_cast<int>(field.max)));
    return ExchangeStatus::Refused(field.controlId, Message(field.messageId, field.min, field.max));
}

ExchangeStatus CheckText(const DialogField& field, std::string_view text) {
    if (field.maxLength > 0 && text.size() > static_cast<std::size_t>(field.maxLength))
        return ExchangeStatus::Refused(field.controlId, Message(kStrTextTooLong, field.maxLength));
    return {};
}

}  // namespace

DialogField IntField(int controlId, int* value) {
    return Make(controlId, FieldKind::kEdit, value);
}

DialogField IntField(int controlId, int* value, int min, int max) {
    return Ranged(Make(controlId, FieldKind::kEdit, value), min, max, kStrIntegerRange);
}

DialogField IntFieldRealRange(int controlId, int* value, double min, double max) {
    return Ranged(Make(controlId, FieldKind::kEdit, value), min, max, kStrNumberRange);
}

DialogField DoubleField(int controlId, double* value) {
    return Make(controlId, FieldKind::kEdit, value);
}

DialogField DoubleField(int controlId, double* value, double min, double max) {
    return Ranged(Make(controlId, FieldKind::kEdit, value), min, max, kStrNumberRange);
}

DialogField IntAsDoubleField(int controlId, double* value) {
    return Make(controlId, FieldKind::kIntAsDouble, value);
}

DialogField IntAsDoubleField(int controlId, double* value, double min, double max) {
    return Ranged(Make(controlId, FieldKind::kIntAsDouble, value), std::trunc(min), std::trunc(max),
                  kStrNumberRange);
}

DialogField TextField(int controlId, std::string* value, int maxLength) {
    DialogField field = Make(controlId, FieldKind::kEdit, value);
    field.maxLength = maxLength;
    field.messageId = kStrTextTooLong;
    return field;
}

DialogField CheckField(int controlId, int* value) {
    return Make(controlId, FieldKind::kCheck, value);
}

DialogField RadioField(int firstControlId, int* value) {
    return Make(firstControlId, FieldKind::kRadio, value);
}

DialogField ComboIndexField(int controlId, int* value) {
    return Make(controlId, FieldKind::kCombo, value);
}

DialogField ComboTextField(int controlId, std::string* value, int maxLength) {
    DialogField field = TextField(controlId, value, maxLength);
    field.kind = FieldKind::kCombo;
    return field;
}

bool HoldsText(const DialogField& field) {
    return std::holds_alternative<std::string*>(field.value);
}

ExchangeStatus ExchangeStatus::Refused(int controlId, std::string message) {
    ExchangeStatus status;
    status.ok = false;
    status.controlId = controlId;
    status.message = std::move(message);
    return status;
}

std::string FieldText(const DialogField& field) {
    if (const auto* text = std::get_if<std::string*>(&field.value)) return **text;
    if (const auto* number = std::get_if<double*>(&field.value)) {
        if (field.kind != FieldKind::kIntAsDouble) return NumberText(**number);
        const double limited =
            std::fmax(std::fmin(std::trunc(**number), std::numeric_limits<int>::max()),
                      std::numeric_limits<int>::min());
        return std::to_string(static_cast<int>(limited));
    }
    return std::to_string(*std::get<int*>(field.value));
}

ExchangeStatus ParseFieldText(const DialogField& field, std::string_view text, double* number) {
    if (HoldsText(field)) return CheckText(field, text);
    double value = 0;
    if (ReadsWholeNumber(field)) {
        long long whole = 0;
        if (!ParseWholeInt(text, whole) || whole < std::numeric_limits<int>::min() ||
            whole > std::numeric_limits<int>::max())
            return ExchangeStatus::Refused(field.controlId, LoadResString(kStrEnterInteger));
        value = static_cast<double>(whole);
    } else if (!ParseWholeDouble(text, value)) {
        return ExchangeStatus::Refused(field.controlId, LoadResString(kStrEnterNumber));
    }
    ExchangeStatus status = CheckNumber(field, value);
    if (status && number) *number = value;
    return status;
}

namespace {

// An edit still showing the text of its field's value was left alone: its value stays as it
// is, every digit that the text does not show included.
bool StillShown(const DialogField& field, std::string_view text) {
    return text == FieldText(field);
}

// The rules' disabled controls hold values that do not apply: they are neither checked nor
// stored. A radio group always counts (the rules disable the buttons a choice rules out, not
// the group).
bool Applies(const InputDialog& dialog, const DialogField& field) {
    return field.kind == FieldKind::kRadio || StateOf(dialog, field.controlId).enabled;
}

void Store(const DialogField& field, std::string_view text, double number) {
    if (const auto* textValue = std::get_if<std::string*>(&field.value))
        **textValue = std::string(text);
    else if (const auto* doubleValue = std::get_if<double*>(&field.value))
        **doubleValue = number;
    else
        *std::get<int*>(field.value) = static_cast<int>(number);
}

}  // namespace

ExchangeStatus StoreFieldText(const DialogField& field, std::string_view text) {
    double number = 0;
    ExchangeStatus status = ParseFieldText(field, text, &number);
    if (status && !StillShown(field, text)) Store(field, text, number);
    return status;
}

ExchangeStatus CheckFieldValue(const DialogField& field) {
    if (const auto* text = std::get_if<std::string*>(&field.value)) return CheckText(field, **text);
    if (const auto* number = std::get_if<double*>(&field.value)) {
        const double v = field.kind == FieldKind::kIntAsDouble ? std::trunc(**number) : **number;
        if (!std::isfinite(v))
            return ExchangeStatus::Refused(field.controlId, LoadResString(kStrEnterNumber));
        return CheckNumber(field, v);
    }
    return CheckNumber(field, *std::get<int*>(field.value));
}

ExchangeStatus SaveDialog(InputDialog& dialog, const ControlTextSource& texts) {
    struct Taken {
        DialogField field;
        std::string text;
        double number;
    };
    std::vector<Taken> taken;
    for (const DialogField& field : dialog.Fields()) {
        if (!Applies(dialog, field)) continue;
        std::optional<std::string> text = texts(field.controlId);
        if (!text) continue;
        double number = 0;
        ExchangeStatus status = ParseFieldText(field, *text, &number);
        if (!status) return status;
        if (!StillShown(field, *text)) taken.push_back({field, std::move(*text), number});
    }
    for (const Taken& t : taken) Store(t.field, t.text, t.number);
    return dialog.OnOK();
}

ControlState StateOf(const InputDialog& dialog, int controlId) {
    ControlState state;
    state.controlId = controlId;
    for (const ControlState& s : dialog.ControlStates())
        if (s.controlId == controlId) state = s;
    return state;
}
