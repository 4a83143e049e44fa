// The image encoder "JpegEncoder.dll": writes the JPEG beside the bitmap, same base name.

#include "outside/ImageEncoder.h"
#include "platform/AtomicOutputFile.h"
#include "platform/Bitmap.h"
#include "platform/Paths.h"
#include "platform/ReportError.h"

#include <QFileInfo>
#include <QImage>
#include <QFile>

namespace tabulon {

namespace {

constexpr int JpegQuality = 90;

class JpegImageEncoder : public ImageEncoder {
public:
    void JpegEncoder(const QString& BmpPath) override
    {
        const QString bmp = NativePath(BmpPath);
        QImage image;
        {
            // Read fully and close the file before returning: the caller deletes it next.
            QFile file(bmp);
            if (file.open(QIODevice::ReadOnly))
                image = DecodeBitmap(file.readAll());
            if (image.isNull())
                throw ReportError(ErrorNumber::FileNotFound, QStringLiteral("不能读取位图文件: ") + bmp);
        }
        const QFileInfo info(bmp);
        const QString jpg = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".jpg");
        // Whole or not at all, and never through a link placed at the name.
        const QString failure = WriteImageWhole(jpg, image, "jpeg", JpegQuality);
        if (!failure.isEmpty())
            throw ReportError(75, QStringLiteral("不能写入JPG文件: ") + failure);
    }
};

const bool registered = RegisterStandardObject(ProgId::ImageEncoder, [] {
    return std::make_unique<JpegImageEncoder>();
});

}  // namespace

}  // namespace tabulon
