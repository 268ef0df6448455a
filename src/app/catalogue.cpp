#include "app/catalogue.h"

#include <string>

#include "drill/drill.h"
#include "platform/application.h"
#include "topics/counting/junretu.h"
#include "topics/counting/jyufuku.h"
#include "topics/counting/kazu1.h"
#include "topics/counting/kazu2.h"
#include "topics/counting/kumiawas.h"
#include "topics/counting/smjyun.h"
#include "topics/distribution/bindist.h"
#include "topics/distribution/nordist.h"
#include "topics/probability/kakurit2.h"
#include "topics/probability/kakuritu.h"
#include "topics/sets/induct.h"
#include "topics/sets/set.h"
#include "topics/sets/testify.h"
#include "topics/statistics/arrange.h"
#include "topics/statistics/correlate.h"
#include "topics/statistics/graph.h"
#include "topics/statistics/toukei.h"

namespace vl {

namespace {
template <class T>
std::unique_ptr<TopicDialog> Make(int) {
  return std::make_unique<T>();
}
template <class T>
std::unique_ptr<TopicDialog> MakeWithMode(int mode) {
  auto d = std::make_unique<T>();
  d->m_nMode = static_cast<int16_t>(mode);
  return d;
}

const TopicEntry kTopics[] = {
    {2769, 101, 406, -1, &Make<CKazu1>},
    {2770, 102, 408, -1, &Make<CKazu2>},
    {2771, 103, 412, -1, &Make<CJunretu>},
    {2772, 104, 414, -1, &Make<CKumiawas>},
    {2773, 105, 422, -1, &Make<CKakuritu>},
    {2774, 106, 426, -1, &Make<CToukei>},
    {2775, 107, 416, -1, &Make<CJyufuku>},
    {2776, 112, 400, 1, &MakeWithMode<CTestify>},
    {2777, 109, 418, -1, &Make<CSmJyun>},
    {2778, 111, 402, -1, &Make<CInduct>},
    {2779, 112, 404, 0, &MakeWithMode<CTestify>},
    {2780, 113, 424, -1, &Make<CArrange>},
    {2781, 115, 422, 0, &MakeWithMode<CKakurit2>},
    {2782, 115, 410, 1, &MakeWithMode<CKakurit2>},
    {2783, 116, 428, 0, &MakeWithMode<CBindist>},
    {2784, 117, 430, 0, &MakeWithMode<CNorDist>},
    {2785, 116, 434, 1, &MakeWithMode<CBindist>},
    {2786, 117, 432, 1, &MakeWithMode<CNorDist>},
    {2787, 108, 400, -1, &Make<CSet>},
    {32789, 118, 427, -1, &Make<CCorrelate>},
};
}  // namespace

std::span<const TopicEntry> TopicCatalogue() { return kTopics; }

const TopicEntry* FindTopic(int command) {
  for (const auto& t : kTopics)
    if (t.command == command) return &t;
  return nullptr;
}

bool OpenTopic(int command) {
  const TopicEntry* t = FindTopic(command);
  if (!t) return false;
  // The mode is part of construction here; the guide notice still goes out before the dialog
  // runs, once per opening, and its absence is silent.
  std::unique_ptr<TopicDialog> dlg = t->make(t->mode);
  Host::Current().Guide().Post(kGuideWindowTitle, kGuideMessage, t->guideCode, 0);
  dlg->DoModal();
  return true;
}

void RegisterTopicFactories() {
  for (const auto& t : kTopics) {
    RegisterDialogFactory({t.templateId, "command " + std::to_string(t.command),
                           [&t] { return std::unique_ptr<Dialog>(t.make(t.mode)); }});
  }
  RegisterDialogFactory({114, "graph", [] { return std::make_unique<CGraph>(); }});
  const struct {
    int code, sub;
  } drills[] = {{2769, 0}, {2770, 0}, {2771, 0}, {2772, 0}, {2775, 0}, {2776, 0}, {2777, 0},
                {2778, 0}, {2779, 0}, {2781, 0}, {2782, 0}, {2782, 1}, {2782, 2}, {2787, 0}};
  for (auto d : drills) {
    RegisterDialogFactory({110, "drill " + std::to_string(d.code) + "/" + std::to_string(d.sub),
                           [d] {
                             return std::make_unique<CDrill>(nullptr, static_cast<int16_t>(d.code),
                                                             static_cast<int16_t>(d.sub));
                           }});
  }
}

}  // namespace vl
