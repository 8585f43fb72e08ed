#pragma once

#include "Enums.h"

#include <QImage>
#include <QRect>
#include <QUuid>
#include <QWidget>

class QLineEdit;

namespace Corvane {

class RollButton;

// The strip above the card roller: a magnifying glass, a frameless upper-case edit with
// inline completion over the window's background, and the two roll buttons. Return hands
// the trimmed phrase to the main widget; the roll buttons ask for the next or previous card.
class SearchWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SearchWidget(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The part of the main widget's background under this widget; the edit shows it.
    void setBackgroundImage(const QImage &image);

    QLineEdit *lineEdit() const { return m_lineEdit; }
    RollButton *backwardButton() const { return m_backwardButton; }
    RollButton *forwardButton() const { return m_forwardButton; }
    QRect glassRect() const { return m_glassRect; }

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

signals:
    void roll(Direction dir);
    void searchForPhrase(const QString &phrase);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void rollForwardButtonClicked();
    void rollBackwardButtonClicked();
    void searchPhraseReturnPressed();

private:
    void reload(const QUuid &collection);
    void layoutChildren();
    // The background under the edit, or a null pixmap.
    QPixmap backgroundUnderEdit() const;

    QImage m_backgroundImage;
    QImage m_glassImage;
    QRect m_glassRect;
    QLineEdit *m_lineEdit = nullptr;
    RollButton *m_backwardButton = nullptr;
    RollButton *m_forwardButton = nullptr;
};

} // namespace Corvane
