// The exact forms of an alarm's day and hour, and the checks of the memo window's two alarm fields.
#include "store/ChampsAlarme.h"

#include <QLocale>
#include <QTest>

class TestChampsAlarme : public QObject {
    Q_OBJECT

private slots:
    // Whatever the user's locale says, the day comes first.
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void hourField_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QTime>("lue"); // null: no hour

        QTest::newRow("12:30") << "12:30" << true << QTime(12, 30);
        QTest::newRow("midnight") << "00:00" << true << QTime(0, 0);
        QTest::newRow("last minute") << "23:59" << true << QTime(23, 59);
        QTest::newRow("unfilled") << "__:__" << true << QTime();
        QTest::newRow("empty") << "" << true << QTime();
        QTest::newRow("no colon") << "1230" << false << QTime();
        QTest::newRow("one minute digit") << "12:3" << false << QTime();
        QTest::newRow("one hour digit") << "9:30" << false << QTime();
        QTest::newRow("letter h") << "12h30" << false << QTime();
        QTest::newRow("hour 24") << "24:00" << false << QTime();
        QTest::newRow("minute 60") << "12:60" << false << QTime();
        QTest::newRow("letters") << "ab:cd" << false << QTime();
        QTest::newRow("blank in front") << " 9:30" << false << QTime();
        QTest::newRow("seconds") << "12:30:00" << false << QTime();
        QTest::newRow("half unfilled") << "12:__" << false << QTime();
    }
    void hourField() {
        QFETCH(QString, texte);
        QFETCH(bool, correct);
        QFETCH(QTime, lue);
        QCOMPARE(Heure_Saisie_Correcte(texte), correct);
        const std::optional<QTime> heure = Lire_Heure(texte);
        QCOMPARE(heure.has_value(), lue.isValid());
        if (heure) {
            QCOMPARE(*heure, lue);
            QCOMPARE(Écrire_Heure(*heure), texte);
        }
    }

    void dayField_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QDate>("lu"); // null: no day
        QTest::addColumn<bool>("tousLesJours");

        QTest::newRow("08/12/2026") << "08/12/2026" << true << QDate(2026, 12, 8) << false;
        QTest::newRow("day 12, month 8") << "12/08/2026" << true << QDate(2026, 8, 12) << false;
        QTest::newRow("leap day") << "29/02/2028" << true << QDate(2028, 2, 29) << false;
        QTest::newRow("unfilled") << "__\\__\\____" << true << QDate() << true;
        QTest::newRow("empty") << "" << true << QDate() << true;
        QTest::newRow("one day digit") << "8/12/2026" << false << QDate() << false;
        QTest::newRow("year first") << "2026/12/08" << false << QDate() << false;
        QTest::newRow("ISO") << "2026-12-08" << false << QDate() << false;
        QTest::newRow("month first") << "12/31/2026" << false << QDate() << false;
        QTest::newRow("31 February") << "31/02/2026" << false << QDate() << false;
        QTest::newRow("29 February, no leap year") << "29/02/2027" << false << QDate() << false;
        QTest::newRow("day 0") << "00/12/2026" << false << QDate() << false;
        QTest::newRow("two-digit year") << "08/12/26" << false << QDate() << false;
        QTest::newRow("dashes") << "08-12-2026" << false << QDate() << false;
        QTest::newRow("half unfilled") << "08/12/____" << false << QDate() << false;
        QTest::newRow("date and time") << "08/12/2026 10:29:50" << false << QDate() << false;
    }
    void dayField() {
        QFETCH(QString, texte);
        QFETCH(bool, correct);
        QFETCH(QDate, lu);
        QFETCH(bool, tousLesJours);
        QCOMPARE(Jour_Saisi_Correct(texte), correct);
        QCOMPARE(Tous_Les_Jours(texte), tousLesJours);
        const std::optional<QDate> jour = Lire_Jour(texte);
        QCOMPARE(jour.has_value(), lu.isValid());
        if (jour) {
            QCOMPARE(*jour, lu);
            QCOMPARE(Écrire_Jour(*jour), texte);
        }
    }

    // The day the input dialog is given or gives back: day first, single digits allowed, a time ignored.
    void dayAtTheHead_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QDate>("lu"); // null: no day

        QTest::newRow("written in full") << "08/12/2026" << QDate(2026, 12, 8);
        QTest::newRow("single digits") << "8/2/2026" << QDate(2026, 2, 8);
        QTest::newRow("with a time") << "08/12/2026 10:29:50" << QDate(2026, 12, 8);
        QTest::newRow("blanks around") << " 08/12/2026 " << QDate(2026, 12, 8);
        QTest::newRow("month first") << "12/31/2026" << QDate();
        QTest::newRow("31 February") << "31/02/2026" << QDate();
        QTest::newRow("ISO") << "2026-12-08" << QDate();
        QTest::newRow("unfilled") << "__\\__\\____" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("words") << "demain" << QDate();
    }
    void dayAtTheHead() {
        QFETCH(QString, texte);
        QFETCH(QDate, lu);
        const std::optional<QDate> jour = Lire_Jour_En_Tête(texte);
        QCOMPARE(jour.has_value(), lu.isValid());
        if (jour) QCOMPARE(*jour, lu);
    }

    void writtenDayFirstWithLeadingZeros() {
        QCOMPARE(Écrire_Jour(QDate(2026, 2, 1)), QStringLiteral("01/02/2026"));
        QCOMPARE(Écrire_Heure(QTime(9, 5, 59)), QStringLiteral("09:05"));
    }
};

QTEST_GUILESS_MAIN(TestChampsAlarme)
#include "tst_store_champs_alarme.moc"
