#pragma once
// The bank layout that bank sheets and the tree show: ten banks sharing the channel
// records, each owning a run of consecutive positions.

#include <string>

#include "image/image_layout.h"

namespace orvane {

class BankDirectory {
public:
    virtual ~BankDirectory() = default;
    // The first position of `bank`; its number of positions (0 outside 0..9); its name.
    virtual int BankFirst(int bank) const = 0;
    virtual int BankCapacity(int bank) const = 0;
    virtual std::string BankName(int bank) const = 0;
};

}  // namespace orvane
