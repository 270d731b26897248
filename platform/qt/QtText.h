#pragma once

#include "String.h"

#include <QString>

// The window system shows Unicode while the framework keeps 8-bit strings in the ANSI
// code page; every text crossing between them goes through these two functions.
QString AnsiToQString(const CString& strText);
CString QStringToAnsi(const QString& strText);

// True when the code page has a character for cp32, so that a typed character survives
// being stored as 8-bit text.
bool IsAnsiRepresentable(char32_t cp32);
