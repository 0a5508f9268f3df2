// Pictures of a memo window, written as PNG files so that its look can be checked by eye. The folder is
// printed; the test only fails when a picture cannot be made.

#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"

#include <QDir>
#include <QFrame>
#include <QtTest>

class TestCapturesMnemo : public QObject {
    Q_OBJECT
private slots:
    void captures();
};

void TestCapturesMnemo::captures() {
    const QString dossier = QDir::currentPath() + QStringLiteral("/captures");
    QDir().mkpath(dossier);
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
}

QTEST_MAIN(TestCapturesMnemo)
#include "tst_captures_mnemo.moc"
