// Copying and pasting the memo's text and picture through the desktop's clipboard.
#include "Mnemo.h"

#include "PanneauImage.h"
#include "PressePapierMnemo.h"
#include "ZoneTexte.h"

#include "store/ImageMnemo.h"

#include <QPlainTextEdit>

namespace {
const QString QUESTION_ÉCRASER =
    QStringLiteral("Ecraser la zone texte et la zone image par le contenu du presse-papier ?");
const QString LÉGENDE_QUESTION = QStringLiteral("Copier");
const QString LÉGENDE_REFUS = QStringLiteral("Coller");
} // namespace

// What the user is looking at: the picture on the picture panel, otherwise the selected text or else the
// whole text. With nothing to copy, the clipboard keeps what it held.
void Mnemo::Men_Copier_Click() {
    Clipboard& pressePapier = contexte.plateforme.clipboard();
    if (panneau_ == Panneau::Image) {
        const QImage image = Image();
        if (!image.isNull()) pressePapier.setImage(image);
        return;
    }
    const QString texte = TX_Mnémo->textCursor().hasSelection() ? sélectionExacte(*TX_Mnémo) : Texte();
    if (!texte.isEmpty()) pressePapier.setText(texte);
}

// What is pasted depends on the formats on the clipboard (the paste code): text goes in at the start of the
// selection, a picture replaces the memo's, both replace both once the user agrees; rich text with a
// picture, or nothing known, pastes nothing. Every paste counts as a change.
void Mnemo::Men_Coller_Click() {
    Clipboard& pressePapier = contexte.plateforme.clipboard();
    switch (Code_Collage(pressePapier)) {
    case 1:
    case 8:
    case 9: {
        // Rich text alone gives no plain text: its source never goes in as text.
        const QString texte = pressePapier.text();
        if (texteCollable(Texte().size() + texte.size())) insérerTexteCollé(texte);
        break;
    }
    case 2:
    case 4:
    case 6:
        if (const ClipboardImage prise = prendreImageCollée(); !prise.refused) placerImageCollée(prise.image);
        break;
    case 3:
    case 5:
    case 7: {
        if (contexte.plateforme.messageBox(*this, QUESTION_ÉCRASER, MessageButtons::YesNo,
                                           MessageIcon::Question, LÉGENDE_QUESTION) != vbYes)
            break;
        // Both or neither: a text or a picture too large for the memo refuses the whole paste.
        const QString texte = pressePapier.text();
        if (!texteCollable(texte.size())) break;
        const ClipboardImage prise = prendreImageCollée();
        if (prise.refused) break;
        remplacerTexteParCollé(texte);
        placerImageCollée(prise.image);
        break;
    }
    default:
        break;
    }
    Modifié = true;
}

bool Mnemo::texteCollable(qsizetype longueur) {
    if (longueur <= LIMITE_TEXTE_MNÉMO) return true;
    contexte.plateforme.messageBox(*this, Refus_Texte_Collé(longueur), MessageButtons::Ok,
                                   MessageIcon::Exclamation, LÉGENDE_REFUS);
    return false;
}

// The clipboard's picture, decoded only when the memo could keep it; the user is told of one refused.
ClipboardImage Mnemo::prendreImageCollée() {
    const ClipboardImage prise =
        contexte.plateforme.clipboard().image([](const QSize& taille) { return Image_Relisible(taille); });
    if (prise.refused)
        contexte.plateforme.messageBox(*this, Refus_Image_Collée(prise.size), MessageButtons::Ok,
                                       MessageIcon::Exclamation, LÉGENDE_REFUS);
    return prise;
}

// At the start of the selection, whose characters stay after it; the caret ends after the text, and the
// text goes through the guard on double quotes as any change does. It can be undone.
void Mnemo::insérerTexteCollé(const QString& texte) {
    if (texte.isEmpty()) return;
    QTextCursor caret = TX_Mnémo->textCursor();
    caret.setPosition(caret.selectionStart());
    TX_Mnémo->setTextCursor(caret);
    TX_Mnémo->insertPlainText(texte);
}

void Mnemo::remplacerTexteParCollé(const QString& texte) {
    QTextCursor tout = TX_Mnémo->textCursor();
    tout.select(QTextCursor::Document);
    TX_Mnémo->setTextCursor(tout);
    TX_Mnémo->insertPlainText(texte);
}

// The panel showing stays; on the picture panel the window fits the new picture at once, as when the
// panel opens. A picture that could not be read leaves the memo's.
void Mnemo::placerImageCollée(const QImage& image) {
    if (image.isNull()) return;
    setImage(image);
    if (panneau_ == Panneau::Image) Option2_Click();
}
