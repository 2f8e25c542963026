// Entry checks shared by the services: the one-service-at-a-time flag and the name fields.
#pragma once
#include <windows.h>


// Non-zero while a service that honours it is running; guards against re-entry from the
// modal loop of that service's dialogs, not against other threads.
extern LONG ServiceBusy;

// Queue names, port names and workflow texts are kept in fields of this many bytes.
constexpr size_t kNameFieldSize = 256;

// True when the text (null counts as empty) fits a name field with its terminator. A longer
// text cannot name anything the fields could hold, so services refuse it.
bool FitsNameField(const char* text);

// A service's queue name is present and both it and the text kept with the workflow fit.
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
