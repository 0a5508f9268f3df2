#include "FakePlatform.h"
#include "TestFolder.h"

#include "dialogs/APropos.h"
#include "memo/Mnemo.h"
#include "shell/FrmUtilitaires.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

// The main window's start-up, tray handling and shut-down, driven through the scripted platform.
class TestFrmUtilitaires : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void demarrageDansLOrdre();
    void secondExemplaireAverti();
    void sansBarreLaFenetreReste();
    void sourisBarre_data();
    void sourisBarre();
    void quitterFermeTout_data();
    void quitterFermeTout();
    void boutonsDeLaColonne();
    void aPropos();

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

QTEST_MAIN(TestFrmUtilitaires)
#include "tst_frm_utilitaires.moc"
