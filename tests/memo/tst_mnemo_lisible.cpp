#include "BancMnemo.h"
#include "FakePlatform.h"
#include "LegendesAuLarge.h"
#include "TestFolder.h"

#include "memo/CouleursMnemo.h"
#include "memo/Mnemo.h"
#include "memo/PetitsControles.h"
#include "platform/widgets/VbColour.h"
#include "store/FicheMnemo.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

// What a memo window shows can be read: text on every memo colour, the user's title as typed, the font
// it was saved in, and every caption whole (this program runs a second time at twice the scale).
class TestMnemoLisible : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void texteSurChaqueCouleur_data();
    void texteSurChaqueCouleur();
    void titreEnTexteBrut_data();
    void titreEnTexteBrut();
    void policeRelue_data();
    void policeRelue();
    void legendesEntieres();

private:
    Mnemo* nouveau();
};

void TestMnemoLisible::init() {
    préparerBanc();
}

void TestMnemoLisible::cleanup() {
    rangerBanc();
}

Mnemo* TestMnemoLisible::nouveau() {
    auto* f = new Mnemo(*contexte_);
    f->Tag = QStringLiteral("08122026_00042");
    fenêtres_ << f;
    return f;
}

void TestMnemoLisible::texteSurChaqueCouleur_data() {
    QTest::addColumn<int>("cellule");
    QTest::addColumn<QColor>("écriture");
    QTest::newRow("0 white") << 0 << QColor(Qt::black);
    QTest::newRow("2 light yellow") << 2 << QColor(Qt::black);
    QTest::newRow("8 red") << 8 << QColor(Qt::black);
    QTest::newRow("9 magenta") << 9 << QColor(Qt::black);
    QTest::newRow("16 black") << 16 << QColor(Qt::white);
    QTest::newRow("17 grey") << 17 << QColor(Qt::black);
    QTest::newRow("26 green") << 26 << QColor(Qt::black);
    QTest::newRow("27 dark green") << 27 << QColor(Qt::white);
    QTest::newRow("28 teal") << 28 << QColor(Qt::white);
    QTest::newRow("29 dark blue") << 29 << QColor(Qt::white);
    QTest::newRow("30 blue") << 30 << QColor(Qt::white);
    QTest::newRow("31 cyan blue") << 31 << QColor(Qt::black);
}

void TestMnemoLisible::texteSurChaqueCouleur() {
    QFETCH(int, cellule);
    QFETCH(QColor, écriture);
    Mnemo* f = nouveau();
    f->setTitre(QStringLiteral("Courses"));
    f->PT_Couleurs_Click(cellule);
    QCOMPARE(f->TX_Mnémo->palette().color(QPalette::Text), écriture);
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->LB_Titre, f->Option1, f->Option2, f->Option3, f->PT_Appel_Menu})
        QCOMPARE(w->palette().color(QPalette::WindowText), écriture);
    // The memo keeps the colour chosen, and so does its file.
    QCOMPARE(f->palette().color(QPalette::Window), couleurPalette(cellule));
    QCOMPARE(f->TX_Mnémo->palette().color(QPalette::Base), couleurPalette(cellule));
    QCOMPARE(f->Fiche().Couleur, static_cast<qint32>(toVbColour(couleurPalette(cellule))));

    // A memo read back in that colour is written on the same way.
    Mnemo* g = nouveau();
    g->Remplir(f->Fiche(), QString(), QString(), QImage(), 0);
    QCOMPARE(g->TX_Mnémo->palette().color(QPalette::Text), écriture);
    QCOMPARE(g->LB_Titre->palette().color(QPalette::WindowText), écriture);
}

void TestMnemoLisible::titreEnTexteBrut_data() {
    QTest::addColumn<QString>("titre");
    QTest::newRow("italic tags") << "<i>Liste</i>";
    QTest::newRow("comparisons") << "a < b et c > d";
    QTest::newRow("a picture") << "<img src=absente.png>";
}

void TestMnemoLisible::titreEnTexteBrut() {
    QFETCH(QString, titre);
    Mnemo* f = nouveau();
    f->setTitre(titre);
    QCOMPARE(f->Titre(), titre);
    // Read as HTML the tags would vanish, and the label would size itself to less than the text.
    const int largeur = f->LB_Titre->fontMetrics().horizontalAdvance(titre);
    QVERIFY2(f->LB_Titre->width() >= largeur - 1,
             qPrintable(QStringLiteral("%1 px for %2 px of text").arg(f->LB_Titre->width()).arg(largeur)));
}

void TestMnemoLisible::policeRelue_data() {
    QTest::addColumn<QString>("famille");
    QTest::addColumn<bool>("installée");
    QTest::newRow("the design font") << QString() << false;
    QTest::newRow("an installed family") << "DejaVu Serif" << true;
    QTest::newRow("a family this desktop lacks") << "Police Absente d'Ici" << false;
}

// The window, saved and read back, shows its text in the face and line spacing it had; a family that is
// not installed falls back as the design font does.
void TestMnemoLisible::policeRelue() {
    QFETCH(QString, famille);
    QFETCH(bool, installée);
    Mnemo* f = nouveau();
    const QFont dessin = f->TX_Mnémo->font();
    Fiche_Mnémo fiche = f->Fiche();
    if (!famille.isEmpty()) fiche.Police = famille;

    Mnemo* g = nouveau();
    g->Remplir(fiche, QStringLiteral("texte"), QString(), QImage(), 0);
    const QFontInfo relue(g->TX_Mnémo->font());
    if (installée) {
        QCOMPARE(relue.family(), famille);
    } else {
        QCOMPARE(relue.family(), QFontInfo(dessin).family());
        QCOMPARE(g->TX_Mnémo->fontMetrics().lineSpacing(), QFontMetrics(dessin).lineSpacing());
    }
}

void TestMnemoLisible::legendesEntieres() {
    Mnemo* f = nouveau();
    f->setTitre(QStringLiteral("Courses"));
    f->show();
    const QStringList fautes = légendesÀLÉtroit(*f);
    QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestMnemoLisible)
#include "tst_mnemo_lisible.moc"
