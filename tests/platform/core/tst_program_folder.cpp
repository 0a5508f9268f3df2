#include "platform/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Where memos are kept: never in a build folder unless it is a portable install.
class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void variableDEnvironnement();
    void installationPortable_data();
    void installationPortable();
    void dossierDeDonnees();

private:
    QByteArray saved_;
};

void TestProgramFolder::init() {
    QStandardPaths::setTestModeEnabled(true);
    saved_ = qgetenv("PENSOIR_DIR");
}

void TestProgramFolder::cleanup() {
    qputenv("PENSOIR_DIR", saved_);
}

void TestProgramFolder::variableDEnvironnement() {
    QTemporaryDir dir;
    qputenv("PENSOIR_DIR", dir.path().toUtf8() + "/");
    const ProgramFolder found = findProgramFolder();
    QCOMPARE(found.path, QDir::cleanPath(dir.path()));
    QCOMPARE(found.memoFolder(), QDir::cleanPath(dir.path()) + "/Mnemos");
    QCOMPARE(found.launcherFolder(), QDir::cleanPath(dir.path()) + "/Menus");
    QVERIFY(found.requested);

    // A relative name is taken from where the program was started, once.
    const QString ici = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    qputenv("PENSOIR_DIR", "memos");
    const QString relatif = findProgramFolder().path;
    QDir::setCurrent(ici);
    QCOMPARE(relatif, QDir::cleanPath(dir.path()) + "/memos");
}

void TestProgramFolder::installationPortable_data() {
    QTest::addColumn<QString>("sousDossier");
    QTest::newRow("Mnemos beside the program") << "Mnemos";
    QTest::newRow("Menus beside the program") << "Menus";
}

void TestProgramFolder::installationPortable() {
    QFETCH(QString, sousDossier);
    qunsetenv("PENSOIR_DIR");
    QDir executable(QCoreApplication::applicationDirPath());
    QVERIFY(executable.mkdir(sousDossier));
    const ProgramFolder found = findProgramFolder();
    executable.rmdir(sousDossier);
    QCOMPARE(found.path, executable.absolutePath());
    QVERIFY(!found.requested);
}

void TestProgramFolder::dossierDeDonnees() {
    qunsetenv("PENSOIR_DIR");
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(data).removeRecursively();
    QCOMPARE(findProgramFolder().path, QDir::cleanPath(data));
    QVERIFY(QDir(data).exists());
    QVERIFY(findProgramFolder().path != QDir(QCoreApplication::applicationDirPath()).absolutePath());
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
