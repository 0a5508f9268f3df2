#include "BancMnemo.h"
#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"
#include "memo/PanneauImage.h"
#include "memo/PressePapierMnemo.h"
#include "platform/widgets/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

// Copying and pasting a memo's text and picture through the clipboard, which the scripted platform fills
// as another program would; and the text box's own keys, on the desktop's clipboard.
class TestPressePapier : public QObject, protected BancMnemo {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void coller_data();
    void coller();
    void guillemetsColles_data();
    void guillemetsColles();
    void copier_data();
    void copier();
    void collageRefuse_data();
    void collageRefuse();
    void imageColleeSurLePanneauImage();
    void touchesDeLaZoneTexte_data();
    void touchesDeLaZoneTexte();

private:
    Mnemo* nouveau(const QString& texte);
};

namespace {

const QString QUESTION =
    QStringLiteral("Ecraser la zone texte et la zone image par le contenu du presse-papier ?");

QImage dessin(QSize taille, Qt::GlobalColor couleur) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

// "texte+bitmap" → the formats another program left.
QList<ClipboardFormat> formats(const QString& noms) {
    QList<ClipboardFormat> liste;
    for (const QString& nom : noms.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (nom == QLatin1String("texte"))
            liste << ClipboardFormat::Text;
        else if (nom == QLatin1String("bitmap"))
            liste << ClipboardFormat::Bitmap;
        else if (nom == QLatin1String("dib"))
            liste << ClipboardFormat::DeviceIndependentBitmap;
        else if (nom == QLatin1String("rtf"))
            liste << ClipboardFormat::RichText;
        else
            qFatal("unknown format %s", qPrintable(nom));
    }
    return liste;
}

void sélectionner(QPlainTextEdit* zone, int ancre, int position) {
    QTextCursor caret = zone->textCursor();
    caret.setPosition(ancre);
    caret.setPosition(position, QTextCursor::KeepAnchor);
    zone->setTextCursor(caret);
}

} // namespace

void TestPressePapier::init() {
    préparerBanc();
}

void TestPressePapier::cleanup() {
    rangerBanc();
}

Mnemo* TestPressePapier::nouveau(const QString& texte) {
    auto* f = new Mnemo(*contexte_);
    f->Tag = QStringLiteral("08122026_00042");
    f->setTexte(texte);
    f->setGeometry(twipsToPixels(QRect(1500, 1200, 5010, 6510)));
    f->Modifié = false;
    fenêtres_ << f;
    return f;
}

void TestPressePapier::coller_data() {
    QTest::addColumn<QString>("formats");
    QTest::addColumn<QPoint>("sélection"); // anchor, position
    QTest::addColumn<int>("réponse");      // to the question; 0: none asked
    QTest::addColumn<QString>("texteAttendu");
    QTest::addColumn<int>("caretAttendu");
    QTest::addColumn<bool>("imageCollée");
    // The memo holds "Début et fin" with "et " selected, and a blue picture; the clipboard "collé " and
    // a red one, in the formats named.
    const QString avant = QStringLiteral("Début et fin");
    const QString inséré = QStringLiteral("Début collé et fin");
    const QPoint et(6, 9);
    QTest::newRow("0: nothing known") << "" << et << 0 << avant << 9 << false;
    QTest::newRow("1: text, before the selection") << "texte" << et << 0 << inséré << 12 << false;
    QTest::newRow("1: text, selection made backwards")
        << "texte" << QPoint(9, 6) << 0 << inséré << 12 << false;
    QTest::newRow("1: text at the caret") << "texte" << QPoint(6, 6) << 0 << inséré << 12 << false;
    QTest::newRow("8: rich text alone, no source as text") << "rtf" << et << 0 << avant << 9 << false;
    QTest::newRow("9: text and rich text") << "texte+rtf" << et << 0 << inséré << 12 << false;
    QTest::newRow("2: bitmap") << "bitmap" << et << 0 << avant << 9 << true;
    QTest::newRow("4: device-independent bitmap") << "dib" << et << 0 << avant << 9 << true;
    QTest::newRow("6: both bitmaps") << "bitmap+dib" << et << 0 << avant << 9 << true;
    QTest::newRow("3: text and bitmap, Oui") << "texte+bitmap" << et << vbYes << "collé " << 6 << true;
    QTest::newRow("3: text and bitmap, Non") << "texte+bitmap" << et << vbNo << avant << 9 << false;
    QTest::newRow("5: text and DIB, Oui") << "texte+dib" << et << vbYes << "collé " << 6 << true;
    QTest::newRow("7: text and both bitmaps, Non") << "texte+bitmap+dib" << et << vbNo << avant << 9 << false;
    QTest::newRow("10: rich text and bitmap") << "rtf+bitmap" << et << 0 << avant << 9 << false;
    QTest::newRow("11: text, rich text and bitmap") << "texte+rtf+bitmap" << et << 0 << avant << 9 << false;
    QTest::newRow("12: rich text and DIB") << "rtf+dib" << et << 0 << avant << 9 << false;
    QTest::newRow("15: all four") << "texte+bitmap+dib+rtf" << et << 0 << avant << 9 << false;
}

