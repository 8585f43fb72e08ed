#include "CaptureImport.h"

#include "CapsureSelectDialog.h"
#include "CaptureMatching.h"
#include "CaptureQueries.h"
#include "CollectionRegistry.h"
#include "CxF3Reader.h"

namespace Corvane {

bool runCaptureImport(const QString &path, QWidget *parent, QUuid &collection, DB::ColorEntry &chip)
{
    QByteArray bytes;
    if (!readCaptureFile(path, bytes))
        return false;
    QVector<DB::ColorEntry> matches;
    collectCaptureMatches(readCaptureNames(bytes), matches);
    if (matches.isEmpty())
        return false;
    CapsureSelectDialog dialog(matches, parent);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chip = dialog.chosenChip();
    collection = DB::collectionUuidForDbId(chip.collectionId);
    return true;
}

} // namespace Corvane
