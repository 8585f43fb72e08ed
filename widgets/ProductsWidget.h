#pragma once

#include <QUuid>
#include <QWidget>

class QLabel;
class QListWidget;

namespace Corvane {

class VeltraCustomStyle;

// The products tab page: the current chip's code and, under it, the product groups or the
// products in which the colour is available, as a list that wraps into columns.
class ProductsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProductsWidget(QWidget *parent = nullptr);

    QLabel *codeLabel() const { return m_codeLabel; }
    QListWidget *productList() const { return m_productList; }
    // Shows the code and names of the current chip.
    void refresh();

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);
    void selectedColorChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void layoutItems(const QRect &rect);

    VeltraCustomStyle *m_scrollBarStyle = nullptr;
    QLabel *m_codeLabel = nullptr;
    QListWidget *m_productList = nullptr;
};

} // namespace Corvane
