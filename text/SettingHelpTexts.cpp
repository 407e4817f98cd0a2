#include "text/SettingHelpTexts.h"

#include "text/HelpTextTables.h"
#include "text/RecognitionTexts.h"

// The one support address, so the EDR help and the recognition boxes name the same desk.
const wchar_t* GetSupportAddress()
{
    return kSupportEmailAddress;
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
