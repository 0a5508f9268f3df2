#include "FakePlatform.h"
#include "TestFolder.h"

#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"
#include "shell/FrmUtilitaires.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
// The window's width for a whole-window width in twips.
int largeurPixels(int twips) {
    return twipsToPixels(twips - FrmUtilitaires::BORDURE);
}
} // namespace

// The memo list panel over the main window: its controls, its filling by the memo reader, its buttons
// and the clicks that change the choice.
class TestPanneauListe : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controles_data();
    void controles();
    void apparence();
    void remplissage();
    void boutons_data();
    void boutons();
    void tousCompteLesNomsDeFichiers();
    void aOuvrirSansMnemoToujoursOuvert();
    void listeVide();
    void afficherEnModeListe();
    void ouvrirCacheLaListeEtLaFenetre();
    void clicGaucheSurLIconeCacheLePanneauSeul();
    void file1_data();
    void file1();

private:
    void troisMnémos(); // the second one always open
    QString sélection() const;
    void cliquerLigne(int ligne);

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
    PanneauListe* panneau_ = nullptr;
};

void TestPanneauListe::init() {
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
    panneau_ = fenêtre_->FR_Liste;
}

void TestPanneauListe::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

void TestPanneauListe::troisMnémos() {
    panneau_->vider();
    panneau_->ajouter(QStringLiteral("Courses                           01/12/2026"), false,
                      QStringLiteral("01122026_00001"));
    panneau_->ajouter(QStringLiteral("Mots de passe                     02/12/2026"), true,
                      QStringLiteral("02122026_00002"));
    panneau_->ajouter(QStringLiteral("Idées                             03/12/2026"), false,
                      QStringLiteral("03122026_00003"));
    panneau_->compterFichiers();
}

// "101" for the first and third lines selected.
QString TestPanneauListe::sélection() const {
    QString texte;
    for (int i = 0; i < panneau_->nombre(); ++i)
        texte += panneau_->estSélectionné(i) ? u'1' : u'0';
    return texte;
}

void TestPanneauListe::cliquerLigne(int ligne) {
    QListWidget* liste = panneau_->LB_Liste;
    const QRect rect = liste->visualItemRect(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestPanneauListe::controles_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("texte");
    QTest::newRow("FR_Liste") << "FR_Liste" << QRect(0, 0, 5205, 3135) << QString();
    QTest::newRow("LB_Liste") << "LB_Liste" << QRect(30, 180, 5140, 2220) << QString();
    QTest::newRow("LB_Nb_Fichiers") << "LB_Nb_Fichiers" << QRect(60, 2430, 1755, 195) << QString();
    QTest::newRow("PB_Ouvrir") << "PB_Ouvrir" << QRect(60, 2670, 1815, 375) << "Ouvrir";
    QTest::newRow("PB_Tous") << "PB_Tous" << QRect(2010, 2670, 1035, 375) << "Tous";
    QTest::newRow("PB_A_Ouvrir") << "PB_A_Ouvrir" << QRect(3060, 2670, 1035, 375) << "A ouvrir";
    QTest::newRow("PB_Aucun") << "PB_Aucun" << QRect(4110, 2670, 1035, 375) << "Aucun";
}

void TestPanneauListe::controles() {
    QFETCH(QString, nom);
    QFETCH(QRect, twips);
    QFETCH(QString, texte);
    QWidget* contrôle = nom == QLatin1String("FR_Liste") ? panneau_ : panneau_->findChild<QWidget*>(nom);
    QVERIFY(contrôle);
    QCOMPARE(contrôle->geometry(), twipsToPixels(twips));
    if (auto* bouton = qobject_cast<QPushButton*>(contrôle)) {
        QCOMPARE(bouton->text(), texte);
        QCOMPARE(bouton->palette().color(QPalette::Button), vbColour(0x000080FF));
    }
}

void TestPanneauListe::apparence() {
    QCOMPARE(panneau_->objectName(), QStringLiteral("FR_Liste"));
    QVERIFY(!panneau_->isVisibleTo(fenêtre_.get()));
    QCOMPARE(panneau_->palette().color(QPalette::Window), vbColour(0x0080C0FF));
    QListWidget* liste = panneau_->LB_Liste;
    QCOMPARE(liste->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(liste->toolTip(), QStringLiteral("Sélectionner les Mnémos à ouvrir"));
    QCOMPARE(liste->font().family(), QStringLiteral("Courier New"));
    // The columns of the lines line up.
    const QFontMetrics mesure(liste->font());
    QCOMPARE(mesure.horizontalAdvance(u'i'), mesure.horizontalAdvance(u'W'));
    QCOMPARE(liste->palette().color(QPalette::Base), vbColour(0x00C0E0FF));
    QVERIFY(!panneau_->LB_Fichiers->isVisibleTo(fenêtre_.get()));
    QVERIFY(panneau_->LB_Nb_Fichiers->text().isEmpty());
}

void TestPanneauListe::remplissage() {
    troisMnémos();
    QCOMPARE(panneau_->nombre(), 3);
    QCOMPARE(sélection(), QStringLiteral("111"));
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QStringLiteral(" 3 fichier(s)"));
    QCOMPARE(panneau_->LB_Fichiers->count(), 3);
    QCOMPARE(panneau_->nomMémo(1), QStringLiteral("02122026_00002"));
    QCOMPARE(panneau_->LB_Fichiers->item(2)->text(), QStringLiteral("03122026_00003"));
    QCOMPARE(panneau_->LB_Liste->item(1)->text(),
             QStringLiteral("Mots de passe                     02/12/2026"));
    QCOMPARE(panneau_->LB_Liste->item(1)->data(Qt::UserRole).toInt(), -1);
    QCOMPARE(panneau_->LB_Liste->item(0)->data(Qt::UserRole).toInt(), 0);
    QVERIFY(panneau_->estOuvert(1));
    QVERIFY(!panneau_->estOuvert(2));
    QVERIFY(!panneau_->estSélectionné(3));
    QVERIFY(panneau_->nomMémo(3).isEmpty());

    // A rebuild starts from nothing.
    panneau_->vider();
    panneau_->ajouter(QStringLiteral("Seul"), true, QStringLiteral("04122026_00004"));
    panneau_->compterFichiers();
    QCOMPARE(panneau_->nombre(), 1);
    QCOMPARE(panneau_->nomMémo(0), QStringLiteral("04122026_00004"));
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QStringLiteral(" 1 fichier(s)"));
    panneau_->vider();
    panneau_->compterFichiers();
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QString());
}

