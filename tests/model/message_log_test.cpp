// The message log: recorded once, cut to 36 characters, at most 11 kept.
#include <string>

#include <gtest/gtest.h>

#include "model/message_log.h"

namespace kv40::model {
namespace {

TEST(MessageLog, RecordsEachTextOnceInOrder) {
  MessageLog log;
  AddMessage(log, "Fatal  : mn = 0 !");
  AddMessage(log, "Warnung: Spitzzahn ! (1)");
  AddMessage(log, "Fatal  : mn = 0 !");
  ASSERT_EQ(log.messageCount, 2);
  EXPECT_EQ(log.Message(1), "Fatal  : mn = 0 !");
  EXPECT_EQ(log.Message(2), "Warnung: Spitzzahn ! (1)");
}

TEST(MessageLog, KeepsTheFirstElevenOfTwelve) {
  MessageLog log;
  for (int i = 1; i <= 12; ++i)
    AddMessage(log, "Warnung: Nummer " + std::to_string(i));
  ASSERT_EQ(log.messageCount, kMaxMessages);
  for (int i = 1; i <= kMaxMessages; ++i) {
    EXPECT_EQ(log.Message(i), "Warnung: Nummer " + std::to_string(i));
  }
  // A repeat of a kept text and a new text are both ignored once the log is full.
  AddMessage(log, "Warnung: Nummer 3");
  AddMessage(log, "Warnung: Nummer 13");
  EXPECT_EQ(log.messageCount, kMaxMessages);
  EXPECT_EQ(log.Message(11), "Warnung: Nummer 11");
}

TEST(MessageLog, CutsToThirtySixCharacters) {
  struct Case {
    const char* name;
    std::string text;
    std::string stored;
  };
  const Case cases[] = {
      {"fifty characters", "Unbrauchbare Ergebnisse - bitte Neuberechnung xxxx",
       "Unbrauchbare Ergebnisse - bitte Neub"},
      // ö is two bytes but one character: the cut counts characters.
      {"umlaut before the cut", "Fehler : Eingr.stör. da1 ! und weiterer Text",
       "Fehler : Eingr.stör. da1 ! und weite"},
      {"umlaut as the 36th character", "Warnung: " + std::string(26, 'x') + "üyy",
       "Warnung: " + std::string(26, 'x') + "ü"},
      {"exactly 36 kept", "Fatal  : ArcCos(cos(alpha t)*d/da)>1",
       "Fatal  : ArcCos(cos(alpha t)*d/da)>1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MessageLog log;
    AddMessage(log, c.text);
    ASSERT_EQ(log.messageCount, 1);
    EXPECT_EQ(log.Message(1), c.stored);
  }
}

TEST(MessageLog, TextsEqualInTheirFirst36CharactersCountOnce) {
  MessageLog log;
  AddMessage(log, "Fatal  : ArcCos(cos(alpha t)*d/da)>1 ! (acos)");
  AddMessage(log, "Fatal  : ArcCos(cos(alpha t)*d/da)>1 !");
  ASSERT_EQ(log.messageCount, 1);
  EXPECT_EQ(log.Message(1), "Fatal  : ArcCos(cos(alpha t)*d/da)>1");
}

TEST(MessageLog, ResetEmptiesTheLogAndClearsFatal) {
  MessageLog log;
  AddMessage(log, "Fatal  : z = 0 !");
  log.fatal = true;
  ResetMessages(log);
  EXPECT_EQ(log.messageCount, 0);
  EXPECT_FALSE(log.fatal);
  AddMessage(log, "Fatal  : z = 0 !");  // recorded again after the reset
  EXPECT_EQ(log.messageCount, 1);
}

TEST(MessageLog, AFatalTextMakesTheRunFatalWhateverRecordsIt) {
  struct Case {
    const char* name;
    const char* text;
    bool fatal;
  };
  const Case cases[] = {
      {"the geometry's root check", "Fatal  : df <=0 ! (2)", true},
      {"a table lookup", "Fatal  : TolCode X !", true},
      {"an error", "Fehler : kmn < 0 !  (1)", false},
      {"a warning", "Warnung: Spitzzahn ! (1)", false},
      {"Fatal inside the text", "Warnung: Fatal", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MessageLog log;
    AddMessage(log, c.text);
    EXPECT_EQ(log.fatal, c.fatal);
  }
  // also the twelfth text, which the full log no longer keeps
  MessageLog full;
  for (int i = 1; i <= kMaxMessages; ++i)
    AddMessage(full, "Warnung: " + std::to_string(i));
  AddMessage(full, "Fatal  : db > da !  (1)");
  EXPECT_EQ(full.messageCount, kMaxMessages);
  EXPECT_TRUE(full.fatal);
}

}  // namespace
}  // namespace kv40::model
