// A Wine print queue that keeps every document it receives: its port pipes each document into a
// script that stores it as the next numbered file, so a sequence of jobs can be read back in order.
#pragma once
#include <string>
#include <vector>

#include "wine_queue.h"

using Document = std::vector<unsigned char>;

class DocumentQueue {
public:
    DocumentQueue(const std::string& name, const std::string& driver);
    bool Ready() const { return m_queue.Ready(); }
    const std::string& Problem() const { return m_queue.Problem(); }
    char* Name() { return m_queue.MutableName(); }
    std::vector<Document> Documents() const;

private:
    std::string m_folder; // Unix path of the folder the documents land in
    WineQueue m_queue;
};

// A document's bytes as text, for readable failure messages.
std::string AsText(const Document& document);
