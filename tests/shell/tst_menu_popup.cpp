#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "shell/FichierMenus.h"
#include "shell/FrmUtilitaires.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

const QString DÉFAUT = QStringLiteral("<défaut>"); // OK on the input box's default answer

QByteArray lire(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

void écrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
}

} // namespace

// The tray menu: its commands, the launcher entries read from and added to the options file, starting
// them, and showing all memos.
class TestMenuPopUp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void entreesSansLanceur();
    void lectureAuDemarrage();
    void legendeDemesuree();
    void fichierEnormeBorne();
    void ajoutMenu_data();
    void ajoutMenu();
    void requeteDuDialogue();
    void annulerApresUnChoix();
    void dossierMenusImpossible();
    void survitAuRedemarrage();
    void lancer_data();
    void lancer();
    void afficherTousLesMnemos_data();
    void afficherTousLesMnemos();
    void afficherTousArreteSurUnEchec();
    void cheminQuiNePeutEtreGarde_data();
    void cheminQuiNePeutEtreGarde();

private:
    QString fichierMenus() const { return dossier_->menus() + QStringLiteral("/MenuOptions.txt"); }
    QStringList légendesLanceur(const FrmUtilitaires& fenêtre) const;
    void redémarrer();

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
};

void TestMenuPopUp::init() {
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
}

void TestMenuPopUp::cleanup() {
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

QStringList TestMenuPopUp::légendesLanceur(const FrmUtilitaires& fenêtre) const {
    QStringList légendes;
    for (int i = 1; i < fenêtre.Mnu_Lancer->nombre(); ++i)
        légendes << fenêtre.Mnu_Lancer->légende(i);
    return légendes;
}

void TestMenuPopUp::redémarrer() {
    fenêtre_.reset();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
    fenêtre_->Form_Load();
}

void TestMenuPopUp::entreesSansLanceur() {
    fenêtre_->Form_Load();
    QStringList visibles;
    for (const QAction* action : fenêtre_->MenuPopUp->actions())
        if (action->isVisible()) visibles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(visibles, QStringList({"&Masquer", "&Quitter", "-", "Créer un nouveau Mnémo",
                                    "Afficher tous les Mnémos", "-"}));
    QCOMPARE(fenêtre_->Mnu_Lancer->nombre(), 1);
    QCOMPARE(fenêtre_->Mnu_Lancer_0, fenêtre_->Mnu_Lancer->élément(0));
    QCOMPARE(fenêtre_->Mnu_Lancer_0, fenêtre_->MenuPopUp->actions().constLast());
    QCOMPARE(fenêtre_->Mnu_Lancer_0->text(), QStringLiteral("Lancer"));
    QVERIFY(!fenêtre_->Mnu_Lancer_0->isVisible());
    QVERIFY(fenêtre_->Mnu_Lancer->Tag(0).isEmpty());
}

void TestMenuPopUp::lectureAuDemarrage() {
    écrire(fichierMenus(),
           "\"1 - &Calculette\"\r\n\"/usr/bin/calc\"\r\n\"Moi, toi \xE9\"\r\n\"/opt/a b/c\"\r\n");
    fenêtre_->Form_Load();
    QCOMPARE(fenêtre_->Mnu_Lancer->nombre(), 3);
    const QList<QAction*> actions = fenêtre_->MenuPopUp->actions();
    QCOMPARE(actions.mid(actions.size() - 3),
             QList<QAction*>({fenêtre_->Mnu_Lancer_0, fenêtre_->Mnu_Lancer->élément(1),
                              fenêtre_->Mnu_Lancer->élément(2)}));
    QCOMPARE(légendesLanceur(*fenêtre_), QStringList({"1 - &Calculette", "Moi, toi é"}));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(1), QStringLiteral("/usr/bin/calc"));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(2), QStringLiteral("/opt/a b/c"));
    QVERIFY(fenêtre_->Mnu_Lancer->élément(1)->isVisible());
    QVERIFY(fenêtre_->Mnu_Lancer->élément(2)->isVisible());
    QVERIFY(plateforme_->messages.isEmpty());
}

