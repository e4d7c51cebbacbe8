#include "system/Drives.h"

#include <QStorageInfo>

namespace Drives {

// Qt asks the medium with the system's question about a missing disk turned
// off, so an empty removable drive gives no label and stays listed.
QString label(const QString &root)
{
    return QStorageInfo(root).name();
}

} // namespace Drives
