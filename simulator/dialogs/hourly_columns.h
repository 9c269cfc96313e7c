// The five dialogs that choose the hourly result columns written, each over the columns of one
// hourly-output selection.
#pragma once

#include <string>
#include <vector>

#include "dialog_fields.h"
#include "result_columns.h"

// A dialog of one flag per column of its selection, exchanged with check boxes 1182 onward.
class CHlyPrintDlg : public InputDialog {
  public:
    static constexpr int kFirstCheckBox = 1182;

    int TemplateId() const override { return templateId_; }
    std::vector<DialogField> Fields() override;
    // The title, then one line per column: description, quoted name and unit in fixed-width
    // fields (measured in characters), and 'X' or '-'.
    void PrintSummary(std::ostream& out, Language language) const override;

    int FirstColumn() const { return firstColumn_; }
    int ColumnCount() const { return static_cast<int>(flags.size()); }
    // Copies the flags of the range from, or back into, the hourly writer's flag array (one
    // entry per column of the file).
    void TakeFlags(const int* columnFlags);
    void GiveFlags(int* columnFlags) const;

    std::vector<int> flags;

  protected:
    CHlyPrintDlg(int templateId, HourlySelection selection, const char* englishTitle,
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
