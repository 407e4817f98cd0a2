#include "device/ModelCatalogue.h"

#include <algorithm>
#include <vector>

#include "device/VersionCompare.h"
#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

const ModelNameRow kModelNames[] = {
    {0x2010, L"Zenta.S", L"Zenta-S"},
    {0x2011, L"Zenta.S2", L"Zenta.S2"},
    {0x2020, L"Zenta", L"Zenta"},
    {0x2030, L"Zenta2", L"Zenta2"},
    {0x2110, L"Mere Voice T", L"MVT"},
    {0x2210, L"Crestline", L"Crestline"},
    {0x2310, L"Quint404", L"Quint404"},
    {0x3010, L"Wireless Sound Kit", L"CK8"},
    {0x3020, L"LENSA", L"LENSA"},
    {0x3030, L"Delvo", L"Delvo"},
    {0x3040, L"Delvo Pro", L"Delvo_Pro"},
    {0x3050, L"Eskal", L"Eskal"},
    {0x3060, L"Eskal Pro", L"Eskal_Pro"},
    {0x3110, L"Gravik", L"Gravik"},
    {0x3112, L"Thump! Sound Gravik", L"IV_Gravik"},
    {0x3114, L"Thump! Sound P02", L"IV_Tarsel_M"},
    {0x3116, L"Tarsel EVO", L"Tarsel_EVO"},
    {0x3118, L"Grittel M", L"Grittel_M"},
    {0x3124, L"Eskal M", L"Eskal_M"},
    {0x3126, L"Fenlo", L"Fenlo"},
    {0x3500, L"+Weave", L"PlusWeave"},
    {0x4010, L"Unaro", L"Unaro"},
    {0x4020, L"Vel4", L"Vel4"},
    {0x4021, L"Quint", L"Quint"},
    {0x4030, L"Vel2", L"Vel2"},
    {0x4040, L"Frostcall", L"Frostcall"},
    {0x4110, L"AMPLO", L"AMPLO"},
    {0x4111, L"Thump Sound AMPLO", L"IV_AMPLO"},
    {0x4120, L"WQ8", L"WQ8"},
    {0x4210, L"Orvan", L"Orvan"},
    {0x4310, L"Tarsel", L"Tarsel"},
    {0x4330, L"Tarsel Pro", L"Tarsel_Pro"},
    {0x4350, L"Tarsel V", L"Tarsel_V"},
    {0x4410, L"Tarsel INC", L"Tarsel_INC"},
    {0x4430, L"Tarsel INCP", L"Tarsel_INCP"},
    {0x4510, L"Flank Crest2", L"Flank"},
    {0x4530, L"Flank2", L"Flank2"},
    {0x4610, L"Helmora vQT", L"Helmora_vQT"},
    {0x4D05, L"Vel6", L"Vel6"},
    {0x4D10, L"Vel8", L"Vel8"},
    {0x4D15, L"Vel6-FM", L"Vel6-FM"},
    {0x4D20, L"Vel8R", L"Vel8R"},
    {0x4D21, L"Omnisuit", L"Ostra_Vel8R"},
    {0x4D30, L"Vel8", L"Vel8"},
    {0x4D35, L"Vel6", L"Vel6"},
    {0x4D40, L"Vel8", L"Vel8"},
    {0x4D45, L"Vel6-FM", L"Vel6-FM"},
    {0x4D50, L"Vel8R", L"Vel8R"},
    {0x4D55, L"Vel6", L"Vel6"},
    {0x4D65, L"Vel6-FM", L"Vel6-FM"},
    {0x4D75, L"Vel6_Plexa", L"Vel6_Plexa"},
    {0x4D85, L"Vel6-BP", L"Vel6-BP"},
    {0x5010, L"Orn8", L"Orn8"},
    {0x5011, L"Thump Sound Orn8", L"IV_Orn8"},
    {0x5020, L"Orn8S", L"Orn8S"},
    {0x5030, L"Orn8H", L"Orn8H"},
    {0x5040, L"Orn8H-FM", L"Orn8H-FM"},
    {0x5050, L"Orn8H-FM", L"Orn8H-FM"},
    {0x5060, L"Orn8", L"Orn8"},
    {0x5061, L"Orn8", L"Orn8"},
    {0x5070, L"Orn8S", L"Orn8S"},
    {0x5080, L"Orn8H", L"Orn8H"},
    {0x5210, L"Kiv8", L"Kiv8"},
    {0x5310, L"Lun8", L"Lun8"},
    {0x5320, L"OpenLine for Ironvale", L"OpenLineIV"},
    {0x5330, L"OpenLine for Kaito Skyway", L"OpenLineKS"},
    {0x5345, L"QUIRK", L"QUIRK"},
    {0x5410, L"KN1", L"KN1"},
    {0x5412, L"KN2", L"KN2"},
    {0x5414, L"KN4", L"KN4"},
    {0x5416, L"QRE-01", L"QRE_01"},
    {0x5418, L"KNR", L"KNR"},
    {0x5420, L"Velto Arca", L"Velto_Arca"},
    {0x5510, L"Zimbo", L"Zimbo"},
    {0x5520, L"Jarret", L"Jarret"},
    {0x5522, L"Thump! Sound P01 Jarret", L"IV_Hussar"},
    {0x5524, L"Hussar", L"Hussar"},
    {0x5526, L"Tarsel Lite", L"Tarsel_Lite"},
    {0x5530, L"Lutra", L"Lutra"},
    {0x5532, L"Thump! Sound Lutra", L"IV_Lutra"},
    {0x5536, L"Hussar Lite", L"Hussar_Lite"},
    {0x5550, L"Feral", L"Feral"},
    {0x5560, L"Alpine Helmet", L"ALPINE_HELMET"},
    {0x5570, L"Zimbo EVO", L"Zimbo_EVO"},
    {0x5580, L"Zimbo Pro", L"Zimbo_Pro"},
    {0x5610, L"Yelda Aero-X", L"Yelda_Aero-X"},
    {0x5611, L"Yelda Crest", L"Yelda_Crest"},
    {0x5612, L"Yelda Jet-Glide", L"Yelda_Jet-Glide"},
    {0x5620, L"Yelda Q5/Q5Pro", L"Yelda_Q5_Q5Pro"},
    {0x5621, L"Yelda Kasco", L"Yelda_Kasco"},
    {0x5622, L"WZ1A", L"WZ1A"},
    {0x5623, L"WZYelda", L"WZYelda"},
    {0x5624, L"WZ1S", L"WZ1S"},
    {0x5710, L"Grittel", L"Grittel"},
    {0x5720, L"Grittel Lite", L"Grittel_Lite"},
    {0x5910, L"Brannor Vela", L"BrannorVela"},
    {0x5920, L"Borealis Catapult", L"BorealisCatapult"},
    {0x6010, L"Tamsu", L"Tamsu"},
    {0x6012, L"A802LR", L"Abra7L"},
    {0x6014, L"A802R", L"Abra7"},
    {0x6016, L"A802K", L"AbraX7"},
    {0x6018, L"A802S", L"Abra4"},
    {0x6020, L"A702R", L"A702_R"},
    {0x6022, L"A702S", L"A702_S"},
    {0x6024, L"A702X", L"A702_X"},
    {0x6026, L"A802X", L"A802X"},
    {0x6110, L"Krana KW-3", L"Krana_KW-3"},
    {0x6111, L"Mosca KW3-PRO", L"Krana_KW3-PRO"},
    {0x6120, L"Parlo", L"Parlo"},
    {0x6121, L"Parlo-K3", L"Parlo2"},
    {0x6210, L"Yeldapad", L"Yeldapad"},
    {0x6400, L"WZ1M", L"WZ1M"},
    {0x6420, L"Vista Run", L"VistaRun"},
    {0x6430, L"Chepa", L"Chepa"},
};

