// Print jobs.
#include "framework/Printing.h"

#include "framework/Platform.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace fw {

namespace {

// Built before the Graphics base that draws with them, and let go after it.
struct PrintJobParts {
    explicit PrintJobParts(std::unique_ptr<QPagedPaintDevice> d) : device(std::move(d)) {}
    std::unique_ptr<QPagedPaintDevice> device;
    QPainter jobPainter; // ends the job on the device when it goes, before the device does
};

class PrintJob : private PrintJobParts, public Graphics {
public:
    explicit PrintJob(std::unique_ptr<QPagedPaintDevice> d)
        : PrintJobParts(std::move(d)), Graphics(jobPainter, device.get()) {}

    bool Begin() {
        if (!jobPainter.begin(device.get())) return false;
        // One unit is one point; the origin is already the printable area's corner.
        jobPainter.scale(device->logicalDpiX() / 72.0, device->logicalDpiY() / 72.0);
        return true;
    }
};

} // namespace

std::unique_ptr<Graphics> OpenPrinterDialog() {
    std::unique_ptr<QPagedPaintDevice> device = Platform::Current().OpenPrinterDialog();
    if (!device) return nullptr;
    if (auto* printer = dynamic_cast<QPrinter*>(device.get())) {
        printer->setFullPage(false);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(36, 36, 36, 36), QPageLayout::Point));
    }
    auto job = std::make_unique<PrintJob>(std::move(device));
    if (!job->Begin()) throw PrintJobError("the print job could not begin");
    return job;
}

} // namespace fw
