// One copy of the program per program folder: the lock the platform's core takes there.
#include "TestFolder.h"

#include "platform/core/QtPlatformCore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTest>

#include <memory>

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void uneCopieParDossier();
    void dossierPasEncoreCree();
    void verrouImpossible_data();
    void verrouImpossible();
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

// Only a lock held by another live process means another copy. Whatever else stops the lock, the copy is
// alone and told why, naming its folder; a folder that can be made is made first.
void TestInstanceLock::verrouImpossible_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("raison"); // empty: the lock is taken
    QTest::newRow("parents missing") << "parents"
                                     << "";
    QTest::newRow("lock of an ended process") << "périmé"
                                              << "";
    QTest::newRow("lock emptied by a crash") << "vide"
                                             << "";
    QTest::newRow("folder below a regular file")
        << "sous-fichier"
        << "il ne peut pas être créé (un élément de son chemin est un fichier, pas un dossier)";
    QTest::newRow("folder is a regular file")
        << "fichier"
        << "il ne peut pas être créé (un élément de son chemin est un fichier, pas un dossier)";
    QTest::newRow("lock is a folder") << "verrou-dossier"
                                      << "son verrou « .pensoir.lock » ne peut être ni lu ni remplacé";
}

void TestInstanceLock::verrouImpossible() {
    QFETCH(QString, cas);
    QFETCH(QString, raison);
    const TestFolder racine;
    QString dossier = racine.path() + QStringLiteral("/pensoir");
    const auto fichier = [](const QString& chemin, const QByteArray& octets) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    };
    if (cas == QLatin1String("parents")) dossier = racine.path() + QStringLiteral("/a/b/pensoir");
    if (cas == QLatin1String("sous-fichier")) {
        fichier(racine.path() + QStringLiteral("/fichier"), "x");
        dossier = racine.path() + QStringLiteral("/fichier/pensoir");
    }
    if (cas == QLatin1String("fichier")) fichier(dossier, "x");
    if (cas == QLatin1String("périmé") || cas == QLatin1String("vide") ||
        cas == QLatin1String("verrou-dossier"))
        QVERIFY(QDir().mkpath(dossier));
    const QString verrou = dossier + QStringLiteral("/.pensoir.lock");
    // No process has this number: the kernel's are far below it.
    if (cas == QLatin1String("périmé"))
        fichier(verrou, "2000000000\npensoir\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    if (cas == QLatin1String("vide")) fichier(verrou, "");
    if (cas == QLatin1String("verrou-dossier")) QVERIFY(QDir().mkpath(verrou + QStringLiteral("/dedans")));

    QtPlatformCore copie(ProgramFolder{dossier});
    QVERIFY(!copie.anotherCopyRunning());
    if (raison.isEmpty()) {
        QCOMPARE(copie.instanceLockFailure(), QString());
        QVERIFY(QFileInfo(dossier).isDir());
        // Taken for good: a second copy on the folder is told so.
        QtPlatformCore seconde(ProgramFolder{dossier});
        QVERIFY(seconde.anotherCopyRunning());
        QCOMPARE(seconde.instanceLockFailure(), QString());
        return;
    }
    QCOMPARE(
        copie.instanceLockFailure(),
        QStringLiteral("Le dossier de Pensoir « %1 » n'est pas utilisable : %2.\n\nPensoir démarre quand "
                       "même ; chaque sauvegarde qui échouera sera signalée.")
            .arg(dossier, raison));
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instance_lock.moc"
