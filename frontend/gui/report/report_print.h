// Print Preview of the report window: the page printed by WebKit into a PDF file, as Print
// prints it, and those pages shown in the preview window (page turning, zoom, Print).
#pragma once

#include <wx/webview.h>

#include <optional>
#include <string>

#include "front_wx_headers.h"
#include "problem.h"

// Prints the page of `view` through WebKit's print operation into the PDF file `pdfPath`, on
// the default paper or on the paper GTK names `paper` ("iso_a4", "na_letter"), and waits for
// the end. The reason when it failed; nothing on success.
[[nodiscard]] std::optional<Problem> PrintPageToPdf(wxWebView& view, const std::string& pdfPath,
                                                    const std::string& paper = {});

// The print preview of `view`'s page over `parent`, run modally; its Print button prints the
// page as the report window's Print does. The reason when the pages could not be prepared.
[[nodiscard]] std::optional<Problem> ShowReportPreview(wxWindow* parent, wxWebView& view);
