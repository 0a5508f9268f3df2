#include "FakePlatform.h"
#include "FicheDeTest.h"
#include "TestFolder.h"

#include "dialogs/FrmSaisie.h"
#include "memo/Mnemo.h"
#include "memo/PanneauOptions.h"
#include "shell/FrmUtilitaires.h"
#include "store/EcritureMnemo.h"
#include "store/Recuperation.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace {

const QString OUVERT = QStringLiteral("01122026_00001");  // saved, opened at start
const QString FERMÉ = QStringLiteral("02122026_00002");   // saved, closed, with an alarm
const QString NOUVEAU = QStringLiteral("03122026_00003"); // never saved

Fiche_Mnémo fiche(const QString& titre, const QString& texte, bool ouvert, bool alarme = false) {
    Fiche_Mnémo f = ficheDeTest(titre, texte, ouvert);
    f.Alarme = alarme;
    return f;
}

} // namespace

// Recovery copies left by a run that did not end in order, offered back at the next start.
class TestRepriseRecuperations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sansCopieRienNestDemande();
    void reprise_data();
    void reprise();
    void memoProtege_data();
    void memoProtege();
    void autreCopieNeReprendRien();
    void finPendantLaQuestion();

private:
    void redémarrer();
    QList<Mnemo*> ouvertes() const;
    Mnemo* fenêtreDe(const QString& nom) const;
    QStringList écartées() const;

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> fenêtre_;
};

void TestRepriseRecuperations::init() {
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
}

void TestRepriseRecuperations::cleanup() {
    for (Mnemo* m : ouvertes())
        delete m;
    fenêtre_.reset();
    plateforme_.reset();
    dossier_.reset();
}

void TestRepriseRecuperations::redémarrer() {
    for (Mnemo* m : ouvertes())
        delete m;
    fenêtre_.reset();
    plateforme_ = std::make_unique<FakePlatform>();
    fenêtre_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    fenêtre_->terminer = [] {};
}

QList<Mnemo*> TestRepriseRecuperations::ouvertes() const {
    QList<Mnemo*> liste;
    if (!fenêtre_) return liste;
    for (int slot = 1; slot <= fenêtre_->Nb_Fenêtres; ++slot)
        if (Mnemo* m = fenêtre_->Fenêtres_Mnémo[slot]) liste << m;
    return liste;
}

Mnemo* TestRepriseRecuperations::fenêtreDe(const QString& nom) const {
    for (Mnemo* m : ouvertes())
        if (m->Tag == nom) return m;
    return nullptr;
}

QStringList TestRepriseRecuperations::écartées() const {
    return QDir(dossier_->memos() + QStringLiteral("/Recuperation/Ecartees"))
        .entryList(QDir::Files, QDir::Name);
}

void TestRepriseRecuperations::sansCopieRienNestDemande() {
    QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), OUVERT, fiche("A", "texte", true), QImage()).ok());
    fenêtre_->Form_Load();
    QVERIFY(plateforme_->messages.isEmpty());
    QCOMPARE(ouvertes().size(), 1);
}

void TestRepriseRecuperations::reprise_data() {
    QTest::addColumn<int>("réponse");
    QTest::newRow("Oui reopens them") << vbYes;
    QTest::newRow("Non sets them aside") << vbNo;
}

