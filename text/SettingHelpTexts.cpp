#include "text/SettingHelpTexts.h"

#include "text/HelpTextTables.h"

const wchar_t* GetSupportAddress()
{
    // A reserved domain: no mail reaches a stranger while the real desk's address is not set.
    return L"support@quor.example";
}

const std::vector<HelpTextTable>& AllHelpTextTables()
{
    static const std::vector<HelpTextTable> tables = [] {
        std::vector<HelpTextTable> all;
        for (const auto& part : {AudioHelpTextTables(), IntercomHelpTextTables(), CameraHelpTextTables()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return tables;
}