// A caption of 100 000 letters is kept whole and shown as a line of the menu.
void TestMenuPopUp::legendeDemesuree() {
    const QByteArray légende(100000, 'L');
    écrire(fichierMenus(), "\"" + légende + "\"\r\n\"/usr/bin/calc\"\r\n");
    fenêtre_->Form_Load();
    QCOMPARE(fenêtre_->Mnu_Lancer->légende(1), QString::fromLatin1(légende));
    const QString montrée = fenêtre_->Mnu_Lancer->élément(1)->text();
    QVERIFY(montrée.size() <= 201);
    QVERIFY(montrée.startsWith(QStringLiteral("LLLL")));
    QVERIFY(fenêtre_->MenuPopUp->sizeHint().width() < 32767);
}

void TestMenuPopUp::fichierEnormeBorne() {
    QByteArray octets;
    while (octets.size() < 2 * TAILLE_MAX_FICHIER_MENUS)
        octets += "\"a\"\r\n\"/bin/a\"\r\n";
    écrire(fichierMenus(), octets);
    QElapsedTimer chrono;
    chrono.start();
    fenêtre_->Form_Load();
    QCOMPARE(fenêtre_->Mnu_Lancer->nombre(), Lanceur::NOMBRE_MAX);
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(Lanceur::NOMBRE_MAX - 1), QStringLiteral("/bin/a"));
    qInfo() << "read in" << chrono.elapsed() << "ms";
}

void TestMenuPopUp::ajoutMenu_data() {
    QTest::addColumn<QByteArray>("avant");     // null: no Menus folder
    QTest::addColumn<QStringList>("choix");    // one file per click, "" = dialog cancelled
    QTest::addColumn<QStringList>("réponses"); // one per input box shown
    QTest::addColumn<QStringList>("défauts");  // the input boxes' default answers
    QTest::addColumn<QStringList>("légendes");
    QTest::addColumn<QByteArray>("après"); // null: no file

    QTest::newRow("première entrée, dossier Menus créé")
        << QByteArray() << QStringList{"/opt/outils/mon prog.sh"} << QStringList{DÉFAUT}
        << QStringList{"1 - mon prog.sh"} << QStringList{"1 - mon prog.sh"}
        << QByteArray("\"1 - mon prog.sh\"\r\n\"/opt/outils/mon prog.sh\"\r\n");
    QTest::newRow("deux entrées de suite")
        << QByteArray() << QStringList{"/bin/a", "/usr/bin/b"} << QStringList{DÉFAUT, DÉFAUT}
        << QStringList{"1 - a", "2 - b"} << QStringList{"1 - a", "2 - b"}
        << QByteArray("\"1 - a\"\r\n\"/bin/a\"\r\n\"2 - b\"\r\n\"/usr/bin/b\"\r\n");
    QTest::newRow("après les entrées du fichier")
        << QByteArray("\"x\"\r\n\"/bin/x\"\r\n") << QStringList{"/bin/a"} << QStringList{DÉFAUT}
        << QStringList{"2 - a"} << QStringList{"x", "2 - a"}
        << QByteArray("\"x\"\r\n\"/bin/x\"\r\n\"2 - a\"\r\n\"/bin/a\"\r\n");
    QTest::newRow("dossier Menus présent, fichier absent")
        << QByteArray("") << QStringList{"/bin/a"} << QStringList{DÉFAUT} << QStringList{"1 - a"}
        << QStringList{"1 - a"} << QByteArray("\"1 - a\"\r\n\"/bin/a\"\r\n");
    QTest::newRow("dialogue annulé: rien")
        << QByteArray() << QStringList{""} << QStringList{} << QStringList{} << QStringList{} << QByteArray();
    QTest::newRow("boîte de saisie annulée: entrée vide quand même")
        << QByteArray() << QStringList{"/bin/a"} << QStringList{""} << QStringList{"1 - a"} << QStringList{""}
        << QByteArray("\"\"\r\n\"/bin/a\"\r\n");
    QTest::newRow("légende choisie, accents et virgule")
        << QByteArray() << QStringList{"/opt/été/éd"} << QStringList{"Éditeur, &texte"}
        << QStringList{"1 - éd"} << QStringList{"Éditeur, &texte"}
        << QByteArray("\"\xC9"
                      "diteur, &texte\"\r\n\"/opt/\xE9t\xE9/\xE9"
                      "d\"\r\n");
    QTest::newRow("guillemet dans la légende: deux apostrophes, au menu comme au fichier")
        << QByteArray() << QStringList{"/bin/a", "/bin/b"} << QStringList{"a\",b", DÉFAUT}
        << QStringList{"1 - a", "2 - b"} << QStringList{"a'',b", "2 - b"}
        << QByteArray("\"a'',b\"\r\n\"/bin/a\"\r\n\"2 - b\"\r\n\"/bin/b\"\r\n");
    QTest::newRow("annulé entre deux ajouts")
        << QByteArray() << QStringList{"/bin/a", "", "/bin/c"} << QStringList{DÉFAUT, DÉFAUT}
        << QStringList{"1 - a", "2 - c"} << QStringList{"1 - a", "2 - c"}
        << QByteArray("\"1 - a\"\r\n\"/bin/a\"\r\n\"2 - c\"\r\n\"/bin/c\"\r\n");
}