// What goes where follows the formats on the clipboard; the panel showing stays; every paste, even one
// that brings nothing, counts as a change.
void TestPressePapier::coller() {
    QFETCH(QString, formats);
    QFETCH(QPoint, sélection);
    QFETCH(int, réponse);
    QFETCH(QString, texteAttendu);
    QFETCH(int, caretAttendu);
    QFETCH(bool, imageCollée);
    Mnemo* f = nouveau(QStringLiteral("Début et fin"));
    const QImage bleue = dessin(QSize(10, 10), Qt::blue);
    const QImage rouge = dessin(QSize(40, 30), Qt::red);
    f->setImage(bleue);
    sélectionner(f->TX_Mnémo, sélection.x(), sélection.y());
    FakeClipboard& pp = plateforme_->clipboardContent;
    pp.formats = ::formats(formats);
    pp.heldText = QStringLiteral("collé ");
    pp.heldImage = rouge;
    if (réponse) plateforme_->answers = {réponse};

    f->Men_Coller->trigger();

    QCOMPARE(f->Texte(), texteAttendu);
    if (texteAttendu != QStringLiteral("Début et fin")) {
        QCOMPARE(f->TX_Mnémo->textCursor().position(), caretAttendu);
        QVERIFY(!f->TX_Mnémo->textCursor().hasSelection());
    }
    QCOMPARE(f->Image(), imageCollée ? rouge : bleue);
    QVERIFY(f->Modifié);
    QVERIFY(f->Option1->isChecked());
    QVERIFY(f->FR_Image->isHidden());
    QCOMPARE(plateforme_->messages.size(), réponse ? 1 : 0);
    if (réponse) {
        const ShownMessage& question = plateforme_->messages.constFirst();
        QCOMPARE(question.text, QUESTION);
        QCOMPARE(question.caption, QStringLiteral("Copier"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Question);
    }
    QVERIFY(pp.calls.isEmpty()); // pasting leaves the clipboard as it was
}

void TestPressePapier::guillemetsColles_data() {
    QTest::addColumn<QString>("formats");
    QTest::addColumn<QString>("collé");
    QTest::addColumn<QString>("texteAttendu");
    QTest::addColumn<int>("caretAttendu");
    // Into "fin" with the caret at its start.
    QTest::newRow("inserted text") << "texte"
                                   << "il dit \"oui\" "
                                   << "il dit ''oui'' fin" << 15;
    QTest::newRow("a quote alone") << "texte"
                                   << "\""
                                   << "''fin" << 2;
    QTest::newRow("replacing the whole text") << "texte+bitmap"
                                              << "\"a\""
                                              << "''a''" << 5;
}

// The memo text never holds a double quote: pasted ones become two apostrophes, and the caret ends after
// the pasted text.
void TestPressePapier::guillemetsColles() {
    QFETCH(QString, formats);
    QFETCH(QString, collé);
    QFETCH(QString, texteAttendu);
    QFETCH(int, caretAttendu);
    Mnemo* f = nouveau(QStringLiteral("fin"));
    sélectionner(f->TX_Mnémo, 0, 0);
    FakeClipboard& pp = plateforme_->clipboardContent;
    pp.formats = ::formats(formats);
    pp.heldText = collé;
    pp.heldImage = dessin(QSize(4, 4), Qt::red);
    if (formats.contains(QLatin1String("bitmap"))) plateforme_->answers = {vbYes};

    f->Men_Coller->trigger();

    QCOMPARE(f->Texte(), texteAttendu);
    QCOMPARE(f->TX_Mnémo->textCursor().position(), caretAttendu);
}

void TestPressePapier::copier_data() {
    QTest::addColumn<QString>("panneau");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QPoint>("sélection");
    QTest::addColumn<bool>("avecImage");
    QTest::addColumn<QString>("appel"); // on the clipboard; empty: left alone
    QTest::addColumn<QString>("texteCopié");
    const QString deuxLignes = QStringLiteral("Ligne un\nLigne deux");
    const QPoint aucune(3, 3);
    QTest::newRow("no selection: the whole text")
        << "texte" << deuxLignes << aucune << false << "setText" << deuxLignes;
    QTest::newRow("a selection over a line break, as plain lines")
        << "texte" << deuxLignes << QPoint(6, 14) << false << "setText"
        << "un\nLigne";
    const QString insécables = QStringLiteral("Quoi\u00A0? Là\u00A0!");
    QTest::newRow("no-break spaces kept, whole text")
        << "texte" << insécables << aucune << false << "setText" << insécables;
    QTest::newRow("no-break spaces kept, selection")
        << "texte" << insécables << QPoint(0, 6) << false << "setText" << QStringLiteral("Quoi\u00A0?");
    QTest::newRow("options panel: the text, not the picture")
        << "options" << deuxLignes << aucune << true << "setText" << deuxLignes;
    QTest::newRow("picture panel: the picture") << "image" << deuxLignes << aucune << true << "setImage"
                                                << "";
    QTest::newRow("picture panel without a picture: left alone")
        << "image" << deuxLignes << aucune << false << ""
        << "";
    QTest::newRow("no text: left alone") << "texte"
                                         << "" << QPoint(0, 0) << true << ""
                                         << "";
}

// What the user is looking at goes to the clipboard; with nothing to copy, what the clipboard held stays.
// Copying is no change of the memo.
void TestPressePapier::copier() {
    QFETCH(QString, panneau);
    QFETCH(QString, texte);
    QFETCH(QPoint, sélection);
    QFETCH(bool, avecImage);
    QFETCH(QString, appel);
    QFETCH(QString, texteCopié);
    Mnemo* f = nouveau(texte);
    const QImage image = dessin(QSize(20, 10), Qt::green);
    if (avecImage) f->setImage(image);
    if (panneau == QLatin1String("options")) f->Option3->setChecked(true);
    if (panneau == QLatin1String("image")) f->Option2->setChecked(true);
    sélectionner(f->TX_Mnémo, sélection.x(), sélection.y());
    f->Modifié = false;
    FakeClipboard& pp = plateforme_->clipboardContent;
    pp.formats = {ClipboardFormat::Text};
    pp.heldText = QStringLiteral("d'un autre programme");

    f->Men_Copier->trigger();

    QVERIFY(!f->Modifié);
    if (appel.isEmpty()) {
        QVERIFY(pp.calls.isEmpty());
        QCOMPARE(pp.text(), QStringLiteral("d'un autre programme"));
        return;
    }
    QCOMPARE(pp.calls, QStringList{appel});
    if (appel == QLatin1String("setText")) {
        QCOMPARE(pp.text(), texteCopié);
    } else {
        QCOMPARE(pp.heldImage, image);
    }
}

void TestPressePapier::collageRefuse_data() {
    QTest::addColumn<QString>("formats");
    QTest::addColumn<qsizetype>("longueurCollée"); // of the clipboard's text
    QTest::addColumn<QSize>("tailleAnnoncée");     // of its picture, as its data gives it
    QTest::addColumn<QString>("refus");            // the start of the message; empty: pasted
    const QString texteLong = QStringLiteral("Le texte du presse-papier est trop long pour ce Mnémo");
    const QString imageGrande = QStringLiteral("L'image du presse-papier est trop grande pour un Mnémo");
    const QSize petite(40, 30);
    // The memo holds 3 characters.
    QTest::newRow("50 MB of text") << "texte" << qsizetype(50) * 1024 * 1024 << petite << texteLong;
    QTest::newRow("a text one past the memo's limit")
        << "texte" << LIMITE_TEXTE_MNÉMO - 2 << petite << texteLong;
    QTest::newRow("a text up to the memo's limit") << "texte" << LIMITE_TEXTE_MNÉMO - 3 << petite << "";
    QTest::newRow("a 20000 × 20000 picture")
        << "bitmap+dib" << qsizetype(5) << QSize(20000, 20000) << imageGrande;
    QTest::newRow("a side longer than a picture may have")
        << "bitmap" << qsizetype(5) << QSize(32768, 1) << imageGrande;
    QTest::newRow("one pixel more than its memory allows")
        << "dib" << qsizetype(5) << QSize(5793, 5793) << imageGrande;
    QTest::newRow("as large as its memory allows") << "dib" << qsizetype(5) << QSize(5792, 5792) << "";
    QTest::newRow("text and picture, the picture too large")
        << "texte+bitmap" << qsizetype(5) << QSize(20000, 20000) << imageGrande;
    QTest::newRow("text and picture, the text too long")
        << "texte+bitmap" << LIMITE_TEXTE_MNÉMO + 1 << petite << texteLong;
}

// A paste that would leave a memo it cannot save or show is refused whole, with a message that says why;
// it still counts as a change, as every paste does.
void TestPressePapier::collageRefuse() {
    QFETCH(QString, formats);
    QFETCH(qsizetype, longueurCollée);
    QFETCH(QSize, tailleAnnoncée);
    QFETCH(QString, refus);
    Mnemo* f = nouveau(QStringLiteral("abc"));
    const QImage bleue = dessin(QSize(10, 10), Qt::blue);
    f->setImage(bleue);
    FakeClipboard& pp = plateforme_->clipboardContent;
    pp.formats = ::formats(formats);
    pp.heldText = QString(longueurCollée, QLatin1Char('x'));
    pp.heldImage = dessin(QSize(40, 30), Qt::red);
    if (tailleAnnoncée != pp.heldImage.size()) pp.claimedImageSize = tailleAnnoncée;
    const bool question =
        formats.contains(QLatin1String("texte")) && formats.contains(QLatin1String("bitmap"));
    if (question) plateforme_->answers = {vbYes};

    f->Men_Coller->trigger();

    QVERIFY(f->Modifié);
    const QList<ShownMessage> refusés = question ? plateforme_->messages.mid(1) : plateforme_->messages;
    if (refus.isEmpty()) {
        QVERIFY(refusés.isEmpty());
        QVERIFY(f->Texte().size() == 3 + longueurCollée || f->Image() != bleue);
        return;
    }
    QCOMPARE(refusés.size(), 1);
    QVERIFY2(refusés[0].text.startsWith(refus), qPrintable(refusés[0].text));
    QVERIFY(refusés[0].text.endsWith(QStringLiteral("Rien n'a été collé.")));
    QCOMPARE(refusés[0].caption, QStringLiteral("Coller"));
    QCOMPARE(refusés[0].buttons, MessageButtons::Ok);
    QCOMPARE(refusés[0].icon, MessageIcon::Exclamation);
    if (refus.startsWith(QStringLiteral("L'image"))) {
        QVERIFY(refusés[0].text.contains(
            QStringLiteral("%1 × %2 pixels").arg(tailleAnnoncée.width()).arg(tailleAnnoncée.height())));
    }
    QCOMPARE(f->Texte(), QStringLiteral("abc"));
    QCOMPARE(f->Image(), bleue);
}

// On the picture panel, a pasted picture shows at once, the window fitted to it as when the panel opens.
void TestPressePapier::imageColleeSurLePanneauImage() {
    Mnemo* f = nouveau(QStringLiteral("texte"));
    f->show();
    f->setImage(dessin(QSize(50, 40), Qt::blue));
    f->Option2->setChecked(true);
    const QImage grande = dessin(QSize(300, 200), Qt::red);
    FakeClipboard& pp = plateforme_->clipboardContent;
    pp.formats = {ClipboardFormat::Bitmap};
    pp.heldImage = grande;

    f->Men_Coller->trigger();

    QVERIFY(f->Option2->isChecked());
    QVERIFY(f->FR_Image->isVisible());
    QCOMPARE(f->FR_Image->Image2->size(), grande.size());
    const QSize collée = f->size();
    f->Option1->setChecked(true);
    f->Option2->setChecked(true);
    QCOMPARE(f->size(), collée);
}

void TestPressePapier::touchesDeLaZoneTexte_data() {
    QTest::addColumn<QKeyCombination>("copie");
    QTest::addColumn<QKeyCombination>("collage");
    QTest::newRow("Ctrl+C, Ctrl+V") << (Qt::ControlModifier | Qt::Key_C) << (Qt::ControlModifier | Qt::Key_V);
    QTest::newRow("Ctrl+Inser, Maj+Inser")
        << (Qt::ControlModifier | Qt::Key_Insert) << (Qt::ShiftModifier | Qt::Key_Insert);
}

// The text box's own keys copy and paste plain text as in any text box (a paste replaces the selection),
// through the desktop's clipboard; a paste too long for the memo is refused as the menu entry's is.
void TestPressePapier::touchesDeLaZoneTexte() {
    QFETCH(QKeyCombination, copie);
    QFETCH(QKeyCombination, collage);
    Mnemo* f = nouveau(QStringLiteral("Début et fin"));
    f->show();
    f->TX_Mnémo->setFocus();
    QClipboard* pp = QGuiApplication::clipboard();
    pp->clear();

    sélectionner(f->TX_Mnémo, 0, 6);
    QTest::keyClick(f->TX_Mnémo, copie.key(), copie.keyboardModifiers());
    QCOMPARE(pp->text(), QStringLiteral("Début "));
    sélectionner(f->TX_Mnémo, 6, 9);
    QTest::keyClick(f->TX_Mnémo, collage.key(), collage.keyboardModifiers());
    QCOMPARE(f->Texte(), QStringLiteral("Début Début fin"));
    QVERIFY(plateforme_->messages.isEmpty());

    pp->setText(QString(LIMITE_TEXTE_MNÉMO, QLatin1Char('x')));
    QTest::keyClick(f->TX_Mnémo, collage.key(), collage.keyboardModifiers());
    QCOMPARE(f->Texte(), QStringLiteral("Début Début fin"));
    QCOMPARE(plateforme_->messages.size(), 1);
    QVERIFY(
        plateforme_->messages[0].text.startsWith(QStringLiteral("Le texte du presse-papier est trop long")));
    QVERIFY(plateforme_->clipboardContent.calls.isEmpty()); // the desktop's clipboard, not the memo's entries
    pp->clear();
}

QTEST_MAIN(TestPressePapier)
#include "tst_presse_papier.moc"
