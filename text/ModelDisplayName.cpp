#include "text/ModelDisplayName.h"

#include "device/ModelCatalogue.h"

std::wstring ModelDisplayName(int productId)
{
    return GetModelName(productId, 0);
}
