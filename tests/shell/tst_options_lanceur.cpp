#include "TestFolder.h"

#include "shell/FichierMenus.h"
#include "shell/OptionsLanceur.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Options = QList<Option_Lanceur>;
Q_DECLARE_METATYPE(Option_Lanceur)

namespace {
Option_Lanceur option(const QString& légende, const QString& ligne) {
    return {légende, ligne};
}

// Compared as text so that a failure shows which entry differs.
QStringList texte(const Options& options) {
    QStringList lignes;
    for (const Option_Lanceur& o : options)
        lignes << o.légende + QStringLiteral(" => ") + o.ligneCommande;
    return lignes;
}
} // namespace

// The launcher options file: its field rules, the records it is given and its bounded reading.
class TestOptionsLanceur : public QObject {
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
    void champs_data();
    void champs();
    void enregistrement();
    void allerRetour_data();
    void allerRetour();
    void ajoutsRelus_data();
    void ajoutsRelus();
    void dossierEtFichierPrives_data();
    void dossierEtFichierPrives();
    void fichierAbsent();
    void fichierEnormeLuEnPartie();
    void fichierSpecial_data();
    void fichierSpecial();
};

void TestOptionsLanceur::lecture_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<Options>("attendu");

    QTest::newRow("fichier vide") << QByteArray() << Options{};
    QTest::newRow("un enregistrement CR LF") << QByteArray("\"1 - gedit\"\r\n\"/usr/bin/gedit\"\r\n")
                                             << Options{option("1 - gedit", "/usr/bin/gedit")};
    QTest::newRow("deux enregistrements, LF seul")
        << QByteArray("\"1 - a\"\n\"/bin/a\"\n\"2 - b\"\n\"/bin/b\"\n")
        << Options{option("1 - a", "/bin/a"), option("2 - b", "/bin/b")};
    QTest::newRow("CR seul") << QByteArray("\"a\"\r\"/bin/a\"\r") << Options{option("a", "/bin/a")};
    QTest::newRow("sans fin de ligne finale")
        << QByteArray("\"a\"\r\n\"/bin/a\"") << Options{option("a", "/bin/a")};
    QTest::newRow("virgule entre guillemets")
        << QByteArray("\"Moi, toi\"\r\n\"/opt/x, y/z\"\r\n") << Options{option("Moi, toi", "/opt/x, y/z")};
    QTest::newRow("reste de ligne après le guillemet ignoré jusqu'à la virgule")
        << QByteArray("\"a\" reste, \"/bin/a\" fin\r\n") << Options{option("a", "/bin/a")};
    QTest::newRow("sans guillemets, blancs retirés")
        << QByteArray("  \xC9"
                      "diteur de texte \t\r\n\t/usr/bin/ed  \r\n")
        << Options{option("Éditeur de texte", "/usr/bin/ed")};
    QTest::newRow("sans guillemets, la virgule coupe")
        << QByteArray("a, /bin/a\r\n") << Options{option("a", "/bin/a")};
    QTest::newRow("blancs avant le guillemet")
        << QByteArray("   \"a b\"\r\n  \"/bin/a\"\r\n") << Options{option("a b", "/bin/a")};
    QTest::newRow("légende vide: les paires se décalent")
        << QByteArray("\"\"\r\n\"/bin/a\"\r\n\"2 - b\"\r\n\"/bin/b\"\r\n")
        << Options{option("/bin/a", "2 - b"), option("/bin/b", "")};
    QTest::newRow("ligne vide après une légende: commande vide")
        << QByteArray("\"a\"\r\n\r\n\"b\"\r\n\"/bin/b\"\r\n")
        << Options{option("a", ""), option("b", "/bin/b")};
    QTest::newRow("lignes blanches sautées")
        << QByteArray("\r\n   \r\n\"a\"\r\n\"/bin/a\"\r\n") << Options{option("a", "/bin/a")};
    QTest::newRow("dernière légende sans commande")
        << QByteArray("\"a\"\r\n\"/bin/a\"\r\n\"b\"\r\n") << Options{option("a", "/bin/a"), option("b", "")};
    QTest::newRow("accents Windows-1252") << QByteArray("\"Caf\xE9 \x80\"\r\n\"/opt/\xE9t\xE9/\x9C\"\r\n")
                                          << Options{option("Café €", "/opt/été/œ")};
    QTest::newRow("guillemet non fermé: jusqu'à la fin")
        << QByteArray("\"a\"\r\n\"/bin/a\r\nxyz") << Options{option("a", "/bin/a\r\nxyz")};
    QTest::newRow("guillemet suivant pris pour le fermant")
        << QByteArray("\"a\"\r\n\"/bin/a\r\n\"b\"\r\n\"c\"\r\n\"/bin/c\"\r\n")
        << Options{option("a", "/bin/a\r\n"), option("c", "/bin/c")};
    QTest::newRow("valeur entre guillemets sur deux lignes")
        << QByteArray("\"a\r\nb\"\r\n\"/bin/a\"\r\n") << Options{option("a\r\nb", "/bin/a")};
    QTest::newRow("espace insécable gardé") << QByteArray("\xA0"
                                                          "a\xA0\r\n/bin/a\r\n")
                                            << Options{option("\u00A0a\u00A0", "/bin/a")};
    QTest::newRow("octets quelconques")
        << QByteArray("\x00\x01\xFF,\x81\x8D\r\n\x1A", 9)
        << Options{option(QString(QChar(0)) + QChar(1) + QChar(0xFF), QString(QChar(0x81)) + QChar(0x8D)),
                   option(QString(QChar(0x1A)), "")};
    const QByteArray longue(200000, 'x');
    QTest::newRow("ligne très longue") << '"' + longue + "\"\r\n\"/bin/a\"\r\n"
                                       << Options{option(QString::fromLatin1(longue), "/bin/a")};
}

