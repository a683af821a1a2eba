// Where each entry shoots: kept with the match (model/Relays.h).
#pragma once

#include "model/Relays.h"
