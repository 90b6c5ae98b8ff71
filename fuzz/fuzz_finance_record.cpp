// Arbitrary bytes as the settings file, every section of it read as a stored finance case and
// shown in the finance window, as picking its name does. Reading must keep every list within
// the grid sizes a case may have, writing back what was read must read back the same case,
// and showing and computing it must end without a crash, only ever raising the program's own
// errors, within a few seconds of processor time.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "fakes.h"
#include "finance/finance_records.h"
#include "finance/finance_window.h"
#include "platform/errors.h"

namespace {

void Fail(const char* what, const std::string& name) {
  std::fprintf(stderr, "%s: [%s]\n", what, name.c_str());
  std::abort();
}

void CheckList(const qv::StoredList& list, const std::string& name) {
  if (list.rowCount < 2 || list.rowCount > qv::kMaxListRows + 1) Fail("row count", name);
  for (const auto& [row, cells] : list.rows)
    if (row < 1 || row >= list.rowCount) Fail("row outside the grid", name);
}

// The inputs a case keeps when it is saved: the interest changes only with a variable interest.
qv::FinanceRecord Saved(qv::FinanceRecord record) {
  if (!record.loan.variableInterest) record.loan.interestChanges = {};
  if (!record.savings.variableInterest) record.savings.interestChanges = {};
  return record;
}

bool SameCase(const qv::FinanceRecord& a, const qv::FinanceRecord& b) {
  if (a.page != b.page) return false;
  return a.page == qv::kSavingsRecord ? a.savings == b.savings : a.loan == b.loan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::IniFile ini =
      qv::IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  qvs::FakePrompts prompts;
  qvs::FakeClipboard clipboard;
  qvs::FakeShell shell;
  qvs::FakePrinter printer;
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qvs::FakeNetwork network;
  qvs::SandboxFolders folders;
  qv::FinanceValues values;
  qv::TFinanzrechner window({prompts, clipboard, shell, folders, printer, word, clock, network},
                            values);

  qv::ReadRecordNames(ini);
  for (const std::string& name : ini.ReadSections()) {
    const qv::FinanceRecord record = qv::ReadFinanceRecord(ini, name);
    CheckList(record.loan.specialRepayments, name);
    CheckList(record.loan.interestChanges, name);
    CheckList(record.savings.specialPayments, name);
    CheckList(record.savings.interestChanges, name);

    // What was read, written back, reads back the same.
    const qv::FinanceRecord saved = Saved(record);
    qv::IniFile copy = qv::IniFile::FromBytes("");
    if (saved.page == qv::kSavingsRecord)
      qv::WriteSavingsRecord(copy, name, saved.savings);
    else
      qv::WriteLoanRecord(copy, name, saved.loan);
    const qv::FinanceRecord again = qv::ReadFinanceRecord(copy, name);
    if (!SameCase(saved, again) || !again.malformedKeys.empty()) Fail("written back", name);

    const std::clock_t begin = std::clock();
    try {
      window.LoadRecord(name, record);
    } catch (const qv::Exception&) {
      // a conversion error or an arithmetic fault, as the general handler shows them
    }
    // Processor time: a machine busy with other work does not count.
    const double took = static_cast<double>(std::clock() - begin) / CLOCKS_PER_SEC;
    if (took > 3) Fail("longer than three seconds", name);
  }
  return 0;
}
