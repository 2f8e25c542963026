// The former name of cs_abi.h, kept so that hosts which include it directly still build.
#pragma once
#include "cs_abi.h"
