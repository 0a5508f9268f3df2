// A memo's alarm settings on its options panel: the checks on leaving the day and the hour, "Régler"
// through the input dialog and the program button through the shared file dialog.
#include "BancMnemo.h"
#include "FakePlatform.h"
#include "FocusDesFenetres.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "memo/Mnemo.h"
#include "memo/PanneauOptions.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Twips.h"
#include "store/TableAlarmes.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

const QString MESSAGE_HEURE = QStringLiteral("L'heure doit être au format '00:00')");
const QString TITRE_HEURE = QStringLiteral("Heure de déclenchement de l'alarme");
const QString MESSAGE_JOUR = QStringLiteral("La date doit être au format 'JJ/MM/AAAA')");
const QString TITRE_JOUR = QStringLiteral("Jour de déclenchement de l'alarme");

// Puts the focus in a field and types there, as the user would.
void taper(QLineEdit* champ, const QString& texte) {
    champ->setFocus(Qt::MouseFocusReason);
    champ->clear();
    QTest::keyClicks(champ, texte);
}

void cliquer(QWidget* contrôle) {
    QTest::mouseClick(contrôle, Qt::LeftButton, {}, QPoint(5, contrôle->height() / 2));
}

} // namespace

class TestReglagesAlarme : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    // Days are read day first, whatever the user's locale says.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();

    void valeursDeDepart_data();
    void valeursDeDepart();
    void controleEnQuittantLeChamp_data();
    void controleEnQuittantLeChamp();
    void deuxChampsFauxUneSeuleBoite_data();
    void deuxChampsFauxUneSeuleBoite();
    void pasDeControleHorsDeLaFenetre_data();
    void pasDeControleHorsDeLaFenetre();
    void regler_data();
    void regler();
    void programme_data();
    void programme();

private:
    // A memo shown and active on its options panel, with no change to save.
    Mnemo* ouvrir();
    PanneauOptions& options() { return *mémo_->FR_Options; }
    QPointer<Mnemo> mémo_;
};

void TestReglagesAlarme::init() {
    préparerBanc();
}

void TestReglagesAlarme::cleanup() {
    delete mémo_.data();
    rangerBanc();
}

Mnemo* TestReglagesAlarme::ouvrir() {
    mémo_ = new Mnemo(*contexte_);
    mémo_->Tag = QStringLiteral("08122026_00042");
    mémo_->setTitre(QStringLiteral("Courses"));
    mémo_->setGeometry(twipsToPixels(QRect(1500, 1200, 5010, 6510)));
    mémo_->show();
    mémo_->activateWindow();
    if (!QTest::qWaitForWindowActive(mémo_)) return nullptr;
    mémo_->Option3->setChecked(true);
    mémo_->Modifié = false;
    return mémo_;
}

void TestReglagesAlarme::valeursDeDepart_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("bulle");
    QTest::addColumn<int>("longueur"); // of a day or hour box, centred; 0: none
    QTest::addColumn<int>("coché");    // of a check box; -1: not one
    QTest::newRow("TX_Jour") << "TX_Jour"
                             << "__\\__\\____"
                             << "Date de déclenchement ( tous les jours si vide )" << 10 << -1;
    QTest::newRow("PB_Régler") << "PB_Régler"
                               << "Régler"
                               << "Pour choisir un jour précis" << 0 << -1;
    QTest::newRow("TX_Heure") << "TX_Heure"
                              << "__:__"
                              << "Heure de déclenchement" << 5 << -1;
    QTest::newRow("CK_Alarme") << "CK_Alarme"
                               << "Alarme"
                               << "" << 0 << 0;
    QTest::newRow("CK_Beep") << "CK_Beep"
                             << "Beep"
                             << "Emission d'un beep lorsque l'alarme est déclenchée" << 0 << 1;
    QTest::newRow("TX_Alarme") << "TX_Alarme"
                               << ""
                               << "Texte affiché par l'alarme" << 0 << -1;
    QTest::newRow("PB_PRG") << "PB_PRG"
                            << "PRG à lancer"
                            << "Eventuelle sélection d'un programme à lancer lorsque l'alarme est déclenchée"
                            << 0 << -1;
}

