// Saving a memo: never a half-written file, failures reported, files private to their owner.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/DiskFiles.h"
#include "store/EcritureMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FolderPrivacy)

namespace {

const QString NOM = QStringLiteral("08122026_12345");
constexpr uid_t AUTRE_COMPTE = 54321; // an account id nobody on the machine has

QImage imageDeTest(int largeur, int hauteur, QRgb couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    for (int x = 0; x < largeur; ++x)
        image.setPixel(x, x % hauteur, qRgb(x % 256, 0, 255 - x % 256));
    return image;
}

Fiche_Mnémo ficheAvecTexte(const QString& texte) {
    Fiche_Mnémo fiche = ficheClaire();
    fiche.Texte = texte;
    return fiche;
}

QString chemin(const TestFolder& dossier, const QString& extension) {
    return dossier.memos() + "/" + NOM + extension;
}

int mode(const QString& chemin) {
    struct stat état {};
    if (::stat(QFile::encodeName(chemin).constData(), &état) != 0) return -1;
    return static_cast<int>(état.st_mode & 07777);
}

QStringList fichiersDuDossier(const TestFolder& dossier) {
    return QDir(dossier.memos()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// The previous version of a memo, saved with a picture, and what its files hold.
struct Version {
    QByteArray fiche;
    QByteArray image;
};

Version sauverPremièreVersion(const TestFolder& dossier) {
    FakeCore plateforme;
    if (!Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheAvecTexte("ancienne version"),
                      imageDeTest(20, 10, qRgb(200, 10, 10)))
             .ok())
        qFatal("first save failed");
    return {contenu(chemin(dossier, ".PSL")), contenu(chemin(dossier, ".PS2"))};
}

// The record file a successful save of this memo writes.
QByteArray octetsSauvés(const Fiche_Mnémo& fiche) {
    const QTemporaryDir ailleurs;
    FakeCore plateforme;
    if (!Écrire_Mnémo(plateforme, ailleurs.path(), NOM, fiche, QImage()).ok())
        qFatal("reference save failed");
    return contenu(ailleurs.path() + "/" + NOM + ".PSL");
}

// Writes larger than this fail with EFBIG while the object lives, as on a full disk.
class LimiteTailleFichier {
public:
    explicit LimiteTailleFichier(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        ancienGestionnaire_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteTailleFichier() {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancienGestionnaire_);
    }
    LimiteTailleFichier(const LimiteTailleFichier&) = delete;
    LimiteTailleFichier& operator=(const LimiteTailleFichier&) = delete;

private:
    rlimit avant_{};
    void (*ancienGestionnaire_)(int) = nullptr;
};

} // namespace

class TestEcriture : public QObject {
    Q_OBJECT

private slots:
    void filesArePrivateToTheirOwner_data() {
        QTest::addColumn<int>("masque");
        QTest::newRow("usual umask") << 022;
        QTest::newRow("open umask") << 0;
        QTest::newRow("strict umask") << 077;
    }
    void filesArePrivateToTheirOwner() {
        QFETCH(int, masque);
        const TestFolder dossier;
        const mode_t avant = ::umask(static_cast<mode_t>(masque));
        FakeCore plateforme;
        const Résultat_Écriture écrit =
            Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), imageDeTest(8, 8, qRgb(1, 2, 3)));
        ::umask(avant);

