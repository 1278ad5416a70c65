// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every part calculator, for the cut list builders and the views that list
// many kinds of board.

#include "geometry/CarcassCalculators.h"
#include "geometry/DoorCalculators.h"
#include "geometry/DrawerCalculators.h"
#include "geometry/FaceFrameCalculators.h"
#include "geometry/ShelfCalculators.h"
