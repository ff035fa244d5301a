#pragma once
// Where the Fretboard Designer's inputs are remembered between runs: their texts by key, with
// "unitsType", the units the lengths were typed in.

#include <optional>
#include <string>

#include "core/designerinputs.h"

namespace varnel {

class DesignerStorage {
  public:
    virtual ~DesignerStorage() = default;
    // The remembered texts; empty when none are.
    virtual DesignerTexts load() = 0;
    // Remembers these texts, the others staying as they are; why not, when they could not be.
    virtual std::optional<std::string> save(const DesignerTexts& texts) = 0;
};

}  // namespace varnel
