// The scrambling tables: stored memos depend on every entry, so the tables are pinned here.
#include "store/TablesCodage.h"
#include "store/Windows1252.h"

#include <QTest>

#include <set>

namespace {

QString fois(QString (*passe)(const QString&), QString texte, int tours) {
    for (int tour = 0; tour < tours; ++tour)
        texte = passe(texte);
    return texte;
}

QString tousLesCaractères() {
    QString tous;
    for (int code = 0; code < 256; ++code)
        tous += caractèreWindows1252(static_cast<std::uint8_t>(code));
    return tous;
}

} // namespace

class TestTablesCodage : public QObject {
    Q_OBJECT

private slots:
    void tablesArePermutationsAndInverses() {
        std::set<int> images;
        for (int code = 0; code < 256; ++code) {
            const int codé = Table_Codage[code];
            QVERIFY(codé >= 0 && codé <= 255);
            images.insert(codé);
            QCOMPARE(int(Table_Décodage[codé]), code);
            QCOMPARE(int(Table_Codage[Table_Décodage[code]]), code);
        }
        QCOMPARE(images.size(), std::size_t(256));
    }

    void fixedPoints_data() {
        QTest::addColumn<int>("code");
        for (int code = 0; code < 32; ++code)
            QTest::addRow("control %d", code) << code;
        for (const int code : {34, 129, 141, 143, 144, 157})
            QTest::addRow("code %d", code) << code;
    }
    void fixedPoints() {
        QFETCH(int, code);
        QCOMPARE(int(Table_Codage[code]), code);
        QCOMPARE(int(Table_Décodage[code]), code);
    }

    void noOtherFixedPoint() {
        int fixes = 0;
        for (int code = 0; code < 256; ++code)
            if (Table_Codage[code] == code) ++fixes;
        QCOMPARE(fixes, 32 + 6);
    }

    void pinnedEntries_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("codé");
        QTest::newRow("A") << 65 << 178;
        QTest::newRow("a") << 97 << 80;
        QTest::newRow("é") << 233 << 198;
        QTest::newRow("space") << 32 << 181;
        QTest::newRow("€") << 128 << 177;
        QTest::newRow("ÿ") << 255 << 219;
        QTest::newRow("0") << 48 << 233;
        QTest::newRow("em dash") << 151 << 32;
    }
    void pinnedEntries() {
        QFETCH(int, code);
        QFETCH(int, codé);
        QCOMPARE(int(Table_Codage[code]), codé);
    }

    void onePassSubstitutesEachCharacter() {
        QCOMPARE(Coder(QStringLiteral("Aa é")), QString(caractèreWindows1252(178)) +
                                                    caractèreWindows1252(80) + caractèreWindows1252(181) +
                                                    caractèreWindows1252(198));
        QCOMPARE(Coder(QStringLiteral("€")), QString(caractèreWindows1252(177)));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<int>("tours");
        for (const int tours : {1, 4, 9, 64, 99}) {
            QTest::addRow("accents, %d passes", tours) << "Œuvre à 12 €, déjà vu\r\nÇa ?"
                                                       << "Œuvre à 12 €, déjà vu\r\nÇa ?" << tours;
            QTest::addRow("all 256 codes, %d passes", tours)
                << tousLesCaractères() << tousLesCaractères() << tours;
            QTest::addRow("outside Windows-1252 as ?, %d passes", tours) << "zł €"
                                                                         << "z? €" << tours;
            QTest::addRow("beyond 16 bits as one ?, %d passes", tours)
                << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                     "b")
                << "a?b" << tours;
            QTest::addRow("empty, %d passes", tours) << QString() << QString() << tours;
        }
    }
    void roundTrip() {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QFETCH(int, tours);
        const QString codé = fois(Coder, texte, tours);
        QCOMPARE(codé.size(), attendu.size());
        QCOMPARE(fois(Décoder, codé, tours), attendu);
    }

    // Recovery copies are kept in UTF-8: the same passes, but what Windows-1252 cannot hold stays itself.
    void lossless_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("tours");
        for (const int tours : {1, 4, 99}) {
            QTest::addRow("letters outside, %d passes", tours)
                << QStringLiteral("Łódź ✓ Ωmega 日本 €\nfin") << tours;
            QTest::addRow("beyond 16 bits, %d passes", tours) << QStringLiteral("a😀b") << tours;
            QTest::addRow("all 256 codes, %d passes", tours) << tousLesCaractères() << tours;
        }
    }
    void lossless() {
        QFETCH(QString, texte);
        QFETCH(int, tours);
        const QString codé = fois(Coder_Tout, texte, tours);
        QCOMPARE(fois(Décoder_Tout, codé, tours), texte);
        // Within Windows-1252 it is the record's own scrambling; outside, each character stays itself.
        QCOMPARE(codé.size(), texte.size());
        for (qsizetype i = 0; i < texte.size(); ++i) {
            if (estWindows1252(texte[i].unicode()))
                QCOMPARE(codé[i], fois(Coder, QString(texte[i]), tours).at(0));
            else
                QCOMPARE(codé[i], texte[i]);
        }
    }

    void codingNeverCreatesAQuoteOrALineBreak() {
        QString sans;
        for (const QChar c : tousLesCaractères())
            if (c != '"' && c != '\r' && c != '\n') sans += c;
        QString texte = sans;
        for (int tour = 1; tour <= 99; ++tour) {
            texte = Coder(texte);
            QVERIFY(!texte.contains('"') && !texte.contains('\r') && !texte.contains('\n'));
        }
    }

    void emptyTextStaysEmpty() {
        QVERIFY(Coder(QString()).isEmpty());
        QVERIFY(Décoder(QString()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTablesCodage)
#include "tst_tables_codage.moc"
