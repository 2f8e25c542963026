// PAPPL's default dither matrix (its clustered dot, the one a driver gets unless it sets its own)
// as ranks for the threshold halftoner.
#pragma once
#include "threshold_halftoner.h"

ThresholdMatrix PapplMatrix();
