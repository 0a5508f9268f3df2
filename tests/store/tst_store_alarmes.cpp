// The alarm table as saves amend it and as the memo files rebuild it.
#include "FichesDeTest.h"

#include "store/AlarmesMnemo.h"

#include <QTest>

#include <memory>

namespace {

Ligne_Alarme ligne(const QString& heure, const QString& message = QStringLiteral("Réunion")) {
    return {QStringLiteral("08/12/2026"), heure, true, message, QStringLiteral("PRG à lancer")};
}

QStringList décrire(const Ligne_Alarme& l) {
    return {l.Jour, l.Heure, l.Beep ? "beep" : "-", l.Message, l.PRG};
}

// The table is large: keep it off the stack.
std::unique_ptr<Table_Alarmes> tableAvec(int lignes) {
    auto table = std::make_unique<Table_Alarmes>();
    for (int i = 1; i <= lignes; ++i)
        table->ajouter(ligne(QStringLiteral("07:00"), QString::number(i)));
    return table;
}

struct Sauvegarde {
    bool coché;
    QString heure;
};

} // namespace

Q_DECLARE_METATYPE(Sauvegarde)

class TestAlarmes : public QObject {
    Q_OBJECT

private slots:
    // Successive saves of one memo window, starting with no row; the tag carries each save's answer.
    void savesOfOneMemo_data() {
        QTest::addColumn<int>("déjàPrises");
        QTest::addColumn<QList<Sauvegarde>>("sauvegardes");
        QTest::addColumn<int>("ligneAttendue");
        QTest::addColumn<int>("nbAttendu");
        QTest::addColumn<QString>("heureAttendue");

        QTest::newRow("ticked twice: one row")
            << 0 << QList<Sauvegarde>{{true, "09:00"}, {true, "10:15"}} << 1 << 1 << "10:15";
        QTest::newRow("after other memos' rows")
            << 4 << QList<Sauvegarde>{{true, "09:00"}, {true, "10:15"}} << 5 << 5 << "10:15";
        QTest::newRow("unticked: hour emptied, row kept")
            << 2 << QList<Sauvegarde>{{true, "09:00"}, {false, "09:00"}} << 3 << 3 << "";
        QTest::newRow("ticked again: same row refilled")
            << 2 << QList<Sauvegarde>{{true, "09:00"}, {false, "09:00"}, {true, "11:00"}} << 3 << 3
            << "11:00";
        QTest::newRow("never ticked: no row")
            << 2 << QList<Sauvegarde>{{false, "09:00"}, {false, "09:00"}} << 0 << 2 << "";
    }
    void savesOfOneMemo() {
        QFETCH(int, déjàPrises);
        QFETCH(QList<Sauvegarde>, sauvegardes);
        QFETCH(int, ligneAttendue);
        QFETCH(int, nbAttendu);
        QFETCH(QString, heureAttendue);
        const auto table = tableAvec(déjàPrises);

        int tag = 0;
        for (const Sauvegarde& s : sauvegardes) {
            const Inscription_Alarme inscription =
                Mettre_À_Jour_Alarme(*table, tag, s.coché, ligne(s.heure, "Ma réunion"));
            QVERIFY(!inscription.tablePleine);
            tag = inscription.ligne;
        }

        QCOMPARE(tag, ligneAttendue);
        QCOMPARE(int(table->Nb_Alarmes), nbAttendu);
        if (ligneAttendue > 0) {
            Ligne_Alarme attendue = ligne(heureAttendue, "Ma réunion");
            QCOMPARE(décrire((*table)[ligneAttendue]), décrire(attendue));
        }
        for (int autre = 1; autre <= déjàPrises; ++autre)
            QCOMPARE((*table)[autre].Message, QString::number(autre));
    }

    void untickingKeepsTheRowsOtherValues() {
        const auto table = tableAvec(0);
        const int tag = Mettre_À_Jour_Alarme(*table, 0, true, ligne("09:00", "Appeler")).ligne;
        Mettre_À_Jour_Alarme(*table, tag, false, ligne("12:00", "autre chose"));
        Ligne_Alarme attendue = ligne("", "Appeler");
        QCOMPARE(décrire((*table)[tag]), décrire(attendue));
    }

