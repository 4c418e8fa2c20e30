// Everything game code uses of the framework layer.
#pragma once

#include "fw/app.h"
#include "fw/cstring.h"
#include "fw/ddx.h"
#include "fw/dialog.h"
#include "fw/gdi.h"
#include "fw/menu.h"
#include "fw/msgmap.h"
#include "fw/runtime.h"
#include "fw/types.h"
#include "fw/wnd.h"
