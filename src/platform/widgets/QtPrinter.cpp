#include "QtPrinter.h"

#include "PoliceClassique.h"
#include "Twips.h"

#include "platform/core/ErreursPlateforme.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QWidget>

#include <utility>

namespace {

constexpr qreal TAILLE_POLICE = 10; // points: the printer's own size, which a document never changes
constexpr int COLONNES_TABULATION = 8;

// The default printer, or else the first the desktop knows.
QPrinterInfo imprimanteDuBureau() {
    const QPrinterInfo parDéfaut = QPrinterInfo::defaultPrinter();
    if (!parDéfaut.isNull()) return parDéfaut;
    const QList<QPrinterInfo> toutes = QPrinterInfo::availablePrinters();
    return toutes.isEmpty() ? QPrinterInfo() : toutes.constFirst();
}

// Tabs become blanks up to the next stop, so that the text measured is the text drawn.
QString sansTabulations(const QString& texte) {
    if (!texte.contains(QLatin1Char('\t'))) return texte;
    QString résultat;
    for (const QChar c : texte) {
        if (c == QLatin1Char('\t'))
            résultat +=
                QString(COLONNES_TABULATION - résultat.size() % COLONNES_TABULATION, QLatin1Char(' '));
        else
            résultat += c;
    }
    return résultat;
}

// One thing drawn on a page, in the printer's dots from the top left corner of what it can print.
struct Tracé {
    QPointF position; // text: on the baseline; picture: its top left corner
    QFont police;
    QString texte;
    QImage image;
    QPixmap fenêtre;
    QSizeF taille; // pictures and windows
};

class QtPrintJob final : public PrintJob {
public:
    // On the printer when pdfPath is empty, else in that file.
    QtPrintJob(const QPrinterInfo& imprimante, const QString& fichierPdf, const QString& titre);
    ~QtPrintJob() override = default;
    QtPrintJob(const QtPrintJob&) = delete;
    QtPrintJob& operator=(const QtPrintJob&) = delete;

    bool setFontName(const QString& name) override;
    bool setFontBold(bool bold) override;
    bool printLine(const QString& text) override { return imprimer(text, true); }
    bool printOnLine(const QString& text) override { return imprimer(text, false); }
    bool paintCorner(const QImage& picture) override;
    bool printPicture(const QImage& picture) override;
    bool printWindow(QWidget& window) override;
    bool endDoc() override;
    PrintError error() const override { return erreur_; }

private:
    bool enCours() const { return erreur_.number == 0 && !terminé_; }
    bool échec(int numéro, const QString& détail);
    bool échecImprimante();
    bool imprimer(const QString& texte, bool finDeLigne);
    void àLaLigne(qreal hauteur);
    void nouvellePage();
    void faireDeLaPlace(qreal hauteur);
    bool pageVide() const { return pages_.constLast().isEmpty() && position_.isNull(); }
    QSizeF page() const;
    QSizeF tailleÀImprimer(QSizeF pixels) const;
    static void dessiner(QPainter& peintre, const Tracé& tracé);

