#pragma once
// Where the default preferences (the factor and the print settings) are kept between runs.

#include "core/fretboard.h"

namespace varnel {

class PreferenceStorage {
  public:
    virtual ~PreferenceStorage() = default;
    // The start-up read: every preference from storage, its default where none is usable.
    virtual void readAtStartup(FretboardSettings& s) = 0;
    // "Save Current Preferences as default".
    virtual void save(const FretboardSettings& s) = 0;
    // "Reload Preferences from Defaults": usable stored values replace the record's, the rest
    // stay.
    virtual void reload(FretboardSettings& s) = 0;
};

}  // namespace varnel
