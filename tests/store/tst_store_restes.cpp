// What crashed saves left aside goes at start once it is old enough to be nobody's; nothing else goes.
#include "TestFolder.h"

#include "store/Recuperation.h"
#include "store/RestesMnemo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QDateTime MAINTENANT = QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC);

void créer(const QString& chemin, const QDateTime& modifié) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write("reste") != 5 || !fichier.flush() ||
        !fichier.setFileTime(modifié, QFileDevice::FileModificationTime))
        qFatal("cannot write %s", qPrintable(chemin));
}

} // namespace

class TestRestes : public QObject {
    Q_OBJECT
private slots:
    void onlyOldLeftoversGo_data() {
        QTest::addColumn<QString>("nom"); // below the memo folder
        QTest::addColumn<int>("âgeS");
        QTest::addColumn<bool>("supprimé");
        QTest::newRow("record aside, two minutes old") << "08122026_00001.PSL.tmp" << 120 << true;
        QTest::newRow("picture aside, two minutes old") << "08122026_00001.PS3" << 120 << true;
        QTest::newRow("recovery copy aside, an hour old")
            << "Recuperation/08122026_00001.PSL.tmp" << 3600 << true;
        QTest::newRow("record aside, just over a minute") << "08122026_00001.PSL.tmp" << 61 << true;
        // Another copy may be writing it now.
        QTest::newRow("record aside, half a minute old") << "08122026_00001.PSL.tmp" << 30 << false;
        QTest::newRow("picture aside, written now") << "08122026_00001.PS3" << 0 << false;
        QTest::newRow("picture aside, dated later") << "08122026_00001.PS3" << -3600 << false;
        // The memo's own files, however old.
        QTest::newRow("record") << "08122026_00001.PSL" << 86400 << false;
        QTest::newRow("picture") << "08122026_00001.PS2" << 86400 << false;
        QTest::newRow("recovery copy") << "Recuperation/08122026_00001.PSL" << 86400 << false;
        QTest::newRow("a name in lower case") << "08122026_00001.ps3" << 86400 << false;
    }
    void onlyOldLeftoversGo() {
        QFETCH(QString, nom);
        QFETCH(int, âgeS);
        QFETCH(bool, supprimé);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(Dossier_Récupération(dossier.memos())));
        const QString chemin = dossier.memos() + "/" + nom;
        créer(chemin, MAINTENANT.addSecs(-âgeS));

        QCOMPARE(Supprimer_Restes_Abandonnés(dossier.memos(), MAINTENANT), supprimé ? 1 : 0);
        QCOMPARE(QFile::exists(chemin), !supprimé);
    }

    // The writer makes regular files only; a folder or a link under such a name is the user's.
    void foldersAndLinksStay() {
        const TestFolder dossier;
        const QString vieux = dossier.memos() + "/vieux.txt";
        QVERIFY(QDir().mkpath(dossier.memos() + "/08122026_00001.PS3"));
        créer(vieux, MAINTENANT.addDays(-2));
        QVERIFY(QFile::link(vieux, dossier.memos() + "/08122026_00002.PSL.tmp"));
        QVERIFY(QFile::link(dossier.memos() + "/absent", dossier.memos() + "/08122026_00003.PS3"));

        QCOMPARE(Supprimer_Restes_Abandonnés(dossier.memos(), MAINTENANT), 0);
        QVERIFY(QFileInfo(dossier.memos() + "/08122026_00001.PS3").isDir());
        QVERIFY(QFileInfo(dossier.memos() + "/08122026_00002.PSL.tmp").isSymLink());
        QVERIFY(QFileInfo(dossier.memos() + "/08122026_00003.PS3").isSymLink());
        QVERIFY(QFile::exists(vieux));
    }

    void missingFoldersAreNoFailure() {
        const TestFolder dossier;
        QCOMPARE(Supprimer_Restes_Abandonnés(dossier.memos(), MAINTENANT), 0);
        QVERIFY(!QFile::exists(dossier.memos()));
    }
};

QTEST_GUILESS_MAIN(TestRestes)
#include "tst_store_restes.moc"
