#pragma once

#include <QPlainTextEdit>

#include <functional>

// The memo's text box (TX_Mnémo): a plain-text box whose own paste and drop keep their usual keys and
// ways, but first ask whether the text they bring may come in.
class ZoneTexte : public QPlainTextEdit {
public:
    explicit ZoneTexte(QWidget* parent) : QPlainTextEdit(parent) {}

    // Asked with the number of characters the box would hold once the text is in; answers whether it may
    // come (and tells the user when not).
    std::function<bool(qsizetype longueur)> longueurAcceptée;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// The text of a text box and its selection as typed, lines ended by '\n': QPlainTextEdit::toPlainText would
// also turn each no-break space, common in French before ":", "?" or "!", into a plain one.
QString texteExact(const QPlainTextEdit& zone);
QString sélectionExacte(const QPlainTextEdit& zone);
