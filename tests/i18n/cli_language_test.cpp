// velk-reduce speaks the language it is asked for: --lang zh and --lang en translate its
// messages (arguments that are source texts included), its usage problems and its --help, while a
// run without --lang keeps the texts as written, which scripts match.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/reduce_cli.h"
#include "cli/reduce_language.h"

namespace velk::cli {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Reduce(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunReduce(args, out, err);
  return {status, out.str(), err.str()};
}

bool Has(const std::string& s, const std::string& part) {
  return s.find(part) != std::string::npos;
}

TEST(CliLanguage, MessagesUsageAndHelpFollowLang) {
  SetDefaultLanguage(i18n::Language::kSource);
  const std::vector<std::string> missing = {"--record", "/no/such/file.DAT"};

  const Outcome source = Reduce(missing);
  EXPECT_EQ(source.status, kExitFailed);
  EXPECT_TRUE(Has(source.err, "打开文档失败。")) << source.err;

  auto withLang = [&](const char* lang) {
    std::vector<std::string> a = missing;
    a.insert(a.begin(), {"--lang", lang});
    return Reduce(a);
  };
  const Outcome en = withLang("en");
  EXPECT_TRUE(Has(en.err, "The document could not be opened.")) << en.err;
  const Outcome zh = withLang("zh");
  EXPECT_TRUE(Has(zh.err, "打开文档失败。")) << zh.err;

  // A usage problem of velk-reduce's own, in Chinese.
  const Outcome usage = Reduce({"--lang=zh"});
  EXPECT_EQ(usage.status, kExitUsage);
  EXPECT_TRUE(Has(usage.err, "请只指定一个输入")) << usage.err;
  EXPECT_TRUE(Has(usage.err, "用法：velk-reduce")) << usage.err;

  const Outcome help = Reduce({"--lang", "zh", "--help"});
  EXPECT_EQ(help.status, kExitDone);
  EXPECT_TRUE(Has(help.out, "试样厚度，mm")) << help.out;
  EXPECT_TRUE(Has(help.out, "输入（只能一个）")) << help.out;
  EXPECT_FALSE(Has(help.out, "Specimen thickness, mm")) << help.out;
  EXPECT_TRUE(Has(help.out, "仪器记录文件")) << help.out;
  EXPECT_TRUE(Has(help.out, "含入射波通道的记录文件")) << help.out;

  // An instrument reader's refusal, printed by --describe, in the language asked for.
  const std::string unknown = ::testing::TempDir() + "/velk_unknown_format.txt";
  {
    std::ofstream f(unknown);
    f << "nothing to read here\n";
  }
  const Outcome described = Reduce({"--lang", "en", "--describe", unknown});
  EXPECT_EQ(described.status, kExitFailed);
  EXPECT_TRUE(Has(described.err, "The format of the file " + unknown + " was not recognised"))
      << described.err;
  EXPECT_TRUE(Has(Reduce({"--describe", unknown}).err, "无法识别文件 " + unknown + " 的格式"));

  // The locale's language applies when --lang is not given; --lang still wins.
  SetDefaultLanguage(i18n::Language::kEnglish);
  EXPECT_TRUE(Has(Reduce(missing).err, "The document could not be opened."));
  EXPECT_TRUE(Has(withLang("zh").err, "打开文档失败。"));
  SetDefaultLanguage(i18n::Language::kSource);

  // A source text given as an argument is translated with its message.
  BatchInteraction ui;
  UseLanguage(i18n::Language::kChinese);
  ui.ShowMessage(
      "The %1 at result point %2 is not a finite number (%3): a sample inside the "
      "wave windows or a test parameter is not finite, or the specimen strain "
      "reached 1. Nothing was computed.",
      {"true strain", "7", "nan"});
  UseLanguage(i18n::Language::kSource);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(Has(ui.messages[0], "结果点 7 处的真实应变不是有限数 (nan)")) << ui.messages[0];
}

TEST(CliLanguage, LocaleNames) {
  using i18n::Language;
  EXPECT_EQ(i18n::LanguageOfLocale("zh_CN.UTF-8"), Language::kChinese);
  EXPECT_EQ(i18n::LanguageOfLocale("zh_TW"), Language::kChinese);
  EXPECT_EQ(i18n::LanguageOfLocale("en_US.UTF-8"), Language::kEnglish);
  EXPECT_EQ(i18n::LanguageOfLocale("de_DE.UTF-8"), Language::kEnglish);
  EXPECT_EQ(i18n::LanguageOfLocale("C.UTF-8"), Language::kSource);
  EXPECT_EQ(i18n::LanguageOfLocale("POSIX"), Language::kSource);
  EXPECT_EQ(i18n::LanguageOfLocale(""), Language::kSource);
  EXPECT_EQ(i18n::ParseLanguage("zh"), Language::kChinese);
  EXPECT_EQ(i18n::ParseLanguage("en"), Language::kEnglish);
  EXPECT_FALSE(i18n::ParseLanguage("fr"));
}

}  // namespace
}  // namespace velk::cli
