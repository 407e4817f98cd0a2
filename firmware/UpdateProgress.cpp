#include "firmware/UpdateProgress.h"

#include <algorithm>
#include <cstddef>

#include "device/DeviceProductLists.h"

namespace {

template <std::size_t N> constexpr ProductIdList List(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

const int kLegacyDfu[] = {0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4021, 0x4030, 0x4D05, 0x4D15,
                          0x4D35, 0x4D45, 0x4D55, 0x4D65, 0x4D85, 0x6420, 0x6430};
const int k5210[] = {0x5210};
const int k5310[] = {0x5310};
const int kCameraDfu[] = {0x3010, 0x3020};
const int kDualChannel[] = {0x2030, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610};
const int kLoader31[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126};
const int k56xx[] = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621};
const int kCamera300[] = {0x3060, 0x5510, 0x5570, 0x5580};
const int k220[] = {0x5520, 0x5526, 0x5560, 0x5720};
const int k240[] = {0x3030, 0x3040, 0x3050, 0x3500, 0x5320, 0x5330, 0x5522, 0x5524, 0x5530, 0x5532, 0x5536, 0x5550,
                    0x5622, 0x5623, 0x5624, 0x5710, 0x5910, 0x5920, 0x6210, 0x6400};
const int k250[] = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026};
const int k400[] = {0x6020, 0x6022, 0x6024};

struct BudgetRow {
    ProductIdList products;
    ProgressBudget budget;
};

const BudgetRow kBudgetRows[] = {
    {List(kLegacyDfu),   {20, 360, 20}},
    {List(k5210),        {15,  80, 15}},
    {List(k5310),        {20,  90, 20}},
    {List(kCameraDfu),   {15, 273, 20}},
    {List(kDualChannel), { 5, 245, 40}},
    {List(kLoader31),    { 5, 500, 65}},
    {List(k56xx),        { 5, 210, 10}},
    {List(kCamera300),   { 5, 300, 10}},
    {List(k220),         { 5, 220, 10}},
    {List(k240),         { 5, 240, 10}},
    {List(k250),         { 5, 250, 10}},
    {List(k400),         { 5, 400, 10}},
};
constexpr ProgressBudget kDefaultBudget = {20, 420, 20};

const int kDfuFinishHid[] = {0x3500, 0x5320, 0x5330, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x6010, 0x6012,
                             0x6014, 0x6016, 0x6018, 0x6026};
const int kHoldButton[] = {0x3030, 0x3040, 0x3050, 0x3060, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532,
                           0x5536, 0x5550, 0x5560, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622,
                           0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6210, 0x6400};
const int kTwoChip[] = {0x5345, 0x5346};
const int kPairingAdvice[] = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5011, 0x5020, 0x5060, 0x5061, 0x5070};
const int kCamera3020[] = {0x3020};
const int kCamera3010[] = {0x3010};

using TR = TransferRule;
using FR = FinishRule;
using BR = BackupFailedRule;
using CA = ClosingAdvice;

struct RulesRow {
    ProductIdList products;
    ProgressRules rules;
};

// Every model whose update runs on a worker thread waits for the user after a
// failed backup, the two-chip models too; the DFU road never reports one.
const RulesRow kRulesRows[] = {
    {List(kDualChannel),   {2, TR::kCountTo77,    FR::kCountTo98,  false, BR::kBackupPopup, CA::kNone}},
    {List(kLoader31),      {5, TR::kCountTo97,    FR::kHoldFinish, false, BR::kBackupPopup, CA::kNone}},
    {List(kDfuFinishHid),  {5, TR::kCountTo77,    FR::kDfuFinish,  false, BR::kBackupPopup, CA::kNone}},
    {List(kHoldButton),    {5, TR::kHoldTransfer, FR::kHoldFinish, false, BR::kBackupPopup, CA::kNone}},
    {List(kTwoChip),       {5, TR::kTwoChip,      FR::kDfuFinish,  false, BR::kBackupPopup, CA::kNone}},
    {List(kPairingAdvice), {5, TR::kDfuTransfer,  FR::kDfuFinish,  false, BR::kNoChange,    CA::kPairing}},
    {List(k5310),          {5, TR::kDfuTransfer,  FR::kDfuFinish,  false, BR::kNoChange,    CA::kPowerCycle}},
    {List(kCamera3020),    {5, TR::kDfuTransfer,  FR::kDfuFinish,  true,  BR::kNoChange,    CA::kCameraSteps}},
    {List(kCamera3010),    {5, TR::kDfuTransfer,  FR::kDfuFinish,  true,  BR::kNoChange,    CA::kNone}},
};
constexpr ProgressRules kDefaultRules = {5, TR::kDfuTransfer, FR::kDfuFinish, false, BR::kNoChange, CA::kNone};

// clang-format on

constexpr int kTwoChipProduct = 0x5310;
constexpr int kSecondEngine = 2;
// The first transfer tick and two further finishing ticks of the camera models.
constexpr int kDelayedTransferTicks = 1;
constexpr int kDelayedFinishTicks = 3;
constexpr int kWaitAtCapTicks = 10;

int Percent(int ticks, int budget)
{
    return budget > 0 ? ticks * 100 / budget : 0;
}

// Advances the phase, or for the delayed models the delay counter first.
void CountPhase(const ProgressRules& rules, ProgressCounters& counters, int delayTicks, int cap)
{
    if (rules.delayedCount && counters.cameraDelay < delayTicks)
        ++counters.cameraDelay;
    else
        ++counters.phaseTicks;
    counters.phaseTicks = std::min(counters.phaseTicks, cap);
}

