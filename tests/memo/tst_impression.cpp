#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "memo/PanneauImage.h"
#include "memo/PanneauOptions.h"
#include "memo/PetitsControles.h"
#include "platform/widgets/Twips.h"
#include "store/FicheMnemo.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(Fiche_Mnémo)

// Printing a memo through the recording printer: the text report, line by line, the questions around it,
// a desktop without a printer, a printer failing halfway, and the images of the window.
class TestImpression : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rapportDuPanneauTexte();
    void blocOptions_data();
    void blocOptions();
    void reponsesNon_data();
    void reponsesNon();
    void piedDateAuMomentOuIlSImprime();
    void sansImprimante_data();
    void sansImprimante();
    void erreurEnCoursDImpression();
    void imageDeLaFenetre_data();
    void imageDeLaFenetre();

private:
    Mnemo* nouveau(const Fiche_Mnémo& fiche, const QImage& image = {});
    static Fiche_Mnémo ficheDeBase();
};

namespace {

const QString CONFIRMATION = QStringLiteral("Etes-vous sûr de vouloir imprimer le Mnémo : Courses ?");
const QString LÉGENDE = QStringLiteral("Impression du Mmémo :    ");
const QString QUESTION_OPTIONS =
    QStringLiteral("Voulez-vous également imprimer les options et l'image éventuelle de ce Mnémo ? ");
const QString DÉBUT =
    QStringLiteral("line:-------------- IMPRESSION DU 08/12/2026 -------------- ( Début du mnémo )");
const QString FIN =
    QStringLiteral("line:-------------- IMPRESSION DU 08/12/2026 -------------- ( Fin du mnémo )");

QImage dessin(QSize taille, Qt::GlobalColor couleur) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

// The report's steps up to the blank line after the text, the memo being ficheDeBase().
QStringList débutAttendu(const QString& policeTitre) {
    return {QStringLiteral("corner:32x32"),
            QStringLiteral("font:") + policeTitre,
            QStringLiteral("onLine:") + QString(20, QLatin1Char(' ')),
            QStringLiteral("bold:1"),
            QStringLiteral("line:Courses"),
            QStringLiteral("bold:0"),
            QStringLiteral("font:DejaVu Serif"),
            QStringLiteral("line:"),
            QStringLiteral("line:"),
            QStringLiteral("line:"),
            DÉBUT,
            QStringLiteral("line:"),
            QStringLiteral("line:Pain"),
            QStringLiteral("line:Crème brûlée"),
            QStringLiteral("line:"),
            QStringLiteral("line:")};
}

} // namespace

void TestImpression::init() {
    préparerBanc();
}

void TestImpression::cleanup() {
    rangerBanc();
}

Fiche_Mnémo TestImpression::ficheDeBase() {
    Fiche_Mnémo f;
    f.Début = DÉBUT_FICHE;
    f.Fin = FIN_FICHE;
    f.Ouvert = true;
    f.Couleur = 0xC0FFFF;
    f.Icône = 3;
    f.Gauche = 1500;
    f.Haut = 1200;
    f.Largeur = 5010;
    f.Hauteur = 6510;
    f.Titre = QStringLiteral("Courses");
    f.Police = QStringLiteral("DejaVu Serif");
    f.Taille = 10;
    return f;
}

Mnemo* TestImpression::nouveau(const Fiche_Mnémo& fiche, const QImage& image) {
    auto* f = new Mnemo(*contexte_);
    f->Tag = QStringLiteral("08122026_00042");
    fenêtres_ << f;
    // The text ends with a line break: the report keeps the empty line it makes.
    f->Remplir(fiche, QStringLiteral("Pain\nCrème brûlée\n"), QString(), image, 0);
    QFont titre = f->LB_Titre->font();
    titre.setFamily(QStringLiteral("DejaVu Sans"));
    f->LB_Titre->setFont(titre);
    f->show();
    return f;
}

// From the text panel: no second question, no options; the title alone in bold, each font by its name.
void TestImpression::rapportDuPanneauTexte() {
    Mnemo* f = nouveau(ficheDeBase());
    plateforme_->answers = {vbYes};
    f->Mnu_Imprimer_Texte->trigger();

    QCOMPARE(plateforme_->messages.size(), 1);
    const ShownMessage& question = plateforme_->messages[0];
    QCOMPARE(question.text, CONFIRMATION);
    QCOMPARE(question.caption, LÉGENDE);
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.owner, f);

    const QStringList attendu = QStringList{QStringLiteral("begin:Mnémo : Courses")} +
                                débutAttendu(QStringLiteral("DejaVu Sans")) + QStringList{FIN, "end"};
    QCOMPARE(plateforme_->fakePrinter.calls, attendu);
    QCOMPARE(plateforme_->beeps, 0);
}

