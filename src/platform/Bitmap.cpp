#include "platform/Bitmap.h"

#include <QtEndian>
#include <cstring>

namespace tabulon {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int HeaderSize = FileHeaderSize + InfoHeaderSize;
constexpr int BytesPerPixel = 4;

template <typename T>
void put(char* at, T value)
{
    qToLittleEndian(value, at);
}

template <typename T>
T get(const char* at)
{
    return qFromLittleEndian<T>(at);
}

}  // namespace

QByteArray EncodeBitmap(const QImage& source)
{
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const qint64 rowBytes = qint64(image.width()) * BytesPerPixel;
    const qint64 pixelBytes = rowBytes * image.height();
    QByteArray bytes(HeaderSize + pixelBytes, Qt::Uninitialized);
    char* h = bytes.data();
    std::memset(h, 0, HeaderSize);
    h[0] = 'B';
    h[1] = 'M';
    put<quint32>(h + 2, quint32(bytes.size()));
    put<quint32>(h + 10, HeaderSize);
    put<quint32>(h + 14, InfoHeaderSize);
    put<qint32>(h + 18, image.width());
    put<qint32>(h + 22, image.height());   // positive: rows bottom-up
    put<quint16>(h + 26, 1);                // planes
    put<quint16>(h + 28, 32);               // bits per pixel
    put<quint32>(h + 34, quint32(pixelBytes));
    put<qint32>(h + 38, 2835);              // 72 dpi
    put<qint32>(h + 42, 2835);
    // Little-endian 0xAARRGGBB is the bitmap's blue, green, red, unused byte order.
    char* out = h + HeaderSize;
    for (int y = image.height() - 1; y >= 0; --y, out += rowBytes)
        std::memcpy(out, image.constScanLine(y), size_t(rowBytes));
    return bytes;
}

QImage DecodeBitmap(const QByteArray& bytes)
{
    const char* h = bytes.constData();
    if (bytes.size() < HeaderSize || h[0] != 'B' || h[1] != 'M')
        return QImage::fromData(bytes, "BMP");
    const quint32 offset = get<quint32>(h + 10);
    const quint32 infoSize = get<quint32>(h + 14);
    const qint32 width = get<qint32>(h + 18);
    const qint32 height = get<qint32>(h + 22);
    const quint16 bits = get<quint16>(h + 28);
    const quint32 compression = get<quint32>(h + 30);
    const qint64 rows = height < 0 ? -qint64(height) : qint64(height);
    const qint64 rowBytes = qint64(width) * BytesPerPixel;
    const bool plain32 = infoSize >= InfoHeaderSize && bits == 32 && compression == 0 && width > 0 && rows > 0 &&
                         width <= 1 << 15 && rows <= 1 << 15 && offset >= HeaderSize &&
                         qint64(offset) + rowBytes * rows <= bytes.size();
    if (!plain32)
        return QImage::fromData(bytes, "BMP");
    QImage image(width, int(rows), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const char* in = h + offset;
    for (qint64 r = 0; r < rows; ++r, in += rowBytes) {
        const int y = height > 0 ? int(rows - 1 - r) : int(r);
        std::memcpy(image.scanLine(y), in, size_t(rowBytes));
    }
    return image;
}

}  // namespace tabulon
