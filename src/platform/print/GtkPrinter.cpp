// The GTK print operation, its status window and the rows drawn into its cairo context.
#include "platform/print/GtkPrinter.h"

#include <cups/cups.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <memory>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kLeastDotsPerInch = 300.0;
// Rows go to cairo in strips: fewer, larger images than one per row, still only a few rows held.
constexpr int32_t kStripRows = 16;

// ZEPHINE_PRINT_TO: every job becomes a PDF file there, with no dialog.
const char* ExportFolder() {
    const char* folder = std::getenv("ZEPHINE_PRINT_TO");
    return folder != nullptr && folder[0] != '\0' ? folder : nullptr;
}

bool GtkReady() {
    static const bool ready = gtk_init_check(nullptr, nullptr) != FALSE;
    return ready;
}

void RunPendingGtk() {
    while (gtk_events_pending() != FALSE) (void)gtk_main_iteration_do(FALSE);
}

// The status window: "Impression", the document, "sur", the printer, and "Annuler".
class StatusWindow {
public:
    StatusWindow(const std::string& document, const std::string& printer) {
        window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_window_set_title(GTK_WINDOW(window), "Zephine");
        gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
        gtk_window_set_keep_above(GTK_WINDOW(window), TRUE);
        gtk_window_set_deletable(GTK_WINDOW(window), FALSE);
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
        gtk_container_set_border_width(GTK_CONTAINER(box), 12);
        for (const std::string& line : {std::string("Impression"), document, std::string("sur"), printer})
            gtk_box_pack_start(GTK_BOX(box), gtk_label_new(line.c_str()), FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(box), gtk_label_new("Page 1"), FALSE, FALSE, 0);
        GtkWidget* cancel = gtk_button_new_with_label("Annuler");
        g_signal_connect(cancel, "clicked", G_CALLBACK(+[](GtkButton*, gpointer flag) {
                             *static_cast<bool*>(flag) = true;
                         }),
                         &cancelled);
        gtk_box_pack_start(GTK_BOX(box), cancel, FALSE, FALSE, 0);
        gtk_container_add(GTK_CONTAINER(window), box);
        gtk_widget_show_all(window);
        RunPendingGtk();
    }
    ~StatusWindow() {
        gtk_widget_destroy(window);
        RunPendingGtk();
    }
    StatusWindow(const StatusWindow&) = delete;
    StatusWindow& operator=(const StatusWindow&) = delete;

    bool cancelled = false;

private:
    GtkWidget* window = nullptr;
};

class CairoRows final : public PrintRows {
public:
    CairoRows(cairo_t* cr, double scale, int32_t width, StatusWindow* status,
              const std::function<void()>& serve)
        : cr(cr), scale(scale), width(width), status(status), serve(serve) {}
    ~CairoRows() override { Flush(); }
    CairoRows(const CairoRows&) = delete;
    CairoRows& operator=(const CairoRows&) = delete;

    void DrawRow(int32_t y, std::span<const uint8_t> bgr) override {
        if (rows > 0 && y != top + rows) Flush();
        if (rows == 0) {
            top = y;
            strip.assign(size_t(width) * kStripRows, 0);
        }
        uint32_t* out = strip.data() + size_t(rows) * size_t(width);
        const int32_t n = std::min<int32_t>(width, int32_t(bgr.size() / 3));
        drawnWidth = std::max(drawnWidth, n);
        for (int32_t x = 0; x < n; ++x)
            out[x] = (uint32_t(bgr[size_t(x) * 3 + 2]) << 16) | (uint32_t(bgr[size_t(x) * 3 + 1]) << 8) |
                     bgr[size_t(x) * 3];
        if (++rows == kStripRows) Flush();
    }

    bool CancelRequested() override {
        // The status window and the program's window are served between rows, not on each.
        if (++sinceServed < 32) return status != nullptr && status->cancelled;
        sinceServed = 0;
        RunPendingGtk();
        if (serve) serve();
        return status != nullptr && status->cancelled;
    }

private:
    void Flush() {
        if (rows == 0) return;
        // cairo keeps what it was given until the page ends: each strip gets its own copy.
        auto* copy = new std::vector<uint32_t>(strip.begin(), strip.begin() + size_t(rows) * size_t(width));
        cairo_surface_t* image = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(copy->data()), CAIRO_FORMAT_RGB24, width, rows,
            width * 4);
        static cairo_user_data_key_t key;
        cairo_surface_set_user_data(image, &key, copy,
                                    [](void* p) { delete static_cast<std::vector<uint32_t>*>(p); });
        cairo_save(cr);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, image, 0, top);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        // Only what the rows cover: the rest of the page stays paper.
        cairo_rectangle(cr, 0, top, drawnWidth, rows);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_surface_destroy(image);
        rows = 0;
        drawnWidth = 0;
    }

    cairo_t* cr;
    double scale;
    int32_t width;
    StatusWindow* status;
    const std::function<void()>& serve;
    std::vector<uint32_t> strip;
    int32_t top = 0;
    int32_t rows = 0;
    int32_t drawnWidth = 0;
    int sinceServed = 0;
};

