// The registry values the program uses, as the desktop's own places: the autostart entry and the
// system-information tool found on the search path.
#include "platform/core/AutostartEntry.h"
#include "platform/core/CleRegistre.h"
#include "platform/core/DesktopRegistry.h"
#include "platform/core/ErreursPlateforme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(RegistryValue::State)

namespace {

void écrire(const QString& chemin, const QByteArray& contenu, bool exécutable = false) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(contenu);
    fichier.close();
    if (exécutable) QVERIFY(fichier.setPermissions(fichier.permissions() | QFile::ExeOwner | QFile::ExeUser));
}

QByteArray lire(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QString valeurExec(const QByteArray& entrée) {
    for (const QByteArray& ligne : entrée.split('\n'))
        if (ligne.startsWith("Exec=")) return QString::fromUtf8(ligne.mid(5));
    return {};
}

} // namespace

class TestDesktopRegistry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void exec_data();
    void exec();
    void lectureEntree_data();
    void lectureEntree();
    void demarrageEcritLitSupprime();
    void entreeEteinteParLeBureau_data();
    void entreeEteinteParLeBureau();
    void dossierImpossible();
    void autresValeurs();
    void outilSysteme_data();
    void outilSysteme();
    void programmeAuDemarrage_data();
    void programmeAuDemarrage();

private:
    std::unique_ptr<QTemporaryDir> dossier_;
    DesktopPlaces lieux() const;
};

void TestDesktopRegistry::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dossier_->isValid());
}

DesktopPlaces TestDesktopRegistry::lieux() const {
    return {dossier_->filePath(QStringLiteral("config/autostart")),
            {dossier_->filePath(QStringLiteral("bin"))},
            {}};
}

void TestDesktopRegistry::exec_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("valeur"); // as the file holds it

    QTest::newRow("simple") << QStringList{"/usr/bin/pensoir"} << "/usr/bin/pensoir";
    QTest::newRow("blancs") << QStringList{"/opt/mon dossier/pensoir"} << "\"/opt/mon dossier/pensoir\"";
    QTest::newRow("dossier du programme") << QStringList{"env", "PENSOIR_DIR=/home/zoé/mes mémos", "/p"}
                                          << "env \"PENSOIR_DIR=/home/zoé/mes mémos\" /p";
    QTest::newRow("caractères à échapper dans les guillemets")
        << QStringList{"/a \"b\" $c `d` \\e"} << "\"/a \\\\\"b\\\\\" \\\\$c \\\\`d\\\\` \\\\\\\\e\"";
    QTest::newRow("caractères réservés")
        << QStringList{"/a;b", "/x'y", "/p*?#()<>|&~"} << "\"/a;b\" \"/x'y\" \"/p*?#()<>|&~\"";
    QTest::newRow("pour cent doublé") << QStringList{"/a%b", "/c d%"} << "/a%%b \"/c d%%\"";
    QTest::newRow("argument vide") << QStringList{"/p", ""} << "/p \"\"";
    QTest::newRow("fin de ligne et tabulation") << QStringList{"/a\nb\tc"} << "\"/a\\nb\\tc\"";
}

// Written as the Desktop Entry standard asks, and split back into the same arguments.
void TestDesktopRegistry::exec() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, valeur);
    QCOMPARE(execValue(arguments), valeur);
    QCOMPARE(execArguments(valeur), arguments);
}

void TestDesktopRegistry::lectureEntree_data() {
    QTest::addColumn<QByteArray>("entrée");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("programme");

    QTest::newRow("la nôtre") << autostartEntry("/opt/mon dossier/pensoir", "/home/zoé/mémos") << true
                              << "/opt/mon dossier/pensoir";
    QTest::newRow("sans dossier") << autostartEntry("/usr/bin/pensoir", "") << true << "/usr/bin/pensoir";
    // Only blanks and tabs surround a value: a no-break space ending the path is part of it.
    QTest::newRow("espace insécable en fin de chemin")
        << autostartEntry("/opt/pensoir\u00A0", "/m\u2003") << true << "/opt/pensoir\u00A0";
    QTest::newRow("faite à la main, fins de ligne CR LF, commentaire")
        << QByteArray("# note\r\n[Desktop Entry]\r\nName=Pensoir\r\nExec = /usr/bin/pensoir %U\r\n") << true
        << "/usr/bin/pensoir";
    QTest::newRow("env et deux variables")
        << QByteArray("[Desktop Entry]\nExec=/usr/bin/env A=1 B=2 /opt/p\n") << true << "/opt/p";
    QTest::newRow("cachée") << QByteArray("[Desktop Entry]\nExec=/p\nHidden=true\n") << false << "";
    QTest::newRow("cachée avant Exec")
        << QByteArray("[Desktop Entry]\nHidden=true\nExec=/p\n") << false << "";
    QTest::newRow("Hidden=false") << QByteArray("[Desktop Entry]\nExec=/p\nHidden=false\n") << true << "/p";
    QTest::newRow("éteinte par GNOME")
        << QByteArray("[Desktop Entry]\nExec=/p\nX-GNOME-Autostart-enabled=false\n") << false << "";
    QTest::newRow("Hidden dans un autre groupe")
        << QByteArray("[Desktop Entry]\nExec=/p\n[Desktop Action x]\nHidden=true\n") << true << "/p";
    QTest::newRow("sans Exec") << QByteArray("[Desktop Entry]\nName=Pensoir\n") << true << "";
    QTest::newRow("sans groupe") << QByteArray("Exec=/p\n") << false << "";
    QTest::newRow("vide") << QByteArray() << false << "";
}

