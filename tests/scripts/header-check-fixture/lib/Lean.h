#pragma once
// Light: the users take the heavier Base.h as their base, and this header is checked alone.
struct TBase;

int LeanValue(const TBase& base);
