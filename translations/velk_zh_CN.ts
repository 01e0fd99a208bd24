<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>velk</name>
    <message>
        <source>输出文件 (*.DT2)</source>
        <translation>输出文件 (*.DT2)</translation>
    </message>
    <message>
        <source>输出文件 (*.DT3)</source>
        <translation>输出文件 (*.DT3)</translation>
    </message>
    <message>
        <source>输出文件 (*.DT4)</source>
        <translation>输出文件 (*.DT4)</translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>保存为</translation>
    </message>
    <message>
        <source>Velk</source>
        <translation>Velk</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Velk file (*.isf)</source>
        <translation>Velk file (*.isf)</translation>
    </message>
    <message>
        <source>所有文件 (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>请键入一个整数。</source>
        <translation>请键入一个整数。</translation>
    </message>
    <message>
        <source>开始点不能为负数。</source>
        <translation>开始点不能为负数。</translation>
    </message>
    <message>
        <source>Velk parameter file (*.pat)</source>
        <translation>Velk parameter file (*.pat)</translation>
    </message>
    <message>
        <source>Open file %1 fault!</source>
        <translation>Open file %1 fault!</translation>
    </message>
    <message>
        <source>请先打开 *.DAT 文件。</source>
        <translation>请先打开 *.DAT 文件。</translation>
    </message>
    <message>
        <source>对 %1 的存取被拒绝。</source>
        <translation>对 %1 的存取被拒绝。</translation>
    </message>
    <message>
        <source>在存取 %1 时磁盘已满。</source>
        <translation>在存取 %1 时磁盘已满。</translation>
    </message>
    <message>
        <source>保存文档失败。</source>
        <translation>保存文档失败。</translation>
    </message>
    <message>
        <source>Alloc memory fault</source>
        <translation>Alloc memory fault</translation>
    </message>
    <message>
        <source>文件 %1 中没有数据。</source>
        <translation>文件 %1 中没有数据。</translation>
    </message>
    <message>
        <source>打开文档失败。</source>
        <translation>打开文档失败。</translation>
    </message>
    <message>
        <source>The baseline range %1 to %2 runs past the last sample %3 of the channel.</source>
        <translation>基线范围 %1 至 %2 超出了该通道的最后一个采样点 %3。</translation>
    </message>
    <message>
        <source>The window method stopped before placing the windows; nothing was computed.</source>
        <translation>取窗方法在放置波窗之前停止；未进行计算。</translation>
    </message>
    <message>
        <source>The plot could not be written to %1.</source>
        <translation>无法将图像写入 %1。</translation>
    </message>
    <message>
        <source>Curve kind %1 shows computed results; there are none to plot.</source>
        <translation>曲线类型 %1 显示计算结果，但目前没有可绘制的结果。</translation>
    </message>
    <message>
        <source>The bundled sample test (samples/tek/T1_inc.txt) was not found; looked in %1.</source>
        <translation>找不到随附的示例试验 (samples/tek/T1_inc.txt)；已查找：%1。</translation>
    </message>
    <message>
        <source>请在工程应力应变曲线界面计算</source>
        <translation>请在工程应力应变曲线界面计算</translation>
    </message>
    <message>
        <source>The sample interval is not above zero: set the sampling frequency first.</source>
        <translation>采样间隔不大于零：请先设置采样频率。</translation>
    </message>
    <message>
        <source>The average strain rate is taken from point 0 to the picked point: pick a point between 1 and %1.</source>
        <translation>平均应变率取自第 0 点到所选点：请在 1 到 %1 之间选择一点。</translation>
    </message>
    <message>
        <source>请选择计算的曲线</source>
        <translation>请选择计算的曲线</translation>
    </message>
    <message>
        <source>The picked point %1 lies outside the curve (points 0 to %2); nothing was cut.</source>
        <translation>所选点 %1 不在曲线上（第 0 至 %2 点）；未切除任何内容。</translation>
    </message>
    <message>
        <source>Please select the engineering stress-strain curve</source>
        <translation>Please select the engineering stress-strain curve</translation>
    </message>
    <message>
        <source>choose the center point No. around which to straighten the curve</source>
        <translation>choose the center point No. around which to straighten the curve</translation>
    </message>
    <message>
        <source>The centre point must lie at least 10 points from either end of the curve (points 10 to %1); point %2 does not. Nothing was changed.</source>
        <translation>中心点距曲线两端至少应有 10 个点（第 10 至 %1 点）；第 %2 点不满足。未作任何修改。</translation>
    </message>
    <message>
        <source>The strain does not change around point %1, so the curve has no slope there. Choose another centre point.</source>
        <translation>第 %1 点附近应变没有变化，曲线在该处没有斜率。请另选中心点。</translation>
    </message>
    <message>
        <source>试验平均应变率= </source>
        <translation>试验平均应变率= </translation>
    </message>
    <message>
        <source>original wave</source>
        <translation>original wave</translation>
    </message>
    <message>
        <source>calculate data graph重新整理后的图象</source>
        <translation>calculate data graph重新整理后的图象</translation>
    </message>
    <message>
        <source>engineering stress curve</source>
        <translation>engineering stress curve</translation>
    </message>
    <message>
        <source>engineering strain curve</source>
        <translation>engineering strain curve</translation>
    </message>
    <message>
        <source>engineering strain rate curve</source>
        <translation>engineering strain rate curve</translation>
    </message>
    <message>
        <source>actual stress curve</source>
        <translation>actual stress curve</translation>
    </message>
    <message>
        <source>actual strain curve</source>
        <translation>actual strain curve</translation>
    </message>
    <message>
        <source>actual strain rate curve</source>
        <translation>actual strain rate curve</translation>
    </message>
    <message>
        <source>engineering strain-stress curve</source>
        <translation>engineering strain-stress curve</translation>
    </message>
    <message>
        <source>actual strain-stress curve</source>
        <translation>actual strain-stress curve</translation>
    </message>
    <message>
        <source>No waves are loaded.</source>
        <translation>尚未载入波形。</translation>
    </message>
    <message>
        <source>请选择入射波上一点</source>
        <translation>请选择入射波上一点</translation>
    </message>
    <message>
        <source>请选择反射波上一点</source>
        <translation>请选择反射波上一点</translation>
    </message>
    <message>
        <source>请选择透射波上一点</source>
        <translation>请选择透射波上一点</translation>
    </message>
    <message>
        <source>No incident pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the incident wave.</source>
        <translation>到所选点 %1 为止，没有高于基线的入射脉冲。请在入射波波峰处或其后选择一点。</translation>
    </message>
    <message>
        <source>No reflected pulse falls below the baseline up to the picked point %1. Pick a point at or after the trough of the reflected wave.</source>
        <translation>到所选点 %1 为止，没有低于基线的反射脉冲。请在反射波波谷处或其后选择一点。</translation>
    </message>
    <message>
        <source>Every transmitted pulse found up to the picked point %1 was shorter than %2 samples and was taken for a spike; after %3 of them the search stopped. Pick a point after the transmitted pulse, or type the windows (method 3).</source>
        <translation>到所选点 %1 为止找到的透射脉冲都短于 %2 个采样点，被当作尖峰；找到 %3 个后停止搜索。请在透射脉冲之后选择一点，或手动输入波窗（方法3）。</translation>
    </message>
    <message>
        <source>No transmitted pulse rises above the baseline up to the picked point %1. Pick a point at or after the peak of the transmitted wave.</source>
        <translation>到所选点 %1 为止，没有高于基线的透射脉冲。请在透射波波峰处或其后选择一点。</translation>
    </message>
    <message>
        <source>No incident pulse was found: the incident channel never rises above its baseline. No window was placed.</source>
        <translation>未找到入射脉冲：入射通道始终未高于其基线。未放置波窗。</translation>
    </message>
    <message>
        <source>No reflected pulse was found: the incident channel never falls below its baseline. No window was placed.</source>
        <translation>未找到反射脉冲：入射通道始终未低于其基线。未放置波窗。</translation>
    </message>
    <message>
        <source>No transmitted pulse was found: the transmitted channel never rises above its baseline. No window was placed.</source>
        <translation>未找到透射脉冲：透射通道始终未高于其基线。未放置波窗。</translation>
    </message>
    <message>
        <source>The pulse fronts could not be located. No window was placed.</source>
        <translation>无法确定脉冲前沿。未放置波窗。</translation>
    </message>
    <message>
        <source>engineering stress</source>
        <translation>工程应力</translation>
    </message>
    <message>
        <source>engineering strain</source>
        <translation>工程应变</translation>
    </message>
    <message>
        <source>engineering strain rate</source>
        <translation>工程应变率</translation>
    </message>
    <message>
        <source>true stress</source>
        <translation>真实应力</translation>
    </message>
    <message>
        <source>true strain</source>
        <translation>真实应变</translation>
    </message>
    <message>
        <source>true strain rate</source>
        <translation>真实应变率</translation>
    </message>
    <message>
        <source>The %1 at result point %2 is not a finite number (%3): a sample inside the wave windows or a test parameter is not finite, or the specimen strain reached 1. Nothing was computed.</source>
        <translation>结果点 %2 处的%1不是有限数 (%3)：波窗内的采样值或某个试验参数不是有限数，或试样应变达到了 1。未进行计算。</translation>
    </message>
    <message>
        <source>Error in choosing compute model.</source>
        <translation>Error in choosing compute model.</translation>
    </message>
    <message>
        <source>The sample interval is %1 µs: set a sampling frequency above zero in the setup dialog before computing.</source>
        <translation>采样间隔为 %1 µs：计算前请在参数对话框中设置大于零的采样频率。</translation>
    </message>
    <message>
        <source>The specimen thickness is %1 mm: it must be above zero.</source>
        <translation>试样厚度为 %1 mm：必须大于零。</translation>
    </message>
    <message>
        <source>The specimen diameter is %1 mm: it must not be zero.</source>
        <translation>试样直径为 %1 mm：不能为零。</translation>
    </message>
    <message>
        <source>The specimen wave speed of the test parameters is %1 m/s: the time the wave takes to cross the specimen cannot be found. Enter the specimen wave speed again.</source>
        <translation>试验参数中的试样波速为 %1 m/s：无法求出应力波穿过试样的时间。请重新输入试样中应力波速。</translation>
    </message>
    <message>
        <source>The transmitted wave window ends at sample %1, before its start at sample %2. Place the windows again.</source>
        <translation>透射波窗终点（第 %1 点）在其起点（第 %2 点）之前。请重新放置波窗。</translation>
    </message>
    <message>
        <source>A wave window starts before the first sample (incident %1, reflected %2, transmitted %3). Place the windows again.</source>
        <translation>有波窗起点在第一个采样点之前（入射 %1，反射 %2，透射 %3）。请重新放置波窗。</translation>
    </message>
    <message>
        <source>No result point can be computed: a wave window starts at or beyond the last sample of the channel (%1 samples). Place the windows again.</source>
        <translation>无法计算任何结果点：有波窗起点位于通道最后一个采样点处或其后（共 %1 个采样点）。请重新放置波窗。</translation>
    </message>
    <message>
        <source>Heap overflow during alloc arrays G &amp; Recs.</source>
        <translation>Heap overflow during alloc arrays G &amp; Recs.</translation>
    </message>
    <message>
        <source>Heap overflow during alloc array Force ,Deform &amp; Time.</source>
        <translation>Heap overflow during alloc array Force ,Deform &amp; Time.</translation>
    </message>
    <message>
        <source>Heap overflow during alloc array t,d4.</source>
        <translation>Heap overflow during alloc array t,d4.</translation>
    </message>
    <message>
        <source>The foam correction cannot place the transmitted wave in time: the wave speed in the specimen falls to zero at strain %1 (matrix wave velocity %2 m/s). Nothing was computed.</source>
        <translation>泡沫修正无法在时间上定位透射波：试样中的波速在应变 %1 处降为零（基体波速 %2 m/s）。未进行计算。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The total points must lie between 0 and %1, the points of the waves.</source>
        <translation>波形总点数必须在 0 到 %1（波形的点数）之间。</translation>
    </message>
    <message>
        <source>There are no results to smooth yet.</source>
        <translation>尚无可光滑的结果。</translation>
    </message>
    <message>
        <source>The smoothing points must lie between 1 and %1 for %2 points; nothing was smoothed.</source>
        <translation>对 %2 个点，光滑点数必须在 1 到 %1 之间；未进行光滑。</translation>
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
        <translation>velk-reduce：按桌面程序的方式处理一次分离式霍普金森压杆试验。
打开记录的通道（Tektronix 或 CS20000 波形文件，或试验记录文件及其同目录下的参数文件），
应用参数，放置波窗，计算应力应变曲线，按命令行顺序运行曲线工具并写出结果。
当要求取窗方法、曲线工具、结果文件或曲线类型 4 到 12 的图像时（以及 --demo）才进行计算；
否则只打开试验并应用参数。
退出状态：0 完成；2 用法错误；1 数据无法处理（程序的消息输出到 stderr）。</translation>
    </message>
    <message>
        <source>--bridge-inc and --bridge-tr do not apply to a CS20000 test, which is scaled by its calibration; use --factor-inc and --factor-tr</source>
        <translation>--bridge-inc 和 --bridge-tr 不适用于 CS20000 试验（它按自身标定换算）；请使用 --factor-inc 和 --factor-tr</translation>
    </message>
    <message>
        <source>a baseline range needs 0 &lt;= START &lt;= END</source>
        <translation>基线范围须满足 0 &lt;= START &lt;= END</translation>
    </message>
    <message>
        <source>--method 1 needs --picks PI PR PT</source>
        <translation>--method 1 需要 --picks PI PR PT</translation>
    </message>
    <message>
        <source>--picks applies to --method 1 only</source>
        <translation>--picks 只适用于 --method 1</translation>
    </message>
    <message>
        <source>--method 3 needs --windows IS IE RS RE TS TE</source>
        <translation>--method 3 需要 --windows IS IE RS RE TS TE</translation>
    </message>
    <message>
        <source>--windows applies to --method 3 only</source>
        <translation>--windows 只适用于 --method 3</translation>
    </message>
    <message>
        <source>Usage: velk-reduce [OPTIONS]; run velk-reduce --help for the options.</source>
        <translation>用法：velk-reduce [选项]；运行 velk-reduce --help 查看选项。</translation>
    </message>
    <message>
        <source>After the computation, in command-line order</source>
        <translation>计算之后（按命令行顺序）</translation>
    </message>
    <message>
        <source>Window method (default 2)</source>
        <translation>取窗方法（默认 2）</translation>
    </message>
    <message>
        <source>1 points picked on the waves (--picks), 2 automatic alignment of the peaks, 3 typed windows (--windows)</source>
        <translation>1 在波形上拾取点 (--picks)，2 自动对齐波峰，3 输入波窗 (--windows)</translation>
    </message>
    <message>
        <source>Method 1: a sample at or after the peak of the incident wave, the trough of the reflected wave and the peak of the transmitted wave</source>
        <translation>方法1：位于入射波波峰、反射波波谷和透射波波峰处或其后的采样点</translation>
    </message>
    <message>
        <source>Method 3: incident, reflected and transmitted window start and end samples</source>
        <translation>方法3：入射、反射和透射波窗的起点和终点</translation>
    </message>
    <message>
        <source>Smooth both recorded waves (P points, one pass) and calculate from them</source>
        <translation>光滑两条记录波形（P 点，一遍）并由其计算</translation>
    </message>
    <message>
        <source>Smooth the six result curves with P points (passes compound, as with the smoothed curves shown)</source>
        <translation>以 P 点光滑六条结果曲线（多次光滑逐次叠加，与显示的光滑后曲线相同）</translation>
    </message>
    <message>
        <source>End every result curve at point I</source>
        <translation>在第 I 点切除所有结果曲线</translation>
    </message>
    <message>
        <source>Straighten the foot of the engineering stress-strain curve around centre point C</source>
        <translation>以中心点 C 拉直工程应力应变曲线的起始段</translation>
    </message>
    <message>
        <source>Input (exactly one)</source>
        <translation>输入（只能一个）</translation>
    </message>
    <message>
        <source>Tektronix waveform files</source>
        <translation>Tektronix 示波器波形文件</translation>
    </message>
    <message>
        <source>CS20000 recorder files</source>
        <translation>CS20000 记录仪文件</translation>
    </message>
    <message>
        <source>Test record file; the parameter file beside it is loaded when it exists</source>
        <translation>试验记录文件；同目录下的参数文件存在时一并载入</translation>
    </message>
    <message>
        <source>The bundled sample test: samples/tek/T1_inc.txt and T1_tr.txt with its parameter file T1.PAT (see samples/README.md)</source>
        <translation>随附的示例试验：samples/tek/T1_inc.txt 和 T1_tr.txt 及其参数文件 T1.PAT（见 samples/README.md）</translation>
    </message>
    <message>
        <source>Start points of the waveform files (default 0 0)</source>
        <translation>波形文件的开始点（默认 0 0）</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>用法</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必需</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>排除</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>需要</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>显示本帮助并退出</translation>
    </message>
    <message>
        <source>Language of the messages and of this help: en or zh (default: the locale&apos;s)</source>
        <translation>消息和本帮助的语言：en 或 zh（默认取自区域设置）</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Write engineering strain and stress (.DT2 layout)</source>
        <translation>写出工程应变和工程应力（.DT2 格式）</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Write engineering strain, stress and strain rate (.DT3 layout)</source>
        <translation>写出工程应变、应力和应变率（.DT3 格式）</translation>
    </message>
    <message>
        <source>Write true strain, stress and strain rate (.DT4 layout)</source>
        <translation>写出真实应变、应力和应变率（.DT4 格式）</translation>
    </message>
    <message>
        <source>Write the parameter file, as the save-parameter-file command does</source>
        <translation>写出参数文件（同“保存参数文件”命令）</translation>
    </message>
    <message>
        <source>Print a summary of the test as one JSON object</source>
        <translation>以一个 JSON 对象输出试验摘要</translation>
    </message>
    <message>
        <source>Parameters (applied after opening: --params first, then the others)</source>
        <translation>参数（打开后应用：先 --params，再其他）</translation>
    </message>
    <message>
        <source>Parameter file to load after opening, as the open-parameter-file command does</source>
        <translation>打开后载入的参数文件（同“打开参数文件”命令）</translation>
    </message>
    <message>
        <source>Sampling frequency, MHz</source>
        <translation>采样频率，MHz</translation>
    </message>
    <message>
        <source>Specimen diameter, mm</source>
        <translation>试样直径，mm</translation>
    </message>
    <message>
        <source>Specimen thickness, mm</source>
        <translation>试样厚度，mm</translation>
    </message>
    <message>
        <source>Wave speed in the specimen, m/s (0: no transit shift)</source>
        <translation>试样中应力波速，m/s（0：不做渡越时间平移）</translation>
    </message>
    <message>
        <source>Wave velocity in the matrix, m/s (foam model)</source>
        <translation>基体中的波速，m/s（泡沫模型）</translation>
    </message>
    <message>
        <source>Striker velocity, m/s</source>
        <translation>子弹速度，m/s</translation>
    </message>
    <message>
        <source>Compute model: 0 incident &amp; transmitted, 1 incident &amp; reflected, 2 reflected &amp; transmitted, 3 three waves, 4 three waves (foam)</source>
        <translation>计算模型：0 入射波&amp;透射波，1 入射波&amp;反射波，2 反射波&amp;透射波，3 三波法，4 三波法（泡沫）</translation>
    </message>
    <message>
        <source>Incident conversion factor, microstrain per unit, set directly</source>
        <translation>入射波转换系数（每单位微应变），直接设定</translation>
    </message>
    <message>
        <source>Transmitted conversion factor, microstrain per unit, set directly</source>
        <translation>透射波转换系数（每单位微应变），直接设定</translation>
    </message>
    <message>
        <source>Incident bridge: the factor 4e6 / (GAIN x VOLT x GF x ARMS) as the bridge page shows it (&quot;%f&quot;)</source>
        <translation>入射波电桥：按电桥参数页的显示（&quot;%f&quot;）取系数 4e6 / (GAIN x VOLT x GF x ARMS)</translation>
    </message>
    <message>
        <source>Transmitted bridge, as --bridge-inc</source>
        <translation>透射波电桥，同 --bridge-inc</translation>
    </message>
    <message>
        <source>Incident baseline range, samples START..END inclusive (mean recomputed)</source>
        <translation>入射波基线范围，采样点 START..END（含两端，重新计算平均值）</translation>
    </message>
    <message>
        <source>Transmitted baseline range, as --baseline-inc</source>
        <translation>透射波基线范围，同 --baseline-inc</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, for example 690x490</source>
        <translation>--size 取像素尺寸 WxH，例如 690x490</translation>
    </message>
    <message>
        <source>--plot takes a curve kind from 3 to 12 and a file name</source>
        <translation>--plot 需要 3 到 12 的曲线类型和一个文件名</translation>
    </message>
    <message>
        <source>--plot writes .png, .svg or .pdf files</source>
        <translation>--plot 只写 .png、.svg 或 .pdf 文件</translation>
    </message>
    <message>
        <source>记录文件 (*.isf *.csv *.trc *.txt)</source>
        <translation>记录文件 (*.isf *.csv *.trc *.txt)</translation>
    </message>
    <message>
        <source>请选择入射波和透射波通道。</source>
        <translation>请选择入射波和透射波通道。</translation>
    </message>
    <message>
        <source>文件 %1 不完整：波形描述比文件长。</source>
        <translation>文件 %1 不完整：波形描述比文件长。</translation>
    </message>
    <message>
        <source>文件 %1 是分段记录（%2 段），只读入了第一段。</source>
        <translation>文件 %1 是分段记录（%2 段），只读入了第一段。</translation>
    </message>
    <message>
        <source>文件 %1 与文件 %2 的采样间隔不同（%3 s 与 %4 s）。</source>
        <translation>文件 %1 与文件 %2 的采样间隔不同（%3 s 与 %4 s）。</translation>
    </message>
    <message>
        <source>文件 %1 中没有通道 %2。</source>
        <translation>文件 %1 中没有通道 %2。</translation>
    </message>
    <message>
        <source>开始点 %1 超出了文件 %2 的数据长度 %3。</source>
        <translation>开始点 %1 超出了文件 %2 的数据长度 %3。</translation>
    </message>
    <message>
        <source>无法识别文件 %1 的格式，请指定文件格式。</source>
        <translation>无法识别文件 %1 的格式，请指定文件格式。</translation>
    </message>
    <message>
        <source>文件 %1 不是文本文件。</source>
        <translation>文件 %1 不是文本文件。</translation>
    </message>
    <message>
        <source>文件 %1 是频域数据（%2），不是波形记录。</source>
        <translation>文件 %1 是频域数据（%2），不是波形记录。</translation>
    </message>
    <message>
        <source>文件 %1 不完整：数据块长度 %2 字节超出文件。</source>
        <translation>文件 %1 不完整：数据块长度 %2 字节超出文件。</translation>
    </message>
    <message>
        <source>文件 %1 中的点数 %2 无效。</source>
        <translation>文件 %1 中的点数 %2 无效。</translation>
    </message>
    <message>
        <source>文件 %1 的点数超过了可以处理的范围。</source>
        <translation>文件 %1 的点数超过了可以处理的范围。</translation>
    </message>
    <message>
        <source>文件 %1 中的换算系数 %2 无效：换算出的电压超出范围。</source>
        <translation>文件 %1 中的换算系数 %2 无效：换算出的电压超出范围。</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的“%3”不是数字。</source>
        <translation>文件 %1 第 %2 行的“%3”不是数字。</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的列数与前面的数据行不同。</source>
        <translation>文件 %1 第 %2 行的列数与前面的数据行不同。</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行的分隔符与其他行不同。</source>
        <translation>文件 %1 第 %2 行的分隔符与其他行不同。</translation>
    </message>
    <message>
        <source>文件 %1 中的通道 %2 没有数据。</source>
        <translation>文件 %1 中的通道 %2 没有数据。</translation>
    </message>
    <message>
        <source>文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。</source>
        <translation>文件 %1 的时间列不均匀：第 %2 行的时间间隔与其他行不同。</translation>
    </message>
    <message>
        <source>文件 %1 的波形前导中缺少 %2。</source>
        <translation>文件 %1 的波形前导中缺少 %2。</translation>
    </message>
    <message>
        <source>文件 %1 的数据格式 %2 无法读入。</source>
        <translation>文件 %1 的数据格式 %2 无法读入。</translation>
    </message>
    <message>
        <source>文件 %1 中没有波形数据块（CURVE）。</source>
        <translation>文件 %1 中没有波形数据块（CURVE）。</translation>
    </message>
    <message>
        <source>文件 %1 中有 %2 个波形记录，只读入了第一个。</source>
        <translation>文件 %1 中有 %2 个波形记录，只读入了第一个。</translation>
    </message>
    <message>
        <source>文件 %1 是 %2 格式，请用原来的打开命令打开。</source>
        <translation>文件 %1 是 %2 格式，请用原来的打开命令打开。</translation>
    </message>
    <message>
        <source>write the plot of curve kind KIND (3..12) to FILE (.png, .svg or .pdf); may be given several times</source>
        <translation>将曲线类型 KIND (3..12) 的图像写入 FILE（.png、.svg 或 .pdf）；可多次给出</translation>
    </message>
    <message>
        <source>size in pixels of the plot before it, WxH (default 690x490); before the first --plot, of every plot without its own</source>
        <translation>前一个 --plot 图像的尺寸（像素），WxH（默认 690x490）；在第一个 --plot 之前给出时，为所有未单独指定尺寸的图像的尺寸</translation>
    </message>
    <message>
        <source>--size follows the --plot whose size it sets, once</source>
        <translation>--size 紧跟在它所设定尺寸的 --plot 之后，每个 --plot 只能有一个</translation>
    </message>
    <message>
        <source>Instrument recordings</source>
        <translation>仪器记录文件</translation>
    </message>
    <message>
        <source>Recording holding the incident channel</source>
        <translation>含入射波通道的记录文件</translation>
    </message>
    <message>
        <source>Incident channel: its name in the file or its number from 1 (default 1)</source>
        <translation>入射波通道：文件中的通道名，或从 1 起的通道号（默认 1）</translation>
    </message>
    <message>
        <source>Recording holding the transmitted channel (may be the --inc file)</source>
        <translation>含透射波通道的记录文件（可与 --inc 为同一文件）</translation>
    </message>
    <message>
        <source>Transmitted channel: its name in the file or its number from 1 (default 1)</source>
        <translation>透射波通道：文件中的通道名，或从 1 起的通道号（默认 1）</translation>
    </message>
    <message>
        <source>Format of the --inc, --tr and --describe files</source>
        <translation>--inc、--tr 和 --describe 文件的格式</translation>
    </message>
    <message>
        <source>Print the file&apos;s format, channels, point counts, intervals and units as JSON and exit</source>
        <translation>以 JSON 输出文件的格式、通道、点数、采样间隔和单位，然后退出</translation>
    </message>
    <message>
        <source>Write the two waves as read, before any processing, as CSV</source>
        <translation>将读入的两个波形（未经任何处理）写成 CSV 文件</translation>
    </message>
    <message>
        <source>--inc and --tr go together</source>
        <translation>--inc 和 --tr 须同时指定</translation>
    </message>
    <message>
        <source>--inc-channel and --tr-channel apply to --inc and --tr only</source>
        <translation>--inc-channel 和 --tr-channel 只适用于 --inc 和 --tr</translation>
    </message>
    <message>
        <source>--format applies to --inc, --tr and --describe</source>
        <translation>--format 只适用于 --inc、--tr 和 --describe</translation>
    </message>
    <message>
        <source>a test record file holds both channels: give the same file to --inc and --tr</source>
        <translation>试验记录文件包含两个通道：请为 --inc 和 --tr 指定同一个文件</translation>
    </message>
    <message>
        <source>name exactly one input: --tek, --cs, --record, --demo or --inc with --tr</source>
        <translation>请只指定一个输入：--tek、--cs、--record、--demo 或 --inc 加 --tr</translation>
    </message>
    <message>
        <source>--start applies to --tek, --cs and --inc with --tr only</source>
        <translation>--start 只适用于 --tek、--cs 和 --inc 加 --tr</translation>
    </message>
    <message>
        <source>应变片灵敏系数</source>
        <translation>应变片灵敏系数</translation>
    </message>
    <message>
        <source>桥路或标定系数</source>
        <translation>桥路或标定系数</translation>
    </message>
    <message>
        <source>压杆弹性模量</source>
        <translation>压杆弹性模量</translation>
    </message>
    <message>
        <source>压杆波速</source>
        <translation>压杆波速</translation>
    </message>
    <message>
        <source>压杆直径</source>
        <translation>压杆直径</translation>
    </message>
    <message>
        <source>试样直径</source>
        <translation>试样直径</translation>
    </message>
    <message>
        <source>试样厚度</source>
        <translation>试样厚度</translation>
    </message>
    <message>
        <source>采样频率</source>
        <translation>采样频率</translation>
    </message>
    <message>
        <source>波窗起点</source>
        <translation>波窗起点</translation>
    </message>
    <message>
        <source>采样点</source>
        <translation>采样点</translation>
    </message>
    <message>
        <source>不确定度文件的内容必须是一个 JSON 对象。</source>
        <translation>不确定度文件的内容必须是一个 JSON 对象。</translation>
    </message>
    <message>
        <source>不确定度文件中的名称“%1”不认识。</source>
        <translation>不确定度文件中的名称“%1”不认识。</translation>
    </message>
    <message>
        <source>不确定度“%1”的值 %2 不可用：须为不小于零的数。</source>
        <translation>不确定度“%1”的值 %2 不可用：须为不小于零的数。</translation>
    </message>
    <message>
        <source>不确定度“%1”的值 %2 不可用：须为 0 至 %3 之间的整数（采样点数）。</source>
        <translation>不确定度“%1”的值 %2 不可用：须为 0 至 %3 之间的整数（采样点数）。</translation>
    </message>
    <message>
        <source>不确定度文件不是有效的 JSON 文本。</source>
        <translation>不确定度文件不是有效的 JSON 文本。</translation>
    </message>
    <message>
        <source>入射杆应变片灵敏系数</source>
        <translation>入射杆应变片灵敏系数</translation>
    </message>
    <message>
        <source>透射杆应变片灵敏系数</source>
        <translation>透射杆应变片灵敏系数</translation>
    </message>
    <message>
        <source>入射通道转换系数</source>
        <translation>入射通道转换系数</translation>
    </message>
    <message>
        <source>透射通道转换系数</source>
        <translation>透射通道转换系数</translation>
    </message>
    <message>
        <source>入射波起点</source>
        <translation>入射波起点</translation>
    </message>
    <message>
        <source>反射波起点</source>
        <translation>反射波起点</translation>
    </message>
    <message>
        <source>透射波起点</source>
        <translation>透射波起点</translation>
    </message>
    <message>
        <source>一次抽样的计算结果含有非有限数。</source>
        <translation>一次抽样的计算结果含有非有限数。</translation>
    </message>
    <message>
        <source>内存不足，无法完成不确定度计算。</source>
        <translation>内存不足，无法完成不确定度计算。</translation>
    </message>
    <message>
        <source>未扰动的计算结果含有非有限数。</source>
        <translation>未扰动的计算结果含有非有限数。</translation>
    </message>
    <message>
        <source>杆的波速为 %1 m/s：弥散修正需要大于零的波速。</source>
        <translation>杆的波速为 %1 m/s：弥散修正需要大于零的波速。</translation>
    </message>
    <message>
        <source>杆的泊松比为 %1：弥散修正只适用于 0.05 至 0.49 之间的泊松比。</source>
        <translation>杆的泊松比为 %1：弥散修正只适用于 0.05 至 0.49 之间的泊松比。</translation>
    </message>
    <message>
        <source>杆的直径为 %1 mm：弥散修正需要大于零的直径。</source>
        <translation>杆的直径为 %1 mm：弥散修正需要大于零的直径。</translation>
    </message>
    <message>
        <source>应变片到试样端面的距离为 %1 mm：距离不能为负数。</source>
        <translation>应变片到试样端面的距离为 %1 mm：距离不能为负数。</translation>
    </message>
    <message>
        <source>采样间隔为 %1 µs：弥散修正需要大于零的采样间隔。</source>
        <translation>采样间隔为 %1 µs：弥散修正需要大于零的采样间隔。</translation>
    </message>
    <message>
        <source>最大工程应力</source>
        <translation>最大工程应力</translation>
    </message>
    <message>
        <source>最大真应力</source>
        <translation>最大真应力</translation>
    </message>
    <message>
        <source>最终工程应变</source>
        <translation>最终工程应变</translation>
    </message>
    <message>
        <source>平均工程应变率</source>
        <translation>平均工程应变率</translation>
    </message>
    <message>
        <source>a bar&apos;s Poisson&apos;s ratio must lie from 0 up to 0.5</source>
        <translation>压杆的泊松比须在 0 与 0.5 之间</translation>
    </message>
    <message>
        <source>Bar material: 0 steel, 1 aluminium, or the name of a bar-library row</source>
        <translation>压杆材料：0 钢，1 铝，或压杆库中一行的名称</translation>
    </message>
    <message>
        <source>Bar diameter: 0 80 mm, 1 40 mm, 2 16 mm, or the name of a bar-library row</source>
        <translation>压杆直径：0 为 80 mm，1 为 40 mm，2 为 16 mm，或压杆库中一行的名称</translation>
    </message>
    <message>
        <source>试样两端力</source>
        <translation>试样两端力</translation>
    </message>
    <message>
        <source>力平衡系数</source>
        <translation>力平衡系数</translation>
    </message>
    <message>
        <source>Summary values and spreadsheets</source>
        <translation>汇总值和电子表格</translation>
    </message>
    <message>
        <source>Write the summary values and the force balance: JSON, or CSV (header and one row) when FILE ends in .csv</source>
        <translation>写出汇总值和力平衡：JSON，FILE 以 .csv 结尾时为 CSV（表头和一行）</translation>
    </message>
    <message>
        <source>Strains at which the flow stress is reported (default 0.02,0.05,0.1,0.2)</source>
        <translation>给出流动应力的应变（默认 0.02,0.05,0.1,0.2）</translation>
    </message>
    <message>
        <source>Write a workbook: sheets summary, curves, forces, parameters (with --batch: a summary sheet and a sheet per test)</source>
        <translation>写出Excel工作簿：工作表 summary、curves、forces、parameters（与 --batch 同用时：一张汇总表，每个试验一张表）</translation>
    </message>
    <message>
        <source>Write the six result curves against time as CSV</source>
        <translation>将六条结果曲线（对时间）写为CSV文件</translation>
    </message>
    <message>
        <source>尚未计算结果，无法写出汇总值。</source>
        <translation>尚未计算结果，无法写出汇总值。</translation>
    </message>
    <message>
        <source>Bars (see also --bar-material and --bar-diameter)</source>
        <translation>压杆（另见 --bar-material 和 --bar-diameter）</translation>
    </message>
    <message>
        <source>Both bars are this custom bar: wave speed m/s, modulus MPa, diameter mm, Poisson&apos;s ratio (default 0.29)</source>
        <translation>两根压杆都用此自定义压杆：波速 m/s，弹性模量 MPa，直径 mm，泊松比（默认 0.29）</translation>
    </message>
    <message>
        <source>The transmission bar alone, as --bar (the incident bar keeps its choice)</source>
        <translation>只设透射杆，写法同 --bar（入射杆保持原选择）</translation>
    </message>
    <message>
        <source>Most result points (default 2000); 0: the whole transmitted window</source>
        <translation>结果点数上限（默认 2000）；0：整个透射波窗口</translation>
    </message>
    <message>
        <source>Bar library file (default: bars.json in $VELK_CONFIG_DIR, else $XDG_CONFIG_HOME/Velk or ~/.config/Velk)</source>
        <translation>压杆库文件（默认：$VELK_CONFIG_DIR 中的 bars.json，否则为 $XDG_CONFIG_HOME/Velk 或 ~/.config/Velk 中的）</translation>
    </message>
    <message>
        <source>Print the bar library&apos;s rows and end</source>
        <translation>列出压杆库的各行后结束</translation>
    </message>
    <message>
        <source>a bar&apos;s wave speed, modulus and diameter must be above zero</source>
        <translation>压杆的波速、弹性模量和直径须大于零</translation>
    </message>
    <message>
        <source>--bar-material: %1 is neither 0, 1 nor a row of the bar library</source>
        <translation>--bar-material：%1 既不是 0、1，也不是压杆库中的一行</translation>
    </message>
    <message>
        <source>--bar-diameter: %1 is neither 0, 1, 2 nor a row of the bar library</source>
        <translation>--bar-diameter：%1 既不是 0、1、2，也不是压杆库中的一行</translation>
    </message>
    <message>
        <source>the list is empty</source>
        <translation>列表为空</translation>
    </message>
    <message>
        <source>the list&apos;s column &quot;%1&quot; is an option of the whole batch</source>
        <translation>列表的列“%1”是整个批处理的选项</translation>
    </message>
    <message>
        <source>the row is not a test</source>
        <translation>该行不是一个试验</translation>
    </message>
    <message>
        <source>the test could not be reduced</source>
        <translation>该试验无法处理</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Reduce every test of a CSV list: a header row naming options of this command (tek, params, method, dt3, summary ...; several values in one cell separated by blanks; an empty cell keeps the default), a column &quot;name&quot; naming each test, one row per test. Writes summary.csv with a row per test (or its error)</source>
        <translation>处理CSV列表中的每个试验：表头一行写本命令的选项（tek、params、method、dt3、summary ...；一格中的多个值以空格分隔；空格保持默认），列“name”给出每个试验的名称，每个试验一行。写出 summary.csv，每个试验一行（或其错误）</translation>
    </message>
    <message>
        <source>Tests reduced at once (default: every core)</source>
        <translation>同时处理的试验数（默认：每个处理器核一个）</translation>
    </message>
    <message>
        <source>Folder for summary.csv and for every relative output path of the list</source>
        <translation>summary.csv 及列表中所有相对输出路径所在的文件夹</translation>
    </message>
    <message>
        <source>with --batch the tests and their outputs come from the list; beside it only -j, --out, --xlsx and --flow-strains</source>
        <translation>使用 --batch 时试验及其输出来自列表；此外只能用 -j、--out、--xlsx 和 --flow-strains</translation>
    </message>
    <message>
        <source>the list %1 cannot be read</source>
        <translation>无法读取列表 %1</translation>
    </message>
    <message>
        <source>the row has more cells than the header</source>
        <translation>该行的格数多于表头</translation>
    </message>
    <message>
        <source>%1/%2 tests, %3 failed</source>
        <translation>%1/%2 个试验，%3 个失败</translation>
    </message>
    <message>
        <source>压杆材料的名称不能为空。</source>
        <translation>压杆材料的名称不能为空。</translation>
    </message>
    <message>
        <source>压杆材料“%1”的数值无效：波速、弹性模量和密度须大于零，泊松比须在 0 与 0.5 之间。</source>
        <translation>压杆材料“%1”的数值无效：波速、弹性模量和密度须大于零，泊松比须在 0 与 0.5 之间。</translation>
    </message>
    <message>
        <source>压杆直径的名称不能为空。</source>
        <translation>压杆直径的名称不能为空。</translation>
    </message>
    <message>
        <source>压杆直径“%1”的数值无效：直径须大于零。</source>
        <translation>压杆直径“%1”的数值无效：直径须大于零。</translation>
    </message>
    <message>
        <source>名称“%1”已在列表中。</source>
        <translation>名称“%1”已在列表中。</translation>
    </message>
    <message>
        <source>所选的行不存在。</source>
        <translation>所选的行不存在。</translation>
    </message>
    <message>
        <source>内置压杆“%1”不能修改。</source>
        <translation>内置压杆“%1”不能修改。</translation>
    </message>
    <message>
        <source>压杆库文件 %1 已损坏（%2），只使用内置压杆。</source>
        <translation>压杆库文件 %1 已损坏（%2），只使用内置压杆。</translation>
    </message>
    <message>
        <source>压杆库文件 %1 无法读取（%2），只使用内置压杆。</source>
        <translation>压杆库文件 %1 无法读取（%2），只使用内置压杆。</translation>
    </message>
    <message>
        <source>尚未计算结果，无法导出。</source>
        <translation>尚未计算结果，无法导出。</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>导出Excel</translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation>Excel工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>导出CSV</translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation>CSV文件 (*.csv)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>无</translation>
    </message>
    <message>
        <source>峰值应力(MPa):</source>
        <translation>峰值应力(MPa):</translation>
    </message>
    <message>
        <source>峰值应力处应变:</source>
        <translation>峰值应力处应变:</translation>
    </message>
    <message>
        <source>最大应变:</source>
        <translation>最大应变:</translation>
    </message>
    <message>
        <source>流动应力(MPa) 应变%1:</source>
        <translation>流动应力(MPa) 应变%1:</translation>
    </message>
    <message>
        <source>0.2%屈服应力(MPa):</source>
        <translation>0.2%屈服应力(MPa):</translation>
    </message>
    <message>
        <source>表观模量(MPa, 压杆模量不可靠):</source>
        <translation>表观模量(MPa, 压杆模量不可靠):</translation>
    </message>
    <message>
        <source>平台应变率(1/s):</source>
        <translation>平台应变率(1/s):</translation>
    </message>
    <message>
        <source>%1 ± %2  (应变 %3 - %4)</source>
        <translation>%1 ± %2  (应变 %3 - %4)</translation>
    </message>
    <message>
        <source>力平衡(|R|&lt;0.05)起始:</source>
        <translation>力平衡(|R|&lt;0.05)起始:</translation>
    </message>
    <message>
        <source>从未达到</source>
        <translation>从未达到</translation>
    </message>
    <message>
        <source>%1 µs  应变 %2</source>
        <translation>%1 µs  应变 %2</translation>
    </message>
    <message>
        <source>吸收能(MJ/m³):</source>
        <translation>吸收能(MJ/m³):</translation>
    </message>
    <message>
        <source>曲线 %1 没有数据点。</source>
        <translation>曲线 %1 没有数据点。</translation>
    </message>
    <message>
        <source>曲线 %1 的应变与应力点数不同。</source>
        <translation>曲线 %1 的应变与应力点数不同。</translation>
    </message>
    <message>
        <source>曲线 %1 的第 %2 点不是有限数值。</source>
        <translation>曲线 %1 的第 %2 点不是有限数值。</translation>
    </message>
    <message>
        <source>对比至少需要两条曲线。</source>
        <translation>对比至少需要两条曲线。</translation>
    </message>
    <message>
        <source>这些曲线没有共同的应变范围。</source>
        <translation>这些曲线没有共同的应变范围。</translation>
    </message>
    <message>
        <source>group %1: %2</source>
        <translation>组 %1：%2</translation>
    </message>
    <message>
        <source>结果文件 (*.DT2 *.DT3 *.DT4)</source>
        <translation>结果文件 (*.DT2 *.DT3 *.DT4)</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG 图像 (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>%1：图像只能保存为 .png、.svg 或 .pdf 文件。</source>
        <translation>%1：图像只能保存为 .png、.svg 或 .pdf 文件。</translation>
    </message>
    <message>
        <source>图像无法写入 %1。</source>
        <translation>图像无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 的第 %2 行不是结果数据。</source>
        <translation>%1 的第 %2 行不是结果数据。</translation>
    </message>
    <message>
        <source>%1 中没有结果数据。</source>
        <translation>%1 中没有结果数据。</translation>
    </message>
    <message>
        <source>尚未计算结果，无法估计不确定度。</source>
        <translation>尚未计算结果，无法估计不确定度。</translation>
    </message>
    <message>
        <source>正在估计不确定度...</source>
        <translation>正在估计不确定度...</translation>
    </message>
    <message>
        <source>当前结果不是按现在的参数和波窗计算的，请重新计算后再估计不确定度。</source>
        <translation>当前结果不是按现在的参数和波窗计算的，请重新计算后再估计不确定度。</translation>
    </message>
    <message>
        <source>Velk 会话 (*.velks)</source>
        <translation>Velk 会话 (*.velks)</translation>
    </message>
    <message>
        <source>打开会话</source>
        <translation>打开会话</translation>
    </message>
    <message>
        <source>保存会话</source>
        <translation>保存会话</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>光滑</source>
        <translation>光滑</translation>
    </message>
    <message>
        <source>基线</source>
        <translation>基线</translation>
    </message>
    <message>
        <source>参数修改</source>
        <translation>参数修改</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>重新计算</source>
        <translation>重新计算</translation>
    </message>
    <message>
        <source>结果计算</source>
        <translation>结果计算</translation>
    </message>
    <message>
        <source>桥/应变仪/应变片参数</source>
        <translation>桥/应变仪/应变片参数</translation>
    </message>
    <message>
        <source>静态标定</source>
        <translation>静态标定</translation>
    </message>
    <message>
        <source>CS20000标定</source>
        <translation>CS20000标定</translation>
    </message>
    <message>
        <source>recapitulation</source>
        <translation>recapitulation</translation>
    </message>
    <message>
        <source>切除曲线</source>
        <translation>切除曲线</translation>
    </message>
    <message>
        <source>拉直曲线</source>
        <translation>拉直曲线</translation>
    </message>
    <message>
        <source>打开参数文件</source>
        <translation>打开参数文件</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>撤销 %1(&amp;U)</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>重做 %1(&amp;R)</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Estimate the uncertainty of the results by Monte Carlo (2000 seeded draws) from the standard uncertainties in FILE (JSON, the names of the dialog&apos;s fields), or from the defaults; adds the 95 % band to --summary, --xlsx, --csv and --plot</source>
        <translation>以蒙特卡罗法（2000 次定种子抽样）估计结果的不确定度，各输入的标准不确定度取自 FILE（JSON，名称同对话框的字段）或取默认值；95% 区间加入 --summary、--xlsx、--csv 和 --plot</translation>
    </message>
    <message>
        <source>a gauge distance must be a number of 0 mm or more</source>
        <translation>应变片距离必须是不小于 0 mm 的数</translation>
    </message>
    <message>
        <source>--dispersion needs --gauge-distance-inc and --gauge-distance-tr, or a parameter file that holds them</source>
        <translation>--dispersion 需要 --gauge-distance-inc 和 --gauge-distance-tr，或含有这两个距离的参数文件</translation>
    </message>
    <message>
        <source>Correct each windowed pulse for the dispersion of its bar between gauge and specimen face</source>
        <translation>按各杆的弥散把每个窗口中的脉冲从应变片修正到试样端面</translation>
    </message>
    <message>
        <source>Distance from the incident bar&apos;s gauge to the specimen face, mm</source>
        <translation>入射杆应变片到试样端面的距离，mm</translation>
    </message>
    <message>
        <source>Distance from the transmission bar&apos;s gauge to the specimen face, mm</source>
        <translation>透射杆应变片到试样端面的距离，mm</translation>
    </message>
    <message>
        <source>Delimiter of a delimited text file, if not detected</source>
        <translation>分隔文本文件的分隔符（不自动识别时）</translation>
    </message>
    <message>
        <source>Decimal mark of a delimited text file</source>
        <translation>分隔文本文件的小数点</translation>
    </message>
    <message>
        <source>Lines before the first data row of a delimited text file</source>
        <translation>分隔文本文件第一行数据之前的行数</translation>
    </message>
    <message>
        <source>First column of a delimited text file: time in s, ms, us or ns, a sample index, or none (a channel)</source>
        <translation>分隔文本文件的第一列：以 s、ms、us 或 ns 为单位的时间、序号，或 none（该列是通道）</translation>
    </message>
    <message>
        <source>Unit of the channels of a delimited text file</source>
        <translation>分隔文本文件中各通道的单位</translation>
    </message>
    <message>
        <source>--delimiter, --decimal, --header-rows, --time-unit and --channel-unit apply to --inc, --tr and --describe</source>
        <translation>--delimiter、--decimal、--header-rows、--time-unit 和 --channel-unit 只适用于 --inc、--tr 和 --describe</translation>
    </message>
    <message>
        <source>A session file (.velks): its input files, settings and every step are replayed; a window method or curve tool given here runs after them</source>
        <translation>会话文件（.velks）：重放其中的输入文件、参数和每一步；这里给出的窗口方法或曲线工具在其后执行</translation>
    </message>
    <message>
        <source>Write the run (input files, settings, every step) as a session file</source>
        <translation>把这次运行（输入文件、参数和每一步）写成会话文件</translation>
    </message>
    <message>
        <source>--uncertainty cannot be combined with --smooth, --cut or --straighten: the band belongs to the computed curves</source>
        <translation>--uncertainty 不能与 --smooth、--cut 或 --straighten 同用：不确定度带属于计算出的曲线</translation>
    </message>
    <message>
        <source>不确定度文件“%1”无法打开。</source>
        <translation>不确定度文件“%1”无法打开。</translation>
    </message>
    <message>
        <source>不确定度文件“%1”无法使用。</source>
        <translation>不确定度文件“%1”无法使用。</translation>
    </message>
    <message>
        <source>分隔符和小数点不能都是逗号。</source>
        <translation>分隔符和小数点不能都是逗号。</translation>
    </message>
    <message>
        <source>表头行数 %2 无效：文件 %1 共 %3 行。</source>
        <translation>表头行数 %2 无效：文件 %1 共 %3 行。</translation>
    </message>
    <message>
        <source>按所选的分隔符和小数点，文件 %1 中没有一行全是数字。</source>
        <translation>按所选的分隔符和小数点，文件 %1 中没有一行全是数字。</translation>
    </message>
    <message>
        <source>文件 %1 只有一列，不能既有时间列又有通道。</source>
        <translation>文件 %1 只有一列，不能既有时间列又有通道。</translation>
    </message>
    <message>
        <source>不确定度...</source>
        <translation>不确定度...</translation>
    </message>
    <message>
        <source>泡沫模型（3 waves（foam））不能做弥散修正。</source>
        <translation>泡沫模型（3 waves（foam））不能做弥散修正。</translation>
    </message>
    <message>
        <source>会话文件 %1 已损坏，无法打开（%2）。</source>
        <translation>会话文件 %1 已损坏，无法打开（%2）。</translation>
    </message>
    <message>
        <source>这个试验不是从数据文件打开的，不能保存为会话。</source>
        <translation>这个试验不是从数据文件打开的，不能保存为会话。</translation>
    </message>
    <message>
        <source>会话文件 %1 的格式版本 %2 比本程序能读的更新（%3），无法打开。</source>
        <translation>会话文件 %1 的格式版本 %2 比本程序能读的更新（%3），无法打开。</translation>
    </message>
    <message>
        <source>无法读取会话文件 %1。</source>
        <translation>无法读取会话文件 %1。</translation>
    </message>
    <message>
        <source>不认识的文件格式“%1”。</source>
        <translation>不认识的文件格式“%1”。</translation>
    </message>
    <message>
        <source>会话 %1 的输入文件 %2 无法打开。</source>
        <translation>会话 %1 的输入文件 %2 无法打开。</translation>
    </message>
    <message>
        <source>会话 %1 的输入文件已改变：读出的波形与保存会话时不同。会话没有打开。</source>
        <translation>会话 %1 的输入文件已改变：读出的波形与保存会话时不同。会话没有打开。</translation>
    </message>
    <message>
        <source>会话 %1 第 %2 步（%3）重放的结果与保存时不同。会话没有打开。</source>
        <translation>会话 %1 第 %2 步（%3）重放的结果与保存时不同。会话没有打开。</translation>
    </message>
</context>
<context>
    <name>velk::BalancePlot</name>
    <message>
        <source>红: 入射端力F1(kN)   蓝: 透射端力F2(kN)   横轴: 时间(µs)</source>
        <translation>红: 入射端力F1(kN)   蓝: 透射端力F2(kN)   横轴: 时间(µs)</translation>
    </message>
    <message>
        <source>R = 2(F1-F2)/(F1+F2)   虚线: ±5%   横轴: 时间(µs)</source>
        <translation>R = 2(F1-F2)/(F1+F2)   虚线: ±5%   横轴: 时间(µs)</translation>
    </message>
</context>
<context>
    <name>velk::BarTable</name>
    <message>
        <source>钢杆</source>
        <translation>钢杆</translation>
    </message>
    <message>
        <source>铝杆</source>
        <translation>铝杆</translation>
    </message>
</context>
<context>
    <name>velk::CAboutDlg</name>
    <message>
        <source>关于 Velk</source>
        <translation>关于 Velk</translation>
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
        <translation>压杆库</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>波速(m/s)</source>
        <translation>波速(m/s)</translation>
    </message>
    <message>
        <source>弹性模量(MPa)</source>
        <translation>弹性模量(MPa)</translation>
    </message>
    <message>
        <source>泊松比</source>
        <translation>泊松比</translation>
    </message>
    <message>
        <source>密度(kg/m³)</source>
        <translation>密度(kg/m³)</translation>
    </message>
    <message>
        <source>直径(mm)</source>
        <translation>直径(mm)</translation>
    </message>
    <message>
        <source>面积(mm²)</source>
        <translation>面积(mm²)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>压杆材料</source>
        <translation>压杆材料</translation>
    </message>
    <message>
        <source>压杆直径</source>
        <translation>压杆直径</translation>
    </message>
    <message>
        <source>新材料</source>
        <translation>新材料</translation>
    </message>
    <message>
        <source>内置压杆和参数文件带来的压杆不能删除。</source>
        <translation>内置压杆和参数文件带来的压杆不能删除。</translation>
    </message>
</context>
<context>
    <name>velk::CCalibration</name>
    <message>
        <source>入射波</source>
        <translation>入射波</translation>
    </message>
    <message>
        <source>start point</source>
        <translation>start point</translation>
    </message>
    <message>
        <source>end point</source>
        <translation>end point</translation>
    </message>
    <message>
        <source>benchmark</source>
        <translation>benchmark</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>透射波</translation>
    </message>
</context>
<context>
    <name>velk::CCompareDlg</name>
    <message>
        <source>对比</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>添加文件(&amp;A)...</source>
        <translation>添加文件(&amp;A)...</translation>
    </message>
    <message>
        <source>添加打开的试验(&amp;O)</source>
        <translation>添加打开的试验(&amp;O)</translation>
    </message>
    <message>
        <source>移除(&amp;R)</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>工程应力应变</source>
        <translation>工程应力应变</translation>
    </message>
    <message>
        <source>真实应力应变</source>
        <translation>真实应力应变</translation>
    </message>
    <message>
        <source>导出平均曲线(&amp;M)...</source>
        <translation>导出平均曲线(&amp;M)...</translation>
    </message>
    <message>
        <source>导出图像(&amp;P)...</source>
        <translation>导出图像(&amp;P)...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>试验:</source>
        <translation>试验:</translation>
    </message>
    <message>
        <source>没有这种曲线，未参与对比: %1</source>
        <translation>没有这种曲线，未参与对比: %1</translation>
    </message>
</context>
<context>
    <name>velk::CCsParameter</name>
    <message>
        <source>标定的数字化高度(V)</source>
        <translation>标定的数字化高度(V)</translation>
    </message>
</context>
<context>
    <name>velk::CCurveSelectDlg</name>
    <message>
        <source>曲线图像显示选择</source>
        <translation>曲线图像显示选择</translation>
    </message>
    <message>
        <source>原始数据波形</source>
        <translation>原始数据波形</translation>
    </message>
    <message>
        <source>处理后波形</source>
        <translation>处理后波形</translation>
    </message>
    <message>
        <source>工程应力曲线</source>
        <translation>工程应力曲线</translation>
    </message>
    <message>
        <source>工程应变曲线</source>
        <translation>工程应变曲线</translation>
    </message>
    <message>
        <source>工程应变率曲线</source>
        <translation>工程应变率曲线</translation>
    </message>
    <message>
        <source>真实应力曲线</source>
        <translation>真实应力曲线</translation>
    </message>
    <message>
        <source>真实应变曲线</source>
        <translation>真实应变曲线</translation>
    </message>
    <message>
        <source>真是应变率曲线</source>
        <translation>真是应变率曲线</translation>
    </message>
    <message>
        <source>工程应力应变曲线</source>
        <translation>工程应力应变曲线</translation>
    </message>
    <message>
        <source>真实应力应变曲线</source>
        <translation>真实应力应变曲线</translation>
    </message>
    <message>
        <source>原始曲线</source>
        <translation>原始曲线</translation>
    </message>
    <message>
        <source>光滑后曲线</source>
        <translation>光滑后曲线</translation>
    </message>
    <message>
        <source>试样两端力</source>
        <translation>试样两端力</translation>
    </message>
    <message>
        <source>力平衡系数</source>
        <translation>力平衡系数</translation>
    </message>
    <message>
        <source>不确定度带</source>
        <translation>不确定度带</translation>
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
        <translation>打开示波器波形文件
打开波形文件</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>退出应用程序
退出</source>
        <translation>退出应用程序
退出</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
显隐工具栏</source>
        <translation>显示或隐藏工具栏
显隐工具栏</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
显隐状态栏</source>
        <translation>显示或隐藏状态栏
显隐状态栏</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>打开示波器文件(&amp;T)...</source>
        <translation>打开示波器文件(&amp;T)...</translation>
    </message>
    <message>
        <source>recent file</source>
        <translation>recent file</translation>
    </message>
    <message>
        <source>推出(&amp;X)</source>
        <translation>推出(&amp;X)</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>关于Velk(&amp;A)...</source>
        <translation>关于Velk(&amp;A)...</translation>
    </message>
    <message>
        <source>打开Tek文件(&amp;T)...</source>
        <translation>打开Tek文件(&amp;T)...</translation>
    </message>
    <message>
        <source>保存工程曲线(.DT3)</source>
        <translation>保存工程曲线(.DT3)</translation>
    </message>
    <message>
        <source>工程应变,工程应力,工程应变率</source>
        <translation>工程应变,工程应力,工程应变率</translation>
    </message>
    <message>
        <source>保存真实曲线(.DT4)</source>
        <translation>保存真实曲线(.DT4)</translation>
    </message>
    <message>
        <source>保存真实应变,应力,应变率</source>
        <translation>保存真实应变,应力,应变率</translation>
    </message>
    <message>
        <source>Export plot...</source>
        <translation>导出图像...</translation>
    </message>
    <message>
        <source>将当前图像保存为 PNG、SVG 或 PDF 文件
Export plot</source>
        <translation>将当前图像保存为 PNG、SVG 或 PDF 文件
Export plot</translation>
    </message>
    <message>
        <source>打开参数文件...</source>
        <translation>打开参数文件...</translation>
    </message>
    <message>
        <source>打开参数文件
打开参数文件</source>
        <translation>打开参数文件
打开参数文件</translation>
    </message>
    <message>
        <source>保存参数文件(&amp;R)...</source>
        <translation>保存参数文件(&amp;R)...</translation>
    </message>
    <message>
        <source>保存参数文件
保存参数文件</source>
        <translation>保存参数文件
保存参数文件</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>关闭活动文档
关闭</source>
        <translation>关闭活动文档
关闭</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>最近文件</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>压杆(&amp;P)</source>
        <translation>压杆(&amp;P)</translation>
    </message>
    <message>
        <source>显示主程序处理对话框
主对话框</source>
        <translation>显示主程序处理对话框
主对话框</translation>
    </message>
    <message>
        <source>图像(&amp;G)</source>
        <translation>图像(&amp;G)</translation>
    </message>
    <message>
        <source>显示图象对话框
图象对话框</source>
        <translation>显示图象对话框
图象对话框</translation>
    </message>
    <message>
        <source>参数(&amp;O)</source>
        <translation>参数(&amp;O)</translation>
    </message>
    <message>
        <source>结果计算(&amp;C)...</source>
        <translation>结果计算(&amp;C)...</translation>
    </message>
    <message>
        <source>调整与计算相关的数值
计算设定</source>
        <translation>调整与计算相关的数值
计算设定</translation>
    </message>
    <message>
        <source>桥/应变仪/应变片参数(&amp;P)...</source>
        <translation>桥/应变仪/应变片参数(&amp;P)...</translation>
    </message>
    <message>
        <source>设置入射、透射波桥臂/桥压/应变仪增益/应变片灵敏度系数</source>
        <translation>设置入射、透射波桥臂/桥压/应变仪增益/应变片灵敏度系数</translation>
    </message>
    <message>
        <source>图像(&amp;G)...</source>
        <translation>图像(&amp;G)...</translation>
    </message>
    <message>
        <source>调整与图形相关的数值</source>
        <translation>调整与图形相关的数值</translation>
    </message>
    <message>
        <source>recapitulation(&amp;E)...</source>
        <translation>recapitulation(&amp;E)...</translation>
    </message>
    <message>
        <source>窗口(&amp;W)</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>cascade(&amp;C)</source>
        <translation>cascade(&amp;C)</translation>
    </message>
    <message>
        <source>以互相重叠的方式排列窗口
层叠窗口</source>
        <translation>以互相重叠的方式排列窗口
层叠窗口</translation>
    </message>
    <message>
        <source>tile(&amp;T)</source>
        <translation>tile(&amp;T)</translation>
    </message>
    <message>
        <source>以互不重叠的方式排列窗口
平铺窗口</source>
        <translation>以互不重叠的方式排列窗口
平铺窗口</translation>
    </message>
    <message>
        <source>arrang icon(&amp;A)</source>
        <translation>arrang icon(&amp;A)</translation>
    </message>
    <message>
        <source>在窗口底部排列图标
排列图标</source>
        <translation>在窗口底部排列图标
排列图标</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>关于 Velk(&amp;A)...</source>
        <translation>关于 Velk(&amp;A)...</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>打开该文档</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>工程应变,工程应力,工程应变率
保存工程曲线(.DT3)</source>
        <translation>工程应变,工程应力,工程应变率
保存工程曲线(.DT3)</translation>
    </message>
    <message>
        <source>将原始波形按基线重新排列
计算</source>
        <translation>将原始波形按基线重新排列
计算</translation>
    </message>
    <message>
        <source>参数更新后再次计算
重新计算</source>
        <translation>参数更新后再次计算
重新计算</translation>
    </message>
    <message>
        <source>计算平均应变率
平均应变率</source>
        <translation>计算平均应变率
平均应变率</translation>
    </message>
    <message>
        <source>确定判断基线高度的范围
基线</source>
        <translation>确定判断基线高度的范围
基线</translation>
    </message>
    <message>
        <source>光滑曲线
 光滑</source>
        <translation>光滑曲线
 光滑</translation>
    </message>
    <message>
        <source>将指定点后的曲线切除
切除曲线</source>
        <translation>将指定点后的曲线切除
切除曲线</translation>
    </message>
    <message>
        <source>检查曲线
检查</source>
        <translation>检查曲线
检查</translation>
    </message>
    <message>
        <source>将曲线起始段拉直
拉直曲线</source>
        <translation>将曲线起始段拉直
拉直曲线</translation>
    </message>
    <message>
        <source>woring</source>
        <translation>woring</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>coordinate</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>value</source>
        <translation>value</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>打开示波器或记录仪保存的记录文件（ISF、CSV、TRC 等）
打开记录文件</source>
        <translation>打开示波器或记录仪保存的记录文件（ISF、CSV、TRC 等）
打开记录文件</translation>
    </message>
    <message>
        <source>打开记录文件(&amp;R)...</source>
        <translation>打开记录文件(&amp;R)...</translation>
    </message>
    <message>
        <source>导出Excel(&amp;X)...</source>
        <translation>导出Excel(&amp;X)...</translation>
    </message>
    <message>
        <source>将结果曲线、两端力、汇总值和参数导出为Excel工作簿
导出Excel</source>
        <translation>将结果曲线、两端力、汇总值和参数导出为Excel工作簿
导出Excel</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>导出CSV...</translation>
    </message>
    <message>
        <source>将六条结果曲线导出为CSV文件
导出CSV</source>
        <translation>将六条结果曲线导出为CSV文件
导出CSV</translation>
    </message>
    <message>
        <source>压杆库(&amp;B)...</source>
        <translation>压杆库(&amp;B)...</translation>
    </message>
    <message>
        <source>编辑压杆材料和直径列表
压杆库</source>
        <translation>编辑压杆材料和直径列表
压杆库</translation>
    </message>
    <message>
        <source>对比重复试验的应力应变曲线及其平均值
对比</source>
        <translation>对比重复试验的应力应变曲线及其平均值
对比</translation>
    </message>
    <message>
        <source>对比(&amp;C)...</source>
        <translation>对比(&amp;C)...</translation>
    </message>
    <message>
        <source>打开会话文件，从原始数据文件重放其中的每一步
打开会话</source>
        <translation>打开会话文件，从原始数据文件重放其中的每一步
打开会话</translation>
    </message>
    <message>
        <source>打开会话...</source>
        <translation>打开会话...</translation>
    </message>
    <message>
        <source>保存会话(&amp;E)...</source>
        <translation>保存会话(&amp;E)...</translation>
    </message>
    <message>
        <source>保存会话文件：输入文件、全部参数和每一步操作，打开时重放出同样的曲线
保存会话</source>
        <translation>保存会话文件：输入文件、全部参数和每一步操作，打开时重放出同样的曲线
保存会话</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>撤销上一步对试验的修改
撤销</source>
        <translation>撤销上一步对试验的修改
撤销</translation>
    </message>
    <message>
        <source>重做撤销的修改
重做</source>
        <translation>重做撤销的修改
重做</translation>
    </message>
    <message>
        <source>不确定度...</source>
        <translation>不确定度...</translation>
    </message>
    <message>
        <source>以蒙特卡罗法估计结果的不确定度
不确定度</source>
        <translation>以蒙特卡罗法估计结果的不确定度
不确定度</translation>
    </message>
</context>
<context>
    <name>velk::CMethodDlg</name>
    <message>
        <source>数据计算</source>
        <translation>数据计算</translation>
    </message>
    <message>
        <source>方法1</source>
        <translation>方法1</translation>
    </message>
    <message>
        <source>手动拾取点</source>
        <translation>手动拾取点</translation>
    </message>
    <message>
        <source>方法2</source>
        <translation>方法2</translation>
    </message>
    <message>
        <source>自动对齐三波波峰</source>
        <translation>自动对齐三波波峰</translation>
    </message>
    <message>
        <source>方法3</source>
        <translation>方法3</translation>
    </message>
    <message>
        <source>手动输入三波起点及终点</source>
        <translation>手动输入三波起点及终点</translation>
    </message>
</context>
<context>
    <name>velk::CNjParameter</name>
    <message>
        <source>标定的数字化高度(点)</source>
        <translation>标定的数字化高度(点)</translation>
    </message>
</context>
<context>
    <name>velk::COpenWaveDlg</name>
    <message>
        <source>开始点：</source>
        <translation>开始点：</translation>
    </message>
    <message>
        <source>打开波形文件</source>
        <translation>打开波形文件</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>入射波</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>透射波</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>open TEKTRONIX files</source>
        <translation>open TEKTRONIX files</translation>
    </message>
    <message>
        <source>open CS20000</source>
        <translation>open CS20000</translation>
    </message>
</context>
<context>
    <name>velk::CParameter</name>
    <message>
        <source>1v=</source>
        <translation>1v=</translation>
    </message>
    <message>
        <source>(με)</source>
        <translation>(με)</translation>
    </message>
    <message>
        <source>有效桥臂</source>
        <translation>有效桥臂</translation>
    </message>
    <message>
        <source>应变片灵敏度系数</source>
        <translation>应变片灵敏度系数</translation>
    </message>
    <message>
        <source>桥压(v)</source>
        <translation>桥压(v)</translation>
    </message>
    <message>
        <source>应变仪增益(×)</source>
        <translation>应变仪增益(×)</translation>
    </message>
</context>
<context>
    <name>velk::CRecapDlg</name>
    <message>
        <source>recapitulation</source>
        <translation>recapitulation</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
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
        <translation>original sample size</translation>
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
        <translation>impact sample size</translation>
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
        <translation>incident para</translation>
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
        <translation>transmission para</translation>
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
        <translation>strike bar</translation>
    </message>
    <message>
        <source>time(ms):</source>
        <translation>time(ms):</translation>
    </message>
    <message>
        <source>length(mm):</source>
        <translation>length(mm):</translation>
    </message>
    <message>
        <source>velocity(m/s):</source>
        <translation>velocity(m/s):</translation>
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
        <translation>汇总值</translation>
    </message>
</context>
<context>
    <name>velk::CRecordingOpenDlg</name>
    <message>
        <source>自动识别</source>
        <translation>自动识别</translation>
    </message>
    <message>
        <source>分隔文本</source>
        <translation>分隔文本</translation>
    </message>
    <message>
        <source>Tektronix 文本</source>
        <translation>Tektronix 文本</translation>
    </message>
    <message>
        <source>制表符</source>
        <translation>制表符</translation>
    </message>
    <message>
        <source>无时间列</source>
        <translation>无时间列</translation>
    </message>
    <message>
        <source>第 %1 列为序号</source>
        <translation>第 %1 列为序号</translation>
    </message>
    <message>
        <source>第 %1 列为时间（%2）</source>
        <translation>第 %1 列为时间（%2）</translation>
    </message>
    <message>
        <source>分隔符 %1，小数点 %2，表头 %3 行，%4</source>
        <translation>分隔符 %1，小数点 %2，表头 %3 行，%4</translation>
    </message>
    <message>
        <source>文件 %1：%2</source>
        <translation>文件 %1：%2</translation>
    </message>
    <message>
        <source>打开记录文件</source>
        <translation>打开记录文件</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>一个文件（含两个通道）</source>
        <translation>一个文件（含两个通道）</translation>
    </message>
    <message>
        <source>两个文件</source>
        <translation>两个文件</translation>
    </message>
    <message>
        <source>文件 %1：</source>
        <translation>文件 %1：</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>采样间隔</source>
        <translation>采样间隔</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>通道：</translation>
    </message>
    <message>
        <source>开始点：</source>
        <translation>开始点：</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>入射波</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>透射波</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>文件 %1</source>
        <translation>文件 %1</translation>
    </message>
    <message>
        <source>逗号</source>
        <translation>逗号</translation>
    </message>
    <message>
        <source>分号</source>
        <translation>分号</translation>
    </message>
    <message>
        <source>点</source>
        <translation>点</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>文本格式</source>
        <translation>文本格式</translation>
    </message>
    <message>
        <source>分隔符</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>表头行数</source>
        <translation>表头行数</translation>
    </message>
    <message>
        <source>时间单位</source>
        <translation>时间单位</translation>
    </message>
    <message>
        <source>通道单位</source>
        <translation>通道单位</translation>
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
        <translation>start</translation>
    </message>
    <message>
        <source>end</source>
        <translation>end</translation>
    </message>
    <message>
        <source>step</source>
        <translation>step</translation>
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
        <translation>曲线光滑</translation>
    </message>
    <message>
        <source>波形总点数</source>
        <translation>波形总点数</translation>
    </message>
    <message>
        <source>光滑点数 (&gt;=3) ...3,4,5,10...</source>
        <translation>光滑点数 (&gt;=3) ...3,4,5,10...</translation>
    </message>
    <message>
        <source>光滑</source>
        <translation>光滑</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>velk::CStaticCalibrationPage</name>
    <message>
        <source>桥式电压(V)</source>
        <translation>桥式电压(V)</translation>
    </message>
    <message>
        <source>电压-应变转化系数(με)</source>
        <translation>电压-应变转化系数(με)</translation>
    </message>
    <message>
        <source>静标定应变值(με)</source>
        <translation>静标定应变值(με)</translation>
    </message>
    <message>
        <source>应变片灵敏系数</source>
        <translation>应变片灵敏系数</translation>
    </message>
</context>
<context>
    <name>velk::CTestSetupDlg</name>
    <message>
        <source>数采/压杆/试样参数</source>
        <translation>数采/压杆/试样参数</translation>
    </message>
    <message>
        <source>入射波</source>
        <translation>入射波</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>透射波</translation>
    </message>
    <message>
        <source>全部波</source>
        <translation>全部波</translation>
    </message>
    <message>
        <source>(两波法)入射波&amp;透射波</source>
        <translation>(两波法)入射波&amp;透射波</translation>
    </message>
    <message>
        <source>(两波法)入射波&amp;反射波</source>
        <translation>(两波法)入射波&amp;反射波</translation>
    </message>
    <message>
        <source>(两波法)反射波&amp;透射波</source>
        <translation>(两波法)反射波&amp;透射波</translation>
    </message>
    <message>
        <source>(3波法)3 waves（normal）</source>
        <translation>(3波法)3 waves（normal）</translation>
    </message>
    <message>
        <source>3 waves（foam）</source>
        <translation>3 waves（foam）</translation>
    </message>
    <message>
        <source>压杆材质</source>
        <translation>压杆材质</translation>
    </message>
    <message>
        <source>压杆直径(mm)</source>
        <translation>压杆直径(mm)</translation>
    </message>
    <message>
        <source>计算模型</source>
        <translation>计算模型</translation>
    </message>
    <message>
        <source>试样直径(mm):</source>
        <translation>试样直径(mm):</translation>
    </message>
    <message>
        <source>试样厚度(mm):</source>
        <translation>试样厚度(mm):</translation>
    </message>
    <message>
        <source>试样中应力波速(m/s):</source>
        <translation>试样中应力波速(m/s):</translation>
    </message>
    <message>
        <source>wave velocity in Matrix (m/s):</source>
        <translation>wave velocity in Matrix (m/s):</translation>
    </message>
    <message>
        <source>子弹速度(m/s):</source>
        <translation>子弹速度(m/s):</translation>
    </message>
    <message>
        <source>数采采样频率(MHz):</source>
        <translation>数采采样频率(MHz):</translation>
    </message>
    <message>
        <source>采样频率必须大于0：计算仍使用 %1 MHz。</source>
        <translation>采样频率必须大于0：计算仍使用 %1 MHz。</translation>
    </message>
    <message>
        <source>透射杆不同</source>
        <translation>透射杆不同</translation>
    </message>
    <message>
        <source>压杆库...</source>
        <translation>压杆库...</translation>
    </message>
    <message>
        <source>不限</source>
        <translation>不限</translation>
    </message>
    <message>
        <source>透射杆材质</source>
        <translation>透射杆材质</translation>
    </message>
    <message>
        <source>透射杆直径(mm)</source>
        <translation>透射杆直径(mm)</translation>
    </message>
    <message>
        <source>结果点数上限</source>
        <translation>结果点数上限</translation>
    </message>
    <message>
        <source>弥散修正</source>
        <translation>弥散修正</translation>
    </message>
    <message>
        <source>入射杆应变片距试样(mm)</source>
        <translation>入射杆应变片距试样(mm)</translation>
    </message>
    <message>
        <source>透射杆应变片距试样(mm)</source>
        <translation>透射杆应变片距试样(mm)</translation>
    </message>
</context>
<context>
    <name>velk::CUncertaintyDlg</name>
    <message>
        <source>不确定度</source>
        <translation>不确定度</translation>
    </message>
    <message>
        <source>输入的标准不确定度</source>
        <translation>输入的标准不确定度</translation>
    </message>
    <message>
        <source>值</source>
        <translation>值</translation>
    </message>
    <message>
        <source>95% 下限</source>
        <translation>95% 下限</translation>
    </message>
    <message>
        <source>95% 上限</source>
        <translation>95% 上限</translation>
    </message>
    <message>
        <source>标准不确定度</source>
        <translation>标准不确定度</translation>
    </message>
    <message>
        <source>主要来源</source>
        <translation>主要来源</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>各输入对方差的贡献 (%)</source>
        <translation>各输入对方差的贡献 (%)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>默认值</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>尚未估计。</source>
        <translation>尚未估计。</translation>
    </message>
    <message>
        <source>%1 次抽样，有效 %2 次，随机种子 %3</source>
        <translation>%1 次抽样，有效 %2 次，随机种子 %3</translation>
    </message>
</context>
<context>
    <name>velk::CVelkView</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>无法启动打印机。</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export plot</source>
        <translation>导出图像</translation>
    </message>
</context>
<context>
    <name>velk::CWavePos</name>
    <message>
        <source>入射波</source>
        <translation>入射波</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>反射波</source>
        <translation>反射波</translation>
    </message>
    <message>
        <source>透射波</source>
        <translation>透射波</translation>
    </message>
</context>
<context>
    <name>velk::ComparisonPlot</name>
    <message>
        <source>真实应变</source>
        <translation>真实应变</translation>
    </message>
    <message>
        <source>工程应变</source>
        <translation>工程应变</translation>
    </message>
    <message>
        <source>真实应力(MPa)</source>
        <translation>真实应力(MPa)</translation>
    </message>
    <message>
        <source>工程应力(MPa)</source>
        <translation>工程应力(MPa)</translation>
    </message>
    <message>
        <source>平均 (n = %1)</source>
        <translation>平均 (n = %1)</translation>
    </message>
    <message>
        <source>±1 标准差</source>
        <translation>±1 标准差</translation>
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
        <translation>请键入一个整数。</translation>
    </message>
    <message>
        <source>请键入一个数。</source>
        <translation>请键入一个数。</translation>
    </message>
</context>
<context>
    <name>velk::PlotExport</name>
    <message>
        <source>The plot could not be written to %1.</source>
        <translation>无法将图像写入 %1。</translation>
    </message>
    <message>
        <source>The picture size %1 x %2 is not usable.</source>
        <translation>图像尺寸 %1 x %2 不可用。</translation>
    </message>
    <message>
        <source>%1: the plot can be written as .png, .svg or .pdf only.</source>
        <translation>%1：图像只能写成 .png、.svg 或 .pdf 文件。</translation>
    </message>
</context>
<context>
    <name>velk::PlotRenderer</name>
    <message>
        <source>零点基线计算区域: 开始点:%1  结束点:%2  基线平均值:%3  </source>
        <translation>零点基线计算区域: 开始点:%1  结束点:%2  基线平均值:%3  </translation>
    </message>
</context>
<context>
    <name>velk::PropertySheet</name>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velk::Sheet</name>
    <message>
        <source>南京参数</source>
        <translation>南京参数</translation>
    </message>
    <message>
        <source>incident wave</source>
        <translation>incident wave</translation>
    </message>
    <message>
        <source>transimission wave</source>
        <translation>transimission wave</translation>
    </message>
    <message>
        <source>CS20000 parameter</source>
        <translation>CS20000 parameter</translation>
    </message>
    <message>
        <source>transmission wave</source>
        <translation>transmission wave</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>graph</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>coordinate</translation>
    </message>
    <message>
        <source>calculate</source>
        <translation>calculate</translation>
    </message>
    <message>
        <source>三波起终点</source>
        <translation>三波起终点</translation>
    </message>
    <message>
        <source>calibrate</source>
        <translation>calibrate</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>parameter</translation>
    </message>
    <message>
        <source>入射波应变参数设定</source>
        <translation>入射波应变参数设定</translation>
    </message>
    <message>
        <source>透射波应变参数设定</source>
        <translation>透射波应变参数设定</translation>
    </message>
</context>
</TS>
