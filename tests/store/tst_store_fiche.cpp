// The record file: its exact bytes, reading them back, and what damaged files give.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/CadrerChaine.h"
#include "store/EcritureMnemo.h"
#include "store/FormatFiche.h"
#include "store/LectureFiche.h"
#include "store/MotDePasse.h"
#include "store/TablesCodage.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString NOM = QStringLiteral("08122026_04711");

// The 26 values of fixtures/memo_clair.PSL, one per field, without their line ends.
QList<QByteArray> valeursClaires() {
    return {
        "\"++++++++\"",
        "#TRUE#",
        "#FALSE#",
        "#TRUE#",
        "8454143",
        "#FALSE#",
        "\"09:30\"",
        "3",
        "\"08/12/2026\"",
        "\"Payer 12 \x80 \xe0 l'\x9cuvre\"",
        "#TRUE#",
        "1200",
        "-300",
        "\"PRG \xe0 lancer\"",
        "4515",
        "3600",
        "\"Premi\xe8re ligne\r\nDeuxi\xe8me : 5 \x80\r\n\r\n\x9cuf, d\xe9j\xe0\"",
        "\"Courses de la semaine\"",
        "\"MS Sans Serif\"",
        "10",
        "-1",
        "0",
        "0",
        "-1",
        "\"          \"",
        "\"--------\"",
    };
}

QByteArray enLignes(const QList<QByteArray>& valeurs, const QByteArray& finDeLigne = "\r\n") {
    QByteArray octets;
    for (const QByteArray& valeur : valeurs)
        octets += valeur + finDeLigne;
    return octets;
}

QList<QByteArray> avec(int champ, const QByteArray& valeur) {
    QList<QByteArray> valeurs = valeursClaires();
    valeurs[champ] = valeur;
    return valeurs;
}

// Field numbers in file order, from 0.
enum : int {
    DÉBUT,
    ALARME,
    AVANT_PLAN,
    BEEP,
    COULEUR,
    FERMÉ,
    HEURE,
    ICÔNE,
    JOUR,
    MESSAGE,
    OUVERT,
    GAUCHE,
    HAUT,
    PRG,
    HAUTEUR,
    LARGEUR,
    TEXTE,
    TITRE,
    POLICE,
    TAILLE,
    GRAS,
    ITALIQUE,
    BARRÉ,
    SOULIGNÉ,
    MDP,
    FIN
};

Fiche_Mnémo lireOctets(const TestFolder& dossier, const QByteArray& octets) {
    QDir().mkpath(dossier.memos());
    écrire(dossier.memos() + "/" + NOM + ".PSL", octets);
    qint16 icône = 99;
    const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
    if (icône != lue.Icône) qFatal("Icône_Choisie not set from the record");
    return lue;
}

} // namespace

class TestFiche : public QObject {
    Q_OBJECT

private slots:
    void cadrerChaine_data() {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("longueur");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("padded to 5") << "abc" << 5 << "abc  ";
        QTest::newRow("cut to 2") << "abc" << 2 << "ab";
        QTest::newRow("exact length") << "abc" << 3 << "abc";
        QTest::newRow("0 keeps it") << "abc" << 0 << "abc";
        QTest::newRow("0 drops trailing spaces only") << "  a b  " << 0 << "  a b";
        QTest::newRow("null to 3") << QString() << 3 << "   ";
        QTest::newRow("null to 0") << QString() << 0 << "";
        QTest::newRow("negative") << "abc" << -1 << "";
        QTest::newRow("accents count one each") << "été" << 4 << "été ";
    }
    void cadrerChaine() {
        QFETCH(QString, valeur);
        QFETCH(int, longueur);
        QFETCH(QString, attendu);
        QCOMPARE(Cadrer_Chaîne(valeur, static_cast<qint16>(longueur)), attendu);
    }

    void fixtureValuesMatchTheFile() {
        // The tables below are built from these values: make sure they are the fixture's.
        QCOMPARE(enLignes(valeursClaires()), fixture("memo_clair.PSL"));
    }

    void writesTheFixtureBytes_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Fiche_Mnémo>("fiche");
        QTest::addColumn<QList<double>>("tirages");

