// What every input dialog of the simulation program has in common, without any window: the
// table of its fields (where each value lives, how it is shown, its range and the message that
// refuses a value out of range), the exchange between the texts of the controls and the values,
// and the enabled state and texts that the dialog's rules give its controls.
//
// A window binds each control to the field of the same control id: it shows FieldText and, on
// OK, hands the texts of all controls to SaveDialog, which stores them only when every one of
// them is acceptable. A text that is still the one shown is checked but not stored, so a value
// keeps every digit that its short text does not show; a control that the rules disable is
// neither checked nor stored.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "language.h"

// Where a field's value lives: the type it is read and stored as.
using FieldValue = std::variant<int*, double*, std::string*>;

// How a field is shown, where the type of its value does not say it.
enum class FieldKind {
    kEdit,         // an edit: int in decimal, double "%g", text at most maxLength bytes
    kIntAsDouble,  // an edit of a double holding a whole number, shown and read as an int
    kCheck,        // int 0/1 of a check box
    kRadio,        // int index of the chosen button of a radio group (-1: none)
    kCombo,        // int index of the chosen entry of a drop-down list, or its std::string text
};

struct DialogField {
    int controlId = 0;
    FieldKind kind = FieldKind::kEdit;
    FieldValue value;
    bool ranged = false;  // min..max checked (for texts: maxLength)
    double min = 0;
    double max = 0;
    int maxLength = 0;  // texts; 0 means no limit
    int messageId = 0;  // string that refuses a value out of range (or too long)
};

// True for a field whose value is a text (an edit's or a combo box's), false for a number.
bool HoldsText(const DialogField& field);

// Field builders; each fills in the message of its kind.
DialogField IntField(int controlId, int* value);
DialogField IntField(int controlId, int* value, int min, int max);
// An int checked against a range of doubles (message of the real range).
DialogField IntFieldRealRange(int controlId, int* value, double min, double max);
DialogField DoubleField(int controlId, double* value);
DialogField DoubleField(int controlId, double* value, double min, double max);
// Whole numbers kept in a double; the bounds are cut to whole numbers.
DialogField IntAsDoubleField(int controlId, double* value);
DialogField IntAsDoubleField(int controlId, double* value, double min, double max);
DialogField TextField(int controlId, std::string* value, int maxLength = 0);
DialogField CheckField(int controlId, int* value);
DialogField RadioField(int firstControlId, int* value);
DialogField ComboIndexField(int controlId, int* value);
DialogField ComboTextField(int controlId, std::string* value, int maxLength = 0);

// Outcome of an exchange: ok, or the control to give the focus to and the message to show.
struct ExchangeStatus {
    bool ok = true;
    int controlId = 0;
    std::string message;

    explicit operator bool() const { return ok; }
    static ExchangeStatus Refused(int controlId, std::string message);
};

// The text a control shows for the field's value: ints and indexes in decimal, doubles as a
// person writes them ("%g": six significant digits).
std::string FieldText(const DialogField& field);
// Reads `text` as the field's value and checks it, without storing it. On success the value
// read goes to `number` (numeric kinds) or `text` stays as given (text kinds).
ExchangeStatus ParseFieldText(const DialogField& field, std::string_view text, double* number);
// Reads and checks one field; stores it unless `text` is still the field's FieldText.
ExchangeStatus StoreFieldText(const DialogField& field, std::string_view text);
// Checks the value the field holds against its range.
ExchangeStatus CheckFieldValue(const DialogField& field);

// Enabled and read-only state of a control, as a dialog's rules give it.
struct ControlState {
    int controlId = 0;
    bool enabled = true;
    bool readOnly = false;
};

// A text the dialog's rules give a control (labels, units).
struct ControlText {
    int controlId = 0;
    std::string text;
};

// Base of the input dialogs' data: members live in the derived classes.
class InputDialog {
  public:
    virtual ~InputDialog() = default;

    virtual int TemplateId() const = 0;
    // The field table; the pointers point into this object.
    virtual std::vector<DialogField> Fields() = 0;
    // The rules' states and texts for the present members.
    virtual std::vector<ControlState> ControlStates() const { return {}; }
    virtual std::vector<ControlText> ControlTexts() const { return {}; }
    // Runs once every field was taken: the checks that involve several fields and the
    // normalisations of OK. A refusal keeps the dialog open.
    virtual ExchangeStatus OnOK() { return {}; }
    // Writes the dialog's section of the input summary in `language`.
    virtual void PrintSummary(std::ostream& out, Language language) const = 0;
};

// The text of each control, by control id; nothing for a control the window does not have
// (its field keeps its value).
using ControlTextSource = std::function<std::optional<std::string>(int controlId)>;

// Takes the texts of every field that the rules enable: all are read and checked first; only
// when every one is acceptable are the changed ones stored, and then OnOK runs. On a refusal
// nothing is stored.
ExchangeStatus SaveDialog(InputDialog& dialog, const ControlTextSource& texts);
// The state the rules give one control; enabled and editable when no rule names it.
ControlState StateOf(const InputDialog& dialog, int controlId);
