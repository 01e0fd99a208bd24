#include "record/doc_history.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace velk {

namespace {

// Bit for bit: a NaN equals itself and -0 differs from +0, so that sharing never changes a sample.
bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

using Like = std::span<const DocState* const>;

// Plain members: copied and compared by value.
template <class T, class Get>
void Take(T& kept, const T& live, Like, Get) {
  kept = live;
}
template <class T>
void Put(T& live, const T& kept) {
  live = kept;
}
template <class T>
bool Same(const T& kept, const T& live) {
  return kept == live;
}

// Arrays of samples: shared with a like state that holds the same samples.
template <class Get>
void Take(SharedWave& kept, const std::vector<double>& live, Like like, Get get) {
  for (const DocState* s : like) {
    const SharedWave& other = get(*s);
    if (other && SameBits(*other, live)) {
      kept = other;
      return;
    }
  }
  kept = std::make_shared<const std::vector<double>>(live);
}
void Put(std::vector<double>& live, const SharedWave& kept) {
  if (kept) {
    live = *kept;
  } else {
    live.clear();
  }
}
bool Same(const SharedWave& kept, const std::vector<double>& live) {
  return kept ? SameBits(*kept, live) : live.empty();
}

template <std::size_t N, class Get>
void Take(std::array<SharedWave, N>& kept, const std::array<std::vector<double>, N>& live,
          Like like, Get get) {
  for (std::size_t i = 0; i < N; ++i) {
    Take(kept[i], live[i], like, [&](const DocState& s) -> const SharedWave& { return get(s)[i]; });
  }
}
template <std::size_t N>
void Put(std::array<std::vector<double>, N>& live, const std::array<SharedWave, N>& kept) {
  for (std::size_t i = 0; i < N; ++i) Put(live[i], kept[i]);
}
template <std::size_t N>
bool Same(const std::array<SharedWave, N>& kept, const std::array<std::vector<double>, N>& live) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!Same(kept[i], live[i])) return false;
  }
  return true;
}

template <class F>
void ForEachWave(const DocState& s, F f) {
  auto visit = [&](const auto& member) {
    if constexpr (std::is_same_v<std::decay_t<decltype(member)>, SharedWave>) {
      f(member);
    } else if constexpr (requires {
                           member.size();
                           member[0].get();
                         }) {
      for (const SharedWave& w : member) f(w);
    }
  };
#define VELK_VISIT_DOC_MEMBER(name) visit(s.name);
#define VELK_VISIT_WS_MEMBER(name) visit(s.ws_##name);
  VELK_DOC_STATE_MEMBERS(VELK_VISIT_DOC_MEMBER, VELK_VISIT_WS_MEMBER)
#undef VELK_VISIT_DOC_MEMBER
#undef VELK_VISIT_WS_MEMBER
}

std::size_t WaveBytes(const SharedWave& w) { return w ? w->size() * sizeof(double) : 0; }

}  // namespace

