#include "platform/QtPlatform.h"
#include "shell/FrmUtilitaires.h"
#include "shell/IconeProgramme.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pensoir"));
    QApplication::setApplicationVersion(QStringLiteral("1.20"));
    QApplication::setWindowIcon(Icône_Programme());
    // The program lives in the tray: hiding or closing a memo must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform plateforme;
    FrmUtilitaires fenêtre(plateforme);
    fenêtre.Form_Load();
    return QApplication::exec();
}
