#pragma once

class QIcon;

// The program's icons, each drawn for every size its windows show it at, so
// that none is scaled on a scaled screen.
namespace Icons {

// The rosette: the main window's and the help viewer's icon, and the picture
// in the About window.
QIcon program();

// The rosette in a frame: the icon of the chooser and of the About window.
QIcon picture();

} // namespace Icons
