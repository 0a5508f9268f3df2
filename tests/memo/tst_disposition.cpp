#include "memo/DispositionMnemo.h"
#include "memo/EcranVisible.h"

#include <QTest>

Q_DECLARE_METATYPE(Tailles_Mnémo)

// The pure geometry of the memo window: resize rules and bringing a lost window back on a screen.
class TestDisposition : public QObject {
    Q_OBJECT
private slots:
    void regles_data();
    void regles();
    void ecranVisible_data();
    void ecranVisible();
    void garderSurEcran_data();
    void garderSurEcran();
};

void TestDisposition::regles_data() {
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<bool>("légende");
    QTest::addColumn<Tailles_Mnémo>("attendu");
    const Tailles_Mnémo avant{5625, 4585, 4170, 4820, 4585, 4920};
    QTest::newRow("created size, no caption")
        << 5685 << 4605 << false << Tailles_Mnémo{5575, 4455, 4065, 4555, 4455, 4635};
    QTest::newRow("same size with a caption")
        << 5685 << 4605 << true << Tailles_Mnémo{5345, 4455, 4065, 4325, 4455, 4405};
    // Text height would be negative: it keeps its value, the others still apply.
    QTest::newRow("very short") << 900 << 4605 << false << Tailles_Mnémo{790,  4455,
                                                                         4065, avant.TX_Mnémo_Hauteur,
                                                                         4455, avant.FR_Options_Hauteur};
    // Frame width would be negative: the text and options widths follow the width it kept.
    QTest::newRow("very narrow") << 5685 << 100 << false << Tailles_Mnémo{5575, 4585, 4195, 4555, 4585, 4635};
    // Both frame sizes keep their values; the rules that read them still apply.
    QTest::newRow("tiny") << 60 << 60 << true << Tailles_Mnémo{5625, 4585, 4195, 4605, 4585, 4685};
}

void TestDisposition::regles() {
    QFETCH(int, hauteur);
    QFETCH(int, largeur);
    QFETCH(bool, légende);
    QFETCH(Tailles_Mnémo, attendu);
    const Tailles_Mnémo avant{5625, 4585, 4170, 4820, 4585, 4920};
    const Tailles_Mnémo t = Disposer_Mnémo(hauteur, largeur, légende, avant);
    QCOMPARE(t.FR_Mnémo_Hauteur, attendu.FR_Mnémo_Hauteur);
    QCOMPARE(t.FR_Mnémo_Largeur, attendu.FR_Mnémo_Largeur);
    QCOMPARE(t.TX_Mnémo_Largeur, attendu.TX_Mnémo_Largeur);
    QCOMPARE(t.TX_Mnémo_Hauteur, attendu.TX_Mnémo_Hauteur);
    QCOMPARE(t.FR_Options_Largeur, attendu.FR_Options_Largeur);
    QCOMPARE(t.FR_Options_Hauteur, attendu.FR_Options_Hauteur);
}

void TestDisposition::ecranVisible_data() {
    QTest::addColumn<QRect>("fenêtre");
    QTest::addColumn<QRect>("attendu");
    QTest::newRow("on the screen") << QRect(100, 100, 300, 370) << QRect(100, 100, 300, 370);
    QTest::newRow("partly off the right edge") << QRect(1200, 100, 300, 370) << QRect(1200, 100, 300, 370);
    QTest::newRow("on a monitor now removed") << QRect(2500, 200, 300, 370) << QRect(1620, 200, 300, 370);
    QTest::newRow("above and left") << QRect(-900, -800, 300, 370) << QRect(0, 0, 300, 370);
    QTest::newRow("far below the second screen") << QRect(2000, 3000, 300, 370) << QRect(2000, 710, 300, 370);
    QTest::newRow("larger than the screen") << QRect(-5000, 50, 3000, 370) << QRect(0, 50, 3000, 370);
}

void TestDisposition::ecranVisible() {
    QFETCH(QRect, fenêtre);
    QFETCH(QRect, attendu);
    const QList<QRect> écrans = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1080)};
    const QList<QRect> unSeul = {QRect(0, 0, 1920, 1080)};
    const bool secondÉcran = QByteArray(QTest::currentDataTag()).contains("second");
    QCOMPARE(Ramener_Sur_Écran(fenêtre, secondÉcran ? écrans : unSeul), attendu);
}

void TestDisposition::garderSurEcran_data() {
    QTest::addColumn<QRect>("fenêtre");
    QTest::addColumn<bool>("horizontalement");
    QTest::addColumn<QRect>("attendu");
    QTest::newRow("inside: stays") << QRect(100, 100, 300, 400) << true << QRect(100, 100, 300, 400);
    QTest::newRow("bottom edge on the area's: stays")
        << QRect(100, 376, 300, 400) << false << QRect(100, 376, 300, 400);
    QTest::newRow("passes the bottom: moved up")
        << QRect(100, 500, 300, 400) << false << QRect(100, 376, 300, 400);
    QTest::newRow("taller than the area: top on the area's")
        << QRect(100, 300, 300, 900) << false << QRect(100, 24, 300, 900);
    QTest::newRow("above the area: moved down")
        << QRect(100, -50, 300, 400) << false << QRect(100, 24, 300, 400);
    QTest::newRow("past the right edge, sideways too")
        << QRect(1100, 100, 300, 400) << true << QRect(980, 100, 300, 400);
    QTest::newRow("past the right edge, not sideways")
        << QRect(1100, 100, 300, 400) << false << QRect(1100, 100, 300, 400);
    QTest::newRow("wider than the area: left on the area's")
        << QRect(-40, 100, 1500, 400) << true << QRect(0, 100, 1500, 400);
}

// The area lies below a 24-pixel top panel.
void TestDisposition::garderSurEcran() {
    QFETCH(QRect, fenêtre);
    QFETCH(bool, horizontalement);
    QFETCH(QRect, attendu);
    QCOMPARE(Garder_Sur_Écran(fenêtre, QRect(0, 24, 1280, 752), horizontalement), attendu);
}

QTEST_GUILESS_MAIN(TestDisposition)
#include "tst_disposition.moc"
