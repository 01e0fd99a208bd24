#include "record/bar_table.h"

#include "record/tr_noop.h"

namespace velk {

namespace {
constexpr BarMaterial kMaterials[] = {
    {VELK_TRANSLATE_NOOP("velk::BarTable", "钢杆"), 5122.0f, 198646.0f},
    {VELK_TRANSLATE_NOOP("velk::BarTable", "铝杆"), 5065.0f, 71420.0f},
};
constexpr BarDiameter kDiameters[] = {
    {"80", 5026.54816},
    {"40", 1256.63704},
    {"16", 201.0619264},
};
}  // namespace

std::span<const BarMaterial> BarMaterials() { return kMaterials; }
std::span<const BarDiameter> BarDiameters() { return kDiameters; }

}  // namespace velk
