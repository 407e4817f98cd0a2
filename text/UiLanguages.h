#pragma once
// The 13 UI languages (0 English, 1 French, 2 German, 3 Italian, 4 Japanese,
// 5 Korean, 6 Spanish, 7 Dutch, 8 Russian, 9 Chinese, 10 Finnish, 11 Czech,
// 12 Polish), their names in each other, and the maps from a language name or
// code to the numbers the headset uses for its voice-prompt language.

#include <string>

// Name of `language` written in `displayLanguage`; either index outside 0..12
// reads the English row or column.
std::wstring GetLanguageNameIn(int language, int displayLanguage);

// English name of `language` ("English" for any index outside 0..12); the
// configuration file stores the language by this name.
std::wstring GetLanguageName(int language);

// UI language whose English name equals `name` regardless of letter case; when
// none does, -1 if `fallBackToEnglish` is 0, else 0.
int FindLanguageIndex(const std::wstring& name, int fallBackToEnglish);

// `name` (an English language name) written in `displayLanguage`; a name that
// is no English language name comes back unchanged.
std::wstring TranslateLanguageName(const std::wstring& name, int displayLanguage);

// Code number 1..10 of the two-letter code at the end of a firmware image's
// file name ("fr", "de", "it", "jp", "kr", "es", "dc", "rs", "cn", "fn"); 0 for
// anything else. Case-sensitive.
int VoicePromptLanguageFromCode(const std::wstring& code);

// Parameter byte of the headset's voice-prompt language command for a code
// number; 0 for anything outside 1..10.
int MapVoicePromptLanguageIndex(int codeNumber);

// Unit language number (the headset's own order: 0 English, 1 French,
// 2 Spanish, 3 Italian, 4 German, 5 Dutch, 6 Russian, 7 Chinese, 8 Korean,
// 9 Japanese, 10 Finnish) of an English language name; case-sensitive, 0 for
// anything else.
int VoicePromptLanguageFromName(const std::wstring& name);
