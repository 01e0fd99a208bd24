// The user guides exist in both languages, and every picture they show is in docs/img (the
// pictures are made by tools/screenshots, so a guide cannot name one the script does not make).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(Guide, BothLanguagesAndEveryPictureExists) {
  const fs::path docs = fs::path(VELK_SOURCE_DIR) / "docs";
  const std::regex image(R"(!\[[^\]]*\]\(([^)\s]+)\))");
  for (const char* name : {"guide.en.md", "guide.zh.md"}) {
    std::ifstream in(docs / name);
    ASSERT_TRUE(in) << name;
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    int pictures = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), image);
         it != std::sregex_iterator(); ++it, ++pictures) {
      EXPECT_TRUE(fs::is_regular_file(docs / (*it)[1].str())) << name << ": " << (*it)[1];
    }
    EXPECT_GE(pictures, 4) << name;
  }
}

}  // namespace
