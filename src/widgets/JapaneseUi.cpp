#include "widgets/JapaneseUi.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool hasJapanese(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

} // namespace

QString japaneseProportionalFamily()
{
    for (const char *family : { "MS PGothic", "ＭＳ Ｐゴシック", "IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP" }) {
        const QString name = QString::fromUtf8(family);
        if (QFontDatabase::hasFamily(name) && hasJapanese(name))
            return name;
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? QString() : japanese.first();
}

void installJapaneseUi(QApplication &app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);

    // Beside the program where it brings its own, as on Windows; else where
    // the system's Qt keeps them.
    auto *translator = new QTranslator(&app);
    for (const QString &folder : { QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath) }) {
        if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }

    // The Windows style draws a colour slider's thumb like its track.
    QApplication::setStyle(QStringLiteral("Fusion"));

    QString family = QApplication::font().family();
    if (!hasJapanese(family)) {
        const QString japaneseFamily = japaneseProportionalFamily();
        if (!japaneseFamily.isEmpty())
            family = japaneseFamily;
    }
    QApplication::setFont(designFont(family, 9));
}

QFont designFont(const QString &family, int points)
{
    QFont font(family);
    // 96 pixels to the inch against 72 points: 4 pixels to every 3 points.
    font.setPixelSize(points * 4 / 3);
    return font;
}
