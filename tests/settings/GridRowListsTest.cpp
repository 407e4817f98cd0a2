// The row lists held against the models' descriptions, line by line. The expected table below
// is written out by hand in the descriptions' own words (English row names, their marks for
// dependants); the test builds the grid of every grid product at firmware inside each range,
// at each threshold and just below it, renders the built grid in the same words and compares.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "settings/GridRowCatalogue.h"
#include "settings/SettingsGridBuilder.h"

namespace {

struct ExpectedLine {
    const char* products;
    const char* firmware;
    const char* family;
    const char* rows; // "see <products> | <firmware>" refers to another line
};

constexpr const char* kFlag = "flag word";
constexpr const char* kOption = "option field";
constexpr const char* kOption3 = "option field (VOX in three steps)";
constexpr const char* kCamera = "option field and camera";
constexpr const char* kBit = "bit word";

// clang-format off
const ExpectedLine kExpected[] = {
    // 0x42xx to 0x46xx, 0x2030, 0x5520, 0x5526, 0x5720.
    {"0x4210", "below 1.1", kFlag, R"(0 "VOX Phone", 1 "Sidetone", 2 "Dualstream™", 3 "Intercom-Layertone Sensitivity" (needs Dualstream on))"},
    {"0x4210", "1.1 to below 1.2", kFlag, R"(0 "VOX Phone", 1 "Sidetone", 2 "Motion Sensor Sensitivity", 3 "Dualstream™", 4 "Intercom-Layertone Sensitivity" (needs Dualstream on), 5 "Navigation App Support" (needs Dualstream on))"},
    {"0x4210", "1.2 to below 1.5", kFlag, R"(0 "Dualstream™", 1 "Intercom-Layertone Sensitivity" (needs Dualstream on), 2 "Navigation App Support" (needs Dualstream on), 3 "Audio Boost", 4 "Motion Sensor Sensitivity", 5 "VOX Phone", 6 "HD Intercom", 7 "Eight-way Intercom", 8 "Voice Prompt", 9 "Sidetone", 10 "Hushguard™")"},
    {"0x4210", "1.5 and later", kFlag, R"(0 "Dualstream™", 1 "Intercom-Layertone Sensitivity" (needs Dualstream on), 2 "Navigation App Support" (needs Dualstream on), 3 "Audio Boost", 4 "Smart Volume Control", 5 "Motion Sensor Sensitivity", 6 "VOX Phone", 7 "HD Intercom", 8 "Eight-way Intercom", 9 "Voice Prompt", 10 "FM Station Guide", 11 "Sidetone", 12 "Hushguard™")"},
    {"0x4310, 0x4350, 0x4330, 0x4510, 0x4530, 0x4610, 0x2030", "any", kFlag, R"(0 "Dualstream™", 1 "Intercom-Layertone Sensitivity" (needs Dualstream on), 2 "Layertone Volume Management" (needs Dualstream on), 3 "Audio Boost", 4 "Smart Volume Control", 5 "VOX Phone", 6 "HD Intercom", 7 "Eight-way Intercom", 8 "Voice Prompt", 9 "FM Station Guide", 10 "Sidetone", 11 "Hushguard™", 12 "Voice Command")"},
    {"0x4410, 0x4430", "any", kFlag, R"(0 "Dualstream™", 1 "Intercom-Layertone Sensitivity" (needs Dualstream on), 2 "Layertone Volume Management" (needs Dualstream on), 3 "Audio Boost", 4 "Smart Volume Control", 5 "HD Intercom", 6 "Eight-way Intercom", 7 "Voice Prompt", 8 "FM Station Guide", 9 "Sidetone", 10 "Hushguard™", 11 "Voice Command")"},
    {"0x5520", "below 1.1", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "VOX Sensitivity", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™")"},
    {"0x5520", "1.1 to below 1.3", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "VOX Sensitivity", 5 "Voice Prompt", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™")"},
    {"0x5520", "1.3 to below 2.0", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "VOX Sensitivity", 5 "Voice Prompt", 6 "FM Station Guide", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™")"},
    {"0x5520", "2.0 and later", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "VOX Sensitivity", 8 "Voice Prompt", 9 "FM Station Guide", 10 "Sidetone", 11 "Hushguard™")"},
    {"0x5526", "below 2.0", kOption, "see 0x5520 | 1.3 to below 2.0"},
    {"0x5526", "2.0 and later", kOption, "see 0x5520 | 2.0 and later"},
    {"0x5720", "any", kOption, "see 0x5520 | 1.3 to below 2.0"},

    // 0x5610 to 0x5621, 0x5510, 0x5580, 0x5570, 0x5530, 0x5532, 0x5550.
    {"0x5610, 0x5611, 0x5612, 0x5620, 0x5621", "below 1.1", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Voice Prompt", 4 "High Quality A2DP", 5 "Sidetone", 6 "Hushguard™")"},
    {"0x5610, 0x5611, 0x5612, 0x5620, 0x5621", "1.1 to below 2.0", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™")"},
    {"0x5610, 0x5611, 0x5612, 0x5620, 0x5621", "2.0 and later", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "Voice Prompt", 8 "FM Station Guide", 9 "Sidetone", 10 "Hushguard™")"},
    {"0x5510", "below 2.0", kCamera, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Voice Prompt", 4 "High Quality A2DP", 5 "Sidetone", 6 "Hushguard™", 7 "Photo Mode", 8 "Video Mode" (two items), 9 "Video Resolution", 10 "Timelapse Interval", 11 "Date Caption", 12 "Speaker Sound Recording", 13 "▶ Music" (needs recording on), 14 "▶ FM Radio" (needs recording on), 15 "▶ Intercom" (needs recording on), 16 "▶ Phone" (needs recording on), 17 "Auto Camera Sleep")"},
    {"0x5510", "2.0 to below 2.2", kCamera, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™", 8 "Photo Mode", 9 "Video Mode" (three items), 10 "Video Resolution", 11 "Timelapse Interval", 12 "Video Tagging Interval", 13 "Loop Recording Interval", 14 "Video Microphone Gain", 15 "Date Caption", 16 "Speaker Sound Recording", 17 "▶ Music" (needs recording on), 18 "▶ FM Radio" (needs recording on), 19 "▶ Intercom" (needs recording on), 20 "▶ Phone" (needs recording on), 21 "Auto Camera Sleep")"},
    {"0x5510", "2.2 to below 3.0", kCamera, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "FM Station Guide", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™", 9 "Photo Mode", 10 "Video Mode" (three items), 11 "Video Resolution", 12 "Timelapse Interval", 13 "Video Tagging Interval", 14 "Loop Recording Interval", 15 "Video Microphone Gain", 16 "Date Caption", 17 "Speaker Sound Recording", 18 "▶ Music" (needs recording on), 19 "▶ FM Radio" (needs recording on), 20 "▶ Intercom" (needs recording on), 21 "▶ Phone" (needs recording on), 22 "Auto Camera Sleep")"},
    {"0x5510", "3.0 and later", kCamera, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "Voice Prompt", 8 "FM Station Guide", 9 "Sidetone", 10 "Hushguard™", 11 "Photo Mode", 12 "Video Mode" (three items), 13 "Video Resolution", 14 "Timelapse Interval", 15 "Video Tagging Interval", 16 "Loop Recording Interval", 17 "Video Microphone Gain", 18 "Date Caption", 19 "Speaker Sound Recording", 20 "▶ Music" (needs recording on), 21 "▶ FM Radio" (needs recording on), 22 "▶ Intercom" (needs recording on), 23 "▶ Phone" (needs recording on), 24 "Auto Camera Sleep")"},
    {"0x5580", "below 2.0", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "FM Station Guide", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™")"},
    {"0x5580", "2.0 and later", kOption, "see 0x5610, 0x5611, 0x5612, 0x5620, 0x5621 | 2.0 and later"},
    {"0x5570", "any", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "Voice Prompt", 8 "FM Station Guide", 9 "Sidetone", 10 "Hushguard™")"},
    {"0x5530", "below 1.4", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™")"},
    {"0x5530", "1.4 to below 2.0", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Voice", 4 "HD Intercom", 5 "Voice Prompt", 6 "FM Station Guide", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™")"},
    {"0x5530", "2.0 and later", kOption, "see 0x5610, 0x5611, 0x5612, 0x5620, 0x5621 | 2.0 and later"},
    {"0x5532", "any", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Voice", 4 "HD Intercom", 5 "Voice Prompt", 6 "FM Station Guide", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™")"},
    {"0x5550", "below 1.2", kOption, R"(0 "Audio Boost", 1 "HD Intercom", 2 "Voice Prompt", 3 "FM Station Guide", 4 "High Quality A2DP", 5 "Hushguard™")"},
    {"0x5550", "1.2 to below 2.0", kOption, R"(0 "Audio Boost", 1 "Voice Prompt", 2 "FM Station Guide", 3 "High Quality A2DP", 4 "Hushguard™")"},
    {"0x5550", "2.0 and later", kOption, R"(0 "Audio Boost", 1 "Dualstream™", 2 "Audio Source Priority" (needs Dualstream off), 3 "HD Voice" (needs Dualstream off), 4 "Voice Prompt", 5 "FM Station Guide", 6 "Hushguard™")"},

    // 0x31xx: lists A to E.
    {"0x3110", "below 1.1", kBit, "see list A"},
    {"0x3110", "1.1 up to below 2.1", kBit, "see list B"},
    {"0x3110", "2.1 up to below 2.2", kBit, "see list C"},
    {"0x3110", "2.2 and later", kBit, "see list D"},
    {"0x3112, 0x3114", "below 1.1", kBit, "see list A"},
    {"0x3112, 0x3114", "1.1 and later", kBit, "see list B"},
    {"0x3124, 0x3126", "any", kBit, "see list B"},
    {"0x3116", "any", kBit, "see list C"},
    {"0x3118", "any", kBit, "see list E"},
    // 0x5710 to 0x3040.
    {"0x5710", "below 1.2", kOption3, R"("Audio Boost", "VOX Phone", "VOX Intercom", "HD Intercom", "Voice Prompt", "High Quality A2DP", "Sidetone", "Hushguard™")"},
    {"0x5710", "1.2 and later", kOption3, R"("Audio Boost", "VOX Phone", "VOX Intercom", "HD Intercom", "Voice Prompt", "FM Station Guide", "High Quality A2DP", "Sidetone", "Hushguard™")"},
    {"0x5623", "below 1.1", kOption3, "see 0x5710 | below 1.2"},
    {"0x5623", "1.1 up to below 2.0", kOption3, R"("Audio Boost", "VOX Phone", "VOX Intercom", "HD Intercom", "VOX Sensitivity", "Voice Prompt", "High Quality A2DP", "Sidetone", "Hushguard™")"},
    {"0x5623", "2.0 and later", kOption3, R"("Audio Boost", "VOX Phone", "VOX Intercom", "Dualstream™", "Audio Source Priority" (dependant), "HD Voice" (dependant), "HD Intercom" (dependant), "VOX Sensitivity", "Voice Prompt", "Sidetone", "Hushguard™")"},
    {"0x5622, 0x5624", "below 1.1", kOption3, R"("Audio Boost", "Smart Volume Control", "VOX Phone", "VOX Intercom", "HD Intercom", "Voice Prompt", "High Quality A2DP", "Hushguard™")"},
    {"0x5622, 0x5624", "1.1 up to below 2.0", kOption3, R"("Audio Boost", "Smart Volume Control", "VOX Phone", "VOX Intercom", "HD Intercom", "VOX Sensitivity", "Voice Prompt", "High Quality A2DP", "Hushguard™")"},
    {"0x5622", "2.0 and later", kOption3, R"("Audio Boost", "Smart Volume Control", "VOX Phone", "VOX Intercom", "Dualstream™", "Audio Source Priority" (dependant), "HD Voice" (dependant), "HD Intercom" (dependant), "VOX Sensitivity", "Voice Prompt", "FM Station Guide", "Hushguard™")"},
    {"0x5624", "2.0 and later", kOption3, R"("Audio Boost", "Smart Volume Control", "VOX Phone", "VOX Intercom", "Audio Source Priority" (dependant), "HD Voice" (dependant), "HD Intercom" (dependant), "VOX Sensitivity", "Voice Prompt", "Hushguard™")"},
    {"0x5524", "below 1.1", kOption3, R"("Audio Boost", "Voice Prompt", "High Quality A2DP", "Hushguard™")"},
    {"0x5524", "1.1 up to below 2.0", kOption3, R"("Audio Boost", "Voice Prompt", "FM Station Guide", "High Quality A2DP", "Hushguard™")"},
    {"0x5524", "2.0 and later", kOption3, R"("Audio Boost", "Dualstream™", "Audio Source Priority" (dependant), "HD Voice" (dependant), "Voice Prompt", "FM Station Guide", "Hushguard™")"},
    {"0x5536, 0x5522", "any", kOption3, "see 0x5524 | 1.1 up to below 2.0"},
    {"0x3030, 0x3050, 0x3060, 0x3040", "any", kOption3, R"("Voice Prompt", "FM Station Guide", "Hushguard™")"},

    // 0x6210, 0x6400, 0x59xx, 0x5560, 0x54xx, 0x60xx.
    {"0x6210", "below 2.0", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "FM Station Guide", 6 "High Quality A2DP", 7 "Hushguard™")"},
    {"0x6210", "2.0 and later", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "Voice Prompt", 8 "FM Station Guide", 9 "Hushguard™")"},
    {"0x6400", "any", kOption3, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Dualstream™", 4 "Audio Source Priority" (needs Dualstream off), 5 "HD Voice" (needs Dualstream off), 6 "HD Intercom" (needs Dualstream off), 7 "VOX Sensitivity", 8 "Voice Prompt", 9 "FM Station Guide", 10 "Hushguard™")"},
    {"0x5910, 0x5920", "below 1.1", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™")"},
    {"0x5910, 0x5920", "1.1 and later", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "FM Station Guide", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™")"},
    {"0x5560", "any", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "Layertone™", 4 "HD Voice" (needs Layertone off), 5 "VOX Sensitivity", 6 "Voice Prompt", 7 "Sidetone")"},
    {"0x5410", "below 1.1", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "Layertone™", 4 "VOX Sensitivity", 5 "Voice Prompt", 6 "Sidetone")"},
    {"0x5410", "1.1 to below 2.0", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "Layertone™", 4 "HD Voice" (needs Layertone off), 5 "VOX Sensitivity", 6 "Voice Prompt", 7 "Sidetone")"},
    {"0x5410", "2.0 and later", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "VOX Intercom", 4 "Layertone™", 5 "Audio Source Priority" (needs Layertone off), 6 "HD Voice" (needs Layertone off), 7 "HD Intercom" (needs Layertone off), 8 "VOX Sensitivity", 9 "Voice Prompt", 10 "Sidetone", 11 "Hushguard™")"},
    {"0x5412, 0x5414", "below 1.1", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "VOX Intercom", 4 "Layertone™", 5 "Audio Source Priority" (needs Layertone off), 6 "HD Intercom" (needs Layertone off), 7 "VOX Sensitivity", 8 "Voice Prompt", 9 "FM Station Guide", 10 "Sidetone", 11 "Hushguard™")"},
    {"0x5412, 0x5414", "1.1 and later", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "VOX Intercom", 4 "Layertone™", 5 "Audio Source Priority" (needs Layertone off), 6 "HD Voice" (needs Layertone off), 7 "HD Intercom" (needs Layertone off), 8 "VOX Sensitivity", 9 "Voice Prompt", 10 "FM Station Guide", 11 "Sidetone", 12 "Hushguard™")"},
    {"0x5420", "any", kOption, "see 0x5412, 0x5414 | 1.1 and later"},
    {"0x5418", "any", kOption, "see 0x5412, 0x5414 | 1.1 and later"},
    {"0x5416", "below 1.1", kOption, R"(0 "Audio Boost", 1 "Smart Volume Control", 2 "VOX Phone", 3 "VOX Intercom", 4 "Audio Source Priority", 5 "HD Intercom", 6 "VOX Sensitivity", 7 "Voice Prompt", 8 "FM Station Guide", 9 "Sidetone", 10 "Hushguard™")"},
    {"0x5416", "1.1 and later", kOption, "see 0x5412, 0x5414 | below 1.1"},
    {"0x6010, 0x6012", "below 1.2", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "VOX Sensitivity", 5 "Voice Prompt", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™", 9 "ESS STATUS", 10 "ESS Sensitivity")"},
    {"0x6010, 0x6012", "1.2 and later", kOption, R"(0 "Routecue", 1 "Audio Boost", 2 "VOX Phone", 3 "VOX Intercom", 4 "HD Intercom", 5 "VOX Sensitivity", 6 "Voice Prompt", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™", 10 "ESS STATUS", 11 "ESS Sensitivity")"},
    {"0x6014, 0x6016", "below 1.2", kOption, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "VOX Sensitivity", 5 "Voice Prompt", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™")"},
    {"0x6014, 0x6016", "1.2 and later", kOption, R"(0 "Routecue", 1 "Audio Boost", 2 "VOX Phone", 3 "VOX Intercom", 4 "HD Intercom", 5 "VOX Sensitivity", 6 "Voice Prompt", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™")"},
    {"0x6026", "any", kOption, "see 0x6014, 0x6016 | 1.2 and later"},
    {"0x6018", "below 1.1", kOption, "see 0x6014, 0x6016 | below 1.2"},
    {"0x6018", "1.1 and later", kOption, "see 0x6014, 0x6016 | 1.2 and later"},
    {"0x6020, 0x6022, 0x6024", "any", kOption, R"(0 "Routecue", 1 "VOX Phone", 2 "VOX Sensitivity", 3 "Voice Prompt", 4 "Sidetone", 5 "Hushguard™")"},
};

// Lists A to E of the 0x31xx models, as their description gives them.
const ExpectedLine kBitWordLists[] = {
    {"list A", "", kBit, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "HD Intercom", 4 "Voice Prompt", 5 "High Quality A2DP", 6 "Sidetone", 7 "Hushguard™", 8 "FM Station Guide", 9 "Guest Mode", 10 "VOX Sensitivity", 11 "Smart Volume Control", 12 "Layertone Volume Management", 13 "Intercom-Layertone Sensitivity", 14 "Voice Command")"},
    {"list B", "", kBit, R"(0 "Audio Boost", 1 "VOX Phone", 2 "VOX Intercom", 3 "Bluetooth Intercom Dualstream™", 4 "HD Intercom" (dependant), 5 "Voice Prompt", 6 "High Quality A2DP", 7 "Sidetone", 8 "Hushguard™", 9 "FM Station Guide", 10 "Guest Mode", 11 "VOX Sensitivity", 12 "Smart Volume Control", 13 "Layertone Volume Management", 14 "Intercom-Layertone Sensitivity", 15 "Voice Command")"},
    {"list C", "", kBit, R"(0 "Unit Language", 1 "Audio Boost", 2 "VOX Phone", 3 "VOX Intercom", 4 "Bluetooth Intercom Dualstream™", 5 "HD Intercom" (dependant), 6 "Voice Prompt", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™", 10 "FM Station Guide", 11 "Guest Mode", 12 "VOX Sensitivity", 13 "Smart Volume Control", 14 "Layertone Volume Management", 15 "Intercom-Layertone Sensitivity", 16 "Voice Command")"},
    {"list D", "", kBit, R"(0 "Unit Language", 1 "Audio Boost", 2 "VOX Phone", 3 "VOX Intercom", 4 "Bluetooth Intercom Dualstream™", 5 "HD Intercom" (dependant), 6 "Voice Prompt", 7 "High Quality A2DP", 8 "Sidetone", 9 "Hushguard™", 10 "FM Station Guide", 11 "Guest Mode", 12 "VOX Sensitivity", 13 "Smart Volume Control", 14 "Layertone Volume Management", 15 "Intercom-Layertone Sensitivity", 16 "Voice Command", 17 "Channel Select")"},
    {"list E", "", kBit, R"(0 "Unit Language", 1 "Audio Boost", 2 "VOX Phone", 3 "HD Intercom", 4 "Voice Prompt", 5 "Hushguard™", 6 "FM Station Guide", 7 "VOX Sensitivity", 8 "Layertone Volume Management", 9 "Intercom-Layertone Sensitivity")"},
};

// What each family's rows read, from the families' own tables: a probe (a field or bit set on
// an otherwise empty record) and what the row shows under it. A check box shows the other
// option on the empty record; a drop-down shows the item given, and its items are listed.
struct FamilyRow {
    const char* family;
    const char* label;
    const char* probe;
    const char* shows;
    const char* items;
};

const FamilyRow kFamilyRows[] = {
    {kFlag,   "VOX Phone",                      "word 2 bit 15",  "Enable", nullptr},
    {kFlag,   "Sidetone",                       "word 2 bit 12",  "Enable", nullptr},
    {kFlag,   "Dualstream™",                    "word 2 bit 11",  "Enable", nullptr},
    {kFlag,   "Navigation App Support",         "word 2 bit 9",   "Enable", nullptr},
    {kFlag,   "Layertone Volume Management",    "word 2 bit 9",   "Enable", nullptr},
    {kFlag,   "Audio Boost",                    "word 2 bit 7",   "Enable", nullptr},
    {kFlag,   "HD Intercom",                    "word 2 bit 13",  "Enable", nullptr},
    {kFlag,   "Eight-way Intercom",             "word 2 bit 6",   "Enable", nullptr},
    {kFlag,   "Voice Prompt",                   "word 2 bit 10",  "Enable", nullptr},
    {kFlag,   "FM Station Guide",               "word 2 bit 5",   "Enable", nullptr},
    {kFlag,   "Hushguard™",                     "word 2 bit 8",   "Enable", nullptr},
    {kFlag,   "Voice Command",                  "word 2 bit 0",   "Enable", nullptr},
    {kFlag,   "Intercom-Layertone Sensitivity", "word 0 = 10",    "item 0", "Level 1|Level 2|Level 3|Level 4|Level 5|Level 6|Level 7|Level 8|Level 9|Level 10"},
    {kFlag,   "Motion Sensor Sensitivity",      "word 3 = 3",     "item 2", "Disable|Low|High"},
    {kFlag,   "Smart Volume Control",           "word 2 bit 2",   "item 2", "Disable|Low|Medium|High"},

    {kOption, "Audio Boost",                    "word 18 = 1",    "Disable", nullptr},
    {kOption, "VOX Phone",                      "m_voxPhone",     "Enable", nullptr},
    {kOption, "VOX Intercom",                   "m_voxIntercom",  "Enable", nullptr},
    {kOption, "HD Intercom",                    "word 19 = 1",    "Enable", nullptr},
    {kOption, "Voice Prompt",                   "m_voicePrompt",  "Disable", nullptr},
    {kOption, "FM Station Guide",               "word 20 = 1",    "Enable", nullptr},
    {kOption, "High Quality A2DP",              "m_highQualityA2dp", "Enable", nullptr},
    {kOption, "Sidetone",                       "m_sidetone",     "Enable", nullptr},
    {kOption, "Hushguard™",                     "m_hushguard",    "Disable", nullptr},
    {kOption, "Dualstream™",                    "word 23 = 1",    "Enable", nullptr},
    {kOption, "Layertone™",                     "word 23 = 1",    "Enable", nullptr},
    {kOption, "HD Voice",                       "word 21 = 1",    "Enable", nullptr},
    {kOption, "Routecue",                       "word 24 = 1",    "Enable", nullptr},
    {kOption, "Audio Source Priority",          "word 22 = 1",    "item 1", "Intercom|Music"},
    {kOption, "Smart Volume Control",           "word 16 = 3",    "item 3", "Disable|Low|Medium|High"},
    {kOption, "VOX Sensitivity",                "word 14 = 5",    "item 4", "Level 1|Level 2|Level 3|Level 4|Level 5"},
    {kOption, "ESS STATUS",                     "word 2 = 3",     "item 3", "ESS ON|Position Light + ESS ON|Fog Light + ESS ON|ESS OFF"},
    {kOption, "ESS Sensitivity",                "word 2 bit 2",   "item 0", "Low|Medium|High"},

    {kOption3, "VOX Sensitivity",               "word 14 = 3",    "item 2", "Low|Medium|High"},

    {kCamera, "Photo Mode",                     "word 10 bit 0",  "item 1", "Single Shot|Burst Shot"},
    {kCamera, "Video Mode (two items)",         "word 10 bit 1",  "item 1", "Video Mode|Timelapse Mode"},
    {kCamera, "Video Mode (three items)",       "word 12 = 128",  "item 2", "Video Mode|Timelapse Mode|Loop Recording Mode"},
    {kCamera, "Video Resolution",               "word 10 = 8",    "item 2", "1080p/30fps|720p/60fps|720p/30fps"},
    {kCamera, "Timelapse Interval",             "word 10 bit 4",  "item 1", "1 sec|10 secs"},
    {kCamera, "Video Tagging Interval",         "word 12 = 2",    "item 2", "1 min|3 mins|5 mins"},
    {kCamera, "Loop Recording Interval",        "word 12 = 8",    "item 2", "1 min|3 mins|5 mins"},
    {kCamera, "Video Microphone Gain",          "word 12 = 32",   "item 2", "Low|Medium|High"},
    {kCamera, "Date Caption",                   "word 10 bit 5",  "Enable", nullptr},
    {kCamera, "Speaker Sound Recording",        "word 10 bit 6",  "Enable", nullptr},
    {kCamera, "▶ Music",                        "word 10 bit 8",  "Enable", nullptr},
    {kCamera, "▶ FM Radio",                     "word 10 bit 9",  "Enable", nullptr},
    {kCamera, "▶ Intercom",                     "word 10 bit 10", "Enable", nullptr},
    {kCamera, "▶ Phone",                        "word 10 bit 11", "Enable", nullptr},
    {kCamera, "Auto Camera Sleep",              "word 10 bit 7",  "Enable", nullptr},

    {kBit,    "Audio Boost",                    "word 0 bit 10",  "Disable", nullptr},
    {kBit,    "VOX Phone",                      "word 0 bit 0",   "Enable", nullptr},
    {kBit,    "VOX Intercom",                   "word 0 bit 1",   "Enable", nullptr},
    {kBit,    "Voice Prompt",                   "word 0 bit 3",   "Disable", nullptr},
    {kBit,    "High Quality A2DP",              "word 0 bit 5",   "Enable", nullptr},
    {kBit,    "Sidetone",                       "word 0 bit 8",   "Enable", nullptr},
    {kBit,    "Hushguard™",                     "word 0 bit 9",   "Disable", nullptr},
    {kBit,    "HD Intercom",                    "word 0 bit 11",  "Enable", nullptr},
    {kBit,    "FM Station Guide",               "word 0 bit 12",  "Enable", nullptr},
    {kBit,    "Guest Mode",                     "word 0 bit 15",  "Enable", nullptr},
    {kBit,    "Layertone Volume Management",    "word 1 bit 6",   "Enable", nullptr},
    {kBit,    "Voice Command",                  "word 1 bit 10",  "Enable", nullptr},
    {kBit,    "Bluetooth Intercom Dualstream™", "word 1 bit 11",  "Enable", nullptr},
    {kBit,    "VOX Sensitivity",                "word 1 = 5",     "item 4", "Level 1|Level 2|Level 3|Level 4|Level 5"},
    {kBit,    "Smart Volume Control",           "word 1 = 24",    "item 3", "Disable|Low|Medium|High"},
    {kBit,    "Intercom-Layertone Sensitivity", "word 1 = 640",   "item 4", "Level 1|Level 2|Level 3|Level 4|Level 5"},
    {kBit,    "Unit Language",                  "word 3 = 10",    "item 10", "English|French|Spanish|Italian|German|Dutch|Russian|Chinese|Korean|Japanese|Finnish"},
    {kBit,    "Channel Select",                 "word 3 = 320",   "item 5", "CH 0 (Common)|CH 1|CH 2|CH 3|CH 4|CH 5"},
};

// The classic models: no rows at any firmware.
const int kClassicIds[] = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050, 0x4D75, 0x5011,
    0x5020, 0x5070, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35,
    0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010, 0x5210,
};

