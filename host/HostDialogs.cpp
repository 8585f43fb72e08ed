#include "HostDialogs.h"

#include "AboutBox.h"
#include "HostPlatform.h"
#include "QWinWidget.h"
#include "SKUPluginMainWindow.h"

#include <QApplication>

namespace Corvane {

namespace {

// Shows `dialog` application-modal, runs the event loop until it finishes, deletes it and
// returns its result.
int runModal(QDialog *dialog)
{
    // The loop ends with the dialog, also where the host has other Qt windows open.
    QObject::connect(dialog, &QDialog::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    QApplication::exec();
    const int result = dialog->result();
    delete dialog;
    return result;
}

} // namespace

int runPickDialog(PickResult &result)
{
    QWinWidget host(findHostWindow());
    host.showCentered();
    return runModal(new SKUPluginMainWindow(&result, &host));
}

void runAboutDialog()
{
    QWinWidget host(findHostWindow());
    host.showCentered();
    runModal(new AboutBox(&host, QString()));
}

} // namespace Corvane
