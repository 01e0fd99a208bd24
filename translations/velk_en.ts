<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>velk</name>
    <message>
        <source>输出文件 (*.DT2)</source>
        <translation>Result file (*.DT2)</translation>
    </message>
    <message>
        <source>输出文件 (*.DT3)</source>
        <translation>Result file (*.DT3)</translation>
    </message>
    <message>
        <source>输出文件 (*.DT4)</source>
        <translation>Result file (*.DT4)</translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Velk</source>
        <translation>Velk</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Velk file (*.isf)</source>
        <translation>Velk record file (*.isf)</translation>
    </message>
    <message>
        <source>所有文件 (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>开始点不能为负数。</source>
        <translation>The start point cannot be negative.</translation>
    </message>
    <message>
        <source>Velk parameter file (*.pat)</source>
        <translation>Velk parameter file (*.pat)</translation>
    </message>
    <message>
        <source>Open file %1 fault!</source>
        <translation>The file %1 could not be opened.</translation>
    </message>
    <message>
        <source>请先打开 *.DAT 文件。</source>
        <translation>Open a *.DAT record file first.</translation>
    </message>
    <message>
        <source>对 %1 的存取被拒绝。</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>在存取 %1 时磁盘已满。</source>
        <translation>The disk was full while writing %1.</translation>
    </message>
    <message>
        <source>保存文档失败。</source>
        <translation>The document could not be saved.</translation>
    </message>
    <message>
        <source>Alloc memory fault</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>文件 %1 中没有数据。</source>
        <translation>The file %1 holds no data.</translation>
    </message>
    <message>
        <source>打开文档失败。</source>
        <translation>The document could not be opened.</translation>
    </message>
    <message>
        <source>The baseline range %1 to %2 runs past the last sample %3 of the channel.</source>
        <translation>The baseline range %1 to %2 runs past the last sample %3 of the channel.</translation>
    </message>
    <message>
        <source>The window method stopped before placing the windows; nothing was computed.</source>
        <translation>The window method stopped before placing the windows; nothing was computed.</translation>
    </message>
    <message>
        <source>The plot could not be written to %1.</source>
        <translation>The plot could not be written to %1.</translation>
    </message>
    <message>
        <source>Curve kind %1 shows computed results; there are none to plot.</source>
        <translation>Curve kind %1 shows computed results; there are none to plot.</translation>
    </message>
    <message>
        <source>The bundled sample test (samples/tek/T1_inc.txt) was not found; looked in %1.</source>
        <translation>The bundled sample test (samples/tek/T1_inc.txt) was not found; looked in %1.</translation>
    </message>
    <message>
        <source>请在工程应力应变曲线界面计算</source>
        <translation>Show the engineering stress-strain curve first, then compute.</translation>
    </message>
    <message>
        <source>The sample interval is not above zero: set the sampling frequency first.</source>
        <translation>The sample interval is not above zero: set the sampling frequency first.</translation>
    </message>
    <message>
        <source>The average strain rate is taken from point 0 to the picked point: pick a point between 1 and %1.</source>
        <translation>The average strain rate is taken from point 0 to the picked point: pick a point between 1 and %1.</translation>
    </message>
    <message>
        <source>请选择计算的曲线</source>
        <translation>Select the curve to work on first.</translation>
    </message>
    <message>
        <source>The picked point %1 lies outside the curve (points 0 to %2); nothing was cut.</source>
        <translation>The picked point %1 lies outside the curve (points 0 to %2); nothing was cut.</translation>
    </message>
    <message>
        <source>Please select the engineering stress-strain curve</source>
        <translation>Please select the engineering stress-strain curve</translation>
    </message>
    <message>
        <source>choose the center point No. around which to straighten the curve</source>
        <translation>Pick the centre point around which to straighten the curve</translation>
    </message>
    <message>
        <source>The centre point must lie at least 10 points from either end of the curve (points 10 to %1); point %2 does not. Nothing was changed.</source>
        <translation>The centre point must lie at least 10 points from either end of the curve (points 10 to %1); point %2 does not. Nothing was changed.</translation>
    </message>
    <message>
        <source>The strain does not change around point %1, so the curve has no slope there. Choose another centre point.</source>
        <translation>The strain does not change around point %1, so the curve has no slope there. Choose another centre point.</translation>
    </message>
    <message>
        <source>试验平均应变率= </source>
        <translation>Average strain rate of the test = </translation>
    </message>
    <message>
        <source>original wave</source>
        <translation>Recorded waves</translation>
    </message>
    <message>
        <source>calculate data graph重新整理后的图象</source>
        <translation>Processed waves (rearranged on the baseline)</translation>
    </message>
    <message>
        <source>engineering stress curve</source>
        <translation>Engineering stress</translation>
    </message>
    <message>
        <source>engineering strain curve</source>
        <translation>Engineering strain</translation>
    </message>
    <message>
        <source>engineering strain rate curve</source>
        <translation>Engineering strain rate</translation>
    </message>
    <message>
        <source>actual stress curve</source>
        <translation>True stress</translation>
    </message>
    <message>
        <source>actual strain curve</source>
        <translation>True strain</translation>
    </message>
    <message>
        <source>actual strain rate curve</source>
        <translation>True strain rate</translation>
    </message>
    <message>
        <source>engineering strain-stress curve</source>
        <translation>Engineering stress-strain</translation>
    </message>
    <message>
        <source>actual strain-stress curve</source>
        <translation>True stress-strain</translation>
    </message>
    <message>
        <source>No waves are loaded.</source>
        <translation>No waves are loaded.</translation>
    </message>
    <message>
        <source>请选择入射波上一点</source>
        <translation>Pick a point on the incident wave</translation>
    </message>
    <message>
        <source>请选择反射波上一点</source>
        <translation>Pick a point on the reflected wave</translation>
    </message>
    <message>
        <source>请选择透射波上一点</source>
        <translation>Pick a point on the transmitted wave</translation>
    </message>
    <message>
        <source>No incident pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the incident wave.</source>
        <translation>No incident pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the incident wave.</translation>
    </message>
    <message>
        <source>No reflected pulse falls below the baseline up to the picked point %1. Pick a point at or after the trough of the reflected wave.</source>
        <translation>No reflected pulse falls below the baseline up to the picked point %1. Pick a point at or after the trough of the reflected wave.</translation>
    </message>
    <message>
        <source>Every transmitted pulse found up to the picked point %1 was shorter than %2 samples and was taken for a spike; after %3 of them the search stopped. Pick a point after the transmitted pulse, or type the windows (method 3).</source>
        <translation>Every transmitted pulse found up to the picked point %1 was shorter than %2 samples and was taken for a spike; after %3 of them the search stopped. Pick a point after the transmitted pulse, or type the windows (method 3).</translation>
    </message>
    <message>
        <source>No transmitted pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the transmitted wave.</source>
        <translation>No transmitted pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the transmitted wave.</translation>
    </message>
    <message>
        <source>No incident pulse was found: the incident channel never rises above its baseline. No window was placed.</source>
        <translation>No incident pulse was found: the incident channel never rises above its baseline. No window was placed.</translation>
    </message>
    <message>
        <source>No reflected pulse was found: the incident channel never falls below its baseline. No window was placed.</source>
        <translation>No reflected pulse was found: the incident channel never falls below its baseline. No window was placed.</translation>
    </message>
    <message>
        <source>No transmitted pulse was found: the transmitted channel never rises above its baseline. No window was placed.</source>
        <translation>No transmitted pulse was found: the transmitted channel never rises above its baseline. No window was placed.</translation>
    </message>
    <message>
        <source>The pulse fronts could not be located. No window was placed.</source>
        <translation>The pulse fronts could not be located. No window was placed.</translation>
    </message>
    <message>
        <source>engineering stress</source>
        <translation>engineering stress</translation>
    </message>
    <message>
        <source>engineering strain</source>
        <translation>engineering strain</translation>
    </message>
    <message>
        <source>engineering strain rate</source>
        <translation>engineering strain rate</translation>
    </message>
    <message>
        <source>true stress</source>
        <translation>true stress</translation>
    </message>
    <message>
        <source>true strain</source>
        <translation>true strain</translation>
    </message>
    <message>
        <source>true strain rate</source>
        <translation>true strain rate</translation>
    </message>
    <message>
        <source>The %1 at result point %2 is not a finite number (%3): a sample inside the wave windows or a test parameter is not finite, or the specimen strain reached 1. Nothing was computed.</source>
        <translation>The %1 at result point %2 is not a finite number (%3): a sample inside the wave windows or a test parameter is not finite, or the specimen strain reached 1. Nothing was computed.</translation>
    </message>
    <message>
        <source>Error in choosing compute model.</source>
        <translation>Error in choosing compute model.</translation>
    </message>
    <message>
        <source>The sample interval is %1 µs: set a sampling frequency above zero in the setup dialog before computing.</source>
        <translation>The sample interval is %1 µs: set a sampling frequency above zero in the setup dialog before computing.</translation>
    </message>
    <message>
        <source>The specimen thickness is %1 mm: it must be above zero.</source>
        <translation>The specimen thickness is %1 mm: it must be above zero.</translation>
    </message>
    <message>
        <source>The specimen diameter is %1 mm: it must not be zero.</source>
        <translation>The specimen diameter is %1 mm: it must not be zero.</translation>
    </message>
    <message>
        <source>The specimen wave speed of the test parameters is %1 m/s: the time the wave takes to cross the specimen cannot be found. Enter the specimen wave speed again.</source>
        <translation>The specimen wave speed of the test parameters is %1 m/s: the time the wave takes to cross the specimen cannot be found. Enter the specimen wave speed again.</translation>
    </message>
    <message>
        <source>The transmitted wave window ends at sample %1, before its start at sample %2. Place the windows again.</source>
        <translation>The transmitted wave window ends at sample %1, before its start at sample %2. Place the windows again.</translation>
    </message>
    <message>
        <source>A wave window starts before the first sample (incident %1, reflected %2, transmitted %3). Place the windows again.</source>
        <translation>A wave window starts before the first sample (incident %1, reflected %2, transmitted %3). Place the windows again.</translation>
    </message>
    <message>
        <source>No result point can be computed: a wave window starts at or beyond the last sample of the channel (%1 samples). Place the windows again.</source>
        <translation>No result point can be computed: a wave window starts at or beyond the last sample of the channel (%1 samples). Place the windows again.</translation>
    </message>
    <message>
        <source>Heap overflow during alloc arrays G &amp; Recs.</source>
        <translation>Out of memory while allocating the result arrays.</translation>
    </message>
    <message>
        <source>Heap overflow during alloc array Force ,Deform &amp; Time.</source>
        <translation>Out of memory while allocating the force, deformation and time arrays.</translation>
    </message>
    <message>
        <source>Heap overflow during alloc array t,d4.</source>
        <translation>Out of memory while allocating the foam-model arrays.</translation>
    </message>
    <message>
        <source>The foam correction cannot place the transmitted wave in time: the wave speed in the specimen falls to zero at strain %1 (matrix wave velocity %2 m/s). Nothing was computed.</source>
        <translation>The foam correction cannot place the transmitted wave in time: the wave speed in the specimen falls to zero at strain %1 (matrix wave velocity %2 m/s). Nothing was computed.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Out of memory: the curves could not all be smoothed.</translation>
    </message>
    <message>
        <source>The total points must lie between 0 and %1, the points of the waves.</source>
        <translation>The total points must lie between 0 and %1, the points of the waves.</translation>
    </message>
    <message>
        <source>There are no results to smooth yet.</source>
        <translation>There are no results to smooth yet.</translation>
    </message>
    <message>
        <source>The smoothing points must lie between 1 and %1 for %2 points; nothing was smoothed.</source>
        <translation>The smoothing points must lie between 1 and %1 for %2 points; nothing was smoothed.</translation>
    </message>
    <message>
        <source>velk-reduce: reduces a split Hopkinson pressure-bar test as the desktop program does.
Opens the recorded channels (Tektronix or CS20000 waveform files, or a test record file
with the parameter file beside it), applies the parameters, places the wave windows, computes
the stress-strain curves, runs the curve tools in command-line order and writes the results.
The computation runs when a window method, a curve tool, a result file or a plot of kinds
4 to 12 is asked for (and with --demo); otherwise the test is only opened and its
parameters applied.
Exit status: 0 done; 2 usage error; 1 the data could not be reduced (the program&apos;s message
on stderr).</source>
        <translation>velk-reduce: reduces a split Hopkinson pressure-bar test as the desktop program does.
Opens the recorded channels (Tektronix or CS20000 waveform files, or a test record file
with the parameter file beside it), applies the parameters, places the wave windows, computes
the stress-strain curves, runs the curve tools in command-line order and writes the results.
The computation runs when a window method, a curve tool, a result file or a plot of kinds
4 to 12 is asked for (and with --demo); otherwise the test is only opened and its
parameters applied.
Exit status: 0 done; 2 usage error; 1 the data could not be reduced (the program&apos;s message
on stderr).</translation>
    </message>
    <message>
        <source>--bridge-inc and --bridge-tr do not apply to a CS20000 test, which is scaled by its calibration; use --factor-inc and --factor-tr</source>
        <translation>--bridge-inc and --bridge-tr do not apply to a CS20000 test, which is scaled by its calibration; use --factor-inc and --factor-tr</translation>
    </message>
    <message>
        <source>a baseline range needs 0 &lt;= START &lt;= END</source>
        <translation>a baseline range needs 0 &lt;= START &lt;= END</translation>
    </message>
    <message>
        <source>--method 1 needs --picks PI PR PT</source>
        <translation>--method 1 needs --picks PI PR PT</translation>
    </message>
    <message>
        <source>--picks applies to --method 1 only</source>
        <translation>--picks applies to --method 1 only</translation>
    </message>
    <message>
        <source>--method 3 needs --windows IS IE RS RE TS TE</source>
        <translation>--method 3 needs --windows IS IE RS RE TS TE</translation>
    </message>
    <message>
        <source>--windows applies to --method 3 only</source>
        <translation>--windows applies to --method 3 only</translation>
    </message>
    <message>
        <source>Usage: velk-reduce [OPTIONS]; run velk-reduce --help for the options.</source>
        <translation>Usage: velk-reduce [OPTIONS]; run velk-reduce --help for the options.</translation>
    </message>
    <message>
        <source>After the computation, in command-line order</source>
        <translation>After the computation, in command-line order</translation>
    </message>
    <message>
        <source>Window method (default 2)</source>
        <translation>Window method (default 2)</translation>
    </message>
    <message>
        <source>1 points picked on the waves (--picks), 2 automatic alignment of the peaks, 3 typed windows (--windows)</source>
        <translation>1 points picked on the waves (--picks), 2 automatic alignment of the peaks, 3 typed windows (--windows)</translation>
    </message>
    <message>
        <source>Method 1: a sample at or after the peak of the incident wave, the trough of the reflected wave and the peak of the transmitted wave</source>
        <translation>Method 1: a sample at or after the peak of the incident wave, the trough of the reflected wave and the peak of the transmitted wave</translation>
    </message>
    <message>
        <source>Method 3: incident, reflected and transmitted window start and end samples</source>
        <translation>Method 3: incident, reflected and transmitted window start and end samples</translation>
    </message>
    <message>
        <source>Smooth both recorded waves (P points, one pass) and calculate from them</source>
        <translation>Smooth both recorded waves (P points, one pass) and calculate from them</translation>
    </message>
    <message>
        <source>Smooth the six result curves with P points (passes compound, as with the smoothed curves shown)</source>
        <translation>Smooth the six result curves with P points (passes compound, as with the smoothed curves shown)</translation>
    </message>
    <message>
        <source>End every result curve at point I</source>
        <translation>End every result curve at point I</translation>
    </message>
    <message>
        <source>Straighten the foot of the engineering stress-strain curve around centre point C</source>
        <translation>Straighten the foot of the engineering stress-strain curve around centre point C</translation>
    </message>
    <message>
        <source>Input (exactly one)</source>
        <translation>Input (exactly one)</translation>
    </message>
    <message>
        <source>Tektronix waveform files</source>
        <translation>Tektronix waveform files</translation>
    </message>
    <message>
        <source>CS20000 recorder files</source>
        <translation>CS20000 recorder files</translation>
    </message>
    <message>
        <source>Test record file; the parameter file beside it is loaded when it exists</source>
        <translation>Test record file; the parameter file beside it is loaded when it exists</translation>
    </message>
    <message>
        <source>The bundled sample test: samples/tek/T1_inc.txt and T1_tr.txt with its parameter file T1.PAT (see samples/README.md)</source>
        <translation>The bundled sample test: samples/tek/T1_inc.txt and T1_tr.txt with its parameter file T1.PAT (see samples/README.md)</translation>
    </message>
    <message>
        <source>Start points of the waveform files (default 0 0)</source>
        <translation>Start points of the waveform files (default 0 0)</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Excludes</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Needs</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Print this help message and exit</translation>
    </message>
    <message>
        <source>Language of the messages and of this help: en or zh (default: the locale&apos;s)</source>
        <translation>Language of the messages and of this help: en or zh (default: the locale&apos;s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Write engineering strain and stress (.DT2 layout)</source>
        <translation>Write engineering strain and stress (.DT2 layout)</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Write engineering strain, stress and strain rate (.DT3 layout)</source>
        <translation>Write engineering strain, stress and strain rate (.DT3 layout)</translation>
    </message>
    <message>
        <source>Write true strain, stress and strain rate (.DT4 layout)</source>
        <translation>Write true strain, stress and strain rate (.DT4 layout)</translation>
    </message>
    <message>
        <source>Write the parameter file, as the save-parameter-file command does</source>
        <translation>Write the parameter file, as the save-parameter-file command does</translation>
    </message>
    <message>
        <source>Print a summary of the test as one JSON object</source>
        <translation>Print a summary of the test as one JSON object</translation>
    </message>
    <message>
        <source>Parameters (applied after opening: --params first, then the others)</source>
        <translation>Parameters (applied after opening: --params first, then the others)</translation>
    </message>
    <message>
        <source>Parameter file to load after opening, as the open-parameter-file command does</source>
        <translation>Parameter file to load after opening, as the open-parameter-file command does</translation>
    </message>
    <message>
        <source>Sampling frequency, MHz</source>
        <translation>Sampling frequency, MHz</translation>
    </message>
    <message>
        <source>Specimen diameter, mm</source>
        <translation>Specimen diameter, mm</translation>
    </message>
    <message>
        <source>Specimen thickness, mm</source>
        <translation>Specimen thickness, mm</translation>
    </message>
    <message>
        <source>Wave speed in the specimen, m/s (0: no transit shift)</source>
        <translation>Wave speed in the specimen, m/s (0: no transit shift)</translation>
    </message>
    <message>
        <source>Wave velocity in the matrix, m/s (foam model)</source>
        <translation>Wave velocity in the matrix, m/s (foam model)</translation>
    </message>
    <message>
        <source>Striker velocity, m/s</source>
        <translation>Striker velocity, m/s</translation>
    </message>
    <message>
        <source>Compute model: 0 incident &amp; transmitted, 1 incident &amp; reflected, 2 reflected &amp; transmitted, 3 three waves, 4 three waves (foam)</source>
        <translation>Compute model: 0 incident &amp; transmitted, 1 incident &amp; reflected, 2 reflected &amp; transmitted, 3 three waves, 4 three waves (foam)</translation>
    </message>
    <message>
        <source>Incident conversion factor, microstrain per unit, set directly</source>
        <translation>Incident conversion factor, microstrain per unit, set directly</translation>
    </message>
    <message>
        <source>Transmitted conversion factor, microstrain per unit, set directly</source>
        <translation>Transmitted conversion factor, microstrain per unit, set directly</translation>
    </message>
    <message>
        <source>Incident bridge: the factor 4e6 / (GAIN x VOLT x GF x ARMS) as the bridge page shows it (&quot;%f&quot;)</source>
        <translation>Incident bridge: the factor 4e6 / (GAIN x VOLT x GF x ARMS) as the bridge page shows it (&quot;%f&quot;)</translation>
    </message>
    <message>
        <source>Transmitted bridge, as --bridge-inc</source>
        <translation>Transmitted bridge, as --bridge-inc</translation>
    </message>
    <message>
        <source>Incident baseline range, samples START..END inclusive (mean recomputed)</source>
        <translation>Incident baseline range, samples START..END inclusive (mean recomputed)</translation>
    </message>
    <message>
        <source>Transmitted baseline range, as --baseline-inc</source>
        <translation>Transmitted baseline range, as --baseline-inc</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, for example 690x490</source>
        <translation>--size takes WxH in pixels, for example 690x490</translation>
    </message>
    <message>
        <source>--plot takes a curve kind from 3 to 12 and a file name</source>
        <translation>--plot takes a curve kind from 3 to 12 and a file name</translation>
    </message>
    <message>
        <source>--plot writes .png, .svg or .pdf files</source>
        <translation>--plot writes .png, .svg or .pdf files</translation>
    </message>
    <message>
        <source>记录文件 (*.isf *.csv *.trc *.txt)</source>
        <translation>Recording files (*.isf *.csv *.trc *.txt)</translation>
    </message>
    <message>
        <source>请选择入射波和透射波通道。</source>
        <translation>Choose the incident and transmitted channels.</translation>
    </message>
    <message>
        <source>文件 %1 不完整：波形描述比文件长。</source>
        <translation>The file %1 is incomplete: its waveform descriptor is longer than the file.</translation>
    </message>
    <message>
        <source>文件 %1 是分段记录（%2 段），只读入了第一段。</source>
        <translation>The file %1 is a sequence recording (%2 segments); only the first segment was read.</translation>
    </message>
    <message>
        <source>文件 %1 与文件 %2 的采样间隔不同（%3 s 与 %4 s）。</source>
        <translation>The files %1 and %2 have different sample intervals (%3 s and %4 s).</translation>
    </message>
    <message>
        <source>文件 %1 中没有通道 %2。</source>
        <translation>The file %1 has no channel %2.</translation>
    </message>
    <message>
        <source>开始点 %1 超出了文件 %2 的数据长度 %3。</source>
        <translation>The start point %1 lies beyond the end of the file %2, which holds %3 points.</translation>
    </message>
    <message>
        <source>无法识别文件 %1 的格式，请指定文件格式。</source>
        <translation>The format of the file %1 was not recognised; please choose the file format.</translation>
    </message>
    <message>
        <source>文件 %1 不是文本文件。</source>
        <translation>The file %1 is not a text file.</translation>
    </message>
    <message>
        <source>文件 %1 是频域数据（%2），不是波形记录。</source>
        <translation>The file %1 holds frequency-domain data (%2), not a waveform record.</translation>
    </message>
    <message>
        <source>文件 %1 不完整：数据块长度 %2 字节超出文件。</source>
        <translation>The file %1 is incomplete: its data block of %2 bytes runs past the end of the file.</translation>
    </message>
    <message>
        <source>文件 %1 中的点数 %2 无效。</source>
        <translation>The point count %2 in the file %1 is not valid.</translation>
    </message>
    <message>
        <source>文件 %1 的点数超过了可以处理的范围。</source>
        <translation>The file %1 holds more points than can be processed.</translation>
    </message>
    <message>
        <source>文件 %1 中的换算系数 %2 无效：换算出的电压超出范围。</source>
        <translation>The scale factors %2 in the file %1 are not valid: the scaled voltages are out of range.</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的“%3”不是数字。</source>
        <translation>&quot;%3&quot; on line %2 of the file %1 is not a number.</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的列数与前面的数据行不同。</source>
        <translation>Line %2 of the file %1 has a different number of columns from the data lines before it.</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的分隔符与其他行不同。</source>
        <translation>Line %2 of the file %1 uses a different delimiter from the other lines.</translation>
    </message>
    <message>
        <source>文件 %1 中的通道 %2 没有数据。</source>
        <translation>Channel %2 in the file %1 holds no data.</translation>
    </message>
    <message>
        <source>文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。</source>
        <translation>The time column of the file %1 is not uniform: the time step at line %2 differs from the other lines.</translation>
    </message>
    <message>
        <source>文件 %1 的波形前导中缺少 %2。</source>
        <translation>The waveform preamble of the file %1 lacks %2.</translation>
    </message>
    <message>
        <source>文件 %1 的数据格式 %2 无法读入。</source>
        <translation>The data format %2 of the file %1 cannot be read.</translation>
    </message>
    <message>
        <source>文件 %1 中没有波形数据块（CURVE）。</source>
        <translation>The file %1 holds no waveform data block (CURVE).</translation>
    </message>
    <message>
        <source>文件 %1 中有 %2 个波形记录，只读入了第一个。</source>
        <translation>The file %1 holds %2 waveform records; only the first was read.</translation>
    </message>
    <message>
        <source>文件 %1 是 %2 格式，请用原来的打开命令打开。</source>
        <translation>The file %1 is in the %2 format; open it with the command for that format.</translation>
    </message>
    <message>
        <source>write the plot of curve kind KIND (3..12) to FILE (.png, .svg or .pdf); may be given several times</source>
        <translation>Write the plot of curve kind KIND (3..12) to FILE (.png, .svg or .pdf); may be given several times</translation>
    </message>
    <message>
        <source>size in pixels of the plot before it, WxH (default 690x490); before the first --plot, of every plot without its own</source>
        <translation>Size in pixels of the plot it follows, WxH (default 690x490); given before the first --plot, the size of every plot without its own</translation>
    </message>
    <message>
        <source>--size follows the --plot whose size it sets, once</source>
        <translation>--size follows the --plot whose size it sets, once</translation>
    </message>
    <message>
        <source>Instrument recordings</source>
        <translation>Instrument recordings</translation>
    </message>
    <message>
        <source>Recording holding the incident channel</source>
        <translation>Recording holding the incident channel</translation>
    </message>
    <message>
        <source>Incident channel: its name in the file or its number from 1 (default 1)</source>
        <translation>Incident channel: its name in the file or its number from 1 (default 1)</translation>
    </message>
    <message>
        <source>Recording holding the transmitted channel (may be the --inc file)</source>
        <translation>Recording holding the transmitted channel (may be the --inc file)</translation>
    </message>
    <message>
        <source>Transmitted channel: its name in the file or its number from 1 (default 1)</source>
        <translation>Transmitted channel: its name in the file or its number from 1 (default 1)</translation>
    </message>
    <message>
        <source>Format of the --inc, --tr and --describe files</source>
        <translation>Format of the --inc, --tr and --describe files</translation>
    </message>
    <message>
        <source>Print the file&apos;s format, channels, point counts, intervals and units as JSON and exit</source>
        <translation>Print the file&apos;s format, channels, point counts, intervals and units as JSON and exit</translation>
    </message>
    <message>
        <source>Write the two waves as read, before any processing, as CSV</source>
        <translation>Write the two waves as read, before any processing, as CSV</translation>
    </message>
    <message>
        <source>--inc and --tr go together</source>
        <translation>--inc and --tr go together</translation>
    </message>
    <message>
        <source>--inc-channel and --tr-channel apply to --inc and --tr only</source>
        <translation>--inc-channel and --tr-channel apply to --inc and --tr only</translation>
    </message>
    <message>
        <source>--format applies to --inc, --tr and --describe</source>
        <translation>--format applies to --inc, --tr and --describe</translation>
    </message>
    <message>
        <source>a test record file holds both channels: give the same file to --inc and --tr</source>
        <translation>a test record file holds both channels: give the same file to --inc and --tr</translation>
    </message>
    <message>
        <source>name exactly one input: --tek, --cs, --record, --demo or --inc with --tr</source>
        <translation>name exactly one input: --tek, --cs, --record, --demo or --inc with --tr</translation>
    </message>
    <message>
        <source>--start applies to --tek, --cs and --inc with --tr only</source>
        <translation>--start applies to --tek, --cs and --inc with --tr only</translation>
    </message>
    <message>
        <source>应变片灵敏系数</source>
        <translation>Gauge factor</translation>
    </message>
    <message>
        <source>桥路或标定系数</source>
        <translation>Bridge or calibration factor</translation>
    </message>
    <message>
        <source>压杆弹性模量</source>
        <translation>Bar Young&apos;s modulus</translation>
    </message>
    <message>
        <source>压杆波速</source>
        <translation>Bar wave speed</translation>
    </message>
    <message>
        <source>压杆直径</source>
        <translation>Bar diameter</translation>
    </message>
    <message>
        <source>试样直径</source>
        <translation>Specimen diameter</translation>
    </message>
    <message>
        <source>试样厚度</source>
        <translation>Specimen thickness</translation>
    </message>
    <message>
        <source>采样频率</source>
        <translation>Sampling frequency</translation>
    </message>
    <message>
        <source>波窗起点</source>
        <translation>Window start</translation>
    </message>
    <message>
        <source>采样点</source>
        <translation>samples</translation>
    </message>
    <message>
        <source>不确定度文件的内容必须是一个 JSON 对象。</source>
        <translation>The uncertainty file must hold one JSON object.</translation>
    </message>
    <message>
        <source>不确定度文件中的名称“%1”不认识。</source>
        <translation>The name &quot;%1&quot; in the uncertainty file is not known.</translation>
    </message>
    <message>
        <source>不确定度“%1”的值 %2 不可用：须为不小于零的数。</source>
        <translation>The value %2 of the uncertainty &quot;%1&quot; cannot be used: it must be a number not below zero.</translation>
    </message>
    <message>
        <source>不确定度“%1”的值 %2 不可用：须为 0 至 %3 之间的整数（采样点数）。</source>
        <translation>The value %2 of the uncertainty &quot;%1&quot; cannot be used: it must be a whole number from 0 to %3 (samples).</translation>
    </message>
    <message>
        <source>不确定度文件不是有效的 JSON 文本。</source>
        <translation>The uncertainty file is not valid JSON text.</translation>
    </message>
    <message>
        <source>入射杆应变片灵敏系数</source>
        <translation>Incident bar gauge factor</translation>
    </message>
    <message>
        <source>透射杆应变片灵敏系数</source>
        <translation>Transmission bar gauge factor</translation>
    </message>
    <message>
        <source>入射通道转换系数</source>
        <translation>Incident channel conversion factor</translation>
    </message>
    <message>
        <source>透射通道转换系数</source>
        <translation>Transmitted channel conversion factor</translation>
    </message>
    <message>
        <source>入射波起点</source>
        <translation>Incident wave start</translation>
    </message>
    <message>
        <source>反射波起点</source>
        <translation>Reflected wave start</translation>
    </message>
    <message>
        <source>透射波起点</source>
        <translation>Transmitted wave start</translation>
    </message>
    <message>
        <source>一次抽样的计算结果含有非有限数。</source>
        <translation>The computation of one draw gave values that are not finite.</translation>
    </message>
    <message>
        <source>内存不足，无法完成不确定度计算。</source>
        <translation>Not enough memory to complete the uncertainty computation.</translation>
    </message>
    <message>
        <source>未扰动的计算结果含有非有限数。</source>
        <translation>The unperturbed computation gave values that are not finite.</translation>
    </message>
    <message>
        <source>杆的波速为 %1 m/s：弥散修正需要大于零的波速。</source>
        <translation>The bar wave speed is %1 m/s: the dispersion correction needs a wave speed above zero.</translation>
    </message>
    <message>
        <source>杆的泊松比为 %1：弥散修正只适用于 0.05 至 0.49 之间的泊松比。</source>
        <translation>The bar&apos;s Poisson&apos;s ratio is %1: the dispersion correction applies only to Poisson&apos;s ratios from 0.05 to 0.49.</translation>
    </message>
    <message>
        <source>杆的直径为 %1 mm：弥散修正需要大于零的直径。</source>
        <translation>The bar diameter is %1 mm: the dispersion correction needs a diameter above zero.</translation>
    </message>
    <message>
        <source>应变片到试样端面的距离为 %1 mm：距离不能为负数。</source>
        <translation>The distance from the gauge to the specimen end face is %1 mm: the distance cannot be negative.</translation>
    </message>
    <message>
        <source>采样间隔为 %1 µs：弥散修正需要大于零的采样间隔。</source>
        <translation>The sample interval is %1 µs: the dispersion correction needs a sample interval above zero.</translation>
    </message>
    <message>
        <source>最大工程应力</source>
        <translation>Peak engineering stress</translation>
    </message>
    <message>
        <source>最大真应力</source>
        <translation>Peak true stress</translation>
    </message>
    <message>
        <source>最终工程应变</source>
        <translation>Final engineering strain</translation>
    </message>
    <message>
        <source>平均工程应变率</source>
        <translation>Mean engineering strain rate</translation>
    </message>
    <message>
        <source>a bar&apos;s Poisson&apos;s ratio must lie from 0 up to 0.5</source>
        <translation>a bar&apos;s Poisson&apos;s ratio must lie from 0 up to 0.5</translation>
    </message>
    <message>
        <source>Bar material: 0 steel, 1 aluminium, or the name of a bar-library row</source>
        <translation>Bar material: 0 steel, 1 aluminium, or the name of a bar-library row</translation>
    </message>
    <message>
        <source>Bar diameter: 0 80 mm, 1 40 mm, 2 16 mm, or the name of a bar-library row</source>
        <translation>Bar diameter: 0 80 mm, 1 40 mm, 2 16 mm, or the name of a bar-library row</translation>
    </message>
    <message>
        <source>试样两端力</source>
        <translation>Forces on both faces of the specimen</translation>
    </message>
    <message>
        <source>力平衡系数</source>
        <translation>Force-balance ratio</translation>
    </message>
    <message>
        <source>Summary values and spreadsheets</source>
        <translation>Summary values and spreadsheets</translation>
    </message>
    <message>
        <source>Write the summary values and the force balance: JSON, or CSV (header and one row) when FILE ends in .csv</source>
        <translation>Write the summary values and the force balance: JSON, or CSV (header and one row) when FILE ends in .csv</translation>
    </message>
    <message>
        <source>Strains at which the flow stress is reported (default 0.02,0.05,0.1,0.2)</source>
        <translation>Strains at which the flow stress is reported (default 0.02,0.05,0.1,0.2)</translation>
    </message>
    <message>
        <source>Write a workbook: sheets summary, curves, forces, parameters (with --batch: a summary sheet and a sheet per test)</source>
        <translation>Write a workbook: sheets summary, curves, forces, parameters (with --batch: a summary sheet and a sheet per test)</translation>
    </message>
    <message>
        <source>Write the six result curves against time as CSV</source>
        <translation>Write the six result curves against time as CSV</translation>
    </message>
    <message>
        <source>尚未计算结果，无法写出汇总值。</source>
        <translation>No results have been computed yet; the summary values cannot be written.</translation>
    </message>
    <message>
        <source>Bars (see also --bar-material and --bar-diameter)</source>
        <translation>Bars (see also --bar-material and --bar-diameter)</translation>
    </message>
    <message>
        <source>Both bars are this custom bar: wave speed m/s, modulus MPa, diameter mm, Poisson&apos;s ratio (default 0.29)</source>
        <translation>Both bars are this custom bar: wave speed m/s, modulus MPa, diameter mm, Poisson&apos;s ratio (default 0.29)</translation>
    </message>
    <message>
        <source>The transmission bar alone, as --bar (the incident bar keeps its choice)</source>
        <translation>The transmission bar alone, as --bar (the incident bar keeps its choice)</translation>
    </message>
    <message>
        <source>Most result points (default 2000); 0: the whole transmitted window</source>
        <translation>Most result points (default 2000); 0: the whole transmitted window</translation>
    </message>
    <message>
        <source>Bar library file (default: bars.json in $VELK_CONFIG_DIR, else $XDG_CONFIG_HOME/Velk or ~/.config/Velk)</source>
        <translation>Bar library file (default: bars.json in $VELK_CONFIG_DIR, else $XDG_CONFIG_HOME/Velk or ~/.config/Velk)</translation>
    </message>
    <message>
        <source>Print the bar library&apos;s rows and end</source>
        <translation>Print the bar library&apos;s rows and end</translation>
    </message>
    <message>
        <source>a bar&apos;s wave speed, modulus and diameter must be above zero</source>
        <translation>a bar&apos;s wave speed, modulus and diameter must be above zero</translation>
    </message>
    <message>
        <source>--bar-material: %1 is neither 0, 1 nor a row of the bar library</source>
        <translation>--bar-material: %1 is neither 0, 1 nor a row of the bar library</translation>
    </message>
    <message>
        <source>--bar-diameter: %1 is neither 0, 1, 2 nor a row of the bar library</source>
        <translation>--bar-diameter: %1 is neither 0, 1, 2 nor a row of the bar library</translation>
    </message>
    <message>
        <source>the list is empty</source>
        <translation>the list is empty</translation>
    </message>
    <message>
        <source>the list&apos;s column &quot;%1&quot; is an option of the whole batch</source>
        <translation>the list&apos;s column &quot;%1&quot; is an option of the whole batch</translation>
    </message>
    <message>
        <source>the row is not a test</source>
        <translation>the row is not a test</translation>
    </message>
    <message>
        <source>the test could not be reduced</source>
        <translation>the test could not be reduced</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Reduce every test of a CSV list: a header row naming options of this command (tek, params, method, dt3, summary ...; several values in one cell separated by blanks; an empty cell keeps the default), a column &quot;name&quot; naming each test, one row per test. Writes summary.csv with a row per test (or its error)</source>
        <translation>Reduce every test of a CSV list: a header row naming options of this command (tek, params, method, dt3, summary ...; several values in one cell separated by blanks; an empty cell keeps the default), a column &quot;name&quot; naming each test, one row per test. Writes summary.csv with a row per test (or its error)</translation>
    </message>
    <message>
        <source>Tests reduced at once (default: every core)</source>
        <translation>Tests reduced at once (default: every core)</translation>
    </message>
    <message>
        <source>Folder for summary.csv and for every relative output path of the list</source>
        <translation>Folder for summary.csv and for every relative output path of the list</translation>
    </message>
    <message>
        <source>with --batch the tests and their outputs come from the list; beside it only -j, --out, --xlsx and --flow-strains</source>
        <translation>with --batch the tests and their outputs come from the list; beside it only -j, --out, --xlsx and --flow-strains</translation>
    </message>
    <message>
        <source>the list %1 cannot be read</source>
        <translation>the list %1 cannot be read</translation>
    </message>
    <message>
        <source>the row has more cells than the header</source>
        <translation>the row has more cells than the header</translation>
    </message>
    <message>
        <source>%1/%2 tests, %3 failed</source>
        <translation>%1/%2 tests, %3 failed</translation>
    </message>
    <message>
        <source>压杆材料的名称不能为空。</source>
        <translation>A bar material needs a name.</translation>
    </message>
    <message>
        <source>压杆材料“%1”的数值无效：波速、弹性模量和密度须大于零，泊松比须在 0 与 0.5 之间。</source>
        <translation>The values of the bar material “%1” are not valid: the wave speed, modulus and density must be above zero, and Poisson&apos;s ratio must lie from 0 up to 0.5.</translation>
    </message>
    <message>
        <source>压杆直径的名称不能为空。</source>
        <translation>A bar diameter needs a name.</translation>
    </message>
    <message>
        <source>压杆直径“%1”的数值无效：直径须大于零。</source>
        <translation>The value of the bar diameter “%1” is not valid: the diameter must be above zero.</translation>
    </message>
    <message>
        <source>名称“%1”已在列表中。</source>
        <translation>The name “%1” is already in the list.</translation>
    </message>
    <message>
        <source>所选的行不存在。</source>
        <translation>The selected row does not exist.</translation>
    </message>
    <message>
        <source>内置压杆“%1”不能修改。</source>
        <translation>The built-in bar “%1” cannot be changed.</translation>
    </message>
    <message>
        <source>压杆库文件 %1 已损坏（%2），只使用内置压杆。</source>
        <translation>The bar library file %1 is damaged (%2); only the built-in bars are used.</translation>
    </message>
    <message>
        <source>压杆库文件 %1 无法读取（%2），只使用内置压杆。</source>
        <translation>The bar library file %1 cannot be read (%2); only the built-in bars are used.</translation>
    </message>
    <message>
        <source>尚未计算结果，无法导出。</source>
        <translation>No results have been computed yet; there is nothing to export.</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>峰值应力(MPa):</source>
        <translation>Peak stress (MPa):</translation>
    </message>
    <message>
        <source>峰值应力处应变:</source>
        <translation>Strain at peak stress:</translation>
    </message>
    <message>
        <source>最大应变:</source>
        <translation>Maximum strain:</translation>
    </message>
    <message>
        <source>流动应力(MPa) 应变%1:</source>
        <translation>Flow stress (MPa) at strain %1:</translation>
    </message>
    <message>
        <source>0.2%屈服应力(MPa):</source>
        <translation>0.2% yield stress (MPa):</translation>
    </message>
    <message>
        <source>表观模量(MPa, 压杆模量不可靠):</source>
        <translation>Apparent modulus (MPa; pressure-bar moduli are unreliable):</translation>
    </message>
    <message>
        <source>平台应变率(1/s):</source>
        <translation>Plateau strain rate (1/s):</translation>
    </message>
    <message>
        <source>%1 ± %2  (应变 %3 - %4)</source>
        <translation>%1 ± %2  (strain %3 - %4)</translation>
    </message>
    <message>
        <source>力平衡(|R|&lt;0.05)起始:</source>
        <translation>Force balance (|R|&lt;0.05) from:</translation>
    </message>
    <message>
        <source>从未达到</source>
        <translation>never reached</translation>
    </message>
    <message>
        <source>%1 µs  应变 %2</source>
        <translation>%1 µs  strain %2</translation>
    </message>
    <message>
        <source>吸收能(MJ/m³):</source>
        <translation>Absorbed energy (MJ/m³):</translation>
    </message>
    <message>
        <source>曲线 %1 没有数据点。</source>
        <translation>Curve %1 has no points.</translation>
    </message>
    <message>
        <source>曲线 %1 的应变与应力点数不同。</source>
        <translation>Curve %1 has different numbers of strain and stress points.</translation>
    </message>
    <message>
        <source>曲线 %1 的第 %2 点不是有限数值。</source>
        <translation>Point %2 of curve %1 is not a finite number.</translation>
    </message>
    <message>
        <source>对比至少需要两条曲线。</source>
        <translation>A comparison needs at least two curves.</translation>
    </message>
    <message>
        <source>这些曲线没有共同的应变范围。</source>
        <translation>The curves share no strain range.</translation>
    </message>
    <message>
        <source>group %1: %2</source>
        <translation>group %1: %2</translation>
    </message>
    <message>
        <source>结果文件 (*.DT2 *.DT3 *.DT4)</source>
        <translation>Result files (*.DT2 *.DT3 *.DT4)</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG 图像 (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>%1：图像只能保存为 .png、.svg 或 .pdf 文件。</source>
        <translation>%1: the picture can be saved as .png, .svg or .pdf only.</translation>
    </message>
    <message>
        <source>图像无法写入 %1。</source>
        <translation>The picture could not be written to %1.</translation>
    </message>
    <message>
        <source>%1 的第 %2 行不是结果数据。</source>
        <translation>Line %2 of %1 is not result data.</translation>
    </message>
    <message>
        <source>%1 中没有结果数据。</source>
        <translation>%1 holds no result data.</translation>
    </message>
    <message>
        <source>尚未计算结果，无法估计不确定度。</source>
        <translation>No results have been computed yet, so their uncertainty cannot be estimated.</translation>
    </message>
    <message>
        <source>正在估计不确定度...</source>
        <translation>Estimating the uncertainty...</translation>
    </message>
    <message>
        <source>当前结果不是按现在的参数和波窗计算的，请重新计算后再估计不确定度。</source>
        <translation>The present results were not computed with the present parameters and windows. Compute again, then estimate the uncertainty.</translation>
    </message>
    <message>
        <source>Velk 会话 (*.velks)</source>
        <translation>Velk session (*.velks)</translation>
    </message>
    <message>
        <source>打开会话</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>保存会话</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>光滑</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>基线</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>参数修改</source>
        <translation>Parameter Change</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重新计算</source>
        <translation>Recompute</translation>
    </message>
    <message>
        <source>结果计算</source>
        <translation>Wave Windows and Baselines</translation>
    </message>
    <message>
        <source>桥/应变仪/应变片参数</source>
        <translation>Bridge / Amplifier / Gauge Parameters</translation>
    </message>
    <message>
        <source>静态标定</source>
        <translation>Static Calibration</translation>
    </message>
    <message>
        <source>CS20000标定</source>
        <translation>CS20000 Calibration</translation>
    </message>
    <message>
        <source>recapitulation</source>
        <translation>Recapitulation</translation>
    </message>
    <message>
        <source>切除曲线</source>
        <translation>Cut Curves</translation>
    </message>
    <message>
        <source>拉直曲线</source>
        <translation>Straighten Curve</translation>
    </message>
    <message>
        <source>打开参数文件</source>
        <translation>Open Parameter File</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>撤销 %1(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>重做 %1(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Estimate the uncertainty of the results by Monte Carlo (2000 seeded draws) from the standard uncertainties in FILE (JSON, the names of the dialog&apos;s fields), or from the defaults; adds the 95 % band to --summary, --xlsx, --csv and --plot</source>
        <translation>Estimate the uncertainty of the results by Monte Carlo (2000 seeded draws) from the standard uncertainties in FILE (JSON, the names of the dialog&apos;s fields), or from the defaults; adds the 95 % band to --summary, --xlsx, --csv and --plot</translation>
    </message>
    <message>
        <source>a gauge distance must be a number of 0 mm or more</source>
        <translation>a gauge distance must be a number of 0 mm or more</translation>
    </message>
    <message>
        <source>--dispersion needs --gauge-distance-inc and --gauge-distance-tr, or a parameter file that holds them</source>
        <translation>--dispersion needs --gauge-distance-inc and --gauge-distance-tr, or a parameter file that holds them</translation>
    </message>
    <message>
        <source>Correct each windowed pulse for the dispersion of its bar between gauge and specimen face</source>
        <translation>Correct each windowed pulse for the dispersion of its bar between gauge and specimen face</translation>
    </message>
    <message>
        <source>Distance from the incident bar&apos;s gauge to the specimen face, mm</source>
        <translation>Distance from the incident bar&apos;s gauge to the specimen face, mm</translation>
    </message>
    <message>
        <source>Distance from the transmission bar&apos;s gauge to the specimen face, mm</source>
        <translation>Distance from the transmission bar&apos;s gauge to the specimen face, mm</translation>
    </message>
    <message>
        <source>Delimiter of a delimited text file, if not detected</source>
        <translation>Delimiter of a delimited text file, if not detected</translation>
    </message>
    <message>
        <source>Decimal mark of a delimited text file</source>
        <translation>Decimal mark of a delimited text file</translation>
    </message>
    <message>
        <source>Lines before the first data row of a delimited text file</source>
        <translation>Lines before the first data row of a delimited text file</translation>
    </message>
    <message>
        <source>First column of a delimited text file: time in s, ms, us or ns, a sample index, or none (a channel)</source>
        <translation>First column of a delimited text file: time in s, ms, us or ns, a sample index, or none (a channel)</translation>
    </message>
    <message>
        <source>Unit of the channels of a delimited text file</source>
        <translation>Unit of the channels of a delimited text file</translation>
    </message>
    <message>
        <source>--delimiter, --decimal, --header-rows, --time-unit and --channel-unit apply to --inc, --tr and --describe</source>
        <translation>--delimiter, --decimal, --header-rows, --time-unit and --channel-unit apply to --inc, --tr and --describe</translation>
    </message>
    <message>
        <source>A session file (.velks): its input files, settings and every step are replayed; a window method or curve tool given here runs after them</source>
        <translation>A session file (.velks): its input files, settings and every step are replayed; a window method or curve tool given here runs after them</translation>
    </message>
    <message>
        <source>Write the run (input files, settings, every step) as a session file</source>
        <translation>Write the run (input files, settings, every step) as a session file</translation>
    </message>
    <message>
        <source>--uncertainty cannot be combined with --smooth, --cut or --straighten: the band belongs to the computed curves</source>
        <translation>--uncertainty cannot be combined with --smooth, --cut or --straighten: the band belongs to the computed curves</translation>
    </message>
    <message>
        <source>不确定度文件“%1”无法打开。</source>
        <translation>The uncertainty file &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>不确定度文件“%1”无法使用。</source>
        <translation>The uncertainty file &quot;%1&quot; cannot be used.</translation>
    </message>
    <message>
        <source>分隔符和小数点不能都是逗号。</source>
        <translation>The delimiter and the decimal mark cannot both be a comma.</translation>
    </message>
    <message>
        <source>表头行数 %2 无效：文件 %1 共 %3 行。</source>
        <translation>%2 header rows is not possible: file %1 has %3 lines.</translation>
    </message>
    <message>
        <source>按所选的分隔符和小数点，文件 %1 中没有一行全是数字。</source>
        <translation>With the chosen delimiter and decimal mark, no row of file %1 holds numbers only.</translation>
    </message>
    <message>
        <source>文件 %1 只有一列，不能既有时间列又有通道。</source>
        <translation>File %1 has one column only: it cannot hold a time column and a channel.</translation>
    </message>
    <message>
        <source>不确定度...</source>
        <translation>Uncertainty...</translation>
    </message>
    <message>
        <source>泡沫模型（3 waves（foam））不能做弥散修正。</source>
        <translation>The foam model (3 waves (foam)) cannot be corrected for dispersion.</translation>
    </message>
    <message>
        <source>会话文件 %1 已损坏，无法打开（%2）。</source>
        <translation>The session file %1 is damaged and was not opened (%2).</translation>
    </message>
    <message>
        <source>这个试验不是从数据文件打开的，不能保存为会话。</source>
        <translation>This test was not opened from data files, so it cannot be saved as a session.</translation>
    </message>
    <message>
        <source>会话文件 %1 的格式版本 %2 比本程序能读的更新（%3），无法打开。</source>
        <translation>The session file %1 has format version %2, newer than this program reads (%3); it was not opened.</translation>
    </message>
    <message>
        <source>无法读取会话文件 %1。</source>
        <translation>The session file %1 cannot be read.</translation>
    </message>
    <message>
        <source>不认识的文件格式“%1”。</source>
        <translation>Unknown file format &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>会话 %1 的输入文件 %2 无法打开。</source>
        <translation>The input file %2 of the session %1 cannot be opened.</translation>
    </message>
    <message>
        <source>会话 %1 的输入文件已改变：读出的波形与保存会话时不同。会话没有打开。</source>
        <translation>The input files of the session %1 have changed: the waves read differ from those saved. The session was not opened.</translation>
    </message>
    <message>
        <source>会话 %1 第 %2 步（%3）重放的结果与保存时不同。会话没有打开。</source>
        <translation>Step %2 (%3) of the session %1 replays to a result that differs from the saved one. The session was not opened.</translation>
    </message>
</context>
<context>
    <name>velk::BalancePlot</name>
    <message>
        <source>红: 入射端力F1(kN)   蓝: 透射端力F2(kN)   横轴: 时间(µs)</source>
        <translation>Red: incident-face force F1 (kN)   Blue: transmitted-face force F2 (kN)   Horizontal axis: time (µs)</translation>
    </message>
    <message>
        <source>R = 2(F1-F2)/(F1+F2)   虚线: ±5%   横轴: 时间(µs)</source>
        <translation>R = 2(F1-F2)/(F1+F2)   Dashed: ±5%   Horizontal axis: time (µs)</translation>
    </message>
</context>
<context>
    <name>velk::BarTable</name>
    <message>
        <source>钢杆</source>
        <translation>Steel bar</translation>
    </message>
    <message>
        <source>铝杆</source>
        <translation>Aluminium bar</translation>
    </message>
</context>
<context>
    <name>velk::CAboutDlg</name>
    <message>
        <source>关于 Velk</source>
        <translation>About Velk</translation>
    </message>
    <message>
        <source>Velk</source>
        <translation>Velk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velk::CBarLibraryDlg</name>
    <message>
        <source>压杆库</source>
        <translation>Bar library</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>波速(m/s)</source>
        <translation>Wave speed (m/s)</translation>
    </message>
    <message>
        <source>弹性模量(MPa)</source>
        <translation>Modulus (MPa)</translation>
    </message>
    <message>
        <source>泊松比</source>
        <translation>Poisson&apos;s ratio</translation>
    </message>
    <message>
        <source>密度(kg/m³)</source>
        <translation>Density (kg/m³)</translation>
    </message>
    <message>
        <source>直径(mm)</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>面积(mm²)</source>
        <translation>Area (mm²)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>压杆材料</source>
        <translation>Bar materials</translation>
    </message>
    <message>
        <source>压杆直径</source>
        <translation>Bar diameters</translation>
    </message>
    <message>
        <source>新材料</source>
        <translation>New material</translation>
    </message>
    <message>
        <source>内置压杆和参数文件带来的压杆不能删除。</source>
        <translation>Built-in bars and bars brought by a parameter file cannot be removed.</translation>
    </message>
</context>
<context>
    <name>velk::CCalibration</name>
    <message>
        <source>入射波</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>start point</source>
        <translation>Start point</translation>
    </message>
    <message>
        <source>end point</source>
        <translation>End point</translation>
    </message>
    <message>
        <source>benchmark</source>
        <translation>Baseline mean</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>Transmitted wave</translation>
    </message>
</context>
<context>
    <name>velk::CCompareDlg</name>
    <message>
        <source>对比</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>添加文件(&amp;A)...</source>
        <translation>&amp;Add file...</translation>
    </message>
    <message>
        <source>添加打开的试验(&amp;O)</source>
        <translation>Add &amp;open tests</translation>
    </message>
    <message>
        <source>移除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>工程应力应变</source>
        <translation>Engineering stress-strain</translation>
    </message>
    <message>
        <source>真实应力应变</source>
        <translation>True stress-strain</translation>
    </message>
    <message>
        <source>导出平均曲线(&amp;M)...</source>
        <translation>Export &amp;mean curve...</translation>
    </message>
    <message>
        <source>导出图像(&amp;P)...</source>
        <translation>Export &amp;picture...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>试验:</source>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>没有这种曲线，未参与对比: %1</source>
        <translation>Left out, without a curve of this kind: %1</translation>
    </message>
</context>
<context>
    <name>velk::CCsParameter</name>
    <message>
        <source>标定的数字化高度(V)</source>
        <translation>Calibrated digitised height (V)</translation>
    </message>
</context>
<context>
    <name>velk::CCurveSelectDlg</name>
    <message>
        <source>曲线图像显示选择</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>原始数据波形</source>
        <translation>Recorded waves</translation>
    </message>
    <message>
        <source>处理后波形</source>
        <translation>Processed waves</translation>
    </message>
    <message>
        <source>工程应力曲线</source>
        <translation>Engineering stress</translation>
    </message>
    <message>
        <source>工程应变曲线</source>
        <translation>Engineering strain</translation>
    </message>
    <message>
        <source>工程应变率曲线</source>
        <translation>Engineering strain rate</translation>
    </message>
    <message>
        <source>真实应力曲线</source>
        <translation>True stress</translation>
    </message>
    <message>
        <source>真实应变曲线</source>
        <translation>True strain</translation>
    </message>
    <message>
        <source>真是应变率曲线</source>
        <translation>True strain rate</translation>
    </message>
    <message>
        <source>工程应力应变曲线</source>
        <translation>Engineering stress-strain</translation>
    </message>
    <message>
        <source>真实应力应变曲线</source>
        <translation>True stress-strain</translation>
    </message>
    <message>
        <source>原始曲线</source>
        <translation>Unsmoothed curves</translation>
    </message>
    <message>
        <source>光滑后曲线</source>
        <translation>Smoothed curves</translation>
    </message>
    <message>
        <source>试样两端力</source>
        <translation>Forces on both faces of the specimen</translation>
    </message>
    <message>
        <source>力平衡系数</source>
        <translation>Force-balance ratio</translation>
    </message>
    <message>
        <source>不确定度带</source>
        <translation>Uncertainty band</translation>
    </message>
</context>
<context>
    <name>velk::CMainFrame</name>
    <message>
        <source>Velk</source>
        <translation>Velk</translation>
    </message>
    <message>
        <source>打开示波器波形文件
打开波形文件</source>
        <translation>Open the oscilloscope waveform files
Open waveform files</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation>Show program information, version and copyright
About</translation>
    </message>
    <message>
        <source>退出应用程序
退出</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
显隐工具栏</source>
        <translation>Show or hide the toolbar
Toggle toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
显隐状态栏</source>
        <translation>Show or hide the status bar
Toggle status bar</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>打开示波器文件(&amp;T)...</source>
        <translation>Open &amp;Tektronix Files...</translation>
    </message>
    <message>
        <source>recent file</source>
        <translation>Recent file</translation>
    </message>
    <message>
        <source>推出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于Velk(&amp;A)...</source>
        <translation>&amp;About Velk...</translation>
    </message>
    <message>
        <source>打开Tek文件(&amp;T)...</source>
        <translation>Open &amp;Tektronix Files...</translation>
    </message>
    <message>
        <source>保存工程曲线(.DT3)</source>
        <translation>Save Engineering Curves (.DT3)</translation>
    </message>
    <message>
        <source>工程应变,工程应力,工程应变率</source>
        <translation>Engineering strain, engineering stress, engineering strain rate</translation>
    </message>
    <message>
        <source>保存真实曲线(.DT4)</source>
        <translation>Save True Curves (.DT4)</translation>
    </message>
    <message>
        <source>保存真实应变,应力,应变率</source>
        <translation>Save true strain, stress and strain rate</translation>
    </message>
    <message>
        <source>Export plot...</source>
        <translation>Export Plot...</translation>
    </message>
    <message>
        <source>将当前图像保存为 PNG、SVG 或 PDF 文件
Export plot</source>
        <translation>Save the current plot as a PNG, SVG or PDF file
Export plot</translation>
    </message>
    <message>
        <source>打开参数文件...</source>
        <translation>Open Parameter File...</translation>
    </message>
    <message>
        <source>打开参数文件
打开参数文件</source>
        <translation>Open a parameter file
Open parameter file</translation>
    </message>
    <message>
        <source>保存参数文件(&amp;R)...</source>
        <translation>Save Pa&amp;rameter File...</translation>
    </message>
    <message>
        <source>保存参数文件
保存参数文件</source>
        <translation>Save the parameter file
Save parameter file</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>关闭活动文档
关闭</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recent file</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>压杆(&amp;P)</source>
        <translation>&amp;Bars and Specimen</translation>
    </message>
    <message>
        <source>显示主程序处理对话框
主对话框</source>
        <translation>Show the setup dialog (bars, specimen, sampling)
Setup dialog</translation>
    </message>
    <message>
        <source>图像(&amp;G)</source>
        <translation>&amp;Curves</translation>
    </message>
    <message>
        <source>显示图象对话框
图象对话框</source>
        <translation>Show the curve chooser
Curve chooser</translation>
    </message>
    <message>
        <source>参数(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>结果计算(&amp;C)...</source>
        <translation>&amp;Wave Windows and Baselines...</translation>
    </message>
    <message>
        <source>调整与计算相关的数值
计算设定</source>
        <translation>Adjust the values the computation uses
Computation settings</translation>
    </message>
    <message>
        <source>桥/应变仪/应变片参数(&amp;P)...</source>
        <translation>&amp;Bridge / Amplifier / Gauge Parameters...</translation>
    </message>
    <message>
        <source>设置入射、透射波桥臂/桥压/应变仪增益/应变片灵敏度系数</source>
        <translation>Set the bridge arms, bridge voltage, amplifier gain and gauge factor of the incident and transmission bars</translation>
    </message>
    <message>
        <source>图像(&amp;G)...</source>
        <translation>&amp;Graph...</translation>
    </message>
    <message>
        <source>调整与图形相关的数值</source>
        <translation>Adjust the axes of the plot</translation>
    </message>
    <message>
        <source>recapitulation(&amp;E)...</source>
        <translation>R&amp;ecapitulation...</translation>
    </message>
    <message>
        <source>窗口(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>cascade(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>以互相重叠的方式排列窗口
层叠窗口</source>
        <translation>Arrange the windows so they overlap
Cascade windows</translation>
    </message>
    <message>
        <source>tile(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>以互不重叠的方式排列窗口
平铺窗口</source>
        <translation>Arrange the windows side by side
Tile windows</translation>
    </message>
    <message>
        <source>arrang icon(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>在窗口底部排列图标
排列图标</source>
        <translation>Arrange the icons at the bottom of the window
Arrange icons</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于 Velk(&amp;A)...</source>
        <translation>&amp;About Velk...</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>工程应变,工程应力,工程应变率
保存工程曲线(.DT3)</source>
        <translation>Engineering strain, engineering stress, engineering strain rate
Save engineering curves (.DT3)</translation>
    </message>
    <message>
        <source>将原始波形按基线重新排列
计算</source>
        <translation>Rearrange the recorded waves on their baselines and compute
Calculate</translation>
    </message>
    <message>
        <source>参数更新后再次计算
重新计算</source>
        <translation>Compute again after changing parameters
Recompute</translation>
    </message>
    <message>
        <source>计算平均应变率
平均应变率</source>
        <translation>Compute the average strain rate
Average strain rate</translation>
    </message>
    <message>
        <source>确定判断基线高度的范围
基线</source>
        <translation>Set the range the baseline is measured over
Baseline</translation>
    </message>
    <message>
        <source>光滑曲线
 光滑</source>
        <translation>Smooth the curves
Smooth</translation>
    </message>
    <message>
        <source>将指定点后的曲线切除
切除曲线</source>
        <translation>Cut the curves after the picked point
Cut curves</translation>
    </message>
    <message>
        <source>检查曲线
检查</source>
        <translation>Read values off the curve
Check</translation>
    </message>
    <message>
        <source>将曲线起始段拉直
拉直曲线</source>
        <translation>Straighten the foot of the curve
Straighten curve</translation>
    </message>
    <message>
        <source>woring</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>value</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>打开示波器或记录仪保存的记录文件（ISF、CSV、TRC 等）
打开记录文件</source>
        <translation>Open a recording saved by an oscilloscope or data logger (ISF, CSV, TRC...)
Open recording file</translation>
    </message>
    <message>
        <source>打开记录文件(&amp;R)...</source>
        <translation>Open &amp;Recording File...</translation>
    </message>
    <message>
        <source>导出Excel(&amp;X)...</source>
        <translation>E&amp;xport to Excel...</translation>
    </message>
    <message>
        <source>将结果曲线、两端力、汇总值和参数导出为Excel工作簿
导出Excel</source>
        <translation>Export the result curves, the forces on both faces, the summary values and the parameters as an Excel workbook
Export to Excel</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>将六条结果曲线导出为CSV文件
导出CSV</source>
        <translation>Export the six result curves as a CSV file
Export CSV</translation>
    </message>
    <message>
        <source>压杆库(&amp;B)...</source>
        <translation>&amp;Bar library...</translation>
    </message>
    <message>
        <source>编辑压杆材料和直径列表
压杆库</source>
        <translation>Edit the lists of bar materials and diameters
Bar library</translation>
    </message>
    <message>
        <source>对比重复试验的应力应变曲线及其平均值
对比</source>
        <translation>Compare the stress-strain curves of repeat tests and their mean
Compare</translation>
    </message>
    <message>
        <source>对比(&amp;C)...</source>
        <translation>&amp;Compare...</translation>
    </message>
    <message>
        <source>打开会话文件，从原始数据文件重放其中的每一步
打开会话</source>
        <translation>Open a session file and replay each of its steps from the raw data files
Open session</translation>
    </message>
    <message>
        <source>打开会话...</source>
        <translation>Open session...</translation>
    </message>
    <message>
        <source>保存会话(&amp;E)...</source>
        <translation>Sav&amp;e session...</translation>
    </message>
    <message>
        <source>保存会话文件：输入文件、全部参数和每一步操作，打开时重放出同样的曲线
保存会话</source>
        <translation>Save a session file: the input files, every parameter and every step, replayed to the same curves when opened
Save session</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销上一步对试验的修改
撤销</source>
        <translation>Undo the last change to the test
Undo</translation>
    </message>
    <message>
        <source>重做撤销的修改
重做</source>
        <translation>Redo the change undone last
Redo</translation>
    </message>
    <message>
        <source>不确定度...</source>
        <translation>Uncertainty...</translation>
    </message>
    <message>
        <source>以蒙特卡罗法估计结果的不确定度
不确定度</source>
        <translation>Estimate the uncertainty of the results by Monte Carlo
Uncertainty</translation>
    </message>
</context>
<context>
    <name>velk::CMethodDlg</name>
    <message>
        <source>数据计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>方法1</source>
        <translation>Method 1</translation>
    </message>
    <message>
        <source>手动拾取点</source>
        <translation>Pick points by hand</translation>
    </message>
    <message>
        <source>方法2</source>
        <translation>Method 2</translation>
    </message>
    <message>
        <source>自动对齐三波波峰</source>
        <translation>Align the three pulse peaks automatically</translation>
    </message>
    <message>
        <source>方法3</source>
        <translation>Method 3</translation>
    </message>
    <message>
        <source>手动输入三波起点及终点</source>
        <translation>Type the start and end of the three windows</translation>
    </message>
</context>
<context>
    <name>velk::CNjParameter</name>
    <message>
        <source>标定的数字化高度(点)</source>
        <translation>Calibrated digitised height (counts)</translation>
    </message>
</context>
<context>
    <name>velk::COpenWaveDlg</name>
    <message>
        <source>开始点：</source>
        <translation>Start point:</translation>
    </message>
    <message>
        <source>打开波形文件</source>
        <translation>Open waveform files</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>Transmitted wave</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>open TEKTRONIX files</source>
        <translation>Open Tektronix files</translation>
    </message>
    <message>
        <source>open CS20000</source>
        <translation>Open CS20000 files</translation>
    </message>
</context>
<context>
    <name>velk::CParameter</name>
    <message>
        <source>1v=</source>
        <translation>1 V =</translation>
    </message>
    <message>
        <source>(με)</source>
        <translation>(µε)</translation>
    </message>
    <message>
        <source>有效桥臂</source>
        <translation>Active bridge arms</translation>
    </message>
    <message>
        <source>应变片灵敏度系数</source>
        <translation>Gauge factor</translation>
    </message>
    <message>
        <source>桥压(v)</source>
        <translation>Bridge voltage (V)</translation>
    </message>
    <message>
        <source>应变仪增益(×)</source>
        <translation>Amplifier gain (×)</translation>
    </message>
</context>
<context>
    <name>velk::CRecapDlg</name>
    <message>
        <source>recapitulation</source>
        <translation>Recapitulation</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>C:</source>
        <translation>C:</translation>
    </message>
    <message>
        <source>E:</source>
        <translation>E:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>original sample size</source>
        <translation>Specimen as made</translation>
    </message>
    <message>
        <source>D0(mm):</source>
        <translation>D0(mm):</translation>
    </message>
    <message>
        <source>L0(mm):</source>
        <translation>L0(mm):</translation>
    </message>
    <message>
        <source>impact sample size</source>
        <translation>Specimen after impact</translation>
    </message>
    <message>
        <source>D(mm):</source>
        <translation>D(mm):</translation>
    </message>
    <message>
        <source>L(mm):</source>
        <translation>L(mm):</translation>
    </message>
    <message>
        <source>incident para</source>
        <translation>Incident bar bridge</translation>
    </message>
    <message>
        <source>H1:</source>
        <translation>H1:</translation>
    </message>
    <message>
        <source>RG1:</source>
        <translation>RG1:</translation>
    </message>
    <message>
        <source>RK1:</source>
        <translation>RK1:</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>F1:</source>
        <translation>F1:</translation>
    </message>
    <message>
        <source>transmission para</source>
        <translation>Transmission bar bridge</translation>
    </message>
    <message>
        <source>H2:</source>
        <translation>H2:</translation>
    </message>
    <message>
        <source>RG2:</source>
        <translation>RG2:</translation>
    </message>
    <message>
        <source>RK2:</source>
        <translation>RK2:</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>F2:</source>
        <translation>F2:</translation>
    </message>
    <message>
        <source>strike bar</source>
        <translation>Striker</translation>
    </message>
    <message>
        <source>time(ms):</source>
        <translation>time(ms):</translation>
    </message>
    <message>
        <source>length(mm):</source>
        <translation>Length (mm):</translation>
    </message>
    <message>
        <source>velocity(m/s):</source>
        <translation>Velocity (m/s):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>汇总值</source>
        <translation>Summary values</translation>
    </message>
</context>
<context>
    <name>velk::CRecordingOpenDlg</name>
    <message>
        <source>自动识别</source>
        <translation>Auto-detect</translation>
    </message>
    <message>
        <source>分隔文本</source>
        <translation>Delimited text</translation>
    </message>
    <message>
        <source>Tektronix 文本</source>
        <translation>Tektronix text</translation>
    </message>
    <message>
        <source>制表符</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>无时间列</source>
        <translation>no time column</translation>
    </message>
    <message>
        <source>第 %1 列为序号</source>
        <translation>column %1 is the sample number</translation>
    </message>
    <message>
        <source>第 %1 列为时间（%2）</source>
        <translation>column %1 is the time (%2)</translation>
    </message>
    <message>
        <source>分隔符 %1，小数点 %2，表头 %3 行，%4</source>
        <translation>delimiter %1, decimal mark %2, %3 header rows, %4</translation>
    </message>
    <message>
        <source>文件 %1：%2</source>
        <translation>File %1: %2</translation>
    </message>
    <message>
        <source>打开记录文件</source>
        <translation>Open recording file</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>一个文件（含两个通道）</source>
        <translation>One file (both channels)</translation>
    </message>
    <message>
        <source>两个文件</source>
        <translation>Two files</translation>
    </message>
    <message>
        <source>文件 %1：</source>
        <translation>File %1:</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>采样间隔</source>
        <translation>Sample interval</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>开始点：</source>
        <translation>Start point:</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>Transmitted wave</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文件 %1</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>逗号</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>分号</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Sample index</translation>
    </message>
    <message>
        <source>文本格式</source>
        <translation>Text layout</translation>
    </message>
    <message>
        <source>分隔符</source>
        <translation>Delimiter</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>Decimal mark</translation>
    </message>
    <message>
        <source>表头行数</source>
        <translation>Header rows</translation>
    </message>
    <message>
        <source>时间单位</source>
        <translation>Time unit</translation>
    </message>
    <message>
        <source>通道单位</source>
        <translation>Channel unit</translation>
    </message>
</context>
<context>
    <name>velk::CScale</name>
    <message>
        <source>X axis</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>end</source>
        <translation>End</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Y axis</source>
        <translation>Y axis</translation>
    </message>
</context>
<context>
    <name>velk::CSmoothDlg</name>
    <message>
        <source>曲线光滑</source>
        <translation>Curve smoothing</translation>
    </message>
    <message>
        <source>波形总点数</source>
        <translation>Total points of the waves</translation>
    </message>
    <message>
        <source>光滑点数 (&gt;=3) ...3,4,5,10...</source>
        <translation>Smoothing points (&gt;=3) ...3,4,5,10...</translation>
    </message>
    <message>
        <source>光滑</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velk::CStaticCalibrationPage</name>
    <message>
        <source>桥式电压(V)</source>
        <translation>Bridge voltage (V)</translation>
    </message>
    <message>
        <source>电压-应变转化系数(με)</source>
        <translation>Volts-to-strain factor (µε)</translation>
    </message>
    <message>
        <source>静标定应变值(με)</source>
        <translation>Static calibration strain (µε)</translation>
    </message>
    <message>
        <source>应变片灵敏系数</source>
        <translation>Gauge factor</translation>
    </message>
</context>
<context>
    <name>velk::CTestSetupDlg</name>
    <message>
        <source>数采/压杆/试样参数</source>
        <translation>Recording, Bars and Specimen</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>Transmitted wave</translation>
    </message>
    <message>
        <source>全部波</source>
        <translation>All waves</translation>
    </message>
    <message>
        <source>(两波法)入射波&amp;透射波</source>
        <translation>(two-wave) incident &amp; transmitted</translation>
    </message>
    <message>
        <source>(两波法)入射波&amp;反射波</source>
        <translation>(two-wave) incident &amp; reflected</translation>
    </message>
    <message>
        <source>(两波法)反射波&amp;透射波</source>
        <translation>(two-wave) reflected &amp; transmitted</translation>
    </message>
    <message>
        <source>(3波法)3 waves（normal）</source>
        <translation>(three-wave) 3 waves (normal)</translation>
    </message>
    <message>
        <source>3 waves（foam）</source>
        <translation>(three-wave) 3 waves (foam)</translation>
    </message>
    <message>
        <source>压杆材质</source>
        <translation>Bar material</translation>
    </message>
    <message>
        <source>压杆直径(mm)</source>
        <translation>Bar diameter (mm)</translation>
    </message>
    <message>
        <source>计算模型</source>
        <translation>Compute model</translation>
    </message>
    <message>
        <source>试样直径(mm):</source>
        <translation>Specimen diameter (mm):</translation>
    </message>
    <message>
        <source>试样厚度(mm):</source>
        <translation>Specimen thickness (mm):</translation>
    </message>
    <message>
        <source>试样中应力波速(m/s):</source>
        <translation>Wave speed in specimen (m/s):</translation>
    </message>
    <message>
        <source>wave velocity in Matrix (m/s):</source>
        <translation>Wave speed in matrix (m/s):</translation>
    </message>
    <message>
        <source>子弹速度(m/s):</source>
        <translation>Striker velocity (m/s):</translation>
    </message>
    <message>
        <source>数采采样频率(MHz):</source>
        <translation>Sampling frequency (MHz):</translation>
    </message>
    <message>
        <source>采样频率必须大于0：计算仍使用 %1 MHz。</source>
        <translation>The sampling frequency must be above 0: the computation still uses %1 MHz.</translation>
    </message>
    <message>
        <source>透射杆不同</source>
        <translation>Separate transmission bar</translation>
    </message>
    <message>
        <source>压杆库...</source>
        <translation>Bar library...</translation>
    </message>
    <message>
        <source>不限</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>透射杆材质</source>
        <translation>Transmission bar material</translation>
    </message>
    <message>
        <source>透射杆直径(mm)</source>
        <translation>Transmission bar diameter (mm)</translation>
    </message>
    <message>
        <source>结果点数上限</source>
        <translation>Result point limit</translation>
    </message>
    <message>
        <source>弥散修正</source>
        <translation>Dispersion correction</translation>
    </message>
    <message>
        <source>入射杆应变片距试样(mm)</source>
        <translation>Incident gauge to specimen (mm)</translation>
    </message>
    <message>
        <source>透射杆应变片距试样(mm)</source>
        <translation>Transmitted gauge to specimen (mm)</translation>
    </message>
</context>
<context>
    <name>velk::CUncertaintyDlg</name>
    <message>
        <source>不确定度</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>输入的标准不确定度</source>
        <translation>Standard uncertainty of the inputs</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>95% 下限</source>
        <translation>95% lower</translation>
    </message>
    <message>
        <source>95% 上限</source>
        <translation>95% upper</translation>
    </message>
    <message>
        <source>标准不确定度</source>
        <translation>Standard uncertainty</translation>
    </message>
    <message>
        <source>主要来源</source>
        <translation>Dominant input</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>各输入对方差的贡献 (%)</source>
        <translation>Share of each input in the variance (%)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>默认值</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>尚未估计。</source>
        <translation>Not estimated yet.</translation>
    </message>
    <message>
        <source>%1 次抽样，有效 %2 次，随机种子 %3</source>
        <translation>%1 draws, %2 used, seed %3</translation>
    </message>
</context>
<context>
    <name>velk::CVelkView</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>The printer could not be started.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Export plot</source>
        <translation>Export plot</translation>
    </message>
</context>
<context>
    <name>velk::CWavePos</name>
    <message>
        <source>入射波</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>End</translation>
    </message>
    <message>
        <source>反射波</source>
        <translation>Reflected wave</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>Transmitted wave</translation>
    </message>
</context>
<context>
    <name>velk::ComparisonPlot</name>
    <message>
        <source>真实应变</source>
        <translation>True strain</translation>
    </message>
    <message>
        <source>工程应变</source>
        <translation>Engineering strain</translation>
    </message>
    <message>
        <source>真实应力(MPa)</source>
        <translation>True stress (MPa)</translation>
    </message>
    <message>
        <source>工程应力(MPa)</source>
        <translation>Engineering stress (MPa)</translation>
    </message>
    <message>
        <source>平均 (n = %1)</source>
        <translation>Mean (n = %1)</translation>
    </message>
    <message>
        <source>±1 标准差</source>
        <translation>±1 standard deviation</translation>
    </message>
</context>
<context>
    <name>velk::DataExchange</name>
    <message>
        <source>Velk</source>
        <translation>Velk</translation>
    </message>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>请键入一个数。</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>velk::PlotExport</name>
    <message>
        <source>The plot could not be written to %1.</source>
        <translation>The plot could not be written to %1.</translation>
    </message>
    <message>
        <source>The picture size %1 x %2 is not usable.</source>
        <translation>The picture size %1 x %2 is not usable.</translation>
    </message>
    <message>
        <source>%1: the plot can be written as .png, .svg or .pdf only.</source>
        <translation>%1: the plot can be written as .png, .svg or .pdf only.</translation>
    </message>
</context>
<context>
    <name>velk::PlotRenderer</name>
    <message>
        <source>零点基线计算区域: 开始点:%1  结束点:%2  基线平均值:%3  </source>
        <translation>Baseline range: start %1  end %2  baseline mean %3  </translation>
    </message>
</context>
<context>
    <name>velk::PropertySheet</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velk::Sheet</name>
    <message>
        <source>南京参数</source>
        <translation>Static calibration</translation>
    </message>
    <message>
        <source>incident wave</source>
        <translation>Incident bar</translation>
    </message>
    <message>
        <source>transimission wave</source>
        <translation>Transmission bar</translation>
    </message>
    <message>
        <source>CS20000 parameter</source>
        <translation>CS20000 calibration</translation>
    </message>
    <message>
        <source>transmission wave</source>
        <translation>Transmission bar</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>calculate</source>
        <translation>Wave windows and baselines</translation>
    </message>
    <message>
        <source>三波起终点</source>
        <translation>Wave windows</translation>
    </message>
    <message>
        <source>calibrate</source>
        <translation>Baselines</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>Bridge parameters</translation>
    </message>
    <message>
        <source>入射波应变参数设定</source>
        <translation>Incident bar bridge</translation>
    </message>
    <message>
        <source>透射波应变参数设定</source>
        <translation>Transmission bar bridge</translation>
    </message>
</context>
</TS>
