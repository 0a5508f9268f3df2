#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "dialogs/Icones.h"
#include "memo/Mnemo.h"
#include "memo/PanneauOptions.h"
#include "memo/PetitsControles.h"
#include "platform/widgets/Twips.h"
#include "store/AlarmesMnemo.h"
#include "store/FichiersMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"
#include "store/MotDePasse.h"
#include "store/Recuperation.h"
#include "store/TablesCodage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The memo window on its own, through the scripted platform and the real memo files.
class TestMnemo : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tailleDeCreation();
    void rienNeBougePendantLaCreation();
    void modeDeplacementGardeLeRectangle();
    void modifieParChaqueCommande_data();
    void modifieParChaqueCommande();
    void nouveauMemoSeFermeSansQuestion();
    void fermetureModifieeDemande_data();
    void fermetureModifieeDemande();
    void perteActivationDemande();
    void perteActivationRecentre();
    void activationParUneBoiteNeComptePas();
    void activationDesFenetresDuProgramme_data();
    void activationDesFenetresDuProgramme();
    void controleChange_data();
    void controleChange();
    void guillemetDansLeTexte_data();
    void guillemetDansLeTexte();
    void guillemetDansUnTexteDonne();
    void titreSaisi();
    void appelMenu();
    void iconeChoisie();
    void sauvegardeEtRelecture();
    void sauvegardeAlarme();
    void sauvegardeEchoueeGardeModifie();
    void sauvegardeTablePleine();
    void suppression_data();
    void suppression();
    void suppressionImpossibleSignalee();
    void doubleClicSurLeFond();
    void fermetureQuiNePeutSauvegarder_data();
    void fermetureQuiNePeutSauvegarder();
    void copieDeSecours();
    void copieDeSecoursRetiree_data();
    void copieDeSecoursRetiree();
    void copieDeSecoursSeulementQuandUnChangementAttend();
    void copieDeSecoursDeChaqueChangement_data();
    void copieDeSecoursDeChaqueChangement();

private:
    Mnemo* nouveau(const QString& nom = QStringLiteral("08122026_00042"));
    int prochainesAlarmes_ = 0;
};

void TestMnemo::init() {
    préparerBanc();
    prochainesAlarmes_ = 0;
    contexte_->Prochaine_Alarme = [this] { ++prochainesAlarmes_; };
}

void TestMnemo::cleanup() {
    rangerBanc();
}

Mnemo* TestMnemo::nouveau(const QString& nom) {
    auto* f = new Mnemo(*contexte_);
    f->Tag = nom;
    f->setTitre(QStringLiteral("Courses"));
    fenêtres_ << f;
    return f;
}

void TestMnemo::tailleDeCreation() {
    Mnemo* f = nouveau();
    QCOMPARE(f->zoneClient->size(), twipsToPixels(QSize(4515, 5595)));
    QVERIFY(!f->Modifié);
    QVERIFY(f->Caption().isEmpty());
    QCOMPARE(f->PT_Couleurs.size(), 32);
    QVERIFY(f->PT_Couleurs[31]->isVisibleTo(f));
    // One strip: cell 31 on the window right below cell 15 in the memo frame.
    QCOMPARE(f->PT_Couleurs[15]->mapTo(f->zoneClient, QPoint(0, f->PT_Couleurs[15]->height())).y(),
             f->PT_Couleurs[31]->y());
    QCOMPARE(f->Mnu_Mnémo->actions().size(), 12);
}

void TestMnemo::rienNeBougePendantLaCreation() {
    Mnemo* f = nouveau();
    f->show();
    contexte_->Création_Mnémo = true;
    const QSize texte = f->TX_Mnémo->size();
    f->setHeight(3000);
    f->setWidth(3000);
    QCOMPARE(f->TX_Mnémo->size(), texte);
    contexte_->Création_Mnémo = false;
    f->setHeight(3030);
    QCOMPARE(f->TX_Mnémo->height(), twipsToPixels(3030 - 110 - 1020));
}

void TestMnemo::modeDeplacementGardeLeRectangle() {
    Mnemo* f = nouveau();
    f->setGeometry(twipsToPixels(QRect(1500, 1200, 4500, 6000)));
    f->show();
    const QRect avant = f->geometry();
    const int texteSans = f->FR_Mnémo->height();

    f->Mnu_Déplacer->trigger();
    QCOMPARE(f->Caption(), QStringLiteral("Déplacer le Mnémo"));
    QVERIFY(f->Mnu_Déplacer->isChecked());
    QCOMPARE(f->geometry(), avant);
    QVERIFY(f->barreTitre->isVisible());
    QCOMPARE(f->FR_Mnémo->height(), twipsToPixels(6000 - 340));
    QVERIFY(f->FR_Mnémo->height() < texteSans);

    f->Mnu_Déplacer->trigger();
    QVERIFY(f->Caption().isEmpty());
    QVERIFY(!f->Mnu_Déplacer->isChecked());
    QCOMPARE(f->geometry(), avant);
    QCOMPARE(f->FR_Mnémo->height(), texteSans);
}