// Inside every range, at every threshold (1.1, 1.2, 1.3, 1.4, 1.5, 2.0, 2.1, 2.2, 3.0) and just
// below it, and with minors of 10, which count as later than 5.
const int kProbeVersions[][2] = {
    {0, 0}, {0, 10}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 9}, {1, 10}, {1, 99},
    {2, 0}, {2, 1}, {2, 2}, {2, 9}, {2, 10}, {2, 99}, {3, 0}, {3, 10}, {9, 9},
};
// clang-format on

// --- Reading the expected table ------------------------------------------------------------

struct Version {
    int major;
    int minor;
};

bool Older(Version a, Version b)
{
    return a.major != b.major ? a.major < b.major : a.minor < b.minor;
}

Version ParseVersion(const std::string& text)
{
    Version v{0, 0};
    std::sscanf(text.c_str(), "%d.%d", &v.major, &v.minor);
    return v;
}

// The firmware range a line names, as [from, to); to is open when below is false.
struct Range {
    Version from{0, 0};
    bool bounded = false;
    Version below{0, 0};
    bool Contains(Version v) const { return !Older(v, from) && (!bounded || Older(v, below)); }
};

Range ParseRange(const std::string& text)
{
    static const std::regex below(R"(below (\d+\.\d+))");
    static const std::regex between(R"((\d+\.\d+) (?:up )?to below (\d+\.\d+))");
    static const std::regex later(R"((\d+\.\d+) and later)");
    Range r;
    std::smatch m;
    if (text == "any")
        return r;
    if (std::regex_match(text, m, below)) {
        r.bounded = true;
        r.below = ParseVersion(m[1]);
    } else if (std::regex_match(text, m, between)) {
        r.from = ParseVersion(m[1]);
        r.bounded = true;
        r.below = ParseVersion(m[2]);
    } else if (std::regex_match(text, m, later)) {
        r.from = ParseVersion(m[1]);
    } else {
        ADD_FAILURE() << "unreadable firmware range: " << text;
    }
    return r;
}

