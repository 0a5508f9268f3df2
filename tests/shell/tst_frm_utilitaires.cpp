#include "FakePlatform.h"
#include "TestFolder.h"

#include "dialogs/APropos.h"
#include "memo/Mnemo.h"
#include "shell/FrmUtilitaires.h"
#include "store/Recuperation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The main window's start-up, tray handling and shut-down, driven through the scripted platform.
class TestFrmUtilitaires : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void demarrageDansLOrdre();
    void secondExemplaireAverti();
    void sansBarreLaFenetreReste();
    void dossiersPrivesAuDemarrage_data();
    void dossiersPrivesAuDemarrage();
    void sourisBarre_data();
    void sourisBarre();
    void quitterFermeTout_data();
    void quitterFermeTout();
    void boutonsDeLaColonne();
    void aPropos();
    void verrouImpossibleSignale();
    void quitterArreteSurUnEchec_data();
    void quitterArreteSurUnEchec();
    void finSansQuestion_data();
    void finSansQuestion();
    void finPendantUneQuestion_data();
    void finPendantUneQuestion();

private:
    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
    int terminaisons_ = 0;
};

void TestFrmUtilitaires::init() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    terminaisons_ = 0;
    fenêtre_->terminer = [this] { ++terminaisons_; };
}

void TestFrmUtilitaires::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

void TestFrmUtilitaires::demarrageDansLOrdre() {
    fenêtre_->show();
    fenêtre_->Form_Load();
    QCOMPARE(plateforme_->journal, QStringList{QStringLiteral("tray:add")});
    QVERIFY(plateforme_->messages.isEmpty());
    QCOMPARE(plateforme_->trayIcon.tip,
             QStringLiteral("mardi 8 décembre 2026, jour 342, sem 49, trim 4 - Clic droit = "));
    QVERIFY(!fenêtre_->isVisible());
    QVERIFY(!fenêtre_->contexte.Fermeture_En_Cours);
    QVERIFY(!fenêtre_->Timer1.Enabled());
}

void TestFrmUtilitaires::secondExemplaireAverti() {
    plateforme_->otherCopy = true;
    fenêtre_->Form_Load();
    QCOMPARE(plateforme_->journal, QStringList({QStringLiteral("beep"),
                                                QStringLiteral("message:Cette application est déjà lancée !"),
                                                QStringLiteral("tray:add")}));
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.caption, QStringLiteral("Pensoir"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.owner, fenêtre_.get());
    QCOMPARE(terminaisons_, 0); // the second copy carries on
}

void TestFrmUtilitaires::sansBarreLaFenetreReste() {
    plateforme_->trayIcon.available = false;
    fenêtre_->Form_Load();
    QVERIFY(fenêtre_->isVisible());
}

// The folders whose files say which programs to run: the user's become private at start-up, another
// account's are only warned about, missing ones are not made.
void TestFrmUtilitaires::dossiersPrivesAuDemarrage_data() {
    QTest::addColumn<int>("mnemos"); // mode, 0: no folder
    QTest::addColumn<int>("menus");
    QTest::addColumn<bool>("àUnAutreCompte");
    QTest::addColumn<int>("mnemosAprès");
    QTest::addColumn<int>("menusAprès");
    QTest::newRow("ouverts à tous") << 0777 << 0777 << false << 0700 << 0700;
    QTest::newRow("lisibles par tous") << 0755 << 0755 << false << 0700 << 0700;
    QTest::newRow("déjà privés") << 0700 << 0700 << false << 0700 << 0700;
    QTest::newRow("Menus seul") << 0 << 0775 << false << 0 << 0700;
    QTest::newRow("aucun dossier") << 0 << 0 << false << 0 << 0;
    QTest::newRow("à un autre compte: averti, pas changé") << 0777 << 0755 << true << 0777 << 0755;
}

