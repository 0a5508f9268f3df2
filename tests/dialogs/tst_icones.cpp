// The icon chooser Icônes and the icon set it shows.

#include "dialogs/GrilleIcones.h"
#include "dialogs/Icones.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"

#include <QtTest>

#include <set>

namespace {

// The pictures that are meant to be told apart at a glance.
QList<int> imagesDessinées() {
    QList<int> numéros;
    for (int n = 0; n < NOMBRE_ICÔNES; ++n)
        if (n != 31 && n != 32 && n != ICÔNE_VIDE) numéros << n;
    return numéros;
}

bool transparente(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

bool aDesPixelsTransparents(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0) return true;
    return false;
}

QPoint centreDe(int numéro) {
    return twipsToPixels(celluleIcône(numéro)).center();
}

// The chooser as the memo window shows it: loaded, then given the memo's current icon.
struct ChoixOuvert {
    explicit ChoixOuvert(qint16 icôneDuMémo, const BitmapResources& bitmaps = {})
        : choix(choisie, nullptr, bitmaps) {
        choisie = icôneDuMémo;
        choix.show();
        visible = QTest::qWaitForWindowExposed(&choix);
    }
    qint16 choisie = 99;
    Icônes choix;
    bool visible = false;
};

} // namespace

class TestIcones : public QObject {
    Q_OBJECT

private slots:
    void clickOnAPictureChoosesIt_data() {
        QTest::addColumn<int>("numéro");
        for (int n : {0, 4, 17, 18, 19, 20, 31, 32, 33, 34, 35})
            QTest::addRow("%d", n) << n;
    }

    void clickOnAPictureChoosesIt() {
        QFETCH(int, numéro);
        ChoixOuvert c(7);
        QVERIFY(c.visible);
        QTest::mouseClick(&c.choix, Qt::LeftButton, {}, centreDe(numéro));
        QCOMPARE(c.choisie, numéro);
        QVERIFY(!c.choix.isVisible());
        QCOMPARE(c.choix.result(), int(QDialog::Accepted));
    }

    // Beside the pictures: in the gaps, on the lines, below the last row.
    void clickBesideThePicturesKeepsTheValue_data() {
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("between the columns") << QPoint(510, 200);
        QTest::newRow("between two rows") << QPoint(300, 2130);
        QTest::newRow("right of the grid") << QPoint(1600, 3000);
        QTest::newRow("above picture 4") << QPoint(700, 495);
        QTest::newRow("left of picture 31") << QPoint(5, 6200);
        QTest::newRow("bottom edge") << QPoint(800, 6485);
    }

    void clickBesideThePicturesKeepsTheValue() {
        QFETCH(QPoint, twips);
        ChoixOuvert c(12);
        QVERIFY(c.visible);
        QCOMPARE(c.choix.icôneSous(twipsToPixels(twips)), -1);
        QTest::mouseClick(&c.choix, Qt::LeftButton, {}, twipsToPixels(twips));
        QCOMPARE(c.choisie, qint16(12));
        QVERIFY(!c.choix.isVisible());
        QCOMPARE(c.choix.result(), int(QDialog::Rejected));
    }

    void doubleClickBesideThePicturesCloses() {
        ChoixOuvert c(12);
        QVERIFY(c.visible);
        QTest::mouseDClick(&c.choix, Qt::LeftButton, {}, twipsToPixels(QPoint(1600, 3000)));
        QCOMPARE(c.choisie, qint16(12));
        QVERIFY(!c.choix.isVisible());
    }

    // A press on one picture released on another is no click.
    void pressAndReleaseOnDifferentPlacesChooseNothing() {
        ChoixOuvert c(12);
        QVERIFY(c.visible);
        QTest::mousePress(&c.choix, Qt::LeftButton, {}, centreDe(5));
        QTest::mouseRelease(&c.choix, Qt::LeftButton, {}, centreDe(8));
        QCOMPARE(c.choisie, qint16(12));
        QVERIFY(c.choix.isVisible());
    }

    void rightClickDoesNothing() {
        ChoixOuvert c(12);
        QVERIFY(c.visible);
        QTest::mouseClick(&c.choix, Qt::RightButton, {}, centreDe(5));
        QCOMPARE(c.choisie, qint16(12));
        QVERIFY(c.choix.isVisible());
    }

