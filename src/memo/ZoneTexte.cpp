#include "ZoneTexte.h"

#include <QMimeData>
#include <QTextDocument>

namespace {

// The document's own line and paragraph separators become line breaks; every other character stays.
QString enLignes(QString texte) {
    for (QChar& caractère : texte) {
        switch (caractère.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // the start and end of a frame
        case 0xFDD1:
            caractère = u'\n';
            break;
        default:
            break;
        }
    }
    return texte;
}

} // namespace

QString texteExact(const QPlainTextEdit& zone) {
    return enLignes(zone.document()->toRawText());
}

QString sélectionExacte(const QPlainTextEdit& zone) {
    return enLignes(zone.textCursor().selectedText());
}

void ZoneTexte::insertFromMimeData(const QMimeData* source) {
    if (!source || !longueurAcceptée) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // The text is read once, whatever its size, and only what was measured goes in.
    const QString texte = source->text();
    if (texte.isNull()) return;
    const QTextCursor caret = textCursor();
    const qsizetype longueur =
        document()->characterCount() - 1 - (caret.selectionEnd() - caret.selectionStart());
    if (!longueurAcceptée(longueur + texte.size())) return;
    QMimeData mesuré;
    mesuré.setText(texte);
    QPlainTextEdit::insertFromMimeData(&mesuré);
}
