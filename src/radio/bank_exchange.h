#pragma once
// Exchanging two neighbouring banks of the bank table.

namespace orvane {

class EepromImage;

// Banks `bank` and `bank` + 1 trade places: their capacities, names, name dots and home
// channels swap, the home bank follows its bank, and the channels of the later bank
// come to stand before those of the earlier one. Records outside the two banks' stretch
// of positions do not move.
void ExchangeBanks(EepromImage& image, int modelType, int bank);

}  // namespace orvane
