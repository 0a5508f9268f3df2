#include "platform/core/ProgramStarter.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProgramLaunch::Kind)

namespace {

// A script that writes its arguments, one a line, to a marker file beside it; the marker appears whole.
void écrireScript(const QString& chemin) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile script(chemin);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "cd \"$(dirname \"$0\")\" || exit 1\n"
                 "printf '%s\\n' \"$@\" > marqueur.tmp && mv marqueur.tmp marqueur\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeUser));
}

void écrireTexte(const QString& chemin) {
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write("du texte\n");
}

QByteArray lire(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace

// Starting launcher and alarm command lines for real: what runs, with which arguments, and that no shell
// ever reads the line.
class TestProgramStarter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void analyse_data();
    void analyse();
    void lancement_data();
    void lancement();
    void ligneDuFichier_data();
    void ligneDuFichier();

private:
    // %D stands for the test folder, %S for the script in it, %E for the script in a folder with blanks.
    QString remplir(QString modèle) const;
    std::unique_ptr<QTemporaryDir> dossier_;
};

void TestProgramStarter::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dossier_->isValid());
    écrireScript(dossier_->filePath(QStringLiteral("lance.sh")));
    écrireScript(dossier_->filePath(QStringLiteral("dossier avec blancs/lance moi.sh")));
    écrireTexte(dossier_->filePath(QStringLiteral("notes.txt")));
}

QString TestProgramStarter::remplir(QString modèle) const {
    return modèle.replace(QStringLiteral("%S"), dossier_->filePath(QStringLiteral("lance.sh")))
        .replace(QStringLiteral("%E"), dossier_->filePath(QStringLiteral("dossier avec blancs/lance moi.sh")))
        .replace(QStringLiteral("%D"), dossier_->path());
}

void TestProgramStarter::analyse_data() {
    using K = ProgramLaunch::Kind;
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<K>("genre");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("vide") << "" << K::Missing << "" << QStringList();
    QTest::newRow("blancs") << "   " << K::Missing << "" << QStringList();
    QTest::newRow("exécutable") << "%S" << K::Run << "%S" << QStringList();
    QTest::newRow("blancs autour") << "  %S  " << K::Run << "%S" << QStringList();
    QTest::newRow("chemin avec blancs, sans guillemets") << "%E" << K::Run << "%E" << QStringList();
    QTest::newRow("chemin avec blancs entre guillemets, arguments")
        << "\"%E\" un \"deux trois\"" << K::Run << "%E" << QStringList{"un", "deux trois"};
    QTest::newRow("arguments") << "%S -x \"a b\"" << K::Run << "%S" << QStringList{"-x", "a b"};
    QTest::newRow("apostrophes: pas des guillemets")
        << "%S 'a b'" << K::Run << "%S" << QStringList{"'a", "b'"};
    QTest::newRow("fichier ordinaire")
        << "%D/notes.txt" << K::OpenWithDesktop << "%D/notes.txt" << QStringList();
    QTest::newRow("fichier ordinaire avec arguments")
        << "%D/notes.txt -v" << K::NotExecutable << "%D/notes.txt" << QStringList{"-v"};
    QTest::newRow("fichier absent") << "%D/absent" << K::Missing << "%D/absent" << QStringList();
    QTest::newRow("dossier") << "%D" << K::Missing << "%D" << QStringList();
    QTest::newRow("nom cherché dans PATH")
        << "sh -c \"exit 0\"" << K::Run << QStandardPaths::findExecutable("sh")
        << QStringList{"-c", "exit 0"};
    QTest::newRow("nom absent de PATH")
        << "pas_un_programme_pensoir" << K::Missing << "pas_un_programme_pensoir" << QStringList();
    QTest::newRow("point-virgule collé")
        << "%S; touch %D/x" << K::Missing << "%S;" << QStringList{"touch", "%D/x"};
}

void TestProgramStarter::analyse() {
    QFETCH(QString, ligne);
    QFETCH(ProgramLaunch::Kind, genre);
    QFETCH(QString, programme);
    QFETCH(QStringList, arguments);
    const ProgramLaunch lancement = analyserLigneCommande(remplir(ligne));
    QCOMPARE(lancement.kind, genre);
    QCOMPARE(lancement.program, remplir(programme));
    for (QString& argument : arguments)
        argument = remplir(argument);
    QCOMPARE(lancement.arguments, arguments);
}

