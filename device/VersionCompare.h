#pragma once
// Firmware version parsing and ordering. Kind 1 is a release candidate, kind 2
// a build number; every firmware threshold of the manager rests on these.

#include <string>

// major - major2 when the majors differ, else minor - minor2 (never overflows:
// the sign is what callers test, so a huge difference is clamped).
int CompareVersion2(int major, int minor, int major2, int minor2);

// CompareVersion2(a, b, d, e) when non-zero, else c - f.
int CompareVersion3(int a, int b, int c, int d, int e, int f);

// Below 0 when (a, b, c, d) is older than (e, f, g, h). At equal major.minor a
// release candidate ranks below the plain version and below any build. With
// kindFirst set (the camera 0x3020, whose kind and build are its leading
// numbers) kind and build are compared before major and minor.
int CompareVersion4(int a, int b, int c, int d, int e, int f, int g, int h, int kindFirst);

// "a.b": 1 on success. Both outputs are 0 on failure.
int ParseVersion2(const std::wstring& text, int& major, int& minor);

// "a.b.c.d": 1 on success. On failure the parts converted before the missing
// point keep their values, the rest are 0.
int ParseVersion4(const std::wstring& text, int& a, int& b, int& c, int& d);

// left minus right, clamped to the int range so the sign always survives.
int ClampedDifference(int left, int right);
