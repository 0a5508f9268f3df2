#include "FakePlatform.h"
#include "FicheDeTest.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "memo/Mnemo.h"
#include "memo/PanneauOptions.h"
#include "platform/widgets/Twips.h"
#include "shell/FrmUtilitaires.h"
#include "shell/PanneauListe.h"
#include "store/EcritureMnemo.h"
#include "store/FichiersMnemo.h"
#include "store/FormatFiche.h"
#include "store/LectureFiche.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <limits>

namespace {

// What each memo window held when it was first shown.
class PremiersAffichages final : public QObject {
public:
    struct Vu {
        QString titre;
        int gauche = 0;
        bool auDessus = false;
        bool sansActiver = false;
    };
    PremiersAffichages() { qApp->installEventFilter(this); }
    QHash<QString, Vu> vus; // by memo name

protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        auto* mnémo = qobject_cast<Mnemo*>(objet);
        if (event->type() == QEvent::Show && mnémo && !vus.contains(mnémo->Tag))
            vus.insert(mnémo->Tag, {mnémo->Titre(), mnémo->Left(),
                                    mnémo->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                                    mnémo->testAttribute(Qt::WA_ShowWithoutActivating)});
        return false;
    }
};

} // namespace

// Opening memos from their files, at start-up and from the list, and creating new ones from the tray.
class TestLectureMnemos : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dossierVide();
    void demarrageOuvreLesMemosToujoursOuverts();
    void ouvrirLaSelection();
    void formatIncorrect();
    void motDePasse_data();
    void motDePasse();
    void reafficherLaListeAfficheeDonneLaMemeListe();
    void ouvrirDeuxFoisDonneUneFenetre();
    void lesFenetresOuvertesSuiventLeurLigne();
    void tropDAlarmesSignaleUneFois();
    void nouveauMemo();
    void nouveauNomDejaPris();
    void milliemeFenetreRefusee();
    void alarmesApresLaMillemeFenetre();
    void tailleBornee_data();
    void tailleBornee();
    void demarrageMontreLesMemosEntiersSansPrendreLeClavier();

private:
    void écrire(const QString& nom, const QString& titre, bool ouvert, bool alarme = false,
                const QString& motDePasse = {});
    void écrire(const QString& nom, const Fiche_Mnémo& fiche);
    static Fiche_Mnémo ficheDeTest(const QString& titre, bool ouvert, bool alarme = false,
                                   const QString& motDePasse = {});
    QList<Mnemo*> ouvertes() const;

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
};

void TestLectureMnemos::init() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
}

void TestLectureMnemos::cleanup() {
    for (Mnemo* m : ouvertes())
        delete m;
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

void TestLectureMnemos::écrire(const QString& nom, const QString& titre, bool ouvert, bool alarme,
                               const QString& motDePasse) {
    écrire(nom, ficheDeTest(titre, ouvert, alarme, motDePasse));
}

void TestLectureMnemos::écrire(const QString& nom, const Fiche_Mnémo& fiche) {
    QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), nom, fiche, QImage()).ok());
}

Fiche_Mnémo TestLectureMnemos::ficheDeTest(const QString& titre, bool ouvert, bool alarme,
                                           const QString& motDePasse) {
    Fiche_Mnémo fiche =
        ::ficheDeTest(titre, QStringLiteral("texte de ") + titre + QStringLiteral("\nsuite"), ouvert);
    fiche.Alarme = alarme;
    fiche.MdP = motDePasse;
    return fiche;
}

QList<Mnemo*> TestLectureMnemos::ouvertes() const {
    QList<Mnemo*> liste;
    if (!fenêtre_) return liste;
    for (int slot = 1; slot <= fenêtre_->Nb_Fenêtres; ++slot)
        if (Mnemo* m = fenêtre_->Fenêtres_Mnémo[slot]) liste << m;
    return liste;
}

void TestLectureMnemos::dossierVide() {
    fenêtre_->Form_Load();
    QCOMPARE(fenêtre_->FR_Liste->LB_Liste->count(), 0);
    QCOMPARE(fenêtre_->FR_Liste->LB_Nb_Fichiers->text(), QString());
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(0));
    QVERIFY(ouvertes().isEmpty());
}

