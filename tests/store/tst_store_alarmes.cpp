// The alarm table as saves amend it and as the memo files rebuild it.
#include "FichesDeTest.h"

#include "store/AlarmesMnemo.h"
#include "store/ChampsAlarme.h"

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

    // A row that rang today stays rung through a save that keeps its day and hour; a new hour or day is a
    // new alarm.
    void saveKeepsTheDayARowRang_data() {
        QTest::addColumn<QString>("jour");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<bool>("resteSonnée");
        QTest::newRow("same day and hour, new message") << "08/12/2026"
                                                        << "09:00" << true;
        QTest::newRow("new hour") << "08/12/2026"
                                  << "09:30" << false;
        QTest::newRow("every day now") << "__\\__\\____"
                                       << "09:00" << false;
    }
    void saveKeepsTheDayARowRang() {
        QFETCH(QString, jour);
        QFETCH(QString, heure);
        QFETCH(bool, resteSonnée);
        const auto table = tableAvec(0);
        const int tag = Mettre_À_Jour_Alarme(*table, 0, true, ligne("09:00")).ligne;
        (*table)[tag].Sonnée = QDate(2026, 12, 8);
        Ligne_Alarme valeurs = ligne(heure, "Autre message");
        valeurs.Jour = jour;
        Mettre_À_Jour_Alarme(*table, tag, true, valeurs);
        QCOMPARE((*table)[tag].Sonnée.isValid(), resteSonnée);
        QCOMPARE((*table)[tag].Message, QStringLiteral("Autre message"));
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

    // The rebuilt table takes over what the files do not hold: the day an alarm rang or was silenced, and
    // the rows the "Alarme" button made that have not rung.
    void rebuildKeepsWhatTheFilesDoNotHold() {
        const QDate hier(2026, 12, 7), aujourdhui(2026, 12, 8);
        const auto ancienne = tableAvec(0);
        ancienne->ajouter(ligne("09:00", "rang yesterday"));
        (*ancienne)[1].Sonnée = hier;
        ancienne->ajouter(ligne("10:00", "silenced today"));
        (*ancienne)[2].Sonnée = aujourdhui;
        Ligne_Alarme faite = ligne("11:00", "set with the button");
        faite.Ponctuelle = true;
        ancienne->ajouter(faite);
        faite.Message = QStringLiteral("set with the button, rang");
        faite.Sonnée = aujourdhui;
        ancienne->ajouter(faite);

        // The files: the silenced alarm listed first now, the other one changed, and a new one.
        const auto nouvelle = tableAvec(0);
        nouvelle->ajouter(ligne("10:00", "silenced today"));
        nouvelle->ajouter(ligne("09:05", "rang yesterday"));
        nouvelle->ajouter(ligne("12:00", "new"));

        QVERIFY(!Reprendre_Alarmes(*nouvelle, *ancienne));
        QCOMPARE(int(nouvelle->Nb_Alarmes), 4);
        QCOMPARE((*nouvelle)[1].Sonnée, aujourdhui);
        QVERIFY(!(*nouvelle)[2].Sonnée.isValid());
        QVERIFY(!(*nouvelle)[3].Sonnée.isValid());
        QCOMPARE((*nouvelle)[4].Message, QStringLiteral("set with the button"));
        QVERIFY((*nouvelle)[4].Ponctuelle);

        const auto pleine = tableAvec(Table_Alarmes::DERNIÈRE_LIGNE);
        QVERIFY(Reprendre_Alarmes(*pleine, *ancienne));
    }

    // The "Alarme" button: armed row, new hour, current minute → what the table holds afterwards.
    void settingWithTheButton_data() {
        QTest::addColumn<int>("armée"); // 1: a memo's row, 2: a row of the button's own, 0: none
        QTest::addColumn<QString>("heure");
        QTest::addColumn<int>("ligneRéglée");
        QTest::addColumn<QString>("jourRéglé");
        QTest::addColumn<bool>("beepEtProgramme"); // the memo alarm's
        QTest::addColumn<bool>("mémoSilencée");

        QTest::newRow("memo alarm re-timed later today") << 1 << "11:30" << 3 << "08/12/2026" << true << true;
        QTest::newRow("memo alarm re-timed to a passed hour: tomorrow")
            << 1 << "09:00" << 3 << "09/12/2026" << true << true;
        QTest::newRow("the current minute is passed") << 1 << "10:29" << 3 << "09/12/2026" << true << true;
        QTest::newRow("button's own row changed in place")
            << 2 << "12:00" << 2 << "08/12/2026" << false << false;
        QTest::newRow("nothing armed: message only") << 0 << "10:30" << 3 << "08/12/2026" << false << false;
    }
    void settingWithTheButton() {
        QFETCH(int, armée);
        QFETCH(QString, heure);
        QFETCH(int, ligneRéglée);
        QFETCH(QString, jourRéglé);
        QFETCH(bool, beepEtProgramme);
        QFETCH(bool, mémoSilencée);
        const auto table = tableAvec(0);
        Ligne_Alarme mémo = ligne("10:45", "memo");
        mémo.PRG = QStringLiteral("/usr/bin/true");
        table->ajouter(mémo);
        Ligne_Alarme propre = ligne("11:00", "own");
        propre.Beep = false;
        propre.PRG.clear();
        propre.Ponctuelle = true;
        table->ajouter(propre);

        const QDateTime maintenant(QDate(2026, 12, 8), QTime(10, 29, 50));
        const Inscription_Alarme réglée =
            Régler_Alarme(*table, armée, *Lire_Heure(heure), QStringLiteral("Nouveau"), maintenant);

        QCOMPARE(réglée.ligne, ligneRéglée);
        QVERIFY(!réglée.tablePleine);
        const Ligne_Alarme& l = (*table)[ligneRéglée];
        QCOMPARE(décrire(l), QStringList({jourRéglé, heure, beepEtProgramme ? "beep" : "-", "Nouveau",
                                          beepEtProgramme ? "/usr/bin/true" : ""}));
        QVERIFY(l.Ponctuelle);
        QVERIFY(!l.Sonnée.isValid());
        QCOMPARE((*table)[1].Sonnée.isValid(), mémoSilencée);
        QCOMPARE((*table)[1].Heure, QStringLiteral("10:45")); // the memo's own hour stays for the other days
    }

    void settingWithTheButtonInAFullTableChangesNothing() {
        const auto table = tableAvec(Table_Alarmes::DERNIÈRE_LIGNE);
        const QDateTime maintenant(QDate(2026, 12, 8), QTime(6, 0));
        const Inscription_Alarme réglée =
            Régler_Alarme(*table, 5, QTime(8, 0), QStringLiteral("x"), maintenant);
        QCOMPARE(réglée.ligne, 0);
        QVERIFY(réglée.tablePleine);
        QVERIFY(!(*table)[5].Sonnée.isValid());
        QCOMPARE(int(table->Nb_Alarmes), Table_Alarmes::DERNIÈRE_LIGNE);
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
