#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

Bytes StoredCount(std::uint64_t n)
{
    CArchive ar;
    ar.WriteCount(n);
    return ar.TakeStoredBytes();
}

CString ReadString(const Bytes& bytes, std::size_t* pLeft = nullptr)
{
    CArchive ar(bytes.data(), bytes.size(), "Progr.ini");
    CString s;
    ar >> s;
    if (pLeft)
        *pLeft = ar.BytesLeft();
    return s;
}

std::uint64_t ReadCountOf(const Bytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size(), "Progr.ini");
    return ar.ReadCount();
}

int CauseOf(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

}  // namespace

TEST(ArchiveEncoding, CountsUseTheShortestOfWordAndEscapedDword)
{
    EXPECT_EQ(StoredCount(0), Hex("00 00"));
    EXPECT_EQ(StoredCount(3), Hex("03 00"));
    EXPECT_EQ(StoredCount(0xFFFE), Hex("FE FF"));
    EXPECT_EQ(StoredCount(65535), Hex("FF FF FF FF 00 00"));
    EXPECT_EQ(StoredCount(70000), Hex("FF FF 70 11 01 00"));
    for (std::uint64_t n : {0ull, 3ull, 0xFFFEull, 0xFFFFull, 0x12345678ull})
        EXPECT_EQ(ReadCountOf(StoredCount(n)), n);
    EXPECT_EQ(ReadCountOf(Hex("FF FF FF FF FF FF 01 02 03 04 05 06 07 08")), 0x0807060504030201ull);
}

TEST(ArchiveEncoding, StringsUseTheShortestPrefix)
{
    struct Case { int nLength; const char* pszPrefix; };
    const Case cases[] = {
        {0, "00"}, {1, "01"}, {254, "FE"}, {255, "FF FF 00"}, {300, "FF 2C 01"},
        {65533, "FF FD FF"}, {65534, "FF FF FF FE FF 00 00"}, {70000, "FF FF FF 70 11 01 00"},
    };
    for (const Case& c : cases) {
        CString s('x', c.nLength);
        Bytes expected = Concat({Hex(c.pszPrefix), Bytes(static_cast<std::size_t>(c.nLength), 'x')});
        EXPECT_EQ(StoredString(s), expected) << c.nLength;
        EXPECT_EQ(ReadString(expected), s) << c.nLength;
    }
    EXPECT_EQ(StoredString("A"), Hex("01 41"));
}

TEST(ArchiveEncoding, NonShortestPrefixesAndBytesAreReadAsTheyAre)
{
    EXPECT_EQ(ReadString(Hex("FF 01 00 41")), "A");
    EXPECT_EQ(ReadString(Hex("FF FF FF 01 00 00 00 41")), "A");
    EXPECT_EQ(ReadString(Hex("FF FF FF FF FF FF FF 01 00 00 00 00 00 00 00 41")), "A");
    // Names are bytes: NULs and high bytes survive a round trip.
    CString raw(std::string("a\0\xE9\xFF", 4));
    EXPECT_EQ(ReadString(StoredString(raw)), raw);
}

TEST(ArchiveEncoding, WideStringsAreConvertedToTheCodePage)
{
    EXPECT_EQ(ReadString(Hex("FF FE FF 01 41 00")), "A");
    EXPECT_EQ(ReadString(Hex("FF FE FF 00")), "");
    // U+00E9 is 0xE9 in Windows-1252; U+4E2D has no place there and becomes '?'.
    EXPECT_EQ(ReadString(Hex("FF FE FF 02 E9 00 2D 4E")), "\xE9?");
    // Conversion stops at the first NUL unit, but the whole string is consumed.
    std::size_t nLeft = 99;
    EXPECT_EQ(ReadString(Hex("FF FE FF 03 41 00 00 00 42 00 07"), &nLeft), "A");
    EXPECT_EQ(nLeft, 1u);
    // After the marker FFFE is an ordinary length, not a second marker.
    Bytes longWide = Concat({Hex("FF FE FF FF FE FF"), Bytes(2 * 0xFFFE, 0x41)});
    for (std::size_t i = 7; i < longWide.size(); i += 2)
        longWide[i] = 0;
    EXPECT_EQ(ReadString(longWide).GetLength(), 0xFFFE);
}