void TestLectureMnemos::demarrageOuvreLesMemosToujoursOuverts() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Premier"), true);
    écrire(QStringLiteral("02122026_00002"), QStringLiteral("Fermé avec alarme"), false, true);
    écrire(QStringLiteral("03122026_00003"), QStringLiteral("Troisième"), true, true);
    fenêtre_->Form_Load();

    QListWidget* liste = fenêtre_->FR_Liste->LB_Liste;
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("Premier                           01/12/2026"));
    QCOMPARE(fenêtre_->FR_Liste->LB_Nb_Fichiers->text(), QStringLiteral(" 3 fichier(s)"));
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(2));

    const QList<Mnemo*> fenêtres = ouvertes();
    QCOMPARE(fenêtres.size(), 2);
    QCOMPARE(fenêtres[0]->Tag, QStringLiteral("01122026_00001"));
    QCOMPARE(fenêtres[1]->Tag, QStringLiteral("03122026_00003"));
    QCOMPARE(fenêtres[1]->Texte(), QStringLiteral("texte de Troisième\nsuite"));
    QCOMPARE(fenêtres[1]->Titre(), QStringLiteral("Troisième"));
    QCOMPARE(fenêtres[1]->CK_Alarme_Tag, QStringLiteral("2"));
    QCOMPARE(fenêtres[1]->Image1_Tag, QStringLiteral("3"));
    QCOMPARE(fenêtres[1]->Left(), 1500);
    QVERIFY(fenêtres[1]->Caption().isEmpty());
    QVERIFY(!fenêtres[1]->Modifié);
    QVERIFY(!fenêtres[1]->Mnu_Déplacer->isChecked());
}

void TestLectureMnemos::ouvrirLaSelection() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Un"), false);
    écrire(QStringLiteral("02122026_00002"), QStringLiteral("Deux"), false);
    écrire(QStringLiteral("03122026_00003"), QStringLiteral("Trois"), true);
    fenêtre_->Form_Load();
    QCOMPARE(ouvertes().size(), 1);
    plateforme_->answers.push_back(vbNo); // the open memo stays
    fenêtre_->Mnu_Afficher->trigger();
    QVERIFY(fenêtre_->isVisible());
    fenêtre_->FR_Liste->LB_Liste->item(1)->setSelected(false);
    fenêtre_->FR_Liste->PB_Ouvrir->click();
    QVERIFY(!fenêtre_->isVisible());
    QStringList noms;
    for (Mnemo* m : ouvertes())
        noms << m->Tag;
    QCOMPARE(noms, QStringList({"03122026_00003", "01122026_00001"}));
}

void TestLectureMnemos::formatIncorrect() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Tronqué"), true, true);
    const QString chemin = dossier_->memos() + QStringLiteral("/01122026_00001.PSL");
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray octets = fichier.readAll();
    fichier.close();
    QVERIFY(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fichier.write(octets.left(octets.indexOf("\"DejaVu")));
    fichier.close();

    fenêtre_->Form_Load();
    QVERIFY(ouvertes().isEmpty());
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Ce Mnémo a un format incorrect"));
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Lecture du Mnémo : 01122026_00001.PSL"));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Critical);
    QCOMPARE(plateforme_->messages[0].owner, fenêtre_.get());
    QCOMPARE(plateforme_->beeps, 1);
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(1));
}

void TestLectureMnemos::motDePasse_data() {
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<bool>("ouvert");
    QTest::newRow("accepted") << "Clef8car" << true << true;
    QTest::newRow("letter case counts") << "clef8car" << true << false;
    QTest::newRow("dialog cancelled") << "Clef8car" << false << false;
}