void TestRepriseRecuperations::reprise() {
    QFETCH(int, réponse);
    const QString dossier = dossier_->memos();
    QVERIFY(Écrire_Mnémo(*plateforme_, dossier, OUVERT, fiche("A", "A enregistré", true), QImage()).ok());
    QVERIFY(
        Écrire_Mnémo(*plateforme_, dossier, FERMÉ, fiche("B", "B enregistré", false, true), QImage()).ok());
    QVERIFY(Écrire_Récupération(*plateforme_, dossier, OUVERT, fiche("A", "A modifié", true)).ok());
    QVERIFY(
        Écrire_Récupération(*plateforme_, dossier, FERMÉ, fiche("B", "B modifié Łódź", false, true)).ok());
    QVERIFY(
        Écrire_Récupération(*plateforme_, dossier, NOUVEAU, fiche("C", "C jamais enregistré", true)).ok());
    // A copy that is not whole is set aside without a word.
    QFile coupée(Chemin_Récupération(dossier, QStringLiteral("04122026_00004")));
    QVERIFY(coupée.open(QIODevice::WriteOnly));
    coupée.write("\"++++++++\"\r\n#TRUE#\r\n");
    coupée.close();
    plateforme_->answers = {réponse};

    fenêtre_->Form_Load();

    QCOMPARE(plateforme_->messages.size(), 1);
    const ShownMessage& question = plateforme_->messages.constFirst();
    QCOMPARE(
        question.text,
        QStringLiteral("Des modifications non enregistrées de 3 Mnémo(s) ont été retrouvées. Les rouvrir ?"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.caption, QStringLiteral("Pensoir"));
    QCOMPARE(question.owner, fenêtre_.get());
    QVERIFY(écartées().contains(QStringLiteral("04122026_00004_20261208-102950.PSL")));

    if (réponse == vbNo) {
        QCOMPARE(ouvertes().size(), 1);
        QCOMPARE(fenêtreDe(OUVERT)->Texte(), QStringLiteral("A enregistré"));
        QVERIFY(!fenêtreDe(OUVERT)->Modifié);
        QCOMPARE(écartées().size(), 4);
        QVERIFY(Lire_Récupérations(dossier).isEmpty());
        // Offered once: the next start asks nothing.
        redémarrer();
        fenêtre_->Form_Load();
        QVERIFY(plateforme_->messages.isEmpty());
        return;
    }

    // One window each, the open memo's own included, with the recovered text and modified.
    QCOMPARE(ouvertes().size(), 3);
    const QList<std::pair<QString, QString>> attendus = {
        {OUVERT, "A modifié"}, {FERMÉ, "B modifié Łódź"}, {NOUVEAU, "C jamais enregistré"}};
    for (const auto& [nom, texte] : attendus) {
        Mnemo* m = fenêtreDe(nom);
        QVERIFY2(m, qPrintable(nom));
        QCOMPARE(m->Texte(), texte);
        QVERIFY(m->Modifié);
        QVERIFY(m->isVisible());
    }
    // The closed memo's alarm keeps its row, which its next save updates.
    QCOMPARE(fenêtreDe(FERMÉ)->CK_Alarme_Tag, QStringLiteral("1"));
    QVERIFY(fenêtreDe(FERMÉ)->FR_Options->CK_Alarme->isChecked());
    // The copies stay until the changes are saved or given up.
    QCOMPARE(Lire_Récupérations(dossier).size(), 3);
    fenêtreDe(NOUVEAU)->Mnu_Sauvegarder_Click();
    QCOMPARE(Lire_Récupérations(dossier).size(), 2);
    QVERIFY(QFile::exists(fenêtreDe(NOUVEAU)->Fichier_Fiche()));
}

void TestRepriseRecuperations::memoProtege_data() {
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<bool>("ouvert");
    QTest::newRow("right password") << "Clef" << true;
    QTest::newRow("wrong password") << "clef" << false;
}

// A protected memo's recovered text is shown only to whoever gives its password.
void TestRepriseRecuperations::memoProtege() {
    QFETCH(QString, saisi);
    QFETCH(bool, ouvert);
    Fiche_Mnémo protégée = fiche("Coffre", "code 1234", false);
    protégée.MdP = QStringLiteral("Clef");
    QVERIFY(Écrire_Mnémo(*plateforme_, dossier_->memos(), FERMÉ, protégée, QImage()).ok());
    protégée.Texte = QStringLiteral("code 5678");
    QVERIFY(Écrire_Récupération(*plateforme_, dossier_->memos(), FERMÉ, protégée).ok());
    plateforme_->answers = {vbYes};
    plateforme_->dialogHandlers.push_back([&](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("TX_MdP"))->setText(saisi);
        static_cast<FrmSaisie&>(d).PB_Valider_Click();
        return int(QDialog::Accepted);
    });

    fenêtre_->Form_Load();

    QCOMPARE(plateforme_->dialogNames(), QStringList{QStringLiteral("FrmSaisie")});
    QCOMPARE(ouvertes().size(), ouvert ? 1 : 0);
    if (ouvert) {
        QCOMPARE(ouvertes()[0]->Texte(), QStringLiteral("code 5678"));
        QVERIFY(ouvertes()[0]->Modifié);
    } else {
        QCOMPARE(plateforme_->messages.constLast().caption, QStringLiteral("Mmémo : Coffre"));
    }
    // Refused, the copy waits for the next start.
    QCOMPARE(Lire_Récupérations(dossier_->memos()).size(), 1);
}

// The copies in a folder another running copy uses are that copy's own.
void TestRepriseRecuperations::autreCopieNeReprendRien() {
    QVERIFY(Écrire_Récupération(*plateforme_, dossier_->memos(), NOUVEAU, fiche("C", "texte", true)).ok());
    plateforme_->otherCopy = true;
    fenêtre_->Form_Load();
    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Cette application est déjà lancée !"));
    QVERIFY(ouvertes().isEmpty());
    QCOMPARE(Lire_Récupérations(dossier_->memos()).size(), 1);
}

// A signal or the end of the session while the question waits: nobody said no, and the copies stay where
// the next start offers them again.
void TestRepriseRecuperations::finPendantLaQuestion() {
    QVERIFY(Écrire_Récupération(*plateforme_, dossier_->memos(), NOUVEAU, fiche("C", "retrouvé", true)).ok());
    int terminaisons = 0;
    fenêtre_->terminer = [&terminaisons] { ++terminaisons; };
    plateforme_->onMessage = [this](const ShownMessage&) { fenêtre_->Fin_Sans_Question(); };
    plateforme_->answers = {vbNo}; // what the box answers once the program has ended it

    fenêtre_->Form_Load();

    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(terminaisons, 1);
    QVERIFY(ouvertes().isEmpty());
    QCOMPARE(Lire_Récupérations(dossier_->memos()).size(), 1);
    QVERIFY(écartées().isEmpty());
}

QTEST_MAIN(TestRepriseRecuperations)
#include "tst_reprise_recuperations.moc"
