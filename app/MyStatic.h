#pragma once
#include "afx/afxwin.h"

// Picture label that draws over the skin behind it (the recognised model's
// picture in the header).
class CMyStatic : public CStatic {
public:
    // The skin under the control, captured at its first painting.
    CBitmap m_background;
};
