// The caption vocabularies: every entry in every language, and which vocabulary follows a
// language switch.
#include "app/captions.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace kv40::app {
namespace {

bool FillsTerms(int i) {
  return i == kGerman || i == kEnglish || i == kRomanian || i == kKorean;
}

TEST(Captions, EveryEntryHasItsTextInEveryLanguageItIsFilledFor) {
  std::set<std::string> names;
  for (int c = 0; c < kCapCount; ++c) {
    const Cap cap = static_cast<Cap>(c);
    SCOPED_TRACE(CapName(cap));
    EXPECT_TRUE(names.insert(CapName(cap)).second);
    for (int i = 1; i <= kLanguageCount; ++i) {
      SCOPED_TRACE(i);
      const bool filled = !IsTermCaption(cap) || FillsTerms(i);
      EXPECT_EQ(CaptionIn(cap, i).empty(), !filled);
    }
    EXPECT_EQ(CaptionIn(cap, 0), "");
    EXPECT_EQ(CaptionIn(cap, 10), "");
  }
}

TEST(Captions, SwitchingLanguagesKeepsTermsWhereALanguageHasNone) {
  struct Case {
    const char* name;
    std::vector<int> switches;
    const char* file;   // a menu word
    const char* shaft;  // a term
    const char* languageItem;
  };
  const Case cases[] = {
      {"start: German", {}, "&Datei", "&Welle", "Menü &Sprache"},
      {"English", {kEnglish}, "&File", "Sh&aft", "Menu &Language"},
      {"Korean", {kKorean}, "파일(&F)", "축(&a)", "메뉴 언어(&L)"},
      {"Korean then French keeps the Korean terms",
       {kKorean, kFrench},
       "&Fichier",
       "축(&a)",
       "Menu &Language"},
      {"English then French keeps the English terms",
       {kEnglish, kFrench},
       "&Fichier",
       "Sh&aft",
       "Menu &Language"},
      {"French at start leaves German terms", {kFrench}, "&Fichier", "&Welle", "Menu &Language"},
      {"no such language changes nothing",
       {kRomanian, 0, 10, -1},
       "&Fisier",
       "Arbore",
       "Meniu &Limba"},
      {"Spanish", {kSpanish}, "&Archivo", "&Welle", "Menú &Language"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    for (int i : c.switches) {
      LoadMenuCaptions(t.p, i);
      LoadTermCaptions(t.p, i);
    }
    EXPECT_EQ(Caption(t.p, Cap::File), c.file);
    EXPECT_EQ(Caption(t.p, Cap::Shaft), c.shaft);
    EXPECT_EQ(Caption(t.p, Cap::Menu) + " " + Caption(t.p, Cap::Language), c.languageItem);
  }
}

}  // namespace
}  // namespace kv40::app
