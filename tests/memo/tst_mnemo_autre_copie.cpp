// Two running copies of the program with the same memo open: a save never replaces the other copy's
// version, nor brings back a memo it deleted, without the user's word; where nobody can answer, the memo
// is saved under a new name beside it.
#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "store/EcritureMnemo.h"
#include "store/FichiersMnemo.h"
#include "store/LectureFiche.h"
#include "store/Recuperation.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace {

const QString NOM = QStringLiteral("08122026_00042");
const QString NOUVEAU_NOM = QStringLiteral("08122026_77777");
const QString QUESTION =
    QStringLiteral("Le Mnémo a été modifié ailleurs depuis son ouverture. Le remplacer ?");

enum Changement { Réécrit, Supprimé };

Fiche_Mnémo fiche(const QString& texte) {
    Fiche_Mnémo f;
    f.Titre = QStringLiteral("Courses");
    f.Texte = texte;
    f.Police = QStringLiteral("MS Sans Serif");
    f.Taille = 10;
    f.Hauteur = 4515;
    f.Largeur = 3600;
    f.Ouvert = true;
    f.MdP = QString();
    return f;
}

} // namespace

class TestMnemoAutreCopie : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init() { préparerBanc(); }
    void cleanup() {
        delete fenêtre_.data();
        rangerBanc();
    }

    void changedElsewhereAsks_data() {
        QTest::addColumn<int>("changement");
        QTest::addColumn<int>("réponse");
        QTest::newRow("rewritten, replaced") << int(Réécrit) << vbYes;
        QTest::newRow("rewritten, kept") << int(Réécrit) << vbNo;
        QTest::newRow("deleted, written again") << int(Supprimé) << vbYes;
        QTest::newRow("deleted, left deleted") << int(Supprimé) << vbNo;
    }
    void changedElsewhereAsks() {
        QFETCH(int, changement);
        QFETCH(int, réponse);
        Mnemo* f = ouvrir();
        f->setTexte(QStringLiteral("Tapé ici"));
        f->Modifié = true;
        changerAilleurs(Changement(changement));
        const QByteArray ailleurs = record();

        plateforme_->answers = {réponse};
        f->Mnu_Sauvegarder_Click();
        QCOMPARE(plateforme_->messages.size(), 1);
        QCOMPARE(plateforme_->messages[0].text, QUESTION);
        QCOMPARE(plateforme_->messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Question);
        QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Mmémo : Courses"));
        QCOMPARE(f->Tag, NOM);
        if (réponse == vbNo) {
            QVERIFY(f->Modifié);
            QCOMPARE(record(), ailleurs);
            QCOMPARE(QFile::exists(chemin(NOM)), changement == Réécrit);
            return;
        }
        QVERIFY(!f->Modifié);
        QCOMPARE(texteSurDisque(NOM), QStringLiteral("Tapé ici"));
        // What it wrote is now what it knows: the next save asks nothing.
        f->setTexte(QStringLiteral("Encore"));
        QVERIFY(f->Sauvegarder());
        QCOMPARE(plateforme_->messages.size(), 1);
    }

    // Its own saves and its own record, read or written, never count as changed elsewhere.
    void ownRecordAsksNothing_data() {
        QTest::addColumn<bool>("lu");
        QTest::newRow("new memo") << false;
        QTest::newRow("memo read from its file") << true;
    }
    void ownRecordAsksNothing() {
        QFETCH(bool, lu);
        Mnemo* f = lu ? ouvrir() : créer();
        for (const QString& texte : {QStringLiteral("un"), QStringLiteral("deux")}) {
            f->setTexte(texte);
            QVERIFY(f->Sauvegarder());
            QCOMPARE(texteSurDisque(NOM), texte);
        }
        QVERIFY(plateforme_->messages.isEmpty());
    }

    // Deleted from this window and saved again when it closes: the files it removed itself.
    void ownDeletionThenSaveAsksNothingMore() {
        Mnemo* f = ouvrir();
        f->show();
        f->Modifié = true;
        plateforme_->answers = {vbYes, vbYes}; // delete it, then save it on closing
        f->Mnu_Supprimer_Click();
        QCOMPARE(plateforme_->messages.size(), 2);
        QCOMPARE(plateforme_->messages[1].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
        QVERIFY(QFile::exists(chemin(NOM)));
    }

    void withoutQuestionsSavesUnderANewName_data() {
        QTest::addColumn<int>("changement");
        QTest::newRow("rewritten elsewhere") << int(Réécrit);
        QTest::newRow("deleted elsewhere") << int(Supprimé);
    }
    void withoutQuestionsSavesUnderANewName() {
        QFETCH(int, changement);
        contexte_->Nouveau_Nom_Mnémo = [] { return NOUVEAU_NOM; };
        Mnemo* f = ouvrir();
        f->setTexte(QStringLiteral("Tapé ici"));
        f->Modifié = true;
        QVERIFY(f->Écrire_Récupération());
        changerAilleurs(Changement(changement));
        const QByteArray ailleurs = record();

        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("Pensoir : le Mnémo « Courses » avait été modifié ailleurs depuis son "
                                      "ouverture ; il est enregistré sous un nouveau nom, dans %1, et %2.")
                           .arg(chemin(NOUVEAU_NOM),
                                changement == Réécrit
                                    ? QStringLiteral("ce que l'autre copie a écrit dans %1 est gardé")
                                          .arg(chemin(NOM))
                                    : QStringLiteral("%1, supprimé ailleurs, le reste").arg(chemin(NOM)))));
        QString pourquoi;
        QVERIFY(f->Sauvegarder(false, &pourquoi));
        QVERIFY(plateforme_->messages.isEmpty());
        QVERIFY(!f->Modifié);
        QCOMPARE(f->Tag, NOUVEAU_NOM);
        QCOMPARE(texteSurDisque(NOUVEAU_NOM), QStringLiteral("Tapé ici"));
        QCOMPARE(record(), ailleurs); // the other copy's version, or its deletion, stands
        // Nothing is offered back over the other copy's version at the next start.
        QVERIFY(Lire_Récupérations(dossier_->memos()).isEmpty());
        // The new record is its own from now on.
        QVERIFY(f->Sauvegarder());
        QVERIFY(plateforme_->messages.isEmpty());
    }

    void withoutQuestionsUnchangedKeepsItsName() {
        contexte_->Nouveau_Nom_Mnémo = [] { return NOUVEAU_NOM; };
        Mnemo* f = ouvrir();
        f->setTexte(QStringLiteral("Tapé ici"));
        QVERIFY(f->Sauvegarder(false));
        QCOMPARE(f->Tag, NOM);
        QCOMPARE(texteSurDisque(NOM), QStringLiteral("Tapé ici"));
        QVERIFY(!QFile::exists(chemin(NOUVEAU_NOM)));
    }

    // No name to move to, or the new name's save fails: nothing is written, the window keeps its memo
    // name, and its recovery copy stays under it.
    void withoutQuestionsNoNewNameWritesNothing() {
        Mnemo* f = ouvrir();
        f->setTexte(QStringLiteral("Tapé ici"));
        f->Modifié = true;
        QVERIFY(f->Écrire_Récupération());
        changerAilleurs(Réécrit);
        const QByteArray ailleurs = record();

        QString pourquoi;
        QVERIFY(!f->Sauvegarder(false, &pourquoi));
        QVERIFY(pourquoi.contains(QStringLiteral("modifié ailleurs")));
        QVERIFY(f->Modifié);
        QCOMPARE(f->Tag, NOM);
        QCOMPARE(record(), ailleurs);
        QCOMPARE(Lire_Récupérations(dossier_->memos()).size(), 1);
    }