void TestReglagesAlarme::valeursDeDepart() {
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, bulle);
    QFETCH(int, longueur);
    QFETCH(int, coché);
    Drapeau_Modifié modifié;
    PanneauOptions panneau(*contexte_, modifié, nullptr);
    auto* contrôle = panneau.findChild<QWidget*>(nom);
    QVERIFY(contrôle);
    QCOMPARE(contrôle->toolTip(), bulle);
    if (auto* zone = qobject_cast<QLineEdit*>(contrôle)) {
        QCOMPARE(zone->text(), texte);
        if (longueur > 0) {
            QCOMPARE(zone->maxLength(), longueur);
            QCOMPARE(zone->alignment(), Qt::AlignCenter);
        }
    } else {
        auto* bouton = qobject_cast<QAbstractButton*>(contrôle);
        QVERIFY(bouton);
        QCOMPARE(bouton->text(), texte);
        if (coché >= 0) QCOMPARE(bouton->isChecked(), coché == 1);
    }
}

void TestReglagesAlarme::controleEnQuittantLeChamp_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("refusé");
    QTest::addColumn<bool>("tabulation"); // the field left with Tab instead of a click on the message

    QTest::newRow("hour 12:30") << "TX_Heure"
                                << "12:30" << false << false;
    QTest::newRow("hour unfilled") << "TX_Heure"
                                   << "__:__" << false << false;
    QTest::newRow("hour empty") << "TX_Heure"
                                << "" << false << false;
    QTest::newRow("hour 00:00") << "TX_Heure"
                                << "00:00" << false << false;
    QTest::newRow("hour 23:59") << "TX_Heure"
                                << "23:59" << false << false;
    QTest::newRow("hour 1230") << "TX_Heure"
                               << "1230" << true << false;
    QTest::newRow("hour 12:3") << "TX_Heure"
                               << "12:3" << true << false;
    QTest::newRow("hour 9:30") << "TX_Heure"
                               << "9:30" << true << false;
    QTest::newRow("hour 12h30") << "TX_Heure"
                                << "12h30" << true << false;
    QTest::newRow("hour 24:00") << "TX_Heure"
                                << "24:00" << true << false;
    QTest::newRow("hour 12:60") << "TX_Heure"
                                << "12:60" << true << false;
    QTest::newRow("hour ab:cd") << "TX_Heure"
                                << "ab:cd" << true << false;

    QTest::newRow("day 08/12/2026") << "TX_Jour"
                                    << "08/12/2026" << false << false;
    QTest::newRow("day unfilled") << "TX_Jour"
                                  << "__\\__\\____" << false << false;
    QTest::newRow("day empty") << "TX_Jour"
                               << "" << false << false;
    QTest::newRow("day 29/02/2028") << "TX_Jour"
                                    << "29/02/2028" << false << false;
    QTest::newRow("day 8/12/2026") << "TX_Jour"
                                   << "8/12/2026" << true << false;
    QTest::newRow("day 2026/12/08") << "TX_Jour"
                                    << "2026/12/08" << true << false;
    QTest::newRow("day 2026-12-08") << "TX_Jour"
                                    << "2026-12-08" << true << false;
    QTest::newRow("day 31/02/2026") << "TX_Jour"
                                    << "31/02/2026" << true << false;
    QTest::newRow("day 29/02/2027") << "TX_Jour"
                                    << "29/02/2027" << true << false;
    QTest::newRow("day month first") << "TX_Jour"
                                     << "12/31/2026" << true << false;
    QTest::newRow("day 08/12/26") << "TX_Jour"
                                  << "08/12/26" << true << false;
    QTest::newRow("hour 1230 left with Tab") << "TX_Heure"
                                             << "1230" << true << true;
    QTest::newRow("hour 12:30 left with Tab") << "TX_Heure"
                                              << "12:30" << false << true;
    QTest::newRow("day 8/12/2026 left with Tab") << "TX_Jour"
                                                 << "8/12/2026" << true << true;
}

