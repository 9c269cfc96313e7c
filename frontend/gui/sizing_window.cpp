#include "sizing_window.h"

#include <unistd.h>

#include "dialog_rows.h"
#include "file_replace.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "sizing_table.h"
#include "sizing_texts.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

// The table scrolls sideways through its columns.
constexpr int kTableWidth = 980;
constexpr int kTableHeight = 260;
const wxColour kOwnSizeColour(255, 250, 205);
constexpr int kStepPause = 10;  // ms between two sizes

// The charts' pictures are written in a folder of the window's own, removed with it.
std::filesystem::path NewChartsFolder() {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tidewarm-sizing-" + std::to_string(::getpid()));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

wxBitmap ChartBitmap(const SizingChartLine& line, const std::filesystem::path& path) {
    const std::string failure = MakeSizingChart(line, path);
    if (!failure.empty()) {
        ShowMessage(failure);
        return wxBitmap(kSizingChartWidth, kSizingChartHeight);
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_GIF) == nullptr) wxImage::AddHandler(new wxGIFHandler);
    wxImage image;
    image.LoadFile(ToWx(path.string()), wxBITMAP_TYPE_GIF);
    return image.IsOk() ? wxBitmap(image) : wxBitmap(kSizingChartWidth, kSizingChartHeight);
}

}  // namespace

SizingWindow::SizingWindow(wxWindow* parent, const InputFormData& run)
    : wxDialog(parent, wxID_ANY, ResText(kStrSizingTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      run_(run),
      study_(SizingStudy::Plan(run)) {
    BindHelp(*this, "sizing");
    if (!study_) return;
    BuildControls();
    ShowProgress();
    // One size is simulated at each tick of a timer: between two, the window takes the user's
    // input (a chain of posted calls would hold it back until the study ends).
    stepTimer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { SimulateNextSize(); });
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent& event) {
        running_ = true;
        stepTimer_.StartOnce(kStepPause);
        event.Skip();
    });
}

SizingWindow::~SizingWindow() {
    if (chartsFolder_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(chartsFolder_, error);
}

void SizingWindow::BuildControls() {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    answers_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    sizer->Add(answers_, 0, wxEXPAND | wxALL, 8);

    auto* progressRow = new wxBoxSizer(wxHORIZONTAL);
    status_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    progress_ = new wxGauge(this, wxID_ANY, static_cast<int>(study_->SizeCount()));
    stop_ = new wxButton(this, ID_STOP, ResText(kStrButtonCancel));
    progressRow->Add(status_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    progressRow->Add(progress_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    progressRow->Add(stop_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(progressRow, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    table_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(kTableWidth, kTableHeight),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
    for (SizingColumn column : SizingColumns(run_.doubleRun))
        table_->AppendColumn(ToWx(SizingColumnTitle(column, run_.units)), wxLIST_FORMAT_RIGHT,
                             wxLIST_AUTOSIZE_USEHEADER);
    sizer->Add(table_, 1, wxEXPAND | wxALL, 8);

    auto* charts = new wxBoxSizer(wxHORIZONTAL);
    valueChart_ = new wxStaticBitmap(this, wxID_ANY, wxNullBitmap, wxDefaultPosition,
                                     wxSize(kSizingChartWidth, kSizingChartHeight));
    daysChart_ = new wxStaticBitmap(this, wxID_ANY, wxNullBitmap, wxDefaultPosition,
                                    wxSize(kSizingChartWidth, kSizingChartHeight));
    charts->Add(valueChart_, 0, wxRIGHT, 8);
    charts->Add(daysChart_);
    sizer->Add(charts, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    useSize_ = new wxButton(this, ID_USE_SIZE, ResText(kStrButtonUseSize));
    saveCsv_ = new wxButton(this, ID_SAVE_CSV, ResText(kStrButtonSaveCsv));
    buttons->Add(useSize_, 0, wxLEFT, 8);
    buttons->Add(saveCsv_, 0, wxLEFT, 8);
    // Close is the window's Cancel: Escape, Alt+F4 and the title bar end it the same way.
    buttons->Add(new wxButton(this, wxID_CANCEL, ResText(kStrButtonClose)), 0, wxLEFT, 8);
    buttons->Add(new wxButton(this, wxID_HELP, ResText(kStrButtonHelp)), 0, wxLEFT, 8);
    sizer->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizerAndFit(sizer);
    Centre();

    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            EndStudy();
            status_->SetLabel(ResText(kStrSizingCancelled));
        },
        ID_STOP);
    // Close, Escape, Alt+F4 and the title bar end a study still running with the window.
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent& event) {
            running_ = false;
            stepTimer_.Stop();
            event.Skip();
        },
        wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { UseSelectedSize(); }, ID_USE_SIZE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SaveCsv(); }, ID_SAVE_CSV);
    table_->Bind(wxEVT_LIST_ITEM_SELECTED,
                 [this](wxListEvent&) { useSize_->Enable(SelectedSize() != nullptr); });
    table_->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { useSize_->Disable(); });
}

