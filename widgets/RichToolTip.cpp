#include "RichToolTip.h"

#include <QToolTip>

namespace Corvane {

namespace {

const QString kToolTipSpan = QStringLiteral("<span style=\"font-size: 12px;\">%1</span>");

} // namespace

bool showRichToolTip(const QPoint &globalAnchor, const QString &text, QWidget *widget)
{
    if (text.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QString html = text;
    html.replace(QStringLiteral("\n"), QStringLiteral("<br/>"));
    QToolTip::showText(globalAnchor, kToolTipSpan.arg(html), widget);
    return true;
}

} // namespace Corvane
