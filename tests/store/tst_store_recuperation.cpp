// Recovery copies: written whole beside the memo files, every letter kept, protected memos scrambled, read
// back at start-up, removed or set aside.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/LectureFiche.h"
#include "store/Recuperation.h"

#include <QDir>
#include <QTest>

namespace {

const QString NOM = QStringLiteral("08122026_12345");
const QString LETTRES = QStringLiteral("Łódź ✓ Ωmega 日本");

QString copie(const TestFolder& dossier, const QString& nom = NOM) {
    return dossier.memos() + "/Recuperation/" + nom + ".PSL";
}

QStringList fichiers(const QString& chemin) {
    return QDir(chemin).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestRecuperation : public QObject {
    Q_OBJECT

private slots:
    void everyLetterComesBack_data() {
        QTest::addColumn<QString>("motDePasse");
        QTest::newRow("clear memo") << QString();
        QTest::newRow("protected memo") << QStringLiteral("secret");
    }
    void everyLetterComesBack() {
        QFETCH(QString, motDePasse);
        const TestFolder dossier;
        Fiche_Mnémo fiche = ficheClaire();
        fiche.Texte = LETTRES + "\nœuf\n\n" + "😀";
        fiche.Titre = "Titre " + LETTRES;
        fiche.Message = "Ωmega";
        fiche.MdP = motDePasse;
        FakeCore plateforme;
        QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), NOM, fiche).ok());

        // Beside the memo files, apart from them: no record appears in the memo folder.
        QCOMPARE(fichiers(dossier.memos()), QStringList{"Recuperation"});
        QCOMPARE(fichiers(dossier.memos() + "/Recuperation"), QStringList{NOM + ".PSL"});
        const QByteArray octets = contenu(copie(dossier));
        QVERIFY(octets.startsWith("\"++++++++\"\r\n"));
        QVERIFY(octets.endsWith("\"--------\"\r\n"));
        QVERIFY(octets.contains(("\"Titre " + LETTRES + "\"").toUtf8()));
        // A protected memo's text is no more readable in its copy than in its record.
        QCOMPARE(octets.contains(LETTRES.toUtf8() + "\r\n"), motDePasse.isEmpty());

        const QList<Récupération> lues = Lire_Récupérations(dossier.memos());
        QCOMPARE(lues.size(), 1);
        QCOMPARE(lues[0].nom, NOM);
        QVERIFY(lues[0].complète);
        Fiche_Mnémo attendue = fiche;
        attendue.Début = DÉBUT_FICHE;
        attendue.Fin = FIN_FICHE;
        QCOMPARE(champs(lues[0].fiche), champs(attendue));
    }

    void aNewCopyReplacesTheOld() {
        const TestFolder dossier;
        FakeCore plateforme;
        Fiche_Mnémo fiche = ficheClaire();
        QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), NOM, fiche).ok());
        fiche.Texte = "plus récent";
        QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), NOM, fiche).ok());
        const QList<Récupération> lues = Lire_Récupérations(dossier.memos());
        QCOMPARE(lues.size(), 1);
        QCOMPARE(lues[0].fiche.Texte, QStringLiteral("plus récent"));
        QCOMPARE(fichiers(dossier.memos() + "/Recuperation"), QStringList{NOM + ".PSL"});
    }

    void cannotWrite_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<int>("erreur");
        QTest::newRow("memo folder is a file") << "Mnemos" << 76;
        QTest::newRow("recovery folder is a file") << "Recuperation" << 76;
        QTest::newRow("name leading out") << "nom" << 52;
    }
    void cannotWrite() {
        QFETCH(QString, cas);
        QFETCH(int, erreur);
        const TestFolder dossier;
        QString nom = NOM;
        if (cas == "Mnemos") écrire(dossier.memos(), "fichier");
        if (cas == "Recuperation") {
            QVERIFY(QDir().mkpath(dossier.memos()));
            écrire(dossier.memos() + "/Recuperation", "fichier");
        }
        if (cas == "nom") nom = "../../evade";
        FakeCore plateforme;
        QCOMPARE(Écrire_Récupération(plateforme, dossier.memos(), nom, ficheClaire()).erreur, erreur);
        QVERIFY(!QFile::exists(dossier.path() + "/evade.PSL"));
    }

    void readingSkipsWhatIsNotACopy() {
        const TestFolder dossier;
        FakeCore plateforme;
        QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), "08122026_00001", ficheClaire()).ok());
        const QString récupération = dossier.memos() + "/Recuperation/";
        // A save interrupted aside, a folder, and a copy cut short (no end marker).
        écrire(récupération + "08122026_00002.PSL.tmp", "moitié");
        QVERIFY(QDir().mkpath(récupération + "08122026_00003.PSL"));
        QByteArray coupée = contenu(copie(dossier, "08122026_00001"));
        coupée.chop(20);
        écrire(récupération + "08122026_00004.PSL", coupée);

        const QList<Récupération> lues = Lire_Récupérations(dossier.memos());
        QCOMPARE(lues.size(), 2);
        QCOMPARE(lues[0].nom, QStringLiteral("08122026_00001"));
        QVERIFY(lues[0].complète);
        QCOMPARE(lues[1].nom, QStringLiteral("08122026_00004"));
        QVERIFY(!lues[1].complète);
        QVERIFY(Lire_Récupérations(dossier.path() + "/absent").isEmpty());
    }

    void removedOnceSavedOrGivenUp() {
        const TestFolder dossier;
        FakeCore plateforme;
        QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), NOM, ficheClaire()).ok());
        QVERIFY(Supprimer_Récupération(dossier.memos(), NOM).ok());
        QVERIFY(!QFile::exists(copie(dossier)));
        QVERIFY(Supprimer_Récupération(dossier.memos(), NOM).ok()); // nothing left to remove
        QVERIFY(Lire_Récupérations(dossier.memos()).isEmpty());
    }

    void setAsideNeverOverwrites() {
        const TestFolder dossier;
        FakeCore plateforme;
        const QDateTime moment(QDate(2026, 12, 8), QTime(10, 29, 50));
        Fiche_Mnémo fiche = ficheClaire();
        for (const QString& texte : {QStringLiteral("premier"), QStringLiteral("second")}) {
            fiche.Texte = texte;
            QVERIFY(Écrire_Récupération(plateforme, dossier.memos(), NOM, fiche).ok());
            QVERIFY(Écarter_Récupération(dossier.memos(), NOM, moment).ok());
        }
        QVERIFY(Lire_Récupérations(dossier.memos()).isEmpty());
        const QString écartées = dossier.memos() + "/Recuperation/Ecartees/";
        QCOMPARE(fichiers(écartées),
                 QStringList({NOM + "_20261208-102950.PSL", NOM + "_20261208-102950_2.PSL"}));
        QVERIFY(contenu(écartées + NOM + "_20261208-102950.PSL").contains("\"premier\""));
        QVERIFY(contenu(écartées + NOM + "_20261208-102950_2.PSL").contains("\"second\""));
    }
};

QTEST_GUILESS_MAIN(TestRecuperation)
#include "tst_store_recuperation.moc"
