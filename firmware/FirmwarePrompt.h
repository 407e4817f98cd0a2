#pragma once
// Whether the update page, once it has the server's firmware index, may offer
// newer firmware: 0 lets the first fetch only arm it (a re-check after a change
// of language offers nothing), any other value lets the prompt be shown.
extern int g_firmwarePromptArmed;