void TestOptionsLanceur::lecture() {
    QFETCH(QByteArray, octets);
    QFETCH(Options, attendu);
    QCOMPARE(texte(Options_Lanceur(octets)), texte(attendu));
}

void TestOptionsLanceur::champs_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("rien") << QString() << QStringList{};
    QTest::newRow("une ligne vide") << QStringLiteral("\r\n") << QStringList{""};
    QTest::newRow("virgule en fin de ligne") << QStringLiteral("a,\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("guillemets vides") << QStringLiteral("\"\",\"x\"") << QStringList{"", "x"};
    QTest::newRow("guillemet au milieu d'un champ nu")
        << QStringLiteral("a\"b, c") << QStringList{"a\"b", "c"};
}

void TestOptionsLanceur::champs() {
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    QCOMPARE(Champs_Options(texte), attendu);
}

void TestOptionsLanceur::enregistrement() {
    QCOMPARE(Enregistrement_Option(QStringLiteral("1 - café, thé"), QStringLiteral("/home/moi/mon prog")),
             QByteArray("\"1 - caf\xE9, th\xE9\"\r\n\"/home/moi/mon prog\"\r\n"));
    QCOMPARE(Enregistrement_Option(QString(), QStringLiteral("/bin/a")),
             QByteArray("\"\"\r\n\"/bin/a\"\r\n"));
    QCOMPARE(Enregistrement_Option(QStringLiteral("€ ☺"), QString()), QByteArray("\"\x80 ?\"\r\n\"\"\r\n"));
    QCOMPARE(Enregistrement_Option(QStringLiteral("a\",b"), QStringLiteral("/bin/a")),
             QByteArray("\"a'',b\"\r\n\"/bin/a\"\r\n"));
}

