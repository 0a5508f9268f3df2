// A picture of the memo list over the main window, as "Afficher tous les Mnémos" shows it, written as a
// PNG file into the folder PENSOIR_CAPTURES_DIR names: run by scripts/captures.sh.

#include "DossierDesCaptures.h"
#include "FakePlatform.h"
#include "FicheDeTest.h"
#include "TestFolder.h"

#include "platform/widgets/MessageBoxes.h"
#include "shell/FrmUtilitaires.h"
#include "store/EcritureMnemo.h"

#include <QtTest>

class CapturesListe : public QObject {
    Q_OBJECT
private slots:
    void captures();
};

void CapturesListe::captures() {
    const QString dossier = dossierDesCaptures();
    QVERIFY2(!dossier.isEmpty(), "PENSOIR_CAPTURES_DIR names no folder");
    FakePlatform plateforme;
    const TestFolder dossierProgramme;

    const struct {
        const char* nom;
        const char* titre;
        bool ouvert;
    } mnémos[] = {
        {"01122026_00001", "Courses de Noël", true},
        {"03122026_00002", "Rendez-vous du garage", false},
        {"05122026_00003", "Idées de cadeaux", false},
        {"08122026_00004", "Numéros utiles", true},
    };
    for (const auto& m : mnémos) {
        Fiche_Mnémo fiche = ficheDeTest(QString::fromUtf8(m.titre), QStringLiteral("…"), m.ouvert);
        fiche.Heure = QStringLiteral("__:__");
        fiche.Couleur = 0x0080FFFF;
        QVERIFY(Écrire_Mnémo(plateforme, dossierProgramme.folder().memoFolder(), QString::fromLatin1(m.nom),
                             fiche, QImage())
                    .ok());
    }

    FrmUtilitaires fenêtre(plateforme, dossierProgramme.folder());
    fenêtre.terminer = [] {};
    plateforme.answers.push_back(vbNo); // "Fermeture immédiate des Mnémos ouverts ?": none is open
    fenêtre.Mnu_Afficher_Click();
    QVERIFY(fenêtre.isVisible());

    const QString chemin = dossier + QStringLiteral("/liste_mnemos.png");
    qInfo().noquote() << "capture:" << chemin;
    QVERIFY(fenêtre.grab().toImage().save(chemin));
}

QTEST_MAIN(CapturesListe)
#include "captures_liste.moc"
