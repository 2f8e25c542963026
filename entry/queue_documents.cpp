// Workflow documents through the library's job output.
#include "queue_documents.h"

#include "job_output.h"
#include "platform/module_resource.h"
#include "printer/lead_in_documents.h"
#include "resources/resource_ids.h"

bool QueueDocuments::SendStored(unsigned jobId)
{
    return SendStoredJob(m_queue, jobId) != 0;
}

// A job that cannot be found, loaded or joined to its lead-in sends nothing.
bool QueueDocuments::SendStoredAfterLeadIn(unsigned jobId)
{
    ModuleResource job(NumberedResourceType(RT_STORED_JOB), jobId);
    if (!job.Bytes())
        return false;
    DWORD total = static_cast<DWORD>(kLeadInSize) + job.Size();
    auto* document = static_cast<unsigned char*>(::HeapAlloc(::GetProcessHeap(), 0, total));
    if (!document)
        return false;
    BuildLeadInDocument(document, job.Bytes(), job.Size());
    const bool sent = SendJobBuffer(m_queue, document, total) != 0;
    ::HeapFree(::GetProcessHeap(), 0, document);
    return sent;
}

bool QueueDocuments::SendBuilt(const unsigned char* bytes, size_t size)
{
    return SendJobBuffer(m_queue, bytes, static_cast<DWORD>(size)) != 0;
}
