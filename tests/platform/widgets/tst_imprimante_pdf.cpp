#include "TextePdf.h"

#include "platform/core/ErreursPlateforme.h"
#include "platform/widgets/QtPrinter.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The desktop's printer code drawing into PDF files, read back with pdftotext: what is printed is on the
// page, in order, accents included; nothing falls off the right edge or the bottom; a document left
// unfinished or that cannot be written leaves no file and says why.
class TestImprimantePdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lignesDansLOrdre();
    void longuesLignesRepliees_data();
    void longuesLignesRepliees();
    void imageQuiNeTientPas_data();
    void imageQuiNeTientPas();
    void documentAbandonne();
    void fichierImpossible();

private:
    std::unique_ptr<QTemporaryDir> dossier_;
    QString pdf_;
    QtPrinter imprimante_;
};

namespace {
// The words of a text, blanks and line ends aside.
QStringList mots(const QString& texte) {
    return texte.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}
} // namespace

void TestImprimantePdf::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dossier_->isValid());
    pdf_ = dossier_->filePath(QStringLiteral("essai.pdf"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is needed: scripts/install-deps.sh --tests");
}

void TestImprimantePdf::lignesDansLOrdre() {
    const auto travail = imprimante_.beginPdf(pdf_, QStringLiteral("Essai"));
    QCOMPARE(travail->error().number, 0);
    QVERIFY(travail->setFontName(QStringLiteral("DejaVu Sans")));
    QVERIFY(travail->printOnLine(QStringLiteral("Titre : ")));
    QVERIFY(travail->setFontBold(true));
    QVERIFY(travail->printLine(QStringLiteral("Crème brûlée")));
    QVERIFY(travail->setFontBold(false));
    QVERIFY(travail->printLine(QString()));
    QVERIFY(travail->printLine(QStringLiteral("Où est l'œuf ? Déjà à Noël.")));
    QVERIFY(travail->printLine(QStringLiteral("fin\tdu\ttexte")));
    QVERIFY(travail->endDoc());
    QCOMPARE(travail->error().number, 0);

    const QString texte = texteDuPdf(pdf_);
    QCOMPARE(mots(texte).join(QLatin1Char('|')),
             mots(QStringLiteral("Titre : Crème brûlée Où est l'œuf ? Déjà à Noël. fin du texte")).join('|'));
    // The piece left on the line and the next one share it.
    QVERIFY2(texte.contains(QRegularExpression(QStringLiteral("Titre :\\s*Crème brûlée\n"))),
             qPrintable(texte));
    QCOMPARE(pagesDuPdf(pdf_), 1);
}

void TestImprimantePdf::longuesLignesRepliees_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<int>("fois"); // printed that many times
    QStringList phrase;
    for (int i = 1; i <= 80; ++i)
        phrase << QStringLiteral("mot%1").arg(i, 2, 10, QLatin1Char('0'));
    QTest::newRow("a paragraph typed as one line") << phrase.join(QLatin1Char(' ')) << 1;
    QTest::newRow("a word wider than the page") << QString(400, QLatin1Char('x')) << 1;
    QTest::newRow("more lines than a page holds") << QStringLiteral("ligne") << 150;
}

// Every word reaches the page: a long line goes on below, a full page goes on on the next.
void TestImprimantePdf::longuesLignesRepliees() {
    QFETCH(QString, ligne);
    QFETCH(int, fois);
    const auto travail = imprimante_.beginPdf(pdf_, QStringLiteral("Essai"));
    QStringList attendu;
    for (int i = 0; i < fois; ++i) {
        const QString texte = fois > 1 ? ligne + QString::number(i) : ligne;
        QVERIFY(travail->printLine(texte));
        attendu << texte;
    }
    QVERIFY(travail->endDoc());

    const QString lu = texteDuPdf(pdf_);
    if (ligne.startsWith(QLatin1Char('x'))) {
        QCOMPARE(lu.count(QLatin1Char('x')), ligne.size());
        QVERIFY2(lu.trimmed().contains(QLatin1Char('\n')), qPrintable(lu));
    } else {
        QCOMPARE(mots(lu), mots(attendu.join(QLatin1Char(' '))));
    }
    const int lignesLues = int(lu.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
    if (fois == 1) QVERIFY2(lignesLues > 1, qPrintable(lu));
    if (fois > 1) QVERIFY(pagesDuPdf(pdf_) >= 2);
}

void TestImprimantePdf::imageQuiNeTientPas_data() {
    QTest::addColumn<int>("lignesAvant");
    QTest::addColumn<int>("hauteur"); // pixels
    QTest::addColumn<int>("pages");
    QTest::newRow("a small picture under a few lines") << 5 << 60 << 1;
    QTest::newRow("a tall picture under many lines") << 45 << 600 << 2;
    QTest::newRow("a picture taller than a page: a page of its own") << 5 << 3000 << 3;
}

// A picture that does not fit on what is left of the page starts the next one; the text after it follows
// it there.
void TestImprimantePdf::imageQuiNeTientPas() {
    QFETCH(int, lignesAvant);
    QFETCH(int, hauteur);
    QFETCH(int, pages);
    const auto travail = imprimante_.beginPdf(pdf_, QStringLiteral("Essai"));
    for (int i = 1; i <= lignesAvant; ++i)
        QVERIFY(travail->printLine(QStringLiteral("avant%1").arg(i)));
    QImage image(200, hauteur, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(travail->printPicture(image));
    QVERIFY(travail->printLine(QStringLiteral("après")));
    QVERIFY(travail->endDoc());

    QCOMPARE(pagesDuPdf(pdf_), pages);
    const QString dernière = texteDuPdf(pdf_, pages);
    QVERIFY2(dernière.contains(QStringLiteral("après")), qPrintable(dernière));
    const QString première = texteDuPdf(pdf_, 1);
    QVERIFY2(première.contains(QStringLiteral("avant%1").arg(lignesAvant)), qPrintable(première));
}

void TestImprimantePdf::documentAbandonne() {
    {
        const auto travail = imprimante_.beginPdf(pdf_, QStringLiteral("Essai"));
        QVERIFY(travail->printLine(QStringLiteral("jamais imprimé")));
    }
    QVERIFY(!QFile::exists(pdf_));
}

// A file that cannot be made (its folder is a regular file): the end says so, and the document is over.
void TestImprimantePdf::fichierImpossible() {
    const QString fichierOrdinaire = dossier_->filePath(QStringLiteral("ordinaire"));
    QFile f(fichierOrdinaire);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString impossible = fichierOrdinaire + QStringLiteral("/essai.pdf");
    const auto travail = imprimante_.beginPdf(impossible, QStringLiteral("Essai"));
    QVERIFY(travail->printLine(QStringLiteral("ligne")));
    QVERIFY(!travail->endDoc());
    QCOMPARE(travail->error().number, ERREUR_ACCES_REFUSE);
    QVERIFY2(travail->error().description.contains(impossible), qPrintable(travail->error().description));
    QVERIFY(!travail->printLine(QStringLiteral("encore")));
    QVERIFY(!QFileInfo::exists(impossible));
}

QTEST_MAIN(TestImprimantePdf)
#include "tst_imprimante_pdf.moc"
