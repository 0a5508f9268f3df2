// The alarm timer with the scripted clock: which alarms ring, when, how, and that none rings twice or is
// lost to a late tick, a clock change, a night's sleep or a box left open.
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "memo/PanneauOptions.h"
#include "shell/FrmUtilitaires.h"
#include "store/EcritureMnemo.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace {

const QDate LE_8(2026, 12, 8);
const QDate LE_9(2026, 12, 9);
const QString TOUS = QStringLiteral("__\\__\\____");

// A step of a scenario: the clock advanced to a moment (timers firing on the way), or jumped by seconds.
struct Pas {
    QDateTime moment;
    qint64 saut = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<Pas>)

class TestMinuterieAlarmes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sonneASaMinute_data();
    void sonneASaMinute();
    void deuxAlarmesDansLaMemeMinute();
    void duesPendantQuUneBoiteAttend();
    void chaqueMinuteVueUneFois_data();
    void chaqueMinuteVueUneFois();
    void minuitSeulReveilEtBulleDuJour();
    void memoSupprimeNeSonnePlus();
    void tableEntierePendantUnMotDePasse();

private:
    int ajouter(const QString& jour, const QString& heure, const QString& message, bool beep = false,
                const QString& programme = PRG_AUCUN);
    void démarrer();

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
    QStringList sonnées_; // "dd/MM HH:mm:ss message" of each alarm box, with the clock when it showed
};

void TestMinuterieAlarmes::init() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
    sonnées_.clear();
    plateforme_->onMessage = [this](const ShownMessage& boîte) {
        if (boîte.icon == MessageIcon::Exclamation)
            sonnées_ << plateforme_->clock.toString(QStringLiteral("dd/MM HH:mm:ss ")) + boîte.text;
    };
}

void TestMinuterieAlarmes::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

// Rows as saves make them, once the program has started.
int TestMinuterieAlarmes::ajouter(const QString& jour, const QString& heure, const QString& message,
                                  bool beep, const QString& programme) {
    const int ligne = fenêtre_->contexte.alarmes.ajouter({jour, heure, beep, message, programme});
    fenêtre_->Prochaine_Alarme();
    return ligne;
}

void TestMinuterieAlarmes::démarrer() {
    fenêtre_->Form_Load();
    plateforme_->journal.clear();
}

void TestMinuterieAlarmes::sonneASaMinute_data() {
    QTest::addColumn<bool>("beep");
    QTest::addColumn<QString>("programme");
    QTest::addColumn<int>("erreur"); // of the start, 0: started
    QTest::addColumn<QStringList>("journal");

    QTest::newRow("beep, box, program")
        << true << "/usr/bin/rappel" << 0
        << QStringList{"alarm-beep", "message:Réunion", "start:/usr/bin/rappel"};
    QTest::newRow("no beep, no program chosen")
        << false << "PRG à lancer" << 0 << QStringList{"message:Réunion"};
    QTest::newRow("empty program") << true << "" << 0 << QStringList{"alarm-beep", "message:Réunion"};
    QTest::newRow("the program fails")
        << false << "/nulle/part" << 53
        << QStringList{"message:Réunion", "start:/nulle/part", "beep", "message:Fichier introuvable"};
}

void TestMinuterieAlarmes::sonneASaMinute() {
    QFETCH(bool, beep);
    QFETCH(QString, programme);
    QFETCH(int, erreur);
    QFETCH(QStringList, journal);
    if (erreur) plateforme_->nextStart = {erreur, QStringLiteral("Fichier introuvable")};
    démarrer();
    ajouter(TOUS, QStringLiteral("10:31"), QStringLiteral("Réunion"), beep, programme);
    QVERIFY(fenêtre_->Timer1.Enabled());
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:31Réunion"));

    plateforme_->advanceTo(QDateTime(LE_8, QTime(10, 30, 59, 999)));
    QVERIFY(plateforme_->journal.isEmpty());
    plateforme_->advanceTo(QDateTime(LE_8, QTime(11, 0)));
    QCOMPARE(plateforme_->journal, journal);
    QCOMPARE(sonnées_, QStringList{"08/12 10:31:00 Réunion"});
    const ShownMessage& boîte = plateforme_->messages.constFirst();
    QCOMPARE(boîte.caption, QStringLiteral("10:31"));
    QCOMPARE(boîte.buttons, MessageButtons::Ok);
    QCOMPARE(boîte.owner, fenêtre_.get());
    if (erreur) {
        const ShownMessage& échec = plateforme_->messages.constLast();
        QCOMPARE(échec.caption, QStringLiteral("erreur : 53"));
        QCOMPARE(échec.icon, MessageIcon::Critical);
        QCOMPARE(échec.owner, fenêtre_.get());
    }
    // Rung and done for the day; only midnight wakes the timer now.
    QVERIFY(!fenêtre_->Timer1.Enabled());
    QCOMPARE(fenêtre_->Timer1.Tag(), QString());
    QCOMPARE(plateforme_->activeTimers(), 1);
}

