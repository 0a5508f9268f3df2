// The "Alarme" button: re-timing the armed alarm, arming one of its own, silencing the armed one.
#include "FakePlatform.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "shell/FrmUtilitaires.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QDate LE_8(2026, 12, 8);
const QString TOUS = QStringLiteral("__\\__\\____");

// What the dialog showed when it opened.
struct Vu {
    QString titre, heure, message, jour;
    bool jourVisible = true;
};

} // namespace

class TestBoutonAlarme : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void regleLAlarmeArmee_data();
    void regleLAlarmeArmee();
    void sansAlarmeArmeeUneAlarmeDuBouton();
    void heureInvalideNeChangeRien();
    void annulerSansAlarmeNeDemandeRien();
    void annulerAvecAlarmeArmee_data();
    void annulerAvecAlarmeArmee();

private:
    void démarrer();
    // Scripts the dialog: it records what it shows, then types hour and message and validates, or
    // answers as a cancel or the frame's close box would.
    void dialogue(const std::optional<std::pair<QString, QString>>& valider, bool parLeCadre = false);
    QStringList sonnéesJusquÀ(const QTime& heure);

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
    Vu vu_;
};

void TestBoutonAlarme::init() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
    vu_ = {};
}

void TestBoutonAlarme::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

void TestBoutonAlarme::démarrer() {
    fenêtre_->Form_Load();
    plateforme_->journal.clear();
}

void TestBoutonAlarme::dialogue(const std::optional<std::pair<QString, QString>>& valider, bool parLeCadre) {
    plateforme_->dialogHandlers.push_back([this, valider, parLeCadre](QDialog& d) {
        auto& saisie = static_cast<FrmSaisie&>(d);
        vu_ = {saisie.windowTitle(), saisie.TX_Heure->text(), saisie.TX_Message->text(),
               saisie.TX_Jour->text(),
               saisie.TX_Jour->isVisibleTo(&saisie) || saisie.Calendar1->isVisibleTo(&saisie) ||
                   saisie.LB_Jour->isVisibleTo(&saisie)};
        if (!valider) {
            if (!parLeCadre) saisie.PB_Annuler_Click();
            return int(QDialog::Rejected);
        }
        saisie.TX_Heure->setText(valider->first);
        saisie.TX_Message->setText(valider->second);
        saisie.PB_Valider_Click();
        return int(QDialog::Accepted);
    });
}

// The boxes of the alarms that ring until the given time of the day, as "HH:mm message".
QStringList TestBoutonAlarme::sonnéesJusquÀ(const QTime& heure) {
    const qsizetype avant = plateforme_->messages.size();
    plateforme_->advanceTo(QDateTime(LE_8, heure));
    QStringList sonnées;
    for (qsizetype i = avant; i < plateforme_->messages.size(); ++i)
        sonnées << plateforme_->messages[i].caption + QLatin1Char(' ') + plateforme_->messages[i].text;
    return sonnées;
}

void TestBoutonAlarme::regleLAlarmeArmee_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("sonnées");
    QTest::addColumn<bool>("déjàDécalée"); // re-timed to 11:15 first
    QTest::newRow("new hour and message, trimmed")
        << "  Réunion décalée  "
        << "11:30Réunion décalée" << QStringList{"11:30 Réunion décalée", "12:00 Déjeuner"} << false;
    QTest::newRow("no message") << ""
                                << "11:30" << QStringList{"11:30 ", "12:00 Déjeuner"} << false;
    QTest::newRow("re-timed twice") << "Réunion décalée"
                                    << "11:30Réunion décalée"
                                    << QStringList{"11:30 Réunion décalée", "12:00 Déjeuner"} << true;
}

// The armed memo alarm rings at its new time with its beep and program, once; the others still ring.
void TestBoutonAlarme::regleLAlarmeArmee() {
    QFETCH(QString, message);
    QFETCH(QString, tag);
    QFETCH(QStringList, sonnées);
    QFETCH(bool, déjàDécalée);
    démarrer();
    fenêtre_->contexte.alarmes.ajouter(
        {TOUS, QStringLiteral("11:00"), true, QStringLiteral("Réunion"), QStringLiteral("/usr/bin/rappel")});
    fenêtre_->contexte.alarmes.ajouter(
        {TOUS, QStringLiteral("12:00"), false, QStringLiteral("Déjeuner"), PRG_AUCUN});
    fenêtre_->Prochaine_Alarme();
    if (déjàDécalée) {
        dialogue(std::pair{QStringLiteral("11:15"), QStringLiteral("Réunion")});
        fenêtre_->Command3->click();
    }
    dialogue(std::pair{QStringLiteral("11:30"), message});
    fenêtre_->Command3->click();

    QCOMPARE(vu_.titre, QStringLiteral("Réglage de l'alarme"));
    QCOMPARE(vu_.heure, déjàDécalée ? QStringLiteral("11:15") : QStringLiteral("11:00"));
    QCOMPARE(vu_.message, QStringLiteral("Réunion"));
    QCOMPARE(vu_.jour, QStringLiteral("08/12/2026"));
    QVERIFY(!vu_.jourVisible);
    QCOMPARE(plateforme_->dialogsShown.constLast().owner, fenêtre_.get());
    QCOMPARE(fenêtre_->Timer1.Tag(), tag);
    QCOMPARE(sonnéesJusquÀ(QTime(23, 0)), sonnées);
    QCOMPARE(plateforme_->started, QStringList{"/usr/bin/rappel"});
    QCOMPARE(plateforme_->alarmBeeps, 1);
}