        QTest::newRow("clear memo") << "memo_clair.PSL" << ficheClaire() << QList<double>{};
        Fiche_Mnémo crlf = ficheClaire();
        crlf.Texte = "Première ligne\r\nDeuxième : 5 €\r\n\r\nœuf, déjà";
        QTest::newRow("text given with CR LF") << "memo_clair.PSL" << crlf << QList<double>{};
        Fiche_Mnémo cr = ficheClaire();
        cr.Texte = "Première ligne\rDeuxième : 5 €\r\rœuf, déjà";
        QTest::newRow("text given with CR") << "memo_clair.PSL" << cr << QList<double>{};
        Fiche_Mnémo sansMarqueurs = ficheClaire();
        sansMarqueurs.Début.clear();
        sansMarqueurs.Fin.clear();
        QTest::newRow("markers set by the writer") << "memo_clair.PSL" << sansMarqueurs << QList<double>{};
        Fiche_Mnémo espaces = ficheClaire();
        espaces.MdP = "   ";
        QTest::newRow("blank password is none") << "memo_clair.PSL" << espaces << QList<double>{};
        // Drawn 2, below 4: 3 more.
        QTest::newRow("protected memo") << "memo_protege.PSL" << ficheProtégéeEnClair()
                                        << QList<double>{tirageEntre1Et(TOURS_MAX_TEXTE_COURT, 2)};
        Fiche_Mnémo motDePasseEspacé = ficheProtégéeEnClair();
        motDePasseEspacé.MdP = "  secret  ";
        QTest::newRow("password trimmed") << "memo_protege.PSL" << motDePasseEspacé
                                          << QList<double>{tirageEntre1Et(TOURS_MAX_TEXTE_COURT, 2)};
    }
    void writesTheFixtureBytes() {
        QFETCH(QString, fixture);
        QFETCH(Fiche_Mnémo, fiche);
        QFETCH(QList<double>, tirages);
        const TestFolder dossier;
        FakeCore plateforme;
        plateforme.randoms.assign(tirages.begin(), tirages.end());

        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, fiche, QImage()).ok());

        QCOMPARE(contenu(dossier.memos() + "/" + NOM + ".PSL"), ::fixture(qPrintable(fixture)));
        QVERIFY(plateforme.randoms.empty());
        QVERIFY(!QFile::exists(dossier.memos() + "/" + NOM + ".PS2"));
    }

    void readsTheClearFixture() {
        const TestFolder dossier;
        const Fiche_Mnémo lue = lireOctets(dossier, fixture("memo_clair.PSL"));
        QCOMPARE(champs(lue), champs(ficheClaire()));
        QVERIFY(lue.marqueursValides());
    }

    void readsTheProtectedFixtureAsStored() {
        const TestFolder dossier;
        const Fiche_Mnémo lue = lireOctets(dossier, fixture("memo_protege.PSL"));

        Fiche_Mnémo attendue = ficheProtégéeEnClair();
        QString texte = attendue.Texte;
        QString motDePasse = MOT_DE_PASSE_PROTÉGÉ;
        for (int tour = 0; tour < TOURS_PROTÉGÉ; ++tour) {
            texte = Coder(texte);
            motDePasse = Coder(motDePasse);
        }
        attendue.Texte = texte;
        attendue.MdP = motDePasse.leftJustified(8) + "05";
        QCOMPARE(champs(lue), champs(attendue));
    }

    void quoteInAValueReadsBackAsTwoApostrophes_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<Fiche_Mnémo>("fiche");
        const auto avecGuillemet = [](QString Fiche_Mnémo::*membre) {
            Fiche_Mnémo f = ficheClaire();
            f.*membre = "dit \"oui\"";
            return f;
        };
        QTest::newRow("alarm message") << int(MESSAGE) << avecGuillemet(&Fiche_Mnémo::Message);
        QTest::newRow("program") << int(PRG) << avecGuillemet(&Fiche_Mnémo::PRG);
        QTest::newRow("font") << int(POLICE) << avecGuillemet(&Fiche_Mnémo::Police);
        QTest::newRow("title") << int(TITRE) << avecGuillemet(&Fiche_Mnémo::Titre);
        QTest::newRow("text") << int(TEXTE) << avecGuillemet(&Fiche_Mnémo::Texte);
        QTest::newRow("day") << int(JOUR) << avecGuillemet(&Fiche_Mnémo::Jour);
    }
    void quoteInAValueReadsBackAsTwoApostrophes() {
        QFETCH(int, champ);
        QFETCH(Fiche_Mnémo, fiche);
        const TestFolder dossier;
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, fiche, QImage()).ok());

        const QByteArray octets = contenu(dossier.memos() + "/" + NOM + ".PSL");
        QCOMPARE(octets, enLignes(avec(champ, "\"dit ''oui''\"")));
        qint16 icône = 0;
        Fiche_Mnémo attendue = fiche;
        QStringList attendus = champs(attendue);
        attendus[champ].replace("\"", "''");
        QCOMPARE(champs(Lire_Fiche(dossier.memos(), NOM, icône)), attendus);
    }

    void damagedFile_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<Fiche_Mnémo>("attendue");
        const Fiche_Mnémo claire = ficheClaire();
        const auto sauf = [&](auto Fiche_Mnémo::*membre, auto valeur) {
            Fiche_Mnémo f = claire;
            f.*membre = valeur;
            return f;
        };

        // One damaged value spoils its own field only.
        QTest::newRow("boolean in French")
            << enLignes(avec(ALARME, "#VRAI#")) << sauf(&Fiche_Mnémo::Alarme, false);
        QTest::newRow("boolean in lower case")
            << enLignes(avec(ALARME, "#true#")) << sauf(&Fiche_Mnémo::Alarme, false);
        QTest::newRow("boolean without number signs")
            << enLignes(avec(BEEP, "TRUE")) << sauf(&Fiche_Mnémo::Beep, false);
        QTest::newRow("boolean quoted")
            << enLignes(avec(OUVERT, "\"#TRUE#\"")) << sauf(&Fiche_Mnémo::Ouvert, false);
        QTest::newRow("boolean as number")
            << enLignes(avec(OUVERT, "-1")) << sauf(&Fiche_Mnémo::Ouvert, false);
        QTest::newRow("number with letters")
            << enLignes(avec(COULEUR, "12a")) << sauf(&Fiche_Mnémo::Couleur, qint32(0));
        QTest::newRow("number with plus sign")
            << enLignes(avec(COULEUR, "+5")) << sauf(&Fiche_Mnémo::Couleur, qint32(0));
        QTest::newRow("number with exponent")
            << enLignes(avec(GAUCHE, "1e3")) << sauf(&Fiche_Mnémo::Gauche, qint32(0));
        QTest::newRow("number with inner blank")
            << enLignes(avec(GAUCHE, "- 12")) << sauf(&Fiche_Mnémo::Gauche, qint32(0));
        QTest::newRow("number quoted")
            << enLignes(avec(ICÔNE, "\"3\"")) << sauf(&Fiche_Mnémo::Icône, qint16(0));
        QTest::newRow("number beyond 32 bits")
            << enLignes(avec(HAUTEUR, "2147483648")) << sauf(&Fiche_Mnémo::Hauteur, qint32(0));
        QTest::newRow("lowest 32-bit number")
            << enLignes(avec(HAUT, "-2147483648")) << sauf(&Fiche_Mnémo::Haut, qint32(-2147483647 - 1));
        QTest::newRow("number beyond 16 bits")
            << enLignes(avec(TAILLE, "32768")) << sauf(&Fiche_Mnémo::Taille, qint16(0));
        QTest::newRow("many digits") << enLignes(avec(TAILLE, QByteArray(400, '9')))
                                     << sauf(&Fiche_Mnémo::Taille, qint16(0));
        QTest::newRow("lone minus") << enLignes(avec(GRAS, "-")) << sauf(&Fiche_Mnémo::Gras, qint16(0));
        QTest::newRow("empty line for a number")
            << enLignes(avec(LARGEUR, "")) << sauf(&Fiche_Mnémo::Largeur, qint32(0));

        // Lenient text forms.
        QTest::newRow("text without quotes")
            << enLignes(avec(HEURE, "10:45")) << sauf(&Fiche_Mnémo::Heure, QStringLiteral("10:45"));
        QTest::newRow("blanks before the quote")
            << enLignes(avec(HEURE, "  \"10:45\"")) << sauf(&Fiche_Mnémo::Heure, QStringLiteral("10:45"));
        QTest::newRow("junk after the closing quote")
            << enLignes(avec(HEURE, "\"10:45\" junk")) << sauf(&Fiche_Mnémo::Heure, QStringLiteral("10:45"));
        QTest::newRow("LF line ends")
            << QByteArray(fixture("memo_clair.PSL")).replace("\r\n", "\n") << claire;
        QTest::newRow("CR line ends")
            << QByteArray(fixture("memo_clair.PSL")).replace("\r\n", "\r") << claire;

        // Fixed widths.
        QTest::newRow("long start marker cut") << enLignes(avec(DÉBUT, "\"++++++++++\"")) << claire;
        QTest::newRow("short end marker padded")
            << enLignes(avec(FIN, "\"----\"")) << sauf(&Fiche_Mnémo::Fin, QStringLiteral("----    "));
        QTest::newRow("empty password field padded") << enLignes(avec(MDP, "\"\"")) << claire;

        // Truncated files give partial records whose end marker fails.
        QList<QByteArray> sansFin = valeursClaires();
        sansFin.removeLast();
        QTest::newRow("truncated before the end marker")
            << enLignes(sansFin) << sauf(&Fiche_Mnémo::Fin, QString());
        Fiche_Mnémo coupéeDansLeTexte = claire;
        coupéeDansLeTexte.Texte = "Première ligne\nDeux";
        for (QString* texte : {&coupéeDansLeTexte.Titre, &coupéeDansLeTexte.Police, &coupéeDansLeTexte.MdP,
                               &coupéeDansLeTexte.Fin})
            texte->clear();
        coupéeDansLeTexte.Taille = coupéeDansLeTexte.Gras = coupéeDansLeTexte.Souligné = 0;
        QTest::newRow("truncated inside the text")
            << enLignes(valeursClaires().mid(0, TEXTE)) + "\"Premi\xe8re ligne\r\nDeux" << coupéeDansLeTexte;
        Fiche_Mnémo seulementDébut;
        seulementDébut.Début = DÉBUT_FICHE;
        QTest::newRow("start marker only") << QByteArray("\"++++++++\"\r\n") << seulementDébut;
        QTest::newRow("empty file") << QByteArray() << Fiche_Mnémo{};
        QTest::newRow("blanks only") << QByteArray("   \t ") << Fiche_Mnémo{};
    }
    void damagedFile() {
        QFETCH(QByteArray, octets);
        QFETCH(Fiche_Mnémo, attendue);
        const TestFolder dossier;
        const Fiche_Mnémo lue = lireOctets(dossier, octets);
        QCOMPARE(champs(lue), champs(attendue));
        QCOMPARE(lue.marqueursValides(), attendue.marqueursValides());
    }

    void missingFileGivesTheEmptyRecord_data() {
        QTest::addColumn<bool>("avecDossier");
        QTest::newRow("missing file") << true;
        QTest::newRow("missing folder") << false;
    }
    void missingFileGivesTheEmptyRecord() {
        QFETCH(bool, avecDossier);
        const TestFolder dossier;
        if (avecDossier) QVERIFY(QDir().mkpath(dossier.memos()));
        qint16 icône = 12;
        const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
        QCOMPARE(champs(lue), champs(Fiche_Mnémo{}));
        QVERIFY(!lue.marqueursValides());
        QCOMPARE(icône, qint16(0));
        QCOMPARE(QDir(dossier.memos()).exists(), avecDossier);
    }

    void pipeUnderAMemoNameDoesNotHang() {
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        QCOMPARE(::mkfifo(QFile::encodeName(dossier.memos() + "/" + NOM + ".PSL").constData(), 0600), 0);
        qint16 icône = 0;
        QCOMPARE(champs(Lire_Fiche(dossier.memos(), NOM, icône)), champs(Fiche_Mnémo{}));
    }

    void randomBytes_data() {
        QTest::addColumn<quint32>("graine");
        QTest::addColumn<int>("taille");
        for (quint32 graine = 1; graine <= 8; ++graine)
            QTest::addRow("seed %u", graine) << graine << int(graine * 8191);
    }
    void randomBytes() {
        QFETCH(quint32, graine);
        QFETCH(int, taille);
        QRandomGenerator hasard(graine);
        QByteArray octets(taille, Qt::Uninitialized);
        for (char& octet : octets)
            octet = static_cast<char>(hasard.bounded(256));
        // Quotes and line ends in plenty, as in a real record.
        for (int i = 0; i < taille / 16; ++i)
            octets[hasard.bounded(taille)] = "\"\r\n#-"[hasard.bounded(5)];

        const TestFolder dossier;
        const Fiche_Mnémo lue = lireOctets(dossier, octets);
        const auto àSaLargeur = [](const QString& texte, int largeur) {
            return texte.isEmpty() || texte.size() == largeur;
        };
        QVERIFY(àSaLargeur(lue.Début, LARGEUR_DÉBUT));
        QVERIFY(àSaLargeur(lue.MdP, LARGEUR_MDP));
        QVERIFY(àSaLargeur(lue.Fin, LARGEUR_FIN));
        QVERIFY(!lue.marqueursValides());
    }

    void lettersTheFileCannotHold_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("lettres");
        const auto ligne = [](const char* nom, const char* champ, const char* valeur, const char* lettres) {
            QTest::newRow(nom) << QString::fromUtf8(champ) << QString::fromUtf8(valeur)
                               << QString::fromUtf8(lettres);
        };
        ligne("none", "Texte", "Œuvre à 12 €, déjà", "");
        ligne("text, each once", "Texte", "Łódź ✓ Ωmega 日本 Łódź", "Łź✓Ω日本");
        ligne("beyond 16 bits as one", "Texte", "a😀", "😀");
        ligne("title", "Titre", "Zürich → Łódź", "→Łź");
        ligne("alarm message", "Message", "Ωmega", "Ω");
        ligne("program path", "PRG", "/opt/日本/prog", "日本");
        ligne("font name", "Police", "Noto Sans 日本", "日本");
        ligne("password left out", "MdP", "Łódź", "");
    }
    void lettersTheFileCannotHold() {
        QFETCH(QString, champ);
        QFETCH(QString, valeur);
        QFETCH(QString, lettres);
        Fiche_Mnémo fiche = ficheClaire();
        const QHash<QString, QString Fiche_Mnémo::*> champs = {
            {"Texte", &Fiche_Mnémo::Texte},     {"Titre", &Fiche_Mnémo::Titre},
            {"Message", &Fiche_Mnémo::Message}, {"PRG", &Fiche_Mnémo::PRG},
            {"Police", &Fiche_Mnémo::Police},   {"MdP", &Fiche_Mnémo::MdP}};
        fiche.*champs.value(champ) = valeur;
        const QList<char32_t> trouvées = Lettres_Hors_Fichier(fiche);
        QCOMPARE(QString::fromUcs4(trouvées.constData(), trouvées.size()), lettres);
    }

    void hugeFileIsReadUpToTheLimit() {
        // A 50 MB text: read as far as the limit, then it counts as truncated.
        const QByteArray début = enLignes(valeursClaires().mid(0, TEXTE)) + "\"";
        QByteArray octets = début;
        octets += QByteArray(50 * 1000 * 1000, 'a');
        octets += "\"\r\n" + enLignes(valeursClaires().mid(TEXTE + 1));
        const TestFolder dossier;

        QElapsedTimer chrono;
        chrono.start();
        const Fiche_Mnémo lue = lireOctets(dossier, octets);
        QVERIFY2(chrono.elapsed() < 20000, "reading a huge file took too long");

        QCOMPARE(qint64(lue.Texte.size()), LIMITE_FICHIER_FICHE - début.size());
        QVERIFY(lue.Titre.isEmpty());
        QVERIFY(!lue.marqueursValides());
        QCOMPARE(lue.Couleur, ficheClaire().Couleur);
    }
};

QTEST_GUILESS_MAIN(TestFiche)
#include "tst_store_fiche.moc"
