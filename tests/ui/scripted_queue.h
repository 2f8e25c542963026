// A print queue that exists only for the spooler seam: it answers level-2 and level-5 reads with
// a chosen driver and port name, or refuses to open, and counts opens and closes.
#pragma once
#include <string>

struct QueueAnswers {
    bool opens = true;
    std::string driver = "QZ Kestrel 410 Printer";
    std::string port = "USB001";
    bool portReadable = true;
};

// Installs the queue in the spooler seam for the life of the object.
class ScriptedQueue {
public:
    explicit ScriptedQueue(const QueueAnswers& answers);
    ~ScriptedQueue();
    ScriptedQueue(const ScriptedQueue&) = delete;
    ScriptedQueue& operator=(const ScriptedQueue&) = delete;

    // Name of the last queue asked for, and whether every open was matched by a close.
    const std::string& OpenedName() const;
    bool AllClosed() const;
};