std::vector<int> ParseProducts(const std::string& text)
{
    std::vector<int> ids;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ','))
        ids.push_back(std::stoi(part, nullptr, 16));
    return ids;
}

bool Names(const ExpectedLine& line, int productId)
{
    const std::vector<int> ids = ParseProducts(line.products);
    return std::find(ids.begin(), ids.end(), productId) != ids.end();
}

// The rows of a line, references followed, row numbers dropped and the marks in one wording
// for each rule: which master a dependant follows is what the test compares.
std::string ExpectedRows(const ExpectedLine& line)
{
    std::string rows = line.rows;
    if (rows.rfind("see list ", 0) == 0) {
        for (const ExpectedLine& list : kBitWordLists) {
            if (rows.substr(4) == list.products)
                return ExpectedRows(list);
        }
        ADD_FAILURE() << "no " << rows;
        return rows;
    }
    if (rows.rfind("see ", 0) == 0) {
        const std::size_t bar = rows.find(" | ");
        const std::string products = rows.substr(4, bar - 4);
        const std::string firmware = rows.substr(bar + 3);
        for (const ExpectedLine& other : kExpected) {
            if (products == other.products && firmware == other.firmware)
                return ExpectedRows(other);
        }
        ADD_FAILURE() << "no line " << rows;
        return rows;
    }
    rows = std::regex_replace(rows, std::regex(R"((^|, )\d+ ")"), "$1\"");
    rows = std::regex_replace(rows, std::regex(R"(\(needs Layertone off\))"), "(needs Dualstream off)");
    const char* dependant =
        std::string(line.family) == kBit ? "(needs Bluetooth Intercom Dualstream™ off)" : "(needs Dualstream off)";
    rows = std::regex_replace(rows, std::regex(R"(\(dependant\))"), dependant);
    return rows;
}

