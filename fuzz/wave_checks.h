#pragma once
// What every reader must leave behind, checked after each fuzzed read: on success a record whose
// arrays all agree with its point count and whose baseline ranges lie inside the waves; on failure
// a message to the operator and an untouched record.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace velk::fuzz {

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void CheckReadOutcome(const CVelkDoc& doc, const ScriptedInteraction& ui, int result) {
  if (result == kReadOk) {
    const std::size_t n = static_cast<std::size_t>(doc.m_pointCount);
    if (doc.m_pointCount <= 0) Fail("point count not positive after a successful read");
    if (doc.m_rawInc.size() != n || doc.m_rawTr.size() != n || !doc.m_workInc.empty() ||
        !doc.m_smoothInc.empty()) {
      Fail("wave arrays disagree with the point count");
    }
    const int last = doc.m_pointCount - 1;
    if (doc.m_incBaseStart < 0 || doc.m_incBaseEnd > last || doc.m_trBaseStart < 0 ||
        doc.m_trBaseEnd > last) {
      Fail("baseline range outside the waves");
    }
    if (!doc.ws().Has(kWavesLoaded)) Fail("waves-loaded flag not set");
  } else if (result == kReadFailed) {
    if (ui.messages.empty()) Fail("a failed read told the operator nothing");
    if (!doc.m_rawInc.empty() || !doc.m_rawTr.empty() || doc.ws().Has(kWavesLoaded)) {
      Fail("a failed read changed the record");
    }
  } else {
    Fail("reader returned neither success nor failure");
  }
}

// One fuzz input read as a pair of recorder files by read (a reader of the record's own
// waveform-open inputs): two control bytes give the start points, the rest the two files.
inline void ReadFuzzedPair(const std::uint8_t* data, std::size_t size,
                           int (*read)(CVelkDoc&, Interaction&)) {
  Input in{{reinterpret_cast<const char*>(data), size}};
  Workspace ws;
  ws.waveOpen.incidentStart = in.Byte() * 4;
  ws.waveOpen.transmittedStart = in.Byte() * 4;
  const auto [inc, tr] = in.Files();
  ws.waveOpen.incidentPath = WriteScratch("inc.txt", inc);
  ws.waveOpen.transmittedPath = WriteScratch("tr.txt", tr);
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  CheckReadOutcome(doc, ui, read(doc, ui));
}

}  // namespace velk::fuzz
