#include "QtIcon.h"

#include <QPixmap>

#include <cstdlib>
#include <cstring>

namespace {
// The palette index of one pixel character, or -1 for a transparent or unknown one.
int PaletteIndex(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}
}  // namespace

QImage QtImageFromIconImage(const IconImage& image)
{
    QImage result(image.cx, image.cy, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (!image.pszPixels)
        return result;
    // A picture shorter than its stated size keeps the rest transparent rather than
    // reading past its end.
    std::size_t nLength = std::strlen(image.pszPixels);
    for (int y = 0; y < image.cy; ++y) {
        for (int x = 0; x < image.cx; ++x) {
            std::size_t nPos = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.cx) +
                               static_cast<std::size_t>(x);
            int nIndex = nPos < nLength ? PaletteIndex(image.pszPixels[nPos]) : -1;
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

QIcon QtIconFromResource(HICON hIcon)
{
    QIcon icon;
    QtAddIconImages(icon, hIcon);
    return icon;
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