void TestMenuPopUp::ajoutMenu() {
    QFETCH(QByteArray, avant);
    QFETCH(QStringList, choix);
    QFETCH(QStringList, réponses);
    QFETCH(QStringList, défauts);
    QFETCH(QStringList, légendes);
    QFETCH(QByteArray, après);

    if (!avant.isNull()) QDir().mkpath(dossier_->menus());
    if (!avant.isEmpty()) écrire(fichierMenus(), avant);
    fenêtre_->Form_Load();

    for (const QString& fichier : choix) {
        plateforme_->chosenFiles.push_back(fichier);
        const qsizetype montrées = plateforme_->inputBoxes.size();
        if (!fichier.isEmpty()) {
            const QString réponse = réponses.value(montrées);
            plateforme_->inputs.push_back(réponse == DÉFAUT ? std::nullopt : std::optional<QString>(réponse));
        }
        fenêtre_->Command5->click();
    }

    QStringList défautsMontrés;
    for (const ShownInput& saisie : plateforme_->inputBoxes)
        défautsMontrés << saisie.defaultAnswer;
    QCOMPARE(défautsMontrés, défauts);
    QCOMPARE(légendesLanceur(*fenêtre_), légendes);
    for (int i = 1; i < fenêtre_->Mnu_Lancer->nombre(); ++i)
        QVERIFY(fenêtre_->Mnu_Lancer->élément(i)->isVisible());
    QCOMPARE(QFile::exists(fichierMenus()), !après.isNull());
    QCOMPARE(lire(fichierMenus()), après);
    QCOMPARE(QDir(dossier_->menus()).exists(), !avant.isNull() || !après.isNull());
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestMenuPopUp::requeteDuDialogue() {
    fenêtre_->Form_Load();
    plateforme_->chosenFiles = {QStringLiteral("/usr/bin/gedit")};
    plateforme_->inputs = {std::nullopt};
    fenêtre_->Command5->click();

    QCOMPARE(plateforme_->fileRequests.size(), 1);
    const ShownFileDialog& requête = plateforme_->fileRequests.constFirst();
    QCOMPARE(requête.owner, fenêtre_.get());
    QCOMPARE(requête.title, QStringLiteral("Selectionner le programme à lancer"));
    QCOMPARE(requête.initialFolder, QDir::homePath());
    QCOMPARE(requête.filter,
             QStringLiteral("All Files (*.*)|*|Exécutables (*.exe)|*|Batch Files (*.bat)|*.sh;*.bat"));
    QCOMPARE(requête.filterIndex, 2);

    QCOMPARE(plateforme_->inputBoxes.size(), 1);
    const ShownInput& saisie = plateforme_->inputBoxes.constFirst();
    QCOMPARE(saisie.prompt, QStringLiteral("Entrer l'option menu à ajouter !"));
    QCOMPARE(saisie.caption, QStringLiteral("Pensoir"));
    QCOMPARE(saisie.defaultAnswer, QStringLiteral("1 - gedit"));
    QCOMPARE(saisie.owner, fenêtre_.get());
    QCOMPARE(fenêtre_->CommonDialog1.FileName, QStringLiteral("/usr/bin/gedit"));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(1), QStringLiteral("/usr/bin/gedit"));
}