void CountTo98(const ProgressBudget& budget, ProgressCounters& counters)
{
    counters.phaseTicks = std::max(counters.phaseTicks + 1, budget.transfer);
    counters.phaseTicks = std::min(counters.phaseTicks, budget.transfer + budget.finish);
    counters.progress = std::min(Percent(counters.phaseTicks, budget.transfer + budget.finish) + 2, 98);
}

unsigned StepTransfer(const ProgressTickInput& input, const ProgressRules& rules, const ProgressBudget& budget,
                      ProgressCounters& counters)
{
    const int transferAndFinish = budget.transfer + budget.finish;
    switch (rules.transfer) {
    case TransferRule::kCountTo77:
    case TransferRule::kCountTo97: {
        const int cap = rules.transfer == TransferRule::kCountTo77 ? 77 : 97;
        counters.phaseTicks = std::min(counters.phaseTicks + 1, budget.transfer);
        counters.progress = std::min(Percent(counters.phaseTicks, transferAndFinish) + 2, cap);
        return 0;
    }
    case TransferRule::kHoldTransfer:
        if (input.holdButtonFlag)
            return input.popupOpen ? 0u : static_cast<unsigned>(kProgressShowHoldPopup);
        counters.phaseTicks = std::min(counters.phaseTicks + 1, budget.transfer);
        counters.progress = Percent(counters.phaseTicks, transferAndFinish) + 2;
        return kProgressClosePopup;
    case TransferRule::kTwoChip:
        // Only the wait for the unit ends the job: the count stays below 100.
        counters.progress = std::min(counters.progress + 1, 98);
        if (counters.progress >= 50 && counters.progress <= 55 && input.secondChipDone == 0)
            return kProgressFailTwoChip;
        return 0;
    case TransferRule::kDfuTransfer:
        if (!input.popupOpen && input.timedProgress) {
            CountPhase(rules, counters, kDelayedTransferTicks, budget.transfer);
            counters.progress = std::min(Percent(counters.phaseTicks, transferAndFinish) + 15, 90);
            return 0;
        }
        ++counters.stallTicks;
        return counters.stallTicks > budget.transfer * 3 / 2 ? static_cast<unsigned>(kProgressClosePopup) : 0u;
    }
    return 0;
}

unsigned StepFinish(const ProgressTickInput& input, const ProgressRules& rules, const ProgressBudget& budget,
                    ProgressCounters& counters)
{
    switch (rules.finish) {
    case FinishRule::kCountTo98: CountTo98(budget, counters); return 0;
    case FinishRule::kHoldFinish:
        if (input.holdButtonFlag)
            return input.popupOpen ? 0u : static_cast<unsigned>(kProgressShowHoldPopup);
        CountTo98(budget, counters);
        return 0;
    case FinishRule::kDfuFinish:
        if (input.popupOpen) {
            ++counters.stallTicks;
            if (counters.stallTicks > budget.finish * 3 / 2) {
                counters.waitTicks = 0;
                return kProgressClosePopup;
            }
            return 0;
        }
        CountPhase(rules, counters, kDelayedFinishTicks, budget.finish);
        counters.progress = Percent(counters.phaseTicks, budget.finish) + 90;
        if (counters.progress > 98) {
            counters.progress = 98;
            ++counters.waitTicks;
            if (counters.waitTicks > kWaitAtCapTicks) {
                // The first chip's end is the second chip's start, which only
                // the wait for the unit makes: the job never ends here.
                if (input.modelCode == kTwoChipProduct && input.activeEngine != kSecondEngine)
                    return kProgressAwaitUnit;
                counters.progress = 100;
                return kProgressSucceed | kProgressClosePopup;
            }
        }
        return 0;
    }
    return 0;
}

} // namespace

ProgressBudget FindProgressBudget(int modelCode)
{
    for (const BudgetRow& row : kBudgetRows) {
        if (row.products.Contains(modelCode))
            return row.budget;
    }
    return kDefaultBudget;
}

ProgressRules FindProgressRules(int modelCode)
{
    for (const RulesRow& row : kRulesRows) {
        if (row.products.Contains(modelCode))
            return row.rules;
    }
    return kDefaultRules;
}

ProgressTickResult StepProgress(const ProgressTickInput& input, ProgressCounters& counters)
{
    ProgressTickResult result;
    if (counters.progress < 0)
        return result;
    const ProgressBudget budget = FindProgressBudget(input.modelCode);
    const ProgressRules rules = FindProgressRules(input.modelCode);
    switch (input.state) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4: counters.progress = 1; break;
    case 5:
        counters.progress = rules.checksPassedPercent;
        counters.stallTicks = 0;
        break;
    case 6:
        counters.cameraDelay = 0;
        if (!input.popupOpen) {
            counters.phaseTicks = std::min(counters.phaseTicks + 1, budget.restart);
            counters.progress =
                std::min(Percent(counters.phaseTicks, budget.restart + budget.transfer + budget.finish) + 5, 15);
        }
        break;
    case 7: result.actions = StepTransfer(input, rules, budget, counters); break;
    case 9: result.actions = StepFinish(input, rules, budget, counters); break;
    case 11:
        if (rules.backupFailed == BackupFailedRule::kBackupPopup && !input.popupOpen)
            result.actions = kProgressShowBackupPopup;
        break;
    default: break;
    }
    result.publish = true;
    result.shownProgress = counters.progress;
    if (input.modelCode == kTwoChipProduct && !(result.actions & kProgressSucceed))
        result.shownProgress = input.activeEngine == kSecondEngine ? 50 + counters.progress / 2 : counters.progress / 2;
    return result;
}

DeviceWaitStep StepDeviceWait(bool deviceReady, int& ticks)
{
    if (deviceReady)
        return DeviceWaitStep::kReady;
    ++ticks;
    return ticks >= kDeviceWaitTickLimit ? DeviceWaitStep::kGiveUp : DeviceWaitStep::kKeepWaiting;
}
