// The busy flag and the name-field check shared by the services.
#include "service_guard.h"

LONG ServiceBusy = 0;

bool FitsNameField(const char* text)
{
    if (!text)
        return true;
    for (size_t length = 0; length < kNameFieldSize; ++length) // reads no further than a field
        if (text[length] == '\0')
            return true;
    return false;
}

bool AcceptsQueueAndText(const char* queue, const char* text)
{
    return queue && FitsNameField(queue) && FitsNameField(text);
}
