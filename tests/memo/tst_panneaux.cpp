#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/CouleursMnemo.h"
#include "memo/Mnemo.h"
#include "memo/PanneauImage.h"
#include "memo/PanneauOptions.h"
#include "memo/PetitsControles.h"
#include "platform/widgets/Twips.h"
#include "store/FicheMnemo.h"
#include "store/LectureFiche.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

// The memo window's three panels, its palette, the shared colour and font dialogs and the options the
// user sets there, through the scripted platform.
class TestPanneaux : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void geometrieRendue_data();
    void geometrieRendue();
    void optionsSurLEcran_data();
    void optionsSurLEcran();
    void panneauImage_data();
    void panneauImage();
    void sauvegardeDepuisLesOptions();
    void palette_data();
    void palette();
    void couleur();
    void couleurGardeeEntreMemos();
    void police_data();
    void police();
    void chaqueChoixEstUnChangement_data();
    void chaqueChoixEstUnChangement();
    void remplirNestPasUnChangement();
    void avantPlanSansRefaireLaFenetre();
    void ouvertEtFermeCommeLaFiche_data();
    void ouvertEtFermeCommeLaFiche();
    void iconeHorsDuJeu_data();
    void iconeHorsDuJeu();
    void jourEtHeureLongsGardes();

private:
    Mnemo* nouveau(const QString& nom = QStringLiteral("08122026_00042"));
};

namespace {
// Where a memo stands in the text panel in these tests: clear of the screen's edges, not the size of
// any other panel.
const QRect PLACE_TEXTE(1500, 1200, 5010, 6510);

QRadioButton* bouton(Mnemo* f, const QString& panneau) {
    return panneau == QStringLiteral("texte")   ? f->Option1
           : panneau == QStringLiteral("image") ? f->Option2
                                                : f->Option3;
}
} // namespace

void TestPanneaux::init() {
    préparerBanc();
}

void TestPanneaux::cleanup() {
    rangerBanc();
}

Mnemo* TestPanneaux::nouveau(const QString& nom) {
    auto* f = new Mnemo(*contexte_);
    f->Tag = nom;
    f->setTitre(QStringLiteral("Courses"));
    f->setGeometry(twipsToPixels(PLACE_TEXTE));
    fenêtres_ << f;
    return f;
}

void TestPanneaux::geometrieRendue_data() {
    QTest::addColumn<QStringList>("panneaux");
    QTest::newRow("text, options, text") << QStringList{"options", "texte"};
    QTest::newRow("text, picture, options, text") << QStringList{"image", "options", "texte"};
    QTest::newRow("text, picture, text") << QStringList{"image", "texte"};
    QTest::newRow("the menu entry there and back") << QStringList{"menu", "menu"};
    QTest::newRow("picture, then the menu entry twice") << QStringList{"image", "menu", "menu"};
}

// Each panel gives the window its own size; the text panel's place is kept when it is left and given back
// when it returns, whatever came between. The menu entry is ticked exactly while the options show.
void TestPanneaux::geometrieRendue() {
    QFETCH(QStringList, panneaux);
    Mnemo* f = nouveau();
    f->show();
    const QRect texte = f->geometry();
    for (const QString& panneau : panneaux) {
        if (panneau == QStringLiteral("menu"))
            f->Mnu_Options->trigger();
        else
            bouton(f, panneau)->setChecked(true);
        const bool options = f->FR_Options->isVisible();
        QCOMPARE(f->Mnu_Options->isChecked(), options);
        QCOMPARE(f->Option3->isChecked(), options);
        if (options) {
            QCOMPARE(f->Height(), 6000);
            QCOMPARE(f->Width(), 4695);
            QVERIFY(!f->FR_Image->isVisible());
        }
    }
    QCOMPARE(f->geometry(), texte);
    QVERIFY(f->Option1->isChecked());
    QVERIFY(f->FR_Mnémo->isVisible());
    QVERIFY(!f->FR_Options->isVisible());
    QVERIFY(!f->FR_Image->isVisible());
}