struct Job {
    const std::function<void(PrintRows&, int32_t, int32_t)>* drawPage;
    const std::function<void()>* serve;
    std::string name;
    bool exporting = false;
};

void DrawPage(GtkPrintOperation* operation, GtkPrintContext* context, int /*page*/, gpointer data) {
    Job& job = *static_cast<Job*>(data);
    cairo_t* cr = gtk_print_context_get_cairo_context(context);
    // The context counts in points; the rows are made at the printer's resolution.
    const double dpi = std::max(gtk_print_context_get_dpi_x(context), kLeastDotsPerInch);
    const double pointsPerPixel = 72.0 / dpi;
    const int32_t width = int32_t(gtk_print_context_get_width(context) / pointsPerPixel);
    const int32_t height = int32_t(gtk_print_context_get_height(context) / pointsPerPixel);
    if (width < 1 || height < 1) return;
    GtkPrintSettings* settings = gtk_print_operation_get_print_settings(operation);
    const char* printer = settings != nullptr ? gtk_print_settings_get_printer(settings) : nullptr;
    std::unique_ptr<StatusWindow> status;
    if (!job.exporting) status = std::make_unique<StatusWindow>(job.name, printer != nullptr ? printer : "");
    CairoRows rows(cr, pointsPerPixel, width, status.get(), *job.serve);
    (*job.drawPage)(rows, width, height);
}

// Every 10 ms while the operation runs: the program's timers and paints, and each new window of
// GTK's (the dialog, the status window) made transient for the program's window.
struct Ticker {
    const std::function<void()>* serve;
    unsigned long parent;

    static gboolean Run(gpointer data) {
        auto& t = *static_cast<Ticker*>(data);
        if (*t.serve) (*t.serve)();
        GdkDisplay* display = gdk_display_get_default();
        if (t.parent == 0 || display == nullptr || !GDK_IS_X11_DISPLAY(display)) return G_SOURCE_CONTINUE;
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w != nullptr; w = w->next) {
            GdkWindow* own = gtk_widget_get_window(GTK_WIDGET(w->data));
            if (own == nullptr || g_object_get_data(G_OBJECT(w->data), "zephine-owned") != nullptr) continue;
            if (GdkWindow* owner = gdk_x11_window_foreign_new_for_display(display, t.parent)) {
                gdk_window_set_transient_for(own, owner);
                g_object_unref(owner);
            }
            g_object_set_data(G_OBJECT(w->data), "zephine-owned", GINT_TO_POINTER(1));
        }
        g_list_free(windows);
        return G_SOURCE_CONTINUE;
    }
};

}  // namespace

GtkPrinter::GtkPrinter(PrintWindow w) : window(std::move(w)) {}

bool GtkPrinter::HasPrinter() {
    // Writing files needs no printer.
    if (ExportFolder() != nullptr) return true;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests(&dests);
    cupsFreeDests(count, dests);
    return count > 0;
}

PrintOutcome GtkPrinter::Print(
    const std::string& name,
    const std::function<void(PrintRows& rows, int32_t width, int32_t height)>& drawPage) {
    if (!GtkReady()) return PrintOutcome::failed;
    GtkPrintOperation* operation = gtk_print_operation_new();
    gtk_print_operation_set_job_name(operation, name.c_str());
    gtk_print_operation_set_n_pages(operation, 1);
    gtk_print_operation_set_unit(operation, GTK_UNIT_POINTS);
    GtkPageSetup* setup = gtk_page_setup_new();
    gtk_page_setup_set_orientation(setup, GTK_PAGE_ORIENTATION_LANDSCAPE);
    gtk_print_operation_set_default_page_setup(operation, setup);
    g_object_unref(setup);

    Job job{&drawPage, &window.serve, name};
    const char* folder = ExportFolder();
    job.exporting = folder != nullptr;
    if (job.exporting)
        gtk_print_operation_set_export_filename(operation,
                                                (std::string(folder) + "/" + name + ".pdf").c_str());
    g_signal_connect(operation, "draw-page", G_CALLBACK(DrawPage), &job);

    // The program's window goes on ticking and painting under the dialog, which is kept above it.
    Ticker ticker{&window.serve, window.x11Window ? window.x11Window() : 0};
    const guint tick = g_timeout_add(10, Ticker::Run, &ticker);

    // No input reaches the program while its dialogs are open.
    if (window.enable) window.enable(false);
    GError* error = nullptr;
    const GtkPrintOperationResult result = gtk_print_operation_run(
        operation,
        job.exporting ? GTK_PRINT_OPERATION_ACTION_EXPORT : GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG,
        nullptr, &error);
    g_source_remove(tick);
    if (window.enable) window.enable(true);
    g_object_unref(operation);
    RunPendingGtk();
    if (error != nullptr) {
        g_error_free(error);
        return PrintOutcome::failed;
    }
    if (result == GTK_PRINT_OPERATION_RESULT_CANCEL) return PrintOutcome::cancelled;
    return result == GTK_PRINT_OPERATION_RESULT_ERROR ? PrintOutcome::failed : PrintOutcome::printed;
}
