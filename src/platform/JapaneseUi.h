#pragma once

class QApplication;
class QString;

// Japanese standard texts from Qt's own translations, and the windows' look:
// Fusion, whose sizes the windows are laid out for, on every system, and the
// system's font, or a Japanese proportional one where it has no Japanese
// glyphs, at the size the windows are laid out for.
void installJapaneseUi(QApplication &app);

// "ＭＳ Ｐゴシック" where it is installed, else another Japanese proportional
// family; empty when the system has no Japanese font at all.
QString japaneseProportionalFamily();