DocState CaptureDocState(const CVelkDoc& doc, Like like) {
  DocState s;
  const Workspace& ws = doc.ws();
#define VELK_TAKE_DOC_MEMBER(name) \
  Take(                            \
      s.name, doc.name, like, [](const DocState& o) -> const auto& { return o.name; });
#define VELK_TAKE_WS_MEMBER(name) \
  Take(                           \
      s.ws_##name, ws.name, like, [](const DocState& o) -> const auto& { return o.ws_##name; });
  VELK_DOC_STATE_MEMBERS(VELK_TAKE_DOC_MEMBER, VELK_TAKE_WS_MEMBER)
#undef VELK_TAKE_DOC_MEMBER
#undef VELK_TAKE_WS_MEMBER
  s.hasView = doc.m_view != nullptr;
  if (s.hasView) s.view = *doc.m_view;
  return s;
}

void RestoreDocState(const DocState& s, CVelkDoc& doc) {
  const bool resultsChanged =
      !Same(s.m_computed, doc.m_computed) || s.m_lastResultIndex != doc.m_lastResultIndex;
  Workspace& ws = doc.ws();
#define VELK_PUT_DOC_MEMBER(name) Put(doc.name, s.name);
#define VELK_PUT_WS_MEMBER(name) Put(ws.name, s.ws_##name);
  VELK_DOC_STATE_MEMBERS(VELK_PUT_DOC_MEMBER, VELK_PUT_WS_MEMBER)
#undef VELK_PUT_DOC_MEMBER
#undef VELK_PUT_WS_MEMBER
  if (DocView* v = doc.m_view) {
    // The axes fit the curves as a computation leaves them; selecting the curve binds the restored
    // arrays and redraws, which drops the min/max pyramids built on the old samples.
    if (resultsChanged && ws.Has(kResultsComputed)) v->ScaleResults();
    const CurveSelection sel = s.hasView ? s.view : CurveSelection(*v);
    if (sel.m_curveKind != 0) {
      v->SelectCurve(sel.m_curveKind, sel.m_showUnsmoothed, sel.m_showSmoothed);
    } else {
      v->BindCurveArrays();
      v->Redraw();
    }
  }
  if (doc.m_observer.setupFieldsLoaded) doc.m_observer.setupFieldsLoaded();
  doc.NotifyChooser();
}

const char* FirstDifference(const DocState& s, const CVelkDoc& doc) {
  const Workspace& ws = doc.ws();
#define VELK_SAME_DOC_MEMBER(name) \
  if (!Same(s.name, doc.name)) return #name;
#define VELK_SAME_WS_MEMBER(name) \
  if (!Same(s.ws_##name, ws.name)) return #name;
  VELK_DOC_STATE_MEMBERS(VELK_SAME_DOC_MEMBER, VELK_SAME_WS_MEMBER)
#undef VELK_SAME_DOC_MEMBER
#undef VELK_SAME_WS_MEMBER
  if (doc.m_view != nullptr && s.hasView && !(s.view == CurveSelection(*doc.m_view))) {
    return "view";
  }
  return nullptr;
}

std::size_t SampleBytes(const DocState& s) {
  std::size_t n = 0;
  ForEachWave(s, [&](const SharedWave& w) { n += WaveBytes(w); });
  return n;
}

HistoryLimits DefaultHistoryLimits() {
  constexpr std::size_t kGiB = std::size_t{1} << 30;
  std::size_t budget = kGiB;
#if defined(__unix__)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages > 0 && pageSize > 0) {
    budget =
        std::min(budget, static_cast<std::size_t>(pages) / 4 * static_cast<std::size_t>(pageSize));
  }
#endif
  return {budget, 100};
}

void DocHistory::Begin(const CVelkDoc& doc, const std::string& label) {
  End(doc);
  std::vector<const DocState*> like;
  if (!m_undo.empty()) like.push_back(&m_undo.back().state);
  if (!m_redo.empty()) like.push_back(&m_redo.back().state);
  if (m_unchanged) like.push_back(&*m_unchanged);
  m_open = Entry{CaptureDocState(doc, like), label};
}

bool DocHistory::End(const CVelkDoc& doc) {
  if (!m_open) return false;
  Entry e = std::move(*m_open);
  m_open.reset();
  if (FirstDifference(e.state, doc) == nullptr) {
    m_unchanged = std::move(e.state);
    return false;
  }
  m_unchanged.reset();
  m_redo.clear();
  m_undo.push_back(std::move(e));
  Trim();
  return true;
}

bool DocHistory::Step(CVelkDoc& doc, std::deque<Entry>& from, std::deque<Entry>& to) {
  End(doc);
  if (from.empty()) return false;
  Entry& target = from.back();
  std::vector<const DocState*> like{&target.state};
  if (!to.empty()) like.push_back(&to.back().state);
  Entry present{CaptureDocState(doc, like), target.label};
  RestoreDocState(target.state, doc);
  from.pop_back();
  to.push_back(std::move(present));
  Trim();
  return true;
}

bool DocHistory::Undo(CVelkDoc& doc) { return Step(doc, m_undo, m_redo); }

bool DocHistory::Redo(CVelkDoc& doc) { return Step(doc, m_redo, m_undo); }

void DocHistory::Clear() {
  m_undo.clear();
  m_redo.clear();
  m_open.reset();
  m_unchanged.reset();
}

std::size_t DocHistory::bytes() const {
  std::unordered_set<const std::vector<double>*> seen;
  std::size_t n = 0;
  auto count = [&](const SharedWave& w) {
    if (w && seen.insert(w.get()).second) n += WaveBytes(w);
  };
  for (const Entry& e : m_undo) ForEachWave(e.state, count);
  for (const Entry& e : m_redo) ForEachWave(e.state, count);
  return n;
}

void DocHistory::Trim() {
  while (m_undo.size() > m_limits.maxDepth) m_undo.pop_front();
  // The oldest undo steps go first, then the redo steps farthest from the present.
  while (!m_undo.empty() && bytes() > m_limits.byteBudget) m_undo.pop_front();
  while (!m_redo.empty() && bytes() > m_limits.byteBudget) m_redo.pop_front();
}

}  // namespace velk
