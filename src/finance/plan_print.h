#pragma once
// The payment plan on paper: the title with the case's inputs, then the table over as many
// pages as it needs, its header repeated at the top of every page, "Summe" below a rule, and
// "Seite 1 von 3" at the foot of each page.
#include <string>
#include <vector>

#include "finance/payment_plan.h"
#include "platform/ports.h"

namespace qv {

// Lays the table out on the printer's page; every page starts with the title, the first one
// also names the inputs.
PrintedDocument LayOutPlanPrint(const PlanTable& table, const std::string& title,
                                const std::vector<PlanInput>& inputs, const PrinterPage& page);

}  // namespace qv
