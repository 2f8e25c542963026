// The lead-in documents, byte for byte.
#include "lead_in_documents.h"

#include <string.h>

namespace {

constexpr unsigned char kTestPageCommand[] = {0x1B, '&', 'i', '5', 'W'};

static_assert(kSelfTestDocumentSize == kLeadInSize + sizeof(kTestPageCommand) + sizeof(kSelfTestCommandData) + 2,
              "two zeros end the page");

} // namespace

void BuildSelfTestDocument(unsigned char (&document)[kSelfTestDocumentSize])
{
    memset(document, 0, sizeof(document));
    memcpy(document + kLeadInSize, kTestPageCommand, sizeof(kTestPageCommand));
    memcpy(document + kLeadInSize + sizeof(kTestPageCommand), kSelfTestCommandData, sizeof(kSelfTestCommandData));
}

void BuildLeadInDocument(unsigned char* document, const void* job, size_t size)
{
    memset(document, 0, kLeadInSize);
    memcpy(document + kLeadInSize, job, size);
}
