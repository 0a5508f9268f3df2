// Deleting a memo's files.
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

        const Résultat_Écriture supprimé = Supprimer_Fichiers_Mnémo(dossier.memos(), NOM);

        QCOMPARE(QDir(dossier.memos()).entryList(QDir::Files, QDir::Name),
                 QStringList({VOISIN + ".PS2", VOISIN + ".PSL"}));
        QVERIFY(supprimé.ok());
    }

    void missingFolderIsSilent() {
        const TestFolder dossier;
        QVERIFY(Supprimer_Fichiers_Mnémo(dossier.memos(), NOM).ok());
    }

    void undeletableRecordIsReportedAndThePictureStillGoes() {
        const TestFolder dossier;
        // A folder in the record's place cannot be deleted as a file, whoever runs the test.
        QVERIFY(QDir().mkpath(dossier.memos() + "/" + NOM + ".PSL/inside"));
        écrire(dossier.memos() + "/" + NOM + ".PS2", "image");

        const Résultat_Écriture supprimé = Supprimer_Fichiers_Mnémo(dossier.memos(), NOM);

        QCOMPARE(supprimé.erreur, 75);
        QCOMPARE(supprimé.description, QStringLiteral("Erreur d'accès au chemin/fichier"));
        QVERIFY(!QFile::exists(dossier.memos() + "/" + NOM + ".PS2"));
    }

    void nameLeadingOutOfTheFolderDeletesNothing() {
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        écrire(dossier.path() + "/dehors.PSL", "x");
        QVERIFY(Supprimer_Fichiers_Mnémo(dossier.memos(), "../dehors").ok());
        QVERIFY(QFile::exists(dossier.path() + "/dehors.PSL"));
    }
};

QTEST_GUILESS_MAIN(TestSuppression)
#include "tst_store_suppression.moc"
