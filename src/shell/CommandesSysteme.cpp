// The utility commands that reach the system: start at login, the user's name, the system-information tool.
#include "FrmUtilitaires.h"

#include "platform/core/ApplicationTitle.h"
#include "platform/core/CleRegistre.h"
#include "platform/core/ProgramStarter.h"
#include "platform/widgets/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString FICHIER_MSINFO = QStringLiteral("MSINFO32.EXE");

// A switch that failed says so, with the place that could not be written and why.
QString échecDuRéglage(const QString& participe, const RegistryWrite& échec) {
    return QStringLiteral("Le démarrage automatique de Pensoir n'a pas pu être %1.\n\n%2\n%3")
        .arg(participe, échec.place, échec.description);
}

} // namespace

void FrmUtilitaires::Command1_Click() {
    Registry& registre = plateforme.registry();
    QString valeur;
    const bool lue = GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, valeur);
    RegistryWrite échec;

    if (lue && !valeur.trimmed().isEmpty()) {
        plateforme.beep();
        if (plateforme.messageBox(
                *this,
                QStringLiteral("Le démarrage automatique de Pensoir lors du lancement de Windows "
                               "était déjà activé, voulez-vous supprimer cette option ?"),
                MessageButtons::YesNo, MessageIcon::Question,
                QStringLiteral("Suppression de cette option")) != vbYes)
            return;
        QString vide;
        const bool supprimé =
            UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, vide, &échec);
        plateforme.beep();
        const QString légende = QStringLiteral("Suppression du démarrage automatique de Pensoir");
        if (supprimé)
            plateforme.messageBox(*this, QStringLiteral("Suppression réalisée !"), MessageButtons::Ok,
                                  MessageIcon::Exclamation, légende);
        else
            // The entry is still there: saying it went would be false.
            plateforme.messageBox(*this, échecDuRéglage(QStringLiteral("supprimé"), échec),
                                  MessageButtons::Ok, MessageIcon::Critical, légende);
        return;
    }

    QString programme = plateforme.programPath();
    const bool activé =
        UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, programme, &échec);
    plateforme.beep();
    const QString légende = QStringLiteral("Activation de cette option");
    if (activé)
        plateforme.messageBox(
            *this,
            QStringLiteral("Activation du démarrage automatique de Pensoir lors du lancement de Windows !"),
            MessageButtons::Ok, MessageIcon::Information, légende);
    else
        // Nothing was written: the setting stays off, and the user learns where and why.
        plateforme.messageBox(*this, échecDuRéglage(QStringLiteral("activé"), échec), MessageButtons::Ok,
                              MessageIcon::Critical, légende);
}

void FrmUtilitaires::Command7_Click() {
    StartSysInfo();
}

void FrmUtilitaires::Command8_Click() {
    const QString nom = plateforme.userName();
    const QString légende = QStringLiteral("Identifiant");
    if (nom.isEmpty())
        plateforme.messageBox(*this, QStringLiteral("Identifiant inconnu !"), MessageButtons::Ok,
                              MessageIcon::Critical, légende);
    else
        plateforme.messageBox(*this, nom, MessageButtons::Ok, MessageIcon::Information, légende);
}

void FrmUtilitaires::StartSysInfo() {
    Registry& registre = plateforme.registry();
    QString lu;
    // The path read is started as one file, never split at its blanks.
    if (GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_MSINFO, VALEUR_CHEMIN_MSINFO, lu)) {
        if (plateforme.startProgram(ligneDuFichier(lu)).ok()) return;
    } else if (GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_EMPLACEMENT_OUTILS, VALEUR_DOSSIER_MSINFO, lu)) {
        const QString outil = QDir(lu).filePath(FICHIER_MSINFO);
        if (QFileInfo(outil).isFile() && plateforme.startProgram(ligneDuFichier(outil)).ok()) return;
    }
    plateforme.messageBox(*this,
                          QStringLiteral("Les informations système ne sont pas disponibles actuellement"),
                          MessageButtons::Ok, MessageIcon::None, titreApplication());
}
