#pragma once

class QImage;
class QString;
class QWidget;

// Writes the drawing as a BMP file at path. A failure is shown to the user
// over parent and leaves the program, the picture and any earlier file as
// they were; returns whether the file was written.
bool savePicture(const QImage &picture, const QString &path, QWidget *parent);