void TestProgramStarter::lancement_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<int>("erreur");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("marqueur"); // empty: no program may run
    QTest::addColumn<QByteArray>("écrit"); // what the script received
    QTest::addColumn<QString>("interdit"); // a file only a shell would make

    QTest::newRow("script seul") << "%S" << 0 << ""
                                 << "%D/marqueur" << QByteArray("\n") << "";
    QTest::newRow("chemin avec blancs") << "%E" << 0 << ""
                                        << "%D/dossier avec blancs/marqueur" << QByteArray("\n") << "";
    QTest::newRow("arguments") << "\"%E\" un \"deux trois\" é" << 0 << ""
                               << "%D/dossier avec blancs/marqueur" << QByteArray("un\ndeux trois\né\n")
                               << "";
    QTest::newRow("fichier absent: erreur 53") << "%D/absent.sh" << 53 << "Fichier introuvable"
                                               << "" << QByteArray() << "";
    QTest::newRow("ligne vide: erreur 53") << "" << 53 << "Fichier introuvable"
                                           << "" << QByteArray() << "";
    QTest::newRow("non exécutable avec arguments: erreur 75")
        << "%D/notes.txt -v" << 75 << "Erreur d'accès au chemin/fichier"
        << "" << QByteArray() << "";
    QTest::newRow("point-virgule collé: rien ne part") << "%S; touch %D/pirate" << 53 << "Fichier introuvable"
                                                       << "" << QByteArray() << "%D/pirate";
    QTest::newRow("point-virgule séparé: simple argument")
        << "%S ; touch %D/pirate" << 0 << ""
        << "%D/marqueur" << QByteArray(";\ntouch\n%D/pirate\n") << "%D/pirate";
    QTest::newRow("substitution $()") << "%S $(touch %D/pirate)" << 0 << ""
                                      << "%D/marqueur" << QByteArray("$(touch\n%D/pirate)\n") << "%D/pirate";
    QTest::newRow("accents graves") << "%S `touch %D/pirate`" << 0 << ""
                                    << "%D/marqueur" << QByteArray("`touch\n%D/pirate`\n") << "%D/pirate";
    QTest::newRow("redirection") << "%S > %D/pirate" << 0 << ""
                                 << "%D/marqueur" << QByteArray(">\n%D/pirate\n") << "%D/pirate";
    QTest::newRow("tube et &&") << "%S | touch %D/pirate && touch %D/pirate" << 0 << ""
                                << "%D/marqueur" << QByteArray("|\ntouch\n%D/pirate\n&&\ntouch\n%D/pirate\n")
                                << "%D/pirate";
    QTest::newRow("variable") << "%S $HOME" << 0 << ""
                              << "%D/marqueur" << QByteArray("$HOME\n") << "";
}

void TestProgramStarter::lancement() {
    QFETCH(QString, ligne);
    QFETCH(int, erreur);
    QFETCH(QString, description);
    QFETCH(QString, marqueur);
    QFETCH(QByteArray, écrit);
    QFETCH(QString, interdit);

    const StartResult résultat = lancerProgramme(remplir(ligne));
    QCOMPARE(résultat.error, erreur);
    QCOMPARE(résultat.description, description);

    if (marqueur.isEmpty()) {
        // Refused before any process is made: the line never reaches the point of starting one.
        QVERIFY(!résultat.ok());
        QVERIFY(analyserLigneCommande(remplir(ligne)).kind != ProgramLaunch::Kind::Run);
        QVERIFY(!QFile::exists(dossier_->filePath(QStringLiteral("marqueur"))));
    } else {
        const QString chemin = remplir(marqueur);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(chemin), 10000);
        QCOMPARE(lire(chemin), remplir(QString::fromUtf8(écrit)).toUtf8());
    }
    if (!interdit.isEmpty()) QVERIFY(!QFile::exists(remplir(interdit)));
}

void TestProgramStarter::ligneDuFichier_data() {
    using K = ProgramLaunch::Kind;
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<K>("genre");

    QTest::newRow("exécutable") << "%S" << K::Run;
    QTest::newRow("chemin avec blancs") << "%E" << K::Run;
    QTest::newRow("absent, avec blancs: jamais coupé") << "%D/dossier avec blancs/absent -x" << K::Missing;
    QTest::newRow("guillemet dans le nom") << "%D/un \"guillemet\"" << K::Missing;
    QTest::newRow("point-virgule") << "%S; touch %D/pirate" << K::Missing;
}

// A file's own line starts that file or nothing, whatever its name holds.
void TestProgramStarter::ligneDuFichier() {
    QFETCH(QString, chemin);
    QFETCH(ProgramLaunch::Kind, genre);
    const ProgramLaunch lancement = analyserLigneCommande(::ligneDuFichier(remplir(chemin)));
    QCOMPARE(lancement.kind, genre);
    QCOMPARE(lancement.program, remplir(chemin));
    QCOMPARE(lancement.arguments, QStringList());
}

QTEST_GUILESS_MAIN(TestProgramStarter)
#include "tst_program_starter.moc"
