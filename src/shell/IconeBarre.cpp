// The tray icon, its tooltip and its mouse messages.
#include "FrmUtilitaires.h"

#include "InfoBulle.h"

#include <QFrame>
#include <QMenu>

QString FrmUtilitaires::Bulle_Du_Jour() const {
    return Texte_Info_Bulle(plateforme.now().date(), QLocale());
}

void FrmUtilitaires::Icône_Barre(int action, const QIcon* icône, const QString* bulle) {
    if (icône) icôneBarre_ = *icône;
    if (bulle) bulleBarre_ = Champ_Info_Bulle(*bulle);
    TrayIcon& barre = plateforme.tray();
    switch (action) {
    case NIM_ADD:
        barre.add(icôneBarre_, bulleBarre_);
        break;
    case NIM_MODIFY:
        barre.modify(icôneBarre_, bulleBarre_);
        break;
    case NIM_DELETE:
        barre.remove();
        break;
    default:
        break;
    }
}

void FrmUtilitaires::Souris_Barre(int message) {
    // A box waiting for the user (an alarm's, a save question) holds the program until it is answered.
    if (contexte.Fermeture_En_Cours || plateforme.modalBoxOpen()) return;
    switch (message) {
    case WM_LBUTTONDOWN:
        FR_Liste->hide();
        if (!isVisible()) show();
        if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        break;
    case WM_RBUTTONUP:
        plateforme.popupMenu(*MenuPopUp, plateforme.cursorPosition());
        break;
    default:
        break;
    }
}