void TestPanneauListe::boutons_data() {
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("courantAvant"); // -1: no current line
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("après");
    QTest::addColumn<int>("courantAprès");
    QTest::addColumn<QString>("compte");

    QTest::newRow("Tous") << "000" << 2 << "Tous"
                          << "111" << 0 << " 3 fichier(s)";
    QTest::newRow("Tous sans ligne courante") << "010" << -1 << "Tous"
                                              << "111" << -1 << " 3 fichier(s)";
    QTest::newRow("Aucun") << "111" << 1 << "Aucun"
                           << "000" << 0 << "";
    QTest::newRow("Aucun, première ligne courante") << "101" << 0 << "Aucun"
                                                    << "000" << 0 << "";
    QTest::newRow("A ouvrir depuis tous") << "111" << 2 << "A ouvrir"
                                          << "010" << 0 << " 1 fichier(s)";
    QTest::newRow("A ouvrir depuis aucun") << "000" << -1 << "A ouvrir"
                                           << "010" << -1 << " 1 fichier(s)";
    QTest::newRow("clic qui désélectionne") << "111" << -1 << "clic 0"
                                            << "011" << 0 << " 2 fichier(s)";
    QTest::newRow("clic qui sélectionne") << "000" << -1 << "clic 2"
                                          << "001" << 2 << " 1 fichier(s)";
    QTest::newRow("clic sur la dernière choisie") << "100" << 1 << "clic 0"
                                                  << "000" << 0 << "";
    QTest::newRow("clic sans toucher les autres") << "101" << 0 << "clic 1"
                                                  << "111" << 1 << " 3 fichier(s)";
}

void TestPanneauListe::boutons() {
    QFETCH(QString, avant);
    QFETCH(int, courantAvant);
    QFETCH(QString, action);
    QFETCH(QString, après);
    QFETCH(int, courantAprès);
    QFETCH(QString, compte);

    troisMnémos();
    panneau_->afficher();
    QVERIFY(QTest::qWaitForWindowExposed(fenêtre_.get()));
    QListWidget* liste = panneau_->LB_Liste;
    liste->setCurrentRow(courantAvant, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < 3; ++i)
        liste->item(i)->setSelected(avant[i] == u'1');
    QCOMPARE(liste->currentRow(), courantAvant);

    if (action == QLatin1String("Tous"))
        panneau_->PB_Tous->click();
    else if (action == QLatin1String("Aucun"))
        panneau_->PB_Aucun->click();
    else if (action == QLatin1String("A ouvrir"))
        panneau_->PB_A_Ouvrir->click();
    else
        cliquerLigne(action.back().digitValue());

    QCOMPARE(sélection(), après);
    QCOMPARE(liste->currentRow(), courantAprès);
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), compte);
}

