#include "text/ModelDisplayName.h"

// STAND-IN: the model catalogue is not part of the build yet; until it is, no
// product id has a name.
std::wstring ModelDisplayName(int productId)
{
    (void)productId;
    return std::wstring();
}
