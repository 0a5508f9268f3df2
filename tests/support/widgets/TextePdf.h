#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The text of a PDF file as poppler's pdftotext reads it, pages in order, each ended by a form feed;
// page, when given, alone; ligatures read as their letters. A null string when the file cannot be read (or
// pdftotext is missing).
inline QString texteDuPdf(const QString& fichier, int page = 0) {
    const QString programme = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programme.isEmpty()) return {};
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << fichier << QStringLiteral("-");
    QProcess pdftotext;
    pdftotext.start(programme, arguments);
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        return {};
    // The font draws "fi" and "fl" as ligatures, which read back as one letter each.
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

// The number of pages: the form feeds pdftotext ends each page with.
inline int pagesDuPdf(const QString& fichier) {
    const QString texte = texteDuPdf(fichier);
    return texte.isNull() ? -1 : int(texte.count(QLatin1Char('\f')));
}
