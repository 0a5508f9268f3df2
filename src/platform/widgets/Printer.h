#pragma once

#include <QString>

#include <memory>

class QImage;
class QWidget;

// Why a document stopped: a number and a French text, as the user is shown them (ErreursPlateforme.h).
struct PrintError {
    int number = 0;
    QString description;
};

// One document being printed, from the top of its first page down, in the printer's own font size: only
// the font's name and its boldness change. Nothing falls off a page: a line longer than the page is wide
// goes on below, and a line or a picture that does not fit on what is left of the page starts the next
// one. Once a step fails, it and every later one answer false and error() tells why. A document destroyed
// before endDoc() is abandoned: nothing reaches the printer, no file stays.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual bool setFontName(const QString& name) = 0;
    virtual bool setFontBold(bool bold) = 0;
    // The text, then the line ends.
    virtual bool printLine(const QString& text) = 0;
    // The text, and what comes next goes on after it on the same line.
    virtual bool printOnLine(const QString& text) = 0;
    // A picture in its own size at the page's top left corner; the print position does not move.
    virtual bool paintCorner(const QImage& picture) = 0;
    // A picture in its own size (smaller if the page is) at the left edge and the print position, which
    // then goes below it.
    virtual bool printPicture(const QImage& picture) = 0;
    // An image of the window as it shows, on a page of its own.
    virtual bool printWindow(QWidget& window) = 0;
    // Ends the document: sends it to the printer, or finishes its file.
    virtual bool endDoc() = 0;
    virtual PrintError error() const = 0;
};

// The desktop's default printer, and PDF files for a desktop without one.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool available() const = 0;
    // A document titled title (as the printer's queue names it) on the default printer, or in a PDF file at
    // pdfPath. A document that cannot begin says why in its error().
    virtual std::unique_ptr<PrintJob> begin(const QString& title) = 0;
    virtual std::unique_ptr<PrintJob> beginPdf(const QString& pdfPath, const QString& title) = 0;
};
