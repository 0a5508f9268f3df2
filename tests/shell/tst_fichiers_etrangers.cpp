// Files the program finds in a state it did not leave them in: a picture it cannot open, what crashed
// saves left aside, a title of any length, a record another running copy rewrote.
#include "FakePlatform.h"
#include "FicheDeTest.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "memo/Mnemo.h"
#include "shell/FrmUtilitaires.h"
#include "shell/PanneauListe.h"
#include "store/EcritureMnemo.h"
#include "store/FichiersMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QtEndian>

namespace {

const QString NOM = QStringLiteral("01122026_00001");

QByteArray bmpAnnonçant(int largeur, int hauteur) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "BMP");
    qToLittleEndian<qint32>(largeur, octets.data() + 18);
    qToLittleEndian<qint32>(hauteur, octets.data() + 22);
    return octets;
}

void créerDaté(const QString& chemin, const QDateTime& modifié) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write("reste") != 5 || !fichier.flush() ||
        !fichier.setFileTime(modifié, QFileDevice::FileModificationTime))
        qFatal("cannot write %s", qPrintable(chemin));
}

} // namespace

class TestFichiersEtrangers : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dossier_ = std::make_unique<TestFolder>();
        plateforme_ = std::make_unique<FakePlatform>();
        fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
        fenêtre_->terminer = [] {};
    }
    void cleanup() {
        for (Mnemo* m : ouvertes())
            delete m;
        fenêtre_.reset();
        plateforme_.reset();
        dossier_.reset();
    }

    // The memo opens without its picture, and the user is told once, with the memo and the reason; the
    // picture file stays for a later look.
    void unreadablePictureIsToldOnce_data() {
        QTest::addColumn<int>("genre"); // 0 bytes, 1 folder, 2 sparse file of 1 GB
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("raison");
        QTest::newRow("empty file") << 0 << QByteArray() << "son fichier d'image est vide";
        QTest::newRow("bitmap claiming 30000 x 30000")
            << 0 << Masquer_Image(bmpAnnonçant(30000, 30000), std::uint8_t(50))
            << "son fichier d'image ne contient pas d'image lisible";
        QTest::newRow("folder named like the picture") << 1 << QByteArray() << "n'est pas un fichier d'image";
        QTest::newRow("sparse file of 1 GB") << 2 << QByteArray() << "son fichier d'image dépasse 256 Mo";
    }
    void unreadablePictureIsToldOnce() {
        QFETCH(int, genre);
        QFETCH(QByteArray, octets);
        QFETCH(QString, raison);
        écrire(NOM, QStringLiteral("Vacances"));
        const QString image = Chemin_Mnémo(dossier_->memos(), NOM, EXTENSION_IMAGE);
        if (genre == 1) {
            QVERIFY(QDir().mkpath(image));
        } else {
            QFile fichier(image);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            QCOMPARE(fichier.write(octets), octets.size());
            if (genre == 2) QVERIFY(fichier.resize(qint64(1) << 30));
        }

        fenêtre_->Form_Load();
        QCOMPARE(ouvertes().size(), 1);
        QVERIFY(ouvertes()[0]->Image().isNull());
        QCOMPARE(ouvertes()[0]->Texte(), QStringLiteral("texte de Vacances"));
        QCOMPARE(plateforme_->messages.size(), 1);
        const ShownMessage& message = plateforme_->messages[0];
        QVERIFY2(message.text.startsWith(QStringLiteral("Le Mnémo « Vacances » s'ouvre sans son image : ")),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(raison), qPrintable(message.text));
        QVERIFY(message.text.contains(image));
        QCOMPARE(message.caption, QStringLiteral("Lecture du Mnémo : 01122026_00001.PS2"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);

        // Asked to open again, the memo already open says nothing more; saved, it keeps the picture file.
        fenêtre_->Lecture_Mnémos(true, false, false);
        QCOMPARE(plateforme_->messages.size(), 1);
        QVERIFY(ouvertes()[0]->Sauvegarder());
        QVERIFY(QFileInfo::exists(image));
        if (genre == 2) QCOMPARE(QFileInfo(image).size(), qint64(1) << 30);
    }

    // Leftovers of a crashed save go only when this copy holds the lock: without it, another copy may be
    // saving now.
    void leftoversGoOnlyWithTheLock_data() {
        QTest::addColumn<bool>("autreCopie");
        QTest::addColumn<QString>("verrouImpossible");
        QTest::addColumn<bool>("supprimés");
        QTest::newRow("lock held") << false << QString() << true;
        QTest::newRow("another copy holds it") << true << QString() << false;
        QTest::newRow("lock not taken")
            << false << QStringLiteral("Le dossier ne peut pas être écrit") << false;
    }
    void leftoversGoOnlyWithTheLock() {
        QFETCH(bool, autreCopie);
        QFETCH(QString, verrouImpossible);
        QFETCH(bool, supprimés);
        plateforme_->otherCopy = autreCopie;
        plateforme_->lockFailure = verrouImpossible;
        QVERIFY(QDir().mkpath(dossier_->memos()));
        const QDateTime maintenant = plateforme_->now();
        const QString vieux = Chemin_Mnémo(dossier_->memos(), NOM, EXTENSION_FICHE_PROVISOIRE);
        const QString vieilleImage = Chemin_Mnémo(dossier_->memos(), NOM, EXTENSION_IMAGE_PROVISOIRE);
        const QString récent =
            Chemin_Mnémo(dossier_->memos(), QStringLiteral("01122026_00002"), EXTENSION_FICHE_PROVISOIRE);
        créerDaté(vieux, maintenant.addSecs(-120));
        créerDaté(vieilleImage, maintenant.addDays(-3));
        créerDaté(récent, maintenant.addSecs(-10));

        fenêtre_->Form_Load();
        QCOMPARE(QFile::exists(vieux), !supprimés);
        QCOMPARE(QFile::exists(vieilleImage), !supprimés);
        QVERIFY(QFile::exists(récent));
    }

    // A title and an alarm message of 100 000 letters open, the title is listed on its 32 columns and
    // names the window in a line, and both come back whole from a save.
    void hugeTitleOpensAndSaves() {
        const QString titre = QString(100000, QLatin1Char('T'));
        const QString message = QStringLiteral("Rappel ").repeated(14285) + QStringLiteral("fin");
        écrire(NOM, titre, QStringLiteral("texte"), message);
        fenêtre_->Form_Load();
        QCOMPARE(ouvertes().size(), 1);
        Mnemo* mnémo = ouvertes()[0];
        QCOMPARE(mnémo->Titre(), titre);
        QVERIFY(mnémo->windowTitle().size() <= 300);
        QCOMPARE(fenêtre_->FR_Liste->LB_Liste->item(0)->text().size(), 32 + 2 + 10);

        mnémo->setTexte(QStringLiteral("changé"));
        QVERIFY(mnémo->Sauvegarder());
        qint16 icône = 0;
        const Fiche_Mnémo relue = Lire_Fiche(dossier_->memos(), NOM, icône);
        QVERIFY(relue.marqueursValides());
        QCOMPARE(relue.Titre, titre);
        QCOMPARE(relue.Message.size(), message.size());
        QCOMPARE(relue.Message, message);
        QCOMPARE(relue.Texte, QStringLiteral("changé"));
    }

    // At the end of the session nobody can be asked: a memo another copy rewrote is saved under a new name,
    // and the other copy's record stays as it wrote it.
    void endOfSessionSavesBesideAnotherCopysVersion() {
        écrire(NOM, QStringLiteral("Partagé"));
        fenêtre_->Form_Load();
        QCOMPARE(ouvertes().size(), 1);
        Mnemo* mnémo = ouvertes()[0];
        mnémo->setTexte(QStringLiteral("tapé dans cette copie"));
        mnémo->Modifié = true;
        écrire(NOM, QStringLiteral("Partagé"), QStringLiteral("écrit par l'autre copie"));
        const QString fichierAutre = Chemin_Mnémo(dossier_->memos(), NOM, EXTENSION_FICHE);
        QFile autre(fichierAutre);
        QVERIFY(autre.open(QIODevice::ReadOnly));
        const QByteArray versionAutre = autre.readAll();
        autre.close();

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "le Mnémo « Partagé » avait été modifié ailleurs")));
        fenêtre_->Fin_Sans_Question();
        QVERIFY(plateforme_->messages.isEmpty());
        QVERIFY(autre.open(QIODevice::ReadOnly));
        QCOMPARE(autre.readAll(), versionAutre);
        const QStringList fiches = QDir(dossier_->memos()).entryList({QStringLiteral("*.PSL")}, QDir::Files);
        QCOMPARE(fiches.size(), 2);
        const QString nouveau = fiches[0] == NOM + EXTENSION_FICHE ? fiches[1] : fiches[0];
        QVERIFY(nouveau.startsWith(plateforme_->now().date().toString(QStringLiteral("ddMMyyyy_"))));
        qint16 icône = 0;
        QCOMPARE(Lire_Fiche(dossier_->memos(), nouveau.chopped(4), icône).Texte,
                 QStringLiteral("tapé dans cette copie"));
    }

    // Another copy saves the memo while this one asks for its password: the window shows the version read
    // before, and its save asks before replacing the other's.
    void savedElsewhereWhileThePasswordIsAsked() {
        écrire(NOM, QStringLiteral("Secret"), QStringLiteral("lu ici"), {}, QStringLiteral("Clef8car"));
        plateforme_->dialogHandlers.push_back([this](QDialog& d) {
            écrire(NOM, QStringLiteral("Secret"), QStringLiteral("écrit ailleurs"), {},
                   QStringLiteral("Clef8car"));
            d.findChild<QLineEdit*>(QStringLiteral("TX_MdP"))->setText(QStringLiteral("Clef8car"));
            static_cast<FrmSaisie&>(d).PB_Valider_Click();
            return int(QDialog::Accepted);
        });
        fenêtre_->Form_Load();
        QCOMPARE(ouvertes().size(), 1);
        QCOMPARE(ouvertes()[0]->Texte(), QStringLiteral("lu ici"));

        const QString chemin = Chemin_Mnémo(dossier_->memos(), NOM, EXTENSION_FICHE);
        const auto lire = [&chemin] {
            QFile fichier(chemin);
            return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
        };
        const QByteArray ailleurs = lire();
        plateforme_->answers = {vbNo};
        QVERIFY(!ouvertes()[0]->Sauvegarder());
        QCOMPARE(plateforme_->messages.size(), 1);
        QCOMPARE(plateforme_->messages[0].text,
                 QStringLiteral("Le Mnémo a été modifié ailleurs depuis son ouverture. Le remplacer ?"));
        QCOMPARE(lire(), ailleurs);
    }

private:
    void écrire(const QString& nom, const QString& titre, const QString& texte = {},
                const QString& message = {}, const QString& motDePasse = {}) {
        Fiche_Mnémo fiche =
            ficheDeTest(titre, texte.isEmpty() ? QStringLiteral("texte de ") + titre.left(20) : texte, true);
        fiche.MdP = motDePasse;
        fiche.Message = message;
        fiche.Alarme = !message.isEmpty();
        QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), nom, fiche, QImage()).ok());
    }
    QList<Mnemo*> ouvertes() const {
        QList<Mnemo*> liste;
        if (!fenêtre_) return liste;
        for (int slot = 1; slot <= fenêtre_->Nb_Fenêtres; ++slot)
            if (Mnemo* m = fenêtre_->Fenêtres_Mnémo[slot]) liste << m;
        return liste;
    }

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
};

QTEST_MAIN(TestFichiersEtrangers)
#include "tst_fichiers_etrangers.moc"
