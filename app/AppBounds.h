#pragma once
// The size bounds of the main window's own files, in one place.

#include <cstddef>

// The configuration file holds a handful of short lines (version, languages,
// model, the last folder); a file beyond this is not one, and is left unread
// rather than held in memory whole: the manager starts with its defaults.
constexpr std::size_t kConfigurationFileMaxBytes = 64u * 1024u;
