// The picture file: one filler byte in front of a picture, written with the memo, only read when opened.
#include "FakeCore.h"
#include "FichesDeTest.h"
#include "TestFolder.h"

#include "store/EcritureMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QtEndian>

namespace {

const QString NOM = QStringLiteral("08122026_55555");

QImage motif(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

QByteArray encoder(const QImage& image, const char* format) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, format)) qFatal("cannot encode %s", format);
    return octets;
}

QString chemin(const TestFolder& dossier, const QString& extension) {
    return dossier.memos() + "/" + NOM + extension;
}

bool mêmesPixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestImage : public QObject {
    Q_OBJECT

private slots:
    void wrapAndUnwrap_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("remplissage");
        QTest::newRow("bitmap, lowest filler") << encoder(motif(5, 3), "BMP") << 34;
        QTest::newRow("bitmap, highest filler") << encoder(motif(5, 3), "BMP") << 132;
        QTest::newRow("one byte") << QByteArray("x") << 77;
        QTest::newRow("nothing") << QByteArray() << 50;
    }
    void wrapAndUnwrap() {
        QFETCH(QByteArray, image);
        QFETCH(int, remplissage);
        const QByteArray masquée = Masquer_Image(image, static_cast<std::uint8_t>(remplissage));
        QCOMPARE(masquée.size(), image.size() + 1);
        QCOMPARE(static_cast<std::uint8_t>(masquée.at(0)), static_cast<std::uint8_t>(remplissage));
        QCOMPARE(Restaurer_Image(masquée), image);
    }

    void fillerIsDrawnFrom34To132_data() {
        QTest::addColumn<double>("tirage");
        QTest::addColumn<int>("remplissage");
        QTest::newRow("lowest") << 0.0 << 34;
        QTest::newRow("highest") << 0.999999 << 132;
        QTest::newRow("middle") << 0.5 << 83;
    }
    void fillerIsDrawnFrom34To132() {
        QFETCH(double, tirage);
        QFETCH(int, remplissage);
        FakeCore plateforme;
        plateforme.randoms = {tirage};
        QCOMPARE(static_cast<std::uint8_t>(Masquer_Image(QByteArray("BM"), plateforme).at(0)),
                 static_cast<std::uint8_t>(remplissage));
    }

    void savedPictureReadsBack() {
        const TestFolder dossier;
        FakeCore plateforme;
        plateforme.randoms = {0.999999};
        const QImage image = motif(37, 23);
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), image).ok());

        const QByteArray fichier = contenu(chemin(dossier, ".PS2"));
        QCOMPARE(static_cast<std::uint8_t>(fichier.at(0)), REMPLISSAGE_MAX);
        QVERIFY(fichier.mid(1).startsWith("BM"));
        QVERIFY(QImage::fromData(fichier).isNull()); // not a picture as it stands
        QVERIFY(mêmesPixels(Lire_Image(dossier.memos(), NOM), image));
        QVERIFY(!QFile::exists(chemin(dossier, ".PS3")));
    }

    void otherFormatsAreReadToo_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QImage>("pixels"); // null when the format loses some
        const QImage image = motif(16, 9);
        QTest::newRow("PNG") << encoder(image, "PNG") << image.size() << image;
        QTest::newRow("JPEG") << encoder(image, "JPEG") << image.size() << QImage();
        // Qt writes no GIF: the classic one-pixel file.
        QTest::newRow("GIF") << QByteArray::fromHex(
                                    "47494638396101000100800000ffffff00000021f90401000000002c0000000001"
                                    "0001000002024401003b")
                             << QSize(1, 1) << QImage();
    }
    void otherFormatsAreReadToo() {
        QFETCH(QByteArray, image);
        QFETCH(QSize, taille);
        QFETCH(QImage, pixels);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        const QByteArray octets = Masquer_Image(image, std::uint8_t(99));
        écrire(chemin(dossier, ".PS2"), octets);

        const QImage lue = Lire_Image(dossier.memos(), NOM);
        QCOMPARE(lue.size(), taille);
        if (!pixels.isNull()) QVERIFY(mêmesPixels(lue, pixels));
        QCOMPARE(contenu(chemin(dossier, ".PS2")), octets);
    }

    void unreadablePictureGivesNone_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("filler only") << QByteArray("A");
        QTest::newRow("not a picture") << QByteArray("Xnot a picture at all");
        QTest::newRow("picture without its filler") << encoder(motif(3, 3), "PNG");
    }
    void unreadablePictureGivesNone() {
        QFETCH(QByteArray, octets);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        écrire(chemin(dossier, ".PS2"), octets);
        QVERIFY(Lire_Image(dossier.memos(), NOM).isNull());
    }

    // Whatever size a header claims, decoding takes at most the memory limit, counted at 4 bytes a pixel
    // as the picture will be shown, even for a picture stored with fewer, and no side is longer than Qt
    // can paint.
    void pictureBeyondTheMemoryLimitGivesNone_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("lue");
        QByteArray énorme = encoder(motif(2, 2), "BMP");
        for (const int position : {18, 22}) // width, height: 30000, pixel data of 2 x 2
            qToLittleEndian<qint32>(30000, énorme.data() + position);
        QTest::newRow("bitmap header of 30000 x 30000") << énorme << false;
        QByteArray haute = encoder(motif(2, 2), "BMP");
        qToLittleEndian<qint32>(-40000, haute.data() + 22); // top down
        QTest::newRow("bitmap header of 2 x 40000, top down") << haute << false;
        const auto noirEtBlanc = [](int côté) {
            QImage image(côté, côté, QImage::Format_Mono);
            image.fill(0);
            return encoder(image, "PNG");
        };
        const int côtéLimite = 5792; // 5792 x 5792 x 4 bytes is just below 128 MB
        QTest::newRow("black and white, at the limit") << noirEtBlanc(côtéLimite) << true;
        QTest::newRow("black and white, one pixel more a side") << noirEtBlanc(côtéLimite + 1) << false;
    }
    void pictureBeyondTheMemoryLimitGivesNone() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, lue);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        écrire(chemin(dossier, ".PS2"), Masquer_Image(octets, std::uint8_t(99)));
        QCOMPARE(!Lire_Image(dossier.memos(), NOM).isNull(), lue);
    }

    void missingPictureGivesNone() {
        const TestFolder dossier;
        QVERIFY(Lire_Image(dossier.memos(), NOM).isNull());
    }

    void savingWithoutPictureKeepsTheOldOne() {
        const TestFolder dossier;
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), motif(9, 9)).ok());
        const QByteArray ancienneImage = contenu(chemin(dossier, ".PS2"));

        Fiche_Mnémo modifiée = ficheClaire();
        modifiée.Titre = "Autre titre";
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, modifiée, QImage()).ok());

        QCOMPARE(contenu(chemin(dossier, ".PS2")), ancienneImage);
        qint16 icône = 0;
        QCOMPARE(Lire_Fiche(dossier.memos(), NOM, icône).Titre, QStringLiteral("Autre titre"));
    }

    void openingLeavesTheFilesUntouched() {
        const TestFolder dossier;
        FakeCore plateforme;
        QVERIFY(Écrire_Mnémo(plateforme, dossier.memos(), NOM, ficheClaire(), motif(12, 5)).ok());
        const QByteArray fiche = contenu(chemin(dossier, ".PSL"));
        const QByteArray image = contenu(chemin(dossier, ".PS2"));
        const QDateTime modifiéeLe = QFileInfo(chemin(dossier, ".PS2")).lastModified();
        const QStringList fichiers = QDir(dossier.memos()).entryList(QDir::Files);

        qint16 icône = 0;
        Lire_Fiche(dossier.memos(), NOM, icône);
        QVERIFY(!Lire_Image(dossier.memos(), NOM).isNull());

        QCOMPARE(contenu(chemin(dossier, ".PSL")), fiche);
        QCOMPARE(contenu(chemin(dossier, ".PS2")), image);
        QCOMPARE(QFileInfo(chemin(dossier, ".PS2")).lastModified(), modifiéeLe);
        QCOMPARE(QDir(dossier.memos()).entryList(QDir::Files), fichiers);
    }
};

QTEST_GUILESS_MAIN(TestImage)
#include "tst_store_image.moc"
