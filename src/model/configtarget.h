#pragma once
// What the configuration dialogs need of the window: the values to save, and a way to apply
// retrieved values as the window's own controls would apply them.

#include <cstdint>

#include "core/fretboard.h"

namespace varnel {

class ConfigTarget {
  public:
    virtual ~ConfigTarget() = default;
    // The record as it stands now, a changed scale-length box taken first; its scaleLen,
    // nFrets, unitsType and unitsGranularity are what a configuration keeps.
    virtual const FretboardSettings& configurationToSave() = 0;
    // A retrieved fret count: the record and the fret-count box, whose change handling runs.
    virtual void retrieveFretCount(std::int16_t frets) = 0;
    // A retrieved scale length: the record, and the box shows it as typed text.
    virtual void retrieveScaleLen(double scaleLen) = 0;
    // A retrieved precision code: coarse for kGranularityCoarse, fine for any other.
    virtual void retrieveGranularity(std::int16_t granularity) = 0;
    // A retrieved units code: inches for kUnitsInches, millimetres for any other.
    virtual void retrieveUnits(std::int16_t unitsType) = 0;
};

}  // namespace varnel
