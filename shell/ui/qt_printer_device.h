#pragma once

#include <QFont>
#include <QPainter>

#include "shell/print_listing.h"

class QPrinter;

namespace csp::ui {

// Prints on a QPrinter (a real printer or a PDF file). Positions in twips
// become device units at the printer's resolution; the text is set in the
// printer's default font, a fixed-pitch one, since no font is chosen.
class QtPrinterDevice : public PrinterDevice {
public:
    explicit QtPrinterDevice(QPrinter& printer);
    ~QtPrinterDevice() override;

    void startJob(std::string_view documentName) override;
    void startPage() override;
    int printableWidthTwips() override;
    int printableHeightTwips() override;
    int fontHeightTwips() override;
    int externalLeadingTwips() override;
    void drawText(int xTwips, int yTwips, std::string_view text) override;
    // Drawn through Qt Svg, as vectors; a picture it cannot read is left out.
    void drawPicture(int xTwips, int yTwips, int widthTwips, int heightTwips, std::string_view svg) override;
    void endPage() override;
    void endJob() override;

    // Courier New, 10 pt: ten characters to the inch, like a printer's own font.
    static QFont printerDefaultFont();

private:
    double toDeviceX(int twips) const;
    double toDeviceY(int twips) const;
    int toTwips(double deviceUnits) const;
    int toTwipsX(double deviceUnits) const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
};

}  // namespace csp::ui
