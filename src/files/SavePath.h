#pragma once

#include <QString>

namespace SavePath {

// The folder (in Qt's form, "/"-separated), a separator unless it already ends
// in one as a root does, the name exactly as typed and ".bmp"; empty when
// there is no folder.
QString targetPath(const QString &folder, const QString &name);

// A file picked from the list less its last four characters: its ".bmp"
// whatever the case of the letters.
QString nameFromListedFile(const QString &fileName);

// What the user is told when a picture could not be saved at path.
QString failureMessage(const QString &path, const QString &reason);

} // namespace SavePath
