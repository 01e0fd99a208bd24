#include "cli/simulate_cli.h"

#include <CLI/CLI.hpp>
#include <cmath>

#include "cli/simulate_formats.h"
#include "cli/simulate_output.h"
#include "cli/simulate_physics.h"
#include "record/param_file.h"
#include "record/workspace.h"

namespace velk::sim {

namespace {

const char* kDescription =
    "velk-simulate: writes a split Hopkinson pressure-bar test with a known answer.\n"
    "One-dimensional elastic bars with the program's constants (steel 5122 m/s, 198646 MPa;\n"
    "aluminium 5065 m/s, 71420 MPa; diameters 80, 40, 16 mm), a striker of the bars' material\n"
    "(incident strain v / (2 Cb), duration 2 Ls / Cb, half-cosine rise and fall), a specimen in\n"
    "force equilibrium with an elastic-plastic law with linear hardening in engineering stress\n"
    "and strain: flow stress = (yield + H x plastic strain) x (1 + C ln(rate / reference rate)).\n"
    "The specimen's strain rate is (Cb / L0)(eI - eR - eT) with eT = As sigma / (Ab Eb) and\n"
    "eR = eT - eI. Compression is positive: incident and transmitted pulses positive, reflected\n"
    "negative. Channels are recorded as gauge strain / factor + offset + noise, quantised.\n"
    "With --dispersion the bars have a finite diameter: each pulse travels between its specimen\n"
    "face and its gauge at the phase velocity of the first longitudinal mode (Pochhammer-Chree).";

struct Options {
  SimConfig sim;
  RecorderSettings rec;
  std::vector<double> bridgeInc, bridgeTr;
  std::vector<double> bar, transmissionBar;  // C E D: custom bars
  std::vector<std::string> tek, cs, out;
  std::string record, truth, pat, format;
  int decimals = 0;
};

// The true window bounds as whole samples: a start is the first sample at or after the pulse
// front, an end the first sample after the pulse, both kept within the channel.
std::array<int, 6> WholeWindows(const PulseWindows& w, int n) {
  auto at = [n](double x) {
    return static_cast<int>(std::clamp(std::ceil(x), 0.0, static_cast<double>(n)));
  };
  return {at(w.incidentStart), at(w.incidentEnd),      at(w.reflectedStart),
          at(w.reflectedEnd),  at(w.transmittedStart), at(w.transmittedEnd)};
}

// The parameter file beside a record file: its name with the first ".dat" (any case) of the file
// name removed and ".PAT" appended, the rest of the name kept as it is ("S1.DAT" gives "S1.PAT",
// which the program finds beside the record whatever the case).
std::string ParameterFileBeside(const std::string& recordPath) {
  const auto slash = recordPath.find_last_of('/');
  const std::size_t from = slash == std::string::npos ? 0 : slash + 1;
  std::string lowered = recordPath;
  for (std::size_t i = from; i < lowered.size(); ++i)
    if (lowered[i] >= 'A' && lowered[i] <= 'Z') lowered[i] = static_cast<char>(lowered[i] + 32);
  std::string name = recordPath;
  const auto dat = lowered.find(".dat", from);
  if (dat != std::string::npos) name.erase(dat, 4);
  return name + ".PAT";
}

// The test parameters that describe the simulated test, as a parameter file keeps them: bars,
// specimen, sampling, the channels' factors (the bridge slots only when a bridge was given; the
// program's defaults otherwise) and the true windows.
TestParameters ParametersOf(const Options& o, const std::array<int, 6>& windows) {
  TestParameters p;
  const SimConfig& s = o.sim;
  p.barMaterialIndex = s.barMaterialIndex;
  p.barDiameterIndex = s.barDiameterIndex;
  p.samplingMhz = static_cast<float>(s.samplingMhz);
  p.sampleIntervalUs = 1.0 / s.samplingMhz;
  p.specimenDiameterMm = static_cast<float>(s.specimenDiameterMm);
  p.specimenThicknessMm = static_cast<float>(s.specimenThicknessMm);
  p.specimenWaveSpeedMs = static_cast<float>(s.specimenWaveSpeedMs);
  p.strikerVelocityMs = static_cast<float>(s.strikerVelocityMs);
  p.strikeBarVelocityMs = s.strikerVelocityMs;
  p.strikeBarLengthMm = static_cast<float>(s.strikerLengthMm);
  p.windowIndices = windows;
  const std::vector<double>* bridges[2] = {&o.bridgeInc, &o.bridgeTr};
  const ChannelScale* scales[2] = {&o.rec.incident, &o.rec.transmitted};
  for (int c = 0; c < 2; ++c) {
    ChannelSlots& slot = p.channel[c];
    slot.factor = scales[c]->factor;
    slot.bridgeVoltage = 8.0;
    slot.calBridgeVoltage = 1.0;
    slot.gainOrStaticStrain = 500.0;
    slot.gaugeFactor = 2.1;
    slot.armsOrHeight = 1.0;
    if (!bridges[c]->empty()) {
      slot.armsOrHeight = (*bridges[c])[0];
      slot.bridgeVoltage = (*bridges[c])[1];
      slot.gainOrStaticStrain = (*bridges[c])[2];
      slot.gaugeFactor = (*bridges[c])[3];
    }
  }
  return p;
}

// --out needs a --format, and as many files as that layout writes.
void CheckRecordingOutput(const std::string& format, std::size_t files) {
  const RecordingLayoutName* layout = FindRecordingLayout(format);
  if (!layout) throw CLI::ValidationError("--format", "unknown layout '" + format + "'");
  if (static_cast<std::size_t>(layout->filesPerTest) != files)
    throw CLI::ValidationError("--out", "--format " + format + " writes " +
                                            std::to_string(layout->filesPerTest) + " file(s)");
}

// Custom bars become rows of the workspace's library, so the parameter file carries their values
// (and the transmission bar in its fourth line).
void UseCustomBars(const Options& o, Workspace& ws) {
  TestParameters& p = ws.params;
  if (!o.bar.empty()) {
    p.barMaterialIndex = ws.bars.AddSessionMaterial("--bar", o.bar[0], o.bar[1], 0.29);
    p.barDiameterIndex = ws.bars.AddSessionDiameter("--bar", BarAreaMm2(o.bar[2]));
  }
  if (!o.bar.empty() || !o.transmissionBar.empty()) {
    // The fourth line is written anyway: it may as well say where the gauges are.
    p.incGaugeDistanceMm = static_cast<float>(o.sim.incidentGaugeMm);
    p.trGaugeDistanceMm = static_cast<float>(o.sim.transmittedGaugeMm);
  }
  if (!o.transmissionBar.empty()) {
    p.trBarDiffers = true;
    p.trBarMaterialIndex = ws.bars.AddSessionMaterial("--transmission-bar", o.transmissionBar[0],
                                                      o.transmissionBar[1], 0.29);
    p.trBarDiameterIndex =
        ws.bars.AddSessionDiameter("--transmission-bar", BarAreaMm2(o.transmissionBar[2]));
  }
}

}  // namespace

int RunSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  SimConfig& s = o.sim;
  CLI::App app(kDescription, "velk-simulate");
  app.option_defaults()->always_capture_default();

