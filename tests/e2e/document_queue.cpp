// Queues whose port is the document collector script, and reading the documents back.
#include "document_queue.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

std::string FolderFor(std::string name)
{
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return std::string(QZ_SPOOL_DIR) + "/" + name;
}

// The folder for the queue's documents, emptied of an earlier run's.
std::string PreparedFolder(const std::string& name)
{
    std::string unixFolder = FolderFor(name);
    std::string pattern = DosPath(unixFolder) + "\\*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return unixFolder;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((DosPath(unixFolder) + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return unixFolder;
}

} // namespace

DocumentQueue::DocumentQueue(const std::string& name, const std::string& driver)
    : m_folder(PreparedFolder(name)), m_queue(name, driver, std::string("|") + QZ_COLLECTOR + " " + m_folder)
{
    m_queue.KeepSpooledFile(); // the port is a command, not a file to remove
}

std::vector<Document> DocumentQueue::Documents() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((DosPath(m_folder) + "\\document-*.prn").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            names.push_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::vector<Document> documents;
    for (const std::string& name : names) {
        std::ifstream in(DosPath(m_folder) + "\\" + name, std::ios::binary);
        documents.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return documents;
}

std::string AsText(const Document& document)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : document) {
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
        text += ' ';
    }
    return text;
}