void SizingWindow::SimulateNextSize() {
    if (!running_) return;
    if (!study_->SimulateNext()) {
        // The size's own message has been shown; nothing of the study is kept.
        EndStudy();
        return;
    }
    if (study_->Finished()) {
        sizes_ = study_->Sizes();
        EndStudy();
        return;
    }
    ShowProgress();
    stepTimer_.StartOnce(kStepPause);
}

void SizingWindow::ShowProgress() {
    const std::size_t done = study_->SimulatedCount();
    progress_->SetValue(static_cast<int>(done));
    status_->SetLabel(ToWx(FormatResString(
        kStrSimulatingSize, wxString::Format("%g", study_->NextCollectors()).ToStdString(),
        static_cast<int>(done + 1), static_cast<int>(study_->SizeCount()))));
    useSize_->Disable();
    saveCsv_->Disable();
}

void SizingWindow::EndStudy() {
    running_ = false;
    stepTimer_.Stop();
    status_->SetLabel(wxString());
    // The focus leaves the button that goes, so that Escape still reaches the window.
    table_->SetFocus();
    progress_->Hide();
    stop_->Hide();
    if (!sizes_.empty()) {
        status_->Hide();
        ShowResults();
    }
    Layout();
}

void SizingWindow::ShowResults() {
    std::string answers = AnswersText(sizes_, run_.units);
    answers.pop_back();  // its last line's end
    answers_->SetLabel(ToWx(answers));
    const std::vector<SizingColumn> columns = SizingColumns(run_.doubleRun);
    for (std::size_t row = 0; row < sizes_.size(); ++row) {
        const long item = table_->InsertItem(static_cast<long>(row), wxEmptyString);
        for (std::size_t column = 0; column < columns.size(); ++column)
            table_->SetItem(item, static_cast<int>(column),
                            ToWx(SizingCell(columns[column], sizes_[row], run_.units, "-")));
        if (sizes_[row].ownSize) table_->SetItemBackgroundColour(item, kOwnSizeColour);
    }
    for (int column = 0; column < table_->GetColumnCount(); ++column)
        table_->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    const long best = static_cast<long>(AnswersOf(sizes_).bestValue);
    table_->SetItemState(best, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    table_->EnsureVisible(best);
    useSize_->Enable(SelectedSize() != nullptr);
    saveCsv_->Enable();
    ShowCharts();
    Fit();
}

void SizingWindow::ShowCharts() {
    chartsFolder_ = NewChartsFolder();
    valueChart_->SetBitmap(
        ChartBitmap(NetPresentValueLine(sizes_, run_.units), chartsFolder_ / "value.gif"));
    daysChart_->SetBitmap(
        ChartBitmap(SwimDaysLine(sizes_, run_.units), chartsFolder_ / "days.gif"));
}

const SizeFigures* SizingWindow::SelectedSize() const {
    const long row = table_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= sizes_.size()) return nullptr;
    const SizeFigures& size = sizes_[static_cast<std::size_t>(row)];
    return size.collectorsPerBank > 0 ? &size : nullptr;
}

void SizingWindow::UseSelectedSize() {
    const SizeFigures* size = SelectedSize();
    if (size == nullptr) return;
    chosen_ = *size;
    EndModal(wxID_OK);
}

void SizingWindow::SaveCsv() {
    wxFileDialog dialog(this, ResText(kStrSizingTitle), wxEmptyString, "Sizing.csv",
                        ResText(kStrCsvFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return;
    const std::string path = FromWx(dialog.GetPath());
    if (const std::optional<Problem> problem =
            ReplaceFileContents(path, SizingCsv(sizes_, run_.doubleRun, run_.units)))
        ShowMessage(FormatResString(kStrCannotWriteFile, path, problem->message));
}
