#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace Corvane {

// The about dialog: the collection's logo, title, copyright, version and licence texts.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(QWidget *parent, const QString &versionText);

    QString versionLine() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private Q_SLOTS:
    void onQtLicenseClicked();

private:
    QString m_versionText;
    QWidget *m_background = nullptr;
    QLabel *m_logoLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_copyrightLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QTextEdit *m_licenseText = nullptr;
    QPushButton *m_qtLicenseButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace Corvane
