// Entry checks shared by the services: the one-service-at-a-time flag and the text fields.
#pragma once
#include <windows.h>

#include "platform/text_field.h"

// Non-zero while a service that honours it is running; guards against re-entry from the
// modal loop of that service's dialogs, not against other threads.
extern LONG ServiceBusy;

// A service's queue name is present and both it and the text kept with the workflow fit a text
// field: a longer text cannot name anything the fields could hold, so services refuse it.
bool AcceptsQueueAndText(const char* queue, const char* text);

// Takes ServiceBusy for the life of the scope when it is free; Acquired() tells whether it was.
class ServiceBusyScope {
public:
    ServiceBusyScope() : m_acquired(ServiceBusy == 0)
    {
        if (m_acquired)
            ServiceBusy = 1;
    }
    ~ServiceBusyScope()
    {
        if (m_acquired)
            ServiceBusy = 0;
    }
    ServiceBusyScope(const ServiceBusyScope&) = delete;
    ServiceBusyScope& operator=(const ServiceBusyScope&) = delete;

    bool Acquired() const { return m_acquired; }

private:
    bool m_acquired;
};

// Runs service (a callable answering the service's int) with ServiceBusy held, when the flag is
// free and the call's queue name and text are accepted; answers 0 without running it otherwise.
template <typename Service> int RunAdmitted(const char* queue, const char* text, Service service)
{
    ServiceBusyScope busy;
    if (!busy.Acquired() || !AcceptsQueueAndText(queue, text))
        return 0;
    return service();
}