void TestBoutonAlarme::sansAlarmeArmeeUneAlarmeDuBouton() {
    démarrer();
    dialogue(std::pair{QStringLiteral("10:45"), QStringLiteral("Appeler")});
    fenêtre_->Command3->click();
    QCOMPARE(vu_.heure, QStringLiteral("10:29")); // the current time
    QCOMPARE(vu_.message, QString());
    QVERIFY(fenêtre_->Timer1.Enabled());
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:45Appeler"));
    QCOMPARE(sonnéesJusquÀ(QTime(23, 0)), QStringList{"10:45 Appeler"});
    QCOMPARE(plateforme_->alarmBeeps, 0); // a message only
    QVERIFY(plateforme_->started.isEmpty());

    // An hour already passed is for tomorrow.
    dialogue(std::pair{QStringLiteral("09:00"), QStringLiteral("Demain")});
    fenêtre_->Command3->click();
    QVERIFY(!fenêtre_->Timer1.Enabled());
    plateforme_->advanceTo(QDateTime(LE_8.addDays(1), QTime(9, 30)));
    QCOMPARE(plateforme_->messages.constLast().caption, QStringLiteral("09:00"));
    QCOMPARE(plateforme_->messages.constLast().text, QStringLiteral("Demain"));
}

void TestBoutonAlarme::heureInvalideNeChangeRien() {
    démarrer();
    fenêtre_->contexte.alarmes.ajouter(
        {TOUS, QStringLiteral("11:00"), false, QStringLiteral("Réunion"), PRG_AUCUN});
    fenêtre_->Prochaine_Alarme();
    dialogue(std::pair{QStringLiteral("25:00"), QStringLiteral("Trop tard")});
    fenêtre_->Command3->click();
    QCOMPARE(plateforme_->journal,
             QStringList({"dialog:FrmSaisie", "beep", "message:Format de l'heure : HH:MM"}));
    const ShownMessage& boîte = plateforme_->messages.constFirst();
    QCOMPARE(boîte.caption, QStringLiteral("Erreur de saisie"));
    QCOMPARE(boîte.icon, MessageIcon::Exclamation);
    QCOMPARE(boîte.owner, fenêtre_.get());
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("11:00Réunion"));
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(1));
    QCOMPARE(sonnéesJusquÀ(QTime(23, 0)), QStringList{"11:00 Réunion"});
}

void TestBoutonAlarme::annulerSansAlarmeNeDemandeRien() {
    démarrer();
    dialogue(std::nullopt);
    fenêtre_->Command3->click();
    QCOMPARE(plateforme_->journal, QStringList{"dialog:FrmSaisie"});
    QVERIFY(!fenêtre_->Timer1.Enabled());
}

void TestBoutonAlarme::annulerAvecAlarmeArmee_data() {
    QTest::addColumn<bool>("parLeCadre");
    QTest::addColumn<int>("réponse");
    QTest::addColumn<QStringList>("sonnées");
    QTest::newRow("Annuler, Oui: that alarm only is silenced")
        << false << vbYes << QStringList{"12:00 Déjeuner"};
    QTest::newRow("Annuler, Non") << false << vbNo << QStringList{"11:00 Réunion", "12:00 Déjeuner"};
    QTest::newRow("close box after an earlier Valider, Oui")
        << true << vbYes << QStringList{"12:00 Déjeuner"};
}

void TestBoutonAlarme::annulerAvecAlarmeArmee() {
    QFETCH(bool, parLeCadre);
    QFETCH(int, réponse);
    QFETCH(QStringList, sonnées);
    démarrer();
    fenêtre_->contexte.alarmes.ajouter(
        {TOUS, QStringLiteral("11:00"), false, QStringLiteral("Réunion"), PRG_AUCUN});
    fenêtre_->contexte.alarmes.ajouter(
        {TOUS, QStringLiteral("12:00"), false, QStringLiteral("Déjeuner"), PRG_AUCUN});
    fenêtre_->Prochaine_Alarme();
    fenêtre_->contexte.saisie.Saisie_Validée = true;
    dialogue(std::nullopt, parLeCadre);
    plateforme_->answers.push_back(réponse);
    fenêtre_->Command3->click();

    QCOMPARE(plateforme_->journal,
             QStringList({"dialog:FrmSaisie", "beep", "message:Voulez-vous déactiver cette alarme ?"}));
    const ShownMessage& question = plateforme_->messages.constFirst();
    QCOMPARE(question.caption, QStringLiteral("11:00Réunion"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(fenêtre_->Timer1.Tag(),
             réponse == vbYes ? QStringLiteral("12:00Déjeuner") : QStringLiteral("11:00Réunion"));
    QCOMPARE(sonnéesJusquÀ(QTime(23, 0)), sonnées);

    // Silenced for the day only: an every-day alarm rings again tomorrow.
    plateforme_->advanceTo(QDateTime(LE_8.addDays(1), QTime(11, 30)));
    QCOMPARE(plateforme_->messages.constLast().text, QStringLiteral("Réunion"));
}

QTEST_MAIN(TestBoutonAlarme)
#include "tst_bouton_alarme.moc"
