#pragma once

// The dark variant of a page scheme (or the light variant of a dark one): every colour with its
// OKLCH lightness L turned into 1 - L, and the colours moved apart where that leaves a text
// colour with less contrast against the background than it had.

#include "colour/PageColors.h"

#include <QString>

// The variant of a scheme. Each text colour is held to the contrast level that it reaches
// against the background in the given scheme (AAA 7, AA 4.5, AA large 3, none for a colour
// that fails); no level of the variant is lower than the given scheme's.
//
// 1. Each colour, as OKLCH (L, C, H), becomes (1 - L, C, H), mapped into sRGB as
//    GamutMapToSrgb does and rounded to 8 bits.
// 2. When neither black nor white reaches the highest level held against the variant's
//    background (a background of middle luminance), the background's L moves away from 0.5 (down
//    when below 0.5, up otherwise) in steps of 0.001, C and H kept and mapped at each step,
//    until black or white reaches it.
// 3. Each text colour below its level against that background moves its L away from the
//    background's L in steps of 0.001, from its own 1 - L on (up when they are equal and the
//    background's L is below 0.5, down otherwise), C and H kept and mapped at each step, until
//    it reaches its level; if its L reaches 0 or 1 first, it becomes black or white, whichever
//    contrasts more with the background.
SchemeColors DarkVariant(const SchemeColors& light);

// Whether the variant is the darker of the two pages (its background no lighter than the
// scheme's): the dark variant of a light scheme. That of a dark scheme is the light one.
bool VariantIsDark(const SchemeColors& scheme, const SchemeColors& variant);

// What a screen reader and a check put before the variant's contrast lines: "Dark variant: ",
// or "Light variant: " for a dark scheme's.
QString VariantNamePrefix(const SchemeColors& scheme, const SchemeColors& variant);