// --- Rendering a built grid in the same words ------------------------------------------------

std::string Utf8(const std::wstring& text)
{
    std::string out;
    for (wchar_t wc : text) {
        const unsigned c = static_cast<unsigned>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Items(const std::wstring& joined)
{
    std::string items = Utf8(joined);
    std::replace(items.begin(), items.end(), '\n', '|');
    return items;
}

DeviceConfig Record(Version v)
{
    return RecordAtFirmware(v.major, v.minor);
}

RecordingGrid Build(int productId, Version firmware, const char* probe = nullptr)
{
    const DeviceConfig live = Record(firmware);
    DeviceConfig working = Record(firmware);
    if (probe != nullptr)
        ApplyProbe(working, probe);
    RecordingGrid grid;
    BuildSettingsGrid(grid, productId, live, working, 0);
    return grid;
}

std::string Label(const RecordingGrid& grid, int row)
{
    std::string label = Utf8(grid.Item(row, kGridNameColumn));
    const RecordedCell* cell = grid.Cell(row, kGridValueColumn);
    if (label == "Video Mode" && cell != nullptr)
        label += std::count(cell->text.begin(), cell->text.end(), L'\n') == 1 ? " (two items)" : " (three items)";
    return label;
}

// The master a dependant follows: the one of the four master fields that flips its state.
std::string DependantMark(int productId, Version firmware, const RecordingGrid& plain, int row)
{
    const RecordedCell* cell = plain.Cell(row, kGridValueColumn);
    if (cell == nullptr || !cell->disabled)
        return "";
    struct Master {
        const char* probe;
        const char* mark;
    };
    const Master masters[] = {
        {"word 2 bit 11", "(needs Dualstream on)"},
        {"word 23 = 1", "(needs Dualstream off)"},
        {"word 1 bit 11", "(needs Bluetooth Intercom Dualstream™ off)"},
        {"word 10 bit 6", "(needs recording on)"},
    };
    std::string marks;
    for (const Master& master : masters) {
        const RecordingGrid probed = Build(productId, firmware, master.probe);
        const RecordedCell* other = probed.Cell(row, kGridValueColumn);
        if (other != nullptr && other->disabled && *other->disabled != *cell->disabled) {
            const bool onWhileSet = *cell->disabled != 0;
            if (std::string(master.mark).find(onWhileSet ? " on)" : " off)") == std::string::npos)
                return "(follows its master the wrong way)";
            marks += (marks.empty() ? "" : " ") + std::string(master.mark);
        }
    }
    return " " + (marks.empty() ? std::string("(greyed by nothing)") : marks);
}

std::string Render(int productId, Version firmware, const RecordingGrid& grid)
{
    std::string rows;
    for (int row = 0; row < grid.m_rowCount; ++row) {
        if (row > 0)
            rows += ", ";
        std::string label = Label(grid, row);
        if (label.rfind("Video Mode", 0) == 0)
            label = "\"Video Mode\"" + label.substr(10);
        else
            label = "\"" + label + "\"";
        rows += label + DependantMark(productId, firmware, grid, row);
    }
    return rows;
}

const FamilyRow* FindFamilyRow(std::string family, const std::string& label)
{
    for (;;) {
        for (const FamilyRow& row : kFamilyRows) {
            if (family == row.family && label == row.label)
                return &row;
        }
        if (family == kOption3 || family == kCamera)
            family = kOption;
        else
            return nullptr;
    }
}

// Every row reads its family's field the family's way.
void CheckFamily(const ExpectedLine& line, int productId, Version firmware, const RecordingGrid& plain)
{
    for (int row = 0; row < plain.m_rowCount; ++row) {
        const std::string label = Label(plain, row);
        SCOPED_TRACE(label);
        const FamilyRow* expected = FindFamilyRow(line.family, label);
        const RecordedCell* cell = plain.Cell(row, kGridValueColumn);
        if (expected == nullptr || cell == nullptr) {
            ADD_FAILURE() << "no " << line.family << " row named " << label;
            continue;
        }
        const RecordingGrid probed = Build(productId, firmware, expected->probe);
        const RecordedCell* after = probed.Cell(row, kGridValueColumn);
        ASSERT_NE(after, nullptr);
        if (expected->items == nullptr) {
            EXPECT_EQ(cell->cellClass, kCheckBoxCellClass);
            const std::wstring shown = std::string(expected->shows) == "Enable" ? L"0" : L"1";
            const std::wstring other = shown == L"0" ? L"1" : L"0";
            EXPECT_EQ(after->text, shown) << "under " << expected->probe;
            EXPECT_EQ(cell->text, other) << "on the empty record";
        } else {
            EXPECT_EQ(cell->cellClass, kComboBoxCellClass);
            EXPECT_EQ(Items(cell->text), expected->items);
            ASSERT_TRUE(after->curSel.has_value());
            EXPECT_EQ("item " + std::to_string(*after->curSel), expected->shows) << "under " << expected->probe;
        }
    }
}

std::vector<int> GridProductIds()
{
    std::vector<int> ids;
    for (const ExpectedLine& line : kExpected) {
        for (int id : ParseProducts(line.products)) {
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        }
    }
    return ids;
}

TEST(GridRowLists, ExpectedTableNamesSixtyTwoGridProducts)
{
    EXPECT_EQ(GridProductIds().size(), 62u);
}

TEST(GridRowLists, EveryGridProductAtEveryProbedFirmwareShowsItsLine)
{
    std::set<const ExpectedLine*> seen;
    std::map<std::pair<const GridRowList*, bool>, std::string> renders;
    for (int productId : GridProductIds()) {
        for (const auto& pair : kProbeVersions) {
            const Version firmware{pair[0], pair[1]};
            char where[64];
            std::snprintf(where, sizeof where, "product 0x%04X firmware %d.%d", productId, firmware.major,
                          firmware.minor);
            SCOPED_TRACE(where);
            const ExpectedLine* match = nullptr;
            for (const ExpectedLine& line : kExpected) {
                if (Names(line, productId) && ParseRange(line.firmware).Contains(firmware)) {
                    EXPECT_EQ(match, nullptr) << "two lines hold this firmware";
                    match = &line;
                }
            }
            ASSERT_NE(match, nullptr) << "no line holds this firmware";
            seen.insert(match);
            const RecordingGrid grid = Build(productId, firmware);
            // A list met again renders as before; only its first meeting is rendered and probed.
            const GridRowList* list = FindGridRowList(productId, Record(firmware));
            const auto key = std::make_pair(list, firmware.major >= 2);
            auto rendered = renders.find(key);
            if (rendered == renders.end()) {
                rendered = renders.emplace(key, Render(productId, firmware, grid)).first;
                CheckFamily(*match, productId, firmware, grid);
            }
            EXPECT_EQ(rendered->second, ExpectedRows(*match)) << match->products << ", " << match->firmware;
        }
    }
    EXPECT_EQ(seen.size(), sizeof(kExpected) / sizeof(kExpected[0])) << "a line no probed firmware reaches";
}

TEST(GridRowLists, ClassicAndUnknownProductsGetAnEmptyGrid)
{
    std::vector<int> ids(std::begin(kClassicIds), std::end(kClassicIds));
    ASSERT_EQ(ids.size(), 45u);
    ids.push_back(0x6028);
    for (int productId : ids) {
        for (const auto& pair : kProbeVersions) {
            const Version firmware{pair[0], pair[1]};
            RecordingGrid grid;
            // Rows of an earlier build are cleared first.
            BuildSettingsGrid(grid, 0x4210, Record(firmware), Record(firmware), 0);
            ASSERT_GT(grid.m_rowCount, 0);
            BuildSettingsGrid(grid, productId, Record(firmware), Record(firmware), 0);
            EXPECT_EQ(grid.m_rowCount, 0) << std::hex << productId;
            EXPECT_TRUE(grid.m_cells.empty());
        }
    }
}

TEST(GridRowLists, ChainNamesEveryProductOnceAndNoOther)
{
    std::vector<int> all;
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        const ProductIdList& products = kGridRowChain[i]->products;
        all.insert(all.end(), products.ids, products.ids + products.count);
    }
    std::vector<int> expected = GridProductIds();
    expected.insert(expected.end(), std::begin(kClassicIds), std::end(kClassicIds));
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "a product id stands in the chain twice";
    EXPECT_EQ(all, expected);
}

TEST(GridRowLists, RowNumbersCountFromZeroAndThresholdsAscend)
{
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        const GridRowGroup& group = *kGridRowChain[i];
        SCOPED_TRACE(group.name);
        ASSERT_LE(group.thresholdCount, kMaxGridThresholds);
        for (int t = 1; t < group.thresholdCount; ++t) {
            EXPECT_TRUE(Older({group.thresholds[t - 1].major, group.thresholds[t - 1].minor},
                              {group.thresholds[t].major, group.thresholds[t].minor}));
        }
        for (int r = 0; r <= group.thresholdCount; ++r) {
            const GridRange& range = group.ranges[r];
            ASSERT_NE(range.list, nullptr);
            EXPECT_EQ(range.onlyFor != 0, range.otherwise != nullptr);
            for (const GridRowList* list : {range.list, range.otherwise}) {
                if (list == nullptr)
                    continue;
                SCOPED_TRACE(list->name);
                for (int row = 0; row < list->count; ++row)
                    EXPECT_EQ(list->rows[row].number, row);
            }
        }
        for (int r = group.thresholdCount + 1; r <= kMaxGridThresholds; ++r)
            EXPECT_EQ(group.ranges[r].list, nullptr) << "a list no firmware reaches";
    }
}

} // namespace
