#pragma once

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

#include <algorithm>

// Answers the desktop's real boxes as a user would, for tests that go through the Qt platform: an input
// box gets the text given, a message box its No (or its OK), and every other modal dialog is cancelled.
// It notes the text of each message box and each input box's label as the box showed it.
class RepondeurBoites {
public:
    explicit RepondeurBoites(QString saisie = {}) : saisie_(std::move(saisie)) {
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { répondre(); });
        minuterie_.start(5);
    }

    struct Vue {
        QString texte;       // as given to the box
        int largeurDemandée; // by its label, in pixels
        int largeurDuTexte;  // of the text's longest line written as it is, in the label's font
    };
    QList<Vue> messages;
    QList<Vue> saisies;

private:
    static Vue vue(const QString& texte, const QLabel* étiquette) {
        if (!étiquette) return Vue{texte, 0, 0};
        int largeur = 0;
        for (const QString& ligne : texte.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n"))))
            largeur = std::max(largeur, étiquette->fontMetrics().horizontalAdvance(ligne));
        return Vue{texte, étiquette->sizeHint().width(), largeur};
    }

    void répondre() {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale || !modale->isVisible()) return;
        // As a user, it answers a box once the box is in front with the keyboard, clicking it first when
        // it is not: an answer before its activation came would race it.
        if (QApplication::activeWindow() != modale) {
            modale->activateWindow();
            return;
        }
        if (auto* saisie = qobject_cast<QInputDialog*>(modale)) {
            saisies << vue(saisie->labelText(), saisie->findChild<QLabel*>());
            saisie->setTextValue(saisie_);
            saisie->accept();
        } else if (auto* boîte = qobject_cast<QMessageBox*>(modale)) {
            messages << vue(boîte->text(), boîte->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
            if (QAbstractButton* non = boîte->button(QMessageBox::No))
                non->click();
            else
                boîte->accept();
        } else if (auto* dialogue = qobject_cast<QDialog*>(modale)) {
            dialogue->reject();
        }
    }

    QString saisie_;
    QTimer minuterie_;
};
