#pragma once

// Texts for people are defined in English where their rule lives, in the
// Qt-free layers as in the window. Those defined below the window are marked
// here, with the context of their rule, so that the translation tools find
// them; the window translates them where it shows them. The installer log and
// the command line use them as they stand, in English.

/// Marks `text` as a text for people to translate under `context`; it stays
/// `text`. lupdate reads it as QT_TRANSLATE_NOOP.
#define VLMR_TRANSLATABLE(context, text) text

/// As VLMR_TRANSLATABLE, for a text with a count ("%n") that takes the plural
/// forms of the language it is shown in. lupdate reads it as QT_TRANSLATE_N_NOOP.
#define VLMR_TRANSLATABLE_N(context, text) text
