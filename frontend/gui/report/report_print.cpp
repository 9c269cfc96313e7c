#include "report_print.h"

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <poppler.h>
#include <webkit2/webkit2.h>
#include <wx/evtloop.h>
#include <wx/graphics.h>
#include <wx/print.h>

#include <cmath>
#include <memory>

#include "modal_frame.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

// A print job that does not end within this time is taken as failed.
constexpr int kPrintTimeoutMs = 60000;

// GTK's printer that writes files: its name is translated, so it is found by what it is.
gboolean TakeFilePrinter(GtkPrinter* printer, gpointer data) {
    if (!gtk_printer_is_virtual(printer) || !gtk_printer_accepts_pdf(printer)) return FALSE;
    *static_cast<std::string*>(data) = gtk_printer_get_name(printer);
    return TRUE;
}

struct PrintJob {
    wxGUIEventLoop loop;
    bool ended = false;
    std::optional<Problem> problem;

    void End() {
        ended = true;
        if (loop.IsRunning()) loop.Exit();
    }
};

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// The pages of a PDF document drawn on the printout's page, scaled to fit the paper.
class PdfPages final : public wxPrintout {
  public:
    explicit PdfPages(PopplerDocument* document)
        : document_(GObjectPtr<PopplerDocument>(POPPLER_DOCUMENT(g_object_ref(document)))),
          pages_(poppler_document_get_n_pages(document)) {}

    bool HasPage(int page) override { return page >= 1 && page <= pages_; }

    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override {
        *minPage = *pageFrom = 1;
        *maxPage = *pageTo = pages_;
    }

    bool OnPrintPage(int page) override {
        GObjectPtr<PopplerPage> shown(poppler_document_get_page(document_.get(), page - 1));
        if (!shown) return false;
        double width = 0, height = 0;
        poppler_page_get_size(shown.get(), &width, &height);
        // One logical unit a PDF point, the page's whole size on the paper.
        FitThisSizeToPaper(
            wxSize(static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))));
        wxGraphicsContext* context = GetDC()->GetGraphicsContext();
        if (context == nullptr) return false;
        // The context's transformation already holds the DC's scale and origin.
        auto* cairo = static_cast<cairo_t*>(context->GetNativeContext());
        cairo_save(cairo);
        poppler_page_render_for_printing(shown.get(), cairo);
        cairo_restore(cairo);
        return true;
    }

  private:
    GObjectPtr<PopplerDocument> document_;
    int pages_;
};

// The preview whose Print button prints the page through WebKit, as the report window's Print.
class ReportPreview final : public wxPrintPreview {
  public:
    ReportPreview(wxPrintout* shown, wxPrintout* printing, wxWebView& view)
        : wxPrintPreview(shown, printing), view_(view) {}

    bool Print(bool) override {
        view_.Print();
        return true;
    }

  private:
    wxWebView& view_;
};

}  // namespace

std::optional<Problem> PrintPageToPdf(wxWebView& view, const std::string& pdfPath,
                                      const std::string& paper) {
    auto* web = static_cast<WebKitWebView*>(view.GetNativeBackend());
    if (web == nullptr) return Problem{"no web view"};
    std::string printer;
    gtk_enumerate_printers(TakeFilePrinter, &printer, nullptr, TRUE);
    if (printer.empty()) return Problem{"no printer writes files"};

    GObjectPtr<GtkPrintSettings> settings(gtk_print_settings_new());
    gtk_print_settings_set_printer(settings.get(), printer.c_str());
    GError* error = nullptr;
    gchar* uri = g_filename_to_uri(pdfPath.c_str(), nullptr, &error);
    if (uri == nullptr) {
        Problem reason{error->message};
        g_error_free(error);
        return reason;
    }
    gtk_print_settings_set(settings.get(), GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
    g_free(uri);
    gtk_print_settings_set(settings.get(), GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");

    GObjectPtr<WebKitPrintOperation> operation(webkit_print_operation_new(web));
    webkit_print_operation_set_print_settings(operation.get(), settings.get());
    if (!paper.empty()) {
        GObjectPtr<GtkPageSetup> setup(gtk_page_setup_new());
        GtkPaperSize* size = gtk_paper_size_new(paper.c_str());
        gtk_page_setup_set_paper_size_and_default_margins(setup.get(), size);
        gtk_paper_size_free(size);
        webkit_print_operation_set_page_setup(operation.get(), setup.get());
    }
    PrintJob job;
    g_signal_connect(operation.get(), "finished",
                     G_CALLBACK(+[](WebKitPrintOperation*, gpointer data) {
                         static_cast<PrintJob*>(data)->End();
                     }),
                     &job);
    g_signal_connect(operation.get(), "failed",
                     G_CALLBACK(+[](WebKitPrintOperation*, GError* failure, gpointer data) {
                         static_cast<PrintJob*>(data)->problem = Problem{failure->message};
                     }),
                     &job);
    wxTimer timeout;
    timeout.Bind(wxEVT_TIMER, [&job](wxTimerEvent&) {
        job.problem = Problem{"the print job did not end"};
        job.End();
    });
    {
        wxBusyCursor busy;
        wxWindowDisabler waiting;
        webkit_print_operation_print(operation.get());
        timeout.StartOnce(kPrintTimeoutMs);
        if (!job.ended) job.loop.Run();
    }
    g_signal_handlers_disconnect_by_data(operation.get(), &job);
    return job.problem;
}

std::optional<Problem> ShowReportPreview(wxWindow* parent, wxWebView& view) {
    const wxString pdf = wxFileName::CreateTempFileName("tidewarm-preview");
    if (pdf.empty()) return Problem{"no temporary file"};
    const std::string pdfPath = FromWx(pdf);
    std::optional<Problem> printed = PrintPageToPdf(view, pdfPath);
    GObjectPtr<PopplerDocument> document;
    if (!printed) {
        GError* error = nullptr;
        // The whole file is read now, so that it can go at once.
        gchar* bytes = nullptr;
        gsize length = 0;
        if (g_file_get_contents(pdfPath.c_str(), &bytes, &length, &error)) {
            GBytes* data = g_bytes_new_take(bytes, length);
            document.reset(poppler_document_new_from_bytes(data, nullptr, &error));
            g_bytes_unref(data);
        }
        if (!document) printed = Problem{error != nullptr ? error->message : "unreadable pages"};
        if (error != nullptr) g_error_free(error);
    }
    wxRemoveFile(pdf);
    if (printed) return printed;

    auto* preview =
        new ReportPreview(new PdfPages(document.get()), new PdfPages(document.get()), view);
    if (!preview->IsOk()) {
        delete preview;
        return Problem{"the preview could not be made"};
    }
    auto* frame = new wxPreviewFrame(preview, parent, ResText(kStrPreviewTitle), wxDefaultPosition,
                                     parent->GetSize());
    frame->Initialize();
    frame->SetSize(parent->GetScreenRect());
    RunFrameModally(*frame);
    return std::nullopt;
}