void TestMnemo::modifieParChaqueCommande_data() {
    QTest::addColumn<QString>("commande");
    QTest::newRow("icon chooser cancelled") << "icone";
    QTest::newRow("title entry") << "titre";
    QTest::newRow("a letter typed") << "lettre";
    QTest::newRow("an arrow key") << "fleche";
    QTest::newRow("palette cell") << "palette";
}

void TestMnemo::modifieParChaqueCommande() {
    QFETCH(QString, commande);
    Mnemo* f = nouveau();
    f->show();
    QVERIFY(!f->Modifié);
    if (commande == "icone") {
        plateforme_->dialogHandlers.push_back([](QDialog&) { return int(QDialog::Rejected); });
        f->Image1_MouseDown(Qt::LeftButton);
    } else if (commande == "titre") {
        plateforme_->inputs.push_back(std::nullopt); // OK on the title as it was
        f->LB_Titre_Click();
    } else if (commande == "lettre")
        QTest::keyClick(f->TX_Mnémo, Qt::Key_A);
    else if (commande == "fleche")
        QTest::keyClick(f->TX_Mnémo, Qt::Key_Left);
    else
        f->PT_Couleurs_Click(8);
    QVERIFY(f->Modifié);
}

void TestMnemo::nouveauMemoSeFermeSansQuestion() {
    QPointer<Mnemo> f = nouveau();
    f->show();
    f->setTexte(QStringLiteral("chargé sans touche"));
    f->close();
    QVERIFY(plateforme_->messages.isEmpty());
    QTRY_VERIFY(f.isNull());
}

void TestMnemo::fermetureModifieeDemande_data() {
    QTest::addColumn<int>("réponse");
    QTest::addColumn<bool>("écrit");
    QTest::newRow("Oui sauvegarde") << vbYes << true;
    QTest::newRow("Non ferme sans écrire") << vbNo << false;
}

void TestMnemo::fermetureModifieeDemande() {
    QFETCH(int, réponse);
    QFETCH(bool, écrit);
    Mnemo* f = nouveau();
    f->show();
    f->Modifié = true;
    plateforme_->answers.push_back(réponse);
    f->PT_Appel_Menu_DblClick();
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Mmémo : Courses"));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Question);
    QCOMPARE(plateforme_->messages[0].owner, f);
    QVERIFY(!f->isVisible());
    QVERIFY(!contexte_->Fermeture_En_Cours);
    QCOMPARE(QFile::exists(dossier_->memos() + "/08122026_00042.PSL"), écrit);
}

void TestMnemo::perteActivationDemande() {
    Mnemo* f = nouveau();
    f->show();
    f->Modifié = true;
    plateforme_->answers.push_back(vbNo);
    f->Perte_Activation();
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Sauvegarder ce Mnémo : Courses ?"));
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Sauvegarde du Mmémo :    "));
    QCOMPARE(plateforme_->messages[0].owner, f);
    QVERIFY(!f->Modifié);
    // The same changes are not asked about again, not even when closing.
    f->close();
    QCOMPARE(plateforme_->messages.size(), 1);
}

void TestMnemo::perteActivationRecentre() {
    Mnemo* f = nouveau();
    f->setGeometry(twipsToPixels(QRect(300, 450, 105, 3000)));
    f->show();
    plateforme_->answers.push_back(vbYes);
    f->Perte_Activation();
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text,
             QStringLiteral("Voulez-vous recentrer à l'écran le Mnémo : Courses"));
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Centrage du Mnémo"));
    QCOMPARE(plateforme_->messages[0].owner, f);
    QCOMPARE(f->geometry().center().x(), 640);
    QVERIFY(qAbs(f->geometry().center().y() - 400) <= 1);
}

void TestMnemo::activationParUneBoiteNeComptePas() {
    Mnemo* a = nouveau(QStringLiteral("08122026_00001"));
    Mnemo* b = nouveau(QStringLiteral("08122026_00002"));
    a->show();
    b->show();
    a->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(a));
    a->Modifié = true;

    // A message box of the program takes the activation: nothing is asked.
    QMessageBox boîte(QMessageBox::Information, "Pensoir", "texte");
    boîte.show();
    boîte.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&boîte));
    QVERIFY(plateforme_->messages.isEmpty());
    boîte.hide();

    a->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(a));
    plateforme_->answers.push_back(vbNo);
    b->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b));
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Sauvegarder ce Mnémo : Courses ?"));
}

void TestMnemo::activationDesFenetresDuProgramme_data() {
    QTest::addColumn<QString>("genre");
    QTest::newRow("icon chooser") << "icônes";
    QTest::newRow("input dialog") << "saisie";
}

void TestMnemo::activationDesFenetresDuProgramme() {
    QFETCH(QString, genre);
    Mnemo* f = nouveau();
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    f->Modifié = true;

    qint16 icône = 0;
    Échange_Saisie échange;
    std::unique_ptr<QDialog> autre;
    if (genre == QStringLiteral("icônes"))
        autre = std::make_unique<Icônes>(icône);
    else
        autre = std::make_unique<FrmSaisie>(*plateforme_, échange);
    plateforme_->answers.push_back(vbNo);
    autre->show();
    autre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(autre.get()));
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Sauvegarder ce Mnémo : Courses ?"));
}