void TestPanneaux::optionsSurLEcran_data() {
    QTest::addColumn<QRect>("zone");
    QTest::addColumn<int>("haut");        // pixels, of the window in the text panel
    QTest::addColumn<int>("hautAttendu"); // in the options panel
    // The options panel is 6000 twips (400 pixels) high.
    QTest::newRow("fits: stays") << QRect(0, 0, 1280, 776) << 300 << 300;
    QTest::newRow("bottom on the area's edge: stays") << QRect(0, 0, 1280, 776) << 376 << 376;
    QTest::newRow("would pass the bottom: moved up") << QRect(0, 0, 1280, 776) << 500 << 376;
    QTest::newRow("area below a top panel") << QRect(0, 30, 1280, 770) << 600 << 400;
    QTest::newRow("area lower than the panel: top on the area's") << QRect(0, 24, 800, 300) << 100 << 24;
}

void TestPanneaux::optionsSurLEcran() {
    QFETCH(QRect, zone);
    QFETCH(int, haut);
    QFETCH(int, hautAttendu);
    plateforme_->available = zone;
    Mnemo* f = nouveau();
    f->move(100, haut);
    f->show();
    const int gauche = f->x();
    f->Option3->setChecked(true);
    QCOMPARE(f->y(), hautAttendu);
    QCOMPARE(f->x(), gauche); // nothing is done sideways
    f->Option1->setChecked(true);
    QCOMPARE(f->pos(), QPoint(gauche, haut));
}

void TestPanneaux::panneauImage_data() {
    QTest::addColumn<QSize>("image"); // pixels; empty: no picture
    QTest::addColumn<bool>("défile");
    QTest::newRow("no picture: the design place") << QSize() << false;
    QTest::newRow("a small picture") << QSize(200, 100) << false;
    QTest::newRow("a picture taller than the screen") << QSize(300, 2000) << true;
    QTest::newRow("a picture larger than the screen") << QSize(3000, 2000) << true;
}

// The window takes the picture's size and the panel's place around it (the picture is 120 twips narrower),
// but stays inside the screen's available area, where a larger picture scrolls. The picture panel is no
// change of the memo.
void TestPanneaux::panneauImage() {
    QFETCH(QSize, image);
    QFETCH(bool, défile);
    Mnemo* f = nouveau();
    f->move(900, 500);
    f->show();
    QImage dessin;
    if (!image.isEmpty()) {
        dessin = QImage(image, QImage::Format_RGB32);
        dessin.fill(Qt::darkCyan);
        f->setImage(dessin);
    }
    f->Modifié = false;
    f->Option2->setChecked(true);
    QVERIFY(f->FR_Image->isVisible());
    QVERIFY(!f->Modifié);
    const QSize montrée = image.isEmpty() ? twipsToPixels(QSize(4530, 1815)) : image;
    QCOMPARE(f->FR_Image->Image2->size(), montrée);

    const QRect zone = plateforme_->available;
    QVERIFY2(
        zone.contains(f->geometry()),
        qPrintable(QStringLiteral("%1,%2 %3×%4").arg(f->x()).arg(f->y()).arg(f->width()).arg(f->height())));
    const QScrollArea* vue = f->FR_Image->défilement;
    QCoreApplication::processEvents(); // the scroll area lays itself out
    QCOMPARE(vue->verticalScrollBar()->isVisible(), défile);
    // A picture only too tall gets room for the vertical bar: it scrolls one way.
    QCOMPARE(vue->horizontalScrollBar()->isVisible(), défile && image.width() > 1280);
    if (!défile) {
        QCOMPARE(f->Width(), pixelsToTwips(montrée.width()) + 120);
        // The whole picture shows, its bottom right corner inside the window.
        QVERIFY(f->rect().contains(
            f->FR_Image->Image2->mapTo(f, QPoint(montrée.width() - 1, montrée.height() - 1))));
    } else {
        QVERIFY(f->y() >= zone.top());
    }
}

