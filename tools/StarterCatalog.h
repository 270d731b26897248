#pragma once

class CChipCatalog;

// The catalogue shipped as examples/Progr.ini: the four chip types in the order Add New
// routes them (I2C, then Microwire variants 0, 1 and 2) and common 8-pin serial EEPROMs
// in DIP-8 sockets, set up as the forms set up a new chip of their part numbers.
void BuildStarterCatalog(CChipCatalog& catalog);
