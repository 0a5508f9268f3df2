#include "RepondeurBoites.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "platform/widgets/QtPlatform.h"
#include "shell/FrmUtilitaires.h"

#include <QPlainTextEdit>
#include <QTest>

// Where the keyboard goes between the program's windows, with the Qt platform's real boxes (offscreen)
// answered by a stand-in user, while the main window shows: a new memo takes it on its text, a closed box
// gives it back to the memo without a save question, and a click on the tray icon brings back a minimized
// main window.
class TestClavierDesFenetres : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nouveauMemoPrendLeClavier();
    void titreSaisiRendLeClavierAuMemo();
    void fenetrePrincipaleReduiteRevient();

private:
    Mnemo* nouveauMémo();
    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<QtPlatform> plateforme_;
    std::unique_ptr<FrmUtilitaires> principale_;
};

void TestClavierDesFenetres::init() {
    dossier_ = std::make_unique<TestFolder>();
    plateforme_ = std::make_unique<QtPlatform>(dossier_->folder());
    principale_ = std::make_unique<FrmUtilitaires>(*plateforme_, dossier_->folder());
    principale_->terminer = [] {};
    principale_->show();
    principale_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(principale_.get()));
}

void TestClavierDesFenetres::cleanup() {
    for (const QPointer<Mnemo>& fenêtre : principale_->Fenêtres_Mnémo) {
        if (!fenêtre) continue;
        fenêtre->Modifié = false;
        delete fenêtre.data();
    }
    principale_.reset();
    plateforme_.reset();
    dossier_.reset();
}

Mnemo* TestClavierDesFenetres::nouveauMémo() {
    principale_->Mnu_Mnémo_Click();
    return principale_->Fenêtres_Mnémo[static_cast<std::size_t>(principale_->Nb_Fenêtres)];
}

void TestClavierDesFenetres::nouveauMemoPrendLeClavier() {
    Mnemo* mémo = nouveauMémo();
    QVERIFY(mémo);
    QTRY_COMPARE(QApplication::activeWindow(), mémo);
    QCOMPARE(QApplication::focusWidget(), mémo->TX_Mnémo);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("tout de suite"));
    QCOMPARE(mémo->Texte(), QStringLiteral("tout de suite"));
}

void TestClavierDesFenetres::titreSaisiRendLeClavierAuMemo() {
    Mnemo* mémo = nouveauMémo();
    QTRY_COMPARE(QApplication::activeWindow(), mémo);
    QTest::keyClicks(mémo->TX_Mnémo, QStringLiteral("des courses"));
    QVERIFY(mémo->Modifié);

    RepondeurBoites utilisateur(QStringLiteral("Liste"));
    mémo->LB_Titre_Click();
    QCOMPARE(utilisateur.saisies.size(), 1);
    QCOMPARE(mémo->Titre(), QStringLiteral("Liste"));
    QTRY_COMPARE(QApplication::activeWindow(), mémo);
    QCOMPARE(QApplication::focusWidget(), mémo->TX_Mnémo);
    // The memo never lost the activation to the main window: no save question.
    QCoreApplication::processEvents();
    QCOMPARE(utilisateur.messages.size(), 0);
    QVERIFY(mémo->Modifié);
}

void TestClavierDesFenetres::fenetrePrincipaleReduiteRevient() {
    principale_->showMinimized();
    QTRY_VERIFY(principale_->isMinimized());
    principale_->Souris_Barre(WM_LBUTTONDOWN);
    QVERIFY(!principale_->isMinimized());
    QVERIFY(principale_->isVisible());
}

QTEST_MAIN(TestClavierDesFenetres)
#include "tst_clavier_des_fenetres.moc"