void TestMnemo::controleChange_data() {
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("caretAvant");
    QTest::addColumn<QString>("après");
    QTest::addColumn<int>("caretAprès");
    QTest::newRow("no quote is left alone") << "abc def" << 3 << "abc def" << 3;
    QTest::newRow("a typed quote") << "dit \"" << 5 << "dit ''" << 6;
    QTest::newRow("pasted with two quotes") << "a\"b\"c" << 5 << "a''b''c" << 7;
}

void TestMnemo::controleChange() {
    QFETCH(QString, avant);
    QFETCH(int, caretAvant);
    QFETCH(QString, après);
    QFETCH(int, caretAprès);
    Mnemo* f = nouveau();
    {
        const QSignalBlocker bloque(f->TX_Mnémo);
        f->TX_Mnémo->setPlainText(avant);
    }
    QTextCursor c = f->TX_Mnémo->textCursor();
    c.setPosition(caretAvant);
    f->TX_Mnémo->setTextCursor(c);
    f->Contrôle_Change(f->TX_Mnémo);
    QCOMPARE(f->Texte(), après);
    QCOMPARE(f->TX_Mnémo->textCursor().position(), caretAprès);

    // Typing a quote goes through the same guard.
    f->TX_Mnémo->setPlainText(QString());
    QTest::keyClicks(f->TX_Mnémo, QStringLiteral("x\"y"));
    QCOMPARE(f->Texte(), QStringLiteral("x''y"));
    QCOMPARE(f->TX_Mnémo->textCursor().position(), 4);
}

// Only the quote becomes two apostrophes: the rest of the text and its undo history stay, and one undo takes
// back the whole edit that brought the quote.
void TestMnemo::guillemetDansLeTexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("ancre"); // the selection before the edit; the caret when both are equal
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("collé"); // pasted, or typed
    QTest::addColumn<QString>("entrée");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("caretAttendu");
    const QString texte = QStringLiteral("il dit\nbonjour");
    QTest::newRow("typed at the start") << texte << 0 << 0 << false << "\""
                                        << "''il dit\nbonjour" << 2;
    QTest::newRow("typed in the middle") << texte << 6 << 6 << false << "\""
                                         << "il dit''\nbonjour" << 8;
    QTest::newRow("typed at the end") << texte << 14 << 14 << false << "\""
                                      << "il dit\nbonjour''" << 16;
    QTest::newRow("typed among letters, one undo as for any typing") << texte << 6 << 6 << false << "a\"b\""
                                                                     << "il dita''b''\nbonjour" << 12;
    QTest::newRow("typed over a selection") << texte << 3 << 10 << false << "\""
                                            << "il ''jour" << 5;
    QTest::newRow("typed over a selection made backwards") << texte << 10 << 3 << false << "\""
                                                           << "il ''jour" << 5;
    QTest::newRow("pasted with quotes") << texte << 6 << 6 << true << " \"oui\", \"non\""
                                        << "il dit ''oui'', ''non''\nbonjour" << 23;
    QTest::newRow("pasted over a selection, on two lines") << texte << 0 << 6 << true << "\"a\nb\""
                                                           << "''a\nb''\nbonjour" << 7;
    QTest::newRow("pasted without a quote") << texte << 14 << 14 << true << " !"
                                            << "il dit\nbonjour !" << 16;
}

void TestMnemo::guillemetDansLeTexte() {
    QFETCH(QString, texte);
    QFETCH(int, ancre);
    QFETCH(int, caret);
    QFETCH(bool, collé);
    QFETCH(QString, entrée);
    QFETCH(QString, attendu);
    QFETCH(int, caretAttendu);
    Mnemo* f = nouveau();
    f->show();
    QPlainTextEdit* boîte = f->TX_Mnémo;
    // An earlier edit of its own, which the undo must leave in place: a letter removed at the end.
    f->setTexte(texte + QLatin1Char('!'));
    QTextCursor c = boîte->textCursor();
    c.movePosition(QTextCursor::End);
    boîte->setTextCursor(c);
    QTest::keyClick(boîte, Qt::Key_Backspace);
    QCOMPARE(f->Texte(), texte);

    c.setPosition(ancre);
    c.setPosition(caret, QTextCursor::KeepAnchor);
    boîte->setTextCursor(c);
    if (collé) {
        QGuiApplication::clipboard()->setText(entrée);
        QTest::keySequence(boîte, QKeySequence::Paste);
    } else {
        QTest::keyClicks(boîte, entrée);
    }
    QCOMPARE(f->Texte(), attendu);
    QCOMPARE(boîte->textCursor().position(), caretAttendu);
    QVERIFY(!boîte->textCursor().hasSelection());

    QTest::keySequence(boîte, QKeySequence::Undo);
    QCOMPARE(f->Texte(), texte);
    QTest::keySequence(boîte, QKeySequence::Undo);
    QCOMPARE(f->Texte(), texte + QLatin1Char('!'));
    QTest::keySequence(boîte, QKeySequence::Redo);
    QTest::keySequence(boîte, QKeySequence::Redo);
    QCOMPARE(f->Texte(), attendu);
}

