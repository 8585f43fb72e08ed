#pragma once

#include <QScrollArea>
#include <QUuid>

namespace Corvane {

class ColorVistralViewport;

// The trend colours tab page: a vertically scrolling list of the collection's trend-colour
// groups, drawn by its content widget over the main widget's background.
class ColorVistralWidget : public QScrollArea
{
    Q_OBJECT

public:
    explicit ColorVistralWidget(QWidget *parent = nullptr);

    ColorVistralViewport *content() const { return m_content; }
    // Sets the background and lays the content out; run whenever the page is shown.
    void updateLayout();

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ColorVistralViewport *m_content = nullptr;
};

} // namespace Corvane
