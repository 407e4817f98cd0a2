#pragma once
#include "shell/PageDialog.h"
#include "device/DeviceConfig.h"

class CMainDialog;

// What the three settings pages share: the working and defaults records, the
// page asked for on leaving, which the page's save and discard continue to,
// and the services the main window calls.
class CSettingsPageDialog : public CWaitCursorPage {
public:
    CSettingsPageDialog(UINT templateId, CWnd* parent, int pageNumber)
        : CWaitCursorPage(templateId, parent), m_pageNumber(pageNumber)
    {}

    // 5 basic, 6 FM radio, 7 speed dial.
    int PageNumber() const { return m_pageNumber; }

    // Working record := the main window's live record; the frame hides its
    // progress and marks this page's category as the one shown.
    virtual void EnterPage();
    // 1 when the working record differs from the live record in what this page edits.
    int IsModified() { return CompareSettings() != 0 ? 1 : 0; }
    virtual int CompareSettings() = 0;
    // Reverts the working record and continues to the page asked for, without asking again.
    void DiscardAndContinue();

    // Writing to the unit and the page's own controls come with the settings
    // pages themselves; until then these count their calls.
    virtual void WriteSettingsToDevice();
    virtual void FillPage();
    virtual void RefreshPage();

    // The page the user asked for when leaving this page; 0 while simply shown.
    int m_nextPage = 0;
    DeviceConfig m_config;
    DeviceConfig m_defaults;

    int m_writeCalls = 0;
    int m_writeNextPage = 0; // m_nextPage when the last write was asked for
    int m_fillCalls = 0;
    int m_refreshCalls = 0;

protected:
    // The basic page shows the wait cursor itself; over the FM radio and speed
    // dial pages the main window's shows.
    bool ShowsWaitCursor() const override { return m_pageNumber == 5; }
    CMainDialog* Main() const;
    // The UI language, held to the 13 rows of the text tables.
    int Language() const;
    // A click while the unit is busy or the grid's list is open changes nothing.
    bool Guarded() const;
    // Working record := source, then SAVE and the page follow it.
    void ReloadFrom(const DeviceConfig& source);
    // DEFAULT: the factory record, unless guarded.
    void OnDefault();
    // No busy guard: a failed save sends CANCEL while still busy, and its edits must go.
    void OnCancelEdits();

private:
    int m_pageNumber;
};
