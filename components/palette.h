#pragma once

#include "components/appearance.h"

namespace vlmr {

// The installer's own palette. Each call builds a new colour; nothing is cached.

/// 1-point outlines: panels, key caps, pending stage pills.
DynColor LineColor();
/// The page background; the fill of a pending stage pill.
DynColor PageColor();
/// The accent: primary buttons, drop zone outline, active stage pill, borderless button tint.
DynColor TealColor();
/// Card fill: the cards of the pages, the file chip, key caps.
DynColor ChipColor();
/// Pale green-grey: the ready banner, the drop zone, done and active stage pills.
DynColor StatusColor();
/// "Ready" green: the dot of a satisfied status row, the glyph and name of a done stage.
DynColor GreenDotColor();

// The system colours, with the values the platform uses for them in light and dark.

/// Primary text (labelColor): black 85 % / white 85 %.
DynColor LabelColor();
/// Secondary text (secondaryLabelColor): black 50 % / white 55 %.
DynColor SecondaryLabelColor();
/// Tertiary text (tertiaryLabelColor): black 26 % / white 25 %.
DynColor TertiaryLabelColor();
/// Text on controls (controlTextColor): black 85 % / white 85 %.
DynColor ControlTextColor();
/// Text and fills of disabled controls (disabledControlTextColor): black 25 % / white 25 %.
DynColor DisabledControlTextColor();
/// Text of documents and logs (textColor): black / white.
DynColor TextColor();
/// Pure white in both appearances.
DynColor WhiteColor();
/// Pure black in both appearances.
DynColor BlackColor();
/// The system red (systemRedColor).
DynColor SystemRedColor();
/// Separator lines (separatorColor): black 10 % / white 10 %.
DynColor SeparatorColor();
/// The keyboard focus ring (keyboardFocusIndicatorColor).
DynColor FocusRingColor();
/// The background of selected text (selectedTextBackgroundColor).
DynColor SelectedTextBackgroundColor();

}  // namespace vlmr
