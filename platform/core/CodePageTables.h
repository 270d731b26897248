#pragma once

// The upper halves of the single-byte pages, made by tools/make_code_page_tables.py.
// Bytes below 0x80 are ASCII in every page.
struct CodePageTable {
    int nNumber;
    // The character of each byte from 0x80, as Windows reads it: a byte the page leaves
    // undefined reads as the control character of its value or as a private-use one.
    char32_t aUnicode[128];
    // The byte of each byte's lower-case partner; a byte that has none maps to itself.
    unsigned char aLower[128];
};

constexpr int kCodePageTableCount = 10;
extern const CodePageTable kCodePageTables[kCodePageTableCount];