void TestFrmUtilitaires::dossiersPrivesAuDemarrage() {
    QFETCH(int, mnemos);
    QFETCH(int, menus);
    QFETCH(bool, àUnAutreCompte);
    QFETCH(int, mnemosAprès);
    QFETCH(int, menusAprès);
    constexpr uid_t AUTRE_COMPTE = 54321; // an account id nobody on the machine has
    const auto mode = [](const QString& dossier) {
        struct stat état {};
        return ::stat(QFile::encodeName(dossier).constData(), &état) == 0 ? int(état.st_mode & 07777) : 0;
    };
    const QList<QPair<QString, int>> dossiers = {{dossier_->memos(), mnemos}, {dossier_->menus(), menus}};
    for (const auto& [dossier, modeAvant] : dossiers) {
        if (modeAvant == 0) continue;
        QVERIFY(QDir().mkpath(dossier));
        const QByteArray nom = QFile::encodeName(dossier);
        if (àUnAutreCompte && ::chown(nom.constData(), AUTRE_COMPTE, static_cast<gid_t>(-1)) != 0)
            QSKIP("giving a folder to another account needs root");
        QCOMPARE(::chmod(nom.constData(), static_cast<mode_t>(modeAvant)), 0);
        if (àUnAutreCompte)
            QTest::ignoreMessage(
                QtWarningMsg, qUtf8Printable(QStringLiteral("Pensoir : le dossier %1 appartient à un autre "
                                                            "compte ; ses droits d'accès ne sont pas "
                                                            "changés. Vérifiez que vous seul pouvez y "
                                                            "écrire : les programmes des alarmes et du "
                                                            "menu y sont lus.")
                                                 .arg(dossier)));
    }

    fenêtre_->Form_Load();

    QCOMPARE(mode(dossier_->memos()), mnemosAprès);
    QCOMPARE(mode(dossier_->menus()), menusAprès);
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestFrmUtilitaires::sourisBarre_data() {
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("visibleAvant");
    QTest::addColumn<bool>("fermeture");
    QTest::addColumn<bool>("visibleAprès");
    QTest::addColumn<int>("menus");

    QTest::newRow("gauche enfoncé montre la fenêtre") << WM_LBUTTONDOWN << false << false << true << 0;
    QTest::newRow("gauche enfoncé, déjà visible") << WM_LBUTTONDOWN << true << false << true << 0;
    QTest::newRow("droit relâché ouvre le menu") << WM_RBUTTONUP << false << false << false << 1;
    QTest::newRow("gauche relâché ignoré") << WM_LBUTTONUP << false << false << false << 0;
    QTest::newRow("double clic ignoré") << WM_LBUTTONDBLCLK << false << false << false << 0;
    QTest::newRow("droit enfoncé ignoré") << WM_RBUTTONDOWN << false << false << false << 0;
    QTest::newRow("gauche pendant la fermeture") << WM_LBUTTONDOWN << false << true << false << 0;
    QTest::newRow("droit pendant la fermeture") << WM_RBUTTONUP << false << true << false << 0;
}

void TestFrmUtilitaires::sourisBarre() {
    QFETCH(int, message);
    QFETCH(bool, visibleAvant);
    QFETCH(bool, fermeture);
    QFETCH(bool, visibleAprès);
    QFETCH(int, menus);

    fenêtre_->Form_Load();
    fenêtre_->setVisible(visibleAvant);
    fenêtre_->FR_Liste->show();
    fenêtre_->contexte.Fermeture_En_Cours = fermeture;

    plateforme_->trayIcon.press(message);

    QCOMPARE(fenêtre_->isVisible(), visibleAprès);
    QCOMPARE(plateforme_->menusShown.size(), menus);
    if (menus) QCOMPARE(plateforme_->menusShown.constFirst(), fenêtre_->MenuPopUp);
    QCOMPARE(fenêtre_->FR_Liste->isVisibleTo(fenêtre_.get()), message != WM_LBUTTONDOWN || fermeture);
}

void TestFrmUtilitaires::quitterFermeTout_data() {
    QTest::addColumn<QString>("commande");
    QTest::newRow("menu &Quitter") << QStringLiteral("menu");
    QTest::newRow("bouton Quitter") << QStringLiteral("bouton");
    QTest::newRow("case de fermeture") << QStringLiteral("cadre");
}

void TestFrmUtilitaires::quitterFermeTout() {
    QFETCH(QString, commande);
    fenêtre_->Form_Load();
    fenêtre_->show();

    // Two memo windows, one of which the user closed already, and an empty slot.
    Mnemo ouverte(fenêtre_->contexte), fermée(fenêtre_->contexte);
    for (Mnemo* m : {&ouverte, &fermée})
        m->setAttribute(Qt::WA_DeleteOnClose, false);
    ouverte.show();
    fenêtre_->Fenêtres_Mnémo[1] = &ouverte;
    fenêtre_->Fenêtres_Mnémo[3] = &fermée;
    fenêtre_->Nb_Fenêtres = 3;

    if (commande == QLatin1String("menu"))
        fenêtre_->Mnu_Quit->trigger();
    else if (commande == QLatin1String("bouton"))
        fenêtre_->Command6->click();
    else
        fenêtre_->close();

    QVERIFY(fenêtre_->contexte.Fermeture_En_Cours);
    QVERIFY(!ouverte.isVisible());
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({QStringLiteral("add"), QStringLiteral("remove")}));
    QCOMPARE(terminaisons_, 1);

    // Tray messages that still arrive are ignored.
    plateforme_->trayIcon.press(WM_RBUTTONUP);
    QVERIFY(plateforme_->menusShown.isEmpty());
}

