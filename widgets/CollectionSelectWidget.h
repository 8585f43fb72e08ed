#pragma once

#include "ColorEntry.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QUuid>
#include <QWidget>

#include <QListWidget>
class QListWidgetItem;

namespace Corvane {

class DropDownButton;
class ImageButton;

// The bar at the top of the picker's left column: the current collection's name, a
// drop-down list of every installed collection (when there is more than one) and, while
// the capture device has left a readable file, the capture button. Choices are only
// reported by signals; the main widget switches collections.
class CollectionSelectWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CollectionSelectWidget(QWidget *parent = nullptr);
    // Takes the list along: it belongs to the parent but reports to this widget.
    ~CollectionSelectWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QString collectionName() const { return m_collectionName; }
    QString captureFilePath() const { return m_captureFilePath; }
    DropDownButton *dropDownButton() const { return m_dropDownButton; }
    ImageButton *captureButton() const { return m_captureButton; }
    QListWidget *collectionList() const { return m_collectionList.data(); }
    // Imports the capture file at `path`: the user chooses among the chips it names, and the
    // chosen one is reported through capsureItemSelectedInteractively.
    void importCaptureFile(const QString &path);

signals:
    void collectionSelectedInteractively(const QUuid &collectionId);
    void capsureItemSelectedInteractively(const QUuid &collectionId,
                                          const DB::ColorEntry &colorEntry);

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);
    void capsureFileChanged(const QString &fileName);

private slots:
    void dropDownButtonClicked();
    void capsureButtonClicked();
    void listWidgetItemActivated(QListWidgetItem *item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyCollection(const QUuid &collection);
    void createCollectionList();
    void layoutChildren();
    void placeCollectionList();
    void passBackgroundToDropDownButton();
    void reportPendingCollection();
    void closeList();

    QImage m_backgroundImage;
    QString m_collectionName;
    QColor m_textColor;
    DropDownButton *m_dropDownButton = nullptr;
    ImageButton *m_captureButton = nullptr;
    QString m_captureFilePath;
    QPointer<QListWidget> m_collectionList;
    QUuid m_pendingCollection;
};

} // namespace Corvane
