// The utility commands that reach the system: start at login, the user's name and the system-information
// tool, through the scripted platform and, where it matters, the desktop's real places in a test folder.
#include "FakePlatform.h"
#include "TestFolder.h"

#include "platform/core/AutostartEntry.h"
#include "platform/core/CleRegistre.h"
#include "platform/core/DesktopRegistry.h"
#include "platform/core/ErreursPlateforme.h"
#include "platform/core/ProgramStarter.h"
#include "shell/FrmUtilitaires.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

const QString QUESTION =
    QStringLiteral("Le démarrage automatique de Pensoir lors du lancement de Windows était "
                   "déjà activé, voulez-vous supprimer cette option ?");
const QString ACTIVATION =
    QStringLiteral("Activation du démarrage automatique de Pensoir lors du lancement de Windows !");
const QString SUPPRESSION = QStringLiteral("Suppression réalisée !");
const QString INDISPONIBLES = QStringLiteral("Les informations système ne sont pas disponibles actuellement");

void écrire(const QString& chemin, const QByteArray& contenu, bool exécutable = false) {
    QVERIFY(QDir().mkpath(QFileInfo(chemin).absolutePath()));
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

// Runs an entry's Exec line as the session would: its string escapes undone, then its words read by a
// POSIX shell, whose double quotes follow the same rules as the entry's.
void lancerExec(const QByteArray& entrée) {
    QString exec;
    for (const QByteArray& ligne : entrée.split('\n'))
        if (ligne.startsWith("Exec=")) exec = QString::fromUtf8(ligne.mid(5));
    QVERIFY2(!exec.isEmpty(), entrée.constData());
    QString ligne;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == QLatin1Char('\\') && i + 1 < exec.size() && exec[i + 1] == QLatin1Char('\\')) ++i;
        ligne += exec[i];
    }
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec ") + ligne});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
}

} // namespace

class TestCommandesSysteme : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void activationLanceLeProgramme();
    void dejaActive_data();
    void dejaActive();
    void eteint_data();
    void eteint();
    void activationImpossible();
    void suppressionImpossible();
    void infosSysteme_data();
    void infosSysteme();
    void identifiant_data();
    void identifiant();

private:
    // The desktop's places, in the test's own folder: autostart entry, search folder, program folder.
    void surLeBureau(const QString& dossierProgramme = {});
    QString autostart() const {
        return bureau_->filePath(QStringLiteral("config/autostart/pensoir.desktop"));
    }
    QString outils() const { return bureau_->filePath(QStringLiteral("mes outils")); }

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<QTemporaryDir> bureau_;
    std::unique_ptr<DesktopRegistry> registre_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
};

void TestCommandesSysteme::init() {
    dossier_ = std::make_unique<TestFolder>();
    bureau_ = std::make_unique<QTemporaryDir>();
    QVERIFY(bureau_->isValid());
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
}

void TestCommandesSysteme::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    registre_.reset();
    bureau_.reset();
    dossier_.reset();
}

void TestCommandesSysteme::surLeBureau(const QString& dossierProgramme) {
    registre_ = std::make_unique<DesktopRegistry>(
        DesktopPlaces{bureau_->filePath(QStringLiteral("config/autostart")), {outils()}, dossierProgramme});
    plateforme_->registryInUse = registre_.get();
}

// Off → on: a valid entry whose Exec line starts the program named, with its program folder.
void TestCommandesSysteme::activationLanceLeProgramme() {
    const QString validateur = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validateur.isEmpty(), "desktop-file-validate is missing: run scripts/install-deps.sh --tests");

    // A stand-in for the program that tells where it was started from and with which folder.
    const QString marqueur = bureau_->filePath(QStringLiteral("marqueur"));
    const QString programme =
        bureau_->filePath(QStringLiteral("dossier $HOME \"guillemets\" é/pensoir factice"));
    écrire(programme,
           "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$PENSOIR_DIR\" > '" + QFile::encodeName(marqueur) + "'\n",
           true);
    const QString dossierProgramme = bureau_->filePath(QStringLiteral("mes mémos à moi"));
    surLeBureau(dossierProgramme);
    plateforme_->program = programme;

    fenêtre_->Command1->click();

    QCOMPARE(plateforme_->journal,
             QStringList({QStringLiteral("beep"), QStringLiteral("message:") + ACTIVATION}));
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.caption, QStringLiteral("Activation de cette option"));
    QCOMPARE(message.owner, fenêtre_.get());

    QProcess validation;
    validation.setProcessChannelMode(QProcess::MergedChannels);
    validation.start(validateur, {autostart()});
    QVERIFY(validation.waitForFinished(10000));
    const QByteArray remarques = validation.readAll();
    QVERIFY2(validation.exitCode() == 0 && remarques.isEmpty(), remarques.constData());

    lancerExec(lire(autostart()));
    QCOMPARE(QString::fromUtf8(lire(marqueur)),
             programme + QLatin1Char('\n') + dossierProgramme + QLatin1Char('\n'));

    // The setting now reads as on.
    QString lu;
    QVERIFY(GetKeyValue(*registre_, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu));
    QCOMPARE(lu, programme);
}

