// Every text a user sees goes through the translation system: a literal handed straight to a
// widget, an action, a menu, a message box, the operator interaction or a property sheet fails
// here unless it sits inside tr(), QT_TRANSLATE_NOOP or VELK_TRANSLATE_NOOP, or is listed below
// as shown the same in every language.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// (file name, literal): texts that are the same in every language.
const std::set<std::pair<std::string, std::string>> kSameInEveryLanguage = {
    // Each language in its own words, and the menu that names both.
    {"app_language.cpp", "语言 / Language"},
    // A message that is wholly its argument, already translated where it was made.
    {"reduce_plot.cpp", "%1"},
    // The recent-file entries: their number and path.
    {"main_frame.cpp", "&%1 %2"},
    // The program's name as a message box title.
    {"velk_view.cpp", "Velk"},
    {"plot_commands.cpp", "Velk"},
};

std::string Read(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Comments out of the way, so a quoted text in a comment is not taken for code.
std::string StripComments(const std::string& src) {
  return std::regex_replace(src, std::regex(R"(//[^\n]*)"), "");
}

TEST(Literals, NoUserTextBypassesTranslation) {
  // A call that shows its text argument, with a plain literal (or QStringLiteral) as the text.
  const std::regex gui(
      R"re((setText|setWindowTitle|setToolTip|setStatusTip|setTitle|setPlaceholderText|addMenu|addTab|addRow|addItem|addItems|addButton|setLabelText|information|warning|critical|question|QAction|QMenu|QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QToolBar)\s*\(\s*(?:[A-Za-z_:>.\-]+\s*,\s*)?(?:QStringLiteral\s*\(\s*|QString::fromUtf8\s*\(\s*)?"([^"]+))re");
  // The main frame's menu items and buttons: item(menu, id, text, prompt), MakeAction(id, text...).
  const std::regex menuItem(R"re((item|MakeAction)\s*\(\s*(?:[^,()]+,\s*){1,2}"([^"]+))re");
  // Texts the interaction layer translates: they must be marked so the catalogues hold them.
  const std::regex interaction(
      R"re((ShowMessage|AskOpenPath|AskSavePath|Failure|SheetPage|Sheet\s*sheet|caption\s*=)\s*[({]?\s*"([^"]+))re");
  std::string found;
  for (const auto& e : fs::recursive_directory_iterator(fs::path(VELK_SOURCE_DIR) / "src")) {
    if (e.path().extension() != ".cpp" && e.path().extension() != ".h") continue;
    const std::string rel = fs::relative(e.path(), VELK_SOURCE_DIR).string();
    const bool simulator = e.path().filename().string().rfind("simulate_", 0) == 0;
    if (simulator) continue;  // velk-simulate is a developer's tool, English only
    const std::string text = StripComments(Read(e.path()));
    const bool guiFile = rel.find("src/app/") == 0 || rel.find("src/dialogs/") == 0 ||
                         rel.find("src/plot/render/") == 0 || rel.find("src/plot/view/") == 0;
    for (const std::regex* re : {&gui, &menuItem, &interaction}) {
      if (re != &interaction && !guiFile) continue;
      for (auto it = std::sregex_iterator(text.begin(), text.end(), *re);
           it != std::sregex_iterator(); ++it) {
        const std::string literal = (*it)[2];
        if (kSameInEveryLanguage.count({e.path().filename().string(), literal})) continue;
        found += rel + ": " + (*it)[0].str() + "\n";
      }
    }
  }
  EXPECT_EQ(found, "") << "texts shown without translation (wrap them in tr(), "
                          "QT_TRANSLATE_NOOP or VELK_TRANSLATE_NOOP):\n"
                       << found;
}

}  // namespace
