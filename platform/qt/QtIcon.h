#pragma once

#include "DialogTemplate.h"

#include <QIcon>
#include <QImage>

// Icon resources are drawn as characters; these turn them into pictures Qt can show.
QImage QtImageFromIconImage(const IconImage& image);
// Every size the resource carries, so the window system picks the one it needs.
void QtAddIconImages(QIcon& icon, HICON hIcon);
// The image of the resource closest to nSize pixels, scaled to exactly that size.
QPixmap QtIconPixmap(HICON hIcon, int nSize);
