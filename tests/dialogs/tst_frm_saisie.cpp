// The input dialog FrmSaisie and its three uses: alarm of a memo, next alarm of the day, password.

#include "FakePlatform.h"
#include "FocusDesFenetres.h"

#include "dialogs/FrmSaisie.h"
#include "dialogs/SaisieAppels.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString MESSAGE_HEURE = QStringLiteral("Format de l'heure : HH:MM");

// What a caller put in before showing the dialog.
Échange_Saisie échangeDeDépart() {
    Échange_Saisie échange;
    échange.Saisie_Jour = QStringLiteral("08/12/2026");
    échange.Saisie_Heure = QStringLiteral("10:30");
    échange.Saisie_Message = QStringLiteral("Appeler le garage");
    échange.MdP_Saisi = QString();
    return échange;
}

bool mêmesValeurs(const Échange_Saisie& a, const Échange_Saisie& b) {
    return a.Saisie_Jour == b.Saisie_Jour && a.Saisie_Heure == b.Saisie_Heure &&
           a.Saisie_Message == b.Saisie_Message && a.MdP_Saisi == b.MdP_Saisi &&
           a.Saisie_Validée == b.Saisie_Validée;
}

// A date panel dialog, shown and active, as the memo alarm shows it.
struct DialogueOuvert {
    explicit DialogueOuvert(Échange_Saisie& échange) : saisie(plateforme, échange) {
        saisie.FR_Date_Heure_Message->show();
        saisie.show();
        saisie.activateWindow();
        actif = QTest::qWaitForWindowActive(&saisie);
    }

    // Puts the focus in the hour box and types there, as the user would.
    void taperHeure(const QString& texte) {
        saisie.TX_Heure->setFocus(Qt::MouseFocusReason);
        saisie.TX_Heure->clear();
        QTest::keyClicks(saisie.TX_Heure, texte);
    }

    FakePlatform plateforme;
    FrmSaisie saisie;
    bool actif = false;
};

} // namespace

