// The topic catalogue: every topic command bound to its dialog class, template, guide code and
// mode. Opening a topic posts the guide notice, sets the mode and runs the dialog modally.
#pragma once
#include <cstdint>
#include <memory>
#include <span>

#include "topics/topic_dialog.h"

namespace vl {

// The notice posted to the companion guide window when a topic opens.
inline constexpr char16_t kGuideWindowTitle[] = u"Karsel - Guide";
inline constexpr unsigned kGuideMessage = 1124;  // WM_USER + 100

struct TopicEntry {
  int command;
  int templateId;
  int guideCode;
  int mode;  // -1: the class has no mode
  std::unique_ptr<TopicDialog> (*make)();
  void (*setMode)(TopicDialog& dlg, int16_t mode);  // nullptr when the class has no mode
};

std::span<const TopicEntry> TopicCatalogue();
const TopicEntry* FindTopic(int command);

// Runs the topic of this command; false when the command is not a topic.
bool OpenTopic(int command);

// Registers a factory for every topic (by command) and every nested dialog.
void RegisterTopicFactories();

}  // namespace vl
