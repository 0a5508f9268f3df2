#include "FakePlatform.h"

#include "platform/widgets/CommonDialog.h"

#include <QDir>
#include <QTest>
#include <QWidget>

// The shared file-open dialog: what it asks the platform, and the file name it keeps between uses.
class TestCommonDialog : public QObject {
    Q_OBJECT
private slots:
    void demandeTransmise();
    void nomGardeEntreUsages();
    void filtreDesProgrammes();
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

QTEST_MAIN(TestCommonDialog)
#include "tst_common_dialog.moc"
