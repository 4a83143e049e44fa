#pragma once
// The image encoder "JpegEncoder.dll": turns a saved bitmap into a JPEG beside it.

#include "platform/ObjectFactory.h"

#include <QString>

namespace tabulon {

class ImageEncoder : public OutsideObject {
public:
    // Writes BmpPath's image as a JPEG with the same base name and ".jpg"; has finished
    // with the bitmap when it returns. Raises ReportError on failure.
    virtual void JpegEncoder(const QString& BmpPath) = 0;
};

}  // namespace tabulon
