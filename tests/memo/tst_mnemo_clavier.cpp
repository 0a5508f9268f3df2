#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "memo/PetitsControles.h"

#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

// The keys and clicks of a memo window a user expects: Ctrl+S saves, Ctrl+W closes, and the call-menu
// button opens its menu where the click was.
class TestMnemoClavier : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void raccourcisDuMenu();
    void ctrlSSauvegarde();
    void ctrlWFerme_data();
    void ctrlWFerme();
    void menuOuLeClicAEteFait();

private:
    Mnemo* nouveauActif();
};

void TestMnemoClavier::init() {
    préparerBanc();
}

void TestMnemoClavier::cleanup() {
    rangerBanc();
}

Mnemo* TestMnemoClavier::nouveauActif() {
    auto* f = new Mnemo(*contexte_);
    f->Tag = QStringLiteral("08122026_00042");
    f->setTitre(QStringLiteral("Courses"));
    fenêtres_ << f;
    f->show();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f)) return nullptr;
    f->TX_Mnémo->setFocus();
    return f;
}

void TestMnemoClavier::raccourcisDuMenu() {
    Mnemo* f = nouveauActif();
    QVERIFY(f);
    QCOMPARE(f->Mnu_Sauvegarder->text(), QStringLiteral("Sauvegarder ce Mnémo"));
    QCOMPARE(f->Mnu_Sauvegarder->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(f->Mnu_Fermer->text(), QStringLiteral("Fermer ce Mnémo"));
    QCOMPARE(f->Mnu_Fermer->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
}

void TestMnemoClavier::ctrlSSauvegarde() {
    Mnemo* f = nouveauActif();
    QVERIFY(f);
    QTest::keyClicks(f->TX_Mnémo, QStringLiteral("pain"));
    QVERIFY(f->Modifié);
    QTest::keyClick(f->TX_Mnémo, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(dossier_->memos() + QStringLiteral("/08122026_00042.PSL")));
    QVERIFY(!f->Modifié);
    QCOMPARE(f->Texte(), QStringLiteral("pain")); // the key went to the command, not into the text
}

void TestMnemoClavier::ctrlWFerme_data() {
    QTest::addColumn<bool>("modifié");
    QTest::newRow("untouched: no question") << false;
    QTest::newRow("modified: the closing question") << true;
}

void TestMnemoClavier::ctrlWFerme() {
    QFETCH(bool, modifié);
    QPointer<Mnemo> f = nouveauActif();
    QVERIFY(f);
    f->Modifié = modifié;
    if (modifié) plateforme_->answers.push_back(vbNo);
    QTest::keyClick(f->TX_Mnémo, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(f.isNull());
    QCOMPARE(plateforme_->messages.size(), modifié ? 1 : 0);
    if (modifié) QCOMPARE(plateforme_->messages[0].text, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"));
    QVERIFY(!contexte_->Fermeture_En_Cours);
}

// The menu waits for the double-click interval before it opens; by then the pointer may be elsewhere.
void TestMnemoClavier::menuOuLeClicAEteFait() {
    Mnemo* f = nouveauActif();
    QVERIFY(f);
    plateforme_->cursor = QPoint(1000, 700);
    const QPoint clic(5, 6);
    QTest::mouseClick(f->PT_Appel_Menu, Qt::LeftButton, {}, clic);
    QTRY_COMPARE(plateforme_->menusShown.size(), 1);
    QCOMPARE(plateforme_->menusShown[0], f->Mnu_Mnémo);
    QCOMPARE(plateforme_->menuPositions[0], f->PT_Appel_Menu->mapToGlobal(clic));
}

QTEST_MAIN(TestMnemoClavier)
#include "tst_mnemo_clavier.moc"