    void keys_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("ferme");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("A") << int(Qt::Key_A) << false;
    }

    void keys() {
        QFETCH(int, touche);
        QFETCH(bool, ferme);
        ChoixOuvert c(12);
        QVERIFY(c.visible);
        QTest::keyClick(&c.choix, Qt::Key(touche));
        QCOMPARE(c.choisie, qint16(12));
        QCOMPARE(c.choix.isVisible(), !ferme);
    }

    void loadingForgetsTheChoice() {
        qint16 choisie = 12;
        Icônes premier(choisie);
        QCOMPARE(choisie, qint16(-1));
        choisie = 5;
        Icônes second(choisie);
        QCOMPARE(choisie, qint16(-1));
    }

    // Where the pictures stand, in twips.
    void cells_data() {
        QTest::addColumn<int>("numéro");
        QTest::addColumn<QRect>("cellule");
        QTest::newRow("0") << 0 << QRect(0, 0, 480, 480);
        QTest::newRow("2") << 2 << QRect(1080, 0, 480, 480);
        QTest::newRow("3") << 3 << QRect(0, 540, 480, 480);
        QTest::newRow("4 a little higher") << 4 << QRect(540, 510, 480, 480);
        QTest::newRow("5") << 5 << QRect(1080, 540, 480, 480);
        QTest::newRow("18") << 18 << QRect(0, 3240, 480, 480);
        QTest::newRow("20 before 19") << 20 << QRect(540, 3240, 480, 480);
        QTest::newRow("19") << 19 << QRect(1080, 3240, 480, 480);
        QTest::newRow("23") << 23 << QRect(540, 3780, 480, 480);
        QTest::newRow("26") << 26 << QRect(540, 4320, 480, 480);
        QTest::newRow("29") << 29 << QRect(1080, 4860, 480, 480);
        QTest::newRow("30") << 30 << QRect(0, 5420, 480, 480);
        QTest::newRow("35") << 35 << QRect(540, 5420, 480, 480);
        QTest::newRow("34") << 34 << QRect(1080, 5420, 480, 480);
        QTest::newRow("31") << 31 << QRect(20, 5980, 480, 480);
        QTest::newRow("32") << 32 << QRect(560, 5980, 480, 480);
        QTest::newRow("33") << 33 << QRect(1100, 5980, 480, 480);
    }

    void cells() {
        QFETCH(int, numéro);
        QFETCH(QRect, cellule);
        QCOMPARE(celluleIcône(numéro), cellule);
        qint16 choisie = 0;
        Icônes choix(choisie);
        QCOMPARE(choix.icôneSous(twipsToPixels(cellule).center()), numéro);
    }

    void everyPictureHasOneCell() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        for (int n = 0; n < NOMBRE_ICÔNES; ++n) {
            QVERIFY(celluleIcône(n).isValid());
            QCOMPARE(choix.icôneSous(centreDe(n)), n);
            for (int autre = 0; autre < n; ++autre)
                QVERIFY2(!celluleIcône(n).intersects(celluleIcône(autre)), qPrintable(QString::number(n)));
        }
        QVERIFY(celluleIcône(-1).isNull());
        QVERIFY(celluleIcône(NOMBRE_ICÔNES).isNull());
    }

    void windowLook() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        QCOMPARE(choix.objectName(), QStringLiteral("Icônes"));
        QCOMPARE(choix.windowTitle(), QStringLiteral("Choix d'une icône"));
        QVERIFY(choix.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(choix.size(), twipsToPixels(QSize(1620, 6495)));
        QCOMPARE(choix.palette().color(QPalette::Window), vbColour(0x00FFC0C0));
        choix.définirFond(vbColour(0x00C0FFFF));
        QCOMPARE(choix.palette().color(QPalette::Window), vbColour(0x00C0FFFF));
        choix.placer(1200, 2250);
        QCOMPARE(choix.pos(), twipsToPixels(QPoint(1200, 2250)));
    }

    // The lines between the cells and the background, as painted.
    void painting() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        const QColor fond = vbColour(0x00C0FFFF);
        choix.définirFond(fond);
        const QImage vue = choix.grab().toImage();
        const auto couleur = [&vue](int xTwips, int yTwips) {
            return QColor(vue.pixel(twipsToPixels(QPoint(xTwips, yTwips))));
        };
        QCOMPARE(couleur(300, 510), QColor(Qt::black));   // under the first row
        QCOMPARE(couleur(1575, 1050), QColor(Qt::black)); // the other lines reach further
        QCOMPARE(couleur(1575, 510), fond);
        QCOMPARE(couleur(510, 3000), QColor(Qt::black)); // between the columns
        QCOMPARE(couleur(1050, 6000), QColor(Qt::black));
        QCOMPARE(couleur(0, 3000), QColor(Qt::black)); // the border
        QCOMPARE(couleur(1600, 3000), fond);
        QCOMPARE(couleur(800, 6465), fond); // below the last row
    }

    void picturesAre32By32() {
        qint16 choisie = 0;
        Icônes choix(choisie);
        for (int n = 0; n < NOMBRE_ICÔNES; ++n) {
            QCOMPARE(Image_Icône(n).size(), QSize(32, 32));
            QCOMPARE(choix.image(n).size(), QSize(32, 32));
        }
        QVERIFY(Image_Icône(-1).isNull());
        QVERIFY(Image_Icône(NOMBRE_ICÔNES).isNull());
    }

    void drawnPicturesAreAllDifferent() {
        const QList<int> numéros = imagesDessinées();
        QCOMPARE(numéros.size(), 33);
        for (int i = 0; i < numéros.size(); ++i) {
            const QImage image = Image_Icône(numéros[i]).toImage();
            QVERIFY2(!transparente(image), qPrintable(QString::number(numéros[i])));
            for (int j = 0; j < i; ++j)
                QVERIFY2(image != Image_Icône(numéros[j]).toImage(),
                         qPrintable(QStringLiteral("%1 = %2").arg(numéros[i]).arg(numéros[j])));
        }
    }

    void pointersLetTheBackgroundThrough() {
        for (int n : {15, 16, 17})
            QVERIFY2(aDesPixelsTransparents(Image_Icône(n).toImage()), qPrintable(QString::number(n)));
    }

    void picture33IsEmpty() { QVERIFY(transparente(Image_Icône(ICÔNE_VIDE).toImage())); }

    void picturesFromTheProgramsBitmaps_data() {
        QTest::addColumn<int>("numéro");
        QTest::addColumn<QString>("ressource");
        QTest::newRow("31") << 31 << ":/101.bmp";
        QTest::newRow("32") << 32 << ":/102.bmp";
    }

    void picturesFromTheProgramsBitmaps() {
        QFETCH(int, numéro);
        QFETCH(QString, ressource);
        const QImage bitmap(ressource);
        QVERIFY(!bitmap.isNull());
        const QImage attendue = bitmap.scaled(32, 32).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Image_Icône(numéro).toImage().convertToFormat(QImage::Format_ARGB32), attendue);
        qint16 choisie = 0;
        Icônes choix(choisie);
        QCOMPARE(choix.image(numéro).toImage().convertToFormat(QImage::Format_ARGB32), attendue);
        QVERIFY(Image_Icône(31).toImage() != Image_Icône(32).toImage());
    }

    // A bitmap that cannot be read leaves its cell empty, and the cell still answers a click.
    void unreadableBitmapLeavesTheCellEmpty() {
        BitmapResources bitmaps;
        bitmaps.image31 = QStringLiteral(":/absente.bmp");
        ChoixOuvert c(3, bitmaps);
        QVERIFY(c.visible);
        QCOMPARE(c.choix.image(31).size(), QSize(32, 32));
        QVERIFY(transparente(c.choix.image(31).toImage()));
        QVERIFY(!transparente(c.choix.image(32).toImage()));
        QTest::mouseClick(&c.choix, Qt::LeftButton, {}, centreDe(31));
        QCOMPARE(c.choisie, qint16(31));
    }
};

QTEST_MAIN(TestIcones)
#include "tst_icones.moc"
