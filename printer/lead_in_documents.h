// Documents that open with a run of zeros for the printer to wake on: the built self-test page
// and a stored job sent behind the lead-in (the type-7 cleaning).
#pragma once
#include <stddef.h>

constexpr size_t kLeadInSize = 600;
// The command that prints the self-test page: ESC &i5W and these five bytes.
constexpr unsigned char kSelfTestCommandData[] = {0x04, 0x9C, 0x00, 0x00, 0x00};
constexpr size_t kSelfTestDocumentSize = 612;

// Writes the whole self-test document: the lead-in, the command that prints the test page
// (ESC &i5W with its five data bytes), then two zeros.
void BuildSelfTestDocument(unsigned char (&document)[kSelfTestDocumentSize]);

// Writes the lead-in, then the job's bytes unchanged: kLeadInSize + size bytes in all.
void BuildLeadInDocument(unsigned char* document, const void* job, size_t size);
