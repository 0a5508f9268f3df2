#include "FakePrinter.h"

#include <QImage>
#include <QWidget>

namespace {

QString size(const QImage& picture) {
    return QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
}

class FakePrintJob final : public PrintJob {
public:
    FakePrintJob(FakePrinter& printer, const QString& beginning) : printer_(printer) { step(beginning); }
    ~FakePrintJob() override {
        if (!ended_) printer_.record(QStringLiteral("abandon"));
    }
    FakePrintJob(const FakePrintJob&) = delete;
    FakePrintJob& operator=(const FakePrintJob&) = delete;

    bool setFontName(const QString& name) override { return step(QStringLiteral("font:") + name); }
    bool setFontBold(bool bold) override { return step(QStringLiteral("bold:%1").arg(bold ? 1 : 0)); }
    bool printLine(const QString& text) override { return step(QStringLiteral("line:") + text); }
    bool printOnLine(const QString& text) override { return step(QStringLiteral("onLine:") + text); }
    bool paintCorner(const QImage& picture) override {
        return step(QStringLiteral("corner:") + size(picture));
    }
    bool printPicture(const QImage& picture) override {
        return step(QStringLiteral("picture:") + size(picture));
    }
    bool printWindow(QWidget& window) override {
        if (!step(QStringLiteral("window:") + window.objectName())) return false;
        if (printer_.onWindow) printer_.onWindow(window);
        return true;
    }
    bool endDoc() override {
        if (!step(QStringLiteral("end"))) return false;
        ended_ = true;
        return true;
    }
    PrintError error() const override { return error_; }

private:
    // A document that failed stays failed, as a real one does.
    bool step(const QString& call) {
        if (error_.number != 0 || ended_) return false;
        if (printer_.record(call)) return true;
        error_ = printer_.failure;
        return false;
    }

    FakePrinter& printer_;
    bool ended_ = false;
    PrintError error_;
};

} // namespace

std::unique_ptr<PrintJob> FakePrinter::begin(const QString& title) {
    return std::make_unique<FakePrintJob>(*this, QStringLiteral("begin:") + title);
}

std::unique_ptr<PrintJob> FakePrinter::beginPdf(const QString& pdfPath, const QString& title) {
    return std::make_unique<FakePrintJob>(*this, QStringLiteral("pdf:%1:%2").arg(pdfPath, title));
}

bool FakePrinter::record(const QString& call) {
    calls << call;
    if (journal) *journal << QStringLiteral("print:") + call;
    return failingStep == 0 || calls.size() != failingStep;
}

QStringList FakePrinter::printed() const {
    QStringList steps;
    for (const QString& call : calls) {
        if (call.startsWith(QStringLiteral("begin:")) || call.startsWith(QStringLiteral("pdf:")) ||
            call == QStringLiteral("end") || call == QStringLiteral("abandon"))
            continue;
        steps << call;
    }
    return steps;
}
