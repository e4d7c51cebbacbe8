#include "JapaneseUi.h"

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

    auto *translator = new QTranslator(&app);
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    if (hasJapanese(QApplication::font().family()))
        return;
    const QString family = japaneseProportionalFamily();
    if (family.isEmpty())
        return;
    // 9 points is the 12-pixel text the window's captions are laid out for.
    QFont font(family, 9);
    QApplication::setFont(font);
}