void TestFrmUtilitaires::boutonsDeLaColonne() {
    const QList<QPushButton*> boutons = {fenêtre_->Command2, fenêtre_->Command5, fenêtre_->Command1,
                                         fenêtre_->Command3, fenêtre_->Command8, fenêtre_->Command7,
                                         fenêtre_->Command4, fenêtre_->Command6};
    const QStringList légendes = {
        "&Masquer", "Ajout menu", "Démarrage par Windows", "Alarme", "Identifiant Windows", "Infos système",
        "A propos", "Quitter"};
    for (int i = 0; i < boutons.size(); ++i) {
        QCOMPARE(boutons[i]->text(), légendes[i]);
        QCOMPARE(boutons[i]->geometry(), QRect(2, 2 + 26 * i, 121, 25));
    }
    QCOMPARE(fenêtre_->Command1->font().pointSizeF(), 6.75);
    QCOMPARE(fenêtre_->Command6->font().pointSizeF(), 8.25);
    QCOMPARE(fenêtre_->windowTitle(), QStringLiteral("      Pensoir"));
    QCOMPARE(fenêtre_->size(), QSize(123, 213));
    QCOMPARE(fenêtre_->Largeur(), FrmUtilitaires::LARGEUR_BOUTONS);

    fenêtre_->show();
    fenêtre_->Command2->click();
    QVERIFY(!fenêtre_->isVisible());
}

void TestFrmUtilitaires::aPropos() {
    QString titre, nom, version;
    bool auDessus = false;
    plateforme_->dialogHandlers.push_back([&](QDialog& dialogue) {
        titre = dialogue.windowTitle();
        auDessus = dialogue.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        nom = dialogue.findChild<QLabel*>(QStringLiteral("nom"))->text();
        version = dialogue.findChild<QLabel*>(QStringLiteral("version"))->text();
        return int(QDialog::Rejected);
    });
    fenêtre_->Command4->click();
    QCOMPARE(plateforme_->dialogNames(), QStringList{QStringLiteral("A_propos")});
    QCOMPARE(plateforme_->dialogsShown.constFirst().owner, fenêtre_.get());
    QCOMPARE(titre, QStringLiteral("A propos"));
    QCOMPARE(nom, QStringLiteral("Pensoir"));
    QCOMPARE(version, QStringLiteral("Version 1.20"));
    QVERIFY(auDessus);
}

