#include "SearchWidget.h"

#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "RollButton.h"
#include "SearchQueries.h"
#include "StateStore.h"
#include "ThemeResources.h"
#include "ToUpperCaseValidator.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace Corvane {

namespace {

constexpr QSize kSearchSize(210, 26);
constexpr int kFontStep = 2;
constexpr int kGlassLeft = 7;
constexpr int kEditGlassGap = 2;
constexpr int kEditButtonGap = 15;
constexpr int kFrameOverhang = 6;
constexpr qreal kFrameRadius = 7.0;

const QColor kFrameShadeColor(45, 45, 45, 96);
const QColor kFrameColor(45, 45, 45);
const QColor kPlaceholderColor(255, 255, 255, 128);
const QString kGlassKey = QStringLiteral("image.widget.search.magnifying.glass");
const QString kPlaceholderKey = QStringLiteral("color.palette.enter.search.text");
// A sample with an accent above and a descender below: the height a line of text needs.
const QString kTallSample = QStringLiteral("\u00C3\u0081g");

} // namespace

SearchWidget::SearchWidget(QWidget *parent) : QWidget(parent)
{
    m_lineEdit = new QLineEdit(this);
    m_lineEdit->setFocusPolicy(Qt::StrongFocus);
    m_lineEdit->setFrame(false);
    m_lineEdit->setTextMargins(0, 0, 0, 0);
    m_lineEdit->setValidator(new ToUpperCaseValidator(m_lineEdit));
    m_lineEdit->setFont(italicFont(kFontStep));

    m_backwardButton = new RollButton(RollButton::Backward, this);
    m_forwardButton = new RollButton(RollButton::Forward, this);

    setMinimumSize(kSearchSize);
    setMaximumSize(kSearchSize);
    setFixedSize(kSearchSize);
    m_lineEdit->installEventFilter(this);

    connect(m_forwardButton, &QAbstractButton::clicked, this,
            &SearchWidget::rollForwardButtonClicked);
    connect(m_backwardButton, &QAbstractButton::clicked, this,
            &SearchWidget::rollBackwardButtonClicked);
    connect(m_lineEdit, &QLineEdit::returnPressed, this, &SearchWidget::searchPhraseReturnPressed);

    reload(StateStore().uuidOfLastUsedCollection());
}

QSize SearchWidget::sizeHint() const
{
    return kSearchSize;
}

void SearchWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    reload(collectionId);
}

// A collection without completion words keeps the completer of the one before.
void SearchWidget::reload(const QUuid &collection)
{
    m_glassImage = DB::systemThemeImage(kGlassKey, size());
    m_lineEdit->setPlaceholderText(DB::localeString(collection, kPlaceholderKey));
    QStringList words;
    DB::loadCompletionWords(collection, words);
    if (!words.isEmpty()) {
        auto *completer = new QCompleter(words, m_lineEdit);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        m_lineEdit->setCompleter(completer);
    }
    layoutChildren();
}

void SearchWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void SearchWidget::layoutChildren()
{
    const int w = width();
    const int h = height();
    m_glassRect = QRect(QPoint(kGlassLeft, (h - m_glassImage.height()) / 2), m_glassImage.size());

    const QSize buttonSize = m_forwardButton->size();
    const int buttonTop = (h - buttonSize.height()) / 2;
    m_forwardButton->setGeometry(QRect(QPoint(w - buttonSize.width(), buttonTop), buttonSize));
    m_backwardButton->setGeometry(
        QRect(QPoint(m_forwardButton->x() - buttonSize.width(), buttonTop), buttonSize));

    const int textHeight
        = QFontMetrics(m_lineEdit->font()).size(Qt::TextSingleLine, kTallSample).height();
    const int top = (h - textHeight) / 2;
    m_lineEdit->setGeometry(rectFromCorners(m_glassRect.right() + kEditGlassGap, top,
                                            m_backwardButton->x() - kEditButtonGap,
                                            top + textHeight - 1));

    QPalette palette = m_lineEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(backgroundUnderEdit()));
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(Qt::white));
    // The placeholder in the text colour at half strength, readable on the dark background.
    palette.setBrush(QPalette::All, QPalette::PlaceholderText, QBrush(kPlaceholderColor));
    m_lineEdit->setPalette(palette);
}

QPixmap SearchWidget::backgroundUnderEdit() const
{
    return QPixmap::fromImage(m_backgroundImage.copy(m_lineEdit->geometry()));
}

// The edit shows the window's background under it, so it looks transparent.
void SearchWidget::setBackgroundImage(const QImage &image)
{
    m_backgroundImage = image;
    const QPixmap under = backgroundUnderEdit();
    if (under.isNull())
        return;
    QPalette palette = m_lineEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(under));
    m_lineEdit->setPalette(palette);
}

void SearchWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(m_glassRect, m_glassImage);
    const int right = m_lineEdit->geometry().right() + kFrameOverhang;
    const int h = height();
    const QRect inner = rectFromCorners(1, 1, right - 1, h - 3);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(kFrameShadeColor);
    painter.drawRoundedRect(inner, kFrameRadius, kFrameRadius);
    painter.drawRoundedRect(rectFromCorners(0, 0, right, h - 2), kFrameRadius, kFrameRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kFrameColor, 0));
    painter.drawRoundedRect(inner, kFrameRadius, kFrameRadius);
    // Escape and Return leave the focus on the strip.
    paintFocusMark(painter, *this);
}

// The placeholder shows in italics; typed text in the normal font.
bool SearchWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_lineEdit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_lineEdit->setFont(normalFont(kFontStep));
        break;
    case QEvent::FocusOut:
        if (m_lineEdit->text().isEmpty())
            m_lineEdit->setFont(italicFont(kFontStep));
        break;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_lineEdit->clear();
            event->accept();
            setFocus(Qt::OtherFocusReason);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWidget::rollForwardButtonClicked()
{
    emit roll(DirectionForward);
}

void SearchWidget::rollBackwardButtonClicked()
{
    emit roll(DirectionBackward);
}

// The validator keeps the phrase in upper case; an empty phrase is emitted as well.
void SearchWidget::searchPhraseReturnPressed()
{
    const QString phrase = m_lineEdit->text().trimmed();
    m_lineEdit->clear();
    setFocus(Qt::OtherFocusReason);
    emit searchForPhrase(phrase);
}

} // namespace Corvane