void TestCommandesSysteme::dejaActive_data() {
    QTest::addColumn<int>("réponse");
    QTest::newRow("Oui: supprimé") << vbYes;
    QTest::newRow("Non: rien") << vbNo;
}

void TestCommandesSysteme::dejaActive() {
    QFETCH(int, réponse);
    surLeBureau();
    const QByteArray entrée = autostartEntry(QStringLiteral("/usr/bin/pensoir"), {});
    écrire(autostart(), entrée);
    plateforme_->answers.push_back(réponse);

    fenêtre_->Command1->click();

    QStringList journal = {QStringLiteral("beep"), QStringLiteral("message:") + QUESTION};
    if (réponse == vbYes) journal << QStringLiteral("beep") << QStringLiteral("message:") + SUPPRESSION;
    QCOMPARE(plateforme_->journal, journal);
    const ShownMessage& question = plateforme_->messages.constFirst();
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.caption, QStringLiteral("Suppression de cette option"));
    if (réponse == vbYes) {
        const ShownMessage& fait = plateforme_->messages.constLast();
        QCOMPARE(fait.icon, MessageIcon::Exclamation);
        QCOMPARE(fait.buttons, MessageButtons::Ok);
        QCOMPARE(fait.caption, QStringLiteral("Suppression du démarrage automatique de Pensoir"));
        QVERIFY(!QFile::exists(autostart()));
    } else {
        QCOMPARE(lire(autostart()), entrée);
    }
}

void TestCommandesSysteme::eteint_data() {
    QTest::addColumn<QString>("état");
    QTest::newRow("entrée supprimée par le bureau") << "supprimée";
    QTest::newRow("entrée cachée par le bureau") << "cachée";
    QTest::newRow("valeur faite de blancs") << "blancs";
    QTest::newRow("clé absente") << "absente";
}

// Off whatever the reason: switched on at once, without a question.
void TestCommandesSysteme::eteint() {
    QFETCH(QString, état);
    if (état == QLatin1String("supprimée") || état == QLatin1String("cachée")) surLeBureau();
    if (état == QLatin1String("cachée"))
        écrire(autostart(), "[Desktop Entry]\nType=Application\nName=Pensoir\nExec=/opt/p\nHidden=true\n");
    if (état == QLatin1String("blancs"))
        plateforme_->fakeRegistry.putText(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE,
                                          QStringLiteral("   "));

    fenêtre_->Command1->click();

    QCOMPARE(plateforme_->journal,
             QStringList({QStringLiteral("beep"), QStringLiteral("message:") + ACTIVATION}));
    QString lu;
    QVERIFY(GetKeyValue(plateforme_->registry(), HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu));
    QCOMPARE(lu, QStringLiteral("/usr/bin/pensoir"));
}

// The entry cannot be written (its folder would be below a regular file): the user is told where and why,
// and the setting stays off.
void TestCommandesSysteme::activationImpossible() {
    écrire(bureau_->filePath(QStringLiteral("config")), "un fichier\n");
    surLeBureau();

    fenêtre_->Command1->click();

    const QString texte = QStringLiteral("Le démarrage automatique de Pensoir n'a pas pu être activé.\n\n") +
                          autostart() + QStringLiteral("\nChemin d'accès introuvable");
    QCOMPARE(plateforme_->journal, QStringList({QStringLiteral("beep"), QStringLiteral("message:") + texte}));
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.caption, QStringLiteral("Activation de cette option"));
    QString lu;
    QVERIFY(!GetKeyValue(*registre_, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu));
}