        QVERIFY(écrit.ok());
        QCOMPARE(mode(dossier.memos()), 0700);
        QCOMPARE(mode(chemin(dossier, ".PSL")), 0600);
        QCOMPARE(mode(chemin(dossier, ".PS2")), 0600);
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
    }

    void rewrittenFilesBecomePrivate() {
        const TestFolder dossier;
        sauverPremièreVersion(dossier);
        for (const char* extension : {".PSL", ".PS2"})
            QVERIFY(QFile::setPermissions(chemin(dossier, extension),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), imageDeTest(4, 4, 0)).ok());
        QCOMPARE(mode(chemin(dossier, ".PSL")), 0600);
        QCOMPARE(mode(chemin(dossier, ".PS2")), 0600);
    }

    // Another account able to write in the memo folder could plant a memo whose alarm program runs as the
    // user: a folder the user owns becomes private, at start-up and at each save; another account's is left
    // as it is, for the start-up to warn about.
    void existingFolderBecomesPrivate_data() {
        QTest::addColumn<int>("avant");
        QTest::addColumn<bool>("àUnAutreCompte");
        QTest::addColumn<FolderPrivacy>("réponse");
        QTest::addColumn<int>("après");
        QTest::newRow("group readable") << 0750 << false << FolderPrivacy::Private << 0700;
        QTest::newRow("open to all") << 0777 << false << FolderPrivacy::Private << 0700;
        QTest::newRow("set-group-id and sticky") << 03770 << false << FolderPrivacy::Private << 0700;
        QTest::newRow("already private") << 0700 << false << FolderPrivacy::Private << 0700;
        QTest::newRow("another account's") << 0777 << true << FolderPrivacy::NotOwned << 0777;
    }
    void existingFolderBecomesPrivate() {
        QFETCH(int, avant);
        QFETCH(bool, àUnAutreCompte);
        QFETCH(FolderPrivacy, réponse);
        QFETCH(int, après);
        const TestFolder dossier;
        const QByteArray nom = QFile::encodeName(dossier.memos());
        QVERIFY(QDir().mkpath(dossier.memos()));
        if (àUnAutreCompte && ::chown(nom.constData(), AUTRE_COMPTE, static_cast<gid_t>(-1)) != 0)
            QSKIP("giving a folder to another account needs root");

        QCOMPARE(::chmod(nom.constData(), static_cast<mode_t>(avant)), 0);
        QCOMPARE(keepFolderPrivate(dossier.memos()), réponse);
        QCOMPARE(mode(dossier.memos()), après);

        QCOMPARE(::chmod(nom.constData(), static_cast<mode_t>(avant)), 0);
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), QImage()).ok());
        QCOMPARE(mode(dossier.memos()), après);
    }

    void noFolderToKeepPrivate() {
        const TestFolder dossier;
        QCOMPARE(keepFolderPrivate(dossier.memos()), FolderPrivacy::Missing);
        QVERIFY(!QFileInfo::exists(dossier.memos()));
        écrire(dossier.memos(), "un fichier");
        QCOMPARE(keepFolderPrivate(dossier.memos()), FolderPrivacy::Missing);
        QCOMPARE(contenu(dossier.memos()), QByteArray("un fichier"));
    }

    void missingParentFoldersAreCreated() {
        const TestFolder dossier;
        const QString profond = dossier.path() + "/a/b/Mnemos";
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, profond, NOM, ficheClaire(), QImage()).ok());
        QCOMPARE(contenu(profond + "/" + NOM + ".PSL"), fixture("memo_clair.PSL"));
        QCOMPARE(mode(profond), 0700);
    }

    // The rename step fails once everything is written aside: as a crash right before it would.
    void interruptedSaveKeepsThePreviousVersion_data() {
        QTest::addColumn<QString>("échoueSur");
        QTest::addColumn<QStringList>("renommages");
        QTest::addColumn<bool>("nouvelleImage");
        QTest::newRow("picture rename") << ".PS2" << QStringList{"PS2"} << false;
        // The picture is committed first: the new picture stands beside the old, whole record.
        QTest::newRow("record rename") << ".PSL" << QStringList{"PS2", "PSL"} << true;
    }
    void interruptedSaveKeepsThePreviousVersion() {
        QFETCH(QString, échoueSur);
        QFETCH(QStringList, renommages);
        QFETCH(bool, nouvelleImage);
        const TestFolder dossier;
        const Version ancienne = sauverPremièreVersion(dossier);

        FakeCore plateforme;
        plateforme.randoms = {0.0}; // filler 34
        const Fiche_Mnémo nouvelle = ficheAvecTexte("nouvelle version");
        const QImage image = imageDeTest(30, 12, qRgb(10, 200, 10));
        const QByteArray ficheAttendue = octetsSauvés(nouvelle);
        const QByteArray imageAttendue = Masquer_Image(Image_En_BMP(image), std::uint8_t(34));
        QStringList renommés;
        const ReplaceFile renommer = [&](const QString& provisoire, const QString& cible) {
            // Whatever is renamed is already complete on disk.
            const QByteArray attendu = cible.endsWith(".PSL") ? ficheAttendue : imageAttendue;
            renommés << QFileInfo(cible).suffix() + (contenu(provisoire) == attendu ? "" : " incomplete");
            if (cible.endsWith(échoueSur)) return EIO;
            return replaceFile(provisoire, cible);
        };

        const Résultat_Écriture écrit =
            Écrire_Mnémo(plateforme, dossier.memos(), NOM, nouvelle, image, renommer);

        QCOMPARE(écrit.erreur, ERREUR_ENTREE_SORTIE);
        QVERIFY(!écrit.description.isEmpty());
        QCOMPARE(renommés, renommages);
        QCOMPARE(contenu(chemin(dossier, ".PSL")), ancienne.fiche);
        if (nouvelleImage)
            QCOMPARE(contenu(chemin(dossier, ".PS2")), imageAttendue);
        else
            QCOMPARE(contenu(chemin(dossier, ".PS2")), ancienne.image);
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
        qint16 icône = 0;
        QVERIFY(Lire_Fiche(dossier.memos(), NOM, icône).marqueursValides());
    }

    void fullDiskKeepsThePreviousVersion_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QSize>("tailleImage");
        QTest::newRow("picture too large") << "court" << QSize(200, 200);
        QTest::newRow("record too large") << QString(100000, 'x') << QSize();
        QTest::newRow("both") << QString(100000, 'x') << QSize(200, 200);
    }
    void fullDiskKeepsThePreviousVersion() {
        QFETCH(QString, texte);
        QFETCH(QSize, tailleImage);
        const TestFolder dossier;
        const Version ancienne = sauverPremièreVersion(dossier);
        const QImage image =
            tailleImage.isValid() ? imageDeTest(tailleImage.width(), tailleImage.height(), 0) : QImage();

        FakeCore plateforme;
        Résultat_Écriture écrit;
        {
            const LimiteTailleFichier limite(64 * 1024);
            écrit = Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheAvecTexte(texte), image);
        }

        QCOMPARE(écrit.erreur, ERREUR_DISQUE_PLEIN);
        QCOMPARE(écrit.description, QStringLiteral("Disque plein"));
        QCOMPARE(contenu(chemin(dossier, ".PSL")), ancienne.fiche);
        QCOMPARE(contenu(chemin(dossier, ".PS2")), ancienne.image);
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
    }

    void failureIsReported_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<int>("erreur");
        QTest::addColumn<QString>("description");
        QTest::newRow("memo folder is a file") << "dossier-fichier" << 76 << "Chemin d'accès introuvable";
        QTest::newRow("record name is a folder")
            << "fiche-dossier" << 75 << "Erreur d'accès au chemin/fichier";
        QTest::newRow("picture name is a folder")
            << "image-dossier" << 75 << "Erreur d'accès au chemin/fichier";
        QTest::newRow("name leading out of the folder")
            << "nom" << 52 << "Nom ou numéro de fichier incorrect";
        QTest::newRow("empty name") << "nom-vide" << 52 << "Nom ou numéro de fichier incorrect";
    }
    void failureIsReported() {
        QFETCH(QString, cas);
        QFETCH(int, erreur);
        QFETCH(QString, description);
        const TestFolder dossier;
        QString nom = NOM;
        if (cas == "dossier-fichier") {
            écrire(dossier.memos(), "not a folder");
        } else {
            QVERIFY(QDir().mkpath(dossier.memos()));
            if (cas == "fiche-dossier") QVERIFY(QDir().mkpath(chemin(dossier, ".PSL") + "/x"));
            if (cas == "image-dossier") QVERIFY(QDir().mkpath(chemin(dossier, ".PS2") + "/x"));
            if (cas == "nom") nom = "../evade";
            if (cas == "nom-vide") nom.clear();
        }
        FakeCore plateforme;
        const Résultat_Écriture écrit =
            Écrire_Mnémo(plateforme, dossier.memos(), nom, ficheClaire(), imageDeTest(4, 4, 0));
        QCOMPARE(écrit.erreur, erreur);
        QCOMPARE(écrit.description, description);
        QVERIFY(!QFile::exists(dossier.path() + "/evade.PSL"));
        if (QFileInfo(dossier.memos()).isDir()) {
            for (const QString& fichier : fichiersDuDossier(dossier))
                QVERIFY2(!fichier.endsWith(".tmp") && !fichier.endsWith(".PS3"), qPrintable(fichier));
        }
    }

    // The writer refuses what the reader would cut: the limit holds on the bytes of the file, where a line
    // break takes two and every character one.
    void sizeLimitHoldsForWriterAndReader_data() {
        QTest::addColumn<qint64>("enTrop"); // bytes beyond the limit; 0 or less: within it
        QTest::addColumn<bool>("sautsDeLigne");
        QTest::newRow("exactly at the limit") << qint64(0) << false;
        QTest::newRow("one byte over") << qint64(1) << false;
        QTest::newRow("over only once line breaks take two bytes") << qint64(1) << true;
    }
    void sizeLimitHoldsForWriterAndReader() {
        QFETCH(qint64, enTrop);
        QFETCH(bool, sautsDeLigne);
        const TestFolder dossier;
        const Version ancienne = sauverPremièreVersion(dossier);

        // The record without its text, then a text that brings it to the size wanted.
        const qint64 sansTexte = octetsSauvés(ficheAvecTexte(QString())).size();
        const qint64 octetsDuTexte = LIMITE_FICHIER_FICHE - sansTexte + enTrop;
        QString texte;
        if (sautsDeLigne) {
            texte = QString(octetsDuTexte / 2, QLatin1Char('\n'));
            if (octetsDuTexte % 2) texte += QLatin1Char('x');
            QVERIFY(texte.size() < LIMITE_FICHIER_FICHE - sansTexte);
        } else {
            texte = QString(octetsDuTexte, QLatin1Char('x'));
        }

        FakeCore plateforme;
        const Résultat_Écriture écrit =
            Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheAvecTexte(texte), QImage());

        qint16 icône = 0;
        if (enTrop <= 0) {
            QVERIFY(écrit.ok());
            QCOMPARE(QFileInfo(chemin(dossier, ".PSL")).size(), LIMITE_FICHIER_FICHE);
            const Fiche_Mnémo lue = Lire_Fiche(dossier.memos(), NOM, icône);
            QVERIFY(lue.marqueursValides());
            QCOMPARE(lue.Texte.size(), texte.size());
            return;
        }
        QCOMPARE(écrit.erreur, ERREUR_DEPASSEMENT_CAPACITE);
        QCOMPARE(écrit.description,
                 QStringLiteral("Dépassement de capacité : le fichier de ce Mnémo dépasserait "
                                "la taille limite de 16 Mo (16777216 octets). Rien n'a été "
                                "enregistré."));
        QCOMPARE(contenu(chemin(dossier, ".PSL")), ancienne.fiche);
        QCOMPARE(contenu(chemin(dossier, ".PS2")), ancienne.image);
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
    }

    // A picture is read back only up to the decoding limit: the writer refuses what would not come back.
    void pictureLimitHoldsForWriterAndReader_data() {
        QTest::addColumn<int>("enTrop"); // MB beyond the reader's limit
        QTest::newRow("as large as the reader takes") << 0;
        QTest::newRow("a MB more") << 1;
    }
    void pictureLimitHoldsForWriterAndReader() {
        QFETCH(int, enTrop);
        const bool accepté = enTrop == 0;
        const int limite = LIMITE_MÉMOIRE_IMAGE_MO;
        // Lines of 4096 pixels of 4 bytes: 64 make a MB once read.
        const int lignes = (limite + enTrop) * 64;
        const TestFolder dossier;
        const Version ancienne = sauverPremièreVersion(dossier);
        QImage image(4096, lignes, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));

        FakeCore plateforme;
        const Résultat_Écriture écrit = Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), image);

        if (accepté) {
            QVERIFY(écrit.ok());
            QCOMPARE(Lire_Image(dossier.memos(), NOM).size(), image.size());
            return;
        }
        QCOMPARE(écrit.erreur, ERREUR_DEPASSEMENT_CAPACITE);
        QCOMPARE(écrit.description,
                 QStringLiteral("Dépassement de capacité : l'image de ce Mnémo, une fois relue, "
                                "dépasserait la taille limite de %1 Mo (%2 octets). Rien n'a "
                                "été enregistré.")
                     .arg(limite)
                     .arg(qint64(limite) * 1024 * 1024));
        QCOMPARE(contenu(chemin(dossier, ".PSL")), ancienne.fiche);
        QCOMPARE(contenu(chemin(dossier, ".PS2")), ancienne.image);
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
    }

    void leftoversOfAnInterruptedSaveDoNotStopTheNext() {
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        écrire(chemin(dossier, ".PSL.tmp"), "half");
        écrire(chemin(dossier, ".PS3"), "half");
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), imageDeTest(4, 4, 0)).ok());
        QCOMPARE(fichiersDuDossier(dossier), QStringList({NOM + ".PS2", NOM + ".PSL"}));
        QCOMPARE(contenu(chemin(dossier, ".PSL")), fixture("memo_clair.PSL"));
    }
};

QTEST_GUILESS_MAIN(TestEcriture)
#include "tst_store_ecriture.moc"
