// The hourly result columns the user may choose (all but Month, Day and Hour), with their unit
// and their English and French descriptions, and the five dialogs that choose them, each over
// one range of columns.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dialog_fields.h"

struct HourlyColumnText {
    int column;           // position in the hourly file
    const char* unit;     // in brackets
    const char* english;  // also the check box text
    const char* french;
};

// Name of a column of the hourly file; empty outside the file's columns.
const char* HourlyColumnName(int column);
// Columns 3 to 45 in column order.
std::span<const HourlyColumnText> ChoosableHourlyColumns();
// The entry of one column; null for a column that cannot be chosen.
const HourlyColumnText* FindHourlyColumnText(int column);

// A dialog of one flag per column of [firstColumn, firstColumn + count), exchanged with check
// boxes 1182 onward.
class CHlyPrintDlg : public InputDialog {
  public:
    static constexpr int kFirstCheckBox = 1182;

    int TemplateId() const override { return templateId_; }
    std::vector<DialogField> Fields() override;
    // The title, then one line per column: description, quoted name and unit in fixed-width
    // fields (measured in characters), and 'X' or '-'.
    void PrintSummary(std::ostream& out, int language) const override;

    int FirstColumn() const { return firstColumn_; }
    int ColumnCount() const { return static_cast<int>(flags.size()); }
    // Copies the flags of the range from, or back into, the hourly writer's flag array (one
    // entry per column of the file).
    void TakeFlags(const int* columnFlags);
    void GiveFlags(int* columnFlags) const;

    std::vector<int> flags;

  protected:
    CHlyPrintDlg(int templateId, int firstColumn, int count, const char* englishTitle,
                 const char* frenchTitle, bool blankAfterTitle);

  private:
    int templateId_;
    int firstColumn_;
    const char* englishTitle_;
    const char* frenchTitle_;
    bool blankAfterTitle_;
};

class CHlyPrintEnergiesDlg : public CHlyPrintDlg {
  public:
    CHlyPrintEnergiesDlg();
};

class CHlyPrintWeatherDlg : public CHlyPrintDlg {
  public:
    CHlyPrintWeatherDlg();
};

class CHlyPrintControlsDlg : public CHlyPrintDlg {
  public:
    CHlyPrintControlsDlg();
};

class CHlyPrintCollectorDlg : public CHlyPrintDlg {
  public:
    CHlyPrintCollectorDlg();
};

class CHlyPrintPoolDlg : public CHlyPrintDlg {
  public:
    CHlyPrintPoolDlg();
};
