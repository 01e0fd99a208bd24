#pragma once
// The point pick without a window: which point the cursor is on, how each key moves it, the
// read-out text, and accepting a point into the test record. The desktop view runs it inside a
// nested event loop; tests drive it key by key.

#include <optional>
#include <string>
#include <vector>

#include "plot/core/plot_geometry.h"

namespace velk {

class ViewModel;

// The keys the pick answers to, by their historical virtual-key numbers.
enum PickKey {
  kKeyEnter = 13,
  kKeyEsc = 27,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyL = 76,
  kKeyR = 82,
  kKeyComma = 188,
  kKeyFullStop = 190,
};

// Stores index as the test record's picked point, with the value of the unsmoothed curve there
// truncated toward zero. Returns false, storing the index with value 0, when index is not a
// sample of the unsmoothed curve (outside its array or beyond its last valid point).
bool PickValueAt(ViewModel& vm, int index);

class PickSession {
 public:
  enum class Outcome {
    kContinue,  // keep picking
    kAccept,    // the record's picked point is set
    kCancel,
    kRefused,  // Enter on a point that is not on the curve: nothing stored, keep picking
  };

  explicit PickSession(ViewModel& vm) : m_vm(vm) {}

  // Puts the cursor on the first visible point. False when nothing can be picked: the
  // two-channel display, or no visible point of the chosen curve.
  bool Begin(const PlotMetrics& m);
  // One key press; see PickKey. Other keys do nothing.
  Outcome HandleKey(int key);

  int index() const { return m_i; }
  // Top-left corner of the 23 x 23 cursor.
  int cursorX() const { return m_cx; }
  int cursorY() const { return m_cy; }
  // The read-out after the last key, when that key moved the cursor onto a point of the curve.
  const std::optional<std::string>& readout() const { return m_readout; }

 private:
  void PlaceOnCurve();
  void MakeReadout();

  ViewModel& m_vm;
  PlotMetrics m_m;
  const std::vector<double>* m_y = nullptr;
  const std::vector<double>* m_x = nullptr;
  int m_first = 0, m_last = 0;  // the range the keys move in
  int m_lastReadable = 0;       // last index that is inside every array read here
  int m_i = 0;
  int m_cx = 0, m_cy = 0;
  std::optional<std::string> m_readout;
};

}  // namespace velk
