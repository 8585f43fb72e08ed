#pragma once

#include "ColorEntry.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QLabel;

namespace Corvane {

class TaskButton;

// Lets the user pick one of the chips a capture file named: a list of the chips, a swatch
// of the one selected, an OK button and an instruction line, on a grey ground.
class CapsureSelectDialog : public QDialog
{
    Q_OBJECT

public:
    // `chips` in the order of the capture collections' priority; a chip found through two
    // collections is listed once, under the first.
    explicit CapsureSelectDialog(const QVector<DB::ColorEntry> &chips, QWidget *parent = nullptr);

    // The chip selected in the list; valid after exec() returned QDialog::Accepted.
    DB::ColorEntry chosenChip() const { return m_chosenChip; }
    bool multiCollection() const { return m_multiCollection; }
    QComboBox *chipList() const { return m_chipList; }
    QWidget *swatch() const { return m_swatch; }
    TaskButton *okButton() const { return m_okButton; }
    QLabel *hintLabel() const { return m_hintLabel; }

private slots:
    void itemSelectionChanged(int itemIndex);
    void okBtnClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillChipList();

    bool m_multiCollection = false;
    QVector<DB::ColorEntry> m_chips;
    DB::ColorEntry m_chosenChip;
    QWidget *m_background = nullptr;
    QComboBox *m_chipList = nullptr;
    QWidget *m_swatch = nullptr;
    TaskButton *m_okButton = nullptr;
    QLabel *m_hintLabel = nullptr;
};

} // namespace Corvane
