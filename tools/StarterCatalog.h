#pragma once

class CChipCatalog;

// The catalogue shipped as examples/Progr.ini: the four chip types in the order Add New
// routes them (I2C, then Microwire variants 0, 1 and 2) and common 8-pin serial EEPROMs
// in DIP-8 sockets, with the figures their part numbers give, built with the same rules
// the setup forms use.
void BuildStarterCatalog(CChipCatalog& catalog);