void TestImpression::blocOptions_data() {
    QTest::addColumn<QString>("panneau");
    QTest::addColumn<Fiche_Mnémo>("fiche");
    QTest::addColumn<bool>("avecImage");
    QTest::addColumn<QStringList>("bloc"); // after "---- Affichage ----", before the last empty line

    const QString blanc = QStringLiteral("line:");
    const QString police = QStringLiteral("line:---- Police de caractères : DejaVu Serif");

    Fiche_Mnémo simple = ficheDeBase();
    simple.Couleur = 0xFFFFFF;
    QTest::newRow("options, white, no alarm")
        << "options" << simple << false
        << QStringList{"line:---- Mnémo toujours ouvert", "line:---- Couleur : 16777215", police};

    Fiche_Mnémo rouge = ficheDeBase();
    rouge.Couleur = 0x0000FF;
    rouge.Ouvert = false;
    rouge.Fermé = true;
    rouge.Avant_Plan = true;
    QTest::newRow("options, red, closed, keep above")
        << "options" << rouge << false
        << QStringList{"line:---- Mnémo toujours fermé", "line:---- Mettre en avant-plan",
                       "line:---- Couleur : 255", police};

    Fiche_Mnémo alarme = ficheDeBase();
    alarme.Alarme = true;
    alarme.Jour = QStringLiteral("24/12/2026");
    alarme.Heure = QStringLiteral("18:30");
    alarme.Message = QStringLiteral("Réveillon");
    const QStringList lignesAlarme{"line:---- Mnémo toujours ouvert",
                                   "line:---- Couleur : 12648447",
                                   police,
                                   blanc,
                                   "line:---- Alarme ----",
                                   "line:---- Jour : 24/12/2026",
                                   "line:---- Heure : 18:30",
                                   "line:---- Message : Réveillon"};
    QTest::newRow("options, alarm without beep or program")
        << "options" << alarme << false << lignesAlarme + QStringList{"line:---- PRG : PRG à lancer"};

    Fiche_Mnémo beep = alarme;
    beep.Beep = true;
    beep.PRG = QStringLiteral("/usr/bin/xclock -digital");
    QTest::newRow("options, alarm with beep and program")
        << "options" << beep << false
        << lignesAlarme + QStringList{"line:---- Beep", "line:---- PRG : /usr/bin/xclock -digital"};

    QTest::newRow("picture panel with a picture") << "image" << ficheDeBase() << true
                                                  << QStringList{"line:---- Mnémo toujours ouvert",
                                                                 "line:---- Couleur : 12648447",
                                                                 police,
                                                                 blanc,
                                                                 "line:-------------- IMAGE -------------",
                                                                 blanc,
                                                                 "picture:120x80",
                                                                 blanc};
    QTest::newRow("options panel with a picture") << "options" << ficheDeBase() << true
                                                  << QStringList{"line:---- Mnémo toujours ouvert",
                                                                 "line:---- Couleur : 12648447",
                                                                 police,
                                                                 blanc,
                                                                 "line:-------------- IMAGE -------------",
                                                                 blanc,
                                                                 "picture:120x80",
                                                                 blanc};
    QTest::newRow("picture panel without a picture")
        << "image" << ficheDeBase() << false
        << QStringList{"line:---- Mnémo toujours ouvert", "line:---- Couleur : 12648447", police};
}

