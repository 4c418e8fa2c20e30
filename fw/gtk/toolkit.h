// The framework's headers, then the toolkit's: both define TRUE and FALSE,
// the toolkit only where they are not defined yet.
#pragma once

#include "fw/afxwin.h"

#include <gtk/gtk.h>
