// Readers still to come: until they arrive, their formats are refused as unrecognised.
#include "record/recording_parse.h"

namespace velk {

RecordingResult ParseTekCsv(std::string_view) { return RecordingFailure(kRecUnknownFormat); }
RecordingResult ParseTrc(std::string_view) { return RecordingFailure(kRecUnknownFormat); }
RecordingResult ParseDelimited(std::string_view) { return RecordingFailure(kRecUnknownFormat); }

}  // namespace velk
