#include "FakePlatform.h"
#include "TestFolder.h"
#include "TextePdf.h"

#include "memo/Mnemo.h"
#include "memo/PetitsControles.h"
#include "platform/widgets/QtPrinter.h"
#include "store/FicheMnemo.h"

#include <QImage>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The text report of a memo drawn by the desktop's printer code into a PDF file, as a desktop without a
// printer offers, and read back with pdftotext: every line, in order, accents included.
class TestImpressionPdf : public QObject {
    Q_OBJECT
private slots:
    void rapportComplet();
};

namespace {

// The desktop's drawing code, but never the desktop's printers: this machine's default printer, if any,
// is no test's to use.
class SansImprimante final : public Printer {
public:
    bool available() const override { return false; }
    std::unique_ptr<PrintJob> begin(const QString& title) override { return qt.begin(title); }
    std::unique_ptr<PrintJob> beginPdf(const QString& pdfPath, const QString& title) override {
        return qt.beginPdf(pdfPath, title);
    }
    QtPrinter qt;
};

} // namespace

void TestImpressionPdf::rapportComplet() {
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is needed: scripts/install-deps.sh --tests");
    const TestFolder dossier;
    FakePlatform plateforme;
    SansImprimante imprimante;
    plateforme.printerInUse = &imprimante;
    Contexte_Mnémo contexte(plateforme, dossier.folder());
    QTemporaryDir sortie;
    QVERIFY(sortie.isValid());
    const QString pdf = sortie.filePath(QStringLiteral("Crème.pdf"));

    Fiche_Mnémo fiche;
    fiche.Début = DÉBUT_FICHE;
    fiche.Fin = FIN_FICHE;
    fiche.Fermé = true;
    fiche.Couleur = 0xFFFFFF;
    fiche.Icône = 5;
    fiche.Gauche = 1500;
    fiche.Haut = 1200;
    fiche.Largeur = 5010;
    fiche.Hauteur = 6510;
    fiche.Titre = QStringLiteral("Crème brûlée");
    fiche.Police = QStringLiteral("DejaVu Serif");
    fiche.Taille = 10;
    fiche.Alarme = true;
    fiche.Jour = QStringLiteral("24/12/2026");
    fiche.Heure = QStringLiteral("18:30");
    fiche.Message = QStringLiteral("Réveillon à préparer");
    fiche.Beep = true;
    QImage image(160, 90, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const auto f = std::make_unique<Mnemo>(contexte);
    f->Tag = QStringLiteral("08122026_00042");
    f->Remplir(fiche, QStringLiteral("Sucre, œufs, crème.\nFour à 150° pendant une heure."), QString(), image,
               0);
    f->show();
    f->Option3->setChecked(true);

    plateforme.answers = {vbYes, vbYes, vbYes}; // print; no printer: a PDF; the options too
    plateforme.chosenFiles = {pdf};
    f->Mnu_Imprimer_Texte->trigger();
    QCOMPARE(plateforme.messages.size(), 3);
    QCOMPARE(plateforme.beeps, 1); // for the missing printer, and no failure after it

    const QString texte = texteDuPdf(pdf);
    QVERIFY2(!texte.isNull(), "the PDF file cannot be read");
    const QStringList lignes{
        QStringLiteral("Crème brûlée"),
        QStringLiteral("-------------- IMPRESSION DU 08/12/2026 -------------- ( Début du mnémo )"),
        QStringLiteral("Sucre, œufs, crème."),
        QStringLiteral("Four à 150° pendant une heure."),
        QStringLiteral("-------------- OPTIONS -------------"),
        QStringLiteral("---- Affichage ----"),
        QStringLiteral("---- Mnémo toujours fermé"),
        QStringLiteral("---- Couleur : 16777215"),
        QStringLiteral("---- Police de caractères : DejaVu Serif"),
        QStringLiteral("---- Alarme ----"),
        QStringLiteral("---- Jour : 24/12/2026"),
        QStringLiteral("---- Heure : 18:30"),
        QStringLiteral("---- Message : Réveillon à préparer"),
        QStringLiteral("---- Beep"),
        QStringLiteral("---- PRG : PRG à lancer"),
        QStringLiteral("-------------- IMAGE -------------"),
        QStringLiteral("-------------- IMPRESSION DU 08/12/2026 -------------- ( Fin du mnémo )"),
    };
    // Each line whole on a line of its own, in order, and nothing else but blank lines.
    QStringList lues;
    for (const QString& ligne : texte.split(QLatin1Char('\n')))
        if (!ligne.trimmed().isEmpty()) lues << ligne.trimmed();
    QCOMPARE(lues.join(QLatin1Char('\n')), lignes.join(QLatin1Char('\n')));
}

QTEST_MAIN(TestImpressionPdf)
#include "tst_impression_pdf.moc"