  app.add_option("--bar-material", s.barMaterialIndex, "Bar material: 0 steel, 1 aluminium")
      ->group("Bars");
  app.add_option("--bar-diameter", s.barDiameterIndex, "Bar diameter: 0 80 mm, 1 40 mm, 2 16 mm")
      ->group("Bars");
  app.add_flag("--dispersion", s.dispersion,
               "Carry the pulses between the specimen faces and the gauges through the dispersion "
               "of bars of finite diameter")
      ->group("Bars");
  app.add_option("--bar-poisson", s.barPoissonRatio, "Poisson's ratio of the bars (--dispersion)")
      ->group("Bars");
  app.add_option("--dispersion-diameter", s.dispersionDiameterMm,
                 "Bar diameter the dispersion uses, mm; 0 for each bar's own")
      ->group("Bars");
  app.add_option("--bar", o.bar,
                 "Both bars are this custom bar: wave speed m/s, modulus MPa, diameter mm")
      ->expected(3)
      ->group("Bars");
  app.add_option("--transmission-bar", o.transmissionBar,
                 "A transmission bar of its own: wave speed m/s, modulus MPa, diameter mm")
      ->expected(3)
      ->group("Bars");
  app.add_option("--striker-length", s.strikerLengthMm, "Striker length, mm")->group("Striker");
  app.add_option("--striker-velocity", s.strikerVelocityMs, "Striker velocity, m/s")
      ->group("Striker");
  app.add_option("--rise-time", s.riseTimeUs, "Rise (and fall) time of the incident pulse, us")
      ->group("Striker");
  app.add_option("--specimen-diameter", s.specimenDiameterMm, "Specimen diameter, mm")
      ->group("Specimen");
  app.add_option("--specimen-thickness", s.specimenThicknessMm, "Specimen thickness L0, mm")
      ->group("Specimen");
  app.add_option("--specimen-wave-speed", s.specimenWaveSpeedMs,
                 "Wave speed in the specimen, m/s: the transmitted pulse starts one transit "
                 "(L0 / speed) later; 0 for none")
      ->group("Specimen");
  app.add_option("--modulus", s.law.modulusMpa, "Specimen elastic modulus E, MPa")
      ->group("Specimen");
  app.add_option("--yield", s.law.yieldMpa, "Specimen yield stress, MPa")->group("Specimen");
  app.add_option("--hardening", s.law.hardeningMpa,
                 "Hardening modulus H, MPa per unit plastic strain")
      ->group("Specimen");
  app.add_option("--rate-coefficient", s.law.rateCoefficient,
                 "C of the strain-rate term; 0 for a rate-independent specimen")
      ->group("Specimen");
  app.add_option("--reference-rate", s.law.referenceRatePerS, "Reference strain rate, 1/s")
      ->group("Specimen");
  app.add_option("--gauge-inc", s.incidentGaugeMm, "Incident gauge distance from the specimen, mm")
      ->group("Gauges");
  app.add_option("--gauge-tr", s.transmittedGaugeMm,
                 "Transmitted gauge distance from the specimen, mm")
      ->group("Gauges");
  app.add_option("--sampling-mhz", s.samplingMhz, "Sampling frequency, MHz")->group("Recording");
  app.add_option("--samples", s.sampleCount, "Samples per channel")->group("Recording");
  app.add_option("--arrival", s.arrivalSample,
                 "Sample at which the incident front reaches the incident gauge")
      ->group("Recording");
  app.add_option("--factor-inc", o.rec.incident.factor,
                 "Incident channel: microstrain per recorded unit (per volt)")
      ->group("Recording");
  app.add_option("--factor-tr", o.rec.transmitted.factor,
                 "Transmitted channel: microstrain per recorded unit (per volt)")
      ->group("Recording");
  auto* bi = app.add_option("--bridge-inc", o.bridgeInc,
                            "Incident factor from the bridge: ARMS VOLT GAIN GF, factor = "
                            "4e6 / (GAIN x VOLT x GF x ARMS)")
                 ->expected(4)
                 ->group("Recording");
  auto* bt = app.add_option("--bridge-tr", o.bridgeTr, "Transmitted factor from the bridge")
                 ->expected(4)
                 ->group("Recording");
  bi->excludes("--factor-inc");
  bt->excludes("--factor-tr");
  app.add_option("--offset-inc", o.rec.incident.offset, "Incident baseline offset, recorded units")
      ->group("Recording");
  app.add_option("--offset-tr", o.rec.transmitted.offset,
                 "Transmitted baseline offset, recorded units")
      ->group("Recording");
  app.add_option("--noise", o.rec.noiseStd, "Noise standard deviation, recorded units")
      ->group("Recording");
  app.add_option("--seed", o.rec.seed, "Seed of the noise (std::mt19937_64)")->group("Recording");
  app.add_option("--bits", o.rec.bits, "Quantisation bits; 0 for none")->group("Recording");
  app.add_option("--range", o.rec.range, "Span of the quantiser, recorded units, centred on 0")
      ->group("Recording");
  app.add_option("--substeps", s.substeps, "Integration steps per sample interval")
      ->group("Recording");
  auto* tek = app.add_option("--tek", o.tek, "Write Tektronix text files INCIDENT TRANSMITTED")
                  ->expected(2)
                  ->group("Output (exactly one of --tek, --cs, --record, --out)");
  auto* cs = app.add_option("--cs", o.cs, "Write CS20000 files INCIDENT TRANSMITTED")
                 ->expected(2)
                 ->group("Output (exactly one of --tek, --cs, --record, --out)");
  auto* rec = app.add_option("--record", o.record,
                             "Write a test record file (incident half, then transmitted half; "
                             "readings plus 512) and its parameter file beside it")
                  ->group("Output (exactly one of --tek, --cs, --record, --out)");
  std::string layouts;
  for (const auto& l : RecordingLayouts())
    layouts += std::string(layouts.empty() ? "" : "|") + l.name;
  auto* outFiles =
      app.add_option("--out", o.out,
                     "Write an instrument recording in the layout --format names: one file for "
                     "the layouts that hold both channels (tek-csv, csv-comma-mv), INCIDENT "
                     "TRANSMITTED for the others")
          ->expected(1, 2)
          ->group("Output (exactly one of --tek, --cs, --record, --out)");
  app.add_option("--format", o.format, "Layout of --out: " + layouts)
      ->needs(outFiles)
      ->group("Output (exactly one of --tek, --cs, --record, --out)");
  tek->excludes(cs)->excludes(rec)->excludes(outFiles);
  cs->excludes(rec)->excludes(outFiles);
  rec->excludes(outFiles);
  app.add_option("--decimals", o.decimals, "Decimals of the record file's readings (0..6)")
      ->check(CLI::Range(0, 6))
      ->group("Output (exactly one of --tek, --cs, --record, --out)");
  app.add_option("--pat", o.pat,
                 "Write the test's parameter file here (with --record the default is the record's "
                 "name with .PAT); it holds the true windows")
      ->group("Output (exactly one of --tek, --cs, --record, --out)");
  app.add_option("--truth", o.truth,
                 "Write the specimen's true engineering curve, 'strain stress' per line")
      ->group("Output (exactly one of --tek, --cs, --record, --out)");

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
    if (o.tek.empty() && o.cs.empty() && o.record.empty() && o.out.empty())
      throw CLI::RequiredError("one of --tek, --cs, --record, --out");
    if (!o.out.empty()) CheckRecordingOutput(o.format, o.out.size());
  } catch (const CLI::CallForHelp& e) {
    out << app.help();
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "velk-simulate: " << e.what() << "\nRun with --help for the options.\n";
    return 2;
  }

  if (!o.bridgeInc.empty())
    o.rec.incident.factor =
        BridgeFactor(o.bridgeInc[0], o.bridgeInc[1], o.bridgeInc[2], o.bridgeInc[3]);
  if (!o.bridgeTr.empty())
    o.rec.transmitted.factor =
        BridgeFactor(o.bridgeTr[0], o.bridgeTr[1], o.bridgeTr[2], o.bridgeTr[3]);

  if (!o.bar.empty()) s.customBar = {o.bar[0], o.bar[1], BarAreaMm2(o.bar[2])};
  if (!o.transmissionBar.empty()) {
    s.transmissionBar = {o.transmissionBar[0], o.transmissionBar[1],
                         BarAreaMm2(o.transmissionBar[2])};
  }
  std::string problem = CheckConfig(s);
  if (problem.empty()) problem = CheckRecorder(o.rec);
  if (!problem.empty()) {
    err << "velk-simulate: " << problem << "\n";
    return 2;
  }

  const SimResult r = Simulate(s);
  const RecordedChannels ch = Record(r.incidentMicrostrain, r.transmittedMicrostrain, o.rec);
  std::vector<std::string> written;
  std::string failure;
  if (!o.tek.empty()) {
    failure = WriteTektronix(o.tek[0], ch.incident, 1.0 / s.samplingMhz);
    if (failure.empty()) failure = WriteTektronix(o.tek[1], ch.transmitted, 1.0 / s.samplingMhz);
    written = o.tek;
  } else if (!o.out.empty()) {
    failure = WriteRecording(FindRecordingLayout(o.format)->layout, o.out, ch, 1.0 / s.samplingMhz,
                             s.arrivalSample);
    written = o.out;
  } else if (!o.cs.empty()) {
    failure = WriteCs20000(o.cs[0], ch.incident);
    if (failure.empty()) failure = WriteCs20000(o.cs[1], ch.transmitted);
    written = o.cs;
  } else {
    failure = WriteRecordFile(o.record, ch.incident, ch.transmitted, o.decimals);
    written = {o.record};
  }
  const auto w = WholeWindows(r.windows, s.sampleCount);
  const std::string pat = !o.pat.empty()      ? o.pat
                          : !o.record.empty() ? ParameterFileBeside(o.record)
                                              : std::string();
  if (failure.empty() && !pat.empty()) {
    Workspace ws;
    ws.params = ParametersOf(o, w);
    UseCustomBars(o, ws);
    const FileResult stored = StoreParameterFile(pat, ws);
    if (!stored) failure = "cannot write the parameter file " + pat;
    written.push_back(pat);
  }
  if (failure.empty() && !o.truth.empty()) {
    failure = WriteTruth(o.truth, r.truth);
    written.push_back(o.truth);
  }
  if (!failure.empty()) {
    err << "velk-simulate: " << failure << "\n";
    return 1;
  }

  out << "incident amplitude: " << FixedText(r.incidentAmplitude, 3) << " microstrain\n"
      << "true windows (is ie rs re ts te): " << w[0] << ' ' << w[1] << ' ' << w[2] << ' ' << w[3]
      << ' ' << w[4] << ' ' << w[5] << "\n"
      << "peak stress: " << FixedText(r.peakStressMpa, 3) << " MPa\n"
      << "largest strain: " << FixedText(r.maxStrain, 5) << "\n";
  if (r.windows.transmittedEnd > s.sampleCount || r.windows.reflectedEnd > s.sampleCount)
    out << "note: the pulses run past the end of the channels; use more --samples\n";
  for (const auto& f : written) out << "wrote " << f << "\n";
  return 0;
}

}  // namespace velk::sim
