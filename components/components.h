#pragma once

// Everything the pages are built from: appearance and palette, the custom-drawn views, the
// standard controls drawn in the Mac style, and the page-building helpers.

#include "components/accessibility.h"
#include "components/appearance.h"
#include "components/button_base.h"
#include "components/drop_zone_view.h"
#include "components/focus_ring.h"
#include "components/fonts.h"
#include "components/frame.h"
#include "components/image_view.h"
#include "components/label.h"
#include "components/log_view.h"
#include "components/overlay_scroll_bar.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
