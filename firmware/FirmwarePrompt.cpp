#include "firmware/FirmwarePrompt.h"

// The first check after start offers newer firmware.
int g_firmwarePromptArmed = 1;
