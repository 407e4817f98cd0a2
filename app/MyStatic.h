#pragma once
#include "afx/afxwin.h"

// Picture label that draws over the skin behind it (the recognised model's
// picture in the header): the background bitmap first, then the picture with
// the colour of its top-left pixel left out, so a rectangular product picture
// sits on the skin like a cut-out.
class CMyStatic : public CStatic {
public:
    // The skin under the control; the owner puts it in.
    CBitmap m_background;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
