#pragma once
// Opening a session: the inputs are read again as they were opened, the settings put back and
// every recorded command run with the operator's recorded answers. Each command's outcome is
// checked against the one recorded, so a changed input file or program is reported instead of
// giving other curves in silence.

#include <string>

#include "record/doc_view.h"
#include "record/interaction.h"
#include "record/velk_doc.h"
#include "tools/session_file.h"

namespace velk {

// Replays s into doc, a record freshly built on its workspace (the workspace's state flags are
// reset). True when every step gave its recorded outcome; shown then holds the curve selection
// the view had at the end (kind 0 when the session was run without a view). False after a
// message naming sessionPath or the input file; doc is then incomplete and must be dropped.
bool ReplaySession(const SessionFile& s, const std::string& sessionPath, CVelkDoc& doc,
                   Interaction& ui, CurveSelection* shown = nullptr);

}  // namespace velk
