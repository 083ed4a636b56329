#pragma once
// The requests the channel list sends the main controller to insert or delete one record
// in a bank, and the change the controller makes on them: the record moves over the
// whole array of 200 positions and the bank's capacity follows.

namespace orvane {

class EepromImage;
class MessageBus;

// Both ask at once, so the change is made before they return.
void RequestInsertInBank(MessageBus& bus, int bank, int position);
void RequestDeleteInBank(MessageBus& bus, int bank, int position);

// A blank record at `position` (kept inside the bank or just after its last channel);
// bank `bank` grows by one. Returns false, changing nothing, when the banks are full or
// the bank is not a bank.
bool InsertChannelInBank(EepromImage& image, int modelType, int bank, int position);
// Removes the record at `position` of bank `bank`, which shrinks by one. Returns false,
// changing nothing, when the position is not one of the bank's channels.
bool DeleteChannelInBank(EepromImage& image, int modelType, int bank, int position);

}  // namespace orvane
