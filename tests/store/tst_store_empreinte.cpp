// A record file's fingerprint tells the record a window wrote or read from any other state of the file.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/EcritureMnemo.h"
#include "store/EmpreinteFiche.h"
#include "store/FichiersMnemo.h"

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
};

QTEST_GUILESS_MAIN(TestEmpreinte)
#include "tst_store_empreinte.moc"
