#pragma once
// The value text that the restore page's list of archived settings shows for a row, worded by
// the kind's restore rule from the archived record, read through the kind's read half.

#include <string>

#include "device/DeviceConfig.h"
#include "settings/GridRowCatalogue.h"

// Empty for a kind whose rule settles no wording and for a grid-only kind (which the list
// leaves out). A language outside 0 to 12 words the value in English.
std::wstring GridRestoreValueText(const GridRowKind& kind, const DeviceConfig& archive, const GridListWords& words,
                                  int language);
