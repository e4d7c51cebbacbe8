#include "files/SavePicture.h"

#include "files/SavePath.h"
#include "system/PictureFile.h"
#include "widgets/MessageBoxes.h"

bool savePicture(const QImage &picture, const QString &path, QWidget *parent)
{
    const PictureFile::SaveResult result = PictureFile::writeImage(picture, path, "BMP");
    if (!result.ok())
        MessageBoxes::showError(parent, SavePath::failureMessage(path, PictureFile::reason(result)));
    return result.ok();
}
