#include "afx/afxext.h"

// Up-down controls are wholly inline; this file keeps the layer's one source per header.