void TestMenuPopUp::annulerApresUnChoix() {
    // The shared dialog remembers its last file; a cancel must not add that one again.
    fenêtre_->Form_Load();
    fenêtre_->CommonDialog1.FileName = QStringLiteral("/bin/choisi/avant");
    plateforme_->chosenFiles = {QString()};
    fenêtre_->Command5->click();
    QCOMPARE(fenêtre_->Mnu_Lancer->nombre(), 1);
    QVERIFY(plateforme_->inputBoxes.isEmpty());
    QCOMPARE(fenêtre_->CommonDialog1.FileName, QStringLiteral("/bin/choisi/avant"));
    QVERIFY(!QFile::exists(fichierMenus()));
}

void TestMenuPopUp::dossierMenusImpossible() {
    // A file where the folder should be: the entry stays for this run and nothing is reported.
    écrire(dossier_->menus(), "pas un dossier");
    fenêtre_->Form_Load();
    plateforme_->chosenFiles = {QStringLiteral("/bin/a")};
    plateforme_->inputs = {std::nullopt};
    fenêtre_->Command5->click();
    QCOMPARE(légendesLanceur(*fenêtre_), QStringList{"1 - a"});
    QCOMPARE(lire(dossier_->menus()), QByteArray("pas un dossier"));
    QVERIFY(plateforme_->messages.isEmpty());
}

void TestMenuPopUp::survitAuRedemarrage() {
    fenêtre_->Form_Load();
    const QStringList fichiers = {"/bin/a", "/bin/b", "/opt/c d/e"};
    const QStringList réponses = {"Moi, toi", "", "3 - e"};
    for (int i = 0; i < fichiers.size(); ++i) {
        plateforme_->chosenFiles = {fichiers[i]};
        plateforme_->inputs = {réponses[i]};
        fenêtre_->Command5->click();
    }
    QCOMPARE(légendesLanceur(*fenêtre_), réponses);

    redémarrer();
    // The empty caption shifts what follows it by one line.
    QCOMPARE(légendesLanceur(*fenêtre_), QStringList({"Moi, toi", "/bin/b", "/opt/c d/e"}));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(1), QStringLiteral("/bin/a"));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(2), QStringLiteral("3 - e"));
    QCOMPARE(fenêtre_->Mnu_Lancer->Tag(3), QString());

    // Adding after a restart takes the next index.
    plateforme_->chosenFiles = {QStringLiteral("/bin/f")};
    plateforme_->inputs = {std::nullopt};
    fenêtre_->Command5->click();
    QCOMPARE(plateforme_->inputBoxes.constLast().defaultAnswer, QStringLiteral("4 - f"));
}

void TestMenuPopUp::lancer_data() {
    QTest::addColumn<int>("erreur");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("journal");
    QTest::newRow("démarré") << 0 << QString() << QStringList{"start:/opt/a b/c"};
    QTest::newRow("fichier introuvable")
        << 53 << QStringLiteral("Fichier introuvable")
        << QStringList{"start:/opt/a b/c", "beep", "message:Fichier introuvable"};
    QTest::newRow("accès refusé") << 75 << QStringLiteral("Erreur d'accès au chemin/fichier")
                                  << QStringList{"start:/opt/a b/c", "beep",
                                                 "message:Erreur d'accès au chemin/fichier"};
}

void TestMenuPopUp::lancer() {
    QFETCH(int, erreur);
    QFETCH(QString, description);
    QFETCH(QStringList, journal);

    écrire(fichierMenus(), "\"a\"\r\n\"/bin/a\"\r\n\"c\"\r\n\"/opt/a b/c\"\r\n");
    fenêtre_->Form_Load();
    plateforme_->journal.clear();
    plateforme_->nextStart = {erreur, description};

    fenêtre_->Mnu_Lancer->élément(2)->trigger();

    QCOMPARE(plateforme_->journal, journal);
    QCOMPARE(plateforme_->beeps, erreur ? 1 : 0);
    if (erreur) {
        const ShownMessage& message = plateforme_->messages.constFirst();
        QCOMPARE(message.caption, QStringLiteral("erreur ") + QString::number(erreur));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.owner, fenêtre_.get());
    }
    QCOMPARE(légendesLanceur(*fenêtre_), QStringList({"a", "c"}));
}

void TestMenuPopUp::afficherTousLesMnemos_data() {
    QTest::addColumn<int>("réponse");
    QTest::newRow("Oui ferme les Mnémos") << vbYes;
    QTest::newRow("Non les laisse") << vbNo;
}

