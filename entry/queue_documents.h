// The documents of a workflow step sent to a print queue: each one spooler document, as
// SendStoredJob and SendJobBuffer write them.
#pragma once
#include "printer/workflow_documents.h"

class QueueDocuments final : public DocumentSink {
public:
    explicit QueueDocuments(const char* queue) : m_queue(queue) {}

    bool SendStored(unsigned jobId) override;
    bool SendStoredAfterLeadIn(unsigned jobId) override;
    bool SendBuilt(const unsigned char* bytes, size_t size) override;

private:
    const char* m_queue;
};
