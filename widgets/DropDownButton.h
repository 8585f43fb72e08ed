#pragma once

#include <QImage>
#include <QPushButton>
#include <QUuid>

namespace Corvane {

// The small arrow button of the collection selector: a down arrow while the list is
// closed, an up arrow while it is open, over the part of the bar's background under it.
class DropDownButton : public QPushButton
{
    Q_OBJECT

public:
    explicit DropDownButton(QWidget *parent = nullptr);

    int showArrowDown() const { return m_showArrowDown; }
    // 1: the down arrow, 0: the up arrow; repaints on a change.
    void setShowArrowDown(int showArrowDown);
    void setBackgroundImage(const QImage &image);

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_backgroundImage;
    QImage m_arrowDownImage;
    QImage m_arrowUpImage;
    int m_showArrowDown = 1;
};

} // namespace Corvane