// Saving from the options panel shows the text at its place again but leaves "&Options" selected; the
// menu entry then does nothing until another panel button is chosen.
void TestPanneaux::sauvegardeDepuisLesOptions() {
    Mnemo* f = nouveau();
    f->show();
    const QRect texte = f->geometry();
    f->Option3->setChecked(true);
    f->Mnu_Sauvegarder->trigger();

    QCOMPARE(f->geometry(), texte);
    QVERIFY(f->Option3->isChecked());
    QVERIFY(!f->Mnu_Options->isChecked());
    QVERIFY(f->FR_Mnémo->isVisible());
    QVERIFY(!f->FR_Options->isVisible());
    qint16 icône = 0;
    const Fiche_Mnémo écrite = Lire_Fiche(dossier_->memos(), f->Tag, icône);
    QCOMPARE(QRect(écrite.Gauche, écrite.Haut, écrite.Largeur, écrite.Hauteur), pixelsToTwips(texte));

    f->Mnu_Options->trigger();
    QVERIFY(!f->FR_Options->isVisible());
    QVERIFY(!f->Mnu_Options->isChecked());
    QCOMPARE(f->geometry(), texte);

    f->Option1->setChecked(true);
    QCOMPARE(f->geometry(), texte);
    f->Mnu_Options->trigger();
    QVERIFY(f->FR_Options->isVisible());
    QVERIFY(f->Mnu_Options->isChecked());
}

void TestPanneaux::palette_data() {
    QTest::addColumn<QList<int>>("clics");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<int>("sansBordure"); // -1: every cell has its border
    QTest::newRow("8") << QList<int>{8} << QColor(255, 0, 0) << 8;
    QTest::newRow("8 again") << QList<int>{8, 8} << QColor(255, 0, 0) << -1;
    QTest::newRow("8 then 0") << QList<int>{8, 0} << QColor(255, 255, 255) << 0;
}

void TestPanneaux::palette() {
    QFETCH(QList<int>, clics);
    QFETCH(QColor, couleur);
    QFETCH(int, sansBordure);
    Mnemo* f = nouveau();
    for (int cellule : clics)
        f->PT_Couleurs_Click(cellule);
    QCOMPARE(f->palette().color(QPalette::Window), couleur);
    QCOMPARE(f->TX_Mnémo->palette().color(QPalette::Base), couleur);
    QCOMPARE(f->Fiche().Couleur, static_cast<qint32>(toVbColour(couleur)));
    for (int i = 0; i < 32; ++i)
        QCOMPARE(f->PT_Couleurs[i]->aUneBordure(), i != sansBordure);
    QVERIFY(f->Modifié);
}

