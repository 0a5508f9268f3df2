// One copy of the program per program folder: the lock the platform's core takes there.
#include "TestFolder.h"

#include "platform/core/QtPlatformCore.h"

#include <QTest>

#include <memory>

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void uneCopieParDossier();
    void dossierPasEncoreCree();
};

void TestInstanceLock::uneCopieParDossier() {
    const TestFolder dossier, autreDossier;
    auto première = std::make_unique<QtPlatformCore>(dossier.folder());
    QtPlatformCore seconde(dossier.folder());
    QtPlatformCore ailleurs(autreDossier.folder());
    QVERIFY(!première->anotherCopyRunning());
    QVERIFY(seconde.anotherCopyRunning());
    QVERIFY(!ailleurs.anotherCopyRunning());

    // The first copy ends: its folder is free again.
    première.reset();
    QVERIFY(!seconde.anotherCopyRunning());
}

// A program folder named before it exists holds no other copy.
void TestInstanceLock::dossierPasEncoreCree() {
    const TestFolder dossier;
    QtPlatformCore copie(ProgramFolder{dossier.path() + QStringLiteral("/pas/encore")});
    QVERIFY(!copie.anotherCopyRunning());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instance_lock.moc"
