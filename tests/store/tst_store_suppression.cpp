// Deleting a memo's files.
#include "FakePlatform.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/SuppressionMnemo.h"

#include <QDir>
#include <QTest>

namespace {

const QString NOM = QStringLiteral("08122026_31415");
const QString VOISIN = QStringLiteral("08122026_27182");

} // namespace

class TestSuppression : public QObject {
    Q_OBJECT

private slots:
    void deletesTheMemoFiles_data() {
        QTest::addColumn<QStringList>("présents");
        const QStringList tous{".PSL", ".PS2", ".PS3", ".PSL.tmp"};
        QTest::newRow("record and picture") << QStringList{".PSL", ".PS2"};
        QTest::newRow("record without picture") << QStringList{".PSL"};
        QTest::newRow("leftovers of an interrupted save") << tous;
        QTest::newRow("never saved") << QStringList{};
        QTest::newRow("picture without record") << QStringList{".PS2"};
    }
    void deletesTheMemoFiles() {
        QFETCH(QStringList, présents);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        for (const QString& extension : présents)
            écrire(dossier.memos() + "/" + NOM + extension, "x");
        écrire(dossier.memos() + "/" + VOISIN + ".PSL", "voisin");
        écrire(dossier.memos() + "/" + VOISIN + ".PS2", "voisin");

        FakePlatform plateforme;
        Supprimer_Fichiers_Mnémo(plateforme, dossier.memos(), NOM);

        QCOMPARE(QDir(dossier.memos()).entryList(QDir::Files, QDir::Name),
                 QStringList({VOISIN + ".PS2", VOISIN + ".PSL"}));
        QVERIFY(plateforme.messages.isEmpty());
        QCOMPARE(plateforme.beeps, 0);
    }

    void missingFolderIsSilent() {
        const TestFolder dossier;
        FakePlatform plateforme;
        Supprimer_Fichiers_Mnémo(plateforme, dossier.memos(), NOM);
        QVERIFY(plateforme.messages.isEmpty());
        QCOMPARE(plateforme.beeps, 0);
    }

    void undeletableRecordIsReportedAndThePictureStillGoes() {
        const TestFolder dossier;
        // A folder in the record's place cannot be deleted as a file, whoever runs the test.
        QVERIFY(QDir().mkpath(dossier.memos() + "/" + NOM + ".PSL/inside"));
        écrire(dossier.memos() + "/" + NOM + ".PS2", "image");

        FakePlatform plateforme;
        Supprimer_Fichiers_Mnémo(plateforme, dossier.memos(), NOM);

        QCOMPARE(plateforme.beeps, 1);
        QCOMPARE(plateforme.messages.size(), 1);
        const ShownMessage& boîte = plateforme.messages.first();
        QCOMPARE(boîte.text, QStringLiteral("Erreur d'accès au chemin/fichier"));
        QCOMPARE(boîte.caption, QStringLiteral("erreur 75"));
        QCOMPARE(boîte.icon, MessageIcon::Critical);
        QCOMPARE(boîte.buttons, MessageButtons::Ok);
        QVERIFY(!QFile::exists(dossier.memos() + "/" + NOM + ".PS2"));
    }

    void nameLeadingOutOfTheFolderDeletesNothing() {
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        écrire(dossier.path() + "/dehors.PSL", "x");
        FakePlatform plateforme;
        Supprimer_Fichiers_Mnémo(plateforme, dossier.memos(), "../dehors");
        QVERIFY(QFile::exists(dossier.path() + "/dehors.PSL"));
    }
};

QTEST_GUILESS_MAIN(TestSuppression)
#include "tst_store_suppression.moc"
