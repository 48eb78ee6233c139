#include "shell/ui/qt_printer_device.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QSvgRenderer>

#include <cmath>

#include "shell/ui/dialog_font.h"
#include "shell/windows1252.h"

namespace csp::ui {
namespace {

constexpr double twipsPerInch = 1440.0;

}  // namespace

QFont QtPrinterDevice::printerDefaultFont() { return fixedPitchFont("Courier New", 10); }

QtPrinterDevice::QtPrinterDevice(QPrinter& printer) : printer_(printer), font_(printerDefaultFont()) {}

QtPrinterDevice::~QtPrinterDevice() {
    if (painter_.isActive()) painter_.end();
}

void QtPrinterDevice::startJob(std::string_view documentName) {
    printer_.setDocName(QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size())));
}

void QtPrinterDevice::startPage() {
    if (!painter_.isActive()) {
        // Beginning the painter starts the job on its first page.
        if (painter_.begin(&printer_)) painter_.setFont(font_);
    } else {
        printer_.newPage();
    }
}

int QtPrinterDevice::printableWidthTwips() { return toTwipsX(printer_.pageRect(QPrinter::DevicePixel).width()); }

int QtPrinterDevice::printableHeightTwips() { return toTwips(printer_.pageRect(QPrinter::DevicePixel).height()); }

int QtPrinterDevice::fontHeightTwips() { return toTwips(QFontMetricsF(font_, &printer_).height()); }

int QtPrinterDevice::externalLeadingTwips() { return toTwips(QFontMetricsF(font_, &printer_).leading()); }

void QtPrinterDevice::drawText(int xTwips, int yTwips, std::string_view text) {
    if (!painter_.isActive()) return;
    // The painter places text by its baseline; the listing gives the top.
    const double baseline = toDeviceY(yTwips) + painter_.fontMetrics().ascent();
    painter_.drawText(QPointF(toDeviceX(xTwips), baseline), QString::fromStdString(windows1252ToUtf8(text)));
}

void QtPrinterDevice::drawPicture(int xTwips, int yTwips, int widthTwips, int heightTwips, std::string_view svg) {
    if (!painter_.isActive()) return;
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid()) return;
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    const QPointF topLeft(toDeviceX(xTwips), toDeviceY(yTwips));
    const QPointF bottomRight(toDeviceX(xTwips + widthTwips), toDeviceY(yTwips - heightTwips));
    renderer.render(&painter_, QRectF(topLeft, bottomRight));
}

void QtPrinterDevice::endPage() {}

void QtPrinterDevice::endJob() {
    if (painter_.isActive()) painter_.end();
}

// y grows upward in twips and downward on the device.
double QtPrinterDevice::toDeviceX(int twips) const { return twips * printer_.logicalDpiX() / twipsPerInch; }
double QtPrinterDevice::toDeviceY(int twips) const { return -twips * printer_.logicalDpiY() / twipsPerInch; }
int QtPrinterDevice::toTwips(double deviceUnits) const {
    return static_cast<int>(std::lround(deviceUnits * twipsPerInch / printer_.logicalDpiY()));
}
int QtPrinterDevice::toTwipsX(double deviceUnits) const {
    return static_cast<int>(std::lround(deviceUnits * twipsPerInch / printer_.logicalDpiX()));
}

}  // namespace csp::ui
