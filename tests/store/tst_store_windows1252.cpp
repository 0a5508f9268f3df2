// The character set of memo and launcher files: every byte comes back as itself, and what the set
// cannot hold becomes '?', as Qt's own encoder says.
#include "store/Windows1252.h"

#include <QStringEncoder>
#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteComesBackAsItself() {
        for (int code = 0; code < 256; ++code) {
            const QChar caractère = caractèreWindows1252(static_cast<std::uint8_t>(code));
            QVERIFY2(estWindows1252(caractère.unicode()), qPrintable(QString::number(code)));
            QCOMPARE(int(codeWindows1252(caractère.unicode())), code);
        }
        QByteArray tous(256, Qt::Uninitialized);
        for (int code = 0; code < 256; ++code)
            tous[code] = static_cast<char>(code);
        QCOMPARE(versWindows1252(depuisWindows1252(tous)), tous);
    }

    // One '?' for each character the set lacks, a pair of surrogates being one, a lone half one too.
    void textsOutsideTheSetKeepTheirLength() {
        const QString texte = QStringLiteral("a\U0001F600b") + QChar(0xD800) + QStringLiteral("c\u0141");
        QCOMPARE(versWindows1252(texte), QByteArray("a?b?c?"));
    }

    // Around the edges of the Latin-1 rows, which map to themselves, and the row 0x80-0x9F, which does not.
    void charactersAgreeWithQtsEncoder_data() {
        QTest::addColumn<char32_t>("caractère");
        for (const char32_t c : {U'\x7F', U'\x80', U'\x81', U'\x9F', U'\xA0', U'\xFF', U'\u0100', U'\u0141',
                                 U'\u20AC', U'\u0178', U'\u2713', U'\U0001F600'})
            QTest::addRow("U+%04X", unsigned(c)) << c;
    }
    void charactersAgreeWithQtsEncoder() {
        QFETCH(char32_t, caractère);
        QStringEncoder encodeur("windows-1252");
        const QByteArray attendu = encodeur.encode(QString::fromUcs4(&caractère, 1));
        const bool tenu = !encodeur.hasError();
        QCOMPARE(estWindows1252(caractère), tenu);
        QCOMPARE(char(codeWindows1252(caractère)), tenu ? attendu.at(0) : '?');
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_store_windows1252.moc"
