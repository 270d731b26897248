#include "Resource.h"
#include "Templates.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes icon 128 of res/ as a Windows .ico file of 16-colour images, and a resource
// script that names it, so that the Windows executables carry the icon as a resource
// made from the same pixels the other backends draw.
namespace {
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned n)
{
    out.push_back(static_cast<std::uint8_t>(n & 0xFF));
    out.push_back(static_cast<std::uint8_t>((n >> 8) & 0xFF));
}

void Put32(Bytes& out, unsigned long n)
{
    Put16(out, static_cast<unsigned>(n & 0xFFFF));
    Put16(out, static_cast<unsigned>((n >> 16) & 0xFFFF));
}

// One image as an icon file stores it: a bitmap header of twice the height, the
// palette, the colour rows and then the transparency mask, both bottom row first.
Bytes ImageBits(const IconImage& image)
{
    const std::vector<int> indexes = image.PaletteIndexes();
    const int nColourRow = (image.cx * 4 + 31) / 32 * 4;
    const int nMaskRow = (image.cx + 31) / 32 * 4;
    Bytes out;
    for (unsigned long n : {40ul, static_cast<unsigned long>(image.cx), static_cast<unsigned long>(image.cy * 2)})
        Put32(out, n);
    Put16(out, 1);
    Put16(out, 4);
    for (unsigned long n : {0ul, static_cast<unsigned long>((nColourRow + nMaskRow) * image.cy), 0ul, 0ul, 16ul, 0ul})
        Put32(out, n);
    for (DWORD rgb : g_afxPalette16) {
        out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
        out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>((rgb >> 16) & 0xFF));
        out.push_back(0);
    }
    for (bool bMask : {false, true}) {
        for (int y = image.cy - 1; y >= 0; --y) {
            Bytes row(static_cast<std::size_t>(bMask ? nMaskRow : nColourRow), 0);
            for (int x = 0; x < image.cx; ++x) {
                const int nIndex = indexes[static_cast<std::size_t>(y * image.cx + x)];
                if (bMask && nIndex < 0)
                    row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                else if (!bMask && nIndex > 0)
                    row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? nIndex : nIndex << 4);
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

Bytes IconFile(const IconResource& icon)
{
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(icon.images.size()));
    std::vector<Bytes> images;
    for (const IconImage& image : icon.images)
        images.push_back(ImageBits(image));
    unsigned long nOffset = 6 + 16 * static_cast<unsigned long>(images.size());
    for (std::size_t n = 0; n < images.size(); ++n) {
        out.push_back(static_cast<std::uint8_t>(icon.images[n].cx & 0xFF));
        out.push_back(static_cast<std::uint8_t>(icon.images[n].cy & 0xFF));
        out.push_back(16);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, static_cast<unsigned long>(images[n].size()));
        Put32(out, nOffset);
        nOffset += static_cast<unsigned long>(images[n].size());
    }
    for (const Bytes& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

bool WriteFile(const char* pszPath, const void* pData, std::size_t nSize)
{
    std::FILE* pFile = std::fopen(pszPath, "wb");
    if (!pFile) {
        std::perror(pszPath);
        return false;
    }
    const bool bWritten = std::fwrite(pData, 1, nSize, pFile) == nSize;
    if (std::fclose(pFile) != 0 || !bWritten) {
        std::fprintf(stderr, "%s: cannot write the file\n", pszPath);
        return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.ico SCRIPT.rc\n", argv[0]);
        return 2;
    }
    const IconResource* pIcon = FindOrvaneIcon(IDR_MAINFRAME);
    if (!pIcon || pIcon->images.empty()) {
        std::fprintf(stderr, "%s: no icon %d in the resources\n", argv[0], IDR_MAINFRAME);
        return 1;
    }
    const Bytes ico = IconFile(*pIcon);
    const std::string strScript = std::to_string(IDR_MAINFRAME) + " ICON \"" + argv[1] + "\"\n";
    return WriteFile(argv[1], ico.data(), ico.size()) && WriteFile(argv[2], strScript.data(), strScript.size()) ? 0 : 1;
}
