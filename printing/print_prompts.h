// What the user is told when a print run, a preview or a test sheet is refused or stops.
#pragma once

#include "printing/print_run.h"
#include "ui/prompter.h"

namespace printing {

// title: the caption of the window the print was asked for in, for what concerns the printer. A
// calibration that cannot be printed with is told under the calibration window's own title, where it
// is put right.
ui::Prompt printFailurePrompt(const PrintFailure& failure, const QString& title);

} // namespace printing