void TestLectureMnemos::motDePasse() {
    QFETCH(QString, saisi);
    QFETCH(bool, valide);
    QFETCH(bool, ouvert);
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Secret"), true, true,
           QStringLiteral("Clef8car"));
    QString légende;
    plateforme_->dialogHandlers.push_back([&](QDialog& d) {
        légende = d.windowTitle();
        d.findChild<QLineEdit*>(QStringLiteral("TX_MdP"))->setText(saisi);
        auto& saisie = static_cast<FrmSaisie&>(d);
        if (valide) saisie.PB_Valider_Click();
        return valide ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    fenêtre_->Form_Load();
    QCOMPARE(légende, QStringLiteral("Entrer le Mot de Passe pour ouvrir ce Mnémo !"));
    QCOMPARE(plateforme_->dialogsShown.constFirst().owner, fenêtre_.get());
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(1));
    QCOMPARE(ouvertes().size(), ouvert ? 1 : 0);
    if (ouvert) {
        QCOMPARE(ouvertes()[0]->Texte(), QStringLiteral("texte de Secret\nsuite"));
        QCOMPARE(ouvertes()[0]->FR_Options->TX_MdP->text().trimmed(), QStringLiteral("Clef8car"));
    } else {
        QCOMPARE(plateforme_->messages.size(), 1);
        QCOMPARE(
            plateforme_->messages[0].text,
            QStringLiteral("Mot de passe incorrect (attention aux majuscules/minuscules), refus d'ouverture "
                           "du Mnémo !"));
        QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Mmémo : Secret"));
        QCOMPARE(plateforme_->messages[0].owner, fenêtre_.get());
    }
}

// "Afficher tous les Mnémos" chosen again while the list is shown reads the folder again: the same lines,
// every one chosen again, the first one current, the same count, and a list that paints itself again.
void TestLectureMnemos::reafficherLaListeAfficheeDonneLaMemeListe() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Un"), false);
    écrire(QStringLiteral("02122026_00002"), QStringLiteral("Deux"), true);
    écrire(QStringLiteral("03122026_00003"), QStringLiteral("Trois"), false);
    PanneauListe& panneau = *fenêtre_->FR_Liste;
    struct Vue {
        QStringList lignes, noms;
        QString choisies;
        int courante = -2;
        QString compte;
    };
    const auto vue = [&panneau] {
        Vue v;
        for (int i = 0; i < panneau.nombre(); ++i) {
            v.lignes << panneau.LB_Liste->item(i)->text() + (panneau.estOuvert(i) ? u'*' : u' ');
            v.noms << panneau.nomMémo(i);
            v.choisies += panneau.estSélectionné(i) ? u'1' : u'0';
        }
        v.courante = panneau.LB_Liste->currentRow();
        v.compte = panneau.LB_Nb_Fichiers->text();
        return v;
    };

    plateforme_->answers.push_back(vbNo);
    fenêtre_->Mnu_Afficher->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(fenêtre_.get()));
    const Vue première = vue();
    QCOMPARE(première.lignes, QStringList({"Un                                01/12/2026 ",
                                           "Deux                              02/12/2026*",
                                           "Trois                             03/12/2026 "}));
    QCOMPARE(première.choisies, QStringLiteral("111"));
    QCOMPARE(première.compte, QStringLiteral(" 3 fichier(s)"));

    // The user changes the choice and the current line, then asks for the list again.
    panneau.PB_A_Ouvrir->click();
    panneau.LB_Liste->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    QVERIFY(panneau.isVisible());
    plateforme_->answers.push_back(vbNo);
    fenêtre_->Mnu_Afficher->trigger();
    QCoreApplication::processEvents();

    const Vue seconde = vue();
    QCOMPARE(seconde.lignes, première.lignes);
    QCOMPARE(seconde.noms, première.noms);
    QCOMPARE(seconde.choisies, première.choisies);
    QCOMPARE(seconde.courante, première.courante);
    QCOMPARE(seconde.compte, première.compte);
    QVERIFY(panneau.LB_Liste->updatesEnabled());
    QVERIFY(panneau.LB_Liste->viewport()->updatesEnabled());
    QVERIFY(panneau.isVisible());
}

