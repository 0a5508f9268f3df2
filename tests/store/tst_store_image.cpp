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
#include <QImageReader>
#include <QRegularExpression>
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

// A PNG whose header claims the size given: its IHDR chunk rewritten, checksum included, so that the reader
// believes it.
QByteArray pngAnnonçant(int largeur, int hauteur) {
    QByteArray png = encoder(motif(2, 2), "PNG");
    qToBigEndian<quint32>(quint32(largeur), png.data() + 16);
    qToBigEndian<quint32>(quint32(hauteur), png.data() + 20);
    quint32 crc = 0xffffffffu;
    for (int i = 12; i < 29; ++i) { // chunk type and data
        crc ^= quint8(png.at(i));
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    qToBigEndian<quint32>(~crc, png.data() + 29);
    return png;
}

QByteArray bmpAnnonçant(int largeur, int hauteur) {
    QByteArray bmp = encoder(motif(2, 2), "BMP");
    qToLittleEndian<qint32>(largeur, bmp.data() + 18);
    qToLittleEndian<qint32>(hauteur, bmp.data() + 22);
    return bmp;
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

    // A picture file that is there but gives no picture says why, in the words the user is shown; none is
    // read further than the limit, whatever size it claims or has.
    void unreadablePictureSaysWhy_data() {
        QTest::addColumn<int>("genre"); // 0 bytes, 1 folder, 2 sparse file of 1 GB
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("raison");
        QTest::newRow("empty file") << 0 << QByteArray() << "son fichier d'image est vide";
        QTest::newRow("filler only") << 0 << QByteArray("A") << "son fichier d'image est vide";
        QTest::newRow("not a picture")
            << 0 << QByteArray("Xnot a picture") << "son fichier d'image ne contient pas d'image lisible";
        QTest::newRow("PNG claiming 100000 x 100000")
            << 0 << Masquer_Image(pngAnnonçant(100000, 100000), std::uint8_t(40))
            << "l'image mesure 100000 × 100000 pixels, plus que Pensoir n'en ouvre";
        // Qt's bitmap reader finds such a header inconsistent with the file before any size is given.
        QTest::newRow("bitmap claiming 20000 x 20000")
            << 0 << Masquer_Image(bmpAnnonçant(20000, 20000), std::uint8_t(40))
            << "son fichier d'image ne contient pas d'image lisible";
        QTest::newRow("folder named like the picture")
            << 1 << QByteArray()
            << "« 08122026_55555.PS2 » n'est pas un fichier d'image mais un dossier ou un "
               "fichier spécial";
        QTest::newRow("sparse file of 1 GB")
            << 2 << QByteArray()
            << "son fichier d'image dépasse 256 Mo, plus qu'aucune image enregistrée par Pensoir";
    }
    void unreadablePictureSaysWhy() {
        QFETCH(int, genre);
        QFETCH(QByteArray, octets);
        QFETCH(QString, raison);
        const TestFolder dossier;
        QVERIFY(QDir().mkpath(dossier.memos()));
        const QString fichier = chemin(dossier, ".PS2");
        if (genre == 1) {
            QVERIFY(QDir().mkpath(fichier));
        } else {
            écrire(fichier, octets);
            if (genre == 2) QVERIFY(QFile(fichier).resize(qint64(1) << 30));
        }

        const Image_Lue lue = Lire_Image_Expliquée(dossier.memos(), NOM);
        QVERIFY(lue.image.isNull());
        QCOMPARE(lue.problème, raison);
        QVERIFY(Lire_Image(dossier.memos(), NOM).isNull());
    }

    void noPictureFileIsNoProblem() {
        const TestFolder dossier;
        const Image_Lue lue = Lire_Image_Expliquée(dossier.memos(), NOM);
        QVERIFY(lue.image.isNull());
        QVERIFY(lue.problème.isEmpty());
    }

    // Qt's own ceiling, set at start-up, also bounds pictures decoded outside the memo files (the
    // clipboard): a header claiming 6000 x 6000 (137 MB shown) is refused before anything is allocated.
    void qtDecodingIsBoundedToo() {
        Limiter_Décodage_Images();
        QCOMPARE(QImageReader::allocationLimit(), LIMITE_MÉMOIRE_IMAGE_MO);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("allocation limit of 128")));
        QVERIFY(QImage::fromData(bmpAnnonçant(6000, 6000)).isNull());
        QVERIFY(!QImage::fromData(bmpAnnonçant(2, 2)).isNull());
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
