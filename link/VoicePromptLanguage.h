#pragma once
// Setting the unit's voice-prompt language over the command channel: the
// basic settings group is read, the language put into the low 5 bits of its
// fourth word, and the group written back. Portable: the frames are built
// without the channel, so their bytes are tested natively.

#include "link/HidChannel.h"

// The read of the basic settings group (1023 bytes).
void BuildVoicePromptReadRequest(unsigned char* request);

// The write request (1023 bytes) built from the unit's reply (67 bytes) to the
// read. False, with the request untouched, when the reply's word count is not
// 2 or 4. A 2-word group goes back as 4 words, its fourth word marked with
// bit 5 as carrying the language; the words between are copied as the unit
// sent them, in wire order.
bool BuildVoicePromptWriteRequest(const unsigned char* reply, int unitLanguage, unsigned char* request);

// The two exchanges; 1 when the unit took the language, 0 otherwise. The
// group is not stored afterwards.
int WriteUnitVoicePromptLanguage(HidHandle* channel, int unitLanguage);