// Validated, the colour chosen becomes the memo's; cancelled, nothing changes, whatever the shared dialog
// held.
void TestPanneaux::couleur() {
    Mnemo* f = nouveau();
    f->show();
    const QColor avant = f->palette().color(QPalette::Window);
    plateforme_->chosenColours = {std::nullopt, QColor(10, 20, 30)};

    f->FR_Options->PB_Couleur->click();
    QCOMPARE(plateforme_->colourDialogs.size(), 1);
    QCOMPARE(plateforme_->colourDialogs[0].title, QStringLiteral("Sélectionner la couleur"));
    QCOMPARE(plateforme_->colourDialogs[0].owner, f);
    QCOMPARE(plateforme_->colourDialogs[0].initial, QColor(Qt::black)); // not the memo's colour
    QCOMPARE(f->palette().color(QPalette::Window), avant);
    QVERIFY(!f->Modifié);

    f->FR_Options->PB_Couleur->click();
    QCOMPARE(f->palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(f->TX_Mnémo->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(f->TX_Mnémo->palette().color(QPalette::Text), couleurLisibleSur(QColor(10, 20, 30)));
    QCOMPARE(f->Fiche().Couleur, static_cast<qint32>(toVbColour(QColor(10, 20, 30))));
    QVERIFY(f->Modifié);
}

// The dialog belongs to the main window and all memos share it: it opens on the colour chosen last, in
// any memo.
void TestPanneaux::couleurGardeeEntreMemos() {
    Mnemo* a = nouveau(QStringLiteral("08122026_00001"));
    Mnemo* b = nouveau(QStringLiteral("08122026_00002"));
    plateforme_->chosenColours = {QColor(200, 100, 50), std::nullopt};
    a->PB_Couleur_Click();
    b->PB_Couleur_Click();
    QCOMPARE(plateforme_->colourDialogs[1].initial, QColor(200, 100, 50));
    QCOMPARE(plateforme_->colourDialogs[1].owner, b);
    QCOMPARE(b->palette().color(QPalette::Window), vbColour(COULEUR_MNÉMO)); // b cancelled
    QCOMPARE(contexte_->CommonDialog1.Color, QColor(200, 100, 50));
}

void TestPanneaux::police_data() {
    QTest::addColumn<bool>("validée");
    QTest::newRow("validated") << true;
    QTest::newRow("cancelled") << false;
}

// The box opens on the text's font as it shows; only the text takes the font chosen.
void TestPanneaux::police() {
    QFETCH(bool, validée);
    Mnemo* f = nouveau();
    const QFont avant = f->TX_Mnémo->font();
    const QFont titre = f->LB_Titre->font();
    QFont choisie(QStringLiteral("DejaVu Serif"));
    choisie.setPointSizeF(14);
    choisie.setItalic(true);
    choisie.setStrikeOut(true);
    plateforme_->chosenFonts = {validée ? std::optional<QFont>(choisie) : std::nullopt};

    f->FR_Options->PB_Police->click();

    QCOMPARE(plateforme_->fontDialogs.size(), 1);
    const ShownFontDialog& boîte = plateforme_->fontDialogs[0];
    QCOMPARE(boîte.title, QStringLiteral("Sélectionner la police de caractères"));
    QCOMPARE(boîte.owner, f);
    QCOMPARE(boîte.initial.family(), QFontInfo(avant).family());
    QCOMPARE(boîte.initial.pointSizeF(), avant.pointSizeF());
    QCOMPARE(boîte.initial.bold(), avant.bold());
    QCOMPARE(f->LB_Titre->font(), titre);
    const QFont après = f->TX_Mnémo->font();
    if (!validée) {
        QCOMPARE(après, avant);
        QVERIFY(!f->Modifié);
        return;
    }
    QCOMPARE(QFontInfo(après).family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(après.pointSizeF(), 14.0);
    QVERIFY(après.italic());
    QVERIFY(après.strikeOut());
    QVERIFY(!après.bold());
    QVERIFY(!après.underline());
    QVERIFY(f->Modifié);
    const Fiche_Mnémo fiche = f->Fiche();
    QCOMPARE(fiche.Police, QStringLiteral("DejaVu Serif"));
    QCOMPARE(fiche.Taille, qint16(14));
    QCOMPARE(fiche.Italique, qint16(-1));
    QCOMPARE(fiche.Barré, qint16(-1));
}

void TestPanneaux::chaqueChoixEstUnChangement_data() {
    QTest::addColumn<QString>("contrôle");
    QTest::newRow("always closed") << "RB_Fermé";
    QTest::newRow("keep above") << "CK_Avant_Plan";
    QTest::newRow("password") << "TX_MdP";
    QTest::newRow("alarm on") << "CK_Alarme";
    QTest::newRow("beep") << "CK_Beep";
    QTest::newRow("alarm message") << "TX_Alarme";
    QTest::newRow("alarm day") << "TX_Jour";
    QTest::newRow("alarm hour") << "TX_Heure";
}

// Once the user has answered "Non" to a save question, a choice made on the options panel still counts as
// a change, so that it is saved or asked about.
void TestPanneaux::chaqueChoixEstUnChangement() {
    QFETCH(QString, contrôle);
    Mnemo* f = nouveau();
    f->show();
    f->Option3->setChecked(true);
    QVERIFY(f->Modifié); // opening the options panel is a change
    f->Modifié = false;
    QWidget* w = f->FR_Options->findChild<QWidget*>(contrôle);
    QVERIFY(w);
    if (auto* zone = qobject_cast<QLineEdit*>(w)) {
        zone->clear();
        QTest::keyClicks(zone, QStringLiteral("12"));
    } else {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
    }
    QVERIFY(f->Modifié);
}

void TestPanneaux::remplirNestPasUnChangement() {
    Mnemo* f = nouveau();
    f->show();
    Fiche_Mnémo fiche = f->Fiche();
    fiche.Fermé = true;
    fiche.Ouvert = false;
    fiche.Avant_Plan = true;
    fiche.Alarme = true;
    fiche.Jour = QStringLiteral("24/12/2026");
    f->Remplir(fiche, QString(), QStringLiteral("mdp"), QImage(), 0);
    QVERIFY(!f->Modifié);
}

// Keep-above changes the stacking of the window as it is: it is not made again (which would hide and show
// it and move the activation), and ticking and unticking take effect at once.
void TestPanneaux::avantPlanSansRefaireLaFenetre() {
    Mnemo* f = nouveau();
    f->show();
    const WId fenêtre = f->winId();
    f->Option3->setChecked(true);

    QTest::mouseClick(f->FR_Options->CK_Avant_Plan, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(plateforme_->keptAbove, (QList<QPair<const QWidget*, bool>>{{f, true}}));
    QVERIFY(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(f->FR_Options->CK_Avant_Plan, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(plateforme_->keptAbove.size(), 2);
    QCOMPARE(plateforme_->keptAbove[1], (QPair<const QWidget*, bool>{f, false}));
    QVERIFY(!f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f->winId(), fenêtre);
    QVERIFY(f->isVisible());
}

void TestPanneaux::ouvertEtFermeCommeLaFiche_data() {
    QTest::addColumn<bool>("ouvert");
    QTest::addColumn<bool>("fermé");
    QTest::newRow("always open") << true << false;
    QTest::newRow("always closed") << false << true;
    QTest::newRow("neither") << false << false;
}

// A record may have neither option: the memo shows neither ticked and is saved back so.
void TestPanneaux::ouvertEtFermeCommeLaFiche() {
    QFETCH(bool, ouvert);
    QFETCH(bool, fermé);
    Mnemo* f = nouveau();
    Fiche_Mnémo fiche = f->Fiche();
    fiche.Ouvert = ouvert;
    fiche.Fermé = fermé;
    f->Remplir(fiche, QString(), QString(), QImage(), 0);
    QCOMPARE(f->FR_Options->RB_Ouvert->isChecked(), ouvert);
    QCOMPARE(f->FR_Options->RB_Fermé->isChecked(), fermé);
    QCOMPARE(f->Fiche().Ouvert, ouvert);
    QCOMPARE(f->Fiche().Fermé, fermé);
    // The two stay one group for the user.
    f->show();
    f->Option3->setChecked(true);
    QTest::mouseClick(f->FR_Options->RB_Ouvert, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(f->FR_Options->RB_Ouvert->isChecked());
    QVERIFY(!f->FR_Options->RB_Fermé->isChecked());
}

void TestPanneaux::iconeHorsDuJeu_data() {
    QTest::addColumn<int>("icône");
    QTest::addColumn<QString>("tag");
    QTest::newRow("the last of the set") << 35 << "35";
    QTest::newRow("past the set") << 36 << "";
    QTest::newRow("far past") << 400 << "";
    QTest::newRow("below") << -3 << "";
}

void TestPanneaux::iconeHorsDuJeu() {
    QFETCH(int, icône);
    QFETCH(QString, tag);
    Mnemo* f = nouveau();
    const QImage avant = f->Image1->pixmap().toImage();
    Fiche_Mnémo fiche = f->Fiche();
    fiche.Icône = static_cast<qint16>(icône);
    f->Remplir(fiche, QString(), QString(), QImage(), 0);
    QCOMPARE(f->Image1_Tag, tag);
    if (tag.isEmpty())
        QCOMPARE(f->Image1->pixmap().toImage(), avant);
    else
        QVERIFY(f->Image1->pixmap().toImage() != avant);
}

// A day or an hour longer than its box, as a file edited by hand may hold, is kept whole.
void TestPanneaux::jourEtHeureLongsGardes() {
    Mnemo* f = nouveau();
    Fiche_Mnémo fiche = f->Fiche();
    fiche.Jour = QStringLiteral("24/12/2026 18:00:00");
    fiche.Heure = QStringLiteral("18:30:00");
    f->Remplir(fiche, QString(), QString(), QImage(), 0);
    QCOMPARE(f->Fiche().Jour, fiche.Jour);
    QCOMPARE(f->Fiche().Heure, fiche.Heure);
}

QTEST_MAIN(TestPanneaux)
#include "tst_panneaux.moc"
