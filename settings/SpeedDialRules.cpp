#include "settings/SpeedDialRules.h"

#include <algorithm>

namespace {

const std::wstring kAllowed = L"0123456789#*+";

int KeptBefore(const std::wstring& typed, int position)
{
    position = std::max(0, std::min(position, static_cast<int>(typed.size())));
    int kept = 0;
    for (int i = 0; i < position; ++i) {
        if (kAllowed.find(typed[static_cast<std::size_t>(i)]) != std::wstring::npos)
            ++kept;
    }
    return kept;
}

} // namespace

SpeedDialEdit KeepSpeedDialText(const std::wstring& typed, int selectionStart, int selectionEnd)
{
    SpeedDialEdit edit;
    for (wchar_t c : typed) {
        if (kAllowed.find(c) != std::wstring::npos)
            edit.text += c;
    }
    const int length = std::min(static_cast<int>(edit.text.size()), kSpeedDialMaxCharacters);
    edit.text.resize(static_cast<std::size_t>(length));
    edit.selectionStart = std::min(KeptBefore(typed, selectionStart), length);
    edit.selectionEnd = std::min(KeptBefore(typed, selectionEnd), length);
    return edit;
}
