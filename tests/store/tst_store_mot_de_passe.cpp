// The password field and the scrambling of protected memos, as saved and read back.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/EcritureMnemo.h"
#include "store/LectureFiche.h"
#include "store/MotDePasse.h"
#include "store/TablesCodage.h"
#include "store/Windows1252.h"

#include <QTest>

namespace {

const QString NOM = QStringLiteral("08122026_00042");
// Its coded forms keep no space at their edges for any pass count, so the drawn count is the one stored.
const QString MOT_DE_PASSE = QStringLiteral("mdp");

QString décoderFois(QString texte, int tours) {
    for (int tour = 0; tour < tours; ++tour)
        texte = Décoder(texte);
    return texte;
}

QString coderFois(QString texte, int tours) {
    for (int tour = 0; tour < tours; ++tour)
        texte = Coder(texte);
    return texte;
}

} // namespace

class TestMotDePasse : public QObject {
    Q_OBJECT

private slots:
    void chosenPasswordNeverMeetsASpaceAtItsEdges() {
        for (int tours = TOURS_MIN; tours <= TOURS_MAX_TEXTE_COURT; ++tours) {
            const QString codé = coderFois(MOT_DE_PASSE, tours);
            QVERIFY2(!codé.startsWith(' ') && !codé.endsWith(' '), qPrintable(QString::number(tours)));
        }
    }

