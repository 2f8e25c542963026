// The check that a text fits a field.
#include "text_field.h"

bool FitsTextField(const char* text)
{
    if (!text)
        return true;
    for (size_t length = 0; length < kTextFieldSize; ++length)
        if (text[length] == '\0')
            return true;
    return false;
}
