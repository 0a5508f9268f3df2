#include "platform/widgets/QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

// The desktop's clipboard as the program sees it through Qt (offscreen here, where it lives in the
// process): which formats the MIME types another program offers count as, the text given, and pictures
// measured before they are decoded.
class TestPressePapierQt : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void formats_data();
    void formats();
    void image_data();
    void image();
    void ecrire();

private:
    QtClipboard pp_;
};

namespace {

using Types = QList<QPair<QString, QByteArray>>;

QByteArray encoder(QSize taille, const char* format) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, format)) qFatal("cannot encode %s", format);
    return octets;
}

// A picture whose header claims a size its few bytes do not hold: what a reader learns before it
// allocates.
QByteArray pixmapAnnonçant(QSize taille) {
    return QStringLiteral("P6\n%1 %2\n255\n").arg(taille.width()).arg(taille.height()).toLatin1() +
           QByteArray(12, 'x');
}

// What another program offers, type by type; the clipboard is emptied when there is none.
void offrir(const Types& types) {
    if (types.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        return;
    }
    auto* données = new QMimeData;
    for (const auto& [type, octets] : types)
        données->setData(type, octets);
    QGuiApplication::clipboard()->setMimeData(données);
}

} // namespace

void TestPressePapierQt::cleanup() {
    QGuiApplication::clipboard()->clear();
}

void TestPressePapierQt::formats_data() {
    QTest::addColumn<Types>("types");
    QTest::addColumn<QString>("attendus"); // T text, B bitmap, D device-independent bitmap, R rich text
    QTest::addColumn<QString>("texte");
    const QByteArray rtf = "{\\rtf1\\ansi {\\b gras}}";
    QTest::newRow("empty") << Types{} << ""
                           << "";
    QTest::newRow("plain text") << Types{{"text/plain", "bonjour"}} << "T"
                                << "bonjour";
    QTest::newRow("plain text with its charset") << Types{{"text/plain;charset=utf-8", "déjà"}} << "T"
                                                 << "déjà";
    QTest::newRow("a PNG picture") << Types{{"image/png", encoder(QSize(4, 3), "PNG")}} << "BD"
                                   << "";
    QTest::newRow("any image type") << Types{{"image/x-unknown", "??"}} << "BD"
                                    << "";
    QTest::newRow("RTF alone, never its source as text") << Types{{"text/rtf", rtf}} << "R"
                                                         << "";
    QTest::newRow("richtext") << Types{{"text/richtext", "<bold>gras</bold>"}} << "R"
                              << "";
    QTest::newRow("RTF and its plain text") << Types{{"text/rtf", rtf}, {"text/plain", "gras"}} << "TR"
                                            << "gras";
    QTest::newRow("HTML alone: nothing") << Types{{"text/html", "<b>gras</b>"}} << ""
                                         << "";
    QTest::newRow("a list of files: not text") << Types{{"text/uri-list", "file:///tmp/a.txt\r\n"}} << ""
                                               << "";
    QTest::newRow("a picture with its name")
        << Types{{"image/bmp", encoder(QSize(4, 3), "BMP")}, {"text/plain", "photo.bmp"}} << "TBD"
        << "photo.bmp";
}

void TestPressePapierQt::formats() {
    QFETCH(Types, types);
    QFETCH(QString, attendus);
    QFETCH(QString, texte);
    offrir(types);
    QString présents;
    const QList<QPair<ClipboardFormat, QChar>> lettres = {{ClipboardFormat::Text, 'T'},
                                                          {ClipboardFormat::Bitmap, 'B'},
                                                          {ClipboardFormat::DeviceIndependentBitmap, 'D'},
                                                          {ClipboardFormat::RichText, 'R'}};
    for (const auto& [format, lettre] : lettres) {
        if (pp_.hasFormat(format)) présents += lettre;
    }
    QCOMPARE(présents, attendus);
    QCOMPARE(pp_.text(), texte);
}

void TestPressePapierQt::image_data() {
    QTest::addColumn<Types>("types");
    QTest::addColumn<QSize>("tailleAnnoncée");
    QTest::addColumn<bool>("refusée");
    QTest::addColumn<QSize>("lue"); // empty: no picture
    QTest::newRow("a PNG") << Types{{"image/png", encoder(QSize(40, 30), "PNG")}} << QSize(40, 30) << false
                           << QSize(40, 30);
    QTest::newRow("a JPEG") << Types{{"image/jpeg", encoder(QSize(8, 8), "JPEG")}} << QSize(8, 8) << false
                            << QSize(8, 8);
    QTest::newRow("20000 × 20000 claimed: refused before decoding")
        << Types{{"image/x-portable-pixmap", pixmapAnnonçant(QSize(20000, 20000))}} << QSize(20000, 20000)
        << true << QSize();
    QTest::newRow("bytes that are no picture")
        << Types{{"image/png", "pas une image"}} << QSize() << false << QSize();
    QTest::newRow("the second type readable")
        << Types{{"image/png", "pas une image"}, {"image/gif-ou-pas", encoder(QSize(5, 6), "PNG")}}
        << QSize(5, 6) << false << QSize(5, 6);
    QTest::newRow("no picture") << Types{{"text/plain", "bonjour"}} << QSize() << false << QSize();
}

// The size is asked about before a picture is decoded; a refused one is told with its size.
void TestPressePapierQt::image() {
    QFETCH(Types, types);
    QFETCH(QSize, tailleAnnoncée);
    QFETCH(bool, refusée);
    QFETCH(QSize, lue);
    offrir(types);
    QList<QSize> demandées;
    const ClipboardImage prise = pp_.image([&demandées](const QSize& taille) {
        demandées << taille;
        return taille.width() <= 10000 && taille.height() <= 10000;
    });
    QCOMPARE(prise.refused, refusée);
    QCOMPARE(prise.image.size(), lue.isEmpty() ? QSize(0, 0) : lue);
    if (tailleAnnoncée.isValid()) {
        QVERIFY(!demandées.isEmpty());
        QCOMPARE(demandées.constFirst(), tailleAnnoncée);
        QCOMPARE(prise.size, tailleAnnoncée);
    }
}

// What the program puts there replaces everything, and comes back as it was put, also to another
// program: the picture is offered in a picture type.
void TestPressePapierQt::ecrire() {
    offrir({{"text/rtf", "{\\rtf1 x}"}, {"text/plain", "x"}});
    pp_.setText(QStringLiteral("Ligne un\nLigne deux"));
    QVERIFY(pp_.hasFormat(ClipboardFormat::Text));
    QVERIFY(!pp_.hasFormat(ClipboardFormat::RichText));
    QCOMPARE(pp_.text(), QStringLiteral("Ligne un\nLigne deux"));

    QImage image(QSize(7, 5), QImage::Format_RGB32);
    image.fill(Qt::green);
    pp_.setImage(image);
    QVERIFY(!pp_.hasFormat(ClipboardFormat::Text));
    QVERIFY(pp_.hasFormat(ClipboardFormat::Bitmap));
    QVERIFY(pp_.hasFormat(ClipboardFormat::DeviceIndependentBitmap));
    const ClipboardImage prise = pp_.image([](const QSize&) { return true; });
    QCOMPARE(prise.image.convertToFormat(QImage::Format_RGB32), image);
    QVERIFY(pp_.image([](const QSize&) { return false; }).refused);
}

QTEST_MAIN(TestPressePapierQt)
#include "tst_presse_papier_qt.moc"