void TestLectureMnemos::ouvrirDeuxFoisDonneUneFenetre() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Un"), true);
    fenêtre_->Form_Load();
    fenêtre_->Lecture_Mnémos(true, false, false);
    QCOMPARE(ouvertes().size(), 1);
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestLectureMnemos::lesFenetresOuvertesSuiventLeurLigne() {
    écrire(QStringLiteral("05122026_00001"), QStringLiteral("A"), false, true);
    écrire(QStringLiteral("06122026_00002"), QStringLiteral("B"), true, true);
    fenêtre_->Form_Load();
    Mnemo* b = ouvertes().value(0);
    QVERIFY(b);
    QCOMPARE(b->CK_Alarme_Tag, QStringLiteral("2"));
    plateforme_->randoms = {0.5};
    fenêtre_->Mnu_Mnémo->trigger();
    Mnemo* nouveau = ouvertes().value(1);
    nouveau->FR_Options->CK_Alarme->setChecked(true);
    nouveau->CK_Alarme_Tag = QStringLiteral("3"); // a row given by a save whose file was since removed

    // A memo added before them in the list: after the rebuild the rows move.
    écrire(QStringLiteral("01122026_00003"), QStringLiteral("C"), false, true);
    fenêtre_->Lecture_Mnémos(true, true, true);
    for (int i = 0; i < fenêtre_->FR_Liste->LB_Liste->count(); ++i)
        fenêtre_->FR_Liste->LB_Liste->item(i)->setSelected(false);
    fenêtre_->Lecture_Mnémos(true, false, false);
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(3));
    QCOMPARE(b->CK_Alarme_Tag, QStringLiteral("3"));
    QCOMPARE(nouveau->CK_Alarme_Tag, QString());
    b->FR_Options->TX_Heure->setText(QStringLiteral("06:06"));
    b->Mnu_Sauvegarder_Click();
    QCOMPARE(fenêtre_->contexte.alarmes[3].Heure, QStringLiteral("06:06"));
    QCOMPARE(fenêtre_->contexte.alarmes[1].Heure, QStringLiteral("12:00"));
}

