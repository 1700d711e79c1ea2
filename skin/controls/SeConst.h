#pragma once
// Vocabulary shared by the custom-drawn controls and the skin engine: the
// skin messages, the drawing states of a control part and the 32-bit colour
// of the skin bitmaps.

#include <cstdint>

#include "platform/gdi/Graphics.h"
#include "platform/controls/Messages.h"

// Sent by the skin engine to every control of every form, with the engine in
// WParam and LParam: first "the skin is about to change", then "it changed".
constexpr Cardinal WMBeforeChange = 1703;
constexpr Cardinal WMSkinChange = 1702;
// Sent by a skin object to its control's parent window.
constexpr Cardinal WMInvalidateSkinObject = 2121;
constexpr Cardinal WMGetSkinForm = 2122;

// 0xAARRGGBB; ckTransparent marks a pixel that is not drawn.
using TKColor = std::uint32_t;
constexpr TKColor ckTransparent = 0x007F007F;

// The state a control part is drawn in; the skin objects draw each.
enum TSeState { kssNormal, kssHot, kssPressed, kssFocused, kssDisabled, kssChecked, kssCheckedHot, kssDefault };
