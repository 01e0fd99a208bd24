#include <iostream>

#include "cli/reduce_cli.h"
#include "cli/reduce_language.h"
#include "i18n/language.h"

int main(int argc, char** argv) {
  // The locale chooses the language unless --lang does; the tests call RunReduce without it.
  velk::cli::SetDefaultLanguage(
      velk::i18n::LanguageOfLocale(velk::i18n::MessagesLocaleFromEnvironment()));
  std::vector<std::string> args(argv + 1, argv + argc);
  return velk::cli::RunReduce(args, std::cout, std::cerr);
}
