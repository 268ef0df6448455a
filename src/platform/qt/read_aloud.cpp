#include "platform/qt/read_aloud.h"

#include <QCoreApplication>
#include <QLocale>

#if VELORIN_HAVE_SPEECH
#include <QTextToSpeech>
#endif

namespace vl::qt {

#if VELORIN_HAVE_SPEECH
namespace {
QTextToSpeech* Engine(const QPointer<QObject>& e) { return static_cast<QTextToSpeech*>(e.data()); }
}  // namespace
#endif

PageSpeaker& PageSpeaker::Instance() {
  static PageSpeaker speaker;
  return speaker;
}

PageSpeaker::PageSpeaker() = default;
PageSpeaker::~PageSpeaker() = default;

void PageSpeaker::Probe() {
  probed_ = true;
  why_.clear();
#if VELORIN_HAVE_SPEECH
  if (QTextToSpeech::availableEngines().isEmpty()) {
    why_ = QStringLiteral("音声合成のエンジンがありません");
    return;
  }
  auto* tts = new QTextToSpeech(QCoreApplication::instance());
  if (tts->state() == QTextToSpeech::Error) {
    why_ = QStringLiteral("音声合成のサービスが動いていません");
    delete tts;
    return;
  }
  for (const QLocale& l : tts->availableLocales())
    if (l.language() == QLocale::Japanese) {
      tts->setLocale(l);
      engine_ = tts;
      return;
    }
  why_ = QStringLiteral("日本語の音声がありません");
  delete tts;
#else
  why_ = QStringLiteral("この版には音声合成がありません");
#endif
}

QString PageSpeaker::Unavailable() {
  // Probed again when the engine ended with the application that owned it.
  if (!probed_ || (why_.isEmpty() && !engine_)) Probe();
  return why_;
}

void PageSpeaker::Speak(const QObject* owner, const QString& text) {
  if (!Unavailable().isEmpty() || !engine_) return;
#if VELORIN_HAVE_SPEECH
  Engine(engine_)->stop();
  owner_ = owner;
  Engine(engine_)->say(text);
#else
  (void)owner;
  (void)text;
#endif
}

void PageSpeaker::StopFor(const QObject* owner) {
  if (owner == nullptr || owner != owner_) return;
  owner_ = nullptr;
#if VELORIN_HAVE_SPEECH
  if (engine_) Engine(engine_)->stop();
#endif
}

}  // namespace vl::qt
