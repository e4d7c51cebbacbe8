#pragma once

#include <QString>

namespace SavePath {

// Where the chooser opens: the folder the program was started in, unless it
// is the program's own folder or one the user cannot write to, as when a
// shortcut of an install for every user starts the program in Program Files;
// no save there could succeed. Then the user's Pictures folder, or the home
// folder without one. A start folder removed since is kept: the chooser
// shows its nearest parent.
QString chooserFolder(const QString &start, const QString &programFolder, bool startWritable, const QString &pictures);

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
