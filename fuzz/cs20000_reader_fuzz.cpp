// CS20000 reader on a fuzzed pair of files. Control bytes: the two start points.
#include <cstdint>

#include "fuzz_input.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "wave_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  fuzz::Input in{{reinterpret_cast<const char*>(data), size}};
  Workspace ws;
  ws.waveOpen.incidentStart = in.Byte() * 4;
  ws.waveOpen.transmittedStart = in.Byte() * 4;
  const auto [inc, tr] = in.Files();
  ws.waveOpen.incidentPath = fuzz::WriteScratch("inc.txt", inc);
  ws.waveOpen.transmittedPath = fuzz::WriteScratch("tr.txt", tr);
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  fuzz::CheckReadOutcome(doc, ui, ReadCs20000Waves(doc, ui));
  return 0;
}
