#pragma once

#include "Printer.h"

// The desktop's printer and PDF files through Qt Print Support, drawn by the same code: a PDF shows what
// the printer would have printed. A document is laid out as it is printed and reaches the printer (or its
// file) only when it ends, so that an abandoned document leaves nothing behind.
class QtPrinter final : public Printer {
public:
    bool available() const override;
    std::unique_ptr<PrintJob> begin(const QString& title) override;
    std::unique_ptr<PrintJob> beginPdf(const QString& pdfPath, const QString& title) override;
};
