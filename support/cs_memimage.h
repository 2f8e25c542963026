// The field image of a movable memory handle, for inspecting memory that may or may not hold
// one without calling into it (or trusting its virtual table).
#pragma once
#include "qzw9svb/cs_memobject.h"

const unsigned short kMemObjectSignature = 0xABCD;

// CSMemObject's fields in their fixed order, behind the virtual table pointer.
struct CSMemObjectImage {
    const void* vtable;
    unsigned short state;
    unsigned short signature;
    void* userPointer;
    CSMemOSAlign alignment;
};
static_assert(sizeof(CSMemObjectImage) == sizeof(CSMemObject), "CSMemObject's layout changed");

