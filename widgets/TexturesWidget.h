#pragma once

#include <QScrollArea>
#include <QUuid>

namespace Corvane {

class TexturesViewport;

// The textures tab page: the current chip's colour previewed under each texture the
// current card offers, in a vertically scrolling grid.
class TexturesWidget : public QScrollArea
{
    Q_OBJECT

public:
    explicit TexturesWidget(QWidget *parent = nullptr);

    TexturesViewport *content() const { return m_content; }
    // Sets the background and lays the tiles out; run whenever the page is shown.
    void updateLayout();

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);
    void selectedPageChanged();
    void selectedRowChanged();

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TexturesViewport *m_content = nullptr;
};

} // namespace Corvane
