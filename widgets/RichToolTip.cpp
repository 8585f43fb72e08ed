#include "RichToolTip.h"

#include <QToolTip>

namespace Corvane {

namespace {

const QString kToolTipSpan = QStringLiteral("<span style=\"font-size: 12px;\">%1</span>");

} // namespace

QString richToolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    QString html = text;
    html.replace(QLatin1String("\n"), QLatin1String("<br/>"));
    return kToolTipSpan.arg(html);
}

bool showRichToolTip(const QPoint &globalAnchor, const QString &text, QWidget *widget)
{
    if (text.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(globalAnchor, richToolTip(text), widget);
    return true;
}

} // namespace Corvane
