// The skinned box controls of the input controls, one file per control.
#pragma once

#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinSpinEdit.h"
