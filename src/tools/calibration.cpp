#include "tools/calibration.h"

#include <variant>

#include "record/tr_noop.h"
#include "reduction/conditioning.h"

namespace velk {

double NjConversionFactor(double staticStrain, double bridgeVoltage, double gaugeFactor,
                          double height) {
  double d = gaugeFactor * height;
  if (d == 0.0) d = 1.0;
  return staticStrain * bridgeVoltage / d;
}

double CsConversionFactor(double staticStrain, double gaugeFactor, double height) {
  double d = gaugeFactor * height;
  if (d == 0.0) d = 1.0;
  return (staticStrain + staticStrain) / d;
}

void RecalculateFactor(NjParameterPage& page) {
  page.factor = AsShownFixed6(
      NjConversionFactor(page.staticStrain, page.bridgeVoltage, page.gaugeFactor, page.height));
}

void RecalculateFactor(CsParameterPage& page) {
  page.factor = AsShownFixed6(CsConversionFactor(page.staticStrain, page.gaugeFactor, page.height));
}

namespace {

template <typename Page>
Page PageFrom(const ChannelSlots& s) {
  Page page;
  page.bridgeVoltage = s.calBridgeVoltage;
  page.factor = s.factor;
  page.height = s.armsOrHeight;
  page.staticStrain = s.gainOrStaticStrain;
  page.gaugeFactor = s.gaugeFactor;
  return page;
}

// Runs the two-page sheet and copies the pages back on OK. The first tab is on screen when the
// sheet opens; a tab never opened is not read back. Returns true on OK.
template <typename Page>
bool RunCalibrationSheet(CVelkDoc& doc, Interaction& ia, const char* caption,
                         const char* incidentTitle, const char* transmittedTitle) {
  auto& ch = doc.ws().params.channel;
  Sheet sheet{caption,
              {{incidentTitle, PageFrom<Page>(ch[kIncident]), false},
               {transmittedTitle, PageFrom<Page>(ch[kTransmitted]), false}}};
  if (!ia.RunSheet(sheet)) return false;
  for (std::size_t c = 0; c < 2; ++c) {
    if (c != 0 && !sheet.pages[c].opened) continue;
    const auto& page = std::get<Page>(sheet.pages[c].data);
    ChannelSlots& s = ch[c];
    s.calBridgeVoltage = page.bridgeVoltage;
    s.factor = page.factor;
    s.armsOrHeight = page.height;
    s.gainOrStaticStrain = page.staticStrain;
    s.gaugeFactor = page.gaugeFactor;
  }
  return true;
}

}  // namespace

void OnStaticCalibration(CVelkDoc& doc, Interaction& ia) {
  Workspace& ws = doc.ws();
  if (ws.Has(kCs20000Source)) return;
  // "transimission" is the tab's own spelling.
  if (!RunCalibrationSheet<NjParameterPage>(
          doc, ia, VELK_TRANSLATE_NOOP("velk::Sheet", "南京参数"),
          VELK_TRANSLATE_NOOP("velk::Sheet", "incident wave"),
          VELK_TRANSLATE_NOOP("velk::Sheet", "transimission wave"))) {
    return;
  }
  ws.Set(kCalibration);
  ws.Clear(kBridgeParams);
}

void OnCs20000Calibration(CVelkDoc& doc, Interaction& ia) {
  Workspace& ws = doc.ws();
  if (!ws.Has(kCs20000Source)) return;
  if (!RunCalibrationSheet<CsParameterPage>(
          doc, ia, VELK_TRANSLATE_NOOP("velk::Sheet", "CS20000 parameter"),
          VELK_TRANSLATE_NOOP("velk::Sheet", "incident wave"),
          VELK_TRANSLATE_NOOP("velk::Sheet", "transmission wave"))) {
    return;
  }
  ws.Clear(kBridgeParams | kCalibration);
}

}  // namespace velk
