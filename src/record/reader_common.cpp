#include "record/reader_common.h"

#include <climits>
#include <new>
#include <stdexcept>

#include "record/file_io.h"
#include "record/interaction.h"
#include "record/reader.h"
#include "record/velk_doc.h"

namespace velk {

int InstallChannels(CVelkDoc& doc, Interaction& ui, std::vector<double> incident,
                    std::vector<double> transmitted, std::int64_t pointCount,
                    std::uint32_t sourceFlag, const std::string& dataPath) {
  // The smoothed waves hold one more than the point count, which must still be an int.
  if (pointCount < 0 || pointCount > INT_MAX - 1) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
  if (pointCount == 0) {
    ui.ShowMessage(kNoData, {dataPath});
    return kReadFailed;
  }
  try {
    // Channels of unequal length: the shorter is padded with zeros, so no later stage ever reads
    // past a channel.
    incident.resize(static_cast<std::size_t>(pointCount), 0.0);
    transmitted.resize(static_cast<std::size_t>(pointCount), 0.0);
    // The wave copies are made when a command first needs them (CVelkDoc::MakeWaveCopies).
    doc.m_pointCount = static_cast<int>(pointCount);
    doc.m_rawInc = std::move(incident);
    doc.m_rawTr = std::move(transmitted);
    doc.m_workInc.clear();
    doc.m_workTr.clear();
    doc.m_smoothInc.clear();
    doc.m_smoothTr.clear();
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  } catch (const std::length_error&) {
    ui.ShowMessage(kAllocFault);
    return kReadFailed;
  }
  // Short waves (below the default baseline range 0-199) get their ranges clamped here.
  doc.ComputeBaselineMeans();
  doc.ws().Set(sourceFlag | kWavesLoaded);
  return kReadOk;
}

bool WaveFilesOpenable(const WaveOpenInputs& inputs, Interaction& ui) {
  for (const std::string* path : {&inputs.incidentPath, &inputs.transmittedPath}) {
    if (path->empty()) return false;
    if (!CanOpenForReading(*path)) {
      ui.ShowMessage(kOpenFault, {*path});
      return false;
    }
  }
  return true;
}

}  // namespace velk
