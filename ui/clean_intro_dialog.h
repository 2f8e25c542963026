// CCleanIntroDialog: the handler of the cleaning start pages; a class of its own so that the
// start pages can be told apart from the level pages, with the base behaviour unchanged.
#pragma once
#include "service_dialog.h"

class CCleanIntroDialog : public CServiceDialog {
public:
    using CServiceDialog::CServiceDialog;
};
