#include "HelpFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace HelpFile {

Contents read(const QString &path)
{
    const QString notAFile = QStringLiteral("ヘルプ ファイルではないため表示できません。");
    const QFileInfo info(path);
    if (!info.exists())
        return { {}, QStringLiteral("ヘルプ ファイルが見つかりません。") };
    if (!info.isFile())
        return { {}, notAFile };
    const QString tooLarge = QStringLiteral("ヘルプ ファイルが大きすぎるため表示できません（%1 KB まで）。")
                                 .arg(sizeLimit / 1024);
    if (info.size() > sizeLimit)
        return { {}, tooLarge };

    // Opened without waiting and looked at again, in case a pipe or device
    // has taken the file's place since.
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const QString unreadable = QStringLiteral("ヘルプ ファイルを読み込めません。");
    if (handle < 0)
        return { {}, unreadable };
    struct stat opened {};
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(handle);
        return { {}, notAFile };
    }
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return { {}, unreadable };
    }
    // A file grown since is cut off past the limit, not read to its end.
    const QByteArray bytes = file.read(sizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return { {}, unreadable };
    if (bytes.size() > sizeLimit)
        return { {}, tooLarge };
    return { QString::fromUtf8(bytes), {} };
}

} // namespace HelpFile
