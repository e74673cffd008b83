// Decoding of the JPEG picture through libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace corvane {

struct JpegResult {
    QImage image;   // null when decoding failed
    QString error;  // libjpeg's message when it failed
};

// Decodes a baseline or progressive JPEG to an RGB image. Corrupt, truncated or empty data
// gives a null image and a message; it never ends the program.
JpegResult DecodeJpeg(const QByteArray& data);

}  // namespace corvane
