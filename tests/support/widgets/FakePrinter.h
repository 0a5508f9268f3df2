#pragma once

#include "platform/widgets/Printer.h"

#include <QStringList>

#include <functional>

// A recording printer: every document begun and every step asked of it, in order, in calls (and in the
// platform's journal with "print:" before it):
//   "begin:<title>", "pdf:<path>:<title>", "font:<name>", "bold:1"/"bold:0", "line:<text>",
//   "onLine:<text>", "corner:<w>x<h>", "picture:<w>x<h>", "window:<object name>", "end", and "abandon"
// for a document dropped before its end. A test may make one step fail, and watch each window printed.
class FakePrinter final : public Printer {
public:
    bool available() const override { return present; }
    std::unique_ptr<PrintJob> begin(const QString& title) override;
    std::unique_ptr<PrintJob> beginPdf(const QString& pdfPath, const QString& title) override;

    // Scripted.
    bool present = true;
    int failingStep = 0; // counted over every call of every document from 1, begin included; 0: none
    PrintError failure{482, QStringLiteral("Erreur d'imprimante")};
    std::function<void(QWidget&)> onWindow; // runs as a window is printed

    // Recorded.
    QStringList calls;
    QStringList* journal = nullptr;
    // The steps of the documents, without begin and end: what was printed.
    QStringList printed() const;

    // For the documents.
    bool record(const QString& call); // false when this step is the one that fails
};
