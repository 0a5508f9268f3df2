#include "FakePlatform.h"

#include "platform/widgets/CommonDialog.h"

#include <QDir>
#include <QTest>
#include <QWidget>

// The shared common dialog: what it asks the platform, and the file name, colour and font it keeps between
// uses.
class TestCommonDialog : public QObject {
    Q_OBJECT
private slots:
    void demandeTransmise();
    void nomGardeEntreUsages();
    void filtreDesProgrammes();
    void couleurGardeeEntreUsages();
    void policeDemandeeEtGardee();
};

void TestCommonDialog::demandeTransmise() {
    FakePlatform plateforme;
    Dialogue_Commun dialogue(plateforme);
    dialogue.DialogTitle = QStringLiteral("Titre");
    dialogue.InitDir = QStringLiteral("/home");
    dialogue.Filter = QStringLiteral("Tout|*");
    dialogue.FilterIndex = 2;
    plateforme.chosenFiles = {QStringLiteral("/bin/a")};
    QWidget fenêtre;

    QVERIFY(dialogue.ShowOpen(fenêtre));

    QCOMPARE(plateforme.fileRequests.size(), 1);
    const ShownFileDialog& requête = plateforme.fileRequests.constFirst();
    QCOMPARE(requête.owner, &fenêtre);
    QCOMPARE(requête.title, QStringLiteral("Titre"));
    QCOMPARE(requête.initialFolder, QStringLiteral("/home"));
    QCOMPARE(requête.filter, QStringLiteral("Tout|*"));
    QCOMPARE(requête.filterIndex, 2);
    QCOMPARE(dialogue.FileName, QStringLiteral("/bin/a"));
}

void TestCommonDialog::nomGardeEntreUsages() {
    FakePlatform plateforme;
    Dialogue_Commun dialogue(plateforme);
    plateforme.chosenFiles = {QString(), QStringLiteral("/bin/a"), QString(), QStringLiteral("/bin/b")};
    const QList<bool> réponses = {false, true, false, true};
    const QStringList noms = {"", "/bin/a", "/bin/a", "/bin/b"};
    QWidget fenêtre;
    for (int i = 0; i < réponses.size(); ++i) {
        QCOMPARE(dialogue.ShowOpen(fenêtre), réponses[i]);
        QCOMPARE(dialogue.FileName, noms[i]);
    }
}

void TestCommonDialog::filtreDesProgrammes() {
    // Programs without an extension must be choosable under "All Files" and "Exécutables".
    const QStringList parties = FILTRE_PROGRAMMES.split(u'|');
    QCOMPARE(parties.size(), 6);
    QCOMPARE(parties[(FILTRE_EXÉCUTABLES - 1) * 2], QStringLiteral("Exécutables (*.exe)"));
    QCOMPARE(parties[1], QStringLiteral("*"));
    QCOMPARE(parties[3], QStringLiteral("*"));
    QCOMPARE(dossierInitialProgrammes(), QDir::homePath());
}

void TestCommonDialog::couleurGardeeEntreUsages() {
    FakePlatform plateforme;
    Dialogue_Commun dialogue(plateforme);
    dialogue.DialogTitle = QStringLiteral("Couleur");
    plateforme.chosenColours = {QColor(1, 2, 3), std::nullopt, QColor(4, 5, 6)};
    QWidget fenêtre;
    QVERIFY(dialogue.ShowColor(fenêtre));
    QVERIFY(!dialogue.ShowColor(fenêtre));
    QCOMPARE(dialogue.Color, QColor(1, 2, 3));
    QVERIFY(dialogue.ShowColor(fenêtre));
    QCOMPARE(dialogue.Color, QColor(4, 5, 6));
    // Each box opens on what the dialog held: black before any choice.
    const QList<QColor> ouvertures{QColor(Qt::black), QColor(1, 2, 3), QColor(1, 2, 3)};
    for (int i = 0; i < ouvertures.size(); ++i) {
        QCOMPARE(plateforme.colourDialogs[i].initial, ouvertures[i]);
        QCOMPARE(plateforme.colourDialogs[i].title, QStringLiteral("Couleur"));
        QCOMPARE(plateforme.colourDialogs[i].owner, &fenêtre);
    }
}

void TestCommonDialog::policeDemandeeEtGardee() {
    FakePlatform plateforme;
    Dialogue_Commun dialogue(plateforme);
    dialogue.DialogTitle = QStringLiteral("Police");
    dialogue.FontName = QStringLiteral("DejaVu Sans");
    dialogue.FontSize = 10.5;
    dialogue.FontBold = true;
    dialogue.FontUnderline = true;
    QFont choisie(QStringLiteral("DejaVu Serif"));
    choisie.setPointSizeF(12);
    choisie.setItalic(true);
    plateforme.chosenFonts = {std::nullopt, choisie};
    QWidget fenêtre;

    QVERIFY(!dialogue.ShowFont(fenêtre));
    const QFont ouverte = plateforme.fontDialogs[0].initial;
    QCOMPARE(ouverte.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(ouverte.pointSizeF(), 10.5);
    QVERIFY(ouverte.bold());
    QVERIFY(!ouverte.italic());
    QVERIFY(ouverte.underline());
    QCOMPARE(dialogue.FontName, QStringLiteral("DejaVu Sans"));
    QVERIFY(dialogue.FontBold);

    QVERIFY(dialogue.ShowFont(fenêtre));
    QCOMPARE(dialogue.FontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(dialogue.FontSize, 12.0);
    QVERIFY(!dialogue.FontBold);
    QVERIFY(dialogue.FontItalic);
    QVERIFY(!dialogue.FontStrikethru);
    QVERIFY(!dialogue.FontUnderline);
    QCOMPARE(plateforme.fontDialogs[1].title, QStringLiteral("Police"));
}

QTEST_MAIN(TestCommonDialog)
#include "tst_common_dialog.moc"