// Leaving a field for another control checks it: a wrong text beeps, warns and takes the focus back, and
// stays as typed, to be saved as it is.
void TestReglagesAlarme::controleEnQuittantLeChamp() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(bool, refusé);
    QFETCH(bool, tabulation);
    Mnemo* f = ouvrir();
    QVERIFY(f);
    auto* zone = options().findChild<QLineEdit*>(champ);
    taper(zone, texte);
    if (tabulation)
        QTest::keyClick(zone, Qt::Key_Tab);
    else
        cliquer(options().TX_Alarme);
    traiterCeQuiAttend();

    QCOMPARE(plateforme_->messages.size(), refusé ? 1 : 0);
    QCOMPARE(plateforme_->beeps, refusé ? 1 : 0);
    if (refusé) {
        const ShownMessage& message = plateforme_->messages.constFirst();
        const bool jour = champ == QStringLiteral("TX_Jour");
        QCOMPARE(message.text, jour ? MESSAGE_JOUR : MESSAGE_HEURE);
        QCOMPARE(message.caption, jour ? TITRE_JOUR : TITRE_HEURE);
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.owner, f);
        QCOMPARE(QStringList(plateforme_->journal.mid(0, 1)), QStringList{QStringLiteral("beep")});
    }
    if (refusé || !tabulation)
        QVERIFY(aLeFocus(refusé ? static_cast<QWidget*>(zone) : options().TX_Alarme));
    else
        QVERIFY(!aLeFocus(zone));
    QCOMPARE(zone->text(), texte);
    const Fiche_Mnémo fiche = f->Fiche();
    QCOMPARE(champ == QStringLiteral("TX_Jour") ? fiche.Jour : fiche.Heure, texte);
}

void TestReglagesAlarme::deuxChampsFauxUneSeuleBoite_data() {
    QTest::addColumn<QString>("boîte");
    QTest::newRow("box that keeps the focus in the window") << "fausse";
    QTest::newRow("box that takes the focus and gives it back") << "réelle";
    QTest::newRow("focus moved in the window while the box is open") << "déplacement";
}

// With both fields wrong, the focus given back to the day is not a leaving of the hour: one box, not a
// box for each in turn without end. Each later leaving is checked again.
void TestReglagesAlarme::deuxChampsFauxUneSeuleBoite() {
    QFETCH(QString, boîte);
    Mnemo* f = ouvrir();
    QVERIFY(f);
    PanneauOptions& o = options();
    int focusRendu = 0;
    plateforme_->onMessage = [&](const ShownMessage&) {
        if (boîte == QStringLiteral("réelle")) focusRendu += prendreEtRendreLeFocus(*f);
        if (boîte == QStringLiteral("déplacement")) {
            o.TX_Alarme->setFocus(Qt::MouseFocusReason);
            o.TX_Heure->setFocus(Qt::MouseFocusReason);
            o.TX_Jour->setFocus(Qt::MouseFocusReason);
            traiterCeQuiAttend();
        }
    };
    o.TX_Heure->setText(QStringLiteral("9:30"));
    taper(o.TX_Jour, QStringLiteral("1/2/2026"));

    cliquer(o.TX_Heure);
    traiterCeQuiAttend();
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].caption, TITRE_JOUR);
    QVERIFY(aLeFocus(o.TX_Jour));
    if (boîte == QStringLiteral("réelle")) QCOMPARE(focusRendu, 1);

    cliquer(o.TX_Heure);
    traiterCeQuiAttend();
    QCOMPARE(plateforme_->messages.size(), 2);
    QCOMPARE(plateforme_->messages[1].caption, TITRE_JOUR);
    QVERIFY(aLeFocus(o.TX_Jour));

    // The day put right, the hour is checked when it is left in turn.
    taper(o.TX_Jour, QStringLiteral("01/02/2026"));
    cliquer(o.TX_Heure);
    traiterCeQuiAttend();
    QCOMPARE(plateforme_->messages.size(), 2);
    QVERIFY(aLeFocus(o.TX_Heure));
    cliquer(o.TX_Jour);
    traiterCeQuiAttend();
    QCOMPARE(plateforme_->messages.size(), 3);
    QCOMPARE(plateforme_->messages[2].caption, TITRE_HEURE);
    QVERIFY(aLeFocus(o.TX_Heure));
    QCOMPARE(plateforme_->beeps, 3);
}