void TestOptionsLanceur::allerRetour_data() {
    QTest::addColumn<Option_Lanceur>("écrit");
    QTest::addColumn<Options>("relu");
    QTest::newRow("virgule dans la légende")
        << option("Moi, toi", "/bin/a") << Options{option("Moi, toi", "/bin/a")};
    QTest::newRow("accents") << option("Éditeur", "/opt/été") << Options{option("Éditeur", "/opt/été")};
    QTest::newRow("guillemets dans la légende: deux apostrophes chacun")
        << option("dit \"oui\"", "/bin/a") << Options{option("dit ''oui''", "/bin/a")};
    QTest::newRow("légende faite d'un guillemet")
        << option("\"", "/bin/a") << Options{option("''", "/bin/a")};
    QTest::newRow("retour à la ligne dans la légende")
        << option("a\r\nb", "/bin/a") << Options{option("a\r\nb", "/bin/a")};
}

void TestOptionsLanceur::allerRetour() {
    QFETCH(Option_Lanceur, écrit);
    QFETCH(Options, relu);
    QCOMPARE(texte(Options_Lanceur(Enregistrement_Option(écrit.légende, écrit.ligneCommande))), texte(relu));
}

// Entries appended one by one to the file, then the file read as at the next start.
void TestOptionsLanceur::ajoutsRelus_data() {
    QTest::addColumn<Options>("ajoutées");
    QTest::addColumn<Options>("relues");
    QTest::newRow("guillemet et virgule dans une légende: les suivantes restent en place")
        << Options{option("a\",b", "/bin/a"), option("2 - c", "/bin/c"), option("3 - d", "/bin/d")}
        << Options{option("a'',b", "/bin/a"), option("2 - c", "/bin/c"), option("3 - d", "/bin/d")};
    QTest::newRow("légende entre guillemets")
        << Options{option("\"Mon\" éditeur", "/bin/ed"), option("2 - c", "/bin/c")}
        << Options{option("''Mon'' éditeur", "/bin/ed"), option("2 - c", "/bin/c")};
    QTest::newRow("guillemet dans une commande: le fichier reste entier")
        << Options{option("1 - x", "/opt/x\"y"), option("2 - c", "/bin/c")}
        << Options{option("1 - x", "/opt/x''y"), option("2 - c", "/bin/c")};
}

void TestOptionsLanceur::ajoutsRelus() {
    QFETCH(Options, ajoutées);
    QFETCH(Options, relues);
    TestFolder dossier;
    for (const Option_Lanceur& o : ajoutées)
        QVERIFY(Ajouter_Au_Fichier_Menus(dossier.menus(), o.légende, o.ligneCommande));
    QCOMPARE(texte(Lire_Fichier_Menus(dossier.menus())), texte(relues));
}

// Another account must not read the launcher list nor plant a program in it, whatever the umask and
// however the file was left.
void TestOptionsLanceur::dossierEtFichierPrives_data() {
    QTest::addColumn<int>("masque");
    QTest::addColumn<int>("fichierAvant"); // 0: no file yet
    QTest::newRow("umask usuel, dossier créé") << 022 << 0;
    QTest::newRow("umask ouvert, dossier créé") << 0 << 0;
    QTest::newRow("fichier lisible par tous") << 022 << 0644;
    QTest::newRow("fichier ouvert à tous") << 0 << 0666;
}

void TestOptionsLanceur::dossierEtFichierPrives() {
    QFETCH(int, masque);
    QFETCH(int, fichierAvant);
    TestFolder dossier;
    const QString fichier = Fichier_Menus(dossier.menus());
    if (fichierAvant != 0) {
        QVERIFY(QDir().mkpath(dossier.menus()));
        QFile existant(fichier);
        QVERIFY(existant.open(QIODevice::WriteOnly));
        existant.write("\"x\"\r\n\"/bin/x\"\r\n");
        existant.close();
        QCOMPARE(::chmod(QFile::encodeName(fichier).constData(), static_cast<mode_t>(fichierAvant)), 0);
    }
    const mode_t avant = ::umask(static_cast<mode_t>(masque));
    const bool écrit = Ajouter_Au_Fichier_Menus(dossier.menus(), "1 - a", "/bin/a");
    ::umask(avant);

    QVERIFY(écrit);
    struct stat état {};
    QCOMPARE(::stat(QFile::encodeName(fichier).constData(), &état), 0);
    QCOMPARE(état.st_mode & 07777, 0600u);
    if (fichierAvant == 0) {
        QCOMPARE(::stat(QFile::encodeName(dossier.menus()).constData(), &état), 0);
        QCOMPARE(état.st_mode & 07777, 0700u);
    }
    QCOMPARE(Lire_Fichier_Menus(dossier.menus()).constLast(), option("1 - a", "/bin/a"));
}