void TestDesktopRegistry::lectureEntree() {
    QFETCH(QByteArray, entrée);
    QFETCH(bool, active);
    QFETCH(QString, programme);
    const AutostartSetting réglage = readAutostartEntry(entrée);
    QCOMPARE(réglage.enabled, active);
    QCOMPARE(réglage.program, programme);
}

void TestDesktopRegistry::demarrageEcritLitSupprime() {
    DesktopPlaces places = lieux();
    places.programFolder = dossier_->filePath(QStringLiteral("mes mémos"));
    DesktopRegistry registre(places);
    const QString fichier = dossier_->filePath(QStringLiteral("config/autostart/pensoir.desktop"));
    QCOMPARE(registre.autostartFile(), fichier);

    QString programme = QStringLiteral("/opt/mon dossier/pensoir");
    QVERIFY(UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, programme));
    QCOMPARE(execArguments(valeurExec(lire(fichier))),
             QStringList({"env", "PENSOIR_DIR=" + places.programFolder, programme}));
    QString lu;
    QVERIFY(GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu));
    QCOMPARE(lu, programme);

    // Switched on again: the entry is replaced, not doubled.
    QString autre = QStringLiteral("/usr/bin/pensoir");
    QVERIFY(UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, autre));
    QCOMPARE(lire(fichier), autostartEntry(autre, places.programFolder));
    QCOMPARE(QDir(places.autostartFolder).entryList(QDir::Files), QStringList{"pensoir.desktop"});

    // The blank of "switch off" removes it; once gone, removing again is no failure.
    for (int fois = 0; fois < 2; ++fois) {
        QString blanc;
        QVERIFY(UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, blanc));
        QVERIFY(!QFile::exists(fichier));
        QVERIFY(!GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu));
        QCOMPARE(lu, QString());
    }
}

void TestDesktopRegistry::entreeEteinteParLeBureau_data() {
    QTest::addColumn<QByteArray>("entrée"); // empty: no file
    QTest::newRow("absente") << QByteArray();
    QTest::newRow("cachée") << QByteArray(
        "[Desktop Entry]\nType=Application\nExec=/usr/bin/pensoir\nHidden=true\n");
    QTest::newRow("éteinte") << QByteArray(
        "[Desktop Entry]\nType=Application\nExec=/usr/bin/pensoir\nX-GNOME-Autostart-enabled=false\n");
}

void TestDesktopRegistry::entreeEteinteParLeBureau() {
    QFETCH(QByteArray, entrée);
    DesktopRegistry registre(lieux());
    if (!entrée.isEmpty()) écrire(registre.autostartFile(), entrée);
    QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE).state,
             RegistryValue::State::ValueMissing);
}

// A folder that cannot be made: below a regular file.
void TestDesktopRegistry::dossierImpossible() {
    écrire(dossier_->filePath(QStringLiteral("config")), "un fichier\n");
    DesktopRegistry registre(lieux());
    const RegistryWrite écriture =
        registre.write(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, REG_SZ, "/usr/bin/pensoir");
    QCOMPARE(écriture.error, ERREUR_CHEMIN_INTROUVABLE);
    QCOMPARE(écriture.description, QStringLiteral("Chemin d'accès introuvable"));
    QCOMPARE(écriture.place, registre.autostartFile());
    QCOMPARE(lire(dossier_->filePath(QStringLiteral("config"))), QByteArray("un fichier\n"));
    QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE).state,
             RegistryValue::State::ValueMissing);
    // Nothing there to remove.
    QVERIFY(registre.write(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, REG_SZ, " ").ok());
}

