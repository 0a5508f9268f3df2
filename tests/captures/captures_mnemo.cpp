// Pictures of a memo window's panels and colours, written as PNG files into the folder
// PENSOIR_CAPTURES_DIR names, so that its look can be checked by eye: run by scripts/captures.sh.

#include "DossierDesCaptures.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"

#include <QPainter>
#include <QRadioButton>
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
    mnémo.Option3->setChecked(true);
    enregistrer(QStringLiteral("mnemo_options.png"));

    // A picture with a frame of its own, so that its edges show where the panel cuts it.
    QImage image(320, 180, QImage::Format_RGB32);
    image.fill(QColor(250, 220, 120));
    QPainter peintre(&image);
    peintre.setPen(QPen(Qt::darkRed, 3));
    peintre.drawRect(image.rect().adjusted(1, 1, -2, -2));
    peintre.drawLine(image.rect().topLeft(), image.rect().bottomRight());
    peintre.end();
    mnémo.setImage(image);
    mnémo.Option2->setChecked(true);
    enregistrer(QStringLiteral("mnemo_image.png"));

    // The text and the captions stay readable on the darkest palette cells.
    mnémo.Option1->setChecked(true);
    mnémo.PT_Couleurs_Click(29);
    enregistrer(QStringLiteral("mnemo_bleu_fonce.png"));
    mnémo.PT_Couleurs_Click(16);
    enregistrer(QStringLiteral("mnemo_noir.png"));
}

QTEST_MAIN(CapturesMnemo)
#include "captures_mnemo.moc"
