#pragma once
// Bitmap resource id of the recognised unit's picture in the header.

#include <vector>

// The product logo: the picture of every product that has none of its own.
constexpr int kProductLogoPictureId = 186;
// The product whose picture follows the unit's state.
constexpr int kStatePictureProduct = 0x4210;

// deviceState counts only for kStatePictureProduct (the state byte the unit
// reports; 0 when it did not answer).
int GetDevicePictureId(int productId, int deviceState);

// Every picture id the table can give, in ascending order, for the resource
// script and the picture maker to be checked against.
std::vector<int> DevicePictureIds();