// With Yes to the second question, the options block comes between the text and the footer, each line
// under its own condition.
void TestImpression::blocOptions() {
    QFETCH(QString, panneau);
    QFETCH(Fiche_Mnémo, fiche);
    QFETCH(bool, avecImage);
    QFETCH(QStringList, bloc);
    Mnemo* f = nouveau(fiche, avecImage ? dessin(QSize(120, 80), Qt::darkCyan) : QImage());
    (panneau == QStringLiteral("image") ? f->Option2 : f->Option3)->setChecked(true);
    plateforme_->answers = {vbYes, vbYes};
    f->Mnu_Imprimer_Texte->trigger();

    QCOMPARE(plateforme_->messages.size(), 2);
    QCOMPARE(plateforme_->messages[1].text, QUESTION_OPTIONS);
    QCOMPARE(plateforme_->messages[1].caption, LÉGENDE);
    QCOMPARE(plateforme_->messages[1].icon, MessageIcon::Question);
    const QStringList attendu = débutAttendu(QStringLiteral("DejaVu Sans")) +
                                QStringList{"line:", "line:-------------- OPTIONS -------------",
                                            "line:", "line:---- Affichage ----"} +
                                bloc + QStringList{"line:", FIN};
    QCOMPARE(plateforme_->fakePrinter.printed(), attendu);
    QCOMPARE(plateforme_->fakePrinter.calls.constLast(), QStringLiteral("end"));
}

void TestImpression::reponsesNon_data() {
    QTest::addColumn<QList<int>>("réponses");
    QTest::addColumn<bool>("imprimé");
    QTest::newRow("No to the confirmation") << QList<int>{vbNo} << false;
    QTest::newRow("No to the options") << QList<int>{vbYes, vbNo} << true;
}

// No to the confirmation prints nothing at all; No to the second question prints the report without its
// options block.
void TestImpression::reponsesNon() {
    QFETCH(QList<int>, réponses);
    QFETCH(bool, imprimé);
    Mnemo* f = nouveau(ficheDeBase(), dessin(QSize(120, 80), Qt::darkCyan));
    f->Option3->setChecked(true);
    plateforme_->answers.assign(réponses.begin(), réponses.end());
    f->Mnu_Imprimer_Texte->trigger();
    if (!imprimé) {
        QVERIFY(plateforme_->fakePrinter.calls.isEmpty());
        return;
    }
    QCOMPARE(plateforme_->fakePrinter.printed(),
             débutAttendu(QStringLiteral("DejaVu Sans")) + QStringList{FIN});
}

// The footer is dated when it prints: a report begun before midnight ends the next day.
void TestImpression::piedDateAuMomentOuIlSImprime() {
    Mnemo* f = nouveau(ficheDeBase());
    f->Option3->setChecked(true);
    plateforme_->clock = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 50));
    plateforme_->answers = {vbYes, vbNo};
    plateforme_->onMessage = [this](const ShownMessage& m) {
        if (m.text == QUESTION_OPTIONS) plateforme_->clock = QDateTime(QDate(2026, 12, 9), QTime(0, 0, 5));
    };
    f->Mnu_Imprimer_Texte->trigger();
    const QStringList imprimé = plateforme_->fakePrinter.printed();
    QVERIFY(imprimé.contains(DÉBUT));
    QCOMPARE(imprimé.constLast(),
             QStringLiteral("line:-------------- IMPRESSION DU 09/12/2026 -------------- ( Fin du mnémo )"));
}

void TestImpression::sansImprimante_data() {
    QTest::addColumn<int>("réponse");
    QTest::addColumn<QString>("fichier"); // chosen in the file dialog; "" = cancelled
    QTest::newRow("Oui, then a file") << int(vbYes) << "/tmp/Courses.pdf";
    QTest::newRow("Oui, then Cancel") << int(vbYes) << "";
    QTest::newRow("Non") << int(vbNo) << "";
}

// With no printer one box says so and offers a PDF file; Oui and a file name print the same report there.
void TestImpression::sansImprimante() {
    QFETCH(int, réponse);
    QFETCH(QString, fichier);
    Mnemo* f = nouveau(ficheDeBase());
    plateforme_->fakePrinter.present = false;
    plateforme_->answers = {vbYes, réponse};
    if (réponse == vbYes) plateforme_->chosenFiles = {fichier};
    f->Mnu_Imprimer_Texte->trigger();

    QCOMPARE(plateforme_->messages.size(), 2);
    const ShownMessage& boîte = plateforme_->messages[1];
    QVERIFY2(boîte.text.startsWith(QStringLiteral("Aucune imprimante n'est disponible")),
             qPrintable(boîte.text));
    QVERIFY(boîte.text.contains(QStringLiteral("PDF")));
    QCOMPARE(boîte.caption, QStringLiteral("erreur 482"));
    QCOMPARE(boîte.buttons, MessageButtons::YesNo);
    QCOMPARE(boîte.icon, MessageIcon::Critical);
    QCOMPARE(plateforme_->beeps, 1);

    QCOMPARE(plateforme_->fileRequests.size(), réponse == vbYes ? 1 : 0);
    if (réponse == vbYes) {
        const ShownFileDialog& dialogue = plateforme_->fileRequests[0];
        QVERIFY(dialogue.save);
        QVERIFY2(dialogue.initialFolder.endsWith(QStringLiteral("/Courses.pdf")),
                 qPrintable(dialogue.initialFolder));
        QVERIFY(dialogue.filter.contains(QStringLiteral("*.pdf")));
    }
    if (fichier.isEmpty()) {
        QVERIFY(plateforme_->fakePrinter.calls.isEmpty());
        return;
    }
    const QStringList attendu =
        QStringList{QStringLiteral("pdf:") + fichier + QStringLiteral(":Mnémo : Courses")} +
        débutAttendu(QStringLiteral("DejaVu Sans")) + QStringList{FIN, "end"};
    QCOMPARE(plateforme_->fakePrinter.calls, attendu);
}