    void passCount_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("tirage");
        QTest::addColumn<QString>("chiffres");
        const double plusHaut = 0.999999;
        QTest::newRow("299 characters: up to 99") << QString(299, 'a') << plusHaut << "99";
        QTest::newRow("300 characters: up to 9") << QString(300, 'a') << plusHaut << "09";
        QTest::newRow("a line break counts two: 300 stored")
            << QString(149, 'a') + "\n" + QString(149, 'a') << plusHaut << "09";
        QTest::newRow("a line break counts two: 299 stored")
            << QString(148, 'a') + "\n" + QString(149, 'a') << plusHaut << "99";
        QTest::newRow("a character outside Windows-1252 counts one")
            << QString(298, 'a') + QString::fromUtf8("\xF0\x9F\x98\x80") << plusHaut << "99";
        QTest::newRow("accents count one") << QString(299, QChar(0xE9)) << plusHaut << "99";
        QTest::newRow("empty text") << QString() << plusHaut << "99";
        for (int tiré = 1; tiré <= 5; ++tiré) {
            const QString attendu = QStringLiteral("%1").arg(tiré < 4 ? tiré + 3 : tiré, 2, 10, QChar('0'));
            QTest::addRow("short text, drawn %d", tiré)
                << "court" << tirageEntre1Et(TOURS_MAX_TEXTE_COURT, tiré) << attendu;
            QTest::addRow("long text, drawn %d", tiré)
                << QString(400, 'x') << tirageEntre1Et(TOURS_MAX_TEXTE_LONG, tiré) << attendu;
        }
    }
    void passCount() {
        QFETCH(QString, texte);
        QFETCH(double, tirage);
        QFETCH(QString, chiffres);
        FakeCore plateforme;
        plateforme.randoms = {tirage};
        Fiche_Mnémo fiche;
        fiche.Texte = texte;
        fiche.MdP = MOT_DE_PASSE;

        const int tours = Brouiller_Fiche(plateforme, fiche);

        QVERIFY(plateforme.randoms.empty());
        QCOMPARE(fiche.MdP.size(), LARGEUR_MDP);
        QCOMPARE(fiche.MdP.right(2), chiffres);
        QCOMPARE(tours, chiffres.toInt());
        QCOMPARE(fiche.MdP.left(8), coderFois(MOT_DE_PASSE, tours).leftJustified(8));
    }

    void noPasswordKeepsTheTextInClear_data() {
        QTest::addColumn<QString>("motDePasse");
        QTest::newRow("none") << QString();
        QTest::newRow("blanks") << "        ";
        QTest::newRow("ten blanks, as the window shows none") << "          ";
    }
    void noPasswordKeepsTheTextInClear() {
        QFETCH(QString, motDePasse);
        const TestFolder dossier;
        FakeCore plateforme;
        Fiche_Mnémo fiche = ficheClaire();
        fiche.MdP = motDePasse;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, fiche, QImage()).ok());

        qint16 icône = 0;
        const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
        QCOMPARE(lue.MdP, QString(10, ' '));
        QCOMPARE(lue.Texte, ficheClaire().Texte);
        const MdP_Lu mdp = Lire_MdP(lue.MdP);
        QVERIFY(mdp.motDePasse.isEmpty());
        QCOMPARE(mdp.tours, 0);
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("motDePasse");
        QTest::addColumn<double>("tirage");
        QTest::newRow("accents and line breaks") << "Première\nœuf à 2 €\n\n— fin"
                                                 << "clé" << 0.3;
        QTest::newRow("8-character password") << "abc"
                                              << "12345678" << 0.99;
        QTest::newRow("longer password cut to 8") << "abc"
                                                  << "123456789" << 0.5;
        QTest::newRow("quote in the password") << "abc"
                                               << "a\"b" << 0.1;
        QTest::newRow("padded as the window shows it") << "abc"
                                                       << "  Secret  " << 0.7;
        QTest::newRow("every Windows-1252 character") << [] {
            QString tous;
            for (int code = 0; code < 256; ++code)
                if (code != '"' && code != '\r' && code != '\n') tous += caractèreWindows1252(code);
            return tous;
        }() << "tous" << 0.42;
        QTest::newRow("long text") << QString("ligne de texte assez longue\n").repeated(200) << "long"
                                   << 0.99;
        QTest::newRow("empty text") << QString() << "vide" << 0.2;
    }
    void roundTrip() {
        QFETCH(QString, texte);
        QFETCH(QString, motDePasse);
        QFETCH(double, tirage);
        const TestFolder dossier;
        FakeCore plateforme;
        plateforme.randoms = {tirage};
        Fiche_Mnémo fiche = ficheClaire();
        fiche.Texte = texte;
        fiche.MdP = motDePasse;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, fiche, QImage()).ok());

        qint16 icône = 0;
        const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
        QVERIFY(lue.marqueursValides());
        const MdP_Lu mdp = Lire_MdP(lue.MdP);
        QVERIFY(mdp.tours >= TOURS_MIN && mdp.tours <= TOURS_MAX_TEXTE_COURT);
        QCOMPARE(mdp.motDePasse, Mot_De_Passe_Enregistrable(motDePasse));
        QCOMPARE(décoderFois(lue.Texte, mdp.tours), texte);
        if (texte.size() > 3) QVERIFY(lue.Texte != texte);
        // The rest of the record is stored in clear.
        QCOMPARE(lue.Titre, fiche.Titre);
        QCOMPARE(lue.Message, fiche.Message);
    }

    void codedPasswordNeverStartsOrEndsWithASpace_data() {
        QTest::addColumn<QString>("motDePasse");
        // Characters that the drawn count (4) turns into a space.
        const QString espaceAprès4 = décoderFois(" ", 4);
        QTest::newRow("at the end") << "a" + espaceAprès4;
        QTest::newRow("at the start") << espaceAprès4 + "a";
        QTest::newRow("alone") << espaceAprès4;
    }
    void codedPasswordNeverStartsOrEndsWithASpace() {
        QFETCH(QString, motDePasse);
        const QString codé = coderFois(motDePasse, 4);
        QVERIFY(codé.startsWith(' ') || codé.endsWith(' ')); // the trap is real
        const TestFolder dossier;
        FakeCore plateforme;
        plateforme.randoms = {tirageEntre1Et(TOURS_MAX_TEXTE_COURT, 4)};
        Fiche_Mnémo fiche = ficheClaire();
        fiche.MdP = motDePasse;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, fiche, QImage()).ok());

        qint16 icône = 0;
        const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
        QVERIFY(lue.MdP.right(2) != "04");
        const MdP_Lu mdp = Lire_MdP(lue.MdP);
        QCOMPARE(mdp.motDePasse, motDePasse);
        QCOMPARE(décoderFois(lue.Texte, mdp.tours), ficheClaire().Texte);
    }

    void storablePassword_data() {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("enregistré");
        QTest::newRow("plain") << "abc"
                               << "abc";
        QTest::newRow("spaces trimmed") << "  abc  "
                                        << "abc";
        QTest::newRow("inner space kept") << "a b"
                                          << "a b";
        QTest::newRow("cut to 8") << "abcdefghij"
                                  << "abcdefgh";
        QTest::newRow("cut then trimmed") << "abcdefg  x"
                                          << "abcdefg";
        QTest::newRow("quote as apostrophe") << "a\"b"
                                             << "a'b";
        QTest::newRow("accents of Windows-1252 kept") << "éŒ€"
                                                      << "éŒ€";
        QTest::newRow("outside Windows-1252 as ?") << "łódź"
                                                   << "?ód?";
        QTest::newRow("one ? for a character beyond 16 bits")
            << QString::fromUtf8("\xF0\x9F\x98\x80x") << "?x";
        QTest::newRow("empty") << ""
                               << "";
    }
    void storablePassword() {
        QFETCH(QString, saisi);
        QFETCH(QString, enregistré);
        QCOMPARE(Mot_De_Passe_Enregistrable(saisi), enregistré);
    }

    void readPasswordField_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("motDePasse");
        QTest::addColumn<int>("tours");
        QTest::newRow("none") << QString(10, ' ') << "" << 0;
        QTest::newRow("empty field") << ""
                                     << "" << 0;
        QTest::newRow("coded 5 times") << coderFois("secret", 5).leftJustified(8) + "05"
                                       << "secret" << 5;
        QTest::newRow("coded 99 times") << coderFois("12345678", 99) + "99"
                                        << "12345678" << 99;
        QTest::newRow("count unreadable") << "secret  ab"
                                          << "secret" << 0;
        QTest::newRow("count read as far as its digits") << coderFois("x", 7).leftJustified(8) + "7z"
                                                         << "x" << 7;
    }
    void readPasswordField() {
        QFETCH(QString, champ);
        QFETCH(QString, motDePasse);
        QFETCH(int, tours);
        const MdP_Lu lu = Lire_MdP(champ);
        QCOMPARE(lu.motDePasse, motDePasse);
        QCOMPARE(lu.tours, tours);
    }
};

QTEST_GUILESS_MAIN(TestMotDePasse)
#include "tst_store_mot_de_passe.moc"