class TestFrmSaisie : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("PB_Valider") << "PB_Valider" << QRect(30, 3870, 1800, 345);
        QTest::newRow("PB_Annuler") << "PB_Annuler" << QRect(4800, 3870, 1800, 345);
        QTest::newRow("FR_Date_Heure_Message") << "FR_Date_Heure_Message" << QRect(30, 30, 6615, 3795);
        QTest::newRow("Label1") << "Label1" << QRect(120, 180, 645, 195);
        QTest::newRow("TX_Message") << "TX_Message" << QRect(900, 150, 5520, 345);
        QTest::newRow("LB_Jour") << "LB_Jour" << QRect(150, 540, 345, 195);
        QTest::newRow("TX_Jour") << "TX_Jour" << QRect(900, 510, 1400, 315);
        QTest::newRow("Label3") << "Label3" << QRect(4410, 570, 435, 195);
        QTest::newRow("TX_Heure") << "TX_Heure" << QRect(5010, 510, 1400, 315);
        QTest::newRow("Calendar1") << "Calendar1" << QRect(150, 900, 6285, 2805);
        QTest::newRow("FR_MdP") << "FR_MdP" << QRect(0, 0, 6615, 3795);
        QTest::newRow("LB_MdP") << "LB_MdP" << QRect(120, 300, 960, 195);
        QTest::newRow("TX_MdP") << "TX_MdP" << QRect(1170, 270, 1065, 315);
    }

    void layout() {
        QFETCH(QString, nom);
        QFETCH(QRect, twips);
        FakePlatform plateforme;
        Échange_Saisie échange;
        FrmSaisie saisie(plateforme, échange);
        auto* contrôle = saisie.findChild<QWidget*>(nom);
        QVERIFY(contrôle);
        const QRect attendu = twipsToPixels(twips);
        QCOMPARE(contrôle->pos(), attendu.topLeft());
        // A label may grow to show its whole caption in a wider or taller font.
        if (qobject_cast<QLabel*>(contrôle)) {
            QVERIFY(contrôle->width() >= attendu.width());
            QVERIFY(contrôle->height() >= attendu.height());
        } else {
            QCOMPARE(contrôle->width(), attendu.width());
            QCOMPARE(contrôle->height(), attendu.height());
        }
    }

    void designValues_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("tooltip");
        const QString boutons = QStringLiteral("Pour choisir un jour précis");
        QTest::newRow("PB_Valider") << "PB_Valider"
                                    << "Valider" << boutons;
        QTest::newRow("PB_Annuler") << "PB_Annuler"
                                    << "Annuler" << boutons;
        QTest::newRow("Label1") << "Label1"
                                << "Message"
                                << "";
        QTest::newRow("LB_Jour") << "LB_Jour"
                                 << "Date"
                                 << "";
        QTest::newRow("Label3") << "Label3"
                                << "Heure"
                                << "";
        QTest::newRow("LB_MdP") << "LB_MdP"
                                << "Mot de passe"
                                << "";
        QTest::newRow("TX_Message") << "TX_Message"
                                    << ""
                                    << "Texte affiché par l'alarme";
        QTest::newRow("TX_Jour") << "TX_Jour"
                                 << ""
                                 << "Date de déclenchement ( tous les jours si vide )";
        QTest::newRow("TX_Heure") << "TX_Heure"
                                  << ""
                                  << "Heure de déclenchement";
        QTest::newRow("TX_MdP")
            << "TX_MdP"
            << ""
            << "Mot de passe à saisir lors de l'ouverture de ce Mnémo ( 8 caractères maximum )";
        QTest::newRow("Calendar1") << "Calendar1"
                                   << ""
                                   << "Double-clic pour conserver cette date";
    }

    void designValues() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QString, tooltip);
        FakePlatform plateforme;
        Échange_Saisie échange;
        FrmSaisie saisie(plateforme, échange);
        auto* contrôle = saisie.findChild<QWidget*>(nom);
        QVERIFY(contrôle);
        QCOMPARE(contrôle->toolTip(), tooltip);
        if (auto* bouton = qobject_cast<QPushButton*>(contrôle)) QCOMPARE(bouton->text(), texte);
        if (auto* label = qobject_cast<QLabel*>(contrôle)) QCOMPARE(label->text(), texte);
    }

    void windowLook() {
        FakePlatform plateforme;
        Échange_Saisie échange;
        FrmSaisie saisie(plateforme, échange);
        QCOMPARE(saisie.objectName(), QStringLiteral("FrmSaisie"));
        QCOMPARE(saisie.windowTitle(), QStringLiteral("Saisie"));
        QCOMPARE(saisie.size(), twipsToPixels(QSize(6630, 4230)));
        QVERIFY(saisie.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(saisie.palette().color(QPalette::Window), vbColour(0x00C0E0FF));
        QCOMPARE(saisie.PB_Valider->palette().color(QPalette::Button), vbColour(0x00C0FFC0));
        QCOMPARE(saisie.PB_Annuler->palette().color(QPalette::Button), vbColour(0x00C0C0FF));
        QVERIFY(saisie.PB_Valider->isDefault());
        QVERIFY(saisie.FR_Date_Heure_Message->isHidden());
        QVERIFY(saisie.FR_MdP->isHidden());
        QVERIFY(saisie.FR_MdP->font().bold());
        QVERIFY(!saisie.LB_MdP->font().bold());
        QVERIFY(!saisie.TX_MdP->font().bold());
        QCOMPARE(saisie.TX_Jour->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(saisie.TX_Heure->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    void boxesLimitWhatIsTyped_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("longueur");
        QTest::newRow("TX_Jour") << "TX_Jour" << 10;
        QTest::newRow("TX_Heure") << "TX_Heure" << 5;
        QTest::newRow("TX_MdP") << "TX_MdP" << 8;
    }

    void boxesLimitWhatIsTyped() {
        QFETCH(QString, nom);
        QFETCH(int, longueur);
        FakePlatform plateforme;
        Échange_Saisie échange;
        FrmSaisie saisie(plateforme, échange);
        auto* zone = saisie.findChild<QLineEdit*>(nom);
        QVERIFY(zone);
        zone->clear();
        QTest::keyClicks(zone, QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(zone->text().size(), longueur);
    }

    void passwordShowsStars() {
        FakePlatform plateforme;
        Échange_Saisie échange;
        FrmSaisie saisie(plateforme, échange);
        QTest::keyClicks(saisie.TX_MdP, QStringLiteral("abc"));
        QCOMPARE(saisie.TX_MdP->text(), QStringLiteral("abc"));
        QCOMPARE(saisie.TX_MdP->displayText(), QStringLiteral("***"));
    }

    // Loading replaces the design texts "__\__\____" and "__:__" by what the caller passed.
    void loadingCopiesTheExchange() {
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        échange.MdP_Saisi = QStringLiteral("secret");
        FrmSaisie saisie(plateforme, échange);
        QCOMPARE(saisie.TX_Jour->text(), QStringLiteral("08/12/2026"));
        QCOMPARE(saisie.TX_Heure->text(), QStringLiteral("10:30"));
        QCOMPARE(saisie.TX_Message->text(), QStringLiteral("Appeler le garage"));
        QCOMPARE(saisie.TX_MdP->text(), QStringLiteral("secret"));
        QCOMPARE(saisie.Calendar1->selectedDate(), QDate(2026, 12, 8));
    }

    void calendarFollowsTheDay_data() {
        QTest::addColumn<QString>("jour");
        QTest::addColumn<QDate>("calendrier");
        QTest::addColumn<QString>("boîte");
        const QDate aujourdhui(2026, 12, 8); // the fake clock's day
        QTest::newRow("a date") << "24/01/2027" << QDate(2027, 1, 24) << "24/01/2027";
        // The box shows the whole text; its length limit only stops typing.
        QTest::newRow("date and time") << "05/03/2027 10:29:50" << QDate(2027, 3, 5) << "05/03/2027 10:29:50";
        QTest::newRow("empty") << "" << aujourdhui << "";
        QTest::newRow("design mask") << "__\\__\\____" << aujourdhui << "__\\__\\____";
        QTest::newRow("no such day") << "31/02/2026" << aujourdhui << "31/02/2026";
        QTest::newRow("words") << "demain" << aujourdhui << "demain";
    }

    void calendarFollowsTheDay() {
        QFETCH(QString, jour);
        QFETCH(QDate, calendrier);
        QFETCH(QString, boîte);
        FakePlatform plateforme;
        plateforme.clock = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
        Échange_Saisie échange = échangeDeDépart();
        échange.Saisie_Jour = jour;
        QDate vu;
        QString texte;
        plateforme.dialogHandlers.push_back([&](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            vu = saisie.Calendar1->selectedDate();
            texte = saisie.TX_Jour->text();
            return QDialog::Rejected;
        });
        QWidget mnémo;
        demanderAlarme(plateforme, mnémo, échange);
        QCOMPARE(plateforme.dialogNames(), QStringList{QStringLiteral("FrmSaisie")});
        QCOMPARE(vu, calendrier);
        QCOMPARE(texte, boîte);
    }

    void calendarDoubleClickKeepsTheDay() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        emit d.saisie.Calendar1->activated(QDate(2026, 12, 24));
        QCOMPARE(d.saisie.TX_Jour->text(), QStringLiteral("24/12/2026"));
        QCOMPARE(échange.Saisie_Jour, QStringLiteral("24/12/2026"));
        QVERIFY(d.saisie.isVisible());
    }

    void calendarEnterKeepsTheDay() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        d.saisie.Calendar1->setFocus(Qt::TabFocusReason);
        QWidget* vue = QApplication::focusWidget();
        QVERIFY(vue && d.saisie.Calendar1->isAncestorOf(vue));
        QTest::keyClick(vue, Qt::Key_Right);
        QTest::keyClick(vue, Qt::Key_Return);
        QCOMPARE(d.saisie.TX_Jour->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(échange.Saisie_Jour, QStringLiteral("09/12/2026"));
        QVERIFY(d.saisie.isVisible());
    }

    // Leaving the hour box by Tab: five and four characters are put in shape, anything else refused.
    void hourBox_data() {
        QTest::addColumn<QString>("tapé");
        QTest::addColumn<QString>("résultat");
        QTest::addColumn<bool>("refusé");
        QTest::newRow("9:30") << "9:30"
                              << "09:30" << false;
        QTest::newRow("9h30") << "9h30"
                              << "09:30" << false;
        QTest::newRow("12.45") << "12.45"
                               << "12:45" << false;
        QTest::newRow("12:30") << "12:30"
                               << "12:30" << false;
        QTest::newRow("12h30") << "12h30"
                               << "12:30" << false;
        QTest::newRow("any five") << "ab-cd"
                                  << "ab:cd" << false;
        QTest::newRow("design mask") << "__:__"
                                     << "__:__" << false;
        QTest::newRow("123") << "123"
                             << "" << true;
        QTest::newRow("empty") << ""
                               << "" << true;
        QTest::newRow("one") << "9"
                             << "" << true;
    }

    void hourBox() {
        QFETCH(QString, tapé);
        QFETCH(QString, résultat);
        QFETCH(bool, refusé);
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        d.taperHeure(tapé);
        QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Tab);
        QTRY_COMPARE(d.saisie.TX_Heure->text(), résultat);
        traiterCeQuiAttend(); // a second check would have run by now
        QCOMPARE(d.plateforme.beeps, refusé ? 1 : 0);
        QCOMPARE(d.plateforme.messages.size(), refusé ? 1 : 0);
        if (refusé) {
            const ShownMessage& message = d.plateforme.messages.constFirst();
            QCOMPARE(message.text, MESSAGE_HEURE);
            QCOMPARE(message.caption, QStringLiteral("Erreur de saisie"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
            QCOMPARE(message.buttons, MessageButtons::Ok);
            QCOMPARE(message.owner, &d.saisie);
        }
        QVERIFY(d.saisie.isVisible());
        QVERIFY(aLeFocus(d.saisie.TX_Jour));
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("10:30")); // nothing written before Valider
    }

    // A real message box takes the focus from the dialog and gives it back: that is not leaving the
    // hour box again.
    void messageBoxTakingTheFocusDoesNotCheckAgain() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        int focusRendu = 0;
        d.plateforme.onMessage = [&](const ShownMessage&) { focusRendu += prendreEtRendreLeFocus(d.saisie); };
        d.taperHeure(QStringLiteral("123"));
        QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Tab);
        QTRY_COMPARE(d.plateforme.messages.size(), 1);
        QCOMPARE(focusRendu, 1);
        traiterCeQuiAttend();
        QCOMPARE(d.plateforme.messages.size(), 1);
        QCOMPARE(d.saisie.TX_Heure->text(), QString());
    }

    // Going back to the hour box and leaving it again checks it again.
    void everyLeavingIsChecked() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        d.taperHeure(QStringLiteral("123"));
        QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Tab);
        QTRY_COMPARE(d.plateforme.messages.size(), 1);
        d.saisie.TX_Heure->setFocus(Qt::BacktabFocusReason);
        QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Tab);
        QTRY_COMPARE(d.plateforme.messages.size(), 2);
        traiterCeQuiAttend();
        QCOMPARE(d.plateforme.messages.size(), 2);
    }

    void annulerWithAnUnfinishedHourDoesNotNag_data() {
        QTest::addColumn<bool>("parÉchap");
        QTest::newRow("click on Annuler") << false;
        QTest::newRow("Escape") << true;
    }

    void annulerWithAnUnfinishedHourDoesNotNag() {
        QFETCH(bool, parÉchap);
        Échange_Saisie échange = échangeDeDépart();
        échange.Saisie_Validée = true;
        const Échange_Saisie avant = échange;
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        d.taperHeure(QStringLiteral("12"));
        if (parÉchap)
            QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Escape);
        else
            QTest::mouseClick(d.saisie.PB_Annuler, Qt::LeftButton);
        traiterCeQuiAttend();
        QVERIFY(!d.saisie.isVisible());
        QCOMPARE(d.saisie.result(), int(QDialog::Rejected));
        QVERIFY(d.plateforme.messages.isEmpty());
        QCOMPARE(d.plateforme.beeps, 0);
        QCOMPARE(échange.Saisie_Validée, false);
        QCOMPARE(échange.Saisie_Heure, avant.Saisie_Heure);
    }

    void closingWithTheFocusInTheHourBoxDoesNotCheck() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        d.taperHeure(QStringLiteral("12"));
        d.saisie.close();
        traiterCeQuiAttend();
        QVERIFY(d.plateforme.messages.isEmpty());
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("10:30"));
    }

    // Valider with a wrong hour warns once, empties the box and keeps the dialog open on it, so that
    // the user types the hour again.
    void validerWithAWrongHourWarnsOnce_data() {
        QTest::addColumn<bool>("parEntrée");
        QTest::newRow("click on Valider") << false;
        QTest::newRow("Enter in the hour box") << true;
    }

    void validerWithAWrongHourWarnsOnce() {
        QFETCH(bool, parEntrée);
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        int focusRendu = 0;
        d.plateforme.onMessage = [&](const ShownMessage&) { focusRendu += prendreEtRendreLeFocus(d.saisie); };
        d.taperHeure(QStringLiteral("12"));
        if (parEntrée)
            QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Return);
        else
            QTest::mouseClick(d.saisie.PB_Valider, Qt::LeftButton);
        traiterCeQuiAttend();
        QCOMPARE(d.plateforme.messages.size(), 1);
        QCOMPARE(focusRendu, 1);
        QCOMPARE(d.plateforme.messages.constFirst().text, MESSAGE_HEURE);
        QCOMPARE(d.plateforme.beeps, 1);
        QVERIFY(d.saisie.isVisible());
        QCOMPARE(d.saisie.TX_Heure->text(), QString());
        QVERIFY(aLeFocus(d.saisie.TX_Heure));
        QCOMPARE(échange.Saisie_Validée, false);

        QTest::keyClicks(d.saisie.TX_Heure, QStringLiteral("7h05"));
        QTest::mouseClick(d.saisie.PB_Valider, Qt::LeftButton);
        QVERIFY(!d.saisie.isVisible());
        QCOMPARE(d.plateforme.messages.size(), 1);
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("07:05"));
        QCOMPARE(échange.Saisie_Validée, true);
    }

    void validerPutsAFocusedHourInShape() {
        Échange_Saisie échange = échangeDeDépart();
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        d.taperHeure(QStringLiteral("9h30"));
        QTest::keyClick(d.saisie.TX_Heure, Qt::Key_Return);
        QVERIFY(!d.saisie.isVisible());
        QVERIFY(d.plateforme.messages.isEmpty());
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("09:30"));
        QCOMPARE(échange.Saisie_Validée, true);
    }

    // An hour the user never went into is taken as the caller gave it.
    void validerLeavesAnUntouchedHourAlone() {
        Échange_Saisie échange = échangeDeDépart();
        échange.Saisie_Heure = QStringLiteral("__:__");
        DialogueOuvert d(échange);
        QVERIFY(d.actif);
        QTest::mouseClick(d.saisie.PB_Valider, Qt::LeftButton);
        QVERIFY(d.plateforme.messages.isEmpty());
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("__:__"));
        QCOMPARE(échange.Saisie_Validée, true);
    }

    void validerWithTheDatePanelWritesItsThreeBoxes() {
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        échange.MdP_Saisi = QStringLiteral("inchangé");
        plateforme.dialogHandlers.push_back([](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            saisie.TX_Jour->setText(QStringLiteral("01/01/2027"));
            saisie.TX_Heure->setText(QStringLiteral("07:45"));
            saisie.TX_Message->setText(QStringLiteral("Bonne année"));
            saisie.TX_MdP->setText(QStringLiteral("caché"));
            saisie.PB_Valider->click();
            return saisie.result();
        });
        QWidget mnémo;
        demanderAlarme(plateforme, mnémo, échange);
        QCOMPARE(échange.Saisie_Jour, QStringLiteral("01/01/2027"));
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("07:45"));
        QCOMPARE(échange.Saisie_Message, QStringLiteral("Bonne année"));
        QCOMPARE(échange.MdP_Saisi, QStringLiteral("inchangé"));
        QCOMPARE(échange.Saisie_Validée, true);
    }

    void validerWithThePasswordPanelWritesOnlyThePassword() {
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        plateforme.dialogHandlers.push_back([](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            saisie.TX_Jour->setText(QStringLiteral("01/01/2027"));
            saisie.TX_Heure->setText(QStringLiteral("07:45"));
            saisie.TX_Message->setText(QStringLiteral("Bonne année"));
            QTest::keyClicks(saisie.TX_MdP, QStringLiteral("Sesame"));
            saisie.PB_Valider->click();
            return saisie.result();
        });
        QWidget fenêtre;
        demanderMotDePasse(plateforme, fenêtre, échange, QStringLiteral("Banque"));
        QCOMPARE(échange.MdP_Saisi, QStringLiteral("Sesame"));
        QCOMPARE(échange.Saisie_Jour, QStringLiteral("08/12/2026"));
        QCOMPARE(échange.Saisie_Heure, QStringLiteral("10:30"));
        QCOMPARE(échange.Saisie_Message, QStringLiteral("Appeler le garage"));
        QCOMPARE(échange.Saisie_Validée, true);
    }

    // An alarm message longer than a line box takes (read from a memo file) goes through whole.
    void aHugeMessageGoesThroughWhole() {
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        const QString message = QStringLiteral("Appeler ").repeated(12500) + QStringLiteral("fin");
        échange.Saisie_Message = message;
        plateforme.dialogHandlers.push_back([](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            saisie.PB_Valider->click();
            return saisie.result();
        });
        QWidget mnémo;
        demanderAlarme(plateforme, mnémo, échange);
        QCOMPARE(échange.Saisie_Validée, true);
        QCOMPARE(échange.Saisie_Message.size(), message.size());
        QCOMPARE(échange.Saisie_Message, message);
    }

    void annulerWritesNothing_data() {
        QTest::addColumn<bool>("motDePasse");
        QTest::addColumn<bool>("validéAvant");
        QTest::newRow("alarm") << false << false;
        QTest::newRow("alarm after a validated use") << false << true;
        QTest::newRow("password") << true << true;
    }

    void annulerWritesNothing() {
        QFETCH(bool, motDePasse);
        QFETCH(bool, validéAvant);
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        échange.Saisie_Validée = validéAvant;
        plateforme.dialogHandlers.push_back([](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            saisie.TX_Jour->setText(QStringLiteral("01/01/2027"));
            saisie.TX_Heure->setText(QStringLiteral("07:45"));
            saisie.TX_Message->setText(QStringLiteral("Bonne année"));
            saisie.TX_MdP->setText(QStringLiteral("Sésame"));
            saisie.PB_Annuler->click();
            return saisie.result();
        });
        QWidget fenêtre;
        if (motDePasse)
            demanderMotDePasse(plateforme, fenêtre, échange, QStringLiteral("Banque"));
        else
            demanderAlarme(plateforme, fenêtre, échange);
        Échange_Saisie attendu = échangeDeDépart();
        attendu.Saisie_Validée = false;
        QVERIFY(mêmesValeurs(échange, attendu));
    }

    // The close box writes nothing, not even the flag: it keeps what an earlier use left.
    void closeBoxWritesNothing_data() {
        QTest::addColumn<bool>("validéAvant");
        QTest::newRow("after a validated use") << true;
        QTest::newRow("after a cancelled use") << false;
    }

    void closeBoxWritesNothing() {
        QFETCH(bool, validéAvant);
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        échange.Saisie_Validée = validéAvant;
        const Échange_Saisie avant = échange;
        plateforme.dialogHandlers.push_back([](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            saisie.TX_Heure->setText(QStringLiteral("07:45"));
            saisie.TX_Message->setText(QStringLiteral("Bonne année"));
            saisie.close();
            return saisie.result();
        });
        QWidget fenêtre;
        réglerAlarme(plateforme, fenêtre, échange);
        QVERIFY(mêmesValeurs(échange, avant));
    }

    // Each use shows its caption and its panel.
    void callers_data() {
        QTest::addColumn<QString>("appel");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<bool>("panneauDate");
        QTest::addColumn<bool>("calendrier");
        QTest::addColumn<bool>("panneauMotDePasse");
        QTest::addColumn<QString>("titreDuCadre");
        QTest::addColumn<QString>("focus");
        QTest::newRow("memo alarm") << "alarme"
                                    << "Saisie d'une alarme" << true << true << false << ""
                                    << "TX_Message";
        QTest::newRow("next alarm") << "reglage"
                                    << "Réglage de l'alarme" << true << false << false << ""
                                    << "TX_Message";
        QTest::newRow("password") << "mdp"
                                  << "Entrer le Mot de Passe pour ouvrir ce Mnémo !" << false << false << true
                                  << "Liste des courses"
                                  << "TX_MdP";
    }

    void callers() {
        QFETCH(QString, appel);
        QFETCH(QString, titre);
        QFETCH(bool, panneauDate);
        QFETCH(bool, calendrier);
        QFETCH(bool, panneauMotDePasse);
        QFETCH(QString, titreDuCadre);
        QFETCH(QString, focus);
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        échange.MdP_Saisi = QStringLiteral("reste d'avant");
        struct Vu {
            QString titre, titreDuCadre, motDePasse, focus;
            bool actif = false, date = false, calendrier = false, jour = false, étiquetteJour = false,
                 heure = false, message = false, motDePasseVisible = false;
        } vu;
        plateforme.dialogHandlers.push_back([&vu](QDialog& dialogue) {
            auto& saisie = static_cast<FrmSaisie&>(dialogue);
            dialogue.activateWindow();
            vu.actif = QTest::qWaitForWindowActive(&dialogue);
            vu.titre = saisie.windowTitle();
            vu.titreDuCadre = saisie.FR_MdP->title();
            vu.motDePasse = saisie.TX_MdP->text();
            vu.date = saisie.FR_Date_Heure_Message->isVisible();
            vu.calendrier = saisie.Calendar1->isVisible();
            vu.jour = saisie.TX_Jour->isVisible();
            vu.étiquetteJour = saisie.LB_Jour->isVisible();
            vu.heure = saisie.TX_Heure->isVisible();
            vu.message = saisie.TX_Message->isVisible();
            vu.motDePasseVisible = saisie.FR_MdP->isVisible();
            if (QApplication::focusWidget()) vu.focus = QApplication::focusWidget()->objectName();
            return QDialog::Rejected;
        });
        QWidget fenêtre;
        if (appel == QStringLiteral("alarme"))
            demanderAlarme(plateforme, fenêtre, échange);
        else if (appel == QStringLiteral("reglage"))
            réglerAlarme(plateforme, fenêtre, échange);
        else
            demanderMotDePasse(plateforme, fenêtre, échange, QStringLiteral("Liste des courses"));

        QCOMPARE(plateforme.dialogNames(), QStringList{QStringLiteral("FrmSaisie")});
        QCOMPARE(plateforme.dialogsShown.constFirst().owner, &fenêtre);
        QVERIFY(vu.actif);
        QCOMPARE(vu.titre, titre);
        QCOMPARE(vu.date, panneauDate);
        QCOMPARE(vu.heure, panneauDate);
        QCOMPARE(vu.message, panneauDate);
        QCOMPARE(vu.calendrier, calendrier);
        QCOMPARE(vu.jour, calendrier);
        QCOMPARE(vu.étiquetteJour, calendrier);
        QCOMPARE(vu.motDePasseVisible, panneauMotDePasse);
        QCOMPARE(vu.focus, focus);
        if (panneauMotDePasse) {
            QCOMPARE(vu.titreDuCadre, titreDuCadre);
            QCOMPARE(vu.motDePasse, QString()); // emptied before loading
            QCOMPARE(échange.MdP_Saisi, QString());
        } else {
            QCOMPARE(échange.MdP_Saisi, QStringLiteral("reste d'avant"));
        }
    }

    // Keyboard order: password first when shown, else message, hour, day, then Valider and Annuler.
    void tabOrder_data() {
        QTest::addColumn<bool>("motDePasse");
        QTest::addColumn<QStringList>("ordre");
        QTest::newRow("date panel") << false << QStringList{"TX_Message", "TX_Heure",   "TX_Jour",
                                                            "Calendar1",  "PB_Valider", "PB_Annuler"};
        QTest::newRow("password panel") << true << QStringList{"TX_MdP", "PB_Valider", "PB_Annuler"};
    }

    void tabOrder() {
        QFETCH(bool, motDePasse);
        QFETCH(QStringList, ordre);
        FakePlatform plateforme;
        Échange_Saisie échange = échangeDeDépart();
        FrmSaisie saisie(plateforme, échange);
        (motDePasse ? saisie.FR_MdP : saisie.FR_Date_Heure_Message)->show();
        saisie.show();
        saisie.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&saisie));
        const QStringList contrôles{"TX_MdP",    "TX_Message", "TX_Heure",  "TX_Jour",
                                    "Calendar1", "PB_Valider", "PB_Annuler"};
        QStringList parcours;
        for (int i = 0; i < ordre.size(); ++i) {
            QVERIFY(QApplication::focusWidget());
            // The calendar takes the focus in its inner table.
            for (const QString& nom : contrôles)
                if (aLeFocus(saisie.findChild<QWidget*>(nom))) parcours << nom;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(parcours, ordre);
        QVERIFY(plateforme.messages.isEmpty()); // "10:30" passed the check on the way
    }
};

QTEST_MAIN(TestFrmSaisie)
#include "tst_frm_saisie.moc"
