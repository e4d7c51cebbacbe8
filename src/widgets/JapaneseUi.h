#pragma once

class QApplication;
class QFont;
class QString;

// Japanese standard texts from Qt's own translations, and the windows' look:
// Fusion, whose sizes the windows are laid out for, on every system, and the
// system's font, or a Japanese proportional one where it has no Japanese
// glyphs, at the size the windows are laid out for.
void installJapaneseUi(QApplication &app);

// "ＭＳ Ｐゴシック" where it is installed, else another Japanese proportional
// family; empty when the system has no Japanese font at all.
QString japaneseProportionalFamily();

// Text of the given size in points as on a 96-dpi screen, sized in design
// pixels like the layout, so that text and controls grow by the same scale.
QFont designFont(const QString &family, int points);