// A text given whole, as when a memo is read, loses its quotes too, and leaves nothing to undo.
void TestMnemo::guillemetDansUnTexteDonne() {
    Mnemo* f = nouveau();
    f->setTexte(QStringLiteral("\"a\"\nb\""));
    QCOMPARE(f->Texte(), QStringLiteral("''a''\nb''"));
    QVERIFY(!f->TX_Mnémo->document()->isUndoAvailable());
    QVERIFY(f->TX_Mnémo->document()->isUndoRedoEnabled());
}

void TestMnemo::titreSaisi() {
    Mnemo* f = nouveau();
    plateforme_->inputs.push_back(QStringLiteral("un \"grand\" titre"));
    f->Men_Titre->trigger();
    QCOMPARE(plateforme_->inputBoxes.size(), 1);
    QCOMPARE(
        plateforme_->inputBoxes[0].prompt,
        QStringLiteral("Attention même si le Mnémo est protègé par un mot de passe, le titre du Mnémo reste "
                       "toujours lisible !\r\rEntrer le titre du Mnémo !"));
    QCOMPARE(plateforme_->inputBoxes[0].caption, QStringLiteral("Pensoir"));
    QCOMPARE(plateforme_->inputBoxes[0].defaultAnswer, QStringLiteral("Courses"));
    QCOMPARE(plateforme_->inputBoxes[0].owner, f);
    QCOMPARE(f->Titre(), QStringLiteral("un ''grand'' titre"));
    QCOMPARE(f->LB_Titre->x(), twipsToPixels(690));

    plateforme_->inputs.push_back(QString()); // cancelled
    f->Modifié = false;
    f->LB_Titre_Click();
    QCOMPARE(f->Titre(), QString());
    QVERIFY(f->Modifié);
}

void TestMnemo::appelMenu() {
    Mnemo* f = nouveau();
    f->show();
    QTest::mousePress(f->PT_Appel_Menu, Qt::LeftButton);
    QVERIFY(f->PT_Appel_Menu->estEnfoncé());
    QTest::mouseRelease(f->PT_Appel_Menu, Qt::LeftButton);
    QVERIFY(!f->PT_Appel_Menu->estEnfoncé());
    QTRY_COMPARE(plateforme_->menusShown.size(), 1);
    QCOMPARE(plateforme_->menusShown[0], f->Mnu_Mnémo);

    f->Image1_MouseDown(Qt::RightButton);
    QCOMPARE(plateforme_->menusShown.size(), 2);
}

void TestMnemo::iconeChoisie() {
    Mnemo* f = nouveau();
    f->setGeometry(twipsToPixels(QRect(1500, 1200, 4500, 6000)));
    QPoint place;
    qint16 valeurMontrée = -5;
    plateforme_->dialogHandlers.push_back([&](QDialog& d) {
        place = d.pos();
        valeurMontrée = contexte_->Icône_Choisie;
        contexte_->Icône_Choisie = 12;
        return int(QDialog::Accepted);
    });
    f->Image1_MouseDown(Qt::LeftButton);
    QCOMPARE(valeurMontrée, qint16(0)); // no icon yet: the chooser opens on picture 0
    QCOMPARE(place, twipsToPixels(QPoint(1500 + 120, 1200 + 990)));
    QCOMPARE(plateforme_->dialogsShown.constFirst().owner, f);
    QCOMPARE(f->Image1_Tag, QStringLiteral("12"));

    // Cancelled: the icon stays, the memo counts as modified.
    f->Modifié = false;
    plateforme_->dialogHandlers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    f->Image1_MouseDown(Qt::LeftButton);
    QCOMPARE(f->Image1_Tag, QStringLiteral("12"));
    QVERIFY(f->Modifié);
}

