#include "platform/core/DisplayPlatform.h"

#include <QTest>

// On Wayland with XWayland the program asks for xcb, and never overrides a plugin the user chose.
class TestDisplayPlatform : public QObject {
    Q_OBJECT
private slots:
    void choix_data();
    void choix();
};

void TestDisplayPlatform::choix_data() {
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("choisie");
    QTest::addColumn<QByteArray>("forcée");
    QTest::newRow("Wayland with XWayland")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray() << QByteArray("xcb");
    QTest::newRow("the user chose wayland")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland") << QByteArray();
    QTest::newRow("the user chose xcb")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb") << QByteArray();
    QTest::newRow("Wayland without XWayland")
        << QByteArray("wayland-0") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("an X11 session") << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray();
    QTest::newRow("no display at all") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("test run offscreen")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("offscreen") << QByteArray();
}

void TestDisplayPlatform::choix() {
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, choisie);
    QFETCH(QByteArray, forcée);
    QCOMPARE(platformToForce(wayland, x11, choisie), forcée);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_display_platform.moc"
