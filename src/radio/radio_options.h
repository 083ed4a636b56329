#pragma once
// Where the data model reads the selected model and the radio options, and writes back
// the options that settings cells change. The application keeps them in its settings.

#include "sheet/radio_configuration.h"

namespace orvane {

class RadioOptions {
public:
    virtual ~RadioOptions() = default;
    virtual RadioConfiguration Current() const = 0;
    // Takes every field of `values`; settings cells change one field at a time.
    virtual void Update(const RadioConfiguration& values) = 0;
};

}  // namespace orvane
