// Pictures of a memo window's panels and colours, written as PNG files into the folder
// PENSOIR_CAPTURES_DIR names, so that its look can be checked by eye: run by scripts/captures.sh.

#include "DossierDesCaptures.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"

#include <QFrame>
#include <QtTest>

class CapturesMnemo : public QObject {
    Q_OBJECT
private slots:
    void captures();
};

void CapturesMnemo::captures() {
    const QString dossier = dossierDesCaptures();
    QVERIFY2(!dossier.isEmpty(), "PENSOIR_CAPTURES_DIR names no folder");
    FakePlatform plateforme;
    const TestFolder dossierProgramme;
    Contexte_Mnémo contexte(plateforme, dossierProgramme.folder());
    Mnemo mnémo(contexte);
    mnémo.setAttribute(Qt::WA_DeleteOnClose, false);
    mnémo.setTitre(QStringLiteral("Courses de Noël"));
    mnémo.setTexte(QStringLiteral("Pain\nFromage\n\"Bûche\"\nClémentines"));
    mnémo.Choisir_Icône(6);
    mnémo.show();

    const auto enregistrer = [&](const QString& nom) {
        const QString chemin = dossier + QLatin1Char('/') + nom;
        qInfo().noquote() << "capture:" << chemin;
        QVERIFY(mnémo.grab().toImage().save(chemin));
    };
    enregistrer(QStringLiteral("mnemo_texte.png"));
    mnémo.Mnu_Déplacer_Click();
    enregistrer(QStringLiteral("mnemo_deplacement.png"));
    mnémo.Mnu_Déplacer_Click();
    mnémo.FR_Options->show();
    mnémo.FR_Options->raise();
    mnémo.setHeight(6000);
    mnémo.setWidth(4695);
    enregistrer(QStringLiteral("mnemo_options.png"));

    // The text and the captions stay readable on the darkest palette cells.
    mnémo.FR_Options->hide();
    mnémo.setHeight(5685);
    mnémo.setWidth(4605);
    mnémo.PT_Couleurs_Click(29);
    enregistrer(QStringLiteral("mnemo_bleu_fonce.png"));
    mnémo.PT_Couleurs_Click(16);
    enregistrer(QStringLiteral("mnemo_noir.png"));
}

QTEST_MAIN(CapturesMnemo)
#include "captures_mnemo.moc"
