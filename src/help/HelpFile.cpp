#include "help/HelpFile.h"

#include "system/PlainFile.h"

namespace HelpFile {

Contents read(const QString &path)
{
    const PlainFile::Contents contents = PlainFile::read(path, sizeLimit);
    switch (contents.failure) {
    case PlainFile::Failure::None:
        break;
    case PlainFile::Failure::Missing:
        return { {}, QStringLiteral("ヘルプ ファイルが見つかりません。") };
    case PlainFile::Failure::NotAFile:
        return { {}, QStringLiteral("ヘルプ ファイルではないため表示できません。") };
    case PlainFile::Failure::TooLarge:
        return { {}, QStringLiteral("ヘルプ ファイルが大きすぎるため表示できません（%1 KB まで）。").arg(sizeLimit / 1024) };
    case PlainFile::Failure::Unreadable:
        return { {}, QStringLiteral("ヘルプ ファイルを読み込めません。") };
    }
    return { QString::fromUtf8(contents.bytes), {} };
}

} // namespace HelpFile
