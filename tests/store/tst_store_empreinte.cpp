// A record file's fingerprint tells the record a window wrote or read from any other state of the file.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/EcritureMnemo.h"
#include "store/EmpreinteFiche.h"
#include "store/FichiersMnemo.h"
#include "store/LectureFiche.h"

#include <QDir>
#include <QTest>

namespace {
const QString NOM = QStringLiteral("08122026_00042");
}

class TestEmpreinte : public QObject {
    Q_OBJECT
private slots:
    void writtenRecordIsKnown() {
        const TestFolder dossier;
        FakeCore hasard;
        QCOMPARE(Empreinte_Sur_Disque(dossier.memos(), NOM), Empreinte_Fiche{});

        Empreinte_Fiche écrite;
        QVERIFY(
            Écrire_Mnémo(hasard, dossier.memos(), NOM, ficheClaire(), QImage(), replaceFile, &écrite).ok());
        QVERIFY(écrite.présente);
        QCOMPARE(Empreinte_Sur_Disque(dossier.memos(), NOM), écrite);
    }

    // Whatever happened to the file since, it no longer matches.
    void anyOtherStateDiffers_data() {
        QTest::addColumn<int>("changement");
        QTest::newRow("rewritten by another save") << 0;
        QTest::newRow("deleted") << 1;
        QTest::newRow("one byte changed, same size") << 2;
        QTest::newRow("replaced by a folder") << 3; // no record, as a deleted one
    }
    void anyOtherStateDiffers() {
        QFETCH(int, changement);
        const TestFolder dossier;
        FakeCore hasard;
        Empreinte_Fiche écrite;
        QVERIFY(
            Écrire_Mnémo(hasard, dossier.memos(), NOM, ficheClaire(), QImage(), replaceFile, &écrite).ok());
        const QString chemin = Chemin_Mnémo(dossier.memos(), NOM, EXTENSION_FICHE);
        Fiche_Mnémo autre = ficheClaire();
        autre.Texte = QStringLiteral("Écrit par l'autre copie");
        QByteArray octets = contenu(chemin);
        switch (changement) {
        case 0:
            QVERIFY(Écrire_Mnémo(hasard, dossier.memos(), NOM, autre, QImage()).ok());
            break;
        case 1:
            QVERIFY(QFile::remove(chemin));
            break;
        case 2:
            octets[octets.size() / 2] = octets[octets.size() / 2] == 'x' ? 'y' : 'x';
            écrire(chemin, octets);
            break;
        case 3:
            QVERIFY(QFile::remove(chemin) && QDir().mkpath(chemin));
            break;
        }
        const Empreinte_Fiche maintenant = Empreinte_Sur_Disque(dossier.memos(), NOM);
        QVERIFY(maintenant != écrite);
        QCOMPARE(maintenant.présente, changement == 0 || changement == 2);
    }

    // The reader fingerprints the very bytes it parsed, which a later look at the disk would not (another
    // copy may save in between); on a file left alone both agree.
    void readerTellsWhatItRead_data() {
        QTest::addColumn<QString>("état");
        QTest::newRow("record") << "fiche";
        QTest::newRow("record over the size limit") << "trop grande";
        QTest::newRow("no record") << "absente";
        QTest::newRow("a folder under its name") << "dossier";
    }
    void readerTellsWhatItRead() {
        QFETCH(QString, état);
        const TestFolder dossier;
        FakeCore hasard;
        const QString chemin = Chemin_Mnémo(dossier.memos(), NOM, EXTENSION_FICHE);
        QVERIFY(Écrire_Mnémo(hasard, dossier.memos(), NOM, ficheClaire(), QImage()).ok());
        if (état == QLatin1String("trop grande")) {
            QByteArray octets = contenu(chemin);
            octets.append(QByteArray(LIMITE_FICHIER_FICHE, 'x'));
            écrire(chemin, octets);
        } else if (état == QLatin1String("absente")) {
            QVERIFY(QFile::remove(chemin));
        } else if (état == QLatin1String("dossier")) {
            QVERIFY(QFile::remove(chemin) && QDir().mkpath(chemin));
        }
        const Empreinte_Fiche avant = Empreinte_Sur_Disque(dossier.memos(), NOM);
        qint16 icône = 0;
        Empreinte_Fiche lue;
        const Fiche_Mnémo fiche = Lire_Fiche(dossier.memos(), NOM, icône, &lue);
        QCOMPARE(lue, avant);
        QCOMPARE(lue.présente, état == QLatin1String("fiche") || état == QLatin1String("trop grande"));
        QCOMPARE(fiche.marqueursValides(), lue.présente); // the end marker comes before the limit

        // Saved again by another copy: what was read is not what is there.
        Fiche_Mnémo autre = ficheClaire();
        autre.Texte = QStringLiteral("Écrit par l'autre copie");
        if (état == QLatin1String("dossier")) QVERIFY(QDir(chemin).removeRecursively());
        QVERIFY(Écrire_Mnémo(hasard, dossier.memos(), NOM, autre, QImage()).ok());
        QVERIFY(Empreinte_Sur_Disque(dossier.memos(), NOM) != lue);
    }
};

QTEST_GUILESS_MAIN(TestEmpreinte)
#include "tst_store_empreinte.moc"