// The lock could not be taken although no other copy runs: the user is told why, and the program starts.
void TestFrmUtilitaires::verrouImpossibleSignale() {
    plateforme_->lockFailure = QStringLiteral("Le dossier de Pensoir « /x » n'est pas utilisable : raison.");
    fenêtre_->Form_Load();
    QCOMPARE(plateforme_->journal, QStringList({QStringLiteral("message:") + plateforme_->lockFailure,
                                                QStringLiteral("tray:add")}));
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.caption, QStringLiteral("Pensoir"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(terminaisons_, 0);
}

void TestFrmUtilitaires::quitterArreteSurUnEchec_data() {
    quitterFermeTout_data();
}

// A memo whose save fails while the program quits stays open with its text, the windows after it are not
// asked, and the program goes on; once the cause is gone, quitting works.
void TestFrmUtilitaires::quitterArreteSurUnEchec() {
    QFETCH(QString, commande);
    fenêtre_->Form_Load();
    fenêtre_->show();
    Mnemo première(fenêtre_->contexte), seconde(fenêtre_->contexte);
    int slot = 0;
    for (Mnemo* m : {&première, &seconde}) {
        m->setAttribute(Qt::WA_DeleteOnClose, false);
        m->Tag = QStringLiteral("08122026_0000%1").arg(++slot);
        m->setTitre(m->Tag);
        m->setTexte(QStringLiteral("tapé"));
        m->Modifié = true;
        m->show();
        fenêtre_->Fenêtres_Mnémo[slot] = m;
    }
    fenêtre_->Nb_Fenêtres = 2;
    // The first memo's record cannot be written: a folder has its name.
    QVERIFY(QDir().mkpath(première.Fichier_Fiche() + QStringLiteral("/dedans")));
    const auto quitter = [&] {
        if (commande == QLatin1String("menu"))
            fenêtre_->Mnu_Quit->trigger();
        else if (commande == QLatin1String("bouton"))
            fenêtre_->Command6->click();
        else
            fenêtre_->close();
    };
    plateforme_->answers = {vbYes};
    quitter();

    QCOMPARE(plateforme_->messages.size(), 2);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
    QCOMPARE(plateforme_->messages[1].caption, QStringLiteral("erreur 75"));
    QVERIFY(première.isVisible() && première.Modifié);
    QVERIFY(seconde.isVisible() && seconde.Modifié);
    QCOMPARE(terminaisons_, 0);
    QCOMPARE(plateforme_->trayIcon.calls, QStringList{QStringLiteral("add")});
    QVERIFY(!fenêtre_->contexte.Fermeture_En_Cours);
    QVERIFY(fenêtre_->isVisible());

    QVERIFY(QDir(première.Fichier_Fiche()).removeRecursively());
    plateforme_->answers = {vbYes, vbYes};
    quitter();
    QCOMPARE(terminaisons_, 1);
    QVERIFY(!première.isVisible() && !seconde.isVisible());
    QVERIFY(QFile::exists(première.Fichier_Fiche()) && QFile::exists(seconde.Fichier_Fiche()));
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({QStringLiteral("add"), QStringLiteral("remove")}));
}

void TestFrmUtilitaires::finSansQuestion_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("modifié");
    QTest::addColumn<bool>("bloqué"); // the record's name is taken by a folder
    QTest::addColumn<bool>("enregistré");
    QTest::addColumn<QString>("raison"); // on stderr; empty: nothing said
    QTest::newRow("modified memo saved") << "tapé avant la fin" << true << false << true << "";
    QTest::newRow("unmodified memo left alone") << "tapé avant la fin" << false << false << false << "";
    QTest::newRow("letters its file cannot hold")
        << "Łódź" << true << false << false << "des caractères que son fichier ne peut pas garder : Ł ź";
    QTest::newRow("record cannot be written")
        << "tapé avant la fin" << true << true << false << "Erreur d'accès au chemin/fichier";
}