void TestMinuterieAlarmes::deuxAlarmesDansLaMemeMinute() {
    démarrer();
    ajouter(TOUS, QStringLiteral("10:31"), QStringLiteral("A"));
    ajouter(TOUS, QStringLiteral("10:32"), QStringLiteral("B"));
    ajouter(QString(), QStringLiteral("10:31"), QStringLiteral("C"));
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:31A"));
    plateforme_->advanceTo(QDateTime(LE_8, QTime(10, 31, 30)));
    QCOMPARE(sonnées_, QStringList({"08/12 10:31:00 A", "08/12 10:31:00 C"}));
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:32B"));
    plateforme_->advanceMinutes(5);
    QCOMPARE(sonnées_, QStringList({"08/12 10:31:00 A", "08/12 10:31:00 C", "08/12 10:32:00 B"}));
}

// The user leaves the first box open three minutes: the alarms that came meanwhile ring when it closes, in
// time order, and the tray's clicks wait for it too.
void TestMinuterieAlarmes::duesPendantQuUneBoiteAttend() {
    démarrer();
    ajouter(TOUS, QStringLiteral("10:31"), QStringLiteral("A"));
    ajouter(TOUS, QStringLiteral("10:34"), QStringLiteral("C"));
    ajouter(TOUS, QStringLiteral("10:33"), QStringLiteral("B"));
    ajouter(TOUS, QStringLiteral("10:40"), QStringLiteral("D"));
    const auto noter = plateforme_->onMessage;
    plateforme_->onMessage = [&](const ShownMessage& boîte) {
        noter(boîte);
        if (boîte.text != QLatin1String("A")) return;
        plateforme_->trayIcon.press(WM_RBUTTONUP);
        plateforme_->trayIcon.press(WM_LBUTTONDOWN);
        plateforme_->advanceMinutes(3);
    };
    plateforme_->advanceTo(QDateTime(LE_8, QTime(10, 50)));
    QCOMPARE(sonnées_,
             QStringList({"08/12 10:31:00 A", "08/12 10:34:00 B", "08/12 10:34:00 C", "08/12 10:40:00 D"}));
    QVERIFY(plateforme_->menusShown.isEmpty());
    QVERIFY(!fenêtre_->isVisible());

    // Once the box is closed the tray answers again.
    plateforme_->trayIcon.press(WM_RBUTTONUP);
    QCOMPARE(plateforme_->menusShown.size(), 1);
}

void TestMinuterieAlarmes::chaqueMinuteVueUneFois_data() {
    QTest::addColumn<QList<Pas>>("pas");
    QTest::addColumn<QStringList>("attendues");

    const auto à = [](const QDate& jour, int h, int m, int s = 0) {
        return Pas{QDateTime(jour, QTime(h, m, s))};
    };
    const auto saut = [](qint64 secondes) { return Pas{QDateTime(), secondes}; };

    QTest::newRow("a day and a morning, on time")
        << QList<Pas>{à(LE_9, 11, 0)}
        << QStringList{"08/12 11:00:00 onze heures",   "08/12 12:00:00 midi le 8",
                       "08/12 23:00:00 soir du 8",     "09/12 08:00:00 huit heures",
                       "09/12 08:30:00 le 9 au matin", "09/12 11:00:00 onze heures"};
    QTest::newRow("clock put forward within the day")
        << QList<Pas>{saut(2 * 3600), à(LE_8, 23, 30)}
        << QStringList{"08/12 12:29:50 onze heures", "08/12 12:29:50 midi le 8", "08/12 23:00:00 soir du 8"};
    QTest::newRow("clock put forward past midnight: the new day's alarms only")
        << QList<Pas>{saut(22 * 3600 + 30 * 60 + 20), à(LE_9, 11, 30)}
        << QStringList{"09/12 09:00:10 huit heures", "09/12 09:00:10 le 9 au matin",
                       "09/12 11:00:00 onze heures"};
    QTest::newRow("clock put back: nothing rings twice")
        << QList<Pas>{à(LE_8, 12, 0, 30), saut(-2 * 3600), à(LE_8, 12, 30)}
        << QStringList{"08/12 11:00:00 onze heures", "08/12 12:00:00 midi le 8"};
    QTest::newRow("asleep overnight with nothing armed, the morning's alarms ring on waking")
        << QList<Pas>{à(LE_8, 23, 30), saut(9 * 3600), à(LE_9, 11, 0)}
        << QStringList{"08/12 11:00:00 onze heures",   "08/12 12:00:00 midi le 8",
                       "08/12 23:00:00 soir du 8",     "09/12 08:30:00 huit heures",
                       "09/12 08:30:00 le 9 au matin", "09/12 11:00:00 onze heures"};
}