void TestOptionsLanceur::fichierAbsent() {
    TestFolder dossier;
    QVERIFY(Lire_Fichier_Menus(dossier.menus()).isEmpty());
    QDir().mkpath(dossier.menus());
    QVERIFY(Lire_Fichier_Menus(dossier.menus()).isEmpty());
}

void TestOptionsLanceur::fichierEnormeLuEnPartie() {
    TestFolder dossier;
    QDir().mkpath(dossier.menus());
    QFile fichier(dossier.menus() + "/MenuOptions.txt");
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    const QByteArray enregistrement("\"abc\"\r\n\"/bin/abc\"\r\n"); // 18 bytes
    const qint64 nombre = 3 * TAILLE_MAX_FICHIER_MENUS / enregistrement.size();
    for (qint64 i = 0; i < nombre; ++i)
        fichier.write(enregistrement);
    fichier.close();

    const Options lues = Lire_Fichier_Menus(dossier.menus());
    QCOMPARE(lues.size(), (TAILLE_MAX_FICHIER_MENUS + enregistrement.size() - 1) / enregistrement.size());
    QCOMPARE(lues.constFirst(), option("abc", "/bin/abc"));
}

// Whatever else lies under the file's name is skipped like a missing file, and nothing is appended to it:
// opening a pipe would wait forever for its other end, and a device may never end.
void TestOptionsLanceur::fichierSpecial_data() {
    QTest::addColumn<QString>("sorte");
    QTest::newRow("tube") << "tube";
    QTest::newRow("lien vers un tube") << "lien vers un tube";
    QTest::newRow("dossier") << "dossier";
    QTest::newRow("lien vers /dev/zero") << "lien vers /dev/zero";
    QTest::newRow("lien vers /dev/null") << "lien vers /dev/null";
}

void TestOptionsLanceur::fichierSpecial() {
    QFETCH(QString, sorte);
    TestFolder dossier;
    QVERIFY(QDir().mkpath(dossier.menus()));
    const QByteArray nom = QFile::encodeName(Fichier_Menus(dossier.menus()));
    const QByteArray tube = QFile::encodeName(dossier.menus() + QStringLiteral("/tube"));
    if (sorte == "tube") {
        QCOMPARE(::mkfifo(nom.constData(), 0600), 0);
    } else if (sorte == "lien vers un tube") {
        QCOMPARE(::mkfifo(tube.constData(), 0600), 0);
        QCOMPARE(::symlink(tube.constData(), nom.constData()), 0);
    } else if (sorte == "dossier") {
        QVERIFY(QDir().mkpath(QFile::decodeName(nom)));
    } else {
        QCOMPARE(::symlink(sorte.sliced(QStringLiteral("lien vers ").size()).toUtf8().constData(),
                           nom.constData()),
                 0);
    }
    QVERIFY(Lire_Fichier_Menus(dossier.menus()).isEmpty());
    QVERIFY(!Ajouter_Au_Fichier_Menus(dossier.menus(), "a", "/bin/a"));
    QVERIFY(Lire_Fichier_Menus(dossier.menus()).isEmpty());
}

QTEST_GUILESS_MAIN(TestOptionsLanceur)
#include "tst_options_lanceur.moc"
