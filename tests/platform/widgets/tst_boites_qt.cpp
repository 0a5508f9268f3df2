#include "RepondeurBoites.h"
#include "TestFolder.h"

#include "platform/widgets/QtPlatform.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The desktop's boxes as the Qt platform shows them (offscreen here), answered by a stand-in user: what
// the program or the user wrote shows as it is, never read as HTML, and the keyboard goes back to the
// window that had it when the box came.
class TestBoitesQt : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void texteBrut_data();
    void texteBrut();
    void clavierRendu_data();
    void clavierRendu();
    void enregistrerSous();
    void texteDemesure_data();
    void texteDemesure();

private:
    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<QtPlatform> plateforme_;
};

void TestBoitesQt::init() {
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<QtPlatform>(dossier_->folder());
}

void TestBoitesQt::cleanup() {
    plateforme_.reset();
    dossier_.reset();
}

void TestBoitesQt::texteBrut_data() {
    QTest::addColumn<QString>("texte");
    QTest::newRow("a title in tags") << "<i>Liste</i>";
    QTest::newRow("comparisons") << "a < b et c > d";
    QTest::newRow("a picture to load") << "<img src=\"absente.png\"> fin";
    QTest::newRow("a line break tag") << "<b>gras</b><br>suite";
}

void TestBoitesQt::texteBrut() {
    QFETCH(QString, texte);
    QWidget fenêtre;
    fenêtre.show();
    RepondeurBoites utilisateur(QStringLiteral("réponse"));
    QCOMPARE(plateforme_->messageBox(fenêtre, texte, MessageButtons::Ok, MessageIcon::None,
                                     QStringLiteral("Pensoir")),
             vbOK);
    QCOMPARE(plateforme_->inputBox(fenêtre, texte, QStringLiteral("Pensoir"), QString()),
             QStringLiteral("réponse"));
    QCOMPARE(utilisateur.messages.size(), 1);
    QCOMPARE(utilisateur.saisies.size(), 1);
    // Read as HTML, the tags would vanish and the label ask for less room than the text written out.
    for (const RepondeurBoites::Vue& vue : {utilisateur.messages[0], utilisateur.saisies[0]}) {
        QCOMPARE(vue.texte, texte);
        QVERIFY2(vue.largeurDemandée >= vue.largeurDuTexte - 1,
                 qPrintable(QStringLiteral("%1 px asked for %2 px of text")
                                .arg(vue.largeurDemandée)
                                .arg(vue.largeurDuTexte)));
    }
}

// An alarm message or a title of 100 000 letters shows as a screenful, its beginning as it is.
void TestBoitesQt::texteDemesure_data() {
    QTest::addColumn<QString>("texte");
    QTest::newRow("one line") << QString(100000, QLatin1Char('m'));
    QTest::newRow("words") << QStringLiteral("mot ").repeated(25000);
    QTest::newRow("lines") << QStringLiteral("ligne\n").repeated(20000);
}

void TestBoitesQt::texteDemesure() {
    QFETCH(QString, texte);
    QWidget fenêtre;
    fenêtre.show();
    RepondeurBoites utilisateur;
    QCOMPARE(plateforme_->messageBox(fenêtre, texte, MessageButtons::Ok, MessageIcon::Exclamation, texte),
             vbOK);
    QCOMPARE(utilisateur.messages.size(), 1);
    const QString montré = utilisateur.messages[0].texte;
    QVERIFY(montré.size() <= 2001);
    QVERIFY(montré.count(QLatin1Char('\n')) < 40);
    QVERIFY(montré.endsWith(QChar(0x2026)));
    QVERIFY(texte.startsWith(montré.chopped(1)));
}

void TestBoitesQt::clavierRendu_data() {
    QTest::addColumn<QString>("boîte");
    QTest::addColumn<bool>("propriétaireActif");
    QTest::newRow("message box over the active window") << "message" << true;
    QTest::newRow("input box over the active window") << "saisie" << true;
    QTest::newRow("program dialog over the active window") << "dialogue" << true;
    // A window asked about as another took the activation (a memo's save question): the keyboard goes
    // to the window the user chose.
    QTest::newRow("message box over a window that was left") << "message" << false;
}

void TestBoitesQt::clavierRendu() {
    QFETCH(QString, boîte);
    QFETCH(bool, propriétaireActif);
    QWidget principale;
    principale.setWindowTitle(QStringLiteral("principale"));
    principale.show();
    QWidget propriétaire;
    auto* zone = new QLineEdit(&propriétaire);
    propriétaire.show();
    // A shown window takes the activation a moment later: waited for, so that it cannot arrive after the
    // activation the case asks for.
    QVERIFY(QTest::qWaitForWindowActive(&propriétaire));
    QWidget& active = propriétaireActif ? propriétaire : principale;
    active.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&active));
    if (propriétaireActif) {
        zone->setFocus();
        QCOMPARE(QApplication::focusWidget(), zone);
    }

    RepondeurBoites utilisateur;
    if (boîte == QStringLiteral("message")) {
        plateforme_->messageBox(propriétaire, QStringLiteral("Sauvegarder ?"), MessageButtons::YesNo,
                                MessageIcon::Question, QStringLiteral("Pensoir"));
    } else if (boîte == QStringLiteral("saisie")) {
        plateforme_->inputBox(propriétaire, QStringLiteral("Titre ?"), QStringLiteral("Pensoir"), QString());
    } else {
        QDialog dialogue(&propriétaire);
        plateforme_->execDialog(propriétaire, dialogue);
    }
    QTRY_COMPARE(QApplication::activeWindow(), &active);
    if (propriétaireActif) QCOMPARE(QApplication::focusWidget(), zone);
}

// The file-save dialog proposes the name it is given, and a name typed without an extension gets the
// chosen filter's.
void TestBoitesQt::enregistrerSous() {
    QWidget fenêtre;
    fenêtre.show();
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    QString proposé;
    QTimer utilisateur; // waits for the dialog, then types a name and confirms
    utilisateur.setInterval(10);
    connect(&utilisateur, &QTimer::timeout, &utilisateur, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogue) return;
        utilisateur.stop();
        proposé = dialogue->selectedFiles().value(0);
        dialogue->selectFile(QStringLiteral("rapport"));
        static_cast<QDialog*>(dialogue)->accept(); // the dialog's own checks run: its Save button
    });
    utilisateur.start();
    const QString choisi = plateforme_->saveFileName(
        fenêtre, {QStringLiteral("Enregistrer"), dossier.filePath(QStringLiteral("Courses.pdf")),
                  QStringLiteral("Documents PDF (*.pdf)|*.pdf|Tous les fichiers|*.*"), 1});
    QCOMPARE(proposé, dossier.filePath(QStringLiteral("Courses.pdf")));
    QCOMPARE(choisi, dossier.filePath(QStringLiteral("rapport.pdf")));
}

QTEST_MAIN(TestBoitesQt)
#include "tst_boites_qt.moc"