// Switching off that fails is not reported as done.
void TestCommandesSysteme::suppressionImpossible() {
    FakeRegistry& registre = plateforme_->fakeRegistry;
    registre.putText(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, QStringLiteral("/usr/bin/pensoir"));
    registre.failure = {ERREUR_ACCES_REFUSE, Description_Erreur(ERREUR_ACCES_REFUSE),
                        QStringLiteral("/x/pensoir.desktop")};
    plateforme_->answers.push_back(vbYes);

    fenêtre_->Command1->click();

    const QString texte = QStringLiteral("Le démarrage automatique de Pensoir n'a pas pu être supprimé.\n\n"
                                         "/x/pensoir.desktop\nErreur d'accès au chemin/fichier");
    QCOMPARE(plateforme_->journal, QStringList({QStringLiteral("beep"), QStringLiteral("message:") + QUESTION,
                                                QStringLiteral("beep"), QStringLiteral("message:") + texte}));
    QCOMPARE(plateforme_->messages.constLast().icon, MessageIcon::Critical);
    QCOMPARE(plateforme_->messages.constLast().caption,
             QStringLiteral("Suppression du démarrage automatique de Pensoir"));
}

void TestCommandesSysteme::infosSysteme_data() {
    QTest::addColumn<QString>("montage");
    QTest::addColumn<int>("erreurDeLancement");
    QTest::addColumn<QString>("lancé"); // "" : nothing started

    QTest::newRow("outil sur le chemin") << "hardinfo" << 0 << "%O/hardinfo";
    QTest::newRow("aucun outil") << "aucun" << 0 << "";
    QTest::newRow("l'outil ne démarre pas") << "hardinfo" << int(ERREUR_ACCES_REFUSE) << "%O/hardinfo";
    QTest::newRow("chemin lu d'abord") << "chemin et dossier" << 0 << "/opt/outil système";
    QTest::newRow("dossier de l'outil") << "dossier" << 0 << "%O/MSINFO32.EXE";
    QTest::newRow("dossier sans l'outil") << "dossier vide" << 0 << "";
}

void TestCommandesSysteme::infosSysteme() {
    QFETCH(QString, montage);
    QFETCH(int, erreurDeLancement);
    QFETCH(QString, lancé);
    lancé.replace(QStringLiteral("%O"), outils());

    FakeRegistry& registre = plateforme_->fakeRegistry;
    if (montage == QLatin1String("hardinfo") || montage == QLatin1String("aucun")) surLeBureau();
    if (montage == QLatin1String("hardinfo"))
        écrire(outils() + QStringLiteral("/hardinfo"), "#!/bin/sh\n", true);
    if (montage == QLatin1String("aucun")) QVERIFY(QDir().mkpath(outils()));
    if (montage == QLatin1String("chemin et dossier"))
        registre.putText(HKEY_LOCAL_MACHINE, CLÉ_MSINFO, VALEUR_CHEMIN_MSINFO,
                         QStringLiteral("/opt/outil système"));
    if (montage.contains(QLatin1String("dossier")))
        registre.putText(HKEY_LOCAL_MACHINE, CLÉ_EMPLACEMENT_OUTILS, VALEUR_DOSSIER_MSINFO, outils());
    if (montage == QLatin1String("dossier") || montage == QLatin1String("chemin et dossier"))
        écrire(outils() + QStringLiteral("/MSINFO32.EXE"), "", true);
    if (erreurDeLancement)
        plateforme_->nextStart = {erreurDeLancement, Description_Erreur(erreurDeLancement)};

    fenêtre_->Command7->click();

    QCOMPARE(plateforme_->started, lancé.isEmpty() ? QStringList() : QStringList{ligneDuFichier(lancé)});
    const bool message = lancé.isEmpty() || erreurDeLancement != 0;
    QCOMPARE(plateforme_->messages.size(), message ? 1 : 0);
    if (message) {
        const ShownMessage& indisponibles = plateforme_->messages.constFirst();
        QCOMPARE(indisponibles.text, INDISPONIBLES);
        QCOMPARE(indisponibles.icon, MessageIcon::None);
        QCOMPARE(indisponibles.buttons, MessageButtons::Ok);
        QCOMPARE(indisponibles.caption, QStringLiteral("Pensoir"));
    }
}

void TestCommandesSysteme::identifiant_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<MessageIcon>("icône");
    QTest::newRow("connu") << "zoé"
                           << "zoé" << MessageIcon::Information;
    QTest::newRow("inconnu") << ""
                             << "Identifiant inconnu !" << MessageIcon::Critical;
}

void TestCommandesSysteme::identifiant() {
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(MessageIcon, icône);
    plateforme_->user = nom;

    fenêtre_->Command8->click();

    QCOMPARE(plateforme_->journal, QStringList{QStringLiteral("message:") + texte});
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.icon, icône);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.caption, QStringLiteral("Identifiant"));
}

QTEST_MAIN(TestCommandesSysteme)
#include "tst_commandes_systeme.moc"
