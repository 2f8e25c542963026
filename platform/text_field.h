// The fixed fields the library keeps texts in: queue names, port names, workflow texts and
// strings loaded by id all live in fields of one size.
#pragma once
#include <stddef.h>

constexpr size_t kTextFieldSize = 256;

// True when the text (null counts as empty) fits a field with its terminator; reads no further
// than a field's length.
bool FitsTextField(const char* text);
