// A PML set command in words: its object and value, and what the library means by them.
#pragma once
#include <string>

#include "printer/pml_decoder.h"

std::string DescribePmlSet(const PmlSetRead& set);
