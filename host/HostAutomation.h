#pragma once
// What the host does for the user in an automated run.

#include "HostOptions.h"

#include "platform/MessageBox.h"

#include <memory>

namespace tabulon {
class Component;
}

// Answers Yes to questions and OK otherwise, printing every box to standard error.
std::unique_ptr<tabulon::MessageBox> MakeHostMessageBox();

// Runs the steps the options ask for; returns the process status: 0 when all went well,
// 1 when a file was not loaded or was read only in part, or output was lost or cut short
// (pages not saved or printed, pages an error stopped while they were drawn, the settings
// not written when the window closed).
int RunHostAutomation(tabulon::Component& c, const HostOptions& options);
