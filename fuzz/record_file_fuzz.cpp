// Test record file reader on a fuzzed file.
#include <cstdint>

#include "fuzz_input.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  const std::string path =
      fuzz::WriteScratch("record.DAT", {reinterpret_cast<const char*>(data), size});
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  fuzz::CheckReadOutcome(doc, ui, RecordFileReader(path).Read(doc, ui));
  return 0;
}