// A signal or the end of the session: every modified memo is saved without a question; one that cannot be
// keeps its recovery copy, and stderr names it; then the usual shut-down.
void TestFrmUtilitaires::finSansQuestion() {
    QFETCH(QString, texte);
    QFETCH(bool, modifié);
    QFETCH(bool, bloqué);
    QFETCH(bool, enregistré);
    QFETCH(QString, raison);
    fenêtre_->Form_Load();
    Mnemo mnémo(fenêtre_->contexte);
    mnémo.setAttribute(Qt::WA_DeleteOnClose, false);
    mnémo.Tag = QStringLiteral("08122026_00001");
    mnémo.setTitre(QStringLiteral("Courses"));
    mnémo.setTexte(texte);
    mnémo.Modifié = modifié;
    mnémo.show();
    fenêtre_->Fenêtres_Mnémo[1] = &mnémo;
    fenêtre_->Nb_Fenêtres = 1;
    if (bloqué) QVERIFY(QDir().mkpath(mnémo.Fichier_Fiche() + QStringLiteral("/dedans")));
    if (!raison.isEmpty())
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("Pensoir : le Mnémo « Courses » n'a pas été enregistré dans %1 "
                                      "(%2) ; ses modifications sont gardées dans %3 et seront "
                                      "proposées au prochain démarrage.")
                           .arg(mnémo.Fichier_Fiche(), raison, mnémo.Fichier_Récupération())));

    fenêtre_->Fin_Sans_Question();

    QVERIFY(plateforme_->messages.isEmpty());
    QVERIFY(!mnémo.isVisible());
    QCOMPARE(QFileInfo(mnémo.Fichier_Fiche()).isFile(), enregistré);
    const QList<Récupération> copies = Lire_Récupérations(dossier_->memos());
    QCOMPARE(copies.size(), raison.isEmpty() ? 0 : 1);
    if (!copies.isEmpty()) QCOMPARE(copies[0].fiche.Texte, texte);
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({QStringLiteral("add"), QStringLiteral("remove")}));
    QCOMPARE(terminaisons_, 1);
    QVERIFY(fenêtre_->estTerminé());
}

void TestFrmUtilitaires::finPendantUneQuestion_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("bloqué"); // the record's name is taken by a folder
    QTest::newRow("closing question, saved") << "fermeture" << false;
    QTest::newRow("closing question, record cannot be written") << "fermeture" << true;
    QTest::newRow("save question on leaving the memo, saved") << "activation" << false;
    QTest::newRow("save question on leaving the memo, record cannot be written") << "activation" << true;
}

// The end comes while the user is being asked whether to save: it does not wait for the answer, and the
// answer the ended box gives is nobody's: a memo that could not be saved keeps its recovery copy.
void TestFrmUtilitaires::finPendantUneQuestion() {
    QFETCH(QString, question);
    QFETCH(bool, bloqué);
    fenêtre_->Form_Load();
    Mnemo mnémo(fenêtre_->contexte);
    mnémo.setAttribute(Qt::WA_DeleteOnClose, false);
    mnémo.Tag = QStringLiteral("08122026_00001");
    mnémo.setTexte(QStringLiteral("tapé"));
    mnémo.Modifié = true;
    mnémo.show();
    fenêtre_->Fenêtres_Mnémo[1] = &mnémo;
    fenêtre_->Nb_Fenêtres = 1;
    if (bloqué) {
        QVERIFY(QDir().mkpath(mnémo.Fichier_Fiche() + QStringLiteral("/dedans")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("n'a pas été enregistré")));
    }
    plateforme_->onMessage = [this](const ShownMessage&) { fenêtre_->Fin_Sans_Question(); };
    plateforme_->answers = {vbNo}; // what the box answers once the program has ended it

    if (question == QLatin1String("fermeture"))
        fenêtre_->Mnu_Quit->trigger();
    else
        mnémo.Perte_Activation();

    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(QFileInfo(mnémo.Fichier_Fiche()).isFile(), !bloqué);
    const QList<Récupération> copies = Lire_Récupérations(dossier_->memos());
    QCOMPARE(copies.size(), bloqué ? 1 : 0);
    if (bloqué) QCOMPARE(copies[0].fiche.Texte, QStringLiteral("tapé"));
    QVERIFY(!mnémo.isVisible());
    QCOMPARE(terminaisons_, 1);
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({QStringLiteral("add"), QStringLiteral("remove")}));
}

QTEST_MAIN(TestFrmUtilitaires)
#include "tst_frm_utilitaires.moc"
