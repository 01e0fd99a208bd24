#pragma once
// Setting the channel conversion factors by static calibration: command 32825 ("南京参数", a
// recorder calibrated with a static strain) and command 32827 ("CS20000 parameter", a CS20000
// recording calibrated in volts).

#include "record/interaction.h"
#include "record/pages.h"
#include "record/velk_doc.h"

namespace velk {

// Microstrain per recorder unit from a static calibration: staticStrain * bridgeVoltage /
// (gaugeFactor * height), a zero denominator counting as 1.
double NjConversionFactor(double staticStrain, double bridgeVoltage, double gaugeFactor,
                          double height);
// The CS20000 form: (staticStrain + staticStrain) / (gaugeFactor * height), a zero denominator
// counting as 1; the bridge voltage takes no part.
double CsConversionFactor(double staticStrain, double gaugeFactor, double height);

// Change handlers of the two calibration pages: the factor as the read-only field shows it.
void RecalculateFactor(NjParameterPage& page);
void RecalculateFactor(CsParameterPage& page);

// Command 32825. Does nothing on a CS20000 test. On OK each opened page's fields go to its
// channel's slots, the calibration flag is set and the bridge-parameters flag cleared.
void OnStaticCalibration(CVelkDoc& doc, Interaction& ia);
// Command 32827. Works only on a CS20000 test. On OK each opened page's fields go to its
// channel's slots and both the bridge-parameters and the calibration flag are cleared.
void OnCs20000Calibration(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
