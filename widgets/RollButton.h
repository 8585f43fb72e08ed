#pragma once

#include <QImage>
#include <QPushButton>
#include <QUuid>

namespace Corvane {

// A button drawn from a theme image that steps the cards one way and repeats while held.
class RollButton : public QPushButton
{
    Q_OBJECT

public:
    enum Kind { Forward = 0, Backward = 1 };

    RollButton(int kind, QWidget *parent = nullptr);

    int kind() const { return m_kind; }

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_kind;
    QImage m_downImage;
    QImage m_normalImage;
};

} // namespace Corvane