void TestMenuPopUp::afficherTousLesMnemos() {
    QFETCH(int, réponse);
    fenêtre_->Form_Load();
    Mnemo mnémo1(fenêtre_->contexte), mnémo2(fenêtre_->contexte);
    for (Mnemo* m : {&mnémo1, &mnémo2})
        m->setAttribute(Qt::WA_DeleteOnClose, false);
    mnémo1.show();
    mnémo2.show();
    fenêtre_->Fenêtres_Mnémo[1] = &mnémo1;
    fenêtre_->Fenêtres_Mnémo[2] = &mnémo2;
    fenêtre_->Nb_Fenêtres = 2;
    fenêtre_->contexte.Fermeture_En_Cours = true;
    plateforme_->answers = {réponse};

    fenêtre_->Mnu_Afficher->trigger();

    QCOMPARE(plateforme_->messages.size(), 1);
    const ShownMessage& question = plateforme_->messages.constFirst();
    QCOMPARE(question.text, QStringLiteral("Fermeture immédiate des Mnémos ouverts ?"));
    QCOMPARE(question.caption, QStringLiteral("Affichage de la liste de tous les Mnémos"));
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.owner, fenêtre_.get());
    QVERIFY(!fenêtre_->contexte.Fermeture_En_Cours);
    const bool fermés = réponse == vbYes;
    QCOMPARE(mnémo1.isVisible(), !fermés);
    QCOMPARE(mnémo2.isVisible(), !fermés);
    QCOMPARE(fenêtre_->Nb_Fenêtres, fermés ? 0 : 2);
}

// A memo whose save fails stays open, and the list is not shown over it.
void TestMenuPopUp::afficherTousArreteSurUnEchec() {
    fenêtre_->Form_Load();
    Mnemo mnémo(fenêtre_->contexte);
    mnémo.setAttribute(Qt::WA_DeleteOnClose, false);
    mnémo.Tag = QStringLiteral("08122026_00001");
    mnémo.Modifié = true;
    mnémo.show();
    fenêtre_->Fenêtres_Mnémo[1] = &mnémo;
    fenêtre_->Nb_Fenêtres = 1;
    QVERIFY(QDir().mkpath(mnémo.Fichier_Fiche() + QStringLiteral("/dedans")));
    plateforme_->answers = {vbYes, vbYes}; // close them all; save this one

    fenêtre_->Mnu_Afficher->trigger();

    QCOMPARE(plateforme_->messages.size(), 3);
    QCOMPARE(plateforme_->messages[2].caption, QStringLiteral("erreur 75"));
    QVERIFY(mnémo.isVisible() && mnémo.Modifié);
    QCOMPARE(fenêtre_->Nb_Fenêtres, qint16(1));
    QVERIFY(!fenêtre_->isVisible());
    QVERIFY(!fenêtre_->FR_Liste->isVisibleTo(fenêtre_.get()));
}

// A program whose path the options file cannot carry back is refused: it could never start after a restart.
void TestMenuPopUp::cheminQuiNePeutEtreGarde_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("montrés");
    QTest::newRow("letters outside Windows-1252") << "/opt/日本/Łódź"
                                                  << "日 本 Ł ź";
    QTest::newRow("double quote") << "/opt/dit \"oui\""
                                  << "\"";
    QTest::newRow("line break") << "/opt/deux\nlignes"
                                << "U+000A";
}

void TestMenuPopUp::cheminQuiNePeutEtreGarde() {
    QFETCH(QString, chemin);
    QFETCH(QString, montrés);
    fenêtre_->Form_Load();
    plateforme_->chosenFiles = {chemin};
    fenêtre_->Command5->click();

    QCOMPARE(plateforme_->messages.size(), 1);
    const ShownMessage& message = plateforme_->messages.constFirst();
    QCOMPARE(message.text,
             QStringLiteral("Ce programme ne peut pas être ajouté au menu : son chemin contient des "
                            "caractères que le fichier des menus ne peut pas garder (%1).\n\n%2")
                 .arg(montrés, chemin));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.owner, fenêtre_.get());
    QVERIFY(plateforme_->inputBoxes.isEmpty());
    QCOMPARE(fenêtre_->Mnu_Lancer->nombre(), 1);
    QVERIFY(!QFile::exists(fichierMenus()));
}

QTEST_MAIN(TestMenuPopUp)
#include "tst_menu_popup.moc"