const ModelNameRow* FindModelNameRow(int productId)
{
    for (const ModelNameRow& row : kModelNames) {
        if (row.productId == productId) {
            return &row;
        }
    }
    return nullptr;
}

bool Contains(const std::vector<int>& ids, int productId)
{
    return std::find(ids.begin(), ids.end(), productId) != ids.end();
}

enum class SpeedDialRule { None, Always, NewerThan, Alone };
enum class FmRadioRule { None, Always, ForProducts };

struct CategoryRule
{
    std::vector<int> products;
    SpeedDialRule speedDial;
    int newerThanMajor;
    int newerThanMinor;
    FmRadioRule fmRadio;
    std::vector<int> fmProducts;
};

// First matching rule wins; a product no rule names gets an empty list.
const std::vector<CategoryRule>& CategoryRules()
{
    static const std::vector<CategoryRule> rules = {
        // speed dial from firmware 4.3; FM on the FM variants whatever the firmware
        {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070, 0x5030,
          0x5080, 0x5040, 0x5050},
         SpeedDialRule::NewerThan, 4, 2, FmRadioRule::ForProducts, {0x5040, 0x5050}},
        // speed dial
        {{0x4D75, 0x5011, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4120, 0x6420, 0x6430},
         SpeedDialRule::Always, 0, 0, FmRadioRule::None, {}},
        // speed dial alone
        {{0x4111}, SpeedDialRule::Alone, 0, 0, FmRadioRule::None, {}},
        // speed dial from firmware 1.3; FM on the FM variants whatever the firmware
        {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65},
         SpeedDialRule::NewerThan, 1, 2, FmRadioRule::ForProducts, {0x4D15, 0x4D45, 0x4D65}},
        // speed dial and FM
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x4D85, 0x4210, 0x4310, 0x4350, 0x4330, 0x4510,
          0x4530, 0x4610, 0x2030, 0x4410, 0x4430, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526, 0x5720,
          0x5530, 0x5532, 0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114, 0x5710,
          0x5623, 0x5622, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040, 0x6210, 0x6400,
          0x5910, 0x5920, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416, 0x6010, 0x6018, 0x6012, 0x6014,
          0x6016, 0x6026},
         SpeedDialRule::Always, 0, 0, FmRadioRule::Always, {}},
        // speed dial, no FM
        {{0x6020, 0x6022, 0x6024, 0x5560, 0x5410}, SpeedDialRule::Always, 0, 0, FmRadioRule::None, {}},
        // basic settings alone
        {{0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010, 0x5624, 0x4040,
          0x5210, 0x3010, 0x3020},
         SpeedDialRule::None, 0, 0, FmRadioRule::None, {}},
    };
    return rules;
}

