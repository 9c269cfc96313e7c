// A project in the framework's document/view: the project document of the model, its file, its
// input commands and its simulation, and the report its views show.
#pragma once

#include <memory>
#include <string>

#include "document.h"
#include "wx_headers.h"

class CProjectDocument final : public wxDocument {
  public:
    CProjectDocument();

    CTidewarmDoc& Project() { return *project_; }
    const CTidewarmDoc& Project() const { return *project_; }
    // The report shown, as last read from the report file.
    const wxString& ReportText() const { return reportText_; }

    // A change through the framework marks the project changed too (and so out of date).
    void Modify(bool modified) override;

    // The project's file through the project-file functions: a failed read leaves this
    // project as it was, a failed save leaves the previous file.
    bool DoOpenDocument(const wxString& path) override;
    bool DoSaveDocument(const wxString& path) override;

  private:
    // Lets the project tell the views of its results' state and of a new report.
    void BindProject();
    void ReadReport(const std::string& reportPath);

    void OnInputCommand(wxCommandEvent& event);
    void OnUpdateInputCommand(wxUpdateUIEvent& event);
    // Saves first when needed, then runs the simulation with the progress window.
    void OnSimulate(wxCommandEvent&);
    void OnNewWindow(wxCommandEvent&);

    std::unique_ptr<CTidewarmDoc> project_;
    wxString reportText_;

    wxDECLARE_DYNAMIC_CLASS(CProjectDocument);
};
