// Any bytes given to the tape reader must give a document or a German reason; what is read
// must survive writing and reading again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tape/rtf_reader.h"
#include "tape/rtf_writer.h"
#include "tape/tape_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qv::TapeReadResult read = qv::ReadTape(bytes, qv::TapeStyle{});
  if (read.ok()) {
    qv::TapeReadResult again = qv::ReadRtf(qv::WriteRtf(read.document));
    if (!again.ok() || again.document != read.document) std::abort();
  }
  return 0;
}
