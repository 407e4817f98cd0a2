#pragma once
// The one place where the localised texts ask the model catalogue for a name.

#include <string>

// Display form of the model name of a product id; empty when the catalogue
// knows no model by that id.
std::wstring ModelDisplayName(int productId);