private:
    QString chemin(const QString& nom) const { return Chemin_Mnémo(dossier_->memos(), nom, EXTENSION_FICHE); }
    QByteArray record() const {
        QFile fichier(chemin(NOM));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    QString texteSurDisque(const QString& nom) const {
        qint16 icône = 0;
        return Lire_Fiche(dossier_->memos(), nom, icône).Texte;
    }

    Mnemo* créer() {
        fenêtre_ = new Mnemo(*contexte_);
        fenêtre_->Tag = NOM;
        return fenêtre_;
    }
    // The memo on disk, opened into a window as the memo folder's reading does.
    Mnemo* ouvrir() {
        if (!Écrire_Mnémo(*plateforme_, dossier_->memos(), NOM, fiche(QStringLiteral("Lu")), QImage()).ok())
            qFatal("cannot write the memo");
        Mnemo* f = créer();
        qint16 icône = 0;
        f->Remplir(Lire_Fiche(dossier_->memos(), NOM, icône), QStringLiteral("Lu"), QString(), QImage(), 0);
        return f;
    }
    // What another copy of the program does meanwhile.
    void changerAilleurs(Changement changement) {
        if (changement == Supprimé) {
            QVERIFY(QFile::remove(chemin(NOM)));
            return;
        }
        QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), NOM, fiche(QStringLiteral("Écrit ailleurs")),
                             QImage())
                    .ok());
    }

    QPointer<Mnemo> fenêtre_;
};

QTEST_MAIN(TestMnemoAutreCopie)
#include "tst_mnemo_autre_copie.moc"
