#pragma once
// The camera's recording master and its four sources as the user clicks them: one table that
// the rules' own test and the real page's test both run.

// Word 10: bit 6 recording, 8 Music, 9 FM Radio, 10 Intercom, 11 Phone. The clicked row counts
// from the master row: 0 the master, 1 to 4 the sources.
struct CameraRecordingCase {
    const char* what;
    int word10Before;
    int clicked;
    int word10After;
    const char* cells;    // master, Music, FM Radio, Intercom, Phone: "E" Enable, "D" Disable
    const char* disabled; // the four sources
    bool repaint;         // the whole grid is repainted
};

inline const CameraRecordingCase kCameraRecordingCases[] = {
    {"recording on, every source off", 0x000, 0, 0x740, "EEEED", "0000", false},
    {"recording on, only Phone on", 0x800, 0, 0x840, "EDDDE", "0000", false},
    {"recording off keeps the sources", 0x740, 0, 0x700, "DEEED", "1111", false},
    {"Phone off as the last source", 0x840, 4, 0x000, "DDDDD", "1111", true},
    {"Music off while Intercom is on", 0x540, 1, 0x440, "EDDED", "0000", false},
    {"Phone on beside Intercom", 0x440, 4, 0xC40, "EDDEE", "0000", false},
    {"a disabled source with everything off", 0x000, 2, 0x000, "DDDDD", "1111", true},
};
