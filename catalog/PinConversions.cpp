#include "PinConversions.h"

BYTE PinToMask(BYTE nPin)
{
    return (nPin >= 1 && nPin <= 8) ? static_cast<BYTE>(1u << (nPin - 1)) : 0;
}

BYTE MaskToPin(BYTE nMask)
{
    for (int nPin = 1; nPin <= 8; ++nPin) {
        if (nMask == PinToMask(static_cast<BYTE>(nPin)))
            return static_cast<BYTE>(nPin);
    }
    return 0;
}

CString FormatBinary8(BYTE nValue)
{
    // The radix conversion writes no leading zeros; the pattern is then padded to eight.
    CString str;
    for (unsigned v = nValue; v != 0; v >>= 1)
        str.Insert(0, static_cast<char>('0' + (v & 1)));
    if (str.IsEmpty())
        str = "0";
    while (str.GetLength() < 8)
        str.Insert(0, "0");
    return str;
}

void PowerPinsToChecks(BYTE nPowerPins, int (&bChecks)[8])
{
    for (int i = 0; i < 8; ++i)
        bChecks[i] = (nPowerPins >> i) & 1;
}

BYTE ChecksToPowerPins(const int (&bChecks)[8])
{
    // Formed in 8-bit arithmetic from the last box down, so values other than 0 and 1
    // wrap as the forms have always stored them.
    BYTE nPowerPins = 0;
    for (int i = 7; i >= 0; --i)
        nPowerPins = static_cast<BYTE>(nPowerPins * 2 + bChecks[i]);
    return nPowerPins;
}
