// Every kind of control, for code that builds forms or renders them.
//
// A renderer walks a form's tree (Control::children), makes one widget per
// control by its kind(), reads the common properties (caption, visible,
// enabled, geometry, hint) and the kind's own ones from the class named by
// the kind, listens at the form (Control::addListener) for Property changes
// to read anew, and calls the user* methods when the user acts.
#pragma once

#include "ui/bar_chart.h"
#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/item_lists.h"
#include "ui/menus.h"
#include "ui/pages.h"
#include "ui/rich_text.h"
#include "ui/timer.h"