void TestReglagesAlarme::pasDeControleHorsDeLaFenetre_data() {
    QTest::addColumn<QString>("départ");
    QTest::newRow("another window takes the activation, then gives it back") << "désactivation";
    QTest::newRow("the window closes") << "fermeture";
    QTest::newRow("the panel gives way to the text from the memo's menu") << "panneau";
}

// Leaving the window, for a while or for good, is not leaving the field for another control, and
// neither is the panel going away with the field: its box would point at a field no longer shown.
void TestReglagesAlarme::pasDeControleHorsDeLaFenetre() {
    QFETCH(QString, départ);
    Mnemo* f = ouvrir();
    QVERIFY(f);
    options().TX_Jour->setText(QStringLiteral("1/2/2026"));
    options().TX_Heure->setFocus(Qt::MouseFocusReason);
    options().TX_Heure->setText(QStringLiteral("9:30"));
    QVERIFY(aLeFocus(options().TX_Heure));

    if (départ == QStringLiteral("désactivation")) {
        // A window with a control of its own that takes the focus, as a box's button does.
        QWidget autre;
        auto* zoneAilleurs = new QLineEdit(&autre);
        autre.show();
        autre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&autre));
        zoneAilleurs->setFocus(Qt::MouseFocusReason);
        traiterCeQuiAttend();
        QVERIFY(aLeFocus(zoneAilleurs));
        autre.close();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        traiterCeQuiAttend();
        QVERIFY(aLeFocus(options().TX_Heure));
    } else if (départ == QStringLiteral("fermeture")) {
        f->close();
        traiterCeQuiAttend();
    } else {
        f->Mnu_Options->trigger();
        traiterCeQuiAttend();
        QVERIFY(!options().isVisible());
        QVERIFY(!aLeFocus(options().TX_Heure));
    }
    QVERIFY(plateforme_->messages.isEmpty());
    QCOMPARE(plateforme_->beeps, 0);
}

void TestReglagesAlarme::regler_data() {
    QTest::addColumn<QString>("jourAvant");
    QTest::addColumn<bool>("modifiéAvant");
    QTest::addColumn<QString>("réponse");  // "valider", "annuler", "cadre"
    QTest::addColumn<QString>("jourTapé"); // null: the day box as the dialog showed it
    QTest::addColumn<QString>("jourVu");   // in the dialog
    QTest::addColumn<QString>("jourAprès");

    const QString maintenant = QStringLiteral("08/12/2026 10:29:50");
    QTest::newRow("no day: today, validated as shown")
        << "" << false << "valider" << QString() << maintenant << "08/12/2026";
    QTest::newRow("every day: today, validated as shown")
        << "__\\__\\____" << false << "valider" << QString() << maintenant << "08/12/2026";
    QTest::newRow("a day, another typed with single digits") << "24/12/2026" << false << "valider"
                                                             << "1/3/2027"
                                                             << "24/12/2026"
                                                             << "01/03/2027";
    QTest::newRow("day emptied") << "24/12/2026" << false << "valider"
                                 << ""
                                 << "24/12/2026"
                                 << "";
    QTest::newRow("not a day, kept as typed") << "24/12/2026" << false << "valider"
                                              << "demain"
                                              << "24/12/2026"
                                              << "demain";
    QTest::newRow("cancelled, memo unchanged")
        << "24/12/2026" << false << "annuler" << QString() << "24/12/2026"
        << "24/12/2026";
    QTest::newRow("cancelled, memo changed") << "24/12/2026" << true << "annuler" << QString() << "24/12/2026"
                                             << "24/12/2026";
    QTest::newRow("closed by its frame after an earlier Valider")
        << "24/12/2026" << false << "cadre" << QString() << "24/12/2026"
        << "24/12/2026";
}

