#pragma once
// Tab and Shift+Tab from cell to cell, as a function of the grid's key set,
// its disabled cells and its two Tab flags, so the whole walk is testable
// without a window.
#include <functional>

#include "grid/CellKeySet.h"

enum class TabEvent {
    Tab,      // a Tab key message, Shift up
    ShiftTab, // a Tab key message, Shift down
    KeyUp,    // any WM_KEYUP
    Other,    // anything else
};

struct TabState {
    int tabStarted = 0; // navigation inside the grid is under way
    int keyUpSeen = 0;  // a key-up has passed since the last handled Tab
};

struct TabStep {
    // true: the grid handles the message (it activates `activate`); false:
    // the message goes on to the dialog, which moves the focus on.
    bool handled = false;
    // The active cell is deactivated before `activate` is activated.
    bool deactivateActive = false;
    CellKey activate = 0;
};

// true when a cell exists at the key and is disabled.
using CellDisabledTest = std::function<bool(CellKey)>;

long long SkipDisabledForward(const CellKeySet& keys, const CellDisabledTest& disabled, long long key);
long long SkipDisabledBackward(const CellKeySet& keys, const CellDisabledTest& disabled, long long key);

// activeKey is kNoCellKey when no cell is active.
TabStep StepTab(const CellKeySet& keys, const CellDisabledTest& disabled, TabState& state, long long activeKey,
                TabEvent event);
