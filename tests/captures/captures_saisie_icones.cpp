// Pictures of the input dialog, the icon chooser and the icon set, written as PNG files into the folder
// PENSOIR_CAPTURES_DIR names, so that their look can be checked by eye: run by scripts/captures.sh.

#include "DossierDesCaptures.h"
#include "FakePlatform.h"

#include "dialogs/FrmSaisie.h"
#include "dialogs/Icones.h"
#include "dialogs/SaisieAppels.h"
#include "platform/widgets/VbColour.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QtTest>

namespace {

constexpr int LOUPE = 4; // the icon sheet is drawn four times larger, pixel for pixel

bool enregistrer(const QImage& image, const QString& nom) {
    const QString chemin = dossierDesCaptures() + QLatin1Char('/') + nom;
    qInfo().noquote() << "capture:" << chemin;
    return image.save(chemin);
}

// Shows the dialog through the fake platform and takes its picture while it is up.
QImage captureDuDialogue(FakePlatform& plateforme, const std::function<void()>& appel) {
    QImage capture;
    plateforme.dialogHandlers.push_back([&capture](QDialog& dialogue) {
        capture = dialogue.grab().toImage();
        return QDialog::Rejected;
    });
    appel();
    return capture;
}

} // namespace

class CapturesSaisieIcones : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(!dossierDesCaptures().isEmpty(), "PENSOIR_CAPTURES_DIR names no folder"); }

    void inputDialog_data() {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("alarme") << QStringLiteral("saisie_alarme.png");
        QTest::newRow("reglage") << QStringLiteral("saisie_reglage.png");
        QTest::newRow("mot de passe") << QStringLiteral("saisie_mot_de_passe.png");
    }

    void inputDialog() {
        QFETCH(QString, fichier);
        FakePlatform plateforme;
        Échange_Saisie échange;
        échange.Saisie_Jour = QStringLiteral("08/12/2026");
        échange.Saisie_Heure = QStringLiteral("10:30");
        échange.Saisie_Message = QStringLiteral("Appeler le garage");
        QImage capture;
        QWidget fenêtre;
        if (fichier == QStringLiteral("saisie_alarme.png"))
            capture = captureDuDialogue(plateforme, [&] { demanderAlarme(plateforme, fenêtre, échange); });
        else if (fichier == QStringLiteral("saisie_reglage.png"))
            capture = captureDuDialogue(plateforme, [&] { réglerAlarme(plateforme, fenêtre, échange); });
        else
            capture = captureDuDialogue(plateforme, [&] {
                demanderMotDePasse(plateforme, fenêtre, échange, QStringLiteral("Codes d'accès"));
            });
        QVERIFY(!capture.isNull());
        QVERIFY(enregistrer(capture, fichier));
    }

    void iconChooser() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        choix.définirFond(vbColour(0x00FFFFC0)); // the memo's pale cyan
        QVERIFY(enregistrer(choix.grab().toImage(), QStringLiteral("icones.png")));
        const QImage vue = choix.grab().toImage();
        QVERIFY(enregistrer(vue.scaled(vue.size() * 3), QStringLiteral("icones_x3.png")));
    }

    // All 36 pictures, enlarged, on a checkerboard that shows their transparent parts.
    void iconSheet() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        constexpr int colonnes = 6;
        constexpr int pas = CÔTÉ_ICÔNE * LOUPE + 24;
        QImage planche(colonnes * pas, (NOMBRE_ICÔNES / colonnes) * pas, QImage::Format_ARGB32);
        planche.fill(Qt::white);
        QPainter painter(&planche);
        for (int numéro = 0; numéro < NOMBRE_ICÔNES; ++numéro) {
            const QPoint coin((numéro % colonnes) * pas + 12, (numéro / colonnes) * pas + 20);
            for (int y = 0; y < CÔTÉ_ICÔNE; ++y)
                for (int x = 0; x < CÔTÉ_ICÔNE; ++x)
                    painter.fillRect(coin.x() + x * LOUPE, coin.y() + y * LOUPE, LOUPE, LOUPE,
                                     (x / 4 + y / 4) % 2 ? QColor(0xDD, 0xDD, 0xDD)
                                                         : QColor(0xF4, 0xF4, 0xF4));
            painter.drawImage(QRect(coin, QSize(CÔTÉ_ICÔNE * LOUPE, CÔTÉ_ICÔNE * LOUPE)),
                              choix.image(numéro).toImage());
            painter.setPen(Qt::black);
            painter.drawText(coin + QPoint(0, -6), QString::number(numéro));
        }
        painter.end();
        QVERIFY(enregistrer(planche, QStringLiteral("jeu_d_icones.png")));
    }
};

QTEST_MAIN(CapturesSaisieIcones)
#include "captures_saisie_icones.moc"
