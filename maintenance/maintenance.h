// The maintenance a printer model offers without dialogs, and the printer stream each request
// sends: the library's workflows with the user's answers known up front, so that one request
// sends exactly what the library sends for the same answers in its dialogs.
#pragma once
#include <string>
#include <vector>

#include "capability/service_type.h"
#include "printer/workflow_documents.h"

using Stream = std::vector<unsigned char>;

enum class Command { Clean, PrintSelfTestPage, PrintAlignmentPage, SetAlignment };

// The words of the CUPS command files and of the PPD's command list, in the PPD's order.
const char* CommandWord(Command command);
const std::vector<Command>& AllCommands();

constexpr int kCleaningLevels = 3; // the escalating cleaning's levels, 1 to 3
// The job option and PPD option that choose the level.
constexpr char kCleaningLevelOption[] = "qz-clean-level";

class ModelMaintenance {
public:
    explicit ModelMaintenance(const ServiceType& type) : m_type(type) {}

    // Reads the model's service-type record from the store; false when the store has no such
    // model (or no record 23 of the right size for it).
    static bool ForModel(const char* realname, ModelMaintenance* model);

    // What the model's workflows would send, and the library carries the jobs for.
    bool Offers(Command command) const;
    // A cleaning level is asked for only where it changes what is sent.
    bool HasCleaningLevels() const;

    // Each stream is empty when the model does not offer the command.
    Stream Clean(int level) const; // level 1 to kCleaningLevels
    Stream SelfTest() const;
    Stream AlignmentPage() const;
    Stream SetAlignment(const AlignmentPatterns& patterns) const;

private:
    WorkflowSteps StepsFor(Command command) const;
    Stream StreamOf(Command command, size_t step, const AlignmentJobValues* settings) const;

    ServiceType m_type;
};
