#pragma once

#include "base/message.h"

// Texts for people are defined in English where their rule lives, in the
// Qt-free layers as in the window. Those defined below the window are marked
// here, with the context of their rule, so that the translation tools find
// them; a `Message` made of one carries both to wherever it is shown. The
// installer log and the command line render it in English, the window in the
// player's language.

/// The text `text` to translate under `context`, as a `MessageText`. lupdate
/// reads it as QT_TRANSLATE_NOOP.
#define VLMR_TRANSLATABLE(context, text) (::vlmr::MessageText{context, text})

/// As VLMR_TRANSLATABLE, for a text with a count ("%n") that takes the plural
/// forms of the language it is shown in. lupdate reads it as QT_TRANSLATE_N_NOOP.
#define VLMR_TRANSLATABLE_N(context, text) (::vlmr::MessageText{context, text})