    QPrinter imprimante_;
    QString fichierPdf_;
    QString nomImprimante_;
    QFont police_;
    QPointF position_; // the print position: the top of the line, where the next text goes on it
    QList<QList<Tracé>> pages_{{}};
    bool terminé_ = false;
    PrintError erreur_;
};

QtPrintJob::QtPrintJob(const QPrinterInfo& imprimante, const QString& fichierPdf, const QString& titre)
    : imprimante_(QPrinter::HighResolution), fichierPdf_(fichierPdf),
      nomImprimante_(imprimante.printerName()) {
    if (fichierPdf.isEmpty()) {
        imprimante_.setPrinterName(nomImprimante_);
    } else {
        imprimante_.setOutputFormat(QPrinter::PdfFormat);
        imprimante_.setOutputFileName(fichierPdf);
    }
    imprimante_.setDocName(titre);
    police_.setFamilies(famillesClassiques());
    police_.setPointSizeF(TAILLE_POLICE);
    if (fichierPdf.isEmpty() && !imprimante_.isValid()) échecImprimante();
}

bool QtPrintJob::échec(int numéro, const QString& détail) {
    erreur_ = {numéro, Description_Erreur(numéro) + QStringLiteral("\n\n") + détail};
    return false;
}

bool QtPrintJob::échecImprimante() {
    if (!fichierPdf_.isEmpty()) return échec(ERREUR_ACCES_REFUSE, QStringLiteral("Fichier : ") + fichierPdf_);
    return échec(ERREUR_IMPRIMANTE, QStringLiteral("Imprimante : ") + nomImprimante_);
}

bool QtPrintJob::setFontName(const QString& name) {
    if (!enCours()) return false;
    police_.setFamilies(famillesClassiques(name));
    return true;
}

bool QtPrintJob::setFontBold(bool bold) {
    if (!enCours()) return false;
    police_.setBold(bold);
    return true;
}

QSizeF QtPrintJob::page() const {
    return QSizeF(imprimante_.width(), imprimante_.height());
}

// A screen picture at the size it shows, in the printer's dots; smaller, as it is, if the page is.
QSizeF QtPrintJob::tailleÀImprimer(QSizeF pixels) const {
    const qreal points = imprimante_.resolution() * twipsPerPixel() / TWIPS_PAR_POUCE;
    QSizeF taille = pixels * points;
    if (taille.width() > page().width() || taille.height() > page().height())
        taille.scale(page(), Qt::KeepAspectRatio);
    return taille;
}

void QtPrintJob::nouvellePage() {
    pages_.append(QList<Tracé>{});
    position_ = {};
}

void QtPrintJob::àLaLigne(qreal hauteur) {
    position_ = QPointF(0, position_.y() + hauteur);
}

// What does not fit on what is left of the page goes to the next one, unless the page is still empty.
void QtPrintJob::faireDeLaPlace(qreal hauteur) {
    if (position_.y() > 0 && position_.y() + hauteur > page().height()) {
        const qreal x = position_.x();
        nouvellePage();
        position_.setX(x);
    }
}

bool QtPrintJob::imprimer(const QString& texte, bool finDeLigne) {
    if (!enCours()) return false;
    const QFontMetricsF mesures(police_, &imprimante_);
    const qreal hauteur = mesures.lineSpacing();
    const qreal largeur = page().width();
    const QString àImprimer = sansTabulations(texte);
    if (!àImprimer.isEmpty()) {
        // Text that would start too near the right edge for a letter starts the next line.
        if (position_.x() > 0 && largeur - position_.x() < mesures.maxWidth()) àLaLigne(hauteur);
        QTextLayout mise(àImprimer, police_, &imprimante_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        mise.setTextOption(option);
        mise.beginLayout();
        bool première = true;
        for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
            if (!première) àLaLigne(hauteur);
            première = false;
            ligne.setLineWidth(largeur - position_.x());
            faireDeLaPlace(hauteur);
            const QString morceau = àImprimer.mid(ligne.textStart(), ligne.textLength());
            pages_.last().append({position_ + QPointF(0, mesures.ascent()), police_, morceau, {}, {}, {}});
            position_.rx() += mesures.horizontalAdvance(morceau);
        }
        mise.endLayout();
    }
    if (finDeLigne) àLaLigne(hauteur);
    return true;
}

bool QtPrintJob::paintCorner(const QImage& picture) {
    if (!enCours()) return false;
    if (!picture.isNull())
        pages_.last().append({{}, {}, {}, picture, {}, tailleÀImprimer(picture.deviceIndependentSize())});
    return true;
}

bool QtPrintJob::printPicture(const QImage& picture) {
    if (!enCours()) return false;
    if (picture.isNull()) return true;
    const QSizeF taille = tailleÀImprimer(picture.deviceIndependentSize());
    position_.setX(0);
    faireDeLaPlace(taille.height());
    pages_.last().append({position_, {}, {}, picture, {}, taille});
    position_.ry() += taille.height();
    return true;
}

bool QtPrintJob::printWindow(QWidget& window) {
    if (!enCours()) return false;
    // Taken now: the window may show something else by the time the document ends.
    const QPixmap image = window.grab();
    if (!pageVide()) nouvellePage();
    const QSizeF taille = tailleÀImprimer(image.deviceIndependentSize());
    pages_.last().append({{}, {}, {}, {}, image, taille});
    position_ = QPointF(0, taille.height());
    return true;
}

void QtPrintJob::dessiner(QPainter& peintre, const Tracé& tracé) {
    if (!tracé.fenêtre.isNull()) {
        peintre.drawPixmap(QRectF(tracé.position, tracé.taille), tracé.fenêtre, tracé.fenêtre.rect());
    } else if (!tracé.image.isNull()) {
        peintre.drawImage(QRectF(tracé.position, tracé.taille), tracé.image);
    } else {
        peintre.setFont(tracé.police);
        peintre.drawText(tracé.position, tracé.texte);
    }
}

bool QtPrintJob::endDoc() {
    if (!enCours()) return false;
    terminé_ = true;
    QPainter peintre;
    if (!peintre.begin(&imprimante_)) return échecImprimante();
    // A file cut short is no document: it does not stay (a device named as the file, such as /dev/null, is
    // no file of ours and does).
    const auto rater = [this, &peintre] {
        if (peintre.isActive()) peintre.end();
        if (!fichierPdf_.isEmpty() && QFileInfo(fichierPdf_).isFile()) QFile::remove(fichierPdf_);
        return échecImprimante();
    };
    for (qsizetype i = 0; i < pages_.size(); ++i) {
        if (i > 0 && !imprimante_.newPage()) return rater();
        for (const Tracé& tracé : std::as_const(pages_[i]))
            dessiner(peintre, tracé);
    }
    if (!peintre.end() || imprimante_.printerState() == QPrinter::Error) return rater();
    const QFileInfo fichier(fichierPdf_);
    if (!fichierPdf_.isEmpty() && fichier.isFile() && fichier.size() == 0) return rater();
    return true;
}

} // namespace

bool QtPrinter::available() const {
    return !imprimanteDuBureau().isNull();
}

std::unique_ptr<PrintJob> QtPrinter::begin(const QString& title) {
    return std::make_unique<QtPrintJob>(imprimanteDuBureau(), QString(), title);
}

std::unique_ptr<PrintJob> QtPrinter::beginPdf(const QString& pdfPath, const QString& title) {
    return std::make_unique<QtPrintJob>(QPrinterInfo(), pdfPath, title);
}
