// The image encoder "JpegEncoder.dll": writes the JPEG beside the bitmap, same base name.

#include "outside/ImageEncoder.h"
#include "platform/Paths.h"
#include "report/ReportError.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

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
            QImageReader reader(bmp);
            if (!reader.read(&image))
                throw ReportError(ErrorNumber::FileNotFound, QStringLiteral("不能读取位图文件: ") + bmp);
        }
        const QFileInfo info(bmp);
        const QString jpg = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".jpg");
        QSaveFile out(jpg);
        if (!out.open(QIODevice::WriteOnly))
            throw ReportError(75, QStringLiteral("不能写入JPG文件: ") + jpg);
        QImageWriter writer(&out, "jpeg");
        writer.setQuality(JpegQuality);
        if (!writer.write(image) || !out.commit())
            throw ReportError(75, QStringLiteral("不能写入JPG文件: ") + jpg);
    }
};

const bool registered = RegisterStandardObject(ProgId::ImageEncoder, [] {
    return std::make_unique<JpegImageEncoder>();
});

}  // namespace

}  // namespace tabulon
