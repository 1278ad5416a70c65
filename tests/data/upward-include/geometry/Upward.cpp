#include "cutlist/Batch.h"
