// The sizing study of the input form's run in a window: the sizes simulated one at a time while a
// progress bar shows how far the study is (Cancel stops it, changing nothing), then the two
// answers, the table of sizes and the charts of net present value and swimmable days against
// the collector area. "Use this size" ends the window with the chosen size for the form; the
// table can be saved as CSV.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "front_wx_headers.h"
#include "sizing_study.h"

class SizingWindow : public wxDialog {
  public:
    enum { ID_STOP = wxID_HIGHEST + 400, ID_USE_SIZE, ID_SAVE_CSV };

    // The study of `run` planned; it starts once the window is shown.
    SizingWindow(wxWindow* parent, const InputFormData& run);
    ~SizingWindow() override;

    // False after the message when the run cannot be studied: the window is not to be shown.
    bool Planned() const { return study_.has_value(); }
    bool Running() const { return running_; }
    std::size_t SimulatedCount() const { return study_ ? study_->SimulatedCount() : 0; }
    // The sizes of a finished study; empty while it runs and after it stopped or failed.
    const std::vector<SizeFigures>& Sizes() const { return sizes_; }
    // The size "Use this size" chose (the window then ended with wxID_OK).
    const std::optional<SizeFigures>& ChosenSize() const { return chosen_; }
    wxListCtrl& Table() { return *table_; }

  private:
    void BuildControls();
    void SimulateNextSize();
    void ShowProgress();
    // The study over (finished, failed or stopped): the progress bar goes, the results of a
    // finished study show.
    void EndStudy();
    void ShowResults();
    void ShowCharts();
    void UseSelectedSize();
    void SaveCsv();
    // The size of the selected row; null when none is, or when it has no collector.
    const SizeFigures* SelectedSize() const;

    InputFormData run_;
    std::optional<SizingStudy> study_;
    std::vector<SizeFigures> sizes_;
    std::optional<SizeFigures> chosen_;
    bool running_ = false;
    wxTimer stepTimer_;
    std::filesystem::path chartsFolder_;
    wxStaticText* answers_ = nullptr;
    wxStaticText* status_ = nullptr;
    wxGauge* progress_ = nullptr;
    wxButton* stop_ = nullptr;
    wxListCtrl* table_ = nullptr;
    wxStaticBitmap* valueChart_ = nullptr;
    wxStaticBitmap* daysChart_ = nullptr;
    wxButton* useSize_ = nullptr;
    wxButton* saveCsv_ = nullptr;
};
