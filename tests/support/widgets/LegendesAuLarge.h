#pragma once

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>

// The captioned controls below racine whose caption needs more room than they have, each described as
// "name "caption": needs W×H, has w×h". Labels and option and check buttons (indicator included) are
// measured by what they ask for; push buttons by their text and the style's margins, width only, since
// the desktop's styles widen and heighten them beyond what the text needs. The calendar's own buttons
// and labels are the calendar's business.
inline QStringList légendesÀLÉtroit(const QWidget& racine) {
    QStringList fautes;
    const auto noter = [&fautes](const QWidget& w, const QString& texte, QSize besoin) {
        if (besoin.width() <= w.width() && besoin.height() <= w.height()) return;
        fautes << QStringLiteral("%1 \"%2\": needs %3×%4, has %5×%6")
                      .arg(w.objectName(), texte)
                      .arg(besoin.width())
                      .arg(besoin.height())
                      .arg(w.width())
                      .arg(w.height());
    };
    for (const QWidget* w : racine.findChildren<const QWidget*>()) {
        bool dansLeCalendrier = false;
        for (const QWidget* p = w->parentWidget(); p && !dansLeCalendrier; p = p->parentWidget())
            dansLeCalendrier = qobject_cast<const QCalendarWidget*>(p) != nullptr;
        if (dansLeCalendrier) continue;
        if (const auto* étiquette = qobject_cast<const QLabel*>(w)) {
            if (!étiquette->text().isEmpty() && !étiquette->wordWrap())
                noter(*w, étiquette->text(), étiquette->sizeHint());
        } else if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) {
            const auto* bouton = static_cast<const QAbstractButton*>(w);
            noter(*w, bouton->text(), bouton->sizeHint());
        } else if (const auto* bouton = qobject_cast<const QPushButton*>(w)) {
            if (bouton->text().isEmpty()) continue;
            const QString texte = QString(bouton->text()).remove(QLatin1Char('&'));
            const QStyle* style = bouton->style();
            const int marges = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, bouton) +
                               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, bouton);
            noter(*w, bouton->text(), QSize(bouton->fontMetrics().horizontalAdvance(texte) + marges, 0));
        }
    }
    return fautes;
}
