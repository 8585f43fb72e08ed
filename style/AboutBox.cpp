#include "AboutBox.h"

#include "InterfaceFonts.h"
#include "StateStore.h"
#include "ThemeResources.h"
#include "WindowIcon.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTextEdit>

namespace Corvane {

namespace {

const QString kEngineVersion = QStringLiteral("4.0.0");
constexpr int kWidth = 680;
constexpr int kHeight = 480;
constexpr int kMargin = 16;
constexpr int kLineGap = 4;
constexpr int kLogoGap = 32;
constexpr int kButtonExtraWidth = 6;
constexpr QSize kLogoSize(128, 48);
constexpr QSize kLogoPlaceholder(128, 64);
const QString kBackgroundStyle = QStringLiteral(
    "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0.5, y2:1, stop:0 rgba(238, "
    "238, 238, 255), stop:1 rgba(218, 218, 218, 255));");

QFont fontAt(const QFont &base, int pointSizeChange, QFont::Weight weight)
{
    return QFont(base.family(), base.pointSize() + pointSizeChange, weight, false);
}

// One line of text, exactly as wide as the text.
void fitToText(QLabel *label)
{
    const QFontMetrics metrics(label->font());
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

} // namespace

AboutBox::AboutBox(QWidget *parent, const QString &versionText)
    : QDialog(parent), m_versionText(versionText)
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    const auto text = [&collection](const char *key) {
        return DB::localeString(collection, QLatin1String(key));
    };
    setAttribute(Qt::WA_NativeWindow);
    setWindowTitle(text("aboutbox.caption"));
    setWindowIcon(pickerWindowIcon());
    setWindowFlags(
        (windowFlags() | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
        & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowContextHelpButtonHint));
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);

    QFont dialogFont = normalFont(2);
    dialogFont.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferQuality));
    setFont(dialogFont);

    m_background = new QWidget(this);
    m_background->setStyleSheet(kBackgroundStyle);

    m_logoLabel = new QLabel(this);
    m_logoLabel->setFrameShape(QFrame::NoFrame);
    m_logoLabel->setPixmap(QPixmap::fromImage(
        DB::themeImage(collection, QStringLiteral("image.about.logo"), kLogoPlaceholder)));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setFixedSize(kLogoSize);

    m_titleLabel = new QLabel(text("aboutbox.main"), this);
    m_titleLabel->setFont(fontAt(dialogFont, 2, QFont::Bold));
    m_copyrightLabel = new QLabel(text("aboutbox.copyright"), this);
    m_copyrightLabel->setFont(dialogFont);
    m_versionLabel = new QLabel(this);
    m_versionLabel->setFont(fontAt(dialogFont, -2, QFont::Normal));
    m_versionLabel->setText(m_versionText.isEmpty()
                                ? QStringLiteral("%1 %2 (%3bit)")
                                      .arg(text("aboutbox.version"), kEngineVersion)
                                      .arg(QSysInfo::WordSize)
                                : QStringLiteral("%1 (engine %2) (%3bit)")
                                      .arg(m_versionText, kEngineVersion)
                                      .arg(QSysInfo::WordSize));
    for (QLabel *label : {m_titleLabel, m_copyrightLabel, m_versionLabel})
        fitToText(label);

    m_licenseText = new QTextEdit(this);
    m_licenseText->setHtml(text("license.copyright"));
    m_licenseText->setReadOnly(true);

    m_qtLicenseButton = new QPushButton(text("aboutbox.qt.license.button"), this);
    m_qtLicenseButton->setAutoDefault(false);
    m_qtLicenseButton->adjustSize();
    m_closeButton = new QPushButton(text("aboutbox.close.button"), this);
    m_closeButton->setAutoDefault(false);
    m_closeButton->setDefault(true);
    m_closeButton->adjustSize();
    const int buttonWidth
        = qMax(m_qtLicenseButton->width(), m_closeButton->width()) + kButtonExtraWidth;
    m_qtLicenseButton->resize(buttonWidth, m_qtLicenseButton->height());
    m_closeButton->resize(buttonWidth, m_closeButton->height());
    m_background->lower();

    setFixedSize(kWidth, kHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - kWidth) / 2, area.height() / 3);
    }
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_qtLicenseButton, &QPushButton::clicked, this, &AboutBox::onQtLicenseClicked);
}

QString AboutBox::versionLine() const
{
    return m_versionLabel->text();
}

void AboutBox::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!m_background)
        return;
    m_background->setGeometry(rect());
    m_logoLabel->move(kMargin, kMargin);
    const int left = m_logoLabel->width() + kLogoGap;
    m_titleLabel->move(left, kMargin);
    m_copyrightLabel->move(left, m_titleLabel->height() + kMargin + kLineGap);
    m_versionLabel->move(left, m_copyrightLabel->geometry().bottom() + 1 + kLineGap);
    const int buttonHeight = m_qtLicenseButton->height();
    m_licenseText->setGeometry(
        QRect(QPoint(left, m_versionLabel->geometry().bottom() + 1 + kLineGap),
              QPoint(width() - kMargin - 1, height() - buttonHeight - 2 * kMargin - 1)));
    m_qtLicenseButton->move(left, height() - buttonHeight - kMargin);
    m_closeButton->move(width() - m_closeButton->width() - kMargin,
                        height() - m_closeButton->height() - kMargin);
}

void AboutBox::onQtLicenseClicked()
{
    QApplication::aboutQt();
}

} // namespace Corvane