void TestLectureMnemos::tropDAlarmesSignaleUneFois() {
    // One memo with an alarm more than the table holds, and one more again.
    QVERIFY(QDir().mkpath(dossier_->memos()));
    Fiche_Mnémo fiche;
    fiche.Début = DÉBUT_FICHE;
    fiche.Fin = FIN_FICHE;
    fiche.Alarme = true;
    fiche.Heure = QStringLiteral("12:00");
    const QByteArray octets = Composer_Fiche(fiche);
    for (int i = 0; i < Table_Alarmes::DERNIÈRE_LIGNE + 2; ++i) {
        QFile fichier(dossier_->memos() + QStringLiteral("/01122026_%1.PSL").arg(i, 5, 10, QLatin1Char('0')));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
    }
    fenêtre_->Form_Load();
    QCOMPARE(fenêtre_->contexte.alarmes.Nb_Alarmes, qint16(Table_Alarmes::DERNIÈRE_LIGNE));
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(
        plateforme_->messages[0].text,
        QStringLiteral("Trop d'alarmes : certaines alarmes des Mnémos ne peuvent pas être enregistrées."));
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(plateforme_->messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(plateforme_->messages[0].caption, QStringLiteral("Pensoir"));
    QCOMPARE(plateforme_->messages[0].owner, fenêtre_.get());
}

void TestLectureMnemos::nouveauMemo() {
    fenêtre_->Form_Load();
    plateforme_->randoms = {0.04711};
    fenêtre_->Mnu_Mnémo->trigger();
    const QList<Mnemo*> fenêtres = ouvertes();
    QCOMPARE(fenêtres.size(), 1);
    Mnemo* m = fenêtres[0];
    QCOMPARE(m->Caption(), QStringLiteral("Mnémo du mardi 8 décembre 2026 à 10:29:50"));
    QCOMPARE(m->Tag, QStringLiteral("08122026_04711"));
    QCOMPARE(m->Titre(), QString(22, QLatin1Char('_')));
    QVERIFY(m->Mnu_Déplacer->isChecked());
    QVERIFY(!m->Modifié);
    QVERIFY(!fenêtre_->contexte.Création_Mnémo);
    QCOMPARE(fenêtre_->contexte.Icône_Choisie, qint16(0));
    QCOMPARE(plateforme_->randomizeCalls, 1);
}

void TestLectureMnemos::nouveauNomDejaPris() {
    écrire(QStringLiteral("08122026_04711"), QStringLiteral("Déjà là"), false);
    fenêtre_->Form_Load();
    plateforme_->randoms = {0.04711, 0.04711, 0.5};
    fenêtre_->Mnu_Mnémo->trigger(); // the file takes the first draw
    fenêtre_->Mnu_Mnémo->trigger(); // the file and the first window take it
    QStringList noms;
    for (Mnemo* m : ouvertes())
        noms << m->Tag;
    QCOMPARE(noms.size(), 2);
    QVERIFY(!noms.contains(QStringLiteral("08122026_04711")));
    QCOMPARE(QSet<QString>(noms.begin(), noms.end()).size(), 2);
}

void TestLectureMnemos::milliemeFenetreRefusee() {
    fenêtre_->Form_Load();
    fenêtre_->Nb_Fenêtres = 999;
    fenêtre_->Mnu_Mnémo->trigger();
    QCOMPARE(fenêtre_->Nb_Fenêtres, qint16(999));
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(plateforme_->messages[0].owner, fenêtre_.get());
}

// Once no window can be opened, the memos read after the refused one still ring.
void TestLectureMnemos::alarmesApresLaMillemeFenetre() {
    const QStringList noms = {"01122026_00001", "02122026_00002", "03122026_00003", "04122026_00004"};
    for (int i = 0; i < noms.size(); ++i) {
        Fiche_Mnémo fiche = ficheDeTest(QStringLiteral("Mémo %1").arg(i + 1), true, true);
        fiche.Heure = QStringLiteral("1%1:00").arg(i);
        écrire(noms[i], fiche);
    }
    fenêtre_->Nb_Fenêtres = FrmUtilitaires::NB_FENÊTRES - 2;
    fenêtre_->Form_Load();

    QCOMPARE(fenêtre_->Nb_Fenêtres, qint16(FrmUtilitaires::NB_FENÊTRES - 1));
    const Mnemo* dernière = fenêtre_->Fenêtres_Mnémo[FrmUtilitaires::NB_FENÊTRES - 1];
    QVERIFY(dernière);
    QCOMPARE(dernière->Tag, noms[0]);
    QCOMPARE(dernière->CK_Alarme_Tag, QStringLiteral("1"));
    QCOMPARE(plateforme_->messages.size(), 1); // the refusal, told once
    const Table_Alarmes& alarmes = fenêtre_->contexte.alarmes;
    QCOMPARE(alarmes.Nb_Alarmes, qint16(noms.size()));
    for (int i = 0; i < noms.size(); ++i)
        QCOMPARE(alarmes[i + 1].Heure, QStringLiteral("1%1:00").arg(i));
}

void TestLectureMnemos::tailleBornee_data() {
    QTest::addColumn<qint32>("gauche"); // twips, as the record has them
    QTest::addColumn<qint32>("largeur");
    QTest::addColumn<qint32>("hauteur");
    QTest::addColumn<QSize>("taille"); // pixels, in the fake desktop's 1280 × 776 available area
    constexpr qint32 MAX = std::numeric_limits<qint32>::max();
    constexpr qint32 MIN = std::numeric_limits<qint32>::min();
    QTest::newRow("as the record has it") << 1500 << 4005 << 4500 << QSize(267, 300);
    QTest::newRow("the whole area") << 0 << 19200 << 11640 << QSize(1280, 776);
    QTest::newRow("a pixel more than the area") << 1500 << 19215 << 11655 << QSize(1280, 776);
    QTest::newRow("the largest numbers") << 1500 << MAX << MAX << QSize(1280, 776);
    QTest::newRow("wide and flat") << 1500 << MAX << 0 << QSize(1280, 9);
    QTest::newRow("nothing") << 1500 << 0 << 0 << QSize(9, 9);
    QTest::newRow("negative") << 1500 << MIN << -15 << QSize(9, 9);
    // 8 pixels are 120 twips: the window takes the next pixel.
    QTest::newRow("121 twips") << 1500 << 121 << 121 << QSize(9, 9);
    QTest::newRow("huge and far away") << MAX << MAX << MAX << QSize(1280, 776);
    QTest::newRow("small and far away") << MIN << 10 << 10 << QSize(9, 9);
}

// A record's size, however large or small, gives a window that fits the screen and can be seen; the next
// save stores what the window got.
void TestLectureMnemos::tailleBornee() {
    QFETCH(qint32, gauche);
    QFETCH(qint32, largeur);
    QFETCH(qint32, hauteur);
    QFETCH(QSize, taille);
    QCOMPARE(twipsPerPixel(), 15.0);
    Fiche_Mnémo fiche = ficheDeTest(QStringLiteral("Taille"), true);
    fiche.Gauche = gauche;
    fiche.Largeur = largeur;
    fiche.Hauteur = hauteur;
    const QString nom = QStringLiteral("01122026_00001");
    écrire(nom, fiche);
    fenêtre_->Form_Load();

    QCOMPARE(ouvertes().size(), 1);
    Mnemo* fenêtre = ouvertes().constFirst();
    QCOMPARE(fenêtre->size(), taille);
    // One that lay off every screen is brought back onto one.
    bool visible = false;
    for (const QScreen* écran : QGuiApplication::screens())
        visible = visible || écran->geometry().intersects(fenêtre->geometry());
    QVERIFY(visible);

    fenêtre->Mnu_Sauvegarder_Click();
    qint16 icône = 0;
    const Fiche_Mnémo relue = Lire_Fiche(dossier_->memos(), nom, icône);
    QCOMPARE(relue.Largeur, taille.width() * 15);
    QCOMPARE(relue.Hauteur, taille.height() * 15);
}

QTEST_MAIN(TestLectureMnemos)
#include "tst_lecture_mnemos.moc"

// At start-up each memo is shown once whole (its place, title and keep-above set before its window is
// made: no window moved, renamed or made again on the desktop) and leaves the focus alone; a memo opened
// from the list, or created from the tray menu, takes it.
void TestLectureMnemos::demarrageMontreLesMemosEntiersSansPrendreLeClavier() {
    écrire(QStringLiteral("01122026_00001"), QStringLiteral("Premier"), true);
    Fiche_Mnémo dessus;
    dessus.Titre = QStringLiteral("Au-dessus");
    dessus.Ouvert = true;
    dessus.Avant_Plan = true;
    dessus.Gauche = 3000;
    dessus.Haut = 1500;
    dessus.Hauteur = 4500;
    dessus.Largeur = 4000;
    QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), QStringLiteral("02122026_00002"), dessus, QImage())
                .ok());
    écrire(QStringLiteral("03122026_00003"), QStringLiteral("Fermé"), false);

    const PremiersAffichages affichages;
    fenêtre_->Form_Load();
    QCOMPARE(affichages.vus.size(), 2);
    const PremiersAffichages::Vu premier = affichages.vus.value(QStringLiteral("01122026_00001"));
    QCOMPARE(premier.titre, QStringLiteral("Premier"));
    QCOMPARE(premier.gauche, 1500);
    QVERIFY(!premier.auDessus);
    QVERIFY(premier.sansActiver);
    const PremiersAffichages::Vu auDessus = affichages.vus.value(QStringLiteral("02122026_00002"));
    QCOMPARE(auDessus.titre, QStringLiteral("Au-dessus"));
    QCOMPARE(auDessus.gauche, 3000);
    QVERIFY(auDessus.auDessus);
    QVERIFY(auDessus.sansActiver);

    plateforme_->answers.push_back(vbNo); // the open memos stay
    fenêtre_->Mnu_Afficher->trigger();
    fenêtre_->FR_Liste->LB_Liste->item(0)->setSelected(false);
    fenêtre_->FR_Liste->LB_Liste->item(1)->setSelected(false);
    fenêtre_->FR_Liste->PB_Ouvrir->click();
    const PremiersAffichages::Vu ouvert = affichages.vus.value(QStringLiteral("03122026_00003"));
    QCOMPARE(ouvert.titre, QStringLiteral("Fermé"));
    QVERIFY(!ouvert.sansActiver);

    plateforme_->randoms = {0.04711};
    fenêtre_->Mnu_Mnémo->trigger();
    Mnemo* nouveau = fenêtre_->Fenêtre_Du_Mnémo(QStringLiteral("08122026_04711"));
    QVERIFY(nouveau);
    QVERIFY(!affichages.vus.value(nouveau->Tag).sansActiver);
    QTRY_COMPARE(QApplication::activeWindow(), nouveau);
}
