// Reading a page aloud with the system's speech synthesis, in Japanese, where a voice exists.
// Without one (no engine, no speech service running, no Japanese voice) nothing is spoken and
// the reason is given in words; nothing waits for a service that is not there.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>

namespace vl::qt {

class PageSpeaker {
 public:
  static PageSpeaker& Instance();
  ~PageSpeaker();

  // Why nothing can be spoken, or empty when a Japanese voice is ready. Asked once per process.
  QString Unavailable();
  // Speaks text for owner, replacing whatever was being spoken; nothing when unavailable.
  void Speak(const QObject* owner, const QString& text);
  // Stops the speech that owner started (its page changed or its window closed).
  void StopFor(const QObject* owner);
  // The window whose page is being spoken, or nullptr.
  const QObject* Owner() const { return owner_; }

 private:
  PageSpeaker();
  void Probe();

  bool probed_ = false;
  QString why_;
  const QObject* owner_ = nullptr;
  // The speech engine (a QTextToSpeech when the build has one), kept as its base so that this
  // class looks the same with and without speech; the application owns it and ends it.
  QPointer<QObject> engine_;
};

}  // namespace vl::qt
