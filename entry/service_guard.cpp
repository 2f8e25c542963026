// The busy flag and the entry check shared by the services.
#include "service_guard.h"

LONG ServiceBusy = 0;

bool AcceptsQueueAndText(const char* queue, const char* text)
{
    return queue && FitsTextField(queue) && FitsTextField(text);
}
