#include "ProgramStarter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

StartResult fichierIntrouvable() {
    return {ERREUR_FICHIER_INTROUVABLE, Description_Erreur(ERREUR_FICHIER_INTROUVABLE)};
}

StartResult accèsRefusé() {
    return {ERREUR_ACCES_REFUSE, Description_Erreur(ERREUR_ACCES_REFUSE)};
}

} // namespace

ProgramLaunch analyserLigneCommande(const QString& commandLine) {
    const QString line = commandLine.trimmed();
    if (line.isEmpty()) return {};

    // A path with blanks is what the file dialog hands over, so the whole line is tried first.
    const QFileInfo whole(line);
    if (whole.isFile()) {
        if (whole.isExecutable()) return {ProgramLaunch::Kind::Run, whole.absoluteFilePath(), {}};
        return {ProgramLaunch::Kind::OpenWithDesktop, whole.absoluteFilePath(), {}};
    }

    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty()) return {};
    const QString first = words.takeFirst();
    if (!first.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(first);
        if (found.isEmpty()) return {ProgramLaunch::Kind::Missing, first, words};
        return {ProgramLaunch::Kind::Run, found, words};
    }
    const QFileInfo info(first);
    if (!info.isFile()) return {ProgramLaunch::Kind::Missing, first, words};
    if (!info.isExecutable()) return {ProgramLaunch::Kind::NotExecutable, info.absoluteFilePath(), words};
    return {ProgramLaunch::Kind::Run, info.absoluteFilePath(), words};
}

QString ligneDuFichier(const QString& chemin) {
    // Quoted, the path is one word even when a file of its name is missing; a quote inside is tripled.
    QString ligne = chemin;
    ligne.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + ligne + QLatin1Char('"');
}

StartResult lancerProgramme(const QString& commandLine) {
    const ProgramLaunch launch = analyserLigneCommande(commandLine);
    switch (launch.kind) {
    case ProgramLaunch::Kind::Missing:
        return fichierIntrouvable();
    case ProgramLaunch::Kind::NotExecutable:
        return accèsRefusé();
    case ProgramLaunch::Kind::OpenWithDesktop:
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(launch.program))) return {};
        return accèsRefusé();
    case ProgramLaunch::Kind::Run:
        break;
    }
    QProcess process;
    process.setProgram(launch.program);
    process.setArguments(launch.arguments);
    // A started program must not read the terminal the program may have been started from.
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return {};
    return accèsRefusé();
}