void TestMnemo::sauvegardeEtRelecture() {
    Mnemo* f = nouveau(QStringLiteral("08122026_12345"));
    f->setGeometry(twipsToPixels(QRect(1500, 1200, 4500, 6000)));
    f->show();
    f->setTitre(QStringLiteral("Été"));
    // A no-break space, as French puts before "!", is a character of its own in the file.
    const QString texteTapé = QStringLiteral("ligne 1\nligne 2\u00A0€ !\n\nœuvre");
    f->setTexte(texteTapé);
    f->Choisir_Icône(7);
    f->PT_Couleurs_Click(8);
    QFont police(QStringLiteral("DejaVu Serif"));
    police.setPointSize(14);
    police.setBold(true);
    police.setUnderline(true);
    f->TX_Mnémo->setFont(police);
    f->FR_Options->RB_Fermé->setChecked(true);
    f->FR_Options->CK_Avant_Plan->setChecked(true);
    f->FR_Options->CK_Alarme->setChecked(true);
    f->FR_Options->CK_Beep->setChecked(false);
    f->FR_Options->TX_Jour->setText(QStringLiteral("24/12/2026"));
    f->FR_Options->TX_Heure->setText(QStringLiteral("18:30"));
    f->FR_Options->TX_Alarme->setText(QStringLiteral("Réveillon"));
    f->FR_Options->PB_PRG->setText(QStringLiteral("/usr/bin/true"));
    f->FR_Options->TX_MdP->setText(QStringLiteral("Secret"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    f->setImage(image);

    f->Mnu_Sauvegarder->trigger();
    QVERIFY(!f->Modifié);
    QVERIFY(plateforme_->messages.isEmpty());
    QCOMPARE(prochainesAlarmes_, 1);

    qint16 icône = -1;
    const Fiche_Mnémo lue = Lire_Fiche(dossier_->memos(), f->Tag, icône);
    QVERIFY(lue.marqueursValides());
    QCOMPARE(icône, qint16(7));
    const MdP_Lu mdp = Lire_MdP(lue.MdP);
    QCOMPARE(mdp.motDePasse, QStringLiteral("Secret"));
    QString texte = lue.Texte;
    for (int i = 0; i < mdp.tours; ++i)
        texte = Décoder(texte);

    Mnemo* g = nouveau(f->Tag);
    g->show();
    g->Remplir(lue, texte, mdp.motDePasse, Lire_Image(dossier_->memos(), f->Tag), 3);
    QCOMPARE(g->geometry(), f->geometry());
    QCOMPARE(g->Titre(), f->Titre());
    QCOMPARE(texte, texteTapé);
    QCOMPARE(g->Texte(), texteTapé);
    QCOMPARE(g->Image1_Tag, QStringLiteral("7"));
    QCOMPARE(g->TX_Mnémo->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(g->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(g->TX_Mnémo->font().family(), police.family());
    QCOMPARE(g->TX_Mnémo->font().pointSize(), 14);
    QVERIFY(g->TX_Mnémo->font().bold());
    QVERIFY(g->TX_Mnémo->font().underline());
    QVERIFY(!g->TX_Mnémo->font().italic());
    QVERIFY(g->FR_Options->RB_Fermé->isChecked());
    QVERIFY(!g->FR_Options->RB_Ouvert->isChecked());
    QVERIFY(g->FR_Options->CK_Avant_Plan->isChecked());
    QVERIFY(g->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(g->FR_Options->CK_Alarme->isChecked());
    QCOMPARE(g->CK_Alarme_Tag, QStringLiteral("3"));
    QVERIFY(!g->FR_Options->CK_Beep->isChecked());
    QCOMPARE(g->FR_Options->TX_Jour->text(), QStringLiteral("24/12/2026"));
    QCOMPARE(g->FR_Options->TX_Heure->text(), QStringLiteral("18:30"));
    QCOMPARE(g->FR_Options->TX_Alarme->text(), QStringLiteral("Réveillon"));
    QCOMPARE(g->FR_Options->PB_PRG->text(), QStringLiteral("/usr/bin/true"));
    QCOMPARE(g->FR_Options->TX_MdP->text().trimmed(), QStringLiteral("Secret"));
    QCOMPARE(g->Image(), image.convertToFormat(g->Image().format()));
    QCOMPARE(g->LB_Titre->x(), twipsToPixels(690));
    QVERIFY(!g->Modifié);
}

void TestMnemo::sauvegardeAlarme() {
    Mnemo* f = nouveau();
    f->FR_Options->CK_Alarme->setChecked(true);
    f->FR_Options->TX_Heure->setText(QStringLiteral("07:15"));
    f->Mnu_Sauvegarder_Click();
    QCOMPARE(contexte_->alarmes.Nb_Alarmes, qint16(1));
    QCOMPARE(f->CK_Alarme_Tag, QStringLiteral("1"));
    f->FR_Options->TX_Heure->setText(QStringLiteral("07:45"));
    f->Mnu_Sauvegarder_Click();
    QCOMPARE(contexte_->alarmes.Nb_Alarmes, qint16(1));
    QCOMPARE(contexte_->alarmes[1].Heure, QStringLiteral("07:45"));
    f->FR_Options->CK_Alarme->setChecked(false);
    f->Mnu_Sauvegarder_Click();
    QCOMPARE(contexte_->alarmes[1].Heure, QString());
    QCOMPARE(f->CK_Alarme_Tag, QStringLiteral("1"));

    // A memo that never had an alarm leaves the table alone; a new icon number is Icône_Choisie's.
    Mnemo* g = nouveau(QStringLiteral("08122026_00043"));
    contexte_->Icône_Choisie = 0;
    g->Mnu_Sauvegarder_Click();
    QCOMPARE(contexte_->alarmes.Nb_Alarmes, qint16(1));
    QCOMPARE(g->Image1_Tag, QStringLiteral("0"));
}

void TestMnemo::sauvegardeEchoueeGardeModifie() {
    // A file where the memo folder should be: nothing can be written.
    QFile bloquant(dossier_->memos());
    QVERIFY(bloquant.open(QIODevice::WriteOnly));
    bloquant.close();
    Mnemo* f = nouveau();
    f->Modifié = true;
    f->Mnu_Sauvegarder_Click();
    QVERIFY(f->Modifié);
    QCOMPARE(plateforme_->messages.size(), 1);
    QVERIFY(plateforme_->messages[0].caption.startsWith(QStringLiteral("erreur ")));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Critical);
    QCOMPARE(plateforme_->messages[0].owner, f);
}

void TestMnemo::sauvegardeTablePleine() {
    while (!contexte_->alarmes.estPleine())
        contexte_->alarmes.ajouter(Ligne_Alarme{});
    Mnemo* f = nouveau();
    f->FR_Options->CK_Alarme->setChecked(true);
    f->FR_Options->TX_Heure->setText(QStringLiteral("07:15"));
    f->Modifié = true;
    f->Mnu_Sauvegarder_Click();

    // The memo is saved all the same; only its alarm has no row.
    QVERIFY(!f->Modifié);
    QVERIFY(QFile::exists(dossier_->memos() + "/" + f->Tag + ".PSL"));
    QCOMPARE(f->CK_Alarme_Tag, QString());
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text,
             QStringLiteral("Trop d'alarmes : l'alarme de ce Mnémo ne peut pas être enregistrée."));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(plateforme_->messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Pensoir"));
    QCOMPARE(plateforme_->messages[0].owner, f);
}

void TestMnemo::suppression_data() {
    QTest::addColumn<int>("réponse");
    QTest::addColumn<bool>("modifié");
    QTest::addColumn<bool>("fichierRestant");
    QTest::newRow("Non ne change rien") << vbNo << false << true;
    QTest::newRow("Oui supprime et ferme") << vbYes << false << false;
    QTest::newRow("Oui sur un Mnémo modifié, puis Oui réécrit") << vbYes << true << true;
}

void TestMnemo::suppression() {
    QFETCH(int, réponse);
    QFETCH(bool, modifié);
    QFETCH(bool, fichierRestant);
    Mnemo* f = nouveau();
    f->show();
    f->Mnu_Sauvegarder_Click();
    const QString fiche = dossier_->memos() + "/" + f->Tag + ".PSL";
    QVERIFY(QFile::exists(fiche));
    f->Modifié = modifié;
    plateforme_->answers.push_back(réponse);
    if (modifié) plateforme_->answers.push_back(vbYes);
    f->Mnu_Supprimer->trigger();

    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Supprimer le Mnémo : Courses ?"));
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Suppression du Mmémo :    "));
    QCOMPARE(plateforme_->messages[0].owner, f);
    QCOMPARE(QFile::exists(fiche), fichierRestant);
    QCOMPARE(f->isVisible(), réponse == vbNo);
    if (modifié) QCOMPARE(plateforme_->messages[1].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
    QVERIFY(!contexte_->Fermeture_En_Cours);
}

void TestMnemo::suppressionImpossibleSignalee() {
    Mnemo* f = nouveau();
    f->show();
    // A folder in the record's place cannot be deleted as a file, whoever runs the test.
    QVERIFY(QDir().mkpath(dossier_->memos() + "/" + f->Tag + ".PSL/dedans"));
    plateforme_->answers.push_back(vbYes);
    f->Mnu_Supprimer->trigger();

    QCOMPARE(plateforme_->journal, QStringList({"message:Supprimer le Mnémo : Courses ?", "beep",
                                                "message:Erreur d'accès au chemin/fichier"}));
    const ShownMessage& boîte = plateforme_->messages[1];
    QCOMPARE(boîte.caption, QStringLiteral("erreur 75"));
    QCOMPARE(boîte.icon, MessageIcon::Critical);
    QCOMPARE(boîte.buttons, MessageButtons::Ok);
    QCOMPARE(boîte.owner, f);
}

void TestMnemo::doubleClicSurLeFond() {
    Mnemo* f = nouveau();
    f->show();
    // Between the option buttons and the right edge, above the memo frame.
    QTest::mouseDClick(f->zoneClient, Qt::LeftButton, {}, twipsToPixels(QPoint(4000, 100)));
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Quitter"));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::None);
    QCOMPARE(plateforme_->messages[0].owner, f);
    QTest::mouseDClick(f->TX_Mnémo->viewport(), Qt::LeftButton);
    QCOMPARE(plateforme_->messages.size(), 1);
}

// A save that the closing asked for and that does not happen keeps the window open and modified, whatever
// stopped it: the file cannot be written, the letters it cannot hold (the user says Non), its size.
void TestMnemo::fermetureQuiNePeutSauvegarder_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<int>("réponseLettres"); // 0: no question on letters
    QTest::addColumn<bool>("ferme");
    QTest::addColumn<QString>("erreur"); // the caption of the error box; empty: none
    QTest::addColumn<QByteArray>("enregistré");
    QTest::newRow("memo folder cannot be made") << "dossier" << 0 << false << "erreur 76" << QByteArray();
    QTest::newRow("letters outside, Non") << "lettres" << vbNo << false << "" << QByteArray("\"ancien\"");
    QTest::newRow("letters outside, Oui") << "lettres" << vbYes << true << ""
                                          << QByteArray("\"?\xF3"
                                                        "d? ? ?mega ??\"");
    QTest::newRow("above the size limit") << "taille" << 0 << false << "erreur 6" << QByteArray("\"ancien\"");
}

void TestMnemo::fermetureQuiNePeutSauvegarder() {
    QFETCH(QString, cas);
    QFETCH(int, réponseLettres);
    QFETCH(bool, ferme);
    QFETCH(QString, erreur);
    QFETCH(QByteArray, enregistré);
    QPointer<Mnemo> f = nouveau();
    f->show();
    if (cas == QLatin1String("dossier")) {
        QFile bloquant(dossier_->memos());
        QVERIFY(bloquant.open(QIODevice::WriteOnly));
    } else {
        f->setTexte(QStringLiteral("ancien"));
        f->Mnu_Sauvegarder_Click();
    }
    if (cas == QLatin1String("taille")) {
        // In lines, as a text box holds a long text best: each line and its line break take 64 bytes.
        const QString ligne = QString(62, QLatin1Char('x')) + QLatin1Char('\n');
        f->setTexte(ligne.repeated(LIMITE_FICHIER_FICHE / 64 + 1));
    } else {
        f->setTexte(cas == QLatin1String("dossier") ? QStringLiteral("tapé")
                                                    : QStringLiteral("Łódź ✓ Ωmega 日本"));
    }
    f->Modifié = true;
    plateforme_->answers.push_back(vbYes);
    if (réponseLettres) plateforme_->answers.push_back(réponseLettres);
    plateforme_->messages.clear();

    f->Mnu_Fermer_Click();

    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
    if (réponseLettres) {
        QCOMPARE(
            plateforme_->messages[1].text,
            QStringLiteral("Ce Mnémo contient des caractères que son fichier ne peut pas garder : Ł ź ✓ Ω 日 "
                           "本\nIls y seront enregistrés comme des « ? ».\n\nSauvegarder quand même ?"));
        QCOMPARE(plateforme_->messages[1].icon, MessageIcon::Question);
        QCOMPARE(plateforme_->messages[1].owner, f.data());
    }
    if (!erreur.isEmpty()) {
        QCOMPARE(plateforme_->messages.size(), 2);
        const ShownMessage& boîte = plateforme_->messages[1];
        QCOMPARE(boîte.caption, erreur);
        QCOMPARE(boîte.icon, MessageIcon::Critical);
        // Which memo and which file, besides the error.
        QVERIFY2(boîte.text.endsWith(QStringLiteral("\n\nMnémo : Courses\nFichier : ") + dossier_->memos() +
                                     QStringLiteral("/08122026_00042.PSL")),
                 qPrintable(boîte.text));
        if (cas == QLatin1String("taille")) QVERIFY(boîte.text.contains(QStringLiteral("16 Mo")));
    }
    QVERIFY(!contexte_->Fermeture_En_Cours);
    const auto fiche = [this] {
        QFile fichier(dossier_->memos() + "/08122026_00042.PSL");
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    };
    if (!enregistré.isEmpty())
        QVERIFY2(fiche().contains(enregistré + "\r\n\"Courses\""), enregistré.constData());
    if (ferme) {
        QTRY_VERIFY(f.isNull());
        return;
    }
    QVERIFY(f->isVisible());
    QVERIFY(f->Modifié);

    // The window can be closed again once the cause is gone: the question comes back.
    if (cas == QLatin1String("dossier")) QVERIFY(QFile::remove(dossier_->memos()));
    f->setTexte(QStringLiteral("corrigé"));
    plateforme_->answers.push_back(vbYes);
    f->Mnu_Fermer_Click();
    QTRY_VERIFY(f.isNull());
    QVERIFY(fiche().contains("\"corrig\xE9\""));
}

void TestMnemo::copieDeSecours() {
    Mnemo* f = nouveau();
    const QString copie = f->Fichier_Récupération();
    QCOMPARE(copie, dossier_->memos() + "/Recuperation/08122026_00042.PSL");

    // Unmodified: nothing kept.
    f->setTexte(QStringLiteral("chargé"));
    f->Garder_Récupération();
    QVERIFY(!QFile::exists(copie));

    // Modified: the whole record, every letter.
    f->setTexte(QStringLiteral("Łódź ✓ Ωmega 日本"));
    f->Modifié = true;
    f->Garder_Récupération();
    const QList<Récupération> lues = Lire_Récupérations(dossier_->memos());
    QCOMPARE(lues.size(), 1);
    QCOMPARE(lues[0].fiche.Texte, QStringLiteral("Łódź ✓ Ωmega 日本"));
    QCOMPARE(lues[0].fiche.Titre, QStringLiteral("Courses"));

    // Written again only when something changed.
    QVERIFY(QFile::remove(copie));
    f->Garder_Récupération();
    QVERIFY(!QFile::exists(copie));
    f->setTitre(QStringLiteral("Autre titre"));
    f->Garder_Récupération();
    QCOMPARE(Lire_Récupérations(dossier_->memos()).value(0).fiche.Titre, QStringLiteral("Autre titre"));
}

void TestMnemo::copieDeSecoursRetiree_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<bool>("gardée");
    QTest::newRow("saved") << "sauvegarde" << false;
    QTest::newRow("closed, Non") << "fermeture Non" << false;
    QTest::newRow("activation lost, Non") << "activation Non" << false;
    QTest::newRow("deleted, then Non") << "suppression" << false;
    QTest::newRow("closed, Oui but the save fails") << "échec" << true;
    QTest::newRow("closed as the session ends") << "fin de session" << true;
}

void TestMnemo::copieDeSecoursRetiree() {
    QFETCH(QString, cas);
    QFETCH(bool, gardée);
    Mnemo* f = nouveau();
    f->show();
    f->setTexte(QStringLiteral("tapé"));
    f->Modifié = true;
    f->Garder_Récupération();
    QVERIFY(QFile::exists(f->Fichier_Récupération()));
    const QString copie = f->Fichier_Récupération();

    if (cas == QLatin1String("sauvegarde")) {
        f->Mnu_Sauvegarder_Click();
    } else if (cas == QLatin1String("fermeture Non")) {
        plateforme_->answers.push_back(vbNo);
        f->Mnu_Fermer_Click();
    } else if (cas == QLatin1String("activation Non")) {
        plateforme_->answers.push_back(vbNo);
        f->Perte_Activation();
    } else if (cas == QLatin1String("suppression")) {
        plateforme_->answers = {vbYes, vbNo};
        f->Mnu_Supprimer_Click();
    } else if (cas == QLatin1String("échec")) {
        // The record's name is taken by a folder: the save fails, the window stays.
        QVERIFY(QDir().mkpath(f->Fichier_Fiche() + "/dedans"));
        plateforme_->answers.push_back(vbYes);
        f->Mnu_Fermer_Click();
        QVERIFY(f->isVisible());
    } else {
        contexte_->Fin_De_Session = true;
        f->close();
        QVERIFY(plateforme_->messages.isEmpty());
    }
    QCOMPARE(QFile::exists(copie), gardée);
}

// The copy's timer wakes the program only while a change waits for its copy: an untouched memo, or one
// whose copy holds its last change, leaves it asleep; the next change starts it again.
void TestMnemo::copieDeSecoursSeulementQuandUnChangementAttend() {
    Mnemo* f = nouveau();
    f->setTexte(QStringLiteral("chargé"));
    f->show();
    const QTimer* minuterie = f->findChild<QTimer*>(QStringLiteral("minuterieRécupération"));
    QVERIFY(minuterie);
    QVERIFY(!minuterie->isActive());

    QTest::keyClick(f->TX_Mnémo, Qt::Key_A);
    QVERIFY(f->Modifié);
    QVERIFY(minuterie->isActive());
    f->Garder_Récupération();
    QVERIFY(QFile::exists(f->Fichier_Récupération()));
    QVERIFY(!minuterie->isActive());

    QTest::keyClick(f->TX_Mnémo, Qt::Key_B);
    QVERIFY(minuterie->isActive());
    f->Garder_Récupération();
    QCOMPARE(Lire_Récupérations(dossier_->memos()).value(0).fiche.Texte.size(),
             QStringLiteral("chargé").size() + 2);
    QVERIFY(!minuterie->isActive());
}

// Changes that are not keys typed into the text wait for their copy as well: a crash must not take them.
void TestMnemo::copieDeSecoursDeChaqueChangement_data() {
    QTest::addColumn<QString>("changement");
    QTest::newRow("alarm message typed") << "message";
    QTest::newRow("beep unticked") << "beep";
    QTest::newRow("colour cell clicked") << "couleur";
    QTest::newRow("text pasted from the menu") << "collage";
}

void TestMnemo::copieDeSecoursDeChaqueChangement() {
    QFETCH(QString, changement);
    Mnemo* f = nouveau();
    f->setTexte(QStringLiteral("chargé"));
    f->show();
    const QTimer* minuterie = f->findChild<QTimer*>(QStringLiteral("minuterieRécupération"));
    QVERIFY(minuterie && !minuterie->isActive());
    if (changement == QLatin1String("message")) {
        QTest::keyClicks(f->FR_Options->TX_Alarme, QStringLiteral("Rappel"));
    } else if (changement == QLatin1String("beep")) {
        f->FR_Options->CK_Beep->click();
    } else if (changement == QLatin1String("couleur")) {
        f->PT_Couleurs_Click(8);
    } else {
        FakeClipboard& pp = plateforme_->clipboardContent;
        pp.formats = {ClipboardFormat::Text};
        pp.heldText = QStringLiteral("collé ");
        f->Men_Coller->trigger();
    }
    QVERIFY(f->Modifié);
    QVERIFY(minuterie->isActive());
    f->Garder_Récupération();
    const QList<Récupération> lues = Lire_Récupérations(dossier_->memos());
    QCOMPARE(lues.size(), 1);
    const Fiche_Mnémo attendue = f->Fiche();
    QCOMPARE(lues[0].fiche.Texte, attendue.Texte);
    QCOMPARE(lues[0].fiche.Message, attendue.Message);
    QCOMPARE(lues[0].fiche.Beep, attendue.Beep);
    QCOMPARE(lues[0].fiche.Couleur, attendue.Couleur);
}

QTEST_MAIN(TestMnemo)
#include "tst_mnemo.moc"
