#include "QtIcon.h"

#include <QPixmap>

#include <cstdlib>

QImage QtImageFromIconImage(const IconImage& image)
{
    QImage result(image.cx, image.cy, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const std::vector<int> indexes = image.PaletteIndexes();
    for (int y = 0; y < image.cy; ++y) {
        for (int x = 0; x < image.cx; ++x) {
            const int nIndex = indexes[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.cx) +
                                       static_cast<std::size_t>(x)];
            if (nIndex >= 0)
                result.setPixel(x, y, 0xFF000000u | g_afxPalette16[nIndex]);
        }
    }
    return result;
}

void QtAddIconImages(QIcon& icon, HICON hIcon)
{
    if (!hIcon)
        return;
    for (const IconImage& image : hIcon->images)
        icon.addPixmap(QPixmap::fromImage(QtImageFromIconImage(image)));
}

QPixmap QtIconPixmap(HICON hIcon, int nSize)
{
    const IconImage* pBest = nullptr;
    if (hIcon) {
        for (const IconImage& image : hIcon->images) {
            if (!pBest || std::abs(image.cx - nSize) < std::abs(pBest->cx - nSize))
                pBest = &image;
        }
    }
    if (!pBest)
        return QPixmap();
    QImage picture = QtImageFromIconImage(*pBest);
    if (picture.width() != nSize || picture.height() != nSize)
        picture = picture.scaled(nSize, nSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return QPixmap::fromImage(picture);
}
