// Which alarm is armed next, and which are due at a tick.
#include "store/ChoixAlarmes.h"

#include <QTest>

#include <memory>

namespace {

const QString TOUS = QStringLiteral("__\\__\\____");
const QDate AUJOURDHUI(2026, 12, 8);

// A row: its day ("tous" for the unfilled day, "vide" for none, or a date), its hour, whether it rang today.
struct Ligne {
    QString jour;
    QString heure;
    bool sonnée = false;
};

std::unique_ptr<Table_Alarmes> table(const QList<Ligne>& lignes) {
    auto t = std::make_unique<Table_Alarmes>();
    for (const Ligne& l : lignes) {
        Ligne_Alarme ligne;
        ligne.Jour = l.jour == QLatin1String("tous")   ? TOUS
                     : l.jour == QLatin1String("vide") ? QString()
                                                       : l.jour;
        ligne.Heure = l.heure;
        if (l.sonnée) ligne.Sonnée = AUJOURDHUI;
        t->ajouter(ligne);
    }
    return t;
}

} // namespace

Q_DECLARE_METATYPE(QList<Ligne>)

class TestProchaineAlarme : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<QList<Ligne>>("lignes");
        QTest::addColumn<QTime>("maintenant");
        QTest::addColumn<int>("choisie");

        const QTime t(10, 29, 50);
        QTest::newRow("no row") << QList<Ligne>{} << t << 0;
        QTest::newRow("every day, unfilled day") << QList<Ligne>{{"tous", "11:00"}} << t << 1;
        QTest::newRow("every day, empty day") << QList<Ligne>{{"vide", "11:00"}} << t << 1;
        QTest::newRow("today's date") << QList<Ligne>{{"08/12/2026", "11:00"}} << t << 1;
        QTest::newRow("another day's row") << QList<Ligne>{{"09/12/2026", "11:00"}} << t << 0;
        QTest::newRow("earliest wins")
            << QList<Ligne>{{"tous", "12:00"}, {"tous", "10:45"}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("the current minute is not armed") << QList<Ligne>{{"tous", "10:29"}} << t << 0;
        QTest::newRow("the next minute is") << QList<Ligne>{{"tous", "10:29"}, {"tous", "10:30"}} << t << 2;
        QTest::newRow("passed today") << QList<Ligne>{{"tous", "08:00"}} << t << 0;
        QTest::newRow("tie: lowest row")
            << QList<Ligne>{{"tous", "12:00"}, {"tous", "11:00"}, {"vide", "11:00"}} << t << 2;
        QTest::newRow("inactive row (empty hour)") << QList<Ligne>{{"tous", ""}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("unfilled hour hides nothing")
            << QList<Ligne>{{"tous", "__:__"}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("short hour hides nothing") << QList<Ligne>{{"tous", "1"}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("hour 25 hides nothing")
            << QList<Ligne>{{"tous", "25:00"}, {"tous", "23:00"}} << t << 2;
        QTest::newRow("badly written day hides nothing")
            << QList<Ligne>{{"8/12/2026", "10:40"}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("day that does not exist") << QList<Ligne>{{"31/11/2026", "11:00"}} << t << 0;
        QTest::newRow("rang today") << QList<Ligne>{{"tous", "10:45", true}, {"tous", "11:00"}} << t << 2;
        QTest::newRow("just before midnight") << QList<Ligne>{{"tous", "23:59"}} << QTime(23, 58, 59) << 1;
        QTest::newRow("at midnight, 00:00 is the current minute")
            << QList<Ligne>{{"tous", "00:00"}, {"tous", "00:01"}} << QTime(0, 0) << 2;
    }
    void choice() {
        QFETCH(QList<Ligne>, lignes);
        QFETCH(QTime, maintenant);
        QFETCH(int, choisie);
        QCOMPARE(Choisir_Prochaine_Alarme(*table(lignes), QDateTime(AUJOURDHUI, maintenant)), choisie);
    }

    void due_data() {
        QTest::addColumn<QList<Ligne>>("lignes");
        QTest::addColumn<QTime>("après"); // null: from the start of the day
        QTest::addColumn<QTime>("jusquà");
        QTest::addColumn<QList<int>>("dues");

        const QList<Ligne> journée{{"tous", "09:00"},       {"08/12/2026", "08:30"}, {"tous", "09:00"},
                                   {"09/12/2026", "08:45"}, {"tous", "12:00"},       {"tous", "xx:yy"},
                                   {"tous", "08:59", true}};
        QTest::newRow("one minute") << journée << QTime(8, 59) << QTime(9, 0) << QList<int>{1, 3};
        QTest::newRow("a minute with none") << journée << QTime(9, 0) << QTime(9, 1) << QList<int>{};
        QTest::newRow("missed minutes, in time order")
            << journée << QTime(8, 0) << QTime(9, 30) << QList<int>{2, 1, 3};
        QTest::newRow("from the start of the day")
            << journée << QTime() << QTime(23, 59) << QList<int>{2, 1, 3, 5};
        QTest::newRow("the minute checked last is not due again")
            << journée << QTime(8, 30) << QTime(8, 59) << QList<int>{};
    }
    void due() {
        QFETCH(QList<Ligne>, lignes);
        QFETCH(QTime, après);
        QFETCH(QTime, jusquà);
        QFETCH(QList<int>, dues);
        const std::optional<QTime> depuis = après.isValid() ? std::optional<QTime>(après) : std::nullopt;
        QCOMPARE(Alarmes_Dues(*table(lignes), AUJOURDHUI, depuis, jusquà), dues);
    }
};

QTEST_GUILESS_MAIN(TestProchaineAlarme)
#include "tst_store_prochaine_alarme.moc"