void TestMinuterieAlarmes::chaqueMinuteVueUneFois() {
    QFETCH(QList<Pas>, pas);
    QFETCH(QStringList, attendues);
    démarrer();
    ajouter(TOUS, QStringLiteral("08:00"), QStringLiteral("huit heures"));
    ajouter(QString(), QStringLiteral("11:00"), QStringLiteral("onze heures"));
    ajouter(QStringLiteral("08/12/2026"), QStringLiteral("12:00"), QStringLiteral("midi le 8"));
    ajouter(QStringLiteral("09/12/2026"), QStringLiteral("08:30"), QStringLiteral("le 9 au matin"));
    ajouter(QStringLiteral("08/12/2026"), QStringLiteral("23:00"), QStringLiteral("soir du 8"));
    ajouter(TOUS, QStringLiteral("9:45"), QStringLiteral("heure mal écrite"));
    for (const Pas& p : pas) {
        if (p.saut) {
            plateforme_->jumpBy(p.saut);
            plateforme_->advanceTo(plateforme_->clock);
        } else {
            plateforme_->advanceTo(p.moment);
        }
    }
    QCOMPARE(sonnées_, attendues);
}

// While nothing is armed only midnight wakes the timer: it arms the new day (here an alarm at 00:00)
// and gives the tray's tooltip the new date.
void TestMinuterieAlarmes::minuitSeulReveilEtBulleDuJour() {
    démarrer();
    ajouter(TOUS, QStringLiteral("00:00"), QStringLiteral("minuit"));
    QVERIFY(!fenêtre_->Timer1.Enabled());
    QCOMPARE(plateforme_->activeTimers(), 1);
    plateforme_->advanceTo(QDateTime(LE_8, QTime(23, 59, 59)));
    QVERIFY(plateforme_->journal.isEmpty());
    plateforme_->advanceTo(QDateTime(LE_9, QTime(0, 0, 30)));
    QCOMPARE(sonnées_, QStringList{"09/12 00:00:00 minuit"});
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({"add", "modify"}));
    QVERIFY(plateforme_->trayIcon.tip.startsWith(QStringLiteral("mercredi 9 décembre 2026, jour 343")));
    plateforme_->advanceTo(QDateTime(LE_9.addDays(1), QTime(12, 0)));
    QCOMPARE(sonnées_, QStringList({"09/12 00:00:00 minuit", "10/12 00:00:00 minuit"}));
    QCOMPARE(plateforme_->trayIcon.calls, QStringList({"add", "modify", "modify"}));
}

void TestMinuterieAlarmes::memoSupprimeNeSonnePlus() {
    démarrer();
    ajouter(TOUS, QStringLiteral("10:40"), QStringLiteral("autre"));
    Mnemo* mémo = fenêtre_->Nouvelle_Fenêtre();
    mémo->Tag = QStringLiteral("08122026_00042");
    mémo->FR_Options->CK_Alarme->setChecked(true);
    mémo->FR_Options->TX_Heure->setText(QStringLiteral("10:31"));
    mémo->FR_Options->TX_Alarme->setText(QStringLiteral("supprimé"));
    mémo->Mnu_Sauvegarder_Click();
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:31supprimé"));
    plateforme_->answers.push_back(vbYes);
    mémo->Mnu_Supprimer_Click();
    QCOMPARE(fenêtre_->Timer1.Tag(), QStringLiteral("10:40autre"));
    plateforme_->advanceTo(QDateTime(LE_8, QTime(11, 0)));
    QCOMPARE(sonnées_, QStringList{"08/12 10:40:00 autre"});
}

// A memo's alarm listed after a protected memo rings while the password is asked: the table was whole.
void TestMinuterieAlarmes::tableEntierePendantUnMotDePasse() {
    const auto écrire = [this](const QString& nom, bool alarme, const QString& motDePasse) {
        Fiche_Mnémo fiche;
        fiche.Titre = nom;
        fiche.Ouvert = true;
        fiche.Alarme = alarme;
        fiche.Jour = TOUS;
        fiche.Heure = QStringLiteral("10:31");
        fiche.Message = QStringLiteral("pendant le mot de passe");
        fiche.PRG = PRG_AUCUN;
        fiche.Hauteur = 4500;
        fiche.Largeur = 4000;
        fiche.MdP = motDePasse;
        QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), nom, fiche, QImage()).ok());
    };
    écrire(QStringLiteral("01122026_00001"), false, QStringLiteral("Clef"));
    écrire(QStringLiteral("02122026_00002"), true, QString());
    QString tagPendant;
    plateforme_->dialogHandlers.push_back([&](QDialog&) {
        tagPendant = fenêtre_->Timer1.Tag();
        plateforme_->advanceTo(QDateTime(LE_8, QTime(10, 32)));
        return int(QDialog::Rejected);
    });
    fenêtre_->Form_Load();
    QCOMPARE(tagPendant, QStringLiteral("10:31pendant le mot de passe"));
    QCOMPARE(sonnées_, QStringList{"08/12 10:31:00 pendant le mot de passe"});
    for (int slot = 1; slot <= fenêtre_->Nb_Fenêtres; ++slot)
        delete fenêtre_->Fenêtres_Mnémo[slot].data();
}

QTEST_MAIN(TestMinuterieAlarmes)
#include "tst_minuterie_alarmes.moc"
