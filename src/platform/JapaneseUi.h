#pragma once

class QApplication;
class QString;

// Japanese standard texts from Qt's own translations, and a Japanese
// proportional font where the system default has no Japanese glyphs.
void installJapaneseUi(QApplication &app);

// "ＭＳ Ｐゴシック" where it is installed, else another Japanese proportional
// family; empty when the system has no Japanese font at all.
QString japaneseProportionalFamily();
