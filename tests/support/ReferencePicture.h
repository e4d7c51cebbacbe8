#pragma once

#include <QImage>
#include <QString>
#include <QTest>

// How a window must look, kept as a PNG under tests/references/, one folder a
// system, since fonts are drawn differently on each. With
// KALEIDRA_RENEW_REFERENCES=1 in the environment (the build target renew-references)
// the pictures shown become the references instead.
namespace ReferencePicture {

// Empty when shown is, pixel for pixel, the reference called name. Otherwise
// what differs, and where the picture shown was written beside the test program.
QString compare(const QImage &shown, const QString &name);

} // namespace ReferencePicture

#define KALEIDRA_COMPARE_PICTURE(shown, name)                                \
    do {                                                                     \
        const QString difference = ReferencePicture::compare((shown), (name)); \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));              \
    } while (false)
