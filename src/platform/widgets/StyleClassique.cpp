#include "StyleClassique.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int ESPACE = 3;             // pixels between the indicator and the caption
constexpr double INDICATEUR = 0.75;   // of the font's line height
constexpr int INDICATEUR_MINIMUM = 8; // pixels

class ProxyClassique final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric métrique, const QStyleOption* option, const QWidget* widget) const override {
        switch (métrique) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return indicateur(option, widget);
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return ESPACE;
        default:
            return QProxyStyle::pixelMetric(métrique, option, widget);
        }
    }

    // What the caption needs: the indicator, the gap and the text, without the desktop's extra margins.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contenu,
                           const QWidget* widget) const override {
        if (type != CT_RadioButton && type != CT_CheckBox)
            return QProxyStyle::sizeFromContents(type, option, contenu, widget);
        const int côté = indicateur(option, widget);
        return {côté + ESPACE + contenu.width(), std::max(côté, contenu.height())};
    }

private:
    static int indicateur(const QStyleOption* option, const QWidget* widget) {
        const int ligne = widget   ? widget->fontMetrics().height()
                          : option ? option->fontMetrics.height()
                                   : 13;
        return std::max(INDICATEUR_MINIMUM, qRound(ligne * INDICATEUR));
    }
};

QStyle* styleDuProgramme() {
    // One for the whole run; it goes with the application.
    static QPointer<QStyle> style;
    if (!style) {
        style = new ProxyClassique;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void styleClassique(QAbstractButton& bouton) {
    bouton.setStyle(styleDuProgramme());
}
