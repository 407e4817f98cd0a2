#pragma once
// A table of the restore list's wordings: a kind, the fields set in an archived record, the UI
// language and the text the list shows for it.

#include <gtest/gtest.h>

#include <string>

#include "RecordProbe.h"
#include "settings/GridRestoreText.h"
#include "settings/GridRowCatalogue.h"

struct RestoreTextCase {
    GridRowKindId kind;
    const char* probes; // "; " between probes, empty for a record left as built
    int language;
    const wchar_t* shown;
    int major = 3; // the archived firmware, which decides where the record keeps the video mode
    int minor = 0;
};

inline std::wstring ShownFor(const RestoreTextCase& c)
{
    DeviceConfig archive = RecordAtFirmware(c.major, c.minor);
    ApplyProbes(archive, c.probes);
    return GridRestoreValueText(GetGridRowKind(c.kind), archive, GridListWords::From(archive), c.language);
}

template <std::size_t N> void ExpectRestoreTexts(const RestoreTextCase (&cases)[N])
{
    for (const RestoreTextCase& c : cases) {
        SCOPED_TRACE(std::string(GetGridRowKind(c.kind).englishLabel) + " with " + c.probes + ", language " +
                     std::to_string(c.language));
        EXPECT_EQ(ShownFor(c), c.shown);
    }
}