void TestPanneauListe::tousCompteLesNomsDeFichiers() {
    troisMnémos();
    panneau_->LB_Fichiers->addItem(QStringLiteral("05122026_00005"));
    panneau_->PB_Aucun->click();
    panneau_->PB_Tous->click();
    QCOMPARE(sélection(), QStringLiteral("111"));
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QStringLiteral(" 4 fichier(s)"));
}

void TestPanneauListe::aOuvrirSansMnemoToujoursOuvert() {
    panneau_->ajouter(QStringLiteral("a"), false, QStringLiteral("a"));
    panneau_->ajouter(QStringLiteral("b"), false, QStringLiteral("b"));
    panneau_->compterFichiers();
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QStringLiteral(" 2 fichier(s)"));
    panneau_->PB_A_Ouvrir->click();
    QCOMPARE(sélection(), QStringLiteral("00"));
    QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QString());
}

void TestPanneauListe::listeVide() {
    panneau_->vider();
    panneau_->compterFichiers();
    panneau_->afficher();
    for (QPushButton* bouton : {panneau_->PB_Tous, panneau_->PB_A_Ouvrir, panneau_->PB_Aucun}) {
        bouton->click();
        QCOMPARE(panneau_->LB_Nb_Fichiers->text(), QString());
        QCOMPARE(panneau_->LB_Liste->currentRow(), -1);
    }
    panneau_->PB_Ouvrir->click();
    QVERIFY(!fenêtre_->isVisible());
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestPanneauListe::afficherEnModeListe() {
    troisMnémos();
    panneau_->LB_Liste->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    panneau_->afficher();

    QVERIFY(fenêtre_->isVisible());
    QVERIFY(panneau_->isVisible());
    QCOMPARE(fenêtre_->width(), largeurPixels(FrmUtilitaires::LARGEUR_LISTE));
    QCOMPARE(panneau_->LB_Liste->currentRow(), 0);
    QCOMPARE(sélection(), QStringLiteral("111"));
    // In front of the button column.
    const QPoint surLaColonne = fenêtre_->Command6->geometry().center();
    QWidget* dessus = fenêtre_->childAt(surLaColonne);
    QVERIFY(dessus == panneau_ || panneau_->isAncestorOf(dessus));
}

void TestPanneauListe::ouvrirCacheLaListeEtLaFenetre() {
    troisMnémos();
    panneau_->afficher();
    panneau_->PB_A_Ouvrir->click();

    panneau_->PB_Ouvrir->click();

    QVERIFY(!panneau_->isVisibleTo(fenêtre_.get()));
    QVERIFY(!fenêtre_->isVisible());
    QCOMPARE(fenêtre_->width(), largeurPixels(FrmUtilitaires::LARGEUR_BOUTONS));
    // What the memo reader will open: the choice is still there.
    QCOMPARE(sélection(), QStringLiteral("010"));
    QCOMPARE(panneau_->nomMémo(1), QStringLiteral("02122026_00002"));
}

void TestPanneauListe::clicGaucheSurLIconeCacheLePanneauSeul() {
    fenêtre_->Form_Load();
    troisMnémos();
    panneau_->afficher();
    plateforme_->trayIcon.press(WM_LBUTTONDOWN);
    QVERIFY(!panneau_->isVisibleTo(fenêtre_.get()));
    QVERIFY(fenêtre_->isVisible());
    QCOMPARE(fenêtre_->width(), largeurPixels(FrmUtilitaires::LARGEUR_LISTE));
}

void TestPanneauListe::file1_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("dossier absent") << QStringList() << QStringList();
    QTest::newRow("dossier vide") << QStringList{""} << QStringList();
    // Memo files are named N.PSL: another case would not open as N.
    QTest::newRow("par nom, fiches seules")
        << QStringList{"08122026_00002.PSL", "01122026_00009.PSL", "08122026_00002.PS2", "notes.txt",
                       "07122026_00001.psl"}
        << QStringList{"01122026_00009.PSL", "08122026_00002.PSL"};
}

void TestPanneauListe::file1() {
    QFETCH(QStringList, fichiers);
    QFETCH(QStringList, attendus);
    for (const QString& nom : fichiers) {
        QDir().mkpath(dossier_->memos());
        if (nom.isEmpty()) continue;
        QFile fichier(dossier_->memos() + QLatin1Char('/') + nom);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
    }
    QDir().mkpath(dossier_->memos() + QStringLiteral("/dossier.PSL"));
    if (fichiers.isEmpty()) QDir(dossier_->memos()).removeRecursively();
    QCOMPARE(panneau_->File1(), attendus);
}

QTEST_MAIN(TestPanneauListe)
#include "tst_panneau_liste.moc"
