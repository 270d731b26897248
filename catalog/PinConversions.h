#pragma once

#include "String.h"

// Socket pins 1..8 as one-bit masks of a port byte, port bytes as pattern texts, and the
// eight "Power Pins" boxes as the PowerPins byte.
BYTE PinToMask(BYTE nPin);
BYTE MaskToPin(BYTE nMask);
CString FormatBinary8(BYTE nValue);
void PowerPinsToChecks(BYTE nPowerPins, int (&bChecks)[8]);
BYTE ChecksToPowerPins(const int (&bChecks)[8]);
