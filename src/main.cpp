#include "platform/core/DisplayPlatform.h"
#include "platform/core/EndSignals.h"
#include "platform/core/ProgramFolder.h"
#include "platform/widgets/CaretBlinkLimit.h"
#include "platform/widgets/QtPlatform.h"
#include "shell/FrmUtilitaires.h"
#include "shell/IconeProgramme.h"
#include "store/ImageMnemo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // Placing windows, keeping them above and the tray need X11: XWayland on a Wayland session.
    const bool plateformeChoisie = chooseDisplayPlatform();
    QApplication application(argc, argv);
    releaseDisplayPlatform(plateformeChoisie);
    QApplication::setApplicationName(QStringLiteral("Pensoir"));
    QApplication::setApplicationVersion(QStringLiteral("1.20"));
    // The installed desktop entry's name: desktops match the program's windows with its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pensoir.Pensoir"));
    QApplication::setWindowIcon(Icône_Programme());
    // The program lives in the tray: hiding or closing a memo must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any picture is decoded, from a memo's file or from the clipboard.
    Limiter_Décodage_Images();

    // Qt's own dialogs (file chooser, colour and font boxes) speak the user's language.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    const ProgramFolder dossier = findProgramFolder();
    QtPlatform plateforme(dossier);
    // A memo left with the focus would otherwise wake the program twice a second all day.
    const CaretBlinkLimit clignotement(plateforme);
    FrmUtilitaires fenêtre(plateforme, dossier);
    // Logout, shutdown, a closed terminal, kill: what was typed is saved, then the program ends in order.
    const EndSignals signaux([&fenêtre](int) { fenêtre.Fin_Sans_Question(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &fenêtre,
                     [&fenêtre](QSessionManager&) { fenêtre.Fin_Sans_Question(); });
    fenêtre.Form_Load();
    // Ended while starting (a signal during a question): the event loop would never be told to stop.
    if (fenêtre.estTerminé()) return 0;
    return QApplication::exec();
}
