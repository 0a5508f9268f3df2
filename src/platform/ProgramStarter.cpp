#include "ProgramStarter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

StartResult fichierIntrouvable() { return {ERREUR_FICHIER_INTROUVABLE, QStringLiteral("Fichier introuvable")}; }

} // namespace

ProgramLaunch analyserLigneCommande(const QString& commandLine) {
    const QString line = commandLine.trimmed();
    if (line.isEmpty()) return {};

    const QFileInfo whole(line);
    if (whole.isFile()) {
        if (whole.isExecutable()) return {ProgramLaunch::Kind::Run, whole.absoluteFilePath(), {}};
        return {ProgramLaunch::Kind::OpenWithDesktop, whole.absoluteFilePath(), {}};
    }

    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty()) return {};
    const QString first = words.takeFirst();
    QString program;
    if (first.contains(QLatin1Char('/'))) {
        const QFileInfo info(first);
        if (info.isFile() && info.isExecutable()) program = info.absoluteFilePath();
    } else {
        program = QStandardPaths::findExecutable(first);
    }
    if (program.isEmpty()) return {ProgramLaunch::Kind::Missing, first, words};
    return {ProgramLaunch::Kind::Run, program, words};
}

StartResult lancerProgramme(const QString& commandLine) {
    const ProgramLaunch launch = analyserLigneCommande(commandLine);
    switch (launch.kind) {
    case ProgramLaunch::Kind::Missing:
        return fichierIntrouvable();
    case ProgramLaunch::Kind::OpenWithDesktop:
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(launch.program))) return {};
        return {ERREUR_ACCES_REFUSE, QStringLiteral("Erreur d'accès au chemin/fichier")};
    case ProgramLaunch::Kind::Run:
        break;
    }
    QProcess process;
    process.setProgram(launch.program);
    process.setArguments(launch.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return {};
    return {ERREUR_ACCES_REFUSE, QStringLiteral("Erreur d'accès au chemin/fichier")};
}