struct TargetVariant
{
    int target;
    std::vector<int> alsoAccepted;
};

const std::vector<TargetVariant>& TargetVariants()
{
    static const std::vector<TargetVariant> variants = {
        {0x4D05, {0x4D35, 0x4D55}},
        {0x4D15, {0x4D45, 0x4D65}},
        {0x5040, {0x5050}},
        {0x4D10, {0x4D30, 0x4D40}},
        {0x4D20, {0x4D50}},
        {0x5010, {0x5060, 0x5061}},
        {0x5020, {0x5070}},
        {0x5030, {0x5080}},
    };
    return variants;
}

} // namespace

ModelNameTableView ModelNameTable()
{
    return {kModelNames, sizeof(kModelNames) / sizeof(kModelNames[0])};
}

std::wstring GetModelName(int productId, int fileForm)
{
    const ModelNameRow* row = FindModelNameRow(productId);
    if (row == nullptr) {
        return std::wstring();
    }
    return fileForm != 0 ? row->fileName : row->displayName;
}

bool IsCatalogueProduct(int productId)
{
    return FindModelNameRow(productId) != nullptr;
}

void ClearSettingsPageList(int& count, int (&kinds)[kSettingsPageSlots], int& selected)
{
    count = 0;
    for (int& kind : kinds) {
        kind = 0;
    }
    selected = 0;
}

void BuildSettingsPageList(int productId, int firmwareMajor, int firmwareMinor,
                           int& count, int (&kinds)[kSettingsPageSlots], int& selected)
{
    ClearSettingsPageList(count, kinds, selected);

    for (const CategoryRule& rule : CategoryRules()) {
        if (!Contains(rule.products, productId)) {
            continue;
        }
        count = 1;
        kinds[0] = kSettingsCategoryBasic;
        auto add = [&](int category) { kinds[count++] = category; };

        switch (rule.speedDial) {
        case SpeedDialRule::None:
            break;
        case SpeedDialRule::Always:
            add(kSettingsCategorySpeedDial);
            break;
        case SpeedDialRule::NewerThan:
            if (CompareVersion2(firmwareMajor, firmwareMinor, rule.newerThanMajor, rule.newerThanMinor) > 0) {
                add(kSettingsCategorySpeedDial);
            }
            break;
        case SpeedDialRule::Alone:
            kinds[0] = kSettingsCategorySpeedDial;
            break;
        }
        if (rule.fmRadio == FmRadioRule::Always ||
            (rule.fmRadio == FmRadioRule::ForProducts && Contains(rule.fmProducts, productId))) {
            add(kSettingsCategoryFmRadio);
        }
        return;
    }
}


int RadioTransmitGainIndex(int gain)
{
    if (gain == kRadioTransmitGainSteps[0]) {
        return 0;
    }
    if (gain == kRadioTransmitGainSteps[2]) {
        return 2;
    }
    return 1;
}

int IsTargetDevice(int targetProductId, int foundProductId)
{
    if (foundProductId == targetProductId) {
        return 1;
    }
    for (const TargetVariant& variant : TargetVariants()) {
        if (variant.target == targetProductId) {
            return Contains(variant.alsoAccepted, foundProductId) ? 1 : 0;
        }
    }
    return 0;
}
