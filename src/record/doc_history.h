#pragma once
// Undo and redo of the changes to a test record. A checkpoint is the whole record as it was before
// a change: every member of CVelkDoc a command can change, the workspace's test parameters and
// state flags, and the view's curve selection. Arrays of samples are shared between checkpoints
// that hold the same samples (the raw waves never change after opening), so a checkpoint of a
// long recording costs only the arrays the change touched.

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "record/doc_view.h"
#include "record/velk_doc.h"

namespace velk {

using SharedWave = std::shared_ptr<const std::vector<double>>;

// How a member is kept in a checkpoint: arrays of samples shared, everything else copied.
template <class T>
struct Kept {
  using type = T;
};
template <>
struct Kept<std::vector<double>> {
  using type = SharedWave;
};
template <std::size_t N>
struct Kept<std::array<std::vector<double>, N>> {
  using type = std::array<SharedWave, N>;
};

// Every member of the record (DOC) and of the workspace (WS) that a command changes. A new member
// of either is one more line here. Not the record's state: the observer and the view pointer, and
// the picked point, which only says where the last pick left the cursor (a refused cut has moved it
// and still changed nothing).
#define VELK_DOC_STATE_MEMBERS(DOC, WS) \
  DOC(m_shownWaves)                     \
  DOC(m_pointCount)                     \
  DOC(m_resultLimit)                    \
  DOC(m_lastResultIndex)                \
  DOC(m_incBaseStart)                   \
  DOC(m_incBaseEnd)                     \
  DOC(m_trBaseStart)                    \
  DOC(m_trBaseEnd)                      \
  DOC(m_incBaseMean)                    \
  DOC(m_trBaseMean)                     \
  DOC(m_windows)                        \
  DOC(m_rawInc)                         \
  DOC(m_rawTr)                          \
  DOC(m_workInc)                        \
  DOC(m_workTr)                         \
  DOC(m_smoothInc)                      \
  DOC(m_smoothTr)                       \
  DOC(m_computed)                       \
  DOC(m_smoothed)                       \
  DOC(m_setup)                          \
  DOC(m_chooser)                        \
  DOC(m_uncertainty)                    \
  DOC(m_journal)                        \
  WS(params)                            \
  WS(flags)

struct DocState {
#define VELK_KEPT_DOC_MEMBER(name) Kept<decltype(CVelkDoc::name)>::type name{};
#define VELK_KEPT_WS_MEMBER(name) Kept<decltype(Workspace::name)>::type ws_##name{};
  VELK_DOC_STATE_MEMBERS(VELK_KEPT_DOC_MEMBER, VELK_KEPT_WS_MEMBER)
#undef VELK_KEPT_DOC_MEMBER
#undef VELK_KEPT_WS_MEMBER
  // What the record's view showed; the commands read it (smoothing works on what is shown).
  bool hasView = false;
  CurveSelection view;
};

// The record as it is now. An array equal, bit for bit, to the same member of one of the states in
// like is shared with it instead of copied. Throws std::bad_alloc.
DocState CaptureDocState(const CVelkDoc& doc, std::span<const DocState* const> like = {});
// Puts the record back as state holds it, then rebinds and redraws its view and tells its setup
// fields and curve chooser. Throws std::bad_alloc.
void RestoreDocState(const DocState& state, CVelkDoc& doc);
// Name of the first member in which the record differs from state, or null when it is the same.
const char* FirstDifference(const DocState& state, const CVelkDoc& doc);
// Bytes of sample arrays state holds (shared arrays counted in full).
std::size_t SampleBytes(const DocState& state);

struct HistoryLimits {
  std::size_t byteBudget = 0;  // sample bytes all checkpoints may hold together
  std::size_t maxDepth = 0;    // checkpoints kept for undo
};
// A quarter of the physical memory, at most 1 GiB; 100 steps.
HistoryLimits DefaultHistoryLimits();

class DocHistory {
 public:
  explicit DocHistory(HistoryLimits limits = DefaultHistoryLimits()) : m_limits(limits) {}

  // Notes the record as it is before a change named label (a source text, translated where it is
  // shown). A change still open is finished first.
  void Begin(const CVelkDoc& doc, const std::string& label);
  // Finishes the open change: its checkpoint is kept, and redo forgotten, only when the record
  // differs from it; a change that failed or was cancelled leaves no trace. Returns whether kept.
  bool End(const CVelkDoc& doc);
  bool isOpen() const { return m_open.has_value(); }

  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }
  // Label of the change Undo or Redo would revert or repeat; empty when there is none.
  std::string UndoLabel() const { return m_undo.empty() ? std::string() : m_undo.back().label; }
  std::string RedoLabel() const { return m_redo.empty() ? std::string() : m_redo.back().label; }

  // Puts the record back as it was before the last change kept (finishing an open change first).
  // Returns false when there is nothing to undo. Throws std::bad_alloc, the record unchanged.
  bool Undo(CVelkDoc& doc);
  // Repeats the last change undone; false when there is none.
  bool Redo(CVelkDoc& doc);
  void Clear();

  std::size_t undoDepth() const { return m_undo.size(); }
  std::size_t redoDepth() const { return m_redo.size(); }
  // Sample bytes held by the undo and redo checkpoints, each shared array once.
  std::size_t bytes() const;

 private:
  struct Entry {
    DocState state;
    std::string label;
  };
  // Moves the record to the state at the back of from, keeping the present state on to.
  bool Step(CVelkDoc& doc, std::deque<Entry>& from, std::deque<Entry>& to);
  // Drops the oldest checkpoints until the depth and byte limits hold.
  void Trim();

  HistoryLimits m_limits;
  std::deque<Entry> m_undo;  // oldest first
  std::deque<Entry> m_redo;  // the next to redo last
  std::optional<Entry> m_open;
  // The last checkpoint of a change that changed nothing: the next one shares its arrays, so that
  // a dialog activated again and again on a long recording copies its waves once, not each time.
  std::optional<DocState> m_unchanged;
};

}  // namespace velk
