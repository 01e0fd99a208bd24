// The catalogues are current and finished: a fresh extraction over the sources finds nothing the
// committed catalogues lack, every entry has its translation, the English catalogue is English
// and the Chinese one leaves in English only the texts listed as English by design.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Entry {
  std::string translation;
  bool finished = false;
};
using Catalogue = std::map<std::pair<std::string, std::string>, Entry>;  // (context, source)

Catalogue Parse(const fs::path& ts) {
  QFile f(QString::fromStdString(ts.string()));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ts;
  QXmlStreamReader xml(&f);
  Catalogue out;
  std::string context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText().toStdString();
    } else if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText().toStdString();
    } else if (xml.name() == QLatin1String("translation")) {
      const bool marked = xml.attributes().hasAttribute(QLatin1String("type"));
      const std::string text = xml.readElementText().toStdString();
      out[{context, source}] = Entry{text, !marked && !text.empty()};
    }
  }
  EXPECT_FALSE(xml.hasError()) << ts << ": " << xml.errorString().toStdString();
  return out;
}

bool HasCjk(const std::string& utf8) {
  for (const QChar c : QString::fromStdString(utf8)) {
    if (c.unicode() >= 0x3000 && c.unicode() <= 0x9fff) return true;
    if (c.unicode() >= 0xff00 && c.unicode() <= 0xffef) return true;  // full-width forms
  }
  return false;
}

// Runs lupdate with the build's options over every source into a copy of the catalogue.
Catalogue Extract(const fs::path& committed, const fs::path& scratch) {
  fs::copy_file(committed, scratch, fs::copy_options::overwrite_existing);
  std::ostringstream cmd;
  cmd << "'" << VELK_LUPDATE << "' " << VELK_LUPDATE_OPTIONS << " -I '" << VELK_SOURCE_DIR
      << "/src'";
  for (const auto& e : fs::recursive_directory_iterator(fs::path(VELK_SOURCE_DIR) / "src")) {
    const auto ext = e.path().extension();
    if (ext == ".cpp" || ext == ".h") cmd << " '" << e.path().string() << "'";
  }
  cmd << " -ts '" << scratch.string() << "' > /dev/null";
  EXPECT_EQ(std::system(cmd.str().c_str()), 0) << cmd.str();
  return Parse(scratch);
}

std::set<std::string> EnglishByDesign() {
  std::set<std::string> out;
  std::ifstream in(fs::path(VELK_SOURCE_DIR) / "tests/i18n/english_by_design.txt");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') out.insert(line);
  }
  return out;
}

TEST(Catalogues, CurrentFinishedAndInTheirLanguage) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::set<std::string> byDesign = EnglishByDesign();
  for (const char* lang : {"en", "zh_CN"}) {
    const fs::path committed =
        fs::path(VELK_SOURCE_DIR) / "translations" / (std::string("velk_") + lang + ".ts");
    const Catalogue before = Parse(committed);
    const Catalogue after =
        Extract(committed, fs::path(tmp.path().toStdString()) / committed.filename());
    ASSERT_FALSE(after.empty());
    for (const auto& [key, entry] : after) {
      const std::string where = std::string(lang) + " [" + key.first + "] " + key.second;
      EXPECT_TRUE(before.count(key))
          << "not in the catalogue (run tools/update-translations): " << where;
      EXPECT_TRUE(entry.finished) << "no finished translation: " << where;
      if (std::string(lang) == "en") {
        EXPECT_FALSE(HasCjk(entry.translation)) << "Chinese left in English: " << where;
      } else if (!HasCjk(key.second) && !HasCjk(entry.translation)) {
        EXPECT_TRUE(byDesign.count(key.second))
            << "English text left in Chinese and not listed as English by design: " << where;
      }
    }
    for (const auto& [key, entry] : before) {
      EXPECT_TRUE(after.count(key)) << lang << ": no longer in the sources: " << key.second;
    }
  }
}

}  // namespace