TEST(ArchiveEncoding, TypedReadsFailAtTheEndButRawReadsDoNot)
{
    Bytes three = Hex("01 02 03");
    CArchive ar(three.data(), three.size(), "Progr.ini");
    BYTE buf[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(ar.Read(buf, 2), 2u);
    EXPECT_EQ(ar.Read(buf + 2, 5), 1u);
    EXPECT_EQ(Bytes(buf, buf + 4), Hex("01 02 03 09"));
    EXPECT_EQ(ar.Read(buf, 4), 0u);

    auto eofOf = [](const Bytes& b, const std::function<void(CArchive&)>& read) {
        return CauseOf([&] {
            CArchive a(b.data(), b.size(), "Progr.ini");
            read(a);
        });
    };
    EXPECT_EQ(eofOf(Hex(""), [](CArchive& a) { BYTE v; a >> v; }), CArchiveException::endOfFile);
    EXPECT_EQ(eofOf(Hex("01"), [](CArchive& a) { WORD v; a >> v; }), CArchiveException::endOfFile);
    EXPECT_EQ(eofOf(Hex("01 02 03"), [](CArchive& a) { DWORD v; a >> v; }), CArchiveException::endOfFile);
    EXPECT_EQ(eofOf(Hex("FF FF 01"), [](CArchive& a) { a.ReadCount(); }), CArchiveException::endOfFile);
    EXPECT_EQ(eofOf(Hex("FF FE"), [](CArchive& a) { CString s; a >> s; }), CArchiveException::endOfFile);
}

TEST(ArchiveEncoding, StringLengthsBeyondTheDataFailWithoutAllocating)
{
    // Each prefix claims far more than is there; the sanitizer build would report an
    // allocation of that size, and the failure must come before it.
    const char* const hostile[] = {
        "05 41 42",                                        // 5 bytes, 2 there
        "FF FD FF 41",                                     // 0xFFFD bytes
        "FF FF FF FE FF FF FF 41",                         // about 4 GB
        "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 41", // 2^64 - 1 via the QWORD escape
        "FF FE FF FF FF FF FE FF FF FF 41 00",             // wide, 4G units
        // Wide, 2^63 + 1 units: doubled, the byte count wraps round to 2.
        "FF FE FF FF FF FF FF FF FF FF 01 00 00 00 00 00 00 80 41 00",
    };
    for (const char* psz : hostile) {
        Bytes b = Hex(psz);
        EXPECT_EQ(CauseOf([&] { ReadString(b); }), CArchiveException::endOfFile) << psz;
    }
}

TEST(ArchiveEncoding, FailuresNameTheFileWhatWasReadAndWhere)
{
    Bytes b = Hex("00 00 41 42 05");
    CArchive ar(b.data(), b.size(), "Progr.ini");
    BYTE skip[2];
    ar.Read(skip, 2);
    ar.SetContext("entry", 12, "name");
    try {
        CString s;
        ar >> s;
        FAIL() << "no failure";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        EXPECT_EQ(e.m_nOffset, 2);
        EXPECT_STREQ(e.what(), "An attempt was made to access Progr.ini past its end "
                               "(entry 12 name, byte offset 2).");
    }
    EXPECT_EQ(CArchiveException(CArchiveException::badIndex, "").GetErrorMessage(),
              "An unnamed file has a bad format.");
    EXPECT_EQ(CArchiveException(CArchiveException::generic, "x.ini").GetErrorMessage(),
              "An unknown error occurred while accessing x.ini.");
}