// A printer failing halfway stops the document there, with one box and one beep, and the document is
// abandoned rather than ended.
void TestImpression::erreurEnCoursDImpression() {
    Mnemo* f = nouveau(ficheDeBase());
    plateforme_->fakePrinter.failingStep = 6; // the title's line
    plateforme_->answers = {vbYes};
    f->Mnu_Imprimer_Texte->trigger();

    QCOMPARE(plateforme_->fakePrinter.calls.size(), 7);
    QCOMPARE(plateforme_->fakePrinter.calls[5], QStringLiteral("line:Courses"));
    QCOMPARE(plateforme_->fakePrinter.calls[6], QStringLiteral("abandon"));
    QCOMPARE(plateforme_->messages.size(), 2);
    const ShownMessage& boîte = plateforme_->messages[1];
    QCOMPARE(boîte.caption, QStringLiteral("erreur 482"));
    QCOMPARE(boîte.icon, MessageIcon::Critical);
    QCOMPARE(boîte.buttons, MessageButtons::Ok);
    QVERIFY(boîte.text.contains(QStringLiteral("Erreur d'imprimante")));
    QCOMPARE(plateforme_->beeps, 1);
}

void TestImpression::imageDeLaFenetre_data() {
    QTest::addColumn<QString>("panneau");
    QTest::addColumn<bool>("avecImage");
    QTest::addColumn<QStringList>("montrés"); // the panel showing at each window printed
    QTest::addColumn<QString>("àLaFin");      // the panel showing afterwards
    QTest::newRow("options with a picture")
        << "options" << true << QStringList{"options", "image"} << "texte";
    QTest::newRow("options without a picture") << "options" << false << QStringList{"options"} << "options";
    QTest::newRow("picture panel") << "image" << true << QStringList{"image"} << "image";
    QTest::newRow("text with a picture") << "texte" << true << QStringList{"texte", "image"} << "texte";
}

// The window as it shows, then its picture panel when the memo has a picture that is not showing; the
// window then shows its text, its panel buttons as they were.
void TestImpression::imageDeLaFenetre() {
    QFETCH(QString, panneau);
    QFETCH(bool, avecImage);
    QFETCH(QStringList, montrés);
    QFETCH(QString, àLaFin);
    Mnemo* f = nouveau(ficheDeBase(), avecImage ? dessin(QSize(120, 80), Qt::darkCyan) : QImage());
    QRadioButton* bouton = panneau == QStringLiteral("texte")   ? f->Option1
                           : panneau == QStringLiteral("image") ? f->Option2
                                                                : f->Option3;
    bouton->setChecked(true);
    const auto montré = [f] {
        return !f->FR_Image->isHidden()     ? QStringLiteral("image")
               : !f->FR_Options->isHidden() ? QStringLiteral("options")
                                            : QStringLiteral("texte");
    };
    QStringList vus;
    plateforme_->fakePrinter.onWindow = [&](QWidget& fenêtre) {
        QCOMPARE(&fenêtre, f);
        vus << montré();
    };
    plateforme_->answers = {vbYes};
    f->Mnu_Imprimer_Image->trigger();

    QCOMPARE(plateforme_->messages.size(), 1);
    QCOMPARE(plateforme_->messages[0].text, CONFIRMATION);
    QCOMPARE(vus, montrés);
    QCOMPARE(plateforme_->fakePrinter.calls.constLast(), QStringLiteral("end"));
    QCOMPARE(montré(), àLaFin);
    QVERIFY(bouton->isChecked());
}

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
