#pragma once
// Test programs shorten the downloader's time-outs, deadline, redirect limit
// and memory cap; null restores the shipped bounds. Nothing in the shipped
// program calls this.

#include "link/DownloadBody.h"

void SetDownloadBoundsForTests(const DownloadBounds* bounds);
