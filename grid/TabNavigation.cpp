#include "grid/TabNavigation.h"

namespace {

bool IsDisabled(const CellDisabledTest& disabled, long long key)
{
    return key != kNoCellKey && disabled && disabled(static_cast<CellKey>(key));
}

TabStep PassOn()
{
    return TabStep{};
}

TabStep Activate(CellKey key, bool deactivateActive)
{
    TabStep step;
    step.handled = true;
    step.deactivateActive = deactivateActive;
    step.activate = key;
    return step;
}

} // namespace

long long SkipDisabledForward(const CellKeySet& keys, const CellDisabledTest& disabled, long long key)
{
    while (IsDisabled(disabled, key)) {
        if (key == keys.Last())
            break;
        key = keys.NextKey(static_cast<CellKey>(key));
    }
    return key;
}

long long SkipDisabledBackward(const CellKeySet& keys, const CellDisabledTest& disabled, long long key)
{
    while (IsDisabled(disabled, key)) {
        if (key == keys.First())
            break;
        key = keys.PreviousKey(static_cast<CellKey>(key));
    }
    return key;
}

TabStep StepTab(const CellKeySet& keys, const CellDisabledTest& disabled, TabState& state, long long activeKey,
                TabEvent event)
{
    if (event == TabEvent::KeyUp) {
        state.keyUpSeen = 1;
        return PassOn();
    }
    if (event == TabEvent::Other)
        return PassOn();

    // The first Tab, or a repeated one without a key-up between: navigation
    // counts as under way and the message is looked at again as such.
    if (!state.keyUpSeen) {
        state.keyUpSeen = 1;
        state.tabStarted = 1;
    }
    state.keyUpSeen = 0;

    const bool forward = event == TabEvent::Tab;
    if (keys.IsEmpty())
        return PassOn();
    const long long first = forward ? keys.First() : keys.Last();
    const long long last = forward ? keys.Last() : keys.First();
    auto skip = [&](long long key) {
        return forward ? SkipDisabledForward(keys, disabled, key) : SkipDisabledBackward(keys, disabled, key);
    };
    auto step = [&](CellKey key) { return forward ? keys.NextKey(key) : keys.PreviousKey(key); };

    if (!state.tabStarted) {
        state.tabStarted = 1;
        const long long target = skip(first);
        // Every cell disabled: there is nothing to step onto.
        if (IsDisabled(disabled, target)) {
            state.tabStarted = 0;
            return PassOn();
        }
        return Activate(static_cast<CellKey>(target), false);
    }
    if (activeKey != kNoCellKey && activeKey != last) {
        const long long target = skip(step(static_cast<CellKey>(activeKey)));
        if (target == kNoCellKey || IsDisabled(disabled, target)) {
            state.tabStarted = 0;
            return PassOn();
        }
        return Activate(static_cast<CellKey>(target), true);
    }
    state.tabStarted = 0;
    return PassOn();
}
