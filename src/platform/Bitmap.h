#pragma once
// Page bitmaps in the plain Windows bitmap format, written and read fast: an uncompressed
// 32-bit bitmap is the image's own rows behind a 54-byte header, so writing and reading it
// is a copy, where a 24-bit one costs a conversion of every pixel each way.

#include <QByteArray>
#include <QImage>

namespace tabulon {

// The image as an uncompressed 32-bit bitmap (rows bottom-up, as bitmaps store them).
QByteArray EncodeBitmap(const QImage& image);

// The image in a bitmap file's bytes: uncompressed 32-bit bitmaps directly, any other
// bitmap through the general reader. A null image when the bytes are no bitmap.
QImage DecodeBitmap(const QByteArray& bytes);

}  // namespace tabulon
