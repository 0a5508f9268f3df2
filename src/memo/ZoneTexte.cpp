#include "ZoneTexte.h"

#include <QMimeData>

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
