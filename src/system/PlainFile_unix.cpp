#include "system/PlainFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

Contents read(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return { {}, Failure::Missing };
    if (!info.isFile())
        return { {}, Failure::NotAFile };
    if (info.size() > limit)
        return { {}, Failure::TooLarge };

    // Opened without waiting and looked at again, in case a pipe or device
    // has taken the file's place since.
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return { {}, Failure::Unreadable };
    struct stat opened {};
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(handle);
        return { {}, Failure::NotAFile };
    }
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return { {}, Failure::Unreadable };
    }
    // A file grown since is cut off at the limit, not read to its end.
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return { {}, Failure::Unreadable };
    if (!file.atEnd())
        return { {}, Failure::TooLarge };
    return { bytes, Failure::None };
}

} // namespace PlainFile
