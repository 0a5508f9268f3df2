#include "FakePlatform.h"
#include "LegendesAuLarge.h"

#include "dialogs/APropos.h"
#include "dialogs/FrmSaisie.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

// The dialogs as a user reads and walks them: every caption whole (this program runs a second time at
// twice the scale), a day or an hour longer than its box shown whole, and one pass of the keyboard through
// the boxes, the calendar, then the buttons.
class TestDialoguesLisibles : public QObject {
    Q_OBJECT
private slots:
    void legendesEntieres_data();
    void legendesEntieres();
    void texteLongMontreEntier_data();
    void texteLongMontreEntier();
    void unTourDeClavier();
};

void TestDialoguesLisibles::legendesEntieres_data() {
    QTest::addColumn<QString>("dialogue");
    QTest::newRow("input dialog, date panel") << "date";
    QTest::newRow("input dialog, password panel") << "mot de passe";
    QTest::newRow("about") << "à propos";
}

void TestDialoguesLisibles::legendesEntieres() {
    QFETCH(QString, dialogue);
    FakePlatform plateforme;
    Échange_Saisie échange;
    std::unique_ptr<QDialog> d;
    if (dialogue == QStringLiteral("à propos")) {
        d = std::make_unique<A_propos>();
    } else {
        auto saisie = std::make_unique<FrmSaisie>(plateforme, échange);
        (dialogue == QStringLiteral("date") ? saisie->FR_Date_Heure_Message : saisie->FR_MdP)->show();
        d = std::move(saisie);
    }
    d->show();
    const QStringList fautes = légendesÀLÉtroit(*d);
    QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QStringLiteral("; "))));
}

void TestDialoguesLisibles::texteLongMontreEntier_data() {
    QTest::addColumn<QString>("jour");
    QTest::addColumn<QString>("heure");
    // The alarm button hands over the date and time of the moment when the memo has no day yet.
    QTest::newRow("a day with its time") << "08/12/2026 10:29:50"
                                         << "10:30";
    QTest::newRow("an hour written long") << "08/12/2026"
                                          << "10:30:00";
}

void TestDialoguesLisibles::texteLongMontreEntier() {
    QFETCH(QString, jour);
    QFETCH(QString, heure);
    FakePlatform plateforme;
    Échange_Saisie échange;
    échange.Saisie_Jour = jour;
    échange.Saisie_Heure = heure;
    FrmSaisie saisie(plateforme, échange);
    QCOMPARE(saisie.TX_Jour->text(), jour);
    QCOMPARE(saisie.TX_Heure->text(), heure);
    // The limit still stops typing.
    saisie.TX_Jour->clear();
    QTest::keyClicks(saisie.TX_Jour, QStringLiteral("0123456789ABCDEFGHIJKLMN"));
    QVERIFY(saisie.TX_Jour->text().size() <= std::max<qsizetype>(10, jour.size()));
}

// Tab from the message box all the way round: each control once, the calendar (whatever it holds inside)
// after the three boxes and before the buttons.
void TestDialoguesLisibles::unTourDeClavier() {
    FakePlatform plateforme;
    Échange_Saisie échange;
    échange.Saisie_Jour = QStringLiteral("08/12/2026");
    échange.Saisie_Heure = QStringLiteral("10:30");
    FrmSaisie saisie(plateforme, échange);
    saisie.FR_Date_Heure_Message->show();
    saisie.show();
    saisie.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&saisie));
    saisie.TX_Message->setFocus();
    const QList<QWidget*> contrôles{saisie.TX_Message, saisie.TX_Heure,   saisie.TX_Jour,
                                    saisie.Calendar1,  saisie.PB_Valider, saisie.PB_Annuler};
    const auto contrôleDu = [&contrôles](QWidget* w) -> QString {
        for (; w; w = w->parentWidget())
            if (contrôles.contains(w)) return w->objectName();
        return QStringLiteral("?");
    };
    QStringList parcours{contrôleDu(QApplication::focusWidget())};
    for (int pas = 0; pas < 40; ++pas) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString nom = contrôleDu(QApplication::focusWidget());
        if (nom == parcours.constFirst()) break;
        if (nom != parcours.constLast()) parcours << nom;
    }
    QCOMPARE(parcours,
             QStringList({"TX_Message", "TX_Heure", "TX_Jour", "Calendar1", "PB_Valider", "PB_Annuler"}));
}

QTEST_MAIN(TestDialoguesLisibles)
#include "tst_dialogues_lisibles.moc"