// Not a general store: the other values are missing and cannot be written; names compare without case.
void TestDesktopRegistry::autresValeurs() {
    DesktopRegistry registre(lieux());
    QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, CLÉ_EMPLACEMENT_OUTILS, VALEUR_DOSSIER_MSINFO).state,
             RegistryValue::State::KeyMissing);
    QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Autre"), QStringLiteral("x")).state,
             RegistryValue::State::KeyMissing);
    QCOMPARE(registre.read(0x80000001, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE).state,
             RegistryValue::State::KeyMissing);
    QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, QStringLiteral("Autre")).state,
             RegistryValue::State::ValueMissing);

    QCOMPARE(registre.write(HKEY_LOCAL_MACHINE, CLÉ_MSINFO, VALEUR_CHEMIN_MSINFO, REG_SZ, "/bin/sh").error,
             ERREUR_ACCES_REFUSE);
    QCOMPARE(registre.write(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, REG_DWORD, "\1\0\0\0").error,
             ERREUR_ACCES_REFUSE);
    QVERIFY(!QFile::exists(registre.autostartFile()));

    QVERIFY(registre
                .write(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE.toLower(), VALEUR_DÉMARRAGE.toUpper(), REG_SZ,
                       "/usr/bin/pensoir")
                .ok());
    QString lu;
    QVERIFY(
        GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE.toUpper(), VALEUR_DÉMARRAGE.toLower(), lu));
    QCOMPARE(lu, QStringLiteral("/usr/bin/pensoir"));
}

void TestDesktopRegistry::outilSysteme_data() {
    QTest::addColumn<QStringList>("outils");   // made executable in the search folder
    QTest::addColumn<QStringList>("fichiers"); // there, not executable
    QTest::addColumn<QString>("trouvé");       // "" : none

    QTest::newRow("hardinfo") << QStringList{"hardinfo"} << QStringList() << "hardinfo";
    QTest::newRow("kinfocenter") << QStringList{"kinfocenter"} << QStringList() << "kinfocenter";
    QTest::newRow("les deux: hardinfo d'abord")
        << QStringList{"kinfocenter", "hardinfo"} << QStringList() << "hardinfo";
    QTest::newRow("hardinfo non exécutable")
        << QStringList{"kinfocenter"} << QStringList{"hardinfo"} << "kinfocenter";
    QTest::newRow("aucun") << QStringList() << QStringList{"hardinfo"} << "";
}

void TestDesktopRegistry::outilSysteme() {
    QFETCH(QStringList, outils);
    QFETCH(QStringList, fichiers);
    QFETCH(QString, trouvé);

    // A search folder with blanks in its name.
    DesktopPlaces places = lieux();
    places.searchFolders = QStringList{dossier_->filePath(QStringLiteral("vide")),
                                       dossier_->filePath(QStringLiteral("mes outils"))};
    QDir().mkpath(places.searchFolders.constFirst());
    for (const QString& outil : outils)
        écrire(places.searchFolders[1] + QLatin1Char('/') + outil, "#!/bin/sh\n", true);
    for (const QString& fichier : fichiers)
        écrire(places.searchFolders[1] + QLatin1Char('/') + fichier, "#!/bin/sh\n");

    DesktopRegistry registre(places);
    QString lu = QStringLiteral("d'avant");
    QCOMPARE(GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_MSINFO, VALEUR_CHEMIN_MSINFO, lu),
             !trouvé.isEmpty());
    QCOMPARE(lu, trouvé.isEmpty() ? QString() : places.searchFolders[1] + QLatin1Char('/') + trouvé);
}

// A run from a build folder starts the installed program at login, so that the entry outlives the
// folder; a portable copy starts itself, or its memos beside it would not be found.
void TestDesktopRegistry::programmeAuDemarrage_data() {
    QTest::addColumn<QString>("installé"); // "exécutable", "fichier" (not executable) or "" (none)
    QTest::addColumn<bool>("portable");
    QTest::addColumn<bool>("lInstallé"); // the installed program is named, else the running one

    QTest::newRow("installé") << "exécutable" << false << true;
    QTest::newRow("installé, copie portable") << "exécutable" << true << false;
    QTest::newRow("pas installé") << "" << false << false;
    QTest::newRow("fichier non exécutable") << "fichier" << false << false;
}

void TestDesktopRegistry::programmeAuDemarrage() {
    QFETCH(QString, installé);
    QFETCH(bool, portable);
    QFETCH(bool, lInstallé);

    const QString dossierInstallé = dossier_->filePath(QStringLiteral("usr/bin"));
    QDir().mkpath(dossierInstallé);
    const QString programmeInstallé = dossierInstallé + QStringLiteral("/pensoir");
    if (!installé.isEmpty())
        écrire(programmeInstallé, "#!/bin/sh\n", installé == QStringLiteral("exécutable"));
    const QString enCours = dossier_->filePath(QStringLiteral("build/src/pensoir"));

    QCOMPARE(programToStartAtLogin(enCours, portable, {dossierInstallé}),
             lInstallé ? programmeInstallé : enCours);
}

QTEST_GUILESS_MAIN(TestDesktopRegistry)
#include "tst_desktop_registry.moc"