    void tagNamingNoRowCountsAsEmpty_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("coché");
        QTest::addColumn<int>("ligneAttendue");
        QTest::addColumn<int>("nbAttendu");
        // Three rows in use.
        QTest::newRow("beyond the rows in use, ticked") << 7 << true << 4 << 4;
        QTest::newRow("beyond the rows in use, unticked") << 7 << false << 0 << 3;
        QTest::newRow("row 0, unticked") << 0 << false << 0 << 3;
        QTest::newRow("negative, ticked") << -2 << true << 4 << 4;
        QTest::newRow("beyond the table, ticked") << 5000 << true << 4 << 4;
    }
    void tagNamingNoRowCountsAsEmpty() {
        QFETCH(int, tag);
        QFETCH(bool, coché);
        QFETCH(int, ligneAttendue);
        QFETCH(int, nbAttendu);
        const auto table = tableAvec(3);
        const Inscription_Alarme inscription = Mettre_À_Jour_Alarme(*table, tag, coché, ligne("09:00"));
        QCOMPARE(inscription.ligne, ligneAttendue);
        QVERIFY(!inscription.tablePleine);
        QCOMPARE(int(table->Nb_Alarmes), nbAttendu);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE((*table)[i].Heure, QStringLiteral("07:00"));
    }

    void fullTable_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("coché");
        QTest::addColumn<int>("ligneAttendue");
        QTest::addColumn<bool>("refusée");
        QTest::newRow("new alarm refused") << 0 << true << 0 << true;
        QTest::newRow("row 999 reused") << 999 << true << 999 << false;
        QTest::newRow("row 999 unticked") << 999 << false << 999 << false;
        QTest::newRow("no alarm, nothing to refuse") << 0 << false << 0 << false;
    }
    void fullTable() {
        QFETCH(int, tag);
        QFETCH(bool, coché);
        QFETCH(int, ligneAttendue);
        QFETCH(bool, refusée);
        const auto table = tableAvec(Table_Alarmes::DERNIÈRE_LIGNE);
        QCOMPARE(int(table->Nb_Alarmes), 999);

        const Inscription_Alarme inscription =
            Mettre_À_Jour_Alarme(*table, tag, coché, ligne("23:59", "nouvelle"));

        QCOMPARE(inscription.ligne, ligneAttendue);
        QCOMPARE(inscription.tablePleine, refusée);
        QCOMPARE(int(table->Nb_Alarmes), 999);
        for (int i = 1; i < 999; ++i)
            QCOMPARE((*table)[i].Message, QString::number(i));
    }

    void rebuildFromRecords() {
        const auto table = tableAvec(0);
        Fiche_Mnémo avecAlarme = ficheClaire();
        Fiche_Mnémo sansAlarme = ficheClaire();
        sansAlarme.Alarme = false;

        QCOMPARE(Inscrire_Alarme(*table, sansAlarme).ligne, 0);
        const Inscription_Alarme première = Inscrire_Alarme(*table, avecAlarme);
        QCOMPARE(première.ligne, 1);
        QCOMPARE(décrire((*table)[1]), décrire({avecAlarme.Jour, avecAlarme.Heure, avecAlarme.Beep,
                                                avecAlarme.Message, avecAlarme.PRG}));
        QCOMPARE(Inscrire_Alarme(*table, sansAlarme).ligne, 0);
        QCOMPARE(Inscrire_Alarme(*table, avecAlarme).ligne, 2);
        QCOMPARE(int(table->Nb_Alarmes), 2);
    }

    void rebuildStopsAtRow999() {
        const auto table = tableAvec(0);
        const Fiche_Mnémo avecAlarme = ficheClaire();
        int refusées = 0;
        int dernière = 0;
        for (int memo = 0; memo < 1005; ++memo) {
            const Inscription_Alarme inscription = Inscrire_Alarme(*table, avecAlarme);
            if (inscription.tablePleine) {
                ++refusées;
                QCOMPARE(inscription.ligne, 0);
            } else {
                dernière = inscription.ligne;
            }
        }
        QCOMPARE(dernière, 999);
        QCOMPARE(refusées, 6);
        QCOMPARE(int(table->Nb_Alarmes), 999);
    }
};

QTEST_GUILESS_MAIN(TestAlarmes)
#include "tst_store_alarmes.moc"