// The dialog opens on the memo's alarm, with no save question while it has the activation; only Valider
// brings values back, the day written day first, and is a change of the memo. Anything else leaves the
// fields and the modified flag as they were.
void TestReglagesAlarme::regler() {
    QFETCH(QString, jourAvant);
    QFETCH(bool, modifiéAvant);
    QFETCH(QString, réponse);
    QFETCH(QString, jourTapé);
    QFETCH(QString, jourVu);
    QFETCH(QString, jourAprès);
    Mnemo* f = ouvrir();
    QVERIFY(f);
    PanneauOptions& o = options();
    o.TX_Jour->setText(jourAvant);
    o.TX_Heure->setText(QStringLiteral("18:30"));
    o.TX_Alarme->setText(QStringLiteral("Avant"));
    f->Modifié = modifiéAvant;
    contexte_->saisie.Saisie_Validée = true; // left so by an earlier use

    struct {
        QString titre, jour, heure, message;
        bool panneauDate = false, actif = false, modifié = true;
    } vu;
    plateforme_->dialogHandlers.push_back([&](QDialog& d) {
        auto& saisie = static_cast<FrmSaisie&>(d);
        vu = {saisie.windowTitle(), saisie.TX_Jour->text(), saisie.TX_Heure->text(),
              saisie.TX_Message->text(), saisie.FR_Date_Heure_Message->isVisibleTo(&saisie)};
        // The dialog takes the activation from the memo: a save question would fail the strict platform.
        saisie.activateWindow();
        vu.actif = QTest::qWaitForWindowActive(&saisie);
        vu.modifié = f->Modifié;
        if (réponse == QStringLiteral("annuler")) saisie.PB_Annuler_Click();
        if (réponse != QStringLiteral("valider")) return int(QDialog::Rejected);
        if (!jourTapé.isNull()) saisie.TX_Jour->setText(jourTapé);
        saisie.TX_Heure->setText(QStringLiteral("07:45"));
        saisie.TX_Message->setText(QStringLiteral("Réveil"));
        saisie.PB_Valider_Click();
        return int(QDialog::Accepted);
    });
    cliquer(o.PB_Régler);

    QCOMPARE(plateforme_->dialogsShown.size(), 1);
    QCOMPARE(plateforme_->dialogsShown[0].name, QStringLiteral("FrmSaisie"));
    QCOMPARE(plateforme_->dialogsShown[0].owner, f);
    QCOMPARE(vu.titre, QStringLiteral("Saisie d'une alarme"));
    QVERIFY(vu.panneauDate);
    QCOMPARE(vu.jour, jourVu);
    QCOMPARE(vu.heure, QStringLiteral("18:30"));
    QCOMPARE(vu.message, QStringLiteral("Avant"));
    QVERIFY(vu.actif);
    QVERIFY(!vu.modifié);

    const bool validé = réponse == QStringLiteral("valider");
    QCOMPARE(contexte_->saisie.Saisie_Validée, validé);
    QCOMPARE(o.TX_Jour->text(), jourAprès);
    QCOMPARE(o.TX_Heure->text(), validé ? QStringLiteral("07:45") : QStringLiteral("18:30"));
    QCOMPARE(o.TX_Alarme->text(), validé ? QStringLiteral("Réveil") : QStringLiteral("Avant"));
    QCOMPARE(f->Modifié, validé || modifiéAvant);
    QVERIFY(!o.CK_Alarme->isChecked());
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestReglagesAlarme::programme_data() {
    QTest::addColumn<QString>("légendeAvant");   // of the button
    QTest::addColumn<QString>("laisséAilleurs"); // in the shared dialog by its last user
    QTest::addColumn<QString>("choisi");         // "" = cancelled
    QTest::addColumn<QString>("légendeAprès");
    QTest::addColumn<QString>("refusés"); // the letters the refusal shows; empty: no refusal

    const QString aucun = PRG_AUCUN;
    QTest::newRow("chosen") << aucun << ""
                            << "/usr/bin/rappel"
                            << "/usr/bin/rappel"
                            << "";
    QTest::newRow("another chosen") << "/usr/bin/rappel"
                                    << ""
                                    << "/opt/outils/réveil.sh"
                                    << "/opt/outils/réveil.sh"
                                    << "";
    QTest::newRow("cancelled on a fresh start") << aucun << ""
                                                << "" << aucun << "";
    QTest::newRow("cancelled after a file chosen elsewhere") << aucun << "/opt/lanceur/jeu"
                                                             << "" << aucun << "";
    QTest::newRow("cancelled with a program chosen") << "/usr/bin/rappel"
                                                     << "/opt/lanceur/jeu"
                                                     << ""
                                                     << "/usr/bin/rappel"
                                                     << "";
    QTest::newRow("letters outside Windows-1252") << aucun << ""
                                                  << "/opt/日本/Łódź" << aucun << "日 本 Ł ź";
    QTest::newRow("double quote") << aucun << ""
                                  << "/opt/dit \"oui\"" << aucun << "\"";
    QTest::newRow("line break") << "/usr/bin/rappel"
                                << ""
                                << "/opt/deux\nlignes"
                                << "/usr/bin/rappel"
                                << "U+000A";
}

// The shared file dialog opens on the programs; only a program chosen here, which the memo's file can
// carry back whole, becomes the button's caption, and that is a change of the memo. A cancel never puts
// in what the dialog kept from elsewhere.
void TestReglagesAlarme::programme() {
    QFETCH(QString, légendeAvant);
    QFETCH(QString, laisséAilleurs);
    QFETCH(QString, choisi);
    QFETCH(QString, légendeAprès);
    QFETCH(QString, refusés);
    Mnemo* f = ouvrir();
    QVERIFY(f);
    PanneauOptions& o = options();
    o.PB_PRG->setText(légendeAvant);
    contexte_->CommonDialog1.FileName = laisséAilleurs;
    contexte_->CommonDialog1.DialogTitle = QStringLiteral("Choix de la couleur");
    contexte_->CommonDialog1.FilterIndex = 1;
    plateforme_->chosenFiles = {choisi};
    cliquer(o.PB_PRG);

    QCOMPARE(plateforme_->fileRequests.size(), 1);
    const ShownFileDialog& demande = plateforme_->fileRequests.constFirst();
    QCOMPARE(demande.title, QStringLiteral("Sélectionnez le programme à lancer"));
    QCOMPARE(demande.initialFolder, dossierInitialProgrammes());
    QCOMPARE(demande.filter, FILTRE_PROGRAMMES);
    QCOMPARE(demande.filterIndex, FILTRE_EXÉCUTABLES);
    QCOMPARE(demande.owner, f);

    QCOMPARE(o.PB_PRG->text(), légendeAprès);
    QCOMPARE(f->Fiche().PRG, légendeAprès);
    QCOMPARE(f->Modifié, légendeAprès != légendeAvant);
    if (refusés.isEmpty()) {
        QVERIFY(plateforme_->messages.isEmpty());
        return;
    }
    QCOMPARE(plateforme_->messages.size(), 1);
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.text,
             QStringLiteral("Ce programme ne peut pas être lancé par l'alarme : son chemin contient des "
                            "caractères que le fichier du Mnémo ne peut pas garder (%1).\n\n%2")
                 .arg(refusés, choisi));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.owner, f);
}

QTEST_MAIN(TestReglagesAlarme)
#include "tst_reglages_alarme.moc"
